#include "app/preferences/PreferenceWidgets.h"

#include "model/NumberText.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

} // namespace

QComboBox* NumberComboBox(int first, int count, int step, bool freeText, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setEditable(freeText);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (int i = 0; i < count; ++i) box->addItem(QString::number(first + i * step));
    return box;
}

QComboBox* NumberComboBox(NumberItems items, QWidget* parent)
{
    return NumberComboBox(items.first, items.count, 1, false, parent);
}

QComboBox* FreeTextComboBox(const QStringList& items, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    return box;
}

std::string ComboText(const QComboBox& box) { return box.currentText().toStdString(); }

void SetComboText(QComboBox& box, const std::string& text)
{
    const int index = box.findText(Text(text));
    box.setCurrentIndex(index);
    if (box.isEditable()) box.setEditText(Text(text));
}

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this))
{
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        buttons_->addButton(button, i);
        layout->addWidget(button);
    }
    connect(buttons_, &QButtonGroup::idClicked, this, &RadioGroup::Clicked);
}

int RadioGroup::ItemIndex() const { return buttons_->checkedId(); }

void RadioGroup::SetItemIndex(int index)
{
    // An exclusive group keeps one button on; none may be chosen only with
    // the exclusivity lifted for a moment.
    buttons_->setExclusive(false);
    for (QAbstractButton* button : buttons_->buttons()) button->setChecked(buttons_->id(button) == index);
    buttons_->setExclusive(true);
}

FontChoice::FontChoice(QFormLayout& layout, QWidget* page)
    : QObject(page), FontBtn(new QPushButton("  Font  ", page)), SizeComboBox(NumberComboBox(8, 9, 2, true, page)),
      RunFontDialog([page](const FontRecord& font, const FontApply& apply) {
          return ExecFontDialog(font, apply, page->window());
      })
{
    layout.addRow(FontBtn);
    layout.setAlignment(FontBtn, Qt::AlignLeft);
    layout.addRow("Size", SizeComboBox);
    connect(FontBtn, &QPushButton::clicked, this, &FontChoice::FontBtnClick);
    connect(SizeComboBox, &QComboBox::editTextChanged, this, &FontChoice::SizeComboBoxChange);
}

void FontChoice::Show(const FontControls& controls)
{
    font_ = controls.font;
    SetComboText(*SizeComboBox, controls.sizeText);
}

FontControls FontChoice::Read() const { return {font_, ComboText(*SizeComboBox)}; }

void FontChoice::FontBtnClick()
{
    const auto apply = [this](const FontRecord& font) {
        TakeFont(font);
        emit Applied();
    };
    if (const std::optional<FontRecord> chosen = RunFontDialog(font_, apply)) TakeFont(*chosen);
}

void FontChoice::TakeFont(const FontRecord& font)
{
    font_ = font;
    SetComboText(*SizeComboBox, std::to_string(font_.Size));
    emit Changed();
}

void FontChoice::SizeComboBoxChange()
{
    font_.Size = TextToInt(ComboText(*SizeComboBox));
    emit Changed();
}
