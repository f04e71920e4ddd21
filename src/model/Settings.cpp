#include "model/Settings.h"

#include "model/XMLNode.h"

#include <algorithm>

namespace {

struct ColorKindInfo {
    const char* key;
    const char* name;
    TColor defaults[kSchemeCount];
};

constexpr ColorKindInfo kColorKinds[kColorKindCount] = {
    {"Font", "Text", {RGBColor(192, 192, 192), RGBColor(0, 0, 0), RGBColor(0, 0, 0)}},
    {"Bck", "Background", {RGBColor(0, 0, 0), RGBColor(255, 255, 255), RGBColor(255, 255, 255)}},
    {"Grid", "Grid", {RGBColor(128, 128, 128), RGBColor(0, 0, 0), RGBColor(0, 0, 0)}},
    {"Curs", "Cursor", {RGBColor(255, 255, 255), RGBColor(0, 0, 255), RGBColor(0, 0, 0)}},
    {"SmithCurs", "Smith cursor", {RGBColor(255, 255, 255), RGBColor(0, 0, 255), RGBColor(0, 0, 0)}},
    {"Sel", "Selection", {RGBColor(255, 0, 0), RGBColor(128, 128, 128), RGBColor(0, 0, 0)}},
    {"Trace1", "Trace 1 (R, re, V, mag, P, VSWR, Smith)", {RGBColor(0, 255, 255), RGBColor(0, 0, 255), RGBColor(0, 0, 0)}},
    {"Trace2", "Trace 2 (X, im, I)", {RGBColor(0, 255, 0), RGBColor(0, 128, 0), RGBColor(0, 0, 0)}},
    {"Phase", "Phase", {RGBColor(0, 255, 0), RGBColor(0, 128, 0), RGBColor(0, 0, 0)}},
    {"Dimmed1", "Dimmed", {RGBColor(128, 128, 128), RGBColor(192, 192, 192), RGBColor(0, 0, 0)}},
    {"Label", "Label", {RGBColor(0, 255, 255), RGBColor(0, 0, 255), RGBColor(0, 0, 0)}},
    {"VSWR", "VSWR circles", {RGBColor(255, 255, 255), RGBColor(0, 0, 0), RGBColor(0, 0, 0)}},
    {"Match", "Trajectories", {RGBColor(0, 255, 0), RGBColor(0, 128, 0), RGBColor(0, 0, 0)}},
    {"Ref", "Reference", {RGBColor(0, 255, 0), RGBColor(0, 255, 0), RGBColor(0, 0, 0)}},
};

// The order in which a scheme's colours stand in the file (the preferences'
// order); the reference colour follows them.
constexpr ColorKind kSchemeFileOrder[] = {
    kColorBackground, kColorGrid,   kColorText,    kColorCursor, kColorSmithCursor,
    kColorSelection,  kColorTrace1, kColorTrace2,  kColorPhase,  kColorDimmed,
    kColorLabel,      kColorVswrCircles, kColorTrajectories,
};

void SetDefaultColorTable(ProgramSettings& settings)
{
    for (int kind = 0; kind < kColorKindCount; ++kind) {
        for (int scheme = 0; scheme < kSchemeCount; ++scheme) settings.ColorTable[kind][scheme] = kColorKinds[kind].defaults[scheme];
    }
}

// Flags stored as the integers 1 and 0; any non-zero value reads as true.
bool ExchangeFlag(CXMLNode* node, const std::string& key, bool value)
{
    return node->ExchangeInt(key, value ? 1 : 0) != 0;
}

// A value outside [low, high] is replaced.
int Repaired(int value, int low, int high, int replacement)
{
    return value < low || value > high ? replacement : value;
}

// Characters that would end the attribute or the tag they are written in.
std::string WithoutMarkup(const std::string& text)
{
    std::string result = text;
    std::erase_if(result, [](char c) { return c == '"' || c == '<' || c == '>'; });
    return result;
}

void ExchangeColors(CXMLNode* colors, ProgramSettings& settings)
{
    settings.CurrentScheme = colors->ExchangeInt("Scheme", settings.CurrentScheme);
    settings.CustomColors = colors->ExchangeEncoded("Custom", settings.CustomColors);
    settings.UseGradient = ExchangeFlag(colors, "Gradient", settings.UseGradient);
    for (int scheme = 0; scheme < kSchemeCount; ++scheme) {
        CXMLNode* child = colors->Child("Scheme" + std::to_string(scheme + 1));
        TColor& reference = settings.ColorTable[kColorReference][scheme];
        if (child) {
            for (const ColorKind kind : kSchemeFileOrder) {
                settings.ColorTable[kind][scheme] = child->ExchangeColor(kColorKinds[kind].key, settings.ColorTable[kind][scheme]);
            }
        }
        // Each scheme keeps its reference colour on its own element. Files
        // that have it only on "Colors" give every scheme the first value
        // there, as they always did.
        if (colors->IsWriting()) {
            child->SetAttributeColor("Ref", reference);
            colors->SetAttributeColor("Ref", reference);
        } else if (child && !child->GetAttribute("Ref", "").empty()) {
            reference = child->GetAttributeColor("Ref", reference);
        } else {
            reference = colors->GetAttributeColor("Ref", reference);
        }
    }
}

} // namespace

ProgramSettings Settings;

std::string ProgramFolder;

ProgramSettings::ProgramSettings() { SetDefaultColorTable(*this); }

TColor ProgramSettings::SchemeColor(ColorKind kind) const
{
    const int scheme = CurrentScheme >= 0 && CurrentScheme < kSchemeCount ? CurrentScheme : 0;
    return ColorTable[kind][scheme];
}

const char* ColorKey(ColorKind kind) { return kColorKinds[kind].key; }

const char* ColorName(ColorKind kind) { return kColorKinds[kind].name; }

void SetDefaults(ProgramSettings& settings)
{
    settings.VertSize = 150;
    settings.HorSize = 100;
    settings.LineWidth = 1;
    settings.PointSize = 6;
    settings.RefWidth = 3;
    settings.GraphFont = FontRecord{};
    settings.TableFont = FontRecord{};
    settings.TableDataDigits = 6;
    settings.CurrentScheme = kSchemeBlack;
    settings.UseGradient = false;
    settings.LabelFont = FontRecord{};
    settings.LabelDataDigits = 6;
    settings.LabelSize = 12;
    settings.LabelVswrList = "1.22, 2.0, 3.0, 4.0";
    settings.StatusDigits = 6;
    settings.StatusSmithReadout = 0;
    SetDefaultColorTable(settings);
    settings.TableFont.Color = settings.SchemeColor(kColorText);
    settings.LabelFont.Color = settings.SchemeColor(kColorLabel);
}

void ValidateSettings(ProgramSettings& settings)
{
    if (settings.VertSize < 20) settings.VertSize = 20;
    if (settings.VertSize > 10000) settings.VertSize = 150;
    if (settings.HorSize < 25) settings.HorSize = 25;
    if (settings.HorSize > 10000) settings.HorSize = 100;
    settings.LineWidth = Repaired(settings.LineWidth, 1, 30, 1);
    settings.PointSize = Repaired(settings.PointSize, 1, 30, 6);
    // The reference traces' width too, within the range the preferences
    // offer: a damaged file could otherwise ask for a pen of any size.
    settings.RefWidth = Repaired(settings.RefWidth, 1, 30, 3);
    settings.GraphFont.Size = Repaired(settings.GraphFont.Size, 1, 100, 10);
    settings.TableFont.Size = Repaired(settings.TableFont.Size, 1, 200, 10);
    settings.TableDataDigits = Repaired(settings.TableDataDigits, 0, 12, 6);
    settings.LabelFont.Size = Repaired(settings.LabelFont.Size, 1, 200, 10);
    settings.LabelDataDigits = Repaired(settings.LabelDataDigits, 0, 12, 6);
    settings.LabelSize = Repaired(settings.LabelSize, 1, 100, 12);
    settings.StatusDigits = Repaired(settings.StatusDigits, 0, 10, 6);
    settings.StatusSmithReadout = Repaired(settings.StatusSmithReadout, 0, 4, 0);
    settings.CurrentScheme = Repaired(settings.CurrentScheme, 0, kSchemeCount - 1, kSchemeBlack);
}

bool ExchangeFont(CXMLNode* node, FontRecord& font)
{
    if (!node) return false;
    if (node->IsWriting()) {
        node->SetAttribute("Name", WithoutMarkup(font.Name));
        node->SetAttributeInt("Size", font.Size);
        node->SetAttributeBool("Bold", font.Bold);
        node->SetAttributeBool("Italic", font.Italic);
        return true;
    }
    font.Name = node->GetAttribute("Name", font.Name);
    font.Size = node->GetAttributeInt("Size", font.Size);
    font.Bold = node->GetAttributeBool("Bold", false);
    font.Italic = node->GetAttributeBool("Italic", false);
    return true;
}

bool ExchangeSettings(CXMLNode* root, ProgramSettings& settings)
{
    if (CXMLNode* node = root->Child("Comunication")) {
        settings.ComPort = node->ExchangeEncoded("ComPort", settings.ComPort);
        settings.BaudRate = node->ExchangeInt("BaudRate", settings.BaudRate);
        settings.TimeOut = node->ExchangeInt("TimeOut", settings.TimeOut);
        settings.AutoSave = ExchangeFlag(node, "AutoSave", settings.AutoSave);
        settings.CreateBackup = ExchangeFlag(node, "CreateBackup", settings.CreateBackup);
    }
    if (CXMLNode* node = root->Child("Correction")) {
        settings.CorrectionFileName = node->ExchangeEncoded("name", settings.CorrectionFileName);
        settings.ShortTraceName = node->ExchangeEncoded("short", settings.ShortTraceName);
        settings.OpenTraceName = node->ExchangeEncoded("open", settings.OpenTraceName);
        settings.CorrectionAlarmOff = node->ExchangeBool("alarm", settings.CorrectionAlarmOff);
    }
    if (CXMLNode* node = root->Child("Reference")) {
        settings.ReferenceFileName = node->ExchangeEncoded("name", settings.ReferenceFileName);
        settings.ReferenceTraceIndex = node->ExchangeInt("trace", settings.ReferenceTraceIndex);
        settings.ShowReference = node->ExchangeBool("show", settings.ShowReference);
        settings.ReferenceAlarmOff = node->ExchangeBool("alarm", settings.ReferenceAlarmOff);
    }
    if (CXMLNode* node = root->Child("ParseTraces")) {
        settings.ParseType = node->ExchangeInt("type", settings.ParseType);
        settings.ParseThreshold = node->ExchangeDouble("thr", settings.ParseThreshold);
        settings.ParseStopTime = node->ExchangeDouble("time", settings.ParseStopTime);
        settings.ParseKeepOriginal = node->ExchangeBool("keep", settings.ParseKeepOriginal);
    }
    if (CXMLNode* node = root->Child("Graph")) {
        settings.VertSize = node->ExchangeInt("VertSize", settings.VertSize);
        settings.HorSize = node->ExchangeInt("HorSize", settings.HorSize);
        settings.LineWidth = node->ExchangeInt("LineWidth", settings.LineWidth);
        settings.PointSize = node->ExchangeInt("PointSize", settings.PointSize);
        settings.RefWidth = node->ExchangeInt("RefWidth", settings.RefWidth);
        ExchangeFont(node->Child("Font"), settings.GraphFont);
    }
    if (CXMLNode* node = root->Child("Colors")) ExchangeColors(node, settings);
    if (CXMLNode* node = root->Child("Table")) {
        ExchangeFont(node->Child("Font"), settings.TableFont);
        settings.TableDataDigits = node->ExchangeInt("DataDigits", settings.TableDataDigits);
    }
    if (CXMLNode* node = root->Child("Label")) {
        ExchangeFont(node->Child("Font"), settings.LabelFont);
        settings.LabelDataDigits = node->ExchangeInt("DataDigits", settings.LabelDataDigits);
        settings.LabelSize = node->ExchangeInt("Size", settings.LabelSize);
        settings.LabelVswrList = node->ExchangeEncoded("VSWR", settings.LabelVswrList);
    }
    if (CXMLNode* node = root->Child("Status")) {
        settings.StatusDigits = node->ExchangeInt("Digits", settings.StatusDigits);
        settings.StatusSmithReadout = node->ExchangeInt("Smith", settings.StatusSmithReadout);
    }
    if (!root->IsWriting()) ValidateSettings(settings);
    return true;
}
