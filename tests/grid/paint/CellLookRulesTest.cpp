#include "grid/foundation/CellProperties.h"
#include "grid/model/GridText.h"
#include "grid/paint/CellLookRules.h"
#include "grid/paint/GridColors.h"
#include <gtest/gtest.h>
#include <stdexcept>

using DS = TGridDrawStateItem;

TEST(MixColors, Cases)
{
    struct Case {
        TColor a, b;
        int percent;
        TColor mixed;
    };
    const Case cases[] = {
        {0xFF0000, 0x0000FF, 50, 0x800080},   // 127.5 and 127.5 round to even: 128
        {0xFF0000, 0x0000FF, 100, 0xFF0000},
        {0xFF0000, 0x0000FF, 150, 0xFF0000},
        {0xFF0000, 0x0000FF, 0, 0x0000FF},
        {clNone, 0x0000FF, 50, 0x0000FF},
        {0xFF0000, clNone, 50, 0xFF0000},
        {0x000064, 0x0000C8, 25, 0x0000AF},   // 0.25 x 100 + 0.75 x 200 = 175
        {clWhite, clBlack, 1, 0x030303},      // 2.55 rounds to 3
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.percent);
        EXPECT_EQ(MixColors(c.a, c.b, c.percent), c.mixed);
    }
    EXPECT_EQ(MixColorsIf(0xFF0000, 0x0000FF, false, 50), 0xFF0000u);
    EXPECT_EQ(MixColorsIf(0xFF0000, 0x0000FF, true, 50), 0x800080u);
}

namespace {
struct RulesFixture : ::testing::Test {
    TCellLookSettings g;
    TCellLookFacts c;
    TCellLookHooks hooks;
    TGridDrawState state;
    TCellLook out;
    TCellProperties props{nullptr, 1, 1};

    RulesFixture()
    {
        g.Color = 0x111111;
        g.FixedColor = 0x222222;
        g.Font.SetColor(0x010101);
        g.FixedFont.SetColor(0x020202);
        g.FixedFont.SetStyle(TFontStyle::fsBold);
        g.Appearance.Look = TGridLook::glStandard;
        g.Appearance.SelectionColor = 0xFF0000;
        g.Appearance.SelectionTextColor = 0x00FF00;
    }
    TCellLook Decide(bool select = true, bool print = false)
    {
        out = TCellLook();
        DecideCellLook(g, c, hooks, state, print, select, out);
        return out;
    }
    void FixedHeader()
    {
        c.Normal = false;
        c.FixedLook = true;
    }
};
} // namespace

TEST_F(RulesFixture, FixedCellsByLookAndOwnColour)
{
    struct Case {
        const char* name;
        TGridLook look;
        bool ownColour;
        bool plainKind;
        TColor brush, colorTo;
        bool fixedState;
    };
    const Case cases[] = {
        {"glXP gradient", TGridLook::glXP, false, true, 0xF0F0F0, 0xA0A0A0, true},
        {"glStandard fixed colour", TGridLook::glStandard, false, true, 0x222222, clNone, true},
        {"own colour of an empty cell", TGridLook::glXP, true, true, 0x0000AA, clNone, false},
        {"own colour of a graphic cell is overruled", TGridLook::glXP, true, false, 0xF0F0F0, 0xA0A0A0, true},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        FixedHeader();
        g.Appearance.Look = k.look;
        g.Appearance.Zarn.From = 0xF0F0F0;
        g.Appearance.Zarn.To = 0xA0A0A0;
        props.SetBrushColor(k.ownColour ? 0x0000AA : clNone);
        c.Props = &props;
        c.PlainKind = k.plainKind;
        state = {};
        Decide();
        EXPECT_EQ(out.Brush.Color(), k.brush);
        EXPECT_EQ(out.ColorTo, k.colorTo);
        EXPECT_EQ(state.testFlag(DS::gdFixed), k.fixedState);
    }
}

TEST_F(RulesFixture, PrintingKeepsTheLooksGradientButNotFixedColourOrState)
{
    FixedHeader();
    g.Appearance.Look = TGridLook::glOffice2007;
    g.Appearance.Zarn.From = 0x0A0A0A;
    Decide(false, true);
    EXPECT_EQ(out.Brush.Color(), 0x0A0A0Au);
    EXPECT_FALSE(state.testFlag(DS::gdFixed));

    g.Appearance.Look = TGridLook::glSoft;
    state = {};
    Decide(false, true);
    EXPECT_EQ(out.Brush.Color(), 0x222222u);   // rule 6 still gives fixed cells the fixed colour
}

TEST_F(RulesFixture, PropertiesFontAndBandsAndHooksInOrder)
{
    props.SetFontColor(0x0000CC);
    props.SetFontSize(14);
    props.SetGradientDirection(TCellGradientDirection::GradientHorizontal);
    c.Props = &props;
    c.Row = 4;
    g.FixedRows = 1;
    g.BandsActive = true;
    g.BandsTotalLength = 3;
    g.BandsPrimaryLength = 1;
    g.BandsPrimaryColor = 0x0A0000;
    g.BandsSecondaryColor = 0x0B0000;
    Decide();
    EXPECT_EQ(out.Font.Color(), 0x0000CCu);
    EXPECT_EQ(out.Font.Size(), 14);
    EXPECT_EQ(out.Brush.Color(), 0x0A0000u);   // (4 - 1) mod 3 = 0 < 1
    EXPECT_EQ(out.GD, TCellGradientDirection::GradientHorizontal);
    c.Row = 5;
    Decide();
    EXPECT_EQ(out.Brush.Color(), 0x0B0000u);

    // The colour hook sees the rules' result; the gradient hook sees the hook's.
    std::vector<TColor> seen;
    hooks.CellColor = [&](TFont&, TBrush& b, TGridDrawState) {
        seen.push_back(b.Color());
        b.SetColor(0x0C0000);
    };
    hooks.Gradient = [&](TColor& col, TColor& to, TColor&, TColor&, TCellGradientDirection&) {
        seen.push_back(col);
        to = 0x0D0000;
    };
    Decide();
    EXPECT_EQ(seen, (std::vector<TColor>{0x0B0000, 0x0C0000}));
    EXPECT_EQ(out.ColorTo, 0x0D0000u);
    EXPECT_EQ(out.UnselectedBrush, 0x0C0000u);
}

TEST_F(RulesFixture, SelectionTakesTheSelectionColoursOrMixesWithOwnColour)
{
    c.InSelection = true;
    Decide();
    EXPECT_TRUE(state.testFlag(DS::gdSelected));
    EXPECT_EQ(out.Brush.Color(), 0xFF0000u);
    EXPECT_EQ(out.Font.Color(), 0x00FF00u);
    EXPECT_EQ(out.UnselectedBrush, 0x111111u);

    g.SelectionColorMixer = true;
    props.SetBrushColor(0x0000FF);
    c.Props = &props;
    state = {};
    Decide();
    EXPECT_EQ(out.Brush.Color(), 0x800080u);
    // A cell whose colour is the grid's gets the selection colour unmixed.
    props.SetBrushColor(0x111111);
    state = {};
    Decide();
    EXPECT_EQ(out.Brush.Color(), 0xFF0000u);

    // Not without Select, nor when printing, nor for fixed cells.
    c.Props = nullptr;
    state = {};
    Decide(false);
    EXPECT_FALSE(state.testFlag(DS::gdSelected));
    Decide(true, true);
    EXPECT_FALSE(state.testFlag(DS::gdSelected));
}

TEST_F(RulesFixture, SelectedCellsAlwaysGetAVerticalGradient)
{
    props.SetGradientDirection(TCellGradientDirection::GradientHorizontal);
    c.Props = &props;
    state = DS::gdSelected;
    Decide(false);
    EXPECT_EQ(out.GD, TCellGradientDirection::GradientVertical);
}

TEST_F(RulesFixture, DisjunctRowSelectionLightensOtherRows)
{
    g.DisjunctRowSelect = true;
    c.RowSelected = true;
    c.CurrentRow = true;
    Decide();
    EXPECT_EQ(state, TGridDrawState(DS::gdSelected));
    EXPECT_EQ(out.Brush.Color(), 0xFF0000u);
    const TColor current = out.Brush.Color();

    c.CurrentRow = false;
    state = {};
    Decide();
    EXPECT_EQ(out.Brush.Color(), AdjustColorPercent(current, 7));

    // A row that is not selected loses the selected state.
    c.RowSelected = false;
    state = DS::gdSelected;
    Decide();
    EXPECT_FALSE(state.testFlag(DS::gdSelected));
    EXPECT_EQ(out.Brush.Color(), 0x111111u);
}

TEST_F(RulesFixture, DisjunctCellSelectionAndDisabledFont)
{
    g.DisjunctCellSelect = true;
    c.CurrentCell = true;
    c.InSelection = true;
    Decide();   // the current cell is not in the list: its own colours come back
    EXPECT_FALSE(state.testFlag(DS::gdSelected));
    EXPECT_EQ(out.Brush.Color(), 0x111111u);
    c.InSelectedCells = true;
    Decide();
    EXPECT_TRUE(state.testFlag(DS::gdSelected));

    g.UseDisabledFont = true;
    g.DisabledFontColor = 0x0E0E0E;
    g.UseEnabledRows = true;
    c.RowEnabled = false;
    Decide();
    EXPECT_EQ(out.Font.Color(), 0x0E0E0Eu);
}

TEST(DecideCellAlignment, AutoNumAlignFormulasAndProperties)
{
    TCellProperties props(nullptr, 0, 0);
    props.SetAlignment(TAlignment::taCenter);
    struct Case {
        const char* text;
        bool withProps;
        TAlignment expected;
    };
    const Case cases[] = {
        {"12.5", false, TAlignment::taRightJustify},
        {"-3", false, TAlignment::taRightJustify},
        {"abc", false, TAlignment::taLeftJustify},
        {"=1+2", true, TAlignment::taRightJustify},   // evaluated; the property alignment is ignored
        {"-3", true, TAlignment::taCenter},           // properties win for plain text
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.text);
        TAlignmentInput in;
        in.Text = k.text;
        in.AutoNumAlign = true;
        in.Props = k.withProps ? &props : nullptr;
        in.CalcFormula = [](const QString& f) { return f == "=1+2" ? QString("3") : QString("?"); };
        TAlignment ha;
        TVAlignment va;
        DecideCellAlignment(in, ha, va);
        EXPECT_EQ(ha, k.expected);
    }
    TAlignmentInput in;
    in.Text = "x";
    in.VAlignment = TVAlignment::vtaCenter;
    in.OnGetAlignment = [](TAlignment& h, TVAlignment& v) {
        EXPECT_EQ(v, TVAlignment::vtaCenter);
        h = TAlignment::taCenter;
        v = TVAlignment::vtaBottom;
    };
    TAlignment ha;
    TVAlignment va;
    DecideCellAlignment(in, ha, va);
    EXPECT_EQ(ha, TAlignment::taCenter);
    EXPECT_EQ(va, TVAlignment::vtaBottom);
}

TEST(FormatCellText, FloatFormatEventFormatsNumbersOnly)
{
    int calls = 0;
    auto threeDecimals = [&](bool& isFloat, QString& format) {
        ++calls;
        EXPECT_TRUE(isFloat);
        format = "%.3f";
    };
    auto integer = [](bool&, QString& format) { format = "%d"; };
    auto ints = [](double v) { return [v] {
        if (v != int(v))
            throw std::runtime_error("not an integer");
        return int(v);
    }; };
    auto floats = [](double v) { return [v] { return v; }; };
    EXPECT_EQ(FormatCellText("2", "%g", threeDecimals, ints(2), floats(2)), "2.000");
    EXPECT_EQ(FormatCellText("2.7", "%g", integer, ints(2.7), floats(2.7)), "2.7");
    EXPECT_EQ(FormatCellText("abc", "%g", threeDecimals, ints(0), floats(0)), "abc");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(FormatCellText("5", "%g", nullptr, ints(5), floats(5)), "5");
    auto notFloat = [](bool& isFloat, QString&) { isFloat = false; };
    EXPECT_EQ(FormatCellText("5", "%.2f", notFloat, ints(5), floats(5)), "5");
}
