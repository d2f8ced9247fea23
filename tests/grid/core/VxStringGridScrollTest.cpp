#include "grid/core/GridSettings.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/GridOptionGroups.h"
#include "support/QStringPrinter.h"
#include <QDialog>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>

namespace {
// A shown grid whose viewport holds exactly ten rows of 20 pixels below one fixed row.
struct ShownGrid {
    QDialog form;
    TVxStringGrid* g;
    explicit ShownGrid(int Rows = 101, int Cols = 5)
    {
        form.resize(700, 500);
        g = new TVxStringGrid(&form);
        g->setFrameShape(QFrame::NoFrame);
        g->SetDefaultRowHeight(20);
        g->SetRowCount(Rows);
        g->SetColCount(Cols);
        form.show();
        g->resize(400, 220 + g->horizontalScrollBar()->sizeHint().height() * 0);
        QApplication::processEvents();
        g->resize(400 + g->verticalScrollBar()->width(), 220);
    }
};
} // namespace

TEST(VxStringGridScroll, ThumbDragShowsTheRowHintAndScrollsInStepWithSynch)
{
    ShownGrid s;
    TVxStringGrid& g = *s.g;
    ASSERT_EQ(g.VisibleRowCount(), 10);
    g.SetScrollHints(TScrollHintType::shVertical);
    QScrollBar* bar = g.verticalScrollBar();
    bar->setSliderDown(true);
    bar->setSliderPosition(64);
    EXPECT_TRUE(g.ScrollHintShowing());
    EXPECT_EQ(g.ScrollHintText(), "Row : 46");   // 1 + MulDiv(64, 90, 127)
    EXPECT_EQ(g.TopRow(), 1) << "without ScrollSynch the rows wait for the thumb to drop";

    g.OnScrollHint = [](QObject*, int ARow, QString& text) { text = QStringLiteral("at %1").arg(ARow); };
    g.SetScrollSynch(true);
    bar->setSliderPosition(127);
    EXPECT_EQ(g.ScrollHintText(), "at 91");
    EXPECT_EQ(g.TopRow(), 91);
    bar->setSliderDown(false);
    EXPECT_FALSE(g.ScrollHintShowing());
    EXPECT_EQ(g.TopRow(), 91);

    // Steps count rows whatever the thumb's scale; the column hint is off.
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(g.TopRow(), 90);
    g.horizontalScrollBar()->setSliderDown(true);
    g.horizontalScrollBar()->setSliderPosition(10);
    EXPECT_FALSE(g.ScrollHintShowing());
    g.horizontalScrollBar()->setSliderDown(false);
}

TEST(VxStringGridScroll, ProportionalThumbsShowTheVisibleShareOfThePixels)
{
    ShownGrid s(101, 13);
    TVxStringGrid& g = *s.g;
    for (int c = 1; c < 13; ++c)
        g.SetColWidths(c, 99);   // with the grid line: 12 x 100 + 1 scrollable pixels
    QScrollBar* h = g.horizontalScrollBar();
    EXPECT_EQ(h->pageStep(), 0) << "the toolkit's thumb";
    g.SetScrollProportional(true);
    const double F = 1 + (1 + g.ColWidths(0));
    const float e = float((g.width() - F) / 1201.0);
    EXPECT_EQ(h->pageStep(), int(std::trunc((e + 127.0f) / (1.0f - e))) - 126);
    EXPECT_EQ(h->maximum(), 127);
    EXPECT_EQ(h->value(), 0);

    QScrollBar* v = g.verticalScrollBar();
    const float ev = float((g.height() - 21.0) / (1 + 100 * 21.0));
    EXPECT_EQ(v->pageStep(), int(std::trunc((ev + 127.0f) / (1.0f - ev))) - 126);
    g.SetTopRow(51);
    EXPECT_EQ(v->value(), int((1 + 50 * 21.0) / (1 + 100 * 21.0 - g.height()) * 128));

    g.SetScrollProportional(false);
    EXPECT_EQ(v->pageStep(), 0);
}

TEST(VxStringGridScroll, DragNearAnEdgeScrollsAfterTheDelays)
{
    ShownGrid s;
    TVxStringGrid& g = *s.g;
    g.SetTopRow(5);
    g.DragScrollOver(100, 30, TDragState::dsDragMove);
    EXPECT_FALSE(g.DragScrollTimerActive()) << "drag scrolling is off";
    g.DragScrollOptions().Active = true;
    g.DragScrollOver(100, 30, TDragState::dsDragEnter);
    EXPECT_TRUE(g.DragScrollTimerActive());
    EXPECT_TRUE(g.DragScrollDirection().Contains(TDragScrollDirection::dsdUp));
    auto* timer = g.findChild<QTimer*>();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 1000);
    g.DragScrollTick();
    EXPECT_EQ(g.TopRow(), 4);
    EXPECT_EQ(timer->interval(), 250);
    for (int i = 0; i < 5; ++i)
        g.DragScrollTick();
    EXPECT_EQ(g.TopRow(), 1) << "not above the first normal row";

    bool vetoed = false;
    g.OnDragScroll = [&](QObject*, int, int, TDragScrollDirections& dir, bool& can) {
        dir = {TDragScrollDirection::dsdDown};
        can = !vetoed;
    };
    g.DragScrollTick();
    EXPECT_EQ(g.TopRow(), 2) << "the event turned the direction";
    vetoed = true;
    g.DragScrollTick();
    EXPECT_EQ(g.TopRow(), 2);

    g.DragScrollOver(200, 100, TDragState::dsDragMove);   // the middle
    EXPECT_FALSE(g.DragScrollTimerActive());
    g.DragScrollOver(390, 100, TDragState::dsDragMove);
    EXPECT_TRUE(g.DragScrollDirection().Contains(TDragScrollDirection::dsdRight));
    g.DragScrollOver(390, 100, TDragState::dsDragLeave);
    EXPECT_FALSE(g.DragScrollTimerActive());
}

TEST(VxStringGridScroll, SizingEdgesAndScreenPoints)
{
    ShownGrid s;
    TVxStringGrid& g = *s.g;
    const TRect header = g.CellRect(2, 0);
    EXPECT_FALSE(g.IsOnSizingEdge(header.Right - 3, 5)) << "column sizing is off";
    g.SetOptions(g.Options() | TGridOption::goColSizing);
    EXPECT_TRUE(g.IsOnSizingEdge(header.Right - 3, 5));
    EXPECT_FALSE(g.IsOnSizingEdge(header.Right - 4, 5));
    EXPECT_FALSE(g.IsOnSizingEdge(header.Right - 3, 45)) << "not in a header row";

    int c = -1;
    int r = -1;
    const QPoint global = g.viewport()->mapToGlobal(QPoint(header.Left + 5, 45));
    g.ScreenToCell(TPoint{global.x(), global.y()}, c, r);
    EXPECT_EQ(c, 2);
    EXPECT_EQ(r, 2);
}

TEST(VxStringGridSizing, UserResizeScalesNotifiesAndCorrects)
{
    ShownGrid s;
    TVxStringGrid& g = *s.g;
    for (int c = 1; c < 5; ++c)
        g.SetColWidths(c, 40 * c);
    std::vector<int> ended;
    g.OnEndColumnSize = [&](QObject*, int ACol) { ended.push_back(ACol); };
    g.MouseActions().SetAllColumnSize(true);
    g.SetColWidths(2, 120);   // the user dragged column 2 from 80
    g.ColumnSized(2, 80);
    EXPECT_EQ(g.ColWidths(1), 60);
    EXPECT_EQ(g.ColWidths(3), 180);
    EXPECT_EQ(g.ColWidths(4), 240);
    EXPECT_EQ(ended, std::vector<int>{2});

    g.MouseActions().SetAllColumnSize(false);
    g.OnUpdateColumnSize = [](QObject*, int, int& w) { w = 60; };
    g.SetColWidths(3, 90);
    g.ColumnSized(3, 180);
    EXPECT_EQ(g.ColWidths(3), 60);
    EXPECT_EQ(ended, (std::vector<int>{2, 3})) << "the correction ends no second time";

    std::vector<int> rows;
    g.OnEndRowSize = [&](QObject*, int ARow) { rows.push_back(ARow); };
    g.MouseActions().SetAllRowSize(true);
    g.SetRowHeights(3, 40);
    g.RowSized(3, 20);
    EXPECT_EQ(g.RowHeights(4), 40);
    EXPECT_EQ(g.RowHeights(0), 20) << "fixed rows keep their height";
    EXPECT_EQ(rows, std::vector<int>{3});
}

TEST(VxStringGridSizing, StretchFillsTheClientWidthWithoutTheOtherColumns)
{
    ShownGrid s(101, 3);
    TVxStringGrid& g = *s.g;
    g.SetScrollBars(TScrollStyle::ssNone);
    g.resize(500, 220);
    g.SetColWidths(0, 100);
    g.SetColWidths(1, 100);
    g.ColumnSize().SetStretch(true);
    EXPECT_EQ(g.ColWidths(2), 500 - 200 - 1);
    g.ColumnSize().SetStretchColumn(3);
    EXPECT_THROW(g.ApplyColumnStretch(3), std::runtime_error);
}

TEST(VxStringGridAutoSize, FitRowsAndCells)
{
    ShownGrid s(6, 3);
    TVxStringGrid& g = *s.g;
    g.SetScrollBars(TScrollStyle::ssNone);
    g.resize(300 + 0, 220);
    g.SetFixedCols(0);
    g.SetOptions(g.Options() & ~TGridOptions(TGridOption::goVertLine));   // no room for lines
    g.SetColWidths(0, 50);
    g.SetColWidths(1, 100);
    g.SetColWidths(2, 0);
    g.SetColCount(2);
    g.AutoFitColumns(true);
    EXPECT_EQ(g.ColWidths(0), 100);
    EXPECT_EQ(g.ColWidths(1), 200);
    g.AutoFitColumns(true);
    EXPECT_EQ(g.ColWidths(0), 100) << "a grid that fits stays";

    g.SetCells(1, 2, "one\r\ntwo\r\nthree");
    g.AutoSizeRow(2, 0);
    const int three = g.RowHeights(2);
    g.SetCells(1, 2, "one");
    g.AutoSizeRow(2, 0);
    EXPECT_LT(g.RowHeights(2), three);
    g.SetSizeGrowOnly(true);
    g.SetCells(1, 2, "one\r\ntwo\r\nthree");
    g.AutoSizeRow(2, 4);
    EXPECT_EQ(g.RowHeights(2), three + 4);
    g.SetCells(1, 2, "");
    g.AutoSizeRow(2, 0);
    EXPECT_EQ(g.RowHeights(2), three + 4) << "grow only";

    g.SetSizeGrowOnly(false);
    g.SetCells(0, 4, "a much longer text than the column shows");
    const int before = g.ColWidths(0);
    g.AutoSizeCells(false, 4, 0);
    EXPECT_GT(g.ColWidths(0), before);
    g.SetRowHeights(5, 10);
    g.SizeRowToLines(5, 2, 3);
    EXPECT_GT(g.RowHeights(5), 20);
}

TEST(VxStringGridSelection, QueriesOverTheRectangleAndTheDisjunctLists)
{
    TVxStringGrid g;
    g.SetColCount(6);
    g.SetRowCount(6);
    g.SetCells(1, 1, "a");
    g.SetCells(2, 1, "b");
    g.SetCells(1, 2, "c");
    g.SetCells(2, 2, "d");
    g.SelectCells(1, 1, 2, 2);
    EXPECT_EQ(g.SelectedText(), "a\tb\r\nc\td\r\n");
    EXPECT_TRUE(g.IsSelected(2, 2));
    EXPECT_FALSE(g.IsSelected(0, 1)) << "a fixed cell";
    EXPECT_EQ(g.SelectedCellsCount(), 4);
    EXPECT_EQ(g.SelectedCell(1), (TGridCoord{1, 2})) << "columns outer, rows inner";
    EXPECT_EQ(g.SelectedRowCount(), 2);
    EXPECT_EQ(g.SelectedColCount(), 2);
    EXPECT_EQ(g.GetSelectedRow(1), 2);
    EXPECT_EQ(g.GetSelectedRow(2), -1);

    g.SetExcelClipboardFormat(true);
    g.SetMultilinecells(true);
    g.SetCells(2, 2, "two\r\nlines");
    EXPECT_EQ(g.SelectedText(), "a\tb\r\nc\t\"two\vlines\"\r\n");

    g.MouseActions().SetDisjunctColSelect(true);
    g.SetColSelect(2, true);
    g.SetColSelect(5, true);
    EXPECT_EQ(g.SelectedColCount(), 2);
    EXPECT_TRUE(g.IsSelected(5, 3));
    g.MouseActions().SetDisjunctColSelect(false);

    g.ClearSelectedCells();
    g.MouseActions().SetDisjunctCellSelect(true);
    g.SetSelectedCells(3, 4, true);
    g.SetSelectedCells(4, 3, true);
    g.SetSelectedCells(3, 4, false);
    EXPECT_EQ(g.SelectedCellsCount(), 1);
    EXPECT_TRUE(g.GetSelectedCells(4, 3));
    EXPECT_FALSE(g.IsSelected(3, 4));
    g.ClearSelectedCells();
    EXPECT_EQ(g.SelectedCellsCount(), 0);
    EXPECT_EQ(g.Selection(), (TGridRect{1, 1, 1, 1}));
}
