#include "SimulatedAnalyzerTest.h"

namespace {

using SimulatedLinkTest = SimulatedAnalyzerTest;

TEST_F(SimulatedLinkTest, IdentificationAnswersGiveTheModel)
{
    const struct {
        const char* identification;
        DeviceModel model;
    } cases[] = {
        {"QV7100", DeviceModel::QV7100},
        {"QV7101 rev 2.4", DeviceModel::QV7101},
        {"QV7102", DeviceModel::QV7102},
        {"QV710", DeviceModel::Other},
    };
    for (const auto& c : cases) {
        StartAnalyzer({"--id", c.identification});
        EXPECT_TRUE(link.OpenPort(Serial())) << c.identification;
        EXPECT_EQ(link.ConnectedModel(), c.model) << c.identification;
        EXPECT_TRUE(ReceivedIs("V"));
    }
    EXPECT_TRUE(Warnings().empty());
}

TEST_F(SimulatedLinkTest, StaleLinesInThePortDoNotReachIdentification)
{
    StartAnalyzer({"--id", "QV7102", "--line-end", "crlf", "--stale", "14000000,50.5,-3.2\r\nEND"});
    std::optional<CPortSession> session = link.OpenPort(Serial());
    ASSERT_TRUE(session);
    EXPECT_EQ(link.ConnectedModel(), DeviceModel::QV7102);
    EXPECT_TRUE(session->WritePort("recZ\r"));
    std::string line;
    EXPECT_TRUE(session->ReadAnswerLine(line, 256));
    EXPECT_EQ(line, "OK");
    EXPECT_TRUE(Warnings().empty());
}

TEST_F(SimulatedLinkTest, CrLfLineEndsLeaveAnEmptyLineBehind)
{
    StartAnalyzer({"--id", "QV7101", "--line-end", "crlf"});
    std::optional<CPortSession> session = link.OpenPort(Serial());
    ASSERT_TRUE(session);
    EXPECT_EQ(link.ConnectedModel(), DeviceModel::QV7101);
    std::string line = "old";
    EXPECT_TRUE(session->ReadLine(line, 256));
    EXPECT_EQ(line, "");
    EXPECT_TRUE(session->WritePort("recZ\r"));
    EXPECT_TRUE(session->ReadLine(line, 256));
    EXPECT_EQ(line, "OK");
    EXPECT_TRUE(Warnings().empty());
}

TEST_F(SimulatedLinkTest, SlowStreamWithoutLineEndGivesUpAfterTenTimeOuts)
{
    // A byte every 125 ms never trips the time-out of a second for a single
    // byte, even with the analyzer paused for half a second between two.
    StartAnalyzer({"--id", "AA-55 ZOOM", "--endless-line", "--line-delay", "125"});
    std::optional<CPortSession> session = link.OpenPort(Serial(kShortTimeOutMs));
    ASSERT_TRUE(session);
    ASSERT_TRUE(session->WritePort("F10.000000\r"));
    std::string line;
    EXPECT_FALSE(session->ReadLine(line, 256));
    const std::vector<std::string> warnings{"Read|Time-out"};
    EXPECT_EQ(Warnings(), warnings);
    EXPECT_EQ(line, std::string(line.size(), 'x'));
    EXPECT_FALSE(line.empty());
}

TEST_F(SimulatedLinkTest, AnotherLinkCannotTakeAnOpenPort)
{
    StartAnalyzer({"--id", "QV7101"});
    std::optional<CPortSession> session = link.OpenPort(Serial());
    ASSERT_TRUE(session);

    CAnalyzerLink other(std::make_unique<CPosixSerialPort>());
    EXPECT_FALSE(other.OpenPort(Serial()));
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].caption, "Connect");
    EXPECT_EQ(messages.boxes()[0].text.rfind("Communication error:\n", 0), 0u);
    EXPECT_TRUE(session->WritePort("recZ\r"));
    std::string line;
    EXPECT_TRUE(session->ReadLine(line, 256));
    EXPECT_EQ(line, "OK");
}

} // namespace
