#include "grid/core/VxStringGrid.h"
#include "grid/foundation/CellProperties.h"
#include "grid/model/GridGrouping.h"
#include "support/QStringPrinter.h"
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace {
constexpr TColor kHeader = 0x0000FF, kHeaderText = 0xFFFFFF, kSummary = 0x00FF00, kLine = 0xFF0000;

// Values A, A, B in column 3, grouped: rows 1 header A, 2 and 3 data, 4 summary, 5 header B, 6 data, 7 summary.
// Cells 64 x 24 on white, column 1 at x 64 to 127.
struct GroupedGrid {
    TVxStringGrid g;
    explicit GroupedGrid(bool Merge)
    {
        g.SetColCount(4);
        g.SetRowCount(4);
        g.SetDefaultColWidth(64);
        g.SetDefaultRowHeight(24);
        g.SetColor(clWhite);
        g.SetLook(TGridLook::glStandard);
        g.setFrameShape(QFrame::NoFrame);
        g.SetScrollBars(TScrollStyle::ssNone);
        const char* values[] = {"A", "A", "B"};
        for (int r = 1; r <= 3; ++r) {
            g.SetCells(1, r, QStringLiteral("x%1").arg(r));
            g.SetCells(3, r, QLatin1String(values[r - 1]));
        }
        TGrouping& gr = g.Grouping();
        gr.SetSummary(true);
        gr.SetHeaderColor(kHeader);
        gr.SetHeaderTextColor(kHeaderText);
        gr.SetSummaryColor(kSummary);
        gr.SetHeaderUnderline(true);
        gr.SetHeaderLineColor(kLine);
        gr.SetSummaryLine(true);
        gr.SetSummaryLineColor(kLine);
        gr.SetMergeHeader(Merge);
        gr.SetMergeSummary(Merge);
        g.Group(3);
        g.SetShowSelection(false);
        g.resize(260, 200);
        g.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&g));
    }
    QImage Shot() { return g.viewport()->grab().toImage(); }
};

TColor At(const QImage& img, int x, int y) { return FromQColor(img.pixelColor(x, y)); }

bool LineBetween(const QImage& img, int x, int y1, int y2)
{
    for (int y = y1; y <= y2; ++y)
        if (At(img, x, y) == kLine)
            return true;
    return false;
}
} // namespace

TEST(GroupingPaint, HeaderAndSummaryRowsTakeTheGroupingColoursAndLines)
{
    for (bool merge : {false, true}) {
        SCOPED_TRACE(merge ? "merged" : "rows");
        GroupedGrid t(merge);
        ASSERT_EQ(t.g.RowCount(), 8);
        ASSERT_TRUE(t.g.IsNode(1));
        ASSERT_TRUE(t.g.IsSummary(4));
        const QImage img = t.Shot();
        EXPECT_EQ(At(img, 100, 30), kHeader);          // header A, column 1
        EXPECT_EQ(At(img, 170, 30), kHeader);          // and column 2, as a row or as the merged cell
        EXPECT_EQ(At(img, 100, 5 * 24 + 6), kHeader);  // header B
        EXPECT_EQ(At(img, 100, 4 * 24 + 10), kSummary);
        EXPECT_EQ(At(img, 100, 2 * 24 + 10), clWhite); // a data row keeps the grid's colour
        EXPECT_EQ(t.g.CellProperties(1, 1)->FontColor(), kHeaderText);
        EXPECT_EQ(t.g.IsMergedCell(1, 1), merge);
        // The header's line under it, the summary's over it, none around data rows.
        EXPECT_TRUE(LineBetween(img, 100, 2 * 24 - 4, 2 * 24 - 1));
        EXPECT_TRUE(LineBetween(img, 100, 4 * 24 - 3, 4 * 24 + 3));
        EXPECT_FALSE(LineBetween(img, 100, 2 * 24 + 2, 3 * 24 + 20));
    }
}

TEST(GroupingPaint, UnGroupLeavesNoGroupColourBehind)
{
    GroupedGrid t(false);
    t.g.UnGroup();
    ASSERT_EQ(t.g.RowCount(), 4);
    EXPECT_EQ(t.g.Cells(3, 3), "B");
    const QImage img = t.Shot();
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(At(img, 100, r * 24 + 10), clWhite) << r;
}
