#include "app/preferences/PreferenceTabs.h"
#include "app/preferences/PreferenceWidgets.h"
#include "view/ColorItems.h"

#include <QComboBox>
#include <QPushButton>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QToolButton>

namespace {

const QStringList kGridIntervals = {"50", "75", "100", "125", "150", "200", "250", "300", "350", "400"};

QToolButton* SchemeButton(const char* name, const char* caption, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setCheckable(true);
    return button;
}

} // namespace

GraphsTab::GraphsTab(QWidget* parent)
    : QWidget(parent), TranColorsListBox(new QListWidget(this)), TranFont(nullptr),
      TranLineWidthComboBox(NumberComboBox(kLineWidthItems, this)),
      TranPointSizeComboBox(NumberComboBox(kPointSizeItems, this)),
      TranVertSizeComboBox(FreeTextComboBox(kGridIntervals, this)),
      TranHorSizeComboBox(FreeTextComboBox(kGridIntervals, this)), RefLineWidthComboBox(NumberComboBox(kLineWidthItems, this)),
      ColorBlackBtn(SchemeButton("ColorBlackBtn", "Black", this)), ColorWhiteBtn(SchemeButton("ColorWhiteBtn", "White", this)),
      BWBtn(SchemeButton("BWBtn", "B/W", this))
{
    TranColorsListBox->setObjectName("TranColorsListBox");
    TranColorsListBox->setItemDelegate(new ColorItemDelegate(TranColorsListBox));
    for (ColorKind kind : kColorListKinds) TranColorsListBox->addItem(ColorName(kind));
    auto* controls = new QFormLayout;
    TranFont = new FontChoice(*controls, this);
    TranFont->FontBtn->setObjectName("TranFontBtn");
    TranFont->SizeComboBox->setObjectName("TranFontSizeComboBox");
    controls->addRow("Line width", TranLineWidthComboBox);
    controls->addRow("Point size", TranPointSizeComboBox);
    controls->addRow("Vertical grid (pixels)", TranVertSizeComboBox);
    controls->addRow("Horizontal grid (pixels)", TranHorSizeComboBox);
    controls->addRow("Reference line width", RefLineWidthComboBox);
    auto* colors = new QVBoxLayout;
    colors->addWidget(BuildSchemeToolBar());
    colors->addWidget(TranColorsListBox);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(colors, 1);
    layout->addLayout(controls);

    connect(TranColorsListBox, &QListWidget::itemDoubleClicked, this, &GraphsTab::ColorsListBoxDblClick);
    connect(TranFont, &FontChoice::Changed, this, &GraphsTab::Changed);
    for (QComboBox* box : {TranLineWidthComboBox, TranPointSizeComboBox, RefLineWidthComboBox}) {
        connect(box, &QComboBox::activated, this, &GraphsTab::Changed);
    }
    for (QComboBox* box : {TranVertSizeComboBox, TranHorSizeComboBox}) {
        connect(box, &QComboBox::editTextChanged, this, &GraphsTab::Changed);
    }
}

QWidget* GraphsTab::BuildSchemeToolBar()
{
    auto* bar = new QWidget(this);
    bar->setObjectName("SchemeToolBar");
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    QToolButton* const buttons[] = {ColorBlackBtn, ColorWhiteBtn, BWBtn};
    for (int tag = 0; tag < kSchemeCount; ++tag) {
        layout->addWidget(buttons[tag]);
        connect(buttons[tag], &QToolButton::clicked, this, [this, tag] { emit SchemeClick(tag); });
    }
    layout->addStretch();
    return bar;
}

void GraphsTab::ColorsListBoxDblClick()
{
    if (ChooseItemColor(*TranColorsListBox)) emit Changed();
}

void GraphsTab::Show(const GraphsPage& page)
{
    for (int row = 0; row < TranColorsListBox->count(); ++row) {
        TranColorsListBox->item(row)->setData(kColorItemRole, page.colors[row]);
    }
    TranFont->Show(page.font);
    TranLineWidthComboBox->setCurrentIndex(page.lineWidthIndex);
    TranPointSizeComboBox->setCurrentIndex(page.pointSizeIndex);
    SetComboText(*TranVertSizeComboBox, page.vertSizeText);
    SetComboText(*TranHorSizeComboBox, page.horSizeText);
    RefLineWidthComboBox->setCurrentIndex(page.refWidthIndex);
    ShowScheme(page.scheme);
}

void GraphsTab::ShowScheme(int scheme)
{
    ColorBlackBtn->setChecked(scheme == kSchemeBlack);
    ColorWhiteBtn->setChecked(scheme == kSchemeWhite);
    BWBtn->setChecked(scheme == kSchemeBlackAndWhite);
}

GraphsPage GraphsTab::Read() const
{
    GraphsPage page;
    for (int row = 0; row < TranColorsListBox->count(); ++row) {
        page.colors[row] = TranColorsListBox->item(row)->data(kColorItemRole).toUInt();
    }
    page.font = TranFont->Read();
    page.lineWidthIndex = TranLineWidthComboBox->currentIndex();
    page.pointSizeIndex = TranPointSizeComboBox->currentIndex();
    page.vertSizeText = ComboText(*TranVertSizeComboBox);
    page.horSizeText = ComboText(*TranHorSizeComboBox);
    page.refWidthIndex = RefLineWidthComboBox->currentIndex();
    page.scheme = ColorBlackBtn->isChecked() ? kSchemeBlack : ColorWhiteBtn->isChecked() ? kSchemeWhite : kSchemeBlackAndWhite;
    return page;
}
