#pragma once

#include "link/RunControls.h"

#include <QWidget>

#include <cstdint>

class CXMLNode;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QRadioButton;
class QTabBar;
class QTabWidget;
class QToolButton;
class RunInProgressScope;
class TMainForm;
class TViewForm;

// The tool window captioned "Control". It shows and edits the active
// document window: which chart kinds it offers (tab "Graphs"), its traces
// ("Traces"), the scales of the chart shown ("Screen"), the points of the
// selected trace ("Data"), and the measurement run ("Run").
class TViewControlForm final : public QWidget {
    Q_OBJECT

public:
    explicit TViewControlForm(TMainForm& main);
    ~TViewControlForm() override;

    // Two-way exchange of the window's left and top edges with the settings
    // file; a read place is kept on the desktop. False only for a null node.
    bool RestoreFormPosition(CXMLNode* node);

    // The whole window from the active document window.
    void RefreshControlForm();
    void GraphListFromView();
    // Which of the Screen and Data tabs the chart kind shown needs.
    void ScreenEditsFromView();

    void GraphCheckListBoxClickCheck();
    void GraphCheckListBoxClick(QListWidgetItem* item);

    // The Run tab from the run settings, and back with validation (false:
    // refused, and the user was told why).
    void RunSettingsToControls();
    bool ApplyRunControls();
    // Enter applies the edits, Escape shows the stored values again; both
    // keys are consumed (true). Other keys pass.
    bool RunEditKeyPress(int key);
    void RunChange();
    // The measurement run into the active document window, or into a new
    // one when none is open.
    void RunBtnClick();
    // How far a run has come: position measurements out of maximum.
    void ShowRunProgress(std::int64_t position, std::int64_t maximum);

    // Set while the program itself writes the Run tab's controls, whose
    // change handlers then do nothing.
    bool Updating = false;

    QTabWidget* PageControl = nullptr;
    QWidget* GraphTabSheet = nullptr;
    QWidget* TracesTabSheet = nullptr;
    QWidget* ScreenTabSheet = nullptr;
    QWidget* DataTabSheet = nullptr;
    QWidget* RunTabSheet = nullptr;
    QListWidget* GraphCheckListBox = nullptr;

    QToolButton* RunBtn = nullptr;
    QToolButton* StopBtn = nullptr;
    QProgressBar* RunProgressBar = nullptr;
    QWidget* RunSettingsPanel = nullptr; // every input of the run settings
    QGroupBox* RunGroupBox = nullptr;
    QRadioButton* RunSweepRadioButton = nullptr;
    QRadioButton* Run1freqRadioButton = nullptr;
    QLabel* RunFromLabel = nullptr;
    QLineEdit* RunFromEdit = nullptr;
    QLabel* RunToLabel = nullptr;
    QLineEdit* RunToEdit = nullptr;
    QLabel* RunSamplesLabel = nullptr;
    QLineEdit* RunSamplesEdit = nullptr;
    QLabel* RunAverageLabel = nullptr;
    QLineEdit* RunAverageEdit = nullptr;
    QLabel* RunScaleLabel = nullptr;
    QComboBox* RunLogLinComboBox = nullptr;
    QCheckBox* RunCorrectionCheckBox = nullptr;
    QGroupBox* RunCorrectionGroupBox = nullptr;
    QCheckBox* RunCorrectionShortCheckBox = nullptr;
    QCheckBox* RunCorrectionOpenCheckBox = nullptr;
    QCheckBox* RunCorrectionZCheckBox = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildGraphTab();
    void BuildRunTab();
    // The Run tab's buttons and progress bar at rest, then its controls.
    void FormShow();
    void FillTracesList();
    void ShowGraphKind(TViewForm& view, int kind);
    void SetTabShown(QWidget* sheet, bool shown);
    RunControls ReadRunControls() const;
    void WriteRunControls(const RunControls& controls);
    // While a run is in progress the tab stays where it is and the run
    // settings cannot be edited.
    void SetRunning(bool running);
    // The run's steps in the document window, between its start and its end.
    void MeasureInto(TViewForm& view);
    void EndRun(TViewForm& view, RunInProgressScope& running);

    QTabBar* PageTabs() const;

    TMainForm& main_;
};
