#include "grid/foundation/GridDraw.h"
#include "support/LocaleScope.h"
#include "support/PaintSurface.h"
#include <QSet>
#include <gtest/gtest.h>

namespace {
// Most drawings here fit 40 x 30.
struct Surface : PaintSurface {
    explicit Surface(int w = 40, int h = 30) : PaintSurface(w, h) {}
};

TColorTones SomeTones()
{
    TColorTones t;
    t.Background = {RGB(10, 10, 10), RGB(20, 20, 20), RGB(30, 30, 30)};
    t.Hover = {RGB(40, 40, 40), RGB(50, 50, 50), RGB(60, 60, 60)};
    t.Selected = {RGB(70, 70, 70), RGB(80, 80, 80), RGB(90, 90, 90)};
    t.Disabled = {RGB(100, 100, 100), RGB(110, 110, 110), RGB(120, 120, 120)};
    return t;
}
} // namespace

TEST(FillGradientRect, StepsLimitedToTheSizeGiveOneBandPerRow)
{
    Surface s;
    FillGradientRect(s.canvas, clBlack, RGB(90, 180, 9), 128, Rect(2, 3, 12, 13), false);
    QSet<TColor> colours;
    for (int y = 3; y < 13; ++y) {
        SCOPED_TRACE(y);
        const int i = y - 3;
        EXPECT_EQ(s.Pixel(2, y), RGB(10 * i, 20 * i, i));
        EXPECT_EQ(s.Pixel(11, y), RGB(10 * i, 20 * i, i));
        colours.insert(s.Pixel(5, y));
    }
    EXPECT_EQ(colours.size(), 10);
    EXPECT_EQ(s.Pixel(1, 5), clWhite);
    EXPECT_EQ(s.Pixel(12, 5), clWhite);
    EXPECT_EQ(s.Pixel(5, 13), clWhite);
}

TEST(FillGradientRect, HorizontalWideBandsAndNoColour)
{
    Surface s;
    FillGradientRect(s.canvas, RGB(0, 0, 0), RGB(200, 0, 0), 2, Rect(0, 0, 21, 2), true);
    // size 20, two steps of 10 pixels: bands start at 0, 10 and 20
    EXPECT_EQ(s.Pixel(0, 1), RGB(0, 0, 0));
    EXPECT_EQ(s.Pixel(9, 0), RGB(0, 0, 0));
    EXPECT_EQ(s.Pixel(10, 0), RGB(100, 0, 0));
    EXPECT_EQ(s.Pixel(19, 1), RGB(100, 0, 0));
    EXPECT_EQ(s.Pixel(20, 0), RGB(200, 0, 0));
    EXPECT_EQ(s.Pixel(21, 0), clWhite);

    FillGradientRect(s.canvas, clNone, clRed, 16, Rect(0, 5, 10, 15), false);
    EXPECT_EQ(s.Pixel(0, 5), clRed);
    EXPECT_EQ(s.Pixel(9, 14), clRed);
    FillGradientRect(s.canvas, clBlue, clGreen, 16, Rect(0, 20, 10, 20), false);   // no height
    EXPECT_EQ(s.Pixel(0, 20), clWhite);
}

TEST(DrawMirrorGradient, SolidFillGrowsOneRowAndFramesIt)
{
    Surface s;
    DrawMirrorGradient(s.canvas, Rect(2, 2, 12, 8), clBlue, clNone, clNone, clNone, true, clRed, false, true);
    EXPECT_EQ(s.Pixel(5, 5), clBlue);
    EXPECT_EQ(s.Pixel(2, 5), clRed);
    EXPECT_EQ(s.Pixel(5, 8), clRed);       // frame on the grown rectangle
    EXPECT_EQ(s.Pixel(5, 9), clWhite);

    DrawMirrorGradient(s.canvas, Rect(20, 0, 30, 20), RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 200, 0), RGB(0, 200, 0),
                       true, clRed, true, true);
    EXPECT_EQ(s.Pixel(25, 9), clBlack);    // top half
    EXPECT_EQ(s.Pixel(25, 10), RGB(0, 200, 0));
    EXPECT_EQ(s.Pixel(20, 0), clRed);      // sides only
    EXPECT_EQ(s.Pixel(29, 19), clRed);
    EXPECT_EQ(s.Pixel(25, 0), clBlack);
}

TEST(DrawSelectionBlock, WholeBlockHasRoundedCornersAndMiddlePieceHasNone)
{
    const TColor fill = RGB(1, 1, 1), innerTop = RGB(2, 2, 2), innerBottom = RGB(3, 3, 3), border = RGB(4, 4, 4),
                 corner = RGB(5, 5, 5), back = RGB(6, 6, 6);
    for (int part : {0, 3}) {
        SCOPED_TRACE(part);
        Surface s;
        // reduced: L 0, T 0, Ri 19, B 10, Mid 5
        DrawSelectionBlock(s.canvas, fill, clNone, clNone, clNone, innerTop, innerBottom, border, corner, back,
                           Rect(0, 0, 20, 12), part);
        if (part == 0) {
            EXPECT_EQ(s.Pixel(0, 0), back);
            EXPECT_EQ(s.Pixel(1, 0), corner);
            EXPECT_EQ(s.Pixel(0, 1), corner);
            EXPECT_EQ(s.Pixel(18, 0), back);
            EXPECT_EQ(s.Pixel(17, 10), corner);
            EXPECT_EQ(s.Pixel(0, 5), border);
            EXPECT_EQ(s.Pixel(18, 5), border);
            EXPECT_EQ(s.Pixel(1, 3), innerTop);
            EXPECT_EQ(s.Pixel(1, 7), innerBottom);
            EXPECT_EQ(s.Pixel(2, 5), fill);
        } else {
            EXPECT_EQ(s.Pixel(0, 0), border);
            EXPECT_EQ(s.Pixel(0, 1), innerTop);
            EXPECT_EQ(s.Pixel(0, 5), fill);
            EXPECT_EQ(s.Pixel(18, 5), fill);
            EXPECT_EQ(s.Pixel(0, 9), innerBottom);
            EXPECT_EQ(s.Pixel(0, 10), border);
        }
        EXPECT_EQ(s.Pixel(10, 0), border);
        EXPECT_EQ(s.Pixel(19, 5), clWhite);   // right edge reduced by one
        EXPECT_EQ(s.Pixel(10, 11), clWhite);  // bottom reduced by two
    }
}

TEST(CellButtons, ToneColoursAtTheirPixels)
{
    const TColorTones tones = SomeTones();
    {
        Surface s;
        DrawPushButton(s.canvas, nullptr, Rect(0, 0, 20, 10), bkTones, bsHot, tones);
        EXPECT_EQ(s.Pixel(5, 5), tones.Hover.BrushColor);
        EXPECT_EQ(s.Pixel(0, 0), tones.Hover.BorderColor);
        EXPECT_EQ(s.Pixel(19, 9), tones.Hover.BorderColor);
        EXPECT_EQ(s.Pixel(20, 5), clWhite);
    }
    {
        Surface s;
        DrawComboButton(s.canvas, nullptr, Rect(0, 0, 40, 20), bkTones, bsDown, tones);
        EXPECT_EQ(s.Pixel(23, 5), clWhite);                        // button starts at 40 - 19 + 3
        EXPECT_EQ(s.Pixel(24, 5), tones.Selected.BrushColor);
        EXPECT_EQ(s.Pixel(25, 10), tones.Background.BorderColor);  // the line at its left + 1
        EXPECT_EQ(s.Pixel(32, 9), tones.Background.TextColor);     // the arrow
        EXPECT_EQ(s.Pixel(37, 18), tones.Selected.BrushColor);
        EXPECT_EQ(s.Pixel(38, 5), clWhite);
        EXPECT_EQ(s.Pixel(30, 0), clWhite);
    }
    {
        Surface s;
        DrawSpinButtons(s.canvas, nullptr, Rect(0, 0, 40, 20), bkTones, bsDisabled, tones);
        EXPECT_EQ(s.Pixel(25, 0), tones.Disabled.BrushColor);
        EXPECT_EQ(s.Pixel(31, 3), clBlack);                        // up arrow
        EXPECT_EQ(s.Pixel(31, 12), clBlack);                       // down arrow
        EXPECT_EQ(s.Pixel(26, 9), clWhite);                        // the row between the buttons
        EXPECT_EQ(s.Pixel(26, 10), tones.Disabled.BrushColor);
        EXPECT_EQ(s.Pixel(39, 5), clWhite);
    }
}

TEST(CellButtons, ClassicAndFlatFrames)
{
    Surface s;
    DrawPushButton(s.canvas, nullptr, Rect(0, 0, 20, 10), bkClassic, bsNormal, {});
    EXPECT_EQ(s.Pixel(0, 0), ColorToRGB(cl3DLight));
    EXPECT_EQ(s.Pixel(19, 9), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(s.Pixel(18, 8), ColorToRGB(clBtnShadow));
    EXPECT_EQ(s.Pixel(10, 5), ColorToRGB(clBtnFace));
    DrawPushButton(s.canvas, nullptr, Rect(0, 0, 20, 10), bkClassic, bsDown, {});
    EXPECT_EQ(s.Pixel(0, 0), ColorToRGB(cl3DDkShadow));
    DrawPushButton(s.canvas, nullptr, Rect(20, 0, 40, 10), bkFlat, bsNormal, {});
    EXPECT_EQ(s.Pixel(20, 0), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(s.Pixel(21, 1), ColorToRGB(clBtnFace));

    DrawComboButton(s.canvas, nullptr, Rect(0, 10, 40, 30), bkClassic, bsDisabled, {});
    bool grayGlyph = false;
    for (int x = 21; x < 38; ++x)
        grayGlyph = grayGlyph || s.Pixel(x, 20) == ColorToRGB(clGrayText);
    EXPECT_TRUE(grayGlyph);
}

TEST(CellButtons, ThemedKindsDrawThroughTheStyle)
{
    Surface s;
    DrawPushButton(s.canvas, nullptr, Rect(5, 5, 30, 25), bkTheme, bsNormal, {});
    EXPECT_NE(s.Pixel(17, 15), clWhite);
    EXPECT_EQ(s.Pixel(4, 15), clWhite);
    EXPECT_EQ(s.Pixel(30, 15), clWhite);
}

TEST(DrawDropArrowAndBitmaps, Pixels)
{
    Surface s;
    DrawDropArrow(s.canvas, 10, 10, clRed);
    EXPECT_EQ(s.Pixel(10, 11), clRed);
    EXPECT_EQ(s.Pixel(10, 9), clWhite);

    TBitmap glyph(3, 2);
    glyph.Canvas().SetPixels(0, 0, clRed);
    glyph.Canvas().SetPixels(1, 0, clRed);
    glyph.Canvas().SetPixels(2, 0, clBlue);
    glyph.Canvas().SetPixels(0, 1, clRed);
    glyph.Canvas().SetPixels(1, 1, clLime);
    glyph.Canvas().SetPixels(2, 1, clRed);
    DrawTransparentBitmap(s.canvas, glyph, clYellow, Rect(20, 20, 30, 30));
    EXPECT_EQ(s.Pixel(20, 20), clYellow);
    EXPECT_EQ(s.Pixel(22, 20), clBlue);
    EXPECT_EQ(s.Pixel(21, 21), clLime);
    EXPECT_EQ(s.Pixel(22, 21), clYellow);
    EXPECT_EQ(s.Pixel(23, 20), clWhite);   // drawn at the bitmap's own size
}

TEST(DrawSignedBar, ClampedToTheRangeAndNothingWithoutOne)
{
    Surface a, b, c;
    DrawSignedBar(a.canvas, Rect(0, 0, 24, 10), 150, 100, false, clRed, clBlue);
    DrawSignedBar(b.canvas, Rect(0, 0, 24, 10), 100, 100, false, clRed, clBlue);
    a.canvas.Release();
    b.canvas.Release();
    EXPECT_EQ(a.image, b.image);
    // shrunk: 2..22, half 10, middle 12: the positive bar covers 12..21
    EXPECT_EQ(a.Pixel(11, 5), clWhite);
    EXPECT_EQ(a.Pixel(12, 5), clBlue);
    EXPECT_EQ(a.Pixel(21, 7), clBlue);
    EXPECT_EQ(a.Pixel(22, 5), clWhite);
    EXPECT_EQ(a.Pixel(15, 1), clWhite);

    DrawSignedBar(c.canvas, Rect(0, 0, 24, 10), -50, 100, false, clRed, clBlue);
    EXPECT_EQ(c.Pixel(7, 5), clRed);
    EXPECT_EQ(c.Pixel(6, 5), clWhite);
    EXPECT_EQ(c.Pixel(12, 5), clWhite);

    Surface d;
    DrawSignedBar(d.canvas, Rect(0, 0, 24, 10), 5, 0, false, clRed, clBlue);   // once a division by zero
    d.canvas.Release();
    EXPECT_EQ(d.image.pixelColor(12, 5), QColor(Qt::white));
}

TEST(DrawPiePercent, ZeroDrawsOnlyTheOutlineAQuarterFillsItsSlice)
{
    Surface zero;
    DrawPiePercent(zero.canvas, Rect(0, 0, 21, 21), clRed, 0, false);
    EXPECT_EQ(zero.Pixel(10, 5), clGray);      // the radius to 12 o'clock
    EXPECT_EQ(zero.Pixel(15, 5), clWhite);
    EXPECT_EQ(zero.Pixel(5, 15), clWhite);

    Surface quarter;
    DrawPiePercent(quarter.canvas, Rect(0, 0, 21, 21), clRed, 25, false);
    EXPECT_EQ(quarter.Pixel(15, 5), clRed);    // upper right: inside the slice
    EXPECT_EQ(quarter.Pixel(5, 15), clWhite);
    EXPECT_EQ(quarter.Pixel(5, 5), clWhite);
    EXPECT_EQ(quarter.Pixel(10, 3), clGray);   // outlines drawn over the fill
    EXPECT_EQ(quarter.Pixel(14, 10), clGray);

    Surface above;
    DrawPiePercent(above.canvas, Rect(0, 0, 21, 21), clRed, 25, true);
    EXPECT_EQ(above.Pixel(15, 5), clWhite);
    EXPECT_EQ(above.Pixel(5, 15), clRed);
}

TEST(DrawFormattedProgress, FullBarBeyondTheEndAndEmptyRange)
{
    Surface s(60, 20);
    s.canvas.Brush().SetColor(clWhite);
    DrawFormattedProgress(s.canvas, Rect(0, 0, 60, 20), clBlue, clWhite, clYellow, clBlack, 150, 2, 2, 0, 100, "",
                          clRed, false);
    // margins: 2..58 x 2..18; the whole inside is filled
    EXPECT_EQ(s.Pixel(3, 3), clBlue);
    EXPECT_EQ(s.Pixel(57, 17), clBlue);
    EXPECT_EQ(s.Pixel(1, 10), clRed);          // border one pixel out
    EXPECT_EQ(s.Pixel(58, 1), clRed);
    EXPECT_EQ(s.Pixel(0, 10), clWhite);        // the background frame outside it

    Surface t(60, 20);
    t.canvas.Brush().SetColor(clWhite);
    DrawFormattedProgress(t.canvas, Rect(0, 0, 60, 20), clBlue, clWhite, clYellow, clBlack, 5, 0, 0, 5, 5, "%d",
                          clNone, false);       // once a division by zero: no progress
    EXPECT_EQ(t.Pixel(1, 1), clYellow);
    EXPECT_EQ(t.Pixel(58, 18), clYellow);
}

TEST(FormatValue, OneValueFormats)
{
    const auto scope = DotDecimals();
    const struct { const char* format; double value; const char* text; } cases[] = {
        {"%d%%", 42.6, "43%"}, {"%5d", 7, "    7"}, {"%-3d|", 7, "7  |"}, {"%.3d", 5, "005"},
        {"%x", 255, "FF"}, {"%.1f", 2.26, "2.3"}, {"%f", 1.5, "1.50"}, {"%n", 1234.5, "1,234.50"},
        {"no value", 1, "no value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(FormatValue(c.format, c.value), c.text);
    }
    const auto comma = CommaDecimals();
    EXPECT_EQ(FormatValue("%.1f", 2.26), "2,3");
    EXPECT_EQ(FormatValue("%.2f", 1234.5), "1234,50");
}

TEST(DrawDisabledText, TheLightCopyShowsOnlyOnePixelDownAndRightOfTheDarkText)
{
    const TRect r = Rect(2, 2, 60, 20);
    Surface plain(64, 24);
    plain.canvas.Brush().SetStyle(TBrushStyle::bsClear);
    plain.canvas.Font().SetColor(clBlack);
    TRect inPlace = r;
    plain.canvas.DrawText("Wg", inPlace, DT_LEFT | DT_SINGLELINE);

    Surface s(64, 24);
    s.canvas.Brush().SetStyle(TBrushStyle::bsClear);
    DrawDisabledText(s.canvas, "Wg", r, DT_LEFT | DT_SINGLELINE, clRed, clBlue);
    int ink = 0, light = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 64; ++x) {
            SCOPED_TRACE(testing::Message() << x << "," << y);
            const bool inked = plain.Pixel(x, y) == clBlack;
            const bool shifted = x > 0 && y > 0 && plain.Pixel(x - 1, y - 1) == clBlack;
            ink += inked;
            light += s.Pixel(x, y) == clRed;
            EXPECT_EQ(s.Pixel(x, y) == clBlue, inked);
            EXPECT_EQ(s.Pixel(x, y) == clRed, shifted && !inked);
        }
    EXPECT_GT(ink, 0);
    EXPECT_GT(light, 0);
}

TEST(DrawErrorUnderline, RedZigZagUnderTheMarkedCharacters)
{
    Surface s(200, 30);
    const QString text = "correct wrnog text";
    DrawErrorUnderline(s.canvas, text, Rect(0, 0, 200, 30), 10, 8, 5);
    const int start = s.canvas.TextWidth(text.left(8));
    const int end = s.canvas.TextWidth(text.left(12));
    int redInside = 0, redBefore = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 200; ++x)
            if (s.Pixel(x, y) == clRed)
                ++(x < start - 1 ? redBefore : redInside);
    EXPECT_GT(redInside, end - start);
    EXPECT_EQ(redBefore, 0);

    // An error after the last character: the line starts 4 pixels past the end of the text.
    Surface past(200, 30);
    DrawErrorUnderline(past.canvas, "abc", Rect(0, 0, 200, 30), 10, 3, 1);
    const int after = past.canvas.TextWidth("abc") + 4;
    int redPast = 0, redEarlier = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 200; ++x)
            if (past.Pixel(x, y) == clRed)
                ++(x < after - 1 ? redEarlier : redPast);
    EXPECT_GT(redPast, 0);
    EXPECT_EQ(redEarlier, 0);
}
