// TVxStringGrid's painting area: the cell look decided by the colour rules and the cell painter, each fed
// from the grid through its hosts.
#include "grid/core/GridSettings.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/CellProperties.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/foundation/GridText.h"
#include "grid/foundation/MiniHtmlRender.h"
#include "grid/foundation/PictureContainer.h"
#include "grid/paint/CellPainter.h"
#include "grid/paint/ControlLook.h"
#include "grid/paint/GridPaintPass.h"
#include "platform/GridEdit.h"
#include "grid/foundation/GridDraw.h"

namespace {
int ToInt(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw EConvertError("not an integer");
    return value;
}

double ToFloat(const QString& text)
{
    bool ok = false;
    const double value = ExtractNumberText(text).toDouble(&ok);
    if (!ok)
        throw EConvertError("not a number");
    return value;
}
} // namespace

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
    // Hot and pressed headers follow the mouse, which the interaction area tracks.
    int FixedCellHotState(int, int, bool& ButtonPressed) override
    {
        ButtonPressed = false;
        return 0;
    }
    bool FixedDropDownAllowed(int) override { return true; }
    bool ActiveCellHeader(int Col, int Row) override
    {
        if (!G.ActiveCellShow())
            return false;
        return (Row == G.Row() && G.FixedCols() > 0 && Col == G.FixedCols() - 1) ||
               (Col == G.Col() && G.FixedRows() > 0 && Row == G.FixedRows() - 1);
    }
    bool SortHeaderGradientCell(int, int) override { return false; }
    bool FilterButtonCell(int, int) override { return false; }
    bool FilterActive(int) override { return false; }
    bool RowModified(int) override { return false; }
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
    bool HasCheckBox(int, int) override { return false; }
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
    // Cell graphics arrive with the cell kinds of the core; until then no cell has one.
    void GraphicInfo(int, int, TPaintCell&) override {}
    QString FormattedText(int RealCol, int Row) override { return G.GetFormattedCell(RealCol, Row); }
    bool PasswordCell(int RealCol, int Row, QChar& PasswordChar) override
    {
        bool password = false;
        G.IsPasswordCell(RealCol, Row, password);
        PasswordChar = G.PasswordChar();
        return password;
    }
    void ErrorMarker(int, int, int& Pos, int& Length) override { Pos = Length = 0; }
    bool SortedHeaderCell(int, int, TSortMark&) override { return false; }
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
    void DrawGraphic(TCanvas&, TPaintCell&, bool) override {}
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

private:
    TVxStringGrid& G;
};

void TVxStringGrid::Paint()
{
    TCanvas& c = *Canvas();
    c.Pen().SetStyle(TPenStyle::psSolid);
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    TBaseGrid::Paint();
    const TGridOptions options = Options();
    if (EditorMode() && InplaceEditor() && InplaceEditor()->isVisible()) {
        // The frame of the cell under the in-place editor.
        const bool lines = options.testFlag(TGridOption::goHorzLine) || options.testFlag(TGridOption::goVertLine);
        c.Pen().SetColor(GridLineWidth() < 1 || !lines ? Color() : GridLineColor());
        c.Brush().SetStyle(TBrushStyle::bsClear);
        c.Rectangle(CellRect(Col(), Row()));
        c.Brush().SetStyle(TBrushStyle::bsSolid);
    }
    c.Pen().SetColor(clBlack);
    const TBackGround& bg = BackGround();
    if (!bg.Bitmap().Empty() || bg.ColorTo() != clNone)
        PaintOutsideCells(c);
    if (OnPainted)
        OnPainted(this);
}

void TVxStringGrid::PaintOutsideCells(TCanvas& c)
{
    const TBackGround& bg = BackGround();
    if (bg.IsGradient() && bg.ColorTo() == clNone)
        return;
    const TRect client = TRect::fromQRect(viewport()->rect());
    const int lastCol = ColCount() - 1, lastRow = RowCount() - 1;
    const int leftCol = lastCol < FixedCols() ? lastCol : std::max(LeftCol(), FixedCols());
    const int topRow = lastRow < FixedRows() ? lastRow : std::max(TopRow(), FixedRows());
    const int lastColRight = int(ColOffset(ColCount()) - ColOffset(leftCol) + ColOffset(std::min(FixedCols(), leftCol)));
    const int lastRowBottom = int(RowOffset(RowCount()) - RowOffset(topRow) + RowOffset(std::min(FixedRows(), topRow)));
    const TOutsideArea area = OutsideCellsArea(client, lastColRight, lastColRight < client.Right, lastRowBottom,
                                               lastRowBottom < client.Bottom, GridLineWidth());
    if (area.IsEmpty())
        return;
    TRect drawing = client;
    if (SearchFooter().Visible())
        drawing.Bottom -= 32;
    for (const TRect& part : {area.Right, area.Below}) {
        if (part.IsEmpty())
            continue;
        c.SetClipRect(part);
        if (bg.Bitmap().Empty())
            FillGradientRect(c, bg.Color(), bg.ColorTo(), 128, drawing, bg.Display() == TBackGroundDisplay::bdGradientHorz);
        else if (bg.Display() != TBackGroundDisplay::bdTile)
            c.Draw(bg.Left(), bg.Top(), bg.Bitmap());
        else if (bg.Cells() != TBackGroundCells::bcFixed) {
            c.ResetClipRect();   // the tiles clip themselves
            TRect tiles = drawing;
            if (bg.Cells() == TBackGroundCells::bcNormal) {
                tiles.Left = FixedColsWidth();
                tiles.Top = FixedRowsHeight();
            }
            tiles.Left += XYOffset().X;
            tiles.Top += XYOffset().Y;
            TRect shown;
            if (IntersectRect(shown, part, tiles))
                DrawTiledBitmap(c, bg.Bitmap(), shown, shown.Left - tiles.Left, shown.Top - tiles.Top);
        }
        c.ResetClipRect();
    }
}

void TVxStringGrid::DrawCellContent(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    TGridPaintHost host(*this);
    PaintCellContent(*ACanvas, host, ACol, ARow, ARect, AState);
    if (ACol == 0 && HasNodes())
        PaintNodeGlyph(*ACanvas, ARow, ARect);
}

void TVxStringGrid::GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                        bool Remap, TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                        TColor& AMirrorColorTo, TFont& AFont, TAlignment& HA, TVAlignment& VA,
                                        bool& WW, TCellGradientDirection& GD)
{
    const int realCol = Remap ? RealColIndex(ACol) : ACol;
    TCellLookSettings s;
    s.Font = Font();
    s.FixedFont = FixedFont();
    s.PrintFont = s.Font;
    s.PrintFixedFont = s.FixedFont;
    s.Color = Color();
    s.FixedColor = FixedColor();
    s.Appearance = FAppearance;
    s.SelectionColorMixer = SelectionColorMixer();
    s.SelectionColorMixerFactor = SelectionColorMixerFactor();
    s.ShowSelection = ShowSelection();
    s.DisjunctRowSelect = FMouseActions->DisjunctRowSelect();
    s.DisjunctColSelect = FMouseActions->DisjunctColSelect();
    s.DisjunctCellSelect = FMouseActions->DisjunctCellSelect();
    s.UseDisabledFont = UseDisabledFont();
    s.DisabledFontColor = DisabledFontColor();
    s.GridEnabled = isEnabled();
    s.BandsActive = FBands->Active();
    s.BandsPrint = FBands->Print();
    s.BandsTotalLength = FBands->TotalLength();
    s.BandsPrimaryLength = FBands->PrimaryLength();
    s.BandsPrimaryColor = FBands->PrimaryColor();
    s.BandsSecondaryColor = FBands->SecondaryColor();
    s.FixedRows = FixedRows();

    TCellLookFacts c;
    c.Row = ARow;
    c.Normal = ACol >= FixedCols() && ARow >= FixedRows();
    c.FixedLook = IsFixed(ACol, ARow) || !c.Normal;
    c.FixedRightOrFooter = (FFixedRightCols > 0 && ACol >= ColCount() - FFixedRightCols) ||
                           (FFixedFooters > 0 && ARow >= RowCount() - FFixedFooters);
    c.Props = HasCellProperties(realCol, ARow) ? GetCellProperties(realCol, ARow) : nullptr;
    c.PlainKind = !c.Props || !GraphicOfProps(c.Props);
    c.InSelection = Selection().Contains(ACol, ARow);
    c.CurrentRow = ARow == Row();
    c.CurrentCol = ACol == Col();
    c.CurrentCell = c.CurrentRow && c.CurrentCol;

    TCellLookHooks hooks;
    hooks.CellColor = [&](TFont& font, TBrush& brush, TGridDrawState state) {
        if (Print)
            GetCellPrintColor(realCol, ARow, state, &brush, &font);
        else
            GetCellColor(realCol, ARow, state, &brush, &font);
    };
    if (OnGetCellGradient)
        hooks.Gradient = [&](TColor& color, TColor& to, TColor& mirror, TColor& mirrorTo, TCellGradientDirection& gd) {
            OnGetCellGradient(this, ARow, realCol, color, to, mirror, mirrorTo, gd);
        };
    hooks.WordWrap = [&](bool& ww) { DoGetWordWrap(realCol, ARow, ww); };
    hooks.Alignment = [&](TAlignment& ha, TVAlignment& va) { GetCellAlignment(realCol, ARow, ha, va); };

    TCellLook look;
    look.WW = WW;
    DecideCellLook(s, c, hooks, AState, Print, Select, look);
    ABrush.SetColor(look.Brush.Color());
    AFont = look.Font;
    AColorTo = look.ColorTo;
    AMirrorColor = look.MirrorColor;
    AMirrorColorTo = look.MirrorColorTo;
    HA = look.HA;
    VA = look.VA;
    WW = look.WW;
    GD = look.GD;
}

void TVxStringGrid::GetCellAlignment(int ACol, int ARow, TAlignment& HA, TVAlignment& VA)
{
    TAlignmentInput in;
    in.AutoNumAlign = AutoNumAlign();
    if (in.AutoNumAlign)
        in.Text = AllCells(ACol, ARow);
    in.DefaultAlignment = DefaultAlignment();
    in.VAlignment = VAlignment();
    in.Props = HasCellProperties(ACol, ARow) ? GetCellProperties(ACol, ARow) : nullptr;
    in.CalcFormula = [&](const QString& formula) {
        QString value = formula;
        CalcFormulaCell(ACol, ARow, value);
        return value;
    };
    in.OnGetAlignment = [&](TAlignment& ha, TVAlignment& va) { DoGetAlignment(ACol, ARow, ha, va); };
    DecideCellAlignment(in, HA, VA);
}

QString TVxStringGrid::GetFormattedCell(int ACol, int ARow)
{
    const QString text = AllCells(ACol, ARow);
    if (!OnGetFloatFormat)
        return text;
    return FormatCellText(
        text, FloatFormat(),
        [&](bool& isFloat, QString& format) { OnGetFloatFormat(this, ACol, ARow, isFloat, format); },
        [&] { return ToInt(text); }, [&] { return ToFloat(text); });
}
