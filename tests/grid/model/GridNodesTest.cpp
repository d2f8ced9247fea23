#include "grid/model/GridNodes.h"
#include <gtest/gtest.h>

using Rows = std::vector<int>;

TEST(GridNodes, AddNodeGivesItsRowsALevel)
{
    TGridNodes nodes(6);
    nodes.AddNode(1, 3);
    EXPECT_EQ(nodes.NodeCount(), 1);
    const int levels[] = {0, 1, 1, 1, 0, 0};
    for (int r = 0; r < 6; ++r)
        EXPECT_EQ(nodes.RowLevel(r), levels[r]) << r;
    EXPECT_EQ(nodes.GetNodeLevel(1), 1);
    EXPECT_EQ(nodes.GetNodeLevel(2), -1);
    EXPECT_EQ(nodes.GetNodeSpan(1), 3);
    EXPECT_EQ(nodes.GetNodeSpan(2), -1);
    EXPECT_EQ(nodes.GetSubNodeCount(2), 0);
    EXPECT_FALSE(nodes.GetNodeState(2));
}

TEST(GridNodes, ContractHidesTheChildrenAndExpandShowsThem)
{
    TGridNodes nodes(6);
    nodes.AddNode(1, 3);
    EXPECT_TRUE(nodes.ExpandNode(1).Show.empty());   // already expanded
    EXPECT_EQ(nodes.ContractNode(1).Hide, (Rows{2, 3}));
    EXPECT_TRUE(nodes.GetNodeState(1));
    EXPECT_TRUE(nodes.IsHiddenByNode(3));
    EXPECT_FALSE(nodes.IsHiddenByNode(4));
    EXPECT_TRUE(nodes.ContractNode(1).Hide.empty());  // already contracted
    EXPECT_EQ(nodes.ExpandNode(1).Show, (Rows{2, 3}));
    EXPECT_FALSE(nodes.GetNodeState(1));
}

TEST(GridNodes, ContractingAroundAContractedNodeTakesItsRowsOver)
{
    TGridNodes nodes(7);
    nodes.AddNode(1, 5);
    nodes.AddNode(2, 2);
    EXPECT_EQ(nodes.RowLevel(3), 2);
    EXPECT_EQ(nodes.GetNodeLevel(2), 2);
    EXPECT_EQ(nodes.ContractNode(2).Hide, (Rows{3}));
    EXPECT_EQ(nodes.ContractNode(1).Hide, (Rows{2, 4, 5}));
    EXPECT_FALSE(nodes.GetNodeState(2));
    EXPECT_TRUE(nodes.IsHiddenByNode(3));
    EXPECT_TRUE(nodes.ContractNode(2).Hide.empty());    // under a contracted node
    EXPECT_FALSE(nodes.GetNodeState(2));
    EXPECT_EQ(nodes.ExpandNode(1).Show, (Rows{2, 3, 4, 5}));
    EXPECT_FALSE(nodes.IsHiddenByNode(3));
}

TEST(GridNodes, SpanZeroReachesTheNextNode)
{
    TGridNodes nodes(8);
    nodes.AddNode(1, 0);
    nodes.AddNode(4, 2);
    EXPECT_EQ(nodes.NodeEnd(1), 4);
    EXPECT_EQ(nodes.ContractNode(1).Hide, (Rows{2, 3}));
    nodes.AddNode(6, 0);
    EXPECT_EQ(nodes.ContractNode(6).Hide, (Rows{7}));   // the last node reaches the end
}

TEST(GridNodes, ExpandOneContractsTheOthers)
{
    TGridNodes nodes(8);
    nodes.AddNode(1, 2);
    nodes.AddNode(3, 2);
    nodes.AddNode(5, 3);
    nodes.ContractNode(5);
    const TNodeChange change = nodes.ExpandNode(5, true);
    EXPECT_EQ(change.Hide, (Rows{2, 4}));
    EXPECT_EQ(change.Show, (Rows{6, 7}));
    EXPECT_TRUE(nodes.GetNodeState(1));
    EXPECT_TRUE(nodes.GetNodeState(3));
    EXPECT_FALSE(nodes.GetNodeState(5));
}

TEST(GridNodes, ExpandAllAndContractAll)
{
    TGridNodes nodes(9);
    nodes.AddNode(1, 5);
    nodes.AddNode(2, 2);
    nodes.AddNode(6, 3);
    nodes.ContractNode(2);
    const TNodeChange all = nodes.ContractAll();
    EXPECT_EQ(all.Hide, (Rows{2, 4, 5, 7, 8}));   // row 3 was hidden already
    EXPECT_TRUE(all.Show.empty());
    EXPECT_TRUE(nodes.GetNodeState(1));
    EXPECT_FALSE(nodes.GetNodeState(2));            // nested nodes stay expanded
    EXPECT_TRUE(nodes.GetNodeState(6));
    EXPECT_EQ(nodes.ExpandAll().Show, (Rows{2, 3, 4, 5, 7, 8}));
}

TEST(GridNodes, ParentRow)
{
    TGridNodes nodes(9);
    nodes.AddNode(1, 5);
    nodes.AddNode(2, 2);
    struct Case { int row, parent; };
    const Case cases[] = {{0, -1}, {1, 1}, {2, 1}, {3, 2}, {4, 1}, {5, 1}, {6, -1}};
    for (const Case& c : cases)
        EXPECT_EQ(nodes.GetParentRow(c.row), c.parent) << c.row;
    EXPECT_EQ(TGridNodes(3).GetParentRow(1), -1);
}

TEST(GridNodes, PlainRowsMoveNodesAlong)
{
    TGridNodes nodes(8);
    nodes.AddNode(2, 2);
    nodes.MarkSummaryRow(4);
    nodes.AddNode(5, 2);
    nodes.InsertRows(0, 2);
    EXPECT_EQ(nodes.NodeRows(), (Rows{4, 7}));
    EXPECT_TRUE(nodes.IsSummary(6));
    EXPECT_EQ(nodes.RowLevel(5), 1);
    EXPECT_EQ(nodes.RowLevel(2), 0);
    nodes.RemoveRows(3, 2);   // takes the first node row along
    EXPECT_EQ(nodes.NodeRows(), (Rows{5}));
    EXPECT_TRUE(nodes.IsSummary(4));
    EXPECT_EQ(nodes.RowCount(), 8);
    EXPECT_EQ(nodes.RowLevel(5), 1);
    nodes.RemoveRows(7, 5);   // clipped at the end
    EXPECT_EQ(nodes.RowCount(), 7);
    EXPECT_EQ(nodes.RemoveNode(5).Show, Rows{});
    EXPECT_EQ(nodes.RowLevel(5), 0);
    EXPECT_FALSE(nodes.HasNodes());
}

TEST(GridNodes, RemoveNodeExpandsAndLowersItsRows)
{
    TGridNodes nodes(7);
    nodes.AddNode(1, 5);
    nodes.AddNode(2, 2);
    nodes.ContractNode(1);
    EXPECT_EQ(nodes.RemoveNode(1).Show, (Rows{2, 3, 4, 5}));
    EXPECT_EQ(nodes.RowLevel(3), 1);
    EXPECT_EQ(nodes.RowLevel(4), 0);
    EXPECT_EQ(nodes.GetParentRow(3), 2);
    nodes.ContractNode(2);
    EXPECT_EQ(nodes.RemoveAllNodes().Show, (Rows{3}));
    EXPECT_EQ(nodes.RowLevel(3), 0);
}

TEST(GridNodes, ChildRowsGrowAndShrinkTheParentChain)
{
    TGridNodes nodes(9);
    nodes.AddNode(1, 5);
    nodes.AddNode(2, 2);
    nodes.AddNode(7, 2);
    const TGridNodes::TChildInsert in = nodes.InsertChildRow(3, 1);
    EXPECT_EQ(in.At, 4);
    EXPECT_FALSE(in.MoveNodeRowCells);
    EXPECT_EQ(nodes.GetNodeSpan(2), 3);
    EXPECT_EQ(nodes.GetNodeSpan(1), 6);
    EXPECT_EQ(nodes.GetSubNodeCount(2), 2);   // the direct parent counts each step up
    EXPECT_EQ(nodes.RowLevel(4), 2);
    EXPECT_EQ(nodes.NodeRows(), (Rows{1, 2, 8}));
    EXPECT_EQ(nodes.GetParentRow(4), 2);

    const TNodeChange out = nodes.RemoveChildRow(4);
    EXPECT_TRUE(out.Show.empty());
    EXPECT_EQ(nodes.GetNodeSpan(2), 2);
    EXPECT_EQ(nodes.GetNodeSpan(1), 5);
    EXPECT_EQ(nodes.NodeRows(), (Rows{1, 2, 7}));
    EXPECT_EQ(nodes.RowCount(), 9);
}

TEST(GridNodes, ChildRowAtAContractedNodeRowExpandsIt)
{
    TGridNodes nodes(5);
    nodes.AddNode(1, 3);
    nodes.ContractNode(1);
    const TGridNodes::TChildInsert in = nodes.InsertChildRow(1, 0);
    EXPECT_EQ(in.At, 2);
    EXPECT_TRUE(in.MoveNodeRowCells);
    EXPECT_EQ(in.Change.Show, (Rows{3, 4}));   // the old children, below the new row
    EXPECT_FALSE(nodes.GetNodeState(1));
    EXPECT_EQ(nodes.GetNodeSpan(1), 4);
    EXPECT_EQ(nodes.RowLevel(2), 1);

    nodes.ContractNode(1);
    const TNodeChange out = nodes.RemoveChildRow(2);
    EXPECT_EQ(out.Show, (Rows{2, 3}));
    EXPECT_EQ(nodes.GetNodeSpan(1), 3);
    EXPECT_EQ(nodes.RowCount(), 5);
}
