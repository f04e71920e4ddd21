#pragma once

#include "view/chart/RunScreenPace.h"
#include "view/document/PixelTypes.h"
#include "view/document/ViewState.h"

#include <QWidget>

class CCanvas;
class CTrace;
struct CLabel;
struct MouseAction;
class CViewHost;
class ChartPaintBox;
class CursorTableModel;
class DataGridModel;
class QFrame;
class QImage;
class QLabel;
class QMenu;
class QSlider;
class QSplitter;
class QTabBar;
class QTableView;

// The document window: one per open document, shown in the main window's
// multiple-document area. It owns the document's traces and labels and holds
// the whole view state (its ViewState base), from which the data table, the
// charts and the cursor table are drawn. The tabs at its bottom choose the
// chart kind.
class TViewForm : public QWidget, public ViewState {
    Q_OBJECT

public:
    // The frame of the window in the multiple-document area: a title with the
    // system menu and the maximise box only.
    static constexpr Qt::WindowFlags kSubWindowFlags =
        Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint;

    explicit TViewForm(CViewHost& host, QWidget* parent = nullptr);
    ~TViewForm() override;

    // The caption follows DocumentName.
    void UpdateCaption();

    // Whether the window may close: never while a run fills it; after asking
    // whether to save when it is modified. Asked when the window is closed
    // and, for every document window, when the main window closes.
    bool FormCloseQuery();
    // The window stops being the active one and the status bar's readout is
    // emptied; it is freed once closed.
    void FormClose();
    // The window becomes the active one and is brought up to date. Runs each
    // time the multiple-document area activates it.
    void FormActivate();

    // Rebuilds the tabs from the Visible flags and selects the current kind's
    // tab (or the one at position 1 when that kind is hidden), which runs the
    // tab change.
    void FillGraphTabs();
    // Selects the current kind's tab, repaints and refreshes the control
    // window; nothing when the kind has no tab.
    void SelectGraphTab();
    // A tab was chosen: its kind is shown, with an empty undo stack of scales.
    void GraphTabSetChange(int newTab);

    // Shows and hides the controls for the kind shown and the cursor table.
    void ArrangeControls();
    // The user moved the divider above the cursor table: the window keeps
    // the table's new height, and the chart fills the rest.
    void TableSplitterMoved();
    // Paints the chart into a fresh off-screen bitmap and shows it; nothing
    // for "Data". An error while drawing leaves what was drawn so far.
    void FormPaint();
    // The whole chart onto a canvas over the chart rectangle
    // (ChartDrawing.h), then the cursor table's values and, on the Smith
    // chart, its track bar, while the table is shown.
    void DrawChart(CCanvas& canvas, const TRect& rect);
    // The picture for an image export: the chart, the cursor table under it
    // while it is shown, and a black frame around both.
    void RenderToBitmap(QImage& bitmap);
    // Empties the status bar's pointer readout.
    void ClearPointInfo();

    // After each point of a run into this window: the newest segment of the
    // last trace drawn over the chart, and its row in the point list.
    // Nothing when the last trace is not selected. Takes constant time
    // however many points the trace holds. The screen shows the changed
    // area and the list gets its new rows at the screen's pace.
    void DrawRunIncrement();
    // At the end of a run: what the screen and the list do not show yet.
    void ShowRunIncrements();
    // During a replay: the segment of the replayed trace (none: nothing)
    // that ends at point `index`, drawn over the chart.
    void DrawReplayMarkers(CTrace* replayed, int index);

    // The point list of "Data" from the selected trace, or the message why
    // there is none ("No trace selected", "More than 1 trace selected").
    void FillDataGrid();
    // The cursor table's value columns as wide as a number needs in the
    // table's font, for a new window.
    void SizeTableColumns();
    // The cursor table's rows: one per trace, each as high as the table
    // font needs, without a selection. Nothing while the table is hidden.
    // The columns keep their widths: a document stores them, and the user
    // sizes them.
    void UpdateTableRows();
    // The cursor table shows the cursor value and each trace's R and X at it
    // again.
    void UpdateTableValues();
    // The Smith chart's track bar at the cursor value `value`.
    // Without TrackBarGuard set, the position's change moves the cursor as a
    // user's move of the track bar does.
    void SetTrackBarFrequency(double value);
    // The track bar moved: the cursor takes the value of its position, and
    // the cursor markers and the table follow. Nothing while TrackBarGuard
    // is set or before a drawing of the Smith chart gave an X range.
    void SmithTrackBarChange();

    // The mouse tool: 0 selection, 1 hand, -1 the other one. Always true.
    bool SetTool(int tool);
    // A key pressed in the window or in one of its grids or track bar: the
    // space bar switches the mouse tool on a chart. The key goes on.
    void FormKeyDown(int key);

    // The chart rectangle: the PaintBox's client area, from (0, 0).
    TRect PaintBoxRect() const;

    // The chart's mouse (ChartMouse.h): a press also gives the track bar the
    // keyboard focus and makes the window the active one; a left double
    // click centres the chart, any other double click is a press.
    void PaintBoxMouseDown(const MouseAction& action);
    void PaintBoxMouseMove(const MouseAction& action);
    void PaintBoxMouseUp(const MouseAction& action);
    void PaintBoxDblClick(const MouseAction& action);
    // The status bar's readout at a chart point (PointerReadout.h); show
    // false empties it.
    void ShowPointInfo(bool show, int x, int y);
    // The pointer's shape over a chart point.
    void UpdatePaintBoxCursor(int x, int y);

    // The label menu at a chart point, its items shown and enabled for
    // SelectedLabel; it pops up and returns at once.
    void PopupLabelMenu(TPoint point);
    void AddLabelMenuItemClick();
    void EditLabelMenuItemClick();
    void RemoveLabelMenuItemClick();
    void DeleteLabelsMenuItemClick();
    void HideLabelMenuItemClick();
    void ShowHiddenMenuItemClick();
    void AddMatchPointMenuItemClick();
    // The "Edit label" dialog for the label; OK writes its text and its
    // format, or the format of every label with "Apply to all labels".
    void EditLabel(CLabel& label);

    QSplitter* TableSplitter = nullptr;
    QFrame* TablePanel = nullptr;
    QTabBar* GraphTabSet = nullptr;
    ChartPaintBox* PaintBox = nullptr;
    QTableView* DataStringGrid = nullptr;
    QTableView* TableGrid = nullptr;
    QFrame* SmithPanel = nullptr;
    QSlider* SmithTrackBar = nullptr;
    QLabel* DataInfoPanel = nullptr;
    QMenu* LabelsPopUpMenu = nullptr;

    // What the point list and the cursor table show.
    DataGridModel* DataGrid = nullptr;
    CursorTableModel* CursorTable = nullptr;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    friend class PaintBoxFeedback;

    void BuildControls();
    void ShowTableHeight();
    void ConnectLabelMenu();
    void FollowSubWindowActivation();
    void ActivateFromPress();
    bool PaintBoxEvent(QEvent* event);
    // A repaint during a drag paints over its figure: drawn again.
    void RedrawDragFigure();

    CViewHost& host_;
    QMetaObject::Connection activation_;
    RunScreenPace runPace_;
};
