#include "grid/model/HiddenIndexMap.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/GridOptionGroups.h"
#include "platform/GridEdit.h"
#include <algorithm>

void TVxStringGrid::SetRowCount(int Value)
{
    // A grid shrunk to its fixed rows hid its selection; rows coming back show it again.
    if (TBaseGrid::RowCount() == TBaseGrid::FixedRows() && FFixedRowAlways && FSelHidden)
        UnHideSelection();
    const int oldRowCount = TBaseGrid::RowCount();
    TBaseGrid::SetRowCount(Value);
    KeepFooterRowLast(oldRowCount);
    if (FFixedRowAlways && FFixedRowsMin < TBaseGrid::RowCount())
        TBaseGrid::SetFixedRows(FFixedRowsMin);
    FLargestRowCount = std::max(FLargestRowCount, Value);
    FNormalRowCount = Value;
}

void TVxStringGrid::SetColCount(int Value)
{
    TBaseGrid::SetColCount(Value);
    if (FFixedColAlways && FFixedColsMin < TBaseGrid::ColCount())
        TBaseGrid::SetFixedCols(FFixedColsMin);
    FLargestColCount = std::max(FLargestColCount, Value);
}

void TVxStringGrid::SetCol(int Value)
{
    TBaseGrid::SetCol(Value);
    if (TStringGrid* other = FSyncGrid->Grid(); other && FSyncGrid->SelectionColumn())
        other->SetCol(Col());
}

int TVxStringGrid::FixedRows() const
{
    const int fixed = TBaseGrid::FixedRows();
    return fixed == 0 && FFixedRowAlways ? 1 : fixed;
}

int TVxStringGrid::FixedCols() const
{
    const int fixed = TBaseGrid::FixedCols();
    return fixed == 0 && FFixedColAlways ? 1 : fixed;
}

// With FixedRowAlways a request for all rows keeps one normal row for the toolkit; the request is remembered.
void TVxStringGrid::SetFixedRows(int Value)
{
    const int applied = Value >= RowCount() && FFixedRowAlways ? RowCount() - 1 : Value;
    TBaseGrid::SetFixedRows(applied);
    if (!FLoading)
        FFixedRowsMin = Value;
}

void TVxStringGrid::SetFixedCols(int Value)
{
    const int applied = Value >= ColCount() && FFixedColAlways ? ColCount() - 1 : Value;
    TBaseGrid::SetFixedCols(applied);
    if (!FLoading)
        FFixedColsMin = Value;
}

void TVxStringGrid::SetFixedColWidth(int Value)
{
    if (FLoading || Value == DefaultColWidth())
        return;
    for (int c = 0; c < TBaseGrid::FixedCols(); ++c)
        SetColWidths(c, Value);
}

void TVxStringGrid::SetFixedRowHeight(int Value)
{
    FFixedRowHeight = Value;
    if (FLoading)
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
        FFixedRowHeight = Value;
}

void TVxStringGrid::SetVAlignment(TVAlignment Value)
{
    FVAlignment = Value;
    Invalidate();
}

void TVxStringGrid::SetWordWrap(bool Value)
{
    FOwnWordWrap = Value;
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
        return FAllColWidths.at(std::size_t(i));
    return ColWidths(DisplColIndex(i));
}

void TVxStringGrid::SetAllColWidths(int i, int Value)
{
    // Columns past the table are never hidden: only their display width is kept.
    if (i >= 0 && std::size_t(i) < FAllColWidths.size())
        FAllColWidths[std::size_t(i)] = Value;
    if (!IsHiddenColumn(i))
        SetColWidths(DisplColIndex(i), Value);
}

// Steps that would push the factor past 10 either way are refused whole; a size that would reach 0 stays.
void TVxStringGrid::Zoom(int x)
{
    const int z = FZoomFactor + x;
    if (z > 10 || z < -10)
        return;
    FZoomFactor = z;
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
    FRememberedCursor = Value;
}

void TVxStringGrid::SetSelectionColorMixerFactor(int Value)
{
    SetProperty(F.SelectionColorMixerFactor, std::clamp(Value, 0, 100), [this] { Invalidate(); });
}

void TVxStringGrid::SetShowSelection(bool Value)
{
    SetProperty(F.ShowSelection, Value, [this, Value] {
        FShowSel = Value;
        Invalidate();
    });
}

void TVxStringGrid::SetMaxEditLength(int Value)
{
    F.MaxEditLength = Value;
    if (TInplaceEdit* editor = InplaceEditor())
        editor->setMaxLength(Value > 0 ? Value : 32767);
}

// Whatever the value, a spreadsheet-like grid selects ranges and edits.
void TVxStringGrid::SetSpreadSheet(bool Value)
{
    F.SpreadSheet = Value;
    SetSelectionRectangle(true);
    SetSelectionResizer(true);
    FNavigation->SetAllowSmartClipboard(true);
    SetOptions(Options() | TGridOption::goRangeSelect | TGridOption::goEditing);
    FMouseActions->SetRangeSelectAndEdit(true);
}

void TVxStringGrid::SetFlat(bool Value)
{
    FAppearance.Flat = Value;
    if (!FLoading)
        Invalidate();
}

// System colours are resolved when set, so a later theme change does not move them; none stays none.
void TVxStringGrid::SetZarnColor(TColor& field, TColor Value)
{
    field = Value == clNone ? clNone : ColorToRGB(Value);
    Invalidate();
}
