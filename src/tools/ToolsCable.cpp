// The Cable tab of the tools window: the electrical length of a line from a
// sweep of its input.

#include "model/MessageBoxes.h"
#include "model/NumberText.h"
#include "tools/CableCalc.h"
#include "tools/ToolNumber.h"
#include "tools/Tools.h"
#include "view/View.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace {

QString ThreeDigits(double value) { return QString::fromStdString(FormatToolValue(3, value)); }

} // namespace

void TToolsForm::BuildCableTab()
{
    auto* layout = new QGridLayout(CableTabSheet);
    auto* units = new QGroupBox(" Units ", CableTabSheet);
    units->setObjectName("CableUnitsRadioGroup");
    auto* unitsLayout = new QVBoxLayout(units);
    CableMeterRadio = new QRadioButton("Meter", units);
    CableFootRadio = new QRadioButton("Foot", units);
    CableMeterRadio->setChecked(true);
    unitsLayout->addWidget(CableMeterRadio);
    unitsLayout->addWidget(CableFootRadio);
    layout->addWidget(units, 0, 0);

    auto* type = new QGroupBox(" Cable type - Velocity factor ", CableTabSheet);
    auto* typeLayout = new QGridLayout(type);
    CableTypeComboBox = new QComboBox(type);
    CableTypeComboBox->setObjectName("CableTypeComboBox");
    for (const CableType& cable : VelocityFactorTable) CableTypeComboBox->addItem(cable.name);
    CableVpEdit = new QLineEdit("1", type);
    CableVpEdit->setObjectName("CableVpEdit");
    typeLayout->addWidget(CableTypeComboBox, 0, 0, 1, 2);
    typeLayout->addWidget(new QLabel("Vp =", type), 1, 0);
    typeLayout->addWidget(CableVpEdit, 1, 1);
    layout->addWidget(type, 0, 1);

    layout->addWidget(new QLabel("Recommended min. frequency step ", CableTabSheet), 1, 0, 1, 2);
    CableMStringGrid = new QTableWidget(4, 2, CableTabSheet);
    CableMStringGrid->setObjectName("CableMStringGrid");
    CableMStringGrid->verticalHeader()->hide();
    CableMStringGrid->verticalHeader()->setDefaultSectionSize(16);
    CableMStringGrid->setColumnWidth(0, 120);
    CableMStringGrid->setColumnWidth(1, 120);
    CableMStringGrid->horizontalHeader()->setStretchLastSection(true);
    CableMStringGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CableMStringGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CableMStringGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CableMStringGrid->setStyleSheet("QTableWidget { background-color: #DFDFDF; }");
    layout->addWidget(CableMStringGrid, 2, 0, 1, 2);

    CableCalcBtn = new QPushButton("Calculate", CableTabSheet);
    CableCalcBtn->setObjectName("CableCalcBtn");
    CableLengthLabelLabel = new QLabel("L (m) = ", CableTabSheet);
    CableLengthLabelLabel->setObjectName("CableLengthLabelLabel");
    CableLEdit = new QLineEdit(CableTabSheet);
    CableLEdit->setObjectName("CableLEdit");
    CableTEdit = new QLineEdit(CableTabSheet);
    CableTEdit->setObjectName("CableTEdit");
    auto* results = new QGridLayout;
    results->addWidget(CableCalcBtn, 0, 0, 2, 1);
    results->addWidget(CableLengthLabelLabel, 0, 1);
    results->addWidget(CableLEdit, 0, 2);
    results->addWidget(new QLabel("t (ns) = ", CableTabSheet), 1, 1);
    results->addWidget(CableTEdit, 1, 2);
    layout->addLayout(results, 3, 0, 1, 2);

    connect(CableTypeComboBox, &QComboBox::currentIndexChanged, this, &TToolsForm::CableTypeComboBoxChange);
    connect(CableMeterRadio, &QRadioButton::toggled, this, &TToolsForm::ShowCableStepTable);
    connect(CableCalcBtn, &QPushButton::clicked, this, &TToolsForm::CableCalcBtnClick);
    ShowCableStepTable();
}

void TToolsForm::ResetCableTab()
{
    CableMeterRadio->setChecked(true);
    cableMetres_ = cableFeet_ = -1e99;
    ShowCableStepTable();
    CableTypeComboBox->setCurrentIndex(0);
    CableVpEdit->setText("1");
    CableLEdit->clear();
}

void TToolsForm::CableTypeComboBoxChange()
{
    const int index = CableTypeComboBox->currentIndex();
    CableVpEdit->setText(index < 0 ? QString("1") : ThreeDigits(VelocityFactorTable[static_cast<size_t>(index)].velocityFactor));
}

void TToolsForm::ShowCableStepTable()
{
    const CableUnits units = CableMeterRadio->isChecked() ? CableUnits::Metre : CableUnits::Foot;
    const auto& rows = CableStepTable(units);
    CableMStringGrid->setHorizontalHeaderLabels({rows[0].length, rows[0].step});
    for (int row = 1; row < static_cast<int>(rows.size()); ++row) {
        CableMStringGrid->setItem(row - 1, 0, new QTableWidgetItem(rows[static_cast<size_t>(row)].length));
        CableMStringGrid->setItem(row - 1, 1, new QTableWidgetItem(rows[static_cast<size_t>(row)].step));
    }
    CableLengthLabelLabel->setText(CableLengthLabel(units));
    const double stored = units == CableUnits::Metre ? cableMetres_ : cableFeet_;
    if (stored > -1e90) CableLEdit->setText(ThreeDigits(stored));
}

void TToolsForm::CableCalcBtnClick()
{
    CData* data = CurrentTraceData(false);
    if (!data) return;
    if (data->Count() <= 1) return ShowWarning("", "Data samples <= 1");
    double vp = 0;
    if (const auto refused = CheckVelocityFactor(CableVpEdit->text().toStdString(), vp)) return ShowWarning("", *refused);
    cableMetres_ = cableFeet_ = -1e99;
    CableLEdit->clear();
    const TViewForm* view = activeView_();
    const CableFit fit = FitCable(*data, view->Z0Re, view->Z0Im, vp);
    if (fit.coarseStep) ShowWarning("", kCableCoarseStepMessage);
    if (fit.status != CableFit::Status::Done) return ShowWarning("", "Wrong data");
    cableMetres_ = fit.metres;
    cableFeet_ = fit.feet;
    CableLEdit->setText(ThreeDigits(CableMeterRadio->isChecked() ? fit.metres : fit.feet));
    CableTEdit->setText(ThreeDigits(fit.delayNs));
}
