#pragma once

#include "RecordingMessageSink.h"

#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <string>

// A modal window runs an event loop of its own until it is answered: this
// does the same for `duration`, and never less: a timer of two seconds or
// more is coarse by default and may fire up to 5% early.
inline void RunEventLoopFor(std::chrono::milliseconds duration)
{
    QEventLoop loop;
    QTimer::singleShot(duration, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// Message boxes that stay up for a while before they are answered, as a
// user takes time to read them; recorded and answered as the recorder does.
// `answered` runs once a box has gone, before its caller goes on.
class HeldMessageSink final : public CMessageSink {
public:
    HeldMessageSink(std::shared_ptr<RecordingMessageSink::Log> log, std::chrono::milliseconds hold,
                    std::function<void()> answered = [] {})
        : recorder_(std::move(log)), hold_(hold), answered_(std::move(answered))
    {
    }

    void Beep(int frequencyHz, int durationMs) override { recorder_.Beep(frequencyHz, durationMs); }
    MessageAnswer Show(MessageKind kind, const std::string& caption, const std::string& text) override
    {
        RunEventLoopFor(hold_);
        const MessageAnswer answer = recorder_.Show(kind, caption, text);
        answered_();
        return answer;
    }

private:
    RecordingMessageSink recorder_;
    std::chrono::milliseconds hold_;
    std::function<void()> answered_;
};
