#pragma once

#include "link/RunControls.h"
#include "view/document/ScreenEdits.h"

#include <QWidget>

#include <cstdint>
#include <utility>
#include <vector>

class CTraces;
class CXMLNode;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabBar;
class QTabWidget;
class QToolBar;
class QVBoxLayout;
class QToolButton;
class RunInProgressScope;
class TMainForm;
class TParseTraceForm;
class TRenameForm;
class TraceListModel;
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
    // Which of the Screen and Data tabs the chart kind shown needs, which
    // of the Screen tab's controls, then its numbers.
    void ScreenEditsFromView();
    // The numbers of the active window into the Screen tab.
    void ScreenValuesFromView();

    // The Screen tab back into the active window; false when refused.
    bool ApplyScreenEdits();
    // Enter applies, shows what is stored and repaints; Escape shows what is
    // stored. Both are consumed (true); other keys pass.
    bool ScaleEditKeyPress(int key);
    void LogCheckBoxClick();
    void PhaseComboBoxChange();

    // The Traces tab: the list from the active window's traces, the
    // list's selection into their selected flags, and its commands.
    void FillTracesList();
    void TracesListBoxClick();
    void UpdateTraceActions();
    void CopyTracesExecute();
    void PasteTracesExecute();
    void RemoveTracesExecute();
    void DeleteTracesExecute();
    void RenameTraceExecute();
    void SelectTraceColorExecute();
    void ParseDataExecute();

    // The Data tab: its buttons and the point list's editing, and its
    // commands on the active window's point list.
    void UpdateDataButtons();
    void DataEditCheckBoxClick();
    void DataAddBtnClick();
    void DataRemoveBtnClick();
    void DataDeleteBtnClick();
    void DataAcceptBtnClick();
    void DataCancelBtnClick();
    // The point list shows the selected trace again; changes not accepted
    // are dropped.
    void DropDataEdits(TViewForm& view);

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

    // Set while the program itself writes the Screen and Run tabs'
    // controls, whose change handlers then do nothing.
    bool Updating = false;
    // The "Edit data" box: the point list of every document window can be
    // typed into, and its row commands are off.
    bool DataEditMode = false;

    QTabWidget* PageControl = nullptr;
    QWidget* GraphTabSheet = nullptr;
    QWidget* TracesTabSheet = nullptr;
    QWidget* ScreenTabSheet = nullptr;
    QWidget* DataTabSheet = nullptr;
    QWidget* RunTabSheet = nullptr;
    QListWidget* GraphCheckListBox = nullptr;

    QToolBar* ToolBar1 = nullptr;
    QGroupBox* SmithGroupBox = nullptr;
    QLineEdit* SmithXEdit = nullptr;
    QLineEdit* SmithYEdit = nullptr;
    QLineEdit* SmithScaleEdit = nullptr;
    QGroupBox* HorNGroupBox = nullptr;
    QLineEdit* LeftNEdit = nullptr;
    QLineEdit* RightNEdit = nullptr;
    QGroupBox* HorFGroupBox = nullptr;
    QLineEdit* LeftFEdit = nullptr;
    QLineEdit* RightFEdit = nullptr;
    QCheckBox* HorLogCheckBox = nullptr;
    QGroupBox* HorTGroupBox = nullptr;
    QLineEdit* LeftTEdit = nullptr;
    QLineEdit* RightTEdit = nullptr;
    QGroupBox* VertGroupBox = nullptr;
    QLineEdit* TopEdit = nullptr;
    QLineEdit* BotEdit = nullptr;
    QCheckBox* VertLogCheckBox = nullptr;
    QGroupBox* PhaseGroupBox = nullptr;
    QComboBox* PhaseComboBox = nullptr;
    QLineEdit* PhaseTopEdit = nullptr;
    QLineEdit* PhaseBotEdit = nullptr;
    QGroupBox* Z0GroupBox = nullptr;
    QLineEdit* Z0REdit = nullptr;

    QToolBar* TracesToolBar = nullptr;
    QListView* TracesListBox = nullptr;
    QAction* CopyTraces = nullptr;
    QAction* PasteTraces = nullptr;
    QAction* RenameTrace = nullptr;
    QAction* SelectTraceColor = nullptr;
    QAction* RemoveTraces = nullptr;
    QAction* DeleteTraces = nullptr;
    QAction* ParseData = nullptr;
    TRenameForm* RenameForm = nullptr;
    TParseTraceForm* ParseTraceForm = nullptr;

    QCheckBox* DataEditCheckBox = nullptr;
    QPushButton* DataAddBtn = nullptr;
    QPushButton* DataRemoveBtn = nullptr;
    QPushButton* DataDeleteBtn = nullptr;
    QPushButton* DataAcceptBtn = nullptr;
    QPushButton* DataCancelBtn = nullptr;

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
    // The window lives as long as the program: a close asked for by the
    // user is ignored, one from the program's shut-down is not.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MoveToDesktopEdge();
    void BuildGraphTab();
    void BuildScreenTab();
    // Its group boxes, top to bottom.
    void BuildScreenBoxes(QVBoxLayout* layout);
    // The Screen tab's tool bar: buttons of the main window's scale actions.
    void BuildScreenToolBar();
    void BuildTracesTab();
    void BuildDataTab();
    void BuildRunTab();
    void ShowScreenLayout(const ScreenLayout& layout);
    ScreenControls ReadScreenControls() const;
    void WriteScreenControls(const ScreenControls& controls);
    bool IsScreenEdit(QObject* watched) const;
    // After the list of traces changed: the list, the point list, the chart
    // and the cursor table; the document is modified.
    void TracesChanged(TViewForm& view);
    // The list's rows and selection from the traces, without running the
    // selection handler.
    void ShowTraces(const CTraces& traces);
    void WatchClipboard();
    // The top and bottom rows of the point list's selection; none: -1.
    std::pair<int, int> SelectedDataRows(const TViewForm& view) const;
    // The Run tab's buttons and progress bar at rest, then its controls.
    void FormShow();
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
    // Whether the clipboard holds traces, asked once per change of the
    // clipboard rather than at every refresh of the Paste command.
    bool clipboardHoldsTraces_ = false;
    TraceListModel* tracesModel_ = nullptr;
    // The Screen tab's tool bar buttons: the Smith chart's, the axes', and
    // the ones every chart kind has.
    struct ScreenToolButton {
        QAction* slot;
        int kinds; // ScreenToolKinds
    };
    std::vector<ScreenToolButton> screenToolButtons_;
};
