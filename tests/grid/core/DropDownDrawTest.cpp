#include "grid/core/DropDownDraw.h"
#include "grid/core/HeaderFooterAppearance.h"
#include "support/LocaleScope.h"
#include "platform/ImageList.h"
#include "support/PaintSurface.h"
#include <gtest/gtest.h>

TEST(DrawGradient, BandsOverlapByOnePixelAndStopAStepShortOfTheEndColour)
{
    // 10 pixels wide after the far edge is pulled in, 5 bands of 2 (+1 overlap) pixels.
    PaintSurface s(20, 6);
    DrawGradient(s.canvas, RGB(0, 0, 0), RGB(100, 50, 10), 5, Rect(2, 1, 13, 5), true);
    const TColor bands[] = {RGB(0, 0, 0), RGB(20, 10, 2), RGB(40, 20, 4), RGB(60, 30, 6), RGB(80, 40, 8)};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(s.Pixel(2 + 2 * i, 1), bands[i]);
        EXPECT_EQ(s.Pixel(2 + 2 * i + 1, 4), bands[i]);
    }
    EXPECT_EQ(s.Pixel(12, 2), bands[4]);   // the last band reaches the far edge
    EXPECT_EQ(s.Pixel(13, 2), clWhite);
    EXPECT_EQ(s.Pixel(1, 2), clWhite);
    EXPECT_EQ(s.Pixel(5, 5), clWhite);
}

TEST(DrawGradient, VerticalZeroStepsAndMoreStepsThanPixels)
{
    PaintSurface s(10, 10);
    DrawGradient(s.canvas, clRed, clBlue, 0, Rect(0, 0, 10, 10), false);
    EXPECT_EQ(s.Count(clRed), 100);   // one band, FromColor, over the whole rectangle

    PaintSurface v(4, 6);
    DrawGradient(v.canvas, RGB(0, 0, 0), RGB(0, 0, 240), 24, Rect(0, 0, 4, 6), false);
    // Bands of a fifth of a pixel still paint; a row shows the last band that starts on it: bands 0 to 2 start
    // on row 0 (round(2 x 5/24) = 0), band 23 on row 5.
    EXPECT_EQ(v.Pixel(0, 0), RGB(0, 0, 20));
    EXPECT_EQ(v.Pixel(3, 5), RGB(0, 0, 230));
    EXPECT_EQ(v.Count(clWhite), 0);
}

TEST(BlendAndAdjustColor, Cases)
{
    EXPECT_EQ(BlendColor(clBlack, clWhite, 50), 0x808080u);   // 127.5 goes to the even 128
    EXPECT_EQ(BlendColor(clBtnFace, clWhite, 100), clBtnFace);  // returned unresolved
    EXPECT_EQ(BlendColor(clWhite, clBtnFace, 0), clBtnFace);
    EXPECT_EQ(BlendColor(RGB(200, 100, 0), RGB(0, 0, 100), 20), RGB(40, 20, 80));
    EXPECT_EQ(AdjustColor(clWhite, -5, -5, -5), 0xF2F2F2u);
    EXPECT_EQ(AdjustColor(clBlack, 20, 0, 0), 0x000014u);
    EXPECT_EQ(AdjustColor(RGB(100, 100, 0), 30, -10, -3), RGB(100, 90, 0));  // never brighter
    EXPECT_EQ(AdjustColor(0xF5F0E1, -10, -10, 0), 0xF5D8CAu);
}

TEST(DrawRectBackground, GradientFillAndBorder)
{
    PaintSurface s(30, 20);
    DrawRectBackground(nullptr, Rect(0, 0, 30, 20), clRed, clNone, clBlack, 1, TGradientDirection::gdVertical);
    DrawRectBackground(&s.canvas, Rect(2, 2, 12, 12), clRed, clNone, clNone, 1, TGradientDirection::gdVertical);
    EXPECT_EQ(s.Count(clRed), 100);
    DrawRectBackground(&s.canvas, Rect(14, 2, 24, 12), RGB(0, 0, 0), RGB(160, 0, 0), clBlue, 1,
                       TGradientDirection::gdHorizontal);
    EXPECT_EQ(s.Pixel(14, 5), clBlue);
    EXPECT_EQ(s.Pixel(23, 5), clBlue);
    EXPECT_EQ(s.Pixel(18, 2), clBlue);
    // Side by side: a column has one colour, colours grow to the right.
    EXPECT_EQ(s.Pixel(16, 4), s.Pixel(16, 9));
    EXPECT_LT(GetRValue(s.Pixel(16, 4)), GetRValue(s.Pixel(21, 4)));
}

TEST(DrawImageText, ImageAtFourPixelsThenTheText)
{
    TCustomImageList images(8, 8);
    QImage green(8, 8, QImage::Format_RGB32);
    green.fill(Qt::green);
    images.Add(green);
    PaintSurface s(80, 20);
    s.canvas.Brush().SetStyle(TBrushStyle::bsClear);
    DrawImageText(&s.canvas, Rect(0, 0, 80, 20), QString(), &images, 0);
    EXPECT_EQ(s.Pixel(4, 6), clLime);
    EXPECT_EQ(s.Pixel(11, 13), clLime);
    EXPECT_EQ(s.Pixel(3, 6), clWhite);
    EXPECT_EQ(s.Pixel(4, 5), clWhite);
    EXPECT_EQ(s.Count(clLime), 64);
}

TEST(TextSizeAndTruncate, Cases)
{
    TCanvas c;
    EXPECT_EQ(GetTextSize(c, QString()), TTextSize{});
    const TTextSize size = GetTextSize(c, QStringLiteral("Hello"));
    EXPECT_EQ(size.Width, c.TextWidth(QStringLiteral("Hello")));
    EXPECT_EQ(size.Height, c.TextHeight(QStringLiteral("Hello")));

    const QString text = QStringLiteral("A rather long caption");
    const int full = GetTextSize(c, text).Width;
    EXPECT_EQ(TruncateText(c, text, full, true), text);   // fits as it is
    const QString cut = TruncateText(c, text, full / 2, true);
    EXPECT_TRUE(cut.endsWith(QStringLiteral("...")));
    EXPECT_LT(GetTextSize(c, cut).Width, full / 2);
    // One character more would not be narrower than the limit.
    const QString longer = text.left(cut.size() - 3 + 1) + QStringLiteral("...");
    EXPECT_GE(GetTextSize(c, longer).Width, full / 2);
    EXPECT_EQ(TruncateText(c, text, GetTextSize(c, QStringLiteral("...")).Width, true), text);
    EXPECT_EQ(TruncateText(c, text, 1, false), QString());
}

struct ClassifyCase {
    const char* text;
    int kind;
};

TEST(ClassifyEditNumber, DotDecimalsCommaThousands)
{
    const auto locale = DotDecimals();
    const ClassifyCase cases[] = {{"123", 0}, {"-12", 0}, {"1,234.5", 1}, {"1,2", 1}, {",12", 2}, {"1,2,3", 2},
                                  {"FF", 5},  {"1a", 5},  {"--1", 2},     {"1.2.3", 2}, {"", 2},   {"1x", 2},
                                  {"1.5", 1}, {"1,234,567", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ClassifyEditNumber(QString::fromLatin1(c.text)), c.kind);
    }
    EXPECT_EQ(StripThousandSeparators(QStringLiteral("1,234.5")), QStringLiteral("1234.5"));
}

TEST(ClassifyEditNumber, CommaDecimalsDotThousands)
{
    const auto locale = CommaDecimals();
    const ClassifyCase cases[] = {{"1.234,5", 1}, {"1,5", 1}, {"1,2,3", 2}, {".12", 2}, {"1.2.3", 2}, {"1.234.567", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ClassifyEditNumber(QString::fromLatin1(c.text)), c.kind);
    }
    EXPECT_EQ(StripThousandSeparators(QStringLiteral("1.234,5")), QStringLiteral("1234,5"));
}

TEST(HexDigits, Cases)
{
    EXPECT_EQ(HexToInt(QStringLiteral("1f")), 31);
    EXPECT_EQ(HexToInt(QStringLiteral("G1")), 1);
    EXPECT_EQ(HexToInt(QStringLiteral("FFFFFFFF")), -1);
    EXPECT_EQ(HexToInt(QStringLiteral("123456789")), 0x23456789);   // only the last eight digits count
    EXPECT_EQ(HexDigitValue(u'a'), 10);
    EXPECT_EQ(HexDigitValue(u'F'), 15);
    EXPECT_EQ(HexDigitValue(u'z'), 0);
    EXPECT_TRUE(IsRangeSeparator(u';'));
    EXPECT_FALSE(IsRangeSeparator(u'.'));
    EXPECT_EQ(PrepareCaseText(QStringLiteral("abc"), false), QStringLiteral("ABC"));
    EXPECT_EQ(PrepareCaseText(QStringLiteral("abc"), true), QStringLiteral("abc"));
}
