#include "grid/core/VxStringGridPrivate.h"
#include "grid/core/CellGraphic.h"
#include <algorithm>
#include "grid/foundation/GridOptionGroups.h"
#include "grid/foundation/VxCheckBox.h"
#include <stdexcept>

namespace {
// A plain check box keeps its state in its graphic, apart from the cell text.
TCellGraphic* PlainCheckBox(TVxStringGrid& Grid, int ACol, int ARow)
{
    TCellGraphic* g = Grid.GetCellGraphic(ACol, ARow);
    return g && g->CellType() == TCellType::ctCheckBox ? g : nullptr;
}
} // namespace

// ARow is a real row, so that a filtered table still reads and writes the row asked for. A check box of its own
// stands on a shown row; the text of a data or virtual check box is read and written wherever its row is parked.
bool TVxStringGrid::GetCheckBoxState(int ACol, int ARow, bool& State)
{
    const int displ = std::min(DisplRowIndex(ARow), RowCount() - 1);
    if (!IsHiddenRow(ARow))
        if (const TCellGraphic* g = PlainCheckBox(*this, ACol, displ))
            return State = g->CellBoolean(), true;
    if (!HasDataCheckBox(ACol, displ))
        return false;
    QString checkTrue;
    GetCheckTrue(ACol, displ, checkTrue);
    State = AllCells(ACol, ARow) == checkTrue;
    return true;
}

bool TVxStringGrid::SetCheckBoxState(int ACol, int ARow, bool State)
{
    const int displ = std::min(DisplRowIndex(ARow), RowCount() - 1);
    if (!IsHiddenRow(ARow))
        if (TCellGraphic* g = PlainCheckBox(*this, ACol, displ))
            return g->SetCellBoolean(State), d->RepaintDisplayCell(ACol, displ), true;
    if (!HasDataCheckBox(ACol, displ))
        return false;
    QString text;
    if (State)
        GetCheckTrue(ACol, displ, text);
    else
        GetCheckFalse(ACol, displ, text);
    SetAllCells(ACol, ARow, text);
    return true;
}

bool TVxStringGrid::IsChecked(int ACol, int ARow)
{
    bool state = false;
    return GetCheckBoxState(ACol, RealRowIndex(ARow), state) && state;
}

bool TVxStringGrid::ChangeCheckBoxState(int ACol, int ARow, bool Value)
{
    bool was = false;
    if (!GetCheckBoxState(ACol, RealRowIndex(ARow), was))
        return false;
    SetCheckBoxState(ACol, RealRowIndex(ARow), Value);
    if (was != Value)
        DoCheckBoxChange(ACol, ARow, Value);
    return true;
}

bool TVxStringGrid::ToggleCheck(int ACol, int ARow, bool ByUser)
{
    if (!HasDataCheckBox(ACol, ARow) && !PlainCheckBox(*this, ACol, ARow))
        return false;
    if (ByUser) {
        bool allow = true;
        CanEditCell(ACol, ARow, allow);
        if (!allow)
            return false;
    }
    bool checked = false;
    GetCheckBoxState(ACol, RealRowIndex(ARow), checked);
    // Any text other than the check-true text counts as unchecked, so the toggle checks it.
    SetCheckBoxState(ACol, RealRowIndex(ARow), !checked);
    d->RepaintDisplayCell(ACol, ARow);
    DoCheckBoxChange(ACol, ARow, !checked);
    return true;
}

void TVxStringGrid::CheckAll(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        ChangeCheckBoxState(ACol, r, true);
    if (NumHiddenColumns() > 0)
        Invalidate();
}

void TVxStringGrid::UnCheckAll(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        ChangeCheckBoxState(ACol, r, false);
}

void TVxStringGrid::DoCheckBoxChange(int ACol, int ARow, bool State)
{
    if (OnCheckBoxChange)
        OnCheckBoxChange(this, ACol, ARow, State);
}

namespace {
TCellVAlign CheckBoxVAlign(TVAlignment Grid)
{
    return Grid == TVAlignment::vtaTop      ? TCellVAlign::vaTop
           : Grid == TVAlignment::vtaCenter ? TCellVAlign::vaCenter
                                            : TCellVAlign::vaBottom;
}
} // namespace

TCellGraphic* TVxStringGridPrivate::CreateCheckBoxGraphic(int ACol, int ARow)
{
    if (ACol >= q->ColCount() + q->NumHiddenColumns() || ARow >= q->RowCount() + q->NumHiddenRows())
        throw std::runtime_error("Invalid cell");
    return q->CreateCellGraphic(ACol, ARow);
}

void TVxStringGrid::AddCheckBox(int ACol, int ARow, bool State, bool Data)
{
    TCellGraphic* g = d->CreateCheckBoxGraphic(ACol, ARow);
    if (!g)
        return;
    g->SetCheckBox(State, Data, true, TCellHAlign::haBeforeText, CheckBoxVAlign(VAlignment()));
    // A data check box's state is its text: a text that is neither check text takes State's.
    if (Data && Cells(ACol, ARow) != CheckTrue() && Cells(ACol, ARow) != CheckFalse())
        SetCells(ACol, ARow, State ? CheckTrue() : CheckFalse());
}

void TVxStringGrid::AddCheckBox(int ACol, int ARow, TCheckBoxState State)
{
    if (TCellGraphic* g = d->CreateCheckBoxGraphic(ACol, ARow))
        g->SetCheckBox(State, true, TCellHAlign::haBeforeText, CheckBoxVAlign(VAlignment()));
}

void TVxStringGridPrivate::ForEachCheckBoxRow(const std::function<void(int ARow)>& Visit)
{
    for (int r = Shared.FMouseActions->CheckAllCheck() ? 0 : q->FixedRows(); r < q->RowCount(); ++r)
        Visit(r);
}

void TVxStringGrid::AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox)
{
    d->ForEachCheckBoxRow([&](int r) {
        if (IsSummary(r))
            return;
        if (IsNode(r))
            AddCheckBox(ACol, r, TCheckBoxState::cbUnchecked);
        else
            AddCheckBox(ACol, r, DefaultState, DataCheckBox);
    });
}

void TVxStringGrid::RemoveCheckBox(int ACol, int ARow)
{
    const TCellType kind = GetCellType(ACol, ARow);
    if ((kind == TCellType::ctCheckBox || kind == TCellType::ctDataCheckBox || kind == TCellType::ctTriStateCheckBox)
        && RemoveCellGraphic(ACol, ARow))
        d->RepaintDisplayCell(ACol, ARow);
}

void TVxStringGrid::RemoveCheckBoxColumn(int ACol)
{
    d->ForEachCheckBoxRow([&](int r) {
        if (HasCheckBox(ACol, r))
            RemoveCheckBox(ACol, r);
    });
}
