// The Run tab of the control window: its controls, and the run settings into
// them and back.

#include "app/control/ViewControl.h"

#include "link/ProgressScale.h"
#include "model/Correction.h"
#include "model/RunSettings.h"
#include "view/document/RunInProgress.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

template <typename Widget, typename... Args>
Widget* Make(const char* name, Args&&... args)
{
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

// The two radio buttons exclude each other, which would keep a checked one
// from being cleared when the stored mode names neither.
void SetRadioButtons(QRadioButton* first, bool firstChecked, QRadioButton* second, bool secondChecked)
{
    first->setAutoExclusive(false);
    second->setAutoExclusive(false);
    first->setChecked(firstChecked);
    second->setChecked(secondChecked);
    first->setAutoExclusive(true);
    second->setAutoExclusive(true);
}

LoadedStandards StandardsInMemory()
{
    return {ShortStandard.Count() > 0, OpenStandard.Count() > 0, LoadStandard.Count() > 0, LoadStandardValue};
}

} // namespace

void TViewControlForm::BuildRunTab()
{
    RunBtn = Make<QToolButton>("RunBtn", RunTabSheet);
    RunBtn->setText("Run");
    RunBtn->setToolTip("Run");
    StopBtn = Make<QToolButton>("StopBtn", RunTabSheet);
    StopBtn->setText("Stop");
    StopBtn->setToolTip("Stop");
    StopBtn->setCheckable(true);
    StopBtn->setEnabled(false);
    RunProgressBar = Make<QProgressBar>("RunProgressBar", RunTabSheet);
    RunProgressBar->setTextVisible(false);
    RunProgressBar->setMaximum(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(RunBtn);
    buttons->addWidget(StopBtn);
    buttons->addWidget(RunProgressBar, 1);

    RunSettingsPanel = Make<QWidget>("RunSettingsPanel", RunTabSheet);
    RunGroupBox = Make<QGroupBox>("RunGroupBox", " Run ", RunSettingsPanel);
    RunSweepRadioButton = Make<QRadioButton>("RunSweepRadioButton", "Sweep", RunGroupBox);
    Run1freqRadioButton = Make<QRadioButton>("Run1freqRadioButton", "1 freq.", RunGroupBox);
    RunFromLabel = Make<QLabel>("RunFromLabel", "From (MHz)", RunGroupBox);
    RunFromEdit = Make<QLineEdit>("RunFromEdit", RunGroupBox);
    RunToLabel = Make<QLabel>("RunToLabel", "To (MHz)", RunGroupBox);
    RunToEdit = Make<QLineEdit>("RunToEdit", RunGroupBox);
    RunSamplesLabel = Make<QLabel>("RunSamplesLabel", "Samples", RunGroupBox);
    RunSamplesEdit = Make<QLineEdit>("RunSamplesEdit", RunGroupBox);
    RunAverageLabel = Make<QLabel>("RunAverageLabel", "Average", RunGroupBox);
    RunAverageEdit = Make<QLineEdit>("RunAverageEdit", RunGroupBox);
    RunScaleLabel = Make<QLabel>("RunScaleLabel", "Scale", RunGroupBox);
    RunLogLinComboBox = Make<QComboBox>("RunLogLinComboBox", RunGroupBox);
    RunLogLinComboBox->addItems({"Log", "Lin"});
    auto* grid = new QGridLayout(RunGroupBox);
    grid->addWidget(RunSweepRadioButton, 0, 0);
    grid->addWidget(Run1freqRadioButton, 0, 1);
    const std::pair<QLabel*, QWidget*> rows[] = {{RunFromLabel, RunFromEdit},
                                                 {RunToLabel, RunToEdit},
                                                 {RunSamplesLabel, RunSamplesEdit},
                                                 {RunAverageLabel, RunAverageEdit},
                                                 {RunScaleLabel, RunLogLinComboBox}};
    int row = 1;
    for (const auto& [label, input] : rows) {
        grid->addWidget(label, row, 0);
        grid->addWidget(input, row++, 1);
    }

    RunCorrectionCheckBox = Make<QCheckBox>("RunCorrectionCheckBox", "Apply correction", RunSettingsPanel);
    RunCorrectionGroupBox = Make<QGroupBox>("RunCorrectionGroupBox", RunSettingsPanel);
    RunCorrectionShortCheckBox = Make<QCheckBox>("RunCorrectionShortCheckBox", "Short", RunCorrectionGroupBox);
    RunCorrectionOpenCheckBox = Make<QCheckBox>("RunCorrectionOpenCheckBox", "Open", RunCorrectionGroupBox);
    RunCorrectionZCheckBox = Make<QCheckBox>("RunCorrectionZCheckBox", "Z", RunCorrectionGroupBox);
    auto* standards = new QVBoxLayout(RunCorrectionGroupBox);
    for (QCheckBox* box : {RunCorrectionShortCheckBox, RunCorrectionOpenCheckBox, RunCorrectionZCheckBox}) {
        standards->addWidget(box);
    }

    auto* inputs = new QVBoxLayout(RunSettingsPanel);
    inputs->setContentsMargins(0, 0, 0, 0);
    inputs->addWidget(RunGroupBox);
    inputs->addWidget(RunCorrectionCheckBox);
    inputs->addWidget(RunCorrectionGroupBox);
    auto* layout = new QVBoxLayout(RunTabSheet);
    layout->addLayout(buttons);
    layout->addWidget(RunSettingsPanel);
    layout->addStretch(1);

    connect(RunBtn, &QToolButton::clicked, this, &TViewControlForm::RunBtnClick);
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             RunSweepRadioButton, Run1freqRadioButton, RunCorrectionCheckBox, RunCorrectionShortCheckBox,
             RunCorrectionOpenCheckBox, RunCorrectionZCheckBox}) {
        connect(button, &QAbstractButton::clicked, this, &TViewControlForm::RunChange);
    }
    connect(RunLogLinComboBox, &QComboBox::currentIndexChanged, this, &TViewControlForm::RunChange);
    for (QLineEdit* edit : {RunFromEdit, RunToEdit, RunSamplesEdit, RunAverageEdit}) edit->installEventFilter(this);
}

void TViewControlForm::showEvent(QShowEvent* event)
{
    FormShow();
    QWidget::showEvent(event);
}

void TViewControlForm::FormShow()
{
    // The window is shown again when the main window comes back from being
    // minimised; a run that goes on keeps its buttons.
    if (!RunInProgress()) {
        RunBtn->setEnabled(true);
        StopBtn->setChecked(false);
        StopBtn->setEnabled(false);
        RunProgressBar->setValue(0);
    }
    RunSettingsToControls();
}

void TViewControlForm::RunSettingsToControls()
{
    const QScopedValueRollback<bool> updating(Updating, true);
    WriteRunControls(::RunSettingsToControls(CurrentRunSettings, StandardsInMemory()));
}

bool TViewControlForm::ApplyRunControls() { return ::ApplyRunControls(ReadRunControls(), CurrentRunSettings); }

bool TViewControlForm::RunEditKeyPress(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ApplyRunControls();
        RunSettingsToControls();
        return true;
    case Qt::Key_Escape:
        RunSettingsToControls();
        return true;
    default:
        return false;
    }
}

void TViewControlForm::RunChange()
{
    if (Updating) return;
    ApplyRunControls();
    RunSettingsToControls();
}

bool TViewControlForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !qobject_cast<QLineEdit*>(watched)) return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (IsScreenEdit(watched) ? ScaleEditKeyPress(key) : RunEditKeyPress(key)) return true;
    return QWidget::eventFilter(watched, event);
}

RunControls TViewControlForm::ReadRunControls() const
{
    RunControls controls;
    controls.fromText = RunFromEdit->text().toStdString();
    controls.toText = RunToEdit->text().toStdString();
    controls.samplesText = RunSamplesEdit->text().toStdString();
    controls.averageText = RunAverageEdit->text().toStdString();
    controls.logLinIndex = RunLogLinComboBox->currentIndex();
    controls.sweepChecked = RunSweepRadioButton->isChecked();
    controls.oneFrequencyChecked = Run1freqRadioButton->isChecked();
    controls.correctionChecked = RunCorrectionCheckBox->isChecked();
    controls.shortChecked = RunCorrectionShortCheckBox->isChecked();
    controls.openChecked = RunCorrectionOpenCheckBox->isChecked();
    controls.zChecked = RunCorrectionZCheckBox->isChecked();
    // Whether a box is offered, apart from the lock of a run in progress.
    controls.shortEnabled = RunCorrectionShortCheckBox->isEnabledTo(RunSettingsPanel);
    controls.openEnabled = RunCorrectionOpenCheckBox->isEnabledTo(RunSettingsPanel);
    controls.zEnabled = RunCorrectionZCheckBox->isEnabledTo(RunSettingsPanel);
    return controls;
}

void TViewControlForm::WriteRunControls(const RunControls& controls)
{
    RunFromEdit->setText(QString::fromStdString(controls.fromText));
    RunToEdit->setText(QString::fromStdString(controls.toText));
    RunSamplesEdit->setText(QString::fromStdString(controls.samplesText));
    RunAverageEdit->setText(QString::fromStdString(controls.averageText));
    RunLogLinComboBox->setCurrentIndex(controls.logLinIndex);
    SetRadioButtons(RunSweepRadioButton, controls.sweepChecked, Run1freqRadioButton, controls.oneFrequencyChecked);
    RunFromLabel->setText(QString::fromStdString(controls.fromLabel));
    for (QWidget* sweepOnly : std::initializer_list<QWidget*>{RunToEdit, RunToLabel, RunLogLinComboBox, RunScaleLabel}) {
        sweepOnly->setVisible(controls.sweepControlsVisible);
    }
    RunCorrectionCheckBox->setChecked(controls.correctionChecked);
    RunCorrectionShortCheckBox->setEnabled(controls.shortEnabled);
    RunCorrectionOpenCheckBox->setEnabled(controls.openEnabled);
    RunCorrectionZCheckBox->setEnabled(controls.zEnabled);
    RunCorrectionZCheckBox->setText(QString::fromStdString(controls.zCaption));
    RunCorrectionShortCheckBox->setChecked(controls.shortChecked);
    RunCorrectionOpenCheckBox->setChecked(controls.openChecked);
    RunCorrectionZCheckBox->setChecked(controls.zChecked);
}

void TViewControlForm::ShowRunProgress(std::int64_t position, std::int64_t maximum)
{
    const ProgressBarValues values = ScaleToProgressBar(position, maximum);
    RunProgressBar->setMaximum(values.maximum);
    RunProgressBar->setValue(values.position);
}
