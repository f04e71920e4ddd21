// CSV text: blocks of "#" header lines, each followed by lines of f and two
// values whose meaning the headers (or a "# Frequency" first line) give.

#include "model/TraceNumber.h"
#include "view/document/Imports.h"
#include "view/document/RecordFields.h"

namespace {

struct CsvReading {
    int Kind = kTextRX;
    double Z0 = 50;
};

void ReadHeaderLine(std::string_view line, CsvReading& reading, CTrace& trace)
{
    if (LineStartsWith(line, "#&")) {
        double z0 = 0;
        if (ReadScanfDouble(line.data() + 2, line.data() + line.size(), z0)) reading.Z0 = z0;
    } else if (LineStartsWith(line, "#%")) {
        trace.Name = std::string(line.substr(2));
    } else if (LineStartsWith(line, "#^Impedance")) {
        reading.Kind = kTextRX;
    } else if (LineStartsWith(line, "#^Reflection")) {
        reading.Kind = kTextGamma;
    }
}

} // namespace

ImportedTraces ImportCsv(const std::vector<std::string_view>& lines)
{
    ImportedTraces result;
    CsvReading reading;
    const int count = static_cast<int>(lines.size());
    int line = 0;
    if (count > 0 && LineStartsWith(lines[0], "# Frequency")) {
        reading.Kind = kTextMagAngle;
        line = 1;
    }
    while (line < count) {
        const int passStart = line;
        auto trace = std::make_unique<CTrace>();
        trace->Name = "data";
        for (; line < count && LineStartsWith(lines[static_cast<size_t>(line)], "#"); ++line) {
            ReadHeaderLine(lines[static_cast<size_t>(line)], reading, *trace);
        }
        // A block without points ends at the next block's first header line,
        // which must still be read as a header.
        line = trace->Data.FromCsvLines(lines, reading.Kind, line, reading.Z0, false, false);
        if (line <= passStart) line = passStart + 1;
        if (trace->Data.Count() == 0) continue;
        trace->Selected = true;
        result.Traces.push_back(std::move(trace));
    }
    return result;
}
