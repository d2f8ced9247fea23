#include "grid/paint/CellTextPaint.h"
#include "support/PaintSurface.h"
#include <gtest/gtest.h>

TEST(PlainTextLayout, LinesWrapAndEllipsis)
{
    const QString twoLines = "first\r\nsecond";
    struct Case {
        const char* name;
        bool multiline, wrap, enh;
        QString text;
        unsigned must, mustNot;
    };
    const Case cases[] = {
        {"first line only, single line, ellipsis", false, false, true, "first", DT_SINGLELINE | DT_END_ELLIPSIS,
         DT_WORDBREAK},
        {"no ellipsis without EnhTextSize", false, false, false, "first", DT_SINGLELINE, DT_END_ELLIPSIS},
        {"multiline keeps lines and breaks words", true, false, false, twoLines, DT_WORDBREAK | DT_EDITCONTROL,
         DT_SINGLELINE},
        {"word wrap with ellipsis", false, true, true, twoLines, DT_WORDBREAK | DT_END_ELLIPSIS | DT_EXPANDTABS,
         DT_SINGLELINE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TPlainTextLayout l = PlainTextLayout(twoLines, c.multiline, c.wrap, c.enh, TAlignment::taLeftJustify,
                                                   TVAlignment::vtaTop);
        EXPECT_EQ(l.Text, c.text);
        EXPECT_EQ(l.Format & c.must, c.must);
        EXPECT_EQ(l.Format & c.mustNot, 0u);
        EXPECT_TRUE(l.Format & DT_NOPREFIX);
    }
    const TPlainTextLayout r = PlainTextLayout("x", false, false, false, TAlignment::taRightJustify, TVAlignment::vtaBottom);
    EXPECT_EQ(r.Format & (DT_RIGHT | DT_BOTTOM), DT_RIGHT | DT_BOTTOM);
    const TPlainTextLayout c = PlainTextLayout("x", false, false, false, TAlignment::taCenter, TVAlignment::vtaCenter);
    EXPECT_EQ(c.Format & (DT_CENTER | DT_VCENTER), DT_CENTER | DT_VCENTER);
}

TEST(RotatedCellSize, BoundingBoxOfTheTurnedTextPlusTwelve)
{
    struct Case {
        int w, h, angle;
        TPoint size;
    };
    const Case cases[] = {
        {100, 16, 0, {112, 28}},
        {100, 16, 90, {28, 112}},     // text height + 12 by text width + 12
        {100, 16, 180, {112, 28}},
        {100, 16, 45, {94, 94}},      // 70.7 + 11.3 = 82, + 12
        {100, 16, 270, {28, 112}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.angle);
        EXPECT_EQ(RotatedCellSize(c.w, c.h, c.angle), c.size);
    }
}

TEST(CalcRotatedTextOrigin, QuadrantsAndAlignments)
{
    const TRect r = Rect(0, 0, 100, 50);
    const TRotatedExtent e = RotatedExtent(40, 10, 90);   // A 0, B 40, C 10, D 0
    EXPECT_EQ(e.A, 0);
    EXPECT_EQ(e.B, 40);
    EXPECT_EQ(e.C, 10);
    EXPECT_EQ(e.D, 0);
    struct Case {
        TAlignment ha;
        TVAlignment va;
        int angle;
        int left, top;
    };
    const Case cases[] = {
        {TAlignment::taLeftJustify, TVAlignment::vtaTop, 90, 0, 40},
        {TAlignment::taRightJustify, TVAlignment::vtaBottom, 90, 90, 50},
        {TAlignment::taCenter, TVAlignment::vtaCenter, 90, 45, 45},    // 40 - (40 - 50) / 2
        {TAlignment::taLeftJustify, TVAlignment::vtaTop, 270, 10, 0},   // quadrant 3: left + C + D, top + A
        {TAlignment::taRightJustify, TVAlignment::vtaBottom, 270, 100, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.angle);
        const TRect o = CalcRotatedTextOrigin(r, c.ha, c.va, e, c.angle);
        EXPECT_EQ(o.Left, c.left);
        EXPECT_EQ(o.Top, c.top);
    }
}

TEST(SortMark, PlacementAndWhenItShows)
{
    const TRect r = Rect(10, 0, 110, 20);
    EXPECT_EQ(SortMarkPosition(r, TAlignment::taLeftJustify, TVAlignment::vtaTop, 30, 0), Point(50, 8));
    EXPECT_EQ(SortMarkPosition(r, TAlignment::taLeftJustify, TVAlignment::vtaTop, 500, 4), Point(108, 8));
    EXPECT_EQ(SortMarkPosition(r, TAlignment::taRightJustify, TVAlignment::vtaBottom, 30, 0), Point(70, 12));
    EXPECT_EQ(SortMarkPosition(r, TAlignment::taCenter, TVAlignment::vtaCenter, 30, 0), Point(18, 10));
    TSortMark m;
    m.IndexPosition = 1;
    EXPECT_FALSE(SortMarkShown(m));   // a later sort column without index numbers
    m.IndexShow = true;
    EXPECT_TRUE(SortMarkShown(m));
    m = {};
    EXPECT_TRUE(SortMarkShown(m));
}

TEST(DrawSortIndicator, OutlineTrianglesAndIndexNumbers)
{
    PaintSurface up(30, 30, QColor(0x80, 0x80, 0xFF));
    TSortMark m;
    DrawSortIndicator(up.canvas, m, 15, 15);
    EXPECT_EQ(up.Pixel(11, 19), clWhite);        // ascending: white base from (X - 4, Y + 4)
    EXPECT_EQ(up.Pixel(15, 11), clGray);         // the apex starts the grey side
    PaintSurface down(30, 30, QColor(0x80, 0x80, 0xFF));
    m.Descending = true;
    DrawSortIndicator(down.canvas, m, 15, 15);
    EXPECT_EQ(down.Pixel(19, 11), clWhite);
    EXPECT_EQ(down.Pixel(11, 11), clGray);

    PaintSurface index(40, 40);
    TSortMark second;
    second.IndexShow = true;
    second.IndexPosition = 1;
    second.IndexColor = clYellow;
    DrawSortIndicator(index.canvas, second, 20, 20);
    EXPECT_GT(index.Count(clYellow), 20);         // the triangle
    PaintSurface none(40, 40);
    second.IndexPosition = -1;
    DrawSortIndicator(none.canvas, second, 20, 20);
    EXPECT_EQ(none.Count(clWhite), 1600);
}

TEST(DrawTiledBitmap, TilingRunsOnAcrossCells)
{
    TBitmap tile(4, 1);
    for (int x = 0; x < 4; ++x)
        tile.Canvas().SetPixels(x, 0, RGB(10 * (x + 1), 0, 0));
    // Two cells side by side, the second 7 pixels into the tiling: together one continuous run, starting
    // one pixel into the picture because the tiles begin one pixel left of the cell.
    PaintSurface s(20, 3);
    DrawTiledBitmap(s.canvas, tile, Rect(1, 1, 8, 2), 0, 0);
    DrawTiledBitmap(s.canvas, tile, Rect(8, 1, 15, 2), 7, 0);
    for (int x = 1; x < 15; ++x)
        EXPECT_EQ(s.Pixel(x, 1), RGB(10 * (x % 4 + 1), 0, 0)) << x;
    EXPECT_EQ(s.Pixel(15, 1), clWhite);
    EXPECT_EQ(s.Pixel(1, 0), clWhite);
}

TEST(GradientBandColors, ACellInTheMiddleStartsWhereTheWholeGradientIs)
{
    TColor from, to;
    GradientBandColors(RGB(0, 0, 0), RGB(200, 100, 0), 50, 100, 200, from, to);
    EXPECT_EQ(from, RGB(50, 25, 0));
    EXPECT_EQ(to, RGB(100, 50, 0));
}

TEST(DrawCellBorderLines, WidePensMoveInwardWithTheGridLines)
{
    PaintSurface s(40, 40);
    TCellBorderPens pens;
    pens.Left.SetColor(clRed);
    pens.Left.SetWidth(3);
    s.canvas.Pen().SetWidth(3);
    DrawCellBorderLines(s.canvas, Rect(10, 10, 30, 30), TCellBorders{TCellBorder::cbLeft}, pens, 1, true, true);
    // e = (3 + 1) div 2 = 2: the line's middle at x = 12.
    EXPECT_EQ(s.Pixel(12, 20), clRed);
    EXPECT_EQ(s.Pixel(14, 20), clWhite);
    EXPECT_EQ(s.canvas.Pen().Width(), 3);

    PaintSurface t(40, 40);
    TCellBorderPens thin;
    thin.Top.SetColor(clBlue);
    thin.Bottom.SetColor(clGreen);
    DrawCellBorderLines(t.canvas, Rect(10, 10, 30, 30), TCellBorders{TCellBorder::cbTop, TCellBorder::cbBottom},
                        thin, 1, false, true);
    EXPECT_EQ(t.Pixel(15, 10), clBlue);    // top + e - grid line width
    EXPECT_EQ(t.Pixel(15, 28), clGreen);   // bottom - e - 1
    EXPECT_EQ(t.Pixel(8, 28), clGreen);    // from left - grid line width - 1
}
