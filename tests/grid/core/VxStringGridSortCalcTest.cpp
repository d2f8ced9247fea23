#include "grid/core/FloatingFooter.h"
#include "grid/model/GridGrouping.h"
#include "grid/model/GridNodes.h"
#include "grid/core/RowSorter.h"
#include "grid/core/VxGridError.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/CellProperties.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/model/IntList.h"
#include "support/LocaleScope.h"
#include "support/QStringPrinter.h"
#include <gtest/gtest.h>

namespace {
// One fixed row and column 0 as a row label; the data rows as given.
void Fill(TVxStringGrid& g, const std::vector<QStringList>& rows)
{
    g.SetColCount(int(rows[0].size()));
    g.SetRowCount(int(rows.size()) + 1);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            g.SetCells(c, int(r) + 1, rows[r][c]);
}

QStringList Column(TVxStringGrid& g, int c)
{
    QStringList out;
    for (int r = g.FixedRows(); r < g.RowCount(); ++r)
        out << g.Cells(c, r);
    return out;
}
} // namespace

TEST(VxStringGridSort, TwoColumnsWithMixedFormatsMoveWholeRows)
{
    auto locale = DotDecimals();
    TVxStringGrid g;
    g.SetFixedCols(0);
    Fill(g, {{"b", "10", "r1"}, {"a", "9", "r2"}, {"b", "9.5", "r3"}, {"a", "10", "r4"}, {"", "1", "r5"}});
    g.SetColors(2, 3, 0x123456);   // row r3's cell properties travel with it
    g.SetRowHeights(3, 40);
    g.SortIndexes().AddIndex(0, true);
    g.SortIndexes().AddIndex(1, false);   // numbers, descending, inside equal texts
    g.QSortIndexed();
    EXPECT_EQ(Column(g, 2), (QStringList{"r5", "r4", "r2", "r1", "r3"}));
    EXPECT_EQ(g.Colors(2, 5), TColor(0x123456));
    EXPECT_EQ(g.RowHeights(5), 40);
    EXPECT_EQ(g.Colors(2, 3), clNone);

    g.SortIndexes().Clear();
    EXPECT_THROW(g.QSortIndexed(), EVxGridError);
}

TEST(VxStringGridSort, QUnSortRestoresTheOrderBeforeTwoSorts)
{
    auto locale = DotDecimals();
    TVxStringGrid g;
    Fill(g, {{"x", "3", "c"}, {"y", "1", "a"}, {"z", "2", "b"}, {"w", "2", "d"}});
    const QStringList before = Column(g, 0);
    g.Sort(1, TSortDirection::sdAscending);
    EXPECT_EQ(Column(g, 0), (QStringList{"y", "z", "w", "x"}));
    g.Sort(2, TSortDirection::sdDescending);
    EXPECT_EQ(Column(g, 0), (QStringList{"w", "x", "z", "y"}));
    g.QUnSort();
    EXPECT_EQ(Column(g, 0), before);
    for (int r = 0; r < g.RowCount(); ++r)
        EXPECT_EQ(g.SortRowXRef().Items(r), r);
}

TEST(VxStringGridSort, OptionsThatKeepCellsInPlace)
{
    auto locale = DotDecimals();
    TVxStringGrid g;   // one fixed column
    Fill(g, {{"1", "c", "z"}, {"2", "a", "y"}, {"3", "b", "x"}});
    g.SortSettings().SetNormalCellsOnly(true);
    g.Sort(1, TSortDirection::sdAscending);
    EXPECT_EQ(Column(g, 0), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(Column(g, 2), (QStringList{"y", "x", "z"}));

    g.SortSettings().SetSingleColumn(true);
    g.Sort(2, TSortDirection::sdAscending);
    EXPECT_EQ(Column(g, 1), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(Column(g, 2), (QStringList{"x", "y", "z"}));

    g.SortSettings().SetColumn(-1);
    g.SortSettings().SetSingleColumn(false);
    g.QSort();   // no column: nothing moves
    EXPECT_EQ(Column(g, 2), (QStringList{"x", "y", "z"}));
}

TEST(VxStringGridSort, CurrentRowFollowsItsContentsOrStays)
{
    TVxStringGrid g;
    Fill(g, {{"", "c"}, {"", "a"}, {"", "b"}});
    g.SetRow(1);
    std::vector<std::pair<int, int>> updates;
    g.OnRowUpdate = [&](QObject*, int o, int n) { updates.push_back({o, n}); };
    g.Sort(1, TSortDirection::sdAscending);
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(updates, (std::vector<std::pair<int, int>>{{1, 1}}));

    g.Navigation().SetMoveRowOnSort(true);
    g.Sort(1, TSortDirection::sdDescending);   // "a" goes from row 1 to row 3
    EXPECT_EQ(g.Row(), 3);
    EXPECT_EQ(g.Cells(1, g.Row()), "a");
    EXPECT_EQ(updates.size(), 1u);
}

TEST(VxStringGridSort, SettingsTextFormSortsTheGrid)
{
    auto locale = DotDecimals();
    TVxStringGrid g;
    Fill(g, {{"", "2"}, {"", "10"}, {"", "1"}});
    g.SortSettings().LoadFromString("d1");
    EXPECT_EQ(Column(g, 1), (QStringList{"10", "2", "1"}));
    EXPECT_EQ(g.SortSettings().SaveToString(), "d1");
    EXPECT_THROW(g.SortSettings().LoadFromString("x"), std::exception);
    EXPECT_EQ(g.SortSettings().SaveToString(), "d1");
}

TEST(VxStringGridFooter, FooterRowStaysLastThroughSortingAndRowInsertion)
{
    auto locale = DotDecimals();
    TVxStringGrid g;
    Fill(g, {{"", "3"}, {"", "1"}, {"", "2"}, {"", ""}});
    g.FloatingFooter().SetVisible(true);
    EXPECT_EQ(g.FixedFooters(), 1);
    g.FloatingFooter().SetColumnCalc(1, TColumnCalcType::acSUM);
    EXPECT_EQ(g.Cells(1, 4), "6.00");
    g.Sort(1, TSortDirection::sdDescending);
    EXPECT_EQ(Column(g, 1), (QStringList{"3", "2", "1", "6.00"}));

    g.SetRowCount(g.RowCount() + 2);
    EXPECT_EQ(g.Cells(1, g.RowCount() - 1), "6.00");
    EXPECT_EQ(g.Cells(1, g.RowCount() - 2), "");
    EXPECT_EQ(g.FloatingFooter().ColumnCalc(1), TColumnCalcType::acSUM);
    g.SetCells(1, 4, "4");
    g.CalcFooter(-1);
    EXPECT_EQ(g.Cells(1, g.RowCount() - 1), "10.00");

    g.FloatingFooter().SetColumnCalc(1, TColumnCalcType::acCOUNT);
    EXPECT_EQ(g.Cells(1, g.RowCount() - 1), "5");

    g.FloatingFooter().SetFooterStyle(TFooterStyle::fsColumnPreview);
    EXPECT_EQ(g.FixedFooters(), 1);   // only showing or hiding the footer changes it
    g.FloatingFooter().SetVisible(false);
    EXPECT_EQ(g.FixedFooters(), 0);
}

TEST(VxStringGridCalc, AggregatesOnASmallTable)
{
    auto locale = DotDecimals();
    TVxStringGrid g;
    Fill(g, {{"", "1", "5", "a"}, {"", "x", "3", "A"}, {"", "2.5", "x", "b"}, {"", "", "4", ""}});
    EXPECT_DOUBLE_EQ(g.ColumnSum(1, -1, -1), 3.5);
    EXPECT_DOUBLE_EQ(g.ColumnAvg(1, -1, -1), 3.5 / 4);
    EXPECT_DOUBLE_EQ(g.ColumnMin(2, -1, -1), 3);
    EXPECT_DOUBLE_EQ(g.ColumnMax(2, -1, -1), 5);
    EXPECT_THROW(g.ColumnMin(1, 2, 4), EVxGridError);
    EXPECT_THROW(g.ColumnStdDev(1, -1, -1), EVxGridError);
    EXPECT_DOUBLE_EQ(g.ColumnStdDev(2, 1, 2), 1);
    EXPECT_EQ(g.ColumnDistinct(3, -1, -1), 3);
    EXPECT_DOUBLE_EQ(g.RowSum(1, 1, 2), 6);
    EXPECT_DOUBLE_EQ(g.RowMax(3, 1, 3), 2.5);

    // Empty ranges.
    EXPECT_DOUBLE_EQ(g.ColumnSum(1, 3, 2), 0);
    EXPECT_DOUBLE_EQ(g.ColumnAvg(1, 3, 2), 0);
    EXPECT_DOUBLE_EQ(g.ColumnStdDev(1, 3, 2), 0);
    EXPECT_DOUBLE_EQ(g.RowAvg(1, 2, 1), 0);
    EXPECT_DOUBLE_EQ(g.RowMin(1, 2, 1), 5);   // an empty range answers its starting cell

    double seen = -1;
    g.OnColumnCalc = [&](QObject*, int c, int from, int to, double& res) { seen = c; res = from + to; };
    EXPECT_DOUBLE_EQ(g.ColumnCustomCalc(2, 1, 3), 4);
    EXPECT_EQ(seen, 2);
    EXPECT_DOUBLE_EQ(g.DoGroupCalc(2, 1, 3), 0);
}

TEST(VxStringGridCalc, FooterTemplateOverTheCurrentRow)
{
    TVxStringGrid g;
    Fill(g, {{"7", "x", "3.50"}});
    g.SetRow(1);
    EXPECT_EQ(g.ExpandFooterTemplate("ID <#0> costs <#2> EUR"), "ID 7 costs 3.50 EUR");
    EXPECT_EQ(g.ExpandFooterTemplate("a<#9>b<#z>c"), "abc");
    EXPECT_EQ(g.ExpandFooterTemplate("ID <#0> and <#2"), "ID 7 and <#2");
}

struct MoveRowsCase { int from, to, count; const char* order; };
const MoveRowsCase kMoveRows[] = {
    {2, 8, 3, "0,1,5,6,7,2,3,4,8,9"},
    {2, 5, 3, "0,1,5,6,7,2,3,4,8,9"},   // to the row after the block: the shortened grid's row 5
    {6, 1, 2, "0,6,7,1,2,3,4,5,8,9"},
    {3, 3, 2, "0,1,2,3,4,5,6,7,8,9"},
    {3, 1, 0, "0,1,2,3,4,5,6,7,8,9"},
};

TEST(VxStringGridMove, MoveRowsTakesTheBlockOutAndPutsItBack)
{
    for (const auto& c : kMoveRows) {
        SCOPED_TRACE(QStringLiteral("%1 %2 %3").arg(c.from).arg(c.to).arg(c.count).toStdString());
        TVxStringGrid g;
        g.SetRowCount(10);
        for (int r = 0; r < 10; ++r)
            g.SetCells(1, r, QString::number(r));
        g.MoveRows(c.from, c.to, c.count);
        QStringList got;
        for (int r = 0; r < 10; ++r)
            got << g.Cells(1, r);
        EXPECT_EQ(got.join(','), c.order);
    }
}

TEST(VxStringGridMove, ColumnOrderFollowsMovesAndGrouping)
{
    TVxStringGrid g;
    g.SetColCount(6);
    for (int c = 0; c < 6; ++c)
        g.SetCells(c, 0, QStringLiteral("H%1").arg(c));
    EXPECT_EQ(g.ColumnAtPosition(3), 3);   // fills the order on first use

    g.MoveColumn(0, 2);
    EXPECT_EQ(g.Cells(2, 0), "H0");
    EXPECT_EQ(g.ColumnPosition(0), 2);
    EXPECT_EQ(g.ColumnAtPosition(2), 0);
    EXPECT_EQ(g.ColumnByHeader("H0"), 2);
    EXPECT_EQ(g.ColumnByHeader("none"), -1);
    g.MoveColumn(4, 1);
    g.ResetColumnOrder();
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(g.Cells(c, 0), QStringLiteral("H%1").arg(c));

    g.SetGroupColumn(2);
    EXPECT_EQ(g.ColumnPosition(3), 2);
    EXPECT_EQ(g.ColumnAtPosition(2), 3);
    g.SetGroupColumn(-1);
}

TEST(VxStringGridGroup, GroupThenUnGroupGivesTheGridBack)
{
    auto locale = DotDecimals();
    for (bool summary : {false, true}) {
        SCOPED_TRACE(summary);
        TVxStringGrid g;
        Fill(g, {{"", "r1", "A", "1"}, {"", "r2", "A", "2"}, {"", "r3", "B", "3"}, {"", "r4", "C", "4"},
                 {"", "r5", "C", "5"}});
        g.SetCells(2, 0, "Kind");
        g.SetAllColWidths(2, 77);
        g.SetColors(3, 4, 0x00FF00);
        g.Grouping().SetSummary(summary);
        g.Group(2);
        EXPECT_EQ(g.GroupColumn(), 2);
        EXPECT_EQ(g.ColCount(), 3);
        if (!summary) {
            EXPECT_EQ(Column(g, 1), (QStringList{"A", "r1", "r2", "B", "r3", "C", "r4", "r5"}));
            EXPECT_EQ(g.GetNodeSpan(1), 3);
            EXPECT_EQ(g.GetNodeSpan(4), 2);
            EXPECT_EQ(g.GetNodeSpan(6), 3);
            EXPECT_EQ(g.GetParentRow(2), 1);
            g.GroupSum(2);
            EXPECT_EQ(Column(g, 2), (QStringList{"3.00", "1", "2", "3.00", "3", "9.00", "4", "5"}));
            EXPECT_DOUBLE_EQ(g.ColumnSum(2, -1, -1), 15);   // the header rows' totals are left out
        } else {
            EXPECT_EQ(Column(g, 1), (QStringList{"A", "r1", "r2", "", "B", "r3", "", "C", "r4", "r5", ""}));
            EXPECT_TRUE(g.IsSummary(4));
            g.GroupCount(2);
            EXPECT_EQ(g.Cells(2, 4), "2");
            EXPECT_EQ(g.Cells(2, 7), "1");
            EXPECT_EQ(g.Cells(2, 11), "2");
        }
        g.UnGroup();
        EXPECT_EQ(g.GroupColumn(), -1);
        EXPECT_EQ(g.ColCount(), 4);
        EXPECT_EQ(g.RowCount(), 6);
        EXPECT_EQ(Column(g, 1), (QStringList{"r1", "r2", "r3", "r4", "r5"}));
        EXPECT_EQ(Column(g, 2), (QStringList{"A", "A", "B", "C", "C"}));
        EXPECT_EQ(Column(g, 3), (QStringList{"1", "2", "3", "4", "5"}));
        EXPECT_EQ(g.Cells(2, 0), "Kind");
        EXPECT_EQ(g.AllColWidths(2), 77);
        EXPECT_EQ(g.Colors(3, 4), TColor(0x00FF00));
        EXPECT_FALSE(g.Nodes().HasNodes());
    }
}

// A sort on the shown texts must see what the display event makes of a cell, and a sort on the stored texts
// must not; the shown text is read from the store only while nothing rewrites it.
TEST(VxStringGridSort, ShownOrStoredTextsAsTheSettingsSay)
{
    struct TCase {
        bool DisplayEvent;
        bool OnShownTexts;
        QStringList Stored;   // column 0 after the sort
    };
    const TCase cases[] = {
        {false, true, {"1", "2", "3"}},
        {false, false, {"1", "2", "3"}},
        {true, true, {"3", "2", "1"}},   // shown as 7, 8, 9 from the bottom up
        {true, false, {"1", "2", "3"}},
    };
    for (const TCase& c : cases) {
        TVxStringGrid g;
        g.SetFixedCols(0);
        Fill(g, {{"2"}, {"3"}, {"1"}});
        if (c.DisplayEvent)
            g.OnGetDisplText = [](QObject*, int, int ARow, QString& Value) {
                if (ARow > 0)
                    Value = QString::number(10 - Value.toInt());
            };
        g.SortSettings().SetSortOnVirtualCells(c.OnShownTexts);
        g.Sort(0, TSortDirection::sdAscending);
        QStringList stored;
        for (int r = 1; r < g.RowCount(); ++r)
            stored << g.GetGridCell(0, r);
        EXPECT_EQ(stored, c.Stored) << "display event " << c.DisplayEvent << ", shown texts " << c.OnShownTexts;
    }
}
