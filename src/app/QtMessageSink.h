#pragma once

#include "model/MessageBoxes.h"

#include <QMessageBox>
#include <memory>

// Shows the program's messages as modal Qt message boxes.
class QtMessageSink final : public CMessageSink {
public:
    void Beep(int frequencyHz, int durationMs) override;
    MessageAnswer Show(MessageKind kind, const std::string& caption, const std::string& text) override;
};

// The box Show puts up, built apart so its look can be checked without
// waiting for a person. The text is plain, never read as markup: file
// names and device answers are shown as they are.
std::unique_ptr<QMessageBox> BuildMessageBox(MessageKind kind, const std::string& caption, const std::string& text);
