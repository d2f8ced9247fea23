#include "grid/paint/GridLook.h"
#include "grid/model/GridText.h"
#include "grid/paint/ControlLook.h"
#include "grid/paint/GridGlyphs.h"
#include "grid/paint/GridColors.h"
#include <array>
#include <cmath>
#include <optional>

namespace {
using TGL = TGridLook;
using TZS = TZarnStyle;

bool IsClassicLook(TGridLook Look)
{
    return Look == TGL::glStandard || Look == TGL::glSoft || Look == TGL::glClassic;
}

void SetHoverDown(TControlLook& CL, TColor HoverFrom, TColor HoverTo, TColor HoverMirrorFrom, TColor HoverMirrorTo,
                  TColor DownFrom, TColor DownTo, TColor DownMirrorFrom, TColor DownMirrorTo)
{
    CL.SetFixedGradientHoverFrom(HoverFrom);
    CL.SetFixedGradientHoverTo(HoverTo);
    CL.SetFixedGradientHoverMirrorFrom(HoverMirrorFrom);
    CL.SetFixedGradientHoverMirrorTo(HoverMirrorTo);
    CL.SetFixedGradientDownFrom(DownFrom);
    CL.SetFixedGradientDownTo(DownTo);
    CL.SetFixedGradientDownMirrorFrom(DownMirrorFrom);
    CL.SetFixedGradientDownMirrorTo(DownMirrorTo);
}

// How a preset treats the control look's normal fixed gradient after setting the grid's.
enum class TClGradient { Untouched, FromGrid, Cleared };

struct TColorPair {
    TColor Color, ColorTo;
};

// The hot and pressed colours of a preset.
struct THoverDown {
    TColor HoverFrom, HoverTo, HoverMirrorFrom, HoverMirrorTo, HoverBorder;
    bool HoverBorderGridOnly;
    TColor DownFrom, DownTo, DownMirrorFrom, DownMirrorTo, DownBorder;
};

struct TStylePreset {
    std::optional<TGridLook> Look;
    bool SetsGradient;
    TColor From, To, MirrorFrom, MirrorTo;
    bool SetsMirrors;
    TClGradient ClGradient;
    std::optional<TColorPair> ActiveCell;
    std::optional<TColorPair> GridLines;          // normal, fixed
    bool SetsSelection;
    TColor Selection, SelectionTo, SelectionText;
    std::optional<TGridSelectionStyle> SelectionStyle;
    std::optional<TColorPair> SearchFooter;       // before the final search footer colours
    std::optional<THoverDown> HoverDown;
    std::optional<TColor> SortHeader, SortHeaderTo, SortHeaderMirror, SortHeaderMirrorTo;
    bool FinalSearchFooter;
};

constexpr TColor N = clNone;
constexpr THoverDown kLunaHD{0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87, false,
                            0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D};
constexpr THoverDown kVistaHD{0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993, true,
                             0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F};
constexpr THoverDown kWin7HD{0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, 0xEEE8E3, true,
                            0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA};
constexpr THoverDown kOffice2010HD{0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8, false,
                                  0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2};
constexpr TColorPair kOfficeActive{0x94E6FB, 0x1595EE};
constexpr TColorPair kLines{0xC0C0C0, 0x808080};

TStylePreset Office2003(TColor From, TColor To, TColorPair Footer)
{
    return {TGL::glXP, true, From, To, N, N, true, TClGradient::FromGrid, kOfficeActive, kLines,
            true, 0x94E6FB, 0x1595EE, clBlack, {}, Footer, {}, {}, {}, {}, {}, true};
}

TStylePreset Office2010(TColor Face, TColor FixedLine, TColor SortHeader)
{
    return {TGL::glOffice2007, true, Face, Face, Face, Face, true, TClGradient::Untouched,
            TColorPair{0x5BD5FF, 0x71EFFF}, TColorPair{0xC0C0C0, FixedLine}, true, 0xFFDBB7, N, clBlack,
            TGridSelectionStyle::ssDefault, {}, kOffice2010HD, SortHeader, SortHeader, SortHeader, SortHeader, true};
}

// The presets in the order of TVxGridStyle.
const std::array<TStylePreset, 16>& Presets()
{
    static const std::array<TStylePreset, 16> presets{
        Office2003(0xFCE1CB, 0xE0A57D, {0xFCE1CB, 0xE0A57D}),
        Office2003(0xECE2E1, 0xB39698, {0xECE2E1, 0xB39698}),
        Office2003(0xCFF0EA, 0x8CC0B1, {0xCFF0EA, 0x8CC0B1}),
        TStylePreset{TGL::glXP, true, 0xFFFFFF, 0xCCD4D8, N, N, true, TClGradient::Cleared, TColorPair{0xD8D5D4, 0xD8D5D4},
                     kLines, false, 0, 0, 0, {}, TColorPair{0xFFFFFF, 0xD8D5D4}, {}, {}, {}, {}, {}, true},
        TStylePreset{TGL::glOffice2007, true, 0xFBF9F6, 0xE8DBD2, N, N, true, TClGradient::FromGrid,
                     TColorPair{0x9DD8F9, 0x5EC1F1}, TColorPair{0xF1EDEB, 0xD1BBA4}, true, 0x5EC1F1, N, clBlack, {},
                     TColorPair{0xFFEFE3, 0xFFD2AF}, kLunaHD, {}, {}, {}, {}, true},
        TStylePreset{TGL::glOffice2007, true, 0xF7F7F7, 0xDEDEDE, N, N, true, TClGradient::FromGrid,
                     TColorPair{0x9DD8F9, 0x5EC1F1}, TColorPair{0xE5D7D0, 0x808080}, true, 0x5EC1F1, N, clBlack, {},
                     TColorPair{0xF2F1F0, 0xC9C2BD}, {}, {}, {}, {}, {}, true},
        TStylePreset{TGL::glXP, true, clBtnFace, clBtnFace, N, N, true, TClGradient::Cleared,
                     TColorPair{clBtnFace, clBtnFace}, kLines, false, 0, 0, 0, {}, TColorPair{clBtnFace, clBtnFace},
                     {}, {}, {}, {}, {}, true},
        TStylePreset{{}, true, 0xFFFFFF, clBtnFace, N, N, true, TClGradient::Cleared, kOfficeActive, kLines, false, 0, 0,
                     0, {}, TColorPair{0xEBEEEF, 0x7E9898}, {}, {}, {}, {}, {}, true},
        TStylePreset{{}, false, 0, 0, 0, 0, false, TClGradient::Untouched, {}, {}, false, 0, 0, 0, {}, {}, {}, {}, {},
                     {}, {}, false},
        TStylePreset{TGL::glOffice2007, true, 0xF3F3F1, 0xCAC9C8, N, N, false, TClGradient::FromGrid,
                     TColorPair{0x99CCFF, 0x699CFF}, TColorPair{0xE5D7D0, 0x808080}, true, 0x95C7F5, N, clBlack, {},
                     TColorPair{0xEEEEEE, 0xC1C1C1}, {}, {}, {}, {}, {}, true},
        TStylePreset{TGL::glVista, true, 0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, true, TClGradient::Untouched,
                     TColorPair{0xFDF8F1, 0xFCEFD5}, TColorPair{0xECECF0, 0xD4D2D1}, true, 0xEACAB6, N, clBlack,
                     TGridSelectionStyle::ssVista, {}, kVistaHD, 0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8, true},
        TStylePreset{TGL::glWin7, true, 0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD, true, TClGradient::Untouched,
                     TColorPair{0xFCEBDC, 0xFCDBC1}, TColorPair{0xECECF0, 0xD4D2D1}, true, 0xEACAB6, N, clBlack,
                     TGridSelectionStyle::ssWin7, {}, kWin7HD, 0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8, true},
        TStylePreset{TGL::glStandard, false, 0, 0, 0, 0, false, TClGradient::Untouched, {}, {}, false, 0, 0, 0, {}, {},
                     {}, {}, {}, {}, {}, false},
        Office2010(0xF5E7DA, 0xC7B0A0, 0xD6CEC7),
        Office2010(0xE8E3DF, 0xBAB5B1, 0xAAAAAA),
        Office2010(0x6A6A6A, 0x444444, 0xBABABA),
    };
    return presets;
}

void SetSelection(TGridAppearance& A, TColor Color, TColor ColorTo, TColor TextColor)
{
    A.SelectionColor = Color;
    A.SelectionColorTo = ColorTo;
    A.SelectionTextColor = TextColor;
}
} // namespace

void SetLook(TLookHost& Host, TGridLook Value)
{
    TGridAppearance& A = Host.Appearance();
    if (A.Look == Value)
        return;
    A.Look = Value;
    TControlLook& CL = Host.ControlLook();
    if (Value != TGL::glCustom) {
        CL.SetFixedGradientMirrorFrom(clNone);
        CL.SetFixedGradientMirrorTo(clNone);
        CL.SetFixedGradientFrom(clNone);
        CL.SetFixedGradientTo(clNone);
        A.Zarn.From = A.Zarn.To = A.Zarn.MirrorFrom = A.Zarn.MirrorTo = clNone;
        A.SortHeaderColor = clNone;
    }
    switch (Value) {
    case TGL::glVista:
        SetStyle(Host, TVxGridStyle::gsWindowsVista);
        A.ComponentStyle = TZS::tsWindowsVista;
        Host.SetSelectionStyle(TGridSelectionStyle::ssVista);
        break;
    case TGL::glWin7:
        SetStyle(Host, TVxGridStyle::gsWindows7);
        A.ComponentStyle = TZS::tsWindows7;
        Host.SetSelectionStyle(TGridSelectionStyle::ssWin7);
        break;
    case TGL::glOffice2007:
        SetStyle(Host, TVxGridStyle::gsOffice2007Luna);
        A.ComponentStyle = TZS::tsOffice2007Luna;
        Host.SetSelectionStyle(TGridSelectionStyle::ssOffice2007);
        break;
    case TGL::glCustom:
        break;
    default:
        if (!Host.Designing())
            Host.StyleDropDownEditors(TZS::tsWindowsXP);
        Host.SetSelectionStyle(TGridSelectionStyle::ssDefault);
        if (Host.Loading())
            break;
        if (IsClassicLook(Value)) {
            Host.SetFixedColor(clBtnFace);
            CL.SetFixedGradientFrom(clBtnFace);
            CL.SetFixedGradientTo(clNone);
        } else {
            CL.SetFixedGradientFrom(0xFFFFFF);
            CL.SetFixedGradientTo(clBtnFace);
        }
        Host.SetGridFixedLineColor(0x808080);
        CL.SetFixedGradientMirrorFrom(clNone);
        CL.SetFixedGradientMirrorTo(clNone);
        A.Zarn.MirrorFrom = A.Zarn.MirrorTo = clNone;
        Host.SetGridLineColor(0xC0C0C0);
        if (Value == TGL::glZarn || Value == TGL::glXP) {
            A.ActiveCellColor = 0xEACAB6;
            A.ActiveCellColorTo = clNone;
            SetSelection(A, 0xEACAB6, clNone, clBlack);
            Host.SetSearchFooterColors(A.Zarn.From, A.Zarn.To);
            CL.SetFixedGradientFrom(0xFFFFFF);
            CL.SetFixedGradientTo(Value == TGL::glXP ? clBtnFace : 0xC0C0C0);
            SetHoverDown(CL, 0xCFD0D1, 0xBEC6C8, 0xBEC6C8, 0xABBCBF, 0x868788, 0x737C7E, 0x737C7E, 0x627376);
        } else {
            A.ActiveCellColor = 0x808080;
            A.ActiveCellColorTo = clNone;
            A.SelectionColor = clHighlight;
            A.SelectionTextColor = clHighlightText;
            Host.SetSearchFooterColors(clBtnFace, clBtnFace);
        }
        break;
    }
    A.ScrollType = TScrollType::ssNormal;
    A.BorderSingle = true;
    A.BorderColor = 0xB99D7F;
    Host.Invalidate();
    if (!Host.Loading())
        Host.RepaintFloatingFooter();
}

void SetStyle(TLookHost& Host, TVxGridStyle AStyle)
{
    TGridAppearance& A = Host.Appearance();
    TControlLook& CL = Host.ControlLook();
    SetSelection(A, clHighlight, clNone, clHighlightText);
    Host.SetSelectionStyle(TGridSelectionStyle::ssDefault);
    A.SortHeaderColor = A.SortHeaderColorTo = A.SortHeaderMirrorColor = A.SortHeaderMirrorColorTo = clNone;
    CL.Init();

    const TStylePreset& P = Presets()[std::size_t(AStyle)];
    if (P.Look)
        SetLook(Host, *P.Look);
    if (P.SetsGradient) {
        A.Zarn.From = P.From;
        A.Zarn.To = P.To;
        if (P.SetsMirrors) {
            A.Zarn.MirrorFrom = P.MirrorFrom;
            A.Zarn.MirrorTo = P.MirrorTo;
        }
        if (P.ClGradient == TClGradient::FromGrid) {
            CL.SetFixedGradientFrom(A.Zarn.From);
            CL.SetFixedGradientTo(A.Zarn.To);
        } else if (P.ClGradient == TClGradient::Cleared) {
            CL.SetFixedGradientFrom(clNone);
            CL.SetFixedGradientTo(clNone);
        }
    }
    if (P.ActiveCell) {
        A.ActiveCellColor = P.ActiveCell->Color;
        A.ActiveCellColorTo = P.ActiveCell->ColorTo;
    }
    if (P.GridLines) {
        Host.SetGridLineColor(P.GridLines->Color);
        Host.SetGridFixedLineColor(P.GridLines->ColorTo);
    }
    if (P.SetsSelection)
        SetSelection(A, P.Selection, P.SelectionTo, P.SelectionText);
    if (P.SelectionStyle)
        Host.SetSelectionStyle(*P.SelectionStyle);
    if (AStyle == TVxGridStyle::gsOffice2007Luna && A.Look == TGL::glOffice2007)
        Host.SetSelectionStyle(TGridSelectionStyle::ssOffice2007);
    if (P.SearchFooter)
        Host.SetSearchFooterColors(P.SearchFooter->Color, P.SearchFooter->ColorTo);
    if (P.HoverDown) {
        const THoverDown& H = *P.HoverDown;
        const bool mirrorsFromGrid = AStyle != TVxGridStyle::gsOffice2007Luna;   // Vista, Windows 7, Office 2010
        if (mirrorsFromGrid) {
            CL.SetFixedGradientMirrorFrom(A.Zarn.MirrorFrom);
            CL.SetFixedGradientMirrorTo(A.Zarn.MirrorTo);
        }
        SetHoverDown(CL, H.HoverFrom, H.HoverTo, H.HoverMirrorFrom, H.HoverMirrorTo, H.DownFrom, H.DownTo,
                     H.DownMirrorFrom, H.DownMirrorTo);
        if (H.HoverBorderGridOnly)
            A.Zarn.HoverBorder = H.HoverBorder;
        else
            CL.SetFixedGradientHoverBorder(H.HoverBorder);
        CL.SetFixedGradientDownBorder(H.DownBorder);
        if (mirrorsFromGrid) {
            CL.SetFixedGradientFrom(clNone);
            CL.SetFixedGradientTo(clNone);
        }
    }
    if (P.SortHeader) {
        A.SortHeaderColor = *P.SortHeader;
        A.SortHeaderColorTo = *P.SortHeaderTo;
        A.SortHeaderMirrorColor = *P.SortHeaderMirror;
        A.SortHeaderMirrorColorTo = *P.SortHeaderMirrorTo;
    }
    if (P.FinalSearchFooter)
        Host.SetSearchFooterColors(A.Zarn.From, A.Zarn.MirrorTo);
    Host.Invalidate();
}

void SetComponentStyle(TLookHost& Host, TZarnStyle AStyle)
{
    TGridAppearance& A = Host.Appearance();
    SetStyle(Host, TVxGridStyle(int(AStyle)));
    // After applying: a look changed on the way remembers its own style.
    A.ComponentStyle = AStyle;
    if (!Host.Designing())
        Host.StyleDropDownEditors(AStyle);
    if (AStyle != TZS::tsCustom && A.ScrollType == TScrollType::ssMetro)
        A.ScrollType = TScrollType::ssNormal;
}

void SetColorTones(TLookHost& Host, const TColorTones& ATones)
{
    TGridAppearance& A = Host.Appearance();
    TControlLook& CL = Host.ControlLook();
    A.Tones = ATones;
    SetLook(Host, TGL::glClassic);
    A.Flat = true;
    A.ScrollType = TScrollType::ssMetro;
    Host.SetFixedColor(ATones.Foreground.BrushColor);
    TFont fixedFont = Host.FixedFont();
    fixedFont.SetColor(ATones.Foreground.TextColor);
    fixedFont.SetName(DefaultUIFontName());
    Host.SetFixedFont(fixedFont);
    TFont font = Host.Font();
    font.SetName(DefaultUIFontName());
    font.SetColor(ATones.Background.TextColor);
    Host.SetColor(ATones.Background.BrushColor);
    Host.SetFont(font);
    A.SelectionColor = ATones.Selected.BrushColor;
    A.SelectionTextColor = ATones.Selected.TextColor;
    A.SelectionColorTo = clNone;
    Host.SetGridLineColor(0xE6E6E6);
    Host.SetGridFixedLineColor(AdjustColorPercent(ATones.Foreground.BrushColor, -20));
    A.BorderSingle = false;
    CL.SetControlStyle(TControlStyle::csGlyph);
    CL.SetCheckedGlyph(GlyphBitmap(TGlyphId::MetroCheckOn));
    CL.SetUnCheckedGlyph(GlyphBitmap(TGlyphId::MetroCheckOff));
    CL.SetRadioOffGlyph(GlyphBitmap(TGlyphId::MetroRadioOff));
    CL.SetRadioOnGlyph(GlyphBitmap(TGlyphId::MetroRadioOn));
    if (!Host.Designing())
        Host.ToneEditors(ATones);
    CL.SetFlatButton(true);
    Host.SetFloatingFooterColor(ATones.Foreground.BrushColor);
    Host.SetSearchFooterColors(ATones.Foreground.BrushColor, ATones.Foreground.BrushColor);
    Host.SetFlatNodes();
}

void SetTheme(TLookHost& Host, int Scheme)
{
    struct TScheme {
        TColor From, To, MirrorFrom, MirrorTo, Footer, FooterTo, Active, ActiveTo;
    };
    static constexpr std::array<TScheme, 5> kSchemes{{
        {0xFFFFFF, clBtnFace, clNone, clNone, 0xFFFFFF, 0xFFD9B3, 0xFFFFFF, 0xFFD9B3},
        {0xFCE1CB, 0xE0A57D, clNone, clNone, 0xFCE1CB, 0xE0A57D, 0x94E6FB, 0x1595EE},
        {0xCFF0EA, 0x8CC0B1, clNone, clNone, 0xCFF0EA, 0x8CC0B1, 0x94E6FB, 0x1595EE},
        {0xECE2E1, 0xB39698, clNone, clNone, 0xECE2E1, 0xB39698, 0x94E6FB, 0x1595EE},
        {0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, 0xECE2E1, 0xB39698, 0x94E6FB, 0x1595EE},
    }};
    const bool known = Scheme >= 1 && Scheme <= 4;
    const TScheme& S = kSchemes[known ? std::size_t(Scheme) : 0];
    TGridAppearance& A = Host.Appearance();
    A.Zarn.From = S.From;
    A.Zarn.To = S.To;
    A.Zarn.MirrorFrom = S.MirrorFrom;
    A.Zarn.MirrorTo = S.MirrorTo;
    Host.SetSearchFooterColors(S.Footer, S.FooterTo);
    A.ActiveCellColor = S.Active;
    A.ActiveCellColorTo = S.ActiveTo;
    Host.ControlLook().SetFixedGradientFrom(known ? S.From : clNone);
    Host.ControlLook().SetFixedGradientTo(known ? S.To : clNone);
    Host.Invalidate();
}

void AdaptToOfficeTheme(TLookHost& Host, TOfficeTheme Theme)
{
    if (Host.Designing())
        return;
    TGridAppearance& A = Host.Appearance();
    if (Theme == A.OfficeTheme)
        return;
    A.OfficeTheme = Theme;
    static constexpr std::array<TZarnStyle, 10> kStyles{
        TZS::tsOffice2003Blue, TZS::tsOffice2003Silver, TZS::tsOffice2003Olive, TZS::tsOffice2003Classic,
        TZS::tsOffice2007Luna, TZS::tsOffice2007Silver, TZS::tsOffice2007Obsidian, TZS::tsOffice2010Blue,
        TZS::tsOffice2010Silver, TZS::tsOffice2010Black};
    if (Theme != TOfficeTheme::otUnknown)
        SetComponentStyle(Host, kStyles[std::size_t(Theme)]);
}

TVisualStyleColors ActiveVisualStyle()
{
    return {};
}

void AdaptToVCLStyle(TLookHost& Host, const TVisualStyleColors& Style)
{
    TGridAppearance& A = Host.Appearance();
    A.VisualStyled = false;
    if (!Style.Active || Style.Name == QLatin1String("Windows"))
        return;
    A.VisualStyled = true;
    Host.SetColor(Style.CellFill);
    Host.SetGridLineColor(Style.CellBorder);
    Host.SetGridFixedLineColor(Style.FixedBorder);
    Host.RemoveFixedLines();
    if (Style.CellText != clNone) {
        TFont font = Host.Font();
        font.SetColor(Style.CellText);
        Host.SetFont(font);
    }
    if (Style.SelectedText != clNone)
        A.SelectionTextColor = Style.SelectedText;
    if (Style.FixedText != clNone) {
        TFont font = Host.FixedFont();
        font.SetColor(Style.FixedText);
        Host.SetFixedFont(font);
    }
}

void ScaleLookFonts(TLookHost& Host, int M, int D)
{
    if (Host.Designing() || M == D || D == 0)
        return;
    auto scale = [&](TFont font) {
        font.SetSize(int(std::lround(double(font.Size()) * M / D)));
        return font;
    };
    Host.SetFixedFont(scale(Host.FixedFont()));
    Host.SetActiveCellFont(scale(Host.ActiveCellFont()));
}

QString LookToString(TGridLook Look)
{
    static const char* const kNames[] = {"glStandard", "glSoft", "glClassic", "glZarn", "glXP",
                                         "glListView", "glVista", "glWin7", "glOffice2007"};
    return Look == TGL::glCustom ? QString() : QString::fromLatin1(kNames[int(Look)]);
}

QString LookDisplayName(TGridLook Look)
{
    static const char* const kNames[] = {"Standard", "Soft", "Classic", "Zarn", "Windows XP",
                                         "ListView", "Windows Vista", "Windows 7", "Office2007"};
    return Look == TGL::glCustom ? QString() : QString::fromLatin1(kNames[int(Look)]);
}
