// Row sorting of the string grid: a stable sort over row indexes (TRowSorter) whose permutation is applied to
// the rows in one pass, with the cross-reference that undoes it.
#include "grid/model/GridGrouping.h"
#include "grid/model/GridNodes.h"
#include "grid/core/GridSortHost.h"
#include "grid/core/VxGridError.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/model/IntList.h"
#include "grid/paint/ControlLook.h"
#include <unordered_map>

int TGridSortHost::SortHostFixedRows() const { return G.FixedRows(); }
TSortIndexList& TGridSortHost::SortHostIndexes() { return G.SortIndexes(); }

void TGridSortHost::SortHostRepaint(int Row)
{
    if (Row < 0)
        G.Invalidate();
    else
        for (int c = 0; c < G.ColCount(); ++c)
            G.InvalidateCell(c, Row);
}

void TGridSortHost::SortHostSort(bool Indexed)
{
    if (Indexed)
        G.QSortIndexed();
    else
        G.QSort();
}

int TGridSortHost::SortColCount() const { return G.ColCount(); }

QString TGridSortHost::SortCellText(int ACol, int ARow) const
{
    return G.SortSettings().SortOnVirtualCells() ? G.Cells(G.RealColIndex(ACol), ARow)
                                                 : G.GetGridCell(G.RealColIndex(ACol), ARow);
}

QString TGridSortHost::SortRawCellText(int ACol, int ARow) const { return G.GetGridCell(G.RealColIndex(ACol), ARow); }

// Events may write cells in the middle of a sort: with any of them assigned, the sort keeps copies. A sort on
// the shown texts reads the stored ones as long as nothing rewrites a text for display.
const QString* TGridSortHost::SortStoredText(int ACol, int ARow) const
{
    if (G.OnCustomCompare || G.OnRawCompare || G.OnGetFormat)
        return nullptr;
    if (G.SortSettings().SortOnVirtualCells() && !G.d->ShowsStoredText())
        return nullptr;
    return &G.Store().Text(G.RealColIndex(ACol), ARow);
}

void TGridSortHost::SortColFormat(int ACol, TSortStyle& Style, QString& Prefix, QString& Suffix) const
{
    G.GetColFormat(ACol, Style, Prefix, Suffix);
}

bool TGridSortHost::SortIsIgnoredColumn(int ACol) const { return G.IgnoreColumns().HasValue(ACol); }

int TGridSortHost::SortCustomCompare(const QString& S1, const QString& S2) const
{
    int res = 0;
    if (G.OnCustomCompare)
        G.OnCustomCompare(&G, S1, S2, res);
    return res;
}

int TGridSortHost::SortRawCompare(int ACol, int ARow1, int ARow2) const
{
    int res = 0;
    if (G.OnRawCompare)
        G.OnRawCompare(&G, ACol, ARow1, ARow2, res);
    return res;
}

bool TVxStringGridPrivate::ShowsStoredText() const
{
    return !q->OnGetDisplText && !q->OnGetDisplWideText && !Sizing.FURLShowInText && !q->FHasCellProps &&
           !(Order.FGrouping && Order.FGrouping->ShowGroupCount());
}

void TVxStringGrid::InitSortXRef() { d->Order.FSortRowXRef->Init(RowCount()); }

int TVxStringGrid::CompareCells(int ACol, int ARow1, int ARow2, TSortDirection Direction)
{
    TRowSorter sorter(*d->Order.FSortHost, *d->Order.FSortSettings);
    const int res = sorter.CompareCells(ACol, ARow1, ARow2, Direction);
    d->Order.FCompares += sorter.Compares();
    return res;
}

int TVxStringGrid::CompareRowsByColumn(int ACol, int ARow1, int ARow2)
{
    TRowSorter sorter(*d->Order.FSortHost, *d->Order.FSortSettings);
    const int res = sorter.CompareRowsByColumn(ACol, ARow1, ARow2);
    d->Order.FCompares += sorter.Compares();
    return res;
}

int TVxStringGrid::CompareRowsByIndex(int Index, int ARow1, int ARow2)
{
    TRowSorter sorter(*d->Order.FSortHost, *d->Order.FSortSettings);
    const int res = sorter.CompareRowsByIndex(SortIndexes(), Index, ARow1, ARow2);
    d->Order.FCompares += sorter.Compares();
    return res;
}

// Rows First .. First + Perm.size() - 1 take the rows Perm names, each row read and written once; rows that
// stay where they are are not touched. Heights and the current row follow their rows.
void TVxStringGridPrivate::ApplyRowOrder(const std::vector<int>& Perm, int First, bool ForSort)
{
    const int count = int(Perm.size());
    if (ForSort && Order.FSortRowXRef->Count() >= First + count)
        Order.FSortRowXRef->Apply(Perm, First);
    std::vector<int> moved;   // positions i whose row changes
    for (int i = 0; i < count; ++i)
        if (Perm[std::size_t(i)] != First + i)
            moved.push_back(i);
    if (ForSort)
        Order.FSwaps += int(moved.size());
    if (moved.empty())
        return;

    const bool single = ForSort && Order.FSortSettings->SingleColumn();
    // Column 0 stays where it is when the sort leaves the fixed column alone.
    const int c0 = ForSort && Order.FSortSettings->NormalCellsOnly() && q->FixedCols() > 0 ? 1 : 0;
    MoveRowMarks(Perm, First, moved, ForSort,
                 single ? q->RealColIndex(Order.FSortSettings->Column()) == 0 : c0 == 0);
    if (single) {
        const int c = q->RealColIndex(Order.FSortSettings->Column());
        std::vector<TGridCell> cells;
        for (int i : moved)
            cells.push_back({q->GetGridCell(c, Perm[std::size_t(i)]), q->GetGridObject(c, Perm[std::size_t(i)])});
        for (std::size_t k = 0; k < moved.size(); ++k) {
            q->SetGridCell(c, First + moved[k], cells[k].Text);
            q->SetGridObject(c, First + moved[k], cells[k].Object);
        }
        return;
    }

    std::vector<int> from, to;
    std::vector<int> heights;
    std::vector<TGridCell> keep;   // column 0 of each target row, when it stays
    from.reserve(moved.size());
    to.reserve(moved.size());
    heights.reserve(moved.size());
    for (int i : moved) {
        from.push_back(Perm[std::size_t(i)]);
        to.push_back(First + i);
        heights.push_back(q->RowHeights(Perm[std::size_t(i)]));
        if (c0 == 1)
            keep.push_back({q->GetGridCell(0, First + i), q->GetGridObject(0, First + i)});
    }
    q->CellStore().PermuteRows(from, to);
    for (std::size_t k = 0; k < moved.size(); ++k) {
        const int r = to[k];
        if (c0 == 1) {
            q->SetGridCell(0, r, keep[k].Text);
            q->SetGridObject(0, r, keep[k].Object);
        }
        if (q->RowHeights(r) != heights[k])
            q->SetRowHeights(r, heights[k]);
    }
    q->InvalidateGrid();
    if (Order.FSortRow >= First && Order.FSortRow < First + count)
        for (int i : moved)
            if (Perm[std::size_t(i)] == Order.FSortRow) {
                Order.FSortRow = First + i;
                break;
            }
}

// The marks kept by row follow the rows that moved: node marks with column 0 (where the node's cell is), the
// modified flags and the selection flags; a sort moves the last two only when the grid asks for it.
void TVxStringGridPrivate::MoveRowMarks(const std::vector<int>& Perm, int First, const std::vector<int>& Moved,
                                 bool ForSort, bool WithColumn0)
{
    std::vector<TGridNodes::TRowMove> real;
    real.reserve(Moved.size());
    for (int i : Moved)
        real.push_back({q->RealRowIndex(Perm[std::size_t(i)]), q->RealRowIndex(First + i)});
    if (WithColumn0 && Order.FNodes->HasNodes())
        NodesInStep().MoveRows(real);

    const auto carry = [](std::vector<std::uint8_t>& Flags, const std::vector<TGridNodes::TRowMove>& Moves) {
        std::vector<std::uint8_t> values;
        values.reserve(Moves.size());
        for (const auto& m : Moves)
            values.push_back(m.From < int(Flags.size()) ? Flags[std::size_t(m.From)] : 0);
        for (std::size_t k = 0; k < Moves.size(); ++k) {
            const int to = Moves[k].To;
            if (to >= int(Flags.size())) {
                if (!values[k])
                    continue;
                Flags.resize(std::size_t(to) + 1, 0);
            }
            Flags[std::size_t(to)] = values[k];
        }
    };
    if (!ForSort || q->ShowModified().Enabled()) {
        std::vector<TGridNodes::TRowMove> displ;
        for (int i : Moved)
            displ.push_back({Perm[std::size_t(i)], First + i});
        carry(Cells.FModifiedRows, displ);
    }
    if (!ForSort || (q->MouseActions().DisjunctRowSelect() && q->Navigation().MoveRowOnSort())) {
        carry(Cells.FRowSelect, real);
        std::unordered_map<int, int> to;
        for (const auto& m : real)
            to[m.From] = m.To;
        for (int& r : Cells.FSelectedRows)
            if (const auto it = to.find(r); it != to.end())
                r = it->second;
    }
}

void TVxStringGridPrivate::SortRowRange(bool Indexed, int ACol, int First, int Last)
{
    if (Last <= First)
        return;
    TRowSorter sorter(*Order.FSortHost, *Order.FSortSettings);
    const std::vector<int> perm =
        Indexed ? sorter.SortByIndexes(q->SortIndexes(), First, Last) : sorter.SortByColumn(ACol, First, Last);
    Order.FCompares += sorter.Compares();
    ApplyRowOrder(perm, First);
}

void TVxStringGrid::SortSwapRows(int ARow1, int ARow2)
{
    if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0)
        return;
    const int first = std::min(ARow1, ARow2);
    const int last = std::max(ARow1, ARow2);
    std::vector<int> perm;
    perm.push_back(last);
    for (int r = first + 1; r < last; ++r)
        perm.push_back(r);
    perm.push_back(first);
    d->ApplyRowOrder(perm, first);
}

// The current row and the top row around a sort of the normal rows; the footer rows stay last.
void TVxStringGridPrivate::SortFrame(const std::function<void()>& Body)
{
    Order.FSortRowXRef->EnsureCount(q->RowCount());
    const int top = q->TopRow();
    const int before = q->Row();
    const bool follow = q->Navigation().MoveRowOnSort();
    Order.FSortRow = before;
    Order.FSortDir = Order.FSortSettings->Direction() == TSortDirection::sdDescending ? -1 : 1;
    struct Restore {
        TVxStringGrid& G;
        int Top;
        ~Restore()
        {
            if (G.Navigation().KeepScrollOnSort() && G.TopRow() != Top)
                G.SetTopRow(Top);
            G.UpdateFooter();
            G.Invalidate();
        }
    } restore{*q, top};
    Body();
    if (follow && Order.FSortRow != q->Row())
        q->SetRow(Order.FSortRow);
    if (!follow && q->OnRowUpdate)
        q->OnRowUpdate(q, before, q->Row());
}

void TVxStringGrid::QSort()
{
    if (d->Order.FSortSettings->Column() < 0)
        return;
    SortIndexes().Clear();
    d->SortFrame([this] {
        d->SortRowRange(false, d->Order.FSortSettings->Column(), FixedRows(), RowCount() - FixedFooters() - 1);
    });
}

void TVxStringGrid::QSortIndexed()
{
    d->Order.FSortRowXRef->EnsureCount(RowCount());
    if (SortIndexes().Count() == 0)
        throw EVxGridError("No indexes specified for indexed sort");
    d->SortFrame([this] { d->SortRowRange(true, -1, FixedRows(), RowCount() - FixedFooters() - 1); });
}

void TVxStringGrid::SortGroups(bool Indexed)
{
    if (!Indexed && d->Order.FSortSettings->Column() < 0)
        return;
    d->SortFrame([this, Indexed] {
        const int last = RowCount() - FixedFooters() - 1;
        int deepest = 0;
        for (int r = FixedRows(); r <= last; ++r)
            if (IsNode(r))
                deepest = std::max(deepest, GetNodeLevel(r));
        for (int r = FixedRows(); r <= last; ++r) {
            if (!IsNode(r) || GetNodeLevel(r) != deepest || GetNodeState(r))
                continue;
            const int span = GetNodeSpan(r);
            if (span > 2)
                d->SortRowRange(Indexed, d->Order.FSortSettings->Column(), r + 1, std::min(r + span - 1, last));
        }
    });
}

void TVxStringGrid::Sort(int Column, TSortDirection Direction)
{
    d->Order.FSortSettings->SetColumn(Column);
    d->Order.FSortSettings->SetDirection(Direction);
    QSort();
}

void TVxStringGrid::SortByColumn(int Col)
{
    if (RowCount() <= 1)
        return;
    d->Order.FSortSettings->SetColumn(Col);
    QSort();
}

void TVxStringGrid::QuickSort(int Col, int Left, int Right) { d->SortRowRange(false, Col, Left, Right); }

void TVxStringGrid::QuickSortIndexed(int Left, int Right) { d->SortRowRange(true, -1, Left, Right); }

void TVxStringGrid::QUnSort()
{
    d->Order.FSortRowXRef->EnsureCount(RowCount());
    d->ApplyRowOrder(d->Order.FSortRowXRef->UnSortPermutation(), 0);
    Invalidate();
}
