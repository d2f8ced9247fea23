#include "grid/paint/CellPainter.h"
#include "grid/core/DropDownDraw.h"
#include "grid/foundation/GridDraw.h"
#include "grid/model/GridText.h"
#include "grid/foundation/MiniHtmlRender.h"
#include "grid/foundation/ThemeBinding.h"
#include "grid/paint/GridGlyphs.h"
#include "grid/paint/GridColors.h"
#include <algorithm>

namespace {
using DS = TGridDrawStateItem;
using TGL = TGridLook;

bool LookHasFixedGradients(TGridLook Look)
{
    return Look == TGL::glZarn || Look == TGL::glXP || Look == TGL::glVista || Look == TGL::glWin7 ||
           Look == TGL::glOffice2007;
}

void Gradient(TCanvas& c, const TRect& r, TColor from, TColor to, TColor mirror, TColor mirrorTo, TColor border)
{
    DrawMirrorGradient(c, r, from, to, mirror, mirrorTo, true, border, false, true);
}

void Line(TCanvas& c, TColor color, int x1, int y1, int x2, int y2)
{
    c.Pen().SetColor(color);
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

// Step 8: the fixed-cell backgrounds of the gradient looks.
void FixedGradientBackground(TCanvas& c, TCellPaintHost& host, TPaintCell& cell)
{
    const TGridAppearance& A = host.Appearance();
    const TFixedGradients& Z = A.Zarn;
    TRect& r = cell.Rect;
    bool buttonPressed = false;
    const int hot = host.FixedCellHotState(cell.Col, cell.Row, buttonPressed);
    if (hot > 0) {
        r.Bottom += 1;
        const bool dropDown = host.ControlLook().FixedDropDownButton() && host.FixedDropDownAllowed(cell.RealCol);
        auto hover = [&](const TRect& part) {
            Gradient(c, part, Z.HoverFrom, Z.HoverTo, Z.HoverMirrorFrom, Z.HoverMirrorTo, Z.HoverBorder);
        };
        auto down = [&](const TRect& part) {
            Gradient(c, part, Z.DownFrom, Z.DownTo, Z.DownMirrorFrom, Z.DownMirrorTo, Z.DownBorder);
        };
        if (hot == 1) {
            hover(r);
        } else if (dropDown) {
            const TRect body = Rect(r.Left, r.Top, r.Right - 16, r.Bottom);
            const TRect button = Rect(r.Right - 16, r.Top, r.Right, r.Bottom);
            if (buttonPressed) {
                hover(body);
                down(button);
            } else {
                down(body);
                hover(button);
            }
        } else {
            down(r);
        }
        if (dropDown) {
            c.Pen().SetWidth(1);
            Line(c, hot == 2 ? Z.DownBorder : Z.HoverBorder, r.Right - 16, r.Top, r.Right - 16, r.Bottom);
            DrawDropArrow(c, r.Right - 8, r.Top + 8, clBlack);
            r.Right -= 16;
        }
        return;
    }
    if (host.ActiveCellHeader(cell.Col, cell.Row)) {
        Gradient(c, r, A.ActiveCellColor, A.ActiveCellColorTo, clNone, clNone, clNone);
        return;
    }
    if (A.SortHeaderColor != clNone && host.SortHeaderGradientCell(cell.RealCol, cell.Row)) {
        Gradient(c, r, A.SortHeaderColor, A.SortHeaderColorTo, A.SortHeaderMirrorColor, A.SortHeaderMirrorColorTo, clNone);
        return;
    }
    if (A.Flat)
        return;
    Gradient(c, r, cell.Look.Brush.Color(), cell.Look.ColorTo, cell.Look.MirrorColor, cell.Look.MirrorColorTo, clNone);
    if (A.Look == TGL::glVista) {
        c.Pen().SetWidth(1);
        Line(c, clWhite, r.Left, r.Top, r.Left, r.Bottom);
        Line(c, clWhite, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
    }
}

// Step 10: the list-view look's header cells.
void ListViewHeader(TCanvas& c, TCellPaintHost& host, TPaintCell& cell)
{
    TRect& r = cell.Rect;
    if (VxXPVS().ThemedDrawing()) {
        r.Bottom += 1;
        bool buttonPressed = false;
        const int hot = host.FixedCellHotState(cell.Col, cell.Row, buttonPressed);
        const TThemeApiTable& api = VxXPVS().ThemeApi();
        const HTHEME theme = api.OpenThemeData(nullptr, QStringLiteral("header"));
        api.DrawThemeBackground(theme, c, hot == 0 ? 3 : 1, hot == 2 ? 3 : hot == 1 ? 2 : 1, r);
        api.CloseThemeData(theme);
        Line(c, clWhite, r.Left, r.Top, r.Right, r.Top);
        return;
    }
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(clBtnFace);
    c.Pen().SetColor(clWhite);
    c.Rectangle(r);
}

// Step 18: the 3D edges of fixed cells.
void FixedEdges(TCanvas& c, TCellPaintHost& host, TRect r, TGridLook look, bool ctl3D)
{
    const TGridOptions options = host.Options();
    const TColor half = HalveColor(ColorToRGB(host.GridFixedColor()));
    c.Pen().SetWidth(1);
    c.Pen().SetStyle(TPenStyle::psSolid);
    switch (look) {
    case TGL::glClassic:
        r.Top += 1;
        r.Bottom += 1;
        r.Left += 1;
        Line(c, clBtnHighlight, r.Left - 1, r.Bottom - 1, r.Left - 1, r.Top - 1);
        Line(c, clBtnHighlight, r.Left - 1, r.Top - 1, r.Right - 1, r.Top - 1);
        Line(c, clBtnShadow, r.Right - 2, r.Top, r.Right - 2, r.Bottom - 1);
        Line(c, clBtnShadow, r.Right - 2, r.Bottom - 2, r.Left - 1, r.Bottom - 2);
        c.Pen().SetColor(clBlack);
        c.Polyline({{r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left - 1, r.Bottom - 1}});
        break;
    case TGL::glZarn:
    case TGL::glXP:
        r.Bottom += 1;
        if (options.testFlag(TGridOption::goFixedHorzLine)) {
            Line(c, half, r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1);
            c.Pen().SetColor(clWhite);
            c.Polyline({{r.Right - 2, r.Top + 1}, {r.Left + 1, r.Top + 1}, {r.Left + 1, r.Bottom - 1}});
        }
        break;
    case TGL::glSoft:
        if (ctl3D) {
            r.Right += 1;
            r.Bottom += 1;
            if (options.testFlag(TGridOption::goFixedHorzLine)) {
                Line(c, half, r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1);
                c.Pen().SetColor(clWhite);
                c.Polyline({{r.Right, r.Top + 1}, {r.Left + 1, r.Top + 1}, {r.Left + 1, r.Bottom - 1}});
            }
            if (options.testFlag(TGridOption::goFixedVertLine)) {
                Line(c, half, r.Right - 2, r.Top, r.Right - 2, r.Bottom - 1);
                Line(c, clWhite, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
            }
        } else {
            if (options.testFlag(TGridOption::goFixedHorzLine)) {
                Line(c, clBlack, r.Left - 1, r.Top - 1, r.Right + 1, r.Top - 1);
                Line(c, clBlack, r.Left - 1, r.Bottom, r.Right + 1, r.Bottom);
            }
            if (options.testFlag(TGridOption::goFixedVertLine)) {
                Line(c, clBlack, r.Left - 1, r.Top - 1, r.Left - 1, r.Bottom + 1);
                Line(c, clBlack, r.Right, r.Top - 1, r.Right, r.Bottom + 1);
            }
        }
        break;
    default:
        break;
    }
}
// Steps 7 and 8 of the text step: the background picture or gradient behind a normal or fixed cell.
void CellBackground(TCanvas& c, TCellPaintHost& host, const TPaintCell& cell)
{
    const TBackGround& bg = host.BackGround();
    const TBackGroundDisplay display = bg.Display();
    const bool gradient = display == TBackGroundDisplay::bdGradientHorz || display == TBackGroundDisplay::bdGradientVert;
    if (bg.Bitmap().Empty() && !gradient)
        return;
    if (!bg.Covers(cell.State.testFlag(DS::gdFixed)) || !host.BackgroundShowsThrough(cell.RealCol, cell.Row))
        return;
    const int lw = host.GridLineWidth();
    const bool selected = cell.State.testFlag(DS::gdSelected), focused = cell.State.testFlag(DS::gdFocused);
    if (!bg.Bitmap().Empty() && !gradient) {
        if (host.ShowSelection() && selected)
            return;
        TRect r = cell.Rect;
        r.Left -= lw - 1;
        r.Top -= lw - 1;
        if (display == TBackGroundDisplay::bdTile) {
            const TPoint offsets = host.CellOffsets(cell.Col, cell.Row, bg.Cells() == TBackGroundCells::bcNormal);
            DrawTiledBitmap(c, bg.Bitmap(), r, offsets.X, offsets.Y);
        } else {
            c.SetClipRect(r);
            c.Draw(bg.Left(), bg.Top(), bg.Bitmap());
            c.ResetClipRect();
        }
        return;
    }
    const bool drawnUnselected = !host.ShowSelection() ||
                                 ((!selected || focused) &&
                                  (!focused || !host.Options().testFlag(TGridOption::goDrawFocusSelected)));
    if (!drawnUnselected)
        return;
    const TRect band = Rect(cell.Rect.Left - 1, cell.Rect.Top - lw, cell.Rect.Right, cell.Rect.Bottom + lw - 1);
    const bool horizontal = display == TBackGroundDisplay::bdGradientHorz;
    const TRect client = host.ClientRect();
    TColor from, to;
    if (horizontal)
        GradientBandColors(bg.Color(), bg.ColorTo(), band.Left, band.Right, client.Width(), from, to);
    else
        GradientBandColors(bg.Color(), bg.ColorTo(), band.Top, band.Bottom, client.Height(), from, to);
    DrawGradient(c, from, to, 128, band, horizontal);
}

// Step 9 of the text step: the frame around the selection block and its resize handle.
void SelectionFrame(TCanvas& c, TCellPaintHost& host, const TPaintCell& cell)
{
    TRect block;
    if (!host.SelectionRectangle() || cell.FixedLook || !host.SelectionBlock(cell.Col, cell.Row, block))
        return;
    const TPen saved = c.Pen();
    c.Pen().SetColor(host.SelectionRectangleColor());
    c.Pen().SetWidth(2);
    const int lw = host.GridLineWidth();
    const TRect& r = cell.Rect;
    const bool left = cell.Col == block.Left, right = cell.Col == block.Right;
    const bool top = cell.Row == block.Top, bottom = cell.Row == block.Bottom;
    auto line = [&](int x1, int y1, int x2, int y2) {
        c.MoveTo(x1, y1);
        c.LineTo(x2, y2);
    };
    if (left)
        line(r.Left - lw + 1, r.Bottom, r.Left - lw + 1, r.Top - lw);
    if (right)
        line(r.Right - 1, r.Bottom, r.Right - 1, r.Top - lw);
    if (top)
        line(r.Left - lw, r.Top - lw + 1, right ? r.Right - 1 : r.Right, r.Top - lw + 1);
    if (bottom)
        line(r.Left - lw, r.Bottom, right ? r.Right - 1 : r.Right, r.Bottom);
    c.Pen() = saved;
    if (host.SelectionResizer() && right && bottom)
        FillRectColor(c, Rect(r.Right - 4, r.Bottom - 4, r.Right, r.Bottom), host.SelectionRectangleColor());
}
} // namespace

void PaintCellContent(TCanvas& Canvas, TCellPaintHost& Host, int ACol, int ARow, const TRect& ARect,
                      TGridDrawState AState)
{
    const TGridAppearance& A = Host.Appearance();
    const bool ctl3D = !A.Flat;
    TPaintCell cell;
    cell.Col = ACol;
    cell.Row = ARow;
    cell.RealCol = Host.RealCol(ACol);
    cell.State = AState;
    cell.Rect = ARect;
    cell.FixedLook = Host.IsFixed(ACol, ARow) || ACol < Host.FixedCols() || ARow < Host.FixedRows();
    cell.FilterButton = Host.FilterButtonCell(cell.RealCol, ARow);

    Host.VisualProperties(ACol, ARow, cell.State, false, cell.Look);
    Host.GraphicInfo(cell.RealCol, ARow, cell);
    if (cell.State.testFlag(DS::gdSelected) && !cell.State.testFlag(DS::gdFocused) && A.SelectionColor == clNone)
        cell.Look.Brush.SetColor(clHighlight);
    cell.Look.Font.SetSize(cell.Look.Font.Size() + Host.ZoomFactor());
    cell.SavedBrush = cell.Look.Brush.Color();
    cell.SavedFontColor = cell.Look.Font.Color();

    if (cell.FixedLook && LookHasFixedGradients(A.Look))
        FixedGradientBackground(Canvas, Host, cell);
    if (cell.FixedLook && A.Look == TGL::glListView && !A.Flat)
        ListViewHeader(Canvas, Host, cell);

    const int indicator = Host.DrawRowIndicator(Canvas, cell);
    cell.Rect.Left += indicator > 0 ? indicator + 2 : 0;

    const TShowModified& modified = Host.ShowModified();
    if (ACol == 0 && modified.Enabled() && Host.RowModified(ARow))
        FillRectColor(Canvas, Rect(cell.Rect.Right - 4, cell.Rect.Top, cell.Rect.Right, cell.Rect.Bottom), modified.Color());

    Host.CustomBackground(Canvas, cell);
    const int right = cell.Rect.Right;
    if (!cell.FixedLook)
        Host.DrawEditorButtons(Canvas, cell);
    if (cell.HasGraphic) {
        TPaintCell grown = cell;
        InflateRect(grown.Rect, 1, 1);
        Host.DrawGraphic(Canvas, grown, true);
    }
    if (!(cell.HasGraphic && Host.NoImageAndText()) && !(Host.HasCellDrawEvents() && Host.NoDefaultDraw()))
        PaintCellText(Canvas, Host, cell);
    cell.Rect.Right = right;
    cell.Look.Brush.SetColor(cell.SavedBrush);
    cell.Look.Font.SetColor(cell.SavedFontColor);

    TRect borderRect = cell.Rect;
    InflateRect(borderRect, 1, 1);
    TPen pen = Canvas.Pen();
    TCellBorders borders;
    TCellBorderPens pens{pen, pen, pen, pen};
    Host.CellBorders(cell.RealCol, ARow, pen, borders, pens);
    if (!borders.IsEmpty()) {
        const TPen saved = Canvas.Pen();
        Canvas.Pen() = pen;
        const TGridOptions options = Host.Options();
        DrawCellBorderLines(Canvas, borderRect, borders, pens, Host.GridLineWidth(),
                            options.testFlag(TGridOption::goVertLine), options.testFlag(TGridOption::goHorzLine));
        Canvas.Pen() = saved;
    }
    cell.Rect.Left -= indicator;

    if (cell.FixedLook && ctl3D)
        FixedEdges(Canvas, Host, cell.Rect, A.Look, ctl3D);
    if (Host.InFixedRightCols(cell.RealCol) && A.Look != TGL::glClassic && !ctl3D) {
        const TColor edge = A.Flat ? clGray : clBlack;
        const TRect& r = cell.Rect;
        Canvas.Pen().SetWidth(1);
        Line(Canvas, edge, r.Left - 1, r.Top - 1, r.Right + 1, r.Top - 1);
        Line(Canvas, edge, r.Left - 1, r.Bottom, r.Right + 1, r.Bottom);
        Line(Canvas, edge, r.Left - 1, r.Top - 1, r.Left - 1, r.Bottom + 1);
        Line(Canvas, edge, r.Right, r.Top - 1, r.Right, r.Bottom + 1);
    }

    Host.DrawTreeLines(Canvas, cell);
    if (cell.HasGraphic) {
        if (cell.FixedLook)
            cell.Rect.Top += 1;
        Host.DrawGraphic(Canvas, cell, false);
    }
    Host.DrawCellEvents(Canvas, cell);

    const TGridOptions options = Host.Options();
    if (!Host.HideFocusRect() && Host.CurrentCell(ACol, ARow) && Host.HasFocus() &&
        !options.testFlag(TGridOption::goRowSelect) && !cell.FixedLook) {
        TRect f = ARect;
        InflateRect(f, Host.GridLineWidth() - 1, Host.GridLineWidth() - 1);
        f.Right -= 1;
        f.Bottom -= 1;
        Canvas.DrawFocusRect(f);
    }
}

void PaintCellText(TCanvas& Canvas, TCellPaintHost& Host, TPaintCell& Cell)
{
    const TGridAppearance& A = Host.Appearance();
    const TGridOptions options = Host.Options();
    TCellLook& look = Cell.Look;
    TColor urlColor = Host.URLColor();
    // 2. Selected text colours.
    const bool rowSelected = options.testFlag(TGridOption::goRowSelect) && Host.RowSelectedUnderRowSelect(Cell.Row) &&
                             Cell.Col >= Host.FixedCols() && !Host.InFixedRightCols(Cell.RealCol);
    if ((Cell.State.testFlag(DS::gdSelected) || rowSelected) && !Host.IsFixed(Cell.Col, Cell.Row)) {
        if (Host.ShowSelection()) {
            if (A.SelectionColor != clNone)
                look.Brush.SetColor(A.SelectionColor);
            if (A.SelectionTextColor != clNone && Host.GridEnabled())
                look.Font.SetColor(A.SelectionTextColor);
            urlColor = A.SelectionTextColor;
        } else if (!Host.HasFocus() || Host.HasCheckBox(Cell.RealCol, Cell.Row)) {
            look.Brush.SetColor(Cell.SavedBrush);
            look.Font.SetColor(Cell.SavedFontColor);
        }
    }
    // 3. The text.
    QString text = Host.FormattedText(Cell.RealCol, Cell.Row);
    const TCellTextKind kind = ClassifyCellText(text, Host.EnableHTML());
    int errorPos = 0, errorLength = 0;
    Host.ErrorMarker(Cell.RealCol, Cell.Row, errorPos, errorLength);
    QChar passwordChar;
    if (Host.PasswordCell(Cell.RealCol, Cell.Row, passwordChar))
        FillWithChar(text, passwordChar);
    // 4. The text rectangle.
    TRect r = Cell.Rect;
    if (Host.IsFixed(Cell.RealCol, Cell.Row)) {
        r.Left += Host.GridLineWidth();
        r.Top += Host.GridLineWidth();
    }
    // 5. The filter button.
    if (Cell.FilterButton)
        DrawTransparentBitmap(Canvas, GlyphBitmap(TGlyphId::Filter), Host.GridFixedColor(),
                              Rect(r.Right - 16, r.Top, r.Right, r.Top + 16));
    CellBackground(Canvas, Host, Cell);
    SelectionFrame(Canvas, Host, Cell);
    Canvas.SetFont(look.Font);
    Cell.TextHeight = Canvas.TextHeight(QStringLiteral("hg"));
    if (!Cell.TextShown)
        return;
    // 10. Padding and the graphic's room.
    const TPoint offset = Host.XYOffset();
    r.Left += offset.X;
    r.Top += offset.Y;
    if (!Host.XYOffsetTopLeftOnly())
        r.Right -= offset.X;
    r.Left += Cell.TextIndent;
    switch (Cell.Room) {
    case TGraphicRoom::BeforeText: r.Left += Cell.GraphicWidth; break;
    case TGraphicRoom::AfterText: r.Right -= Cell.GraphicWidth; break;
    case TGraphicRoom::AboveText: r.Top += Cell.GraphicHeight; break;
    case TGraphicRoom::UnderText: r.Bottom -= Cell.GraphicHeight; break;
    case TGraphicRoom::None: break;
    }
    const int sortOffset =
        Cell.GraphicLeads && (Cell.Room != TGraphicRoom::BeforeText || look.HA == TAlignment::taLeftJustify)
            ? Cell.GraphicWidth
            : 0;
    TSortMark mark;
    const bool sorted = Host.SortedHeaderCell(Cell.RealCol, Cell.Row, mark);
    Canvas.Brush() = look.Brush;

    if (kind == TCellTextKind::ctkHtml) {
        // 11. Mini-HTML.
        if (Cell.FilterButton)
            r.Right -= 18;
        r.Left -= 1;
        if (sorted)
            r.Right -= 10;
        TMiniHtmlParams params;
        params.Rect = r;
        params.ShadowColor = clGray;
        params.WordWrap = look.WW;
        params.Selected = Cell.State.testFlag(DS::gdSelected);
        Host.HtmlParams(Cell.RealCol, Cell.Row, params);
        params.URLColor = urlColor;
        TMiniHtmlResult result;
        Canvas.Brush().SetStyle(TBrushStyle::bsClear);
        RenderMiniHtml(Canvas, text, params, result);
        if (sorted && SortMarkShown(mark)) {
            const int y = look.VA == TVAlignment::vtaTop      ? r.Top + 8
                          : look.VA == TVAlignment::vtaCenter ? (r.Top + r.Bottom) / 2
                                                              : r.Bottom - 8;
            DrawSortIndicator(Canvas, mark, y, r.Right + 2);
        }
        Cell.TextWidth = result.XSize + 2;
        return;
    }
    // 13. Plain text (rich text has no renderer on this platform and shows as its source).
    if (sorted && look.HA == TAlignment::taCenter)
        r.Left += 10;
    const TFont plainFont = Canvas.Font();
    if (Host.URLShow() && kind == TCellTextKind::ctkPlain && HasUrlScheme(text)) {
        StripUrlScheme(text);
        Canvas.Font().SetStyle(Canvas.Font().Style() | TFontStyle::fsUnderline);
        Canvas.Font().SetColor(urlColor);
    }
    TPlainTextLayout layout = PlainTextLayout(text, Host.MultilineCells(), look.WW, Host.EnhTextSize(), look.HA, look.VA);
    Canvas.Brush().SetStyle(TBrushStyle::bsClear);
    if (Cell.FilterButton)
        r.Right -= 16;
    // A pasted cell of millions of characters is measured and drawn only as far as the cell shows it.
    qsizetype dropped = 0;
    layout.Text = VisibleCellText(layout.Text, layout.Format, r, Cell.TextHeight, dropped);
    errorPos = int(std::max<qsizetype>(0, errorPos - dropped));
    if (Cell.HasGraphic && !layout.Text.isEmpty()) {
        TRect measured = r;
        Canvas.DrawText(layout.Text, measured, layout.Format | DT_CALCRECT);
        Cell.TextWidth = measured.Width() + 2;
    }
    Canvas.DrawText(layout.Text, r, layout.Format);
    if (errorLength > 0)
        DrawErrorUnderline(Canvas, layout.Text, r, Cell.TextHeight, errorPos, errorLength);
    if (sorted && SortMarkShown(mark)) {
        TRect markRect = Cell.Rect;
        if (Cell.FilterButton)
            markRect.Right -= 16;
        int width = Cell.TextWidth;
        if (width == 0 && !layout.Text.isEmpty()) {
            TRect measured = r;
            Canvas.DrawText(layout.Text, measured, layout.Format | DT_CALCRECT);
            width = measured.Width();
        }
        const TPoint at = SortMarkPosition(markRect, look.HA, look.VA, width, sortOffset);
        DrawSortIndicator(Canvas, mark, at.Y, at.X);
    }
    Canvas.SetFont(plainFont);
}
