// The grid's window side: Qt's events turned into the grid's handlers, the update lock, the 500 ms grid
// timer, the wheel with wheel panning, and the small in-place editor steps.
#include "grid/core/VxStringGridPrivate.h"
#include "grid/core/GridSettings.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/interaction/WheelPanPictures.h"
#include "grid/model/GridText.h"
#include "platform/GridEdit.h"
#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimerEvent>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <utility>

namespace {

// The grid's own "GridEditDone" message: the end of an edit, handled after the event that ended it.
class TGridEditDoneEvent : public QEvent {
public:
    TGridEditDoneEvent(int ACol, int ARow) : QEvent(Type()), Col(ACol), Row(ARow) {}
    static QEvent::Type Type()
    {
        static const auto type = QEvent::Type(QEvent::registerEventType());
        return type;
    }
    int Col;
    int Row;
};

constexpr int kWheelNotch = 120;
constexpr int kPanDeadZone = 5;

} // namespace

// ---- dispatch

bool TVxStringGrid::event(QEvent* e)
{
    if (e->type() == TGridEditDoneEvent::Type()) {
        const auto* done = static_cast<TGridEditDoneEvent*>(e);
        if (OnEditCellDone)
            OnEditCellDone(this, done->Col, done->Row);
        if (d->Shared.FMouseActions->EditOnDblClickOnly()) {
            HideEditor();
            SetOptions(Options() & ~TGridOptions(TGridOption::goEditing));
        }
        return true;
    }
    if (e->type() == QEvent::Show) {
        d->ChainOwnerForm();
        if (!std::exchange(d->Interaction.FWindowCreated, true))
            d->LoadSavedColSizes();
    }
    return TBaseGrid::event(e);
}

bool TVxStringGrid::viewportEvent(QEvent* e)
{
    if (e->type() == QEvent::ToolTip)
        return d->Shared.FBalloon->Enable() ? d->ShowCellBalloon(e) : d->ShowCellHint(e);
    // The pointer's cursor: after the toolkit's own, the application may choose one for the cell under it.
    if (e->type() == QEvent::MouseMove && !d->Interaction.FWheelPan) {
        const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
        const bool result = d->MouseEvent(e) || TBaseGrid::viewportEvent(e);
        const Qt::CursorShape shown = viewport()->cursor().shape();
        const bool onBorder = shown == Qt::SplitHCursor || shown == Qt::SplitVCursor;
        const TGridCoord cell = MouseCoord(p.x(), p.y());
        if (cell.X >= 0 && cell.Y >= 0 && GridState() == TGridState::gsNormal && !onBorder)
            DoGetCellCursor(cell.X, cell.Y, p.x(), p.y());
        // A balloon belongs to its cell: leaving the cell takes it away.
        if (d->Shared.FBalloon->Enable() && d->Interaction.FLastBalloonPos.X >= 0) {
            const TPoint base = cell.X >= 0 && cell.Y >= 0 ? BaseCell(cell.X, cell.Y) : TPoint{-1, -1};
            if (base.X != d->Interaction.FLastBalloonPos.X || base.Y != d->Interaction.FLastBalloonPos.Y) {
                QToolTip::hideText();
                d->Interaction.FLastBalloonPos = {-1, -1};
            }
        }
        return result;
    }
    if (e->type() == QEvent::Resize) {
        d->SynchColumnSizes(width());
        const bool result = TBaseGrid::viewportEvent(e);
        d->AfterResize();
        return result;
    }
    // A second quick press comes as a press and then a double click: the press alone counts here.
    if (e->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(e);
        // Any press ends panning and then counts as itself; a middle press starts it.
        if (d->Interaction.FWheelPan)
            d->EndWheelPan();
        else if (mouse->button() == Qt::MiddleButton && d->Settings.IntelliPan != TIntelliPan::ipNone &&
                 RowCount() > FixedRows())
            d->StartWheelPan(mouse->position().toPoint());
    }
    if (d->MouseEvent(e))
        return true;
    return TBaseGrid::viewportEvent(e);
}

// A key press is the key-down step, then the characters it types; the toolkit grid's own handling is not run.
void TVxStringGrid::keyPressEvent(QKeyEvent* e)
{
    if (d->Interaction.FWheelPan)
        d->EndWheelPan();
    std::uint16_t key = VirtualKeyFromQt(e->key(), e->modifiers());
    const TShiftState shift = ShiftStateFromQt(e->modifiers());
    // Enter and Esc go on to the window (its default and cancel buttons) unless the grid used them.
    bool used = key != VK_RETURN && key != VK_ESCAPE;
    if (key != 0 && WMKeyDown(key, shift))
        used = true;
    // Like the platform's translated characters, they follow whatever the key-down step did.
    for (QChar ch : e->text()) {
        if (ch == QChar(127))   // Delete types nothing
            continue;
        QChar c = ch;
        if (c == QLatin1Char('.') && d->Interaction.FExcelStyleDecimalSeparator &&
            e->modifiers().testFlag(Qt::KeypadModifier))
            c = DecimalSeparatorChar();
        if (WMChar(c))
            used = true;
    }
    e->setAccepted(used);
}

void TVxStringGrid::timerEvent(QTimerEvent* e)
{
    if (e->timerId() == d->Interaction.FGridTimerID)
        WMTimer();
    else if (e->timerId() == d->Interaction.FWheelTimerID)
        d->WheelPanTick();
    else
        TBaseGrid::timerEvent(e);
}

// ---- update lock

void TVxStringGrid::BeginUpdate()
{
    if (d->Interaction.FUpdateCount++ == 0)
        viewport()->setUpdatesEnabled(false);
}

void TVxStringGrid::EndUpdate()
{
    if (d->Interaction.FUpdateCount == 0 || --d->Interaction.FUpdateCount > 0 || d->Shared.FDestroying)
        return;
    viewport()->setUpdatesEnabled(true);
    viewport()->update();
    update();
}

// ---- grid timer

void TVxStringGrid::SetSearchInc(const QString& Value)
{
    d->Interaction.FSearchInc = Value;
    d->Interaction.FSearchTics = 0;
}

void TVxStringGrid::WMTimer()
{
    ++d->Interaction.FTimerTicks;
    if (d->Shared.FNavigation->AutoGotoIncremental() && d->Interaction.FSearchTics++ == 3) {
        d->Interaction.FSearchInc.clear();
        d->Interaction.FSearchTics = 0;
    }
    if (d->Shared.FHovering && !IsDesigning())
        d->HoverFocus();
    if (d->Interaction.FEnableBlink) {
        d->Interaction.FGridBlink = !d->Interaction.FGridBlink;
        d->BlinkScan();
    }
}

void TVxStringGridPrivate::HoverFocus()
{
    const QPoint global = QCursor::pos();
    if (QApplication::widgetAt(global) != q->viewport())
        return;
    const QPoint p = q->viewport()->mapFromGlobal(global);
    if (!q->viewport()->rect().contains(p))
        return;
    const TGridCoord cell = q->MouseCoord(p.x(), p.y());
    if (cell.X < q->FixedCols() || cell.Y < q->FixedRows() || cell.X >= q->ColCount() || cell.Y >= q->RowCount())
        return;
    q->setFocus(Qt::OtherFocusReason);
    if (cell.X != q->Col() || cell.Y != q->Row())
        q->FocusCell(cell.X, cell.Y, true);
}

// Repaints every cell in view whose text blinks: the scrollable area (hidden columns skipped, never past the
// last real column), the fixed rows across it and the fixed columns down it.
void TVxStringGridPrivate::BlinkScan()
{
    auto blinks = [this](int realCol, int row) {
        return PosInUpperCase(QStringLiteral("<BLI"), q->AllGridCells(realCol, row)) > 0;
    };
    const int lastRow = std::min(q->RowCount() - 1, q->TopRow() + q->VisibleRowCount());
    const int lastCol = std::min(q->ColCount() - 1, q->LeftCol() + q->VisibleColCount());
    const int firstReal = q->RealColIndex(q->LeftCol());
    const int lastReal = std::min(q->AllColCount() - 1, firstReal + q->VisibleColCount() + q->NumHiddenColumns());
    for (int r = q->TopRow(); r <= lastRow; ++r)
        for (int c = firstReal; c <= lastReal; ++c)
            if (!q->IsHiddenColumn(c) && blinks(c, r))
                q->RepaintCell(q->DisplColIndex(c), r);
    for (int r = 0; r < q->FixedRows(); ++r)
        for (int c = q->LeftCol(); c <= lastCol; ++c)
            if (blinks(q->RealColIndex(c), r))
                q->RepaintCell(c, r);
    for (int c = 0; c < q->FixedCols(); ++c)
        for (int r = q->TopRow(); r <= lastRow; ++r)
            if (blinks(q->RealColIndex(c), r))
                q->RepaintCell(c, r);
}

// ---- wheel

void TVxStringGrid::wheelEvent(QWheelEvent* e)
{
    e->accept();
    if (d->Interaction.FWheelPan)
        return;
    d->Interaction.FWheelAccumulator += e->angleDelta().y();
    const TShiftState shift = ShiftStateFromQt(e->modifiers(), e->buttons());
    const QPoint global = e->globalPosition().toPoint();
    while (d->Interaction.FWheelAccumulator >= kWheelNotch) {
        d->Interaction.FWheelAccumulator -= kWheelNotch;
        d->MouseWheelStep(false, shift, global);
    }
    while (d->Interaction.FWheelAccumulator <= -kWheelNotch) {
        d->Interaction.FWheelAccumulator += kWheelNotch;
        d->MouseWheelStep(true, shift, global);
    }
}

void TVxStringGrid::DoWheelScroll(int, bool&) {}

void TVxStringGridPrivate::MouseWheelStep(bool Down, TShiftState Shift, QPoint GlobalPos)
{
    const int lines = std::max(1, QApplication::wheelScrollLines());
    if (Shift.testFlag(TShiftStateItem::ssCtrl) && Settings.IntelliZoom) {
        q->Zoom(Down ? lines : -lines);
        return;
    }
    if (!Settings.EnableWheel || (Shared.FFixedRowAlways && q->RowCount() == 1))
        return;
    const int step = Shared.FMouseActions->WheelIncrement() >= 1 ? Shared.FMouseActions->WheelIncrement() : lines;
    const bool scroll = Shared.FMouseActions->WheelAction() == TWheelAction::waScroll;
    const TGridRect oldSel = q->Selection();
    const int oldRow = q->Row();
    const int oldTop = q->TopRow();
    const int oldLeft = q->LeftCol();
    int target = q->Row();
    if (scroll) {
        if (Down && q->TopRow() < q->RowCount() - q->VisibleRowCount())
            q->SetTopRow(q->TopRow() + step);
        else if (!Down && q->TopRow() > q->FixedRows())
            q->SetTopRow(std::max(q->FixedRows(), q->TopRow() - step));
    } else {
        target += Down ? step : -step;
    }
    const int lastNormal = std::max(q->FixedRows(), q->RowCount() - Shared.FFixedFooters - 1);
    target = std::clamp(target, q->FixedRows(), lastNormal);
    int col = std::clamp(q->Col(), q->FixedCols(), q->ColCount() - 1);
    if (!scroll && target >= 0 && target < q->RowCount()) {
        q->BeginUpdate();
        if (target != q->Row() || col != q->Col())
            q->FocusCell(col, target, true);
        if (q->Row() != target) {
            // Refused: try half the way.
            const int half = oldRow + int(std::lround((target - oldRow) / 2.0));
            if (half != q->Row())
                q->FocusCell(col, half, true);
            if (q->TopRow() > q->FixedRows())
                q->SetTopRow(q->TopRow() - 1);
        }
        if (q->Options().testFlag(TGridOption::goRowSelect) && Shared.FNavigation->KeepHorizScroll())
            q->SetLeftCol(oldLeft);
        q->EndUpdate();
    }
    bool handled = true;
    q->DoWheelScroll(scroll ? q->TopRow() - oldTop : q->Row() - oldRow, handled);
    if ((Shared.FMouseActions->WheelIncrement() != 0 || Shared.FMouseActions->DisjunctRowSelect()) && handled) {
        bool eventHandled = false;
        const TWheelEvent& event = Down ? q->OnMouseWheelDown : q->OnMouseWheelUp;
        if (event)
            event(q, Shift, Point(GlobalPos.x(), GlobalPos.y()), eventHandled);
    }
    if (q->Selection() != oldSel) {
        const TGridRect s = q->Selection();
        q->DoSelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
    }
}

// ---- wheel panning: the view or the current cell follows the pointer's side of where the middle press was

void TVxStringGridPrivate::StartWheelPan(QPoint Pos)
{
    Interaction.FWheelPan = true;
    Interaction.FWheelPanPos = Pos;
    SetWheelPanCursor({0, 0});
    Interaction.FWheelTimerID = q->startTimer(10);
    // The pointer keeps steering when it leaves the grid.
    q->viewport()->grabMouse();
    InvalidateWheelPanMarker();
}

void TVxStringGridPrivate::EndWheelPan()
{
    Interaction.FWheelPan = false;
    if (Interaction.FWheelTimerID)
        q->killTimer(Interaction.FWheelTimerID);
    Interaction.FWheelTimerID = 0;
    q->viewport()->releaseMouse();
    q->viewport()->setCursor(Shared.FRememberedCursor);
    InvalidateWheelPanMarker();
}

void TVxStringGridPrivate::SetWheelPanCursor(QPoint Direction)
{
    if (q->viewport()->cursor().shape() == Qt::BitmapCursor && Direction == Interaction.FWheelPanDirection)
        return;
    Interaction.FWheelPanDirection = Direction;
    q->viewport()->setCursor(QCursor(QPixmap::fromImage(PanCursorImage(Direction.x(), Direction.y())),
                                  kPanCursorSize / 2, kPanCursorSize / 2));
}

// The marker's square is repainted without erasing; painting draws the marker while panning.
void TVxStringGridPrivate::InvalidateWheelPanMarker()
{
    q->viewport()->update(QRect(Interaction.FWheelPanPos, QSize(kPanMarkerSize, kPanMarkerSize)));
}

void TVxStringGridPrivate::WheelPanTick()
{
    const QPoint p = q->viewport()->mapFromGlobal(QCursor::pos());
    int dy = p.y() < Interaction.FWheelPanPos.y() - kPanDeadZone   ? -1
             : p.y() > Interaction.FWheelPanPos.y() + kPanDeadZone ? 1
                                                                   : 0;
    int dx = p.x() > Interaction.FWheelPanPos.x() + kPanDeadZone   ? 1
             : p.x() < Interaction.FWheelPanPos.x() - kPanDeadZone ? -1
                                                                   : 0;
    if (Settings.IntelliPan == TIntelliPan::ipHorizontal)
        dy = 0;
    if (Settings.IntelliPan == TIntelliPan::ipVertical)
        dx = 0;
    SetWheelPanCursor({dx, dy});
    const TGridRect oldSel = q->Selection();
    const int lastNormalRow = std::max(q->FixedRows(), q->RowCount() - Shared.FFixedFooters - 1);
    const int lastNormalCol = std::max(q->FixedCols(), q->ColCount() - Shared.FFixedRightCols - 1);
    int row = std::clamp(q->Row(), q->FixedRows(), lastNormalRow);
    int col = std::clamp(q->Col(), q->FixedCols(), lastNormalCol);
    if (Shared.FMouseActions->WheelAction() == TWheelAction::waScroll) {
        if (dx != 0)
            q->SetLeftCol(std::clamp(q->LeftCol() + dx, q->FixedCols(),
                                     std::max(q->FixedCols(), q->ColCount() - q->VisibleColCount())));
        if (dy != 0)
            q->SetTopRow(std::clamp(q->TopRow() + dy, q->FixedRows(),
                                    std::max(q->FixedRows(), q->RowCount() - q->VisibleRowCount())));
    } else {
        if ((dx < 0 && col > q->FixedCols()) || (dx > 0 && col < lastNormalCol))
            col += dx;
        row = std::clamp(row + dy, q->FixedRows(), lastNormalRow);
    }
    if (col != q->Col() || row != q->Row())
        q->FocusCell(col, row, true);
    if (q->Selection() != oldSel) {
        const TGridRect s = q->Selection();
        q->DoSelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
    }
}

// ---- in-place editor steps

void TVxStringGrid::ShowInplaceEdit()
{
    if (Row() < TopRow())
        SetTopRow(Row());
    if (Col() < LeftCol())
        SetLeftCol(Col());
    ShowEditor();
}

void TVxStringGrid::HideInplaceEdit()
{
    if (!EditorMode() && !EditMode())
        return;
    // The focus comes back to the grid before the editor goes, so that it never passes to another control.
    if (InplaceEditor() && InplaceEditor()->hasFocus()) {
        d->Interaction.FInvokedFocusChange = true;
        setFocus(Qt::OtherFocusReason);
        d->Interaction.FInvokedFocusChange = false;
    }
    HideEditor();
    HideCellEdit();
    SelectCell(Col(), Row());
}

void TVxStringGrid::PostEditingDone(int ACol, int ARow)
{
    if (OnEditingDone)
        OnEditingDone(this);
    QCoreApplication::postEvent(this, new TGridEditDoneEvent(ACol, ARow));
}

// A left click 2 pixels inside the cell, as the mouse steps see it, without the application's mouse events.
void TVxStringGrid::SimulateCellClick(int ACol, int ARow)
{
    const TRect r = CellRect(ACol, ARow);
    if (r.IsEmpty())
        return;
    auto down = std::move(TBaseGrid::OnMouseDown);
    auto up = std::move(TBaseGrid::OnMouseUp);
    TBaseGrid::OnMouseDown = nullptr;
    TBaseGrid::OnMouseUp = nullptr;
    MouseDown(TMouseButton::mbLeft, {}, r.Left + 2, r.Top + 2);
    MouseUp(TMouseButton::mbLeft, {}, r.Left + 2, r.Top + 2);
    TBaseGrid::OnMouseDown = std::move(down);
    TBaseGrid::OnMouseUp = std::move(up);
}

bool TVxStringGrid::IsHoverFixedCell(int ACol, int ARow) const
{
    const bool inRows = ARow < FixedRows();
    const bool inCols = ACol < FixedCols();
    switch (d->Settings.HoverFixedCells) {
    case THoverFixedCells::hfAll:
        return inRows || inCols;
    case THoverFixedCells::hfFixedRows:
        return inRows;
    case THoverFixedCells::hfFixedColumns:
        return inCols;
    default:
        return false;
    }
}
