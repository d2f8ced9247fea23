#include "grid/foundation/GridProgress.h"
#include "support/PaintSurface.h"
#include <gtest/gtest.h>

namespace {
const TColor kBack = RGB(250, 250, 250), kBorder = RGB(9, 9, 9), kL0 = RGB(0, 200, 0), kL1 = RGB(200, 200, 0),
             kL2 = RGB(200, 100, 0), kL3 = RGB(200, 0, 0), kText = RGB(0, 0, 200);

TProgressPaintParams Params()
{
    TProgressPaintParams p;
    p.Level0Color = kL0;
    p.Level1Color = kL1;
    p.Level2Color = kL2;
    p.Level3Color = kL3;
    p.Level1Perc = 70;
    p.Level2Perc = 90;
    p.BorderColor = kBorder;
    p.ShowBorder = true;
    p.TextColor = kText;
    p.Color = kBack;
    return p;
}
} // namespace

TEST(PaintProgressBar, BlocksOfSevenWithGapsOfTwo)
{
    // R 102 wide: Inner 100. Blocks run from 2 pixels inside the edges.
    const struct { int percent; std::vector<std::pair<int, int>> blocks; } cases[] = {
        {5, {{2, 6}}},                       // one block of 4
        {20, {{2, 9}, {11, 18}}},            // remainder 2 draws nothing
        {24, {{2, 9}, {11, 18}, {20, 25}}},  // remainder 6: a last block of 5
        {1, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.percent);
        PaintSurface s(110, 12);
        TProgressPaintParams p = Params();
        p.Level1Perc = 90;
        PaintProgressBar(s.canvas, Rect(0, 0, 102, 12), c.percent, p);
        EXPECT_EQ(s.Pixel(0, 0), kBorder);
        EXPECT_EQ(s.Pixel(101, 11), kBorder);
        int x = 1;
        for (const auto& [from, to] : c.blocks) {
            for (; x < from; ++x)
                EXPECT_EQ(s.Pixel(x, 5), kBack) << x;
            for (; x < to; ++x) {
                EXPECT_EQ(s.Pixel(x, 2), kL0) << x;
                EXPECT_EQ(s.Pixel(x, 9), kL0) << x;
            }
            EXPECT_EQ(s.Pixel(from, 1), kBack);
            EXPECT_EQ(s.Pixel(from, 10), kBack);
        }
        for (; x < 101; ++x)
            EXPECT_EQ(s.Pixel(x, 5), kBack) << x;
    }
}

TEST(PaintProgressBar, StackedSegmentsFillTheInsideExactly)
{
    PaintSurface s(110, 12);
    TProgressPaintParams p = Params();
    p.Stacked = true;
    PaintProgressBar(s.canvas, Rect(0, 0, 102, 12), 100, p);
    EXPECT_EQ(s.Pixel(1, 1), kL0);
    EXPECT_EQ(s.Pixel(70, 10), kL0);
    EXPECT_EQ(s.Pixel(71, 5), kL1);
    EXPECT_EQ(s.Pixel(90, 5), kL1);
    EXPECT_EQ(s.Pixel(91, 5), kL3);          // level 2 colours are not used stacked
    EXPECT_EQ(s.Pixel(100, 5), kL3);
    EXPECT_EQ(s.Pixel(101, 5), kBorder);
    EXPECT_EQ(s.Count(kL2), 0);
}

TEST(PaintProgressBar, SmoothBarTakesTheColourOfItsLevel)
{
    const struct { int percent; TColor colour; } cases[] = {{50, kL0}, {80, kL1}, {95, kL2}, {100, kL3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.percent);
        PaintSurface s(110, 12);
        TProgressPaintParams p = Params();
        p.CompletionSmooth = true;
        PaintProgressBar(s.canvas, Rect(0, 0, 102, 12), c.percent, p);
        EXPECT_EQ(s.Pixel(1, 1), c.colour);
        EXPECT_EQ(s.Pixel(c.percent, 10), c.colour);
        if (c.percent < 100) {
            EXPECT_EQ(s.Pixel(c.percent + 1, 5), kBack);
        }
    }
}

TEST(PaintProgressBar, VerticalBarGrowsUpward)
{
    PaintSurface s(12, 110);
    TProgressPaintParams p = Params();
    p.CompletionSmooth = true;
    p.Vertical = true;
    PaintProgressBar(s.canvas, Rect(0, 0, 12, 102), 50, p);
    // Inner 100, L 50: from 102 - 51 = 51 to 101
    EXPECT_EQ(s.Pixel(5, 50), kBack);
    EXPECT_EQ(s.Pixel(5, 51), kL0);
    EXPECT_EQ(s.Pixel(1, 100), kL0);
    EXPECT_EQ(s.Pixel(5, 101), kBorder);
}

TEST(PaintProgressBar, ZeroDrawsTheBackgroundAndItsText)
{
    PaintSurface s(80, 20);
    TProgressPaintParams p = Params();
    p.ShowPercentage = true;
    p.ShowBorder = false;
    PaintProgressBar(s.canvas, Rect(0, 0, 80, 20), 0, p);
    EXPECT_EQ(s.Pixel(0, 0), kBack);            // outline in the background colour without a border
    EXPECT_EQ(s.Pixel(2, 2), kBack);
    EXPECT_EQ(s.Count(kL0), 0);
    EXPECT_GT(s.Count(kText), 0);

    TCanvas measure;
    measure.SetFont(p.Font);
    const int w = measure.TextWidth("0%"), h = measure.TextHeight("0%");
    int left = 80, right = -1, top = 20, bottom = -1;
    s.canvas.Release();
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 80; ++x)
            if (FromQColor(s.image.pixelColor(x, y)) == kText) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    EXPECT_GE(left, 40 - w / 2);                  // text centred in the bar
    EXPECT_LT(right, 40 - w / 2 + w);
    EXPECT_GE(top, 10 - h / 2);
    EXPECT_LT(bottom, 10 - h / 2 + h);
}

TEST(PaintProgressBar, VerticalTextReadsUpward)
{
    PaintSurface s(20, 80);
    TProgressPaintParams p = Params();
    p.ShowPercentage = true;
    p.Vertical = true;
    PaintProgressBar(s.canvas, Rect(0, 0, 20, 80), 0, p);
    s.canvas.Release();
    int left = 20, right = -1, top = 80, bottom = -1;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 20; ++x)
            if (FromQColor(s.image.pixelColor(x, y)) == kText) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, 0);
    EXPECT_GT(bottom - top, right - left);        // taller than wide: turned
}

TEST(PaintCellShape, Figures)
{
    const TColor fill = RGB(0, 0, 255), pen = RGB(255, 0, 0);
    struct Probe { int x, y; TColor colour; const char* what; };
    const struct {
        TCellShape shape;
        int x, y, width, height;   // the box
        int surfaceHeight;
        std::vector<Probe> probes;
    } cases[] = {
        {TCellShape::csCircle, 5, 5, 20, 10, 20,
         {{10, 10, fill, "circle of diameter 10 at the box's left"}, {17, 10, clWhite, ""}, {5, 10, pen, ""}}},
        {TCellShape::csRectangle, 0, 0, 20, 10, 20,
         {{0, 0, clWhite, ""}, {1, 1, pen, ""}, {18, 8, pen, ""}, {10, 5, fill, ""}, {19, 9, clWhite, ""}}},
        {TCellShape::csLineVert, 0, 0, 11, 11, 20,
         {{5, 0, pen, ""}, {5, 10, pen, ""}, {4, 5, clWhite, ""}, {6, 5, clWhite, ""}}},
        {TCellShape::csTriangleUp, 0, 0, 20, 20, 30, {{10, 15, fill, ""}, {2, 2, clWhite, ""}, {18, 2, clWhite, ""}}},
        {TCellShape::csHalfStar, 0, 0, 20, 20, 30, {{8, 10, fill, "the left half"}, {13, 10, clWhite, ""}}},
        {TCellShape::csArrowRight, 0, 0, 20, 20, 30,
         {{15, 10, fill, "the head"}, {4, 10, fill, "the shaft from P to 3P"}, {4, 2, clWhite, ""}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.shape));
        PaintSurface s(30, c.surfaceHeight);
        PaintCellShape(s.canvas, c.x, c.y, c.width, c.height, c.shape, fill, pen);
        for (const Probe& p : c.probes)
            EXPECT_EQ(s.Pixel(p.x, p.y), p.colour) << p.x << "," << p.y << " " << p.what;
    }
    PaintSurface none(30, 30);
    PaintCellShape(none.canvas, 0, 0, 20, 20, static_cast<TCellShape>(19), fill, pen);
    EXPECT_EQ(none.Count(clWhite), 900);
}
