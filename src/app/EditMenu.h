#pragma once

class CCommandHost;
class CommandActions;
class QMenu;
class QMenuBar;
class QToolButton;
class QWidget;

// The Edit menu: the submenu "Image" (copy to the clipboard, save as BMP,
// JPG or PNG), a separator and "Settings...". The image commands render the
// active window's chart (and its cursor table while shown) and export it;
// they do nothing without a chart. The save dialogs open over
// `dialogParent`.
QMenu* BuildEditMenu(QMenuBar& bar, const CommandActions& actions, CCommandHost& host, QWidget* dialogParent);

// The tool bar's image button: a click copies the chart to the clipboard,
// its menu ImagePopupMenu offers the clipboard and the three file formats.
QToolButton* MakeImageButton(QWidget* parent, const CommandActions& actions);
