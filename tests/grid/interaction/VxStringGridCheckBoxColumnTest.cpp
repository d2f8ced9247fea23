#include "InteractionTestGrid.h"
#include "grid/core/CellGraphic.h"
#include "grid/foundation/VxCheckBox.h"
#include <stdexcept>

namespace {
QPoint GraphicCentre(TVxStringGrid& g, int c, int r)
{
    const TRect rc = g.GetCellGraphicRect(c, r);
    return {(rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2};
}
} // namespace

TEST(GridCheckBoxes, AddCheckBoxOutsideTheGridIsAnInvalidCell)
{
    TestGrid g;
    g.SetCells(2, 3, "x");
    for (const TGridCoord cell : {TGridCoord{6, 1}, TGridCoord{1, 20}}) {
        try {
            g.AddCheckBox(cell.X, cell.Y, true, false);
            ADD_FAILURE() << "no exception for " << cell;
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "Invalid cell");
        }
    }
    // A hidden column still counts as a cell of the grid.
    g.HideColumn(5);
    g.AddCheckBox(5, 1, true, false);
    EXPECT_EQ(g.GetCellType(5, 1), TCellType::ctCheckBox);
    EXPECT_EQ(g.Cells(2, 3), "x");
}

TEST(GridCheckBoxes, DataCheckBoxKeepsACheckTextAndReplacesAnyOther)
{
    struct Case {
        const char* before;
        bool state;
        const char* after;
    };
    const Case cases[] = {{"N", true, "N"}, {"Y", false, "Y"}, {"", true, "Y"}, {"maybe", false, "N"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        TestGrid g;
        g.SetCells(2, 3, c.before);
        g.AddCheckBox(2, 3, c.state, true);
        EXPECT_EQ(g.GetCellType(2, 3), TCellType::ctDataCheckBox);
        EXPECT_EQ(g.Cells(2, 3), c.after);
    }
    TestGrid g;
    g.SetCells(2, 3, "maybe");
    g.AddCheckBox(2, 3, true, false);
    EXPECT_EQ(g.Cells(2, 3), "maybe");
    EXPECT_TRUE(g.IsChecked(2, 3));
}

TEST(GridCheckBoxes, CheckBoxTakesTheGridsVerticalAlignment)
{
    const std::pair<TVAlignment, TCellVAlign> cases[] = {{TVAlignment::vtaTop, TCellVAlign::vaTop},
                                                         {TVAlignment::vtaCenter, TCellVAlign::vaCenter},
                                                         {TVAlignment::vtaBottom, TCellVAlign::vaBottom}};
    for (const auto& [grid, cell] : cases) {
        TestGrid g;
        g.SetVAlignment(grid);
        g.AddCheckBox(1, 1, false, false);
        EXPECT_EQ(g.GetCellGraphic(1, 1)->CellVAlign(), cell);
        EXPECT_EQ(g.GetCellGraphic(1, 1)->CellHAlign(), TCellHAlign::haBeforeText);
    }
}

TEST(GridCheckBoxes, ColumnSkipsFixedAndSummaryRowsAndGivesNodesTriStateBoxes)
{
    TestGrid g;
    g.AddNode(4, 3);
    g.MarkSummaryRow(10);
    g.AddCheckBoxColumn(2, true, true);
    EXPECT_FALSE(g.HasCheckBox(2, 0));
    EXPECT_EQ(g.GetCellType(2, 4), TCellType::ctTriStateCheckBox);
    EXPECT_FALSE(g.HasCheckBox(2, 10));
    EXPECT_EQ(g.GetCellType(2, 19), TCellType::ctDataCheckBox);
    EXPECT_EQ(g.Cells(2, 19), "Y");

    g.RemoveCheckBoxColumn(2);
    for (int r = 0; r < g.RowCount(); ++r)
        EXPECT_FALSE(g.HasCheckBox(2, r)) << r;
    EXPECT_EQ(g.Cells(2, 19), "Y");

    g.MouseActions().SetCheckAllCheck(true);
    g.AddCheckBoxColumn(3);
    EXPECT_EQ(g.GetCellType(3, 0), TCellType::ctCheckBox);
}

TEST(GridCheckBoxes, RemoveCheckBoxLeavesOtherGraphics)
{
    TestGrid g;
    g.AddRating(1, 1, 5, 0x0000FF, 0xC0C0C0);
    g.RemoveCheckBox(1, 1);
    EXPECT_EQ(g.GetCellType(1, 1), TCellType::ctRating);
    g.AddCheckBox(1, 2, TCheckBoxState::cbGrayed);
    g.RemoveCheckBox(1, 2);
    EXPECT_EQ(g.GetCellGraphic(1, 2), nullptr);
}

TEST(GridCheckBoxes, ClickOnAnAddedDataCheckBoxTogglesItsText)
{
    TestGrid g;
    g.SetOptions(g.Options() | TGridOption::goEditing);
    g.AddCheckBoxColumn(2, false, true);
    EXPECT_EQ(g.Cells(2, 5), "N");
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, GraphicCentre(g, 2, 5));
    EXPECT_EQ(g.Cells(2, 5), "Y");
    EXPECT_TRUE(g.IsChecked(2, 5));
}
