#include "grid/model/HiddenIndexMap.h"
#include <algorithm>

namespace {

// Sorted, without duplicates, inside 0..count-1.
void Normalize(std::vector<int>& reals, int count)
{
    std::erase_if(reals, [count](int r) { return r < 0 || r >= count; });
    std::sort(reals.begin(), reals.end());
    reals.erase(std::unique(reals.begin(), reals.end()), reals.end());
}

std::vector<int> Range(int from, int to, int count)
{
    from = std::max(from, 0);
    to = std::min(to, count - 1);
    std::vector<int> reals;
    if (from <= to) {
        reals.reserve(std::size_t(to - from + 1));
        for (int r = from; r <= to; ++r)
            reals.push_back(r);
    }
    return reals;
}

} // namespace

THiddenIndexMap::THiddenIndexMap(int Count) : FCount(std::max(Count, 0)) {}

void THiddenIndexMap::SetCount(int Value)
{
    FCount = std::max(Value, 0);
    std::erase_if(FHidden, [this](const THidden& h) { return h.Real >= FCount; });
}

std::vector<THiddenIndexMap::THidden>::const_iterator THiddenIndexMap::Find(int Real) const
{
    auto it = std::lower_bound(FHidden.begin(), FHidden.end(), Real,
                               [](const THidden& h, int r) { return h.Real < r; });
    return it != FHidden.end() && it->Real == Real ? it : FHidden.end();
}

bool THiddenIndexMap::IsHidden(int Real) const { return Find(Real) != FHidden.end(); }

int THiddenIndexMap::LevelOf(int Real) const
{
    const auto it = Find(Real);
    return it == FHidden.end() ? -1 : it->Level;
}

std::vector<int> THiddenIndexMap::Hidden() const
{
    std::vector<int> reals;
    reals.reserve(FHidden.size());
    for (const THidden& h : FHidden)
        reals.push_back(h.Real);
    return reals;
}

int THiddenIndexMap::RealOf(int Display) const
{
    if (Display < 0)
        return -1;
    // Before the i-th hidden index stand Real - i shown ones; that count never falls along the array, so the
    // hidden indexes before the wanted one are those with Real - i <= Display.
    int lo = 0, hi = HiddenCount();
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (FHidden[std::size_t(mid)].Real - mid <= Display)
            lo = mid + 1;
        else
            hi = mid;
    }
    return Display + lo;
}

int THiddenIndexMap::DisplayOf(int Real) const
{
    const auto before = std::lower_bound(FHidden.begin(), FHidden.end(), Real,
                                         [](const THidden& h, int r) { return h.Real < r; });
    return Real - int(before - FHidden.begin());
}

int THiddenIndexMap::MergeIn(std::vector<int> Reals, int Level)
{
    Normalize(Reals, FCount);
    std::vector<THidden> merged;
    merged.reserve(FHidden.size() + Reals.size());
    std::size_t i = 0, j = 0;
    int added = 0;
    while (i < FHidden.size() || j < Reals.size()) {
        if (j == Reals.size() || (i < FHidden.size() && FHidden[i].Real <= Reals[j])) {
            if (j < Reals.size() && FHidden[i].Real == Reals[j])
                ++j;   // already hidden: keeps what hid it
            merged.push_back(FHidden[i++]);
        } else {
            merged.push_back({Reals[j++], Level});
            ++added;
        }
    }
    FHidden = std::move(merged);
    return added;
}

int THiddenIndexMap::Drop(std::vector<int> Reals, int Level)
{
    Normalize(Reals, FCount);
    std::size_t j = 0;
    const std::size_t before = FHidden.size();
    std::erase_if(FHidden, [&](const THidden& h) {
        while (j < Reals.size() && Reals[j] < h.Real)
            ++j;
        return j < Reals.size() && Reals[j] == h.Real && (Level < 0 || h.Level == Level);
    });
    return int(before - FHidden.size());
}

int THiddenIndexMap::Hide(int FromReal, int ToReal) { return MergeIn(Range(FromReal, ToReal, FCount), 0); }
int THiddenIndexMap::HideList(std::vector<int> Reals) { return MergeIn(std::move(Reals), 0); }
int THiddenIndexMap::Show(int FromReal, int ToReal) { return Drop(Range(FromReal, ToReal, FCount), -1); }
int THiddenIndexMap::ShowList(std::vector<int> Reals) { return Drop(std::move(Reals), -1); }

void THiddenIndexMap::ShowAll()
{
    FHidden.clear();
    FFilterLevel = 0;
}

std::vector<int> THiddenIndexMap::PushFilterLevel(const std::vector<int>& DisplayIndexes)
{
    std::vector<int> reals;
    reals.reserve(DisplayIndexes.size());
    for (int d : DisplayIndexes)
        if (d >= 0 && d < ShownCount())
            reals.push_back(RealOf(d));
    ++FFilterLevel;
    MergeIn(reals, FFilterLevel);
    Normalize(reals, FCount);
    return reals;
}

std::vector<int> THiddenIndexMap::PopFilterLevel()
{
    std::vector<int> reals;
    if (FFilterLevel == 0)
        return reals;
    std::erase_if(FHidden, [&](const THidden& h) {
        if (h.Level != FFilterLevel)
            return false;
        reals.push_back(h.Real);
        return true;
    });
    --FFilterLevel;
    return reals;
}

void THiddenIndexMap::Insert(int Real, int N)
{
    if (N <= 0)
        return;
    Real = std::clamp(Real, 0, FCount);
    FCount += N;
    for (THidden& h : FHidden)
        if (h.Real >= Real)
            h.Real += N;
}

void THiddenIndexMap::Remove(int Real, int N)
{
    if (Real < 0 || Real >= FCount || N <= 0)
        return;
    N = std::min(N, FCount - Real);
    FCount -= N;
    std::erase_if(FHidden, [&](THidden& h) {
        if (h.Real >= Real + N)
            h.Real -= N;
        else if (h.Real >= Real)
            return true;
        return false;
    });
}

void THiddenIndexMap::RemoveShown(int Display, int N)
{
    if (Display < 0 || Display >= ShownCount() || N <= 0)
        return;
    N = std::min(N, ShownCount() - Display);
    // A hidden index moves down by the removed shown indexes that stood before it.
    for (std::size_t i = 0; i < FHidden.size(); ++i) {
        const int shownBefore = FHidden[i].Real - int(i);
        FHidden[i].Real -= std::clamp(shownBefore - Display, 0, N);
    }
    FCount -= N;
}

void THiddenIndexMap::Move(int FromReal, int ToReal)
{
    if (FromReal < 0 || FromReal >= FCount || ToReal < 0 || ToReal >= FCount || FromReal == ToReal)
        return;
    const int level = LevelOf(FromReal);
    Remove(FromReal, 1);
    Insert(ToReal, 1);
    if (level >= 0)
        MergeIn({ToReal}, level);
}
