#include "grid/model/GridNodes.h"

#include <algorithm>
#include <iterator>
#include <type_traits>

namespace {
template <typename Map>
Map ShiftKeys(const Map& From, int At, int RemoveCount, int Delta)
{
    Map out;
    for (auto it = From.begin(); it != From.end(); ++it) {
        int key;
        if constexpr (std::is_same_v<Map, std::set<int>>)
            key = *it;
        else
            key = it->first;
        if (key >= At && key < At + RemoveCount)
            continue;
        const int moved = key >= At ? key + Delta : key;
        if constexpr (std::is_same_v<Map, std::set<int>>)
            out.insert(moved);
        else
            out.emplace(moved, it->second);
    }
    return out;
}

void ShiftRows(std::vector<int>& Rows, int At, int Delta)
{
    for (int& r : Rows)
        if (r >= At)
            r += Delta;
}

void Sorted(std::vector<int>& Rows)
{
    std::sort(Rows.begin(), Rows.end());
    Rows.erase(std::unique(Rows.begin(), Rows.end()), Rows.end());
}
} // namespace

void TGridNodes::InsertRows(int At, int Count)
{
    if (Count <= 0 || At < 0 || At > RowCount())
        return;
    FNodes = ShiftKeys(FNodes, At, 0, Count);
    FSummaries = ShiftKeys(FSummaries, At, 0, Count);
    FLevels.insert(FLevels.begin() + At, std::size_t(Count), 0);
}

void TGridNodes::RemoveRows(int At, int Count)
{
    if (At < 0 || At >= RowCount())
        return;
    Count = std::min(Count, RowCount() - At);
    if (Count <= 0)
        return;
    FNodes = ShiftKeys(FNodes, At, Count, -Count);
    FSummaries = ShiftKeys(FSummaries, At, Count, -Count);
    FLevels.erase(FLevels.begin() + At, FLevels.begin() + At + Count);
}

TNodeRecord* TGridNodes::Find(int ARow)
{
    const auto it = FNodes.find(ARow);
    return it == FNodes.end() ? nullptr : &it->second;
}

const TNodeRecord* TGridNodes::Node(int ARow) const
{
    const auto it = FNodes.find(ARow);
    return it == FNodes.end() ? nullptr : &it->second;
}

void TGridNodes::AddLevels(int From, int Count, int Delta)
{
    const int to = std::min(From + Count, RowCount());
    for (int r = std::max(From, 0); r < to; ++r)
        FLevels[std::size_t(r)] = std::max(FLevels[std::size_t(r)] + Delta, 0);
}

void TGridNodes::Merge(TNodeChange& Into, const TNodeChange& From)
{
    Into.Hide.insert(Into.Hide.end(), From.Hide.begin(), From.Hide.end());
    Into.Show.insert(Into.Show.end(), From.Show.begin(), From.Show.end());
}

void TGridNodes::AddNode(int ARow, int Span, int MadeAt)
{
    if (ARow < 0 || ARow >= RowCount())
        return;
    TNodeRecord node;
    node.Span = Span;
    node.MadeAt = MadeAt < 0 ? ARow : MadeAt;
    FNodes[ARow] = node;
    FSummaries.erase(ARow);
    AddLevels(ARow, Span, 1);
}

void TGridNodes::MarkSummaryRow(int ARow)
{
    if (ARow >= 0 && ARow < RowCount()) {
        FSummaries.insert(ARow);
        FNodes.erase(ARow);
    }
}

TNodeChange TGridNodes::RemoveNode(int ARow)
{
    TNodeChange change;
    const TNodeRecord* node = Node(ARow);
    if (!node)
        return change;
    change = ExpandNode(ARow);
    AddLevels(ARow, node->Span, -1);
    FNodes.erase(ARow);
    return change;
}

TNodeChange TGridNodes::RemoveAllNodes()
{
    TNodeChange change;
    for (int r : NodeRows())
        Merge(change, RemoveNode(r));
    Sorted(change.Show);
    return change;
}

std::vector<int> TGridNodes::NodeRows() const
{
    std::vector<int> rows;
    rows.reserve(FNodes.size());
    for (const auto& [row, node] : FNodes)
        rows.push_back(row);
    return rows;
}

bool TGridNodes::GetNodeState(int ARow) const
{
    const TNodeRecord* node = Node(ARow);
    return node && node->Contracted;
}

int TGridNodes::GetNodeLevel(int ARow) const { return IsNode(ARow) ? RowLevel(ARow) : -1; }

int TGridNodes::RowLevel(int ARow) const
{
    return ARow >= 0 && ARow < RowCount() ? FLevels[std::size_t(ARow)] : 0;
}

void TGridNodes::SetRowLevel(int ARow, int Level)
{
    if (ARow >= 0 && ARow < RowCount())
        FLevels[std::size_t(ARow)] = Level;
}

int TGridNodes::GetNodeSpan(int ARow) const
{
    const TNodeRecord* node = Node(ARow);
    return node ? node->Span : -1;
}

void TGridNodes::SetNodeSpan(int ARow, int Span)
{
    if (TNodeRecord* node = Find(ARow))
        node->Span = Span;
}

void TGridNodes::UpdateNodeSpan(int ARow, int Delta)
{
    if (TNodeRecord* node = Find(ARow))
        node->Span += Delta;
}

int TGridNodes::GetSubNodeCount(int ARow) const
{
    const TNodeRecord* node = Node(ARow);
    return node ? node->SubNodes : 0;
}

void TGridNodes::UpdateSubNodeCount(int ARow, int Delta)
{
    if (TNodeRecord* node = Find(ARow))
        node->SubNodes += Delta;
}

int TGridNodes::GetNodeValue(int ARow) const
{
    const TNodeRecord* node = Node(ARow);
    return node ? node->Value : -1;
}

void TGridNodes::SetNodeValue(int ARow, int Value)
{
    if (TNodeRecord* node = Find(ARow))
        node->Value = Value;
}

int TGridNodes::GetParentRow(int ARow) const
{
    if (FNodes.empty())
        return -1;
    const bool isNode = IsNode(ARow);
    const int level = isNode ? RowLevel(ARow) : 65535;
    for (auto it = FNodes.upper_bound(ARow); it != FNodes.begin();) {
        --it;
        if (RowLevel(it->first) < level && ARow < it->first + it->second.Span)
            return it->first;
    }
    return isNode ? ARow : -1;
}

int TGridNodes::NodeEnd(int ARow) const
{
    const TNodeRecord* node = Node(ARow);
    if (!node)
        return ARow + 1;
    if (node->Span > 0)
        return std::min(ARow + node->Span, RowCount());
    const auto next = FNodes.upper_bound(ARow);
    return next == FNodes.end() ? RowCount() : next->first;
}

bool TGridNodes::IsHiddenByNode(int ARow) const
{
    for (auto it = FNodes.begin(); it != FNodes.end() && it->first < ARow; ++it)
        if (it->second.Contracted && ARow < NodeEnd(it->first))
            return true;
    return false;
}

TNodeChange TGridNodes::ExpandNode(int ARow, bool ExpandOne)
{
    TNodeChange change;
    if (ExpandOne) {
        // One walk from the top, skipping the rows of each contracted node.
        int hiddenUntil = -1;
        for (auto& [r, node] : FNodes) {
            if (r < hiddenUntil || (r <= ARow && ARow < NodeEnd(r)))
                continue;
            if (!node.Contracted)
                Merge(change, ContractRows(r));
            hiddenUntil = NodeEnd(r);
        }
    }
    TNodeRecord* node = Find(ARow);
    if (!node || !node->Contracted)
        return change;
    node->Contracted = false;
    for (int r = ARow + 1; r < NodeEnd(ARow); ++r)
        change.Show.push_back(r);
    return change;
}

TNodeChange TGridNodes::ContractNode(int ARow)
{
    const TNodeRecord* node = Node(ARow);
    if (!node || node->Contracted || IsHiddenByNode(ARow))
        return {};
    return ContractRows(ARow);
}

TNodeChange TGridNodes::ContractRows(int ARow)
{
    TNodeChange change;
    Find(ARow)->Contracted = true;
    const int end = NodeEnd(ARow);
    for (int i = ARow + 1; i < end;) {
        TNodeRecord* nested = Find(i);
        if (nested && nested->Contracted) {
            // Its hidden rows now belong to this node.
            nested->Contracted = false;
            change.Hide.push_back(i);
            i = std::max(NodeEnd(i), i + 1);
        } else {
            change.Hide.push_back(i++);
        }
    }
    return change;
}

TNodeChange TGridNodes::ExpandAll()
{
    TNodeChange change;
    for (int r : NodeRows())
        Merge(change, ExpandNode(r));
    Sorted(change.Show);
    return change;
}

TNodeChange TGridNodes::ContractAll()
{
    const TNodeChange expanded = ExpandAll();
    TNodeChange contracted;
    for (auto it = FNodes.begin(); it != FNodes.end();) {
        const int r = it->first;
        it->second.Contracted = true;
        const int end = std::max(NodeEnd(r), r + 1);
        for (int i = r + 1; i < end; ++i)
            contracted.Hide.push_back(i);
        it = FNodes.lower_bound(end);   // nested nodes stay expanded
    }
    // Rows shown by the expansion and hidden again stay as they were.
    TNodeChange net;
    std::set_difference(contracted.Hide.begin(), contracted.Hide.end(), expanded.Show.begin(), expanded.Show.end(),
                        std::back_inserter(net.Hide));
    std::set_difference(expanded.Show.begin(), expanded.Show.end(), contracted.Hide.begin(), contracted.Hide.end(),
                        std::back_inserter(net.Show));
    return net;
}

TGridNodes::TChildInsert TGridNodes::PrepareChildRow(int ARow, int InsertAt)
{
    TChildInsert result;
    const int parent = GetParentRow(ARow);
    if (parent != -1) {
        // Expanded before growing, so that only the rows it hid come back.
        Merge(result.Change, ExpandNode(parent));
        UpdateNodeSpan(parent, 1);
        UpdateSubNodeCount(parent, 1);
        result.Level = RowLevel(parent);
        int reached = result.Level;
        int current = parent;
        while (reached > 1) {
            const int ancestor = GetParentRow(current);
            if (ancestor < 0 || ancestor == current || RowLevel(ancestor) >= reached)
                break;
            Merge(result.Change, ExpandNode(ancestor));
            UpdateNodeSpan(ancestor, 1);
            UpdateSubNodeCount(parent, 1);
            reached = RowLevel(ancestor);
            current = ancestor;
        }
    }
    result.MoveNodeRowCells = IsNode(ARow) && InsertAt == 0;
    result.At = result.MoveNodeRowCells ? ARow + 1 : ARow + InsertAt;
    Sorted(result.Change.Show);
    return result;
}

TGridNodes::TChildInsert TGridNodes::InsertChildRow(int ARow, int InsertAt)
{
    TChildInsert result = PrepareChildRow(ARow, InsertAt);
    InsertRows(result.At, 1);
    SetRowLevel(result.At, result.Level);
    ShiftRows(result.Change.Show, result.At, 1);
    return result;
}

TNodeChange TGridNodes::ShrinkParentChain(int ARow)
{
    TNodeChange change;
    int parent = GetParentRow(ARow);
    if (parent == -1)
        return change;
    const int level = RowLevel(parent);
    const auto shrink = [this](int Row) {
        if (GetNodeSpan(Row) > 1) {
            UpdateNodeSpan(Row, -1);
            UpdateSubNodeCount(Row, -1);
        }
    };
    // Each node is expanded before it shrinks, so that every row it hid comes back.
    for (;;) {
        Merge(change, ExpandNode(parent));
        shrink(parent);
        if (RowLevel(parent) <= 1)
            break;
        const int up = GetParentRow(parent);
        if (up == -1 || up == parent || RowLevel(up) >= level)
            break;
        parent = up;
    }
    Sorted(change.Show);
    return change;
}

TNodeChange TGridNodes::RemoveChildRow(int ARow)
{
    TNodeChange change = ShrinkParentChain(ARow);
    RemoveRows(ARow, 1);
    std::erase(change.Show, ARow);
    ShiftRows(change.Show, ARow + 1, -1);
    return change;
}

void TGridNodes::MoveRows(const std::vector<TRowMove>& Moves)
{
    struct Taken {
        int To;
        bool HasNode;
        TNodeRecord Node;
        bool Summary;
        int Level;
    };
    std::vector<Taken> taken;
    taken.reserve(Moves.size());
    for (const TRowMove& m : Moves) {
        if (m.From < 0 || m.From >= RowCount() || m.To < 0 || m.To >= RowCount())
            continue;
        const TNodeRecord* node = Node(m.From);
        taken.push_back({m.To, node != nullptr, node ? *node : TNodeRecord{}, IsSummary(m.From), RowLevel(m.From)});
    }
    for (const TRowMove& m : Moves) {
        FNodes.erase(m.From);
        FSummaries.erase(m.From);
    }
    for (const Taken& t : taken) {
        if (t.HasNode)
            FNodes[t.To] = t.Node;
        if (t.Summary)
            FSummaries.insert(t.To);
        FLevels[std::size_t(t.To)] = t.Level;
    }
}
