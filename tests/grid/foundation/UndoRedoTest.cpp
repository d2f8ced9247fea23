#include "grid/foundation/BaseGrid.h"
#include "grid/foundation/UndoRedo.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

// A grid whose cells 1..4 of row 1 are edited; every edit is written and registered.
struct UndoFixture : testing::Test {
    TBaseGrid grid;
    ZIveDoziVadeZizi undo;
    std::vector<std::pair<QString, QString>> undone;   // (current text, restored text) per undo

    UndoFixture()
    {
        grid.SetUndoRedo(&undo);
        undo.OnUndo = [this](QObject*, TBaseGrid*, int, int, const QString& orig, const QString& value) {
            undone.push_back({orig, value});
        };
    }
    void Edit(int col, const QString& text)
    {
        undo.RegisterChange(col, 1, grid.Cells(col, 1), text);
        grid.SetCells(col, 1, text);
    }
};

} // namespace

TEST_F(UndoFixture, UndoneEntriesStayAheadOfANewChange)
{
    EXPECT_EQ(undo.Grid(), &grid);
    Edit(1, "A");
    Edit(2, "B");
    Edit(3, "C");
    EXPECT_FALSE(undo.CanRedo());
    undo.Undo();
    undo.Undo();
    EXPECT_EQ(grid.Cells(3, 1), "");
    EXPECT_EQ(grid.Cells(2, 1), "");
    EXPECT_EQ(undo.Level(), 1);
    EXPECT_TRUE(undo.CanRedo());

    Edit(4, "D");
    EXPECT_FALSE(undo.CanRedo());
    EXPECT_EQ(undo.Level(), 4);
    ASSERT_EQ(undo.Items().size(), 4u);
    EXPECT_EQ(undo.Items()[3].Value, "D");

    undone.clear();
    for (int i = 0; i < 4; ++i)
        undo.Undo();
    const std::vector<std::pair<QString, QString>> expected{{"D", ""}, {"", ""}, {"", ""}, {"A", ""}};
    EXPECT_EQ(undone, expected);                 // the current text first, then the restored one
    EXPECT_EQ(undo.Level(), 0);
    EXPECT_FALSE(undo.CanUndo());
    EXPECT_EQ(grid.Col(), 1);                    // the current cell follows each restored cell
}

TEST_F(UndoFixture, ASequenceIsUndoneAndRedoneAsOne)
{
    Edit(1, "keep");
    undo.StartSequence();
    Edit(2, "x");
    Edit(3, "y");
    Edit(4, "z");
    undo.StopSequence();
    undo.Undo();
    EXPECT_EQ(grid.Cells(2, 1), "");
    EXPECT_EQ(grid.Cells(4, 1), "");
    EXPECT_EQ(grid.Cells(1, 1), "keep");
    EXPECT_EQ(undo.Level(), 1);
    undo.Redo();
    EXPECT_EQ(grid.Cells(2, 1), "x");
    EXPECT_EQ(grid.Cells(4, 1), "z");
    EXPECT_EQ(undo.Level(), 6);
}

TEST_F(UndoFixture, MaxLevelKeepsTheNewestAndTheLevelNeverGoesBelowZero)
{
    undo.SetMaxLevel(2);
    Edit(1, "a");
    Edit(2, "b");
    Edit(3, "c");
    ASSERT_EQ(undo.Items().size(), 2u);
    EXPECT_EQ(undo.Items()[0].Value, "b");

    // The limit drops the oldest entry, here the start marker of an open sequence.
    undo.Reset();
    undo.SetMaxLevel(3);
    undo.StartSequence();
    Edit(1, "p");
    Edit(2, "q");
    Edit(3, "r");
    undo.StopSequence();
    EXPECT_FALSE(undo.Items()[0].SequenceStart);
    undo.Undo();
    EXPECT_EQ(undo.Level(), 0);
    EXPECT_EQ(grid.Cells(2, 1), "b");            // the texts from before the sequence
    EXPECT_EQ(grid.Cells(3, 1), "c");
    undo.Undo();                                 // nothing left: stays at zero
    EXPECT_EQ(undo.Level(), 0);
    undo.Redo();                                 // the first entry is a change of its own now
    EXPECT_EQ(undo.Level(), 1);
    EXPECT_EQ(grid.Cells(1, 1), "p");
    EXPECT_EQ(grid.Cells(2, 1), "b");
}

TEST_F(UndoFixture, ASequenceLeftOpenIsRedoneToItsLastEntry)
{
    undo.StartSequence();
    Edit(1, "a");
    Edit(2, "b");                                // no stop marker follows
    for (int i = 0; i < 3; ++i)
        undo.Undo();
    EXPECT_EQ(undo.Level(), 0);
    EXPECT_EQ(grid.Cells(2, 1), "");
    undo.Redo();
    EXPECT_EQ(undo.Level(), 3);
    EXPECT_EQ(grid.Cells(1, 1), "a");
    EXPECT_EQ(grid.Cells(2, 1), "b");            // the level counts it applied, so it must be
    EXPECT_FALSE(undo.CanRedo());
}

TEST(UndoRedo, NothingHappensWithoutAGridAndTheLinkClearsItself)
{
    ZIveDoziVadeZizi undo;
    undo.RegisterChange(1, 1, "", "x");
    undo.Undo();
    EXPECT_EQ(undo.Level(), 1);
    {
        TBaseGrid grid;
        grid.SetUndoRedo(&undo);
    }
    EXPECT_EQ(undo.Grid(), nullptr);
    undo.Undo();
    EXPECT_EQ(undo.Level(), 1);

    TBaseGrid grid;
    {
        ZIveDoziVadeZizi gone;
        grid.SetUndoRedo(&gone);
    }
    EXPECT_EQ(grid.UndoRedo(), nullptr);
}
