#include "grid/core/VxStringGridPrivate.h"
#include <QCursor>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <cmath>

// A cell outside the view becomes the current cell and is brought to the middle of it.
void TVxStringGrid::ScrollInView(int ColIndex, int RowIndex)
{
    if (ColIndex >= ColCount() || RowIndex >= RowCount())
        return;
    int left = LeftCol();
    int top = TopRow();
    if (ColIndex < LeftCol() || ColIndex >= LeftCol() + VisibleColCount()) {
        SetCol(ColIndex);
        left = std::max(ColIndex - VisibleColCount() / 2, FixedCols());
    }
    if (RowIndex < TopRow() || RowIndex >= TopRow() + VisibleRowCount()) {
        SetRow(RowIndex);
        top = std::max(RowIndex - VisibleRowCount() / 2, FixedRows());
    }
    left = std::min(left, ColCount() - VisibleColCount() + 1);
    if (FixedCols() + VisibleColCount() < ColCount())
        SetLeftCol(left);
    top = std::min(top, RowCount() - VisibleRowCount() + 1);
    if (FixedRows() + VisibleRowCount() < RowCount())
        SetTopRow(top);
}

void TVxStringGrid::ScreenToCell(TPoint pt, int& ACol, int& ARow) const
{
    const QPoint p = viewport()->mapFromGlobal(QPoint(pt.X, pt.Y));
    MouseToCell(p.x(), p.y(), ACol, ARow);
}

// Within 4 pixels of a header cell's side with column sizing, or of a fixed column cell's top or bottom with
// row sizing.
bool TVxStringGrid::IsOnSizingEdge(int X, int Y)
{
    int c = -1;
    int r = -1;
    MouseToCell(X, Y, c, r);
    if (c < 0 || r < 0)
        return false;
    const TRect rc = CellRect(c, r);
    bool result = false;
    if (r <= FixedRows() && Options().testFlag(TGridOption::goColSizing))
        result = std::abs(X - rc.Left) < 4 || std::abs(X - rc.Right) < 4;
    if (c <= FixedCols() && Options().testFlag(TGridOption::goRowSizing))
        result = std::abs(Y - rc.Top) < 4 || std::abs(Y - rc.Bottom) < 4;
    return result;
}

void TVxStringGrid::SetScrollBarAlways(TScrollBarAlways Value)
{
    d->Settings.ScrollBarAlways = Value;
    d->ApplyScrollBarAlways();
}

// Bars named here stay visible; the others show only when something scrolls.
void TVxStringGridPrivate::ApplyScrollBarAlways()
{
    const TScrollStyle bars = q->ScrollBars();
    const bool v =
        Settings.ScrollBarAlways == TScrollBarAlways::saVert || Settings.ScrollBarAlways == TScrollBarAlways::saBoth;
    const bool h =
        Settings.ScrollBarAlways == TScrollBarAlways::saHorz || Settings.ScrollBarAlways == TScrollBarAlways::saBoth;
    const bool hasV = bars == TScrollStyle::ssVertical || bars == TScrollStyle::ssBoth;
    const bool hasH = bars == TScrollStyle::ssHorizontal || bars == TScrollStyle::ssBoth;
    q->setVerticalScrollBarPolicy(!hasV ? Qt::ScrollBarAlwaysOff : v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    q->setHorizontalScrollBarPolicy(!hasH ? Qt::ScrollBarAlwaysOff : h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
}

void TVxStringGrid::SetScrollProportional(bool Value)
{
    d->Settings.ScrollProportional = Value;
    if (Value) {
        UpdateVScrollProportional();
        UpdateHScrollProportional();
    } else {
        SetScrollThumb(Qt::Vertical, verticalScrollBar()->value(), 0);
        SetScrollThumb(Qt::Horizontal, horizontalScrollBar()->value(), 0);
    }
}

void TVxStringGrid::ScrollRangeUpdated()
{
    if (d->Settings.ScrollProportional) {
        UpdateVScrollProportional();
        UpdateHScrollProportional();
    }
}

namespace {
struct TAxisExtent {
    double Fixed;        // the fixed part with its lines
    double Scrollable;   // every scrollable index with its line
    double Before;       // the scrollable indexes before the first one shown
};

TAxisExtent MeasureAxis(int Count, int FixedCount, int First, int Line, const std::function<int(int)>& Size)
{
    TAxisExtent e{double(Line), double(Line), double(Line)};
    for (int i = 0; i < Count; ++i) {
        const double part = Line + Size(i);
        if (i < FixedCount)
            e.Fixed += part;
        else {
            e.Scrollable += part;
            if (i < First)
                e.Before += part;
        }
    }
    return e;
}

// The thumb's page for a bar whose visible share is e: the toolkit's maximum (e + 127) / (1 - e) less 126.
int ProportionalPage(float e)
{
    return int(std::trunc((e + 127.0f) / (1.0f - e))) - 126;
}
} // namespace

// The thumb's length follows the share of the columns' pixels that the grid shows.
void TVxStringGrid::UpdateHScrollProportional()
{
    if (d->Shared.FLoading || IsDesigning() || !d->Settings.ScrollProportional || d->Sizing.FScrollLock)
        return;
    const TAxisExtent x =
        MeasureAxis(ColCount(), FixedCols(), LeftCol(), GridLineWidth(), [this](int c) { return ColWidths(c); });
    const int w = width();
    const float e = float((w - x.Fixed) / x.Scrollable);
    if (e >= 0.9999f)
        return;
    if (x.Fixed + x.Scrollable - w < 5)
        return;
    const int pos = w < x.Scrollable ? int(x.Before / (x.Scrollable - w) * 128) : horizontalScrollBar()->value();
    SetScrollThumb(Qt::Horizontal, pos, ProportionalPage(e));
}

void TVxStringGrid::UpdateVScrollProportional()
{
    if (d->Shared.FLoading || IsDesigning() || !d->Settings.ScrollProportional || d->Sizing.FScrollLock)
        return;
    if (VisibleRowCount() + FixedRows() >= RowCount())
        return;
    const TAxisExtent y =
        MeasureAxis(RowCount(), FixedRows(), TopRow(), GridLineWidth(), [this](int r) { return RowHeights(r); });
    if (y.Scrollable == 0)
        return;
    const int h = height();
    const float e = float((h - y.Fixed) / y.Scrollable);
    if (e >= 0.9999f)
        return;
    const int pos = h < y.Scrollable ? int(y.Before / (y.Scrollable - h) * 128) : kScrollBarMax;
    SetScrollThumb(Qt::Vertical, pos, ProportionalPage(e));
}

// The scrollable index a thumb position stands for, over the toolkit's range of visible counts.
int TVxStringGridPrivate::ThumbToIndex(bool Horizontal, int Pos)
{
    if (Horizontal)
        return q->FixedCols() + MulDiv(Pos, q->ColCount() - q->VisibleColCount() - q->FixedCols(), kScrollBarMax);
    return q->FixedRows() + MulDiv(Pos, q->RowCount() - q->VisibleRowCount() - q->FixedRows(), kScrollBarMax);
}

void TVxStringGridPrivate::ReleaseScrollHint()
{
    if (Sizing.FScrollHintShow)
        QToolTip::hideText();
    Sizing.FScrollHintShow = false;
}

// While the thumb is dragged a hint names the column or row it stands on.
void TVxStringGridPrivate::ScrollHint(bool Horizontal, TScrollCode Code, int Pos)
{
    const TScrollHintType want = Horizontal ? TScrollHintType::shHorizontal : TScrollHintType::shVertical;
    if (Settings.ScrollHints != want && Settings.ScrollHints != TScrollHintType::shBoth)
        return;
    if (Code == TScrollCode::scEndScroll) {
        ReleaseScrollHint();
        return;
    }
    if (Code != TScrollCode::scTrack)
        return;
    const int n = ThumbToIndex(Horizontal, Pos);
    QString text = (Horizontal ? QStringLiteral("Col : ") : QStringLiteral("Row : ")) + QString::number(n);
    if (q->OnScrollHint)
        q->OnScrollHint(q, n, text);
    Sizing.FScrollHintText = text;
    Sizing.FScrollHintShow = true;
    QToolTip::showText(QCursor::pos() + QPoint(10, 0), text, q);
}

void TVxStringGrid::WMHScroll(TScrollCode Code, int Pos)
{
    d->ScrollHint(true, Code, Pos);
    const int n = d->ThumbToIndex(true, Pos);
    if (Code == TScrollCode::scTrack && d->Settings.ScrollSynch)
        SetLeftCol(n);
    if (FixedCols() == 0 && n >= Col())
        HideEditor();
    TBaseGrid::WMHScroll(Code, Pos);
    if (Code == TScrollCode::scEndScroll && (ColCount() == 1 || (UseRightToLeftAlignment() && FMergeCount > 0)))
        Invalidate();
    if (HasCheckBox(RealColIndex(Col()), Row()))
        HideEditor();
}

void TVxStringGrid::WMVScroll(TScrollCode Code, int Pos)
{
    if (IsDesigning()) {
        TBaseGrid::WMVScroll(Code, Pos);
        return;
    }
    d->ScrollHint(false, Code, Pos);
    if (Code == TScrollCode::scTrack && d->Settings.ScrollSynch)
        SetTopRow(d->ThumbToIndex(false, Pos));
    TBaseGrid::WMVScroll(Code, Pos);
    if (HasCheckBox(RealColIndex(Col()), Row()))
        HideEditor();
}

void TVxStringGrid::DoScrollCell(int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax)
{
    if (OnScrollCell)
        OnScrollCell(this, ACol, ARow, ScrollPosition, ScrollMin, ScrollMax);
}

bool TVxStringGrid::DragScrollTimerActive() const
{
    return d->Sizing.FDragTmr && d->Sizing.FDragTmr->isActive();
}

// The timer lives only while a drag hovers near an edge; it belongs to the grid so that it cannot outlive it.
void TVxStringGrid::DragScrollOver(int X, int Y, TDragState State)
{
    const auto stop = [this] {
        if (d->Sizing.FDragTmr) {
            d->Sizing.FDragTmr->stop();
            d->Sizing.FDragTmr->deleteLater();
            d->Sizing.FDragTmr = nullptr;
        }
    };
    if (!d->Sizing.FDragScrollOptions.Active) {
        stop();
        return;
    }
    const TDragScrollDirections old = d->Sizing.FDragScrollDirection;
    d->Sizing.FDragScrollDirection = {};
    if (State == TDragState::dsDragLeave) {
        stop();
        return;
    }
    const TDragScrollMargins& m = d->Sizing.FDragScrollOptions.Margins;
    if (Y < m.TopMargin)
        d->Sizing.FDragScrollDirection.Include(TDragScrollDirection::dsdUp);
    if (Y > height() - m.BottomMargin)
        d->Sizing.FDragScrollDirection.Include(TDragScrollDirection::dsdDown);
    if (X < m.LeftMargin)
        d->Sizing.FDragScrollDirection.Include(TDragScrollDirection::dsdLeft);
    if (X > width() - m.RightMargin)
        d->Sizing.FDragScrollDirection.Include(TDragScrollDirection::dsdRight);
    if (d->Sizing.FDragScrollDirection.IsEmpty()) {
        stop();
        return;
    }
    if (!d->Sizing.FDragTmr) {
        d->Sizing.FDragTmr = new QTimer(this);
        connect(d->Sizing.FDragTmr, &QTimer::timeout, this, [this] { DragScrollTick(); });
        d->Sizing.FDragTmr->start(d->Sizing.FDragScrollOptions.Delays.InitialDelay);
    } else if (!old.IsEmpty()) {
        d->Sizing.FDragTmr->setInterval(d->Sizing.FDragScrollOptions.Delays.InitialDelay);
    }
}

void TVxStringGrid::DragScrollTick()
{
    if (!d->Sizing.FDragTmr)
        return;
    if (!d->Sizing.FDragScrollOptions.Active) {
        d->Sizing.FDragTmr->stop();
        return;
    }
    d->Sizing.FDragTmr->setInterval(d->Sizing.FDragScrollOptions.Delays.RepeatDelay);
    bool canScroll = true;
    TDragScrollDirections dir = d->Sizing.FDragScrollDirection;
    if (OnDragScroll)
        OnDragScroll(this, TopRow(), LeftCol(), dir, canScroll);
    d->Sizing.FDragScrollDirection = dir;
    if (!canScroll)
        return;
    if (dir.Contains(TDragScrollDirection::dsdUp) && TopRow() > FixedRows())
        SetTopRow(TopRow() - 1);
    if (dir.Contains(TDragScrollDirection::dsdDown) && TopRow() + VisibleRowCount() < RowCount())
        SetTopRow(TopRow() + 1);
    if (dir.Contains(TDragScrollDirection::dsdLeft) && LeftCol() > FixedCols())
        SetLeftCol(LeftCol() - 1);
    if (dir.Contains(TDragScrollDirection::dsdRight) && LeftCol() + VisibleColCount() < ColCount())
        SetLeftCol(LeftCol() + 1);
}
