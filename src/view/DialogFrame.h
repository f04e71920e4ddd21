#pragma once

class QDialog;

enum class DialogBorder { Sizable, Fixed };

// Gives a dialog or message box the frame every dialog of the program has:
// a title bar with only the close box, no minimise or maximise. The Control
// and Tools windows stay on top of the program's other windows, so a modal
// dialog would open underneath them with its buttons out of reach; the
// dialog is therefore put above them for as long as it is shown. Call it
// before the dialog is shown (it sets the window flags, which hides a shown
// window).
void SetDialogFrame(QDialog& dialog, DialogBorder border = DialogBorder::Sizable);
