#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/model/GridText.h"
#include <algorithm>

void TVxStringGrid::SelectCells(int FromCol, int FromRow, int ToCol, int ToRow)
{
    SetSelection(TGridRect{FromCol, FromRow, ToCol, ToRow});
}

// Fixed rows and columns are never selected; footers and right fixed columns may be.
bool TVxStringGrid::IsSelected(int ACol, int ARow)
{
    if (ARow < FixedRows() || ACol < FixedCols())
        return false;
    if (d->Shared.FMouseActions->DisjunctCellSelect())
        return std::find(d->Mouse.FSelectedCells.begin(), d->Mouse.FSelectedCells.end(), TGridCoord{ACol, ARow}) !=
               d->Mouse.FSelectedCells.end();
    if (d->Shared.FMouseActions->DisjunctRowSelect())
        return d->RowFlagOf(ARow);
    if (d->Shared.FMouseActions->DisjunctColSelect())
        return GetColSelect(ACol);
    return Selection().Contains(ACol, ARow);
}

TGridCoord TVxStringGrid::GetSelectedCell(int i) const
{
    if (i < 0 || i >= int(d->Mouse.FSelectedCells.size()))
        return {-1, -1};
    return d->Mouse.FSelectedCells[std::size_t(i)];
}

int TVxStringGrid::SelectedRowCount()
{
    if (d->Shared.FMouseActions->DisjunctRowSelect())
        return int(d->Cells.FSelectedRows.size());
    const TGridRect s = Selection();
    const int bottom = std::min(s.Bottom, RowCount() - d->Shared.FFixedFooters - 1);
    const TPoint topSpan = CellSpan(s.Left, s.Top);
    if (IsMergedCell(s.Left, s.Top))
        return s.Top + topSpan.Y > bottom ? topSpan.Y + 1 : std::abs(s.Top - bottom) + 1;
    return std::abs(s.Top - bottom) + 1 + (IsMergedCell(s.Left, bottom) ? CellSpan(s.Left, bottom).Y : 0);
}

int TVxStringGrid::SelectedColCount()
{
    if (d->Shared.FMouseActions->DisjunctColSelect())
        return GetColSelectCount();
    const TGridRect s = Selection();
    const TPoint leftSpan = CellSpan(s.Left, s.Top);
    if (IsMergedCell(s.Left, s.Top))
        return s.Left + leftSpan.X > s.Right ? leftSpan.X + 1 : std::abs(s.Left - s.Right) + 1;
    return std::abs(s.Left - s.Right) + 1 + (IsMergedCell(s.Right, s.Top) ? CellSpan(s.Right, s.Top).X : 0);
}

int TVxStringGrid::GetSelectedRow(int i)
{
    if (d->Shared.FMouseActions->DisjunctRowSelect())
        return i >= 0 && i < int(d->Cells.FSelectedRows.size()) ? d->Cells.FSelectedRows[std::size_t(i)] : -1;
    const TGridRect s = Selection();
    const int r = std::min(s.Top, s.Bottom) + i;
    return r <= std::max(s.Top, s.Bottom) ? r : -1;
}

