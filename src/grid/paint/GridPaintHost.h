#pragma once
// The string grid as its cell painter sees it (VxStringGridPaint.cpp, GridPaintHostGraphics.cpp).
#include "grid/core/GridSettings.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/CellProperties.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/foundation/MiniHtmlRender.h"
#include "grid/foundation/PictureContainer.h"
#include "grid/paint/CellPainter.h"
#include "grid/paint/ControlLook.h"
#include "grid/paint/GridGlyphs.h"

// The grid as the cell painter sees it; ACol arguments are display columns unless named RealCol.
class TGridPaintHost : public TCellPaintHost {
public:
    explicit TGridPaintHost(TVxStringGrid& Grid) : G(Grid) {}

    const TGridAppearance& Appearance() const override { return G.Appearance(); }
    const TControlLook& ControlLook() const override { return G.ControlLook(); }
    TGridOptions Options() const override { return G.Options(); }
    int FixedCols() const override { return G.FixedCols(); }
    int FixedRows() const override { return G.FixedRows(); }
    int GridLineWidth() const override { return G.GridLineWidth(); }
    TColor GridColor() const override { return G.Color(); }
    TColor GridFixedColor() const override { return G.FixedColor(); }
    bool ShowSelection() const override { return G.ShowSelection(); }
    bool HasFocus() const override { return G.hasFocus(); }
    bool GridEnabled() const override { return G.isEnabled(); }
    int ZoomFactor() const override { return G.ZoomFactor(); }
    TPoint XYOffset() const override { return G.XYOffset(); }
    bool XYOffsetTopLeftOnly() const override { return G.XYOffsetTopLeftOnly(); }
    bool MultilineCells() const override { return G.Multilinecells(); }
    bool EnhTextSize() const override { return G.EnhTextSize(); }
    bool EnableHTML() const override { return G.EnableHTML(); }
    bool HideFocusRect() const override { return G.HideFocusRect(); }
    bool NoImageAndText() const override { return G.NoImageAndText(); }
    bool NoDefaultDraw() const override { return G.NoDefaultDraw(); }
    bool HasCellDrawEvents() const override { return bool(G.OnDrawCell) || bool(G.OnCustomCellDraw); }
    const TShowModified& ShowModified() const override { return G.ShowModified(); }
    const TBackGround& BackGround() const override { return G.BackGround(); }
    TRect ClientRect() const override { return TRect::fromQRect(G.viewport()->rect()); }

    int RealCol(int Col) const override { return G.RealColIndex(Col); }
    bool IsFixed(int Col, int Row) override { return G.IsFixed(Col, Row); }
    bool InFixedRightCols(int RealCol) const override
    {
        return G.FixedRightCols() > 0 && RealCol >= G.AllColCount() - G.FixedRightCols();
    }
    int FixedCellHotState(int Col, int Row, bool& ButtonPressed) override
    {
        return G.FixedCellHotState(Col, Row, ButtonPressed);
    }
    bool FixedDropDownAllowed(int) override { return true; }
    bool ActiveCellHeader(int Col, int Row) override
    {
        if (!G.ActiveCellShow())
            return false;
        return (Row == G.Row() && G.FixedCols() > 0 && Col == G.FixedCols() - 1) ||
               (Col == G.Col() && G.FixedRows() > 0 && Row == G.FixedRows() - 1);
    }
    bool SortHeaderGradientCell(int RealCol, int Row) override;
    bool FilterButtonCell(int RealCol, int Row) override;
    const TBitmap* FilterGlyph(int RealCol) override;
    bool RowModified(int Row) override { return G.GetRowModified(G.RealRowIndex(Row)); }
    bool CurrentCell(int Col, int Row) override
    {
        const TPoint base = G.BaseCell(Col, Row);
        return base.X == G.Col() && base.Y == G.Row();
    }
    bool RowSelectedUnderRowSelect(int Row) override
    {
        const TGridRect sel = G.Selection();
        return Row >= sel.Top && Row <= sel.Bottom;
    }
    bool HasCheckBox(int RealCol, int Row) override { return G.HasCheckBox(RealCol, Row); }
    bool BackgroundShowsThrough(int RealCol, int Row) override { return G.Colors(RealCol, Row) == clNone; }
    TPoint CellOffsets(int Col, int Row, bool FromNormal) override
    {
        // Offsets come from the axes' running sums, so a tiled background costs the same on any row.
        const int firstCol = FromNormal ? G.FixedCols() : 0, firstRow = FromNormal ? G.FixedRows() : 0;
        const int lw = G.GridLineWidth();
        return {int(G.ColOffset(Col) - G.ColOffset(firstCol)) + (Col - firstCol) * lw,
                int(G.RowOffset(Row) - G.RowOffset(firstRow)) + (Row - firstRow) * lw};
    }
    bool SelectionBlock(int Col, int Row, TRect& Block) override
    {
        const TGridRect sel = G.Selection();
        if (!sel.Contains(Col, Row))
            return false;
        Block = Rect(sel.Left, sel.Top, sel.Right, sel.Bottom);
        if (G.IsMergedCell(Col, Row)) {
            const TPoint base = G.BaseCell(Col, Row);
            const TPoint span = G.CellSpan(base.X, base.Y);
            Block = Rect(base.X, base.Y, base.X + span.X, base.Y + span.Y);
        }
        return true;
    }
    bool SelectionRectangle() const override { return G.SelectionRectangle(); }
    TColor SelectionRectangleColor() const override { return G.SelectionRectangleColor(); }
    bool SelectionResizer() const override { return G.SelectionResizer(); }

    void VisualProperties(int Col, int Row, TGridDrawState& State, bool Select, TCellLook& Look) override
    {
        TBrush brush;
        Look.WW = G.WordWrap();
        G.GetVisualProperties(Col, Row, State, false, Select, true, brush, Look.ColorTo, Look.MirrorColor,
                              Look.MirrorColorTo, Look.Font, Look.HA, Look.VA, Look.WW, Look.GD);
        Look.Brush = brush;
    }
    void GraphicInfo(int RealCol, int Row, TPaintCell& Cell) override;
    QString FormattedText(int RealCol, int Row) override { return G.GetFormattedCell(RealCol, Row); }
    bool PasswordCell(int RealCol, int Row, QChar& PasswordChar) override
    {
        bool password = false;
        G.IsPasswordCell(RealCol, Row, password);
        PasswordChar = G.PasswordChar();
        return password;
    }
    void ErrorMarker(int, int, int& Pos, int& Length) override { Pos = Length = 0; }
    bool SortedHeaderCell(int RealCol, int Row, TSortMark& Mark) override;
    void HtmlParams(int, int, TMiniHtmlParams& Params) override
    {
        Params.Cache = &G.ImageCache();
        Params.URLColor = G.URLColor();
    }
    void CellBorders(int RealCol, int Row, TPen& Pen, TCellBorders& Borders, TCellBorderPens& Pens) override
    {
        G.GetCellBorder(RealCol, Row, &Pen, Borders);
        Pens = {Pen, Pen, Pen, Pen};
        if (G.OnGetCellBorderProp)
            G.OnGetCellBorderProp(&G, Row, RealCol, &Pens.Left, &Pens.Top, &Pens.Right, &Pens.Bottom);
    }
    void DrawGraphic(TCanvas& Canvas, TPaintCell& Cell, bool BeforeText) override;
    void CustomBackground(TCanvas& Canvas, const TPaintCell& Cell) override
    {
        if (G.OnCustomCellBkgDraw)
            G.OnCustomCellBkgDraw(&G, &Canvas, Cell.RealCol, Cell.Row, Cell.State, Cell.Rect, false);
    }
    void DrawCellEvents(TCanvas& Canvas, const TPaintCell& Cell) override
    {
        if (G.OnDrawCell) {
            TRect r = Cell.Rect;
            r.Top += 1;
            r.Left += 1;
            r.Right -= G.GridLineWidth();
            r.Bottom -= G.GridLineWidth();
            G.OnDrawCell(&G, Cell.RealCol, Cell.Row, r, Cell.State);
        }
        if (G.OnCustomCellDraw)
            G.OnCustomCellDraw(&G, &Canvas, Cell.RealCol, Cell.Row, Cell.State, Cell.Rect, false);
    }

    bool URLShow() const override { return G.URLShow(); }
    TColor URLColor() const override { return G.URLColor(); }
    int DrawRowIndicator(TCanvas& Canvas, const TPaintCell& Cell) override;
    void DrawEditorButtons(TCanvas& Canvas, TPaintCell& Cell) override;
    void DrawTreeLines(TCanvas& Canvas, TPaintCell& Cell) override;

private:
    int ButtonFace() const;
    void DrawButtonKind(TCanvas& Canvas, const TPaintCell& Cell, TCellGraphic& g, TRect box, bool Enabled);
    void DrawNodeGlyph(TCanvas& Canvas, const TPaintCell& Cell, TRect r);
    void DrawProgressKind(TCanvas& Canvas, const TCellGraphic& g, TRect r, double Value);
    TGlyphContext GlyphContext() const;

    TVxStringGrid& G;
    TCellGraphic FNode;   // the node glyph of column 0, which the grid keeps apart from the cell graphics
};

