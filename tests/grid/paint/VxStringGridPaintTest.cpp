#include "grid/core/VxStringGrid.h"
#include "grid/paint/ControlLook.h"
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// A shown 4 x 4 grid, 64 x 24 cells, one fixed row and column, on white.
struct ShownGrid {
    TVxStringGrid grid;
    ShownGrid()
    {
        grid.SetColCount(4);
        grid.SetRowCount(4);
        grid.SetDefaultColWidth(64);
        grid.SetDefaultRowHeight(24);
        grid.SetFixedRowHeight(24);
        grid.SetColor(clWhite);
        grid.setFrameShape(QFrame::NoFrame);
        grid.SetScrollBars(TScrollStyle::ssNone);
        grid.resize(300, 130);
        grid.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }
    QImage Shot() { return grid.viewport()->grab().toImage(); }
};

TColor At(const QImage& img, int x, int y)
{
    return FromQColor(img.pixelColor(x, y));
}
} // namespace

TEST(VxStringGridPaint, FixedRowsTakeTheLooksGradientOrTheFixedColour)
{
    ShownGrid g;
    g.grid.SetZarnGradientFrom(RGB(255, 0, 0));
    g.grid.SetZarnGradientTo(RGB(0, 0, 255));
    QImage img = g.Shot();
    // Row 1 holds the white 3D edge; below it the gradient runs from red to blue.
    EXPECT_GT(GetRValue(At(img, 100, 3)), 200);
    EXPECT_GT(GetBValue(At(img, 100, 20)), 200);
    EXPECT_EQ(At(img, 220, 60), clWhite);                       // a normal cell

    g.grid.SetLook(TGridLook::glStandard);
    g.grid.SetFixedColor(RGB(0, 128, 0));
    img = g.Shot();
    EXPECT_EQ(At(img, 100, 10), RGB(0, 128, 0));
    EXPECT_EQ(g.grid.Appearance().SelectionColor, clHighlight);   // the look's own selection colours
}

TEST(VxStringGridPaint, SelectedCellsMixTheirOwnColourWithTheSelection)
{
    ShownGrid g;
    g.grid.SetLook(TGridLook::glStandard);
    g.grid.SetColors(2, 2, RGB(255, 0, 0));
    g.grid.SetSelectionColor(RGB(0, 0, 255));
    g.grid.SetSelectionColorMixer(true);
    g.grid.SetSelection(TGridRect{1, 1, 2, 2});
    const QImage img = g.Shot();
    EXPECT_EQ(At(img, 64 * 2 + 30, 24 * 2 + 12), RGB(128, 0, 128));   // own colour mixed half and half
    EXPECT_EQ(At(img, 64 + 30, 24 + 12), RGB(0, 0, 255));             // the grid's colour: unmixed
    EXPECT_EQ(At(img, 64 * 3 + 30, 24 * 3 + 12), clWhite);
}

TEST(VxStringGridPaint, TextStartsAtTheOffsetAndPasswordsAreMasked)
{
    ShownGrid g;
    g.grid.SetLook(TGridLook::glStandard);
    g.grid.SetCells(1, 2, "WWWW");   // row 1 holds the current, selected cell
    g.grid.SetCells(2, 2, "WWWW");
    g.grid.OnIsPasswordCell = [](QObject*, int, int ACol, bool& password) { password = ACol == 2; };
    const QImage img = g.Shot();
    auto inkLeft = [&](int x0) {
        for (int x = x0; x < x0 + 64; ++x)
            for (int y = 49; y < 71; ++y)
                if (At(img, x, y) == clBlack)
                    return x - x0;
        return -1;
    };
    EXPECT_EQ(inkLeft(64), 3);   // 1 pixel of grid line inset, then XYOffset.X
    EXPECT_GE(inkLeft(128), 3);
    // The masked cell shows stars, not the letters: the two cells differ.
    EXPECT_NE(img.copy(64, 49, 60, 20), img.copy(128, 49, 60, 20));
}

TEST(VxStringGridPaint, EveryLookRendersToAPictureForAPerson)
{
    const TGridLook looks[] = {TGridLook::glStandard, TGridLook::glSoft, TGridLook::glClassic, TGridLook::glZarn,
                               TGridLook::glXP, TGridLook::glListView, TGridLook::glVista, TGridLook::glWin7,
                               TGridLook::glOffice2007};
    QImage sheet(300, 130 * 9, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    int y = 0;
    for (TGridLook look : looks) {
        ShownGrid g;
        g.grid.SetLook(look);
        g.grid.SetCells(1, 0, "Name");
        g.grid.SetCells(2, 0, "Value");
        g.grid.SetCells(1, 1, LookDisplayName(look));
        g.grid.SetCells(2, 1, "<b>bold</b> <i>html</i>");
        g.grid.SetCells(1, 2, "12.5");
        g.grid.SetColors(2, 2, RGB(255, 230, 200));
        g.grid.SetSelection(TGridRect{1, 3, 2, 3});
        p.drawImage(0, y, g.Shot());
        y += 130;
    }
    p.end();
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("grid_looks.png");
    EXPECT_TRUE(sheet.save(path));
    EXPECT_TRUE(QFileInfo::exists(path));
}

// A grid whose background is no gradient shows its own colour beside and below its cells, whatever ColorTo says.
TEST(VxStringGridPaint, NoGradientOutsideTheCellsOfAPlainBackground)
{
    ShownGrid g;
    g.grid.BackGround().SetColor(RGB(255, 0, 0));
    g.grid.BackGround().SetColorTo(RGB(0, 0, 255));
    ASSERT_FALSE(g.grid.BackGround().IsGradient());
    const QImage img = g.Shot();
    for (const QPoint p : {QPoint(290, 2), QPoint(290, 127), QPoint(100, 120)})
        EXPECT_EQ(At(img, p.x(), p.y()), clWhite) << p.x() << "," << p.y();
}

TEST(VxStringGridPaint, BackgroundGradientRunsBehindCellsAndOutsideThem)
{
    ShownGrid g;
    int painted = 0;
    g.grid.OnPainted = [&](QObject*) { ++painted; };
    g.grid.BackGround().SetDisplay(TBackGroundDisplay::bdGradientVert);
    g.grid.BackGround().SetColor(RGB(255, 0, 0));
    g.grid.BackGround().SetColorTo(RGB(0, 0, 255));
    g.grid.SetColors(2, 2, RGB(0, 255, 0));
    const QImage img = g.Shot();
    EXPECT_GT(GetRValue(At(img, 290, 2)), 240);    // right of the last column, at the top
    EXPECT_GT(GetBValue(At(img, 290, 127)), 240);  // and at the bottom
    EXPECT_EQ(GetGValue(At(img, 100, 120)), 0);    // below the last row
    EXPECT_EQ(At(img, 150, 60), RGB(0, 255, 0));   // a cell with a colour of its own keeps it
    // A cell without one shows the same gradient as the area beside it.
    EXPECT_LE(std::abs(GetRValue(At(img, 220, 60)) - GetRValue(At(img, 290, 60))), 8);
    EXPECT_GE(painted, 1);
}
