// The release of the left button (end of fixed sizing, pushed buttons, the resizer's paste, the header sort), the
// grid's mouse-down and mouse-up steps over the toolkit's, the double click and the right button.
#include "grid/core/RowSorter.h"
#include "grid/core/SortSettings.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/model/GridGrouping.h"
#include "grid/model/GridText.h"
#include "grid/model/IntList.h"
#include "grid/paint/ControlLook.h"
#include <QElapsedTimer>
#include <QToolTip>
#include <algorithm>

namespace {

constexpr int kBorderReach = 4;

} // namespace

// ---- release of the left button

// The width or height is where the line was let go less what lies before it, never below 0: the events are told
// the size the column or row really takes.
void TVxStringGridPrivate::FinishFixedSizing(int X, int Y)
{
    if (Mouse.FSizingFixed) {
        Mouse.FSizeFixed = Mouse.FSizingFixed = false;
        if (Mouse.FSizingFixedCol >= 0) {
            int before = 0;
            for (int c = 0; c < Mouse.FSizingFixedCol; ++c)
                before += q->ColWidths(c);
            int width = std::max(0, X - before);
            q->SetColWidths(Mouse.FSizingFixedCol, width);
            if (q->OnEndColumnSize)
                q->OnEndColumnSize(q, Mouse.FSizingFixedCol);
            if (q->OnUpdateColumnSize) {
                const int asked = width;
                q->OnUpdateColumnSize(q, Mouse.FSizingFixedCol, width);
                if (width != asked)
                    q->SetColWidths(Mouse.FSizingFixedCol, std::max(0, width));
            }
        }
        q->viewport()->update();
    }
    if (Mouse.FSizingFixedR) {
        Mouse.FSizeFixedR = Mouse.FSizingFixedR = false;
        if (Mouse.FSizingFixedRow >= 0) {
            int before = 0;
            for (int r = 0; r < Mouse.FSizingFixedRow; ++r)
                before += q->RowHeights(r);
            q->SetRowHeights(Mouse.FSizingFixedRow, std::max(0, Y - before));
            if (q->OnEndRowSize)
                q->OnEndRowSize(q, Mouse.FSizingFixedRow);
        }
        q->viewport()->update();
    }
}

void TVxStringGridPrivate::ReleaseSort(int ACol, int ARow, int X, TShiftState Shift)
{
    const int realCol = q->RealColIndex(ACol);
    bool state = false;
    if (q->OnCheckBoxMouseUp && q->GetCheckBoxState(realCol, q->RealRowIndex(ARow), state))
        q->OnCheckBoxMouseUp(q, realCol, ARow, state);
    if (Mouse.FDblClk) {
        Mouse.FDblClk = false;
        return;
    }
    const TRect r = q->CellRect(ACol, ARow);
    if (ARow == 0 && q->Options().testFlag(TGridOption::goColSizing) &&
        (X < r.Left + kBorderReach || X > r.Right - kBorderReach))
        return;
    TSortSettings& sort = *Order.FSortSettings;
    const bool byPosition = sort.Row() == ARow && Mouse.FPressRow == ARow && q->FixedRows() > 0 && sort.Show() &&
                            !q->HasCheckBox(realCol, ARow) && !Mouse.ColMoveFlg && q->RowCount() > 2;
    bool wanted = byPosition && Shared.FIgnoreColumns->IndexOf(ACol) < 0;
    if (wanted && q->OnCanSort)
        q->OnCanSort(q, ACol, wanted);
    if (!wanted) {
        if (byPosition)
            q->RepaintCell(ACol, sort.Row());
        return;
    }
    q->HideInplaceEdit();
    if (q->SortRowXRef().Count() != q->RowCount())
        q->InitSortXRef();
    const bool keepLeft = Shared.FNavigation->KeepHorizScroll() && q->Options().testFlag(TGridOption::goRowSelect);
    const int left = q->LeftCol();
    if (keepLeft)
        q->BeginUpdate();
    QElapsedTimer timer;
    timer.start();
    try {
        const bool ascending = sort.InitSortDirection() == TSortDirection::sdAscending;
        if (sort.IndexShow()) {
            TSortIndexList& indexes = q->SortIndexes();
            const bool key = sort.IndexSortKey() == TIndexSortKey::ikCtrl ? Shift.testFlag(TShiftStateItem::ssCtrl)
                                                                           : Shift.testFlag(TShiftStateItem::ssShift);
            if (key) {
                if (indexes.FindIndex(ACol) < 0)
                    indexes.AddIndex(ACol, ascending);
                else
                    indexes.ToggleIndex(ACol);
            } else if (indexes.Count() == 1 && indexes.FindIndex(ACol) == 0) {
                indexes.ToggleIndex(ACol);
            } else {
                indexes.Clear();
                indexes.AddIndex(ACol, ascending);
            }
            q->QSortIndexed();
            sort.SetColumn(indexes.Count() > 0 ? indexes.SortColumns(0) : -1);
        } else if (ACol == sort.Column()) {
            const TSortDirection before = sort.Direction();
            sort.SetDirection(before == TSortDirection::sdAscending ? TSortDirection::sdDescending
                                                                     : TSortDirection::sdAscending);
            if (before != sort.InitSortDirection() && sort.UndoSort()) {
                q->QUnSort();
                sort.SetColumn(-1);
            } else {
                q->QSort();
            }
        } else {
            sort.SetDirection(sort.InitSortDirection());
            sort.SetColumn(ACol);
            q->QSort();
        }
    } catch (...) {
        if (keepLeft) {
            q->SetLeftCol(left);
            q->EndUpdate();
        }
        throw;
    }
    if (keepLeft) {
        q->SetLeftCol(left);
        q->EndUpdate();
    }
    Mouse.FSortTime = std::uint32_t(timer.elapsed());
    q->DoClickSort(sort.Column());
}

void TVxStringGrid::WMLButtonUp(TWMMouse& Message)
{
    const int X = Message.XPos;
    const int Y = Message.YPos;
    d->Mouse.ColMoveFlg = false;
    d->Sizing.FColSizeFlg = GridState() == TGridState::gsColSizing;
    d->Mouse.FMouseKeepDown = d->Mouse.FMouseDownMove = false;
    d->Mouse.FMouseSelectMode = TMouseSelectMode::msNormal;
    d->Mouse.FMouseSelectStart = -1;
    d->FinishFixedSizing(X, Y);
    if (d->Mouse.FFixedCellPushed) {
        d->Mouse.FFixedCellPushed = false;
        if (d->Mouse.FPushedCellButton.X >= 0)
            RepaintCell(d->Mouse.FPushedCellButton.X, d->Mouse.FPushedCellButton.Y);
    }
    const TGridCoord hit = MouseCoord(X, Y);
    const int ACol = hit.X;
    const int ARow = hit.Y;
    const bool valid = ACol >= 0 && ARow >= 0;
    bool onButton = false;
    if (d->Mouse.FPushedCellButton.X >= 0) {
        const TPoint pushed = d->Mouse.FPushedCellButton;
        const bool fixedCol = pushed.X < FixedCols();
        const bool fixedRow = pushed.Y < FixedRows();
        const bool enabled = Options().testFlag(TGridOption::goEditing) ||
                             (valid && !d->Shared.FControlLook->NoDisabledButtonLook() && d->CellEditable(ACol, ARow));
        if (valid && (enabled || d->Shared.FControlLook->NoDisabledButtonLook() || fixedCol || fixedRow)) {
            onButton = !fixedCol && !fixedRow && TPoint{BaseCell(ACol, ARow)} == pushed;
            if ((onButton && HasButton(RealColIndex(pushed.X), pushed.Y)) || (d->Settings.FixedAsButtons && fixedCol) ||
                fixedRow)
                DoButtonClick(pushed.X, pushed.Y);
        }
        d->Mouse.FPushedCellButton = Point(-1, -1);
    }
    if (!d->Mouse.FSizingHint.isEmpty()) {
        d->Mouse.FSizingHint.clear();
        QToolTip::hideText();
    }
    if (onButton)
        return;
    if (d->Mouse.FDoOnClick && OnClick && valid && (ARow < FixedRows() || ACol < FixedCols()) &&
        !(ARow < FixedRows() && Options().testFlag(TGridOption::goColSizing) &&
          viewport()->cursor().shape() == Qt::SplitHCursor))
        OnClick(this);
    d->Mouse.FDoOnClick = false;
    if (valid && d->OleDragNotStarted(ACol, ARow, Message.Keys, X, Y))
        return;

    bool deselected = false;
    if (d->Shared.FMouseActions->DisjunctRowSelect() && valid && !(ACol == 0 && IsNode(ARow))) {
        if (!(ACol == 0 && d->Shared.FMouseActions->HotmailRowSelect()))
            SelectionToRowSelect(false);
        if (d->Mouse.FDeselectState && ARow >= FixedRows() && ARow < RowCount() - FixedFooters()) {
            SetRowSelect(d->Shared.FMouseActions->RowSelectPersistent() ? RealRowIndex(ARow) : ARow, false);
            deselected = true;
        }
        d->Mouse.FDeselectState = false;
    }
    // A click on an open group's header takes the whole group.
    if (valid && ACol > 0 && d->Order.FGrouping->AutoSelectGroup() && IsNode(ARow) && !GetNodeState(ARow)) {
        const int span = GetNodeSpan(ARow);
        // Done selecting: the toolkit's release must not stretch the selection back to the pointer.
        if (GridState() == TGridState::gsSelecting) {
            SetGridState(TGridState::gsNormal);
            Click();
        }
        if (d->Shared.FMouseActions->DisjunctRowSelect()) {
            for (int r = ARow + 1; r < ARow + span; ++r)
                SetRowSelect(RealRowIndex(r), true);
        } else {
            SetSelection(TGridRect{FixedCols(), ARow, ColCount() - FixedRightCols() - 1,
                                   std::min(ARow + span - 1, RowCount() - 1)});
        }
    }
    if (d->Shared.FMouseActions->DisjunctColSelect()) {
        SelectionToColSelect(false);
        if (d->Mouse.FDeselectState && ACol >= FixedCols() && ACol < ColCount() - FixedRightCols())
            SetColSelect(ACol, false);
        d->Mouse.FDeselectState = false;
    }
    MouseUp(TMouseButton::mbLeft, Message.Keys, X, Y);
    if (deselected)
        d->Cells.FSelChange = false;
    if (GridState() == TGridState::gsSelecting)
        SetGridState(TGridState::gsNormal);
    if (d->Mouse.FMouseResize) {
        const TGridRect now = Selection();
        if (OnSelectionResize)
            OnSelectionResize(this, d->Aux.FDropSelection, now);
        d->PasteResizerBlock();
        d->Mouse.FMouseResize = false;
        d->Mouse.FResizerBlock.clear();
        if (OnSelectionResized)
            OnSelectionResized(this, d->Aux.FDropSelection, Selection());
    }
    if (d->Mouse.ColMoveFlg || d->Sizing.FColSizeFlg || !valid ||
        (ACol < FixedCols() && !d->Order.FSortSettings->FixedCols()))
        return;
    d->ReleaseSort(ACol, ARow, X, Message.Keys);
}

// ---- the grid's mouse-down and mouse-up steps

void TVxStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const TGridCoord hit = MouseCoord(X, Y);
    const bool left = Button == TMouseButton::mbLeft;
    if (d->Shared.FMouseActions->RangeSelectAndEdit() && left && !d->Shared.FMouseActions->EditOnDblClickOnly() &&
        !Shift.testFlag(TShiftStateItem::ssDouble)) {
        const bool editing = Options().testFlag(TGridOption::goEditing);
        const bool current = hit.X == Col() && hit.Y == Row();
        if (current && !editing && d->CellEditable(hit.X, hit.Y)) {
            SetOptions(Options() | TGridOption::goEditing);
            TBaseGrid::MouseDown(Button, Shift, X, Y);
            ShowInplaceEdit();
            return;
        }
        if (!current && Shift.testFlag(TShiftStateItem::ssShift) && editing) {
            SetOptions(Options() & ~TGridOptions(TGridOption::goEditing));
            TBaseGrid::MouseDown(Button, Shift, X, Y);
            return;
        }
    }
    TBaseGrid::MouseDown(Button, Shift, X, Y);
    if (Shift.testFlag(TShiftStateItem::ssShift) && d->Settings.SelectionRectangle)
        InvalidateGridRect(Selection());
    if (hit.X < 0 || hit.Y < 0)
        return;
    const bool fixedRow = hit.Y < FixedRows(), fixedCol = hit.X < FixedCols();
    auto chosen = [&](TGridFixedCellEdit How) {
        return (fixedRow && d->Shared.FMouseActions->FixedRowsEdit() == How) ||
               (fixedCol && d->Shared.FMouseActions->FixedColsEdit() == How);
    };
    if (left && chosen(TGridFixedCellEdit::fceLeftClick)) {
        // Where sizing is on, a press near a border sizes instead.
        const bool sizing = (fixedRow && Options().testFlag(TGridOption::goColSizing)) ||
                            (fixedCol && Options().testFlag(TGridOption::goRowSizing));
        const TRect r = CellRect(hit.X, hit.Y);
        if (!sizing || (X >= r.Left + 4 && X < r.Right - 4 && Y >= r.Top + 4 && Y < r.Bottom - 4))
            EditFixedCell(hit.X, hit.Y);
    } else if (Button == TMouseButton::mbRight && chosen(TGridFixedCellEdit::fceRightClick)) {
        EditFixedCell(hit.X, hit.Y);
    }
}

// Cells picked one by one; false when the cell may not be selected, which ends the release.
void TVxStringGridPrivate::DisjunctCellRelease(int ACol, int ARow, TShiftState Shift)
{
    const TPoint c = q->BaseCell(ACol, ARow);
    const bool ctrl = Shift.testFlag(TShiftStateItem::ssCtrl);
    if (!q->IsFixed(c.X, c.Y)) {
        if (Shift.testFlag(TShiftStateItem::ssShift)) {
            q->SetSelectedCells(ACol, ARow, true);
        } else if (ctrl) {
            q->SetSelectedCells(c.X, c.Y, !q->GetSelectedCells(c.X, c.Y));
        } else {
            for (const TGridCoord& cell : Mouse.FSelectedCells)
                q->RepaintCell(cell.X, cell.Y);
            Mouse.FSelectedCells.clear();
            q->SetSelectedCells(c.X, c.Y, true);
        }
    } else if (!ctrl && !q->IsFixed(ACol, ARow)) {
        Mouse.FSelectedCells.clear();
        q->Invalidate();
    }
    const TGridRect s = q->Selection();
    if (s.Left != s.Right || s.Top != s.Bottom)
        for (int col = s.Left; col <= s.Right; ++col)
            for (int row = s.Top; row <= s.Bottom; ++row)
                if (TGridCoord{col, row} != TGridCoord{c.X, c.Y})
                    q->SetSelectedCells(col, row, true);
    q->RepaintCell(ACol, ARow);
}

void TVxStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const TGridRect before = Selection();
    const TGridCoord hit = MouseCoord(X, Y);
    if (Button == TMouseButton::mbLeft)
        d->FilterDropDownRelease(X, Y);
    // Let go beyond the grid, a sizing is dropped.
    if ((GridState() == TGridState::gsColSizing && X > ClientWidth()) ||
        (GridState() == TGridState::gsRowSizing && Y > ClientHeight())) {
        SetGridState(TGridState::gsNormal);
        return;
    }
    if (d->Shared.FMouseActions->DisjunctCellSelect() && Button == TMouseButton::mbLeft && hit.X >= 0 && hit.Y >= 0) {
        const TPoint c = BaseCell(hit.X, hit.Y);
        bool canSelect = true;
        if (!IsFixed(c.X, c.Y) && OnSelectCell)
            OnSelectCell(this, c.X, c.Y, canSelect);
        if (!canSelect)
            return;
        d->DisjunctCellRelease(hit.X, hit.Y, Shift);
    }
    if (GridState() == TGridState::gsColMoving && Button == TMouseButton::mbRight)
        return;
    TBaseGrid::MouseUp(Button, Shift, X, Y);
    const TGridRect s = Selection();
    if (s != before)
        DoSelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
}

// ---- double click

void TVxStringGrid::WMLButtonDblClk(TWMMouse& Message)
{
    const int X = Message.XPos;
    const int Y = Message.YPos;
    TGridCoord hit = MouseCoord(X, Y);
    d->Mouse.FPressRow = hit.Y;   // the double click stands for the second press
    auto inherited = [&] { MouseDown(TMouseButton::mbLeft, Message.Keys | TShiftStateItem::ssDouble, X, Y); };
    if (hit.X == -1) {
        if (d->Shared.FFixedRowAlways) {
            inherited();
            return;
        }
        hit = {ColCount() - 1, 0};
    }
    const int ACol = hit.X;
    const int ARow = hit.Y;
    if (ARow < 0)
        return;
    if (ARow < FixedRows() && Options().testFlag(TGridOption::goColSizing) &&
        d->Shared.FMouseActions->AutoSizeColOnDblClick()) {
        const TRect r = CellRect(ACol, ARow);
        auto autoSize = [this](int c) {
            bool allow = true;
            if (OnColumnSize)
                OnColumnSize(this, c, allow);
            if (allow) {
                AutoSizeCol(c, 0);
                if (OnEndColumnSize)
                    OnEndColumnSize(this, c);
            }
        };
        if (X - r.Left <= 3) {
            d->Mouse.FDblClk = true;
            if (ACol - 1 >= FixedCols()) {
                autoSize(ACol - 1);
                inherited();
                return;
            }
        } else if (r.Right - X <= 3 && ACol >= FixedCols()) {
            d->Mouse.FDblClk = true;
            autoSize(ACol);
            return;
        }
    }
    const int realCol = RealColIndex(ACol);
    if (HasButton(realCol, ARow) || HasExpand(realCol, ARow))
        return;
    if (HasClickableGraphic(realCol, ARow)) {
        inherited();
        return;
    }
    inherited();
    if (OnDblClickCell)
        OnDblClickCell(this, ARow, ACol);
    if (d->Shared.FMouseActions->EditOnDblClickOnly()) {
        const bool range = d->Shared.FMouseActions->RangeSelectAndEdit();
        d->Shared.FMouseActions->SetRangeSelectAndEdit(true);
        if (d->CellEditable(ACol, ARow)) {
            SetOptions(Options() | TGridOption::goEditing);
            ShowInplaceEdit();
        }
        d->Shared.FMouseActions->SetRangeSelectAndEdit(range);
    } else if (d->Shared.FMouseActions->RangeSelectAndEdit() && ACol < ColCount() && ARow < RowCount() &&
               d->CellEditable(ACol, ARow)) {
        SetOptions(Options() | TGridOption::goEditing);
        const TPoint b = BaseCell(ACol, ARow);
        const TRect r = CellRect(b.X, b.Y);
        MouseDown(TMouseButton::mbLeft, {}, r.Left + 4, r.Top + 4);
    }
    if ((ARow < FixedRows() && d->Shared.FMouseActions->FixedRowsEdit() == TGridFixedCellEdit::fceDblClick) ||
        (ACol < FixedCols() && d->Shared.FMouseActions->FixedColsEdit() == TGridFixedCellEdit::fceDblClick))
        EditFixedCell(ACol, ARow);
}

// ---- right button

void TVxStringGrid::WMRButtonDown(TWMMouse& Message)
{
    const int X = Message.XPos;
    const int Y = Message.YPos;
    MouseDown(TMouseButton::mbRight, Message.Keys, X, Y);
    const TGridCoord hit = MouseCoord(X, Y);
    if (hit.X < 0 || hit.Y < 0)
        return;
    const int ACol = hit.X;
    const int ARow = hit.Y;
    if (d->Shared.FMouseActions->SelectOnRightClick() && !IsFixed(ACol, ARow) &&
        !(d->Shared.FMouseActions->DisjunctCellSelect() && GetSelectedCells(ACol, ARow))) {
        if (!HasClickableGraphic(RealColIndex(ACol), ARow)) {
            if (OnRightClickCell) {
                FocusCell(ACol, ARow);
            } else {
                MouseDown(TMouseButton::mbLeft, {}, X, Y);
                MouseUp(TMouseButton::mbLeft, {}, X, Y);
            }
        }
        if (Selection().Contains(ACol, ARow)) {
            bool canSelect = true;
            if (OnSelectCell)
                OnSelectCell(this, ACol, ARow, canSelect);
        } else {
            const TPoint b = BaseCell(ACol, ARow);
            const int left = LeftCol();
            const bool keepLeft = d->Shared.FNavigation->KeepHorizScroll();
            if (keepLeft)
                BeginUpdate();
            FocusCell(b.X, b.Y);
            if (keepLeft) {
                SetLeftCol(left);
                EndUpdate();
            }
        }
        if (d->Shared.FMouseActions->DisjunctRowSelect()) {
            const bool ctrl = Message.Keys.testFlag(TShiftStateItem::ssCtrl);
            if (ctrl || d->Shared.FMouseActions->DisjunctRowSelectNoCtrl()) {
                SetRowSelect(ARow, !GetRowSelect(ARow));
            } else if (!(GetRowSelectCount() > 1 && contextMenuPolicy() != Qt::NoContextMenu && GetRowSelect(ARow))) {
                ClearRowSelect();
                SetRowSelect(ARow, true);
            }
        }
    }
    if (OnRightClickCell)
        OnRightClickCell(this, ARow, ACol);
    if (d->Settings.URLShow && d->Settings.URLEdit && HasUrlScheme(GetCellEx(RealColIndex(ACol), ARow))) {
        FocusCell(ACol, ARow);
        ShowInplaceEdit();
    }
}

void TVxStringGrid::WMRButtonUp(TWMMouse& Message)
{
    MouseUp(TMouseButton::mbRight, Message.Keys, Message.XPos, Message.YPos);
}
