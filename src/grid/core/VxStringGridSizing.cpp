#include "grid/core/GridSettings.h"
#include "grid/core/VxStringGridPrivate.h"
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
    if (d->Shared.FLoading || d->Shared.FDestroying)
        return;
    if (ACol == -1)
        ACol = ColCount() - 1;
    if (ACol >= ColCount())
        throw std::runtime_error("Stretch column index out of range");
    if (ColCount() == 0 || !d->Shared.FColumnSize->Stretch() || d->Sizing.FIsColChanging || ACol < 0)
        return;
    d->Sizing.FIsColChanging = true;
    d->Sizing.FColchgFlg = false;
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
    d->Sizing.FColchgFlg = true;
    d->Sizing.FIsColChanging = false;
}

// A stretch column that a count change left outside the grid waits until it is back, rather than failing a
// width change or a resize that did not name it.
void TVxStringGridPrivate::StretchOnChange()
{
    if (Shared.FColumnSize && Shared.FColumnSize->Stretch() && Shared.FColumnSize->StretchColumn() < q->ColCount())
        q->ApplyColumnStretch(Shared.FColumnSize->StretchColumn());
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
    d->Sizing.FColclicked = ACol;
    d->Sizing.FColclickedsize = StartWidth;
    d->Sizing.FColSized = true;
    ColWidthsChanged();
}

void TVxStringGrid::RowSized(int ARow, int StartHeight)
{
    d->Sizing.FRowclicked = ARow;
    d->Sizing.FRowclickedsize = StartHeight;
    d->Sizing.FRowsized = true;
    RowHeightsChanged();
}

void TVxStringGrid::ColWidthsChanged()
{
    if (d->Sizing.FColchgFlg)
        d->StretchOnChange();
    TBaseGrid::ColWidthsChanged();
    d->Sizing.FColSizeFlg = true;
    if (d->Sizing.FColSized && d->Shared.FMouseActions->AllColumnSize() && d->Sizing.FColclickedsize > 0) {
        d->Sizing.FColSized = false;
        ScaleOthers(
            FixedCols(), ColCount(), d->Sizing.FColclicked,
            double(ColWidths(d->Sizing.FColclicked)) / d->Sizing.FColclickedsize,
            [this](int c) { return ColWidths(c); }, [this](int c, int w) { SetColWidths(c, w); });
        d->Sizing.FColSized = true;
    }
    if (d->Sizing.FColSized && OnEndColumnSize)
        OnEndColumnSize(this, d->Sizing.FColclicked);
    if (d->Sizing.FColSized) {
        int w = ColWidths(d->Sizing.FColclicked);
        UpdateColumnSize(RealColIndex(d->Sizing.FColclicked), w);
        if (w != ColWidths(d->Sizing.FColclicked)) {
            d->Sizing.FColSized = false;
            SetColWidths(d->Sizing.FColclicked, w);
        }
    }
    if (d->Sizing.FColSized) {
        d->Sizing.FColclicked = -1;
        d->Sizing.FRowclicked = -1;
    }
    d->Sizing.FColSized = false;
    if (HasCheckBox(RealColIndex(Col()), Row()))
        HideEditor();
    if (d->Shared.FColumnSize && d->Shared.FColumnSize->Stretch() && d->Settings.ScrollProportional)
        UpdateVScrollProportional();
}

void TVxStringGrid::RowHeightsChanged()
{
    TBaseGrid::RowHeightsChanged();
    if (d->Sizing.FRowsized && d->Shared.FMouseActions->AllRowSize() && d->Sizing.FRowclickedsize > 0) {
        d->Sizing.FRowsized = false;
        ScaleOthers(
            FixedRows(), RowCount(), d->Sizing.FRowclicked,
            double(RowHeights(d->Sizing.FRowclicked)) / d->Sizing.FRowclickedsize,
            [this](int r) { return RowHeights(r); }, [this](int r, int h) { SetRowHeights(r, h); });
        d->Sizing.FRowsized = true;
    }
    if (d->Sizing.FRowsized) {
        if (OnEndRowSize)
            OnEndRowSize(this, d->Sizing.FRowclicked);
        d->Sizing.FColclicked = -1;
        d->Sizing.FRowclicked = -1;
    }
    d->Sizing.FRowsized = false;
    if (HasCheckBox(RealColIndex(Col()), Row()))
        HideEditor();
}

void TVxStringGrid::SizeChanged(int OldColCount, int OldRowCount)
{
    // A grid not placed in a window has no width of its own to fill yet.
    if (parentWidget())
        d->StretchOnChange();
    TBaseGrid::SizeChanged(OldColCount, OldRowCount);
}

void TVxStringGrid::resizeEvent(QResizeEvent* event)
{
    TBaseGrid::resizeEvent(event);
    // Layouts and window managers resize without SetBounds; their heights are corrected too.
    const int corrected = d->IntegralHeightFor(height());
    if (corrected != height() && !d->Mouse.FIntegralSizing) {
        SetBounds(x(), y(), width(), height());
        return;
    }
    d->StretchOnChange();
}

int TVxStringGridPrivate::IntegralHeightFor(int AHeight)
{
    if (!Settings.IntegralHeight || q->LockUpdate() || q->DefaultRowHeight() <= 0)
        return AHeight;
    const int s =
        q->VisibleColCount() + q->FixedCols() < q->ColCount() ? q->style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    const int b = q->frameShape() != QFrame::NoFrame ? 2 : 0;
    return AHeight + b - (AHeight - s - b) % q->DefaultRowHeight();
}

void TVxStringGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    const bool was = std::exchange(d->Mouse.FIntegralSizing, true);
    setGeometry(ALeft, ATop, AWidth, d->IntegralHeightFor(AHeight));
    d->Mouse.FIntegralSizing = was;
}

void TVxStringGrid::SetIntegralHeight(bool value)
{
    d->Settings.IntegralHeight = value;
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
