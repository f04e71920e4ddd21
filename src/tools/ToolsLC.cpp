// The LC tab of the tools window, and the "More" tab: inverse X, the
// resonance and the display offset and rotation of the active window.

#include "model/Exception.h"
#include "model/MessageBoxes.h"
#include "model/NumberText.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "tools/LCFit.h"
#include "tools/OffsetRotation.h"
#include "tools/Reactance.h"
#include "tools/ToolNumber.h"
#include "tools/Tools.h"
#include "view/View.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <optional>

namespace {

QLineEdit* MakeEdit(QWidget* parent, const char* name, bool readOnly)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    if (readOnly) {
        edit->setReadOnly(true);
        QPalette grey = edit->palette();
        grey.setColor(QPalette::Base, QColor(0xDF, 0xDF, 0xDF));
        edit->setPalette(grey);
    }
    return edit;
}

void Write(QLineEdit* edit, const std::optional<double>& value)
{
    if (value) edit->setText(QString::fromStdString(FormatToolValue(Settings.TableDataDigits, *value)));
}

} // namespace

void TToolsForm::BuildLCTab()
{
    auto* layout = new QGridLayout(LCTabSheet);
    LCF1Btn = new QPushButton("Cursor ->", LCTabSheet);
    LCF2Btn = new QPushButton("Cursor ->", LCTabSheet);
    LCF1Btn->setObjectName("LCF1Btn");
    LCF2Btn->setObjectName("LCF2Btn");
    layout->addWidget(new QLabel("1", LCTabSheet), 0, 1);
    layout->addWidget(new QLabel("2", LCTabSheet), 0, 2);
    layout->addWidget(LCF1Btn, 1, 1);
    layout->addWidget(LCF2Btn, 1, 2);
    const auto row = [&](int r, const char* caption, QLineEdit*& one, const char* oneName, QLineEdit*& two,
                         const char* twoName, bool readOnly) {
        layout->addWidget(new QLabel(caption, LCTabSheet), r, 0);
        layout->addWidget(one = MakeEdit(LCTabSheet, oneName, readOnly), r, 1);
        layout->addWidget(two = MakeEdit(LCTabSheet, twoName, readOnly), r, 2);
    };
    row(2, "f (MHz)", LCF1Edit, "LCF1Edit", LCF2Edit, "LCF2Edit", false);
    row(3, "R (Ohm)", LCR1Edit, "LCR1Edit", LCR2Edit, "LCR2Edit", true);
    row(4, "X (Ohm)", LCX1Edit, "LCX1Edit", LCX2Edit, "LCX2Edit", true);
    row(5, "R par (Ohm)", LCRpar1Edit, "LCRpar1Edit", LCRpar2Edit, "LCRpar2Edit", true);
    row(6, "X par (Ohm)", LCXpar1Edit, "LCXpar1Edit", LCXpar2Edit, "LCXpar2Edit", true);
    layout->addWidget(new QLabel("L (nH)", LCTabSheet), 7, 0);
    layout->addWidget(LCLEdit = MakeEdit(LCTabSheet, "LCLEdit", true), 7, 1);
    layout->addWidget(new QLabel("C (pF)", LCTabSheet), 8, 0);
    layout->addWidget(LCCEdit = MakeEdit(LCTabSheet, "LCCEdit", true), 8, 1);
    layout->setRowStretch(9, 1);

    connect(LCF1Btn, &QPushButton::clicked, this, [this] { LCFBtnClick(0); });
    connect(LCF2Btn, &QPushButton::clicked, this, [this] { LCFBtnClick(1); });
    connect(LCF1Edit, &QLineEdit::returnPressed, this, [this] { CalcLC(true); });
    connect(LCF2Edit, &QLineEdit::returnPressed, this, [this] { CalcLC(true); });
}

void TToolsForm::BuildMoreTab()
{
    auto* layout = new QVBoxLayout(MoreTabSheet);
    auto* upper = new QGridLayout;
    layout->addLayout(upper);
    InverseXBtn = new QPushButton("Inverse X", MoreTabSheet);
    InverseXBtn->setObjectName("InverseXBtn");
    ResFBtn = new QPushButton("Find resonant frequency", MoreTabSheet);
    ResFBtn->setObjectName("ResFBtn");
    ResFEdit = MakeEdit(MoreTabSheet, "ResFEdit", true);
    upper->addWidget(InverseXBtn, 0, 0);
    upper->addWidget(ResFBtn, 1, 0);
    upper->addWidget(new QLabel("f (MHz) = ", MoreTabSheet), 1, 1);
    upper->addWidget(ResFEdit, 1, 2);

    BuildOffsetGroup(layout);
    layout->addStretch(1);

    connect(InverseXBtn, &QPushButton::clicked, this, &TToolsForm::InverseXBtnClick);
    connect(ResFBtn, &QPushButton::clicked, this, &TToolsForm::ResFBtnClick);
}

// The display offset and rotation of the active window.
void TToolsForm::BuildOffsetGroup(QVBoxLayout* layout)
{
    auto* group = new QGroupBox(MoreTabSheet);
    layout->addWidget(group);
    auto* lower = new QGridLayout(group);
    OffsetCheckBox = new QCheckBox("Subtract impedance", group);
    OffsetCheckBox->setObjectName("OffsetCheckBox");
    OffsetREdit = MakeEdit(group, "OffsetREdit", false);
    OffsetXEdit = MakeEdit(group, "OffsetXEdit", false);
    RotateCheckBox = new QCheckBox("Rotate Gamma", group);
    RotateCheckBox->setObjectName("RotateCheckBox");
    RotateEdit = MakeEdit(group, "RotateEdit", false);
    OffsetApplyBtn = new QPushButton("Apply", group);
    OffsetApplyBtn->setObjectName("OffsetApplyBtn");
    OffsetREdit->setText("0");
    OffsetXEdit->setText("0");
    RotateEdit->setText("0");
    lower->addWidget(OffsetCheckBox, 0, 0, 1, 4);
    lower->addWidget(new QLabel("R", group), 1, 0);
    lower->addWidget(OffsetREdit, 1, 1);
    lower->addWidget(new QLabel("X", group), 1, 2);
    lower->addWidget(OffsetXEdit, 1, 3);
    lower->addWidget(RotateCheckBox, 2, 0, 1, 4);
    lower->addWidget(new QLabel("Degrees", group), 3, 0);
    lower->addWidget(RotateEdit, 3, 1);
    lower->addWidget(OffsetApplyBtn, 3, 3);

    connect(OffsetApplyBtn, &QPushButton::clicked, this, &TToolsForm::OffsetApplyBtnClick);
    connect(OffsetCheckBox, &QCheckBox::clicked, this, &TToolsForm::OffsetApplyBtnClick);
    connect(RotateCheckBox, &QCheckBox::clicked, this, &TToolsForm::OffsetApplyBtnClick);
    for (QLineEdit* edit : {OffsetREdit, OffsetXEdit, RotateEdit})
        connect(edit, &QLineEdit::returnPressed, this, &TToolsForm::OffsetApplyBtnClick);
}

void TToolsForm::CalcLC(bool warn)
{
    for (QLineEdit* edit : {LCR1Edit, LCR2Edit, LCX1Edit, LCX2Edit, LCRpar1Edit, LCRpar2Edit, LCXpar1Edit, LCXpar2Edit,
                            LCLEdit, LCCEdit})
        edit->clear();
    CData* data = CurrentTraceData(false);
    if (!data) return;
    double f[2] = {0, 0};
    std::optional<LCColumn> columns[2];
    for (int k = 0; k < 2; ++k) {
        bool refused = false;
        columns[k] = LCColumnFromEdit(k, *data, warn, f[k], refused);
        if (refused) return;
    }
    if (!columns[0] || !columns[1]) return;
    const LCFitResult fit = FitSeriesLC(f[0], columns[0]->X, f[1], columns[1]->X);
    Write(LCLEdit, fit.LnH);
    Write(LCCEdit, fit.CpF);
}

std::optional<LCColumn> TToolsForm::LCColumnFromEdit(int k, CData& data, bool warn, double& f, bool& refused)
{
    const std::string text = (k == 0 ? LCF1Edit : LCF2Edit)->text().toStdString();
    if (text.empty()) return std::nullopt;
    try {
        f = ParseValue(text);
    } catch (const Exception& error) {
        // A refresh leaves the column empty; only the user's own asking is
        // answered with a box, which ends the calculation.
        if (!warn) return std::nullopt;
        ShowWarning("", (k == 0 ? "f1:\n" : "f2:\n") + error.Message());
        refused = true;
        return std::nullopt;
    }
    std::optional<LCColumn> column = LCColumnAt(data, f, activeView_()->HorLog);
    if (!column) return column;
    QLineEdit* const results[2][4] = {{LCR1Edit, LCX1Edit, LCRpar1Edit, LCXpar1Edit},
                                      {LCR2Edit, LCX2Edit, LCRpar2Edit, LCXpar2Edit}};
    Write(results[k][0], column->R);
    Write(results[k][1], column->X);
    Write(results[k][2], column->Rpar);
    Write(results[k][3], column->Xpar);
    return column;
}

void TToolsForm::LCFBtnClick(int column)
{
    CData* data = CurrentTraceData(false);
    const TViewForm* view = activeView_();
    if (!data || !view->TableVisible) return;
    const std::optional<double> f = FrequencyAtCursor(*data, view->HorMode, view->CursorX);
    if (!f) return;
    (column == 0 ? LCF1Edit : LCF2Edit)->setText(QString::fromStdString(FormatEng(12, *f)));
    CalcLC(true);
}

void TToolsForm::InverseXBtnClick()
{
    CData* data = CurrentTraceData(false);
    if (!data || ActiveViewFilling()) return;
    InverseX(*data);
    RefillAndRepaintView();
}

void TToolsForm::ResFBtnClick()
{
    CData* data = CurrentTraceData(false);
    if (!data) return;
    TViewForm* view = activeView_();
    const std::optional<Resonance> found = FindResonance(*data, view->HorMode);
    ResFEdit->clear();
    if (!found) return;
    Write(ResFEdit, found->fMHz);
    view->CursorX = found->cursorX;
    view->UpdateTableValues();
    view->FormPaint();
}

void TToolsForm::OffsetsFromView()
{
    const TViewForm* view = activeView_();
    const auto text = [](double value) { return QString::fromStdString(FormatEng(9, value)); };
    OffsetCheckBox->setChecked(view->OffsetUse);
    OffsetREdit->setText(text(view->OffsetR));
    OffsetXEdit->setText(text(view->OffsetX));
    RotateCheckBox->setChecked(view->RotateUse);
    RotateEdit->setText(text(view->RotateAngle));
}

void TToolsForm::OffsetApplyBtnClick()
{
    TViewForm* view = activeView_();
    if (!view) {
        OffsetREdit->clear();
        OffsetXEdit->clear();
        RotateEdit->clear();
        return;
    }
    const OffsetControls controls{OffsetCheckBox->isChecked(), OffsetREdit->text().toStdString(),
                                  OffsetXEdit->text().toStdString(), RotateCheckBox->isChecked(),
                                  RotateEdit->text().toStdString()};
    DisplayTransform transform{view->OffsetUse, view->OffsetR, view->OffsetX, view->RotateUse, view->RotateAngle};
    const std::optional<std::string> error = ApplyOffsetControls(controls, transform);
    view->OffsetUse = transform.offsetUse;
    view->OffsetR = transform.offsetR;
    view->OffsetX = transform.offsetX;
    view->RotateUse = transform.rotateUse;
    view->RotateAngle = transform.rotateAngle;
    if (error) {
        ShowWarning("", *error);
        return;
    }
    OffsetsFromView();
    RefillAndRepaintView();
}
