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

void TVxStringGrid::StandardKeyDown(std::uint16_t& Key, TShiftState Shift)
{
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
    if (Key != 0)
        KeyDown(Key, Shift);
}

// Whether a cell (display column) may be edited: editing allowed by the options, then the cell and the
// application decide.
bool TVxStringGrid::CellEditable(int ACol, int ARow)
{
    bool canEdit = Options().testFlag(TGridOption::goEditing) || d->Shared.FMouseActions->RangeSelectAndEdit();
    if (IsFixed(ACol, ARow))
        return false;
    CanEditCell(RealColIndex(ACol), ARow, canEdit);
    return canEdit;
}

void TVxStringGrid::FireSelectionChanged()
{
    const TGridRect s = Selection();
    if (s == d->Interaction.FMoveSelection)
        return;
    DoSelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
    d->Interaction.FMoveSelection = s;
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
        if (!CellEditable(Col(), Row()))
            return consume();
        SetOptions(Options() | TGridOption::goEditing);
        ShowInplaceEdit();
    }
    if (ctrl && Key == 'F' && d->Shared.FSearchFooter->Visible())
        d->Aux.FSearchPanel->Edit()->setFocus(Qt::ShortcutFocusReason);
    const bool editable = CellEditable(Col(), Row());
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
            StandardKeyDown(Key, Shift);
            return false;
        }
        return consume();
    }
    if ((Key == VK_RETURN || Key == VK_SPACE) && HasClickableGraphic(RealColIndex(Col()), Row()))
        ClickGraphicByKey(Key);

    if ((Key == VK_HOME || Key == VK_END) && HomeEndKey(Key, Shift)) {
        fireKeyDown();
        return true;
    }

    if (Key == VK_TAB && Options().testFlag(TGridOption::goTabs)) {
        TabAdvance(shift);
        FireSelectionChanged();
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
    if (d->Shared.FNavigation->SkipFixedCells() && IsArrowKey(Key) && SkipFixedCells(Key, Shift))
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
    StandardKeyDown(Key, Shift);
    // The floating footer's row is never current.
    if (arrived == VK_DOWN && FHideLastRow && Row() == RowCount() - 1 && RowCount() - 2 >= FixedRows())
        FocusCell(Col(), RowCount() - 2, true);
    if (keepLeft) {
        SetLeftCol(oldLeft);
        EndUpdate();
    }

    if (d->Shared.FNavigation->AllowClipboardShortCuts() && ClipboardShortCut(arrived, Shift))
        return true;
    if (arrived == VK_INSERT && !ctrl && !shift && !alt && d->Shared.FNavigation->AllowInsertRow())
        InsertRowByKey();
    else if (ctrl && arrived == 'A' && (rowSelect || Options().testFlag(TGridOption::goRangeSelect)))
        SelectAllCells();
    else if (IsNavigationKey(arrived))
        DisjunctSelectByKey(Shift);
    else if (arrived == VK_SPACE)
        ToggleDisjunctByKey();
    else if (arrived == VK_DELETE && !alt && d->Shared.FNavigation->AllowDeleteRow())
        DeleteRowByKey();
    if (arrived == VK_F2 && !alt)
        DoF2Key();
    FireSelectionChanged();
    return Key == 0;
}

// Enter or Space on a check box or button cell: Space toggles the check box, both press the button.
void TVxStringGrid::ClickGraphicByKey(std::uint16_t Key)
{
    const int rc = RealColIndex(Col());
    const int r = Row();
    bool canEdit = Options().testFlag(TGridOption::goEditing) || d->Shared.FMouseActions->RangeSelectAndEdit();
    CanEditCell(rc, r, canEdit);
    if (Key == VK_SPACE && (canEdit || d->Shared.FControlLook->CheckAlwaysActive()) && ToggleCheck(rc, r, false)) {
        SetRowModified(r, true);
        if (d->Shared.FShowModified->Enabled())
            RepaintCell(0, r);
        bool state = false;
        GetCheckBoxState(rc, RealRowIndex(r), state);
        DoCheckBoxClick(rc, r, state);
    }
    if (canEdit && HasButton(rc, r))
        DoButtonClick(rc, r);
    RepaintCell(Col(), Row());
}

// The row flag a key marks: the real row when the marks stay with the rows, the display row otherwise.
int TVxStringGrid::RowFlagIndex(int ARow) const
{
    return d->Shared.FMouseActions->RowSelectPersistent() ? RealRowIndex(ARow) : ARow;
}

// Navigation under disjunct row or column selection: a plain key leaves only the new current row (column)
// marked, Shift marks the rows of the selection, Ctrl adds the current one.
void TVxStringGrid::DisjunctSelectByKey(TShiftState Shift)
{
    const bool shift = Shift.testFlag(TShiftStateItem::ssShift);
    const bool plain = !shift && !Shift.testFlag(TShiftStateItem::ssCtrl);
    const TGridRect s = Selection();
    if (d->Shared.FMouseActions->DisjunctRowSelect()) {
        if (plain || shift)
            ClearRowSelect();
        if (shift)
            for (int r = s.Top; r <= s.Bottom; ++r)
                SetRowSelect(RowFlagIndex(r), true);
        else
            SetRowSelect(RowFlagIndex(Row()), true);
        Invalidate();
    }
    if (d->Shared.FMouseActions->DisjunctColSelect()) {
        if (plain || shift)
            ClearColSelect();
        if (shift)
            for (int c = s.Left; c <= s.Right; ++c)
                SetColSelect(c, true);
        else
            SetColSelect(Col(), true);
        Invalidate();
    }
}

void TVxStringGrid::ToggleDisjunctByKey()
{
    if (d->Shared.FMouseActions->DisjunctRowSelect()) {
        const int flag = RowFlagIndex(Row());
        SetRowSelect(flag, !GetRowSelect(flag));
        RepaintRow(Row());
    }
    if (d->Shared.FMouseActions->DisjunctColSelect()) {
        SetColSelect(Col(), !GetColSelect(Col()));
        RepaintCol(Col());
    }
}

// Insert adds an empty row before or after the current one, as Navigation.InsertPosition says; the filter
// is lifted meanwhile so that the row lands among all rows.
void TVxStringGrid::InsertRowByKey()
{
    bool canInsert = true;
    DoCanInsertRow(Row(), canInsert);
    if (!canInsert)
        return;
    const int real = RealRowIndex(Row());
    const bool filter = FilterActive();
    SetFilterActive(false);
    if (real < RowCount())
        SetRow(real);
    int inserted = Row();
    int target = Row();
    if (d->Shared.FNavigation->InsertPosition() == TInsertPosition::pInsertAfter) {
        if (d->Shared.FFixedRowAlways && RowCount() - d->Shared.FFixedFooters <= FixedRows()) {
            // Only the header is left: the new row goes below it, never above.
            inserted = std::max(Row(), FixedRows());
            target = FixedRows();
        } else {
            inserted = Row() + 1;
            target = inserted;
        }
    }
    inserted = std::max(inserted, FixedRows());
    AutoInsertRow(inserted);
    if (OnAutoInsertRow)
        OnAutoInsertRow(this, inserted);
    SetFilterActive(filter);
    if (target < RowCount())
        SetRow(target);
    CalcFooter(-1);
}

void TVxStringGrid::AutoInsertRow(int ARow)
{
    InsertRows(ARow, 1);
}

// Delete removes the current row when the application agrees; a refusal leaves everything as it was.
void TVxStringGrid::DeleteRowByKey()
{
    if (RowCount() - d->Shared.FFixedFooters - FixedRows() <= 0)
        return;
    const int real = RealRowIndex(Row());
    const bool filter = FilterActive();
    SetFilterActive(false);
    bool canDelete = true;
    if (OnCanDeleteRow)
        OnCanDeleteRow(this, real, canDelete);
    if (canDelete)
        AutoDeleteRow(real);
    SetFilterActive(filter);
    if (!canDelete)
        return;
    if (d->Order.FFloatingFooter->Visible() && Row() == RowCount() - 1 && RowCount() > 1)
        SetRow(RowCount() - 2);
    CalcFooter(-1);
}

void TVxStringGrid::AutoDeleteRow(int ARow)
{
    RemoveRows(ARow, 1);
    if (OnAutoDeleteRow)
        OnAutoDeleteRow(this, ARow);
}

// Home and End as Navigation.HomeEndKey says; false leaves the key to the toolkit.
bool TVxStringGrid::HomeEndKey(std::uint16_t Key, TShiftState Shift)
{
    const bool home = Key == VK_HOME;
    const bool ctrl = Shift.testFlag(TShiftStateItem::ssCtrl);
    const bool shift = Shift.testFlag(TShiftStateItem::ssShift);
    const bool onlyFixed = d->Shared.FFixedRowAlways && RowCount() == 1;
    const int lastNormalCol = ColCount() - d->Shared.FFixedRightCols - 1;
    switch (d->Shared.FNavigation->HomeEndKey()) {
    case THomeEndAction::heFirstLastCell:
        if (ctrl)
            return false;
        FocusCell(home ? FixedCols() : ColCount() - 1, home ? FixedRows() : RowCount() - 1, true);
        MoveToBaseCell();
        return true;
    case THomeEndAction::heFirstLastRow: {
        if (ctrl || onlyFixed)
            return false;
        const int startRow = Row();
        const int oldLeft = LeftCol();
        const bool footer = d->Order.FFloatingFooter->Visible();
        int row = FixedRows();
        if (!home) {
            row = footer && RowCount() > 2 ? RowCount() - 2 : RowCount() - d->Shared.FFixedFooters - 1;
            if (d->Shared.FFixedFooters > 0 && !footer)
                SetTopRow(RowCount() - VisibleRowCount());
        }
        if (shift) {
            SetSelection({0, std::min(startRow, row), ColCount() - 1, std::max(startRow, row)});
        } else {
            FocusCell(Col(), row, true);
            MoveToBaseCell();
        }
        if (!home && footer)
            SetTopRow(RowCount() - VisibleRowCount());
        if (d->Shared.FMouseActions->DisjunctRowSelect()) {
            if (!shift)
                ClearRowSelect();
            SelectionToRowSelect(false);
        }
        if (Options().testFlag(TGridOption::goRowSelect) && d->Shared.FNavigation->KeepHorizScroll())
            SetLeftCol(oldLeft);
        return true;
    }
    case THomeEndAction::heFirstLastColumn:
        if (ctrl) {
            if (!home)
                return false;
            const int row = FixedRows();
            FocusCell(std::max(FixedCols(), FirstSelectableCol(row)), row, true);
            MoveToBaseCell();
            SetLeftCol(TabStartCol());
            return true;
        }
        if (Options().testFlag(TGridOption::goRowSelect) || onlyFixed)
            return false;
        if (shift) {
            SetSelection(home ? TGridRect{FixedCols(), Row(), Col(), Row()} : TGridRect{Col(), Row(), lastNormalCol, Row()});
            return true;
        }
        if (home) {
            FocusCell(std::max(FixedCols(), FirstSelectableCol(Row())), Row(), true);
            MoveToBaseCell();
            SetLeftCol(TabStartCol());
        } else {
            FocusCell(ColCount() - 1, Row(), true);
            MoveToBaseCell();
            SetLeftCol(ColCount() - VisibleColCount());
        }
        return true;
    }
    return false;
}

// Arrow keys walk over cells the application keeps fixed inside the normal area.
bool TVxStringGrid::SkipFixedCells(std::uint16_t& Key, TShiftState Shift)
{
    int dx = 0;
    int dy = 0;
    const bool rtl = UseRightToLeftAlignment();
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
    const int minCol = FixedCols();
    const int maxCol = ColCount() - d->Shared.FFixedRightCols - 1;
    const int minRow = FixedRows();
    const int maxRow = RowCount() - d->Shared.FFixedFooters - 1;
    int c = Col() + dx;
    int r = Row() + dy;
    if (c < minCol || c > maxCol || r < minRow || r > maxRow || !IsFixed(c, r))
        return false;
    if (dy != 0 && Options().testFlag(TGridOption::goRowSelect)) {
        FocusCell(Col(), r, true);
    } else {
        while (c >= minCol && c <= maxCol && r >= minRow && r <= maxRow && IsFixed(c, r)) {
            c += dx;
            r += dy;
        }
        if (c < minCol || c > maxCol || r < minRow || r > maxRow)
            return false;
        FocusCell(c, r, true);
    }
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
    Key = 0;
    return true;
}

// Ctrl+X, Ctrl+V, Ctrl+C, Ctrl+Insert, Shift+Insert and Shift+Delete; true when the key was one of them.
bool TVxStringGrid::ClipboardShortCut(std::uint16_t Key, TShiftState Shift)
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
    const TClipboardEvent& event = action == Cut ? OnClipboardCut : action == Copy ? OnClipboardCopy : OnClipboardPaste;
    if (event)
        event(this, allow);
    if (!allow)
        return true;
    if (action == Paste)
        PasteSelectionFromClipboard();
    else if (action == Cut)
        CutSelectionToClipboard();
    else
        CopySelectionToClipboard();
    return true;
}

void TVxStringGrid::SelectAllCells()
{
    TGridRect r{TabStartCol(), FixedRows(), ColCount() - d->Shared.FFixedRightCols - 1, RowCount() - d->Shared.FFixedFooters - 1};
    if (r.Right < r.Left || r.Bottom < r.Top)
        return;
    DoKeySelectRect(r);
    SetSelection(r);
}

// A character after the key-down step; true when the grid used it.
bool TVxStringGrid::WMChar(QChar& Key)
{
    const QString text = GetCurrentCell();
    if (ClassifyCellText(text, d->Settings.EnableHTML) == TCellTextKind::ctkHtml && text.toUpper().contains(QStringLiteral("<CONTROL")))
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
        code != 27 && !ctrl && CellEditable(Col(), Row())) {
        QChar copy = Key;
        if (OnKeyPress)
            OnKeyPress(this, copy);
        d->Interaction.FStartEditChar = Key;
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
        CellEditable(Col(), Row())) {
        // The editor passes the character through KeyPress (OnKeyPress may change it) as it types it.
        d->Interaction.FStartEditChar = Key;
        ShowEditorChar(Key);
        return true;
    }
    // Enter on a cell that cannot be edited is only reported: the toolkit would open its editor.
    if (code == 13 && !CellEditable(Col(), Row())) {
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
    if (d->Shared.FNavigation->CursorMoveRows() && Shift.testFlag(TShiftStateItem::ssCtrl) && (key == VK_UP || key == VK_DOWN)) {
        MoveRowsWithCursor(key);
        Key = 0;
        return;
    }
    TBaseGrid::KeyDown(Key, Shift);
    if (d->Shared.FNavigation->CursorAdvance() != TCursorAdvance::caDefault)
        WrapCursor(key);
    if (d->Cells.FUseEnabledRows && d->Shared.FNavigation->SkipDisabledRows() && (key == VK_UP || key == VK_DOWN))
        SkipDisabledRow(key == VK_DOWN);
    if (TStringGrid* other = d->Shared.FSyncGrid->Grid()) {
        if (d->Shared.FSyncGrid->SelectionColumn())
            other->SetCol(Col());
        if (d->Shared.FSyncGrid->SelectionRow())
            other->SetRow(Row());
    }
}

// Up and Down go on to the next enabled row when the row they reached, or stayed on, is disabled.
void TVxStringGrid::SkipDisabledRow(bool Down)
{
    if (Row() != d->Interaction.FLastKeyCell.Y && GetRowEnabled(Row()))
        return;
    const int step = Down ? 1 : -1;
    for (int r = d->Interaction.FLastKeyCell.Y + step; r >= FixedRows() && r < RowCount(); r += step)
        if (GetRowEnabled(r)) {
            FocusCell(Col(), r, true);
            return;
        }
    if (!GetRowEnabled(Row()))
        FocusCell(Col(), d->Interaction.FLastKeyCell.Y, true);
}

// Ctrl+Up and Ctrl+Down carry the selected rows one row along.
void TVxStringGrid::MoveRowsWithCursor(std::uint16_t Key)
{
    const TGridRect s = Selection();
    const bool down = Key == VK_DOWN;
    if (down ? s.Bottom >= RowCount() - 1 : s.Top <= FixedRows())
        return;
    if (s.Top == s.Bottom) {
        MoveRow(s.Top, s.Top + (down ? 1 : -1));
        return;
    }
    // The row next to the block goes to its other side.
    if (down)
        MoveRow(s.Bottom + 1, s.Top);
    else
        MoveRow(s.Top - 1, s.Bottom);
    const int shift = down ? 1 : -1;
    SetSelection({FixedCols(), s.Top + shift, ColCount() - 1, s.Bottom + shift});
}

// Navigation.CursorAdvance: arrows at an edge go round (snake: into the next or previous row or column).
void TVxStringGrid::WrapCursor(std::uint16_t Key)
{
    const bool snake = d->Shared.FNavigation->CursorAdvance() == TCursorAdvance::caSnake;
    const TGridCoord was = d->Interaction.FLastKeyCell;
    const int lastNormalCol = ColCount() - d->Shared.FFixedRightCols - 1;
    const int lastNormalRow = RowCount() - d->Shared.FFixedFooters - 1;
    int c = was.X;
    int r = was.Y;
    switch (Key) {
    case VK_LEFT:
        if (was.X != FixedCols())
            return;
        c = lastNormalCol;
        if (snake && r > FixedRows())
            --r;
        break;
    case VK_UP:
        if (was.Y != FixedRows())
            return;
        r = lastNormalRow;
        if (snake && c > FixedCols())
            --c;
        break;
    case VK_RIGHT:
        if (was.X != ColCount() - 1)
            return;
        c = FixedCols();
        if (snake && r < lastNormalRow)
            ++r;
        break;
    case VK_DOWN:
        if (was.Y != RowCount() - 1)
            return;
        r = FixedRows();
        if (snake && c < lastNormalCol)
            ++c;
        break;
    default:
        return;
    }
    FocusCell(c, r, true);
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
        FireSelectionChanged();
}
