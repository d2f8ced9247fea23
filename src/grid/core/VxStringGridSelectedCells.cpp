#include "grid/core/VxStringGrid.h"
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
    if (FMouseActions->DisjunctCellSelect())
        return std::find(FSelectedCells.begin(), FSelectedCells.end(), TGridCoord{ACol, ARow}) != FSelectedCells.end();
    if (FMouseActions->DisjunctRowSelect())
        return RowFlagOf(ARow);
    if (FMouseActions->DisjunctColSelect())
        return GetColSelect(ACol);
    return Selection().Contains(ACol, ARow);
}

TGridCoord TVxStringGrid::GetSelectedCell(int i) const
{
    if (i < 0 || i >= int(FSelectedCells.size()))
        return {-1, -1};
    return FSelectedCells[std::size_t(i)];
}

int TVxStringGrid::SelectedRowCount()
{
    if (FMouseActions->DisjunctRowSelect())
        return int(FSelectedRows.size());
    const TGridRect s = Selection();
    const int bottom = std::min(s.Bottom, RowCount() - FFixedFooters - 1);
    const TPoint topSpan = CellSpan(s.Left, s.Top);
    if (IsMergedCell(s.Left, s.Top))
        return s.Top + topSpan.Y > bottom ? topSpan.Y + 1 : std::abs(s.Top - bottom) + 1;
    return std::abs(s.Top - bottom) + 1 + (IsMergedCell(s.Left, bottom) ? CellSpan(s.Left, bottom).Y : 0);
}

int TVxStringGrid::SelectedColCount()
{
    if (FMouseActions->DisjunctColSelect())
        return GetColSelectCount();
    const TGridRect s = Selection();
    const TPoint leftSpan = CellSpan(s.Left, s.Top);
    if (IsMergedCell(s.Left, s.Top))
        return s.Left + leftSpan.X > s.Right ? leftSpan.X + 1 : std::abs(s.Left - s.Right) + 1;
    return std::abs(s.Left - s.Right) + 1 + (IsMergedCell(s.Right, s.Top) ? CellSpan(s.Right, s.Top).X : 0);
}

int TVxStringGrid::GetSelectedRow(int i)
{
    if (FMouseActions->DisjunctRowSelect())
        return i >= 0 && i < int(FSelectedRows.size()) ? FSelectedRows[std::size_t(i)] : -1;
    const TGridRect s = Selection();
    const int r = std::min(s.Top, s.Bottom) + i;
    return r <= std::max(s.Top, s.Bottom) ? r : -1;
}

