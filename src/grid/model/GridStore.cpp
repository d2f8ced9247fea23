#include "grid/model/GridStore.h"

#include <algorithm>
#include <utility>

namespace {
const QString kEmpty;
}

const TGridCell* TGridStore::Find(int c, int r) const
{
    if (c < 0 || r < 0 || std::size_t(r) >= FRows.size())
        return nullptr;
    const auto& row = FRows[std::size_t(r)];
    return std::size_t(c) < row.size() ? &row[std::size_t(c)] : nullptr;
}

TGridCell* TGridStore::Slot(int c, int r)
{
    if (c < 0 || r < 0)
        return nullptr;
    if (std::size_t(r) >= FRows.size())
        FRows.resize(std::size_t(r) + 1);
    auto& row = FRows[std::size_t(r)];
    if (std::size_t(c) >= row.size()) {
        if (std::size_t(c) >= row.capacity())
            row.reserve(c < FRowWidthHint ? std::size_t(FRowWidthHint) : std::max(std::size_t(c) + 1, 2 * row.capacity()));
        row.resize(std::size_t(c) + 1);
    }
    return &row[std::size_t(c)];
}

const QString& TGridStore::Text(int c, int r) const
{
    const TGridCell* cell = Find(c, r);
    return cell ? cell->Text : kEmpty;
}

TObject* TGridStore::Object(int c, int r) const
{
    const TGridCell* cell = Find(c, r);
    return cell ? cell->Object : nullptr;
}

void TGridStore::SetText(int c, int r, const QString& value)
{
    // Clearing a cell that was never written must not grow the store.
    if (value.isEmpty() && !Find(c, r))
        return;
    if (TGridCell* cell = Slot(c, r))
        cell->Text = value;
}

void TGridStore::SetObject(int c, int r, TObject* value)
{
    if (!value && !Find(c, r))
        return;
    if (TGridCell* cell = Slot(c, r))
        cell->Object = value;
}

namespace {

// Moves element `from` to `to`; the elements between shift by one.
template <typename Vector>
void MoveElement(Vector& v, int from, int to)
{
    auto first = v.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
}

} // namespace

TGridCells TGridStore::Line(bool isRow, int index, int count) const
{
    TGridCells cells(std::size_t(std::max(0, count)));
    for (int i = 0; i < count; ++i)
        if (const TGridCell* cell = isRow ? Find(i, index) : Find(index, i))
            cells[std::size_t(i)] = *cell;
    return cells;
}

void TGridStore::SetLine(bool isRow, int index, const TGridCells& cells, int count)
{
    const TGridCell empty;
    for (int i = 0; i < count; ++i) {
        const TGridCell& src = std::size_t(i) < cells.size() ? cells[std::size_t(i)] : empty;
        const int c = isRow ? i : index;
        const int r = isRow ? index : i;
        SetText(c, r, src.Text);
        SetObject(c, r, src.Object);
    }
}

TGridCells TGridStore::Row(int r, int count) const { return Line(true, r, count); }
TGridCells TGridStore::Col(int c, int count) const { return Line(false, c, count); }
void TGridStore::SetRow(int r, const TGridCells& cells, int count) { SetLine(true, r, cells, count); }
void TGridStore::SetCol(int c, const TGridCells& cells, int count) { SetLine(false, c, cells, count); }

void TGridStore::MoveRow(int from, int to)
{
    if (from < 0 || to < 0 || from == to)
        return;
    const std::size_t needed = std::size_t(std::max(from, to)) + 1;
    if (FRows.size() < needed)
        FRows.resize(needed);
    MoveElement(FRows, from, to);
}

void TGridStore::MoveCol(int from, int to)
{
    if (from < 0 || to < 0 || from == to)
        return;
    const std::size_t needed = std::size_t(std::max(from, to)) + 1;
    for (auto& row : FRows) {
        if (row.size() <= std::size_t(std::min(from, to)))
            continue;   // nothing stored in the moved span
        if (row.size() < needed)
            row.resize(needed);
        MoveElement(row, from, to);
    }
}

TGridCells TGridStore::TakeRow(int r)
{
    if (r < 0 || std::size_t(r) >= FRows.size())
        return {};
    return std::exchange(FRows[std::size_t(r)], {});
}

void TGridStore::PutRow(int r, TGridCells cells)
{
    if (r < 0 || (cells.empty() && std::size_t(r) >= FRows.size()))
        return;
    if (std::size_t(r) >= FRows.size())
        FRows.resize(std::size_t(r) + 1);
    FRows[std::size_t(r)] = std::move(cells);
}

void TGridStore::SwapRows(int r1, int r2)
{
    if (r1 < 0 || r2 < 0 || r1 == r2)
        return;
    if (FRows.size() <= std::size_t(std::max(r1, r2)))
        FRows.resize(std::size_t(std::max(r1, r2)) + 1);
    std::swap(FRows[std::size_t(r1)], FRows[std::size_t(r2)]);
}

void TGridStore::RemoveRows(int at, int n, int End)
{
    End = std::min(End, RowExtent());
    if (at < 0 || n <= 0 || at >= End)
        return;
    n = std::min(n, End - at);
    const auto first = FRows.begin() + at;
    const auto last = FRows.begin() + End;
    std::rotate(first, first + n, last);
    for (auto it = last - n; it != last; ++it)
        *it = {};
}

void TGridStore::InsertRows(int at, int n, int End)
{
    if (at < 0 || n <= 0 || at >= End || at >= RowExtent())
        return;
    n = std::min(n, End - at);
    if (FRows.size() < std::size_t(End))
        FRows.resize(std::size_t(End));
    const auto first = FRows.begin() + at;
    const auto last = FRows.begin() + End;
    std::rotate(first, last - n, last);
    for (auto it = first; it != first + n; ++it)
        *it = {};
}

void TGridStore::PermuteRows(const std::vector<int>& From, const std::vector<int>& To)
{
    std::vector<TGridCells> moved;
    moved.reserve(From.size());
    for (int r : From)
        moved.push_back(TakeRow(r));
    for (std::size_t k = 0; k < moved.size() && k < To.size(); ++k)
        PutRow(To[k], std::move(moved[k]));
}

int TGridStore::ColExtent(int r) const
{
    return r >= 0 && std::size_t(r) < FRows.size() ? int(FRows[std::size_t(r)].size()) : 0;
}

void TGridStore::Clear()
{
    FRows.clear();
}

