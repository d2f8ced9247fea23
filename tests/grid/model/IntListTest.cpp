#include "grid/model/IntList.h"
#include <gtest/gtest.h>
#include <vector>

namespace {
struct Change { QObject* sender; int col; int row; };
}

TEST(TIntList, StrValueRoundTripAndChangeEventsCarryTheCell)
{
    TIntList list(3, 7);
    EXPECT_EQ(list.StrValue(), QString());
    std::vector<Change> changes;
    list.OnChange = [&](QObject* s, int c, int r) { changes.push_back({s, c, r}); };

    list.SetStrValue("5,6");
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].sender, &list);
    EXPECT_EQ(changes[1].col, 3);
    EXPECT_EQ(changes[1].row, 7);

    list.Insert(0, -2);                       // no event
    EXPECT_EQ(changes.size(), 2u);
    EXPECT_EQ(list.StrValue(), "-2,5,6");

    list.SetStrValue(" 1 \"30\",-2");         // blanks separate, quotes group
    EXPECT_EQ(list.StrValue(), "1,30,-2");
}

TEST(TIntList, BadItemRaisesAndKeepsWhatWasAdded)
{
    TIntList list(0, 0);
    EXPECT_THROW(list.SetStrValue("1,x,3"), EConvertError);
    EXPECT_EQ(list.StrValue(), "1");
    EXPECT_THROW(list.SetStrValue("1,,3"), EConvertError);   // an empty item is no integer
}

TEST(TIntList, DeleteValueFiresOnlyWhenPresent)
{
    TIntList list(0, 0);
    list.Add(4);
    list.Add(9);
    int fired = 0;
    list.OnChange = [&](QObject*, int, int) { ++fired; };
    list.DeleteValue(7);
    EXPECT_EQ(fired, 0);
    list.DeleteValue(4);
    EXPECT_EQ(fired, 1);
    EXPECT_FALSE(list.HasValue(4));
    EXPECT_TRUE(list.HasValue(9));
    EXPECT_THROW(list.Items(1), EListError);
}

TEST(TSortIndexList, DirectionsColumnsAndToggle)
{
    TSortIndexList list;
    list.AddIndex(0, true);
    list.AddIndex(7, false);
    EXPECT_TRUE(list.SortDirections(0));
    EXPECT_FALSE(list.SortDirections(1));
    EXPECT_EQ(list.SortColumns(0), 0);
    EXPECT_EQ(list.SortColumns(1), 7);
    EXPECT_EQ(list.FindIndex(7), 1);
    EXPECT_EQ(list.FindIndex(3), -1);

    list.ToggleIndex(7);
    EXPECT_TRUE(list.SortDirections(1));
    list.ToggleIndex(3);                      // absent: nothing
    EXPECT_EQ(list.SaveToString(), "u0;u7");

    list.SetSortDirections(0, false);
    list.SetSortColumns(0, 12);               // keeps the direction
    EXPECT_EQ(list.SaveToString(), "d12;u7");
}

TEST(TSortIndexList, TextForm)
{
    struct Case { const char* text; const char* saved; };
    const Case cases[] = {
        {"u2;d5", "u2;d5"},
        {"u1;;d3;x", "u1;d3"},                // empty and one-character entries skipped
        {"U4", "d4"},                         // only a lower-case u is ascending
        {"", ""},
        {"u70000;d65536", "u70000;d65536"},   // columns above 65535 survive
        {"uX;u2", "u2"},                      // a column that is no number is skipped
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TSortIndexList list;
        list.LoadFromString(c.text);
        EXPECT_EQ(list.SaveToString(), c.saved);
    }
}
