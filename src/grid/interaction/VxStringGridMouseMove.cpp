// Mouse movement and leave: the hover row, what a press in the fixed area will select, whole-row and whole-column
// drag selection, the sizing of fixed columns and rows, link cursors and the sizing events and hint.
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/model/GridText.h"
#include <QToolTip>
#include <algorithm>

namespace {

constexpr int kSizingEdge = 4;

} // namespace

void TVxStringGridPrivate::UpdateSelectMode(int ACol, int ARow, int X, int Y)
{
    Mouse.FMouseSelectMode = Mouse.FOnResizer ? TMouseSelectMode::msResize : TMouseSelectMode::msNormal;
    if (ACol < 0 || ARow < 0)
        return;
    auto nearEdge = [](int pos, const TRect& r, bool cols) {
        const int from = cols ? r.Left : r.Top;
        const int to = cols ? r.Right : r.Bottom;
        return pos < from + kSizingEdge || pos > to - kSizingEdge;
    };
    const TRect r = q->CellRect(ACol, ARow);
    const bool fixedRow = ARow < q->FixedRows();
    const bool fixedCol = ACol < q->FixedCols();
    if (fixedRow && fixedCol && Shared.FMouseActions->AllSelect())
        Mouse.FMouseSelectMode = TMouseSelectMode::msAll;
    else if (fixedRow && !fixedCol && Shared.FMouseActions->ColSelect() &&
             !(q->Options().testFlag(TGridOption::goColSizing) && nearEdge(X, r, true)))
        Mouse.FMouseSelectMode = TMouseSelectMode::msColumn;
    else if (fixedCol && !fixedRow && ARow < q->RowCount() && Shared.FMouseActions->RowSelect() &&
             !(q->Options().testFlag(TGridOption::goRowSizing) && nearEdge(Y, r, false)))
        Mouse.FMouseSelectMode = TMouseSelectMode::msRow;
}

// The sizing events and hint follow the column or row the press took hold of.
void TVxStringGridPrivate::UpdateSizingFeedback()
{
    const bool cols = q->GridState() == TGridState::gsColSizing || Mouse.FSizingFixed;
    const bool rows = q->GridState() == TGridState::gsRowSizing || Mouse.FSizingFixedR;
    if (!cols && !rows)
        return;
    int index = 0;
    int size = 0;
    TPoint at = Point(0, 0);
    if (cols) {
        if (Mouse.FSizingFixed) {
            size = Mouse.FSizeFixedX;
        } else {
            index = Mouse.Colclicked >= 0 ? Mouse.Colclicked : q->ColCount() - 1;
            size = q->ColWidths(index);
            at = Point(index, 0);
        }
        if (q->OnColumnSizing)
            q->OnColumnSizing(q, index, size);
    } else {
        if (Mouse.FSizingFixedR) {
            size = Mouse.FSizeFixedY;
        } else {
            index = Mouse.Rowclicked >= 0 ? Mouse.Rowclicked : q->RowCount() - 1;
            size = q->RowHeights(index);
            at = Point(0, index);
        }
        if (q->OnRowSizing)
            q->OnRowSizing(q, index, size);
    }
    if (!Settings.HintShowSizing && !q->IsDesigning())
        return;
    Mouse.FSizingHint =
        QStringLiteral("%1=<b>%2</b>").arg(cols ? QStringLiteral("cw") : QStringLiteral("rh")).arg(size);
    const TRect r = q->CalcCellRect(at.X, at.Y);
    QToolTip::showText(q->viewport()->mapToGlobal(QPoint(r.Left, r.Top)), Mouse.FSizingHint, q->viewport());
}

void TVxStringGrid::MouseMove(TShiftState Shift, int X, int Y)
{
    if (d->Mouse.FMouseDownMove && d->Shared.FMouseActions->RangeSelectAndEdit() &&
        Options().testFlag(TGridOption::goEditing) && !EditorMode())
        SetOptions(Options() & ~TGridOptions(TGridOption::goEditing));
    if (d->OleDragMove(Shift, X, Y))
        return;
    const TGridRect oldSel = Selection();
    const TGridCoord hit = MouseCoord(X, Y);
    const bool valid = hit.X >= 0 && hit.Y >= 0;
    const bool leftDown = Shift.testFlag(TShiftStateItem::ssLeft);
    if (valid && !IsDesigning() && HoverRow() && hit.Y != FHoverRowIdx) {
        const int old = FHoverRowIdx;
        FHoverRowIdx = hit.Y;
        RepaintRow(hit.Y);
        if (old >= 0 && old < RowCount())
            RepaintRow(old);
    }
    if (d->Mouse.FMouseSelectStart >= 0 && leftDown && d->Shared.FMouseActions->RowSelect() &&
        d->Mouse.FMouseSelectMode == TMouseSelectMode::msRow && hit.Y >= FixedRows() &&
        hit.Y < RowCount() - FixedFooters()) {
        const int to = std::max(FixedRows(), hit.Y);
        SetSelection({FixedCols(), std::min(d->Mouse.FMouseSelectStart, to), ColCount() - 1,
                      std::max(d->Mouse.FMouseSelectStart, to)});
        if (Y > height() - 4)
            SetTopRow(std::min(TopRow() + 1, std::max(FixedRows(), RowCount() - VisibleRowCount())));
        else if (FixedRows() > 0 && Y < RowHeights(0) && TopRow() > FixedRows())
            SetTopRow(TopRow() - 1);
    }
    if (d->Mouse.FMouseSelectStart >= 0 && leftDown && d->Shared.FMouseActions->ColSelect() &&
        d->Mouse.FMouseSelectMode == TMouseSelectMode::msColumn && hit.X >= 0) {
        const int to = std::max(FixedCols(), hit.X);
        SetSelection({std::min(d->Mouse.FMouseSelectStart, to), FixedRows(), std::max(d->Mouse.FMouseSelectStart, to),
                      RowCount() - 1});
    }
    d->Mouse.FSizeFixed =
        valid && !IsDesigning() && d->Shared.FMouseActions->SizeFixedCol() && d->FixedBorderAt(true, X) >= 0;
    d->Mouse.FSizeFixedR =
        valid && !IsDesigning() && d->Shared.FMouseActions->SizeFixedRow() && d->FixedBorderAt(false, Y) >= 0;
    if (d->Mouse.FSizingFixed)
        d->Mouse.FSizeFixedX = X;
    if (d->Mouse.FSizingFixedR)
        d->Mouse.FSizeFixedY = Y;
    d->Mouse.FOnResizer = d->OnSelectionResizer(X, Y);
    if (!IsDesigning())
        d->UpdateSelectMode(hit.X, hit.Y, X, Y);
    TBaseGrid::MouseMove(Shift, X, Y);
    if (d->Shared.FNavigation->KeepHorizScroll() && d->Mouse.FMouseKeepDown && GridState() != TGridState::gsColMoving &&
        LeftCol() != d->Mouse.FOldKeepLeftCol) {
        StartUpdate();
        SetLeftCol(d->Mouse.FOldKeepLeftCol);
        ResetUpdate();
    }
    if (GridState() == TGridState::gsNormal && valid && !d->Mouse.FSizeFixed && !d->Mouse.FSizeFixedR) {
        const QString s = GetCellEx(RealColIndex(hit.X), hit.Y);
        if (d->Settings.URLShow && ClassifyCellText(s, d->Settings.EnableHTML) != TCellTextKind::ctkHtml &&
            HasUrlScheme(s))
            viewport()->setCursor(Qt::PointingHandCursor);
    }
    if (d->Mouse.FSizeFixed)
        viewport()->setCursor(Qt::SplitHCursor);
    else if (d->Mouse.FSizeFixedR)
        viewport()->setCursor(Qt::SplitVCursor);
    if (leftDown)
        d->UpdateSizingFeedback();
    const TGridRect s = Selection();
    if (s != oldSel)
        DoSelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
}

void TVxStringGrid::CMMouseLeave()
{
    d->Mouse.FMouseSelectMode = TMouseSelectMode::msNormal;
    d->Mouse.FSizeFixed = d->Mouse.FSizeFixedR = false;
    if (HoverRow() && FHoverRowIdx >= 0) {
        const int old = FHoverRowIdx;
        FHoverRowIdx = -1;
        if (old < RowCount())
            RepaintRow(old);
    }
}
