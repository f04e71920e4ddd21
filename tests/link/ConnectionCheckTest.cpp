#include "AllocationFailingPort.h"
#include "FailingAllocation.h"
#include "SimulatedAnalyzerTest.h"
#include "link/ConnectionCheck.h"
#include "link/PortList.h"

#include <filesystem>

namespace {

using ConnectionCheckTest = SimulatedAnalyzerTest;

TEST_F(ConnectionCheckTest, ShowsTheAnswerWhateverTheLineEnds)
{
    for (const char* lineEnd : {"lf", "cr", "crlf"}) {
        StartAnalyzer({"--id", "QV7102 rev 3", "--line-end", lineEnd});
        EXPECT_TRUE(CheckConnection(link, Serial())) << lineEnd;
        EXPECT_FALSE(link.IsOpen());
        EXPECT_TRUE(ReceivedIs("VV")) << lineEnd;
    }
    ASSERT_EQ(messages.boxes().size(), 3u);
    for (const auto& box : messages.boxes()) {
        EXPECT_EQ(box.kind, MessageKind::Info);
        EXPECT_EQ(box.caption, "");
        EXPECT_EQ(box.text, "Connected to:\nQV7102 rev 3");
    }
}

TEST_F(ConnectionCheckTest, AFailureShowsOnlyTheLinksWarning)
{
    EXPECT_FALSE(CheckConnection(link, {dir.File("nothing-attached"), 9600, kTimeOutMs}));
    EXPECT_EQ(Warnings(), std::vector<std::string>{"Connect|Communication error:\nNo such file or directory"});

    StartAnalyzer({"--silent"});
    EXPECT_FALSE(CheckConnection(link, Serial(kShortTimeOutMs)));
    EXPECT_FALSE(link.IsOpen());
    // The identification and the check each wait out their time-out.
    const std::vector<std::string> warnings{"Connect|Communication error:\nNo such file or directory", "Read|Time-out",
                                            "Read|Time-out"};
    EXPECT_EQ(Warnings(), warnings);
}

TEST_F(ConnectionCheckTest, NoMemoryToOpenThePortIsACommunicationErrorAndTheNextCheckWorks)
{
    StartAnalyzer({"--id", "QV7102"});
    const SerialSettings serial = Serial();
    {
        const ScopedFailingAllocation failing(AllocatingThreads::This);
        EXPECT_FALSE(CheckConnection(link, serial));
        EXPECT_TRUE(failing.Failed());
    }
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(Warnings(), std::vector<std::string>{"Connect|Communication error:\nCannot allocate memory"});

    EXPECT_TRUE(CheckConnection(link, serial));
    ASSERT_EQ(messages.boxes().size(), 2u);
    EXPECT_EQ(messages.boxes().back().text, "Connected to:\nQV7102");
}

TEST_F(ConnectionCheckTest, NoMemoryForTheAnswerIsAReadErrorAndTheNextCheckWorks)
{
    // Each line is "QV7102\r": the link writes "V" and reads seven bytes to
    // identify the analyzer (operations 0 to 7), then the same for the check
    // (8 to 15).
    StartAnalyzer({"--id", "QV7102", "--line-end", "cr"});
    const SerialSettings serial = Serial();
    const std::string noMemory = "Read|Communication error:\nCannot allocate memory";
    struct Failure {
        const char* what;
        int operation; // from whose start on the next allocation fails
        DeviceModel model;
        std::size_t warnings;
    };
    const Failure failures[] = {
        // At the identification the reading ends: the check's read fails too.
        {"the identification's line", 0, DeviceModel::Other, 2},
        {"the copy of the first bytes that came", 1, DeviceModel::Other, 2},
        {"the check's line", 8, DeviceModel::QV7102, 1},
        // Reading the check's line end needs no memory: the text is next.
        {"the text of the box", 15, DeviceModel::QV7102, 1},
    };
    for (const Failure& failure : failures) {
        messages.log().boxes.clear();
        auto port = std::make_unique<CAllocationFailingPort>(failure.operation);
        const CAllocationFailingPort& failing = *port;
        CAnalyzerLink failingLink(std::move(port));
        bool shown = true;
        EXPECT_NO_THROW(shown = CheckConnection(failingLink, serial)) << failure.what;
        EXPECT_FALSE(shown) << failure.what;
        EXPECT_TRUE(failing.Failed()) << failure.what;
        EXPECT_FALSE(failingLink.IsOpen()) << failure.what;
        EXPECT_EQ(failingLink.ConnectedModel(), failure.model) << failure.what;
        EXPECT_EQ(Warnings(), std::vector<std::string>(failure.warnings, noMemory)) << failure.what;
    }

    messages.log().boxes.clear();
    EXPECT_TRUE(CheckConnection(link, serial));
    EXPECT_EQ(Warnings(), std::vector<std::string>{"|Connected to:\nQV7102"});
}

TEST(PortChoices, OffersTheComPortsThenTheAdaptersPresent)
{
    TempDir dev;
    for (const char* name : {"ttyUSB10", "ttyUSB2", "ttyACM0", "ttyS0", "ttyUSB", "null"}) {
        std::ofstream(dev.File(name)).put('\n');
    }
    std::vector<std::string> expected{"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8"};
    EXPECT_EQ(PortChoices(dev.File("missing")), expected);

    expected.insert(expected.end(), {dev.File("ttyACM0"), dev.File("ttyUSB2"), dev.File("ttyUSB10")});
    EXPECT_EQ(PortChoices(dev.path().string()), expected);

    std::filesystem::create_directories(dev.path() / "serial" / "by-id");
    std::ofstream(dev.File("serial/by-id/usb-FTDI_FT232R-if00-port0")).put('\n');
    expected.push_back(dev.File("serial/by-id/usb-FTDI_FT232R-if00-port0"));
    EXPECT_EQ(PortChoices(dev.path().string()), expected);
}

} // namespace
