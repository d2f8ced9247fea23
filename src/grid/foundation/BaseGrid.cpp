#include "grid/foundation/BaseGrid.h"

#include "grid/foundation/CellProperties.h"
#include "grid/model/GridText.h"
#include "grid/foundation/GridDraw.h"
#include "grid/foundation/UndoRedo.h"
#include "platform/GridEdit.h"
#include <algorithm>

TBaseGrid::TBaseGrid(QWidget* AOwner)
    : TStringGrid(AOwner)
{
}

TBaseGrid::~TBaseGrid()
{
    FDestroying = true;
    FreeAllCellObjects();
}

// ---- ownership ----

TObject* TBaseGrid::Adopt(std::unique_ptr<TObject> object)
{
    TObject* raw = object.get();
    if (raw)
        FOwned[raw] = std::move(object);
    return raw;
}

void TBaseGrid::Release(TObject* object)
{
    FOwned.erase(object);
}

// ---- cell access ----

TCellProperties* TBaseGrid::PropsAt(int c, int r) const
{
    return dynamic_cast<TCellProperties*>(GetGridObject(c, r));
}

bool TBaseGrid::HasCellProperties(int ACol, int ARow) const
{
    return ACol >= 0 && ARow >= 0 && ACol < TotalColCount() && ARow < RowCount() &&
           PropsAt(ACol, ARow) != nullptr;
}

QString TBaseGrid::GetCellEx(int c, int r)
{
    const TPoint b = BaseCell(c, r);
    QString result = GetGridCell(b.X, b.Y);
    if (b.Y < FNormalRowCount) {
        GetDisplText(b.X, b.Y, result);
        if (OnGetDisplWideText) {
            QString wide = DecodeWideCellText(result);
            GetDisplWideText(b.X, b.Y, wide);
            result = EncodeWideCellText(wide);
        }
    }
    return result;
}

void TBaseGrid::SetCellEx(int c, int r, const QString& Value)
{
    if (HasCellProperties(c, r)) {
        const TPoint b = BaseCell(c, r);
        SetGridCell(b.X, b.Y, Value);
        CellTextChanged(b.X, b.Y);
        if (parentWidget())
            RepaintCell(c, r);
    } else {
        SetGridCell(c, r, Value);
    }
    if (FHideLastRow && r == RowCount() - 1)
        FooterChanged();
}

TCellProperties* TBaseGrid::GetCellProperties(int c, int r)
{
    if (TCellProperties* props = PropsAt(c, r))
        return props;
    if (c < 0 || r < 0)
        return nullptr;
    // Stored before the look is applied, so that the repaints below find it.
    auto* props = static_cast<TCellProperties*>(Adopt(std::make_unique<TCellProperties>(this, c, r)));
    SetGridObject(c, r, props);
    TFont font;
    TBrush brush;
    TColor colorTo = clNone;
    TColor mirrorColor = clNone;
    TColor mirrorColorTo = clNone;
    TAlignment ha = TAlignment::taLeftJustify;
    TVAlignment va = TVAlignment::vtaTop;
    bool ww = FWordWrap;
    TCellGradientDirection gd = TCellGradientDirection::GradientVertical;
    GetDefaultCellProperties(c, r, font, brush, colorTo, mirrorColor, mirrorColorTo, ha, va, ww, gd);
    props->SetCalcType(TColumnCalcType::acNONE);
    props->SetAlignment(ha);
    props->SetVAlignment(va);
    props->SetWordWrap(ww);
    props->SetFontName(font.Name());
    props->SetFontSize(font.Size());
    props->SetFontStyle(font.Style());
    props->SetFontColor(font.Color());
    props->SetBrushColor(brush.Color());
    props->SetBrushColorTo(colorTo);
    props->SetGradientDirection(gd);
    return props;
}

void TBaseGrid::SetCellProperties(int c, int r, std::unique_ptr<TCellProperties> Value)
{
    if (c < 0 || r < 0)
        return;
    if (TCellProperties* old = PropsAt(c, r))
        Release(old);
    SetGridObject(c, r, Adopt(std::move(Value)));
    if (GetGridObject(c, r))
        FHasCellProps = true;
}

TObject* TBaseGrid::GetObjectEx(int c, int r) const
{
    const TCellProperties* props = PropsAt(c, r);
    return props ? props->CellObject() : nullptr;
}

TObject* TBaseGrid::GetGraphicObjectEx(int c, int r) const
{
    const TCellProperties* props = PropsAt(c, r);
    return props ? props->GraphicObject() : nullptr;
}

TObject* TBaseGrid::GraphicOfProps(const TCellProperties* Props)
{
    return Props->GraphicObject();
}

// An empty cell gets a passing blank so that the writes go through the merged-cell path like any other.
void TBaseGrid::StoreCellObject(int c, int r, const std::function<void(TCellProperties*)>& store)
{
    const bool empty = GetCellEx(c, r).isEmpty();
    if (empty)
        SetCellEx(c, r, QStringLiteral(" "));
    if (TCellProperties* props = GetCellProperties(c, r))
        store(props);
    if (empty)
        SetCellEx(c, r, QString());
}

void TBaseGrid::SetObjectEx(int c, int r, TObject* Value)
{
    StoreCellObject(c, r, [Value](TCellProperties* props) { props->SetCellObject(Value); });
}

void TBaseGrid::SetGraphicObjectEx(int c, int r, TObject* Value)
{
    if (FDestroying)
        return;
    StoreCellObject(c, r, [this, Value](TCellProperties* props) {
        if (props->GraphicOwned() && props->GraphicObject() != Value)
            Release(props->GraphicObject());   // a replaced graphic the grid owned goes now, not with the grid
        props->SetGraphic(Value, false);
    });
}

void TBaseGrid::SetGraphicObjectEx(int c, int r, std::unique_ptr<TObject> Value)
{
    if (FDestroying || c < 0 || r < 0)
        return;
    TObject* owned = Adopt(std::move(Value));
    StoreCellObject(c, r, [this, owned](TCellProperties* props) {
        if (props->GraphicOwned() && props->GraphicObject() != owned)
            Release(props->GraphicObject());
        props->SetGraphic(owned, true);
    });
}

void TBaseGrid::FreeCellObjects(int ACol1, int ARow1, int ACol2, int ARow2)
{
    if (!FHasCellProps)
        return;
    // Only the part of the rectangle the store can hold is visited.
    const int lastRow = std::min(ARow2, Store().RowExtent() - 1);
    for (int r = std::max(0, ARow1); r <= lastRow; ++r) {
        const int lastCol = std::min(ACol2, Store().ColExtent(r) - 1);
        for (int c = std::max(0, ACol1); c <= lastCol; ++c) {
            TCellProperties* props = PropsAt(c, r);
            if (!props)
                continue;
            if (props->GraphicOwned())
                Release(props->GraphicObject());
            SetGridObject(c, r, nullptr);
            Release(props);
        }
    }
}

void TBaseGrid::FreeCellProps(int ACol, int ARow)
{
    if (TCellProperties* props = PropsAt(ACol, ARow)) {
        SetGridObject(ACol, ARow, nullptr);
        Release(props);
    }
}

void TBaseGrid::FreeAllCellObjects()
{
    int widest = 0;
    for (int r = 0; r < Store().RowExtent(); ++r)
        widest = std::max(widest, Store().ColExtent(r));
    FreeCellObjects(0, 0, widest - 1, Store().RowExtent() - 1);
}

// ---- merged cells ----

TPoint TBaseGrid::BaseCell(int ACol, int ARow) const
{
    // Every cell read asks this: a grid that never had cell properties answers at once.
    if (!FHasCellProps || !HasCellProperties(ACol, ARow))
        return {ACol, ARow};
    return PropsAt(ACol, ARow)->BaseCell(ACol, ARow);
}

bool TBaseGrid::IsBaseCell(int ACol, int ARow) const
{
    return !HasCellProperties(ACol, ARow) || PropsAt(ACol, ARow)->IsBaseCell();
}

bool TBaseGrid::GetBaseCellOf(int ACol, int ARow, int& BaseCol, int& BaseRow) const
{
    BaseCol = ACol;
    BaseRow = ARow;
    if (IsBaseCell(ACol, ARow))
        return true;
    const TPoint b = BaseCell(ACol, ARow);
    BaseCol = b.X;
    BaseRow = b.Y;
    return false;
}

bool TBaseGrid::IsMergedCell(int ACol, int ARow) const
{
    if (!HasCellProperties(ACol, ARow))
        return false;
    const TCellProperties* props = PropsAt(ACol, ARow);
    return props->CellSpanX() > 0 || props->CellSpanY() > 0;
}

bool TBaseGrid::IsMergedNonBaseCell(int ACol, int ARow) const
{
    return IsMergedCell(ACol, ARow) && !IsBaseCell(ACol, ARow);
}

bool TBaseGrid::IsXMergedCell(int ACol, int ARow) const
{
    return HasCellProperties(ACol, ARow) && CellSpan(ACol, ARow).X > 0;
}

bool TBaseGrid::IsYMergedCell(int ACol, int ARow) const
{
    return HasCellProperties(ACol, ARow) && CellSpan(ACol, ARow).Y > 0;
}

TPoint TBaseGrid::CellSpan(int ACol, int ARow) const
{
    if (!HasCellProperties(ACol, ARow))
        return {0, 0};
    const TCellProperties* props = PropsAt(ACol, ARow);
    if (props->CellSpanX() == -1 || props->CellSpanY() == -1)
        return {0, 0};
    const TPoint b = props->BaseCell(ACol, ARow);
    const TCellProperties* base = PropsAt(b.X, b.Y);
    return base ? TPoint{base->CellSpanX(), base->CellSpanY()} : TPoint{0, 0};
}

TPoint TBaseGrid::CellExt(int ACol, int ARow) const
{
    const TPoint span = CellSpan(ACol, ARow);
    if (span == TPoint{0, 0})
        return {0, 0};
    const TPoint b = BaseCell(ACol, ARow);
    return {b.X + span.X - ACol, b.Y + span.Y - ARow};
}

TRect TBaseGrid::FullCell(int c, int r) const
{
    const TPoint b = BaseCell(c, r);
    const TPoint span = CellSpan(c, r);
    return {b.X, b.Y, b.X + span.X, b.Y + span.Y};
}

int TBaseGrid::MinRowSpan(int ARow) const
{
    int result = RowCount();
    for (int c = 0; c < ColCount(); ++c) {
        const int span = CellSpan(c, ARow).Y;
        if (span > 0)
            result = std::min(result, span);
    }
    return result;
}

int TBaseGrid::MaxRowSpan(int ARow) const
{
    int result = 0;
    for (int c = 0; c < ColCount(); ++c)
        result = std::max(result, CellSpan(c, ARow).Y);
    return result;
}

bool TBaseGrid::RowSpanIdentical(int ARow1, int ARow2) const
{
    bool counted = false;
    for (int c = 0; c < ColCount(); ++c) {
        if (CellSpan(c, ARow1).Y > 0 && CellSpan(c, ARow2).Y > 0) {
            if (BaseCell(c, ARow1).Y != BaseCell(c, ARow2).Y)
                return false;
            counted = true;
        }
    }
    return counted;
}

bool TBaseGrid::ColSpanIdentical(int ACol1, int ACol2) const
{
    bool counted = false;
    for (int r = 0; r < RowCount(); ++r) {
        const int span1 = CellSpan(ACol1, r).X;
        const int span2 = CellSpan(ACol2, r).X;
        if (span1 > 0 && span2 > 0) {
            if (BaseCell(ACol1, r).X != BaseCell(ACol2, r).X)
                return false;
            counted = true;
        } else if (span1 != span2) {
            return false;
        }
    }
    return counted;
}

void TBaseGrid::MergeCells(int c, int r, int spanx, int spany)
{
    ++FMergeCount;
    if (c < 0 || r < 0 || c >= TotalColCount() || r >= RowCount())
        return;
    // A range past the grid would leave cells that no query can see as merged.
    spanx = std::min(spanx, TotalColCount() - c);
    spany = std::min(spany, RowCount() - r);
    if (spanx < 1 || spany < 1)
        return;
    for (int i = c; i < c + spanx; ++i) {
        for (int j = r; j < r + spany; ++j) {
            TCellProperties* props = GetCellProperties(i, j);
            const bool base = i == c && j == r;
            props->SetIsBaseCell(base);
            props->SetCellSpanX(base ? spanx - 1 : i - c);
            props->SetCellSpanY(base ? spany - 1 : j - r);
        }
    }
    RepaintMergedCells(c, r, c + spanx - 1, r + spany - 1);
}

void TBaseGrid::SplitCells(int c, int r)
{
    if (TCellProperties* props = GetCellProperties(c, r)) {
        const TPoint b = props->BaseCell(c, r);
        const TCellProperties* base = GetCellProperties(b.X, b.Y);
        const int sx = base ? base->CellSpanX() : -1;
        const int sy = base ? base->CellSpanY() : -1;
        if (sx >= 0 && sy >= 0) {
            for (int i = b.X; i <= b.X + sx; ++i) {
                for (int j = b.Y; j <= b.Y + sy; ++j) {
                    TCellProperties* cell = GetCellProperties(i, j);
                    cell->SetIsBaseCell(true);
                    cell->SetCellSpanX(-1);
                    cell->SetCellSpanY(-1);
                }
            }
            RepaintMergedCells(b.X, b.Y, b.X + sx, b.Y + sy);
        }
    }
    --FMergeCount;
}

void TBaseGrid::RepaintMergedCells(int c1, int r1, int c2, int r2)
{
    for (int i = c1; i <= c2; ++i)
        for (int j = r1; j <= r2; ++j)
            RepaintCell(i, j);
}

// ---- geometry ----

TRect TBaseGrid::CalcCellRect(int ACol, int ARow) const
{
    int x = int(ColOffset(ACol));
    int y = int(RowOffset(ARow));
    TRect r{x, y, x + ColWidths(ACol), y + RowHeights(ARow)};
    if (ACol >= FixedCols())
        OffsetRect(r, -int(ColOffset(LeftCol())), 0);
    if (ARow >= FixedRows())
        OffsetRect(r, 0, -int(RowOffset(TopRow())));
    TRect origin = TStringGrid::CellRect(LeftCol(), TopRow());
    if (ACol < FixedCols())
        origin.Left = 0;
    if (ARow < FixedRows())
        origin.Top = 0;
    OffsetRect(r, origin.Left, origin.Top);
    return r;
}

bool TBaseGrid::HasMergeEncoding(int c, int r) const
{
    if (!HasCellProperties(c, r))
        return false;
    const TCellProperties* props = PropsAt(c, r);
    return props->CellSpanX() != -1 || props->CellSpanY() != -1;
}

// From the range's base cell to its far corner. For painting, an end cell of zero width still counts one
// pixel, so that a range ending in a hidden column keeps its edge.
TRect TBaseGrid::RangeRect(int c, int r, bool WidenEmptyEnds) const
{
    const TPoint b = PropsAt(c, r)->BaseCell(c, r);
    const TPoint span = CellSpan(c, r);
    TRect r1 = CalcCellRect(b.X, b.Y);
    TRect r2 = CalcCellRect(b.X + span.X, b.Y + span.Y);
    if (WidenEmptyEnds && r1.Width() == 0)
        ++r1.Right;
    if (WidenEmptyEnds && r2.Width() == 0)
        --r2.Left;
    return {std::min(r1.Left, r2.Left), std::min(r1.Top, r2.Top), std::max(r1.Right, r2.Right),
            std::max(r1.Bottom, r2.Bottom)};
}

TRect TBaseGrid::CellRect(int c, int r) const
{
    if (HasMergeEncoding(c, r))
        return RangeRect(c, r, true);
    if (HasCellProperties(c, r) && PropsAt(c, r)->Control())
        return CalcCellRect(c, r);
    const TRect shown = TStringGrid::CellRect(c, r);
    return {shown.Left, shown.Top, shown.Left + ColWidths(c), shown.Top + RowHeights(r)};
}

TPoint TBaseGrid::CellSize(int c, int r) const
{
    const TRect rect = HasMergeEncoding(c, r) ? RangeRect(c, r, false) : CalcCellRect(c, r);
    return {rect.Width(), rect.Height()};
}

void TBaseGrid::RepaintCell(int c, int r)
{
    if (!viewport()->isVisible())
        return;
    const TRect rect = CellRect(c, r);
    if (!rect.IsEmpty())
        viewport()->update(rect.toQRect());
}

void TBaseGrid::MoveToBaseCell()
{
    if (HasCellProperties(Col(), Row())) {
        const TPoint b = BaseCell(Col(), Row());
        if (b.X != Col())
            SetCol(b.X);
        if (b.Y != Row())
            SetRow(b.Y);
    }
}

// ---- slots ----

void TBaseGrid::ClearColSlots(int ACol)
{
    for (int r = 0; r < RowCount(); ++r) {
        SetGridObject(ACol, r, nullptr);
        SetCellEx(ACol, r, QString());
    }
}

void TBaseGrid::ClearRowSlots(int ARow)
{
    for (int c = 0; c < ColCount(); ++c) {
        SetGridObject(c, ARow, nullptr);
        SetCellEx(c, ARow, QString());
    }
}

void TBaseGrid::ClearCellSlot(int ACol, int ARow)
{
    SetCellEx(ACol, ARow, QString());
    SetGridObject(ACol, ARow, nullptr);
}

// ---- virtual operations ----

bool TBaseGrid::IsFixed(int, int) { return false; }
int TBaseGrid::GetNodeIndent(int) { return 0; }
bool TBaseGrid::HasNodes() { return false; }
void TBaseGrid::FooterChanged() {}
void TBaseGrid::CellTextChanged(int, int) {}
bool TBaseGrid::UseCellBorders() { return false; }
bool TBaseGrid::IsToolkitStyled() { return false; }

void TBaseGrid::DrawCellContent(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState)
{
    TRect r = ARect;
    ACanvas->Brush().SetStyle(TBrushStyle::bsClear);
    ACanvas->DrawText(GetCellEx(ACol, ARow), r, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    ACanvas->Brush().SetStyle(TBrushStyle::bsSolid);
}

void TBaseGrid::GetVisualProperties(int, int, TGridDrawState&, bool, bool, bool, TBrush&, TColor&, TColor&, TColor&,
                                    TFont&, TAlignment&, TVAlignment&, bool&, TCellGradientDirection&)
{
}

void TBaseGrid::GetDisplText(int ACol, int ARow, QString& Value)
{
    if (OnGetDisplText)
        OnGetDisplText(this, ACol, ARow, Value);
}

void TBaseGrid::GetDisplWideText(int ACol, int ARow, QString& Value)
{
    if (OnGetDisplWideText)
        OnGetDisplWideText(this, ACol, ARow, Value);
}

void TBaseGrid::GetDefaultCellProperties(int, int, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                                         TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                         TVAlignment& VA, bool& WW, TCellGradientDirection& GD)
{
    AFont = Font();
    ABrush.SetColor(Color());
    AColorTo = clNone;
    AMirrorColor = clNone;
    AMirrorColorTo = clNone;
    HA = TAlignment::taLeftJustify;
    VA = TVAlignment::vtaTop;
    WW = FWordWrap;
    GD = TCellGradientDirection::GradientVertical;
}

// ---- toolkit overrides ----

bool TBaseGrid::SelectCell(int ACol, int ARow)
{
    if (UseRightToLeftAlignment()) {
        const bool result = TStringGrid::SelectCell(ACol, ARow);
        InvalidateGrid();
        return result;
    }
    RepaintCell(Col(), Row());
    const bool result = TStringGrid::SelectCell(ACol, ARow);
    RepaintCell(ACol, ARow);
    return result;
}

void TBaseGrid::KeyDown(std::uint16_t& Key, TShiftState Shift)
{
    const bool merged = HasCellProperties(Col(), Row());
    const TPoint b = merged ? BaseCell(Col(), Row()) : TPoint{Col(), Row()};
    const TCellProperties* base = merged ? PropsAt(b.X, b.Y) : nullptr;
    switch (Key) {
    // Leaving a range to the left or upwards starts from its base cell, so that the step lands just outside.
    case VK_LEFT:
        if (base && b.X < Col() && Col() > FixedCols())
            SetCol(b.X);
        break;
    case VK_UP:
        if (base && b.Y < Row() && Row() > FixedRows())
            SetRow(b.Y);
        break;
    case VK_RIGHT:
        if (base) {
            const int e = b.X + base->CellSpanX();
            if (e >= Col() && Col() < ColCount() - 1 && b.X < ColCount() - 1 && e < ColCount())
                SetCol(e);
        }
        break;
    case VK_DOWN:
        MoveToRangeBottom();
        break;
    default:
        break;
    }
    const bool pageDown = Key == VK_NEXT;
    TStringGrid::KeyDown(Key, Shift);
    if (pageDown)
        KeepOffFooterRow();
    MoveToBaseCell();
}

// Stepping down out of a range starts from its last row, so that the step leaves the range.
void TBaseGrid::MoveToRangeBottom()
{
    if (!HasCellProperties(Col(), Row()))
        return;
    const TPoint b = BaseCell(Col(), Row());
    const TCellProperties* base = PropsAt(b.X, b.Y);
    if (!base)
        return;
    const int e = b.Y + base->CellSpanY();
    if (e >= Row() && Row() < RowCount() - 1 && b.Y < RowCount() - 1)
        SetRow(std::min(e, RowCount() - 1));
}

// The hidden footer row is painted blank under the floating footer: paging and the wheel stop above it.
void TBaseGrid::KeepOffFooterRow()
{
    if (FHideLastRow && RowCount() - 1 > FixedRows() && Row() == RowCount() - 1)
        SetRow(RowCount() - 2);
}

bool TBaseGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    // Without this the wheel would step into the range's next row and back to its base cell, forever.
    MoveToRangeBottom();
    const bool result = TStringGrid::DoMouseWheelDown(Shift, MousePos);
    KeepOffFooterRow();
    if (VisibleRowCount() < Row() - TopRow() && Row() < RowCount() - 1 && FHideLastRow)
        SetTopRow(TopRow() + 1);
    MoveToBaseCell();
    return result;
}

bool TBaseGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    const bool result = TStringGrid::DoMouseWheelUp(Shift, MousePos);
    MoveToBaseCell();
    return result;
}

void TBaseGrid::TopLeftChanged()
{
    TStringGrid::TopLeftChanged();
    if (FixedCols() > 0)
        for (int c = 0; c < FixedCols(); ++c)
            for (int r = TopRow(); r <= TopRow() + VisibleRowCount(); ++r)
                if (IsMergedCell(c, r))
                    RepaintCell(c, r);
    if (FixedRows() > 0)
        for (int r = 0; r < FixedRows(); ++r)
            for (int c = LeftCol(); c <= LeftCol() + VisibleColCount(); ++c)
                if (IsMergedCell(c, r))
                    RepaintCell(c, r);
}

// ---- painting ----

void TBaseGrid::Paint()
{
    FPassCanvas = Canvas();
    TStringGrid::Paint();
    FPassCanvas = nullptr;
    ++FPaintID;
}

// Only the grid's own paint pass marks ranges: a range painted elsewhere (a print, a drag image) between
// two passes must still be painted by the next one.
bool TBaseGrid::PaintedInPass(const TCanvas* ACanvas, int BaseCol, int BaseRow) const
{
    return ACanvas == FPassCanvas && PropsAt(BaseCol, BaseRow)->PaintID() == FPaintID;
}

void TBaseGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    PaintCellCore(Canvas(), ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCell(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    PaintCellCore(ACanvas, ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCellExt(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    PaintCellCore(ACanvas, ACol, ARow, ARect, AState, false);
}

namespace {

struct TSelectionBlockColors {
    TColor Color, ColorTo, MirrorColor, MirrorColorTo, InnerTop, InnerBottom, Border, Corner;
};

const TSelectionBlockColors& SelectionBlockColors(TGridSelectionStyle style, bool focused)
{
    static const TSelectionBlockColors vista{0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB};
    static const TSelectionBlockColors win7{0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE};
    static const TSelectionBlockColors office{0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF};
    static const TSelectionBlockColors unfocused{0xF8F8F8, 0xE5E5E5, clNone, clNone, 0xFBFAFA, 0xF0F0F0, 0xD9D9D9, 0xEFEFEF};
    if (!focused)
        return unfocused;
    return style == TGridSelectionStyle::ssVista ? vista : style == TGridSelectionStyle::ssWin7 ? win7 : office;
}

} // namespace

void TBaseGrid::PaintCellCore(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState, bool Full)
{
    using S = TGridDrawStateItem;
    if (ARow == RowCount() - 1 && FHideLastRow) {
        ACanvas->Brush().SetColor(Color());
        ACanvas->Pen().SetColor(Color());
        ACanvas->FillRect(ARect);
        return;
    }
    // A merged range is painted whole, once per paint pass, by the first of its cells met.
    int b = ACol;
    int s = ARow;
    if (!GetBaseCellOf(ACol, ARow, b, s)) {
        if (PropsAt(b, s) && !PaintedInPass(ACanvas, b, s))
            PaintCell(ACanvas, b, s, ARect, AState);   // the base cell marks the pass
        return;
    }
    if (Full && IsMergedCell(ACol, ARow)) {
        if (PaintedInPass(ACanvas, ACol, ARow))
            return;
        if (ACanvas == FPassCanvas)
            PropsAt(ACol, ARow)->SetPaintID(FPaintID);
    }
    if (Full && IsFixed(ACol, ARow)) {
        AState |= S::gdFixed;
        AState &= ~TGridDrawState(S::gdSelected);
    }
    const TRect R = Full ? CellRect(ACol, ARow) : ARect;

    // A range scrolled partly under the fixed area must not paint over it. The reduced mode paints
    // elsewhere (a dragged header image), where the grid's fixed area means nothing.
    const int L = ACol >= FixedCols() ? FixedColsWidth() : 0;
    const int T = ARow >= FixedRows() ? FixedRowsHeight() : 0;
    const bool clip = Full && ((ACol >= FixedCols() && FixedCols() > 0 && R.Left < L) ||
                               (ARow >= FixedRows() && FixedRows() > 0 && R.Top < T));
    if (clip)
        ACanvas->SetClipRect({L, T, ClientWidth(), ClientHeight()});

    ACanvas->Pen().SetWidth(1);
    ACanvas->SetFont(Font());
    ACanvas->Brush().SetStyle(TBrushStyle::bsSolid);
    ACanvas->Brush().SetColor(AState.testFlag(S::gdFixed) ? FixedColor() : Color());
    TColor colorTo = clNone;
    TColor mirrorColor = clNone;
    TColor mirrorColorTo = clNone;
    TAlignment ha = TAlignment::taLeftJustify;
    TVAlignment va = TVAlignment::vtaTop;
    bool ww = FWordWrap;
    TCellGradientDirection gd = TCellGradientDirection::GradientVertical;
    GetVisualProperties(ACol, ARow, AState, false, true, true, ACanvas->Brush(), colorTo, mirrorColor, mirrorColorTo,
                        ACanvas->Font(), ha, va, ww, gd);
    // The look may change the state (a row selection of its own, a cell shown as fixed): the rest follows it.
    const bool fixed = AState.testFlag(S::gdFixed);
    const bool selected = AState.testFlag(S::gdSelected);
    ACanvas->Pen().SetColor(ACanvas->Brush().Color());

    if (ARow == FHoverRowIdx && FHoverRow && !(selected && !FHoverRowCells.Contains(THoverRowCell::hcSelected)) &&
        !(fixed && !FHoverRowCells.Contains(THoverRowCell::hcFixed))) {
        ACanvas->Brush().SetColor(FHoverRowColor);
        colorTo = FHoverRowColorTo;
        mirrorColor = clNone;
        mirrorColorTo = clNone;
        gd = TCellGradientDirection::GradientVertical;
    }
    if ((FActiveRowShow && ARow == Row() && (ACol != Col() || !FShowSel) && ACol >= FixedCols()) || (!Full && selected)) {
        ACanvas->Brush().SetColor(FActiveRowColor);
        colorTo = FActiveRowColorTo;
        mirrorColor = FActiveRowMirrorColor;
        mirrorColorTo = FActiveRowMirrorColorTo;
        ACanvas->Pen().SetColor(ACanvas->Brush().Color());
    }

    if (selected && FSelectionStyle != TGridSelectionStyle::ssDefault && FShowSel) {
        const TGridRect sel = Selection();
        const int lo = std::min(sel.Left, sel.Right);
        const int hi = std::max(sel.Left, sel.Right);
        const int part = ACol == lo && lo < hi ? 1 : ACol == hi && hi > lo ? 2 : lo < ACol && ACol < hi ? 3 : 0;
        TRect r2 = R;
        if (!Options().testFlag(TGridOption::goHorzLine))
            ++r2.Bottom;
        if (!Options().testFlag(TGridOption::goVertLine))
            ++r2.Right;
        if (UseRightToLeftAlignment()) {
            ++r2.Right;
            ++r2.Bottom;
        }
        const bool focused = hasFocus() || (InplaceEditor() && InplaceEditor()->hasFocus()) ||
                             Options().testFlag(TGridOption::goDrawFocusSelected);
        const TSelectionBlockColors& c = SelectionBlockColors(FSelectionStyle, focused);
        DrawSelectionBlock(*ACanvas, c.Color, c.ColorTo, c.MirrorColor, c.MirrorColorTo, c.InnerTop, c.InnerBottom,
                           c.Border, c.Corner, Color(), r2, part);
    } else if (!(IsToolkitStyled() && (fixed || selected))) {
        const TColor color = ACanvas->Brush().Color();
        if (mirrorColorTo == clNone)
            FillGradientRect(*ACanvas, color, colorTo, 64, R, gd == TCellGradientDirection::GradientHorizontal);
        else
            DrawMirrorGradient(*ACanvas, R, color, colorTo, mirrorColor, mirrorColorTo, true, clNone, false, true);
    }

    int lw = 1;
    if (fixed) {
        ACanvas->Pen().SetColor(FGridFixedLineColor);
        ACanvas->Pen().SetWidth(1);
    } else {
        if (FGridLineWidth > 0)
            ACanvas->Pen().SetColor(FGridLineColor);
        ACanvas->Pen().SetWidth(FGridLineWidth);
        lw = (FGridLineWidth + 1) / 2;
    }
    const TGridOptions options = Options();
    if (!(ACol == 0 && HasNodes()) && ((options.testFlag(TGridOption::goHorzLine) && !fixed) ||
                                       (options.testFlag(TGridOption::goFixedHorzLine) && fixed))) {
        ACanvas->MoveTo(R.Left - lw + 1, R.Bottom - lw);
        ACanvas->LineTo(R.Right - lw + 1, R.Bottom - lw);
    }
    if ((options.testFlag(TGridOption::goVertLine) && !fixed) || (options.testFlag(TGridOption::goFixedVertLine) && fixed)) {
        const int x = R.Right - lw + (UseRightToLeftAlignment() ? 1 : 0);
        ACanvas->MoveTo(x, R.Bottom - lw);
        ACanvas->LineTo(x, R.Top - lw);
    }

    TRect r3 = R;
    if (fixed) {
        r3.Right -= 1;
        r3.Bottom -= 2;
    } else {
        InflateRect(r3, -FGridLineWidth, -FGridLineWidth);
    }
    if (Full)
        DrawCellContent(ACanvas, ACol, ARow, r3, AState);
    if (clip)
        ACanvas->ResetClipRect();
    ACanvas->Brush().SetStyle(TBrushStyle::bsSolid);
    ACanvas->Pen().SetStyle(TPenStyle::psSolid);
}

// ---- properties ----

void TBaseGrid::SetGridLineWidth(int value)
{
    SetPropertyAlways(FGridLineWidth, value, [this] { InvalidateGrid(); });
}

void TBaseGrid::SetGridLineColor(TColor value)
{
    SetPropertyAlways(FGridLineColor, value, [this] { InvalidateGrid(); });
}

void TBaseGrid::SetGridFixedLineColor(TColor value)
{
    SetPropertyAlways(FGridFixedLineColor, value, [this] { InvalidateGrid(); });
}

void TBaseGrid::SetSelectionStyle(TGridSelectionStyle value) { SetProperty(FSelectionStyle, value, [this] { InvalidateGrid(); }); }
void TBaseGrid::SetActiveRowShow(bool value) { SetProperty(FActiveRowShow, value, [this] { InvalidateGrid(); }); }
void TBaseGrid::SetActiveRowColor(TColor value) { SetProperty(FActiveRowColor, value, [this] { InvalidateGrid(); }); }
void TBaseGrid::SetActiveRowColorTo(TColor value) { SetProperty(FActiveRowColorTo, value, [this] { InvalidateGrid(); }); }
void TBaseGrid::SetActiveRowMirrorColor(TColor value) { SetProperty(FActiveRowMirrorColor, value, [this] { InvalidateGrid(); }); }
void TBaseGrid::SetActiveRowMirrorColorTo(TColor value) { SetProperty(FActiveRowMirrorColorTo, value, [this] { InvalidateGrid(); }); }

ZIveDoziVadeZizi* TBaseGrid::UndoRedo() const
{
    return FUndoRedo;
}

void TBaseGrid::SetUndoRedo(ZIveDoziVadeZizi* value)
{
    FUndoRedo = value;
    if (value)
        value->SetGrid(this);
}
