#include "grid/core/GridSettings.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/GridOptionGroups.h"
#include <QResizeEvent>
#include <QStyle>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <utility>

void TVxStringGrid::StretchRightColumn()
{
    ApplyColumnStretch(ColCount() - 1);
}

void TVxStringGrid::ApplyColumnStretch(int ACol)
{
    if (FLoading || FDestroying)
        return;
    if (ACol == -1)
        ACol = ColCount() - 1;
    if (ACol >= ColCount())
        throw std::runtime_error("Stretch column index out of range");
    if (ColCount() == 0 || !FColumnSize->Stretch() || FIsColChanging || ACol < 0)
        return;
    FIsColChanging = true;
    FColchgFlg = false;
    if (ColCount() == 1) {
        SetColWidths(0, ClientWidth());
    } else {
        // Summed in 64 bits: widths set by the application can add up past the integer range.
        std::int64_t others = 0;
        for (int c = 0; c < ColCount(); ++c)
            if (c != ACol)
                others += ColWidths(c);
        if (others < ClientWidth())
            SetColWidths(ACol, int(ClientWidth() - others - 1));
        else if (LeftCol() == FixedCols())
            SetColWidths(ACol, DefaultColWidth());
    }
    FColchgFlg = true;
    FIsColChanging = false;
}

// A stretch column that a count change left outside the grid waits until it is back, rather than failing a
// width change or a resize that did not name it.
void TVxStringGrid::StretchOnChange()
{
    if (FColumnSize && FColumnSize->Stretch() && FColumnSize->StretchColumn() < ColCount())
        ApplyColumnStretch(FColumnSize->StretchColumn());
}

namespace {
// Every scrollable index but one scaled by the factor, rounded to the nearest (halves to even).
void ScaleOthers(int First, int Count, int Except, double Factor, const std::function<int(int)>& Size,
                 const std::function<void(int, int)>& SetSize)
{
    for (int i = First; i < Count; ++i)
        if (i != Except)
            SetSize(i, int(std::nearbyint(Size(i) * Factor)));
}
} // namespace

void TVxStringGrid::ColumnSized(int ACol, int StartWidth)
{
    FColclicked = ACol;
    FColclickedsize = StartWidth;
    FColSized = true;
    ColWidthsChanged();
}

void TVxStringGrid::RowSized(int ARow, int StartHeight)
{
    FRowclicked = ARow;
    FRowclickedsize = StartHeight;
    FRowsized = true;
    RowHeightsChanged();
}

void TVxStringGrid::ColWidthsChanged()
{
    if (FColchgFlg)
        StretchOnChange();
    TBaseGrid::ColWidthsChanged();
    FColSizeFlg = true;
    if (FColSized && FMouseActions->AllColumnSize() && FColclickedsize > 0) {
        FColSized = false;
        ScaleOthers(FixedCols(), ColCount(), FColclicked, double(ColWidths(FColclicked)) / FColclickedsize,
                    [this](int c) { return ColWidths(c); }, [this](int c, int w) { SetColWidths(c, w); });
        FColSized = true;
    }
    if (FColSized && OnEndColumnSize)
        OnEndColumnSize(this, FColclicked);
    if (FColSized) {
        int w = ColWidths(FColclicked);
        UpdateColumnSize(RealColIndex(FColclicked), w);
        if (w != ColWidths(FColclicked)) {
            FColSized = false;
            SetColWidths(FColclicked, w);
        }
    }
    if (FColSized) {
        FColclicked = -1;
        FRowclicked = -1;
    }
    FColSized = false;
    if (HasCheckBox(RealColIndex(Col()), Row()))
        HideEditor();
    if (FColumnSize && FColumnSize->Stretch() && F.ScrollProportional)
        UpdateVScrollProportional();
}

void TVxStringGrid::RowHeightsChanged()
{
    TBaseGrid::RowHeightsChanged();
    if (FRowsized && FMouseActions->AllRowSize() && FRowclickedsize > 0) {
        FRowsized = false;
        ScaleOthers(FixedRows(), RowCount(), FRowclicked, double(RowHeights(FRowclicked)) / FRowclickedsize,
                    [this](int r) { return RowHeights(r); }, [this](int r, int h) { SetRowHeights(r, h); });
        FRowsized = true;
    }
    if (FRowsized) {
        if (OnEndRowSize)
            OnEndRowSize(this, FRowclicked);
        FColclicked = -1;
        FRowclicked = -1;
    }
    FRowsized = false;
    if (HasCheckBox(RealColIndex(Col()), Row()))
        HideEditor();
}

void TVxStringGrid::SizeChanged(int OldColCount, int OldRowCount)
{
    // A grid not placed in a window has no width of its own to fill yet.
    if (parentWidget())
        StretchOnChange();
    TBaseGrid::SizeChanged(OldColCount, OldRowCount);
}

void TVxStringGrid::resizeEvent(QResizeEvent* event)
{
    TBaseGrid::resizeEvent(event);
    // Layouts and window managers resize without SetBounds; their heights are corrected too.
    const int corrected = IntegralHeightFor(height());
    if (corrected != height() && !FIntegralSizing) {
        SetBounds(x(), y(), width(), height());
        return;
    }
    StretchOnChange();
}

int TVxStringGrid::IntegralHeightFor(int AHeight) const
{
    if (!F.IntegralHeight || LockUpdate() || DefaultRowHeight() <= 0)
        return AHeight;
    const int s = VisibleColCount() + FixedCols() < ColCount() ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    const int b = frameShape() != QFrame::NoFrame ? 2 : 0;
    return AHeight + b - (AHeight - s - b) % DefaultRowHeight();
}

void TVxStringGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    const bool was = std::exchange(FIntegralSizing, true);
    setGeometry(ALeft, ATop, AWidth, IntegralHeightFor(AHeight));
    FIntegralSizing = was;
}

void TVxStringGrid::SetIntegralHeight(bool value)
{
    F.IntegralHeight = value;
    SetBounds(x(), y(), width(), height());
}

void TVxStringGrid::UpdateColumnSize(int ACol, int& AWidth)
{
    if (OnUpdateColumnSize)
        OnUpdateColumnSize(this, ACol, AWidth);
}

void TVxStringGrid::UpdateAutoColumnSize(int ACol, int& AWidth)
{
    if (OnUpdateColumnSize)
        OnUpdateColumnSize(this, ACol, AWidth);
}
