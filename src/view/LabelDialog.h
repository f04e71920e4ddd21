#pragma once

class QWidget;
struct LabelEdit;

// The modal "Edit label" dialog over the parent, loaded with the edit's
// format and text. True on OK, with the edit holding the ticked format bits,
// the text (its line breaks as LF) and whether "Apply to all labels" was
// ticked; false on Cancel, with the edit unchanged.
bool EditLabelDialog(QWidget* parent, LabelEdit& edit);
