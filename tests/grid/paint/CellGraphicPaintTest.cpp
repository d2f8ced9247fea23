#include "grid/paint/CellGraphicPaint.h"
#include "support/PaintSurface.h"
#include <gtest/gtest.h>

TEST(DataImageIndex, OnlyNumbersInsideTheList)
{
    struct Case {
        const char* text;
        int cellIndex, count;
        bool drawn;
        int index;
    };
    const Case cases[] = {
        {"0", 0, 3, true, 0},  {"2", 0, 3, true, 2},   {"3", 0, 3, false, 0}, {"-1", 0, 3, false, 0},
        {"1", 1, 3, true, 2},  {"1", -2, 3, false, 0}, {"abc", 0, 3, false, 0}, {"", 0, 3, false, 0},
        {"99999999999999999999", 0, 3, false, 0}, {"0", 0, 0, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        int index = -7;
        EXPECT_EQ(DataImageIndex(c.text, c.cellIndex, c.count, index), c.drawn);
        if (c.drawn) {
            EXPECT_EQ(index, c.index);
        }
    }
}

TEST(RangePercent, ClampedAndEmptyRangeIsZero)
{
    EXPECT_EQ(RangePercent(50, 0, 100), 50);
    EXPECT_EQ(RangePercent(150, 0, 100), 100);
    EXPECT_EQ(RangePercent(-20, 0, 100), 20);   // the distance from the start, as the bar measures it
    EXPECT_EQ(RangePercent(30, 20, 40), 50);
    EXPECT_EQ(RangePercent(30, 5, 5), 0);
    EXPECT_EQ(RangePercent(0, 0, 0), 0);
}

TEST(DrawRating, HalfStepsFillHalfAStar)
{
    PaintSurface s(5 * 18, 16);
    DrawRating(s.canvas, 0, 0, 3.3, 5, clSilver, clRed);   // 6.6 rounds to 7: three and a half stars
    auto redIn = [&](int star) {
        int n = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = star * 18; x < star * 18 + 16; ++x)
                n += s.Pixel(x, y) == clRed;
        return n;
    };
    EXPECT_GT(redIn(0), 40);
    EXPECT_EQ(redIn(2), redIn(0));
    EXPECT_GT(redIn(3), 0);
    EXPECT_LT(redIn(3), redIn(0));
    EXPECT_EQ(redIn(4), 0);
}

TEST(DrawCommentMark, TopRightCorner)
{
    PaintSurface s(30, 20);
    DrawCommentMark(s.canvas, Rect(0, 0, 30, 20), clRed);
    EXPECT_EQ(s.Pixel(27, 0), clRed);
    EXPECT_EQ(s.Pixel(27, 4), clRed);
    EXPECT_EQ(s.Pixel(22, 4), clWhite);
    EXPECT_EQ(s.Pixel(29, 0), clWhite);
}

TEST(CheckBoxLeft, CentredAloneOrLeftOfTheText)
{
    const TRect r = Rect(0, 0, 101, 20);
    EXPECT_EQ(CheckBoxLeft(r, TAlignment::taCenter, 15, 0, false), 43);    // exactly in the middle
    EXPECT_EQ(CheckBoxLeft(r, TAlignment::taCenter, 15, 41, false), 15);   // 0 + 60 / 2 - 15
    EXPECT_EQ(CheckBoxLeft(r, TAlignment::taCenter, 15, 41, true), 43);
    EXPECT_EQ(CheckBoxLeft(r, TAlignment::taLeftJustify, 15, 41, false), 1);
    EXPECT_EQ(CheckBoxLeft(r, TAlignment::taRightJustify, 15, 41, false), 44);
    EXPECT_EQ(CheckBoxLeft(r, TAlignment::taRightJustify, 15, 41, true), 85);
    EXPECT_EQ(CheckBoxLeft(r, TAlignment::taRightJustify, 15, 400, false), 1);
    EXPECT_EQ(PackButtonOffset(3, 4), 3 | (4 << 16));
}
