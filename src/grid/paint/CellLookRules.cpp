#include "grid/paint/CellLookRules.h"
#include "grid/foundation/CellProperties.h"
#include "grid/foundation/GridDraw.h"
#include "grid/model/GridText.h"
#include "grid/paint/GridColors.h"
#include <algorithm>
#include <exception>

TColor MixColors(TColor Color, TColor Color2, int Percent)
{
    if (Percent >= 100)
        return Color;
    if (Percent < 1 || Color == clNone)
        return Color2;
    if (Color2 == clNone)
        return Color;
    const TColor a = ColorToRGB(Color), b = ColorToRGB(Color2);
    const double p = Percent / 100.0;
    auto mix = [&](int c1, int c2) { return std::min(255, Nearest(p * c1 + (1 - p) * c2)); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

TColor MixColorsIf(TColor Color, TColor Color2, bool Mix, int Percent)
{
    return Mix ? MixColors(Color, Color2, Percent) : Color;
}

namespace {
using DS = TGridDrawStateItem;

// Rule 4's font part: what the cell's properties set.
void ApplyPropsFont(const TCellProperties& P, TFont& Font)
{
    if (P.FontColor() != clNone)
        Font.SetColor(P.FontColor());
    if (P.FontStyle() != TFontStyles())
        Font.SetStyle(P.FontStyle());
    if (P.FontSize() != 0)
        Font.SetSize(P.FontSize());
    if (!P.FontName().isEmpty())
        Font.SetName(P.FontName());
}

void ApplySelectionColours(const TGridAppearance& A, TCellLook& Out)
{
    Out.Brush.SetColor(A.SelectionColor);
    Out.ColorTo = A.SelectionColorTo;
    Out.MirrorColor = A.SelectionMirrorColor;
    Out.MirrorColorTo = A.SelectionMirrorColorTo;
    if (A.SelectionTextColor != clNone)
        Out.Font.SetColor(A.SelectionTextColor);
}
} // namespace

void DecideCellLook(const TCellLookSettings& G, const TCellLookFacts& C, const TCellLookHooks& Hooks,
                    TGridDrawState& State, bool Print, bool Select, TCellLook& Out)
{
    const TGridAppearance& A = G.Appearance;
    const bool printFonts = Print && !G.PrintUseDisplayFont;
    // 1. Font.
    Out.Font = C.Normal ? (printFonts ? G.PrintFont : G.Font) : (printFonts ? G.PrintFixedFont : G.FixedFont);
    // 3. No colour yet.
    Out.Brush.SetColor(clNone);
    Out.ColorTo = Out.MirrorColor = Out.MirrorColorTo = clNone;
    // 4. Cell properties.
    bool ownColour = false;
    if (C.Props) {
        Out.Brush.SetColor(C.Props->BrushColor());
        ownColour = C.PlainKind && C.Props->BrushColor() != clNone;
        ApplyPropsFont(*C.Props, Out.Font);
        Out.WW = C.Props->WordWrap();
        Out.ColorTo = C.Props->BrushColorTo();
        Out.GD = C.Props->GradientDirection();
    }
    // 5. A selected cell's gradient is always vertical.
    if (State.testFlag(DS::gdSelected))
        Out.GD = TCellGradientDirection::GradientVertical;
    // 6. Grid colour, bands, fixed colour.
    if (Out.Brush.Color() == clNone) {
        Out.Brush.SetColor(G.Color);
        const bool bands = G.BandsActive && (!Print || G.BandsPrint);
        if (C.Normal && !C.FixedRightOrFooter) {
            if (bands && G.BandsTotalLength > 0)
                Out.Brush.SetColor((C.Row - G.FixedRows) % G.BandsTotalLength < G.BandsPrimaryLength
                                       ? G.BandsPrimaryColor
                                       : G.BandsSecondaryColor);
        } else {
            Out.Brush.SetColor(G.FixedColor);
        }
    }
    // 7 and 8. Fixed look without a colour of its own.
    if (C.FixedLook && !ownColour) {
        if (!Print) {
            Out.Brush.SetColor(G.FixedColor);
            Out.Font = G.FixedFont;
            State |= DS::gdFixed;
        }
        if (A.Look > TGridLook::glClassic) {
            Out.Brush.SetColor(A.Zarn.From);
            Out.ColorTo = A.Zarn.To;
            Out.MirrorColor = A.Zarn.MirrorFrom;
            Out.MirrorColorTo = A.Zarn.MirrorTo;
        }
    }
    // 9 and 10. The grid's colour hooks.
    if (Hooks.CellColor)
        Hooks.CellColor(Out.Font, Out.Brush, State);
    if (Hooks.Gradient) {
        TColor color = Out.Brush.Color();
        Hooks.Gradient(color, Out.ColorTo, Out.MirrorColor, Out.MirrorColorTo, Out.GD);
        Out.Brush.SetColor(color);
    }
    // 11.
    Out.UnselectedBrush = Out.Brush.Color();
    Out.UnselectedFontColor = Out.Font.Color();
    // 12. Selection.
    const bool normalSelectable = C.Normal && !C.FixedLook && Select && !Print && G.ShowSelection;
    if (normalSelectable && G.DisjunctRowSelect) {
        if (((G.MouseDown && C.CurrentRow) || !C.RowSelected) &&
            (!G.MouseDown || C.RowSelected || !State.testFlag(DS::gdSelected))) {
            State &= ~TGridDrawState(DS::gdSelected);
        } else {
            State = DS::gdSelected;
            ApplySelectionColours(A, Out);
        }
    }
    if (normalSelectable && G.DisjunctColSelect) {
        if (((!G.MouseDown || !C.CurrentCol) && C.ColSelected) ||
            (G.MouseDown && !C.ColSelected && State.testFlag(DS::gdSelected))) {
            State = DS::gdSelected;
            ApplySelectionColours(A, Out);
        }
    }
    const bool ordinary = normalSelectable && C.InSelection && !G.DisjunctRowSelect && !G.DisjunctColSelect;
    if (ordinary || (State.testFlag(DS::gdSelected) && G.MouseDown && G.ShowSelection)) {
        const TColor brush = Out.Brush.Color();
        ApplySelectionColours(A, Out);
        if (brush != G.Color)
            Out.Brush.SetColor(MixColorsIf(A.SelectionColor, brush, G.SelectionColorMixer, G.SelectionColorMixerFactor));
        State |= DS::gdSelected;
    }
    if (G.DisjunctCellSelect && G.ShowSelection) {
        if (C.InSelectedCells) {
            ApplySelectionColours(A, Out);
            State |= DS::gdSelected;
        } else if (C.CurrentCell) {
            State &= ~TGridDrawState(DS::gdSelected);
            Out.Brush.SetColor(Out.UnselectedBrush);
            Out.Font.SetColor(Out.UnselectedFontColor);
        }
    }
    // 13. Disabled rows and grids.
    if (G.UseDisabledFont && ((G.UseEnabledRows && !C.RowEnabled) || !G.GridEnabled))
        Out.Font.SetColor(G.DisabledFontColor);
    // 14. Other selected rows under disjunct row selection are lighter.
    if (State.testFlag(DS::gdSelected) && G.DisjunctRowSelect && !C.CurrentRow && A.SelectionColorTo == clNone)
        Out.Brush.SetColor(AdjustColorPercent(ColorToRGB(Out.Brush.Color()), 7));
    // 15. Word wrap and alignment.
    if (Hooks.WordWrap)
        Hooks.WordWrap(Out.WW);
    if (Hooks.Alignment)
        Hooks.Alignment(Out.HA, Out.VA);
}

void DecideCellAlignment(const TAlignmentInput& In, TAlignment& HA, TVAlignment& VA)
{
    HA = In.DefaultAlignment;
    VA = In.VAlignment;
    bool formula = false;
    if (In.AutoNumAlign) {
        QString text = In.Text;
        const bool plainFormula = text.startsWith(QLatin1Char('='));
        const bool wideFormula = text.size() > 3 && text.startsWith(QLatin1String("|\\")) && text[3] == QLatin1Char('=');
        formula = plainFormula || wideFormula;
        if (formula && In.CalcFormula)
            text = In.CalcFormula(text);
        if (ClassifyNumberText(text.trimmed()) != TNumberTextKind::ntNotNumber)
            HA = TAlignment::taRightJustify;
    }
    if (In.Props && !formula)
        HA = In.Props->Alignment();
    if (In.OnGetAlignment)
        In.OnGetAlignment(HA, VA);
}

QString FormatCellText(const QString& Text, const QString& GridFloatFormat,
                       const std::function<void(bool& IsFloat, QString& FloatFormat)>& OnGetFloatFormat,
                       const std::function<int()>& Ints, const std::function<double()>& Floats)
{
    if (!OnGetFloatFormat || ClassifyNumberText(Text) == TNumberTextKind::ntNotNumber)
        return Text;
    bool isFloat = true;
    QString format = GridFloatFormat;
    OnGetFloatFormat(isFloat, format);
    if (!isFloat || format.isEmpty())
        return Text;
    try {
        if (format.contains(QLatin1Char('d'), Qt::CaseInsensitive))
            return FormatValue(format, Ints());
        return FormatValue(format, Floats());
    } catch (const std::exception&) {
        return Text;
    }
}
