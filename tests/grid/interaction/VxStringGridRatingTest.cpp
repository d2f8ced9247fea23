#include "InteractionTestGrid.h"

namespace {
void PressAt(TestGrid& g, int c, int r, int dx)
{
    const TRect rc = g.CellRect(c, r);
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, QPoint(rc.Left + dx, rc.Top + 5));
}
} // namespace

TEST(GridRating, PressSetsTheValueInHalfStepsOfNinePixels)
{
    const std::pair<int, double> cases[] = {{2, 0.0}, {9, 0.5}, {30, 1.5}, {44, 2.0}};
    for (const auto& [dx, value] : cases) {
        SCOPED_TRACE(dx);
        TestGrid g;
        g.SetOptions(g.Options() | TGridOption::goEditing);
        g.AddRating(2, 3, 5, clYellow, clSilver);
        g.SetCells(2, 3, "4");
        std::vector<double> asked;
        g.OnRatingChange = [&](QObject*, int ACol, int ARow, double& NewRate, bool&) {
            EXPECT_EQ((TGridCoord{ACol, ARow}), (TGridCoord{2, 3}));
            asked.push_back(NewRate);
        };
        PressAt(g, 2, 3, dx);
        EXPECT_EQ(asked, std::vector<double>{value});
        EXPECT_DOUBLE_EQ(g.Floats(2, 3), value);
        EXPECT_FALSE(g.EditorShown());
    }
}

TEST(GridRating, EventMayRefuseOrChangeAndReadOnlyGridsIgnoreThePress)
{
    TestGrid g;
    g.SetOptions(g.Options() | TGridOption::goEditing);
    g.AddRating(2, 3, 5, clYellow, clSilver);
    g.SetCells(2, 3, "4");
    g.OnRatingChange = [](QObject*, int, int, double&, bool& Allow) { Allow = false; };
    PressAt(g, 2, 3, 30);
    EXPECT_EQ(g.Cells(2, 3), "4");
    g.OnRatingChange = [](QObject*, int, int, double& NewRate, bool&) { NewRate += 0.5; };
    PressAt(g, 2, 3, 30);
    EXPECT_DOUBLE_EQ(g.Floats(2, 3), 2.0);

    g.OnRatingChange = nullptr;
    g.SetOptions(g.Options() & ~TGridOptions(TGridOption::goEditing));
    PressAt(g, 2, 3, 2);
    EXPECT_DOUBLE_EQ(g.Floats(2, 3), 2.0);
}
