#pragma once

#include "model/Color.h"

#include <string>

class CXMLNode;

// The program-wide settings the user sets in the preferences and the
// settings file keeps. Each value is one global, read by every part of the
// program; the names are the settings' own.

// A font as the settings keep it; the windows turn it into a real font.
struct FontRecord {
    std::string Name = "Tahoma";
    int Size = 10;
    bool Bold = false;
    bool Italic = false;
    TColor Color = 0;
};

// "Comunication"
extern std::string ComPort;
extern int BaudRate;
extern int TimeOut; // ms
extern bool AutoSave;
extern bool CreateBackup;

// "Correction"
extern std::string CorrectionFileName; // relative to ProgramFolder
extern std::string ShortTraceName;
extern std::string OpenTraceName;
extern bool CorrectionAlarmOff;

// "Reference"
extern std::string ReferenceFileName; // used as written
extern int ReferenceTraceIndex;
extern bool ShowReference;
extern bool ReferenceAlarmOff;

// "ParseTraces"
extern int ParseType; // 0 power, 1 voltage
extern double ParseThreshold;
extern double ParseStopTime; // s
extern bool ParseKeepOriginal;

// "Graph"
extern int VertSize; // pixels between vertical grid lines
extern int HorSize;  // pixels between horizontal grid lines
extern int LineWidth;
extern int PointSize;
extern int RefWidth;
extern FontRecord GraphFont;

// "Colors"
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

extern int CurrentScheme;
extern std::string CustomColors;
extern bool UseGradient;
extern TColor ColorTable[kColorKindCount][kSchemeCount];

// The colour of a kind in the scheme in use.
TColor SchemeColor(ColorKind kind);
// The XML key and the name the preferences show, of each kind.
const char* ColorKey(ColorKind kind);
const char* ColorName(ColorKind kind);

// "Table"
extern FontRecord TableFont;
extern int TableDataDigits;

// "Label"
extern FontRecord LabelFont;
extern int LabelDataDigits;
extern int LabelSize;
extern std::string LabelVswrList;

// "Status"
extern int StatusDigits;
extern int StatusSmithReadout; // 0 R,X  1 |Z|,phase  2 Gamma re,im  3 |Gamma|,phase  4 VSWR

// The folder of the program, ending in a separator; the correction file is
// looked up there. Set at start.
extern std::string ProgramFolder;

// Factory defaults of the groups Graph, Colors, Table, Label and Status.
void SetDefaults();
// Repairs values out of their valid range, as after loading a file.
void ValidateSettings();
// Two-way exchange of the nine groups with the settings root; validates after
// a read.
bool ExchangeSettings(CXMLNode* root);
// Two-way exchange of a font as "Name", "Size", "Bold", "Italic"; false for a
// null node.
bool ExchangeFont(CXMLNode* node, FontRecord& font);
