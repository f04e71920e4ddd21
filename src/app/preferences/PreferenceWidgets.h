#pragma once

#include "app/preferences/FontDialog.h"
#include "app/preferences/PreferencePages.h"

#include <QGroupBox>
#include <QStringList>

#include <functional>
#include <optional>

class QButtonGroup;
class QComboBox;
class QFormLayout;
class QPushButton;

// Controls the preference tabs share.

// A drop-down list of the numbers first, first + step, ... (count items).
QComboBox* NumberComboBox(int first, int count, int step, bool freeText, QWidget* parent);
QComboBox* NumberComboBox(NumberItems items, QWidget* parent);
// A box of the texts given in which any other text may be typed.
QComboBox* FreeTextComboBox(const QStringList& items, QWidget* parent);

// The text of a box's edit, or of its selected item when it has no edit.
std::string ComboText(const QComboBox& box);
void SetComboText(QComboBox& box, const std::string& text);

// A framed group of radio buttons of which one (or none: -1) is chosen.
class RadioGroup final : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent);
    int ItemIndex() const;
    void SetItemIndex(int index);

signals:
    void Clicked();

private:
    QButtonGroup* buttons_;
};

// A font button ("  Font  ") with its size box. The button edits a working
// copy in the font dialog: OK keeps the chosen font in the copy for the
// preferences' Apply or OK; the dialog's own Apply puts it in the copy and
// asks for everything pending to be applied at once (Applied), and a Cancel
// afterwards leaves the copy as applied. Either way the size box shows the
// font's size, and a later change of the size box sets the copy's size. A
// font this system lacks is shown as the substitute Qt picks, and OK keeps
// the substitute.
class FontChoice final : public QObject {
    Q_OBJECT

public:
    // Adds the button and the size box to the page's layout.
    FontChoice(QFormLayout& layout, QWidget* page);

    void Show(const FontControls& controls);
    FontControls Read() const;

    QPushButton* FontBtn;
    QComboBox* SizeComboBox;
    // The font dialog: the chosen font, none when cancelled; it calls the
    // apply function at each Apply. The program's font dialog by default.
    std::function<std::optional<FontRecord>(const FontRecord&, const FontApply&)> RunFontDialog;

signals:
    void Changed();
    // The font dialog's Apply: the working copy holds its font.
    void Applied();

private:
    void FontBtnClick();
    void TakeFont(const FontRecord& font);
    void SizeComboBoxChange();

    FontRecord font_;
};
