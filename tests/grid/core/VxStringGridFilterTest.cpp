#include "grid/model/RowFilter.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/VxColumnGrid.h"
#include "grid/core/VxStringGrid.h"
#include "support/QStringPrinter.h"
#include <gtest/gtest.h>

namespace {
// Column 1 holds 1..n, column 2 a tag per row, so a row that comes back in the wrong place shows.
struct NumberGrid {
    TVxStringGrid g;
    explicit NumberGrid(int n)
    {
        g.SetColCount(3);
        g.SetRowCount(n + 1);
        g.SetFixedRows(1);
        g.SetFixedCols(1);
        for (int r = 1; r <= n; ++r) {
            g.SetCells(1, r, QString::number(r));
            g.SetCells(2, r, QStringLiteral("t%1").arg(r));
        }
    }
    QStringList Shown(int c)
    {
        QStringList out;
        for (int r = g.FixedRows(); r < g.RowCount(); ++r)
            out << g.Cells(c, r);
        return out;
    }
    static QStringList Range(int from, int to, const char* prefix = "")
    {
        QStringList out;
        for (int i = from; i <= to; ++i)
            out << QLatin1String(prefix) + QString::number(i);
        return out;
    }
    void AddCondition(const char* condition)
    {
        TFilterData* item = g.Filter().Add();
        item->Column = 1;
        item->Condition = QLatin1String(condition);
    }
};
} // namespace

TEST(VxStringGridFilter, LevelsStackAndComeOffOneByOneInTheirOrder)
{
    NumberGrid t(8);
    t.AddCondition(">2");
    t.g.ApplyFilter();
    t.g.Filter().Clear();
    t.AddCondition("<7");
    t.g.ApplyFilter();
    EXPECT_EQ(t.g.FilterLevel(), 2);
    EXPECT_EQ(t.Shown(1), NumberGrid::Range(3, 6));
    EXPECT_EQ(t.Shown(2), NumberGrid::Range(3, 6, "t"));

    t.g.RemoveLastFilter();
    EXPECT_EQ(t.Shown(1), NumberGrid::Range(3, 8));
    EXPECT_EQ(t.Shown(2), NumberGrid::Range(3, 8, "t"));
    t.g.RemoveLastFilter();
    EXPECT_EQ(t.g.FilterLevel(), 0);
    EXPECT_EQ(t.Shown(1), NumberGrid::Range(1, 8));
    EXPECT_EQ(t.Shown(2), NumberGrid::Range(1, 8, "t"));
    EXPECT_FALSE(t.g.RemoveLastFilter());
}

TEST(VxStringGridFilter, FilterActiveRejectingEveryRowHidesTheSelectionAndComesBack)
{
    NumberGrid t(4);
    t.AddCondition(">9");
    t.g.SetFilterActive(true);
    EXPECT_EQ(t.g.RowCount(), 1);
    EXPECT_TRUE(t.g.SelectionHidden());
    t.g.SetFilterActive(false);
    EXPECT_EQ(t.g.RowCount(), 5);
    EXPECT_EQ(t.g.FixedRows(), 1);
    EXPECT_FALSE(t.g.SelectionHidden());
    EXPECT_EQ(t.Shown(2), NumberGrid::Range(1, 4, "t"));
}

TEST(VxStringGridFilter, NarrowDownStacksWidensAndRebuilds)
{
    const QStringList words{"abc", "abd", "axe", "xab", "b"};
    NumberGrid t(int(words.size()));
    for (int i = 0; i < words.size(); ++i)
        t.g.SetCells(1, i + 1, words[i]);

    t.g.NarrowDown("a", 1);
    t.g.NarrowDown("ab", 1);
    t.g.NarrowDown("abc", 1);
    EXPECT_EQ(t.g.FilterLevel(), 3);
    EXPECT_EQ(t.Shown(1), QStringList{"abc"});
    t.g.NarrowDown("ab", 1);
    EXPECT_EQ(t.g.FilterLevel(), 2);
    EXPECT_EQ(t.Shown(1), (QStringList{"abc", "abd", "xab"}));
    t.g.NarrowDown("x", 1);
    EXPECT_EQ(t.g.FilterLevel(), 1);
    EXPECT_EQ(t.Shown(1), (QStringList{"axe", "xab"}));
    t.g.NarrowDown("", 1);
    EXPECT_EQ(t.g.FilterLevel(), 0);
    EXPECT_EQ(t.Shown(1), words);
}

TEST(VxStringGridFilter, ChoosingTheClearEntryRemovesTheColumnCondition)
{
    NumberGrid t(3);
    t.g.SetFilterDropDownAuto(true);
    t.g.SetFilterCol(1);
    t.g.FilterSelected(1);   // "(All)" first, then the sorted values
    EXPECT_EQ(t.g.Filter().Count(), 1);
    EXPECT_EQ(t.Shown(1), QStringList{"1"});
    EXPECT_EQ(t.g.FilterCol(), -1);

    t.g.SetFilterCol(1);
    t.g.FilterSelected(0);
    EXPECT_FALSE(t.g.Filter().HasFilter(1));
    EXPECT_EQ(t.Shown(1), NumberGrid::Range(1, 3));
}

TEST(VxStringGridFilter, NarrowingToNothingKeepsRowsHiddenOtherwise)
{
    NumberGrid t(6);
    t.g.HideRow(2);   // real row 2 holds 2
    t.g.NarrowDown("1", 1);
    t.g.NarrowDown("", 1);
    EXPECT_EQ(t.g.FilterLevel(), 0);
    EXPECT_TRUE(t.g.IsHiddenRow(2));
    EXPECT_EQ(t.Shown(1), (QStringList{"1", "3", "4", "5", "6"}));
    EXPECT_EQ(t.Shown(2), (QStringList{"t1", "t3", "t4", "t5", "t6"}));
}

TEST(VxStringGridFilter, ConditionsJoinByTheirOperations)
{
    struct Case {
        TFilterOperation second;
        QStringList shown;
    };
    const Case cases[] = {
        {TFilterOperation::foAND, {"2"}},
        {TFilterOperation::foOR, {"1", "2", "3", "4"}},
        {TFilterOperation::foXOR, {"1", "3", "4"}},
    };
    for (const Case& c : cases) {
        NumberGrid t(5);
        t.AddCondition("<3");             // 1, 2
        TFilterData* tag = t.g.Filter().Add();
        tag->Column = 2;
        tag->Condition = "t2|t3|t4";      // 2, 3, 4 (an or-term of the condition language)
        tag->Operation = c.second;
        t.g.ApplyFilter();
        EXPECT_EQ(t.Shown(1), c.shown) << int(c.second);
    }
}

TEST(VxStringGridFilter, ColumnGridEntryNamesTheHeaderAndFilters)
{
    TVxColumnGrid g;
    g.SetColCount(2);
    g.SetRowCount(5);
    g.SetFixedRows(1);
    for (int r = 1; r < 5; ++r)
        g.SetCells(1, r, QString::number(r * 50));
    TGridColumnItem* item = g.Columns().GetItem(1);
    item->SetFilter({"High=>100", "50"});
    item->SetFilterCaseSensitive(true);
    g.SetAutoFilterDisplay(true);
    g.SetFilterCol(1);
    g.FilterSelected(0);
    EXPECT_EQ(item->Header(), "High");
    EXPECT_EQ(g.Filter().GetColFilter(1)->Condition, ">100");
    EXPECT_TRUE(g.Filter().GetColFilter(1)->CaseSensitive);
    EXPECT_EQ(g.RowCount(), 3);   // 150 and 200 left
    EXPECT_EQ(g.FilterCol(), -1);

    g.SetFilterCol(1);
    g.FilterSelected(1);   // no "=": the whole entry is name and condition
    EXPECT_EQ(item->Header(), "50");
    EXPECT_EQ(g.Filter().GetColFilter(1)->Condition, "50");
}

// Once a user filters a table, the real-row accessors still read and write the row asked for, shown or filtered out.
TEST(VxStringGridFilter, RealRowAccessorsReadAndWriteTheRealRowWhenFiltered)
{
    NumberGrid t(6);
    t.AddCondition(">3");
    t.g.ApplyFilter();   // rows 1..3 go, 4..6 show at display rows 1..3
    ASSERT_EQ(t.Shown(1), NumberGrid::Range(4, 6));
    EXPECT_EQ(t.g.AllCells(2, 5), "t5");
    EXPECT_EQ(t.g.AllCells(2, 2), "t2") << "a filtered-out row answers its own text";
    EXPECT_EQ(t.g.GetAllInts(1, 6), 6);
    EXPECT_EQ(t.g.GetAllFloats(1, 4), 4.0);
    t.g.SetAllCells(2, 5, "five");
    t.g.SetAllCells(2, 1, "one");
    EXPECT_EQ(t.g.Cells(2, 2), "five");

    t.g.CreateCellGraphic(2, 2)->SetCellType(TCellType::ctDataCheckBox);   // display row 2 is real row 5
    t.g.SetCheckTrue("five");
    bool state = false;
    ASSERT_TRUE(t.g.GetCheckBoxState(2, 5, state));
    EXPECT_TRUE(state);
    EXPECT_TRUE(t.g.SetCheckBoxState(2, 5, false));
    EXPECT_EQ(t.g.Cells(2, 2), t.g.CheckFalse());
    EXPECT_EQ(t.g.Cells(2, 1), "t4") << "the display row of the same number is untouched";

    t.g.RemoveLastFilter();
    EXPECT_EQ(t.Shown(2), (QStringList{"one", "t2", "t3", "t4", t.g.CheckFalse(), "t6"}));
}
