#include "platform/Grids.h"

#include "grid/model/GridAxis.h"
#include "platform/GridEdit.h"
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>
#include <algorithm>

namespace {

// A press this close to a column or row border of the fixed area starts sizing.
constexpr int kSizingTolerance = 4;

TMouseButton ButtonFromQt(Qt::MouseButton b)
{
    return b == Qt::RightButton ? TMouseButton::mbRight : b == Qt::MiddleButton ? TMouseButton::mbMiddle : TMouseButton::mbLeft;
}

// Where a cell index lands when another one is moved from `from` to `to`.
void MoveAdjust(int& pos, int from, int to)
{
    if (pos == from)
        pos = to;
    else if (pos > from && pos <= to)
        --pos;
    else if (pos >= to && pos < from)
        ++pos;
}

} // namespace

TCustomGrid::TCustomGrid(QWidget* parent)
    : QAbstractScrollArea(parent),
      FCols(std::make_unique<TGridAxis>(5, 1, 64)),
      FRows(std::make_unique<TGridAxis>(5, 1, 24)),
      FOptions(TGridOption::goFixedVertLine | TGridOption::goFixedHorzLine | TGridOption::goVertLine |
               TGridOption::goHorzLine | TGridOption::goRangeSelect),
      FCanvas(std::make_unique<TCanvas>())
{
    FCanvas->SetFont(FFont);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    viewport()->setMouseTracking(true);
    ConnectScrollBar(Qt::Horizontal);
    ConnectScrollBar(Qt::Vertical);
    SetOptions(FOptions);
    UpdateScrollRange();
}

TCustomGrid::~TCustomGrid()
{
    // The editor outlives this part of the grid as a Qt child; it must not call back while it goes.
    if (FInplaceEdit)
        FInplaceEdit->FGrid = nullptr;
}

// ---- dimensions ----

int TCustomGrid::ColCount() const { return FCols->Count(); }
int TCustomGrid::RowCount() const { return FRows->Count(); }
int TCustomGrid::FixedCols() const { return FCols->Fixed(); }
int TCustomGrid::FixedRows() const { return FRows->Fixed(); }
int TCustomGrid::DefaultColWidth() const { return FCols->DefaultSize(); }
int TCustomGrid::DefaultRowHeight() const { return FRows->DefaultSize(); }
int TCustomGrid::ColWidths(int ACol) const { return FCols->Size(ACol); }
int TCustomGrid::RowHeights(int ARow) const { return FRows->Size(ARow); }
std::int64_t TCustomGrid::ColOffset(int ACol) const { return FCols->Offset(ACol); }
std::int64_t TCustomGrid::RowOffset(int ARow) const { return FRows->Offset(ARow); }
int TCustomGrid::LeftCol() const { return FCols->First(); }
int TCustomGrid::TopRow() const { return FRows->First(); }
int TCustomGrid::ClientWidth() const { return viewport()->width(); }
int TCustomGrid::ClientHeight() const { return viewport()->height(); }
int TCustomGrid::VisibleColCount() const { return FCols->VisibleCount(ClientWidth()); }
int TCustomGrid::VisibleRowCount() const { return FRows->VisibleCount(ClientHeight()); }

void TCustomGrid::SetColCount(int value)
{
    value = std::max(1, value);
    if (value == ColCount())
        return;
    if (value <= FixedCols())
        FCols->SetFixed(value - 1);
    ChangeSize(value, RowCount());
}

void TCustomGrid::SetRowCount(int value)
{
    value = std::max(1, value);
    if (value == RowCount())
        return;
    if (value <= FixedRows())
        FRows->SetFixed(value - 1);
    ChangeSize(ColCount(), value);
}

void TCustomGrid::ChangeSize(int newColCount, int newRowCount)
{
    const int oldCols = ColCount();
    const int oldRows = RowCount();
    FCols->SetCount(newColCount);
    FRows->SetCount(newRowCount);
    ClampCoords();
    SizeChanged(oldCols, oldRows);
    UpdateScrollRange();
    UpdateEdit();
    InvalidateGrid();
}

void TCustomGrid::SetFixedCols(int value)
{
    SetFixedCount(*FCols, value, "Fixed column count must be less than column count");
}

void TCustomGrid::SetFixedRows(int value)
{
    SetFixedCount(*FRows, value, "Fixed row count must be less than row count");
}

void TCustomGrid::SetFixedCount(TGridAxis& axis, int value, const char* tooMany)
{
    if (value < 0)
        throw EInvalidGridOperation("Grid index out of range");
    if (value >= axis.Count())
        throw EInvalidGridOperation(tooMany);
    axis.SetFixed(value);
    ClampCoords();
    UpdateScrollRange();
    UpdateEdit();
    InvalidateGrid();
}

void TCustomGrid::SetDefaultColWidth(int value)
{
    FCols->SetDefaultSize(value);
    ClampCoords();
    ColWidthsChanged();
    UpdateScrollRange();
    InvalidateGrid();
}

void TCustomGrid::SetDefaultRowHeight(int value)
{
    FRows->SetDefaultSize(value);
    ClampCoords();
    RowHeightsChanged();
    UpdateScrollRange();
    InvalidateGrid();
}

void TCustomGrid::SetColWidths(int ACol, int value)
{
    if (ACol < 0 || ACol >= ColCount() || ColWidths(ACol) == std::max(0, value))
        return;
    FCols->SetSize(ACol, value);
    ColWidthsChanged();
    UpdateScrollRange();
    PlaceEditor();
    InvalidateGrid();
}

void TCustomGrid::SetRowHeights(int ARow, int value)
{
    if (ARow < 0 || ARow >= RowCount() || RowHeights(ARow) == std::max(0, value))
        return;
    FRows->SetSize(ARow, value);
    RowHeightsChanged();
    UpdateScrollRange();
    PlaceEditor();
    InvalidateGrid();
}

// Keeps the current cell, the anchor and the top-left cell inside the counts.
void TCustomGrid::ClampCoords()
{
    auto clamp = [](int v, int lo, int hi) { return std::max(lo, std::min(v, hi)); };
    FCurrent.X = clamp(FCurrent.X, FixedCols(), ColCount() - 1);
    FCurrent.Y = clamp(FCurrent.Y, FixedRows(), RowCount() - 1);
    FAnchor.X = clamp(FAnchor.X, FixedCols(), ColCount() - 1);
    FAnchor.Y = clamp(FAnchor.Y, FixedRows(), RowCount() - 1);
    if (FOptions.testFlag(TGridOption::goRowSelect)) {
        // A selected row spans every scrollable column, also the ones just added.
        FAnchor.X = ColCount() - 1;
        FCurrent.X = FixedCols();
    }
    const int left = clamp(LeftCol(), FixedCols(), FCols->MaxFirst(ClientWidth()));
    const int top = clamp(TopRow(), FixedRows(), FRows->MaxFirst(ClientHeight()));
    if (left != LeftCol() || top != TopRow()) {
        FCols->SetFirst(left);
        FRows->SetFirst(top);
        TopLeftChanged();
    }
}

// ---- view ----

void TCustomGrid::SetLeftCol(int value) { MoveTopLeft(value, TopRow()); }
void TCustomGrid::SetTopRow(int value) { MoveTopLeft(LeftCol(), value); }

void TCustomGrid::MoveTopLeft(int ALeft, int ATop)
{
    ALeft = std::max(FixedCols(), std::min(ALeft, FCols->MaxFirst(ClientWidth())));
    ATop = std::max(FixedRows(), std::min(ATop, FRows->MaxFirst(ClientHeight())));
    if (ALeft == LeftCol() && ATop == TopRow())
        return;
    FCols->SetFirst(ALeft);
    FRows->SetFirst(ATop);
    TopLeftChanged();
    UpdateScrollRange();
    PlaceEditor();
    InvalidateGrid();
}

void TCustomGrid::ClampInView(TGridCoord cell)
{
    MoveTopLeft(FCols->ScrollTarget(cell.X, ClientWidth()), FRows->ScrollTarget(cell.Y, ClientHeight()));
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const
{
    if (!FCols->IsShown(ACol, ClientWidth()) || !FRows->IsShown(ARow, ClientHeight()))
        return {};
    const int x = int(FCols->Pos(ACol));
    const int y = int(FRows->Pos(ARow));
    return {x, y, x + ColWidths(ACol), y + RowHeights(ARow)};
}

TRect TCustomGrid::BoxRect(const TGridRect& r) const
{
    TRect box;
    if (!FCols->Span(std::min(r.Left, r.Right), std::max(r.Left, r.Right), ClientWidth(), box.Left, box.Right) ||
        !FRows->Span(std::min(r.Top, r.Bottom), std::max(r.Top, r.Bottom), ClientHeight(), box.Top, box.Bottom))
        return {};
    return box;
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const
{
    const int c = FCols->CellAt(X, ClientWidth());
    const int r = FRows->CellAt(Y, ClientHeight());
    if (c < 0 || r < 0)
        return {-1, -1};
    return {c, r};
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const
{
    const TGridCoord cell = MouseCoord(X, Y);
    ACol = cell.X;
    ARow = cell.Y;
}

void TCustomGrid::SetScrollBars(TScrollStyle value)
{
    FScrollBars = value;
    const bool h = value == TScrollStyle::ssHorizontal || value == TScrollStyle::ssBoth;
    const bool v = value == TScrollStyle::ssVertical || value == TScrollStyle::ssBoth;
    setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(v ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

int MulDiv(int A, int B, int C)
{
    if (C == 0)
        return 0;
    const std::int64_t p = std::int64_t(A) * B;
    const std::int64_t q = (std::abs(p) * 2 + std::abs(C)) / (std::int64_t(std::abs(C)) * 2);
    return int((p < 0) != (C < 0) ? -q : q);
}

// A bar's reports reach the grid as toolkit scroll messages; the bar never moves the view by itself, so after
// each report its thumb shows where the grid stands.
void TCustomGrid::ConnectScrollBar(Qt::Orientation Bar)
{
    QScrollBar* bar = Bar == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar, Bar](int action) {
        TScrollCode code;
        switch (action) {
        case QAbstractSlider::SliderSingleStepAdd: code = TScrollCode::scLineDown; break;
        case QAbstractSlider::SliderSingleStepSub: code = TScrollCode::scLineUp; break;
        case QAbstractSlider::SliderPageStepAdd: code = TScrollCode::scPageDown; break;
        case QAbstractSlider::SliderPageStepSub: code = TScrollCode::scPageUp; break;
        case QAbstractSlider::SliderToMinimum: code = TScrollCode::scTop; break;
        case QAbstractSlider::SliderToMaximum: code = TScrollCode::scBottom; break;
        case QAbstractSlider::SliderMove:
            if (bar->isSliderDown())
                return;   // a drag: tracking reports come from sliderMoved
            code = TScrollCode::scPosition;
            break;
        default:
            return;
        }
        const int pos = bar->sliderPosition();
        ScrollMessage(Bar, code, pos);
        ScrollMessage(Bar, TScrollCode::scEndScroll, 0);
        const QSignalBlocker quiet(bar);   // the action's own result is where the grid now stands
        bar->setSliderPosition(bar->value());
    });
    connect(bar, &QAbstractSlider::sliderMoved, this,
            [this, Bar](int pos) { ScrollMessage(Bar, TScrollCode::scTrack, pos); });
    connect(bar, &QAbstractSlider::sliderReleased, this, [this, bar, Bar] {
        ScrollMessage(Bar, TScrollCode::scPosition, bar->sliderPosition());
        ScrollMessage(Bar, TScrollCode::scEndScroll, 0);
    });
}

void TCustomGrid::ScrollMessage(Qt::Orientation Bar, TScrollCode Code, int Pos)
{
    if (Bar == Qt::Horizontal)
        WMHScroll(Code, Pos);
    else
        WMVScroll(Code, Pos);
}

namespace {
// The first scrollable index a bar report asks for, or -1 when it asks for nothing.
int ScrollTargetOf(TScrollCode Code, int Pos, int First, int Fixed, int MaxFirst, int Page, bool Tracking)
{
    switch (Code) {
    case TScrollCode::scLineUp: return First - 1;
    case TScrollCode::scLineDown: return First + 1;
    case TScrollCode::scPageUp: return First - std::max(1, Page);
    case TScrollCode::scPageDown: return First + std::max(1, Page);
    case TScrollCode::scTop: return Fixed;
    case TScrollCode::scBottom: return MaxFirst;
    case TScrollCode::scTrack:
        if (!Tracking)
            return -1;
        [[fallthrough]];
    case TScrollCode::scPosition: return Fixed + MulDiv(Pos, MaxFirst - Fixed, kScrollBarMax);
    case TScrollCode::scEndScroll: return -1;
    }
    return -1;
}
} // namespace

void TCustomGrid::WMHScroll(TScrollCode Code, int Pos)
{
    const int left = ScrollTargetOf(Code, Pos, LeftCol(), FixedCols(), FCols->MaxFirst(ClientWidth()),
                                    VisibleColCount(), FOptions.testFlag(TGridOption::goThumbTracking));
    if (left >= 0)
        MoveTopLeft(left, TopRow());
}

void TCustomGrid::WMVScroll(TScrollCode Code, int Pos)
{
    const int top = ScrollTargetOf(Code, Pos, TopRow(), FixedRows(), FRows->MaxFirst(ClientHeight()),
                                   VisibleRowCount(), FOptions.testFlag(TGridOption::goThumbTracking));
    if (top >= 0)
        MoveTopLeft(LeftCol(), top);
}

void TCustomGrid::SetScrollThumb(Qt::Orientation Bar, int Pos, int Page)
{
    QScrollBar* bar = Bar == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    (Bar == Qt::Horizontal ? FHorzPage : FVertPage) = std::max(0, Page);
    bar->setPageStep(std::max(0, Page));
    if (!bar->isSliderDown())
        bar->setValue(std::clamp(Pos, 0, bar->maximum()));
}

// Positions 0 .. kScrollBarMax stand for the first scrollable index up to the last useful one.
void TCustomGrid::UpdateScrollRange()
{
    const auto update = [](QScrollBar* bar, int first, int fixed, int maxFirst, int page) {
        const int range = maxFirst - fixed;
        bar->setRange(0, range > 0 ? kScrollBarMax : 0);
        bar->setPageStep(page);
        if (!bar->isSliderDown())
            bar->setValue(range > 0 ? MulDiv(first - fixed, kScrollBarMax, range) : 0);
    };
    update(horizontalScrollBar(), LeftCol(), FixedCols(), FCols->MaxFirst(ClientWidth()), FHorzPage);
    update(verticalScrollBar(), TopRow(), FixedRows(), FRows->MaxFirst(ClientHeight()), FVertPage);
    ScrollRangeUpdated();
}

void TCustomGrid::scrollContentsBy(int, int)
{
    // The bars' values set the top-left cell; the whole view is repainted from there.
}

void TCustomGrid::resizeEvent(QResizeEvent* e)
{
    QAbstractScrollArea::resizeEvent(e);
    ClampCoords();
    UpdateScrollRange();
    PlaceEditor();
}

// ---- current cell and selection ----

void TCustomGrid::SetCol(int value)
{
    if (value != Col())
        FocusCell(value, Row(), true);
}

void TCustomGrid::SetRow(int value)
{
    if (value != Row())
        FocusCell(Col(), value, true);
}

TGridRect TCustomGrid::Selection() const
{
    return {std::min(FAnchor.X, FCurrent.X), std::min(FAnchor.Y, FCurrent.Y), std::max(FAnchor.X, FCurrent.X),
            std::max(FAnchor.Y, FCurrent.Y)};
}

void TCustomGrid::SetSelection(const TGridRect& value)
{
    const TGridRect old = Selection();
    FAnchor = {value.Left, value.Top};
    FCurrent = {value.Right, value.Bottom};
    ClampCoords();
    InvalidateGridRect(old);
    InvalidateGridRect(Selection());
}

void TCustomGrid::SetOptions(TGridOptions value)
{
    if (value.testFlag(TGridOption::goRowSelect))
        value &= ~TGridOptions(TGridOption::goAlwaysShowEditor);
    FOptions = value;
    if (value.testFlag(TGridOption::goAlwaysShowEditor))
        FEditorMode = true;
    else if (!value.testFlag(TGridOption::goEditing))
        HideEditor();
    ClampCoords();
    horizontalScrollBar()->setTracking(value.testFlag(TGridOption::goThumbTracking));
    verticalScrollBar()->setTracking(value.testFlag(TGridOption::goThumbTracking));
    UpdateEdit();
    InvalidateGrid();
}

bool TCustomGrid::MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show)
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        return false;
    if (!SelectCell(ACol, ARow))
        return false;
    const TGridRect old = Selection();
    const TGridCoord oldCurrent = FCurrent;
    FCurrent = {ACol, ARow};
    if (!FOptions.testFlag(TGridOption::goAlwaysShowEditor))
        HideEditor();
    if (MoveAnchor || !FOptions.testFlag(TGridOption::goRangeSelect)) {
        FAnchor = FCurrent;
        if (FOptions.testFlag(TGridOption::goRowSelect))
            FAnchor.X = ColCount() - 1;
    }
    if (FOptions.testFlag(TGridOption::goRowSelect))
        FCurrent.X = FixedCols();
    if (Show)
        ClampInView(FCurrent);
    InvalidateGridRect(old);
    InvalidateGridRect(Selection());
    InvalidateCell(oldCurrent.X, oldCurrent.Y);
    InvalidateCell(FCurrent.X, FCurrent.Y);
    return true;
}

void TCustomGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show)
{
    MoveCurrent(ACol, ARow, MoveAnchor, Show);
}

void TCustomGrid::FocusCell(int ACol, int ARow, bool MoveAnchor)
{
    MoveCurrent(ACol, ARow, MoveAnchor, true);
    UpdateEdit();
    Click();
}

bool TCustomGrid::SelectCell(int ACol, int ARow)
{
    bool canSelect = true;
    if (OnSelectCell)
        OnSelectCell(this, ACol, ARow, canSelect);
    return canSelect;
}

void TCustomGrid::Click()
{
    if (OnClick)
        OnClick(this);
}

void TCustomGrid::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TCustomGrid::TopLeftChanged()
{
    if (OnTopLeftChanged)
        OnTopLeftChanged(this);
}

void TCustomGrid::SizeChanged(int, int) {}
void TCustomGrid::ColWidthsChanged() {}
void TCustomGrid::RowHeightsChanged() {}

void TCustomGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    if (OnColumnMoved)
        OnColumnMoved(this, FromIndex, ToIndex);
}

void TCustomGrid::RowMoved(int FromIndex, int ToIndex)
{
    if (OnRowMoved)
        OnRowMoved(this, FromIndex, ToIndex);
}

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex)
{
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= ColCount() || ToIndex >= ColCount())
        return;
    FCols->Move(FromIndex, ToIndex);
    MoveAdjust(FCurrent.X, FromIndex, ToIndex);
    MoveAdjust(FAnchor.X, FromIndex, ToIndex);
    if (FInplaceCell.X >= 0)
        MoveAdjust(FInplaceCell.X, FromIndex, ToIndex);
    ColumnMoved(FromIndex, ToIndex);
    ColWidthsChanged();
    UpdateScrollRange();
    PlaceEditor();
    InvalidateGrid();
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex)
{
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= RowCount() || ToIndex >= RowCount())
        return;
    FRows->Move(FromIndex, ToIndex);
    MoveAdjust(FCurrent.Y, FromIndex, ToIndex);
    MoveAdjust(FAnchor.Y, FromIndex, ToIndex);
    if (FInplaceCell.Y >= 0)
        MoveAdjust(FInplaceCell.Y, FromIndex, ToIndex);
    RowMoved(FromIndex, ToIndex);
    RowHeightsChanged();
    UpdateScrollRange();
    PlaceEditor();
    InvalidateGrid();
}

void TCustomGrid::DeleteColumn(int ACol)
{
    if (ACol < 0 || ACol >= ColCount())
        return;
    MoveColumn(ACol, ColCount() - 1);
    SetColCount(ColCount() - 1);
}

void TCustomGrid::DeleteRow(int ARow)
{
    if (ARow < 0 || ARow >= RowCount())
        return;
    MoveRow(ARow, RowCount() - 1);
    SetRowCount(RowCount() - 1);
}

// ---- painting ----

void TCustomGrid::InvalidateCell(int ACol, int ARow)
{
    InvalidateGridRect({ACol, ARow, ACol, ARow});
}

void TCustomGrid::InvalidateGridRect(const TGridRect& r)
{
    if (!viewport()->isVisible())
        return;
    const TRect box = BoxRect(r);
    if (!box.IsEmpty())
        viewport()->update(box.toQRect());
}

void TCustomGrid::InvalidateGrid()
{
    viewport()->update();
}

void TCustomGrid::SetColor(TColor value)
{
    SetPropertyAlways(FColor, value, [this] { InvalidateGrid(); });
}

void TCustomGrid::SetFixedColor(TColor value)
{
    SetPropertyAlways(FFixedColor, value, [this] { InvalidateGrid(); });
}

void TCustomGrid::SetFont(const TFont& value)
{
    FFont = value;
    FCanvas->SetFont(value);
    InvalidateGrid();
}

void TCustomGrid::paintEvent(QPaintEvent* e)
{
    QPainter painter(viewport());
    FPaintRect = TRect::fromQRect(e->rect());
    FCanvas->BeginPaint(&painter, true);
    FCanvas->SetFont(FFont);
    Paint();
    FCanvas->EndPaint();
    FCanvas->SetFont(FFont);
}

void TCustomGrid::Paint()
{
    const int cw = ClientWidth();
    const int ch = ClientHeight();
    const bool focused = hasFocus() || EditorHasFocus();
    const TGridRect sel = Selection();
    const bool editing = FOptions.testFlag(TGridOption::goEditing) && FInplaceEdit && FInplaceEdit->isVisible();
    // Rows and columns in view: the fixed ones, then the scrollable ones from the top-left cell.
    auto shown = [](const TGridAxis& axis, int extent) {
        std::vector<int> cells;
        for (int i = 0; i < axis.Fixed() && axis.Pos(i) < extent; ++i)
            cells.push_back(i);
        for (int i = axis.First(); i < axis.Count() && axis.Pos(i) < extent; ++i)
            cells.push_back(i);
        return cells;
    };
    const std::vector<int> cols = shown(*FCols, cw);
    const std::vector<int> rows = shown(*FRows, ch);
    int gridRight = 0;
    int gridBottom = 0;
    for (int r : rows) {
        const int y = int(FRows->Pos(r));
        const int h = RowHeights(r);
        gridBottom = std::max(gridBottom, y + h);
        if (y >= FPaintRect.Bottom || y + h <= FPaintRect.Top)
            continue;
        for (int c : cols) {
            const int x = int(FCols->Pos(c));
            const int w = ColWidths(c);
            if (x >= FPaintRect.Right || x + w <= FPaintRect.Left)
                continue;
            TGridDrawState state;
            if (c < FixedCols() || r < FixedRows())
                state |= TGridDrawStateItem::gdFixed;
            else {
                const bool current = c == FCurrent.X && r == FCurrent.Y;
                if (current && focused)
                    state |= TGridDrawStateItem::gdFocused;
                if (sel.Contains(c, r))
                    state |= TGridDrawStateItem::gdSelected;
                if (current && editing)
                    continue;   // the editor covers it
            }
            DrawCell(c, r, {x, y, x + w, y + h}, state);
        }
    }
    for (int c : cols)
        gridRight = std::max(gridRight, int(FCols->Pos(c)) + ColWidths(c));
    // The area past the last cells shows the grid's colour.
    FCanvas->Brush().SetStyle(TBrushStyle::bsSolid);
    FCanvas->Brush().SetColor(FColor);
    if (gridRight < cw)
        FCanvas->FillRect({gridRight, 0, cw, ch});
    if (gridBottom < ch)
        FCanvas->FillRect({0, gridBottom, std::min(gridRight, cw), ch});
}

void TCustomGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    if (OnDrawCell)
        OnDrawCell(this, ACol, ARow, ARect, AState);
}

// ---- mouse ----

bool TCustomGrid::event(QEvent* e)
{
    // With tabs on, Tab moves the current cell instead of the focus.
    if (e->type() == QEvent::KeyPress && FOptions.testFlag(TGridOption::goTabs)) {
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QAbstractScrollArea::event(e);
}

void TCustomGrid::mousePressEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    MouseDown(ButtonFromQt(e->button()), ShiftStateFromQt(QApplication::keyboardModifiers(), e->buttons()), p.x(), p.y());
}

void TCustomGrid::mouseDoubleClickEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    MouseDown(ButtonFromQt(e->button()),
              ShiftStateFromQt(QApplication::keyboardModifiers(), e->buttons()) | TShiftStateItem::ssDouble, p.x(), p.y());
}

void TCustomGrid::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    MouseMove(ShiftStateFromQt(QApplication::keyboardModifiers(), e->buttons()), p.x(), p.y());
}

void TCustomGrid::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    MouseUp(ButtonFromQt(e->button()), ShiftStateFromQt(QApplication::keyboardModifiers(), e->buttons()), p.x(), p.y());
}

// Decides whether a press at (X, Y) starts sizing a column or row at its border in the fixed area.
void TCustomGrid::CalcSizingState(int X, int Y)
{
    FGridState = TGridState::gsNormal;
    auto nearBorder = [](const TGridAxis& axis, int pos, int extent) {
        for (int i = std::max(axis.First(), axis.Fixed()); i < axis.Count() && axis.Pos(i) < extent; ++i) {
            const int edge = int(axis.Pos(i)) + axis.Size(i);
            if (std::abs(pos - edge) < kSizingTolerance)
                return i;
        }
        return -1;
    };
    if (FOptions.testFlag(TGridOption::goColSizing) && Y < FRows->FixedExtent()) {
        const int c = nearBorder(*FCols, X, ClientWidth());
        if (c >= 0) {
            FGridState = TGridState::gsColSizing;
            FSizingIndex = c;
            FSizingOrigin = int(FCols->Pos(c));
            return;
        }
    }
    if (FOptions.testFlag(TGridOption::goRowSizing) && X < FCols->FixedExtent()) {
        const int r = nearBorder(*FRows, Y, ClientHeight());
        if (r >= 0) {
            FGridState = TGridState::gsRowSizing;
            FSizingIndex = r;
            FSizingOrigin = int(FRows->Pos(r));
        }
    }
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft)
        return;
    if (focusPolicy() != Qt::NoFocus && !hasFocus() && !EditorHasFocus())
        setFocus(Qt::MouseFocusReason);
    const TGridCoord hit = MouseCoord(X, Y);
    if (Shift.testFlag(TShiftStateItem::ssDouble)) {
        DblClick();
        if (hit == FCurrent && FOptions.testFlag(TGridOption::goEditing))
            ShowEditor();
        return;
    }
    CalcSizingState(X, Y);
    if (FGridState != TGridState::gsNormal)
        return;
    if (hit.X >= FixedCols() && hit.Y >= FixedRows()) {
        if (FOptions.testFlag(TGridOption::goEditing)) {
            if (hit != FCurrent) {
                MoveCurrent(hit.X, hit.Y, true, true);
                UpdateEdit();
            }
            Click();
        } else {
            FGridState = TGridState::gsSelecting;
            MoveCurrent(hit.X, hit.Y, !Shift.testFlag(TShiftStateItem::ssShift), true);
        }
    } else if (FOptions.testFlag(TGridOption::goRowMoving) && hit.X >= 0 && hit.X < FixedCols() && hit.Y >= FixedRows()) {
        FGridState = TGridState::gsRowMoving;
        FSizingIndex = FMovePos = hit.Y;
    } else if (FOptions.testFlag(TGridOption::goColMoving) && hit.Y >= 0 && hit.Y < FixedRows() && hit.X >= FixedCols()) {
        FGridState = TGridState::gsColMoving;
        FSizingIndex = FMovePos = hit.X;
    }
}

TGridCoord TCustomGrid::ClampedCell(int X, int Y) const
{
    // Beyond an edge the drag reaches one cell past the last shown one, which scrolls.
    auto along = [](const TGridAxis& axis, int pos, int extent) {
        if (pos < axis.FixedExtent())
            return std::max(axis.Fixed(), axis.First() - 1);
        const int i = axis.CellAt(std::min(pos, extent - 1), extent);
        if (pos >= extent || i < 0)
            return std::min(axis.Count() - 1, axis.First() + std::max(1, axis.VisibleCount(extent)));
        return i;
    };
    return {along(*FCols, X, ClientWidth()), along(*FRows, Y, ClientHeight())};
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y)
{
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
    switch (FGridState) {
    case TGridState::gsSelecting: {
        const TGridCoord cell = ClampedCell(X, Y);
        if (cell != FCurrent)
            MoveCurrent(cell.X, cell.Y, !FOptions.testFlag(TGridOption::goRangeSelect), true);
        break;
    }
    case TGridState::gsColSizing:
        SetColWidths(FSizingIndex, X - FSizingOrigin);
        break;
    case TGridState::gsRowSizing:
        SetRowHeights(FSizingIndex, Y - FSizingOrigin);
        break;
    case TGridState::gsColMoving:
        FMovePos = ClampedCell(X, Y).X;
        break;
    case TGridState::gsRowMoving:
        FMovePos = ClampedCell(X, Y).Y;
        break;
    case TGridState::gsNormal: {
        // Show where a press would size.
        const TGridState saved = FGridState;
        CalcSizingState(X, Y);
        const bool cols = FGridState == TGridState::gsColSizing;
        const bool rows = FGridState == TGridState::gsRowSizing;
        FGridState = saved;
        if (cols)
            viewport()->setCursor(Qt::SplitHCursor);
        else if (rows)
            viewport()->setCursor(Qt::SplitVCursor);
        else
            viewport()->unsetCursor();
        break;
    }
    }
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const TGridState state = FGridState;
    if (state != TGridState::gsNormal)
        MouseMove(Shift, X, Y);
    FGridState = TGridState::gsNormal;
    switch (state) {
    case TGridState::gsSelecting:
        UpdateEdit();
        Click();
        break;
    case TGridState::gsColMoving:
        if (FMovePos >= FixedCols() && FMovePos != FSizingIndex)
            MoveColumn(FSizingIndex, FMovePos);
        break;
    case TGridState::gsRowMoving:
        if (FMovePos >= FixedRows() && FMovePos != FSizingIndex)
            MoveRow(FSizingIndex, FMovePos);
        break;
    default:
        break;
    }
    if (OnMouseUp)
        OnMouseUp(this, Button, Shift, X, Y);
}

void TCustomGrid::wheelEvent(QWheelEvent* e)
{
    FWheelAccumulator += e->angleDelta().y();
    const TShiftState shift = ShiftStateFromQt(e->modifiers(), e->buttons());
    const QPoint p = e->position().toPoint();
    while (FWheelAccumulator >= 120) {
        FWheelAccumulator -= 120;
        DoMouseWheelUp(shift, {p.x(), p.y()});
    }
    while (FWheelAccumulator <= -120) {
        FWheelAccumulator += 120;
        DoMouseWheelDown(shift, {p.x(), p.y()});
    }
    e->accept();
}

bool TCustomGrid::DoMouseWheelDown(TShiftState, TPoint)
{
    if (Row() < RowCount() - 1)
        SetRow(Row() + 1);
    return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState, TPoint)
{
    if (Row() > FixedRows())
        SetRow(Row() - 1);
    return true;
}

// ---- keyboard ----

void TCustomGrid::keyPressEvent(QKeyEvent* e)
{
    std::uint16_t key = VirtualKeyFromQt(e->key(), e->modifiers());
    const TShiftState shift = ShiftStateFromQt(e->modifiers());
    if (key != 0) {
        if (OnKeyDown)
            OnKeyDown(this, key, shift);
        if (key != 0)
            KeyDown(key, shift);
    }
    // Enter and Esc go on to the window (its default and cancel buttons) unless the grid used them.
    bool used = key != VK_RETURN && key != VK_ESCAPE;
    for (QChar ch : e->text()) {
        // A typed character or Backspace opens the editor with it when editing is on.
        if (FOptions.testFlag(TGridOption::goEditing) && !EditorHasFocus() && (ch == QChar(8) || ch >= QChar(32)) &&
            ch != QChar(127)) {
            ShowEditorChar(ch);
            continue;
        }
        QChar c = ch;
        KeyPress(c);
        if (c.isNull())
            used = true;
    }
    e->setAccepted(used);
}

void TCustomGrid::keyReleaseEvent(QKeyEvent* e)
{
    std::uint16_t key = VirtualKeyFromQt(e->key(), e->modifiers());
    if (key != 0) {
        const TShiftState shift = ShiftStateFromQt(e->modifiers());
        if (OnKeyUp)
            OnKeyUp(this, key, shift);
        if (key != 0)
            KeyUp(key, shift);
    }
}

void TCustomGrid::KeyUp(std::uint16_t&, TShiftState) {}

void TCustomGrid::KeyDown(std::uint16_t& Key, TShiftState Shift)
{
    const bool ctrl = Shift.testFlag(TShiftStateItem::ssCtrl);
    const bool shift = Shift.testFlag(TShiftStateItem::ssShift);
    const bool rowSelect = FOptions.testFlag(TGridOption::goRowSelect);
    TGridCoord target = FCurrent;
    TGridCoord topLeft{LeftCol(), TopRow()};
    const int page = std::max(1, VisibleRowCount());
    switch (Key) {
    case VK_UP:
        --target.Y;
        break;
    case VK_DOWN:
        ++target.Y;
        break;
    case VK_LEFT:
        if (rowSelect)
            --topLeft.X;
        else
            --target.X;
        break;
    case VK_RIGHT:
        if (rowSelect)
            ++topLeft.X;
        else
            ++target.X;
        break;
    case VK_PRIOR:
        target.Y -= page;
        topLeft.Y -= page;
        break;
    case VK_NEXT:
        target.Y += page;
        topLeft.Y += page;
        break;
    case VK_HOME:
        if (ctrl)
            target.Y = FixedRows();
        target.X = FixedCols();
        break;
    case VK_END:
        if (ctrl)
            target.Y = RowCount() - 1;
        target.X = ColCount() - 1;
        break;
    case VK_TAB:
        if (!FOptions.testFlag(TGridOption::goTabs) || ctrl)
            return;
        // Tab walks the cells row by row and wraps at the grid's ends.
        if (shift) {
            if (--target.X < FixedCols()) {
                target.X = ColCount() - 1;
                if (--target.Y < FixedRows())
                    target.Y = RowCount() - 1;
            }
        } else if (++target.X >= ColCount()) {
            target.X = FixedCols();
            if (++target.Y >= RowCount())
                target.Y = FixedRows();
        }
        FocusCell(target.X, target.Y, true);
        return;
    case VK_F2:
        SetEditorMode(true);
        return;
    default:
        return;
    }
    target.X = std::max(FixedCols(), std::min(target.X, ColCount() - 1));
    target.Y = std::max(FixedRows(), std::min(target.Y, RowCount() - 1));
    if (topLeft.X != LeftCol() || topLeft.Y != TopRow())
        MoveTopLeft(topLeft.X, topLeft.Y);
    if (target != FCurrent || (shift && FOptions.testFlag(TGridOption::goRangeSelect)))
        FocusCell(target.X, target.Y, !shift);
}

void TCustomGrid::KeyPress(QChar& Key)
{
    if (OnKeyPress)
        OnKeyPress(this, Key);
    if (Key == QChar(13) && FOptions.testFlag(TGridOption::goEditing) &&
        !FOptions.testFlag(TGridOption::goAlwaysShowEditor)) {
        if (FEditorMode)
            HideEditor();
        else
            ShowEditor();
        Key = QChar();
    }
}

// ---- focus ----

bool TCustomGrid::EditorHasFocus() const
{
    return FInplaceEdit && FInplaceEdit->hasFocus();
}

void TCustomGrid::focusInEvent(QFocusEvent* e)
{
    QAbstractScrollArea::focusInEvent(e);
    InvalidateCell(Col(), Row());
    FocusChanged();
}

void TCustomGrid::focusOutEvent(QFocusEvent* e)
{
    QAbstractScrollArea::focusOutEvent(e);
    InvalidateCell(Col(), Row());
    FocusChanged();
}

// The grid and its editor count as one control: moving the focus between them neither enters nor exits.
void TCustomGrid::FocusChanged()
{
    const bool inside = hasFocus() || EditorHasFocus();
    if (inside == FFocusInside)
        return;
    FFocusInside = inside;
    if (inside)
        DoEnter();
    else
        DoExit();
}

void TCustomGrid::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TCustomGrid::DoExit()
{
    if (OnExit)
        OnExit(this);
}

// ---- in-place editor ----

TInplaceEdit* TCustomGrid::CreateEditor()
{
    return new TInplaceEdit(this);
}

bool TCustomGrid::CanEditShow()
{
    return FOptions.testFlag(TGridOption::goEditing) && !FOptions.testFlag(TGridOption::goRowSelect) && FEditorMode;
}

QString TCustomGrid::GetEditText(int ACol, int ARow)
{
    QString value;
    if (OnGetEditText)
        OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TCustomGrid::SetEditText(int ACol, int ARow, const QString& Value)
{
    if (OnSetEditText)
        OnSetEditText(this, ACol, ARow, Value);
}

QString TCustomGrid::GetEditMask(int, int) { return {}; }
int TCustomGrid::GetEditLimit() { return 0; }

void TCustomGrid::SetEditorMode(bool value)
{
    if (!value) {
        HideEditor();
        return;
    }
    ShowEditor();
    if (FInplaceEdit)
        FInplaceEdit->Deselect();
}

void TCustomGrid::ShowEditor()
{
    FEditorMode = true;
    UpdateEdit();
}

void TCustomGrid::ShowEditorChar(QChar Ch)
{
    ShowEditor();
    if (!FInplaceEdit || !FInplaceEdit->isVisible())
        return;
    FInplaceEdit->selectAll();
    QKeyEvent typed(QEvent::KeyPress, Ch == QChar(8) ? Qt::Key_Backspace : 0, Qt::NoModifier, QString(Ch));
    QApplication::sendEvent(FInplaceEdit, &typed);
}

void TCustomGrid::HideEditor()
{
    FEditorMode = false;
    HideEdit();
}

void TCustomGrid::InvalidateEditor()
{
    FInplaceCell = {-1, -1};
    UpdateEdit();
}

void TCustomGrid::HideEdit()
{
    if (!FInplaceEdit || FInplaceCell.X < 0)
        return;
    const TGridCoord cell = FInplaceCell;
    const bool hadFocus = FInplaceEdit->hasFocus();
    FInplaceCell = {-1, -1};
    FInplaceEdit->hide();
    SetEditText(cell.X, cell.Y, FInplaceEdit->text());
    if (hadFocus)
        setFocus(Qt::OtherFocusReason);
    InvalidateCell(cell.X, cell.Y);
}

void TCustomGrid::UpdateEdit()
{
    if (!CanEditShow()) {
        if (!FEditorMode)
            HideEdit();
        return;
    }
    if (!FInplaceEdit)
        FInplaceEdit = CreateEditor();
    if (FInplaceCell != FCurrent) {
        HideEdit();
        FInplaceCell = FCurrent;
        FInplaceEdit->UpdateContents();
        FInplaceEdit->selectAll();
    }
    PlaceEditor();
    if (FInplaceEdit->isVisible())
        FInplaceEdit->setFocus(Qt::OtherFocusReason);
}

void TCustomGrid::PlaceEditor()
{
    if (!FInplaceEdit || FInplaceCell.X < 0)
        return;
    const TRect r = CellRect(FInplaceCell.X, FInplaceCell.Y);
    if (r.IsEmpty()) {
        FInplaceEdit->hide();
        return;
    }
    FInplaceEdit->UpdateLoc(r);
    FInplaceEdit->show();
}

// ---- string grid ----

TStringGrid::TStringGrid(QWidget* parent)
    : TCustomGrid(parent)
{
}

void TStringGrid::SetCells(int ACol, int ARow, const QString& value)
{
    FStore.SetRowWidthHint(ColCount());
    FStore.SetText(ACol, ARow, value);
    InvalidateCell(ACol, ARow);
}

void TStringGrid::SetObjects(int ACol, int ARow, TObject* value)
{
    FStore.SetRowWidthHint(ColCount());
    FStore.SetObject(ACol, ARow, value);
}

void TStringGrid::SetRows(int ARow, const TGridCells& value)
{
    FStore.SetRow(ARow, value, ColCount());
    InvalidateGridRect({0, ARow, ColCount() - 1, ARow});
}

void TStringGrid::SetCols(int ACol, const TGridCells& value)
{
    FStore.SetCol(ACol, value, RowCount());
    InvalidateGridRect({ACol, 0, ACol, RowCount() - 1});
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    TCanvas* canvas = Canvas();
    const bool selected = AState.testFlag(TGridDrawStateItem::gdSelected) &&
                          (!AState.testFlag(TGridDrawStateItem::gdFocused) ||
                           Options().testFlag(TGridOption::goDrawFocusSelected));
    canvas->Brush().SetStyle(TBrushStyle::bsSolid);
    canvas->Brush().SetColor(AState.testFlag(TGridDrawStateItem::gdFixed) ? FixedColor()
                             : selected                                  ? clHighlight
                                                                         : Color());
    canvas->Font().SetColor(selected ? clHighlightText : Font().Color());
    canvas->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
    TCustomGrid::DrawCell(ACol, ARow, ARect, AState);
}

QString TStringGrid::GetEditText(int ACol, int ARow)
{
    QString value = Cells(ACol, ARow);
    if (OnGetEditText)
        OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TStringGrid::SetEditText(int ACol, int ARow, const QString& Value)
{
    if (Value != Cells(ACol, ARow))
        SetCells(ACol, ARow, Value);
    TCustomGrid::SetEditText(ACol, ARow, Value);
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    FStore.MoveCol(FromIndex, ToIndex);
    TCustomGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex)
{
    FStore.MoveRow(FromIndex, ToIndex);
    TCustomGrid::RowMoved(FromIndex, ToIndex);
}
