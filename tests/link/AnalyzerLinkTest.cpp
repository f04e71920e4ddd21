#include "ScriptedSerialPort.h"
#include "link/AnalyzerLink.h"
#include "RecordingMessageSink.h"

#include <gtest/gtest.h>

namespace {

class AnalyzerLinkTest : public ::testing::Test {
protected:
    std::shared_ptr<CScriptedSerialPort::Script> script = std::make_shared<CScriptedSerialPort::Script>();
    CAnalyzerLink link{std::make_unique<CScriptedSerialPort>(script)};
    ScopedMessageRecorder messages;

    // Opens with `identification` waiting as the answer to "V" and forgets
    // what the opening wrote.
    std::optional<CPortSession> OpenAnswering(const std::string& identification)
    {
        script->Feed(identification);
        std::optional<CPortSession> session = link.OpenPort(SerialSettings{});
        script->written.clear();
        return session;
    }
};

TEST_F(AnalyzerLinkTest, FailedIdentificationLeavesThePortOpenAndTheModelOther)
{
    script->Feed("QV7102\n");
    link.OpenPort(SerialSettings{});
    ASSERT_EQ(link.ConnectedModel(), DeviceModel::QV7102);

    script->Feed("");
    std::optional<CPortSession> silent = link.OpenPort(SerialSettings{});
    EXPECT_TRUE(silent);
    EXPECT_TRUE(link.IsOpen());
    EXPECT_EQ(link.ConnectedModel(), DeviceModel::Other);
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].caption, "Read");
    EXPECT_EQ(messages.boxes()[0].text, "Time-out");
    EXPECT_EQ(messages.log().beepsBeforeLastBox, 1);
    EXPECT_EQ(script->written, "VV");
}

TEST_F(AnalyzerLinkTest, PortThatCannotBeOpenedWarnsOnceAndStaysClosed)
{
    script->Feed("QV7101\n");
    link.OpenPort(SerialSettings{});
    script->openFails = true;
    script->errorText = "No such file or directory";

    EXPECT_FALSE(link.OpenPort(SerialSettings{}));
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(link.ConnectedModel(), DeviceModel::Other);
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].caption, "Connect");
    EXPECT_EQ(messages.boxes()[0].text, "Communication error:\nNo such file or directory");
}

TEST_F(AnalyzerLinkTest, SecondOpenIsRefusedAndLeavesTheFirstSessionAlone)
{
    std::optional<CPortSession> run = OpenAnswering("QV7100\n");
    ASSERT_TRUE(run);

    script->Feed("QV7102\n");
    std::optional<CPortSession> test = link.OpenPort(SerialSettings{});
    EXPECT_FALSE(test);
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].caption, "Connect");
    EXPECT_EQ(messages.boxes()[0].text, "Communication error:\nDevice or resource busy");
    EXPECT_EQ(link.ConnectedModel(), DeviceModel::QV7100);
    EXPECT_EQ(script->opens, 1);
    // The refused caller holds nothing, so going away closes nothing.
    test.reset();
    EXPECT_TRUE(link.IsOpen());

    std::string line;
    EXPECT_TRUE(run->WritePort("F10.000000\r"));
    EXPECT_TRUE(run->ReadLine(line, 256));
    EXPECT_EQ(line, "QV7102");
    EXPECT_EQ(script->written, "F10.000000\r");

    run.reset();
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(script->closes, 1);
    EXPECT_TRUE(OpenAnswering("QV7101\n"));
}

TEST_F(AnalyzerLinkTest, MovedSessionClosesThePortOnce)
{
    std::optional<CPortSession> first = OpenAnswering("QV7101\n");
    ASSERT_TRUE(first);
    {
        CPortSession moved(std::move(*first));
        first.reset();
        EXPECT_TRUE(link.IsOpen());
    }
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(script->closes, 1);
}

TEST_F(AnalyzerLinkTest, LinesEndAtTheFirstCarriageReturnOrLineFeed)
{
    std::optional<CPortSession> session = OpenAnswering("QV7101\n");
    script->Feed("ABC\r\nDEF\r");
    std::string line = "old";
    EXPECT_TRUE(session->ReadLine(line, 256));
    EXPECT_EQ(line, "ABC");
    EXPECT_TRUE(session->ReadLine(line, 256));
    EXPECT_EQ(line, "");
    EXPECT_TRUE(session->ReadLine(line, 256));
    EXPECT_EQ(line, "DEF");
    EXPECT_TRUE(messages.boxes().empty());
}

TEST_F(AnalyzerLinkTest, LongLineLosesItsExcessSoTheNextLineStaysWhole)
{
    std::optional<CPortSession> session = OpenAnswering("QV7101\n");
    script->Feed(std::string(300, '7') + "\nnext\n");
    std::string line;
    EXPECT_TRUE(session->ReadLine(line, 256));
    EXPECT_EQ(line, std::string(255, '7'));
    EXPECT_TRUE(session->ReadLine(line, 8));
    EXPECT_EQ(line, "next");
    EXPECT_TRUE(messages.boxes().empty());
}

TEST_F(AnalyzerLinkTest, StreamWithoutLineEndGivesUpAfter64KiB)
{
    std::optional<CPortSession> session = OpenAnswering("QV7101\n");
    script->Feed(std::string(70000, 'x') + "\nnext\n");
    std::string line;
    EXPECT_FALSE(session->ReadLine(line, 256));
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].caption, "Read");
    EXPECT_EQ(messages.boxes()[0].text, "Time-out");
    EXPECT_EQ(script->Unread(), 70000u - 64 * 1024 + 6);
}

TEST_F(AnalyzerLinkTest, FailuresShowTheSystemText)
{
    std::optional<CPortSession> session = OpenAnswering("QV7101\n");
    script->whenEmpty = ReadStatus::Failed;
    script->writeFails = true;
    std::string line;
    EXPECT_FALSE(session->ReadLine(line, 256));
    EXPECT_FALSE(session->WritePort("V"));
    ASSERT_EQ(messages.boxes().size(), 2u);
    EXPECT_EQ(messages.boxes()[0].caption, "Read");
    EXPECT_EQ(messages.boxes()[0].text, "Communication error:\nInput/output error");
    EXPECT_EQ(messages.boxes()[1].caption, "Write");
    EXPECT_EQ(messages.boxes()[1].text, "Communication error:\nInput/output error");
    EXPECT_TRUE(link.IsOpen());
}

} // namespace
