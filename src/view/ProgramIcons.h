#pragma once

#include <QIcon>

#include <string_view>

// The program's own pictures, drawn as SVG and compiled into the program: a
// 24-pixel grid, mid-tone colours with outlines, so that every icon reads on
// light and dark desktops alike.

// The program's icon, for the main window, the document windows and the
// About box.
QIcon ProgramIcon();

// The icon named `name` (the file name in resources/icons without ".svg");
// a null icon for a name that has none. Besides the main tool bar's, there
// are "trace-copy", "trace-paste", "trace-rename", "trace-color",
// "trace-remove", "trace-delete" and "trace-parse" for the Traces tab's tool
// bar, "data-edit" beside the Data tab's "Edit data" box, and
// "replay-reset", "replay-run" and "replay-stop" for the tools window's
// replay.
QIcon CommandIcon(std::string_view name);
