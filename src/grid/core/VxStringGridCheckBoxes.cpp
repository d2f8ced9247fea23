#include "grid/core/VxStringGrid.h"
#include "grid/core/CellGraphic.h"
#include <algorithm>

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
    const int d = std::min(DisplRowIndex(ARow), RowCount() - 1);
    if (!IsHiddenRow(ARow))
        if (const TCellGraphic* g = PlainCheckBox(*this, ACol, d))
            return State = g->CellBoolean(), true;
    if (!HasDataCheckBox(ACol, d))
        return false;
    QString checkTrue;
    GetCheckTrue(ACol, d, checkTrue);
    State = AllCells(ACol, ARow) == checkTrue;
    return true;
}

bool TVxStringGrid::SetCheckBoxState(int ACol, int ARow, bool State)
{
    const int d = std::min(DisplRowIndex(ARow), RowCount() - 1);
    if (!IsHiddenRow(ARow))
        if (TCellGraphic* g = PlainCheckBox(*this, ACol, d))
            return g->SetCellBoolean(State), RepaintDisplayCell(ACol, d), true;
    if (!HasDataCheckBox(ACol, d))
        return false;
    QString text;
    if (State)
        GetCheckTrue(ACol, d, text);
    else
        GetCheckFalse(ACol, d, text);
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
    RepaintDisplayCell(ACol, ARow);
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
