#include "grid/core/VxStringGrid.h"
#include "support/QStringPrinter.h"
#include <QDialog>
#include <gtest/gtest.h>

TEST(VxStringGridHighlight, HighlightingAndUnhighlightingGivesBackEveryTextOfTheRange)
{
    TVxStringGrid g;
    g.SetColCount(4);
    g.SetRowCount(4);
    const QString texts[] = {
        "a&b<c",                      // the match itself holds entities
        "say &quot;hi&quot; to a&b",  // a literal entity beside a match
        "x & y \"quoted\"",           // no match: encoded by the marking all the same
        "&amp;lt; stays literal",
        "<b>bold</b> a&b",            // markup
    };
    int r = 1;
    int c = 1;
    for (const QString& t : texts) {
        g.SetCells(c, r, t);
        if (++c == 4) {
            c = 1;
            ++r;
        }
    }
    g.HilightInCell(false, 1, 1, "a&b");
    EXPECT_EQ(g.Cells(1, 1), "<hi>a&amp;b</hi>&lt;c");
    g.UnHilightInCell(1, 1);
    EXPECT_EQ(g.Cells(1, 1), "a&b<c");

    g.HilightInGrid(false, true, "a&b");
    EXPECT_TRUE(g.Cells(2, 1).contains("<hi>a&amp;b</hi>"));
    g.UnHilightInGrid(false);
    r = 1;
    c = 1;
    for (const QString& t : texts) {
        SCOPED_TRACE(t.toStdString());
        EXPECT_EQ(g.Cells(c, r), t);
        if (++c == 4) {
            c = 1;
            ++r;
        }
    }
}

TEST(VxStringGridHighlight, NormalAreaOfTheGridReachesHiddenColumnsForHighlightsOnly)
{
    TVxStringGrid g;
    g.SetColCount(4);
    g.SetRowCount(3);
    g.SetCells(3, 1, "find me");
    g.HideColumn(3);
    g.MarkInGrid(false, false, "find");
    EXPECT_EQ(g.Cells(3, 1), "find me");
    g.HilightInGrid(false, false, "FIND");
    EXPECT_EQ(g.Cells(3, 1), "<hi>find</hi> me");
    EXPECT_EQ(TVxStringGrid::UnHilightText(g.Cells(3, 1)), "find me");
    EXPECT_EQ(TVxStringGrid::MarkText(true, "find Find", "Find"), "find <e>Find</e>");
    EXPECT_EQ(TVxStringGrid::UnMarkText("find <E>Find</E>"), "find Find");
}

TEST(VxStringGridSizing, AutoFitColumnsFillsTheWidthEvenFromZeroWidths)
{
    QDialog form;
    form.resize(600, 300);
    auto* g = new TVxStringGrid(&form);
    g->resize(500, 200);
    form.show();
    g->SetColCount(4);
    auto sum = [&] {
        int s = 0;
        for (int c = 0; c < g->ColCount(); ++c)
            s += g->ColWidths(c);
        return s;
    };
    g->SetColWidths(1, 10);
    g->SetColWidths(2, 20);
    g->SetColWidths(3, 30);
    g->AutoFitColumns(false);
    EXPECT_EQ(sum(), g->ClientWidth());
    EXPECT_LT(g->ColWidths(1), g->ColWidths(2));
    EXPECT_LT(g->ColWidths(2), g->ColWidths(3));

    for (int c = 1; c < 4; ++c)
        g->SetColWidths(c, 0);
    g->AutoFitColumns(false);
    EXPECT_EQ(sum(), g->ClientWidth());
    EXPECT_NEAR(g->ColWidths(1), g->ColWidths(3), 2) << "equal shares";
    EXPECT_GT(g->ColWidths(1), 0);
}
