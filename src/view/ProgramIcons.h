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
// a null icon for a name that has none.
QIcon CommandIcon(std::string_view name);
