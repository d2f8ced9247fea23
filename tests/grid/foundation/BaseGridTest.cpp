#include "grid/foundation/BaseGrid.h"
#include "grid/foundation/CellProperties.h"
#include "support/CountedObject.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

// Reaches the fields the string grid sets on the base grid.
class ProbeGrid : public TBaseGrid {
public:
    int MergeCount() const { return FMergeCount; }
    void SetNormalRowCount(int n) { FNormalRowCount = n; }
};

} // namespace

TEST(BaseGridMerge, RangeEncodingAndQueries)
{
    ProbeGrid grid;
    grid.MergeCells(1, 1, 3, 2);
    for (int c = 1; c <= 3; ++c) {
        for (int r = 1; r <= 2; ++r) {
            SCOPED_TRACE(testing::Message() << c << "," << r);
            EXPECT_TRUE(grid.IsMergedCell(c, r));
            EXPECT_EQ(grid.BaseCell(c, r), Point(1, 1));
            EXPECT_EQ(grid.CellSpan(c, r), Point(2, 1));
            EXPECT_EQ(grid.FullCell(c, r), Rect(1, 1, 3, 2));
        }
    }
    EXPECT_TRUE(grid.IsBaseCell(1, 1));
    EXPECT_FALSE(grid.IsBaseCell(2, 2));
    EXPECT_TRUE(grid.IsMergedNonBaseCell(2, 2));
    EXPECT_FALSE(grid.IsMergedNonBaseCell(1, 1));
    EXPECT_EQ(grid.CellExt(2, 1), Point(1, 1));
    EXPECT_TRUE(grid.IsXMergedCell(3, 2));
    EXPECT_TRUE(grid.IsYMergedCell(3, 2));
    EXPECT_FALSE(grid.IsMergedCell(4, 1));
    EXPECT_EQ(grid.MaxRowSpan(1), 1);
    EXPECT_EQ(grid.MinRowSpan(1), 1);
    EXPECT_EQ(grid.MinRowSpan(3), grid.RowCount());
    EXPECT_TRUE(grid.RowSpanIdentical(1, 2));
    EXPECT_FALSE(grid.ColSpanIdentical(1, 4));    // no row merged across both
    EXPECT_TRUE(grid.ColSpanIdentical(1, 3));
    EXPECT_EQ(grid.MergeCount(), 1);

    // Text lives in the base cell; covered cells keep their raw text.
    grid.SetCells(3, 2, "merged");
    EXPECT_EQ(grid.GetGridCell(1, 1), "merged");
    EXPECT_EQ(grid.GetGridCell(3, 2), "");
    EXPECT_EQ(grid.Cells(2, 1), "merged");
}

TEST(BaseGridMerge, SingleCellMergeAndSplit)
{
    ProbeGrid grid;
    grid.MergeCells(1, 1, 1, 1);
    EXPECT_FALSE(grid.IsMergedCell(1, 1));
    EXPECT_EQ(grid.CellSpan(1, 1), Point(0, 0));
    EXPECT_EQ(grid.CellProperties(1, 1)->CellSpanX(), 0);

    grid.MergeCells(2, 2, 2, 2);
    grid.SplitCells(3, 3);                        // any cell of the range
    for (int c = 2; c <= 3; ++c) {
        for (int r = 2; r <= 3; ++r) {
            const TCellProperties* p = grid.CellProperties(c, r);
            EXPECT_TRUE(p->IsBaseCell());
            EXPECT_EQ(p->CellSpanX(), -1);
            EXPECT_EQ(p->CellSpanY(), -1);
        }
    }
    EXPECT_EQ(grid.MergeCount(), 1);              // two merges, one split

    EXPECT_FALSE(grid.HasCellProperties(4, 1));
    grid.SplitCells(4, 1);                        // unmerged: only makes properties
    EXPECT_TRUE(grid.HasCellProperties(4, 1));
    EXPECT_EQ(grid.MergeCount(), 0);
}

TEST(BaseGridMerge, RangesKeepToTheStoreAndRefuseNegativeIndexes)
{
    ProbeGrid grid;                               // 5 x 5
    grid.MergeCells(3, 3, 4, 4);
    EXPECT_EQ(grid.CellSpan(3, 3), Point(1, 1));  // clipped at the grid's last column and row
    EXPECT_EQ(grid.BaseCell(4, 4), Point(3, 3));
    EXPECT_FALSE(grid.HasCellProperties(5, 5));
    EXPECT_EQ(grid.GetGridObject(6, 6), nullptr);

    grid.MergeCells(-1, 0, 2, 2);
    grid.MergeCells(0, -1, 2, 2);
    EXPECT_FALSE(grid.HasCellProperties(0, 0));
    EXPECT_EQ(grid.CellProperties(-1, 0), nullptr);
    grid.SplitCells(-1, -1);
    EXPECT_EQ(grid.MergeCount(), 2);              // every call counts, whatever it changed
}

TEST(BaseGridMerge, KeysLeaveARangeOnTheCellJustOutside)
{
    TBaseGrid grid;
    grid.SetColCount(8);
    grid.SetRowCount(8);
    grid.resize(600, 400);
    grid.MergeCells(2, 2, 2, 2);                  // columns 2-3, rows 2-3
    struct Case {
        TGridCoord from;
        Qt::Key key;
        TGridCoord to;
    };
    const Case cases[] = {
        {{3, 3}, Qt::Key_Left, {1, 3}},
        {{3, 3}, Qt::Key_Up, {3, 1}},
        {{2, 2}, Qt::Key_Right, {4, 2}},
        {{2, 2}, Qt::Key_Down, {2, 4}},
        {{1, 2}, Qt::Key_Right, {2, 2}},          // entering lands on the base cell
        {{3, 4}, Qt::Key_Up, {2, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from.X << "," << c.from.Y << " key " << c.key);
        grid.SetCol(c.from.X);
        grid.SetRow(c.from.Y);
        QTest::keyClick(&grid, c.key);
        EXPECT_EQ(grid.Col(), c.to.X);
        EXPECT_EQ(grid.Row(), c.to.Y);
    }
}

TEST(BaseGridMerge, TheWheelStepsThroughARangeAndOnPastIt)
{
    TBaseGrid grid;
    grid.SetColCount(8);
    grid.SetRowCount(8);
    grid.resize(600, 400);
    grid.MergeCells(2, 2, 1, 2);                  // column 2, rows 2-3
    grid.SetCol(2);
    grid.SetRow(1);
    QWheelEvent down(QPointF(50, 50), QPointF(50, 50), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QWheelEvent up(QPointF(50, 50), QPointF(50, 50), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
    const int expectedDown[] = {2, 4, 5};
    for (int row : expectedDown) {
        QApplication::sendEvent(grid.viewport(), &down);
        EXPECT_EQ(grid.Row(), row);
    }
    const int expectedUp[] = {4, 2, 1};           // upwards the covered row leads to the base cell
    for (int row : expectedUp) {
        QApplication::sendEvent(grid.viewport(), &up);
        EXPECT_EQ(grid.Row(), row);
    }
}

TEST(BaseGridMerge, CellRectSpansTheRangeAlsoWhenScrolledPartlyOut)
{
    TBaseGrid grid;
    grid.SetColCount(10);
    grid.SetRowCount(10);
    grid.setFrameShape(QFrame::NoFrame);
    grid.SetScrollBars(TScrollStyle::ssNone);
    grid.resize(200, 100);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    grid.MergeCells(1, 1, 2, 2);
    EXPECT_EQ(grid.CellRect(2, 2), Rect(64, 24, 192, 72));
    grid.SetTopRow(2);                            // the base row is scrolled out
    EXPECT_EQ(grid.CellRect(2, 2), Rect(64, 0, 192, 48));
    EXPECT_EQ(grid.CalcCellRect(1, 1), Rect(64, 0, 128, 24));
    EXPECT_EQ(grid.CellSize(1, 2), Point(128, 48));
    EXPECT_EQ(grid.FixedColsWidth(), 64);
    EXPECT_EQ(grid.FixedRowsHeight(), 24);

    // A range in a column of no width keeps a painted edge of one pixel on each side; its size stays 0 wide.
    grid.SetTopRow(1);
    grid.MergeCells(4, 1, 1, 2);
    grid.SetColWidths(4, 0);
    EXPECT_EQ(grid.CellRect(4, 2), Rect(255, 24, 257, 72));   // column 4 starts at 4 x 64
    EXPECT_EQ(grid.CellSize(4, 2), Point(0, 48));
}

TEST(BaseGridText, DisplayHooksOnlyBelowTheNormalRowCount)
{
    ProbeGrid grid;
    int calls = 0;
    grid.OnGetDisplText = [&](QObject*, int, int, QString& v) {
        ++calls;
        v += "!";
    };
    grid.SetCells(1, 1, "AB");
    EXPECT_EQ(grid.Cells(1, 1), "AB");            // a bare base grid hooks no row
    EXPECT_EQ(calls, 0);

    grid.SetNormalRowCount(2);
    EXPECT_EQ(grid.Cells(1, 1), "AB!");
    EXPECT_EQ(grid.Cells(1, 2), "");
    EXPECT_EQ(calls, 1);

    grid.OnGetDisplText = nullptr;
    grid.OnGetDisplWideText = [](QObject*, int, int, QString&) {};
    const QString expected = QString("|\\") + QChar(0) + QChar(65) + QChar(0) + QChar(66);
    EXPECT_EQ(grid.Cells(1, 1), expected);
}

TEST(BaseGridText, FooterRowWritesAreReported)
{
    class FooterGrid : public TBaseGrid {
    public:
        int footerChanges = 0;
        void HideLastRow() { FHideLastRow = true; }

    protected:
        void FooterChanged() override { ++footerChanges; }
    } grid;
    grid.SetCells(1, 4, "sum");
    EXPECT_EQ(grid.footerChanges, 0);
    grid.HideLastRow();
    grid.SetCells(1, 4, "sum");
    grid.SetCells(1, 3, "not the footer");
    EXPECT_EQ(grid.footerChanges, 1);
}

TEST(BaseGridText, PagingAndTheWheelStopAboveTheHiddenFooterRow)
{
    class FooterGrid : public TBaseGrid {
    public:
        void HideLastRow() { FHideLastRow = true; }
    } grid;
    grid.SetRowCount(12);
    grid.resize(400, 150);
    grid.HideLastRow();
    grid.SetRow(9);
    QTest::keyClick(&grid, Qt::Key_PageDown);
    EXPECT_EQ(grid.Row(), 10);
    QWheelEvent down(QPointF(50, 50), QPointF(50, 50), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid.viewport(), &down);
    EXPECT_EQ(grid.Row(), 10);
    grid.SetRow(9);
    QApplication::sendEvent(grid.viewport(), &down);
    EXPECT_EQ(grid.Row(), 10);
}

TEST(CellProperties, MadeOnDemandWithTheGridsDefaults)
{
    TBaseGrid grid;
    grid.SetColor(clYellow);
    TCellProperties* p = grid.CellProperties(2, 3);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(grid.CellProperties(2, 3), p);
    EXPECT_EQ(p->BrushColor(), clYellow);
    EXPECT_EQ(p->BrushColorTo(), clNone);
    EXPECT_TRUE(p->IsBaseCell());
    EXPECT_EQ(p->CellSpanX(), -1);
    EXPECT_EQ(p->CellSpanY(), -1);
    EXPECT_EQ(p->Editor(), TEditorType::edNormal);
    EXPECT_FALSE(p->ReadOnly());
    EXPECT_TRUE(p->WordWrap());
    EXPECT_EQ(p->OwnerCol(), 2);
    EXPECT_EQ(p->OwnerRow(), 3);
    EXPECT_EQ(p->FontName(), grid.Font().Name());

    // Beyond the counts too, as the store accepts it.
    EXPECT_NE(grid.CellProperties(20, 30), nullptr);
    EXPECT_FALSE(grid.HasCellProperties(20, 30));
}

TEST(CellProperties, ObjectsLiveInThePropertiesAndLeaveTheTextAlone)
{
    TBaseGrid grid;
    EXPECT_EQ(grid.Objects(1, 1), nullptr);
    EXPECT_FALSE(grid.HasCellProperties(1, 1));   // reading made nothing

    TObject user;
    grid.SetObjects(1, 1, &user);
    EXPECT_EQ(grid.Objects(1, 1), &user);
    EXPECT_EQ(grid.Cells(1, 1), "");
    EXPECT_EQ(grid.CellProperties(1, 1)->CellObject(), &user);

    grid.SetCells(2, 1, "kept");
    grid.SetObjects(2, 1, &user);
    EXPECT_EQ(grid.Cells(2, 1), "kept");
}

TEST(CellProperties, FreeingTakesOwnedGraphicsOnlyAndNeverUserObjects)
{
    int alive = 0;
    TBaseGrid grid;
    auto user = std::make_unique<CountedObject>(alive);
    auto foreign = std::make_unique<CountedObject>(alive);
    grid.SetObjects(1, 1, user.get());
    grid.SetGraphicObjectEx(1, 1, std::make_unique<CountedObject>(alive));
    grid.SetGraphicObjectEx(2, 1, foreign.get());
    EXPECT_TRUE(grid.CellProperties(1, 1)->GraphicOwned());
    EXPECT_FALSE(grid.CellProperties(2, 1)->GraphicOwned());
    EXPECT_EQ(alive, 3);

    grid.FreeCellObjects(0, 0, 4, 4);
    EXPECT_EQ(alive, 2);                          // the owned graphic went; user and foreign objects stay
    EXPECT_FALSE(grid.HasCellProperties(1, 1));
    EXPECT_EQ(grid.GetGridObject(2, 1), nullptr);

    grid.SetGraphicObjectEx(3, 3, std::make_unique<CountedObject>(alive));
    grid.FreeCellProps(3, 3);                     // properties only
    EXPECT_EQ(alive, 3);
    EXPECT_EQ(grid.GetGridObject(3, 3), nullptr);
}

TEST(CellProperties, AssignKeepsTheTargetsGradient)
{
    TBaseGrid grid;
    TCellProperties* source = grid.CellProperties(1, 1);
    TCellProperties* target = grid.CellProperties(2, 2);
    source->SetBrushColor(clRed);
    source->SetBrushColorTo(clBlue);
    source->SetGradientDirection(TCellGradientDirection::GradientHorizontal);
    source->SetReadOnly(true);
    source->SetCellSpanX(3);
    target->SetBrushColorTo(clGreen);
    target->Assign(*source);
    EXPECT_EQ(target->BrushColor(), clRed);
    EXPECT_TRUE(target->ReadOnly());
    EXPECT_EQ(target->CellSpanX(), 3);
    EXPECT_EQ(target->BrushColorTo(), clGreen);
    EXPECT_EQ(target->GradientDirection(), TCellGradientDirection::GradientVertical);
}

TEST(CellProperties, TheGridFreesEverythingItHoldsWhenDestroyed)
{
    int alive = 0;
    {
        TBaseGrid grid;
        grid.MergeCells(1, 1, 2, 2);
        grid.CellProperties(12, 2);                   // a hidden column past ColCount
        grid.CellProperties(1, 40);                   // past the row count
        grid.SetGraphicObjectEx(13, 41, std::make_unique<CountedObject>(alive));
        grid.SetGraphicObjectEx(2, 2, std::make_unique<CountedObject>(alive));
        grid.SetRowCount(2);                          // shrinking keeps them stored
        grid.SetCellProperties(3, 3, std::make_unique<TCellProperties>(&grid, 3, 3));
        grid.SetCellProperties(3, 3, std::make_unique<TCellProperties>(&grid, 3, 3));   // frees the first
        grid.ClearCellSlot(1, 40);                    // dropped from its slot, still the grid's
        EXPECT_EQ(alive, 2);
    }
    EXPECT_EQ(alive, 0);                              // and AddressSanitizer sees no leak
}
