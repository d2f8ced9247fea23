// Tab navigation over the selectable cells, and the row appended when a Tab or Down leaves the last row.
#include "grid/core/VxStringGridPrivate.h"
#include "grid/core/FloatingFooter.h"
#include "grid/foundation/GridOptionGroups.h"
#include <QCoreApplication>
#include <QKeyEvent>
#include <algorithm>

bool TVxStringGrid::IsSelectableCell(int ACol, int ARow)
{
    bool canSelect = Options().testFlag(TGridOption::goEditing) ? CellEditable(ACol, ARow) : !IsFixed(ACol, ARow);
    if (TBaseGrid::OnSelectCell)
        TBaseGrid::OnSelectCell(this, ACol, ARow, canSelect);
    return canSelect;
}

int TVxStringGrid::FirstSelectableCol(int ARow)
{
    for (int c = 0; c < ColCount(); ++c)
        if (IsSelectableCell(c, ARow))
            return c;
    return -1;
}

int TVxStringGrid::LastSelectableCol(int ARow)
{
    for (int c = ColCount() - 1; c >= 0; --c)
        if (IsSelectableCell(c, ARow))
            return c;
    return -1;
}

int TVxStringGrid::TabStartCol()
{
    return FixedCols() == 0 && HasNodes() ? 1 : FixedCols();
}

int TVxStringGrid::VisibleFixedRightCols() const
{
    int count = 0;
    for (int c = std::max(0, AllColCount() - d->Shared.FFixedRightCols); c < AllColCount(); ++c)
        if (!IsHiddenColumn(c))
            ++count;
    return count;
}

bool TVxStringGrid::IsLastNormalRow() const
{
    return Row() == RowCount() - d->Shared.FFixedFooters - 1 || (d->Order.FFloatingFooter->Visible() && Row() == RowCount() - 2);
}

// The floating footer's row, like a fixed footer, is never entered.
int TVxStringGrid::LastTabRow() const
{
    return RowCount() - std::max(d->Shared.FFixedFooters, d->Order.FFloatingFooter->Visible() ? 1 : 0) - 1;
}

void TVxStringGrid::GotoFirstRow()
{
    SetRow(FixedRows());
}

void TVxStringGrid::AutoAddRow()
{
    bool canAdd = true;
    if (OnCanAddRow)
        OnCanAddRow(this, canAdd);
    if (!canAdd)
        return;
    const bool footer = d->Order.FFloatingFooter->Visible();
    if (footer) {
        // The footer row stays last: its texts move down, the row it leaves becomes the new one.
        const int last = RowCount() - 1;
        std::vector<QString> texts;
        for (int c = 0; c < AllColCount(); ++c)
            texts.push_back(GetGridCell(c, last));
        AppendRow();
        for (int c = 0; c < AllColCount(); ++c)
            SetGridCell(c, last, QString());
        FreeCellObjects(0, last, AllColCount() - 1, last);
        for (int c = 0; c < AllColCount(); ++c)
            SetGridCell(c, last + 1, texts[std::size_t(c)]);
    } else {
        AppendRow();
        ClearNewLastRow();
    }
    if (footer || d->Shared.FFixedFooters > 0)
        SetRow(Row() + 1);
    if (footer)
        CalcFooter(-1);
    if (OnAutoAddRow)
        OnAutoAddRow(this, RowCount() - d->Shared.FFixedFooters - 1);
}

// The store keeps what rows held before the grid shrank; an appended row starts empty.
void TVxStringGrid::ClearNewLastRow()
{
    const int last = RowCount() - 1;
    for (int c = 0; c < AllColCount(); ++c)
        SetGridCell(c, last, QString());
    FreeCellObjects(0, last, AllColCount() - 1, last);
}

// The next cell in Tab order becomes current. Under goEditing the walk goes on over read-only cells; it
// ends at the first editable one, or back where it began when the grid has none (it appends at most one
// row on the way).
bool TVxStringGrid::TabAdvance(bool Backward)
{
    if (OnKeyDown) {
        std::uint16_t key = VK_TAB;
        OnKeyDown(this, key, Backward ? TShiftState(TShiftStateItem::ssShift) : TShiftState());
        if (key != VK_TAB)
            return true;
    }
    if (Col() == d->Interaction.FLastTabCol && Row() == d->Interaction.FLastTabRow)
        return true;
    d->Interaction.FLastTabCol = Col();
    d->Interaction.FLastTabRow = Row();
    const TGridCoord start{Col(), Row()};
    const bool editing = Options().testFlag(TGridOption::goEditing);
    bool result = true;
    bool mayAppend = true;
    bool found = !editing;
    const long long bound = static_cast<long long>(RowCount()) * ColCount() + 1;
    for (long long step = 0; step < bound; ++step) {
        const TGridCoord before{Col(), Row()};
        const int rowsBefore = RowCount();
        if (!TabStep(Backward, mayAppend)) {
            result = false;
            found = true;
            break;
        }
        if (RowCount() != rowsBefore)
            mayAppend = false;
        if (!editing || CellEditable(Col(), Row())) {
            found = true;
            break;
        }
        if ((Col() == start.X && Row() == start.Y) || (Col() == before.X && Row() == before.Y))
            break;
    }
    if (!found && (Col() != start.X || Row() != start.Y))
        FocusCell(start.X, start.Y, true);
    if (result && found && d->Shared.FNavigation->AdvanceAutoEdit())
        SimulateCellClick(Col(), Row());
    d->Interaction.FLastTabCol = -1;
    d->Interaction.FLastTabRow = -1;
    if (d->Shared.FNavigation->AlwaysEdit())
        setFocus(Qt::OtherFocusReason);
    return result;
}

// One step; false when the Tab went on to the window.
bool TVxStringGrid::TabStep(bool Backward, bool MayAppend)
{
    const int firstRow = FixedRows();
    const int lastRow = LastTabRow();
    const int lastCol = ColCount() - VisibleFixedRightCols() - 1;
    if (lastRow < firstRow || lastCol < FixedCols())
        return true;   // no normal cell to go to
    const int c = Col();
    const int r = Row();
    const TPoint span = CellSpan(c, r);
    const int startCol = TabStartCol();

    if (d->Shared.FNavigation->TabAdvanceDirection() != TAdvanceDirection::adLeftRight) {
        if (Backward) {
            if (r > firstRow)
                FocusCell(c, r - 1, true);
            else
                FocusCell(c <= startCol ? lastCol : c - 1, lastRow, true);
            return true;
        }
        if (r + span.Y + 1 <= lastRow) {
            FocusCell(c, r + span.Y + 1, true);
            return true;
        }
        const bool atEnd = c >= lastCol;
        FocusCell(atEnd ? startCol : c + 1, firstRow, true);
        return atEnd ? EndOfGrid() : true;
    }

    if (Backward) {
        for (int x = c - 1; x >= startCol; --x)
            if (IsSelectableCell(x, r) && IsBaseCell(x, r)) {
                TabToCell(x, r, false);
                return true;
            }
        const int row = r > firstRow ? r - 1 : lastRow;
        int col = -1;
        for (int x = lastCol; x >= FixedCols() && col < 0; --x)
            if (IsSelectableCell(x, row))
                col = x;
        if (col >= 0 && TabToCell(col, row, row != r))
            MoveToBaseCell();
        return true;
    }

    if (c + span.X + 1 <= lastCol) {
        for (int x = c + span.X + 1; x <= lastCol; ++x)
            if (IsSelectableCell(x, r) && IsBaseCell(x, r)) {
                TabToCell(x, r, false);
                return true;
            }
        if (r < lastRow) {
            const int first = FirstSelectableCol(r + 1);
            TabToCell(first >= 0 ? first : FixedCols(), r + 1, true);
            return true;
        }
        const int first = FirstSelectableCol(firstRow);
        if (first >= 0)
            TabToCell(first, firstRow, true);
        return EndOfGrid();
    }

    if (r < lastRow) {
        const int row = NextRowWithSelectableCol(r);
        if (row >= 0) {
            int col = FixedCols();
            for (int x = startCol; x < ColCount(); ++x)
                if (IsBaseCell(x, row) && IsSelectableCell(x, row)) {
                    col = x;
                    break;
                }
            TabToCell(col, row, true);
            return true;
        }
    }
    return TabLastRow(MayAppend);
}

int TVxStringGrid::NextRowWithSelectableCol(int ARow)
{
    for (int r = ARow + 1; r <= LastTabRow(); ++r)
        if (FirstSelectableCol(r) >= 0)
            return r;
    return -1;
}

// From the end of the last row: a new row when Navigation.AdvanceInsert asks and the application agrees,
// otherwise back to the first row.
bool TVxStringGrid::TabLastRow(bool MayAppend)
{
    const int rows = RowCount();
    if (MayAppend && !d->Shared.FNavigation->TabToNextAtEnd() && d->Shared.FNavigation->AdvanceInsert())
        AutoAddRow();   // asks the application; a footer row stays last with its texts
    if (RowCount() > rows)
        FocusCell(Col(), LastTabRow(), true);
    else
        GotoFirstRow();
    const int first = FirstSelectableCol(Row());
    if (first >= 0)
        FocusCell(first, Row(), true);
    return EndOfGrid();
}

// Leaving the grid: with Navigation.TabToNextAtEnd the window gets a Tab of its own, after this one.
bool TVxStringGrid::EndOfGrid()
{
    QWidget* parent = parentWidget();
    if (!parent || !d->Shared.FNavigation->TabToNextAtEnd())
        return true;
    QCoreApplication::postEvent(parent, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
    return false;
}

// Moves the current cell; a move to another row asks the application first.
bool TVxStringGrid::TabToCell(int ACol, int ARow, bool OtherRow)
{
    if (OtherRow) {
        bool allow = true;
        if (OnRowChanging)
            OnRowChanging(this, Row(), ARow, allow);
        if (allow && OnCellChanging)
            OnCellChanging(this, Row(), Col(), ARow, ACol, allow);
        if (allow && OnColChanging)
            OnColChanging(this, Col(), ACol, allow);
        if (!allow)
            return false;
    }
    d->Interaction.FTabAskedChanging = OtherRow;
    FocusCell(ACol, ARow, true);
    d->Interaction.FTabAskedChanging = false;
    return Col() == ACol && Row() == ARow;
}
