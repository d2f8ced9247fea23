#include "platform/ImageList.h"
#include "support/PaintSurface.h"
#include <gtest/gtest.h>

TEST(ImageList, ScalesToItsSizeAndDrawsByIndex)
{
    TCustomImageList images(4, 3);
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    EXPECT_EQ(images.Add(red), 0);
    EXPECT_EQ(images.Count(), 1);
    PaintSurface s(10, 10);
    images.Draw(s.canvas, 2, 2, 0);
    images.Draw(s.canvas, 0, 0, 1);    // no such image: nothing
    images.Draw(s.canvas, 0, 0, -1);
    EXPECT_EQ(s.Count(clRed), 12);
    EXPECT_EQ(s.Pixel(2, 2), clRed);
    EXPECT_EQ(s.Pixel(5, 4), clRed);
    EXPECT_EQ(s.Pixel(6, 4), clWhite);
    EXPECT_EQ(s.Pixel(0, 0), clWhite);
}
