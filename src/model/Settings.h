#pragma once

#include "model/Color.h"

#include <string>

class CXMLNode;

// A font as the settings keep it; the windows turn it into a real font.
struct FontRecord {
    std::string Name = "Tahoma";
    int Size = 10;
    bool Bold = false;
    bool Italic = false;
    TColor Color = 0;
};

// The colour kinds of the colour table, in the order they are stored.
enum ColorKind {
    kColorText,
    kColorBackground,
    kColorGrid,
    kColorCursor,
    kColorSmithCursor,
    kColorSelection,
    kColorTrace1,
    kColorTrace2,
    kColorPhase,
    kColorDimmed,
    kColorLabel,
    kColorVswrCircles,
    kColorTrajectories,
    kColorReference,
    kColorKindCount
};
enum ColorScheme { kSchemeBlack = 0, kSchemeWhite = 1, kSchemeBlackAndWhite = 2, kSchemeCount = 3 };

// The program-wide values the user sets in the preferences and the settings
// file keeps, in the groups of that file. The program reads and writes the
// one instance `Settings`; tests make their own.
struct ProgramSettings {
    // "Comunication"
    std::string ComPort = "COM1";
    int BaudRate = 9600;
    int TimeOut = 3000; // ms
    bool AutoSave = false;
    bool CreateBackup = false;

    // "Correction"
    std::string CorrectionFileName = "correction.csv"; // relative to ProgramFolder
    std::string ShortTraceName = "short";
    std::string OpenTraceName = "open";
    bool CorrectionAlarmOff = true;

    // "Reference"
    std::string ReferenceFileName = "reference.csv"; // relative to ProgramFolder
    int ReferenceTraceIndex = -1;
    bool ShowReference = true;
    bool ReferenceAlarmOff = true;

    // "ParseTraces"
    int ParseType = 0; // 0 power, 1 voltage
    double ParseThreshold = 0;
    double ParseStopTime = 0; // s
    bool ParseKeepOriginal = true;

    // "Graph"
    int VertSize = 150; // pixels between vertical grid lines
    int HorSize = 100;  // pixels between horizontal grid lines
    int LineWidth = 1;
    int PointSize = 6;
    int RefWidth = 3;
    FontRecord GraphFont;

    // "Colors"
    int CurrentScheme = kSchemeBlack;
    std::string CustomColors;
    bool UseGradient = false;
    TColor ColorTable[kColorKindCount][kSchemeCount];

    // "Table"
    FontRecord TableFont;
    int TableDataDigits = 6;

    // "Label"
    FontRecord LabelFont;
    int LabelDataDigits = 6;
    int LabelSize = 12;
    std::string LabelVswrList = "1.22, 2.0, 3.0, 4.0";

    // "Status"
    int StatusDigits = 6;
    int StatusSmithReadout = 0; // 0 R,X  1 |Z|,phase  2 Gamma re,im  3 |Gamma|,phase  4 VSWR

    ProgramSettings();

    // The colour of a kind in the scheme in use.
    TColor SchemeColor(ColorKind kind) const;
};

// The settings the program runs with.
extern ProgramSettings Settings;

// The colour of a kind in the scheme in use by the program.
inline TColor SchemeColor(ColorKind kind) { return Settings.SchemeColor(kind); }
// The XML key and the name the preferences show, of each kind.
const char* ColorKey(ColorKind kind);
const char* ColorName(ColorKind kind);

// The folder of the program, ending in a separator; the correction file is
// looked up there. Set at start.
extern std::string ProgramFolder;

// Factory defaults of the groups Graph, Colors, Table, Label and Status.
void SetDefaults(ProgramSettings& settings);
// Repairs values out of their valid range, as after loading a file.
void ValidateSettings(ProgramSettings& settings);
// Two-way exchange of the nine groups with the settings root; validates after
// a read.
bool ExchangeSettings(CXMLNode* root, ProgramSettings& settings);
// Two-way exchange of a font as "Name", "Size", "Bold", "Italic"; false for a
// null node.
bool ExchangeFont(CXMLNode* node, FontRecord& font);
