// The left-button press: a chain of hit tests in a fixed order, the first that claims the press ends it; what no
// test claims reaches the toolkit grid's own handling (current cell, range selection, sizing, moving). Also the
// one place Qt's mouse events on the viewport are turned into the grid's mouse handlers.
#include "grid/core/VxStringGridPrivate.h"
#include "grid/core/FloatingFooter.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/model/GridText.h"
#include "grid/foundation/MiniHtmlRender.h"
#include "grid/paint/ControlLook.h"
#include "platform/LinkOpener.h"
#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QStyleHints>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kResizerSquare = 6;
constexpr int kFixedBorderReach = 3;

TShiftState KeysOf(const QMouseEvent* e)
{
    return ShiftStateFromQt(e->modifiers(), e->buttons());
}

// One modifier stands for the press: Alt before Shift before Ctrl.
TShiftState PressModifier(TShiftState Keys)
{
    for (TShiftStateItem k : {TShiftStateItem::ssAlt, TShiftStateItem::ssShift, TShiftStateItem::ssCtrl})
        if (Keys.testFlag(k))
            return k;
    return {};
}

} // namespace

// ---- dispatch

bool TVxStringGridPrivate::MouseEvent(QEvent* e)
{
    const QEvent::Type type = e->type();
    if (type == QEvent::Leave) {
        q->CMMouseLeave();
        return false;
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(e);
    const QPoint p = mouse->position().toPoint();
    TWMMouse message{p.x(), p.y(), KeysOf(mouse), 0};
    const Qt::MouseButton button = mouse->button();
    switch (type) {
    case QEvent::MouseMove:
        q->MouseMove(message.Keys, p.x(), p.y());
        break;
    case QEvent::MouseButtonPress: {
        // The second press of a double click comes just before the double click itself, which stands for it.
        const qint64 t = qint64(mouse->timestamp());
        const QPoint moved = p - Mouse.FLastPressPos;
        const bool secondOfDouble =
            button == Mouse.FLastPressButton && Mouse.FLastPressTime >= 0 &&
            t - Mouse.FLastPressTime < QGuiApplication::styleHints()->mouseDoubleClickInterval() &&
            moved.manhattanLength() <= QGuiApplication::styleHints()->mouseDoubleClickDistance();
        Mouse.FLastPressTime = secondOfDouble ? -1 : t;
        Mouse.FLastPressPos = p;
        Mouse.FLastPressButton = button;
        if (secondOfDouble)
            break;
        if (button == Qt::LeftButton)
            q->WMLButtonDown(message);
        else if (button == Qt::RightButton)
            q->WMRButtonDown(message);
        else
            q->MouseDown(TMouseButton::mbMiddle, message.Keys, p.x(), p.y());
        break;
    }
    case QEvent::MouseButtonDblClick:
        Mouse.FLastPressTime = -1;
        if (button == Qt::LeftButton)
            q->WMLButtonDblClk(message);
        else if (button == Qt::RightButton)
            q->WMRButtonDown(message);
        break;
    default:
        if (button == Qt::LeftButton)
            q->WMLButtonUp(message);
        else if (button == Qt::RightButton)
            q->WMRButtonUp(message);
        else
            q->MouseUp(TMouseButton::mbMiddle, message.Keys, p.x(), p.y());
        break;
    }
    return true;
}

// ---- disjunct cell selection

bool TVxStringGrid::GetSelectedCells(int ACol, int ARow) const
{
    if (d->Shared.FMouseActions->DisjunctCellSelect())
        return std::find(d->Mouse.FSelectedCells.begin(), d->Mouse.FSelectedCells.end(), TGridCoord{ACol, ARow}) !=
               d->Mouse.FSelectedCells.end();
    const TGridRect s = Selection();
    return ACol >= std::min(s.Left, s.Right) && ACol <= std::max(s.Left, s.Right) &&
           ARow >= std::min(s.Top, s.Bottom) && ARow <= std::max(s.Top, s.Bottom);
}

void TVxStringGrid::SetSelectedCells(int ACol, int ARow, bool Value)
{
    const auto at = std::find(d->Mouse.FSelectedCells.begin(), d->Mouse.FSelectedCells.end(), TGridCoord{ACol, ARow});
    if (Value == (at != d->Mouse.FSelectedCells.end()))
        return;
    if (Value)
        d->Mouse.FSelectedCells.push_back({ACol, ARow});
    else
        d->Mouse.FSelectedCells.erase(at);
    RepaintCell(ACol, ARow);
}

int TVxStringGrid::SelectedCellsCount()
{
    if (!d->Shared.FMouseActions->DisjunctCellSelect()) {
        d->Mouse.FSelectedCells.clear();
        const TGridRect s = Selection();
        if (s.Left == s.Right && s.Top == s.Bottom)
            d->Mouse.FSelectedCells.push_back({Col(), Row()});
        else
            for (int c = s.Left; c <= s.Right; ++c)
                for (int r = s.Top; r <= s.Bottom; ++r)
                    d->Mouse.FSelectedCells.push_back({c, r});
    }
    return int(d->Mouse.FSelectedCells.size());
}

void TVxStringGrid::ClearSelectedCells()
{
    SetSelection({FixedCols(), FixedRows(), FixedCols(), FixedRows()});
    d->Mouse.FSelectedCells.clear();
    Invalidate();
}

// ---- hooks of the press

void TVxStringGrid::DoCheckBoxClick(int ACol, int ARow, bool State)
{
    if (OnCheckBoxClick)
        OnCheckBoxClick(this, ACol, ARow, State);
}

void TVxStringGrid::DoClickSort(int ACol)
{
    if (OnClickSort)
        OnClickSort(this, ACol);
}

// ---- selection resizer: the small square at the selection's bottom-right corner

bool TVxStringGridPrivate::OnSelectionResizer(int X, int Y)
{
    if (!Settings.SelectionResizer || !Settings.SelectionRectangle)
        return false;
    const TGridRect s = q->Selection();
    const TRect r = q->CellRect(s.Right, s.Bottom);
    if (r.IsEmpty())
        return false;
    const int left = q->UseRightToLeftAlignment() ? r.Left : r.Right - kResizerSquare;
    return X >= left && X < left + kResizerSquare && Y >= r.Bottom - kResizerSquare && Y < r.Bottom;
}

// The block is kept in the grid itself for the paste at the release: the clipboard may change meanwhile.
void TVxStringGridPrivate::GrabResizer(int X, int Y, TShiftState Shift, bool HeldBack)
{
    q->SetGridState(TGridState::gsSelecting);
    Aux.FDropSelection = q->Selection();
    Mouse.FResizerBlock.clear();
    QStringList lines;
    for (int r = Aux.FDropSelection.Top; r <= Aux.FDropSelection.Bottom; ++r) {
        QStringList cells;
        for (int c = Aux.FDropSelection.Left; c <= Aux.FDropSelection.Right; ++c)
            cells << q->Cells(q->RealColIndex(c), r);
        lines << cells.join(QLatin1Char('\t'));
        Mouse.FResizerBlock.push_back(cells);
    }
    QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
    Mouse.FMouseResize = true;
    if (!HeldBack) {
        const TGridRect sel = q->Selection();
        q->TBaseGrid::MouseDown(TMouseButton::mbLeft, Shift, X, Y);
        q->TBaseGrid::SetSelection(sel);
        q->SetGridState(TGridState::gsSelecting);
    }
    q->MouseMove({}, X, Y);
}

// Fills the new selection with the grabbed block, repeated; the grabbed cells keep their texts.
void TVxStringGridPrivate::PasteResizerBlock()
{
    if (Mouse.FResizerBlock.empty() || Mouse.FResizerBlock.front().isEmpty())
        return;
    const TGridRect s = q->Selection();
    const int h = int(Mouse.FResizerBlock.size());
    const int w = int(Mouse.FResizerBlock.front().size());
    for (int r = s.Top; r <= s.Bottom; ++r)
        for (int c = s.Left; c <= s.Right; ++c) {
            if (Aux.FDropSelection.Contains(c, r) || q->IsFixed(c, r) || q->ReadOnly(q->RealColIndex(c), r))
                continue;
            const int br = ((r - Aux.FDropSelection.Top) % h + h) % h;
            const int bc = ((c - Aux.FDropSelection.Left) % w + w) % w;
            q->SetCells(q->RealColIndex(c), r, Mouse.FResizerBlock[std::size_t(br)][bc]);
        }
    q->CellsChanged(Rect(q->RealColIndex(s.Left), s.Top, q->RealColIndex(s.Right), s.Bottom));
}

// ---- the press

int TVxStringGridPrivate::FixedBorderAt(bool Cols, int Pos)
{
    const int n = Cols ? q->FixedCols() : q->FixedRows();
    int edge = 0;
    int found = -1;
    for (int i = 0; i < n; ++i) {
        edge += Cols ? q->ColWidths(i) : q->RowHeights(i);
        if (std::abs(edge - Pos) < kFixedBorderReach)
            found = i;
    }
    return found;
}

// Fixed columns and rows are sized here: the toolkit sizes only the scrolling ones.
bool TVxStringGridPrivate::FixedSizingPress(int X, int Y)
{
    if (Mouse.FSizeFixed) {
        Mouse.FSizingFixed = true;
        Mouse.FSizeFixedX = X;
        Mouse.FSizingFixedCol = q->IsDesigning() ? -1 : FixedBorderAt(true, X);
        q->viewport()->update();
        return true;
    }
    if (Mouse.FSizeFixedR) {
        Mouse.FSizingFixedR = true;
        Mouse.FSizeFixedY = Y;
        Mouse.FSizingFixedRow = q->IsDesigning() ? -1 : FixedBorderAt(false, Y);
        q->viewport()->update();
        return true;
    }
    return false;
}

bool TVxStringGridPrivate::LinkPress(int ACol, int ARow, int RealCol, int X, int Y)
{
    const QString s = q->GetCellEx(RealCol, ARow);
    const bool html = ClassifyCellText(s, Settings.EnableHTML) == TCellTextKind::ctkHtml;
    if (!Settings.URLShow && !html)
        return false;
    QString anchor;
    if (!html) {
        if (HasUrlScheme(s))
            anchor = s;
    } else {
        TRect r = q->CellRect(ACol, ARow);
        r.Left += Shared.FXYOffset.X + 1;
        if (q->HasCheckBox(RealCol, ARow))
            r.Left += Shared.FControlLook->CheckSize();
        r.Top += Shared.FXYOffset.Y + 1;
        r.Right -= Shared.FXYOffset.X;
        TMiniHtmlParams params;
        params.Rect = r;
        params.Cache = Shared.FImageCache.get();
        params.XPos = X;
        params.YPos = Y;
        params.URLColor = Settings.URLColor;
        params.CheckHotSpot = true;
        TMiniHtmlResult result;
        TCanvas& canvas = *q->Canvas();
        canvas.Font() = q->IsFixed(ACol, ARow) ? *Shared.FFixedFont : q->Font();
        if (RenderMiniHtml(canvas, s, params, result))
            anchor = result.AnchorVal;
    }
    if (anchor.isEmpty())
        return false;
    bool autoHandle = true;
    if (q->OnAnchorClick)
        q->OnAnchorClick(q, ARow, ACol, anchor, autoHandle);
    if (!autoHandle)
        return true;
    if (!anchor.toUpper().contains(QLatin1String("CELL://"))) {
        OpenLink(anchor);
        return true;
    }
    TGridCoord cell;
    if (ParseRCReference(anchor.mid(7), cell) && cell.X >= 0 && cell.X < q->ColCount() && cell.Y >= 0 &&
        cell.Y < q->RowCount()) {
        q->FocusCell(cell.X, cell.Y, true);
        q->ScrollInView(cell.X, cell.Y);
    }
    return true;
}

bool TVxStringGridPrivate::CheckBoxPress(int ACol, int ARow, int RealCol, bool CanEdit, int X, int Y)
{
    const bool active =
        CanEdit || Shared.FControlLook->CheckAlwaysActive() || (ACol == 0 && Shared.FMouseActions->HotmailRowSelect());
    if (ACol >= q->ColCount() || ARow >= q->RowCount() || !active || !q->HasCheckBox(RealCol, ARow))
        return false;
    q->HideInplaceEdit();
    q->setFocus(Qt::MouseFocusReason);
    const int realRow = q->RealRowIndex(ARow);
    // Whether the box may change was decided above, CheckAlwaysActive included.
    q->ToggleCheck(RealCol, ARow, false);
    if (Shared.FShowModified->Enabled()) {
        q->SetRowModified(ARow, true);
        q->RepaintCell(0, ARow);
    }
    if (ACol == 0 && Shared.FMouseActions->HotmailRowSelect()) {
        q->SetSelection({q->FixedCols(), ARow, q->ColCount() - 1, ARow});
        q->SetRowSelect(ARow, !q->GetRowSelect(ARow));
        if (realRow != ARow)
            q->RepaintCell(0, ARow);
        if (q->Row() == ARow && !q->GetRowSelect(ARow)) {
            q->HideSelection();
            Shared.FSelHidden = false;
        }
    }
    bool state = false;
    q->GetCheckBoxState(RealCol, q->RealRowIndex(ARow), state);
    const bool normal = ACol >= q->FixedCols() && ARow >= q->FixedRows();
    if (!Shared.FNavigation->AlwaysEdit() && normal)
        q->MoveCurrent(ACol, ARow, true, true);
    q->DoCheckBoxClick(ACol, ARow, state);
    if (Settings.HideFocusRect)
        q->RepaintCell(ACol, ARow);
    if (ARow < q->FixedRows() && Shared.FMouseActions->CheckAllCheck()) {
        for (int r = q->FixedRows(); r < q->RowCount(); ++r) {
            if (Shared.FMouseActions->HotmailRowSelect())
                q->SetRowSelect(r, state);
            else
                q->SetCheckBoxState(q->RealColIndex(ACol), q->RealRowIndex(r), state);
        }
        q->Invalidate();
    }
    if (q->TBaseGrid::OnMouseDown)
        q->TBaseGrid::OnMouseDown(q, TMouseButton::mbLeft, ShiftStateFromQt(QApplication::keyboardModifiers()), X, Y);
    q->Click();
    return true;
}

void TVxStringGridPrivate::HeaderSelectPress(int ACol, int ARow, TShiftState Modifier, const TGridRect& OldSel)
{
    const bool shift = Modifier.testFlag(TShiftStateItem::ssShift);
    const bool rangeSelect = q->Options().testFlag(TGridOption::goRangeSelect);
    const TGridRect oldSel = q->Selection();
    auto finish = [&](int start) {
        Shared.FSelHidden = false;
        q->DoExit();
        Mouse.FMouseSelectStart = start;
        if (Shared.FActiveCellShow)
            q->RepaintCellHeaders(oldSel.Left, oldSel.Top, q->Col(), q->Row());
    };
    if (ACol < q->FixedCols() && ARow < q->FixedRows() && Shared.FMouseActions->AllSelect() && rangeSelect &&
        Mouse.FMouseSelectMode == TMouseSelectMode::msAll) {
        q->setFocus(Qt::MouseFocusReason);
        q->HideSelection();
        TGridRect r{q->FixedCols(), q->FixedRows(), q->ColCount() - 1, q->RowCount() - 1};
        q->SelectAllRect(r);
        q->SetSelection(r);
        finish(Mouse.FMouseSelectStart);
    } else if (ACol < q->FixedCols() && ARow >= q->FixedRows() && Shared.FMouseActions->RowSelect() &&
               Mouse.FMouseSelectMode == TMouseSelectMode::msRow) {
        if (q->EditorMode())
            q->setFocus(Qt::MouseFocusReason);
        q->HideSelection();
        if (Shared.FMouseActions->DisjunctCellSelect())
            Mouse.FSelectedCells.clear();
        const int top = shift ? std::min(ARow, OldSel.Top) : ARow;
        const int bottom = shift ? std::max(ARow, OldSel.Top) : ARow;
        q->SetSelection({q->FixedCols(), top, q->ColCount() - 1, bottom});
        finish(ARow);
        if (q->RowIndicator().Empty())
            q->RepaintCol(0);
    } else if (ARow < q->FixedRows() && ACol >= q->FixedCols() && Shared.FMouseActions->ColSelect() && rangeSelect &&
               Mouse.FMouseSelectMode == TMouseSelectMode::msColumn) {
        q->setFocus(Qt::MouseFocusReason);
        q->HideSelection();
        if (Shared.FMouseActions->DisjunctCellSelect())
            Mouse.FSelectedCells.clear();
        int left = ACol;
        int right = ACol;
        if (shift) {
            if (ACol < OldSel.Left)
                right = OldSel.Right;
            else
                left = OldSel.Left;
        }
        q->SetSelection({left, q->FixedRows(), right, q->RowCount() - 1});
        finish(ACol);
    }
}

// A press that opens the editor at once (direct editing), after the toolkit has moved the current cell.
void TVxStringGridPrivate::DirectEditPress(int ACol, int ARow, int X, bool CanEdit, bool Combo)
{
    const TRect r = q->CellRect(ACol, ARow);
    const bool inside = X >= r.Left + 4 && X <= r.Right - 4;
    const bool editOnDbl = Shared.FMouseActions->EditOnDblClickOnly() && Combo;
    const bool direct = Shared.FMouseActions->DirectEdit() || (Shared.FControlLook->DropDownAlwaysVisible() && Combo);
    const bool normal = ACol >= q->FixedCols() && ARow >= q->FixedRows();
    if (!inside || !normal || !(CanEdit || editOnDbl) || !direct || q->HasClickableGraphic(q->RealColIndex(ACol), ARow))
        return;
    if (editOnDbl && !q->Options().testFlag(TGridOption::goEditing)) {
        q->SetOptions(q->Options() | TGridOption::goEditing);
        q->setFocus(Qt::MouseFocusReason);
    }
    bool allow = true;
    if (ARow != q->Row() && q->OnRowChanging)
        q->OnRowChanging(q, q->Row(), ARow, allow);
    if (ACol != q->Col() && q->OnColChanging)
        q->OnColChanging(q, q->Col(), ACol, allow);
    if ((ARow != q->Row() || ACol != q->Col()) && q->OnCellChanging)
        q->OnCellChanging(q, q->Row(), q->Col(), ARow, ACol, allow);
    if (!allow)
        return;
    const TPoint b = q->BaseCell(ACol, ARow);
    q->FocusCell(b.X, b.Y);
    q->ShowInplaceEdit();
}

void TVxStringGrid::WMLButtonDown(TWMMouse& Message)
{
    const int X = Message.XPos;
    const int Y = Message.YPos;
    d->Mouse.FDoOnClick = d->Mouse.FMouseDownMove = d->Mouse.FMouseKeepDown = true;
    bool selectAfter = false;
    TGridCoord hit = MouseCoord(X, Y);
    int ACol = hit.X;
    int ARow = hit.Y;
    const TGridRect oldSel = Selection();
    d->Mouse.FPressRow = ARow;
    auto inherited = [&] { MouseDown(TMouseButton::mbLeft, Message.Keys, X, Y); };

    if (d->OnSelectionResizer(X, Y)) {
        d->GrabResizer(X, Y, Message.Keys,
                    Options().testFlag(TGridOption::goEditing) || d->Shared.FMouseActions->RangeSelectAndEdit());
        Message.Result = 1;
        return;
    }
    if (Options().testFlag(TGridOption::goEditing) && d->Shared.FMouseActions->RangeSelectAndEdit() &&
        !oldSel.Contains(ACol, ARow))
        SetOptions(Options() & ~TGridOptions(TGridOption::goEditing));
    bool allow = true;
    if (OnCanClickCell)
        OnCanClickCell(this, ARow, ACol, allow);
    if (!allow)
        return;
    if (d->Mouse.FMouseSelectMode == TMouseSelectMode::msResize) {
        d->GrabResizer(X, Y, Message.Keys, Options().testFlag(TGridOption::goEditing));
        return;
    }

    const TShiftState modifier = PressModifier(Message.Keys);
    const bool ctrl = modifier.testFlag(TShiftStateItem::ssCtrl);
    if (d->Shared.FMouseActions->DisjunctCellSelect() && !ctrl && !IsFixed(ACol, ARow)) {
        d->Mouse.FSelectedCells.clear();
        Invalidate();
    }
    SetSearchInc(QString());
    d->Aux.FSelectionClick = false;
    d->Mouse.FPushedCellButton = Point(-1, -1);
    d->Mouse.FOldTopRow = TopRow();
    d->Mouse.FOldKeepLeftCol = LeftCol();
    // A press just right of or below a border belongs to the cell before it, for sizing.
    const TGridCoord clicked = MouseCoord(ACol != 0 || ARow == 0 ? X - 5 : X, ARow != 0 ? Y - 4 : Y);
    d->Mouse.Colclicked = clicked.X;
    d->Mouse.Rowclicked = clicked.Y;
    if (ACol < 0 || ARow < 0) {
        HideInplaceEdit();
        if (!d->Shared.FFixedRowAlways)
            inherited();
        return;
    }
    const bool inFixedArea = ACol < FixedCols() || ARow < FixedRows();
    const TPoint base = BaseCell(ACol, ARow);
    ACol = base.X;
    ARow = base.Y;
    if (d->FixedSizingPress(X, Y))
        return;
    if (inFixedArea || IsFixed(ACol, ARow))
        HideInplaceEdit();
    const bool declaredFixed = !inFixedArea && IsFixed(ACol, ARow);
    if ((inFixedArea || declaredFixed) && d->Settings.FixedAsButtons) {
        d->Mouse.FPushedCellButton = Point(ACol, ARow);
        d->Mouse.FFixedCellPushed = true;
        RepaintCell(ACol, ARow);
    }
    const int realCol = RealColIndex(ACol);
    if (HasRating(realCol, ARow) && IsEditable(ACol, ARow)) {
        HideInplaceEdit();
        double value = std::floor((X - CellRect(ACol, ARow).Left) / 9.0) / 2;   // half a star per 9 pixels
        if (DoRatingChange(realCol, ARow, value)) {
            SetFloats(realCol, ARow, value);
            RepaintCell(ACol, ARow);
        }
        return;
    }
    if (!IsDesigning()) {
        if (HasButton(realCol, ARow) || HasExpand(realCol, ARow)) {
            HideInplaceEdit();
            if (!IsFixed(ACol, ARow))
                MoveCurrent(ACol, ARow, true, true);
            d->Mouse.FPushedCellButton = Point(ACol, ARow);
            if (OnClickCell)
                OnClickCell(this, ARow, ACol);
            return;
        }
    }
    if (ACol >= ColCount() || ARow >= RowCount()) {
        inherited();
        return;
    }
    const bool normalRow = ARow >= FixedRows();
    if (d->Shared.FMouseActions->DisjunctRowSelect() && normalRow &&
        (ACol != 0 || !d->Shared.FMouseActions->HotmailRowSelect())) {
        if (modifier.testFlag(TShiftStateItem::ssShift)) {
            inherited();
            SetSelection({std::min(ACol, oldSel.Left), std::min(ARow, oldSel.Top), std::max(ACol, oldSel.Left),
                          std::max(ARow, oldSel.Top)});
            return;
        }
        if (ctrl || d->Shared.FMouseActions->DisjunctRowSelectNoCtrl()) {
            if (GetRowSelect(ARow))
                d->Mouse.FDeselectState = true;
        } else if (!modifier.testFlag(TShiftStateItem::ssAlt)) {
            ClearRowSelect();
        }
    }
    if (d->Shared.FMouseActions->DisjunctColSelect() && ACol >= FixedCols()) {
        if (ctrl) {
            if (GetColSelect(ACol))
                d->Mouse.FDeselectState = true;
        } else {
            ClearColSelect();
        }
    }
    if (d->LinkPress(ACol, ARow, realCol, X, Y))
        return;
    d->HeaderSelectPress(ACol, ARow, modifier, oldSel);
    const TRect cellRect = CellRect(ACol, ARow);

    bool canEdit = Options().testFlag(TGridOption::goEditing) || d->Shared.FMouseActions->RangeSelectAndEdit();
    CanEditCell(realCol, ARow, canEdit);
    if (d->CheckBoxPress(ACol, ARow, realCol, canEdit, X, Y))
        return;
    const bool normal = ACol >= FixedCols() && normalRow;
    const bool combo = normal && d->Shared.FControlLook->DropDownAlwaysVisible() && HasComboBox(realCol, ARow);
    if (normal && (canEdit || (d->Shared.FMouseActions->EditOnDblClickOnly() && combo)) &&
        (d->Shared.FMouseActions->DirectEdit() || (d->Shared.FControlLook->DropDownAlwaysVisible() && combo))) {
        HideInplaceEdit();
        setFocus(Qt::MouseFocusReason);
    }
    const TGridRect single{ACol, ARow, ACol, ARow};
    const bool sameCell = oldSel == single;
    if (!sameCell && d->Shared.FMouseActions->RangeSelectAndEdit() && !IsFixed(ACol, ARow) &&
        !d->CellEditable(ACol, ARow)) {
        SetOptions(Options() & ~TGridOptions(TGridOption::goEditing));
        selectAfter = true;
    }
    if (declaredFixed) {
        const bool footerRow = d->Order.FFloatingFooter->Visible() &&
                               d->Order.FFloatingFooter->FooterStyle() == TFooterStyle::fsFixedLastRow &&
                               ARow == RowCount() - 1;
        if (OnClickCell && !footerRow)
            OnClickCell(this, ARow, ACol);
        return;
    }

    if (d->ArmOleDrag(ACol, ARow, X, Y, cellRect))
        return;

    const bool edge = ARow == TopRow() + VisibleRowCount() || ACol == LeftCol() + VisibleColCount() ||
                      (ACol == LeftCol() && LeftCol() > FixedCols());
    const bool keepLeft = Options().testFlag(TGridOption::goRowSelect) && d->Shared.FNavigation->KeepHorizScroll();
    const int left = LeftCol();
    if (keepLeft)
        BeginUpdate();
    if (!d->Shared.FSelHidden) {
        const bool alwaysEdit = d->Shared.FNavigation->AlwaysEdit();
        d->Shared.FNavigation->SetAlwaysEdit(false);
        inherited();
        d->Shared.FNavigation->SetAlwaysEdit(alwaysEdit);
    }
    if (keepLeft) {
        SetLeftCol(left);
        EndUpdate();
    }
    if (GridState() == TGridState::gsSelecting && edge && d->Shared.FMouseActions->NoAutoRangeScroll())
        SetGridState(TGridState::gsNormal);
    if (TopRow() != d->Mouse.FOldTopRow && d->Shared.FMouseActions->NoScrollOnPartialRow())
        SetTopRow(d->Mouse.FOldTopRow);
    const bool nearSide = X < cellRect.Left + 4 || X > cellRect.Right - 4;
    if (OnClickCell && !(ARow < FixedRows() && nearSide && Options().testFlag(TGridOption::goColSizing)))
        OnClickCell(this, ARow, ACol);
    if (IsMergedCell(ACol, ARow) && !IsFixed(ACol, ARow) && canEdit &&
        (sameCell || d->Shared.FMouseActions->DirectEdit()))
        ShowInplaceEdit();
    d->DirectEditPress(ACol, ARow, X, canEdit, combo);
    if (!nearSide && selectAfter)
        SetGridState(TGridState::gsSelecting);
}
