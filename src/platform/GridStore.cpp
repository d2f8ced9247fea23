#include "platform/GridStore.h"

#include <algorithm>

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

TGridCells TGridStore::Row(int r, int count) const
{
    TGridCells cells(std::size_t(std::max(0, count)));
    for (int c = 0; c < count; ++c)
        if (const TGridCell* cell = Find(c, r))
            cells[std::size_t(c)] = *cell;
    return cells;
}

TGridCells TGridStore::Col(int c, int count) const
{
    TGridCells cells(std::size_t(std::max(0, count)));
    for (int r = 0; r < count; ++r)
        if (const TGridCell* cell = Find(c, r))
            cells[std::size_t(r)] = *cell;
    return cells;
}

void TGridStore::SetRow(int r, const TGridCells& cells, int count)
{
    for (int c = 0; c < count; ++c) {
        const TGridCell empty;
        const TGridCell& src = std::size_t(c) < cells.size() ? cells[std::size_t(c)] : empty;
        SetText(c, r, src.Text);
        SetObject(c, r, src.Object);
    }
}

void TGridStore::SetCol(int c, const TGridCells& cells, int count)
{
    for (int r = 0; r < count; ++r) {
        const TGridCell empty;
        const TGridCell& src = std::size_t(r) < cells.size() ? cells[std::size_t(r)] : empty;
        SetText(c, r, src.Text);
        SetObject(c, r, src.Object);
    }
}

void TGridStore::MoveRow(int from, int to)
{
    if (from < 0 || to < 0 || from == to)
        return;
    const std::size_t needed = std::size_t(std::max(from, to)) + 1;
    if (FRows.size() < needed)
        FRows.resize(needed);
    auto first = FRows.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
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
        auto first = row.begin();
        if (from < to)
            std::rotate(first + from, first + from + 1, first + to + 1);
        else
            std::rotate(first + to, first + from, first + from + 1);
    }
}

int TGridStore::ColExtent(int r) const
{
    return r >= 0 && std::size_t(r) < FRows.size() ? int(FRows[std::size_t(r)].size()) : 0;
}

void TGridStore::Clear()
{
    FRows.clear();
}

std::size_t TGridStore::Capacity() const
{
    std::size_t n = 0;
    for (const auto& row : FRows)
        n += row.capacity();
    return n;
}
