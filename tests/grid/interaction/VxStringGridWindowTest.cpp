#include "InteractionTestGrid.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridSettings.h"

namespace {

class HintGrid : public TestGrid {
public:
    // The hint for the point 3 pixels inside a cell's top-left corner.
    QString HintAt(int ACol, int ARow, THintInfo* Info = nullptr)
    {
        const TRect r = CellRect(ACol, ARow);
        THintInfo info;
        info.CursorPos = QPoint(r.Left + 3, r.Top + 3);
        QString hint;
        BuildCellHint(hint, info);
        if (Info)
            *Info = info;
        return hint;
    }
};

} // namespace

TEST(GridHint, CellTextAndApplicationHint)
{
    HintGrid grid;
    grid.SetCells(2, 3, "<b>bold</b> text");
    EXPECT_EQ(grid.HintAt(2, 3), "");   // no hint options, no hint event

    grid.SetHintShowCells(true);
    EXPECT_EQ(grid.HintAt(2, 3), "bold text");
    grid.SetHTMLHint(true);
    EXPECT_EQ(grid.HintAt(2, 3), "<b>bold</b> text");
    EXPECT_EQ(grid.HintAt(0, 3), "");   // fixed cells show no cell text

    grid.SetHintShowCells(false);
    std::vector<std::pair<int, int>> asked;
    grid.OnGridHint = [&](QObject*, int row, int col, QString& hint) {
        asked.push_back({col, row});
        hint = QStringLiteral("hint %1,%2").arg(col).arg(row);
    };
    THintInfo info;
    EXPECT_EQ(grid.HintAt(4, 5, &info), "hint 4,5");
    EXPECT_EQ(info.HintColor, grid.HintColor());
    // Below the cell, at the pointer's X.
    const TRect r = grid.CellRect(4, 5);
    EXPECT_EQ(info.HintPos, grid.viewport()->mapToGlobal(QPoint(r.Left + 3, r.Bottom + 6)));
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{4, 5}}));
}

TEST(GridHint, LargeTextOnlyForCutOffCells)
{
    HintGrid grid;
    grid.SetHintShowLargeText(true);
    grid.SetCells(2, 3, "ok");
    grid.SetCells(3, 3, QString(200, QLatin1Char('w')));
    EXPECT_EQ(grid.HintAt(2, 3), "");
    THintInfo info;
    EXPECT_EQ(grid.HintAt(3, 3, &info), QString(200, QLatin1Char('w')));
    const TRect r = grid.CellRect(3, 3);
    EXPECT_EQ(info.HintPos, grid.viewport()->mapToGlobal(QPoint(r.Left, r.Top)));
}

TEST(GridHint, FloatingFooterRowIsNotAsked)
{
    HintGrid grid;
    grid.SetRowCount(6);
    grid.FloatingFooter().SetVisible(true);
    int asked = 0;
    grid.OnGridHint = [&](QObject*, int, int, QString& hint) {
        ++asked;
        hint = "x";
    };
    grid.HintAt(2, 4);
    EXPECT_EQ(asked, 1);
    // The footer row may not be in view; the hint is built for whichever cell is at that point.
    const int footer = grid.RowCount() - 1;
    if (!grid.CellRect(2, footer).IsEmpty()) {
        EXPECT_EQ(grid.HintAt(2, footer), "");
        EXPECT_EQ(asked, 1);
    }
}

TEST(GridWindow, NothingPaintsUnderTheUpdateLock)
{
    TestGrid grid;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    int paints = 0;
    grid.OnPainted = [&](QObject*) { ++paints; };
    grid.StartUpdate();
    grid.viewport()->repaint();
    EXPECT_EQ(paints, 0);
    grid.ResetUpdate();
    grid.viewport()->repaint();
    EXPECT_EQ(paints, 1);
}

TEST(GridWindow, SynchronisedColumnsKeepTheirShareOfTheWidth)
{
    TestGrid grid;
    grid.SetColCount(3);
    grid.SetColWidths(0, 20);
    grid.SetColWidths(1, 100);
    grid.SetColWidths(2, 60);
    grid.ColumnSize().SetSynchWithGrid(true);
    grid.InitOrigColSizes();
    grid.resize(grid.width() * 2, grid.height());
    QApplication::processEvents();
    EXPECT_EQ(grid.ColWidths(0), 40);
    EXPECT_EQ(grid.ColWidths(1), 200);
    EXPECT_EQ(grid.ColWidths(2), 120);

    // Normal cells only: the fixed column keeps its width.
    grid.ColumnSize().SetSynchNormalCellsOnly(true);
    grid.resize(grid.width() / 2, grid.height());
    QApplication::processEvents();
    EXPECT_EQ(grid.ColWidths(0), 40);
    EXPECT_EQ(grid.ColWidths(1), 100);
}

TEST(GridWindow, StretchedGridReportsItsResize)
{
    TestGrid grid;
    grid.SetColCount(3);
    grid.ColumnSize().SetStretch(true);
    int resized = 0;
    grid.OnGridResize = [&](QObject*) { ++resized; };
    grid.resize(grid.width() + 80, grid.height());
    QApplication::processEvents();
    EXPECT_GE(resized, 1);
    EXPECT_EQ(grid.ColWidths(0) + grid.ColWidths(1) + grid.ColWidths(2) + 1, grid.ClientWidth());   // the stretch leaves one pixel
}

TEST(GridWindow, SizeWithFormFollowsTheWindow)
{
    QWidget window;
    window.resize(500, 400);
    auto* grid = new TVxStringGrid(&window);
    grid->setGeometry(10, 10, 300, 200);
    grid->SetSizeWithForm(true);
    window.show();
    window.resize(560, 430);
    QApplication::processEvents();
    EXPECT_EQ(grid->size(), QSize(360, 230));

    // A size that would reach 0 is not applied.
    window.resize(200, 150);
    QApplication::processEvents();
    EXPECT_EQ(grid->size(), QSize(360, 230));

    grid->SetSizeWithForm(false);
    window.resize(600, 500);
    QApplication::processEvents();
    EXPECT_EQ(grid->size(), QSize(360, 230));
}

TEST(GridFocus, AlwaysEditOpensTheEditorAsTheFocusArrives)
{
    QWidget window;
    auto* before = new QWidget(&window);
    before->setFocusPolicy(Qt::StrongFocus);
    auto* grid = new TestGrid;
    grid->setParent(&window);
    grid->move(0, 30);
    grid->SetOptions(grid->Options() | TGridOption::goEditing);
    grid->Navigation().SetAlwaysEdit(true);
    grid->SetCol(2);
    grid->SetRow(3);
    int entered = 0;
    grid->OnEnter = [&](QObject*) { ++entered; };
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    before->setFocus();
    grid->setFocus();
    EXPECT_TRUE(grid->EditorShown());
    EXPECT_EQ(entered, 1);

    // Closing the editor keeps the focus in the grid and does not open it again.
    grid->HideInplaceEdit();
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_FALSE(grid->EditorShown());
    EXPECT_EQ(entered, 1);

    // A read-only current cell: the focus arrives, no editor opens.
    before->setFocus();
    grid->SetReadOnly(2, 3, true);
    grid->setFocus();
    EXPECT_FALSE(grid->EditorShown());
    EXPECT_EQ(entered, 2);
}

TEST(GridWindow, TheApplicationChoosesTheCursorOverACell)
{
    TestGrid grid;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    grid.OnGetCellCursor = [](QObject*, int col, int, int, int, int& cursor) {
        if (col == 2)
            cursor = int(Qt::PointingHandCursor);
    };
    auto moveTo = [&](int col) {
        const TRect r = grid.CellRect(col, 3);
        const QPointF p(r.Left + 4, r.Top + 4);
        QMouseEvent move(QEvent::MouseMove, p, grid.viewport()->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(grid.viewport(), &move);
    };
    moveTo(2);
    EXPECT_EQ(grid.viewport()->cursor().shape(), Qt::PointingHandCursor);
    moveTo(3);
    EXPECT_EQ(grid.viewport()->cursor().shape(), Qt::ArrowCursor);
}
