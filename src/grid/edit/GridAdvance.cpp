// Moving on after Enter, and the grid's own key press.
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/GridOptionGroups.h"

// The cell an advance from (ACol, ARow) goes to; false when a row was appended that cannot be edited.
bool TVxStringGridPrivate::AdvanceTarget(int ACol, int ARow, bool Forward, int& c, int& r)
{
    const TPoint span = q->CellSpan(q->RealColIndex(ACol), ARow);
    const int firstTab = q->FixedCols();
    const int lastRow = q->RowCount() - 1 - Shared.FFixedFooters;
    const int lastCol = q->ColCount() - 1 - Shared.FFixedRightCols;
    const TAdvanceDirection dir = Shared.FNavigation->AdvanceDirection();
    c = ACol;
    r = ARow;

    if (Forward && (dir == TAdvanceDirection::adLeftRight || dir == TAdvanceDirection::adLeftRightInRow)) {
        if (ACol + span.X < lastCol) {
            c = ACol + span.X + 1;
        } else if (dir == TAdvanceDirection::adLeftRightInRow) {
            if (Shared.FNavigation->AdvanceOnEnterLoop())
                c = firstTab;
        } else if (ARow == lastRow) {
            if (Shared.FNavigation->AdvanceInsert()) {
                bool canAdd = true;
                if (q->OnCanAddRow)
                    q->OnCanAddRow(q, canAdd);
                c = firstTab;
                if (canAdd) {
                    q->SetRowCount(q->RowCount() + 1);
                    r = q->RowCount() - 1 - Shared.FFixedFooters;
                    if (q->OnAutoAddRow)
                        q->OnAutoAddRow(q, q->RowCount() - Shared.FFixedFooters - 1);
                    bool anyEditable = false;
                    for (int i = q->FixedCols(); i < q->ColCount() && !anyEditable; ++i)
                        anyEditable = q->IsEditable(i, r);
                    if (!anyEditable)
                        return false;
                }
            } else if (Shared.FNavigation->AdvanceOnEnterLoop()) {
                c = firstTab;
                r = q->FixedRows();
            }
        } else {
            r = ARow + 1;
            c = firstTab;
        }
    } else if (Forward) {
        if (ARow < lastRow) {
            r = ARow + 1;
        } else if (dir == TAdvanceDirection::adTopBottomInCol) {
            r = q->FixedRows();
        } else {
            if (ACol < lastCol) {
                r = q->FixedRows();
                c = ACol + 1 >= q->ColCount() ? firstTab : ACol + 1;
            } else if (Shared.FNavigation->AdvanceInsert()) {
                q->SetColCount(q->ColCount() + 1);
                c = ACol + span.X + 1;
                r = q->FixedRows();
                if (q->OnAutoInsertCol)
                    q->OnAutoInsertCol(q, q->ColCount() - Shared.FFixedRightCols - 1);
            } else {
                c = firstTab;
                r = q->FixedRows();
            }
            q->Invalidate();
        }
    } else if (dir == TAdvanceDirection::adLeftRight) {
        if (ACol > firstTab) {
            c = ACol - 1;
        } else {
            r = ARow > q->FixedRows() ? ARow - 1 : q->RowCount() - Shared.FFixedFooters - 1;
            c = q->ColCount() - Shared.FFixedRightCols - 1;
        }
    } else if (dir == TAdvanceDirection::adTopBottom) {
        if (ARow > q->FixedRows()) {
            r = ARow - 1;
        } else {
            c = ACol > firstTab ? ACol - 1 : q->ColCount() - Shared.FFixedRightCols - 1;
            r = q->RowCount() - Shared.FFixedFooters - 1;
        }
    }

    return true;
}

void TVxStringGrid::AdvanceEditCell(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool Recursed,
                                    bool ShowEditor)
{
    if (!d->Shared.FNavigation->AdvanceOnEnter() && !Force)
        return;
    if (d->Shared.FMouseActions->RangeSelectAndEdit() && !Options().testFlag(TGridOption::goEditing))
        SetOptions(Options() | TGridOption::goEditing);
    if (!Recursed) {
        d->Edit.FAECol = ACol;
        d->Edit.FAERow = ARow;
    }
    d->Edit.FStartEditChar = QChar();
    // Read-only cells are skipped one after the other; a walk that comes back to where it started, or
    // cannot move on, found no cell to edit and leaves the current cell where it is.
    TGridCoord origin{ACol, ARow};
    int c = ACol;
    int r = ARow;
    bool canEdit = true;
    for (long steps = 0, cells = long(ColCount()) * RowCount();; ++steps) {
        if (!d->AdvanceTarget(origin.X, origin.Y, Forward, c, r))
            return;
        canEdit = true;
        CanEditCell(RealColIndex(c), r, canEdit);
        if (canEdit || !d->Shared.FNavigation->AdvanceSkipReadOnlyCells())
            break;
        if ((c == d->Edit.FAECol && r == d->Edit.FAERow) || (c == origin.X && r == origin.Y) || steps > cells)
            return;
        origin = {c, r};
    }
    if (canEdit) {
        bool allow = true;
        if (OnAutoAdvance)
            OnAutoAdvance(this, d->Edit.FAERow, d->Edit.FAECol, r, c, allow);
        if (allow && OnCellChanging)
            OnCellChanging(this, d->Edit.FAERow, d->Edit.FAECol, r, c, allow);
        d->Edit.FDisableChange = true;
        if (allow) {
            SetCol(c);
            SetRow(r);
        } else {
            SelectCell(origin.X, origin.Y);
        }
        d->Edit.FDisableChange = false;
    } else {
        SetCol(c);
        SetRow(r);
    }

    if (ShowEditor && AutoEdit && d->Shared.FNavigation->AdvanceAutoEdit()) {
        if (!IsEditable(Col(), Row()))
            return;
        TCustomGrid::ShowEditor();
    }
}

void TVxStringGrid::KeyPress(QChar& Key)
{
    if (Key == QChar(27)) {
        // Esc ends an open edit only; otherwise it goes on to the window (a dialog's cancel button).
        const bool editing = Options().testFlag(TGridOption::goEditing) && (d->Edit.FEditing || d->Edit.FEditMode);
        if (editing)
            CancelCellEdit();
        if (OnKeyPress)
            OnKeyPress(this, Key);
        if (editing)
            Key = QChar();
        return;
    }
    if (Key == QChar(13)) {
        if (!d->Shared.FNavigation->AdvanceOnEnter() && !IsEditable(Col(), Row())) {
            if (OnKeyPress)
                OnKeyPress(this, Key);
            Key = QChar();
            return;
        }
        if (!hasFocus()) {
            AdvanceEditCell(Col(), Row(), false, false, true, false, d->Edit.FEditMode);
            if (!d->Shared.FNavigation->AdvanceAutoEdit()) {
                if (OnKeyPress)
                    OnKeyPress(this, Key);
                Key = QChar();
                return;
            }
        }
    }
    if (!Options().testFlag(TGridOption::goEditing) && d->Shared.FNavigation->AutoGotoWhenSorted())
        d->IncrementalGoto(Key);
    TBaseGrid::KeyPress(Key);
}

// Typed characters find the first row whose sorted column starts with them; the grid timer forgets an
// incremental search text shortly after the last key.
void TVxStringGridPrivate::IncrementalGoto(QChar Key)
{
    QString text = Key;
    if (Shared.FNavigation->AutoGotoIncremental())
        text = Key == QChar(8) ? Interaction.FSearchInc.left(Interaction.FSearchInc.size() - 1)
                               : Interaction.FSearchInc + Key;
    q->SetSearchInc(text);
    const int row = q->Search(text.toUpper());
    if (row == -1)
        Interaction.FSearchInc.clear();
    else
        q->SetRow(row);
}
