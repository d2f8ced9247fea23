// Column and row aggregates of the string grid, the floating footer's settings and its per-column calculation.
#include "grid/core/FloatingFooter.h"
#include "grid/core/FloatingFooterPanel.h"
#include "grid/model/GridCalc.h"
#include "grid/model/HiddenRows.h"
#include "grid/core/VxGridError.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/CellProperties.h"
#include "grid/model/GridText.h"
#include "grid/foundation/MiniHtml.h"
#include <algorithm>

void TFloatingFooter::Assign(const TFloatingFooter& Source)
{
    FCalculateHiddenRows = Source.FCalculateHiddenRows;
    FColor = Source.FColor;
    FColumn = Source.FColumn;
    FCustomTemplate = Source.FCustomTemplate;
    FFooterStyle = Source.FFooterStyle;
    SetVisible(Source.FVisible);
    FShowHint = Source.FShowHint;
}

void TFloatingFooter::Invalidate() { FGrid.UpdateFooter(); }

void TFloatingFooter::SetVisible(bool Value)
{
    FVisible = Value;
    FGrid.FloatingFooterChanged(true);
}

void TFloatingFooter::SetFooterStyle(TFooterStyle Value)
{
    FFooterStyle = Value;
    FGrid.FloatingFooterChanged(false);
}

void TFloatingFooter::SetHeight(int Value)
{
    FHeight = Value;
    if (Value > 0)
        FGrid.FloatingFooterChanged(false);
}

void TFloatingFooter::SetBorderColor(TColor Value)
{
    if (FBorderColor == Value)
        return;
    FBorderColor = Value;
    Invalidate();
}

TColumnCalcType TFloatingFooter::ColumnCalc(int c) const { return FGrid.ColumnCalc(c); }
void TFloatingFooter::SetColumnCalc(int c, TColumnCalcType Value) { FGrid.SetColumnCalc(c, Value); }

// The footer row is the grid's own last row while the footer shows it; the panel paints it under the cells.
// Only showing or hiding the footer changes the fixed footer rows.
void TVxStringGrid::FloatingFooterChanged(bool VisibilityChanged)
{
    const TFloatingFooter& ff = *d->Order.FFloatingFooter;
    const bool lastRow = ff.Visible() && ff.FooterStyle() == TFooterStyle::fsFixedLastRow;
    if (VisibilityChanged)
        SetFixedFooters(lastRow ? 1 : 0);
    FHideLastRow = lastRow;
    if (ff.Visible() && !d->Order.FFooterPanel) {
        d->Order.FFooterPanel = new TFooterPanel(*this);
        if (OnCreatedFloatingFooter)
            OnCreatedFloatingFooter(this);
    }
    if (d->Order.FFooterPanel) {
        const int h = ff.Visible() ? std::max((ff.Height() > 0 ? ff.Height() : DefaultRowHeight()) - 1, 0) : 0;
        setViewportMargins(0, 0, 0, h);
        d->Order.FFooterPanel->resize(d->Order.FFooterPanel->width(), h);
        d->Order.FFooterPanel->Place();
        d->Order.FFooterPanel->setVisible(ff.Visible());
    }
    Invalidate();
    UpdateFooter();
}

void TVxStringGrid::UpdateFooter()
{
    if (d->Order.FFooterPanel)
        d->Order.FFooterPanel->update();
}

// Rows added to a grid whose footer shows the last row go before it: the footer row moves to the new end.
void TVxStringGrid::KeepFooterRowLast(int OldRowCount)
{
    if (!FHideLastRow || OldRowCount < 1 || RowCount() <= OldRowCount)
        return;
    TStringGrid::MoveRow(OldRowCount - 1, RowCount() - 1);
}

TColumnCalcType TVxStringGrid::ColumnCalc(int c)
{
    const TCellProperties* p = ExistingProps(c, RowCount() - 1);
    return p ? TColumnCalcType(int(p->CalcType()) & 0x7F) : TColumnCalcType::acNONE;
}

void TVxStringGrid::SetColumnCalc(int c, TColumnCalcType Value)
{
    GetCellProperties(c, RowCount() - 1)->SetCalcType(Value);
    CalcFooter(c);
}

// A cell as a number: mini-HTML removed, thousand separators dropped, empty or "-" as 0.
double TVxStringGrid::CalcFloat(const QString& Text)
{
    QString s = MiniHtmlToPlainText(Text).trimmed();
    s.remove(ThousandSeparatorChar());
    if (s.isEmpty() || s == QLatin1String("-"))
        return 0;
    const QChar dec = DecimalSeparatorChar();
    if (dec != QLatin1Char('.'))
        s.replace(dec, QLatin1Char('.'));
    bool ok = false;
    const double v = s.toDouble(&ok);
    if (!ok)
        throw EVxGridError("Cell does not contain a float value");
    return v;
}

void TVxStringGrid::ResolveCalcRange(int& FromRow, int& ToRow) const
{
    if (FromRow == -1 || ToRow == -1) {
        FromRow = FixedRows();
        ToRow = RowCount() - FixedFooters() - 1;
    }
}

// A hidden row's text is read from where it is parked.
QString TVxStringGrid::RealRowCell(int c, int r)
{
    if (!IsHiddenRow(r))
        return Cells(c, DisplRowIndex(r));
    const TGridItem* item = d->Cells.FHiddenRows->Find(r);
    if (!item || c < 0 || c >= int(item->Items.size()))
        return QString();
    return item->Items[std::size_t(c)].Text;
}

// A range past the shown rows counts real rows (the footer passes one extended by the hidden rows).
TCalcSource TVxStringGrid::CalcSourceFor(int ToRow)
{
    return CalcSource(ToRow > RowCount() - (d->Order.FFloatingFooter->Visible() ? 1 : 0));
}

// Node and summary rows of a grouped grid, and cells inside a merged range, are left out; a hidden row counts.
TCalcSource TVxStringGrid::CalcSource(bool RealRows)
{
    TCalcSource s;
    const auto text = [this, RealRows](int c, int r) { return RealRows ? RealRowCell(c, r) : Cells(c, r); };
    s.Floats = [this, text](int c, int r) {
        ExportNotification(TGridExportState::esExportNextRow, r);
        return CalcFloat(text(c, r));
    };
    s.Cells = [this, text](int c, int r) {
        ExportNotification(TGridExportState::esExportNextRow, r);
        return text(c, r);
    };
    s.Counted = [this, RealRows](int c, int r) {
        if (RealRows && IsHiddenRow(r))
            return true;
        const int row = RealRows ? DisplRowIndex(r) : r;
        return IsBaseCell(c, row) && (d->Settings.GroupColumn == -1 || (!IsNode(row) && !IsSummary(row)));
    };
    return s;
}

namespace {
// The export hook brackets every column aggregate, also one that raises.
template <typename F>
auto Bracketed(TVxStringGrid& G, int FromRow, F Body)
{
    struct Done {
        TVxStringGrid& G;
        ~Done() { G.ExportNotification(TGridExportState::esExportDone, -1); }
    } done{G};
    G.ExportNotification(TGridExportState::esExportStart, FromRow);
    return Body();
}
} // namespace

double TVxStringGrid::ColumnSum(int ACol, int FromRow, int ToRow)
{
    ResolveCalcRange(FromRow, ToRow);
    return Bracketed(*this, FromRow, [&] { return ::ColumnSum(CalcSourceFor(ToRow), ACol, FromRow, ToRow); });
}

double TVxStringGrid::ColumnAvg(int ACol, int FromRow, int ToRow)
{
    ResolveCalcRange(FromRow, ToRow);
    return Bracketed(*this, FromRow, [&] { return ::ColumnAvg(CalcSourceFor(ToRow), ACol, FromRow, ToRow); });
}

double TVxStringGrid::ColumnMin(int ACol, int FromRow, int ToRow)
{
    ResolveCalcRange(FromRow, ToRow);
    return Bracketed(*this, FromRow, [&] { return ::ColumnMin(CalcSourceFor(ToRow), ACol, FromRow, ToRow); });
}

double TVxStringGrid::ColumnMax(int ACol, int FromRow, int ToRow)
{
    ResolveCalcRange(FromRow, ToRow);
    return Bracketed(*this, FromRow, [&] { return ::ColumnMax(CalcSourceFor(ToRow), ACol, FromRow, ToRow); });
}

double TVxStringGrid::ColumnStdDev(int ACol, int FromRow, int ToRow)
{
    ResolveCalcRange(FromRow, ToRow);
    return Bracketed(*this, FromRow, [&] { return ::ColumnStdDev(CalcSourceFor(ToRow), ACol, FromRow, ToRow); });
}

int TVxStringGrid::ColumnDistinct(int ACol, int FromRow, int ToRow)
{
    ResolveCalcRange(FromRow, ToRow);
    return Bracketed(*this, FromRow, [&] { return ::ColumnDistinct(CalcSourceFor(ToRow), ACol, FromRow, ToRow); });
}

double TVxStringGrid::ColumnCustomCalc(int ACol, int FromRow, int ToRow)
{
    double res = 0;
    if (OnColumnCalc)
        OnColumnCalc(this, ACol, FromRow, ToRow, res);
    return res;
}

double TVxStringGrid::DoGroupCalc(int ACol, int FromRow, int ToRow)
{
    double res = 0;
    if (OnGroupCalc)
        OnGroupCalc(this, ACol, FromRow, ToRow, res);
    return res;
}

double TVxStringGrid::RowSum(int ARow, int fromCol, int toCol) { return ::RowSum(CalcSourceFor(ARow), ARow, fromCol, toCol); }
double TVxStringGrid::RowAvg(int ARow, int fromCol, int toCol) { return ::RowAvg(CalcSourceFor(ARow), ARow, fromCol, toCol); }
double TVxStringGrid::RowMin(int ARow, int fromCol, int toCol) { return ::RowMin(CalcSourceFor(ARow), ARow, fromCol, toCol); }
double TVxStringGrid::RowMax(int ARow, int fromCol, int toCol) { return ::RowMax(CalcSourceFor(ARow), ARow, fromCol, toCol); }

void TVxStringGrid::WriteCalcValue(int c, int r, double Value, bool IsInteger)
{
    QString s = IsInteger ? QString::number(qint64(Value)) : QString::asprintf(d->Settings.FloatFormat.toLatin1().constData(), Value);
    if (!IsInteger && DecimalSeparatorChar() != QLatin1Char('.'))
        s.replace(QLatin1Char('.'), DecimalSeparatorChar());
    SetCells(c, r, s);
}

void TVxStringGrid::CalcFloatingFooter(int ACol)
{
    const TFloatingFooter& ff = *d->Order.FFloatingFooter;
    if (!ff.Visible() || ff.FooterStyle() != TFooterStyle::fsFixedLastRow || !ff.EnableCalculation())
        return;
    const int last = RowCount() - 1;
    const int hidden = ff.CalculateHiddenRows() ? NumHiddenRows() : 0;
    const int from = ACol == -1 ? 0 : ACol;
    const int to = ACol == -1 ? AllColCount() - 1 : ACol;
    for (int c = from; c <= to; ++c) {
        const TColumnCalcType kind = ColumnCalc(c);
        if (kind == TColumnCalcType::acNONE || kind == TColumnCalcType::acSPREAD)
            continue;
        if (kind == TColumnCalcType::acCUSTOM) {
            QString value;
            if (OnFooterCalc)
                OnFooterCalc(this, c, last + hidden, value);
            else if (ff.OnCalcFooter)
                ff.OnCalcFooter(this, c, last + hidden, value);
            SetCells(c, last, value);
        } else if (kind == TColumnCalcType::acCOUNT) {
            WriteCalcValue(c, last, hidden + RowCount() - FixedRows() - 1, true);
        } else {
            // With hidden rows counted the range is real rows, also with one hidden row, whose range ends on
            // the shown footer row's display index.
            const int fromRow = FixedRows();
            const auto v = Bracketed(*this, fromRow, [&] {
                return FooterCalcValue(kind, CalcSource(hidden > 0), c, FixedRows(), RowCount(), hidden);
            });
            if (v)
                WriteCalcValue(c, last, *v, false);
        }
    }
}

QString TVxStringGrid::ExpandFooterTemplate(const QString& Template)
{
    return ::ExpandFooterTemplate(Template, AllColCount(), [this](int c) { return Cells(c, Row()); });
}
