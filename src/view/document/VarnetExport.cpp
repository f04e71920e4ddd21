#include "view/document/VarnetExport.h"

#include "model/Trace.h"
#include "view/document/RecordFields.h"

namespace {

constexpr const char* kHeader[] = {
    ";Tolvi",          ";FileVer=0",       ";Varnet Version 1.05 07/11/2005", ";Document=0,2022,1,1,0,0,0",
    ";Comment",        ";EndOfComment",    ";ProbeSN=0.0.0.0.0.0",            ";Timer=500",
    ";Average=10",     ";Run=1",           ";Operator=Unknown",               ";Tool=Unknown",
    ";Recipe=Unknown", ";Batch=Unknown",   ";Freqs=2",
};

std::string Number(double value) { return GeneralNumber(value, 6); }

void AppendLine(std::string& text, const std::string& line)
{
    text += line;
    text += "\r\n";
}

void AppendPoints(std::string& text, const CData& data)
{
    AppendLine(text, ";Data=0," + std::to_string(data.Count()) + ",2,2022,1,1,0,0,0");
    for (int i = 0; i < data.Count(); ++i) {
        const PointRecord& p = *data.GetRecord(i);
        AppendLine(text, std::to_string(RoundedToInt(p.t * 1000)) + ',' + Number(p.V) + ',' + Number(p.f * 1e6) + ',' +
                             Number(p.I) + ",0," + Number(p.phase) + ",0");
    }
}

} // namespace

std::string VarnetExportText(const CTraces& traces, double harmonicFrequency)
{
    std::string text;
    for (const char* line : kHeader) AppendLine(text, line);
    AppendLine(text, ";DataSets=" + std::to_string(traces.Count()) + ",0");
    const int kHz = harmonicFrequency > 0 ? RoundedToInt(harmonicFrequency * 1000) : 0;
    AppendLine(text, ";Freq=0," + std::to_string(kHz) + ",1");
    AppendLine(text, ";Freq=0," + std::to_string(kHz) + ",0");
    for (int i = 0; i < traces.Count(); ++i) AppendPoints(text, traces.Get(i)->Data);
    return text;
}

int TracesWithoutVip(const CTraces& traces)
{
    int count = 0;
    for (int i = 0; i < traces.Count(); ++i) count += traces.Get(i)->Vip ? 0 : 1;
    return count;
}
