#include "grid/core/GridFilterHost.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/model/IntList.h"
#include "grid/foundation/MiniHtml.h"

#include <algorithm>

int TGridFilterHost::FixedRows() const { return FGrid.FixedRows(); }
void TGridFilterHost::SetFixedRows(int Value)
{
    if (Value < FGrid.RowCount())
        FGrid.SetFixedRows(Value);
}
int TGridFilterHost::RowCount() const { return FGrid.RowCount(); }
int TGridFilterHost::FixedFooters() const { return FGrid.FixedFooters(); }
int TGridFilterHost::ColCount() const { return FGrid.ColCount(); }

QString TGridFilterHost::FilterCellText(TFilterCells Data, int Col, int Row) const
{
    switch (Data) {
    case TFilterCells::fcNormal:
        return FGrid.GetGridCell(Col, Row);
    case TFilterCells::fcStripHTML:
        return MiniHtmlToPlainText(FGrid.Cells(Col, Row));
    case TFilterCells::fcCalculated: {
        QString value;
        FGrid.CalcFormulaCell(Col, Row, value);
        return value;
    }
    default:
        return FGrid.Cells(Col, Row);
    }
}

bool TGridFilterHost::IsNodeOrSummaryRow(int Row) const
{
    return FGrid.IsNode(Row) || FGrid.IsSummary(Row);
}

bool TGridFilterHost::MatchFilterRow(const TRowFilter&, int Row) { return FGrid.MatchFilterRow(Row); }

// A level is one filter level of the grid's hidden rows, so rows hidden one by one or under contracted nodes
// are never taken for it.
void TGridFilterHost::HideFilterLevel(const std::vector<int>& Rows, int)
{
    // Judged before hiding: a grid left with its fixed rows only may lower its fixed-row count.
    const bool none = FGrid.RowCount() - int(Rows.size()) <= FGrid.FixedRows();
    TIntList list(0, 0);
    for (int r : Rows)
        list.Add(r);
    FGrid.HideRowList(list);
    if (none && !FGrid.SelectionHidden())
        FGrid.HideSelection();
}

void TGridFilterHost::UnHideFilterLevel(const std::vector<int>&, int)
{
    FGrid.UnHideRowList();
}

TFilter& TVxStringGrid::Filter() const { return d->Find.FRowFilter->Filter(); }
bool TVxStringGrid::FilterActive() const { return d->Find.FRowFilter->FilterActive(); }

// The events and the option are the grid's; the filter reads them as they stand when it runs.
void TVxStringGridPrivate::WireRowFilter()
{
    Find.FRowFilter->OnCustomFilter = q->OnCustomFilter;
    Find.FRowFilter->OnFilterProgress = q->OnFilterProgress;
    Find.FRowFilter->SetFilterNormalCellsOnly(Settings.FilterNormalCellsOnly);
}

bool TVxStringGrid::MatchFilterRow(int ARow)
{
    d->WireRowFilter();
    return d->Find.FRowFilter->MatchFilterRow(ARow);
}

void TVxStringGrid::ApplyFilter()
{
    d->WireRowFilter();
    d->Find.FRowFilter->ApplyFilter();
}

void TVxStringGrid::FilterRow(int ARow)
{
    if (!MatchFilterRow(ARow))
        HideRow(RealRowIndex(ARow));
}

bool TVxStringGrid::RemoveLastFilter()
{
    if (d->Find.FRowFilter->FilterLevel() == 0)
        return false;
    const bool more = d->Find.FRowFilter->RemoveLastFilter();
    if (d->Shared.FSelHidden && RowCount() > FixedRows())
        UnHideSelection();
    CalcFooter(-1);
    return more;
}

void TVxStringGrid::RemoveAllFilters()
{
    if (d->Find.FRowFilter->FilterLevel() == 0) {
        d->Find.FRowFilter->RemoveAllFilters();
        return;
    }
    while (d->Find.FRowFilter->FilterLevel() > 0)
        RemoveLastFilter();
}

void TVxStringGrid::SetFilterActive(bool Value)
{
    if (Value != FilterActive()) {
        if (Value) {
            if (Col() >= ColCount() || Row() >= RowCount())
                FocusCell(FixedCols(), FixedRows(), true);
            d->WireRowFilter();
            d->Find.FRowFilter->SetFilterActive(true);
        } else {
            d->Find.FRowFilter->SetFilterActive(false);
            if (d->Shared.FSelHidden && RowCount() > FixedRows())
                UnHideSelection();
        }
        SetTopRow(std::min(FixedRows(), RowCount() - 1));
    }
    CalcFooter(-1);
}

void TVxStringGrid::NarrowDown(const QString& ACondition, int AColumn)
{
    SetFixedRowAlways(true);
    d->WireRowFilter();
    d->Find.FRowFilter->NarrowDown(ACondition, AColumn);
    if (d->Shared.FSelHidden && RowCount() > FixedRows())
        UnHideSelection();
}

void TVxStringGrid::FilterEntryChosen()
{
    if (d->Settings.AutoFilterUpdate) {
        SetFixedRowAlways(true);
        SetFilterActive(true);
        if (RowCount() != FixedRows() && RowCount() != 1)
            SetRow(FixedRows());
        DoFilterDone();
    }
}

void TVxStringGrid::FilterSelected(int ItemIndex)
{
    if (isVisible())
        setFocus();
    if (d->Find.FFilterCol >= 0 && d->Find.FFilterCol < AllColCount()) {
        BuildColumnFilterList(d->Find.FFilterCol);
        if (ItemIndex >= 0 && ItemIndex < d->Shared.FFilterList.size()) {
            if (d->Settings.AutoFilterUpdate)
                SetFilterActive(false);
            d->Find.FRowFilter->SelectFilterEntry(
                d->Find.FFilterCol, ItemIndex, d->Shared.FFilterList[ItemIndex], d->Settings.FilterDropDownClear,
                [this](int Index, const QString& Name, QString& Condition) {
                    if (OnFilterSelect)
                        OnFilterSelect(this, d->Find.FFilterCol, Index, Name, Condition);
                });
            FilterEntryChosen();
        }
    }
    d->Find.FFilterCol = -1;
}

void TVxStringGrid::FilterChecked(const std::vector<int>& CheckedItems)
{
    if (d->Find.FFilterCol < 0 || d->Find.FFilterCol >= AllColCount())
        return;
    BuildColumnFilterList(d->Find.FFilterCol);
    if (d->Settings.AutoFilterUpdate)
        SetFilterActive(false);
    std::vector<std::pair<int, QString>> checked;
    for (int i : CheckedItems)
        if (i >= 0 && i < d->Shared.FFilterList.size())
            checked.emplace_back(i, d->Shared.FFilterList[i]);
    d->Find.FRowFilter->CheckFilterEntries(d->Find.FFilterCol, checked, d->Settings.FilterDropDownClear,
                                   [this](int Index, const QString& Name, QString& Condition) {
                                       if (OnFilterCheck)
                                           OnFilterCheck(this, d->Find.FFilterCol, Index, Name, Condition);
                                   });
    SetFilterActive(true);
}
