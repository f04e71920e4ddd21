#pragma once

#include "model/Settings.h"

#include <QDialog>

#include <functional>
#include <optional>

class QFont;
class QFontDialog;
class QPushButton;

// Takes a font chosen in the dialog while the dialog stays open.
using FontApply = std::function<void(const FontRecord&)>;

// The font dialog of the preferences: Qt's font chooser (family, style and
// size) with OK, Cancel and Apply. Apply hands the chosen font on and the
// dialog stays open; Cancel after an Apply takes nothing back.
class FontDialog final : public QDialog {
    Q_OBJECT

public:
    FontDialog(const FontRecord& font, QWidget* parent);

    // The given font with the family, style and size chosen.
    FontRecord Font() const;

    QFontDialog* Chooser;
    QPushButton* OkBtn;
    QPushButton* CancelBtn;
    QPushButton* ApplyBtn;

signals:
    void Applied(const FontRecord& font);

private:
    QLayout* BuildButtons();

    FontRecord font_;
};

// Shows the dialog modally over parent; the chosen font on OK, none on
// Cancel. Each Apply calls apply with the font chosen at that moment.
std::optional<FontRecord> ExecFontDialog(const FontRecord& font, const FontApply& apply, QWidget* parent);

QFont ToQFont(const FontRecord& font);
// The record with the family, size, boldness and slant of chosen; a font
// sized in pixels keeps the record's size.
FontRecord WithQFont(FontRecord font, const QFont& chosen);
