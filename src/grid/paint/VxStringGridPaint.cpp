// TVxStringGrid's painting area: the cell look decided by the colour rules and the cell painter, each fed
// from the grid through its hosts.
#include "grid/core/GridSettings.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/CellProperties.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/model/GridText.h"
#include "grid/foundation/MiniHtmlRender.h"
#include "grid/foundation/PictureContainer.h"
#include "grid/paint/GridPaintHost.h"
#include "grid/interaction/WheelPanPictures.h"
#include "grid/paint/ControlLook.h"
#include "grid/paint/CellTextPaint.h"
#include "grid/paint/GridPaintPass.h"
#include <QRegularExpression>
#include "platform/GridEdit.h"
#include "grid/core/DropDownDraw.h"
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
        d->PaintOutsideCells(c);
    if (d->Interaction.FWheelPan) {
        TBitmap marker;
        marker.SetImage(PanMarkerImage(d->Settings.IntelliPan));
        marker.SetTransparent(true);
        marker.SetTransparentMode(TTransparentMode::tmFixed);
        marker.SetTransparentColor(FromQColor(marker.Image().pixelColor(0, 0)));
        c.Draw(d->Interaction.FWheelPanPos.x(), d->Interaction.FWheelPanPos.y(), marker);
    }
    if (OnPainted)
        OnPainted(this);
}

void TVxStringGridPrivate::PaintOutsideCells(TCanvas& c)
{
    const TBackGround& bg = q->BackGround();
    if (bg.IsGradient() && bg.ColorTo() == clNone)
        return;
    const TRect client = TRect::fromQRect(q->viewport()->rect());
    const int lastCol = q->ColCount() - 1, lastRow = q->RowCount() - 1;
    const int leftCol = lastCol < q->FixedCols() ? lastCol : std::max(q->LeftCol(), q->FixedCols());
    const int topRow = lastRow < q->FixedRows() ? lastRow : std::max(q->TopRow(), q->FixedRows());
    const int lastColRight =
        int(q->ColOffset(q->ColCount()) - q->ColOffset(leftCol) + q->ColOffset(std::min(q->FixedCols(), leftCol)));
    const int lastRowBottom =
        int(q->RowOffset(q->RowCount()) - q->RowOffset(topRow) + q->RowOffset(std::min(q->FixedRows(), topRow)));
    const TOutsideArea area = OutsideCellsArea(client, lastColRight, lastColRight < client.Right, lastRowBottom,
                                               lastRowBottom < client.Bottom, q->GridLineWidth());
    if (area.IsEmpty())
        return;
    TRect drawing = client;
    if (q->SearchFooter().Visible())
        drawing.Bottom -= 32;
    for (const TRect& part : {area.Right, area.Below}) {
        if (part.IsEmpty())
            continue;
        c.SetClipRect(part);
        if (bg.Bitmap().Empty()) {
            // Only a gradient background draws here; any other leaves the grid's colour the cells' paint put there.
            if (bg.IsGradient())
                DrawGradient(c, bg.Color(), bg.ColorTo(), 128, drawing,
                             bg.Display() == TBackGroundDisplay::bdGradientHorz);
        } else if (bg.Display() != TBackGroundDisplay::bdTile)
            c.Draw(bg.Left(), bg.Top(), bg.Bitmap());
        else if (bg.Cells() != TBackGroundCells::bcFixed) {
            c.ResetClipRect();   // the tiles clip themselves
            TRect tiles = drawing;
            if (bg.Cells() == TBackGroundCells::bcNormal) {
                tiles.Left = q->FixedColsWidth();
                tiles.Top = q->FixedRowsHeight();
            }
            tiles.Left += q->XYOffset().X;
            tiles.Top += q->XYOffset().Y;
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
    s.Appearance = d->Shared.FAppearance;
    s.SelectionColorMixer = SelectionColorMixer();
    s.SelectionColorMixerFactor = SelectionColorMixerFactor();
    s.ShowSelection = ShowSelection();
    s.DisjunctRowSelect = d->Shared.FMouseActions->DisjunctRowSelect();
    s.DisjunctColSelect = d->Shared.FMouseActions->DisjunctColSelect();
    s.DisjunctCellSelect = d->Shared.FMouseActions->DisjunctCellSelect();
    s.UseDisabledFont = UseDisabledFont();
    s.DisabledFontColor = DisabledFontColor();
    s.GridEnabled = isEnabled();
    s.BandsActive = d->Shared.FBands->Active();
    s.BandsPrint = d->Shared.FBands->Print();
    s.BandsTotalLength = d->Shared.FBands->TotalLength();
    s.BandsPrimaryLength = d->Shared.FBands->PrimaryLength();
    s.BandsPrimaryColor = d->Shared.FBands->PrimaryColor();
    s.BandsSecondaryColor = d->Shared.FBands->SecondaryColor();
    s.FixedRows = FixedRows();

    TCellLookFacts c;
    c.Row = ARow;
    c.Normal = ACol >= FixedCols() && ARow >= FixedRows();
    c.FixedLook = IsFixed(ACol, ARow) || !c.Normal;
    c.FixedRightOrFooter = (d->Shared.FFixedRightCols > 0 && ACol >= ColCount() - d->Shared.FFixedRightCols) ||
                           (d->Shared.FFixedFooters > 0 && ARow >= RowCount() - d->Shared.FFixedFooters);
    c.Props = HasCellProperties(realCol, ARow) ? GetCellProperties(realCol, ARow) : nullptr;
    const TCellType kind = GetCellType(realCol, ARow);
    c.PlainKind = kind == TCellType::ctNone || kind == TCellType::ctRotated || kind == TCellType::ctEmpty;
    c.InSelection = Selection().Contains(ACol, ARow);
    c.CurrentRow = ARow == Row();
    c.CurrentCol = ACol == Col();
    c.CurrentCell = c.CurrentRow && c.CurrentCol;

    // The hooks capture no more than two pointers, which a std::function holds without allocating: asked
    // for every cell a paint draws.
    const struct {
        int Col, Row;
        bool Print;
    } at{realCol, ARow, Print};
    TCellLookHooks hooks;
    hooks.CellColor = [this, &at](TFont& font, TBrush& brush, TGridDrawState state) {
        if (at.Print)
            GetCellPrintColor(at.Col, at.Row, state, &brush, &font);
        else
            GetCellColor(at.Col, at.Row, state, &brush, &font);
    };
    if (OnGetCellGradient)
        hooks.Gradient = [this, &at](TColor& color, TColor& to, TColor& mirror, TColor& mirrorTo,
                                     TCellGradientDirection& gd) {
            OnGetCellGradient(this, at.Row, at.Col, color, to, mirror, mirrorTo, gd);
        };
    hooks.WordWrap = [this, &at](bool& ww) { DoGetWordWrap(at.Col, at.Row, ww); };
    hooks.Alignment = [this, &at](TAlignment& ha, TVAlignment& va) { GetCellAlignment(at.Col, at.Row, ha, va); };

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
    const TGridCoord cell{ACol, ARow};   // captured with the grid alone, so the hooks need no allocation
    in.CalcFormula = [this, &cell](const QString& formula) {
        QString value = formula;
        CalcFormulaCell(cell.X, cell.Y, value);
        return value;
    };
    in.OnGetAlignment = [this, &cell](TAlignment& ha, TVAlignment& va) { DoGetAlignment(cell.X, cell.Y, ha, va); };
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

TPoint TVxStringGrid::GetCellTextSize(int ACol, int ARow)
{
    TPoint size{0, 0};
    CalcCellTextSize(DisplColIndex(ACol), ACol, size, false, false, ARow);
    return size;
}

void TVxStringGrid::CalcCellTextSize(int ACol, int RCol, TPoint& Size, bool Extra, bool Wrapped, int ARow)
{
    QString text = GetFormattedCell(RCol, ARow);
    TCellTextKind kind = ClassifyCellText(text, EnableHTML());
    if (kind == TCellTextKind::ctkFormula) {
        CalcFormulaCell(RCol, ARow, text);
        kind = ClassifyCellText(text, EnableHTML());
    }
    const bool fixedLook = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
    TCanvas measure;
    TFont font = fixedLook ? FixedFont() : Font();
    if (const TCellProperties* p = d->ExistingProps(RCol, ARow)) {
        if (p->FontColor() != clNone)
            font.SetColor(p->FontColor());
        if (p->FontStyle() != TFontStyles())
            font.SetStyle(p->FontStyle());
        if (p->FontSize() != 0)
            font.SetSize(p->FontSize());
        if (!p->FontName().isEmpty())
            font.SetName(p->FontName());
    }
    TBrush brush;
    GetCellColor(RCol, ARow, TGridDrawState(), &brush, &font);
    // The active header is drawn bold: it must fit bold too.
    if (fixedLook && ActiveCellShow() && ActiveCellFont().Style().testFlag(TFontStyle::fsBold))
        font.SetStyle(font.Style() | TFontStyle::fsBold);
    font.SetSize(font.Size() + ZoomFactor());
    measure.SetFont(font);

    TRect r = CalcCellRect(ACol, ARow);
    r.Left += d->Shared.FXYOffset.X;
    r.Top += d->Shared.FXYOffset.Y;
    if (!XYOffsetTopLeftOnly()) {
        r.Right -= d->Shared.FXYOffset.X;
        r.Bottom -= d->Shared.FXYOffset.Y;
    }
    if (Extra)
        r.Right -= 17;
    if (kind == TCellTextKind::ctkHtml) {
        TMiniHtmlParams params;
        params.Rect = r;
        if (!Wrapped)
            params.Rect.Right = 65535;
        params.Rect.Bottom = 65535;
        params.WordWrap = Wrapped;
        params.CheckHeight = true;
        params.Cache = &ImageCache();
        TMiniHtmlResult result;
        RenderMiniHtml(measure, text, params, result);
        Size = {result.XSize + 2, result.YSize + 2};
        return;
    }
    const TCellGraphic* graphic = GetCellGraphic(RCol, ARow);
    const bool rotated = graphic && graphic->CellType() == TCellType::ctRotated;
    if (Wrapped) {
        InflateRect(r, -2, -2);
        if (EditorMode() && Col() == ACol && Row() == ARow && text.endsWith(QLatin1Char('\n')))
            text += QLatin1Char('w');   // the new empty line counts
        TRect calc = r;
        const unsigned breaks = rotated ? DT_SINGLELINE : DT_WORDBREAK | DT_EDITCONTROL;
        measure.DrawText(text, calc, breaks | DT_EXPANDTABS | DT_NOPREFIX | DT_CALCRECT);
        Size = {r.Width(), calc.Height()};
    } else {
        const QStringList lines =
            Multilinecells() ? text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r"))) : QStringList{text};
        int widest = 0;
        for (QString line : lines) {
            if (URLShow() && kind == TCellTextKind::ctkPlain && HasUrlScheme(line))
                StripUrlScheme(line);
            widest = std::max(widest, measure.TextWidth(line));
        }
        Size = {widest, measure.TextHeight(QStringLiteral("gh")) * int(lines.size())};
    }
    if (rotated)
        Size = RotatedCellSize(Size.X, Size.Y, graphic->CellAngle());
}
