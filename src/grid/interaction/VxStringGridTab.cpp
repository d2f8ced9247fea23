// Tab navigation over the selectable cells, and the row appended when a Tab or Down leaves the last row.
#include "grid/core/VxStringGridPrivate.h"
#include "grid/core/FloatingFooter.h"
#include "grid/foundation/GridOptionGroups.h"
#include <QCoreApplication>
#include <QKeyEvent>
#include <algorithm>

bool TVxStringGrid::IsSelectableCell(int ACol, int ARow)
{
    bool canSelect = Options().testFlag(TGridOption::goEditing) ? d->CellEditable(ACol, ARow) : !IsFixed(ACol, ARow);
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
    return Row() == RowCount() - d->Shared.FFixedFooters - 1 ||
           (d->Order.FFloatingFooter->Visible() && Row() == RowCount() - 2);
}

// The floating footer's row, like a fixed footer, is never entered.
int TVxStringGridPrivate::LastTabRow()
{
    return q->RowCount() - std::max(Shared.FFixedFooters, Order.FFloatingFooter->Visible() ? 1 : 0) - 1;
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
        d->ClearNewLastRow();
    }
    if (footer || d->Shared.FFixedFooters > 0)
        SetRow(Row() + 1);
    if (footer)
        CalcFooter(-1);
    if (OnAutoAddRow)
        OnAutoAddRow(this, RowCount() - d->Shared.FFixedFooters - 1);
}

// The store keeps what rows held before the grid shrank; an appended row starts empty.
void TVxStringGridPrivate::ClearNewLastRow()
{
    const int last = q->RowCount() - 1;
    for (int c = 0; c < q->AllColCount(); ++c)
        q->SetGridCell(c, last, QString());
    q->FreeCellObjects(0, last, q->AllColCount() - 1, last);
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
        if (!d->TabStep(Backward, mayAppend)) {
            result = false;
            found = true;
            break;
        }
        if (RowCount() != rowsBefore)
            mayAppend = false;
        if (!editing || d->CellEditable(Col(), Row())) {
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
bool TVxStringGridPrivate::TabStep(bool Backward, bool MayAppend)
{
    const int firstRow = q->FixedRows();
    const int lastRow = LastTabRow();
    const int lastCol = q->ColCount() - q->VisibleFixedRightCols() - 1;
    if (lastRow < firstRow || lastCol < q->FixedCols())
        return true;   // no normal cell to go to
    const int c = q->Col();
    const int r = q->Row();
    const TPoint span = q->CellSpan(c, r);
    const int startCol = q->TabStartCol();

    if (Shared.FNavigation->TabAdvanceDirection() != TAdvanceDirection::adLeftRight) {
        if (Backward) {
            if (r > firstRow)
                q->FocusCell(c, r - 1, true);
            else
                q->FocusCell(c <= startCol ? lastCol : c - 1, lastRow, true);
            return true;
        }
        if (r + span.Y + 1 <= lastRow) {
            q->FocusCell(c, r + span.Y + 1, true);
            return true;
        }
        const bool atEnd = c >= lastCol;
        q->FocusCell(atEnd ? startCol : c + 1, firstRow, true);
        return atEnd ? EndOfGrid() : true;
    }

    if (Backward) {
        for (int x = c - 1; x >= startCol; --x)
            if (q->IsSelectableCell(x, r) && q->IsBaseCell(x, r)) {
                TabToCell(x, r, false);
                return true;
            }
        const int row = r > firstRow ? r - 1 : lastRow;
        int col = -1;
        for (int x = lastCol; x >= q->FixedCols() && col < 0; --x)
            if (q->IsSelectableCell(x, row))
                col = x;
        if (col >= 0 && TabToCell(col, row, row != r))
            q->MoveToBaseCell();
        return true;
    }

    if (c + span.X + 1 <= lastCol) {
        for (int x = c + span.X + 1; x <= lastCol; ++x)
            if (q->IsSelectableCell(x, r) && q->IsBaseCell(x, r)) {
                TabToCell(x, r, false);
                return true;
            }
        if (r < lastRow) {
            const int first = q->FirstSelectableCol(r + 1);
            TabToCell(first >= 0 ? first : q->FixedCols(), r + 1, true);
            return true;
        }
        const int first = q->FirstSelectableCol(firstRow);
        if (first >= 0)
            TabToCell(first, firstRow, true);
        return EndOfGrid();
    }

    if (r < lastRow) {
        const int row = NextRowWithSelectableCol(r);
        if (row >= 0) {
            int col = q->FixedCols();
            for (int x = startCol; x < q->ColCount(); ++x)
                if (q->IsBaseCell(x, row) && q->IsSelectableCell(x, row)) {
                    col = x;
                    break;
                }
            TabToCell(col, row, true);
            return true;
        }
    }
    return TabLastRow(MayAppend);
}

int TVxStringGridPrivate::NextRowWithSelectableCol(int ARow)
{
    for (int r = ARow + 1; r <= LastTabRow(); ++r)
        if (q->FirstSelectableCol(r) >= 0)
            return r;
    return -1;
}

// From the end of the last row: a new row when Navigation.AdvanceInsert asks and the application agrees,
// otherwise back to the first row.
bool TVxStringGridPrivate::TabLastRow(bool MayAppend)
{
    const int rows = q->RowCount();
    if (MayAppend && !Shared.FNavigation->TabToNextAtEnd() && Shared.FNavigation->AdvanceInsert())
        q->AutoAddRow();   // asks the application; a footer row stays last with its texts
    if (q->RowCount() > rows)
        q->FocusCell(q->Col(), LastTabRow(), true);
    else
        q->GotoFirstRow();
    const int first = q->FirstSelectableCol(q->Row());
    if (first >= 0)
        q->FocusCell(first, q->Row(), true);
    return EndOfGrid();
}

// Leaving the grid: with Navigation.TabToNextAtEnd the window gets a Tab of its own, after this one.
bool TVxStringGridPrivate::EndOfGrid()
{
    QWidget* parent = q->parentWidget();
    if (!parent || !Shared.FNavigation->TabToNextAtEnd())
        return true;
    QCoreApplication::postEvent(parent, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
    return false;
}

// Moves the current cell; a move to another row asks the application first.
bool TVxStringGridPrivate::TabToCell(int ACol, int ARow, bool OtherRow)
{
    if (OtherRow) {
        bool allow = true;
        if (q->OnRowChanging)
            q->OnRowChanging(q, q->Row(), ARow, allow);
        if (allow && q->OnCellChanging)
            q->OnCellChanging(q, q->Row(), q->Col(), ARow, ACol, allow);
        if (allow && q->OnColChanging)
            q->OnColChanging(q, q->Col(), ACol, allow);
        if (!allow)
            return false;
    }
    Interaction.FTabAskedChanging = OtherRow;
    q->FocusCell(ACol, ARow, true);
    Interaction.FTabAskedChanging = false;
    return q->Col() == ACol && q->Row() == ARow;
}
