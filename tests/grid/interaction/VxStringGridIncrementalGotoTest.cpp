#include "InteractionTestGrid.h"

namespace {
struct GotoGrid : TestGrid {
    explicit GotoGrid(bool incremental)
    {
        const char* fruits[] = {"apple", "banana", "blueberry", "cherry", "Blackcurrant"};
        for (int r = 0; r < 5; ++r)
            SetCells(1, r + 1, fruits[r]);
        Navigation().SetAutoGotoWhenSorted(true);
        Navigation().SetAutoGotoIncremental(incremental);
        setFocus();
    }
};
} // namespace

TEST(GridIncrementalGoto, TypedCharactersFindTheRowAndTheTimerForgetsThem)
{
    GotoGrid g(true);
    g.Type('b');
    EXPECT_EQ(g.Row(), 2);
    g.Type('L');
    EXPECT_EQ(g.Row(), 3);
    g.Type('a');
    EXPECT_EQ(g.Row(), 5);
    g.Key(Qt::Key_Backspace);
    g.Key(Qt::Key_Backspace);
    EXPECT_EQ(g.Row(), 2);
    // Three ticks keep the text, the fourth forgets it.
    for (int i = 0; i < 3; ++i)
        g.WMTimer();
    g.Type('l');
    EXPECT_EQ(g.Row(), 3);
    for (int i = 0; i < 4; ++i)
        g.WMTimer();
    g.Type('c');
    EXPECT_EQ(g.Row(), 4);
}

TEST(GridIncrementalGoto, WithoutIncrementEachKeySearchesAloneAndEditingGridsType)
{
    GotoGrid g(false);
    g.Type('c');
    EXPECT_EQ(g.Row(), 4);
    g.Type('b');
    EXPECT_EQ(g.Row(), 2);
    g.Type('z');   // no row: the current row stays
    EXPECT_EQ(g.Row(), 2);

    GotoGrid editing(true);
    editing.SetOptions(editing.Options() | TGridOption::goEditing);
    editing.Type('c');
    EXPECT_EQ(editing.Row(), 1);
}
