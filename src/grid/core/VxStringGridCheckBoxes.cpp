#include "grid/core/VxStringGrid.h"

// No cell graphics yet: the data check box, whose state is its text, is the one kind a cell can hold.
bool TVxStringGrid::HasDataCheckBox(int, int)
{
    return false;
}

bool TVxStringGrid::GetCheckBoxState(int ACol, int ARow, bool& State)
{
    if (!HasDataCheckBox(ACol, ARow))
        return false;
    QString checkTrue;
    GetCheckTrue(ACol, ARow, checkTrue);
    State = Cells(ACol, ARow) == checkTrue;
    return true;
}

bool TVxStringGrid::SetCheckBoxState(int ACol, int ARow, bool State)
{
    if (!HasDataCheckBox(ACol, ARow))
        return false;
    QString text;
    if (State)
        GetCheckTrue(ACol, ARow, text);
    else
        GetCheckFalse(ACol, ARow, text);
    SetCells(ACol, ARow, text);
    return true;
}

bool TVxStringGrid::IsChecked(int ACol, int ARow)
{
    bool state = false;
    return GetCheckBoxState(ACol, ARow, state) && state;
}

bool TVxStringGrid::ChangeCheckBoxState(int ACol, int ARow, bool Value)
{
    bool was = false;
    if (!GetCheckBoxState(ACol, ARow, was))
        return false;
    SetCheckBoxState(ACol, ARow, Value);
    if (was != Value)
        DoCheckBoxChange(ACol, ARow, Value);
    return true;
}

bool TVxStringGrid::ToggleCheck(int ACol, int ARow, bool ByUser)
{
    if (!HasDataCheckBox(ACol, ARow))
        return false;
    if (ByUser) {
        bool allow = true;
        CanEditCell(ACol, ARow, allow);
        if (!allow)
            return false;
    }
    bool checked = false;
    GetCheckBoxState(ACol, ARow, checked);
    // Any text other than the check-true text counts as unchecked, so the toggle checks it.
    SetCheckBoxState(ACol, ARow, !checked);
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
