#pragma once

#include "model/Settings.h"

#include <array>
#include <string>
#include <vector>

class CTraces;

// The preferences dialog without its widgets: what the controls of each tab
// hold. Drop-down lists of numbers hold the selected position (-1 none),
// free-text boxes their text, read back with TextToInt (0 when the text is
// not a number, which ValidateSettings then repairs where 0 is out of range).

// The colour list shows the kinds with the background first.
constexpr std::array<ColorKind, kColorKindCount> kColorListKinds = {
    kColorBackground, kColorGrid,   kColorText,        kColorCursor,       kColorSmithCursor,
    kColorSelection,  kColorTrace1, kColorTrace2,      kColorPhase,        kColorDimmed,
    kColorLabel,      kColorVswrCircles, kColorTrajectories, kColorReference};

// A font button with its size box: the working copy the font dialog edits,
// and the size box's text, which wins over the copy's size when stored.
struct FontControls {
    FontRecord font;
    std::string sizeText;
};

struct GeneralPage {
    int startupIndex = 0;    // StartupRadioGroup: 0 "Default", 1 "Settings list"
    std::string currentFile; // StartupDefaultEdit, shown only
};

struct ConnectionPage {
    std::string portText;    // ComPortComboBox
    std::string baudText;    // BaudComboBox
    std::string timeOutText; // TimeOutEdit, ms
    bool autoSave = false;
    bool createBackup = false;
};

struct GraphsPage {
    std::array<TColor, kColorKindCount> colors{}; // TranColorsListBox, in kColorListKinds order
    FontControls font;                            // TranFontDialog, TranFontSizeComboBox
    int lineWidthIndex = 0;                       // "1" ... "8"
    int pointSizeIndex = 0;                       // "3" ... "10"
    std::string vertSizeText;
    std::string horSizeText;
    int refWidthIndex = 0; // "1" ... "8"
    int scheme = 0;        // the pressed scheme button; shown only
};

struct TablePage {
    FontControls font;
    int digitsIndex = 0; // "3" ... "12"
};

struct LabelPage {
    FontControls font;
    int digitsIndex = 0; // "3" ... "12"
    std::string sizeText;
    std::string vswrText;
};

struct StatusPage {
    int digitsIndex = 0; // "3" ... "10"
    int smithIndex = 0;  // "R/X", "Z mag/phase", "Gamma re/im", "Gamma mag/phase", "VSWR"
};

struct CorrectionPage {
    std::string fileName;
    std::string shortName;
    std::string openName;
    bool alarmOff = true;
};

struct ReferencePage {
    std::string fileName;
    std::vector<std::string> traceNames; // one row per reference trace
    int selectedRow = -1;
    bool alarmOff = true;
};

struct PreferenceControls {
    GeneralPage general;
    ConnectionPage connection;
    GraphsPage graphs;
    TablePage table;
    LabelPage label;
    StatusPage status;
    CorrectionPage correction;
    ReferencePage reference;
};

// What is shown besides the settings record.
struct StartupChoice {
    bool fromList = false;   // StartupFromList
    std::string currentFile; // CurrentSettingsFile
};

// The items of the drop-down lists of numbers: the first value and how many
// follow in steps of one.
struct NumberItems {
    int first;
    int count;
};
constexpr NumberItems kLineWidthItems{1, 8};
constexpr NumberItems kPointSizeItems{3, 8};
constexpr NumberItems kDataDigitsItems{3, 10};
constexpr NumberItems kStatusDigitsItems{3, 8};

// The position of a value among the items, -1 when it is not one of them.
int ItemIndex(int value, NumberItems items);

// The controls for the settings in force. When there are reference traces
// and the reference index names none of them, the index becomes 0 (-1
// without a trace) and the first row is selected.
PreferenceControls ControlsFromSettings(ProgramSettings& settings, const StartupChoice& startup,
                                        const CTraces* referenceTraces);

// Every setting from its control, then ValidateSettings. The colours go to
// the scheme in use; the current settings file is not changed.
void StoreControls(const PreferenceControls& controls, ProgramSettings& settings, StartupChoice& startup);
