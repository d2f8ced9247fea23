#include "grid/core/GridSettings.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/model/GridText.h"
#include "grid/model/IntList.h"
#include "grid/foundation/MiniHtml.h"
#include "grid/paint/ControlLook.h"
#include <QFontMetrics>
#include <QRegularExpression>
#include <QStyle>
#include <algorithm>
#include <cmath>

// Measured with the font the cell is painted with, so sizes fit what is drawn; ACol is a real column.
TFont TVxStringGridPrivate::CellMeasureFont(int ACol, int ARow, bool Zoom)
{
    TGridDrawState state;
    TBrush brush;
    TColor colorTo, mirror, mirrorTo;
    TFont font;
    TAlignment ha;
    TVAlignment va;
    bool ww = q->WordWrap();
    TCellGradientDirection gd;
    q->GetVisualProperties(q->DisplColIndex(ACol), ARow, state, false, false, true, brush, colorTo, mirror, mirrorTo,
                           font, ha, va, ww, gd);
    if (Zoom && Shared.FZoomFactor != 0)
        font.SetSize(font.Size() + Shared.FZoomFactor);
    return font;
}

TPoint TVxStringGridPrivate::CellTextExtent(int ACol, int ARow, int WrapWidth)
{
    QString text = q->GetFormattedCell(ACol, ARow);
    if (text.isEmpty())
        return {0, 0};
    if (Settings.EnableHTML && text.contains(u'<'))
        text = MiniHtmlToPlainText(text);
    const QFontMetrics fm(CellMeasureFont(ACol, ARow, true).toQFont());
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = text.split(breaks);
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, fm.horizontalAdvance(line));
    int height = int(lines.size()) * fm.height();
    if (WrapWidth > 0) {
        const QRect r = fm.boundingRect(QRect(0, 0, WrapWidth, 1 << 20), Qt::TextWordWrap, lines.join(u'\n'));
        height = r.height();
    }
    return {widest, height};
}

void TVxStringGrid::AutoSizeColumnWidth(int ACol, bool GrowOnly)
{
    if (ACol < 0 || ACol >= ColCount())
        return;
    const int rc = RealColIndex(ACol);
    int first = 0;
    int last = RowCount() - 1;
    switch (d->Shared.FColumnSize->Rows()) {
    case TAutoSizeRows::arAll:
        break;
    case TAutoSizeRows::arNormal:
        first = FixedRows();
        last = RowCount() - d->Shared.FFixedFooters - 1;
        break;
    case TAutoSizeRows::arFixed:
        last = FixedRows() - 1;
        break;
    }
    bool filterList = false;
    if (d->Settings.FilterDropDownAuto) {
        const QStringList keep = d->Shared.FFilterList;
        filterList = BuildColumnFilterList(ACol);
        d->Shared.FFilterList = keep;
    }
    const bool sortShown =
        d->Order.FSortSettings->Show() && RowCount() > FixedRows() + 1 && ACol == d->Order.FSortSettings->Column();
    int widest = 0;
    for (int r = first; r <= last; ++r) {
        const TPoint b = BaseCell(rc, r);
        if (b.X != rc || CellSpan(rc, r).X > 0)
            continue;   // part of a range merged across columns
        const TPoint graphic = GetCellGraphicSize(rc, r);
        int c = graphic.X + d->CellTextExtent(rc, r).X;
        if (d->Shared.FControlLook->DropDownAlwaysVisible() && HasComboBox(rc, r))
            c += 16;
        if (filterList && r == d->Settings.FilterDropDownRow)
            c += 12;
        if (sortShown &&
            (r == d->Order.FSortSettings->Row() || b.Y + CellSpan(rc, r).Y == d->Order.FSortSettings->Row()))
            c += 10;
        if (TCellGraphic* g = GetCellGraphic(rc, r); g && g->CellHAlign() == TCellHAlign::haFull)
            c = graphic.X - 2 * GridLineWidth() - d->Shared.FXYOffset.X - 2;
        widest = std::max(widest, c);
    }
    int w = widest + TotalXOffset() + 2 * GridLineWidth() + 2;
    if (GrowOnly && ColWidths(ACol) >= w)
        return;
    UpdateAutoColumnSize(rc, w);
    SetColWidths(ACol, ClampToLimits(w, d->Settings.MinColWidth, d->Settings.MaxColWidth));
}

void TVxStringGrid::AutoSizeCol(int ACol, int Padding)
{
    AutoSizeColumnWidth(ACol, d->Settings.SizeGrowOnly);
    if (Padding != 0 && ACol >= 0 && ACol < ColCount())
        SetColWidths(ACol, ClampToLimits(ColWidths(ACol) + Padding, d->Settings.MinColWidth, d->Settings.MaxColWidth));
}

void TVxStringGrid::AutoSizeColumns(bool DoFixedCols, int Padding)
{
    const int first = DoFixedCols ? 0 : FixedCols();
    const int last = DoFixedCols ? ColCount() - 1 : ColCount() - d->Shared.FFixedRightCols - 1;
    for (int c = first; c <= last; ++c)
        AutoSizeCol(c, Padding);
}

void TVxStringGrid::AutoSizeRowHeight(int ARow, bool GrowOnly, int Padding)
{
    if (ARow < 0 || ARow >= RowCount())
        return;
    int tallest = 0;
    for (int c = 0; c < ColCount(); ++c) {
        const int rc = RealColIndex(c);
        if (d->Shared.FIgnoreColumns->IndexOf(rc) >= 0)
            continue;
        const TPoint b = BaseCell(rc, ARow);
        if (CellSpan(b.X, b.Y).Y > 0 && b.Y != ARow)
            continue;   // covered by a range merged across rows
        int th = d->CellTextExtent(rc, ARow, WordWrap() ? ColWidths(c) - TotalXOffset() : 0).Y;
        int gh = CalcCellGraphicSize(rc, ARow, Padding).Y;
        int h = 0;
        if (TCellGraphic* g = GetCellGraphic(rc, ARow)) {
            if (g->CellVAlign() == TCellVAlign::vaFull)
                gh = th != 0 ? 0 : DefaultRowHeight();
            const TCellType kind = g->CellType();
            if ((kind == TCellType::ctDataCheckBox || kind == TCellType::ctVirtCheckBox) && gh > 0)
                th = 0;
            h = th + gh;
            if (kind == TCellType::ctCheckBox || kind == TCellType::ctDataCheckBox ||
                kind == TCellType::ctVirtCheckBox || kind == TCellType::ctRadioButton)
                h = DefaultRowHeight();
        } else {
            h = th + gh;
        }
        if (b.X != rc || b.Y != ARow)
            h = 0;
        tallest = std::max(tallest, h);
    }
    int height = TotalYOffset() + tallest + 2 * GridLineWidth() + (d->Settings.XYOffsetTopLeftOnly ? 2 : 0);
    if (GrowOnly && RowHeights(ARow) >= height)
        return;
    SetRowHeights(ARow, ClampToLimits(height, d->Settings.MinRowHeight, d->Settings.MaxRowHeight));
}

void TVxStringGrid::AutoSizeRow(int ARow, int Padding)
{
    AutoSizeRowHeight(ARow, d->Settings.SizeGrowOnly, Padding);
    if (Padding != 0 && ARow >= 0 && ARow < RowCount())
        SetRowHeights(ARow,
                      ClampToLimits(RowHeights(ARow) + Padding, d->Settings.MinRowHeight, d->Settings.MaxRowHeight));
}

void TVxStringGrid::SizeRowToLines(int ARow, int Lines, int Padding)
{
    if (ARow < 0 || ARow >= RowCount())
        return;
    TFont font = Canvas()->Font();
    TBrush brush;
    GetCellColor(RealColIndex(FixedCols()), ARow, TGridDrawState(), &brush, &font);
    const int t = QFontMetrics(font.toQFont()).height();
    SetRowHeights(ARow,
                  ClampToLimits(Padding + Lines * (t + t / 8), d->Settings.MinRowHeight, d->Settings.MaxRowHeight));
}

void TVxStringGrid::AutoSizeRows(bool DoFixedRows, int Padding)
{
    if (RowCount() == 0)
        return;
    ExportNotification(TGridExportState::esExportStart, -1);
    for (int r = DoFixedRows ? 0 : FixedRows(); r < RowCount(); ++r) {
        ExportNotification(TGridExportState::esExportNextRow, r);
        if (WordWrap()) {
            AutoSizeRow(r, 0);
            if (Padding != 0)
                SetRowHeights(
                    r, ClampToLimits(RowHeights(r) + Padding, d->Settings.MinRowHeight, d->Settings.MaxRowHeight));
        } else {
            int lines = 1;
            for (int c = 0; c < ColCount() && d->Settings.Multilinecells; ++c)
                lines = std::max(lines, CountLines(Cells(RealColIndex(c), r), true));
            SizeRowToLines(r, lines, Padding);
        }
    }
    d->ApplyScrollBarAlways();
    ExportNotification(TGridExportState::esExportDone, -1);
}

// Sizes only grow within one call.
void TVxStringGrid::AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY)
{
    BeginUpdate();
    for (int c = DoFixedCells ? 0 : FixedCols(); c < ColCount(); ++c) {
        const int rc = RealColIndex(c);
        int w = d->Settings.SizeGrowOnly ? ColWidths(c) : 0;
        for (int r = DoFixedCells ? 0 : FixedRows(); r < RowCount(); ++r) {
            const TPoint g = GetCellGraphicSize(rc, r);
            const TPoint t = d->CellTextExtent(rc, r);
            int cw = t.X + g.X + PaddingX + d->Shared.FXYOffset.X;
            int ch = t.Y + g.Y + PaddingY + d->Shared.FXYOffset.Y;
            const TPoint span = CellSpan(rc, r);
            if (span.X == 0 && cw > w) {
                cw = ClampToLimits(cw, d->Settings.MinColWidth, d->Settings.MaxColWidth);
                if (cw > w) {
                    SetColWidths(c, cw);
                    w = cw;
                }
            }
            if (span.Y == 0 && ch > RowHeights(r)) {
                ch = ClampToLimits(ch, d->Settings.MinRowHeight, d->Settings.MaxRowHeight);
                if (ch > RowHeights(r))
                    SetRowHeights(r, ch);
            }
        }
    }
    EndUpdate();
}

// Scales the range's columns so that, with the fixed ones, they fill the client width. Columns that all have
// no width share it equally instead of being divided by nothing.
void TVxStringGrid::AutoFitColumns(bool DoFixedCells)
{
    const bool vertBar = d->Settings.ScrollBarAlways == TScrollBarAlways::saVert ||
                         ((ScrollBars() == TScrollStyle::ssVertical || ScrollBars() == TScrollStyle::ssBoth) &&
                          VisibleRowCount() + FixedRows() < RowCount());
    const int S = vertBar ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    const int B = 2 * frameWidth();
    const int first = DoFixedCells ? 0 : FixedCols();
    const int last = DoFixedCells ? ColCount() - 1 : ColCount() - d->Shared.FFixedRightCols - 1;
    int W = width();
    if (!DoFixedCells)
        for (int c = 0; c < ColCount(); ++c)
            if (c < first || c > last)
                W -= ColWidths(c);
    const int room = W - S - B;
    if (ColCount() < 2) {
        SetColWidths(0, width() - S - 5);
        return;
    }
    const int n = last - first + 1;
    if (n <= 0)
        return;
    int T = 0;
    for (int c = first; c <= last; ++c)
        T += ColWidths(c);
    if (T == room)
        return;
    if (T > 0) {
        const bool lines = Options().testFlag(TGridOption::goVertLine);
        int L = lines ? GridLineWidth() * (ColCount() - FixedCols() - d->Shared.FFixedRightCols) : 0;
        if (lines && DoFixedCells && Options().testFlag(TGridOption::goFixedVertLine))
            L += FixedCols() + d->Shared.FFixedRightCols;
        const double f = double(room - L) / T;
        int N = 0;
        for (int c = first; c <= last; ++c)
            N += int(std::nearbyint(ColWidths(c) * f));
        for (int c = first; c <= last; ++c)
            SetColWidths(c, int(std::nearbyint(double(ColWidths(c)) * N / T)));
    } else {
        for (int c = first; c <= last; ++c)
            SetColWidths(c, 0);
    }
    int sum = 0;
    for (int c = first; c <= last; ++c)
        sum += ColWidths(c);
    int R = room - sum;
    if (n >= 2 && R > n) {
        for (int c = first; c <= last; ++c)
            SetColWidths(c, ColWidths(c) + R / n);
        R %= n;
    }
    int widest = first;
    for (int c = first; c <= last; ++c)
        if (ColWidths(c) > ColWidths(widest))
            widest = c;
    SetColWidths(widest, ColWidths(widest) + R);
}

void TVxStringGrid::SizeToCols()
{
    int w = 0;
    for (int c = 0; c < ColCount(); ++c)
        w += ColWidths(c);
    resize(width() - ClientWidth() + w, height());
}

void TVxStringGrid::SizeToRows()
{
    int h = 0;
    for (int r = 0; r < RowCount(); ++r)
        h += RowHeights(r);
    resize(width(), height() - ClientHeight() + h);
}

void TVxStringGrid::SizeToCells()
{
    const TScrollStyle bars = ScrollBars();
    SetScrollBars(TScrollStyle::ssNone);
    SizeToCols();
    SizeToRows();
    SetScrollBars(bars);
}
