#include "grid/model/HiddenRows.h"
#include "grid/core/VxGridError.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/CellProperties.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/model/GridText.h"
#include <algorithm>

void TVxStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    if (ARow2 < ARow1)
        return;
    const bool mapped = SaveHiddenCells();
    for (int r = ARow1; r <= ARow2; ++r) {
        for (int i = ACol1; i <= ACol2; ++i) {
            const int c = mapped ? RealColIndex(i) : i;
            if (!ClearTextOnly() && HasCellProperties(c, r)) {
                if (d->Cells.FNilObjects) {
                    SetGridCell(c, r, QString());
                    SetGridObject(c, r, nullptr);
                } else {
                    RemoveCellGraphic(c, r);
                    FreeCellObjects(c, r, c, r);
                }
            }
            if (!d->Shared.FDestroying && !GetGridCell(c, r).isEmpty()) {
                SetGridCell(c, r, QString());
                if (c != i)
                    RepaintCell(i, r);
            }
        }
    }
    if (ACol1 <= 0 && ARow1 <= 0 && ACol2 >= ColCount() - 1 && ARow2 >= RowCount() - 1)
        FHasCellProps = false;
    if (!d->Shared.FDestroying)
        CellsChanged(TRect{mapped ? RealColIndex(ACol1) : ACol1, ARow1, mapped ? RealColIndex(ACol2) : ACol2, ARow2});
}

void TVxStringGrid::ClearRows(int RowIndex, int RCount)
{
    if (RowCount() > 0 && ColCount() > 0 && RCount > 0)
        ClearRect(0, RowIndex, AllColCount() - 1, RowIndex + RCount - 1);
}

void TVxStringGrid::ClearCols(int ColIndex, int CCount)
{
    if (RowCount() > 0 && ColCount() > 0 && CCount > 0)
        ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

void TVxStringGrid::ClearNormalRows(int RowIndex, int RCount)
{
    if (RowCount() > 0 && ColCount() > 0 && RCount > 0)
        ClearRect(FixedCols(), RowIndex, AllColCount() - FixedRightCols() - 1, RowIndex + RCount - 1);
}

void TVxStringGrid::ClearNormalCols(int ColIndex, int CCount)
{
    if (RowCount() > 0 && ColCount() > 0 && CCount > 0)
        ClearRect(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - FixedFooters() - 1);
}

void TVxStringGrid::ClearNormalCells()
{
    if (RowCount() > 0 && ColCount() > 0)
        ClearRect(FixedCols(), FixedRows(), AllColCount() - FixedRightCols() - 1, RowCount() - FixedFooters() - 1);
}

// Flags and the selection hold display columns: each is cleared at its storage column.
void TVxStringGrid::ClearSelection()
{
    if (MouseActions().DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (d->RowFlagOf(r))
                ClearRows(r, 1);
    } else if (MouseActions().DisjunctColSelect()) {
        for (int c = FixedCols(); c < ColCount(); ++c)
            if (GetColSelect(c))
                ClearCols(RealColIndex(c), 1);
    } else {
        const TGridRect s = Selection();
        for (int c = s.Left; c <= s.Right; ++c) {
            const int real = RealColIndex(c);
            ClearRect(real, s.Top, real, s.Bottom);
        }
    }
}

void TVxStringGrid::Clear()
{
    if (RowCount() == 0 || ColCount() == 0)
        return;
    ClearRect(0, 0, AllColCount() - 1, RowCount() - 1);
    IncrSearchText.clear();
    if (NumHiddenColumns() > 0)
        Invalidate();
}

void TVxStringGrid::ClearAll()
{
    Clear();
    for (TGridItem& item : d->Cells.FHiddenRows->Items()) {
        for (TGridCell& cell : item.Items)
            if (auto* props = dynamic_cast<TCellProperties*>(cell.Object)) {
                // The grid frees cell objects from a storage slot: the parked one passes through the slot past the rows.
                const int r = RowCount();
                SetGridObject(0, r, props);
                RemoveCellGraphic(0, r);
                FreeCellObjects(0, r, 0, r);
                SetGridObject(0, r, nullptr);
            }
        item.Items.clear();
    }
}

void TVxStringGrid::ClearModifiedRows()
{
    d->Cells.FModifiedRows.clear();
    Invalidate();
}

void TVxStringGrid::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    if (ARow2 < ARow1)
        return;
    for (int r = ARow1; r <= ARow2; ++r)
        for (int i = ACol1; i <= ACol2; ++i) {
            const int c = SaveHiddenCells() ? RealColIndex(i) : i;
            SetCells(c, r, Cells(c, r).trimmed());
        }
}

void TVxStringGrid::ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor)
{
    for (int r = ARow1; r <= ARow2; ++r)
        for (int c = ACol1; c <= ACol2; ++c)
            SetColors(c, r, AColor);
}

void TVxStringGrid::MergeColumnCells(int ColIndex, bool MainMerge)
{
    int start = FixedRows();
    int length = 1;
    const int last = RowCount() - FixedFooters() - 1;
    for (int r = FixedRows() + 1; r <= last; ++r) {
        if (Cells(ColIndex, r) == Cells(ColIndex, r - 1) && (MainMerge || RowSpanIdentical(r, r - 1))) {
            ++length;
            continue;
        }
        if (length > 1)
            MergeCells(ColIndex, start, 1, length);
        start = r;
        length = 1;
    }
    if (length > 1)
        MergeCells(ColIndex, start, 1, length);
}

void TVxStringGrid::MergeRowCells(int RowIndex, bool MainMerge)
{
    int start = FixedCols();
    int length = 1;
    const int last = ColCount() - FixedRightCols() - 1;
    for (int c = FixedCols() + 1; c <= last; ++c) {
        if (Cells(c, RowIndex) == Cells(c - 1, RowIndex) && (MainMerge || ColSpanIdentical(c, c - 1))) {
            ++length;
            continue;
        }
        if (length > 1)
            MergeCells(start, RowIndex, length, 1);
        start = c;
        length = 1;
    }
    if (length > 1)
        MergeCells(start, RowIndex, length, 1);
}

void TVxStringGrid::SplitColumnCells(int ColIndex)
{
    int r = 0;
    while (r < RowCount() - FixedFooters() - 1) {
        if (IsYMergedCell(ColIndex, r)) {
            const int extra = CellSpan(ColIndex, r).Y;
            SplitCells(ColIndex, r);
            r += extra + 1;
        } else {
            ++r;
        }
    }
}

void TVxStringGrid::SplitRowCells(int RowIndex)
{
    int c = 0;
    while (c < ColCount() - FixedRightCols() - 1) {
        if (IsMergedCell(c, RowIndex) && CellSpan(c, RowIndex).X >= 0) {
            const int extra = CellSpan(c, RowIndex).X;
            SplitCells(c, RowIndex);
            c += extra + 1;
        } else {
            ++c;
        }
    }
}

void TVxStringGrid::SplitAllCells()
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (IsMergedCell(c, r))
                SplitCells(c, r);
}

void TVxStringGrid::AutoNumberCol(int ACol)
{
    if (RowCount() == 0)
        return;
    const int first = FixedRows();
    const int last = RowCount() - FixedFooters() - 1;
    for (int k = 0; first + AutoNumberStart + k <= last; ++k) {
        const int r = AutoNumberDirection == TSortDirection::sdAscending ? first + AutoNumberStart + k
                                                                         : last - AutoNumberStart - k;
        SetCells(ACol, r, QString::number(AutoNumberStart + k + 1 + AutoNumberOffset));
    }
}

void TVxStringGrid::AutoNumberRow(int ARow)
{
    if (ColCount() == 0)
        return;
    const int first = FixedCols();
    const int last = ColCount() - FixedRightCols() - 1;
    for (int k = 0; first + AutoNumberStart + k <= last; ++k) {
        const int c = AutoNumberDirection == TSortDirection::sdAscending ? first + AutoNumberStart + k
                                                                         : last - AutoNumberStart - k;
        SetCells(c, ARow, QString::number(AutoNumberStart + k + 1 + AutoNumberOffset));
    }
}

bool TVxStringGrid::IsCell(const QString& SubStr, int& ACol, int& ARow)
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (GetGridCell(c, r) == SubStr) {
                ACol = c;
                ARow = r;
                return true;
            }
    return false;
}

bool TVxStringGrid::IsWideCell(int ACol, int ARow)
{
    return GetGridCell(ACol, ARow).startsWith(QStringLiteral("|\\"));
}

double TVxStringGrid::CellToReal(int ACol, int ARow)
{
    const QString text = Cells(ACol, ARow);
    if (text.isEmpty())
        return 0;
    const QString number = ExtractNumberText(text);
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (ok)
        return value;
    // The position of the first character the conversion could not take, counted from 1.
    int p = int(number.size());
    for (; p > 0; --p) {
        number.left(p).toDouble(&ok);
        if (ok)
            break;
    }
    throw EVxGridError(QStringLiteral("Error at position: %1 in Cell [%2, %3].")
                           .arg(p + 1)
                           .arg(ACol)
                           .arg(ARow)
                           .toStdString());
}
