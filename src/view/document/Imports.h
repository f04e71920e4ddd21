#pragma once

#include "model/Trace.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What an import adds to a document window: new traces (already selected)
// and, for the time records of Varnet and Bird files, the one frequency
// chosen and whether the traces carry V, I and phase.
struct ImportedTraces {
    std::vector<std::unique_ptr<CTrace>> Traces;
    std::optional<double> HarmonicFrequency; // MHz, set once a frequency was chosen
    bool HasVipTraces = false;
    // A frequency was chosen: the control window shows its Traces tab. The
    // time record imports tell their own problems only before asking, so
    // one that then reads no point has not said why.
    bool TimeRecord = false;
};

// The frequency dialog as an import sees it. The import fills the question;
// whoever shows the dialog answers it. The times are the texts of the start
// and end edits (seconds), asked for Varnet files only.
struct FrequencyQuestion {
    std::string Caption;                          // "Import Varnet" or "Import Bird"
    bool AskTimes = false;
    std::vector<std::array<std::string, 3>> Rows; // F, h and F * h columns (or a word in the first)
};

struct FrequencyAnswer {
    bool Ok = false;
    int Row = -1; // the selected row, -1 for none
    std::string Start = "0";
    std::string End = "1e+99";
};

using FrequencyChooser = std::function<FrequencyAnswer(const FrequencyQuestion&)>;

// Asks until a row is chosen: OK without a valid row warns "Select
// frequency" under the caption and asks again. Nothing when cancelled.
std::optional<FrequencyAnswer> ChooseFrequency(const FrequencyQuestion& question, const FrequencyChooser& chooser);

// The imports, each reading a file's lines (SplitTextLines). Problems are
// told through the message boxes; the result then holds what was read so far
// (usually nothing).
ImportedTraces ImportCsv(const std::vector<std::string_view>& lines);
ImportedTraces ImportVarnet(const std::vector<std::string_view>& lines, const FrequencyChooser& chooser);
ImportedTraces ImportBird(const std::vector<std::string_view>& lines, const FrequencyChooser& chooser);
