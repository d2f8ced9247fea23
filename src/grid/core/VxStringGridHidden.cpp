#include "grid/model/HiddenIndexMap.h"
#include "grid/model/HiddenRows.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/model/IntList.h"
#include <algorithm>

// ---- columns: real indexes below MaxHiddenColumns take part

bool TVxStringGrid::IsHiddenColumn(int ACol) const
{
    return ACol >= 0 && ACol < MaxHiddenColumns && d->Shared.FHiddenColumns->IsHidden(ACol);
}

int TVxStringGrid::NumHiddenColumns() const
{
    return d->Shared.FHiddenColumns->HiddenCount();
}

int TVxStringGrid::RealColIndex(int ACol) const
{
    if (ACol >= MaxHiddenColumns || NumHiddenColumns() == 0)
        return ACol;
    if (ACol < 0 || ACol >= ColCount())
        return 0;
    return d->Shared.FHiddenColumns->RealOf(ACol);
}

int TVxStringGrid::DisplColIndex(int ACol) const
{
    if (ACol >= MaxHiddenColumns || ACol < 0 || NumHiddenColumns() == 0)
        return ACol;
    return d->Shared.FHiddenColumns->DisplayOf(ACol);
}

void TVxStringGrid::HideColumn(int ACol)
{
    HideColumns(ACol, ACol);
}

void TVxStringGrid::UnHideColumn(int ACol)
{
    UnHideColumns(ACol, ACol);
}

void TVxStringGrid::UnHideColumnsAll()
{
    UnHideColumns(0, ColCount() + NumHiddenColumns());
}

void TVxStringGrid::HideColumns(int FromCol, int ToCol)
{
    SetEditorMode(false);
    for (int c = std::max(FromCol, 0); c <= ToCol; ++c) {
        if (c >= MaxHiddenColumns || IsHiddenColumn(c) || c >= AllColCount() || ColCount() < 2)
            continue;
        const int displ = DisplColIndex(c);
        d->Shared.FAllColWidths[std::size_t(c)] = ColWidths(displ);
        d->Shared.FHiddenColumns->Hide(c, c);
        d->ApplyColumnWidthsAfterHide(displ, true);
    }
    Invalidate();
}

void TVxStringGrid::UnHideColumns(int FromCol, int ToCol)
{
    SetEditorMode(false);
    for (int c = std::max(FromCol, 0); c <= ToCol && c < MaxHiddenColumns; ++c) {
        if (!IsHiddenColumn(c))
            continue;
        d->Shared.FHiddenColumns->Show(c, c);
        d->ApplyColumnWidthsAfterHide(DisplColIndex(c), false);
        SetColWidths(DisplColIndex(c), d->Shared.FAllColWidths[std::size_t(c)]);
    }
    Invalidate();
}

// The toolkit keeps widths by display position: they shift with the columns that follow.
void TVxStringGridPrivate::ApplyColumnWidthsAfterHide(int DisplCol, bool Hiding)
{
    const int count = q->TBaseGrid::ColCount();
    if (Hiding) {
        for (int d = DisplCol; d + 1 < count; ++d)
            q->SetColWidths(d, q->ColWidths(d + 1));
        q->TBaseGrid::SetColCount(count - 1);
        if (q->Col() >= q->ColCount())
            q->SetCol(q->ColCount() - 1);
    } else {
        q->TBaseGrid::SetColCount(count + 1);
        for (int d = count; d > DisplCol; --d)
            q->SetColWidths(d, q->ColWidths(d - 1));
    }
}

// ---- rows: hidden rows leave the grid and are parked with their cells and heights

// The grid's row count can change behind the map's back (SetRowCount): the map follows before it is asked.
void TVxStringGridPrivate::SyncHiddenMaps()
{
    Cells.FHiddenRows->SetTotal(q->TBaseGrid::RowCount() + Cells.FHiddenRows->Count());
}

bool TVxStringGrid::IsHiddenRow(int RowIndex) const
{
    return d->Cells.FHiddenRows->Map().IsHidden(RowIndex);
}

int TVxStringGrid::NumHiddenRows() const
{
    return d->Cells.FHiddenRows->Count();
}

int TVxStringGrid::FilterLevel() const
{
    return d->Cells.FHiddenRows->Map().FilterLevel();
}

int TVxStringGrid::RealRowIndex(int ARow) const
{
    if (d->Cells.FHiddenRows->Count() == 0)
        return ARow;
    return d->Cells.FHiddenRows->Map().RealOf(ARow);
}

int TVxStringGrid::DisplRowIndex(int ARow) const
{
    if (d->Cells.FHiddenRows->Count() == 0)
        return ARow;
    return d->Cells.FHiddenRows->Map().DisplayOf(ARow);
}

TGridCells TVxStringGridPrivate::StorageRow(int r)
{
    return q->Store().Row(r, std::max(q->AllColCount(), q->Store().ColExtent(r)));
}

void TVxStringGridPrivate::SetStorageRow(int r, const TGridCells& cells)
{
    const int width = std::max({int(cells.size()), q->AllColCount(), q->Store().ColExtent(r)});
    for (int c = 0; c < width; ++c) {
        const bool has = std::size_t(c) < cells.size();
        const QString& text = has ? cells[std::size_t(c)].Text : QString();
        TObject* object = has ? cells[std::size_t(c)].Object : nullptr;
        if (q->GetGridCell(c, r) != text)
            q->SetGridCell(c, r, text);
        if (q->GetGridObject(c, r) != object)
            q->SetGridObject(c, r, object);
    }
}

void TVxStringGrid::HideRows(int FromRow, int ToRow)
{
    d->SyncHiddenMaps();
    FromRow = std::max(FromRow, 0);
    ToRow = std::min(ToRow, TotalRowCount() - 1);
    if (FromRow > ToRow)
        return;
    SetEditorMode(false);
    // Rows of the range still shown stand one after the other from FromRow's display index.
    const int first = DisplRowIndex(FromRow);
    std::vector<TGridItem> records;
    int displ = first;
    for (int real = FromRow; real <= ToRow; ++real) {
        if (IsHiddenRow(real))
            continue;
        records.push_back({real, RowHeights(displ), CellStore().TakeRow(displ), 0});
        ++displ;
    }
    if (records.empty())
        return;
    const int n = int(records.size());
    d->Cells.FHiddenRows->Park(std::move(records));
    d->DeleteStorageRows(first, n);
}

void TVxStringGrid::HideRowsEx(int FromRow, int ToRow)
{
    d->SyncHiddenMaps();
    if (IsHiddenRow(FromRow))
        return;
    HideRows(FromRow, ToRow);
}

void TVxStringGrid::HideRowList(const TIntList& RowList)
{
    d->SyncHiddenMaps();
    std::vector<TGridItem> records;
    std::vector<int> rows;
    for (int i = 0; i < RowList.Count(); ++i) {
        const int r = RowList.Items(i);
        if (r < 0 || r >= RowCount() || (!rows.empty() && r <= rows.back()))
            continue;
        rows.push_back(r);
        records.push_back({RealRowIndex(r), RowHeights(r), CellStore().TakeRow(r), 0});
    }
    d->Cells.FHiddenRows->ParkLevel(std::move(records));
    // One pass compacts the rows that stay; the listed ones are already parked, so the tail ends up empty.
    int write = 0;
    std::size_t next = 0;
    const int count = RowCount();
    for (int read = 0; read < count; ++read) {
        if (next < rows.size() && rows[next] == read) {
            ++next;
            continue;
        }
        if (write != read) {
            CellStore().PutRow(write, CellStore().TakeRow(read));
            SetRowHeights(write, RowHeights(read));
        }
        ++write;
    }
    InvalidateGrid();
    TVxStringGrid::SetRowCount(std::max(write, 1));
}

// Records come back in ascending real order: each lands at its display place among the rows shown.
void TVxStringGridPrivate::RestoreRecords(std::vector<TGridItem> Records)
{
    if (Records.empty())
        return;
    const int oldCount = q->RowCount();
    const int n = int(Records.size());
    q->TVxStringGrid::SetRowCount(oldCount + n);
    // Fill from the bottom: a record lands on its display row, the shown rows move down past it.
    int src = oldCount - 1;
    int rec = n - 1;
    for (int t = oldCount + n - 1; t >= 0 && rec >= 0; --t) {
        if (q->DisplRowIndex(Records[std::size_t(rec)].Idx) == t) {
            q->CellStore().PutRow(t, std::move(Records[std::size_t(rec)].Items));
            q->SetRowHeights(t, Records[std::size_t(rec)].Height > 0 ? Records[std::size_t(rec)].Height
                                                                   : q->DefaultRowHeight());
            --rec;
        } else if (src < t) {
            q->CellStore().PutRow(t, q->CellStore().TakeRow(src));
            q->SetRowHeights(t, q->RowHeights(src));
            --src;
        } else {
            --src;
        }
    }
    q->Invalidate();
}

void TVxStringGrid::UnHideRows(int FromRow, int ToRow)
{
    d->SyncHiddenMaps();
    SetEditorMode(false);
    d->RestoreRecords(d->Cells.FHiddenRows->Take(FromRow, ToRow));
}

void TVxStringGrid::UnHideRowsAll()
{
    d->SyncHiddenMaps();
    d->RestoreRecords(d->Cells.FHiddenRows->TakeAll());
}

void TVxStringGrid::UnHideRowList()
{
    d->SyncHiddenMaps();
    if (Row() >= RowCount())
        FocusCell(FixedCols(), FixedRows());
    d->RestoreRecords(d->Cells.FHiddenRows->TakeLevel());
}
