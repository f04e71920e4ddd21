#include "RecordingMessageSink.h"
#include "RecordingViewHost.h"
#include "SettingsSnapshot.h"
#include "model/Settings.h"
#include "view/ChartPaintBox.h"
#include "view/View.h"
#include "view/ViewHost.h"

#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QSlider>
#include <QSplitter>
#include <QTabBar>
#include <QTableView>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

QStringList TabTexts(const QTabBar& tabs)
{
    QStringList texts;
    for (int i = 0; i < tabs.count(); ++i) texts << tabs.tabText(i);
    return texts;
}

void DeleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

class ViewForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDefaults(Settings);
        view_ = new TViewForm(host_);
    }
    void TearDown() override { delete view_.data(); }

    SettingsSnapshot snapshot_;
    ScopedMessageRecorder boxes_;
    RecordingViewHost host_;
    QPointer<TViewForm> view_;
};

TEST_F(ViewForm, ANewWindowShowsTheDataTab)
{
    EXPECT_EQ(TabTexts(*view_->GraphTabSet),
              (QStringList{"Data", "Smith chart", "R/X", "Z mag/phase", "Gamma re/im", "Gamma mag/phase", "VSWR"}));
    EXPECT_EQ(view_->GraphTabSet->currentIndex(), 0);
    EXPECT_EQ(view_->GraphKind, kGraphData);
    EXPECT_EQ(view_->CursorX, 50.5);
    EXPECT_FALSE(view_->DataStringGrid->isHidden());
    EXPECT_TRUE(view_->PaintBox->isHidden());
    EXPECT_TRUE(view_->TablePanel->isHidden());
    EXPECT_TRUE(view_->DataInfoPanel->isHidden());
    EXPECT_EQ(view_->Traces.Owner, static_cast<const CDisplayTransformSource*>(view_.data()));
    EXPECT_EQ(view_->size(), QSize(818, 723));
    EXPECT_EQ(view_->minimumSize(), QSize(150, 150));

    view_->DocumentName = "Noname1";
    view_->UpdateCaption();
    EXPECT_EQ(view_->windowTitle(), "Noname1");
}

TEST_F(ViewForm, ControlsCarryTheirNames)
{
    for (const char* name : {"TableSplitter", "TablePanel", "GraphTabSet", "PaintBox", "DataStringGrid", "TableGrid",
                             "SmithPanel", "SmithTrackBar", "DataInfoPanel", "LabelsPopUpMenu"}) {
        EXPECT_NE(view_->findChild<QWidget*>(name), nullptr) << name;
    }
    EXPECT_EQ(view_->SmithTrackBar->maximum(), 10000);
    EXPECT_EQ(view_->TableGrid->model()->columnCount(), 3);
    EXPECT_EQ(view_->DataStringGrid->model()->columnCount(), 4);

    QStringList items;
    for (const QAction* action : view_->LabelsPopUpMenu->actions()) items << action->text();
    EXPECT_EQ(items, (QStringList{"Edit label", "Remove label", "Add label", "Delete all labels", "", "Hide label",
                                  "Show hidden labels", "", "Add match point"}));
    EXPECT_NE(view_->findChild<QAction*>("AddMatchPointMenuItem"), nullptr);
}

TEST_F(ViewForm, ChoosingATabShowsItsKindWithoutUndoneScales)
{
    view_->Graphs[kGraphRX].Visible = false;
    view_->FillGraphTabs();
    EXPECT_EQ(view_->GraphTabSet->tabText(2), "Z mag/phase");
    host_ = RecordingViewHost();
    view_->ScaleUndoCount = 3;

    view_->GraphTabSet->setCurrentIndex(2);
    EXPECT_EQ(view_->GraphKind, kGraphZMagPhase);
    EXPECT_EQ(view_->ScaleUndoCount, 0);
    EXPECT_FALSE(view_->PaintBox->isHidden());
    EXPECT_TRUE(view_->DataStringGrid->isHidden());
    EXPECT_EQ(host_.graphListRefreshes, 1);
    EXPECT_EQ(host_.screenRefreshes, 1);
    ASSERT_EQ(host_.readouts.size(), 1u);
    EXPECT_EQ(host_.readouts[0], (std::array<std::string, 3>{}));
}

TEST_F(ViewForm, HidingTheShownKindMakesTheSecondTabsKindCurrent)
{
    view_->GraphTabSet->setCurrentIndex(4);
    ASSERT_EQ(view_->GraphKind, kGraphGammaReIm);
    view_->Graphs[kGraphGammaReIm].Visible = false;
    view_->FillGraphTabs();
    EXPECT_EQ(view_->GraphTabSet->currentIndex(), 1);
    EXPECT_EQ(view_->GraphKind, kGraphSmith);
}

TEST_F(ViewForm, FillingTheTabsRunsTheTabChangeForTheCurrentKind)
{
    view_->GraphKind = kGraphRX;
    view_->ScaleUndoCount = 4;
    view_->FillGraphTabs();
    EXPECT_EQ(view_->GraphTabSet->currentIndex(), 2);
    EXPECT_EQ(view_->ScaleUndoCount, 0);
    EXPECT_FALSE(view_->PaintBox->isHidden());
}

TEST_F(ViewForm, SelectingTheCurrentKindsTabRefreshesTheControlWindow)
{
    view_->GraphKind = kGraphVswr;
    host_ = RecordingViewHost();
    view_->SelectGraphTab();
    EXPECT_EQ(view_->GraphTabSet->currentIndex(), 6);
    EXPECT_EQ(host_.graphListRefreshes, 2); // by the tab change and by the selection
    EXPECT_EQ(host_.screenRefreshes, 2);

    view_->GraphKind = kGraphPower; // without a tab
    host_ = RecordingViewHost();
    view_->SelectGraphTab();
    EXPECT_EQ(view_->GraphTabSet->currentIndex(), 6);
    EXPECT_EQ(host_.graphListRefreshes, 0);
}

TEST_F(ViewForm, TheControlsFollowTheKindAndTheCursorTable)
{
    view_->TableVisible = true;
    view_->GraphKind = kGraphSmith;
    view_->ArrangeControls();
    EXPECT_FALSE(view_->SmithPanel->isHidden());
    EXPECT_FALSE(view_->TablePanel->isHidden());

    view_->TableVisible = false; // the track bar belongs to the table
    view_->ArrangeControls();
    EXPECT_TRUE(view_->SmithPanel->isHidden());
    EXPECT_TRUE(view_->TablePanel->isHidden());

    view_->TableVisible = true;
    view_->GraphKind = kGraphRX;
    view_->ArrangeControls();
    EXPECT_TRUE(view_->SmithPanel->isHidden());
    EXPECT_FALSE(view_->TablePanel->isHidden());

    view_->GraphKind = kGraphData;
    view_->DataInfoPanel->setText("No trace selected");
    view_->ArrangeControls();
    EXPECT_TRUE(view_->PaintBox->isHidden());
    EXPECT_TRUE(view_->TablePanel->isHidden());
    EXPECT_FALSE(view_->DataStringGrid->isHidden());
    EXPECT_FALSE(view_->DataInfoPanel->isHidden());
}

TEST_F(ViewForm, PaintsTheChartOffScreenAtTheSizeOfThePaintBox)
{
    Settings.CurrentScheme = kSchemeWhite;
    view_->show();
    view_->GraphTabSet->setCurrentIndex(kGraphRX);
    const QImage& bitmap = view_->PaintBox->Bitmap();
    ASSERT_FALSE(bitmap.isNull());
    EXPECT_EQ(bitmap.size(), view_->PaintBox->size());
    EXPECT_EQ(bitmap.format(), QImage::Format_RGB32);
    EXPECT_EQ(bitmap.pixel(5, 5), qRgb(255, 255, 255));

    view_->resize(400, 300);
    QApplication::processEvents();
    EXPECT_EQ(view_->PaintBox->Bitmap().size(), view_->PaintBox->size());

    Settings.CurrentScheme = kSchemeBlack; // "Data" has no chart to paint
    view_->GraphTabSet->setCurrentIndex(kGraphData);
    view_->FormPaint();
    EXPECT_EQ(view_->PaintBox->Bitmap().pixel(5, 5), qRgb(255, 255, 255));
}

TEST_F(ViewForm, AnUnchangedWindowClosesWithoutAQuestionAndIsFreed)
{
    host_.readouts.clear();
    EXPECT_TRUE(view_->close());
    EXPECT_TRUE(boxes_.boxes().empty());
    ASSERT_FALSE(host_.activations.empty());
    EXPECT_EQ(host_.activations.back(), std::make_pair(false, view_.data()));
    // The status bar keeps no readout of a chart that is gone.
    ASSERT_FALSE(host_.readouts.empty());
    EXPECT_EQ(host_.readouts.back(), (std::array<std::string, 3>{}));
    DeleteClosedWindows();
    EXPECT_TRUE(view_.isNull());
}

TEST_F(ViewForm, AModifiedWindowAsksOnceAndCancelKeepsIt)
{
    view_->Modified = true;
    view_->DocumentName = "antenna.csv";
    boxes_.Answer(MessageAnswer::Cancel);
    EXPECT_FALSE(view_->close());
    ASSERT_EQ(boxes_.boxes().size(), 1u);
    EXPECT_EQ(boxes_.boxes()[0].caption, "Ombrelix");
    EXPECT_EQ(boxes_.boxes()[0].text, "Do you want to save the changes you made to antenna.csv ?");
    DeleteClosedWindows();
    ASSERT_FALSE(view_.isNull());
    EXPECT_TRUE(host_.saved.empty());
}

TEST_F(ViewForm, NoClosesWithoutSaving)
{
    view_->Modified = true;
    boxes_.Answer(MessageAnswer::No);
    EXPECT_TRUE(view_->close());
    EXPECT_TRUE(host_.saved.empty());
}

TEST_F(ViewForm, YesSavesThisWindowAndACancelledSaveKeepsIt)
{
    view_->Modified = true;
    host_.saveAsResult = false;
    boxes_.Answer(MessageAnswer::Yes);
    EXPECT_FALSE(view_->close());
    ASSERT_EQ(host_.saved.size(), 1u);
    EXPECT_EQ(host_.saved[0], view_.data());

    host_.saveAsResult = true;
    boxes_.Answer(MessageAnswer::Yes);
    EXPECT_TRUE(view_->close());
    EXPECT_EQ(host_.saved.size(), 2u);
}

TEST_F(ViewForm, ABusyWindowRefusesToClose)
{
    view_->Busy = true;
    view_->Modified = true;
    host_.readouts.clear();
    EXPECT_FALSE(view_->close());
    EXPECT_TRUE(boxes_.boxes().empty());
    EXPECT_TRUE(host_.activations.empty());
    EXPECT_TRUE(host_.readouts.empty());
    DeleteClosedWindows();
    EXPECT_FALSE(view_.isNull());
}

TEST_F(ViewForm, TheMultipleDocumentAreaActivatesAndClosesItsWindows)
{
    QMdiArea area;
    area.resize(1200, 900);
    QMdiSubWindow* first = area.addSubWindow(view_, TViewForm::kSubWindowFlags);
    QPointer<TViewForm> second = new TViewForm(host_);
    QMdiSubWindow* secondFrame = area.addSubWindow(second, TViewForm::kSubWindowFlags);
    area.show();
    first->show();
    secondFrame->show();

    host_ = RecordingViewHost();
    area.setActiveSubWindow(first);
    ASSERT_FALSE(host_.activations.empty());
    EXPECT_EQ(host_.activations.back(), std::make_pair(true, view_.data()));
    area.setActiveSubWindow(secondFrame);
    EXPECT_EQ(host_.activations.back(), std::make_pair(true, second.data()));

    second->Busy = true;
    EXPECT_FALSE(secondFrame->close());
    second->Busy = false;
    EXPECT_TRUE(secondFrame->close());
    DeleteClosedWindows();
    EXPECT_TRUE(second.isNull());
    EXPECT_FALSE(view_.isNull());
}

} // namespace
