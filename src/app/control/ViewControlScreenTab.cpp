// The Screen tab of the control window: the scales of the chart the active
// document window shows, typed and applied, with the main window's scale
// commands on its tool bar.

#include "app/MainForm.h"
#include "app/control/ViewControl.h"
#include "view/View.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Which chart kinds show a tool bar button.
enum ScreenToolKinds { kSmithTools = 1, kAxisTools = 2, kEveryChart = 3 };

struct ScreenToolEntry {
    const char* button;
    const char* action; // the main window's action the button carries
    int kinds;
};

constexpr ScreenToolEntry kScreenTools[] = {
    {"TranHorPlusBtn", "HorZoomIn", kAxisTools},        {"TranHorMinusBtn", "HorZoomOut", kAxisTools},
    {"TranHorScreenBtn", "HorFitScreen", kAxisTools},   {"TranVertPlusBtn", "VertZoomIn", kAxisTools},
    {"TranVertMinusBtn", "VertZoomOut", kAxisTools},    {"TranVertScreenBtn", "VertyFitScreen", kAxisTools},
    {"TranFitScreenBtn", "FitScreen", kEveryChart},     {"SmithPlusBtn", "SmithZoomIn", kSmithTools},
    {"SmithMinusBtn", "SmithZoomOut", kSmithTools},     {"SmithResetBtn", "SmithReset", kSmithTools},
    {"SmithGridBtn", "SmithGrid", kSmithTools},         {"SmithLabelsBtn", "ShowLabels", kSmithTools},
    {"UndoScaleBtn", "UndoScale", kEveryChart},
};

QLineEdit* AddEdit(QFormLayout* form, const char* name, const char* label)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    form->addRow(label, edit);
    return edit;
}

QGroupBox* AddBox(QVBoxLayout* layout, const char* name, const char* caption, QFormLayout*& form)
{
    auto* box = new QGroupBox(caption);
    box->setObjectName(name);
    form = new QFormLayout(box);
    layout->addWidget(box);
    return box;
}

QCheckBox* AddLogBox(QFormLayout* form, const char* name)
{
    auto* box = new QCheckBox("Log scale");
    box->setObjectName(name);
    form->addRow(box);
    return box;
}

std::string TextOf(const QLineEdit* edit) { return edit->text().toStdString(); }

void SetText(QLineEdit* edit, const std::string& text) { edit->setText(QString::fromStdString(text)); }

} // namespace

void TViewControlForm::BuildScreenTab()
{
    auto* sheet = new QVBoxLayout(ScreenTabSheet);
    sheet->setContentsMargins(0, 0, 0, 0);
    ToolBar1 = new QToolBar(ScreenTabSheet);
    ToolBar1->setObjectName("ToolBar1");
    // Small icons keep every button in the narrow window.
    ToolBar1->setIconSize(QSize(16, 16));
    sheet->addWidget(ToolBar1);
    BuildScreenToolBar();
    // The boxes keep the height their edits need; a short window scrolls.
    auto* scroller = new QScrollArea(ScreenTabSheet);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    auto* panel = new QWidget(scroller);
    panel->setObjectName("ScreenPanel");
    scroller->setWidget(panel);
    sheet->addWidget(scroller);
    BuildScreenBoxes(new QVBoxLayout(panel));

    for (QLineEdit* edit : ScreenTabSheet->findChildren<QLineEdit*>()) edit->installEventFilter(this);
    connect(VertLogCheckBox, &QCheckBox::clicked, this, &TViewControlForm::LogCheckBoxClick);
    connect(HorLogCheckBox, &QCheckBox::clicked, this, &TViewControlForm::LogCheckBoxClick);
    connect(PhaseComboBox, &QComboBox::currentIndexChanged, this, &TViewControlForm::PhaseComboBoxChange);
}

void TViewControlForm::BuildScreenBoxes(QVBoxLayout* layout)
{
    QFormLayout* form = nullptr;
    SmithGroupBox = AddBox(layout, "SmithGroupBox", " Smith chart ", form);
    SmithXEdit = AddEdit(form, "SmithXEdit", "Re");
    SmithYEdit = AddEdit(form, "SmithYEdit", "Im");
    SmithScaleEdit = AddEdit(form, "SmithScaleEdit", "Scale");
    HorNGroupBox = AddBox(layout, "HorNGroupBox", " Horizontal (N)", form);
    LeftNEdit = AddEdit(form, "LeftNEdit", "Left");
    RightNEdit = AddEdit(form, "RightNEdit", "Right");
    HorFGroupBox = AddBox(layout, "HorFGroupBox", " Horizontal (MHz)", form);
    LeftFEdit = AddEdit(form, "LeftFEdit", "Left");
    RightFEdit = AddEdit(form, "RightFEdit", "Right");
    HorLogCheckBox = AddLogBox(form, "HorLogCheckBox");
    HorTGroupBox = AddBox(layout, "HorTGroupBox", " Horizontal (s)", form);
    LeftTEdit = AddEdit(form, "LeftTEdit", "Left");
    RightTEdit = AddEdit(form, "RightTEdit", "Right");
    VertGroupBox = AddBox(layout, "VertGroupBox", " Vertical  ", form);
    TopEdit = AddEdit(form, "TopEdit", "Top");
    BotEdit = AddEdit(form, "BotEdit", "Bottom");
    VertLogCheckBox = AddLogBox(form, "VertLogCheckBox");
    PhaseGroupBox = AddBox(layout, "PhaseGroupBox", " Phase:    ", form);
    PhaseComboBox = new QComboBox;
    PhaseComboBox->setObjectName("PhaseComboBox");
    PhaseComboBox->addItems({"Off", "On", "Separate"});
    form->addRow(PhaseComboBox);
    PhaseTopEdit = AddEdit(form, "PhaseTopEdit", "Top");
    PhaseBotEdit = AddEdit(form, "PhaseBotEdit", "Bottom");
    Z0GroupBox = AddBox(layout, "Z0GroupBox", "", form);
    Z0REdit = AddEdit(form, "Z0REdit", "Z0");
    layout->addStretch(1);
}

// Takes every scale action the main window has; one missing leaves no button.
void TViewControlForm::BuildScreenToolBar()
{
    for (const ScreenToolEntry& entry : kScreenTools) {
        auto* action = main_.findChild<QAction*>(entry.action);
        if (!action) continue;
        auto* button = new QToolButton(ToolBar1);
        button->setObjectName(entry.button);
        button->setDefaultAction(action);
        screenToolButtons_.push_back({ToolBar1->addWidget(button), entry.kinds});
    }
}

bool TViewControlForm::IsScreenEdit(QObject* watched) const
{
    const auto* edit = qobject_cast<QLineEdit*>(watched);
    return edit && ScreenTabSheet->isAncestorOf(edit);
}

void TViewControlForm::ShowScreenLayout(const ScreenLayout& layout)
{
    for (const ScreenToolButton& button : screenToolButtons_) {
        button.slot->setVisible((button.kinds & (layout.smithButtons ? kSmithTools : kAxisTools)) != 0);
    }
    SmithGroupBox->setVisible(layout.smithBox);
    HorNGroupBox->setVisible(layout.horBox[kHorN]);
    HorFGroupBox->setVisible(layout.horBox[kHorF]);
    HorTGroupBox->setVisible(layout.horBox[kHorT]);
    VertGroupBox->setVisible(layout.vertBox);
    VertLogCheckBox->setVisible(layout.vertLog);
    PhaseGroupBox->setVisible(layout.phaseBox);
    Z0GroupBox->setVisible(layout.z0 != Z0Place::Hidden);
    // The Z0 box sits right under the box above it.
    QGroupBox* above = layout.z0 == Z0Place::BelowSmith ? SmithGroupBox
                       : layout.z0 == Z0Place::BelowPhase ? PhaseGroupBox
                                                          : VertGroupBox;
    auto* boxes = static_cast<QVBoxLayout*>(Z0GroupBox->parentWidget()->layout());
    boxes->removeWidget(Z0GroupBox);
    boxes->insertWidget(boxes->indexOf(above) + 1, Z0GroupBox);
}

void TViewControlForm::ScreenValuesFromView()
{
    const TViewForm* view = main_.ActiveView();
    if (!view) return;
    const QScopedValueRollback<bool> updating(Updating, true);
    if (view->GraphKind != kGraphSmith) {
        HorNGroupBox->setVisible(view->HorMode == kHorN);
        HorFGroupBox->setVisible(view->HorMode == kHorF);
        HorTGroupBox->setVisible(view->HorMode == kHorT);
    }
    WriteScreenControls(::ScreenValuesFromView(*view));
}

ScreenControls TViewControlForm::ReadScreenControls() const
{
    ScreenControls controls;
    controls.z0Text = TextOf(Z0REdit);
    controls.smithXText = TextOf(SmithXEdit);
    controls.smithYText = TextOf(SmithYEdit);
    controls.smithScaleText = TextOf(SmithScaleEdit);
    controls.leftText = {TextOf(LeftNEdit), TextOf(LeftFEdit), TextOf(LeftTEdit)};
    controls.rightText = {TextOf(RightNEdit), TextOf(RightFEdit), TextOf(RightTEdit)};
    controls.topText = TextOf(TopEdit);
    controls.bottomText = TextOf(BotEdit);
    controls.phaseTopText = TextOf(PhaseTopEdit);
    controls.phaseBottomText = TextOf(PhaseBotEdit);
    controls.horLogChecked = HorLogCheckBox->isChecked();
    controls.vertLogChecked = VertLogCheckBox->isChecked();
    controls.phaseIndex = PhaseComboBox->currentIndex();
    return controls;
}

void TViewControlForm::WriteScreenControls(const ScreenControls& controls)
{
    SetText(Z0REdit, controls.z0Text);
    SetText(SmithXEdit, controls.smithXText);
    SetText(SmithYEdit, controls.smithYText);
    SetText(SmithScaleEdit, controls.smithScaleText);
    QLineEdit* const lefts[] = {LeftNEdit, LeftFEdit, LeftTEdit};
    QLineEdit* const rights[] = {RightNEdit, RightFEdit, RightTEdit};
    for (int mode = 0; mode < kHorModeCount; ++mode) {
        SetText(lefts[mode], controls.leftText[mode]);
        SetText(rights[mode], controls.rightText[mode]);
    }
    HorLogCheckBox->setChecked(controls.horLogChecked);
    VertLogCheckBox->setChecked(controls.vertLogChecked);
    SetText(TopEdit, controls.topText);
    SetText(BotEdit, controls.bottomText);
    PhaseComboBox->setCurrentIndex(controls.phaseIndex);
    SetText(PhaseTopEdit, controls.phaseTopText);
    SetText(PhaseBotEdit, controls.phaseBottomText);
}

bool TViewControlForm::ApplyScreenEdits()
{
    TViewForm* view = main_.ActiveView();
    return view && ::ApplyScreenEdits(ReadScreenControls(), *view);
}

bool TViewControlForm::ScaleEditKeyPress(int key)
{
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!enter && key != Qt::Key_Escape) return false;
    TViewForm* view = main_.ActiveView();
    if (!view) return true;
    if (enter) ApplyScreenEdits();
    ScreenValuesFromView();
    if (enter) view->FormPaint();
    return true;
}

void TViewControlForm::LogCheckBoxClick()
{
    TViewForm* view = main_.ActiveView();
    if (Updating || !view) return;
    ApplyScreenEdits();
    ScreenValuesFromView();
    view->FormPaint();
}

void TViewControlForm::PhaseComboBoxChange()
{
    TViewForm* view = main_.ActiveView();
    if (Updating || !view) return;
    ApplyPhaseMode(PhaseComboBox->currentIndex(), *view);
    view->FormPaint();
}
