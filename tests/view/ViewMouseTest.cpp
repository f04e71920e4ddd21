// The document window's chart under synthesized mouse events, headless: the
// figures of a drag on the bitmap, Qt's order of a double click, the readout
// and pointer shape, and the label menu with its dialog.

#include "ChartTestTraces.h"
#include "RecordingMessageSink.h"
#include "RecordingViewHost.h"
#include "SettingsSnapshot.h"
#include "model/NumberText.h"
#include "model/Settings.h"
#include "view/ChartMouse.h"
#include "view/ChartPaintBox.h"
#include "view/LabelCommands.h"
#include "view/View.h"
#include "view/chart/ChartDrawing.h"
#include "view/document/Label.h"

#include <QAction>
#include <QCheckBox>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Answers the "Edit label" dialog as soon as it is up: `fill` sets its
// controls, then OK is pressed, or Cancel when `ok` is false.
template <typename Fill>
void AnswerLabelDialog(Fill fill, bool ok = true)
{
    QMetaObject::invokeMethod(
        qApp,
        [fill, ok] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QDialog*>(widget);
                if (!dialog || !dialog->isVisible() || dialog->objectName() != "EditLabelForm") continue;
                fill(*dialog);
                dialog->findChild<QPushButton*>(ok ? "OkBtn" : "CancelBtn")->click();
            }
        },
        Qt::QueuedConnection);
}

void TypeText(QDialog& dialog, const QString& text) { dialog.findChild<QPlainTextEdit*>("TextMemo")->setPlainText(text); }

class ViewMouse : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDefaults(Settings);
        Settings.CurrentScheme = kSchemeWhite;
        view_ = std::make_unique<TViewForm>(host_);
        view_->show();
    }

    void ShowChart(int kind)
    {
        view_->GraphTabSet->setCurrentIndex(kind);
        QApplication::processEvents();
        view_->HorLeft[kHorF] = 0;
        view_->HorRight[kHorF] = view_->PaintBox->width();
        view_->FormPaint();
    }

    void Send(QEvent::Type type, QPoint p, Qt::MouseButton button = Qt::LeftButton,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, QPointF(p), view_->PaintBox->mapToGlobal(QPointF(p)), button, held, modifiers);
        QApplication::sendEvent(view_->PaintBox, &event);
    }

    QAction* Item(const char* name) { return view_->LabelsPopUpMenu->findChild<QAction*>(name); }
    QImage Bitmap() { return view_->PaintBox->Bitmap().copy(); }

    SettingsSnapshot snapshot_;
    ScopedMessageRecorder boxes_;
    RecordingViewHost host_;
    std::unique_ptr<TViewForm> view_;
};

TEST_F(ViewMouse, AZoomDragDrawsItsFigureOverTheChartKeepsItThroughARepaintAndZooms)
{
    ShowChart(kGraphRX);
    const QImage painted = Bitmap();
    Send(QEvent::MouseButtonPress, {100, 100});
    Send(QEvent::MouseMove, {200, 104}, Qt::NoButton);
    const QImage dragging = Bitmap();
    EXPECT_NE(dragging, painted);
    view_->FormPaint(); // a run or a resize repaints during the drag
    EXPECT_EQ(Bitmap(), dragging);
    Send(QEvent::MouseButtonRelease, {200, 104});
    const QImage released = Bitmap();
    view_->FormPaint();
    EXPECT_EQ(released, Bitmap()); // no figure left behind
    EXPECT_DOUBLE_EQ(view_->HorLeft[kHorF], 100);
    EXPECT_DOUBLE_EQ(view_->HorRight[kHorF], 200);
    EXPECT_EQ(view_->ScaleUndoCount, 1);
    EXPECT_EQ(host_.screenValueRefreshes, 1);
    EXPECT_EQ(view_->DragMode, kDragNone);
}

TEST_F(ViewMouse, ACursorDragMovesOnlyTheCursorLineAndLeavesWhatARepaintDraws)
{
    view_->TableVisible = true;
    view_->ArrangeControls();
    view_->CursorX = 400;
    ShowChart(kGraphRX);
    const int start = view_->CursorPixel;
    ASSERT_EQ(start, 400);
    Send(QEvent::MouseButtonPress, {start + 3, 200});
    EXPECT_EQ(view_->DragMode, kDragCursor);
    Send(QEvent::MouseMove, {start - 150, 200}, Qt::NoButton);
    Send(QEvent::MouseMove, {start - 100, 200}, Qt::NoButton);
    Send(QEvent::MouseButtonRelease, {start - 100, 200});
    EXPECT_DOUBLE_EQ(view_->CursorX, start - 100); // X shows the column
    const QImage dragged = Bitmap();
    view_->FormPaint();
    EXPECT_EQ(view_->CursorPixel, start - 100);
    EXPECT_EQ(Bitmap(), dragged);
    EXPECT_EQ(view_->ScaleUndoCount, 0);
}

TEST_F(ViewMouse, APressOnASmithDataPointMovesTheCursorThereAndTheTrackBarDoesNotSnapItBack)
{
    AddTrace(*view_, Sweep(37));
    view_->TableVisible = true;
    view_->ArrangeControls();
    ShowChart(kGraphSmith);
    EnsureMarkerRects(*view_);
    ASSERT_GT(view_->MarkerRects.Count(), 20);
    const MarkerRect marker = view_->MarkerRects[20];
    const QPoint p((marker.Rect.left + marker.Rect.right) / 2, (marker.Rect.top + marker.Rect.bottom) / 2);
    const int hit = view_->MarkerRects.Find(p.x(), p.y());
    const double x = view_->MarkerRects[hit].X;
    Send(QEvent::MouseButtonPress, p);
    EXPECT_EQ(view_->CursorX, x);
    EXPECT_GT(view_->SmithTrackBar->value(), view_->SmithTrackBar->minimum());
    Send(QEvent::MouseButtonRelease, p); // repaints
    EXPECT_EQ(view_->CursorX, x);
    EXPECT_EQ(view_->ScaleUndoCount, 0);
}

TEST_F(ViewMouse, ADoubleClickInQtsOrderCentresOnceAndTheNextClickIsNotSwallowed)
{
    ShowChart(kGraphRX);
    const int W = view_->PaintBox->width();
    const QPoint p(W / 2 + 100, view_->RowHeight + view_->PlotHeight / 2);
    Send(QEvent::MouseButtonPress, p);
    Send(QEvent::MouseButtonRelease, p);
    Send(QEvent::MouseButtonDblClick, p);
    Send(QEvent::MouseButtonRelease, p);
    EXPECT_DOUBLE_EQ(view_->HorLeft[kHorF], 100);
    EXPECT_DOUBLE_EQ(view_->HorRight[kHorF], W + 100);
    EXPECT_EQ(view_->ScaleUndoCount, 1);

    Send(QEvent::MouseButtonPress, {10, 10});
    EXPECT_EQ(view_->DragMode, kDragZoom);
    Send(QEvent::MouseButtonRelease, {10, 10});
}

TEST_F(ViewMouse, TheReadoutAndThePointerShapeFollowThePointer)
{
    ShowChart(kGraphSmith);
    const TRect square = view_->SmithRect;
    const QPoint centre((square.left + square.right) / 2, (square.top + square.bottom) / 2);
    Send(QEvent::MouseMove, centre, Qt::NoButton);
    ASSERT_FALSE(host_.readouts.empty());
    EXPECT_EQ(host_.readouts.back()[0].substr(0, 5), " R = ");
    EXPECT_NEAR(TextToDouble(host_.readouts.back()[0].substr(5)), 50, 0.5);
    EXPECT_EQ(view_->PaintBox->cursor().shape(), Qt::ArrowCursor);

    view_->SetTool(1);
    Send(QEvent::MouseMove, centre, Qt::NoButton);
    EXPECT_EQ(view_->PaintBox->cursor().shape(), Qt::OpenHandCursor);
    Send(QEvent::MouseButtonPress, centre);
    EXPECT_EQ(view_->PaintBox->cursor().shape(), Qt::ClosedHandCursor);
    EXPECT_EQ(host_.readouts.back(), (std::array<std::string, 3>{}));
    Send(QEvent::MouseButtonRelease, centre);
    EXPECT_EQ(view_->ScaleUndoCount, 1);
}

TEST_F(ViewMouse, TheLabelMenuAddsEditsAndRemovesALabelWithoutMarkingTheDocument)
{
    ShowChart(kGraphSmith);
    const TRect square = view_->SmithRect;
    const QPoint centre((square.left + square.right) / 2, (square.top + square.bottom) / 2);
    Send(QEvent::MouseButtonPress, centre, Qt::RightButton);
    EXPECT_TRUE(view_->LabelsPopUpMenu->isVisible());
    EXPECT_FALSE(Item("EditLabelMenuItem")->isVisible());
    EXPECT_FALSE(Item("ShowHiddenMenuItem")->isVisible());
    EXPECT_FALSE(Item("DeleteLabelsMenuItem")->isEnabled());
    EXPECT_FALSE(Item("AddMatchPointMenuItem")->isEnabled());
    view_->LabelsPopUpMenu->hide();

    AnswerLabelDialog([](QDialog& dialog) { TypeText(dialog, "first\r\nsecond"); });
    Item("AddLabelMenuItem")->trigger();
    ASSERT_EQ(view_->Labels.size(), 1u);
    const CLabel& label = *view_->Labels[0];
    EXPECT_NEAR(label.Re, 50, 0.5);
    EXPECT_EQ(label.Text, "first\nsecond");
    EXPECT_TRUE(label.Placed);
    EXPECT_FALSE(view_->Modified);

    host_.toolsShown = true;
    Send(QEvent::MouseButtonPress, {label.Pos.x + 3, label.Pos.y}, Qt::RightButton);
    EXPECT_TRUE(Item("EditLabelMenuItem")->isVisible());
    EXPECT_TRUE(Item("AddMatchPointMenuItem")->isEnabled());
    view_->LabelsPopUpMenu->hide();
    Item("AddMatchPointMenuItem")->trigger();
    ASSERT_EQ(host_.matchPoints.size(), 1u);
    double R = 0;
    double X = 0;
    ASSERT_TRUE(PointToImpedance(*view_, label.Pos.x + 3, label.Pos.y, R, X));
    EXPECT_GT(R, 50); // right of Gamma = 0
    EXPECT_EQ(host_.matchPoints[0], std::make_pair(R, X));
    Item("HideLabelMenuItem")->trigger();
    EXPECT_TRUE(view_->Labels[0]->Format & kLabelHidden);
    Item("RemoveLabelMenuItem")->trigger();
    EXPECT_TRUE(view_->Labels.empty());
    EXPECT_FALSE(view_->Modified);
}

TEST_F(ViewMouse, ACancelledDialogKeepsTheNewLabelAndApplyToAllSetsEveryFormat)
{
    ShowChart(kGraphSmith);
    view_->MenuPoint = {view_->SmithRect.left + 10, (view_->SmithRect.top + view_->SmithRect.bottom) / 2};
    AnswerLabelDialog([](QDialog& dialog) { TypeText(dialog, "dropped"); }, false);
    Item("AddLabelMenuItem")->trigger();
    ASSERT_EQ(view_->Labels.size(), 1u);
    EXPECT_EQ(view_->Labels[0]->Format, kLabelRX);
    EXPECT_EQ(view_->Labels[0]->Text, "");

    view_->Labels[0]->Text = "kept";
    view_->MenuPoint = {(view_->SmithRect.left + view_->SmithRect.right) / 2, view_->MenuPoint.y};
    AnswerLabelDialog([](QDialog& dialog) {
        dialog.findChild<QCheckBox*>("RXCheckBox")->setChecked(false);
        dialog.findChild<QCheckBox*>("HideCheckBox")->setChecked(true);
        dialog.findChild<QCheckBox*>("ApplyToAllCheckBox")->setChecked(true);
    });
    Item("AddLabelMenuItem")->trigger();
    ASSERT_EQ(view_->Labels.size(), 2u);
    for (const auto& label : view_->Labels) EXPECT_EQ(label->Format, kLabelHidden);
    EXPECT_EQ(view_->Labels[0]->Text, "kept");
}

} // namespace
