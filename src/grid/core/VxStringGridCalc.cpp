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
    FGrid.d->FloatingFooterChanged(true);
}

void TFloatingFooter::SetFooterStyle(TFooterStyle Value)
{
    FFooterStyle = Value;
    FGrid.d->FloatingFooterChanged(false);
}

void TFloatingFooter::SetHeight(int Value)
{
    FHeight = Value;
    if (Value > 0)
        FGrid.d->FloatingFooterChanged(false);
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
void TVxStringGridPrivate::FloatingFooterChanged(bool VisibilityChanged)
{
    const TFloatingFooter& ff = *Order.FFloatingFooter;
    const bool lastRow = ff.Visible() && ff.FooterStyle() == TFooterStyle::fsFixedLastRow;
    if (VisibilityChanged)
        q->SetFixedFooters(lastRow ? 1 : 0);
    q->FHideLastRow = lastRow;
    if (ff.Visible() && !Order.FFooterPanel) {
        Order.FFooterPanel = new TFooterPanel(*q);
        if (q->OnCreatedFloatingFooter)
            q->OnCreatedFloatingFooter(q);
    }
    if (Order.FFooterPanel) {
        const int h = ff.Visible() ? std::max((ff.Height() > 0 ? ff.Height() : q->DefaultRowHeight()) - 1, 0) : 0;
        q->setViewportMargins(0, 0, 0, h);
        Order.FFooterPanel->resize(Order.FFooterPanel->width(), h);
        Order.FFooterPanel->Place();
        Order.FFooterPanel->setVisible(ff.Visible());
    }
    q->Invalidate();
    q->UpdateFooter();
}

void TVxStringGrid::UpdateFooter()
{
    if (d->Order.FFooterPanel)
        d->Order.FFooterPanel->update();
}

// Rows added to a grid whose footer shows the last row go before it: the footer row moves to the new end.
void TVxStringGridPrivate::KeepFooterRowLast(int OldRowCount)
{
    if (!q->FHideLastRow || OldRowCount < 1 || q->RowCount() <= OldRowCount)
        return;
    q->TStringGrid::MoveRow(OldRowCount - 1, q->RowCount() - 1);
}

TColumnCalcType TVxStringGrid::ColumnCalc(int c)
{
    const TCellProperties* p = d->ExistingProps(c, RowCount() - 1);
    return p ? TColumnCalcType(int(p->CalcType()) & 0x7F) : TColumnCalcType::acNONE;
}

void TVxStringGrid::SetColumnCalc(int c, TColumnCalcType Value)
{
    GetCellProperties(c, RowCount() - 1)->SetCalcType(Value);
    CalcFooter(c);
}

// A cell as a number: mini-HTML removed, thousand separators dropped, empty or "-" as 0.
double TVxStringGridPrivate::CalcFloat(const QString& Text)
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

void TVxStringGridPrivate::ResolveCalcRange(int& FromRow, int& ToRow)
{
    if (FromRow == -1 || ToRow == -1) {
        FromRow = q->FixedRows();
        ToRow = q->RowCount() - q->FixedFooters() - 1;
    }
}

// A hidden row's text is read from where it is parked.
QString TVxStringGridPrivate::RealRowCell(int c, int r)
{
    if (!q->IsHiddenRow(r))
        return q->Cells(c, q->DisplRowIndex(r));
    const TGridItem* item = Cells.FHiddenRows->Find(r);
    if (!item || c < 0 || c >= int(item->Items.size()))
        return QString();
    return item->Items[std::size_t(c)].Text;
}

// A range past the shown rows counts real rows (the footer passes one extended by the hidden rows).
TCalcSource TVxStringGridPrivate::CalcSourceFor(int ToRow)
{
    return CalcSource(ToRow > q->RowCount() - (Order.FFloatingFooter->Visible() ? 1 : 0));
}

// Node and summary rows of a grouped grid, and cells inside a merged range, are left out; a hidden row counts.
TCalcSource TVxStringGridPrivate::CalcSource(bool RealRows)
{
    TCalcSource s;
    const auto text = [this, RealRows](int c, int r) { return RealRows ? RealRowCell(c, r) : q->Cells(c, r); };
    s.Floats = [this, text](int c, int r) {
        q->ExportNotification(TGridExportState::esExportNextRow, r);
        return CalcFloat(text(c, r));
    };
    s.Cells = [this, text](int c, int r) {
        q->ExportNotification(TGridExportState::esExportNextRow, r);
        return text(c, r);
    };
    s.Counted = [this, RealRows](int c, int r) {
        if (RealRows && q->IsHiddenRow(r))
            return true;
        const int row = RealRows ? q->DisplRowIndex(r) : r;
        return q->IsBaseCell(c, row) && (Settings.GroupColumn == -1 || (!q->IsNode(row) && !q->IsSummary(row)));
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
    d->ResolveCalcRange(FromRow, ToRow);
    return Bracketed(*this, FromRow, [&] { return ::ColumnSum(d->CalcSourceFor(ToRow), ACol, FromRow, ToRow); });
}

double TVxStringGrid::ColumnAvg(int ACol, int FromRow, int ToRow)
{
    d->ResolveCalcRange(FromRow, ToRow);
    return Bracketed(*this, FromRow, [&] { return ::ColumnAvg(d->CalcSourceFor(ToRow), ACol, FromRow, ToRow); });
}

double TVxStringGrid::ColumnMin(int ACol, int FromRow, int ToRow)
{
    d->ResolveCalcRange(FromRow, ToRow);
    return Bracketed(*this, FromRow, [&] { return ::ColumnMin(d->CalcSourceFor(ToRow), ACol, FromRow, ToRow); });
}

double TVxStringGrid::ColumnMax(int ACol, int FromRow, int ToRow)
{
    d->ResolveCalcRange(FromRow, ToRow);
    return Bracketed(*this, FromRow, [&] { return ::ColumnMax(d->CalcSourceFor(ToRow), ACol, FromRow, ToRow); });
}

double TVxStringGrid::ColumnStdDev(int ACol, int FromRow, int ToRow)
{
    d->ResolveCalcRange(FromRow, ToRow);
    return Bracketed(*this, FromRow, [&] { return ::ColumnStdDev(d->CalcSourceFor(ToRow), ACol, FromRow, ToRow); });
}

int TVxStringGrid::ColumnDistinct(int ACol, int FromRow, int ToRow)
{
    d->ResolveCalcRange(FromRow, ToRow);
    return Bracketed(*this, FromRow, [&] { return ::ColumnDistinct(d->CalcSourceFor(ToRow), ACol, FromRow, ToRow); });
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

double TVxStringGrid::RowSum(int ARow, int fromCol, int toCol)
{
    return ::RowSum(d->CalcSourceFor(ARow), ARow, fromCol, toCol);
}
double TVxStringGrid::RowAvg(int ARow, int fromCol, int toCol)
{
    return ::RowAvg(d->CalcSourceFor(ARow), ARow, fromCol, toCol);
}
double TVxStringGrid::RowMin(int ARow, int fromCol, int toCol)
{
    return ::RowMin(d->CalcSourceFor(ARow), ARow, fromCol, toCol);
}
double TVxStringGrid::RowMax(int ARow, int fromCol, int toCol)
{
    return ::RowMax(d->CalcSourceFor(ARow), ARow, fromCol, toCol);
}

void TVxStringGridPrivate::WriteCalcValue(int c, int r, double Value, bool IsInteger)
{
    QString s = IsInteger ? QString::number(qint64(Value))
                          : QString::asprintf(Settings.FloatFormat.toLatin1().constData(), Value);
    if (!IsInteger && DecimalSeparatorChar() != QLatin1Char('.'))
        s.replace(QLatin1Char('.'), DecimalSeparatorChar());
    q->SetCells(c, r, s);
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
            d->WriteCalcValue(c, last, hidden + RowCount() - FixedRows() - 1, true);
        } else {
            // With hidden rows counted the range is real rows, also with one hidden row, whose range ends on
            // the shown footer row's display index.
            const int fromRow = FixedRows();
            const auto v = Bracketed(*this, fromRow, [&] {
                return FooterCalcValue(kind, d->CalcSource(hidden > 0), c, FixedRows(), RowCount(), hidden);
            });
            if (v)
                d->WriteCalcValue(c, last, *v, false);
        }
    }
}

QString TVxStringGrid::ExpandFooterTemplate(const QString& Template)
{
    return ::ExpandFooterTemplate(Template, AllColCount(), [this](int c) { return Cells(c, Row()); });
}
