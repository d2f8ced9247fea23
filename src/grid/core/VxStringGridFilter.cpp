#include "grid/core/GridFilterHost.h"
#include "grid/core/VxStringGrid.h"

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
    case TFilterCells::fcCalculated: {
        QString value;
        FGrid.CalcFormulaCell(Col, Row, value);
        return value;
    }
    default:
        return FGrid.Cells(Col, Row);
    }
}

// Node and summary rows come with the nodes and grouping areas; until then every row is a normal row.
bool TGridFilterHost::IsNodeOrSummaryRow(int) const { return false; }

// Rows of a filter level are parked past RowCount, the newest level nearest to it, so that the store keeps
// them (it keeps cells past the counts) and levels come back last in, first out. Each step is one pass over
// the rows.
void TGridFilterHost::PermuteRows(const std::vector<int>& Order)
{
    const int cols = FGrid.AllColCount();
    std::vector<TGridCells> rows;
    std::vector<int> heights;
    rows.reserve(Order.size());
    heights.reserve(Order.size());
    for (int from : Order) {
        rows.push_back(FGrid.Store().Row(from, cols));
        heights.push_back(FGrid.RowHeights(from));
    }
    for (std::size_t t = 0; t < Order.size(); ++t) {
        if (Order[t] == int(t))
            continue;
        const int r = int(t);
        for (int c = 0; c < cols; ++c) {
            FGrid.TStringGrid::SetCells(c, r, rows[t][std::size_t(c)].Text);
            FGrid.TStringGrid::SetObjects(c, r, rows[t][std::size_t(c)].Object);
        }
        if (r < FGrid.RowCount() && FGrid.RowHeights(r) != heights[t])
            FGrid.SetRowHeights(r, heights[t]);
    }
}

void TGridFilterHost::HideFilterLevel(const std::vector<int>& Rows, int)
{
    const int count = FGrid.RowCount();
    std::vector<int> order;
    order.reserve(std::size_t(count));
    std::size_t h = 0;
    for (int r = 0; r < count; ++r) {
        if (h < Rows.size() && Rows[h] == r)
            ++h;
        else
            order.push_back(r);
    }
    order.insert(order.end(), Rows.begin(), Rows.end());
    std::vector<int> heights;
    for (int r : Rows)
        heights.push_back(FGrid.RowHeights(r));
    FParkedHeights.push_back(std::move(heights));
    const bool none = count - int(Rows.size()) <= FGrid.FixedRows();
    PermuteRows(order);
    FGrid.SetRowCount(count - int(Rows.size()));
    if (none && !FGrid.SelectionHidden())
        FGrid.HideSelection();
}

void TGridFilterHost::UnHideFilterLevel(const std::vector<int>& Rows, int)
{
    const int shown = FGrid.RowCount();
    FGrid.SetRowCount(shown + int(Rows.size()));
    std::vector<int> order = FilterRestoreOrder(shown, Rows);
    for (int& from : order)
        if (from < 0)
            from = shown + (-from - 1);
    PermuteRows(order);
    if (!FParkedHeights.empty()) {
        const std::vector<int>& heights = FParkedHeights.back();
        for (std::size_t i = 0; i < Rows.size() && i < heights.size(); ++i)
            FGrid.SetRowHeights(Rows[i], heights[i]);
        FParkedHeights.pop_back();
    }
}

TFilter& TVxStringGrid::Filter() const { return FRowFilter->Filter(); }
bool TVxStringGrid::FilterActive() const { return FRowFilter->FilterActive(); }
int TVxStringGrid::FilterLevel() const { return FRowFilter->FilterLevel(); }

bool TVxStringGrid::MatchFilterRow(int ARow)
{
    FRowFilter->OnCustomFilter = OnCustomFilter;
    return FRowFilter->MatchFilterRow(ARow);
}

void TVxStringGrid::ApplyFilter()
{
    FRowFilter->OnCustomFilter = OnCustomFilter;
    FRowFilter->OnFilterProgress = OnFilterProgress;
    FRowFilter->SetFilterNormalCellsOnly(F.FilterNormalCellsOnly);
    FRowFilter->ApplyFilter();
}

bool TVxStringGrid::RemoveLastFilter()
{
    const bool more = FRowFilter->RemoveLastFilter();
    if (FSelHidden && RowCount() > FixedRows())
        UnHideSelection();
    return more;
}

void TVxStringGrid::RemoveAllFilters()
{
    if (FilterLevel() == 0) {
        FRowFilter->RemoveAllFilters();
        return;
    }
    while (FilterLevel() > 0)
        RemoveLastFilter();
}

void TVxStringGrid::SetFilterActive(bool Value)
{
    if (Value != FilterActive()) {
        if (Value) {
            if (Col() >= ColCount() || Row() >= RowCount())
                FocusCell(FixedCols(), FixedRows(), true);
            FRowFilter->OnCustomFilter = OnCustomFilter;
            FRowFilter->OnFilterProgress = OnFilterProgress;
            FRowFilter->SetFilterNormalCellsOnly(F.FilterNormalCellsOnly);
            FRowFilter->SetFilterActive(true);
        } else {
            FRowFilter->SetFilterActive(false);
            if (FSelHidden && RowCount() > FixedRows())
                UnHideSelection();
        }
        SetTopRow(std::min(FixedRows(), RowCount() - 1));
    }
}

void TVxStringGrid::NarrowDown(const QString& ACondition, int AColumn)
{
    SetFixedRowAlways(true);
    FRowFilter->OnCustomFilter = OnCustomFilter;
    FRowFilter->OnFilterProgress = OnFilterProgress;
    FRowFilter->SetFilterNormalCellsOnly(F.FilterNormalCellsOnly);
    FRowFilter->NarrowDown(ACondition, AColumn);
    if (FSelHidden && RowCount() > FixedRows())
        UnHideSelection();
}

void TVxStringGrid::FilterEntryChosen()
{
    if (F.AutoFilterUpdate) {
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
    if (FFilterCol >= 0 && FFilterCol < AllColCount()) {
        BuildColumnFilterList(FFilterCol);
        if (ItemIndex >= 0 && ItemIndex < FFilterList.size()) {
            if (F.AutoFilterUpdate)
                SetFilterActive(false);
            FRowFilter->SelectFilterEntry(FFilterCol, ItemIndex, FFilterList[ItemIndex], F.FilterDropDownClear,
                                          [this](int Index, const QString& Name, QString& Condition) {
                                              if (OnFilterSelect)
                                                  OnFilterSelect(this, FFilterCol, Index, Name, Condition);
                                          });
            FilterEntryChosen();
        }
    }
    FFilterCol = -1;
}

void TVxStringGrid::FilterChecked(const std::vector<int>& CheckedItems)
{
    if (FFilterCol < 0 || FFilterCol >= AllColCount())
        return;
    BuildColumnFilterList(FFilterCol);
    if (F.AutoFilterUpdate)
        SetFilterActive(false);
    std::vector<std::pair<int, QString>> checked;
    for (int i : CheckedItems)
        if (i >= 0 && i < FFilterList.size())
            checked.emplace_back(i, FFilterList[i]);
    FRowFilter->CheckFilterEntries(FFilterCol, checked, F.FilterDropDownClear,
                                   [this](int Index, const QString& Name, QString& Condition) {
                                       if (OnFilterCheck)
                                           OnFilterCheck(this, FFilterCol, Index, Name, Condition);
                                   });
    SetFilterActive(true);
}
