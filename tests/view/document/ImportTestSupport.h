#pragma once

#include "model/TextLines.h"
#include "view/document/Imports.h"

#include <deque>
#include <string>
#include <vector>

// Answers the frequency dialog from a queue (Cancel when it is empty) and
// keeps every question asked.
struct ScriptedFrequencyDialog {
    std::deque<FrequencyAnswer> answers;
    std::vector<FrequencyQuestion> questions;

    FrequencyChooser Chooser()
    {
        return [this](const FrequencyQuestion& question) {
            questions.push_back(question);
            if (answers.empty()) return FrequencyAnswer{};
            FrequencyAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        };
    }
    void Choose(int row, std::string start = "0", std::string end = "1e+99")
    {
        answers.push_back({true, row, std::move(start), std::move(end)});
    }
};

// The text of lines, each ended by CR LF.
inline std::string Lines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}
