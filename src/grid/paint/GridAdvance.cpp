// Moving on after Enter, and the grid's own key press.
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/GridOptionGroups.h"

// The cell an advance from (ACol, ARow) goes to; false when a row was appended that cannot be edited.
bool TVxStringGrid::AdvanceTarget(int ACol, int ARow, bool Forward, int& c, int& r)
{
    const TPoint span = CellSpan(RealColIndex(ACol), ARow);
    const int firstTab = FixedCols();
    const int lastRow = RowCount() - 1 - FFixedFooters;
    const int lastCol = ColCount() - 1 - FFixedRightCols;
    const TAdvanceDirection dir = FNavigation->AdvanceDirection();
    c = ACol;
    r = ARow;

    if (Forward && (dir == TAdvanceDirection::adLeftRight || dir == TAdvanceDirection::adLeftRightInRow)) {
        if (ACol + span.X < lastCol) {
            c = ACol + span.X + 1;
        } else if (dir == TAdvanceDirection::adLeftRightInRow) {
            if (FNavigation->AdvanceOnEnterLoop())
                c = firstTab;
        } else if (ARow == lastRow) {
            if (FNavigation->AdvanceInsert()) {
                bool canAdd = true;
                if (OnCanAddRow)
                    OnCanAddRow(this, canAdd);
                c = firstTab;
                if (canAdd) {
                    SetRowCount(RowCount() + 1);
                    r = RowCount() - 1 - FFixedFooters;
                    if (OnAutoAddRow)
                        OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
                    bool anyEditable = false;
                    for (int i = FixedCols(); i < ColCount() && !anyEditable; ++i)
                        anyEditable = IsEditable(i, r);
                    if (!anyEditable)
                        return false;
                }
            } else if (FNavigation->AdvanceOnEnterLoop()) {
                c = firstTab;
                r = FixedRows();
            }
        } else {
            r = ARow + 1;
            c = firstTab;
        }
    } else if (Forward) {
        if (ARow < lastRow) {
            r = ARow + 1;
        } else if (dir == TAdvanceDirection::adTopBottomInCol) {
            r = FixedRows();
        } else {
            if (ACol < lastCol) {
                r = FixedRows();
                c = ACol + 1 >= ColCount() ? firstTab : ACol + 1;
            } else if (FNavigation->AdvanceInsert()) {
                SetColCount(ColCount() + 1);
                c = ACol + span.X + 1;
                r = FixedRows();
                if (OnAutoInsertCol)
                    OnAutoInsertCol(this, ColCount() - FFixedRightCols - 1);
            } else {
                c = firstTab;
                r = FixedRows();
            }
            Invalidate();
        }
    } else if (dir == TAdvanceDirection::adLeftRight) {
        if (ACol > firstTab) {
            c = ACol - 1;
        } else {
            r = ARow > FixedRows() ? ARow - 1 : RowCount() - FFixedFooters - 1;
            c = ColCount() - FFixedRightCols - 1;
        }
    } else if (dir == TAdvanceDirection::adTopBottom) {
        if (ARow > FixedRows()) {
            r = ARow - 1;
        } else {
            c = ACol > firstTab ? ACol - 1 : ColCount() - FFixedRightCols - 1;
            r = RowCount() - FFixedFooters - 1;
        }
    }

    return true;
}

void TVxStringGrid::AdvanceEditCell(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool Recursed,
                                    bool ShowEditor)
{
    if (!FNavigation->AdvanceOnEnter() && !Force)
        return;
    if (FMouseActions->RangeSelectAndEdit() && !Options().testFlag(TGridOption::goEditing))
        SetOptions(Options() | TGridOption::goEditing);
    if (!Recursed) {
        FAECol = ACol;
        FAERow = ARow;
    }
    FStartEditChar = QChar();
    // Read-only cells are skipped one after the other; a walk that comes back to where it started, or
    // cannot move on, found no cell to edit and leaves the current cell where it is.
    TGridCoord origin{ACol, ARow};
    int c = ACol;
    int r = ARow;
    bool canEdit = true;
    for (long steps = 0, cells = long(ColCount()) * RowCount();; ++steps) {
        if (!AdvanceTarget(origin.X, origin.Y, Forward, c, r))
            return;
        canEdit = true;
        CanEditCell(RealColIndex(c), r, canEdit);
        if (canEdit || !FNavigation->AdvanceSkipReadOnlyCells())
            break;
        if ((c == FAECol && r == FAERow) || (c == origin.X && r == origin.Y) || steps > cells)
            return;
        origin = {c, r};
    }
    if (canEdit) {
        bool allow = true;
        if (OnAutoAdvance)
            OnAutoAdvance(this, FAERow, FAECol, r, c, allow);
        if (allow && OnCellChanging)
            OnCellChanging(this, FAERow, FAECol, r, c, allow);
        FDisableChange = true;
        if (allow) {
            SetCol(c);
            SetRow(r);
        } else {
            SelectCell(origin.X, origin.Y);
        }
        FDisableChange = false;
    } else {
        SetCol(c);
        SetRow(r);
    }

    if (ShowEditor && AutoEdit && FNavigation->AdvanceAutoEdit()) {
        if (!IsEditable(Col(), Row()))
            return;
        TCustomGrid::ShowEditor();
    }
}

void TVxStringGrid::KeyPress(QChar& Key)
{
    if (Key == QChar(27)) {
        // Esc ends an open edit only; otherwise it goes on to the window (a dialog's cancel button).
        const bool editing = Options().testFlag(TGridOption::goEditing) && (FEditing || FEditMode);
        if (editing)
            CancelCellEdit();
        if (OnKeyPress)
            OnKeyPress(this, Key);
        if (editing)
            Key = QChar();
        return;
    }
    if (Key == QChar(13)) {
        if (!FNavigation->AdvanceOnEnter() && !IsEditable(Col(), Row())) {
            if (OnKeyPress)
                OnKeyPress(this, Key);
            Key = QChar();
            return;
        }
        if (!hasFocus()) {
            AdvanceEditCell(Col(), Row(), false, false, true, false, FEditMode);
            if (!FNavigation->AdvanceAutoEdit()) {
                if (OnKeyPress)
                    OnKeyPress(this, Key);
                Key = QChar();
                return;
            }
        }
    }
    if (!Options().testFlag(TGridOption::goEditing) && FNavigation->AutoGotoWhenSorted())
        IncrementalGoto(Key);
    TBaseGrid::KeyPress(Key);
}

// Typed characters find the first row whose sorted column starts with them; the grid timer forgets an
// incremental search text shortly after the last key.
void TVxStringGrid::IncrementalGoto(QChar Key)
{
    QString text = Key;
    if (FNavigation->AutoGotoIncremental())
        text = Key == QChar(8) ? FSearchInc.left(FSearchInc.size() - 1) : FSearchInc + Key;
    SetSearchInc(text);
    const int row = Search(text.toUpper());
    if (row == -1)
        FSearchInc.clear();
    else
        SetRow(row);
}
