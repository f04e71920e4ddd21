#pragma once

#include "view/PixelTypes.h"
#include "view/ViewState.h"

#include <QWidget>

class CCanvas;
class CViewHost;
class ChartPaintBox;
class QFrame;
class QLabel;
class QMenu;
class QSlider;
class QSplitter;
class QTabBar;
class QTableWidget;

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
    // The window stops being the active one; it is freed once closed.
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
    // Paints the chart into a fresh off-screen bitmap and shows it; nothing
    // for "Data". An error while drawing leaves what was drawn so far.
    void FormPaint();
    // The whole chart onto a canvas over the chart rectangle.
    void DrawChart(CCanvas& canvas, const TRect& rect);
    // Empties the status bar's pointer readout.
    void ClearPointInfo();

    // The chart rectangle: the PaintBox's client area, from (0, 0).
    TRect PaintBoxRect() const;

    QSplitter* TableSplitter = nullptr;
    QFrame* TablePanel = nullptr;
    QTabBar* GraphTabSet = nullptr;
    ChartPaintBox* PaintBox = nullptr;
    QTableWidget* DataStringGrid = nullptr;
    QTableWidget* TableGrid = nullptr;
    QFrame* SmithPanel = nullptr;
    QSlider* SmithTrackBar = nullptr;
    QLabel* DataInfoPanel = nullptr;
    QMenu* LabelsPopUpMenu = nullptr;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void FollowSubWindowActivation();

    CViewHost& host_;
    QMetaObject::Connection activation_;
};
