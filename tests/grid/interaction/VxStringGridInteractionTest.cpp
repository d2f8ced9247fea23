#include "InteractionTestGrid.h"
#include <QClipboard>

namespace {

struct KeyCase {
    const char* name;
    THomeEndAction homeEnd;
    TGridCoord start;
    int key;
    Qt::KeyboardModifiers mods;
    TGridCoord expected;
};

// 6 columns (1 fixed), 20 rows (1 fixed).
const KeyCase kKeyCases[] = {
    {"Right", THomeEndAction::heFirstLastColumn, {2, 3}, Qt::Key_Right, {}, {3, 3}},
    {"Left", THomeEndAction::heFirstLastColumn, {2, 3}, Qt::Key_Left, {}, {1, 3}},
    {"Left stops at the fixed column", THomeEndAction::heFirstLastColumn, {1, 3}, Qt::Key_Left, {}, {1, 3}},
    {"Down", THomeEndAction::heFirstLastColumn, {2, 3}, Qt::Key_Down, {}, {2, 4}},
    {"Up", THomeEndAction::heFirstLastColumn, {2, 3}, Qt::Key_Up, {}, {2, 2}},
    {"Up stops at the fixed row", THomeEndAction::heFirstLastColumn, {2, 1}, Qt::Key_Up, {}, {2, 1}},
    {"Down stops at the last row", THomeEndAction::heFirstLastColumn, {2, 19}, Qt::Key_Down, {}, {2, 19}},
    {"Home: first column", THomeEndAction::heFirstLastColumn, {4, 6}, Qt::Key_Home, {}, {1, 6}},
    {"End: last column", THomeEndAction::heFirstLastColumn, {2, 6}, Qt::Key_End, {}, {5, 6}},
    {"Ctrl+Home: first cell", THomeEndAction::heFirstLastColumn, {4, 6}, Qt::Key_Home, Qt::ControlModifier, {1, 1}},
    {"Ctrl+End: last cell", THomeEndAction::heFirstLastColumn, {2, 6}, Qt::Key_End, Qt::ControlModifier, {5, 19}},
    {"Home by rows", THomeEndAction::heFirstLastRow, {3, 6}, Qt::Key_Home, {}, {3, 1}},
    {"End by rows", THomeEndAction::heFirstLastRow, {3, 6}, Qt::Key_End, {}, {3, 19}},
    {"Home by cell", THomeEndAction::heFirstLastCell, {3, 6}, Qt::Key_Home, {}, {1, 1}},
    {"End by cell", THomeEndAction::heFirstLastCell, {3, 6}, Qt::Key_End, {}, {5, 19}},
    {"PgUp at the top stays in the first row", THomeEndAction::heFirstLastColumn, {2, 2}, Qt::Key_PageUp, {}, {2, 1}},
};

} // namespace

TEST(GridKeys, NavigationKeys)
{
    for (const KeyCase& c : kKeyCases) {
        SCOPED_TRACE(c.name);
        TestGrid grid;
        grid.Navigation().SetHomeEndKey(c.homeEnd);
        grid.SetCol(c.start.X);
        grid.SetRow(c.start.Y);
        std::vector<std::uint16_t> seen;
        grid.OnKeyDown = [&](QObject*, std::uint16_t& key, TShiftState) {
            if (key != VK_CONTROL && key != VK_SHIFT)   // the modifier's own press
                seen.push_back(key);
        };
        grid.Key(c.key, c.mods);
        EXPECT_EQ(grid.Cell(), c.expected);
        // Each key is reported once, as itself.
        EXPECT_EQ(seen, std::vector<std::uint16_t>{VirtualKeyFromQt(c.key, c.mods)});
    }
}

TEST(GridKeys, PageKeysMoveByTheVisibleRows)
{
    TestGrid grid;
    grid.SetRow(1);
    const int page = grid.VisibleRowCount();
    ASSERT_GT(page, 1);
    grid.Key(Qt::Key_PageDown);
    EXPECT_EQ(grid.Row(), 1 + page);
    grid.Key(Qt::Key_PageUp);
    EXPECT_EQ(grid.Row(), 1);
}

TEST(GridKeys, MoveScrollOnlyScrollsAndKeepsTheCell)
{
    TestGrid grid;
    grid.Navigation().SetMoveScrollOnly(true);
    int fired = 0;
    grid.OnKeyDown = [&](QObject*, std::uint16_t&, TShiftState) { ++fired; };
    grid.SetRow(2);
    grid.Key(Qt::Key_Down);
    EXPECT_EQ(grid.TopRow(), 2);
    grid.Key(Qt::Key_End);
    EXPECT_EQ(grid.TopRow(), grid.RowCount() - grid.VisibleRowCount());
    const int top = grid.TopRow();
    grid.Key(Qt::Key_PageDown);   // already at the end
    EXPECT_EQ(grid.TopRow(), top);
    grid.Key(Qt::Key_Home);
    EXPECT_EQ(grid.TopRow(), 1);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(fired, 0);
}

TEST(GridKeys, CursorAdvanceWrapsAtTheEdges)
{
    struct Case {
        TCursorAdvance mode;
        TGridCoord start;
        int key;
        TGridCoord expected;
    };
    const Case cases[] = {
        {TCursorAdvance::caLoop, {5, 4}, Qt::Key_Right, {1, 4}},
        {TCursorAdvance::caSnake, {5, 4}, Qt::Key_Right, {1, 5}},
        {TCursorAdvance::caLoop, {1, 4}, Qt::Key_Left, {5, 4}},
        {TCursorAdvance::caSnake, {1, 4}, Qt::Key_Left, {5, 3}},
        {TCursorAdvance::caLoop, {2, 19}, Qt::Key_Down, {2, 1}},
        {TCursorAdvance::caSnake, {2, 19}, Qt::Key_Down, {3, 1}},
        {TCursorAdvance::caSnake, {2, 1}, Qt::Key_Up, {1, 19}},
        {TCursorAdvance::caDefault, {5, 4}, Qt::Key_Right, {5, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.mode) << " " << c.start << " key " << c.key);
        TestGrid grid;
        grid.Navigation().SetCursorAdvance(c.mode);
        grid.SetCol(c.start.X);
        grid.SetRow(c.start.Y);
        grid.Key(c.key);
        EXPECT_EQ(grid.Cell(), c.expected);
    }
}

TEST(GridKeys, CtrlDownMovesTheRowWithCursorMoveRows)
{
    TestGrid grid;
    grid.Navigation().SetCursorMoveRows(true);
    grid.SetCells(1, 3, "three");
    grid.SetCells(1, 4, "four");
    grid.SetRow(3);
    grid.Key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(grid.Row(), 4);
    EXPECT_EQ(grid.Cells(1, 4), "three");
    EXPECT_EQ(grid.Cells(1, 3), "four");
}

TEST(GridKeys, EnterAndF2OpenTheEditorOnlyOnEditableCells)
{
    TestGrid grid;
    grid.SetOptions(grid.Options() | TGridOption::goEditing);
    grid.SetCells(2, 3, "text");
    grid.SetCol(2);
    grid.SetRow(3);
    grid.Key(Qt::Key_F2);
    EXPECT_TRUE(grid.EditorShown());
    grid.Key(Qt::Key_Escape);   // Esc leaves the current cell where it is
    EXPECT_EQ(grid.Cell(), (TGridCoord{2, 3}));
    grid.HideInplaceEdit();
    EXPECT_FALSE(grid.EditorShown());
    grid.Key(Qt::Key_Return);
    EXPECT_TRUE(grid.EditorShown());
    grid.HideInplaceEdit();

    grid.SetReadOnly(2, 3, true);
    std::vector<std::uint16_t> keys;
    QString pressed;
    grid.OnKeyDown = [&](QObject*, std::uint16_t& key, TShiftState) { keys.push_back(key); };
    grid.OnKeyPress = [&](QObject*, QChar& key) { pressed += key; };
    grid.Key(Qt::Key_Return);
    grid.Key(Qt::Key_F2);
    EXPECT_FALSE(grid.EditorShown());
    EXPECT_EQ(keys, (std::vector<std::uint16_t>{VK_RETURN, VK_F2}));
    // The character still reaches the application, which binds Enter jumps to it.
    EXPECT_EQ(pressed, QString(QChar(13)));
}

TEST(GridKeys, TypedCharacterOpensTheEditorWithIt)
{
    TestGrid grid;
    grid.SetCells(2, 3, "old");
    grid.SetCol(2);
    grid.SetRow(3);
    grid.Type('x');   // without goEditing nothing opens
    EXPECT_FALSE(grid.EditorShown());

    grid.SetOptions(grid.Options() | TGridOption::goEditing);
    grid.Type('x');
    ASSERT_TRUE(grid.EditorShown());
    EXPECT_EQ(grid.InplaceEditor()->text(), "x");
    EXPECT_EQ(grid.StartEditChar(), QChar('x'));
    grid.HideInplaceEdit();
    EXPECT_EQ(grid.Cells(2, 3), "x");

    grid.SetReadOnly(2, 3, true);
    grid.Type('y');
    EXPECT_FALSE(grid.EditorShown());
    EXPECT_EQ(grid.Cells(2, 3), "x");
}

TEST(GridKeys, DownOnTheLastRowAppendsWithAppendOnArrowDown)
{
    TestGrid grid;
    grid.SetRowCount(5);
    grid.SetCells(1, 5, "left over");   // the store keeps cells past the count
    grid.Navigation().SetAppendOnArrowDown(true);
    int added = -1;
    grid.OnAutoAddRow = [&](QObject*, int row) { added = row; };
    grid.SetRow(4);
    grid.Key(Qt::Key_Down);
    EXPECT_EQ(grid.RowCount(), 6);
    EXPECT_EQ(grid.Row(), 5);
    EXPECT_EQ(added, 5);
    EXPECT_EQ(grid.Cells(1, 5), "");

    grid.OnCanAddRow = [](QObject*, bool& can) { can = false; };
    grid.Key(Qt::Key_Down);
    EXPECT_EQ(grid.RowCount(), 6);
}

TEST(GridKeys, ClipboardShortCuts)
{
    TestGrid grid;
    grid.Navigation().SetAllowClipboardShortCuts(true);
    grid.Navigation().SetAllowClipboardAlways(true);   // the grid is not editable
    grid.SetCells(1, 1, "a");
    grid.SetCells(2, 1, "b");
    grid.SetCells(1, 2, "c");
    grid.SetCells(2, 2, "d");
    grid.SetSelection({1, 1, 2, 2});
    QStringList events;
    grid.OnClipboardCopy = [&](QObject*, bool&) { events << "copy"; };
    grid.OnClipboardCut = [&](QObject*, bool& allow) {
        events << "cut";
        allow = false;
    };
    grid.OnClipboardPaste = [&](QObject*, bool&) { events << "paste"; };
    grid.Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "a\tb\r\nc\td\r\n");
    grid.Key(Qt::Key_X, Qt::ControlModifier);   // refused
    EXPECT_EQ(grid.Cells(1, 1), "a");
    grid.SetSelection({3, 4, 3, 4});
    grid.Key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(grid.Cells(3, 4), "a");
    EXPECT_EQ(grid.Cells(4, 5), "d");
    EXPECT_EQ(events, (QStringList{"copy", "cut", "paste"}));
    // The control characters of the shortcuts type nothing.
    EXPECT_FALSE(grid.EditorShown());
}

TEST(GridKeys, CtrlASelectsTheNormalCells)
{
    TestGrid grid;
    grid.SetFixedFooters(1);
    int changes = 0;
    grid.OnSelectionChanged = [&](QObject*, int, int, int, int) { ++changes; };
    grid.Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 5, 18}));
    EXPECT_EQ(changes, 1);
}

// ---- Tab

TEST(GridTab, TabAndShiftTabWalkTheRows)
{
    TestGrid grid;
    grid.SetOptions(grid.Options() | TGridOption::goTabs);
    grid.SetCol(4);
    grid.SetRow(2);
    grid.Key(Qt::Key_Tab);
    EXPECT_EQ(grid.Cell(), (TGridCoord{5, 2}));
    grid.Key(Qt::Key_Tab);
    EXPECT_EQ(grid.Cell(), (TGridCoord{1, 3}));
    grid.Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(grid.Cell(), (TGridCoord{5, 2}));
    // From the last cell back to the first normal cell, and the other way.
    grid.SetRow(19);
    grid.Key(Qt::Key_Tab);
    EXPECT_EQ(grid.Cell(), (TGridCoord{1, 1}));
    grid.Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(grid.Cell(), (TGridCoord{5, 19}));
}

TEST(GridTab, VerticalOrderAndMergedCells)
{
    TestGrid grid;
    grid.SetOptions(grid.Options() | TGridOption::goTabs);
    grid.Navigation().SetTabAdvanceDirection(TAdvanceDirection::adTopBottom);
    grid.SetCol(2);
    grid.SetRow(19);
    grid.Key(Qt::Key_Tab);
    EXPECT_EQ(grid.Cell(), (TGridCoord{3, 1}));
    grid.Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(grid.Cell(), (TGridCoord{2, 19}));

    TestGrid merged;
    merged.SetOptions(merged.Options() | TGridOption::goTabs);
    merged.MergeCells(1, 2, 3, 1);
    merged.SetCol(1);
    merged.SetRow(2);
    merged.Key(Qt::Key_Tab);
    EXPECT_EQ(merged.Cell(), (TGridCoord{4, 2}));
}

TEST(GridTab, SkipsReadOnlyCellsAndStopsInAGridWithoutEditableCells)
{
    TestGrid grid;
    grid.SetOptions(grid.Options() | TGridOption::goTabs | TGridOption::goEditing);
    grid.SetReadOnly(2, 2, true);
    grid.SetReadOnly(3, 2, true);
    grid.SetCol(1);
    grid.SetRow(2);
    grid.Key(Qt::Key_Tab);
    EXPECT_EQ(grid.Cell(), (TGridCoord{4, 2}));

    // Every cell read-only: the walk comes back to where it began instead of running on.
    TestGrid locked;
    locked.SetOptions(locked.Options() | TGridOption::goTabs | TGridOption::goEditing);
    locked.OnCanEditCell = [](QObject*, int, int, bool& can) { can = false; };
    locked.SetCol(3);
    locked.SetRow(4);
    EXPECT_TRUE(locked.TabAdvance(false));
    EXPECT_EQ(locked.Cell(), (TGridCoord{3, 4}));
    EXPECT_TRUE(locked.TabAdvance(true));
    EXPECT_EQ(locked.Cell(), (TGridCoord{3, 4}));

    // With appending on, such a grid gains one row at most.
    locked.Navigation().SetAdvanceInsert(true);
    locked.SetRow(19);
    locked.SetCol(5);
    locked.TabAdvance(false);
    EXPECT_EQ(locked.RowCount(), 21);
    EXPECT_EQ(locked.Cell(), (TGridCoord{5, 19}));
}

TEST(GridTab, OnlyFooterRowsLeft)
{
    TestGrid grid;
    grid.SetOptions(grid.Options() | TGridOption::goTabs | TGridOption::goEditing);
    grid.SetRowCount(3);
    grid.SetFixedFooters(2);   // rows 1 and 2 are footers: no normal row
    grid.SetCol(2);
    grid.SetRow(1);
    EXPECT_TRUE(grid.TabAdvance(false));
    EXPECT_EQ(grid.Cell(), (TGridCoord{2, 1}));
}

TEST(GridTab, AppendsARowAtTheEndWithAdvanceInsert)
{
    TestGrid grid;
    grid.SetOptions(grid.Options() | TGridOption::goTabs);
    grid.SetRowCount(4);
    grid.SetCells(2, 4, "stale");
    grid.Navigation().SetAdvanceInsert(true);
    int added = -1;
    grid.OnAutoAddRow = [&](QObject*, int row) { added = row; };
    grid.SetCol(5);
    grid.SetRow(3);
    grid.Key(Qt::Key_Tab);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.Cell(), (TGridCoord{1, 4}));
    EXPECT_EQ(added, 4);
    EXPECT_EQ(grid.Cells(2, 4), "");

    // Refused: back to the first row.
    grid.OnCanAddRow = [](QObject*, bool& can) { can = false; };
    grid.SetCol(5);
    grid.Key(Qt::Key_Tab);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.Cell(), (TGridCoord{1, 1}));
}

TEST(GridTab, KeyDownHandlerCancelsAndRowChangingRefuses)
{
    TestGrid grid;
    grid.SetOptions(grid.Options() | TGridOption::goTabs);
    grid.SetCol(5);
    grid.SetRow(2);
    grid.OnRowChanging = [](QObject*, int, int, bool& allow) { allow = false; };
    grid.Key(Qt::Key_Tab);
    EXPECT_EQ(grid.Cell(), (TGridCoord{5, 2}));
    grid.OnRowChanging = nullptr;
    grid.OnKeyDown = [](QObject*, std::uint16_t& key, TShiftState) { key = 0; };
    grid.Key(Qt::Key_Tab);
    EXPECT_EQ(grid.Cell(), (TGridCoord{5, 2}));
}

TEST(GridTab, TabToNextAtEndHandsTheTabToTheWindow)
{
    QWidget window;
    auto* grid = new TestGrid;
    grid->setParent(&window);
    grid->SetOptions(grid->Options() | TGridOption::goTabs);
    grid->Navigation().SetTabToNextAtEnd(true);
    grid->SetCol(5);
    grid->SetRow(19);
    EXPECT_FALSE(grid->TabAdvance(false));
    grid->SetCol(3);
    EXPECT_TRUE(grid->TabAdvance(false));
}

// ---- wheel, update lock, timer

TEST(GridWheel, MovesTheSelectionOrScrolls)
{
    TestGrid grid;
    const int lines = QApplication::wheelScrollLines();
    grid.SetRow(5);
    grid.Wheel(-120);
    EXPECT_EQ(grid.Row(), 5 + lines);
    grid.Wheel(120);
    EXPECT_EQ(grid.Row(), 5);
    grid.Wheel(10 * 120);   // clamped to the normal rows
    EXPECT_EQ(grid.Row(), 1);

    grid.MouseActions().SetWheelAction(TWheelAction::waScroll);
    grid.MouseActions().SetWheelIncrement(3);
    std::vector<TShiftState> downs;
    grid.OnMouseWheelDown = [&](QObject*, TShiftState shift, TPoint, bool&) { downs.push_back(shift); };
    grid.Wheel(-120, Qt::ShiftModifier);
    EXPECT_EQ(grid.TopRow(), 4);
    EXPECT_EQ(grid.Row(), 1);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_TRUE(downs[0].testFlag(TShiftStateItem::ssShift));

    // Without an increment the scroll fires no event.
    grid.MouseActions().SetWheelIncrement(0);
    grid.Wheel(-120);
    EXPECT_EQ(downs.size(), 1u);
}

TEST(GridWheel, CtrlZoomsAndADisabledWheelDoesNothing)
{
    TestGrid grid;
    const int width = grid.ColWidths(2);
    grid.Wheel(-120, Qt::ControlModifier);
    EXPECT_EQ(grid.ColWidths(2), width + QApplication::wheelScrollLines());
    grid.SetEnableWheel(false);
    grid.SetRow(3);
    grid.Wheel(-120);
    EXPECT_EQ(grid.Row(), 3);
}

TEST(GridWheel, MiddlePressStartsAndAnyPressEndsPanning)
{
    TestGrid grid;
    QTest::mousePress(grid.viewport(), Qt::MiddleButton, {}, QPoint(60, 60));
    QTest::mouseRelease(grid.viewport(), Qt::MiddleButton, {}, QPoint(60, 60));
    EXPECT_TRUE(grid.WheelPanning());
    QTest::mouseClick(grid.viewport(), Qt::MiddleButton, {}, QPoint(60, 60));
    EXPECT_FALSE(grid.WheelPanning());

    grid.SetIntelliPan(TIntelliPan::ipNone);
    QTest::mouseClick(grid.viewport(), Qt::MiddleButton, {}, QPoint(60, 60));
    EXPECT_FALSE(grid.WheelPanning());
}

TEST(GridUpdateLock, NestsAndAlwaysCounts)
{
    TestGrid grid;
    grid.BeginUpdate();
    grid.BeginUpdate();
    EXPECT_FALSE(grid.viewport()->updatesEnabled());
    grid.EndUpdate();
    EXPECT_TRUE(grid.LockUpdate());
    EXPECT_FALSE(grid.viewport()->updatesEnabled());
    grid.EndUpdate();
    EXPECT_FALSE(grid.LockUpdate());
    EXPECT_TRUE(grid.viewport()->updatesEnabled());
    grid.EndUpdate();   // never below 0
    EXPECT_EQ(grid.UpdateCount(), 0);

    // Hidden between the two calls: painting comes back when the lock ends.
    grid.BeginUpdate();
    grid.hide();
    grid.EndUpdate();
    grid.show();
    EXPECT_TRUE(grid.viewport()->updatesEnabled());
    grid.hide();
    grid.BeginUpdate();
    grid.show();
    grid.EndUpdate();
    EXPECT_EQ(grid.UpdateCount(), 0);
    EXPECT_TRUE(grid.viewport()->updatesEnabled());

    grid.SetLockUpdate(true);
    grid.StartUpdate();
    EXPECT_EQ(grid.UpdateCount(), 2);
    grid.ResetUpdate();
    EXPECT_FALSE(grid.LockUpdate());
}

TEST(GridTimer, ForgetsTheIncrementalSearchOnTheFourthTick)
{
    TestGrid grid;
    grid.Navigation().SetAutoGotoIncremental(true);
    grid.SetSearchInc("ab");
    for (int i = 0; i < 3; ++i)
        grid.WMTimer();
    EXPECT_EQ(grid.SearchInc(), "ab");
    grid.SetSearchInc("abc");   // a typed character starts the count again
    for (int i = 0; i < 3; ++i)
        grid.WMTimer();
    EXPECT_EQ(grid.SearchInc(), "abc");
    grid.WMTimer();
    EXPECT_EQ(grid.SearchInc(), "");
    EXPECT_EQ(grid.TimerTicks(), 7);
}

TEST(GridTimer, BlinkFlipsThePhaseOnEveryTick)
{
    TestGrid grid;
    grid.SetColCount(3);
    grid.SetCells(2, 3, "<blink>x</blink>");
    grid.HideColumn(1);   // the scan reaches past the display columns by the hidden ones, never past the last
    grid.SetEnableBlink(true);
    EXPECT_FALSE(grid.GridBlink());
    grid.WMTimer();
    EXPECT_TRUE(grid.GridBlink());
    grid.WMTimer();
    EXPECT_FALSE(grid.GridBlink());
    grid.SetEnableBlink(false);
    grid.WMTimer();
    EXPECT_FALSE(grid.GridBlink());
}

TEST(GridEditDone, EditCellDoneArrivesAfterTheCurrentEvent)
{
    TestGrid grid;
    QStringList order;
    grid.OnEditingDone = [&](QObject*) { order << "done"; };
    grid.OnEditCellDone = [&](QObject*, int c, int r) { order << QStringLiteral("cell %1,%2").arg(c).arg(r); };
    grid.PostEditingDone(2, 5);
    EXPECT_EQ(order, QStringList{"done"});
    QCoreApplication::sendPostedEvents(&grid);
    EXPECT_EQ(order, (QStringList{"done", "cell 2,5"}));
}
