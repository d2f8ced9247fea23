#include "grid/paint/GridLookHost.h"
#include "grid/core/GridSettings.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/paint/ControlLook.h"

namespace {
class TGridLookHost : public TLookHost {
public:
    explicit TGridLookHost(TVxStringGrid& Grid) : G(Grid) {}

    TGridAppearance& Appearance() override { return G.Appearance(); }
    TControlLook& ControlLook() override { return G.ControlLook(); }
    bool Loading() const override { return G.Loading(); }
    bool Designing() const override { return G.IsDesigning(); }
    void Invalidate() override { G.Invalidate(); }
    // The grid has no floating footer yet: nothing to repaint or colour.
    void RepaintFloatingFooter() override {}
    void SetFloatingFooterColor(TColor) override {}

    TColor Color() const override { return G.Color(); }
    void SetColor(TColor value) override { G.SetColor(value); }
    TColor FixedColor() const override { return G.FixedColor(); }
    void SetFixedColor(TColor value) override { G.SetFixedColor(value); }
    TFont Font() const override { return G.Font(); }
    void SetFont(const TFont& value) override { G.SetFont(value); }
    TFont FixedFont() const override { return G.FixedFont(); }
    void SetFixedFont(const TFont& value) override { G.SetFixedFont(value); }
    TFont ActiveCellFont() const override { return G.ActiveCellFont(); }
    void SetActiveCellFont(const TFont& value) override { G.SetActiveCellFont(value); }
    void SetGridLineColor(TColor value) override { G.SetGridLineColor(value); }
    void SetGridFixedLineColor(TColor value) override { G.SetGridFixedLineColor(value); }
    void SetSelectionStyle(TGridSelectionStyle value) override { G.SetSelectionStyle(value); }
    void RemoveFixedLines() override
    {
        G.SetOptions(G.Options() & ~TGridOptions(TGridOption::goFixedVertLine) &
                     ~TGridOptions(TGridOption::goFixedHorzLine));
    }
    void SetSearchFooterColors(TColor Color, TColor ColorTo) override
    {
        G.SearchFooter().SetColor(Color);
        G.SearchFooter().SetColorTo(ColorTo);
    }
    void SetFlatNodes() override { G.CellNode().SetNodeType(TNodeType::cnFlat); }
    // The grid's drop-down and tone-coloured editors are placeholders until the editing area lands.
    void StyleDropDownEditors(TZarnStyle) override {}
    void ToneEditors(const TColorTones&) override {}

private:
    TVxStringGrid& G;
};
} // namespace

std::unique_ptr<TLookHost> MakeGridLookHost(TVxStringGrid& Grid)
{
    return std::make_unique<TGridLookHost>(Grid);
}
