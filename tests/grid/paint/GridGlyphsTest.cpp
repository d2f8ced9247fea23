#include "FakeLookHost.h"
#include "grid/foundation/GridAlphaMask.h"
#include "grid/paint/GridGlyphs.h"
#include "support/PaintSurface.h"
#include <gtest/gtest.h>

namespace {
// Whether the surface shows the glyph at (x, y), its transparent pixels showing white.
bool ShowsGlyph(PaintSurface& s, const QString& name, int x, int y)
{
    TGlyphId id;
    if (!GlyphByName(name, id))
        return false;
    const TBitmap& glyph = GlyphBitmap(id);
    const TColor key = glyph.TransparentColor();
    for (int gy = 0; gy < glyph.Height(); ++gy)
        for (int gx = 0; gx < glyph.Width(); ++gx) {
            const TColor want = FromQColor(glyph.Image().pixelColor(gx, gy));
            if (s.Pixel(x + gx, y + gy) != (want == key ? clWhite : want))
                return false;
        }
    return true;
}

struct GlyphFixture : ::testing::Test {
    FakeLookHost host;
    TGlyphContext ctx;
    GlyphFixture() { ctx.Look = &host.controlLook; }
};
} // namespace

TEST_F(GlyphFixture, CheckBoxBitmapsByStyleAndState)
{
    struct Case {
        TControlStyle style;
        bool checked, enabled, alwaysActive;
        const char* glyph;
    };
    const Case cases[] = {
        {TControlStyle::csWinXP, true, false, false, "VXGCHK07"},
        {TControlStyle::csWinXP, true, false, true, "VXGCHK05"},
        {TControlStyle::csWinXP, false, true, false, "VXGCHK06"},
        {TControlStyle::csZarn, false, false, false, "VXGCHK04"},
        {TControlStyle::csZarn, true, true, false, "VXGCHK01"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.glyph);
        host.controlLook.SetCheckAlwaysActive(c.alwaysActive);
        PaintSurface s(40, 40);
        DrawCheckGlyph(s.canvas, ctx, Rect(5, 6, 35, 30), c.checked, TCheckBoxState::cbUnchecked, false, c.style,
                       false, c.enabled);
        EXPECT_TRUE(ShowsGlyph(s, c.glyph, 5, 6));
    }
}

TEST_F(GlyphFixture, TriStateDecidesCheckedOverTheFlag)
{
    PaintSurface s(40, 40);
    DrawCheckGlyph(s.canvas, ctx, Rect(0, 0, 20, 20), false, TCheckBoxState::cbChecked, true,
                   TControlStyle::csWinXP, false, true);
    EXPECT_TRUE(ShowsGlyph(s, "VXGCHK05", 0, 0));
}

TEST_F(GlyphFixture, ThemeWithoutVisualStylesIsTheClassicFrameControlCentredNotFlat)
{
    ctx.Themed = false;
    PaintSurface classic(30, 30), themed(30, 30), flat(30, 30);
    const TRect r = Rect(0, 0, 25, 25);
    DrawCheckGlyph(classic.canvas, ctx, r, true, TCheckBoxState::cbUnchecked, false, TControlStyle::csClassic, false, true);
    DrawCheckGlyph(themed.canvas, ctx, r, true, TCheckBoxState::cbUnchecked, false, TControlStyle::csTheme, false, true);
    DrawCheckGlyph(flat.canvas, ctx, r, true, TCheckBoxState::cbUnchecked, false, TControlStyle::csFlat, false, true);
    EXPECT_EQ(themed.image, classic.image);
    EXPECT_NE(flat.image, classic.image);
    // A 15-pixel box centred in 25: from 5 to 19, with the sunken frame's shadow at its top-left.
    EXPECT_EQ(classic.Pixel(5, 5), ColorToRGB(clBtnShadow));
    EXPECT_EQ(classic.Pixel(4, 4), clWhite);
    EXPECT_EQ(classic.Pixel(19, 19), ColorToRGB(clBtnHighlight));
    EXPECT_GT(classic.Count(ColorToRGB(clWindowText)), 10);   // the tick
}

TEST_F(GlyphFixture, BorlandBoxAndTick)
{
    host.controlLook.SetColor(clRed);
    PaintSurface on(20, 20), off(20, 20);
    DrawCheckGlyph(on.canvas, ctx, Rect(0, 0, 20, 20), true, TCheckBoxState::cbUnchecked, false,
                   TControlStyle::csBorland, false, true);
    DrawCheckGlyph(off.canvas, ctx, Rect(0, 0, 20, 20), false, TCheckBoxState::cbUnchecked, false,
                   TControlStyle::csBorland, false, false);
    EXPECT_GT(on.Count(clRed), 10);
    EXPECT_EQ(on.Pixel(2, 7), clRed);               // the first stroke at left + 2 from the middle
    EXPECT_EQ(off.Count(clRed), 0);
    EXPECT_EQ(off.Pixel(5, 5), ColorToRGB(clBtnShadow));   // disabled fill
}

TEST_F(GlyphFixture, GlyphStyleUsesTheControlLooksBitmaps)
{
    TBitmap mark(4, 4);
    mark.Canvas().Brush().SetColor(clLime);
    mark.Canvas().FillRect(Rect(0, 0, 4, 3));
    host.controlLook.SetCheckedGlyph(mark);
    PaintSurface s(20, 20);
    DrawCheckGlyph(s.canvas, ctx, Rect(3, 3, 20, 20), true, TCheckBoxState::cbUnchecked, false,
                   TControlStyle::csGlyph, false, true);
    EXPECT_EQ(s.Count(clLime), 12);            // the white bottom row is the transparent colour
    EXPECT_EQ(s.Pixel(3, 3), clLime);
}

TEST_F(GlyphFixture, RadioGroupSelectsByIndexOrByCellText)
{
    const QStringList items{"one", "two", "three"};
    auto selectedOption = [&](int selectedIndex, const QString& cellText) {
        PaintSurface s(60, 80);
        DrawRadioGlyph(s.canvas, ctx, Rect(0, 0, 60, 80), false, 1.0, TControlStyle::csWinXP, false, &items, false,
                       false, selectedIndex, 3, cellText);
        int found = -1;
        for (int i = 0; i < 3; ++i)
            if (ShowsGlyph(s, "VXGRAD05", 2, 2 + 16 * i))
                found = found == -1 ? i : -2;
        return found;
    };
    EXPECT_EQ(selectedOption(1, ""), 1);
    EXPECT_EQ(selectedOption(-1, "three"), 2);
    EXPECT_EQ(selectedOption(-1, "four"), -1);   // no text matches: none selected
}

TEST_F(GlyphFixture, VerticalXPGroupSpacesSmallTextSixteenApart)
{
    const QStringList items{"a", "b"};
    PaintSurface s(60, 60);
    s.canvas.Font().SetSize(7);
    ASSERT_LT(s.canvas.TextHeight("gh"), 16);
    DrawRadioGlyph(s.canvas, ctx, Rect(0, 0, 60, 60), false, 1.0, TControlStyle::csWinXP, false, &items, false,
                   false, 0, 2);
    EXPECT_TRUE(ShowsGlyph(s, "VXGRAD05", 2, 2));
    EXPECT_TRUE(ShowsGlyph(s, "VXGRAD06", 2, 18));
}

TEST_F(GlyphFixture, DisabledRadioUnlessAlwaysActive)
{
    PaintSurface s(20, 20);
    DrawRadioGlyph(s.canvas, ctx, Rect(0, 0, 20, 20), false, 1.0, TControlStyle::csZarn, false, nullptr, true,
                   false, 0, 1);
    EXPECT_TRUE(ShowsGlyph(s, "VXGRAD03", 2, 2));
    host.controlLook.SetRadioAlwaysActive(true);
    PaintSurface t(20, 20);
    DrawRadioGlyph(t.canvas, ctx, Rect(0, 0, 20, 20), false, 1.0, TControlStyle::csZarn, false, nullptr, true,
                   false, 0, 1);
    EXPECT_TRUE(ShowsGlyph(t, "VXGRAD01", 2, 2));
}

TEST(FocusHalo, FrameOfACellIsNineLargerAndShowsOnlyTheRim)
{
    TGridAlphaMask mask;
    QRegion region;
    BuildFocusHalo(100, 20, mask, region);
    EXPECT_EQ(mask.Width(), 109);
    EXPECT_EQ(mask.Height(), 29);
    EXPECT_EQ(mask.Opacity(), 230);
    EXPECT_TRUE(region.contains(QPoint(0, 0)));
    EXPECT_TRUE(region.contains(QPoint(3, 10)));
    EXPECT_FALSE(region.contains(QPoint(4, 4)));
    EXPECT_FALSE(region.contains(QPoint(103, 23)));
    EXPECT_TRUE(region.contains(QPoint(104, 24)));   // 5 pixels at the right and bottom
    EXPECT_TRUE(region.contains(QPoint(108, 28)));
}

TEST(SizingLines, DrawnTwiceTheyAreGone)
{
    PaintSurface s(30, 30, QColor(0x40, 0x80, 0xC0));
    const QImage before = (s.Pixel(0, 0), s.image.copy());
    DrawColSizingLine(s.canvas, 10, 30);
    EXPECT_NE(s.Pixel(10, 0), FromQColor(QColor(0x40, 0x80, 0xC0)));
    DrawColSizingLine(s.canvas, 10, 30);
    DrawRowSizingLine(s.canvas, 7, 30);
    DrawRowSizingLine(s.canvas, 7, 30);
    s.Pixel(0, 0);
    EXPECT_EQ(s.image, before);
    EXPECT_EQ(s.canvas.Pen().Mode(), TPenMode::pmCopy);
}
