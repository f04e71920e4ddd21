// Bird export files: one time record with groups of frequency, V, I and phase
// columns per measured frequency. The user picks one group; it becomes one
// trace.

#include "model/DecimalDigits.h"
#include "model/MessageBoxes.h"
#include "model/TraceNumber.h"
#include "view/document/CommaText.h"
#include "view/document/Imports.h"
#include "view/document/RecordFields.h"

#include <cstdint>

namespace {

constexpr char kCaption[] = "Import Bird";
constexpr size_t kLeadingColumns = 4;
constexpr size_t kGroupColumns = 6;

// A group's head "<f>MHz_Freq_h_<h>": the fundamental in MHz and the
// harmonic number.
bool ReadGroupHead(const std::string& head, double& f, int& h)
{
    const char* const end = head.data() + head.size();
    const char* p = ReadScanfDouble(head.data(), end, f);
    constexpr std::string_view kMiddle = "MHz_Freq_h_";
    if (!p || std::string_view(p, static_cast<size_t>(end - p)).substr(0, kMiddle.size()) != kMiddle) return false;
    p += kMiddle.size();
    const auto harmonic = ReadScanfInteger(std::string_view(p, static_cast<size_t>(end - p)));
    if (!harmonic) return false;
    h = *harmonic;
    return true;
}

// One row per group, also for a head that does not read, so that row and
// group stay aligned; its frequency is then 0.
std::vector<double> ReadGroups(const std::vector<std::string>& heads, size_t groups, FrequencyQuestion& question)
{
    std::vector<double> frequencies;
    for (size_t g = 0; g < groups; ++g) {
        const std::string& head = heads[kLeadingColumns + kGroupColumns * g];
        double f = 0;
        int h = 0;
        if (!ReadGroupHead(head, f, h)) {
            question.Rows.push_back({head, "", ""});
            frequencies.push_back(0);
            continue;
        }
        question.Rows.push_back({GeneralNumber(f * 1000, 15), std::to_string(h), GeneralNumber(f * 1000 * h, 15)});
        frequencies.push_back(f * h);
    }
    return frequencies;
}

void AppendRow(CTrace& trace, const std::vector<std::string>& row, size_t group)
{
    const size_t first = kLeadingColumns + kGroupColumns * group + 1;
    const auto t = FieldDouble(row, 3);
    const auto f = FieldDouble(row, first);
    const auto V = FieldDouble(row, first + 1);
    const auto I = FieldDouble(row, first + 2);
    const auto phase = FieldDouble(row, first + 3);
    if (!t || !f || !V || !I || !phase) return;
    double R = 0;
    double X = 0;
    ImpedanceFromVip(*V, *I, *phase, R, X);
    trace.Data.Append(*f, R, X, *t * 0.001, *V, *I, *phase);
}

} // namespace

ImportedTraces ImportBird(const std::vector<std::string_view>& lines, const FrequencyChooser& chooser)
{
    ImportedTraces result;
    const std::vector<std::string> heads = lines.size() > 4 ? SplitCommaText(lines[3]) : std::vector<std::string>();
    const size_t groups = heads.size() > kLeadingColumns ? (heads.size() - kLeadingColumns) / kGroupColumns : 0;
    if (groups == 0) {
        ShowWarning(kCaption, "No data");
        return result;
    }
    FrequencyQuestion question{kCaption, false, {}};
    const std::vector<double> frequencies = ReadGroups(heads, groups, question);
    const auto answer = ChooseFrequency(question, chooser);
    if (!answer) return result;
    const size_t group = static_cast<size_t>(answer->Row);
    result.HarmonicFrequency = frequencies[group];
    result.TimeRecord = true;
    auto trace = std::make_unique<CTrace>();
    trace->Name = "trace";
    for (size_t line = 4; line < lines.size() && !lines[line].empty(); ++line) {
        AppendRow(*trace, SplitCommaText(lines[line]), group);
    }
    if (trace->Data.Count() == 0) return result;
    trace->Selected = trace->Time = trace->Vip = true;
    result.HasVipTraces = true;
    result.Traces.push_back(std::move(trace));
    return result;
}
