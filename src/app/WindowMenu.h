#pragma once

class CCommandHost;
class CommandActions;
class QMdiArea;
class QMenu;
class QMenuBar;

// The Window menu: "Tile Horizontally" (full-width rows), "Tile Vertically"
// (full-height columns) and "Cascade", which arrange the document windows
// that are not minimised inside the frame's area, a separator, the Tools
// command, and below a second separator the open document windows, the
// active one ticked, each activated by its item.
QMenu* BuildWindowMenu(QMenuBar& bar, const CommandActions& actions, CCommandHost& host);

enum class Arrangement { Rows, Columns, Cascade };
// Arranges the document windows of the area that are not minimised, in the
// order they were created; the cascade takes the active window last, so that
// it stands in front at the end of the staircase and every title bar shows.
// They are arranged over the whole area, scrolled back to its start, so
// that no scroll bar stays unless a window cannot be made small enough. The
// active window stays active and keeps the keys.
void ArrangeWindows(QMdiArea& area, Arrangement arrangement);
