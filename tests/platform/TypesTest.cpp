#include "platform/Types.h"
#include <gtest/gtest.h>

TEST(TColor, LowByteIsRedAndSystemColoursResolveThroughTheTable)
{
    EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(RGB(1, 2, 3)), QColor(1, 2, 3));
    EXPECT_EQ(ColorToRGB(clWindow), clWhite);
    EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
    EXPECT_EQ(FromQColor(QColor(10, 20, 30)), RGB(10, 20, 30));
}

TEST(TRect, RightAndBottomAreExclusive)
{
    const TRect r = Rect(2, 3, 10, 8);
    EXPECT_EQ(r.Width(), 8);
    EXPECT_EQ(r.Height(), 5);
    EXPECT_TRUE(r.Contains(Point(2, 3)));
    EXPECT_FALSE(r.Contains(Point(10, 3)));
    EXPECT_FALSE(r.Contains(Point(2, 8)));
    EXPECT_EQ(r.toQRect(), QRect(2, 3, 8, 5));
    EXPECT_EQ(TRect::fromQRect(r.toQRect()), r);

    TRect out;
    EXPECT_TRUE(IntersectRect(out, r, Rect(5, 0, 20, 4)));
    EXPECT_EQ(out, Rect(5, 3, 10, 4));
    EXPECT_FALSE(IntersectRect(out, r, Rect(10, 3, 12, 8)));
    EXPECT_TRUE(out.IsEmpty());
}
