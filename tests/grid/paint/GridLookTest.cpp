#include "FakeLookHost.h"
#include "grid/paint/GridGlyphs.h"
#include <gtest/gtest.h>

using TGL = TGridLook;

TEST(SetLook, TheSameLookChangesNothing)
{
    FakeLookHost host;
    host.appearance.SelectionColor = clRed;
    SetLook(host, TGL::glXP);
    EXPECT_EQ(host.invalidates, 0);
    EXPECT_EQ(host.appearance.SelectionColor, clRed);
}

TEST(SetLook, WhileLoadingOnlySelectionStyleScrollTypeAndBorderChange)
{
    FakeLookHost host;
    host.loading = true;
    host.appearance.Look = TGL::glStandard;
    host.appearance.ScrollType = TScrollType::ssMetro;
    host.appearance.BorderSingle = false;
    host.appearance.SelectionColor = clRed;
    host.selectionStyle = TGridSelectionStyle::ssWin7;
    SetLook(host, TGL::glXP);
    EXPECT_EQ(host.selectionStyle, TGridSelectionStyle::ssDefault);
    EXPECT_EQ(host.appearance.ScrollType, TScrollType::ssNormal);
    EXPECT_TRUE(host.appearance.BorderSingle);
    EXPECT_EQ(host.appearance.BorderColor, 0xB99D7Fu);
    EXPECT_EQ(host.appearance.SelectionColor, clRed);
    EXPECT_EQ(host.gridLineColor, clSilver);
    EXPECT_EQ(host.fixedColor, clBtnFace);
    EXPECT_EQ(host.footerRepaints, 0);
    EXPECT_GE(host.invalidates, 1);
}

TEST(SetLook, XPAndClassicLooksSetTheirColours)
{
    FakeLookHost host;
    host.appearance.Look = TGL::glCustom;
    SetLook(host, TGL::glZarn);
    const TGridAppearance& a = host.appearance;
    EXPECT_EQ(a.SelectionColor, 0xEACAB6u);
    EXPECT_EQ(a.ActiveCellColor, 0xEACAB6u);
    EXPECT_EQ(a.Zarn.From, 0xFFFFFFu);
    EXPECT_EQ(a.Zarn.To, 0xC0C0C0u);
    EXPECT_EQ(a.Zarn.HoverFrom, 0xCFD0D1u);
    EXPECT_EQ(a.Zarn.DownMirrorTo, 0x627376u);
    // The search footer took the gradient as it stood before the Zarn end colour.
    EXPECT_EQ(host.searchFooterColor, 0xFFFFFFu);
    EXPECT_EQ(host.searchFooterColorTo, clBtnFace);
    EXPECT_EQ(host.gridLineColor, 0xC0C0C0u);
    EXPECT_EQ(host.gridFixedLineColor, 0x808080u);
    EXPECT_EQ(host.editorStyle, TZarnStyle::tsWindowsXP);
    EXPECT_EQ(host.footerRepaints, 1);

    SetLook(host, TGL::glSoft);
    EXPECT_EQ(a.SelectionColor, clHighlight);
    EXPECT_EQ(a.SelectionTextColor, clHighlightText);
    EXPECT_EQ(a.ActiveCellColor, 0x808080u);
    EXPECT_EQ(host.fixedColor, clBtnFace);
    EXPECT_EQ(a.Zarn.From, clBtnFace);
    EXPECT_EQ(a.Zarn.To, clNone);   // clNone is not passed on: the grid's was cleared first
    EXPECT_EQ(host.searchFooterColorTo, clBtnFace);
}

TEST(SetLook, VistaAppliesItsStyleAndSelectionStyle)
{
    FakeLookHost host;
    SetLook(host, TGL::glVista);
    EXPECT_EQ(host.appearance.Look, TGL::glVista);
    EXPECT_EQ(host.appearance.ComponentStyle, TZarnStyle::tsWindowsVista);
    EXPECT_EQ(host.selectionStyle, TGridSelectionStyle::ssVista);
    EXPECT_EQ(host.appearance.Zarn.MirrorFrom, 0xFAF8F7u);
    EXPECT_EQ(host.gridLineColor, 0xECECF0u);
}

struct StyleCase {
    TVxGridStyle style;
    TGridLook look;
    TColor from, to, mirrorTo;
    TColor active, activeTo;
    TColor line, fixedLine;
    TColor selection, selectionText;
    TGridSelectionStyle selectionStyle;
};
const StyleCase kStyles[] = {
    {TVxGridStyle::gsOffice2003Blue, TGL::glXP, 0xFCE1CB, 0xE0A57D, clNone, 0x94E6FB, 0x1595EE, 0xC0C0C0, 0x808080,
     0x94E6FB, clBlack, TGridSelectionStyle::ssDefault},
    {TVxGridStyle::gsOffice2003Classic, TGL::glXP, 0xFFFFFF, 0xCCD4D8, clNone, 0xD8D5D4, 0xD8D5D4, 0xC0C0C0, 0x808080,
     clHighlight, clHighlightText, TGridSelectionStyle::ssDefault},
    {TVxGridStyle::gsOffice2007Luna, TGL::glOffice2007, 0xFBF9F6, 0xE8DBD2, clNone, 0x9DD8F9, 0x5EC1F1, 0xF1EDEB,
     0xD1BBA4, 0x5EC1F1, clBlack, TGridSelectionStyle::ssOffice2007},
    {TVxGridStyle::gsWindowsXP, TGL::glXP, clBtnFace, clBtnFace, clNone, clBtnFace, clBtnFace, 0xC0C0C0, 0x808080,
     clHighlight, clHighlightText, TGridSelectionStyle::ssDefault},
    {TVxGridStyle::gsWindows7, TGL::glWin7, 0xFDFCFA, 0xFAF0E6, 0xF7E9DD, 0xFCEBDC, 0xFCDBC1, 0xECECF0, 0xD4D2D1,
     0xEACAB6, clBlack, TGridSelectionStyle::ssWin7},
    {TVxGridStyle::gsOffice2010Black, TGL::glOffice2007, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x5BD5FF, 0x71EFFF, 0xC0C0C0,
     0x444444, 0xFFDBB7, clBlack, TGridSelectionStyle::ssDefault},
};

TEST(SetStyle, PresetsSetLookGradientActiveCellLinesAndSelection)
{
    for (const auto& c : kStyles) {
        SCOPED_TRACE(int(c.style));
        FakeLookHost host;
        SetStyle(host, c.style);
        const TGridAppearance& a = host.appearance;
        EXPECT_EQ(a.Look, c.look);
        EXPECT_EQ(a.Zarn.From, c.from);
        EXPECT_EQ(a.Zarn.To, c.to);
        EXPECT_EQ(a.Zarn.MirrorTo, c.mirrorTo);
        EXPECT_EQ(a.ActiveCellColor, c.active);
        EXPECT_EQ(a.ActiveCellColorTo, c.activeTo);
        EXPECT_EQ(host.gridLineColor, c.line);
        EXPECT_EQ(host.gridFixedLineColor, c.fixedLine);
        EXPECT_EQ(a.SelectionColor, c.selection);
        EXPECT_EQ(a.SelectionTextColor, c.selectionText);
        EXPECT_EQ(host.selectionStyle, c.selectionStyle);
        // Every preset but custom and terminal ends with the footer on the gradient's start and mirror end.
        EXPECT_EQ(host.searchFooterColor, a.Zarn.From);
        EXPECT_EQ(host.searchFooterColorTo, a.Zarn.MirrorTo);
    }
}

TEST(SetStyle, Office2003BlueLeavesTheSearchFooterWithoutAnEndColour)
{
    FakeLookHost host;
    SetStyle(host, TVxGridStyle::gsOffice2003Blue);
    EXPECT_EQ(host.searchFooterColor, 0xFCE1CBu);
    EXPECT_EQ(host.searchFooterColorTo, clNone);
    // CL gradient: the control look carries the grid's gradient.
    EXPECT_EQ(host.controlLook.FixedGradientFrom(), 0xFCE1CBu);
}

TEST(SetStyle, VistaHoverBorderReachesOnlyTheGridAndTheControlLookGradientIsCleared)
{
    FakeLookHost host;
    SetStyle(host, TVxGridStyle::gsWindowsVista);
    EXPECT_EQ(host.appearance.Zarn.HoverBorder, 0xE3C993u);
    EXPECT_EQ(host.controlLook.FixedGradientHoverBorder(), 0xC0C0C0u);
    EXPECT_EQ(host.controlLook.FixedGradientHoverFrom(), 0xFFF7E3u);
    EXPECT_EQ(host.appearance.Zarn.DownBorder, 0xAE904Fu);
    EXPECT_EQ(host.controlLook.FixedGradientFrom(), clNone);
    EXPECT_EQ(host.appearance.Zarn.From, 0xFFFFFFu);   // clNone never reaches the grid
    EXPECT_EQ(host.controlLook.FixedGradientMirrorFrom(), 0xFAF8F7u);
    EXPECT_EQ(host.appearance.SortHeaderMirrorColorTo, 0xF6ECD8u);
}

TEST(SetStyle, CustomKeepsColoursButResetsSelection)
{
    FakeLookHost host;
    host.appearance.Zarn.From = clRed;
    host.appearance.SelectionColor = clRed;
    host.searchFooterColor = clLime;
    SetStyle(host, TVxGridStyle::gsCustom);
    EXPECT_EQ(host.appearance.Zarn.From, clRed);
    EXPECT_EQ(host.appearance.SelectionColor, clHighlight);
    EXPECT_EQ(host.searchFooterColor, clLime);
}

TEST(SetComponentStyle, MetroScrollingReturnsToNormalExceptForCustom)
{
    FakeLookHost host;
    host.appearance.ScrollType = TScrollType::ssMetro;
    SetComponentStyle(host, TZarnStyle::tsCustom);
    EXPECT_EQ(host.appearance.ScrollType, TScrollType::ssMetro);
    SetComponentStyle(host, TZarnStyle::tsWindowsVista);
    EXPECT_EQ(host.appearance.ScrollType, TScrollType::ssNormal);
    EXPECT_EQ(host.appearance.ComponentStyle, TZarnStyle::tsWindowsVista);
    EXPECT_EQ(host.editorStyle, TZarnStyle::tsWindowsVista);
}

TEST(SetColorTones, GivesAFlatClassicGridWithMetroGlyphsAndToneColours)
{
    FakeLookHost host;
    TColorTones tones;
    tones.Background = {0xFFFFFF, 0xAAAAAA, 0x111111};
    tones.Foreground = {0x646464, 0x555555, 0xFEFEFE};
    tones.Selected = {0x0000C0, 0, 0xFFFFFF};
    SetColorTones(host, tones);
    const TGridAppearance& a = host.appearance;
    EXPECT_EQ(a.Look, TGL::glClassic);
    EXPECT_TRUE(a.Flat);
    EXPECT_EQ(a.ScrollType, TScrollType::ssMetro);
    EXPECT_FALSE(a.BorderSingle);
    EXPECT_EQ(host.fixedColor, 0x646464u);
    EXPECT_EQ(host.fixedFont.Color(), 0xFEFEFEu);
    EXPECT_EQ(host.color, 0xFFFFFFu);
    EXPECT_EQ(host.font.Color(), 0x111111u);
    EXPECT_EQ(a.SelectionColor, 0x0000C0u);
    EXPECT_EQ(host.gridFixedLineColor, 0x505050u);   // 20 percent darker
    EXPECT_EQ(host.controlLook.ControlStyle(), TControlStyle::csGlyph);
    EXPECT_FALSE(host.controlLook.CheckedGlyph().Empty());
    EXPECT_EQ(host.controlLook.CheckedGlyph().Image(), GlyphBitmap(TGlyphId::MetroCheckOn).Image());
    EXPECT_TRUE(host.controlLook.FlatButton());
    EXPECT_EQ(host.editorTones, tones);
    EXPECT_EQ(host.searchFooterColorTo, 0x646464u);
    EXPECT_TRUE(host.flatNodes);
}

TEST(SetTheme, SchemesSetGradientFooterAndActiveCell)
{
    FakeLookHost host;
    SetTheme(host, 4);
    EXPECT_EQ(host.appearance.Zarn.MirrorTo, 0xF4F2F1u);
    EXPECT_EQ(host.searchFooterColor, 0xECE2E1u);
    EXPECT_EQ(host.appearance.ActiveCellColorTo, 0x1595EEu);
    EXPECT_EQ(host.controlLook.FixedGradientFrom(), 0xFFFFFFu);
    SetTheme(host, 7);
    EXPECT_EQ(host.appearance.Zarn.To, clBtnFace);
    EXPECT_EQ(host.searchFooterColorTo, 0xFFD9B3u);
    EXPECT_EQ(host.controlLook.FixedGradientFrom(), clNone);
}

TEST(AdaptToOfficeTheme, AppliesAChangedThemeOnceAndIgnoresAnUnknownOne)
{
    FakeLookHost host;
    AdaptToOfficeTheme(host, TOfficeTheme::ot2007Black);
    EXPECT_EQ(host.appearance.ComponentStyle, TZarnStyle::tsOffice2007Obsidian);
    AdaptToOfficeTheme(host, TOfficeTheme::ot2010Silver);
    EXPECT_EQ(host.appearance.ComponentStyle, TZarnStyle::tsOffice2010Silver);
    const int repaints = host.invalidates;
    AdaptToOfficeTheme(host, TOfficeTheme::ot2010Silver);
    EXPECT_EQ(host.invalidates, repaints);
    AdaptToOfficeTheme(host, TOfficeTheme::otUnknown);
    EXPECT_EQ(host.appearance.ComponentStyle, TZarnStyle::tsOffice2010Silver);
    EXPECT_EQ(host.appearance.OfficeTheme, TOfficeTheme::otUnknown);
}

TEST(AdaptToVCLStyle, ADarkStyleGivesItsCellColoursAndDropsFixedLines)
{
    FakeLookHost host;
    TVisualStyleColors dark{true, "Carbon", 0x202020, 0x404040, 0xE0E0E0, 0xFFFFFF, 0x505050, clNone};
    const TColor fixedText = host.fixedFont.Color();
    AdaptToVCLStyle(host, dark);
    EXPECT_TRUE(host.appearance.VisualStyled);
    EXPECT_EQ(host.color, 0x202020u);
    EXPECT_EQ(host.gridLineColor, 0x404040u);
    EXPECT_EQ(host.gridFixedLineColor, 0x505050u);
    EXPECT_FALSE(host.fixedLines);
    EXPECT_EQ(host.font.Color(), 0xE0E0E0u);
    EXPECT_EQ(host.appearance.SelectionTextColor, 0xFFFFFFu);
    EXPECT_EQ(host.fixedFont.Color(), fixedText);

    FakeLookHost plain;
    AdaptToVCLStyle(plain, TVisualStyleColors{true, "Windows"});
    EXPECT_FALSE(plain.appearance.VisualStyled);
    EXPECT_TRUE(plain.fixedLines);
}

TEST(ScaleLookFonts, FixedAndActiveCellFontsScaleRounded)
{
    FakeLookHost host;
    host.fixedFont.SetSize(9);
    host.activeCellFont.SetSize(8);
    ScaleLookFonts(host, 3, 2);
    EXPECT_EQ(host.fixedFont.Size(), 14);   // 13.5 rounds up
    EXPECT_EQ(host.activeCellFont.Size(), 12);
    host.designing = true;
    ScaleLookFonts(host, 2, 1);
    EXPECT_EQ(host.fixedFont.Size(), 14);
}

TEST(LookNames, StoredAndShownNames)
{
    EXPECT_EQ(LookToString(TGL::glOffice2007), "glOffice2007");
    EXPECT_EQ(LookToString(TGL::glCustom), "");
    EXPECT_EQ(LookDisplayName(TGL::glXP), "Windows XP");
    EXPECT_EQ(LookDisplayName(TGL::glCustom), "");
}
