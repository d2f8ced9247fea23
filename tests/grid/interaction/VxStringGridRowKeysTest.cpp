#include "InteractionTestGrid.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/FloatingFooter.h"
#include "grid/paint/ControlLook.h"

namespace {

// Column 1 of each row names its row, so that moved rows show where they went.
void NameRows(TVxStringGrid& grid)
{
    for (int r = 1; r < grid.RowCount(); ++r)
        grid.SetCells(1, r, QStringLiteral("r%1").arg(r));
}

} // namespace

TEST(GridRowKeys, InsertAddsAnEmptyRowWhereInsertPositionSays)
{
    struct Case {
        const char* name;
        TInsertPosition position;
        int startRow;
        int insertedAt;
        int currentAfter;
    };
    const Case cases[] = {
        {"before", TInsertPosition::pInsertBefore, 4, 4, 4},
        {"after", TInsertPosition::pInsertAfter, 4, 5, 5},
        {"after the last row", TInsertPosition::pInsertAfter, 19, 20, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestGrid grid;
        NameRows(grid);
        grid.Navigation().SetAllowInsertRow(true);
        grid.Navigation().SetInsertPosition(c.position);
        int reported = -1;
        grid.OnAutoInsertRow = [&](QObject*, int row) { reported = row; };
        grid.SetRow(c.startRow);
        grid.Key(Qt::Key_Insert);
        EXPECT_EQ(grid.RowCount(), 21);
        EXPECT_EQ(reported, c.insertedAt);
        EXPECT_EQ(grid.Cells(1, c.insertedAt), "");
        EXPECT_EQ(grid.Cells(1, c.insertedAt - 1), QStringLiteral("r%1").arg(c.insertedAt - 1));
        EXPECT_EQ(grid.Row(), c.currentAfter);
    }
}

TEST(GridRowKeys, InsertRefusedOrNotAllowedChangesNothing)
{
    TestGrid grid;
    grid.SetRow(3);
    grid.Key(Qt::Key_Insert);   // not allowed
    EXPECT_EQ(grid.RowCount(), 20);
    grid.Navigation().SetAllowInsertRow(true);
    grid.OnCanInsertRow = [](QObject*, int row, bool& can) { can = row != 3; };
    grid.Key(Qt::Key_Insert);
    EXPECT_EQ(grid.RowCount(), 20);
    grid.Key(Qt::Key_Insert, Qt::ControlModifier);   // Ctrl+Insert is the copy shortcut, never an insert
    grid.SetRow(4);
    grid.Key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(grid.RowCount(), 20);
}

// A grid with only its header row: the new row goes below the header, which stays in row 0.
TEST(GridRowKeys, InsertIntoAGridOfOnlyTheHeader)
{
    TestGrid grid;
    grid.SetFixedRowAlways(true);
    grid.SetRowCount(1);
    grid.SetCells(1, 0, "header");
    grid.Navigation().SetAllowInsertRow(true);
    grid.Navigation().SetInsertPosition(TInsertPosition::pInsertAfter);
    grid.Key(Qt::Key_Insert);
    ASSERT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cells(1, 0), "header");
    EXPECT_EQ(grid.Row(), 1);

    // Delete has no normal row to take once it is gone again.
    grid.Navigation().SetAllowDeleteRow(true);
    grid.Key(Qt::Key_Delete);
    EXPECT_EQ(grid.RowCount(), 1);
    grid.Key(Qt::Key_Delete);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Cells(1, 0), "header");
}

TEST(GridRowKeys, DeleteRemovesTheCurrentRowWhenAllowed)
{
    TestGrid grid;
    NameRows(grid);
    grid.Navigation().SetAllowDeleteRow(true);
    std::vector<int> asked;
    bool allow = false;
    grid.OnCanDeleteRow = [&](QObject*, int row, bool& can) {
        asked.push_back(row);
        can = allow;
    };
    int deleted = -1;
    grid.OnAutoDeleteRow = [&](QObject*, int row) { deleted = row; };
    grid.SetCol(2);
    grid.SetRow(5);
    grid.Key(Qt::Key_Delete);
    EXPECT_EQ(grid.RowCount(), 20);
    EXPECT_EQ(grid.Cells(1, 5), "r5");
    EXPECT_EQ(deleted, -1);
    EXPECT_EQ(grid.Row(), 5);

    allow = true;
    grid.Key(Qt::Key_Delete);
    EXPECT_EQ(grid.RowCount(), 19);
    EXPECT_EQ(grid.Cells(1, 5), "r6");
    EXPECT_EQ(deleted, 5);
    EXPECT_EQ(asked, (std::vector<int>{5, 5}));
    grid.Key(Qt::Key_Delete, Qt::AltModifier);   // Alt+Delete is not a deletion
    EXPECT_EQ(grid.RowCount(), 19);
}

TEST(GridRowKeys, SpaceTogglesACheckBoxOnlyWhereItMay)
{
    struct Case {
        const char* name;
        bool editing;
        bool readOnly;
        bool alwaysActive;
        int key;
        bool toggles;
    };
    const Case cases[] = {
        {"editable", true, false, false, Qt::Key_Space, true},
        {"read-only", true, true, false, Qt::Key_Space, false},
        {"read-only, always active", true, true, true, Qt::Key_Space, true},
        {"not editing", false, false, false, Qt::Key_Space, false},
        {"Enter never toggles", true, false, true, Qt::Key_Return, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestGrid grid;
        if (c.editing)
            grid.SetOptions(grid.Options() | TGridOption::goEditing);
        grid.ControlLook().SetCheckAlwaysActive(c.alwaysActive);
        grid.CreateCellGraphic(2, 3)->SetCheckBox(false, true, false, TCellHAlign::haLeft, TCellVAlign::vaTop);
        grid.SetCells(2, 3, grid.CheckFalse());
        if (c.readOnly)
            grid.OnCanEditCell = [](QObject*, int, int, bool& can) { can = false; };
        std::vector<bool> clicks;
        grid.OnCheckBoxClick = [&](QObject*, int col, int row, bool state) {
            EXPECT_EQ(col, 2);
            EXPECT_EQ(row, 3);
            clicks.push_back(state);
        };
        grid.SetCol(2);
        grid.SetRow(3);
        grid.Key(c.key);
        EXPECT_EQ(grid.IsChecked(2, 3), c.toggles);
        EXPECT_EQ(clicks, c.toggles ? std::vector<bool>{true} : std::vector<bool>{});
        EXPECT_EQ(grid.RowModified(3), c.toggles);
        // Space on a check box types nothing into an editor.
        if (c.key == Qt::Key_Space) {
            EXPECT_FALSE(grid.EditorShown());
        }
    }
}

TEST(GridRowKeys, EnterAndSpacePressAButtonCell)
{
    TestGrid grid;
    grid.SetOptions(grid.Options() | TGridOption::goEditing);
    grid.CreateCellGraphic(3, 2)->SetButton(30, 16, "Go", TCellHAlign::haLeft, TCellVAlign::vaTop);
    int pressed = 0;
    grid.OnButtonClick = [&](QObject*, int, int) { ++pressed; };
    grid.SetCol(3);
    grid.SetRow(2);
    grid.Key(Qt::Key_Space);
    grid.Key(Qt::Key_Return);
    EXPECT_EQ(pressed, 2);
}

TEST(GridRowKeys, DisjunctRowMarksFollowTheKeys)
{
    TestGrid grid;
    grid.MouseActions().SetDisjunctRowSelect(true);
    grid.SetOptions(grid.Options() | TGridOption::goRangeSelect);
    auto marked = [&] {
        std::vector<int> rows;
        for (int r = 1; r < grid.RowCount(); ++r)
            if (grid.RowSelect(r))
                rows.push_back(r);
        return rows;
    };
    grid.SetRow(3);
    grid.Key(Qt::Key_Down);
    EXPECT_EQ(marked(), std::vector<int>{4});
    grid.Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(marked(), (std::vector<int>{4, 5}));
    grid.Key(Qt::Key_Down);   // a plain key leaves only the new row
    EXPECT_EQ(marked(), std::vector<int>{6});
    grid.Key(Qt::Key_Space);
    EXPECT_EQ(marked(), std::vector<int>{});
    grid.Key(Qt::Key_Space);
    EXPECT_EQ(marked(), std::vector<int>{6});
}

TEST(GridRowKeys, ArrowsSkipDisabledRows)
{
    TestGrid grid;
    grid.Navigation().SetSkipDisabledRows(true);
    grid.SetRow(3);
    grid.SetRowEnabled(4, false);
    grid.SetRowEnabled(5, false);
    grid.Key(Qt::Key_Down);
    EXPECT_EQ(grid.Row(), 6);
    grid.Key(Qt::Key_Up);
    EXPECT_EQ(grid.Row(), 3);
    // Nothing enabled past the last disabled row: the cell stays.
    grid.SetRowCount(6);
    grid.Key(Qt::Key_Down);
    EXPECT_EQ(grid.Row(), 3);
}

TEST(GridRowKeys, AppendedRowGoesBeforeTheFloatingFooter)
{
    TestGrid grid;
    grid.SetRowCount(5);
    NameRows(grid);
    grid.SetCells(1, 4, "footer");
    grid.FloatingFooter().SetVisible(true);
    grid.Navigation().SetAppendOnArrowDown(true);
    grid.SetRow(3);   // the last row before the footer
    EXPECT_TRUE(grid.IsLastNormalRow());
    grid.Key(Qt::Key_Down);
    ASSERT_EQ(grid.RowCount(), 6);
    EXPECT_EQ(grid.Cells(1, 5), "footer");
    EXPECT_EQ(grid.Cells(1, 4), "");
    EXPECT_EQ(grid.Cells(1, 3), "r3");
    EXPECT_EQ(grid.Row(), 4);
}

TEST(GridRowKeys, KeypadDecimalKeyTypesTheLocaleSeparator)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    struct Case {
        bool excelStyle;
        Qt::KeyboardModifiers mods;
        QString typed;
    };
    const Case cases[] = {
        {true, Qt::KeypadModifier, ","},
        {true, Qt::NoModifier, "."},
        {false, Qt::KeypadModifier, "."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.excelStyle << " " << int(c.mods));
        TestGrid grid;
        grid.SetOptions(grid.Options() | TGridOption::goEditing);
        grid.SetExcelStyleDecimalSeparator(c.excelStyle);
        QTest::keyClick(grid.viewport(), Qt::Key_Period, c.mods);
        ASSERT_TRUE(grid.EditorShown());
        EXPECT_EQ(grid.InplaceEditor()->text(), c.typed);
    }
    QLocale::setDefault(saved);
}

// Tab past the last normal row never enters the floating footer's row: it appends before it (the footer keeps its
// texts) or goes back to the first row.
TEST(GridRowKeys, TabPastTheLastRowLeavesTheFloatingFooterLast)
{
    for (const bool insert : {true, false}) {
        SCOPED_TRACE(insert);
        TestGrid grid;
        grid.SetRowCount(5);
        NameRows(grid);
        grid.SetCells(1, 4, "footer");
        grid.FloatingFooter().SetVisible(true);
        grid.SetOptions(grid.Options() | TGridOption::goTabs);
        grid.Navigation().SetAdvanceInsert(insert);
        grid.SetCol(4);
        grid.SetRow(3);
        grid.Key(Qt::Key_Tab);
        EXPECT_EQ(grid.Cell(), (TGridCoord{5, 3}));
        grid.Key(Qt::Key_Tab);
        ASSERT_EQ(grid.RowCount(), insert ? 6 : 5);
        EXPECT_EQ(grid.Row(), insert ? 4 : 1);
        EXPECT_EQ(grid.Cells(1, grid.RowCount() - 1), "footer");
        EXPECT_EQ(grid.Cells(1, 3), "r3");
        if (insert) {
            EXPECT_EQ(grid.Cells(1, 4), "");
        }
    }
}
