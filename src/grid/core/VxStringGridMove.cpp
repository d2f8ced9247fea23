// Moving rows and columns by program, and the record of the initial column order.
#include "grid/core/VxStringGridPrivate.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/ControlList.h"
#include "grid/model/IntList.h"
#include <algorithm>
#include <numeric>

// The controls embedded in cells keep to their cells when a row or column moves.
void TVxStringGridPrivate::ShiftControls(bool Rows, int FromIndex, int ToIndex)
{
    for (int i = 0; i < Shared.FControlList->Count(); ++i) {
        TControlItem* item = Shared.FControlList->Control(i);
        int at = Rows ? item->Y() : item->X();
        if (at == FromIndex)
            at = ToIndex;
        else if (ToIndex < FromIndex && at >= ToIndex && at < FromIndex)
            ++at;
        else if (ToIndex > FromIndex && at > FromIndex && at <= ToIndex)
            --at;
        if (Rows)
            item->MoveTo(item->X(), at);
        else
            item->MoveTo(at, item->Y());
    }
}

void TVxStringGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    if (d->Order.FColumnOrder->Count() > 0 && FromIndex >= 0 && FromIndex < d->Order.FColumnOrder->Count()) {
        const int initial = d->Order.FColumnOrder->Items(FromIndex);
        d->Order.FColumnOrder->Delete(FromIndex);
        d->Order.FColumnOrder->Insert(std::min(ToIndex, d->Order.FColumnOrder->Count()), initial);
    }
    TBaseGrid::ColumnMoved(FromIndex, ToIndex);
    // The sort columns stay on their data. The current column was carried by the move itself, once.
    auto follow = [FromIndex, ToIndex](int c) {
        if (c == FromIndex)
            return ToIndex;
        if (FromIndex < ToIndex && c > FromIndex && c <= ToIndex)
            return c - 1;
        if (ToIndex < FromIndex && c >= ToIndex && c < FromIndex)
            return c + 1;
        return c;
    };
    d->Order.FSortSettings->SetColumn(follow(d->Order.FSortSettings->Column()));
    for (int i = 0; i < SortIndexes().Count(); ++i)
        SortIndexes().SetSortColumns(i, follow(SortIndexes().SortColumns(i)));
    if (d->Settings.EnhRowColMove)
        d->Mouse.ColMoveFlg = true;
}

void TVxStringGrid::MoveColumn(int FromIndex, int ToIndex)
{
    if (d->Order.FColumnOrder->Count() == 0)
        SetColumnOrder();
    TBaseGrid::MoveColumn(FromIndex, ToIndex);
    d->ShiftControls(false, FromIndex, ToIndex);
}

void TVxStringGrid::MoveRow(int FromIndex, int ToIndex)
{
    if (FromIndex != ToIndex && FromIndex >= 0 && ToIndex >= 0 && FromIndex < RowCount() && ToIndex < RowCount()) {
        // The rows between shift by one towards FromIndex; their marks go with them.
        const int first = std::min(FromIndex, ToIndex);
        std::vector<int> perm(std::size_t(std::abs(ToIndex - FromIndex) + 1));
        std::iota(perm.begin(), perm.end(), first);
        if (FromIndex < ToIndex)
            std::rotate(perm.begin(), perm.begin() + 1, perm.end());
        else
            std::rotate(perm.rbegin(), perm.rbegin() + 1, perm.rend());
        std::vector<int> moved(perm.size());
        std::iota(moved.begin(), moved.end(), 0);
        d->MoveRowMarks(perm, first, moved, false, true);
    }
    TBaseGrid::MoveRow(FromIndex, ToIndex);
    d->ShiftControls(true, FromIndex, ToIndex);
}

// The block is taken out and put back at ToIndex of the shortened grid (less Count when it lay after the block).
void TVxStringGrid::MoveRows(int FromIndex, int ToIndex, int Count)
{
    if (FromIndex == ToIndex || Count <= 0 || FromIndex < 0 || FromIndex + Count > RowCount())
        return;
    if (FromIndex + Count < ToIndex)
        ToIndex -= Count;
    std::vector<int> order(static_cast<std::size_t>(RowCount()));
    std::iota(order.begin(), order.end(), 0);
    std::vector<int> block(order.begin() + FromIndex, order.begin() + FromIndex + Count);
    order.erase(order.begin() + FromIndex, order.begin() + FromIndex + Count);
    const int at = std::clamp(ToIndex, 0, int(order.size()));
    order.insert(order.begin() + at, block.begin(), block.end());
    d->ApplyRowOrder(order, 0, false);
    Invalidate();
}

void TVxStringGrid::SetColumnOrder()
{
    d->Order.FColumnOrder->Clear();
    for (int c = 0; c < ColCount(); ++c)
        d->Order.FColumnOrder->Add(c);
}

void TVxStringGrid::ResetColumnOrder()
{
    UnHideColumnsAll();
    if (d->Order.FColumnOrder->Count() == 0) {
        SetColumnOrder();
        return;
    }
    // Each move takes a column to its smaller initial index, so the passes reach the initial order.
    for (bool moved = true; moved;) {
        moved = false;
        for (int i = 0; i < ColCount() && i < d->Order.FColumnOrder->Count(); ++i)
            if (d->Order.FColumnOrder->Items(i) < i) {
                MoveColumn(i, d->Order.FColumnOrder->Items(i));
                moved = true;
            }
    }
}

int TVxStringGrid::ColumnPosition(int ACol)
{
    int pos = ACol;
    const int n = std::min(d->Order.FColumnOrder->Count(), ColCount() + NumHiddenColumns());
    for (int k = 0; k < n; ++k)
        if (d->Order.FColumnOrder->Items(k) == ACol) {
            pos = k;
            break;
        }
    if (d->Settings.GroupColumn != -1 && ACol >= d->Settings.GroupColumn)
        --pos;
    return pos;
}

int TVxStringGrid::ColumnAtPosition(int ACol)
{
    if (d->Order.FColumnOrder->Count() == 0)
        SetColumnOrder();
    if (ACol < 0 || ACol >= d->Order.FColumnOrder->Count())
        return ACol;
    int v = d->Order.FColumnOrder->Items(ACol);
    if (d->Settings.GroupColumn != -1 && v >= d->Settings.GroupColumn)
        ++v;
    return v;
}

int TVxStringGrid::ColumnByHeader(const QString& AValue)
{
    for (int c = 0; c < TotalColCount(); ++c)
        if (GetCellEx(c, 0) == AValue)
            return c;
    return -1;
}

void TVxStringGrid::AddRotated(int ACol, int ARow, std::int16_t AAngle, const QString& s)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->SetAngle(AAngle);
    SetCells(ACol, ARow, s);
}

void TVxStringGrid::SetRotated(int ACol, int ARow, std::int16_t AAngle)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->SetAngle(AAngle);
    d->RepaintDisplayCell(ACol, ARow);
}

void TVxStringGrid::RemoveRotated(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, TCellType::ctRotated); }

bool TVxStringGrid::IsRotated(int ACol, int ARow, int& aAngle)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType() != TCellType::ctRotated)
        return false;
    aAngle = g->CellAngle();
    return true;
}
