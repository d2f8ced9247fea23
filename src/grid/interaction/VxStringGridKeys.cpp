// The grid's keyboard: the key-down step before the toolkit's cell movement, the typed characters, and what
// the grid adds to the toolkit's KeyDown and KeyUp.
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/model/GridText.h"
#include "grid/core/FloatingFooter.h"
#include "grid/paint/ControlLook.h"
#include "grid/interaction/SearchPanel.h"
#include "platform/Form.h"
#include <QGuiApplication>
#include <algorithm>

namespace {

bool IsNavigationKey(std::uint16_t Key)
{
    return Key >= VK_PRIOR && Key <= VK_DOWN;
}

bool IsArrowKey(std::uint16_t Key)
{
    return Key >= VK_LEFT && Key <= VK_DOWN;
}

} // namespace

void TVxStringGridPrivate::StandardKeyDown(std::uint16_t& Key, TShiftState Shift)
{
    if (q->OnKeyDown)
        q->OnKeyDown(q, Key, Shift);
    if (Key != 0)
        q->KeyDown(Key, Shift);
}

// Whether a cell (display column) may be edited: editing allowed by the options, then the cell and the
// application decide.
bool TVxStringGridPrivate::CellEditable(int ACol, int ARow)
{
    bool canEdit = q->Options().testFlag(TGridOption::goEditing) || Shared.FMouseActions->RangeSelectAndEdit();
    if (q->IsFixed(ACol, ARow))
        return false;
    q->CanEditCell(q->RealColIndex(ACol), ARow, canEdit);
    return canEdit;
}

void TVxStringGridPrivate::FireSelectionChanged()
{
    const TGridRect s = q->Selection();
    if (s == Interaction.FMoveSelection)
        return;
    q->DoSelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
    Interaction.FMoveSelection = s;
}

bool TVxStringGrid::WMKeyDown(std::uint16_t& Key, TShiftState Shift)
{
    const bool ctrl = Shift.testFlag(TShiftStateItem::ssCtrl);
    const bool shift = Shift.testFlag(TShiftStateItem::ssShift);
    const bool alt = Shift.testFlag(TShiftStateItem::ssAlt);
    const bool editing = Options().testFlag(TGridOption::goEditing);
    const bool rowSelect = Options().testFlag(TGridOption::goRowSelect);
    d->Interaction.FMoveSelection = Selection();
    const std::uint16_t arrived = Key;
    auto fireKeyDown = [&] {
        std::uint16_t k = Key;
        if (OnKeyDown)
            OnKeyDown(this, k, Shift);
    };
    auto consume = [&] {
        fireKeyDown();
        Key = 0;
        return true;
    };

    if (d->Shared.FNavigation->MoveScrollOnly() && (IsNavigationKey(Key) && Key != VK_LEFT && Key != VK_RIGHT)) {
        const int visible = VisibleRowCount();
        switch (Key) {
        case VK_PRIOR:
            SetTopRow(visible + FixedRows() < TopRow() ? TopRow() - visible : FixedRows());
            break;
        case VK_NEXT:
            if (TopRow() + visible < RowCount())
                SetTopRow(TopRow() + visible);
            break;
        case VK_END:
            SetTopRow(RowCount() - visible);
            break;
        case VK_HOME:
            SetTopRow(FixedRows());
            break;
        case VK_UP:
            if (FixedRows() < TopRow())
                SetTopRow(TopRow() - 1);
            break;
        default:   // VK_DOWN
            if (TopRow() + visible < RowCount())
                SetTopRow(TopRow() + 1);
            break;
        }
        return true;
    }

    const bool enterOrF2 = Key == VK_RETURN || Key == VK_F2;
    if (d->Shared.FMouseActions->EditOnDblClickOnly() && enterOrF2 && !editing) {
        bool canEdit = true;
        CanEditCell(RealColIndex(Col()), Row(), canEdit);
        if (canEdit && !IsFixed(Col(), Row()))
            SetOptions(Options() | TGridOption::goEditing);
    }
    if (d->Shared.FMouseActions->RangeSelectAndEdit() && !Options().testFlag(TGridOption::goEditing) && enterOrF2) {
        if (!d->CellEditable(Col(), Row()))
            return consume();
        SetOptions(Options() | TGridOption::goEditing);
        ShowInplaceEdit();
    }
    if (ctrl && Key == 'F' && d->Shared.FSearchFooter->Visible())
        d->SearchPanel()->Edit()->setFocus(Qt::ShortcutFocusReason);
    const bool editable = d->CellEditable(Col(), Row());
    if (enterOrF2) {
        if (Options().testFlag(TGridOption::goEditing) && !editable)
            return consume();
        const QString text = GetCurrentCell();
        if (ClassifyCellText(text, d->Settings.EnableHTML) == TCellTextKind::ctkHtml &&
            text.toUpper().contains(QStringLiteral("<CONTROL"))) {
            ActivateHTMLControl(Col(), Row(), QString());   // the cell's inline controls take it
            return true;
        }
    }
    if (Key == VK_RETURN && !editable) {
        const auto* form = dynamic_cast<TForm*>(FindParentForm(this));
        if (form && form->KeyPreview()) {
            d->StandardKeyDown(Key, Shift);
            return false;
        }
        return consume();
    }
    if ((Key == VK_RETURN || Key == VK_SPACE) && HasClickableGraphic(RealColIndex(Col()), Row()))
        d->ClickGraphicByKey(Key);

    if ((Key == VK_HOME || Key == VK_END) && d->HomeEndKey(Key, Shift)) {
        fireKeyDown();
        return true;
    }

    if (Key == VK_TAB && Options().testFlag(TGridOption::goTabs)) {
        TabAdvance(shift);
        d->FireSelectionChanged();
        Key = 0;
        return true;
    }
    const bool leftRight = Key == VK_LEFT || Key == VK_RIGHT;
    const bool nodeRow = IsNode(Row());
    // On a group header (a node whose text spans the row) Right opens the group and Left closes it.
    if (leftRight && nodeRow && IsMergedCell(RealColIndex(Col()), Row()))
        SetNodeState(Row(), Key == VK_LEFT);
    if (ctrl && leftRight && rowSelect && !nodeRow && d->Shared.FNavigation->LeftRightRowSelect() &&
        VisibleColCount() < ColCount() - FixedCols())
        SetLeftCol(std::clamp(LeftCol() + (Key == VK_LEFT ? -1 : 1), FixedCols(), ColCount() - VisibleColCount()));
    if (!ctrl && leftRight && rowSelect && !nodeRow && !d->Shared.FNavigation->LeftRightRowSelect() &&
        VisibleColCount() < ColCount() - FixedCols()) {
        SetLeftCol(std::clamp(LeftCol() + (Key == VK_LEFT ? -1 : 1), FixedCols(), ColCount() - VisibleColCount()));
        fireKeyDown();
        return true;
    }
    if (d->Shared.FNavigation->SkipFixedCells() && IsArrowKey(Key) && d->SkipFixedCells(Key, Shift))
        return true;
    if (arrived == VK_DOWN && IsLastNormalRow() && d->Shared.FNavigation->AppendOnArrowDown())
        AutoAddRow();
    if (Selection() != d->Interaction.FMoveSelection && SelectionRectangle()) {
        InvalidateGridRect(Selection());
        d->Interaction.FMoveSelection = Selection();
    }

    // The toolkit's processing, keeping the left column where it was when asked to.
    const bool keepLeft = (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN) && rowSelect &&
                          LeftCol() != FixedCols() && d->Shared.FNavigation->KeepHorizScroll();
    const int oldLeft = LeftCol();
    if (keepLeft)
        BeginUpdate();
    d->StandardKeyDown(Key, Shift);
    // The floating footer's row is never current.
    if (arrived == VK_DOWN && FHideLastRow && Row() == RowCount() - 1 && RowCount() - 2 >= FixedRows())
        FocusCell(Col(), RowCount() - 2, true);
    if (keepLeft) {
        SetLeftCol(oldLeft);
        EndUpdate();
    }

    if (d->Shared.FNavigation->AllowClipboardShortCuts() && d->ClipboardShortCut(arrived, Shift))
        return true;
    if (arrived == VK_INSERT && !ctrl && !shift && !alt && d->Shared.FNavigation->AllowInsertRow())
        d->InsertRowByKey();
    else if (ctrl && arrived == 'A' && (rowSelect || Options().testFlag(TGridOption::goRangeSelect)))
        d->SelectAllCells();
    else if (IsNavigationKey(arrived))
        d->DisjunctSelectByKey(Shift);
    else if (arrived == VK_SPACE)
        d->ToggleDisjunctByKey();
    else if (arrived == VK_DELETE && !alt && d->Shared.FNavigation->AllowDeleteRow())
        d->DeleteRowByKey();
    if (arrived == VK_F2 && !alt)
        DoF2Key();
    d->FireSelectionChanged();
    return Key == 0;
}

// Enter or Space on a check box or button cell: Space toggles the check box, both press the button.
void TVxStringGridPrivate::ClickGraphicByKey(std::uint16_t Key)
{
    const int rc = q->RealColIndex(q->Col());
    const int r = q->Row();
    bool canEdit = q->Options().testFlag(TGridOption::goEditing) || Shared.FMouseActions->RangeSelectAndEdit();
    q->CanEditCell(rc, r, canEdit);
    if (Key == VK_SPACE && (canEdit || Shared.FControlLook->CheckAlwaysActive()) && q->ToggleCheck(rc, r, false)) {
        q->SetRowModified(r, true);
        if (Shared.FShowModified->Enabled())
            q->RepaintCell(0, r);
        bool state = false;
        q->GetCheckBoxState(rc, q->RealRowIndex(r), state);
        q->DoCheckBoxClick(rc, r, state);
    }
    if (canEdit && q->HasButton(rc, r))
        q->DoButtonClick(rc, r);
    q->RepaintCell(q->Col(), q->Row());
}

// The row flag a key marks: the real row when the marks stay with the rows, the display row otherwise.
int TVxStringGridPrivate::RowFlagIndex(int ARow)
{
    return Shared.FMouseActions->RowSelectPersistent() ? q->RealRowIndex(ARow) : ARow;
}

// Navigation under disjunct row or column selection: a plain key leaves only the new current row (column)
// marked, Shift marks the rows of the selection, Ctrl adds the current one.
void TVxStringGridPrivate::DisjunctSelectByKey(TShiftState Shift)
{
    const bool shift = Shift.testFlag(TShiftStateItem::ssShift);
    const bool plain = !shift && !Shift.testFlag(TShiftStateItem::ssCtrl);
    const TGridRect s = q->Selection();
    if (Shared.FMouseActions->DisjunctRowSelect()) {
        if (plain || shift)
            q->ClearRowSelect();
        if (shift)
            for (int r = s.Top; r <= s.Bottom; ++r)
                q->SetRowSelect(RowFlagIndex(r), true);
        else
            q->SetRowSelect(RowFlagIndex(q->Row()), true);
        q->Invalidate();
    }
    if (Shared.FMouseActions->DisjunctColSelect()) {
        if (plain || shift)
            q->ClearColSelect();
        if (shift)
            for (int c = s.Left; c <= s.Right; ++c)
                q->SetColSelect(c, true);
        else
            q->SetColSelect(q->Col(), true);
        q->Invalidate();
    }
}

void TVxStringGridPrivate::ToggleDisjunctByKey()
{
    if (Shared.FMouseActions->DisjunctRowSelect()) {
        const int flag = RowFlagIndex(q->Row());
        q->SetRowSelect(flag, !q->GetRowSelect(flag));
        q->RepaintRow(q->Row());
    }
    if (Shared.FMouseActions->DisjunctColSelect()) {
        q->SetColSelect(q->Col(), !q->GetColSelect(q->Col()));
        q->RepaintCol(q->Col());
    }
}

// Insert adds an empty row before or after the current one, as Navigation.InsertPosition says; the filter
// is lifted meanwhile so that the row lands among all rows.
void TVxStringGridPrivate::InsertRowByKey()
{
    bool canInsert = true;
    q->DoCanInsertRow(q->Row(), canInsert);
    if (!canInsert)
        return;
    const int real = q->RealRowIndex(q->Row());
    const bool filter = q->FilterActive();
    q->SetFilterActive(false);
    if (real < q->RowCount())
        q->SetRow(real);
    int inserted = q->Row();
    int target = q->Row();
    if (Shared.FNavigation->InsertPosition() == TInsertPosition::pInsertAfter) {
        if (Shared.FFixedRowAlways && q->RowCount() - Shared.FFixedFooters <= q->FixedRows()) {
            // Only the header is left: the new row goes below it, never above.
            inserted = std::max(q->Row(), q->FixedRows());
            target = q->FixedRows();
        } else {
            inserted = q->Row() + 1;
            target = inserted;
        }
    }
    inserted = std::max(inserted, q->FixedRows());
    q->AutoInsertRow(inserted);
    if (q->OnAutoInsertRow)
        q->OnAutoInsertRow(q, inserted);
    q->SetFilterActive(filter);
    if (target < q->RowCount())
        q->SetRow(target);
    q->CalcFooter(-1);
}

void TVxStringGrid::AutoInsertRow(int ARow)
{
    InsertRows(ARow, 1);
}

// Delete removes the current row when the application agrees; a refusal leaves everything as it was.
void TVxStringGridPrivate::DeleteRowByKey()
{
    if (q->RowCount() - Shared.FFixedFooters - q->FixedRows() <= 0)
        return;
    const int real = q->RealRowIndex(q->Row());
    const bool filter = q->FilterActive();
    q->SetFilterActive(false);
    bool canDelete = true;
    if (q->OnCanDeleteRow)
        q->OnCanDeleteRow(q, real, canDelete);
    if (canDelete)
        q->AutoDeleteRow(real);
    q->SetFilterActive(filter);
    if (!canDelete)
        return;
    if (Order.FFloatingFooter->Visible() && q->Row() == q->RowCount() - 1 && q->RowCount() > 1)
        q->SetRow(q->RowCount() - 2);
    q->CalcFooter(-1);
}

void TVxStringGrid::AutoDeleteRow(int ARow)
{
    RemoveRows(ARow, 1);
    if (OnAutoDeleteRow)
        OnAutoDeleteRow(this, ARow);
}

// Home and End as Navigation.HomeEndKey says; false leaves the key to the toolkit.
bool TVxStringGridPrivate::HomeEndKey(std::uint16_t Key, TShiftState Shift)
{
    const bool home = Key == VK_HOME;
    const bool ctrl = Shift.testFlag(TShiftStateItem::ssCtrl);
    const bool shift = Shift.testFlag(TShiftStateItem::ssShift);
    const bool onlyFixed = Shared.FFixedRowAlways && q->RowCount() == 1;
    const int lastNormalCol = q->ColCount() - Shared.FFixedRightCols - 1;
    switch (Shared.FNavigation->HomeEndKey()) {
    case THomeEndAction::heFirstLastCell:
        if (ctrl)
            return false;
        q->FocusCell(home ? q->FixedCols() : q->ColCount() - 1, home ? q->FixedRows() : q->RowCount() - 1, true);
        q->MoveToBaseCell();
        return true;
    case THomeEndAction::heFirstLastRow: {
        if (ctrl || onlyFixed)
            return false;
        const int startRow = q->Row();
        const int oldLeft = q->LeftCol();
        const bool footer = Order.FFloatingFooter->Visible();
        int row = q->FixedRows();
        if (!home) {
            row = footer && q->RowCount() > 2 ? q->RowCount() - 2 : q->RowCount() - Shared.FFixedFooters - 1;
            if (Shared.FFixedFooters > 0 && !footer)
                q->SetTopRow(q->RowCount() - q->VisibleRowCount());
        }
        if (shift) {
            q->SetSelection({0, std::min(startRow, row), q->ColCount() - 1, std::max(startRow, row)});
        } else {
            q->FocusCell(q->Col(), row, true);
            q->MoveToBaseCell();
        }
        if (!home && footer)
            q->SetTopRow(q->RowCount() - q->VisibleRowCount());
        if (Shared.FMouseActions->DisjunctRowSelect()) {
            if (!shift)
                q->ClearRowSelect();
            q->SelectionToRowSelect(false);
        }
        if (q->Options().testFlag(TGridOption::goRowSelect) && Shared.FNavigation->KeepHorizScroll())
            q->SetLeftCol(oldLeft);
        return true;
    }
    case THomeEndAction::heFirstLastColumn:
        if (ctrl) {
            if (!home)
                return false;
            const int row = q->FixedRows();
            q->FocusCell(std::max(q->FixedCols(), q->FirstSelectableCol(row)), row, true);
            q->MoveToBaseCell();
            q->SetLeftCol(q->TabStartCol());
            return true;
        }
        if (q->Options().testFlag(TGridOption::goRowSelect) || onlyFixed)
            return false;
        if (shift) {
            q->SetSelection(home ? TGridRect{q->FixedCols(), q->Row(), q->Col(), q->Row()}
                                 : TGridRect{q->Col(), q->Row(), lastNormalCol, q->Row()});
            return true;
        }
        if (home) {
            q->FocusCell(std::max(q->FixedCols(), q->FirstSelectableCol(q->Row())), q->Row(), true);
            q->MoveToBaseCell();
            q->SetLeftCol(q->TabStartCol());
        } else {
            q->FocusCell(q->ColCount() - 1, q->Row(), true);
            q->MoveToBaseCell();
            q->SetLeftCol(q->ColCount() - q->VisibleColCount());
        }
        return true;
    }
    return false;
}

// Arrow keys walk over cells the application keeps fixed inside the normal area.
bool TVxStringGridPrivate::SkipFixedCells(std::uint16_t& Key, TShiftState Shift)
{
    int dx = 0;
    int dy = 0;
    const bool rtl = q->UseRightToLeftAlignment();
    switch (Key) {
    case VK_LEFT:
        dx = rtl ? 1 : -1;
        break;
    case VK_RIGHT:
        dx = rtl ? -1 : 1;
        break;
    case VK_UP:
        dy = -1;
        break;
    default:
        dy = 1;
        break;
    }
    const int minCol = q->FixedCols();
    const int maxCol = q->ColCount() - Shared.FFixedRightCols - 1;
    const int minRow = q->FixedRows();
    const int maxRow = q->RowCount() - Shared.FFixedFooters - 1;
    int c = q->Col() + dx;
    int r = q->Row() + dy;
    if (c < minCol || c > maxCol || r < minRow || r > maxRow || !q->IsFixed(c, r))
        return false;
    if (dy != 0 && q->Options().testFlag(TGridOption::goRowSelect)) {
        q->FocusCell(q->Col(), r, true);
    } else {
        while (c >= minCol && c <= maxCol && r >= minRow && r <= maxRow && q->IsFixed(c, r)) {
            c += dx;
            r += dy;
        }
        if (c < minCol || c > maxCol || r < minRow || r > maxRow)
            return false;
        q->FocusCell(c, r, true);
    }
    if (q->OnKeyDown)
        q->OnKeyDown(q, Key, Shift);
    Key = 0;
    return true;
}

// Ctrl+X, Ctrl+V, Ctrl+C, Ctrl+Insert, Shift+Insert and Shift+Delete; true when the key was one of them.
bool TVxStringGridPrivate::ClipboardShortCut(std::uint16_t Key, TShiftState Shift)
{
    const bool ctrl = Shift.testFlag(TShiftStateItem::ssCtrl);
    const bool shift = Shift.testFlag(TShiftStateItem::ssShift);
    enum { None, Cut, Copy, Paste } action = None;
    if ((ctrl && Key == 'X') || (shift && Key == VK_DELETE))
        action = Cut;
    else if ((ctrl && Key == 'V') || (shift && Key == VK_INSERT))
        action = Paste;
    else if (ctrl && (Key == 'C' || Key == VK_INSERT))
        action = Copy;
    if (action == None)
        return false;
    bool allow = true;
    const TVxStringGrid::TClipboardEvent& event = action == Cut    ? q->OnClipboardCut
                                                  : action == Copy ? q->OnClipboardCopy
                                                                   : q->OnClipboardPaste;
    if (event)
        event(q, allow);
    if (!allow)
        return true;
    if (action == Paste)
        q->PasteSelectionFromClipboard();
    else if (action == Cut)
        q->CutSelectionToClipboard();
    else
        q->CopySelectionToClipboard();
    return true;
}

void TVxStringGridPrivate::SelectAllCells()
{
    TGridRect r{q->TabStartCol(), q->FixedRows(), q->ColCount() - Shared.FFixedRightCols - 1,
                q->RowCount() - Shared.FFixedFooters - 1};
    if (r.Right < r.Left || r.Bottom < r.Top)
        return;
    q->DoKeySelectRect(r);
    q->SetSelection(r);
}

// A character after the key-down step; true when the grid used it.
bool TVxStringGrid::WMChar(QChar& Key)
{
    const QString text = GetCurrentCell();
    if (ClassifyCellText(text, d->Settings.EnableHTML) == TCellTextKind::ctkHtml &&
        text.toUpper().contains(QStringLiteral("<CONTROL")))
        return true;
    if (d->Shared.FMouseActions->EditOnDblClickOnly()) {
        bool canEdit = Options().testFlag(TGridOption::goEditing) || d->Shared.FMouseActions->RangeSelectAndEdit();
        CanEditCell(RealColIndex(Col()), Row(), canEdit);
        if (canEdit)
            SetOptions(Options() | TGridOption::goEditing);
    }
    const bool ctrl = QGuiApplication::keyboardModifiers().testFlag(Qt::ControlModifier);
    const ushort code = Key.unicode();
    if (d->Shared.FNavigation->AllowClipboardShortCuts() && (code == 3 || code == 22 || code == 24))
        return true;
    if (d->Shared.FMouseActions->RangeSelectAndEdit() && !Options().testFlag(TGridOption::goEditing) && code != 9 &&
        code != 27 && !ctrl && d->CellEditable(Col(), Row())) {
        QChar copy = Key;
        if (OnKeyPress)
            OnKeyPress(this, copy);
        d->Edit.FStartEditChar = Key;
        SetOptions(Options() | TGridOption::goEditing);
        ShowInplaceEdit();
        ShowEditorChar(Key);
        return true;
    }
    const bool graphic = HasClickableGraphic(RealColIndex(Col()), Row());
    if (code == 13 && graphic && d->Shared.FNavigation->AdvanceOnEnter()) {
        KeyPress(Key);
        return Key.isNull();
    }
    if (Options().testFlag(TGridOption::goEditing) && (code == 8 || (code >= 32 && code <= 255)) && !graphic &&
        d->CellEditable(Col(), Row())) {
        // The editor passes the character through KeyPress (OnKeyPress may change it) as it types it.
        d->Edit.FStartEditChar = Key;
        ShowEditorChar(Key);
        return true;
    }
    // Enter on a cell that cannot be edited is only reported: the toolkit would open its editor.
    if (code == 13 && !d->CellEditable(Col(), Row())) {
        if (OnKeyPress)
            OnKeyPress(this, Key);
        return Key.isNull();
    }
    KeyPress(Key);
    return Key.isNull();
}

void TVxStringGrid::KeyDown(std::uint16_t& Key, TShiftState Shift)
{
    // Tab walks the grid's own way; the toolkit's walk never runs.
    if (Key == VK_TAB && Options().testFlag(TGridOption::goTabs)) {
        TabAdvance(Shift.testFlag(TShiftStateItem::ssShift));
        Key = 0;
        return;
    }
    const std::uint16_t key = Key;
    d->Interaction.FLastKeyCell = {Col(), Row()};
    if (d->Shared.FNavigation->CursorMoveRows() && Shift.testFlag(TShiftStateItem::ssCtrl) &&
        (key == VK_UP || key == VK_DOWN)) {
        d->MoveRowsWithCursor(key);
        Key = 0;
        return;
    }
    TBaseGrid::KeyDown(Key, Shift);
    if (d->Shared.FNavigation->CursorAdvance() != TCursorAdvance::caDefault)
        d->WrapCursor(key);
    if (d->Cells.FUseEnabledRows && d->Shared.FNavigation->SkipDisabledRows() && (key == VK_UP || key == VK_DOWN))
        d->SkipDisabledRow(key == VK_DOWN);
    if (TStringGrid* other = d->Shared.FSyncGrid->Grid()) {
        if (d->Shared.FSyncGrid->SelectionColumn())
            other->SetCol(Col());
        if (d->Shared.FSyncGrid->SelectionRow())
            other->SetRow(Row());
    }
}

// Up and Down go on to the next enabled row when the row they reached, or stayed on, is disabled.
void TVxStringGridPrivate::SkipDisabledRow(bool Down)
{
    if (q->Row() != Interaction.FLastKeyCell.Y && q->GetRowEnabled(q->Row()))
        return;
    const int step = Down ? 1 : -1;
    for (int r = Interaction.FLastKeyCell.Y + step; r >= q->FixedRows() && r < q->RowCount(); r += step)
        if (q->GetRowEnabled(r)) {
            q->FocusCell(q->Col(), r, true);
            return;
        }
    if (!q->GetRowEnabled(q->Row()))
        q->FocusCell(q->Col(), Interaction.FLastKeyCell.Y, true);
}

// Ctrl+Up and Ctrl+Down carry the selected rows one row along.
void TVxStringGridPrivate::MoveRowsWithCursor(std::uint16_t Key)
{
    const TGridRect s = q->Selection();
    const bool down = Key == VK_DOWN;
    if (down ? s.Bottom >= q->RowCount() - 1 : s.Top <= q->FixedRows())
        return;
    if (s.Top == s.Bottom) {
        q->MoveRow(s.Top, s.Top + (down ? 1 : -1));
        return;
    }
    // The row next to the block goes to its other side.
    if (down)
        q->MoveRow(s.Bottom + 1, s.Top);
    else
        q->MoveRow(s.Top - 1, s.Bottom);
    const int shift = down ? 1 : -1;
    q->SetSelection({q->FixedCols(), s.Top + shift, q->ColCount() - 1, s.Bottom + shift});
}

// Navigation.CursorAdvance: arrows at an edge go round (snake: into the next or previous row or column).
void TVxStringGridPrivate::WrapCursor(std::uint16_t Key)
{
    const bool snake = Shared.FNavigation->CursorAdvance() == TCursorAdvance::caSnake;
    const TGridCoord was = Interaction.FLastKeyCell;
    const int lastNormalCol = q->ColCount() - Shared.FFixedRightCols - 1;
    const int lastNormalRow = q->RowCount() - Shared.FFixedFooters - 1;
    int c = was.X;
    int r = was.Y;
    switch (Key) {
    case VK_LEFT:
        if (was.X != q->FixedCols())
            return;
        c = lastNormalCol;
        if (snake && r > q->FixedRows())
            --r;
        break;
    case VK_UP:
        if (was.Y != q->FixedRows())
            return;
        r = lastNormalRow;
        if (snake && c > q->FixedCols())
            --c;
        break;
    case VK_RIGHT:
        if (was.X != q->ColCount() - 1)
            return;
        c = q->FixedCols();
        if (snake && r < lastNormalRow)
            ++r;
        break;
    case VK_DOWN:
        if (was.Y != q->RowCount() - 1)
            return;
        r = q->FixedRows();
        if (snake && c < lastNormalCol)
            ++c;
        break;
    default:
        return;
    }
    q->FocusCell(c, r, true);
}

void TVxStringGrid::KeyUp(std::uint16_t& Key, TShiftState Shift)
{
    const std::uint16_t key = Key;
    if ((IsNavigationKey(key) && key != VK_HOME) || key == VK_INSERT || key == VK_DELETE)
        d->Interaction.FSearchInc.clear();
    TBaseGrid::KeyUp(Key, Shift);
    const bool tab = key == VK_TAB && Options().testFlag(TGridOption::goTabs);
    if (d->Shared.FNavigation->AlwaysEdit() && (IsArrowKey(key) || tab))
        ShowInplaceEdit();
    if (IsArrowKey(key) || tab)
        d->FireSelectionChanged();
}
