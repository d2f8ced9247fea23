#include "grid/core/VxStringGrid.h"
#include "grid/model/IntList.h"
#include "support/QStringPrinter.h"
#include <gtest/gtest.h>

namespace {
using fn = TFindParameters;

// A 4 x 4 grid with one fixed row and column: the normal range is columns 1..3, rows 1..3.
struct FindGrid {
    TVxStringGrid g;
    FindGrid()
    {
        g.SetColCount(4);
        g.SetRowCount(4);
        g.SetFixedRows(1);
        g.SetFixedCols(1);
    }
};
QString P(TPoint p) { return QStringLiteral("(%1,%2)").arg(p.X).arg(p.Y); }
} // namespace

TEST(VxStringGridFind, OrderAcrossRowsAndColumnsWithAndWithoutMatchCase)
{
    FindGrid t;
    t.g.SetCells(2, 1, "xABC");   // column 2, row 1
    t.g.SetCells(1, 2, "abc");    // column 1, row 2
    t.g.SetCells(3, 2, "Abc");    // column 3, row 2
    t.g.SetCells(2, 3, "abcd");   // column 2, row 3

    struct Case {
        TFindParams params;
        QStringList hits;
    };
    const Case cases[] = {
        {{}, {"(1,2)", "(2,1)", "(2,3)", "(3,2)"}},                                   // column by column
        {{fn::fnDirectionLeftRight}, {"(2,1)", "(1,2)", "(3,2)", "(2,3)"}},           // row by row
        {{fn::fnMatchCase}, {"(1,2)", "(2,3)"}},
        {{fn::fnMatchCase, fn::fnDirectionLeftRight}, {"(1,2)", "(2,3)"}},
        {{fn::fnBackward}, {"(3,2)", "(2,3)", "(2,1)", "(1,2)"}},
        {{fn::fnBackward, fn::fnDirectionLeftRight}, {"(2,3)", "(3,2)", "(1,2)", "(2,1)"}},
        {{fn::fnMatchStart}, {"(1,2)", "(2,3)", "(3,2)"}},
        {{fn::fnMatchFull}, {"(1,2)", "(3,2)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.params.Bits());
        QStringList hits;
        for (TPoint p = t.g.FindFirst("abc", c.params); p.X != -1; p = t.g.FindNext())
            hits << P(p);
        EXPECT_EQ(hits, c.hits);
        EXPECT_EQ(P(t.g.SearchCell()), "(-1,-1)");
    }
}

TEST(VxStringGridFind, TwoQuotesFindTheFirstEmptyCellAndIgnoredColumnsAreSkipped)
{
    FindGrid t;
    for (int c = 1; c < 4; ++c)
        for (int r = 1; r < 4; ++r)
            t.g.SetCells(c, r, "z");
    t.g.SetCells(2, 2, "");
    EXPECT_EQ(P(t.g.FindFirst("\"\"", {})), "(2,2)");

    t.g.SetCells(2, 2, "z");
    t.g.IgnoreColumns().Add(1);
    EXPECT_EQ(P(t.g.FindFirst("z", {})), "(2,1)");
    EXPECT_EQ(P(t.g.FindFirst("z", {fn::fnDirectionLeftRight})), "(2,1)");
}

TEST(VxStringGridFind, FindInCurrentColumnRestartsEachRowThere)
{
    FindGrid t;
    t.g.SetCells(1, 1, "k");
    t.g.SetCells(2, 2, "k");
    t.g.SetCells(2, 3, "k");
    t.g.SetCol(2);
    const TFindParams p{fn::fnFindInCurrentCol, fn::fnDirectionLeftRight};
    EXPECT_EQ(P(t.g.FindFirst("k", p)), "(2,2)");
    EXPECT_EQ(P(t.g.FindNext()), "(2,3)");
    EXPECT_EQ(P(t.g.FindNext()), "(-1,-1)");
}

TEST(VxStringGridFind, ReplaceIgnoresCaseUnlessMatchCaseIsAsked)
{
    FindGrid t;
    t.g.SetCells(1, 1, "a");
    t.g.SetCells(1, 2, "A");
    t.g.SetCells(1, 3, "ba");
    t.g.SetCells(2, 1, "aA");
    EXPECT_EQ(t.g.Replace("a", "b", {}), 4);
    EXPECT_EQ((QStringList{t.g.Cells(1, 1), t.g.Cells(1, 2), t.g.Cells(1, 3), t.g.Cells(2, 1)}),
              (QStringList{"b", "b", "bb", "bb"}));

    t.g.SetCells(2, 1, "aA");
    t.g.SetCells(1, 2, "A");
    EXPECT_EQ(t.g.Replace("a", "b", {fn::fnMatchCase}), 1);
    EXPECT_EQ(t.g.Cells(2, 1), "bA");
    EXPECT_EQ(t.g.Cells(1, 2), "A");
}

TEST(VxStringGridFind, SearchComparesTheUpperCasedPrefix)
{
    FindGrid t;
    t.g.SetCells(1, 2, "abcd");
    EXPECT_EQ(t.g.Search("AB"), 2);
    EXPECT_EQ(t.g.Search("ab"), -1);
}
