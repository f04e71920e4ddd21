#include "app/preferences/PreferencePages.h"

#include "model/NumberText.h"
#include "model/Trace.h"

namespace {

FontControls ShowFont(const FontRecord& font) { return {font, std::to_string(font.Size)}; }

void StoreFont(const FontControls& controls, FontRecord& font)
{
    font = controls.font;
    font.Size = TextToInt(controls.sizeText);
}

int StoreIndex(int index, NumberItems items) { return index + items.first; }

ConnectionPage ShowConnection(const ProgramSettings& s)
{
    return {s.ComPort, std::to_string(s.BaudRate), std::to_string(s.TimeOut), s.AutoSave, s.CreateBackup};
}

void StoreConnection(const ConnectionPage& page, ProgramSettings& s)
{
    s.ComPort = page.portText;
    s.BaudRate = TextToInt(page.baudText);
    s.TimeOut = TextToInt(page.timeOutText);
    s.AutoSave = page.autoSave;
    s.CreateBackup = page.createBackup;
}

GraphsPage ShowGraphs(const ProgramSettings& s)
{
    GraphsPage page;
    for (size_t row = 0; row < kColorListKinds.size(); ++row) {
        page.colors[row] = s.ColorTable[kColorListKinds[row]][s.CurrentScheme];
    }
    page.font = ShowFont(s.GraphFont);
    page.lineWidthIndex = ItemIndex(s.LineWidth, kLineWidthItems);
    page.pointSizeIndex = ItemIndex(s.PointSize, kPointSizeItems);
    page.vertSizeText = std::to_string(s.VertSize);
    page.horSizeText = std::to_string(s.HorSize);
    page.refWidthIndex = ItemIndex(s.RefWidth, kLineWidthItems);
    page.scheme = s.CurrentScheme;
    return page;
}

void StoreGraphs(const GraphsPage& page, ProgramSettings& s)
{
    for (size_t row = 0; row < kColorListKinds.size(); ++row) {
        s.ColorTable[kColorListKinds[row]][s.CurrentScheme] = page.colors[row];
    }
    StoreFont(page.font, s.GraphFont);
    s.LineWidth = StoreIndex(page.lineWidthIndex, kLineWidthItems);
    s.PointSize = StoreIndex(page.pointSizeIndex, kPointSizeItems);
    s.VertSize = TextToInt(page.vertSizeText);
    s.HorSize = TextToInt(page.horSizeText);
    s.RefWidth = StoreIndex(page.refWidthIndex, kLineWidthItems);
}

LabelPage ShowLabel(const ProgramSettings& s)
{
    return {ShowFont(s.LabelFont), ItemIndex(s.LabelDataDigits, kDataDigitsItems), std::to_string(s.LabelSize),
            s.LabelVswrList};
}

void StoreLabel(const LabelPage& page, ProgramSettings& s)
{
    StoreFont(page.font, s.LabelFont);
    s.LabelDataDigits = StoreIndex(page.digitsIndex, kDataDigitsItems);
    s.LabelSize = TextToInt(page.sizeText);
    s.LabelVswrList = page.vswrText;
}

// A reference index that names no trace is replaced at once, so that the
// row shown selected is the trace drawn.
ReferencePage ShowReference(ProgramSettings& s, const CTraces* traces)
{
    ReferencePage page{s.ReferenceFileName, {}, -1, s.ReferenceAlarmOff};
    if (!traces) return page;
    for (int i = 0; i < traces->Count(); ++i) page.traceNames.push_back(traces->Get(i)->Name);
    if (s.ReferenceTraceIndex < 0 || s.ReferenceTraceIndex >= traces->Count()) {
        s.ReferenceTraceIndex = traces->Count() > 0 ? 0 : -1;
    }
    page.selectedRow = s.ReferenceTraceIndex;
    return page;
}

void StoreReference(const ReferencePage& page, ProgramSettings& s)
{
    s.ReferenceFileName = page.fileName;
    s.ReferenceTraceIndex = page.selectedRow;
    s.ReferenceAlarmOff = page.alarmOff;
}

} // namespace

int ItemIndex(int value, NumberItems items)
{
    const int index = value - items.first;
    return index >= 0 && index < items.count ? index : -1;
}

PreferenceControls ControlsFromSettings(ProgramSettings& s, const StartupChoice& startup, const CTraces* referenceTraces)
{
    PreferenceControls controls;
    controls.general = {startup.fromList ? 1 : 0, startup.currentFile};
    controls.connection = ShowConnection(s);
    controls.graphs = ShowGraphs(s);
    controls.table = {ShowFont(s.TableFont), ItemIndex(s.TableDataDigits, kDataDigitsItems)};
    controls.label = ShowLabel(s);
    controls.status = {ItemIndex(s.StatusDigits, kStatusDigitsItems), s.StatusSmithReadout};
    controls.correction = {s.CorrectionFileName, s.ShortTraceName, s.OpenTraceName, s.CorrectionAlarmOff};
    controls.reference = ShowReference(s, referenceTraces);
    return controls;
}

void StoreControls(const PreferenceControls& controls, ProgramSettings& s, StartupChoice& startup)
{
    startup.fromList = controls.general.startupIndex == 1;
    StoreConnection(controls.connection, s);
    StoreGraphs(controls.graphs, s);
    StoreFont(controls.table.font, s.TableFont);
    s.TableDataDigits = StoreIndex(controls.table.digitsIndex, kDataDigitsItems);
    StoreLabel(controls.label, s);
    s.StatusDigits = StoreIndex(controls.status.digitsIndex, kStatusDigitsItems);
    s.StatusSmithReadout = controls.status.smithIndex;
    s.CorrectionFileName = controls.correction.fileName;
    s.ShortTraceName = controls.correction.shortName;
    s.OpenTraceName = controls.correction.openName;
    s.CorrectionAlarmOff = controls.correction.alarmOff;
    StoreReference(controls.reference, s);
    ValidateSettings(s);
}
