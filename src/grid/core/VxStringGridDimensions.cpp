#include "grid/model/HiddenIndexMap.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/GridOptionGroups.h"
#include "platform/GridEdit.h"
#include <algorithm>

void TVxStringGrid::SetRowCount(int Value)
{
    // A grid shrunk to its fixed rows hid its selection; rows coming back show it again.
    if (TBaseGrid::RowCount() == TBaseGrid::FixedRows() && d->Shared.FFixedRowAlways && d->Shared.FSelHidden)
        UnHideSelection();
    const int oldRowCount = TBaseGrid::RowCount();
    TBaseGrid::SetRowCount(Value);
    d->KeepFooterRowLast(oldRowCount);
    if (d->Shared.FFixedRowAlways && d->Shared.FFixedRowsMin < TBaseGrid::RowCount())
        TBaseGrid::SetFixedRows(d->Shared.FFixedRowsMin);
    d->Shared.FLargestRowCount = std::max(d->Shared.FLargestRowCount, Value);
    FNormalRowCount = Value;
}

void TVxStringGrid::SetColCount(int Value)
{
    TBaseGrid::SetColCount(Value);
    if (d->Shared.FFixedColAlways && d->Shared.FFixedColsMin < TBaseGrid::ColCount())
        TBaseGrid::SetFixedCols(d->Shared.FFixedColsMin);
    d->Shared.FLargestColCount = std::max(d->Shared.FLargestColCount, Value);
}

void TVxStringGrid::SetCol(int Value)
{
    TBaseGrid::SetCol(Value);
    if (TStringGrid* other = d->Shared.FSyncGrid->Grid(); other && d->Shared.FSyncGrid->SelectionColumn())
        other->SetCol(Col());
}

int TVxStringGrid::FixedRows() const
{
    const int fixed = TBaseGrid::FixedRows();
    return fixed == 0 && d->Shared.FFixedRowAlways ? 1 : fixed;
}

int TVxStringGrid::FixedCols() const
{
    const int fixed = TBaseGrid::FixedCols();
    return fixed == 0 && d->Shared.FFixedColAlways ? 1 : fixed;
}

// With FixedRowAlways a request for all rows keeps one normal row for the toolkit; the request is remembered.
void TVxStringGrid::SetFixedRows(int Value)
{
    const int applied = Value >= RowCount() && d->Shared.FFixedRowAlways ? RowCount() - 1 : Value;
    TBaseGrid::SetFixedRows(applied);
    if (!d->Shared.FLoading)
        d->Shared.FFixedRowsMin = Value;
}

void TVxStringGrid::SetFixedCols(int Value)
{
    const int applied = Value >= ColCount() && d->Shared.FFixedColAlways ? ColCount() - 1 : Value;
    TBaseGrid::SetFixedCols(applied);
    if (!d->Shared.FLoading)
        d->Shared.FFixedColsMin = Value;
}

void TVxStringGrid::SetFixedColWidth(int Value)
{
    if (d->Shared.FLoading || Value == DefaultColWidth())
        return;
    for (int c = 0; c < TBaseGrid::FixedCols(); ++c)
        SetColWidths(c, Value);
}

void TVxStringGrid::SetFixedRowHeight(int Value)
{
    d->Shared.FFixedRowHeight = Value;
    if (d->Shared.FLoading)
        return;
    if (Value == DefaultRowHeight()) {
        TBaseGrid::SetDefaultRowHeight(Value);
        return;
    }
    for (int r = 0; r < TBaseGrid::FixedRows(); ++r)
        SetRowHeights(r, Value);
}

void TVxStringGrid::SetDefaultRowHeight(int Value)
{
    TBaseGrid::SetDefaultRowHeight(Value);
    if (IsDesigning())
        d->Shared.FFixedRowHeight = Value;
}

void TVxStringGrid::SetVAlignment(TVAlignment Value)
{
    d->Shared.FVAlignment = Value;
    Invalidate();
}

void TVxStringGrid::SetWordWrap(bool Value)
{
    d->Shared.FOwnWordWrap = Value;
    TBaseGrid::SetWordWrap(Value);
    Invalidate();
}

int TVxStringGrid::AllColCount() const
{
    return ColCount() + NumHiddenColumns();
}

int TVxStringGrid::AllColWidths(int i) const
{
    if (IsHiddenColumn(i))
        return d->Shared.FAllColWidths.at(std::size_t(i));
    return ColWidths(DisplColIndex(i));
}

void TVxStringGrid::SetAllColWidths(int i, int Value)
{
    // Columns past the table are never hidden: only their display width is kept.
    if (i >= 0 && std::size_t(i) < d->Shared.FAllColWidths.size())
        d->Shared.FAllColWidths[std::size_t(i)] = Value;
    if (!IsHiddenColumn(i))
        SetColWidths(DisplColIndex(i), Value);
}

// Steps that would push the factor past 10 either way are refused whole; a size that would reach 0 stays.
void TVxStringGrid::Zoom(int x)
{
    const int z = d->Shared.FZoomFactor + x;
    if (z > 10 || z < -10)
        return;
    d->Shared.FZoomFactor = z;
    for (int c = 0; c < ColCount(); ++c)
        if (ColWidths(c) > 0 && ColWidths(c) + x > 0)
            SetColWidths(c, ColWidths(c) + x);
    for (int r = 0; r < RowCount(); ++r)
        if (RowHeights(r) > 0 && RowHeights(r) + x > 0)
            SetRowHeights(r, RowHeights(r) + x);
}

void TVxStringGrid::SetCursor(Qt::CursorShape Value)
{
    setCursor(Value);
    d->Shared.FRememberedCursor = Value;
}

void TVxStringGrid::SetSelectionColorMixerFactor(int Value)
{
    SetProperty(d->Settings.SelectionColorMixerFactor, std::clamp(Value, 0, 100), [this] { Invalidate(); });
}

void TVxStringGrid::SetShowSelection(bool Value)
{
    SetProperty(d->Settings.ShowSelection, Value, [this, Value] {
        FShowSel = Value;
        Invalidate();
    });
}

void TVxStringGrid::SetMaxEditLength(int Value)
{
    d->Settings.MaxEditLength = Value;
    if (TInplaceEdit* editor = InplaceEditor())
        editor->setMaxLength(Value > 0 ? Value : 32767);
}

// Whatever the value, a spreadsheet-like grid selects ranges and edits.
void TVxStringGrid::SetSpreadSheet(bool Value)
{
    d->Settings.SpreadSheet = Value;
    SetSelectionRectangle(true);
    SetSelectionResizer(true);
    d->Shared.FNavigation->SetAllowSmartClipboard(true);
    SetOptions(Options() | TGridOption::goRangeSelect | TGridOption::goEditing);
    d->Shared.FMouseActions->SetRangeSelectAndEdit(true);
}

void TVxStringGrid::SetFlat(bool Value)
{
    d->Shared.FAppearance.Flat = Value;
    if (!d->Shared.FLoading)
        Invalidate();
}

// System colours are resolved when set, so a later theme change does not move them; none stays none.
void TVxStringGridPrivate::SetZarnColor(TColor& field, TColor Value)
{
    field = Value == clNone ? clNone : ColorToRGB(Value);
    q->Invalidate();
}
