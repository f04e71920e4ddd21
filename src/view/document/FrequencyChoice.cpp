#include "model/MessageBoxes.h"
#include "view/document/Imports.h"

std::optional<FrequencyAnswer> ChooseFrequency(const FrequencyQuestion& question, const FrequencyChooser& chooser)
{
    for (;;) {
        const FrequencyAnswer answer = chooser(question);
        if (!answer.Ok) return std::nullopt;
        if (answer.Row >= 0 && answer.Row < static_cast<int>(question.Rows.size())) return answer;
        ShowWarning(question.Caption, "Select frequency");
    }
}
