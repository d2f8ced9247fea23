#pragma once
// A grid stand-in for the look routines: plain fields, counts of repaints, and what editors were given.
#include "grid/paint/ControlLook.h"
#include "grid/paint/GridLook.h"
#include <optional>

struct FakeLookHost : TLookHost {
    TGridAppearance appearance;
    TControlLook controlLook{this};
    bool loading = false, designing = false;
    int invalidates = 0, footerRepaints = 0;
    TColor color = clWindow, fixedColor = clBtnFace;
    TFont font, fixedFont, activeCellFont;
    TColor gridLineColor = clSilver, gridFixedLineColor = clGray;
    TGridSelectionStyle selectionStyle = TGridSelectionStyle::ssDefault;
    bool fixedLines = true;
    TColor searchFooterColor = clNone, searchFooterColorTo = clNone, floatingFooterColor = clNone;
    bool flatNodes = false;
    std::optional<TZarnStyle> editorStyle;
    std::optional<TColorTones> editorTones;

    TGridAppearance& Appearance() override { return appearance; }
    TControlLook& ControlLook() override { return controlLook; }
    bool Loading() const override { return loading; }
    bool Designing() const override { return designing; }
    void Invalidate() override { ++invalidates; }
    void RepaintFloatingFooter() override { ++footerRepaints; }
    TColor Color() const override { return color; }
    void SetColor(TColor value) override { color = value; }
    TColor FixedColor() const override { return fixedColor; }
    void SetFixedColor(TColor value) override { fixedColor = value; }
    TFont Font() const override { return font; }
    void SetFont(const TFont& value) override { font = value; }
    TFont FixedFont() const override { return fixedFont; }
    void SetFixedFont(const TFont& value) override { fixedFont = value; }
    TFont ActiveCellFont() const override { return activeCellFont; }
    void SetActiveCellFont(const TFont& value) override { activeCellFont = value; }
    void SetGridLineColor(TColor value) override { gridLineColor = value; }
    void SetGridFixedLineColor(TColor value) override { gridFixedLineColor = value; }
    void SetSelectionStyle(TGridSelectionStyle value) override { selectionStyle = value; }
    void RemoveFixedLines() override { fixedLines = false; }
    void SetSearchFooterColors(TColor c, TColor cTo) override
    {
        searchFooterColor = c;
        searchFooterColorTo = cTo;
    }
    void SetFloatingFooterColor(TColor value) override { floatingFooterColor = value; }
    void SetFlatNodes() override { flatNodes = true; }
    void StyleDropDownEditors(TZarnStyle s) override { editorStyle = s; }
    void ToneEditors(const TColorTones& t) override { editorTones = t; }
};
