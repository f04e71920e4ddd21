#pragma once

#include "model/YesNoCancel.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

// Stands in for the Yes/No/Cancel box while a test runs: records every
// question and answers from a queue (Cancel when it is empty).
class RecordingYesNoCancelSink final : public CYesNoCancelSink {
public:
    struct Question {
        std::string caption;
        std::string text;
    };
    struct Log {
        std::vector<Question> questions;
        std::deque<YesNoCancelAnswer> answers;
    };

    explicit RecordingYesNoCancelSink(std::shared_ptr<Log> log) : log_(std::move(log)) {}

    YesNoCancelAnswer Ask(const std::string& caption, const std::string& text) override
    {
        log_->questions.push_back({caption, text});
        if (log_->answers.empty()) return YesNoCancelAnswer::Cancel;
        const YesNoCancelAnswer answer = log_->answers.front();
        log_->answers.pop_front();
        return answer;
    }

private:
    std::shared_ptr<Log> log_;
};

// Installs a recorder for the lifetime of the object and restores the
// previous sink afterwards.
class ScopedYesNoCancelRecorder {
public:
    ScopedYesNoCancelRecorder()
        : log_(std::make_shared<RecordingYesNoCancelSink::Log>()),
          previous_(InstallYesNoCancelSink(std::make_unique<RecordingYesNoCancelSink>(log_)))
    {
    }
    ~ScopedYesNoCancelRecorder() { InstallYesNoCancelSink(std::move(previous_)); }
    ScopedYesNoCancelRecorder(const ScopedYesNoCancelRecorder&) = delete;
    ScopedYesNoCancelRecorder& operator=(const ScopedYesNoCancelRecorder&) = delete;

    const std::vector<RecordingYesNoCancelSink::Question>& questions() const { return log_->questions; }
    void Answer(YesNoCancelAnswer answer) { log_->answers.push_back(answer); }

private:
    std::shared_ptr<RecordingYesNoCancelSink::Log> log_;
    std::unique_ptr<CYesNoCancelSink> previous_;
};
