#include "grid/model/HiddenIndexMap.h"
#include <gtest/gtest.h>
#include <random>

namespace {

// The plain model the map must agree with: one level per real index, -1 when shown.
struct NaiveMap {
    std::vector<int> level;
    int RealOf(int d) const
    {
        if (d < 0)
            return -1;
        int shown = 0;
        for (int r = 0; r < int(level.size()); ++r)
            if (level[std::size_t(r)] < 0 && shown++ == d)
                return r;
        return d + int(std::count_if(level.begin(), level.end(), [](int l) { return l >= 0; }));
    }
    int DisplayOf(int real) const
    {
        int shown = 0;
        for (int r = 0; r < real && r < int(level.size()); ++r)
            shown += level[std::size_t(r)] < 0;
        return shown + std::max(0, real - int(level.size()));
    }
};

void ExpectSame(const THiddenIndexMap& map, const NaiveMap& naive)
{
    ASSERT_EQ(map.Count(), int(naive.level.size()));
    for (int r = 0; r < map.Count(); ++r) {
        ASSERT_EQ(map.LevelOf(r), naive.level[std::size_t(r)]) << "real " << r;
        ASSERT_EQ(map.DisplayOf(r), naive.DisplayOf(r)) << "real " << r;
    }
    for (int d = -1; d <= map.ShownCount() + 1; ++d)
        ASSERT_EQ(map.RealOf(d), naive.RealOf(d)) << "display " << d;
}

} // namespace

TEST(HiddenIndexMap, ColumnsOneAndThreeHiddenOfSix)
{
    THiddenIndexMap cols(6);
    cols.Hide(1, 1);
    cols.Hide(3, 3);
    EXPECT_EQ(cols.ShownCount(), 4);
    EXPECT_EQ(cols.HiddenCount(), 2);
    const int displayToReal[][2] = {{0, 0}, {1, 2}, {2, 4}, {3, 5}, {-1, -1}};
    for (auto [d, r] : displayToReal)
        EXPECT_EQ(cols.RealOf(d), r) << d;
    const int realToDisplay[][2] = {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}, {5, 3}};
    for (auto [r, d] : realToDisplay)
        EXPECT_EQ(cols.DisplayOf(r), d) << r;
}

TEST(HiddenIndexMap, RowsTwoAndThreeHidden)
{
    THiddenIndexMap rows(10);
    EXPECT_EQ(rows.Hide(2, 3), 2);
    EXPECT_EQ(rows.Hide(3, 3), 0);   // already hidden
    EXPECT_EQ(rows.RealOf(2), 4);
    EXPECT_EQ(rows.DisplayOf(4), 2);
    EXPECT_EQ(rows.DisplayOf(3), 2);
    EXPECT_EQ(rows.RealOf(7), 9);
    EXPECT_EQ(rows.RealOf(8), 10);   // past the shown rows the count runs on
    EXPECT_EQ(rows.Hidden(), (std::vector<int>{2, 3}));
}

TEST(HiddenIndexMap, InsertAndRemoveAroundHiddenRows)
{
    THiddenIndexMap rows(10);
    rows.HideList({7, 2, 5});
    rows.Insert(5, 3);                       // before hidden 5: it moves to 8
    EXPECT_EQ(rows.Hidden(), (std::vector<int>{2, 8, 10}));
    EXPECT_EQ(rows.Count(), 13);
    rows.Remove(7, 2);                       // reals 7 and 8 go, hidden 8 with them
    EXPECT_EQ(rows.Hidden(), (std::vector<int>{2, 8}));
    EXPECT_EQ(rows.Count(), 11);

    // Removing shown rows leaves the hidden rows between them, each moved down by the rows removed before it.
    THiddenIndexMap grid(10);
    grid.HideList({3, 6});                   // shown: 0 1 2 4 5 7 8 9
    grid.RemoveShown(2, 3);                  // shown reals 2, 4 and 5
    EXPECT_EQ(grid.Count(), 7);
    EXPECT_EQ(grid.Hidden(), (std::vector<int>{2, 3}));
    EXPECT_EQ(grid.RealOf(2), 4);            // old real 7

    THiddenIndexMap moved(5);
    moved.Hide(1, 1);
    moved.Move(1, 3);                        // the hidden row travels
    EXPECT_EQ(moved.Hidden(), (std::vector<int>{3}));
    moved.Move(0, 4);
    EXPECT_EQ(moved.Hidden(), (std::vector<int>{2}));
}

TEST(HiddenIndexMap, FilterLevelsLiftInTurnAndLeaveHiddenRowsHidden)
{
    THiddenIndexMap rows(10);
    rows.Hide(4, 4);                                           // HideRow
    EXPECT_EQ(rows.PushFilterLevel({0, 1}), (std::vector<int>{0, 1}));
    EXPECT_EQ(rows.FilterLevel(), 1);
    // Display rows are taken as they stand: 0 is now real 2, 2 is real 5 (past the hidden 4).
    EXPECT_EQ(rows.PushFilterLevel({0, 2}), (std::vector<int>{2, 5}));
    EXPECT_EQ(rows.FilterLevel(), 2);
    EXPECT_EQ(rows.LevelOf(4), 0);
    EXPECT_EQ(rows.LevelOf(5), 2);
    EXPECT_EQ(rows.ShownCount(), 5);

    EXPECT_EQ(rows.PopFilterLevel(), (std::vector<int>{2, 5}));
    EXPECT_EQ(rows.PopFilterLevel(), (std::vector<int>{0, 1}));
    EXPECT_TRUE(rows.PopFilterLevel().empty());
    EXPECT_EQ(rows.FilterLevel(), 0);
    EXPECT_EQ(rows.Hidden(), (std::vector<int>{4}));          // the HideRow row stays hidden
}

TEST(HiddenIndexMap, LargeIndexesAreKeptWhole)
{
    THiddenIndexMap rows(200000);
    rows.Hide(70000, 70000);                                   // past 16 bits
    EXPECT_TRUE(rows.IsHidden(70000));
    EXPECT_EQ(rows.RealOf(70000), 70001);
    rows.SetCount(70000);
    EXPECT_EQ(rows.HiddenCount(), 0);
}

// Every operation, at random, against the plain model.
TEST(HiddenIndexMap, AgreesWithAPlainModel)
{
    std::mt19937 rng(7);
    THiddenIndexMap map(40);
    NaiveMap naive{std::vector<int>(40, -1)};
    std::vector<std::vector<int>> levels;   // reals hid per filter level, in the naive model's terms
    int filterLevel = 0;
    auto pick = [&](int n) { return n <= 0 ? 0 : int(rng() % unsigned(n)); };
    for (int step = 0; step < 400; ++step) {
        const int n = int(naive.level.size());
        switch (rng() % 9) {
        case 0: case 1: {
            const int a = pick(n), b = a + pick(4);
            map.Hide(a, b);
            for (int r = a; r <= b && r < n; ++r)
                if (naive.level[std::size_t(r)] < 0)
                    naive.level[std::size_t(r)] = 0;
            break;
        }
        case 2: {
            const int a = pick(n), b = a + pick(3);
            map.Show(a, b);
            for (int r = a; r <= b && r < n; ++r)
                naive.level[std::size_t(r)] = -1;
            break;
        }
        case 3: {
            std::vector<int> displays;
            const int shown = map.ShownCount();
            for (int d = 0; d < shown; ++d)
                if (rng() % 4 == 0)
                    displays.push_back(d);
            const std::vector<int> expected = [&] {
                std::vector<int> r;
                for (int d : displays)
                    r.push_back(naive.RealOf(d));
                return r;
            }();
            ++filterLevel;
            for (int r : expected)
                naive.level[std::size_t(r)] = filterLevel;
            EXPECT_EQ(map.PushFilterLevel(displays), expected);
            break;
        }
        case 4: {
            std::vector<int> expected;
            for (int r = 0; r < n; ++r)
                if (filterLevel > 0 && naive.level[std::size_t(r)] == filterLevel) {
                    naive.level[std::size_t(r)] = -1;
                    expected.push_back(r);
                }
            filterLevel = std::max(0, filterLevel - 1);
            EXPECT_EQ(map.PopFilterLevel(), expected);
            break;
        }
        case 5: {
            const int at = pick(n + 1), k = 1 + pick(3);
            map.Insert(at, k);
            naive.level.insert(naive.level.begin() + at, std::size_t(k), -1);
            break;
        }
        case 6: {
            const int at = pick(n), k = 1 + pick(3);
            map.Remove(at, k);
            if (n > 0)
                naive.level.erase(naive.level.begin() + at, naive.level.begin() + std::min(n, at + k));
            break;
        }
        case 7: {
            const int shown = map.ShownCount();
            const int d = pick(shown), k = 1 + pick(3);
            map.RemoveShown(d, k);
            int seen = 0;
            std::vector<int> kept;
            for (int l : naive.level) {
                const bool removed = l < 0 && seen >= d && seen < d + k;
                seen += l < 0;
                if (!removed)
                    kept.push_back(l);
            }
            if (shown > 0)
                naive.level = kept;
            break;
        }
        case 8: {
            const int from = pick(n), to = pick(n);
            map.Move(from, to);
            if (n > 0 && from != to) {
                const int l = naive.level[std::size_t(from)];
                naive.level.erase(naive.level.begin() + from);
                naive.level.insert(naive.level.begin() + to, l);
            }
            break;
        }
        }
        ASSERT_NO_FATAL_FAILURE(ExpectSame(map, naive)) << "step " << step;
        ASSERT_EQ(map.FilterLevel(), filterLevel);
    }
}
