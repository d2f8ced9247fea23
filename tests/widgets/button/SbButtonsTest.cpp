#include "widgets/button/SbButtons.h"
#include "widgets/button/SbButtonGlyphs.h"
#include "support/PaintSurface.h"
#include <gtest/gtest.h>
#include <algorithm>

namespace {
constexpr int W = 60;
constexpr int H = 23;

// A face drawn on a surface that starts magenta, so that untouched pixels show.
struct Face {
    TSbButtonFace f;
    TBitmap surface{W, H};
    Face()
    {
        f.Width = W;
        f.Height = H;
        f.Color = clRed;
        f.LightColor = clWhite;
        f.ShadowColor = clGray;
        f.Font.SetColor(clBlue);
    }
    Face& Draw()
    {
        surface.Canvas().Brush().SetStyle(TBrushStyle::bsSolid);
        surface.Canvas().Brush().SetColor(kSbTransparentKey);
        surface.Canvas().FillRect(Rect(0, 0, W, H));
        DrawSbButtonFace(surface.Canvas(), f);
        return *this;
    }
    TColor At(int x, int y) const { return FromQColor(surface.Image().pixelColor(x, y)); }
    int CountOf(TColor c) const { return CountColour(surface.Image(), c); }
};

// A one-pixel marker at (0, 0) of each cell on an olive background (the transparent bottom-left colour).
TBitmap MakeStrip(std::initializer_list<TColor> cellMarkers, int cell = 4)
{
    TBitmap strip(cell * int(cellMarkers.size()), cell);
    strip.Canvas().Brush().SetColor(clOlive);
    strip.Canvas().FillRect(Rect(0, 0, strip.Width(), cell));
    int i = 0;
    for (TColor c : cellMarkers)
        strip.Canvas().SetPixels(cell * i++, 0, c);
    return strip;
}
} // namespace

TEST(DrawSbButtonFace, NormalFaceHasLightTopLeftAndShadowBottomRightSwappedWhenPressed)
{
    Face up;
    up.Draw();
    EXPECT_EQ(up.At(10, 10), clRed);
    EXPECT_EQ(up.At(0, 0), clWhite);
    EXPECT_EQ(up.At(0, H - 1), clWhite);
    EXPECT_EQ(up.At(W - 2, 0), clWhite);
    EXPECT_EQ(up.At(W - 1, 0), clGray);
    EXPECT_EQ(up.At(W - 1, H - 1), clGray);
    EXPECT_EQ(up.At(1, H - 1), clGray);
    EXPECT_EQ(up.CountOf(kSbTransparentKey), 0);

    Face down;
    down.f.Down = true;
    down.Draw();
    EXPECT_EQ(down.At(0, 0), clGray);
    EXPECT_EQ(down.At(W - 1, H - 1), clWhite);

    // Disabled buttons are never pressed.
    down.f.Enabled = false;
    down.Draw();
    EXPECT_EQ(down.At(0, 0), clWhite);
}

TEST(DrawSbButtonFace, FlatFaceShowsItsFrameOnlyWhileHotOrPressedAndEnabled)
{
    struct Case {
        bool hot, down, enabled, framed;
    };
    const Case cases[] = {
        {false, false, true, false}, {true, false, true, true}, {false, true, true, true}, {true, true, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hot << c.down << c.enabled);
        Face face;
        face.f.Flat = true;
        face.f.Hot = c.hot;
        face.f.Down = c.down;
        face.f.Enabled = c.enabled;
        face.Draw();
        EXPECT_EQ(face.At(W - 1, H - 1) == clRed, !c.framed);
        EXPECT_EQ(face.At(0, 0) == clRed, !c.framed);
    }
}

TEST(DrawSbButtonFace, FaceColourBlendsTowardsTheHotColourByStep)
{
    struct Case {
        int step;
        bool down, enabled;
        TColor colorWhenDown, expected;
    };
    const Case cases[] = {
        {0, false, true, clNone, RGB(0, 0, 0)},
        {8, false, true, clNone, RGB(200, 100, 50)},
        {4, false, true, clNone, RGB(100, 50, 25)},
        {3, false, true, clNone, RGB(75, 37, 18)},          // 3/8 of each channel, truncated
        {8, true, true, clYellow, clYellow},                // the pressed colour replaces the blend
        {8, true, true, clNone, RGB(200, 100, 50)},
        {8, false, false, clNone, RGB(0, 0, 0)},            // disabled: no highlight
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.step << c.down << c.enabled);
        Face face;
        face.f.Color = clBlack;
        face.f.HotTrackColor = RGB(200, 100, 50);
        face.f.HotTrackStep = c.step;
        face.f.Down = c.down;
        face.f.Enabled = c.enabled;
        face.f.ColorWhenDown = c.colorWhenDown;
        face.Draw();
        EXPECT_EQ(face.At(10, 10), c.expected);
    }
}

TEST(DrawSbButtonFace, ModernFaceIsTwoGradientsInsideARoundedFrame)
{
    Face face;
    face.f.Style = TSbButtonStyle::bsModern;
    face.f.LightColor = clBlack;
    face.f.Color = RGB(248, 248, 248); // 8 per band step
    face.f.ShadowColor = clNavy;
    face.Draw();
    const int x = W / 2;
    EXPECT_EQ(face.At(0, 0), kSbTransparentKey); // the rounded corner leaves the surface alone
    EXPECT_EQ(face.At(x, 0), clNavy);
    EXPECT_EQ(face.At(x, 1), RGB(248, 248, 248)); // inner outline in the face colour
    // Rows 2..4 are the last bands that start on them: 10, 20 and 30 steps from the light colour.
    EXPECT_EQ(face.At(x, 2), RGB(80, 80, 80));
    EXPECT_EQ(face.At(x, 3), RGB(160, 160, 160));
    EXPECT_EQ(face.At(x, 4), RGB(240, 240, 240));
    EXPECT_EQ(face.At(x, 5), RGB(240, 240, 240)); // the second gradient, one step down from the face colour
    EXPECT_EQ(face.At(x, H - 1), clNavy);

    face.f.Down = true;
    face.Draw();
    EXPECT_EQ(face.At(x, 1), clNavy); // pressed: the inner outline takes the shadow colour
}

TEST(DrawSbButtonFace, ShapeIsAllTransparentKeyAndQuickenRoundsItsCorners)
{
    Face shape;
    shape.f.Style = TSbButtonStyle::bsShape;
    shape.f.Color = clGreen;
    shape.Draw();
    EXPECT_EQ(shape.CountOf(kSbTransparentKey), W * H);

    Face quicken;
    quicken.f.Style = TSbButtonStyle::bsQuicken;
    quicken.f.Color = clGreen;
    quicken.f.ShadowColor = clSilver;
    quicken.Draw();
    EXPECT_EQ(quicken.At(0, 0), kSbTransparentKey);
    EXPECT_EQ(quicken.At(W / 2, H / 2), clGreen);
    EXPECT_EQ(quicken.At(4, 0), clSilver);
    EXPECT_EQ(quicken.At(W - 6, 0), clSilver);
    EXPECT_EQ(quicken.At(W - 5, 0), kSbTransparentKey);
    EXPECT_EQ(quicken.At(4, H - 1), clSilver);
}

TEST(DrawSbButtonFace, OldFaceHasADoubleBevel)
{
    Face face;
    face.f.Style = TSbButtonStyle::bsOld;
    face.f.LightColor = clWhite;
    face.f.ShadowColor = clGray;
    face.Draw();
    EXPECT_EQ(face.At(0, 5), clWhite);
    EXPECT_EQ(face.At(5, 0), clWhite);
    EXPECT_EQ(face.At(W - 2, 5), clGray);
    EXPECT_EQ(face.At(5, H - 2), clGray);
    EXPECT_EQ(face.At(W - 1, 5), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(face.At(5, H - 1), ColorToRGB(cl3DDkShadow));

    face.f.Down = true;
    face.Draw();
    EXPECT_EQ(face.At(0, 5), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(face.At(1, 5), clGray);
    EXPECT_EQ(face.At(W - 1, 5), clWhite);
}

TEST(DrawSbButtonFace, GlyphMovesWithThePressExceptOnEncartaAndLeavesItsBackgroundOut)
{
    const TBitmap glyph = MakeStrip({clYellow});
    struct Case {
        TSbButtonStyle style;
        bool down;
        int offset;
    };
    const Case cases[] = {
        {TSbButtonStyle::bsNormal, false, 0},
        {TSbButtonStyle::bsNormal, true, 1},
        {TSbButtonStyle::bsEncarta, true, 0},
        {TSbButtonStyle::bsOld, true, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.style));
        Face face;
        face.f.Style = c.style;
        face.f.Down = c.down;
        face.f.Glyph = &glyph;
        face.f.NumGlyphs = 1;
        face.Draw();
        // No caption: the centred glyph sits exactly in the middle.
        const int x = (W - 4) / 2 + c.offset, y = (H - 4) / 2 + c.offset;
        EXPECT_EQ(face.At(x, y), clYellow);
        EXPECT_EQ(face.At(x, y + 3), clRed); // olive, the bottom-left colour, is left out
        EXPECT_EQ(face.CountOf(clOlive), 0);
    }
}

TEST(DrawSbButtonFace, GlyphCellFollowsTheState)
{
    const TBitmap four = MakeStrip({clYellow, clBlue, clLime, clAqua});
    const TBitmap two = MakeStrip({clYellow, clBlue});
    const TBitmap one = MakeStrip({clYellow});
    struct Case {
        const TBitmap* glyph;
        int cells;
        bool enabled, hot, down;
        TColor shown;
    };
    const Case cases[] = {
        {&four, 4, true, false, false, clYellow}, {&four, 4, false, false, false, clBlue},
        {&four, 4, true, false, true, clLime},    {&four, 4, true, true, false, clAqua},
        {&four, 4, true, true, true, clLime},     // pressed wins over hot
        {&two, 2, true, true, true, clYellow},    // pressed and hot need 3 and 4 cells
        {&two, 2, false, false, false, clBlue},   {&one, 1, false, false, false, clYellow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cells << c.enabled << c.hot << c.down);
        Face face;
        face.f.Glyph = c.glyph;
        face.f.NumGlyphs = c.cells;
        face.f.Enabled = c.enabled;
        face.f.Hot = c.hot;
        face.f.Down = c.down;
        face.Draw();
        const int d = c.down && c.enabled ? 1 : 0;
        EXPECT_EQ(face.At((W - 4) / 2 + d, (H - 4) / 2 + d), c.shown);
    }
}

TEST(DrawSbButtonFace, GlyphLeftOfCaptionByAlignment)
{
    const TBitmap glyph = MakeStrip({clYellow});
    TCanvas measure;
    const int span = measure.TextWidth("Go") + 4;
    struct Case {
        TAlignment alignment;
        bool wordWrap;
        int glyphX;
    };
    const Case cases[] = {
        {TAlignment::taLeftJustify, false, 4},
        {TAlignment::taRightJustify, false, W - 4 - 4 - span},
        {TAlignment::taCenter, false, (W - 4) / 2 - span / 2},
        {TAlignment::taCenter, true, 4}, // with word wrap the glyph stays at the left
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.alignment));
        Face face;
        face.f.Glyph = &glyph;
        face.f.NumGlyphs = 1;
        face.f.Caption = "Go";
        face.f.Alignment = c.alignment;
        face.f.WordWrap = c.wordWrap;
        face.Draw();
        EXPECT_EQ(face.At(c.glyphX, (H - 4) / 2), clYellow);
    }
}

TEST(DrawSbButtonFace, GlyphRightAboveAndBelowTheCaption)
{
    const TBitmap glyph = MakeStrip({clYellow});
    TCanvas measure;
    const int span = measure.TextWidth("Go") + 4;
    const int textH = measure.TextHeight("Go");
    const int blockTop = (H - (textH + 4 + 4)) / 2; // caption, glyph and the gap between them, centred
    using L = TSbButtonLayout;
    struct Case {
        TSbButtonLayout layout;
        TAlignment alignment;
        bool down;
        int glyphX, glyphY;
    };
    const Case cases[] = {
        {L::blGlyphRight, TAlignment::taLeftJustify, false, 4 + span, (H - 4) / 2},
        {L::blGlyphRight, TAlignment::taRightJustify, false, W - 4 - 4, (H - 4) / 2},
        {L::blGlyphRight, TAlignment::taCenter, false, (W - 4) / 2 + span / 2, (H - 4) / 2},
        {L::blGlyphRight, TAlignment::taCenter, true, (W - 4) / 2 + 1 + span / 2, (H - 4) / 2 + 1},
        {L::blGlyphTop, TAlignment::taLeftJustify, false, 4, blockTop},
        {L::blGlyphTop, TAlignment::taRightJustify, false, W - 4 - 4, blockTop},
        {L::blGlyphTop, TAlignment::taCenter, true, (W - 4) / 2 + 1, blockTop + 1},
        {L::blGlyphBottom, TAlignment::taCenter, false, (W - 4) / 2, blockTop + textH}, // no gap under the text
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.layout) << " " << int(c.alignment) << " " << c.down);
        Face face;
        face.f.Glyph = &glyph;
        face.f.NumGlyphs = 1;
        face.f.Caption = "Go";
        face.f.Layout = c.layout;
        face.f.Alignment = c.alignment;
        face.f.Down = c.down;
        face.Draw();
        EXPECT_EQ(face.At(c.glyphX, c.glyphY), clYellow);
        EXPECT_EQ(face.CountOf(clYellow), 1);
    }
}

TEST(DrawSbButtonFace, PressedEncartaCaptionTurnsBoldInPlace)
{
    auto captionPixels = [](TSbButtonStyle style, bool down) {
        Face face;
        face.f.Style = style;
        face.f.Caption = "Wide";
        face.f.Down = down;
        face.Draw();
        int leftmost = W;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                if (face.At(x, y) == clBlue)
                    leftmost = std::min(leftmost, x);
        return std::pair{face.CountOf(clBlue), leftmost};
    };
    const auto encartaUp = captionPixels(TSbButtonStyle::bsEncarta, false);
    const auto encartaDown = captionPixels(TSbButtonStyle::bsEncarta, true);
    EXPECT_GT(encartaDown.first, encartaUp.first);
    const auto normalUp = captionPixels(TSbButtonStyle::bsNormal, false);
    const auto normalDown = captionPixels(TSbButtonStyle::bsNormal, true);
    EXPECT_EQ(normalDown.first, normalUp.first); // the same text, one pixel further right
    EXPECT_EQ(normalDown.second, normalUp.second + 1);
}

TEST(DrawSbButtonFace, ShapeCentresItsGlyphUnmovedAndKeepsTheCaptionColourWhenDisabled)
{
    const TBitmap glyph = MakeStrip({clYellow});
    Face face;
    face.f.Style = TSbButtonStyle::bsShape;
    face.f.Glyph = &glyph;
    face.f.NumGlyphs = 1;
    face.f.Down = true;
    face.Draw();
    EXPECT_EQ(face.At((W - 4) / 2, (H - 4) / 2), clYellow);

    face.f.Caption = "Go";
    face.f.Enabled = false;
    face.Draw();
    EXPECT_GT(face.CountOf(clBlue), 0);
    EXPECT_EQ(face.CountOf(clGray), 0);
}

TEST(DrawSbButtonFace, CaptionIsCutToFitAndGreyWhenDisabled)
{
    Face wide;
    wide.f.Caption = "Hello";
    wide.Draw();
    EXPECT_GT(wide.CountOf(clBlue), 0);
    wide.f.Enabled = false;
    wide.Draw();
    EXPECT_EQ(wide.CountOf(clBlue), 0);
    EXPECT_GT(wide.CountOf(RGB(0x80, 0x80, 0x80)), 0);

    // Narrower than 8 pixels: no room at all, the caption is cut to nothing.
    Face narrow;
    narrow.f.Width = 7;
    narrow.f.Caption = "Hello";
    narrow.Draw();
    EXPECT_EQ(narrow.CountOf(clBlue), 0);

    // A long caption keeps only what fits, ending inside the text area (no ellipsis, nothing past it).
    Face cut;
    cut.f.Width = 30;
    cut.f.Caption = "A long caption";
    cut.f.Alignment = TAlignment::taLeftJustify;
    cut.Draw();
    EXPECT_GT(cut.CountOf(clBlue), 0);
    for (int y = 0; y < H; ++y)
        for (int x = 26; x < W; ++x)
            EXPECT_NE(cut.At(x, y), clBlue) << x << "," << y;
}

TEST(DrawSbButtonFace, DropDownMarkIsABlackTriangle)
{
    Face face;
    face.f.HasPopupMenu = true;
    face.Draw();
    const int x = W - 11, y = H / 2 - 1;
    EXPECT_EQ(face.At(x, y), clBlack);
    EXPECT_EQ(face.At(x + 4, y), clBlack);
    EXPECT_EQ(face.At(x, y + 1), clRed); // white around the triangle is left out
    EXPECT_EQ(face.At(x + 2, y + 2), clBlack);
    EXPECT_EQ(face.At(x + 1, y + 2), clRed);
}

TEST(GetColorStyleColors, PresetsSetTheirLooks)
{
    const TSbColorStyleColors xp = GetColorStyleColors(TSbColorStyle::lcsUltraFlatXP);
    EXPECT_EQ(xp.LightColor, 0xB59284u);
    EXPECT_EQ(xp.ShadowColor, 0xB59285u);
    EXPECT_EQ(xp.ColorWhenDown, 0xB59285u);
    EXPECT_TRUE(xp.Flat);
    EXPECT_EQ(xp.Style, TSbButtonStyle::bsNormal);
    const TSbColorStyleColors q = GetColorStyleColors(TSbColorStyle::lcsQuicken);
    EXPECT_EQ(q.FontColor, clWhite);
    EXPECT_EQ(q.Style, TSbButtonStyle::bsQuicken);
    EXPECT_EQ(GetColorStyleColors(TSbColorStyle::lcsDefault).Color, clBtnFace);
    EXPECT_EQ(GetColorStyleColors(TSbColorStyle::lcsGold).Style, TSbButtonStyle::bsModern);
}

TEST(GetColorStyleColors, EveryPresetRow)
{
    using C = TSbColorStyle;
    using S = TSbButtonStyle;
    struct Row {
        TSbColorStyle preset;
        TSbColorStyleColors colors;
    };
    const TColor face = 0xFF00000F;
    const Row rows[] = {
        {C::lcsGold, {0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF, 0x000000, false, S::bsModern}},
        {C::lcsChrome, {0xC0C0C0, 0xFFFFFF, 0x808080, clNone, clNone, 0x000000, false, S::bsModern}},
        {C::lcsBlue, {0xFF8000, 0xFFFF00, 0xFF0000, clNone, clNone, 0x000000, false, S::bsModern}},
        {C::lcsRed, {0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone, 0x000000, false, S::bsModern}},
        {C::lcsUltraFlat1, {face, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6, 0x000000, true, S::bsNormal}},
        {C::lcsUltraFlat2, {face, 0x000000, 0x000000, 0x24DABC, 0x8CF6E4, 0x000000, true, S::bsNormal}},
        {C::lcsUltraFlatXP, {0xD1D8DB, 0xB59284, 0xB59285, 0xB59285, 0xD2BDB6, 0x000000, true, S::bsNormal}},
        {C::lcsAqua, {0xECCE94, 0xFCE6D4, 0x000000, clNone, clNone, 0x000000, false, S::bsModern}},
        {C::lcsDefault, {face, 0xFFFFFF, 0x808080, clNone, clNone, 0x000000, false, S::bsNormal}},
        {C::lcsQuicken, {0x603000, 0xC0C0C0, 0xC0C0C0, 0xAD6529, 0xCEAE9C, 0xFFFFFF, false, S::bsQuicken}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(int(r.preset));
        const TSbColorStyleColors c = GetColorStyleColors(r.preset);
        const TSbColorStyleColors& e = r.colors;
        EXPECT_EQ(c.Color, e.Color);
        EXPECT_EQ(c.LightColor, e.LightColor);
        EXPECT_EQ(c.ShadowColor, e.ShadowColor);
        EXPECT_EQ(c.ColorWhenDown, e.ColorWhenDown);
        EXPECT_EQ(c.HotTrackColor, e.HotTrackColor);
        EXPECT_EQ(c.FontColor, e.FontColor);
        EXPECT_EQ(c.Flat, e.Flat);
        EXPECT_EQ(c.Style, e.Style);
    }
}

TEST(LoadSbButtonBitmap, KindGlyphsAreTwoCellStripsWithTheirBackgroundBottomLeft)
{
    for (const char* name : {"LBOK", "LBCANCEL", "LBHELP", "LBYES", "LBNO", "LBCLOSE", "LBABORT", "LBRETRY", "LBIGNORE"}) {
        SCOPED_TRACE(name);
        TBitmap b;
        ASSERT_TRUE(LoadSbButtonBitmap(b, name));
        EXPECT_EQ(b.Width(), 36);
        EXPECT_EQ(b.Height(), 18);
        EXPECT_EQ(b.TransparentColor(), clOlive);
        // The disabled cell shows the same picture in grey.
        EXPECT_NE(b.Image().copy(0, 0, 18, 18), b.Image().copy(18, 0, 18, 18));
    }
    TBitmap all;
    ASSERT_TRUE(LoadSbButtonBitmap(all, "LBALL"));
    EXPECT_EQ(all.Height(), 19);
    TBitmap none;
    EXPECT_FALSE(LoadSbButtonBitmap(none, "LBNOTHING"));
    EXPECT_TRUE(none.Empty());
}
