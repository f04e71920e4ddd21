#include "view/GraphTabs.h"
#include "view/document/ScaleUndo.h"
#include "view/document/ViewState.h"

#include <gtest/gtest.h>

namespace {

TEST(GraphTabs, CountOnlyTheVisibleKinds)
{
    ViewState view;
    view.Graphs[kGraphRX].Visible = false;
    view.Graphs[kGraphPower].Visible = true;
    EXPECT_EQ(TabbedKinds(view), (std::vector<int>{0, 1, 3, 4, 5, 6, 8}));
    EXPECT_EQ(TabOfKind(view, kGraphPower), 6);
    EXPECT_EQ(TabOfKind(view, kGraphRX), -1);
    EXPECT_EQ(KindOfTab(view, 7), -1);
    EXPECT_EQ(KindOfTab(view, -1), -1);
}

TEST(GraphTabs, SelectTheCurrentKindOrTheSecondTab)
{
    ViewState view;
    view.GraphKind = kGraphVswr;
    EXPECT_EQ(TabToSelect(view), 6);
    view.Graphs[kGraphVswr].Visible = false;
    EXPECT_EQ(TabToSelect(view), 1);
}

TEST(GraphTabs, WithFewerThanTwoTabsSelectWhatThereIs)
{
    ViewState view;
    for (GraphSettings& graph : view.Graphs) graph.Visible = false;
    view.Graphs[kGraphRX].Visible = true;
    view.GraphKind = kGraphSmith;
    EXPECT_EQ(TabToSelect(view), 0);
    view.Graphs[kGraphRX].Visible = false;
    EXPECT_EQ(TabToSelect(view), -1);
}

TEST(ScaleUndo, ResetEmptiesTheStackExceptOnTheDataKind)
{
    ViewState view;
    view.ScaleUndoCount = 5;
    ResetScaleUndo(view);
    EXPECT_EQ(view.ScaleUndoCount, 5);
    view.GraphKind = kGraphRX;
    ResetScaleUndo(view);
    EXPECT_EQ(view.ScaleUndoCount, 0);
}

} // namespace
