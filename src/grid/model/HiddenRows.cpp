#include "grid/model/HiddenRows.h"
#include <algorithm>

void THiddenRows::SetTotal(int Total)
{
    const int last = FItems.empty() ? -1 : FItems.back().Idx;
    FMap.SetCount(std::max(Total, last + 1));
}

// Fresh memory costs a page fault per page (dear on a virtual machine): with nothing parked yet, or everything
// taken back, the records' own vector is handed over whole rather than copied into a new one.
void THiddenRows::MergeRecords(std::vector<TGridItem> Records)
{
    const auto byIdx = [](const TGridItem& a, const TGridItem& b) { return a.Idx < b.Idx; };
    if (!std::is_sorted(Records.begin(), Records.end(), byIdx))
        std::sort(Records.begin(), Records.end(), byIdx);
    if (FItems.empty()) {
        FItems = std::move(Records);
        return;
    }
    std::vector<TGridItem> merged;
    merged.reserve(FItems.size() + Records.size());
    std::merge(std::make_move_iterator(FItems.begin()), std::make_move_iterator(FItems.end()),
               std::make_move_iterator(Records.begin()), std::make_move_iterator(Records.end()),
               std::back_inserter(merged), [](const TGridItem& a, const TGridItem& b) { return a.Idx < b.Idx; });
    FItems = std::move(merged);
}

void THiddenRows::Park(std::vector<TGridItem> Records)
{
    std::erase_if(Records, [this](const TGridItem& r) { return r.Idx < 0 || FMap.IsHidden(r.Idx); });
    if (Records.empty())
        return;
    std::vector<int> reals;
    reals.reserve(Records.size());
    for (TGridItem& r : Records) {
        r.Level = 0;
        reals.push_back(r.Idx);
    }
    SetTotal(std::max(FMap.Count(), *std::max_element(reals.begin(), reals.end()) + 1));
    FMap.HideList(std::move(reals));
    MergeRecords(std::move(Records));
}

void THiddenRows::ParkLevel(std::vector<TGridItem> Records)
{
    std::erase_if(Records, [this](const TGridItem& r) { return r.Idx < 0 || FMap.IsHidden(r.Idx); });
    std::vector<int> displays;
    displays.reserve(Records.size());
    for (TGridItem& r : Records) {
        displays.push_back(FMap.DisplayOf(r.Idx));
        r.Level = FMap.FilterLevel() + 1;
    }
    FMap.PushFilterLevel(displays);
    MergeRecords(std::move(Records));
}

TGridItem* THiddenRows::Find(int Real)
{
    const auto it = std::lower_bound(FItems.begin(), FItems.end(), Real,
                                     [](const TGridItem& r, int v) { return r.Idx < v; });
    return it != FItems.end() && it->Idx == Real ? &*it : nullptr;
}

std::vector<TGridItem> THiddenRows::Take(int FromReal, int ToReal)
{
    const auto first = std::lower_bound(FItems.begin(), FItems.end(), FromReal,
                                        [](const TGridItem& r, int v) { return r.Idx < v; });
    const auto last = std::upper_bound(first, FItems.end(), ToReal,
                                       [](int v, const TGridItem& r) { return v < r.Idx; });
    std::vector<TGridItem> taken(std::make_move_iterator(first), std::make_move_iterator(last));
    FItems.erase(first, last);
    if (!taken.empty())
        FMap.Show(FromReal, ToReal);
    return taken;
}

std::vector<TGridItem> THiddenRows::TakeLevel()
{
    std::vector<TGridItem> taken;
    const int level = FMap.FilterLevel();
    if (level == 0)
        return taken;
    const auto mine = std::size_t(
        std::count_if(FItems.begin(), FItems.end(), [&](const TGridItem& r) { return r.Level == level; }));
    if (mine == FItems.size()) {
        taken.swap(FItems);
        FMap.PopFilterLevel();
        return taken;
    }
    taken.reserve(mine);
    std::erase_if(FItems, [&](TGridItem& r) {
        if (r.Level != level)
            return false;
        taken.push_back(std::move(r));
        return true;
    });
    FMap.PopFilterLevel();
    return taken;
}

std::vector<TGridItem> THiddenRows::TakeAll()
{
    std::vector<TGridItem> taken = std::move(FItems);
    FItems.clear();
    FMap.ShowAll();
    return taken;
}

void THiddenRows::InsertRows(int Real, int N)
{
    if (N <= 0)
        return;
    FMap.Insert(Real, N);
    for (TGridItem& r : FItems)
        if (r.Idx >= Real)
            r.Idx += N;
}

void THiddenRows::RemoveRows(int Real, int N)
{
    if (N <= 0 || Real < 0)
        return;
    // Only shown rows go: hidden records inside the range stay, the ones after it move up by the shown rows gone.
    int shownGone = 0;
    std::size_t i = std::size_t(std::lower_bound(FItems.begin(), FItems.end(), Real,
                                                 [](const TGridItem& r, int v) { return r.Idx < v; }) -
                                FItems.begin());
    const int display = FMap.DisplayOf(Real);
    FMap.RemoveShown(display, N);
    for (int shownLeft = N, real = Real; i < FItems.size(); ++i) {
        while (shownLeft > 0 && real < FItems[i].Idx) {
            ++real;
            --shownLeft;
            ++shownGone;
        }
        ++real;
        FItems[i].Idx -= shownGone;
    }
}
