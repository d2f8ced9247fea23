#include "InteractionTestGrid.h"
#include "grid/interaction/GridFormControls.h"

namespace {
QPoint Inside(const TVxStringGrid& g, int c, int r, int dx = 20)
{
    const TRect rc = g.CellRect(c, r);
    return {rc.Left + dx, rc.Top + 8};
}

bool EditorOpen(const TVxStringGrid& g) { return g.TransEdit()->isVisible() || g.TransCombo()->isVisible(); }
} // namespace

TEST(GridFixedEdit, TheNamedClickOpensTheHeaderEditor)
{
    struct Case {
        const char* name;
        TGridFixedCellEdit rows, cols;
        Qt::MouseButton button;
        bool doubleClick;
        TGridCoord cell;
        bool opens;
    };
    using E = TGridFixedCellEdit;
    const Case cases[] = {
        {"left click on a header", E::fceLeftClick, E::fceNone, Qt::LeftButton, false, {2, 0}, true},
        {"right click on a header", E::fceRightClick, E::fceNone, Qt::RightButton, false, {2, 0}, true},
        {"left click when right is named", E::fceRightClick, E::fceNone, Qt::LeftButton, false, {2, 0}, false},
        {"double click on a header", E::fceDblClick, E::fceNone, Qt::LeftButton, true, {2, 0}, true},
        {"single click when double is named", E::fceDblClick, E::fceNone, Qt::LeftButton, false, {2, 0}, false},
        {"left click on a fixed column", E::fceNone, E::fceLeftClick, Qt::LeftButton, false, {0, 3}, true},
        {"rows setting leaves fixed columns", E::fceLeftClick, E::fceNone, Qt::LeftButton, false, {0, 3}, false},
        {"normal cell never", E::fceLeftClick, E::fceLeftClick, Qt::LeftButton, false, {2, 3}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestGrid g;
        g.SetCells(c.cell.X, c.cell.Y, "Head");
        g.MouseActions().SetFixedRowsEdit(c.rows);
        g.MouseActions().SetFixedColsEdit(c.cols);
        const QPoint p = Inside(g, c.cell.X, c.cell.Y);
        if (c.doubleClick)
            QTest::mouseDClick(g.viewport(), c.button, {}, p);
        else
            QTest::mouseClick(g.viewport(), c.button, {}, p);
        EXPECT_EQ(EditorOpen(g), c.opens);
        if (c.opens) {
            EXPECT_EQ(g.TransEdit()->text(), "Head");
        }
    }
}

TEST(GridFixedEdit, NearABorderColumnSizingWins)
{
    TestGrid g;
    g.SetOptions(g.Options() | TGridOption::goColSizing);
    g.MouseActions().SetFixedRowsEdit(TGridFixedCellEdit::fceLeftClick);
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, Inside(g, 2, 0, 2));
    EXPECT_FALSE(EditorOpen(g));
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, Inside(g, 2, 0, 20));
    EXPECT_TRUE(EditorOpen(g));
}
