// Varnet data files: time records of V, I and phase at several frequencies.
// The user picks one frequency (and a time window); every record becomes a
// trace of the points in that window.

#include "model/Exception.h"
#include "model/MessageBoxes.h"
#include "model/NumberText.h"
#include "view/document/CommaText.h"
#include "view/document/Imports.h"
#include "view/document/RecordFields.h"
#include "view/document/RecordName.h"

#include <cstdint>

namespace {

constexpr char kCaption[] = "Import Varnet";

struct Channel {
    std::int64_t Index = 0;  // column group within a row
    double FrequencyMHz = 0;
};

struct Selection {
    Channel Chosen;
    double Start = 0; // s
    double End = kNoValue;
};

int FindLine(const std::vector<std::string_view>& lines, int from, std::string_view prefix)
{
    for (int i = from; i < static_cast<int>(lines.size()); ++i) {
        if (LineStartsWith(lines[static_cast<size_t>(i)], prefix)) return i;
    }
    return -1;
}

int CountAt(const std::vector<std::string_view>& lines, int line)
{
    return line < 0 ? 0 : FieldInt(FieldsAfterEquals(lines[static_cast<size_t>(line)]), 0).value_or(0);
}

std::array<std::string, 3> RowTexts(std::int64_t F, std::int64_t h)
{
    if (h == 0) return {"Frequency", "", ""};
    if (F == 0) return {"ADC", "", ""};
    if (F == 1) return {"DAC", "", ""};
    return {std::to_string(F), std::to_string(h), std::to_string(F * h)};
}

// One dialog row per ";Freq" line that reads as numbers, each remembering the
// column group of its line. `line` moves past the list.
std::vector<Channel> ReadChannels(const std::vector<std::string_view>& lines, int& line, int freqs,
                                  FrequencyQuestion& question)
{
    std::vector<Channel> channels;
    for (int index = 0; index < freqs && line < static_cast<int>(lines.size()) &&
                        LineStartsWith(lines[static_cast<size_t>(line)], ";Freq");
         ++index, ++line) {
        const auto fields = FieldsAfterEquals(lines[static_cast<size_t>(line)]);
        const auto F = FieldInt(fields, 1);
        const auto h = FieldInt(fields, 2);
        if (!F || !h) continue;
        question.Rows.push_back(RowTexts(*F, *h));
        channels.push_back({index, static_cast<double>(*F) * *h * 0.001});
    }
    return channels;
}

// Times that do not read as numbers give the whole record.
void ReadTimeWindow(const FrequencyAnswer& answer, Selection& selection)
{
    try {
        selection.Start = ParseValue(answer.Start);
        selection.End = ParseValue(answer.End);
    } catch (const Exception&) {
        selection.Start = 0;
        selection.End = kNoValue;
    }
}

void AppendRow(CTrace& trace, const std::vector<std::string>& row, std::int64_t channels, const Selection& selection)
{
    const std::int64_t k = selection.Chosen.Index;
    const auto t = FieldDouble(row, 0);
    const auto V = FieldDouble(row, static_cast<size_t>(k + 1));
    const auto I = FieldDouble(row, static_cast<size_t>(channels + k + 1));
    const auto phase = FieldDouble(row, static_cast<size_t>(2 * channels + k + 1));
    if (!t || !V || !I || !phase) return;
    const double seconds = *t * 0.001;
    if (seconds < selection.Start || seconds > selection.End) return;
    double R = 0;
    double X = 0;
    ImpedanceFromVip(*V, *I, *phase, R, X);
    trace.Data.Append(selection.Chosen.FrequencyMHz, R, X, seconds, *V, *I, *phase);
}

// Reads the data set whose ";Data" line is at `line` and moves past its rows.
std::unique_ptr<CTrace> ReadDataSet(const std::vector<std::string_view>& lines, int& line, int position,
                                    const Selection& selection)
{
    const auto header = FieldsAfterEquals(lines[static_cast<size_t>(line++)]);
    const int rows = FieldInt(header, 1).value_or(0);
    const int channels = FieldInt(header, 2).value_or(0);
    const bool usable = FieldInt(header, 1) && channels > 0 && selection.Chosen.Index < channels;
    auto trace = std::make_unique<CTrace>();
    trace->Name = RecordName(header, 3, position);
    for (int read = 0; line < static_cast<int>(lines.size()) && (rows <= 0 || read < rows); ++line, ++read) {
        const std::string_view row = lines[static_cast<size_t>(line)];
        if (row.empty() || row.front() == ';') break;
        if (usable) AppendRow(*trace, SplitCommaText(row), channels, selection);
    }
    return trace;
}

void ReadDataSets(const std::vector<std::string_view>& lines, int line, const Selection& selection,
                  ImportedTraces& result)
{
    for (int position = 1; line < static_cast<int>(lines.size()) && LineStartsWith(lines[static_cast<size_t>(line)], ";Data");
         ++position) {
        auto trace = ReadDataSet(lines, line, position, selection);
        if (trace->Data.Count() == 0) continue;
        trace->Selected = trace->Time = trace->Vip = true;
        result.HasVipTraces = true;
        result.Traces.push_back(std::move(trace));
    }
}

// The dialog's rows from the ";Freqs", ";DataSets" and ";Freq" lines; none
// (after a warning) when the file lists no frequency or no data set. `line`
// ends after the ";Freq" lines.
std::vector<Channel> ReadHead(const std::vector<std::string_view>& lines, int& line, FrequencyQuestion& question)
{
    const int freqsLine = FindLine(lines, 1, ";Freqs");
    const int freqs = CountAt(lines, freqsLine);
    if (freqs <= 0) {
        ShowWarning(kCaption, "No frequencies");
        return {};
    }
    const int setsLine = FindLine(lines, freqsLine + 1, ";DataSets");
    if (CountAt(lines, setsLine) <= 0) {
        ShowWarning(kCaption, "No data sets");
        return {};
    }
    line = setsLine + 1;
    std::vector<Channel> channels = ReadChannels(lines, line, freqs, question);
    if (channels.empty()) ShowWarning(kCaption, "No frequencies");
    return channels;
}

} // namespace

ImportedTraces ImportVarnet(const std::vector<std::string_view>& lines, const FrequencyChooser& chooser)
{
    ImportedTraces result;
    FrequencyQuestion question{kCaption, true, {}};
    int line = 0;
    const std::vector<Channel> channels = ReadHead(lines, line, question);
    if (channels.empty()) return result;
    const auto answer = ChooseFrequency(question, chooser);
    if (!answer) return result;
    Selection selection;
    selection.Chosen = channels[static_cast<size_t>(answer->Row)];
    ReadTimeWindow(*answer, selection);
    result.HarmonicFrequency = selection.Chosen.FrequencyMHz;
    result.TimeRecord = true;
    ReadDataSets(lines, line, selection, result);
    return result;
}
