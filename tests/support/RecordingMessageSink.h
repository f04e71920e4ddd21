#pragma once

#include "model/MessageBoxes.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

// Stands in for the message boxes while a test runs: records every beep and
// box, and answers questions from a queue (No, or Cancel where offered, when
// it is empty).
class RecordingMessageSink final : public CMessageSink {
public:
    struct Box {
        MessageKind kind;
        std::string caption;
        std::string text;
    };
    struct Log {
        std::vector<Box> boxes;
        int beeps = 0;
        int beepsBeforeLastBox = 0;
        std::deque<MessageAnswer> answers;
    };

    explicit RecordingMessageSink(std::shared_ptr<Log> log) : log_(std::move(log)) {}

    void Beep(int frequencyHz, int durationMs) override
    {
        if (frequencyHz == 2200 && durationMs == 50) ++log_->beeps;
    }

    MessageAnswer Show(MessageKind kind, const std::string& caption, const std::string& text) override
    {
        log_->boxes.push_back({kind, caption, text});
        log_->beepsBeforeLastBox = log_->beeps;
        if (log_->answers.empty()) return kind == MessageKind::SaveQuestion ? MessageAnswer::Cancel : MessageAnswer::No;
        const MessageAnswer answer = log_->answers.front();
        log_->answers.pop_front();
        return answer;
    }

private:
    std::shared_ptr<Log> log_;
};

// Installs a recorder for the lifetime of the object and restores the
// previous sink afterwards.
class ScopedMessageRecorder {
public:
    ScopedMessageRecorder()
        : log_(std::make_shared<RecordingMessageSink::Log>()),
          previous_(InstallMessageSink(std::make_unique<RecordingMessageSink>(log_)))
    {
    }
    ~ScopedMessageRecorder() { InstallMessageSink(std::move(previous_)); }
    ScopedMessageRecorder(const ScopedMessageRecorder&) = delete;
    ScopedMessageRecorder& operator=(const ScopedMessageRecorder&) = delete;

    RecordingMessageSink::Log& log() { return *log_; }
    // For a sink that records into the same log in place of this one.
    std::shared_ptr<RecordingMessageSink::Log> sharedLog() const { return log_; }
    const std::vector<RecordingMessageSink::Box>& boxes() const { return log_->boxes; }
    void Answer(bool yes) { log_->answers.push_back(yes ? MessageAnswer::Yes : MessageAnswer::No); }
    void Answer(MessageAnswer answer) { log_->answers.push_back(answer); }

private:
    std::shared_ptr<RecordingMessageSink::Log> log_;
    std::unique_ptr<CMessageSink> previous_;
};
