#pragma once

#include "tools/LCFit.h"
#include "tools/ReplayPacing.h"
#include "tools/ReplayState.h"

#include <QElapsedTimer>
#include <QWidget>

#include <functional>
#include <optional>

class CData;
class CTrace;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSlider;
class QTabWidget;
class QTableWidget;
class QTimer;
class QVBoxLayout;
class TViewForm;

// The tool window captioned "Tools". Every tool works on the active document
// window and, within it, on its single selected trace: the match points and
// transitions ("Match"), the LC fit ("LC"), the cable calculator ("Cable"),
// the replay ("Replay"), and inverse X, the resonance and the display offset
// and rotation ("More"). The arithmetic lives in the tools' own files; the
// window reads its controls, calls it and writes the results back.
class TToolsForm final : public QWidget {
    Q_OBJECT

public:
    // activeView gives the document window the tools act on, or null.
    TToolsForm(QWidget* parent, std::function<TViewForm*()> activeView);
    ~TToolsForm() override;

    // The window's contents from the active document window: caption, the
    // offset group, the replay binding, the match points and the LC results.
    void RefreshForView();
    // Only the caption, from the active window's document name: a save under
    // a new name must not reset the replay or empty the tools' results.
    void UpdateCaption();
    // The point store of the single selected trace (time-recorded only, when
    // timeBased), or null.
    CData* CurrentTraceData(bool timeBased) const;

    // Match tab.
    void ResetMatchPoints();
    void ShowMatchPoints();
    void SetMatchPoint(double R, double X);
    void ClearTransitions();
    void ShowTransitions();

    // LC tab; warn: a frequency that does not parse is reported (the user
    // asked), else its column stays empty.
    void CalcLC(bool warn);

    // Replay: how many points of a trace every chart and the data grid show.
    int ReplaySampleLimit(const CTrace& trace);
    void SetupReplay();
    void ResetReplay();
    // Ends a timed replay at once; the program's shut-down calls it first.
    void StopReplay();
    bool ReplayRunning() const { return replay_.running; }
    // Enables the commands that must wait while a run fills the window, and
    // the replay commands. Runs whenever the event loop falls idle.
    void UpdateToolActions();

    QTabWidget* PageControl = nullptr;
    QWidget* MatchTabSheet = nullptr;
    QWidget* LCTabSheet = nullptr;
    QWidget* CableTabSheet = nullptr;
    QWidget* ReplayTabSheet = nullptr;
    QWidget* MoreTabSheet = nullptr;
    QTabWidget* PageControl1 = nullptr;

    QTableWidget* MatchStringGrid = nullptr;
    QPushButton* MatchCalcBtn = nullptr;
    QPushButton* MatchClearBtn = nullptr;
    QPushButton* MatchCursorBtn = nullptr;
    QPushButton* MatchAcceptBtn = nullptr;
    QCheckBox* ShowMatchNumbersCheckBox = nullptr;
    QTableWidget* MatchTimeStringGrid = nullptr;
    QPushButton* MatchTimeCalcBtn = nullptr;
    QPushButton* MatchTimeClearBtn = nullptr;
    QPushButton* MatchTimeAcceptBtn = nullptr;
    QLineEdit* MatchTimeGammaEdit = nullptr;
    QCheckBox* ShowMatchTimeCheckBox = nullptr;
    QCheckBox* MatchSmoothingCheckBox = nullptr;

    QLineEdit* LCF1Edit = nullptr;
    QLineEdit* LCF2Edit = nullptr;
    QLineEdit* LCR1Edit = nullptr;
    QLineEdit* LCR2Edit = nullptr;
    QLineEdit* LCX1Edit = nullptr;
    QLineEdit* LCX2Edit = nullptr;
    QLineEdit* LCRpar1Edit = nullptr;
    QLineEdit* LCRpar2Edit = nullptr;
    QLineEdit* LCXpar1Edit = nullptr;
    QLineEdit* LCXpar2Edit = nullptr;
    QLineEdit* LCLEdit = nullptr;
    QLineEdit* LCCEdit = nullptr;
    QPushButton* LCF1Btn = nullptr;
    QPushButton* LCF2Btn = nullptr;

    QRadioButton* CableMeterRadio = nullptr;
    QRadioButton* CableFootRadio = nullptr;
    QComboBox* CableTypeComboBox = nullptr;
    QLineEdit* CableVpEdit = nullptr;
    QTableWidget* CableMStringGrid = nullptr;
    QPushButton* CableCalcBtn = nullptr;
    QLabel* CableLengthLabelLabel = nullptr;
    QLineEdit* CableLEdit = nullptr;
    QLineEdit* CableTEdit = nullptr;

    QAction* ReplayResetAction = nullptr;
    QAction* ReplayRunAction = nullptr;
    QAction* ReplayStopAction = nullptr;
    QScrollBar* ReplayScrollBar = nullptr;
    QSlider* ReplaySpeedTrackBar = nullptr;

    QPushButton* InverseXBtn = nullptr;
    QPushButton* ResFBtn = nullptr;
    QLineEdit* ResFEdit = nullptr;
    QCheckBox* OffsetCheckBox = nullptr;
    QLineEdit* OffsetREdit = nullptr;
    QLineEdit* OffsetXEdit = nullptr;
    QCheckBox* RotateCheckBox = nullptr;
    QLineEdit* RotateEdit = nullptr;
    QPushButton* OffsetApplyBtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void BuildMatchTab();
    void BuildMatchPointsPage(QWidget* page);
    void BuildMatchTimePage(QWidget* page);
    void BuildLCTab();
    void BuildCableTab();
    void BuildReplayTab();
    void BuildMoreTab();
    void BuildOffsetGroup(QVBoxLayout* layout);
    void FormShow();
    bool ActiveViewFilling() const;
    void RepaintView() const;
    void RefillAndRepaintView() const;
    CTrace* SelectedTrace() const;

    void MatchCalcBtnClick();
    void MatchClearBtnClick();
    void MatchCursorBtnClick();
    void MatchAcceptBtnClick();
    void ShowMatchNumbersCheckBoxClick();
    void MatchTimeCalcBtnClick();
    void MatchTimeClearBtnClick();
    void ShowMatchTimeCheckBoxClick();
    void MatchSmoothingCheckBoxClick();
    void WriteMatchRow(int slot);
    void ResetMatchGrid();
    void ResetTransitionGrid();

    std::optional<LCColumn> LCColumnFromEdit(int k, CData& data, bool warn, double& f, bool& refused);
    void LCFBtnClick(int column);
    void InverseXBtnClick();
    void ResFBtnClick();
    void OffsetApplyBtnClick();
    void OffsetsFromView();

    void ResetCableTab();
    void CableTypeComboBoxChange();
    void ShowCableStepTable();
    void CableCalcBtnClick();

    void WriteReplayScrollBar();
    void ReplayScrollBarChange(int position);
    void ReplayRunActionExecute();
    void ReplayResetActionExecute();
    void ScheduleReplayPoint();
    void ReplayTimerTick();
    void EndReplayRun();
    bool ReplayTraceInView() const;
    bool ReplayTabShown() const;

    std::function<TViewForm*()> activeView_;
    ReplayState replay_;
    ReplayPace pace_;
    int replayNext_ = 0;
    QTimer* replayTimer_ = nullptr;
    QElapsedTimer clock_;
    bool placed_ = false; // centred on the screen at the first showing
    // The last cable length in metres and feet and the delay in ns; -1e99
    // for none.
    double cableMetres_ = -1e99;
    double cableFeet_ = -1e99;
};
