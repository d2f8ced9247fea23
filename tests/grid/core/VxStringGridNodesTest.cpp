#include "grid/core/FloatingFooter.h"
#include "grid/model/GridNodes.h"
#include "grid/core/GridSettings.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/CellProperties.h"
#include "grid/foundation/GridOptionGroups.h"
#include "support/LocaleScope.h"
#include "grid/paint/ControlLook.h"
#include "support/QStringPrinter.h"
#include <QImage>
#include <gtest/gtest.h>

namespace {
// One fixed row; column 0 empty, column 1 names each data row r1, r2, ..., column 2 holds the given values.
void Fill(TVxStringGrid& g, int DataRows, const QStringList& Values = {})
{
    g.SetColCount(3);
    g.SetRowCount(DataRows + 1);
    for (int r = 1; r <= DataRows; ++r) {
        g.SetCells(1, r, QStringLiteral("r%1").arg(r));
        if (r - 1 < Values.size())
            g.SetCells(2, r, Values[r - 1]);
    }
}

QStringList Column(TVxStringGrid& g, int c)
{
    QStringList out;
    for (int r = g.FixedRows(); r < g.RowCount(); ++r)
        out << g.Cells(c, r);
    return out;
}
} // namespace

TEST(VxStringGridNodes, AddNodeLevelsTheSpanAndLeavesColumnZero)
{
    TVxStringGrid g;
    Fill(g, 5);
    g.SetCol(0);
    g.AddNode(1, 3);
    EXPECT_TRUE(g.HasNodes());
    EXPECT_EQ(g.Col(), 1);
    EXPECT_EQ(g.GetNodeLevel(1), 1);
    EXPECT_EQ(g.GetNodeLevel(2), -1);   // not a node row
    const int indent = g.CellNode().NodeIndent();
    const int indents[] = {0, indent, indent, indent, 0, 0};
    for (int r = 0; r < 6; ++r)
        EXPECT_EQ(g.GetNodeIndent(r), indents[r]) << r;
}

TEST(VxStringGridNodes, ContractHidesTheChildrenAndExpandShowsThemBack)
{
    TVxStringGrid g;
    Fill(g, 5);
    g.AddNode(1, 3);
    g.ContractNode(1);
    EXPECT_TRUE(g.GetNodeState(1));
    EXPECT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.NumHiddenRows(), 2);
    EXPECT_EQ(Column(g, 1), (QStringList{"r1", "r4", "r5"}));
    g.ContractNode(1);   // twice changes nothing
    EXPECT_EQ(g.RowCount(), 4);

    g.SetOptions(g.Options() | TGridOption::goRowSelect);
    g.SetRow(3);
    g.ExpandNode(1);
    EXPECT_FALSE(g.GetNodeState(1));
    EXPECT_EQ(Column(g, 1), (QStringList{"r1", "r2", "r3", "r4", "r5"}));
    EXPECT_EQ(g.NumHiddenRows(), 0);
    EXPECT_EQ(g.Row(), 3);
    EXPECT_TRUE(g.Options().testFlag(TGridOption::goRowSelect));

    g.SetNodeState(1, true);
    EXPECT_EQ(g.RowCount(), 4);
    g.SetNodeState(1, false);
    EXPECT_EQ(g.RowCount(), 6);
}

TEST(VxStringGridNodes, NestedNodesAndExpandOne)
{
    TVxStringGrid g;
    Fill(g, 8);
    g.AddNode(1, 5);
    g.AddNode(2, 2);
    g.ContractNode(2);
    g.ContractNode(1);
    EXPECT_EQ(Column(g, 1), (QStringList{"r1", "r6", "r7", "r8"}));
    g.ExpandNode(1);
    EXPECT_EQ(Column(g, 1), (QStringList{"r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8"}));
    EXPECT_FALSE(g.GetNodeState(2));   // its children came back with the outer node's

    // Real rows: the node at 7 stays at real row 7 while the rows above it are hidden.
    g.AddNode(7, 2);
    g.ContractAll();
    EXPECT_EQ(Column(g, 1), (QStringList{"r1", "r6", "r7"}));
    EXPECT_TRUE(g.GetNodeState(3));
    EXPECT_EQ(g.GetParentRow(3), 3);
    EXPECT_EQ(g.GetParentRow(2), -1);
    g.ExpandAll();
    EXPECT_EQ(g.RowCount(), 9);

    g.CellNode().SetExpandOne(true);
    g.ContractNode(7);
    g.ExpandNode(7);
    EXPECT_TRUE(g.GetNodeState(1));
    EXPECT_FALSE(g.GetNodeState(g.DisplRowIndex(7)));
    EXPECT_EQ(Column(g, 1), (QStringList{"r1", "r6", "r7", "r8"}));
}

TEST(VxStringGridNodes, QueriesOfTheTreeShape)
{
    TVxStringGrid g;
    Fill(g, 6);
    g.AddNode(1, 3);
    EXPECT_EQ(g.GetParentRow(1), 1);
    EXPECT_EQ(g.GetParentRow(3), 1);
    EXPECT_EQ(g.GetParentRow(5), -1);
    EXPECT_EQ(g.GetNodeSpanType(1), 0);
    EXPECT_EQ(g.GetNodeSpanType(2), 2);   // a child followed by a child
    EXPECT_EQ(g.GetNodeSpanType(3), 1);   // the last child
    EXPECT_EQ(g.GetNodeSpanType(6), 1);   // the last row
    g.UpdateNodeSpan(1, 1);
    g.UpdateSubNodeCount(1, 2);
    EXPECT_EQ(g.GetNodeSpan(1), 4);
    EXPECT_EQ(g.GetSubNodeCount(1), 2);
    g.SetNodeSpan(2, 9);   // not a node row
    EXPECT_EQ(g.GetNodeSpan(2), -1);

    g.MouseActions().SetPreciseNodeClick(true);
    g.CellNode().SetNodeType(TNodeType::cnFlat);
    g.CellNode().SetNodeIndent(12);
    for (int x : {5, 10, 15})
        EXPECT_TRUE(g.IsInNodeGlyph(1, x)) << x;
    for (int x : {4, 16})
        EXPECT_FALSE(g.IsInNodeGlyph(1, x)) << x;
    g.MouseActions().SetPreciseNodeClick(false);
    EXPECT_TRUE(g.IsInNodeGlyph(1, 300));
}

TEST(VxStringGridNodes, NodesGoWithTheirRowsThroughInsertionRemovalAndSorting)
{
    auto locale = DotDecimals();
    TVxStringGrid g;
    Fill(g, 6, {"5", "3", "6", "1", "4", "2"});
    g.AddNode(4, 2);
    g.InsertRows(1, 2);
    EXPECT_TRUE(g.IsNode(6));
    EXPECT_EQ(g.GetNodeLevel(6), 1);
    g.RemoveRows(1, 3);
    EXPECT_TRUE(g.IsNode(3));
    EXPECT_EQ(g.Cells(1, 3), "r4");

    g.ContractNode(3);   // r5 hidden; a row removed above it keeps the node on r4
    g.RemoveRows(1, 1);
    EXPECT_EQ(g.Cells(1, 2), "r4");
    EXPECT_TRUE(g.GetNodeState(2));
    g.ExpandNode(g.RealRowIndex(2));
    EXPECT_EQ(Column(g, 1), (QStringList{"r3", "r4", "r5", "r6"}));

    g.Sort(2, TSortDirection::sdAscending);
    EXPECT_EQ(Column(g, 1), (QStringList{"r4", "r6", "r5", "r3"}));
    EXPECT_TRUE(g.IsNode(1));
    EXPECT_FALSE(g.IsNode(2));
}

TEST(VxStringGridNodes, ChildRowsGrowAndShrinkTheirParent)
{
    TVxStringGrid g;
    Fill(g, 5);
    g.AddNode(1, 3);
    g.ContractNode(1);
    g.InsertChildRow(1, 0);   // below the node row, taking its texts
    EXPECT_FALSE(g.GetNodeState(1));
    EXPECT_EQ(g.GetNodeSpan(1), 4);
    EXPECT_EQ(Column(g, 1), (QStringList{"", "r1", "r2", "r3", "r4", "r5"}));
    EXPECT_TRUE(g.IsNode(1));
    EXPECT_EQ(g.GetParentRow(2), 1);

    g.InsertChildRow(3, 1);
    EXPECT_EQ(g.GetNodeSpan(1), 5);
    EXPECT_EQ(g.Cells(1, 4), "");
    EXPECT_EQ(g.GetParentRow(4), 1);

    g.ContractNode(1);
    g.RemoveChildRow(4);
    EXPECT_FALSE(g.GetNodeState(1));
    EXPECT_EQ(g.GetNodeSpan(1), 4);
    EXPECT_EQ(Column(g, 1), (QStringList{"", "r1", "r2", "r3", "r4", "r5"}));

    g.InsertNormalRow(6);
    EXPECT_EQ(g.RowCount(), 8);
    EXPECT_EQ(g.Cells(1, 7), "r5");
    g.RemoveNormalRow(6);
    EXPECT_EQ(g.Cells(1, 6), "r5");
}

TEST(VxStringGridNodes, RemovingNodesShowsTheirRowsOneLevelLower)
{
    TVxStringGrid g;
    Fill(g, 6);
    g.AddNode(1, 4);
    g.AddNode(2, 2);
    g.ContractNode(1);
    g.RemoveNode(1);
    EXPECT_EQ(g.RowCount(), 7);
    EXPECT_EQ(g.GetNodeLevel(2), 1);
    g.ContractNode(2);
    g.RemoveAllNodes();
    EXPECT_FALSE(g.HasNodes());
    EXPECT_EQ(Column(g, 1), (QStringList{"r1", "r2", "r3", "r4", "r5", "r6"}));
}

TEST(VxStringGridNodes, ExpandButtons)
{
    TVxStringGrid g;
    Fill(g, 3);
    EXPECT_EQ(g.GetExpandHeight(1, 1, true), g.DefaultRowHeight());
    EXPECT_EQ(g.GetExpandButtonRect(1, 1), (TRect{0, 0, 0, 0}));
    EXPECT_FALSE(g.ToggleExpand(1, 1));

    g.SetRowHeights(1, 20);
    g.AddExpand(1, 1, 60);
    EXPECT_TRUE(g.HasExpand(1, 1));
    EXPECT_FALSE(g.GetExpandState(1, 1));
    EXPECT_EQ(g.GetExpandHeight(1, 1, true), 60);
    EXPECT_EQ(g.GetExpandHeight(1, 1, false), 20);
    EXPECT_TRUE(g.ToggleExpand(1, 1));
    EXPECT_TRUE(g.GetExpandState(1, 1));
    const TRect cell = g.CellRect(1, 1);
    EXPECT_EQ(g.GetExpandButtonRect(1, 1), (TRect{cell.Right - 13, cell.Top + 2, cell.Right - 2, cell.Top + 13}));
    g.RemoveExpand(1, 1);
    EXPECT_FALSE(g.HasExpand(1, 1));
}

TEST(VxStringGridNodes, GroupCalcOverContractedGroupsAndFooterOverHiddenRows)
{
    auto locale = DotDecimals();
    TVxStringGrid g;
    Fill(g, 5, {"A", "A", "B", "C", "C"});
    g.SetColCount(4);
    for (int r = 1; r <= 5; ++r)
        g.SetCells(3, r, QString::number(r));
    g.Group(2);   // A(1): r1 r2, B(4): r3, C(6): r4 r5
    g.ContractNode(1);
    g.GroupSum(2);
    EXPECT_EQ(g.Cells(2, 1), "");        // the contracted group is passed over
    EXPECT_EQ(g.Cells(2, 2), "3.00");    // B, now on display row 2
    EXPECT_EQ(g.Cells(2, 4), "9.00");    // C
    g.ExpandAll();

    TVxStringGrid f;
    Fill(f, 5, {"1", "2", "3", "4", ""});
    f.FloatingFooter().SetVisible(true);
    f.SetColumnCalc(2, TColumnCalcType::acSUM);
    f.HideRow(2);
    f.CalcFooter(-1);
    EXPECT_EQ(f.Cells(2, f.RowCount() - 1), "10.00");
    f.FloatingFooter().SetCalculateHiddenRows(false);
    f.CalcFooter(-1);
    EXPECT_EQ(f.Cells(2, f.RowCount() - 1), "8.00");
}

TEST(VxStringGridNodes, SubGroupThenSubUnGroup)
{
    auto locale = DotDecimals();
    TVxStringGrid g;
    Fill(g, 4, {"A", "A", "A", "B"});
    g.SetColCount(5);   // column 4 takes the sub-header texts once column 2 is grouped away
    const QStringList sub{"x", "x", "y", "z"};
    for (int r = 1; r <= 4; ++r)
        g.SetCells(3, r, sub[r - 1]);
    g.Group(2);   // column 3 is now column 2
    ASSERT_EQ(Column(g, 1), (QStringList{"A", "r1", "r2", "r3", "B", "r4"}));
    g.SubGroup(2);
    EXPECT_EQ(Column(g, 1), (QStringList{"A", "", "r1", "r2", "", "r3", "B", "", "r4"}));
    EXPECT_EQ(Column(g, 2), (QStringList{"", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(Column(g, 3), (QStringList{"", "x", "", "", "y", "", "", "z", ""}));
    EXPECT_EQ(g.GetNodeSpan(1), 6);
    EXPECT_EQ(g.GetNodeSpan(2), 3);
    EXPECT_EQ(g.GetNodeLevel(2), 2);
    EXPECT_EQ(g.GetNodeSpan(5), 2);
    EXPECT_EQ(g.GetNodeSpan(7), 3);
    EXPECT_EQ(g.GetNodeSpan(8), 2);
    EXPECT_EQ(g.GetParentRow(3), 2);
    g.ContractNode(g.RealRowIndex(2));
    EXPECT_EQ(Column(g, 1), (QStringList{"A", "", "", "r3", "B", "", "r4"}));

    g.SubUnGroup(2);
    EXPECT_EQ(Column(g, 1), (QStringList{"A", "r1", "r2", "r3", "B", "r4"}));
    EXPECT_EQ(Column(g, 2), (QStringList{"", "x", "x", "y", "", "z"}));
    EXPECT_EQ(g.GetNodeSpan(1), 4);
    EXPECT_EQ(g.GetNodeSpan(5), 2);
    EXPECT_EQ(g.GetNodeLevel(1), 1);
}

TEST(VxStringGridMarks, RowFlagsGoWithTheirRowsWhenAsked)
{
    auto locale = DotDecimals();
    TVxStringGrid g;
    Fill(g, 4, {"3", "1", "4", "2"});
    g.MouseActions().SetDisjunctRowSelect(true);
    g.SetRowSelect(1, true);   // "3"
    g.SetRowModified(2, true);  // "1"

    g.Sort(2, TSortDirection::sdAscending);   // neither flag is asked to move
    EXPECT_TRUE(g.GetRowSelect(1));
    EXPECT_TRUE(g.GetRowModified(2));
    g.QUnSort();

    g.Navigation().SetMoveRowOnSort(true);
    g.ShowModified().SetEnabled(true);
    g.Sort(2, TSortDirection::sdAscending);
    EXPECT_EQ(Column(g, 2), (QStringList{"1", "2", "3", "4"}));
    EXPECT_TRUE(g.GetRowSelect(3));
    EXPECT_FALSE(g.GetRowSelect(1));
    EXPECT_TRUE(g.GetRowModified(1));
    EXPECT_FALSE(g.GetRowModified(2));
    EXPECT_EQ(g.SelectedRowList(), std::vector<int>{3});

    g.MoveRow(3, 1);   // a move always takes them along
    EXPECT_EQ(Column(g, 2), (QStringList{"3", "1", "2", "4"}));
    EXPECT_TRUE(g.GetRowSelect(1));
    EXPECT_TRUE(g.GetRowModified(2));
    g.MoveRows(1, 4, 2);
    EXPECT_EQ(Column(g, 2), (QStringList{"2", "3", "1", "4"}));
    EXPECT_TRUE(g.GetRowSelect(2));
    EXPECT_TRUE(g.GetRowModified(3));
}

TEST(VxStringGridMove, RotatedCells)
{
    TVxStringGrid g;
    Fill(g, 2);
    int angle = 7;
    EXPECT_FALSE(g.IsRotated(1, 1, angle));
    EXPECT_EQ(angle, 7);
    g.SetRotated(1, 1, -90);
    EXPECT_TRUE(g.IsRotated(1, 1, angle));
    EXPECT_EQ(angle, 270);
    EXPECT_EQ(g.Cells(1, 1), "r1");   // the text is not touched
    g.AddRotated(2, 2, 45, "tilted");
    EXPECT_EQ(g.Cells(2, 2), "tilted");
    EXPECT_TRUE(g.IsRotated(2, 2, angle));
    EXPECT_EQ(angle, 45);
    g.RemoveRotated(2, 2);
    EXPECT_FALSE(g.IsRotated(2, 2, angle));
    g.AddExpand(2, 1, 40);
    g.RemoveRotated(2, 1);   // another kind stays
    EXPECT_TRUE(g.HasExpand(2, 1));
}

TEST(VxStringGridNodes, ButtonAndTreeLinesInColumnZero)
{
    TVxStringGrid g;
    Fill(g, 4);
    g.AddNode(1, 3);
    g.CellNode().SetNodeIndent(12);
    const auto paint = [&g](int Row) {
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        TCanvas canvas{&image};
        g.PaintNodeGlyph(canvas, Row, TRect{0, 0, 40, 20});
        return image;
    };
    const QColor node = ToQColor(g.CellNode().NodeColor());
    const QColor tree = ToQColor(g.CellNode().TreeColor());
    QImage expanded = paint(1);
    EXPECT_EQ(expanded.pixelColor(4, 6), node);     // the button's frame
    EXPECT_EQ(expanded.pixelColor(6, 10), node);    // minus
    EXPECT_EQ(expanded.pixelColor(8, 8), QColor(Qt::white));
    g.ContractNode(1);
    EXPECT_EQ(paint(1).pixelColor(8, 8), node);     // plus
    g.ExpandNode(1);
    EXPECT_EQ(paint(2).pixelColor(8, 18), tree);    // the line goes on to the next child
    EXPECT_EQ(paint(3).pixelColor(8, 18), QColor(Qt::white));   // and closes at the last
    EXPECT_EQ(paint(3).pixelColor(12, 10), tree);
    EXPECT_EQ(paint(4).pixelColor(8, 10), QColor(Qt::white));   // outside the node
}

TEST(VxStringGridNodes, SortGroupsSortsInsideEachExpandedGroup)
{
    auto locale = DotDecimals();
    TVxStringGrid g;
    Fill(g, 6, {"A", "A", "A", "B", "B", "C"});
    g.SetColCount(4);
    const QStringList values{"3", "1", "2", "9", "4", "7"};
    for (int r = 1; r <= 6; ++r)
        g.SetCells(3, r, values[r - 1]);
    g.SortSettings().SetAutoSortForGrouping(false);
    g.Group(2);   // A: r1 r2 r3, B: r4 r5, C: r6
    g.ContractNode(g.RealRowIndex(5));   // B stays as it is
    g.SortSettings().SetColumn(2);
    g.QSortGroup();
    EXPECT_EQ(Column(g, 2), (QStringList{"", "1", "2", "3", "", "", "7"}));
    g.ExpandAll();
    EXPECT_EQ(Column(g, 1), (QStringList{"A", "r2", "r3", "r1", "B", "r4", "r5", "C", "r6"}));
}

// The grouped column goes and comes back by its real index: a hidden column before it stays hidden with its width,
// and every row gets its value back.
TEST(VxStringGridNodes, GroupAndUnGroupWithAHiddenColumn)
{
    TVxStringGrid g;
    g.SetColCount(5);
    g.SetRowCount(5);
    const QStringList kinds{"A", "B", "A", "C"};
    for (int r = 1; r <= 4; ++r) {
        g.SetCells(1, r, QStringLiteral("h%1").arg(r));
        g.SetCells(2, r, QStringLiteral("r%1").arg(r));
        g.SetCells(3, r, kinds[r - 1]);
    }
    g.SetCells(3, 0, "Kind");
    for (int c = 0; c < 5; ++c)
        g.SetColWidths(c, 40 + c);
    g.SortSettings().SetAutoSortForGrouping(false);
    g.HideColumn(1);
    g.Group(3);
    EXPECT_EQ(g.AllColCount(), 4);
    EXPECT_TRUE(g.IsHiddenColumn(1));
    g.UnGroup();
    ASSERT_EQ(g.AllColCount(), 5);
    EXPECT_TRUE(g.IsHiddenColumn(1));
    EXPECT_EQ(g.AllColWidths(1), 41);
    EXPECT_EQ(g.AllColWidths(3), 43);
    EXPECT_EQ(g.AllCells(3, 0), "Kind");
    QStringList rows;
    for (int r = 1; r < g.RowCount(); ++r)
        rows << g.AllCells(1, r) + g.AllCells(2, r) + g.AllCells(3, r);
    EXPECT_EQ(rows, (QStringList{"h1r1A", "h2r2B", "h3r3A", "h4r4C"}));
}
