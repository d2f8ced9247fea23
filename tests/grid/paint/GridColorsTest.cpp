#include "grid/paint/GridColors.h"
#include <gtest/gtest.h>

TEST(Colours, Arithmetic)
{
    EXPECT_EQ(HalveColor(RGB(200, 101, 3)), RGB(100, 50, 1));
    EXPECT_EQ(AdjustColorPercent(RGB(200, 100, 0), 50), RGB(44, 150, 0));   // 300 wraps to 44
    EXPECT_EQ(AdjustColorPercent(RGB(200, 100, 10), -50), RGB(100, 50, 5));
    EXPECT_EQ(AdjustColorPercent(RGB(3, 5, 1), 50), RGB(4, 8, 2));          // 4.5, 7.5, 1.5: halves to even

    EXPECT_EQ(InterpolateColor(clRed, clNone, 0, 10, 5), clRed);
    EXPECT_EQ(InterpolateColor(RGB(0, 0, 0), RGB(100, 200, 50), 0, 10, 5), RGB(50, 100, 25));
    EXPECT_EQ(InterpolateColor(clWindow, clBlack, 0, 100, 100), clBlack);
    EXPECT_EQ(InterpolateColor(RGB(10, 20, 30), RGB(100, 200, 50), 4, 4, 4), RGB(10, 20, 30));   // empty range
}
