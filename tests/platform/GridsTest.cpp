#include "grid/model/GridAxis.h"
#include "platform/GridEdit.h"
#include "platform/Grids.h"
#include "support/CountedObject.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

namespace {

// A shown grid with a known client area: no frame, no scroll bars.
struct ShownGrid {
    explicit ShownGrid(TStringGrid& g, int w = 200, int h = 100) : grid(g)
    {
        grid.setFrameShape(QFrame::NoFrame);
        grid.SetScrollBars(TScrollStyle::ssNone);
        grid.resize(w, h);
        grid.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }
    TStringGrid& grid;
};

// Records every DrawCell call of a paint and the hooks that descendants rely on.
class RecordingGrid : public TStringGrid {
public:
    std::map<std::pair<int, int>, TGridDrawState> drawn;
    int drawCalls = 0;
    int topLeftChanges = 0;
    std::vector<std::pair<int, int>> sizeChanges;
    std::vector<std::pair<int, int>> columnMoves;
    int refuseCol = -1;

    using TCustomGrid::ShowEditor;

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override
    {
        ++drawCalls;
        drawn[{ACol, ARow}] = AState;
        TStringGrid::DrawCell(ACol, ARow, ARect, AState);
    }
    bool SelectCell(int ACol, int ARow) override { return ACol != refuseCol && TStringGrid::SelectCell(ACol, ARow); }
    void TopLeftChanged() override { ++topLeftChanges; }
    void SizeChanged(int OldColCount, int OldRowCount) override { sizeChanges.push_back({OldColCount, OldRowCount}); }
    void ColumnMoved(int FromIndex, int ToIndex) override
    {
        columnMoves.push_back({FromIndex, ToIndex});
        TStringGrid::ColumnMoved(FromIndex, ToIndex);
    }
};

void PaintNow(TCustomGrid& grid)
{
    grid.viewport()->repaint();
}

} // namespace

TEST(GridStore, CellsBeyondTheCountsAreKeptAndUnsetCellsReadEmpty)
{
    TStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.SetCells(7, 9, "far");          // a hidden column past the counts
    grid.SetCells(2, 2, "last");
    EXPECT_EQ(grid.Cells(7, 9), "far");
    EXPECT_EQ(grid.Cells(6, 9), "");
    EXPECT_EQ(grid.Cells(100, 100), "");
    EXPECT_EQ(grid.Cells(-1, 0), "");
    EXPECT_EQ(grid.Objects(7, 9), nullptr);

    grid.SetRowCount(2);
    grid.SetColCount(2);
    grid.SetRowCount(5);
    grid.SetColCount(5);
    EXPECT_EQ(grid.Cells(2, 2), "last");
    EXPECT_EQ(grid.Cells(7, 9), "far");

    grid.SetCells(-3, 1, "ignored");
    EXPECT_EQ(grid.Cells(-3, 1), "");
}

TEST(GridStore, ObjectsAreReferencedNeverFreed)
{
    int alive = 0;
    {
        auto object = std::make_unique<CountedObject>(alive);
        {
            TStringGrid grid;
            grid.SetObjects(1, 1, object.get());
            grid.SetObjects(9, 1, object.get());
            grid.SetRowCount(1);
            EXPECT_EQ(grid.Objects(9, 1), object.get());
        }
        EXPECT_EQ(alive, 1);
    }
    EXPECT_EQ(alive, 0);
}

TEST(GridStore, RowsAndColsAreCopiesOfTextsAndObjectReferences)
{
    TStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    TObject marker;
    grid.SetCells(0, 1, "a");
    grid.SetCells(2, 1, "c");
    grid.SetObjects(1, 1, &marker);
    grid.SetCells(5, 1, "hidden");       // past ColCount: not part of the row copy

    TGridCells row = grid.Rows(1);
    ASSERT_EQ(row.size(), 3u);
    EXPECT_EQ(row[0].Text, "a");
    EXPECT_EQ(row[1].Object, &marker);
    EXPECT_EQ(row[2].Text, "c");
    row[0].Text = "changed";
    EXPECT_EQ(grid.Cells(0, 1), "a");

    grid.SetRows(2, grid.Rows(1));
    EXPECT_EQ(grid.Cells(2, 2), "c");
    EXPECT_EQ(grid.Objects(1, 2), &marker);
    EXPECT_EQ(grid.Cells(5, 2), "");

    grid.SetCols(0, {{"x", nullptr}});   // shorter than the column: the rest is emptied
    EXPECT_EQ(grid.Cells(0, 0), "x");
    EXPECT_EQ(grid.Cells(0, 1), "");
    EXPECT_EQ(grid.Cells(0, 2), "");
}

TEST(GridDimensions, CountsKeepFixedCellsAndCurrentCellInside)
{
    RecordingGrid grid;
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 1);

    grid.SetRow(4);
    grid.SetRowCount(3);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.sizeChanges.back(), std::make_pair(5, 5));

    grid.SetRowCount(0);                 // at least one row; fixed rows drop below it
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.FixedRows(), 0);

    EXPECT_THROW(grid.SetFixedCols(5), EInvalidGridOperation);
    EXPECT_THROW(grid.SetFixedCols(-1), EInvalidGridOperation);
    EXPECT_EQ(grid.FixedCols(), 1);
    grid.SetFixedCols(3);
    EXPECT_EQ(grid.Col(), 3);
}

TEST(GridAxis, OffsetsStayRightWhileTheCountGrowsAndShrinks)
{
    TGridAxis axis(3, 1, 10);
    axis.SetSize(0, 5);
    axis.SetSize(1, 7);
    axis.SetSize(2, 0);
    axis.SetCount(9);                         // six new cells of the default size
    EXPECT_EQ(axis.Offset(3), 12);
    EXPECT_EQ(axis.Offset(5), 32);
    EXPECT_EQ(axis.Offset(9), 72);
    axis.SetSize(6, 1);
    EXPECT_EQ(axis.Offset(9), 63);
    axis.SetCount(4);
    axis.SetCount(8);                         // cells 4..7 come back with the default size
    EXPECT_EQ(axis.Offset(8), 62);
    EXPECT_EQ(axis.CellAt(15, 1000), 3);      // cell 3 spans 12..21 with the fixed cell 0 in front

    // Appending one cell at a time, as rows are added, against plain sums.
    TGridAxis rows(1, 0, 0);
    std::int64_t total = 0;
    for (int n = 1; n <= 40; ++n) {
        rows.SetSize(n - 1, n % 7);
        total += n % 7;
        ASSERT_EQ(rows.Offset(n), total) << n;
        rows.SetCount(n + 1);
    }
    for (int i = 0; i <= 40; ++i) {
        std::int64_t sum = 0;
        for (int k = 0; k < i; ++k)
            sum += (k + 1) % 7;
        ASSERT_EQ(rows.Offset(i), sum) << i;
    }
}

TEST(GridDimensions, WidthsAndHeightsAcceptZeroAndDefaultsResetThem)
{
    TStringGrid grid;
    grid.SetColWidths(2, 0);
    grid.SetRowHeights(1, -5);
    EXPECT_EQ(grid.ColWidths(2), 0);
    EXPECT_EQ(grid.RowHeights(1), 0);
    grid.SetColCount(7);
    EXPECT_EQ(grid.ColWidths(6), 64);
    grid.SetDefaultColWidth(30);
    EXPECT_EQ(grid.ColWidths(2), 30);
}

TEST(GridView, VisibleCountsCellRectsAndMouseToCell)
{
    TStringGrid grid;
    grid.SetColCount(10);
    grid.SetRowCount(20);
    ShownGrid shown(grid);
    ASSERT_EQ(grid.ClientWidth(), 200);
    ASSERT_EQ(grid.ClientHeight(), 100);

    EXPECT_EQ(grid.VisibleColCount(), 2);    // (200 - 64) / 64, fully shown only
    EXPECT_EQ(grid.VisibleRowCount(), 3);    // (100 - 24) / 24
    EXPECT_EQ(grid.CellRect(1, 1), Rect(64, 24, 128, 48));
    EXPECT_EQ(grid.CellRect(3, 1), Rect(192, 24, 256, 48));   // partly shown: not clipped
    EXPECT_TRUE(grid.CellRect(4, 1).IsEmpty());

    grid.SetTopRow(5);
    EXPECT_TRUE(grid.CellRect(1, 1).IsEmpty());
    EXPECT_EQ(grid.CellRect(1, 5), Rect(64, 24, 128, 48));
    EXPECT_EQ(grid.CellRect(0, 0), Rect(0, 0, 64, 24));      // fixed cells stay

    int c = 0;
    int r = 0;
    grid.MouseToCell(70, 30, c, r);
    EXPECT_EQ(c, 1);
    EXPECT_EQ(r, 5);
    grid.MouseToCell(10, 10, c, r);
    EXPECT_EQ(c, 0);
    EXPECT_EQ(r, 0);
    grid.MouseToCell(-1, 10, c, r);
    EXPECT_EQ(c, -1);
    EXPECT_EQ(r, -1);

    grid.SetColWidths(2, 0);                  // a zero-width column is never hit
    grid.MouseToCell(128, 30, c, r);
    EXPECT_EQ(c, 3);
    grid.MouseToCell(127, 30, c, r);
    EXPECT_EQ(c, 1);
    EXPECT_EQ(grid.VisibleColCount(), 3);     // columns 1, 2 and 3 end by x = 192
    grid.SetColWidths(2, 64);

    grid.SetTopRow(1000);                     // clamped so that the last row is fully shown
    EXPECT_EQ(grid.TopRow(), 17);
    grid.SetTopRow(0);
    EXPECT_EQ(grid.TopRow(), 1);

    grid.SetColCount(3);                      // everything fits: nothing past the end
    EXPECT_TRUE(grid.MouseCoord(195, 30) == (TGridCoord{-1, -1}));
}

TEST(GridKeyboard, PageKeysHomeEndAndWheel)
{
    TStringGrid grid;
    grid.SetColCount(10);
    grid.SetRowCount(30);
    ShownGrid shown(grid);

    QTest::keyClick(&grid, Qt::Key_PageDown);
    EXPECT_EQ(grid.Row(), 4);
    EXPECT_EQ(grid.TopRow(), 4);
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.Row(), 5);
    QTest::keyClick(&grid, Qt::Key_PageUp);
    EXPECT_EQ(grid.Row(), 2);
    QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(grid.Row(), 29);
    EXPECT_EQ(grid.Col(), 9);
    EXPECT_EQ(grid.TopRow(), 27);             // the current cell is scrolled into view
    EXPECT_EQ(grid.LeftCol(), 8);
    QTest::keyClick(&grid, Qt::Key_Home);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 29);
    QTest::keyClick(&grid, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(grid.Row(), 1);

    QWheelEvent down(QPointF(50, 50), grid.mapToGlobal(QPointF(50, 50)), {}, {0, -120}, Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid.viewport(), &down);
    EXPECT_EQ(grid.Row(), 2);
    QWheelEvent up(QPointF(50, 50), grid.mapToGlobal(QPointF(50, 50)), {}, {0, 240}, Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid.viewport(), &up);
    EXPECT_EQ(grid.Row(), 1);                 // not into the fixed row
}

TEST(GridKeyboard, ShiftArrowsExtendTheSelectionAndTabsWrap)
{
    TStringGrid grid;
    ShownGrid shown(grid, 400, 200);
    QTest::keyClick(&grid, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 2, 2}));

    grid.SetOptions(grid.Options() | TGridOption::goTabs);
    grid.SetCol(4);
    grid.SetRow(1);
    QTest::keyClick(&grid, Qt::Key_Tab);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 2);
    QTest::keyClick(&grid, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(grid.Col(), 4);
    EXPECT_EQ(grid.Row(), 1);
}

TEST(GridSelection, SelectCellMayRefuseAndClickFollowsAChange)
{
    RecordingGrid grid;
    ShownGrid shown(grid, 400, 200);
    int clicks = 0;
    grid.OnClick = [&](QObject*) { ++clicks; };
    grid.refuseCol = 3;
    grid.SetCol(3);
    EXPECT_EQ(grid.Col(), 1);
    grid.SetCol(2);
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_GE(clicks, 1);

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(64 * 3 + 5, 24 * 2 + 5));
    EXPECT_EQ(grid.Col(), 2);                 // refused column
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(64 * 4 + 5, 24 * 2 + 5));
    EXPECT_EQ(grid.Col(), 4);
    EXPECT_EQ(grid.Row(), 2);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(64 * 2 + 5, 24 * 3 + 5));
    EXPECT_EQ(grid.Selection(), (TGridRect{2, 2, 4, 3}));
}

TEST(GridPainting, DrawCellSeesEveryShownCellWithItsState)
{
    RecordingGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    ShownGrid shown(grid, 400, 200);
    grid.SetSelection({1, 1, 2, 1});          // current cell (2, 1)
    grid.drawn.clear();
    grid.drawCalls = 0;
    PaintNow(grid);
    EXPECT_EQ(grid.drawCalls, 9);
    using S = TGridDrawStateItem;
    auto state = [&](int c, int r) { return grid.drawn[std::make_pair(c, r)]; };
    EXPECT_EQ(state(0, 0), TGridDrawState(S::gdFixed));
    EXPECT_EQ(state(1, 0), TGridDrawState(S::gdFixed));
    EXPECT_EQ(state(0, 2), TGridDrawState(S::gdFixed));
    EXPECT_TRUE(state(1, 1).testFlag(S::gdSelected));
    EXPECT_TRUE(state(2, 1).testFlag(S::gdSelected));
    EXPECT_FALSE(state(1, 1).testFlag(S::gdFocused));
    EXPECT_EQ(state(1, 2), TGridDrawState());

    grid.activateWindow();
    grid.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
    PaintNow(grid);
    EXPECT_TRUE(state(2, 1).testFlag(S::gdFocused));
    EXPECT_FALSE(state(1, 1).testFlag(S::gdFocused));

    // Only the cells meeting the dirty rectangle are drawn.
    grid.drawn.clear();
    grid.viewport()->repaint(QRect(70, 30, 10, 10));
    ASSERT_EQ(grid.drawn.size(), 1u);
    EXPECT_EQ(grid.drawn.begin()->first, std::make_pair(1, 1));
}

TEST(GridPainting, DefaultDrawingFillsCellsAndTheAreaPastThem)
{
    TStringGrid grid;
    grid.SetColCount(2);
    grid.SetRowCount(2);
    grid.SetColor(clWhite);
    grid.SetFixedColor(clSilver);
    ShownGrid shown(grid, 200, 100);
    const QImage image = grid.viewport()->grab().toImage();
    EXPECT_EQ(image.pixelColor(5, 5), ToQColor(clSilver));           // fixed cell
    EXPECT_EQ(image.pixelColor(190, 90), ToQColor(clWhite));         // past the last column and row
}

TEST(GridMouse, SizingAndMovingByDraggingFixedCells)
{
    RecordingGrid grid;
    grid.SetOptions(grid.Options() | TGridOption::goColSizing | TGridOption::goRowSizing | TGridOption::goColMoving);
    ShownGrid shown(grid, 400, 200);
    QWidget* vp = grid.viewport();

    // The right border of column 1 lies at x = 128.
    QTest::mousePress(vp, Qt::LeftButton, {}, QPoint(127, 10));
    EXPECT_EQ(grid.GridState(), TGridState::gsColSizing);
    QTest::mouseMove(vp, QPoint(150, 10));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(150, 10));
    EXPECT_EQ(grid.ColWidths(1), 86);
    EXPECT_EQ(grid.GridState(), TGridState::gsNormal);

    // The bottom border of row 1 lies at y = 48.
    QTest::mousePress(vp, Qt::LeftButton, {}, QPoint(10, 49));
    QTest::mouseMove(vp, QPoint(10, 40));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(10, 40));
    EXPECT_EQ(grid.RowHeights(1), 16);

    grid.SetCells(1, 2, "one");
    grid.SetCells(3, 2, "three");
    grid.SetCol(1);
    // Column 1 spans 64..150, column 3 starts at 214.
    QTest::mousePress(vp, Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_EQ(grid.GridState(), TGridState::gsColMoving);
    QTest::mouseMove(vp, QPoint(230, 10));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(230, 10));
    ASSERT_EQ(grid.columnMoves.size(), 1u);
    EXPECT_EQ(grid.columnMoves[0], std::make_pair(1, 3));
    EXPECT_EQ(grid.Cells(3, 2), "one");
    EXPECT_EQ(grid.Cells(2, 2), "three");
    EXPECT_EQ(grid.ColWidths(3), 86);         // the width travels with its column
    EXPECT_EQ(grid.Col(), 3);                 // and so does the current cell
}

TEST(GridMouse, MovingARowByDraggingItsFixedCell)
{
    TStringGrid grid;
    grid.SetOptions(grid.Options() | TGridOption::goRowMoving);
    ShownGrid shown(grid, 400, 200);
    grid.SetRowHeights(1, 30);
    for (int r = 1; r < 5; ++r)
        grid.SetCells(1, r, QString::number(r));
    grid.SetRow(1);
    // Row 1 spans y 24..54; row 3 spans 78..102.
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, QPoint(10, 40));
    EXPECT_EQ(grid.GridState(), TGridState::gsRowMoving);
    QTest::mouseMove(grid.viewport(), QPoint(10, 90));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, QPoint(10, 90));
    EXPECT_EQ(grid.GridState(), TGridState::gsNormal);
    EXPECT_EQ(grid.Cells(1, 1), "2");
    EXPECT_EQ(grid.Cells(1, 2), "3");
    EXPECT_EQ(grid.Cells(1, 3), "1");
    EXPECT_EQ(grid.RowHeights(3), 30);        // the height travels with its row
    EXPECT_EQ(grid.RowHeights(1), 24);
    EXPECT_EQ(grid.Row(), 3);                 // and so does the current cell
}

TEST(GridRows, MoveRowAndDeleteRowKeepTheDeletedRowPastTheCount)
{
    TStringGrid grid;
    for (int r = 0; r < 5; ++r)
        grid.SetCells(1, r, QString::number(r));
    grid.MoveRow(1, 3);
    EXPECT_EQ(grid.Cells(1, 1), "2");
    EXPECT_EQ(grid.Cells(1, 3), "1");
    grid.DeleteRow(2);
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Cells(1, 2), "1");
    EXPECT_EQ(grid.Cells(1, 3), "4");
    EXPECT_EQ(grid.Cells(1, 4), "3");         // past the count, still stored

    for (int c = 0; c < 5; ++c)
        grid.SetCells(c, 1, QString(QChar('a' + c)));
    grid.SetColWidths(1, 10);
    grid.DeleteColumn(1);
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.Cells(1, 1), "c");
    EXPECT_EQ(grid.Cells(3, 1), "e");
    EXPECT_EQ(grid.Cells(4, 1), "b");
    EXPECT_EQ(grid.ColWidths(1), 64);         // the width went with its column
}

TEST(GridEditor, OpensWritesThroughAndHandsKeysBack)
{
    RecordingGrid grid;
    grid.SetOptions(grid.Options() | TGridOption::goEditing);
    ShownGrid shown(grid, 400, 200);
    grid.SetCells(1, 1, "abc");
    std::vector<QString> written;
    grid.OnSetEditText = [&](QObject*, int, int, const QString& v) { written.push_back(v); };

    QTest::keyClick(&grid, Qt::Key_F2);
    TInplaceEdit* editor = grid.InplaceEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->parentWidget(), grid.viewport());
    EXPECT_EQ(editor->geometry(), QRect(64, 24, 64, 24));
    EXPECT_EQ(editor->text(), "abc");
    QTest::keyClicks(editor, "de");
    EXPECT_EQ(grid.Cells(1, 1), "abcde");     // every change reaches the cell
    EXPECT_EQ(written.size(), 2u);

    QTest::keyClick(editor, Qt::Key_Down);    // handed back: the grid moves on and the editor closes
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_FALSE(grid.EditorMode());

    // A typed character opens the editor with just that character.
    QTest::keyClick(&grid, Qt::Key_Q, {}, 0);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(grid.Cells(1, 2), "q");
    QTest::keyClick(editor, Qt::Key_Return);  // Enter closes it
    EXPECT_FALSE(editor->isVisible());

    // A double click on the current cell opens it; scrolling moves it along.
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, QPoint(70, 24 * 2 + 5));
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->text(), "q");
    grid.SetRowCount(40);
    grid.SetTopRow(2);
    EXPECT_EQ(editor->geometry().top(), 24);
    grid.SetTopRow(10);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(grid.EditorMode());
}

TEST(GridEditor, TypedCharactersPassTheGridsKeyPress)
{
    TStringGrid grid;
    grid.SetOptions(grid.Options() | TGridOption::goEditing);
    ShownGrid shown(grid, 400, 200);
    QString seen;
    grid.OnKeyPress = [&](QObject*, QChar& key) {
        seen += key;
        key = key == QChar('x') ? QChar() : key.toUpper();   // drops x, types capitals
    };
    QTest::keyClick(&grid, Qt::Key_A, {}, 0);                 // opens the editor with the character
    TInplaceEdit* editor = grid.InplaceEditor();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "xbc");
    EXPECT_EQ(editor->text(), "ABC");
    EXPECT_EQ(grid.Cells(1, 1), "ABC");
    EXPECT_EQ(seen, "axbc");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(seen, "axbc\r");
    EXPECT_FALSE(editor->isVisible());
}

TEST(GridEditor, HidingWritesTheTextAndRefusesWithoutEditing)
{
    TStringGrid grid;
    ShownGrid shown(grid, 400, 200);
    QTest::keyClick(&grid, Qt::Key_F2);
    EXPECT_EQ(grid.InplaceEditor(), nullptr);   // editing is off

    grid.SetOptions(grid.Options() | TGridOption::goEditing);
    grid.SetEditorMode(true);
    ASSERT_NE(grid.InplaceEditor(), nullptr);
    grid.InplaceEditor()->setText("set by code");
    grid.SetEditorMode(false);
    EXPECT_EQ(grid.Cells(1, 1), "set by code");
}

TEST(GridView, ScrollBarsFollowTheTopLeftCellAndSetIt)
{
    TStringGrid grid;
    grid.SetRowCount(40);
    grid.setFrameShape(QFrame::NoFrame);
    grid.resize(400, 200);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    QScrollBar* bar = grid.verticalScrollBar();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_FALSE(grid.horizontalScrollBar()->isVisible());   // five columns fit
    // The thumb runs over 0 .. 127 whatever the number of rows; the range is rows 1 .. 40 - visible.
    const int range = 40 - grid.VisibleRowCount() - 1;
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), kScrollBarMax);
    grid.SetTopRow(7);
    EXPECT_EQ(bar->value(), MulDiv(6, kScrollBarMax, range));
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);   // one row, not one thumb position
    EXPECT_EQ(grid.TopRow(), 8);
    EXPECT_EQ(bar->value(), MulDiv(7, kScrollBarMax, range));
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(grid.TopRow(), 8 + grid.VisibleRowCount());
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(grid.TopRow(), 40 - grid.VisibleRowCount());
    EXPECT_EQ(bar->value(), kScrollBarMax);
    bar->setSliderPosition(64);                                  // a thumb dropped half-way
    bar->triggerAction(QAbstractSlider::SliderMove);
    EXPECT_EQ(grid.TopRow(), 1 + MulDiv(64, range, kScrollBarMax));

    EXPECT_FALSE(bar->hasTracking());
    grid.SetOptions(grid.Options() | TGridOption::goThumbTracking);
    EXPECT_TRUE(bar->hasTracking());

    grid.SetScrollBars(TScrollStyle::ssHorizontal);
    QApplication::processEvents();
    EXPECT_FALSE(bar->isVisible());
}

TEST(GridView, TheCanvasMeasuresOutsidePainting)
{
    TStringGrid grid;
    TCanvas* canvas = grid.Canvas();
    ASSERT_NE(canvas, nullptr);
    EXPECT_FALSE(canvas->CanDraw());
    const int narrow = canvas->TextWidth("i");
    EXPECT_GT(canvas->TextWidth("WWWW"), narrow);
    TFont big = grid.Font();
    big.SetSize(24);
    grid.SetFont(big);
    EXPECT_GT(grid.Canvas()->TextHeight("W"), 20);
}

TEST(GridMouse, DraggingExtendsTheSelection)
{
    TStringGrid grid;
    ShownGrid shown(grid, 400, 200);
    QWidget* vp = grid.viewport();
    QTest::mousePress(vp, Qt::LeftButton, {}, QPoint(70, 30));          // cell (1, 1)
    EXPECT_EQ(grid.GridState(), TGridState::gsSelecting);
    QTest::mouseMove(vp, QPoint(200, 60));                               // cell (3, 2)
    QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(200, 60));
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 3, 2}));
    EXPECT_EQ(grid.Col(), 3);

    grid.SetOptions(grid.Options() & ~TGridOptions(TGridOption::goRangeSelect));
    QTest::mousePress(vp, Qt::LeftButton, {}, QPoint(70, 30));
    QTest::mouseMove(vp, QPoint(200, 60));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(200, 60));
    EXPECT_EQ(grid.Selection(), (TGridRect{3, 2, 3, 2}));               // without range select the cell moves
}

TEST(GridSelection, RowSelectSpansTheScrollableColumnsAndArrowsScroll)
{
    TStringGrid grid;
    grid.SetColCount(10);
    ShownGrid shown(grid);
    grid.SetOptions(grid.Options() | TGridOption::goRowSelect);
    grid.SetRow(2);
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 2, 9, 2}));
    EXPECT_EQ(grid.Col(), 1);
    QTest::keyClick(&grid, Qt::Key_Right);
    EXPECT_EQ(grid.LeftCol(), 2);             // the view scrolls; the row stays selected
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 2, 9, 2}));
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 3, 9, 3}));
    grid.SetColCount(12);                     // a column added to the right joins the selected row
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 3, 11, 3}));
    grid.SetFixedCols(2);
    EXPECT_EQ(grid.Selection(), (TGridRect{2, 3, 11, 3}));
}

TEST(GridEditor, AlwaysShownEditorFollowsTheCurrentCell)
{
    TStringGrid grid;
    grid.SetCells(1, 1, "first");
    grid.SetCells(1, 2, "second");
    ShownGrid shown(grid, 400, 200);
    grid.SetOptions(grid.Options() | TGridOption::goEditing | TGridOption::goAlwaysShowEditor);
    TInplaceEdit* editor = grid.InplaceEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->text(), "first");
    QTest::keyClick(editor, Qt::Key_Down);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->text(), "second");
    EXPECT_EQ(editor->geometry().top(), 48);
}

TEST(GridKeyboard, EnterAndEscReachTheWindowUnlessTheGridUsesThem)
{
    QDialog dialog;
    QPushButton ok("OK", &dialog);
    ok.setDefault(true);
    int clicks = 0;
    QObject::connect(&ok, &QPushButton::clicked, [&] { ++clicks; });
    TStringGrid grid(&dialog);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_EQ(clicks, 1);

    grid.SetOptions(grid.Options() | TGridOption::goEditing);
    QTest::keyClick(&grid, Qt::Key_Return);      // opens the editor instead
    EXPECT_EQ(clicks, 1);
    ASSERT_NE(grid.InplaceEditor(), nullptr);
    EXPECT_TRUE(grid.InplaceEditor()->isVisible());
}
