#pragma once

#include <initializer_list>

class CommandActions;
class QAction;
class QToolBar;

// The main tool bar, left to right, a separator at each bar: the File
// commands given | Settings, the image button, the three schemes, gradient |
// Tools | table, sample number, frequency, time | line, points | selected
// only, dimmed, all | selection tool, scrolling tool | horizontal zoom in,
// out, fit, vertical zoom in, out, fit, fit both, Smith zoom in, out, reset,
// grid, labels, reference | undo.
void FillMainToolBar(QToolBar& bar, std::initializer_list<QAction*> fileCommands, const CommandActions& actions);
