#include "grid/core/VxGridError.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/model/IntList.h"
#include "support/QStringPrinter.h"
#include <gtest/gtest.h>

namespace {

// A grid of 6 real columns and 10 rows whose every cell says its row: "r<row>", so a row that travels
// whole keeps one label across all its storage columns, hidden ones included.
struct LabelledGrid {
    TVxStringGrid g;
    explicit LabelledGrid(int rows = 10)
    {
        g.SetColCount(6);
        g.SetRowCount(rows);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < 6; ++c)
                g.SetCells(c, r, QStringLiteral("r%1").arg(r));
    }
    // The label of each display row, or "mixed" when the storage columns disagree.
    QStringList Rows()
    {
        QStringList out;
        for (int r = 0; r < g.RowCount(); ++r) {
            QString label = g.Cells(0, r);
            for (int c = 1; c < g.AllColCount(); ++c)
                if (g.Cells(c, r) != label)
                    label = "mixed";
            out << (label.isEmpty() ? "-" : label);
        }
        return out;
    }
};

QStringList Labels(std::initializer_list<int> rows)
{
    QStringList out;
    for (int r : rows)
        out << (r < 0 ? QStringLiteral("-") : QStringLiteral("r%1").arg(r));
    return out;
}

} // namespace

TEST(GridIndexMapping, HiddenColumnsAsATable)
{
    TVxStringGrid g;
    g.SetColCount(6);
    g.HideColumn(1);
    g.HideColumn(3);
    ASSERT_EQ(g.ColCount(), 4);
    const std::pair<int, int> displayToReal[] = {{0, 0}, {1, 2}, {2, 4}, {3, 5}, {7, 0}, {600, 600}};
    for (auto [d, r] : displayToReal)
        EXPECT_EQ(g.RealColIndex(d), r) << d;
    const std::pair<int, int> realToDisplay[] = {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}, {5, 3}, {700, 700}};
    for (auto [r, d] : realToDisplay)
        EXPECT_EQ(g.DisplColIndex(r), d) << r;
    EXPECT_FALSE(g.IsHiddenColumn(512));
    g.HideColumn(512);
    EXPECT_EQ(g.NumHiddenColumns(), 2);
    EXPECT_EQ(g.TotalColCount(), 6);
}

TEST(GridIndexMapping, ColumnWidthComesBackAndTheLastShownColumnStays)
{
    TVxStringGrid g;
    g.SetColCount(3);
    g.SetColWidths(1, 33);
    g.HideColumn(1);
    EXPECT_EQ(g.ColWidths(1), g.DefaultColWidth());
    g.UnHideColumn(1);
    EXPECT_EQ(g.ColWidths(1), 33);
    g.HideColumns(0, 2);
    EXPECT_EQ(g.ColCount(), 1);   // the last shown column is never hidden
    g.UnHideColumnsAll();
    EXPECT_EQ(g.ColCount(), 3);
}

TEST(GridIndexMapping, HiddenRowsAndColumnsTogether)
{
    LabelledGrid t(12);
    TVxStringGrid& g = t.g;
    g.HideColumn(2);
    g.HideRows(2, 3);
    g.HideRow(9);
    ASSERT_EQ(g.RowCount(), 9);
    ASSERT_EQ(g.NumHiddenRows(), 3);
    EXPECT_EQ(g.TotalRowCount(), 12);
    const std::pair<int, int> displayToReal[] = {{0, 0}, {1, 1}, {2, 4}, {6, 8}, {7, 10}, {8, 11}, {-1, -1}};
    for (auto [d, r] : displayToReal) {
        EXPECT_EQ(g.RealRowIndex(d), r) << d;
        if (d >= 0) {
            EXPECT_EQ(g.Cells(0, d), QStringLiteral("r%1").arg(r)) << d;
        }
    }
    const std::pair<int, int> realToDisplay[] = {{1, 1}, {2, 2}, {3, 2}, {4, 2}, {8, 6}, {9, 7}, {10, 7}, {11, 8}};
    for (auto [r, d] : realToDisplay)
        EXPECT_EQ(g.DisplRowIndex(r), d) << r;
    EXPECT_TRUE(g.IsHiddenRow(3));
    EXPECT_FALSE(g.IsHiddenRow(4));
    EXPECT_EQ(t.Rows(), Labels({0, 1, 4, 5, 6, 7, 8, 10, 11}));
    g.UnHideRowsAll();
    EXPECT_EQ(g.NumHiddenRows(), 0);
    EXPECT_EQ(t.Rows(), Labels({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));   // hidden column cells came back too
}

TEST(GridIndexMapping, HidingARangeWithAHiddenRowInside)
{
    LabelledGrid t;
    TVxStringGrid& g = t.g;
    g.SetRowHeights(5, 40);
    g.HideRow(6);
    g.HideRows(5, 7);
    EXPECT_EQ(g.RowCount(), 7);
    EXPECT_EQ(t.Rows(), Labels({0, 1, 2, 3, 4, 8, 9}));
    g.HideRows(5, 7);   // already hidden
    EXPECT_EQ(g.RowCount(), 7);
    g.UnHideRow(5);
    EXPECT_EQ(t.Rows(), Labels({0, 1, 2, 3, 4, 5, 8, 9}));
    EXPECT_EQ(g.RowHeights(5), 40);
    g.UnHideRows(6, 7);
    EXPECT_EQ(t.Rows(), Labels({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(GridIndexMapping, FilterLevelsLiftWithoutShowingRowsHiddenOtherwise)
{
    LabelledGrid t;
    TVxStringGrid& g = t.g;
    g.HideRow(2);
    TIntList level(0, 0);
    level.Add(2);   // display rows: r3 and r5
    level.Add(4);
    g.HideRowList(level);
    EXPECT_EQ(g.FilterLevel(), 1);
    EXPECT_EQ(t.Rows(), Labels({0, 1, 4, 6, 7, 8, 9}));
    g.UnHideRowList();
    EXPECT_EQ(g.FilterLevel(), 0);
    EXPECT_EQ(t.Rows(), Labels({0, 1, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_TRUE(g.IsHiddenRow(2));
}

// Each operation that moves rows moves every storage column with them, hidden columns included.
TEST(GridRowOperations, EveryOperationCarriesTheHiddenColumn)
{
    struct Case {
        const char* name;
        std::function<void(TVxStringGrid&)> op;
        QStringList expected;
    };
    const Case cases[] = {
        {"InsertRows", [](TVxStringGrid& g) { g.InsertRows(2, 2); }, Labels({0, 1, -1, -1, 2, 3, 4, 5})},
        {"AddRow", [](TVxStringGrid& g) { g.AddRow(); }, Labels({0, 1, 2, 3, 4, 5, -1})},
        {"RemoveRows", [](TVxStringGrid& g) { g.RemoveRows(1, 2); }, Labels({0, 3, 4, 5})},
        {"RemoveRowsDirect", [](TVxStringGrid& g) { g.RemoveRowsDirect(4, 1); }, Labels({0, 1, 2, 3, 5})},
        {"RemoveRowsEx", [](TVxStringGrid& g) { g.RemoveRowsEx(0, 1); }, Labels({1, 2, 3, 4, 5})},
        {"SwapRows", [](TVxStringGrid& g) { g.SwapRows(1, 4); }, Labels({0, 4, 2, 3, 1, 5})},
        {"DeleteRowsCore", [](TVxStringGrid& g) { g.DeleteRowsCore(5, 9, false); }, Labels({0, 1, 2, 3, 4})},
    };
    for (const Case& c : cases) {
        LabelledGrid t(6);
        t.g.HideColumn(4);
        t.g.HideColumn(1);
        c.op(t.g);
        EXPECT_EQ(t.Rows(), c.expected) << c.name;
        t.g.UnHideColumnsAll();
        EXPECT_EQ(t.Rows(), c.expected) << c.name << " shown again";
    }
}

TEST(GridRowOperations, RemovingAtRowCountKeepsTheLastRow)
{
    LabelledGrid t(5);
    t.g.RemoveRows(5, 1);
    t.g.RemoveRows(2, 0);
    EXPECT_EQ(t.Rows(), Labels({0, 1, 2, 3, 4}));
    t.g.RemoveRows(3, 10);   // the count is cut at the end
    EXPECT_EQ(t.Rows(), Labels({0, 1, 2}));
}

TEST(GridRowOperations, InsertAndRemoveKeepHiddenRowsInPlace)
{
    LabelledGrid t;
    TVxStringGrid& g = t.g;
    g.HideRow(6);
    g.InsertRows(2, 1);   // before r2
    EXPECT_TRUE(g.IsHiddenRow(7));
    g.RemoveRowsEx(1, 3);   // "-" r1 r2... removes r1, -, r2
    EXPECT_TRUE(g.IsHiddenRow(4));
    g.RemoveRows(4, 1);   // display 4 = r7
    g.UnHideRowsAll();
    EXPECT_EQ(t.Rows(), Labels({0, 3, 4, 5, 6, 8, 9}));
}

TEST(GridRowOperations, FlagsFollowInsertedAndRemovedRows)
{
    LabelledGrid t;
    TVxStringGrid& g = t.g;
    g.SetRowModified(5, true);
    g.SetRowEnabled(6, false);
    g.InsertRows(2, 2);
    EXPECT_TRUE(g.GetRowModified(7));
    EXPECT_FALSE(g.GetRowEnabled(8));
    EXPECT_TRUE(g.GetRowEnabled(6));
    g.RemoveRows(1, 3);
    EXPECT_TRUE(g.GetRowModified(4));
    EXPECT_FALSE(g.GetRowEnabled(5));
    EXPECT_EQ(g.ModifiedRowCount(), 1);
}

TEST(GridRowOperations, RemoveDuplicatesHonoursCase)
{
    for (bool doCase : {false, true}) {
        TVxStringGrid g;
        g.SetRowCount(5);
        const char* texts[] = {"abc", "ABC", "abc", "x"};
        for (int i = 0; i < 4; ++i)
            g.SetCells(1, i + 1, texts[i]);
        g.RemoveDuplicates(1, doCase);
        QStringList left;
        for (int r = 1; r < g.RowCount(); ++r)
            left << g.Cells(1, r);
        EXPECT_EQ(left, doCase ? QStringList({"abc", "ABC", "x"}) : QStringList({"abc", "x"})) << doCase;
    }
}

TEST(GridColumnOperations, DisplayColumnsAreMappedToStorage)
{
    auto make = [](TVxStringGrid& g) {
        g.SetColCount(6);
        for (int c = 0; c < 6; ++c)
            g.SetCells(c, 1, QStringLiteral("c%1").arg(c));
        g.HideColumn(1);
    };
    auto shown = [](TVxStringGrid& g) {
        QStringList out;
        for (int d = 0; d < g.ColCount(); ++d)
            out << g.Cells(g.RealColIndex(d), 1);
        return out;
    };
    {
        TVxStringGrid g;
        make(g);
        g.MergeCols(1, 2, "+");   // display 1 and 2: c2 and c3
        EXPECT_EQ(shown(g), QStringList({"c0", "c2+c3", "c4", "c5"}));
        EXPECT_TRUE(g.IsHiddenColumn(1));
        EXPECT_EQ(g.Cells(1, 1), "c1");
    }
    {
        TVxStringGrid g;
        make(g);
        g.SetSelection({2, 1, 3, 1});   // display: c3 c4
        g.RemoveUnSelectedCols();   // c5 and c2 go; the hidden c1 stays
        EXPECT_EQ(shown(g), QStringList({"c0", "c3", "c4"}));
        EXPECT_EQ(g.NumHiddenColumns(), 1);
        g.UnHideColumnsAll();
        EXPECT_EQ(shown(g), QStringList({"c0", "c1", "c3", "c4"}));
    }
    {
        TVxStringGrid g;
        make(g);
        g.SetSelection({1, 1, 2, 1});
        g.RemoveSelectedCols();
        EXPECT_EQ(shown(g), QStringList({"c0", "c4", "c5"}));
    }
    {
        TVxStringGrid g;
        make(g);
        g.SetSelection({1, 1, 1, 1});
        g.ClearSelection();
        EXPECT_EQ(shown(g), QStringList({"c0", "", "c3", "c4", "c5"}));
        EXPECT_EQ(g.Cells(1, 1), "c1");
    }
    {
        TVxStringGrid g;
        make(g);
        g.SwapColumns(0, 5);
        g.InsertCols(2, 1);
        EXPECT_EQ(shown(g), QStringList({"c5", "", "c2", "c3", "c4", "c0"}));
        EXPECT_TRUE(g.IsHiddenColumn(1));
    }
}

TEST(GridSelectionFlags, RangeChecksAndEvents)
{
    TVxStringGrid g;
    try {
        g.GetRowSelect(10);
        FAIL() << "no error";
    } catch (const EVxGridError& e) {
        EXPECT_STREQ(e.what(), "Invalid row 10 accessed");
    }
    EXPECT_THROW(g.GetRowSelect(-1), EVxGridError);
    EXPECT_THROW(g.GetColSelect(g.ColCount()), EVxGridError);
    EXPECT_THROW(g.SetRowSelect(-1, true), EVxGridError);
    g.MouseActions().SetRowSelectPersistent(true);
    EXPECT_FALSE(g.GetRowSelect(-1));
    EXPECT_FALSE(g.GetRowSelect(10));

    g.MouseActions().SetDisjunctRowSelect(true);
    int asked = 0, told = 0;
    bool allow = true;
    g.OnRowDisjunctSelect = [&](QObject*, int, bool, bool& Allow) { ++asked; Allow = allow; };
    g.OnRowDisjunctSelected = [&](QObject*, int) { ++told; };
    g.SetRowSelect(3, true);
    g.SetRowSelect(3, true);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(told, 2);
    EXPECT_EQ(g.SelectedRowList(), std::vector<int>{3});
    allow = false;
    g.SetRowSelect(4, true);
    EXPECT_FALSE(g.GetRowSelect(4));
    EXPECT_EQ(told, 2);
    EXPECT_EQ(g.GetRowSelectCount(), 1);
    g.ClearRowSelect();
    EXPECT_TRUE(g.SelectedRowList().empty());
}

TEST(GridSelectionFlags, SelectRowsAndEnabledRows)
{
    TVxStringGrid g;
    g.SetRowCount(6);
    g.SelectRows(5, 3);
    EXPECT_EQ(g.Selection(), (TGridRect{1, 5, 4, 5}));
    g.SetRow(3);
    g.SetRowEnabled(3, false);
    EXPECT_EQ(g.Row(), 1);
    EXPECT_FALSE(g.GetRowEnabled(3));
    EXPECT_TRUE(g.GetRowEnabled(4));
}

TEST(GridSelectionFlags, RemoveAndHideSelectedRows)
{
    LabelledGrid t;
    TVxStringGrid& g = t.g;
    g.MouseActions().SetDisjunctRowSelect(true);
    g.SetRowSelect(2, true);
    g.SetRowSelect(5, true);
    g.RemoveSelectedRows();
    EXPECT_EQ(t.Rows(), Labels({0, 1, 3, 4, 6, 7, 8, 9}));
    g.SetRowSelect(3, true);   // r4
    g.HideSelectedRows();
    EXPECT_EQ(t.Rows(), Labels({0, 1, 3, 6, 7, 8, 9}));
    EXPECT_TRUE(g.IsHiddenRow(3));
}

TEST(GridClearing, MergeSplitNumberAndTests)
{
    TVxStringGrid g;
    g.SetRowCount(6);
    const char* texts[] = {"A", "A", "B", "B", "B"};
    for (int i = 0; i < 5; ++i)
        g.SetCells(1, i + 1, texts[i]);
    g.MergeColumnCells(1, true);
    EXPECT_EQ(g.CellSpan(1, 1), (TPoint{0, 1}));
    EXPECT_EQ(g.CellSpan(1, 3), (TPoint{0, 2}));
    g.SplitColumnCells(1);
    EXPECT_FALSE(g.IsMergedCell(1, 1));
    EXPECT_FALSE(g.IsMergedCell(1, 3));

    g.AutoNumberStart = 1;
    g.AutoNumberCol(2);
    EXPECT_EQ(QStringList({g.Cells(2, 1), g.Cells(2, 2), g.Cells(2, 5)}), QStringList({"", "2", "5"}));
    g.ClearCols(2, 1);
    g.AutoNumberDirection = TSortDirection::sdDescending;
    g.AutoNumberCol(2);
    EXPECT_EQ(QStringList({g.Cells(2, 4), g.Cells(2, 1), g.Cells(2, 5)}), QStringList({"2", "5", ""}));

    int c = -1, r = -1;
    EXPECT_TRUE(g.IsCell("B", c, r));
    EXPECT_EQ((TPoint{c, r}), (TPoint{1, 3}));
    EXPECT_FALSE(g.IsCell("nope", c, r));

    g.SetCells(3, 1, "12x4");
    EXPECT_DOUBLE_EQ(g.CellToReal(3, 1), 12);
    EXPECT_DOUBLE_EQ(g.CellToReal(3, 2), 0);
    g.SetCells(3, 3, "  a b \t");
    g.TrimColumn(3);
    EXPECT_EQ(g.Cells(3, 3), "a b");
}

// A hidden column's remembered width belongs to its real column: inserting or removing columns before it moves
// the width with it, so showing it again brings back its width.
TEST(VxStringGridRows, HiddenColumnKeepsItsWidthAcrossInsertAndRemove)
{
    LabelledGrid lg;
    TVxStringGrid& g = lg.g;
    for (int c = 0; c < 6; ++c)
        g.SetColWidths(c, 50 + c);
    g.HideColumn(3);
    g.InsertCols(1, 2);
    EXPECT_TRUE(g.IsHiddenColumn(5));
    EXPECT_EQ(g.AllColWidths(5), 53);
    EXPECT_EQ(g.ColWidths(g.DisplColIndex(6)), 54) << "a shown column after the insert keeps its width";
    g.RemoveCols(0, 1);
    EXPECT_EQ(g.AllColWidths(4), 53);
    g.UnHideColumn(4);
    EXPECT_EQ(g.ColWidths(4), 53);
    EXPECT_EQ(g.Cells(4, 2), "r2");
}

// Past the table of hidden widths a column is never hidden: its width is simply its display width.
TEST(VxStringGridRows, ColumnWidthPastTheHiddenTable)
{
    TVxStringGrid g;
    g.SetColCount(600);
    EXPECT_NO_THROW(g.SetAllColWidths(550, 33));
    EXPECT_EQ(g.ColWidths(550), 33);
    EXPECT_EQ(g.AllColWidths(550), 33);
}
