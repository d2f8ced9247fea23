#include "grid/core/FloatingFooter.h"
#include "grid/core/FloatingFooterPanel.h"
#include "grid/core/VxStringGrid.h"
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace {
struct Painted {
    int Column;
    TRect Rect;
};

// Four columns of 30, 40, 50 and 60 pixels, the first fixed, the footer shown; the panel 300 pixels wide.
void ShowFooter(TVxStringGrid& g, std::vector<Painted>& painted)
{
    g.SetColCount(4);
    g.SetRowCount(4);
    const int widths[] = {30, 40, 50, 60};
    for (int c = 0; c < 4; ++c)
        g.SetColWidths(c, widths[c]);
    g.OnFooterPaint = [&painted](QObject*, int AColumn, TCanvas*, const TRect& R) { painted.push_back({AColumn, R}); };
    g.FloatingFooter().SetVisible(true);
    g.FooterPanel()->resize(300, g.FooterPanel()->height());
}
} // namespace

TEST(FloatingFooterPanel, ShownUnderTheCellsWhileTheFooterIsVisible)
{
    TVxStringGrid g;
    g.SetRowCount(5);
    int created = 0;
    g.OnCreatedFloatingFooter = [&created](QObject*) { ++created; };
    EXPECT_EQ(g.FooterPanel(), nullptr);
    g.FloatingFooter().SetVisible(true);
    ASSERT_NE(g.FooterPanel(), nullptr);
    EXPECT_EQ(created, 1);
    EXPECT_TRUE(g.FooterPanel()->isVisibleTo(&g));
    EXPECT_EQ(g.FooterPanel()->height(), g.DefaultRowHeight() - 1);
    EXPECT_EQ(g.FixedFooters(), 1);

    // The style changes what the panel shows, not the grid's footer rows.
    g.FloatingFooter().SetFooterStyle(TFooterStyle::fsColumnPreview);
    EXPECT_EQ(g.FixedFooters(), 1);
    g.FloatingFooter().SetHeight(31);
    EXPECT_EQ(g.FooterPanel()->height(), 30);

    g.FloatingFooter().SetVisible(false);
    EXPECT_FALSE(g.FooterPanel()->isVisibleTo(&g));
    EXPECT_EQ(g.FixedFooters(), 0);
    g.FloatingFooter().SetVisible(true);
    EXPECT_EQ(created, 1);
}

TEST(FloatingFooterPanel, LastRowPaintsEachScrolledColumnWhereItStands)
{
    TVxStringGrid g;
    std::vector<Painted> painted;
    ShowFooter(g, painted);
    g.SetColor(0x00FF00);
    const QImage image = g.FooterPanel()->grab().toImage();
    ASSERT_EQ(painted.size(), 3u);   // the fixed column is drawn by the grid, the others by the event
    const int lefts[] = {30, 70, 120};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(painted[std::size_t(i)].Column, i + 1);
        EXPECT_EQ(painted[std::size_t(i)].Rect.Left, lefts[i]);
    }
    EXPECT_EQ(painted[2].Rect.Right, 180);
    EXPECT_EQ(image.pixelColor(250, 5), ToQColor(0x00FF00));   // past the columns: the grid's colour

    struct Hit { int x, column; };
    for (const Hit& h : {Hit{0, 0}, Hit{29, 0}, Hit{30, 1}, Hit{179, 3}, Hit{180, -1}})
        EXPECT_EQ(g.FooterPanel()->ColumnAt(h.x), h.column) << h.x;

    int clicks = 0;
    g.OnClick = [&clicks](QObject*) { ++clicks; };
    QTest::mouseClick(g.FooterPanel(), Qt::LeftButton, {}, QPoint(80, 3));
    EXPECT_EQ(clicks, 1);
}

TEST(FloatingFooterPanel, CustomPaintGetsTheWholePanel)
{
    TVxStringGrid g;
    std::vector<Painted> painted;
    ShowFooter(g, painted);
    g.FloatingFooter().SetFooterStyle(TFooterStyle::fsCustomPaint);
    g.FloatingFooter().SetColumn(2);
    g.FooterPanel()->grab();
    ASSERT_EQ(painted.size(), 1u);
    EXPECT_EQ(painted[0].Column, 2);
    EXPECT_EQ(painted[0].Rect, (TRect{0, 0, g.FooterPanel()->width(), g.FooterPanel()->height()}));
}
