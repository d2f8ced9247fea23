#include "grid/core/VxGridError.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/GridOptionGroups.h"
#include <algorithm>

namespace {
void Grow(std::vector<std::uint8_t>& flags, int index)
{
    if (index >= int(flags.size()))
        flags.resize(std::size_t(index) + 1, 0);
}
} // namespace

// Outside the grid: raises, except with persistent selection, where a negative row is simply not selected.
bool TVxStringGrid::GetRowSelect(int ARow)
{
    if (ARow < 0 && MouseActions().RowSelectPersistent())
        return false;
    if ((ARow < 0 || ARow >= TotalRowCount()) && !MouseActions().RowSelectPersistent())
        throw EVxGridError(QStringLiteral("Invalid row %1 accessed").arg(ARow).toStdString());
    if (MouseActions().DisjunctRowSelect()) {
        Grow(d->Cells.FRowSelect, ARow);
        return d->Cells.FRowSelect[std::size_t(ARow)] != 0;
    }
    const TGridRect s = Selection();
    return ARow >= std::min(s.Top, s.Bottom) && ARow <= std::max(s.Top, s.Bottom);
}

void TVxStringGrid::SetRowSelect(int ARow, bool Value)
{
    if (ARow < 0 || (ARow >= TotalRowCount() && RowCount() > FixedRows()))
        throw EVxGridError("Invalid row accessed");
    bool allow = true;
    if ((ARow >= int(d->Cells.FRowSelect.size()) || (d->Cells.FRowSelect[std::size_t(ARow)] != 0) != Value) &&
        OnRowDisjunctSelect)
        OnRowDisjunctSelect(this, ARow, Value, allow);
    if (!allow)
        return;
    Grow(d->Cells.FRowSelect, ARow);
    std::uint8_t& flag = d->Cells.FRowSelect[std::size_t(ARow)];
    if (flag != std::uint8_t(Value))
        RepaintRow(DisplRowIndex(ARow));
    flag = Value ? 1 : 0;
    if (Value) {
        if (ARow >= FixedRows() && std::find(d->Cells.FSelectedRows.begin(), d->Cells.FSelectedRows.end(), ARow) ==
                                       d->Cells.FSelectedRows.end())
            d->Cells.FSelectedRows.push_back(ARow);
    } else {
        std::erase(d->Cells.FSelectedRows, ARow);
    }
    if (OnRowDisjunctSelected)
        OnRowDisjunctSelected(this, ARow);
}

bool TVxStringGrid::GetColSelect(int ACol)
{
    if (ACol < 0 || ACol >= ColCount())
        throw EVxGridError("Invalid column accessed");
    Grow(d->Cells.FColSelect, ACol);
    return d->Cells.FColSelect[std::size_t(ACol)] != 0;
}

void TVxStringGrid::SetColSelect(int ACol, bool Value)
{
    if (ACol < 0 || ACol >= ColCount())
        throw EVxGridError("Invalid column accessed");
    Grow(d->Cells.FColSelect, ACol);
    if ((d->Cells.FColSelect[std::size_t(ACol)] != 0) != Value)
        RepaintCol(ACol);
    d->Cells.FColSelect[std::size_t(ACol)] = Value ? 1 : 0;
}

void TVxStringGrid::ClearRowSelect()
{
    if (d->Cells.FRowSelect.empty())
        return;
    for (std::size_t r = 0; r < d->Cells.FRowSelect.size(); ++r)
        if (d->Cells.FRowSelect[r]) {
            d->Cells.FRowSelect[r] = 0;
            RepaintRow(DisplRowIndex(int(r)));
        }
    d->Cells.FSelectedRows.clear();
}

void TVxStringGrid::ClearColSelect()
{
    for (std::size_t c = 0; c < d->Cells.FColSelect.size(); ++c)
        if (d->Cells.FColSelect[c]) {
            d->Cells.FColSelect[c] = 0;
            RepaintCol(int(c));
        }
}

void TVxStringGrid::SelectRows(int RowIndex, int RCount)
{
    RCount = std::min(RCount, RowCount() - RowIndex);
    if (!MouseActions().DisjunctRowSelect()) {
        SetSelection({FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
    } else {
        for (int r = RowIndex; r < RowIndex + RCount; ++r) {
            const int row = MouseActions().RowSelectPersistent() ? RealRowIndex(r) : r;
            if (row < TotalRowCount())
                SetRowSelect(row, true);
        }
    }
    if (!RowIndicator().Empty())
        RepaintCol(0);
    d->Cells.FSelChange = false;
}

void TVxStringGrid::UnSelectRows(int RowIndex, int RCount)
{
    if (MouseActions().DisjunctRowSelect()) {
        RCount = std::min(RCount, RowCount() - RowIndex);
        for (int r = RowIndex; r < RowIndex + RCount; ++r) {
            const int row = MouseActions().RowSelectPersistent() ? RealRowIndex(r) : r;
            if (row < TotalRowCount())
                SetRowSelect(row, false);
        }
    }
    d->Cells.FSelChange = false;
}

void TVxStringGrid::SelectCols(int ColIndex, int CCount)
{
    if (!MouseActions().DisjunctColSelect()) {
        SetSelection({ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - 1});
        return;
    }
    for (int c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c)
        SetColSelect(c, true);
}

void TVxStringGrid::UnSelectCols(int ColIndex, int CCount)
{
    if (MouseActions().DisjunctColSelect())
        for (int c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c)
            SetColSelect(c, false);
}

void TVxStringGrid::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow)
{
    SetRow(ToRow);
    SetCol(ToCol);
    SetSelection({FromCol, FromRow, ToCol, ToRow});
}

void TVxStringGrid::SelectionToRowSelect(bool All)
{
    TGridRect s = Selection();
    s.Bottom = std::min(s.Bottom, RowCount() - FixedFooters() - 1);
    for (int r = FixedRows(); r < RowCount(); ++r) {
        const bool inside = r >= s.Top && r <= s.Bottom;
        if (!inside && !All)
            continue;
        SetRowSelect(MouseActions().RowSelectPersistent() ? RealRowIndex(r) : r, inside);
    }
    if (NumHiddenRows() > 0)
        Invalidate();
}

void TVxStringGrid::SelectionToColSelect(bool All)
{
    const TGridRect s = Selection();
    for (int c = FixedCols(); c < ColCount(); ++c) {
        const bool inside = c >= s.Left && c <= s.Right;
        if (inside || All)
            SetColSelect(c, inside);
    }
}

int TVxStringGrid::GetRowSelectCount()
{
    if (MouseActions().DisjunctRowSelect()) {
        const int n = std::min<int>(TotalRowCount(), int(d->Cells.FRowSelect.size()));
        return int(std::count_if(d->Cells.FRowSelect.begin(), d->Cells.FRowSelect.begin() + n,
                                 [](std::uint8_t f) { return f != 0; }));
    }
    const TGridRect s = Selection();
    return std::abs(s.Bottom - s.Top) + 1;
}

int TVxStringGrid::GetColSelectCount()
{
    if (MouseActions().DisjunctColSelect())
        return int(std::count_if(d->Cells.FColSelect.begin(), d->Cells.FColSelect.end(),
                                 [](std::uint8_t f) { return f != 0; }));
    const TGridRect s = Selection();
    return s.Right - s.Left + 1;
}

bool TVxStringGrid::GetRowModified(int ARow) const
{
    return ARow >= 0 && ARow < int(d->Cells.FModifiedRows.size()) && d->Cells.FModifiedRows[std::size_t(ARow)] != 0;
}

void TVxStringGrid::SetRowModified(int ARow, bool Value)
{
    if (ARow < 0)
        return;
    Grow(d->Cells.FModifiedRows, ARow);
    d->Cells.FModifiedRows[std::size_t(ARow)] = Value ? 1 : 0;
    RepaintCell(0, ARow);
}

int TVxStringGrid::ModifiedRowCount() const
{
    return int(std::count(d->Cells.FModifiedRows.begin(), d->Cells.FModifiedRows.end(), std::uint8_t(1)));
}

bool TVxStringGrid::GetRowEnabled(int ARow) const
{
    return ARow < 0 || ARow >= int(d->Cells.FEnabledRows.size()) || d->Cells.FEnabledRows[std::size_t(ARow)] == 0;
}

void TVxStringGrid::SetRowEnabled(int ARow, bool Value)
{
    if (ARow < 0)
        return;
    if (ARow == Row() && !Value) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (r != ARow && GetRowEnabled(r)) {
                SetRow(r);
                break;
            }
    }
    d->Cells.FUseEnabledRows = true;
    Grow(d->Cells.FEnabledRows, ARow);
    d->Cells.FEnabledRows[std::size_t(ARow)] = Value ? 0 : 1;
    RepaintRow(ARow);
}

void TVxStringGrid::RepaintRow(int ARow)
{
    InvalidateGridRect({0, ARow, LeftCol() + VisibleColCount(), ARow});
}

void TVxStringGrid::RepaintCol(int ACol)
{
    InvalidateGridRect({ACol, TopRow(), ACol, TopRow() + VisibleRowCount()});
}

void TVxStringGrid::RepaintRect(const TRect& r)
{
    if (r.Left < 0 || r.Top < 0 || r.Right < 0 || r.Bottom < 0)
        return;
    InvalidateGridRect({r.Left, r.Top, std::min(VisibleColCount() + FixedCols(), r.Right), r.Bottom});
}

void TVxStringGrid::RepaintCellHeaders(int OldCol, int OldRow, int NewCol, int NewRow)
{
    for (const TGridCoord cell : {TGridCoord{OldCol, OldRow}, TGridCoord{NewCol, NewRow}}) {
        if (FixedRows() > 0)
            RepaintCell(cell.X, FixedRows() - 1);
        if (FixedCols() > 0)
            RepaintCell(FixedCols() - 1, cell.Y);
    }
}

void TVxStringGrid::GotoCell(int ACol, int ARow)
{
    SetRow(ARow);
    SetCol(ACol);
}

void TVxStringGrid::FocusCell(int ACol, int ARow)
{
    SetSelection({ACol, ARow, ACol, ARow});
}

void TVxStringGrid::MoveToCell(int ACol, int ARow)
{
    MoveColRow(ACol, ARow, true, true);
}

void TVxStringGrid::SwapCells(TGridCoord FromCell, TGridCoord ToCell)
{
    const QString text = GetGridCell(FromCell.X, FromCell.Y);
    TObject* object = GetGridObject(FromCell.X, FromCell.Y);
    SetGridCell(FromCell.X, FromCell.Y, GetGridCell(ToCell.X, ToCell.Y));
    SetGridObject(FromCell.X, FromCell.Y, GetGridObject(ToCell.X, ToCell.Y));
    SetGridCell(ToCell.X, ToCell.Y, text);
    SetGridObject(ToCell.X, ToCell.Y, object);
}

void TVxStringGrid::DoCanAddRow(bool& CanAdd)
{
    if (OnCanAddRow)
        OnCanAddRow(this, CanAdd);
}

void TVxStringGrid::DoCanInsertRow(int ARow, bool& CanInsert)
{
    if (OnCanInsertRow)
        OnCanInsertRow(this, ARow, CanInsert);
}
