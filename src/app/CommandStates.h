#pragma once

#include <array>
#include <cstddef>

struct ViewState;

// The main window's commands besides the File commands, in the order of
// their table: each is one action of the main window.
enum class Command {
    ColorBlackScheme, ColorWhiteScheme, BWScheme, ColorGradient,
    ShowToolsWindow, TranTable,
    HorNScale, HorFScale, HorTScale,
    ShowLine, ShowDataPoints,
    ShowSelected, ShowDimmed, ShowAll,
    TranCursMove, TranCursHand,
    HorZoomIn, HorZoomOut, HorFitScreen, VertZoomIn, VertZoomOut, VertyFitScreen, FitScreen,
    SmithZoomIn, SmithZoomOut, SmithReset, SmithGrid,
    UndoScale, ShowLabels, ShowRef,
    ImageCopy, SaveAsBmp, SaveAsJpg, SaveAsPng,
    HelpAbout1, EditPreferences,
};
constexpr std::size_t kCommandCount = static_cast<std::size_t>(Command::EditPreferences) + 1;

constexpr std::size_t Index(Command command) { return static_cast<std::size_t>(command); }

// What a command shows: enabled or not, and its tick (or its tool button
// pressed); a command whose tick is kept leaves it as it is.
enum class Tick { Off, On, Keep };
struct CommandState {
    bool enabled = false;
    Tick tick = Tick::Off;
};
using CommandStateTable = std::array<CommandState, kCommandCount>;

// What the enabling reads, besides the active document window (null when no
// document window is open).
struct CommandContext {
    const ViewState* view = nullptr;
    int openViews = 0;
    int scheme = 0;
    bool gradient = false;
    bool toolsVisible = false;
    bool showReference = false;
    bool referenceLoaded = false; // reference traces loaded and one chosen
};

// The state of every command: the chart commands from the active window's
// chart kind (none on "Data"; the horizontal and vertical zooms and fits
// only on rectangular charts, the Smith commands, labels and gradient only
// on the Smith chart), the schemes, Tools, About and Settings always. A
// measurement run has no say: the commands that open a modal window (About,
// Settings and the image commands, which open a save dialog or a notice)
// pause a run, but the port is read on a thread of its own, so a sweep keeps
// every point and the time it came at.
CommandStateTable CommandStates(const CommandContext& context);

// The tag of a command that shares its handler with others: the scheme,
// the horizontal quantity, the trace mode, the mouse tool or the image mode;
// -1 for the rest.
int CommandTag(Command command);
