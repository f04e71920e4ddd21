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

void SetDefaultColorTable()
{
    for (int kind = 0; kind < kColorKindCount; ++kind) {
        for (int scheme = 0; scheme < kSchemeCount; ++scheme) ColorTable[kind][scheme] = kColorKinds[kind].defaults[scheme];
    }
}

struct DefaultColorTable {
    DefaultColorTable() { SetDefaultColorTable(); }
};

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

void ExchangeColors(CXMLNode* colors)
{
    CurrentScheme = colors->ExchangeInt("Scheme", CurrentScheme);
    CustomColors = colors->ExchangeEncoded("Custom", CustomColors);
    UseGradient = ExchangeFlag(colors, "Gradient", UseGradient);
    for (int scheme = 0; scheme < kSchemeCount; ++scheme) {
        CXMLNode* child = colors->Child("Scheme" + std::to_string(scheme + 1));
        TColor& reference = ColorTable[kColorReference][scheme];
        if (child) {
            for (const ColorKind kind : kSchemeFileOrder) {
                ColorTable[kind][scheme] = child->ExchangeColor(kColorKinds[kind].key, ColorTable[kind][scheme]);
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

std::string ComPort = "COM1";
int BaudRate = 9600;
int TimeOut = 3000;
bool AutoSave = false;
bool CreateBackup = false;

std::string CorrectionFileName = "correction.csv";
std::string ShortTraceName = "short";
std::string OpenTraceName = "open";
bool CorrectionAlarmOff = true;

std::string ReferenceFileName = "reference.csv";
int ReferenceTraceIndex = -1;
bool ShowReference = true;
bool ReferenceAlarmOff = true;

int ParseType = 0;
double ParseThreshold = 0;
double ParseStopTime = 0;
bool ParseKeepOriginal = true;

int VertSize = 150;
int HorSize = 100;
int LineWidth = 1;
int PointSize = 6;
int RefWidth = 3;
FontRecord GraphFont;

int CurrentScheme = kSchemeBlack;
std::string CustomColors;
bool UseGradient = false;
TColor ColorTable[kColorKindCount][kSchemeCount];
static const DefaultColorTable initialColorTable;

FontRecord TableFont;
int TableDataDigits = 6;

FontRecord LabelFont;
int LabelDataDigits = 6;
int LabelSize = 12;
std::string LabelVswrList = "1.22, 2.0, 3.0, 4.0";

int StatusDigits = 6;
int StatusSmithReadout = 0;

std::string ProgramFolder;

TColor SchemeColor(ColorKind kind)
{
    const int scheme = CurrentScheme >= 0 && CurrentScheme < kSchemeCount ? CurrentScheme : 0;
    return ColorTable[kind][scheme];
}

const char* ColorKey(ColorKind kind) { return kColorKinds[kind].key; }

const char* ColorName(ColorKind kind) { return kColorKinds[kind].name; }

void SetDefaults()
{
    VertSize = 150;
    HorSize = 100;
    LineWidth = 1;
    PointSize = 6;
    RefWidth = 3;
    GraphFont = FontRecord{};
    TableFont = FontRecord{};
    TableDataDigits = 6;
    CurrentScheme = kSchemeBlack;
    UseGradient = false;
    LabelFont = FontRecord{};
    LabelDataDigits = 6;
    LabelSize = 12;
    LabelVswrList = "1.22, 2.0, 3.0, 4.0";
    StatusDigits = 6;
    StatusSmithReadout = 0;
    SetDefaultColorTable();
    TableFont.Color = SchemeColor(kColorText);
    LabelFont.Color = SchemeColor(kColorLabel);
}

void ValidateSettings()
{
    if (VertSize < 20) VertSize = 20;
    if (VertSize > 10000) VertSize = 150;
    if (HorSize < 25) HorSize = 25;
    if (HorSize > 10000) HorSize = 100;
    LineWidth = Repaired(LineWidth, 1, 30, 1);
    PointSize = Repaired(PointSize, 1, 30, 6);
    RefWidth = Repaired(RefWidth, 1, 30, 3);
    GraphFont.Size = Repaired(GraphFont.Size, 1, 100, 10);
    TableFont.Size = Repaired(TableFont.Size, 1, 200, 10);
    TableDataDigits = Repaired(TableDataDigits, 0, 12, 6);
    LabelFont.Size = Repaired(LabelFont.Size, 1, 200, 10);
    LabelDataDigits = Repaired(LabelDataDigits, 0, 12, 6);
    LabelSize = Repaired(LabelSize, 1, 100, 12);
    StatusDigits = Repaired(StatusDigits, 0, 10, 6);
    StatusSmithReadout = Repaired(StatusSmithReadout, 0, 4, 0);
    CurrentScheme = Repaired(CurrentScheme, 0, kSchemeCount - 1, kSchemeBlack);
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

bool ExchangeSettings(CXMLNode* root)
{
    if (CXMLNode* node = root->Child("Comunication")) {
        ComPort = node->ExchangeEncoded("ComPort", ComPort);
        BaudRate = node->ExchangeInt("BaudRate", BaudRate);
        TimeOut = node->ExchangeInt("TimeOut", TimeOut);
        AutoSave = ExchangeFlag(node, "AutoSave", AutoSave);
        CreateBackup = ExchangeFlag(node, "CreateBackup", CreateBackup);
    }
    if (CXMLNode* node = root->Child("Correction")) {
        CorrectionFileName = node->ExchangeEncoded("name", CorrectionFileName);
        ShortTraceName = node->ExchangeEncoded("short", ShortTraceName);
        OpenTraceName = node->ExchangeEncoded("open", OpenTraceName);
        CorrectionAlarmOff = node->ExchangeBool("alarm", CorrectionAlarmOff);
    }
    if (CXMLNode* node = root->Child("Reference")) {
        ReferenceFileName = node->ExchangeEncoded("name", ReferenceFileName);
        ReferenceTraceIndex = node->ExchangeInt("trace", ReferenceTraceIndex);
        ShowReference = node->ExchangeBool("show", ShowReference);
        ReferenceAlarmOff = node->ExchangeBool("alarm", ReferenceAlarmOff);
    }
    if (CXMLNode* node = root->Child("ParseTraces")) {
        ParseType = node->ExchangeInt("type", ParseType);
        ParseThreshold = node->ExchangeDouble("thr", ParseThreshold);
        ParseStopTime = node->ExchangeDouble("time", ParseStopTime);
        ParseKeepOriginal = node->ExchangeBool("keep", ParseKeepOriginal);
    }
    if (CXMLNode* node = root->Child("Graph")) {
        VertSize = node->ExchangeInt("VertSize", VertSize);
        HorSize = node->ExchangeInt("HorSize", HorSize);
        LineWidth = node->ExchangeInt("LineWidth", LineWidth);
        PointSize = node->ExchangeInt("PointSize", PointSize);
        RefWidth = node->ExchangeInt("RefWidth", RefWidth);
        ExchangeFont(node->Child("Font"), GraphFont);
    }
    if (CXMLNode* node = root->Child("Colors")) ExchangeColors(node);
    if (CXMLNode* node = root->Child("Table")) {
        ExchangeFont(node->Child("Font"), TableFont);
        TableDataDigits = node->ExchangeInt("DataDigits", TableDataDigits);
    }
    if (CXMLNode* node = root->Child("Label")) {
        ExchangeFont(node->Child("Font"), LabelFont);
        LabelDataDigits = node->ExchangeInt("DataDigits", LabelDataDigits);
        LabelSize = node->ExchangeInt("Size", LabelSize);
        LabelVswrList = node->ExchangeEncoded("VSWR", LabelVswrList);
    }
    if (CXMLNode* node = root->Child("Status")) {
        StatusDigits = node->ExchangeInt("Digits", StatusDigits);
        StatusSmithReadout = node->ExchangeInt("Smith", StatusSmithReadout);
    }
    if (!root->IsWriting()) ValidateSettings();
    return true;
}
