#include "grid/foundation/GridAlphaMask.h"
#include "platform/Canvas.h"
#include <gtest/gtest.h>
#include <numeric>

namespace {
QImage Rgb888(int w, int h, QColor fill)
{
    QImage image(w, h, QImage::Format_RGB888);
    image.fill(fill);
    return image;
}
} // namespace

TEST(TGridAlphaMask, MergeTakesAlphaFromTheMasksRedAndPremultiplies)
{
    QImage mask = Rgb888(3, 2, QColor(128, 0, 0));
    mask.setPixelColor(1, 0, QColor(0, 255, 255));      // only red counts
    const QImage colour = Rgb888(4, 2, QColor(0, 100, 200));   // red 0, green 100, blue 200
    TGridAlphaMask alpha;
    alpha.MergeMask(mask, colour);
    ASSERT_EQ(alpha.Width(), 4);
    const QRgb p = alpha.Image().pixel(0, 0);
    EXPECT_EQ(qAlpha(p), 128);
    EXPECT_EQ(qBlue(p), 100);
    EXPECT_EQ(qGreen(p), 50);
    EXPECT_EQ(qRed(p), 0);
    EXPECT_EQ(qAlpha(alpha.Image().pixel(1, 0)), 0);
    EXPECT_EQ(alpha.Image().pixel(3, 1), 0u);            // outside the mask: transparent
    EXPECT_EQ(alpha.Opacity(), 255);
}

TEST(TGridAlphaMask, MergeNeedsATwentyFourBitColourBitmap)
{
    TGridAlphaMask alpha;
    alpha.MergeMask(Rgb888(2, 2, Qt::red), Rgb888(2, 2, Qt::white));
    const QImage before = alpha.Image();
    QImage colour32(2, 2, QImage::Format_RGB32);
    colour32.fill(Qt::blue);
    alpha.MergeMask(Rgb888(2, 2, Qt::red), colour32);
    EXPECT_EQ(alpha.Image(), before);
}

TEST(TGridAlphaMask, AssignCopiesOpacityAndPixelsOrABitmap)
{
    TGridAlphaMask source, target;
    source.MergeMask(Rgb888(2, 2, QColor(255, 0, 0)), Rgb888(2, 2, QColor(10, 20, 30)));
    source.SetOpacity(77);
    target.MergeMask(Rgb888(2, 2, QColor(0, 0, 0)), Rgb888(2, 2, Qt::white));
    target.Assign(source);
    EXPECT_EQ(target.Opacity(), 77);
    EXPECT_EQ(target.Image(), source.Image());

    TBitmap bitmap(3, 1);
    bitmap.Canvas().SetPixels(0, 0, clRed);
    target.Assign(bitmap);
    EXPECT_EQ(target.Width(), 3);
    EXPECT_EQ(target.Image().pixel(0, 0), qRgba(255, 0, 0, 255));
}

TEST(BlurBitmap, KernelOfRadiusThree)
{
    const TBlurKernel k = MakeBlurKernel(3);
    EXPECT_LT(k.Size, 10);
    EXPECT_EQ(k.Size, 8);
    double sum = 0;
    for (int j = -k.Size; j <= k.Size; ++j)
        sum += k.Weight(j);
    EXPECT_NEAR(sum, 1.0, 1e-12);
    EXPECT_GT(k.Weight(0), k.Weight(1));
    EXPECT_DOUBLE_EQ(k.Weight(2), k.Weight(-2));
}

TEST(BlurBitmap, OnlyTwentyFourBitAndNothingForNoRadius)
{
    QImage image32(10, 10, QImage::Format_RGB32);
    try {
        BlurBitmap(image32, 3);
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Blur only works for 24-bit bitmaps");
    }
    QImage image = Rgb888(10, 10, Qt::black);
    image.setPixelColor(5, 5, Qt::white);
    const QImage before = image;
    BlurBitmap(image, 0);
    EXPECT_EQ(image, before);
    BlurBitmap(image, -2);
    EXPECT_EQ(image, before);
    BlurBitmap(image, 1);
    EXPECT_NE(image, before);
    EXPECT_GT(image.pixelColor(6, 5).red(), 0);          // spread to the neighbours
    EXPECT_LT(image.pixelColor(5, 5).red(), 255);
}

TEST(MakeRoundRectMask, FocusHaloMask)
{
    QImage mask;
    MakeRoundRectMask(mask, 80, 60, 4, 5, 3);
    ASSERT_EQ(mask.format(), QImage::Format_RGB888);
    ASSERT_EQ(mask.size(), QSize(80, 60));
    EXPECT_LT(mask.pixelColor(0, 0).red(), 20);               // the blur reaches the corner a little
    EXPECT_EQ(mask.pixelColor(40, 30), QColor(Qt::black));   // outline only: the middle stays black
    EXPECT_GT(mask.pixelColor(40, 4).red(), 100);             // on the blurred outline
    EXPECT_GT(mask.pixelColor(40, 4).red(), mask.pixelColor(40, 1).red());
    EXPECT_EQ(mask.pixelColor(40, 4), mask.pixelColor(30, 4)); // interior columns copied from column 15

    QImage filled;
    MakeRoundRectMask(filled, 80, 60, 0, 5, 3);
    EXPECT_EQ(filled.pixelColor(40, 30), QColor(Qt::white));  // far from the edges it stays white
    QImage sharp;
    MakeRoundRectMask(sharp, 80, 60, 0, 5, 0);
    EXPECT_EQ(sharp.pixelColor(1, 30), QColor(Qt::black));
    EXPECT_EQ(sharp.pixelColor(2, 30), QColor(Qt::white));     // from (2, 2) to (78, 58)
    EXPECT_EQ(sharp.pixelColor(77, 30), QColor(Qt::white));
    EXPECT_EQ(sharp.pixelColor(78, 30), QColor(Qt::black));

    QImage empty;
    EXPECT_NO_THROW(MakeRoundRectMask(empty, 0, 0, 4, 5, 3));
    EXPECT_TRUE(empty.isNull());
}
