#pragma once

#include "model/YesNoCancel.h"

#include <QMessageBox>
#include <memory>

// Shows the program's Yes/No/Cancel questions as modal Qt message boxes. The
// program installs it at start with InstallYesNoCancelSink.
class QtYesNoCancelSink final : public CYesNoCancelSink {
public:
    YesNoCancelAnswer Ask(const std::string& caption, const std::string& text) override;
};

// The box Ask puts up, built apart so its look can be checked without
// waiting for a person: plain text, a warning icon, Yes, No and Cancel.
std::unique_ptr<QMessageBox> BuildYesNoCancelBox(const std::string& caption, const std::string& text);
