#include "InteractionTestGrid.h"
#include "grid/model/GridGrouping.h"

namespace {
// Rows 1 and 5 are node rows spanning 4 and 3 rows; row 1's text cell spans the row when Merged.
struct NodeGrid : TestGrid {
    explicit NodeGrid(bool Merged)
    {
        AddNode(1, 4);
        AddNode(5, 3);
        if (Merged)
            MergeCells(1, 1, ColCount() - 1, 1);
        SetCol(1);
        SetRow(1);
    }
};
} // namespace

TEST(GridNodeKeys, RightOpensAndLeftClosesAGroupHeader)
{
    NodeGrid grid(true);
    grid.Key(Qt::Key_Left);
    EXPECT_TRUE(grid.GetNodeState(1));
    EXPECT_EQ(grid.RowCount(), 20 - 3);
    grid.Key(Qt::Key_Right);
    EXPECT_FALSE(grid.GetNodeState(1));
    EXPECT_EQ(grid.RowCount(), 20);
}

TEST(GridNodeKeys, ArrowsOnANodeWithoutASpanningCellOnlyMove)
{
    NodeGrid grid(false);
    grid.SetCol(2);
    grid.Key(Qt::Key_Left);
    EXPECT_FALSE(grid.GetNodeState(1));
    EXPECT_EQ(grid.Cell(), (TGridCoord{1, 1}));
    grid.SetNodeState(5, true);
    grid.SetRow(5);
    grid.Key(Qt::Key_Right);
    EXPECT_TRUE(grid.GetNodeState(5));
}

TEST(GridGroupClick, AClickOnAnOpenGroupsHeaderSelectsTheGroup)
{
    for (const bool disjunct : {false, true}) {
        SCOPED_TRACE(disjunct);
        TestGrid grid;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
        grid.SetRowCount(6);
        for (int r = 1; r <= 5; ++r)
            grid.SetCells(3, r, r <= 3 ? QStringLiteral("A") : QStringLiteral("B"));
        grid.Grouping().SetAutoSelectGroup(true);
        grid.MouseActions().SetDisjunctRowSelect(disjunct);
        grid.Group(3);   // header A at row 1 over rows 2 to 4, header B at row 5 over rows 6 and 7
        ASSERT_EQ(grid.GetNodeSpan(1), 4);
        const TRect header = grid.CellRect(2, 1);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(header.Left + 5, header.Top + 5));
        if (disjunct) {
            for (int r = 2; r <= 7; ++r)
                EXPECT_EQ(grid.GetRowSelect(r), r <= 4) << r;
        } else {
            EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, grid.ColCount() - 1, 4}));
        }
        // A closed group is only clicked.
        grid.SetNodeState(5, true);
        const TRect closed = grid.CellRect(2, 5);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(closed.Left + 5, closed.Top + 5));
        if (!disjunct) {
            EXPECT_EQ(grid.Selection(), (TGridRect{2, 5, 2, 5}));
        }
    }
}
