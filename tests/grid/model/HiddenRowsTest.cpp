#include "grid/model/HiddenRows.h"
#include <gtest/gtest.h>

namespace {
TGridItem Record(int real) { return {real, 20, {TGridCell{QString::number(real), nullptr}}, 0}; }

std::vector<int> Idx(const std::vector<TGridItem>& items)
{
    std::vector<int> out;
    for (const TGridItem& i : items)
        out.push_back(i.Idx);
    return out;
}
} // namespace

// The records stay in ascending real order beside the map, whatever order they were parked in.
TEST(HiddenRows, RecordsAndMapStayInStep)
{
    THiddenRows h;
    h.SetTotal(20);
    h.Park({Record(9), Record(3)});
    h.Park({Record(4), Record(3)});   // 3 is already hidden
    EXPECT_EQ(Idx(h.Items()), (std::vector<int>{3, 4, 9}));
    EXPECT_EQ(h.Map().Hidden(), (std::vector<int>{3, 4, 9}));
    EXPECT_EQ(h.Map().RealOf(3), 5);

    h.InsertRows(4, 2);   // before the shown... real 4 is hidden: it moves with what follows
    EXPECT_EQ(Idx(h.Items()), (std::vector<int>{3, 6, 11}));
    h.RemoveRows(7, 3);   // shown reals 7, 8, 9
    EXPECT_EQ(Idx(h.Items()), (std::vector<int>{3, 6, 8}));
    EXPECT_EQ(h.Map().Hidden(), Idx(h.Items()));

    const auto taken = h.Take(5, 8);
    EXPECT_EQ(Idx(taken), (std::vector<int>{6, 8}));
    EXPECT_EQ(taken[1].Items[0].Text, "9");
    EXPECT_EQ(h.Map().Hidden(), (std::vector<int>{3}));
}

TEST(HiddenRows, LevelsAreLiftedApartFromRowsHiddenOtherwise)
{
    THiddenRows h;
    h.SetTotal(10);
    h.Park({Record(2)});
    h.ParkLevel({Record(5), Record(7)});
    h.ParkLevel({Record(8)});
    EXPECT_EQ(h.Map().FilterLevel(), 2);
    EXPECT_EQ(Idx(h.TakeLevel()), (std::vector<int>{8}));
    EXPECT_EQ(Idx(h.TakeLevel()), (std::vector<int>{5, 7}));
    EXPECT_TRUE(h.TakeLevel().empty());
    EXPECT_EQ(Idx(h.Items()), (std::vector<int>{2}));
    EXPECT_TRUE(h.Map().IsHidden(2));
}
