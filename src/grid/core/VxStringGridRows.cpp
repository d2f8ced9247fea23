#include "grid/model/HiddenRows.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/CellProperties.h"
#include "grid/foundation/GridOptionGroups.h"
#include <QSet>
#include <algorithm>

namespace {

template <typename T>
void InsertEntries(std::vector<T>& list, int at, int n)
{
    if (at >= 0 && at < int(list.size()))
        list.insert(list.begin() + at, std::size_t(n), T(0));
}

template <typename T>
void EraseEntries(std::vector<T>& list, int at, int n)
{
    if (at < 0 || at >= int(list.size()))
        return;
    list.erase(list.begin() + at, list.begin() + std::min<int>(at + n, int(list.size())));
}

} // namespace

// Every storage column moves with its row: hidden columns included. One pass, whatever RCount.
void TVxStringGridPrivate::InsertStorageRows(int RowIndex, int RCount)
{
    const int oldCount = q->RowCount();
    q->TVxStringGrid::SetRowCount(oldCount + RCount);
    q->CellStore().InsertRows(RowIndex, RCount, oldCount + RCount);
    for (int i = oldCount + RCount - 1; i >= RowIndex + RCount; --i)
        q->SetRowHeights(i, q->RowHeights(i - RCount));
    for (int i = RowIndex; i < RowIndex + RCount && i < q->RowCount(); ++i)
        q->SetRowHeights(i, q->DefaultRowHeight());
    q->InvalidateGrid();
}

void TVxStringGridPrivate::DeleteStorageRows(int RowIndex, int RCount)
{
    const int count = q->RowCount();
    RCount = std::min(RCount, count - RowIndex);
    if (RowIndex < 0 || RCount <= 0)
        return;
    q->CellStore().RemoveRows(RowIndex, RCount, count);
    for (int i = RowIndex; i + RCount < count; ++i)
        q->SetRowHeights(i, q->RowHeights(i + RCount));
    q->InvalidateGrid();
    const int keepRow = q->Row();
    q->TVxStringGrid::SetRowCount(std::max(count - RCount, 1));
    if (keepRow >= q->RowCount() && q->RowCount() > q->FixedRows())
        q->SetRow(q->RowCount() - 1);
}

void TVxStringGrid::InsertRowsCore(int RowIndex, int RCount, bool)
{
    if (RCount <= 0 || RowIndex < 0 || RowIndex > RowCount())
        return;
    if (d->Shared.FSelHidden || Col() >= ColCount() || Row() >= RowCount())
        UnHideSelection();
    d->SyncHiddenMaps();
    const int real = RowIndex < RowCount() ? RealRowIndex(RowIndex) : TotalRowCount();
    d->NodeRowsInserted(real, RCount);
    d->InsertStorageRows(RowIndex, RCount);
    d->Cells.FHiddenRows->InsertRows(real, RCount);
    InsertEntries(d->Cells.FModifiedRows, RowIndex, RCount);
    if (d->Cells.FUseEnabledRows)
        InsertEntries(d->Cells.FEnabledRows, RowIndex, RCount);
    InsertEntries(d->Cells.FRowSelect, real, RCount);
    if (!d->Shared.FDestroying)
        CellsChanged(TRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
}

void TVxStringGrid::DeleteRowsCore(int RowIndex, int RCount, bool)
{
    if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0)
        return;
    RCount = std::min(RCount, RowCount() - RowIndex);
    d->SyncHiddenMaps();
    const int real = RealRowIndex(RowIndex);
    d->NodeRowsRemoved(RowIndex, RCount);
    d->Cells.FHiddenRows->RemoveRows(real, RCount);
    d->DeleteStorageRows(RowIndex, RCount);
    d->Shared.FSelHidden = false;
    if (RowCount() <= FixedRows())
        HideSelection();
    CellsChanged(TRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
}

void TVxStringGrid::InsertRows(int RowIndex, int RCount, bool UpdateCellControls)
{
    InsertRowsCore(RowIndex, RCount, UpdateCellControls);
}

// A start at or past the row count removes nothing: removing "at RowCount" must not take the last row.
void TVxStringGrid::RemoveRows(int RowIndex, int RCount)
{
    if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0)
        return;
    RCount = std::min(RCount, RowCount() - RowIndex);
    d->SyncHiddenMaps();
    FreeCellObjects(0, RowIndex, AllColCount() - 1, RowIndex + RCount - 1);
    const int real = RealRowIndex(RowIndex);
    EraseEntries(d->Cells.FModifiedRows, RowIndex, RCount);
    if (d->Cells.FUseEnabledRows)
        EraseEntries(d->Cells.FEnabledRows, RowIndex, RCount);
    // Selection flags go by real row: the shown rows removed are consecutive among the shown ones only.
    for (int k = RCount - 1; k >= 0; --k) {
        const int r = RealRowIndex(RowIndex + k);
        EraseEntries(d->Cells.FRowSelect, r, 1);
        std::erase(d->Cells.FSelectedRows, r);
        for (int& s : d->Cells.FSelectedRows)
            if (s > r)
                --s;
    }
    d->NodeRowsRemoved(RowIndex, RCount);
    d->Cells.FHiddenRows->RemoveRows(real, RCount);
    d->DeleteStorageRows(RowIndex, RCount);
    if (RowCount() <= FixedRows())
        HideSelection();
    else
        d->Shared.FSelHidden = false;
    CellsChanged(TRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
}

// The hidden-row records follow the rows really removed, as RemoveRows does.
void TVxStringGrid::RemoveRowsEx(int RowIndex, int RCount)
{
    if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0)
        return;
    RCount = std::min(RCount, RowCount() - RowIndex);
    d->SyncHiddenMaps();
    const int real = RealRowIndex(RowIndex);
    d->NodeRowsRemoved(RowIndex, RCount);
    d->Cells.FHiddenRows->RemoveRows(real, RCount);
    d->DeleteStorageRows(RowIndex, RCount);
    CellsChanged(TRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
}

void TVxStringGrid::RemoveRowsDirect(int RowIndex, int RCount)
{
    if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0)
        return;
    FreeCellObjects(0, RowIndex, AllColCount() - 1, RowIndex + RCount - 1);
    DeleteRowsCore(RowIndex, RCount, true);
}

void TVxStringGrid::AddRow()
{
    InsertRows(RowCount(), 1, true);
}

void TVxStringGrid::InsertCols(int ColIndex, int CCount)
{
    if (CCount <= 0 || ColIndex < 0)
        return;
    const int total = AllColCount();
    ColIndex = std::min(ColIndex, total);
    const int displ = ColIndex == total ? ColCount() : DisplColIndex(ColIndex);
    SetColCount(ColCount() + CCount);
    for (int r = 0; r < Store().RowExtent(); ++r) {
        TGridCells cells = Store().Row(r, total);
        cells.insert(cells.begin() + ColIndex, std::size_t(CCount), TGridCell{});
        d->SetStorageRow(r, cells);
    }
    for (int i = ColCount() - 1; i >= displ + CCount; --i)
        SetColWidths(i, ColWidths(i - CCount));
    for (int i = displ; i < displ + CCount && i < ColCount(); ++i)
        SetColWidths(i, DefaultColWidth());
    d->Shared.FHiddenColumns->Insert(ColIndex, CCount);
    d->Shared.FHiddenColumns->SetCount(MaxHiddenColumns);
    // A hidden column's remembered width belongs to its real index and moves with it.
    const int table = int(d->Shared.FAllColWidths.size());
    if (ColIndex < table) {
        d->Shared.FAllColWidths.insert(d->Shared.FAllColWidths.begin() + ColIndex,
                                       std::size_t(std::min(CCount, table - ColIndex)), 0);
        d->Shared.FAllColWidths.resize(std::size_t(table));
    }
    InsertEntries(d->Cells.FColSelect, ColIndex, CCount);
}

void TVxStringGrid::RemoveCols(int ColIndex, int CCount)
{
    const int total = AllColCount();
    CCount = std::min(CCount, total - ColIndex);
    if (ColIndex < 0 || CCount <= 0)
        return;
    ClearCols(ColIndex, CCount);
    int shownGone = 0;
    for (int c = ColIndex; c < ColIndex + CCount; ++c)
        shownGone += IsHiddenColumn(c) ? 0 : 1;
    const int firstDispl = DisplColIndex(ColIndex);
    for (int r = 0; r < Store().RowExtent(); ++r) {
        TGridCells cells = Store().Row(r, total);
        cells.erase(cells.begin() + ColIndex, cells.begin() + ColIndex + CCount);
        d->SetStorageRow(r, cells);
    }
    for (int i = firstDispl; i + shownGone < ColCount(); ++i)
        SetColWidths(i, ColWidths(i + shownGone));
    d->Shared.FHiddenColumns->Remove(ColIndex, CCount);
    d->Shared.FHiddenColumns->SetCount(MaxHiddenColumns);
    const int table = int(d->Shared.FAllColWidths.size());
    if (ColIndex < table) {
        const auto from = d->Shared.FAllColWidths.begin() + ColIndex;
        d->Shared.FAllColWidths.erase(from, from + std::min(CCount, table - ColIndex));
        d->Shared.FAllColWidths.resize(std::size_t(table), 0);
    }
    EraseEntries(d->Cells.FColSelect, ColIndex, CCount);
    SetColCount(std::max(ColCount() - shownGone, 1));
    CellsChanged(TRect{ColIndex, 0, ColIndex + CCount, RowCount() - 1});
}

// Equal texts go after the first; with DoCase "abc" and "ABC" are different texts.
void TVxStringGrid::RemoveDuplicates(int ACol, bool DoCase)
{
    const int c = RealColIndex(ACol);
    QSet<QString> seen;
    int r = FixedRows();
    while (r < RowCount() - FixedFooters()) {
        const QString text = DoCase ? Cells(c, r) : Cells(c, r).toUpper();
        if (seen.contains(text)) {
            RemoveRowsDirect(r, 1);
        } else {
            seen.insert(text);
            ++r;
        }
    }
}

bool TVxStringGridPrivate::RowFlagOf(int DisplayRow)
{
    return q->GetRowSelect(q->MouseActions().RowSelectPersistent() ? q->RealRowIndex(DisplayRow) : DisplayRow);
}

void TVxStringGrid::RemoveSelectedRows()
{
    if (MouseActions().DisjunctRowSelect()) {
        std::vector<int> rows;
        for (int r = RowCount() - FixedFooters() - 1; r >= FixedRows(); --r)
            if (d->RowFlagOf(r))
                rows.push_back(r);
        for (int r : rows)
            RemoveRowsDirect(r, 1);
        ClearRowSelect();
    } else {
        const TGridRect s = Selection();
        const int top = std::min(s.Top, s.Bottom);
        const int bottom = std::max(s.Top, s.Bottom);
        for (int r = bottom; r >= top; --r)
            RemoveRowsDirect(r, 1);
    }
}

void TVxStringGrid::RemoveUnSelectedRows()
{
    for (int r = RowCount() - FixedFooters() - 1; r >= FixedRows(); --r)
        if (!GetRowSelect(r))
            RemoveRowsDirect(r, 1);
    if (MouseActions().RowSelectPersistent())
        SelectRows(FixedRows(), RowCount() - FixedRows());
    else
        ClearRowSelect();
}

// Column flags and the selection hold display columns; RemoveCols takes storage columns.
void TVxStringGrid::RemoveSelectedCols()
{
    if (MouseActions().DisjunctColSelect()) {
        for (int c = ColCount() - 1; c >= FixedCols(); --c)
            if (GetColSelect(c)) {
                RemoveCols(RealColIndex(c), 1);
                EraseEntries(d->Cells.FColSelect, c, 1);
            }
    } else {
        const TGridRect s = Selection();
        const int left = std::min(s.Left, s.Right);
        const int right = std::max(s.Left, s.Right);
        for (int c = right; c >= left; --c)
            RemoveCols(RealColIndex(c), 1);
    }
}

void TVxStringGrid::RemoveUnSelectedCols()
{
    if (MouseActions().DisjunctColSelect()) {
        for (int c = ColCount() - 1; c >= FixedCols(); --c)
            if (!GetColSelect(c)) {
                RemoveCols(RealColIndex(c), 1);
                EraseEntries(d->Cells.FColSelect, c, 1);
            }
    } else {
        const TGridRect s = Selection();
        const int left = std::min(s.Left, s.Right);
        const int right = std::max(s.Left, s.Right);
        for (int c = ColCount() - 1; c > right; --c)
            RemoveCols(RealColIndex(c), 1);
        for (int c = left - 1; c >= FixedCols(); --c)
            RemoveCols(RealColIndex(c), 1);
    }
    ClearColSelect();
}

void TVxStringGrid::HideSelectedRows()
{
    std::vector<int> reals;
    for (int r = RowCount() - 1; r >= FixedRows(); --r)
        if (d->RowFlagOf(r))
            reals.push_back(RealRowIndex(r));
    for (int real : reals)
        HideRows(real, real);
}

void TVxStringGrid::HideUnSelectedRows()
{
    int r = FixedRows();
    while (r < RowCount()) {
        if (d->RowFlagOf(r) || RowCount() <= FixedRows() + 1) {
            ++r;
            continue;
        }
        const int real = RealRowIndex(r);
        HideRows(real, real);
    }
}

void TVxStringGrid::MergeCols(int ColIndex1, int ColIndex2, const QString& Separator)
{
    const int c1 = RealColIndex(ColIndex1);
    const int c2 = RealColIndex(ColIndex2);
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetCells(c1, r, (Cells(c1, r) + Separator + Cells(c2, r)).trimmed());
    RemoveCols(c2, 1);
}

// Every storage column goes with its row, hidden ones included.
void TVxStringGrid::SwapRows(int ARow1, int ARow2)
{
    if (ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount() || ARow1 == ARow2)
        return;
    CellStore().SwapRows(ARow1, ARow2);
    const int h1 = RowHeights(ARow1);
    SetRowHeights(ARow1, RowHeights(ARow2));
    SetRowHeights(ARow2, h1);
    InvalidateGrid();
}

void TVxStringGrid::SwapColumns(int ACol1, int ACol2)
{
    if (ACol1 < 0 || ACol2 < 0 || ACol1 == ACol2)
        return;
    for (int r = 0; r < Store().RowExtent(); ++r) {
        const TGridCell a{GetGridCell(ACol1, r), GetGridObject(ACol1, r)};
        const TGridCell b{GetGridCell(ACol2, r), GetGridObject(ACol2, r)};
        if (a.Text.isEmpty() && !a.Object && b.Text.isEmpty() && !b.Object)
            continue;
        SetGridCell(ACol1, r, b.Text);
        SetGridObject(ACol1, r, b.Object);
        SetGridCell(ACol2, r, a.Text);
        SetGridObject(ACol2, r, a.Object);
    }
    const int d1 = DisplColIndex(ACol1);
    const int d2 = DisplColIndex(ACol2);
    if (!IsHiddenColumn(ACol1) && !IsHiddenColumn(ACol2) && d1 < ColCount() && d2 < ColCount()) {
        const int w = ColWidths(d1);
        SetColWidths(d1, ColWidths(d2));
        SetColWidths(d2, w);
    }
    InvalidateGrid();
}
