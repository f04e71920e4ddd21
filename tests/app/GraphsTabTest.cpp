#include "MainFormFixture.h"
#include "view/View.h"

#include <QListWidget>

namespace {

class GraphsTab : public MainFormFixture {
protected:
    GraphsTab()
    {
        main->FormShow();
        view = &main->CreateView("Noname1");
    }

    QListWidgetItem* Item(int kind) const { return control().GraphCheckListBox->item(kind); }
    // A click on a check mark: the mark toggles, then the item counts as
    // clicked.
    void ToggleCheck(int kind) const
    {
        QListWidgetItem* item = Item(kind);
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        control().GraphCheckListBoxClick(item);
    }
    QStringList ViewTabs() const
    {
        QStringList tabs;
        for (int i = 0; i < view->GraphTabSet->count(); ++i) tabs << view->GraphTabSet->tabText(i);
        return tabs;
    }

    TViewForm* view = nullptr;
};

TEST_F(GraphsTab, TheListMirrorsTheActiveView)
{
    ASSERT_EQ(control().GraphCheckListBox->count(), kGraphKindCount);
    EXPECT_EQ(Item(kGraphGammaMagPhase)->text(), "Gamma mag/phase");
    for (int kind = 0; kind < kGraphKindCount; ++kind) {
        EXPECT_EQ(Item(kind)->checkState() == Qt::Checked, view->Graphs[kind].Visible) << kind;
    }
    EXPECT_EQ(control().GraphCheckListBox->currentRow(), kGraphData);
}

TEST_F(GraphsTab, DataAndSmithChartCannotBeHidden)
{
    ToggleCheck(kGraphData);
    ToggleCheck(kGraphSmith);
    EXPECT_EQ(Item(kGraphData)->checkState(), Qt::Checked);
    EXPECT_EQ(Item(kGraphSmith)->checkState(), Qt::Checked);
    EXPECT_TRUE(view->Graphs[kGraphData].Visible);
    EXPECT_TRUE(view->Graphs[kGraphSmith].Visible);
}

TEST_F(GraphsTab, VipKindsAreOfferedOnlyForVipTraces)
{
    ToggleCheck(kGraphVip);
    EXPECT_EQ(Item(kGraphVip)->checkState(), Qt::Unchecked);
    EXPECT_FALSE(view->Graphs[kGraphVip].Visible);
    EXPECT_EQ(view->GraphKind, kGraphData);

    view->HasVipTraces = true;
    ToggleCheck(kGraphPower);
    EXPECT_TRUE(view->Graphs[kGraphPower].Visible);
    EXPECT_EQ(view->GraphKind, kGraphPower);
    EXPECT_EQ(ViewTabs().back(), "P");
    EXPECT_EQ(view->GraphTabSet->currentIndex(), view->GraphTabSet->count() - 1);
    EXPECT_EQ(control().GraphCheckListBox->currentRow(), kGraphPower);
}

TEST_F(GraphsTab, HidingAKindRemovesItsTabWithoutShowingIt)
{
    ToggleCheck(kGraphRX);
    EXPECT_FALSE(view->Graphs[kGraphRX].Visible);
    EXPECT_FALSE(ViewTabs().contains("R/X"));
    EXPECT_EQ(view->GraphKind, kGraphData);
    EXPECT_EQ(control().GraphCheckListBox->currentRow(), kGraphData);

    ToggleCheck(kGraphRX);
    EXPECT_TRUE(view->Graphs[kGraphRX].Visible);
    EXPECT_EQ(view->GraphKind, kGraphRX);
}

TEST_F(GraphsTab, ClickingAKindShowsItOnlyWhenItIsChecked)
{
    view->GraphKind = kGraphSmith;
    view->ScaleUndoCount = 2;
    control().GraphCheckListBoxClick(Item(kGraphVswr));
    EXPECT_EQ(view->GraphKind, kGraphVswr);
    EXPECT_EQ(view->ScaleUndoCount, 0);
    EXPECT_EQ(view->GraphTabSet->tabText(view->GraphTabSet->currentIndex()), "VSWR");

    control().GraphCheckListBox->setCurrentRow(kGraphVip);
    control().GraphCheckListBoxClick(Item(kGraphVip));
    EXPECT_EQ(view->GraphKind, kGraphVswr);
    EXPECT_EQ(control().GraphCheckListBox->currentRow(), kGraphVswr);
}

} // namespace
