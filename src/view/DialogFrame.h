#pragma once

class QDialog;

enum class DialogBorder {
    Sizable,             // title bar with the close box; the user may resize the dialog
    Fixed,               // the same, at the size the dialog has when it is shown
    FixedWithoutCloseBox // fixed, and the title bar has no box at all
};

// Gives a dialog or message box the frame every dialog of the program has:
// a title bar without minimise or maximise, and above the program's other
// windows while it is shown. Call it once the dialog's layout is built and
// before it is shown (it sets the window flags, which hides a shown window).
//
// Window managers take the missing boxes from the hints Qt derives from the
// flags; some keep a minimise box on every dialog whatever the hints say,
// but a dialog whose smallest and largest sizes agree (Fixed) loses its
// maximise box on all of them.
void SetDialogFrame(QDialog& dialog, DialogBorder border = DialogBorder::Sizable);

// The Control and Tools windows stay on top of the other windows. A modal
// dialog above them is not enough: a click on one of them would raise it
// over the dialog, which then hides behind a window that takes no input.
// Installs, once, an application-wide watch that takes the stay-on-top state
// from every tool window that has it while a modal window is shown, and
// gives it back when the last modal window goes. Called at start-up.
void LetToolWindowsStepBackForModalWindows();
