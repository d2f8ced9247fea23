#include "grid/model/GridAxis.h"

#include <algorithm>

TGridAxis::TGridAxis(int count, int fixed, int defaultSize)
    : FCount(count), FFixed(fixed), FDefaultSize(defaultSize), FFirst(fixed), FSizes(std::size_t(count), defaultSize)
{
    Rebuild();
}

void TGridAxis::Rebuild()
{
    FTree.assign(FSizes.size() + 1, 0);
    for (std::size_t i = 1; i <= FSizes.size(); ++i) {
        FTree[i] += FSizes[i - 1];
        const std::size_t parent = i + (i & (~i + 1));
        if (parent < FTree.size())
            FTree[parent] += FTree[i];
    }
}

void TGridAxis::SetCount(int value)
{
    const std::size_t oldCount = FSizes.size();
    FCount = value;
    FSizes.resize(std::size_t(value), FDefaultSize);
    // Nodes below the new count cover only cells below it, so shrinking keeps them and growing fills in the
    // new ones alone: adding rows one at a time stays cheap on a large grid.
    FTree.resize(FSizes.size() + 1);
    for (std::size_t i = oldCount + 1; i <= FSizes.size(); ++i) {
        const std::size_t low = i & (~i + 1);
        FTree[i] = FSizes[i - 1] + Prefix(int(i - 1)) - Prefix(int(i - low));
    }
}

void TGridAxis::SetDefaultSize(int value)
{
    FDefaultSize = std::max(0, value);
    std::fill(FSizes.begin(), FSizes.end(), FDefaultSize);
    Rebuild();
}

int TGridAxis::Size(int i) const
{
    return i >= 0 && i < FCount ? FSizes[std::size_t(i)] : FDefaultSize;
}

void TGridAxis::SetSize(int i, int value)
{
    if (i < 0 || i >= FCount)
        return;
    value = std::max(0, value);
    const std::int64_t delta = value - FSizes[std::size_t(i)];
    FSizes[std::size_t(i)] = value;
    for (std::size_t k = std::size_t(i) + 1; k < FTree.size(); k += k & (~k + 1))
        FTree[k] += delta;
}

std::int64_t TGridAxis::Prefix(int n) const
{
    std::int64_t sum = 0;
    for (std::size_t k = std::size_t(n); k > 0; k -= k & (~k + 1))
        sum += FTree[k];
    return sum;
}

std::int64_t TGridAxis::Offset(int i) const
{
    if (i <= 0)
        return 0;
    if (i <= FCount)
        return Prefix(i);
    return Prefix(FCount) + std::int64_t(i - FCount) * FDefaultSize;
}

std::int64_t TGridAxis::Pos(int i) const
{
    if (i < FFixed)
        return Offset(i);
    return FixedExtent() + Offset(i) - Offset(FFirst);
}

int TGridAxis::LastWithPrefixAtMost(std::int64_t target) const
{
    if (target < 0)
        return -1;
    std::size_t pos = 0;
    std::size_t step = 1;
    while (step * 2 < FTree.size())
        step *= 2;
    for (; step > 0; step /= 2) {
        if (pos + step < FTree.size() && FTree[pos + step] <= target) {
            pos += step;
            target -= FTree[pos];
        }
    }
    return int(pos);
}

int TGridAxis::CellAt(int pos, int clientExtent) const
{
    if (pos < 0 || pos >= clientExtent)
        return -1;
    std::int64_t target = pos;
    if (pos >= FixedExtent())
        target = pos - FixedExtent() + Offset(FFirst);
    const int i = LastWithPrefixAtMost(target);
    if (i >= FCount || (pos < FixedExtent() && i >= FFixed) || (pos >= FixedExtent() && i < FFirst))
        return -1;
    return i;
}

int TGridAxis::VisibleCount(int clientExtent) const
{
    const std::int64_t room = std::int64_t(clientExtent) - FixedExtent();
    const int end = std::min(FCount, LastWithPrefixAtMost(Offset(FFirst) + room));
    return std::max(0, end - FFirst);
}

int TGridAxis::MaxFirst(int clientExtent) const
{
    const std::int64_t room = std::int64_t(clientExtent) - FixedExtent();
    const std::int64_t need = Prefix(FCount) - room;   // scrolled-away extent that lets the last cell fit
    if (need <= Offset(FFixed))
        return FFixed;
    // The first index whose offset reaches the needed extent.
    const int last = LastWithPrefixAtMost(need - 1);
    return std::min(FCount - 1, std::max(FFixed, last + 1));
}

bool TGridAxis::IsShown(int i, int clientExtent) const
{
    if (i < 0 || i >= FCount)
        return false;
    if (i < FFixed)
        return true;
    return i >= FFirst && Pos(i) < clientExtent;
}

int TGridAxis::ScrollTarget(int i, int clientExtent) const
{
    if (i < FFixed || i >= FCount)
        return FFirst;
    if (i < FFirst)
        return i;
    const std::int64_t room = std::int64_t(clientExtent) - FixedExtent();
    const std::int64_t need = Offset(i + 1) - room;
    if (need <= Offset(FFirst))
        return FFirst;
    return std::clamp(LastWithPrefixAtMost(need - 1) + 1, FFixed, i);
}

bool TGridAxis::Span(int a, int b, int clientExtent, int& p0, int& p1) const
{
    a = std::max(a, 0);
    b = std::min(b, FCount - 1);
    if (a > b)
        return false;
    std::int64_t from = 0;
    std::int64_t to = 0;
    if (a < FFixed) {
        from = Pos(a);
        to = b < FFixed || b < FFirst ? Pos(std::min(b, FFixed - 1)) + Size(std::min(b, FFixed - 1)) : Pos(b) + Size(b);
    } else {
        if (b < FFirst)
            return false;
        from = a >= FFirst ? Pos(a) : FixedExtent();
        to = Pos(b) + Size(b);
    }
    if (from >= clientExtent || to <= from)
        return false;
    p0 = int(from);
    p1 = int(std::min<std::int64_t>(to, clientExtent));
    return true;
}

void TGridAxis::Move(int from, int to)
{
    if (from < 0 || to < 0 || from >= FCount || to >= FCount || from == to)
        return;
    const int size = FSizes[std::size_t(from)];
    FSizes.erase(FSizes.begin() + from);
    FSizes.insert(FSizes.begin() + to, size);
    Rebuild();
}

void TGridAxis::Delete(int i)
{
    if (i < 0 || i >= FCount)
        return;
    FSizes.erase(FSizes.begin() + i);
    --FCount;
    Rebuild();
}
