#include "model/MessageBoxes.h"

#include <cstdio>

namespace {

constexpr int kAlarmFrequencyHz = 2200;
constexpr int kAlarmDurationMs = 50;

class ConsoleMessageSink final : public CMessageSink {
public:
    void Beep(int, int) override {}

    MessageAnswer Show(MessageKind kind, const std::string& caption, const std::string& text) override
    {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        return kind == MessageKind::SaveQuestion ? MessageAnswer::Cancel : MessageAnswer::No;
    }
};

std::unique_ptr<CMessageSink>& CurrentSink()
{
    static std::unique_ptr<CMessageSink> sink = std::make_unique<ConsoleMessageSink>();
    return sink;
}

MessageAnswer ShowBox(MessageKind kind, const std::string& caption, const std::string& text)
{
    AlarmBeep();
    return CurrentSink()->Show(kind, caption, text);
}

} // namespace

std::unique_ptr<CMessageSink> InstallMessageSink(std::unique_ptr<CMessageSink> sink)
{
    if (!sink) sink = std::make_unique<ConsoleMessageSink>();
    CurrentSink().swap(sink);
    return sink;
}

void AlarmBeep() { CurrentSink()->Beep(kAlarmFrequencyHz, kAlarmDurationMs); }

bool AskYesNo(const std::string& caption, const std::string& text)
{
    return ShowBox(MessageKind::Question, caption, text) == MessageAnswer::Yes;
}

void ShowWarning(const std::string& caption, const std::string& text) { ShowBox(MessageKind::Warning, caption, text); }

void ShowInfo(const std::string& caption, const std::string& text) { ShowBox(MessageKind::Info, caption, text); }

MessageAnswer AskYesNoCancel(const std::string& caption, const std::string& text)
{
    return CurrentSink()->Show(MessageKind::SaveQuestion, caption, text);
}
