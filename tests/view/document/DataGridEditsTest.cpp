#include "view/document/DataGridEdits.h"
#include "view/document/ViewState.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

// A trace of `points` points at 1, 2, 3 ... MHz whose values need every digit.
CTrace& AddTrace(ViewState& view, int points, bool time = false, bool vip = false)
{
    auto trace = std::make_unique<CTrace>();
    trace->Selected = true;
    trace->Time = time;
    trace->Vip = vip;
    for (int i = 0; i < points; ++i) {
        const double n = i + 1;
        trace->Data.Append(n, 50 + n / 7, -n / 3, n / 11, 100 + n, n / 13, n / 17);
    }
    CTrace& added = *trace;
    view.Traces.Add(std::move(trace));
    return added;
}

std::vector<PointRecord> Records(const CTrace& trace)
{
    std::vector<PointRecord> records;
    for (int i = 0; i < trace.Data.Count(); ++i) records.push_back(*trace.Data.GetRecord(i));
    return records;
}

bool SameBits(const std::vector<PointRecord>& a, const std::vector<PointRecord>& b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(PointRecord)) == 0;
}

TEST(DataGridEdits, UntouchedPointsKeepEveryBitThroughAnAccept)
{
    ViewState view;
    view.OffsetUse = true;
    view.OffsetR = 3.3;
    view.RotateUse = true;
    view.RotateAngle = 17;
    CTrace& trace = AddTrace(view, 1000000, true, true);
    const std::vector<PointRecord> before = Records(trace);
    DataGridEdits edits;
    edits.Reset(&trace, trace.Data.Count());
    EXPECT_EQ(edits.AcceptInto(trace, view.CurrentDisplayTransform()), 0);
    EXPECT_TRUE(SameBits(Records(trace), before));

    // One typed cell changes its point and nothing else.
    edits.Reset(&trace, trace.Data.Count());
    edits.SetText(999999, 4, "7.5");
    EXPECT_EQ(edits.AcceptInto(trace, view.CurrentDisplayTransform()), 0);
    std::vector<PointRecord> expected = before;
    expected.back().t = 7.5;
    EXPECT_TRUE(SameBits(Records(trace), expected));
}

TEST(DataGridEdits, TypedImpedancesAreTakenAsDisplayed)
{
    ViewState view;
    view.OffsetUse = true;
    view.OffsetR = 10;
    view.OffsetX = 1;
    CTrace& trace = AddTrace(view, 3);
    const PointRecord old = *trace.Data.GetRecord(1);
    DataGridEdits edits;
    edits.Reset(&trace, 3);
    edits.SetText(1, 2, " 40");
    edits.AcceptInto(trace, view.CurrentDisplayTransform());
    EXPECT_EQ(trace.Data.GetRecord(1)->R, 50);
    EXPECT_EQ(trace.Data.GetRecord(1)->X, old.X) << "the untyped X keeps its stored bits";

    view.RotateUse = true;
    view.RotateAngle = 30;
    edits.Reset(&trace, 3);
    edits.SetText(2, 3, "-12.5");
    edits.AcceptInto(trace, view.CurrentDisplayTransform());
    double f = 0, R = 0, X = 0, t = 0;
    ASSERT_TRUE(trace.Data.GetPoint(2, f, R, X, t));
    EXPECT_NEAR(X, -12.5, 1e-9);
}

TEST(DataGridEdits, RowsAreDuplicatedRemovedAndSortedByFrequencyOnAccept)
{
    ViewState view;
    CTrace& trace = AddTrace(view, 6);
    const std::vector<PointRecord> before = Records(trace);
    DataGridEdits edits;
    edits.Reset(&trace, 6);
    ASSERT_TRUE(edits.DuplicateRow(0));
    EXPECT_FALSE(edits.DuplicateRow(7));
    EXPECT_EQ(edits.RowCount(), 7);
    edits.SetText(1, 1, "4.5"); // the copy of the first point moves between 4 and 5 MHz

    // Rows 3 to 5 of the grid (2 to 4 here) go in one step.
    const DataGridEdits::Removal removal = edits.PlanRemoval(2, 3);
    EXPECT_EQ(removal.first, 2);
    EXPECT_EQ(removal.count, 3);
    EXPECT_FALSE(removal.emptyFirstRow);
    edits.Remove(removal);
    EXPECT_EQ(edits.PointOf(2), 4);
    EXPECT_EQ(edits.AcceptInto(trace, view.CurrentDisplayTransform()), 0);
    const std::vector<double> frequencies = {1, 4.5, 5, 6};
    ASSERT_EQ(trace.Data.Count(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(trace.Data.GetRecord(i)->f, frequencies[static_cast<std::size_t>(i)]);
    EXPECT_EQ(trace.Data.GetRecord(1)->R, before[0].R);

    // A removal past the end stops there; one that takes every row leaves
    // one empty row.
    edits.Reset(&trace, 4);
    EXPECT_EQ(edits.PlanRemoval(3, 5).count, 1);
    EXPECT_EQ(edits.PlanRemoval(4, 1).count, 0);
    edits.Remove(edits.PlanRemoval(0, 9));
    EXPECT_EQ(edits.RowCount(), 1);
    EXPECT_EQ(edits.PointOf(0), -1);
    EXPECT_EQ(edits.AcceptInto(trace, view.CurrentDisplayTransform()), 0);
    EXPECT_EQ(trace.Data.Count(), 0);
}

TEST(DataGridEdits, UnreadableRowsAreDroppedAndCounted)
{
    ViewState view;
    CTrace& trace = AddTrace(view, 5, false, true);
    DataGridEdits edits;
    edits.Reset(&trace, 5);
    edits.SetText(0, 2, "abc");
    edits.SetText(1, 1, "nan");
    edits.SetText(2, 3, "-inf");
    edits.SetText(3, 0, "1.5");
    edits.SetText(4, 6, "12"); // the phase of a trace with V/I/phase and no time
    EXPECT_EQ(edits.AcceptInto(trace, view.CurrentDisplayTransform()), 4);
    ASSERT_EQ(trace.Data.Count(), 1);
    EXPECT_EQ(trace.Data.GetRecord(0)->f, 5);
    EXPECT_EQ(trace.Data.GetRecord(0)->phase, 12);
    EXPECT_EQ(trace.Data.GetRecord(0)->V, 105);
}

TEST(DataGridEdits, AnEmptiedListTakesOnlyFullyTypedRows)
{
    ViewState view;
    CTrace& trace = AddTrace(view, 3);
    DataGridEdits edits;
    edits.Reset(&trace, 3);
    edits.DeleteAll();
    ASSERT_TRUE(edits.DuplicateRow(0));
    for (const auto& [column, text] : {std::pair{0, "1"}, {1, "2.5"}, {2, "75"}, {3, "-5"}}) edits.SetText(0, column, text);
    edits.SetText(1, 1, "3"); // f alone
    EXPECT_EQ(edits.AcceptInto(trace, view.CurrentDisplayTransform()), 1);
    ASSERT_EQ(trace.Data.Count(), 1);
    const PointRecord& point = *trace.Data.GetRecord(0);
    EXPECT_TRUE(point.f == 2.5 && point.R == 75 && point.X == -5 && point.t == 0);
}

TEST(DataGridEdits, PointsBeyondTheRowsShownStay)
{
    ViewState view;
    CTrace& trace = AddTrace(view, 10);
    const std::vector<PointRecord> before = Records(trace);
    DataGridEdits edits;
    edits.Reset(&trace, 4);
    EXPECT_EQ(edits.RowCount(), 4);
    edits.Remove(edits.PlanRemoval(0, 1));
    edits.AcceptInto(trace, view.CurrentDisplayTransform());
    EXPECT_TRUE(SameBits(Records(trace), std::vector<PointRecord>(before.begin() + 1, before.end())));
}

} // namespace
