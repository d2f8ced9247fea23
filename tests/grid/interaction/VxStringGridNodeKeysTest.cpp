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
