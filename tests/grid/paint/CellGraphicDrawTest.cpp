#include "grid/core/CellGraphic.h"
#include "grid/core/GridSettings.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/CellProperties.h"
#include "grid/paint/CellGraphicPaint.h"
#include "grid/paint/ControlLook.h"
#include "grid/paint/GridGlyphs.h"
#include "grid/foundation/GridProgress.h"
#include "grid/model/IntList.h"
#include "platform/ImageList.h"
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {
using CT = TCellType;

// A shown grid of 80 x 24 cells, one fixed row and column, white cells, no lines in the way of a glyph.
struct GraphicGrid {
    TVxStringGrid grid;
    explicit GraphicGrid(int cols = 4, int rows = 5)
    {
        grid.SetColCount(cols);
        grid.SetRowCount(rows);
        grid.SetDefaultColWidth(80);
        grid.SetDefaultRowHeight(24);
        grid.SetFixedRowHeight(24);
        grid.SetColor(clWhite);
        grid.SetLook(TGridLook::glStandard);
        grid.setFrameShape(QFrame::NoFrame);
        grid.SetScrollBars(TScrollStyle::ssNone);
        grid.resize(cols * 81 + 10, rows * 25 + 10);
        grid.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&grid));
        // The current cell out of the way of the cells under test.
        grid.SetCol(cols - 1);
        grid.SetRow(rows - 1);
    }
    QImage Shot() { return grid.viewport()->grab().toImage(); }
    TRect Cell(int c, int r) { return grid.CellRect(c, r); }
};

TColor At(const QImage& img, int x, int y)
{
    return FromQColor(img.pixelColor(x, y));
}

int Count(const QImage& img, const TRect& r, TColor c)
{
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            n += At(img, x, y) == c;
    return n;
}

// Pixels of the glyph bitmap found at (x, y) of the shot, its transparent colour left out.
bool GlyphAt(const QImage& img, TGlyphId id, int x, int y)
{
    const QImage& g = GlyphBitmap(id).Image();
    const QRgb key = g.pixel(0, g.height() - 1);
    for (int gy = 0; gy < g.height(); ++gy)
        for (int gx = 0; gx < g.width(); ++gx)
            if (g.pixel(gx, gy) != key && img.pixel(x + gx, y + gy) != g.pixel(gx, gy))
                return false;
    return true;
}
} // namespace

struct PlaceCase {
    TCellHAlign h;
    TCellVAlign v;
    TAlignment ha;
    int t;
    TRect expected;
};

TEST(PlaceGraphic, ByTheGraphicsAlignmentBesideTheText)
{
    const TRect r = Rect(10, 20, 110, 60);   // 100 x 40; graphics of 16 x 10
    const PlaceCase cases[] = {
        {TCellHAlign::haLeft, TCellVAlign::vaTop, TAlignment::taLeftJustify, 0, Rect(11, 21, 27, 31)},
        {TCellHAlign::haRight, TCellVAlign::vaBottom, TAlignment::taLeftJustify, 0, Rect(93, 49, 109, 59)},
        {TCellHAlign::haCenter, TCellVAlign::vaCenter, TAlignment::taLeftJustify, 0, Rect(52, 35, 68, 45)},
        {TCellHAlign::haBeforeText, TCellVAlign::vaTop, TAlignment::taRightJustify, 30, Rect(64, 21, 80, 31)},
        {TCellHAlign::haBeforeText, TCellVAlign::vaTop, TAlignment::taCenter, 30, Rect(37, 21, 53, 31)},
        {TCellHAlign::haBeforeText, TCellVAlign::vaTop, TAlignment::taRightJustify, 95, Rect(11, 21, 27, 31)},
        {TCellHAlign::haAfterText, TCellVAlign::vaUnderText, TAlignment::taLeftJustify, 30, Rect(40, 50, 56, 60)},
        {TCellHAlign::haAfterText, TCellVAlign::vaTop, TAlignment::taCenter, 30, Rect(67, 21, 83, 31)},
        {TCellHAlign::haFull, TCellVAlign::vaFull, TAlignment::taLeftJustify, 0, Rect(10, 20, 110, 60)},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(int(c.h) * 10 + int(c.v));
        EXPECT_EQ(PlaceGraphic(r, c.h, c.v, c.ha, 16, 10, c.t), c.expected);
    }
}

TEST(CellGraphicDraw, DataCheckBoxesShowTheirStateInsteadOfTheirText)
{
    GraphicGrid g;
    g.grid.ControlLook().SetControlStyle(TControlStyle::csWinXP);
    g.grid.SetOptions(g.grid.Options() | TGridOption::goEditing);
    for (int r : {1, 2}) {
        g.grid.CreateCellGraphic(1, r)->SetCheckBox(false, true, false, TCellHAlign::haLeft, TCellVAlign::vaTop);
        g.grid.SetCells(1, r, r == 1 ? QStringLiteral("Y") : QStringLiteral("N"));
    }
    g.grid.CreateCellGraphic(2, 1)->SetCheckBox(true, true, false, TCellHAlign::haLeft, TCellVAlign::vaTop);
    g.grid.SetCells(2, 1, QStringLiteral("Y"));
    g.grid.SetReadOnly(2, 1, true);
    QImage img = g.Shot();
    // The painter's rectangle starts a pixel into the cell and is inset by XYOffset - 1; a left-aligned
    // box stands one pixel further in.
    const TRect c1 = g.Cell(1, 1), c2 = g.Cell(1, 2), ro = g.Cell(2, 1);
    EXPECT_TRUE(GlyphAt(img, TGlyphId::XPCheckOn, c1.Left + 3, c1.Top + 3));
    EXPECT_TRUE(GlyphAt(img, TGlyphId::XPCheckOff, c2.Left + 3, c2.Top + 3));
    EXPECT_TRUE(GlyphAt(img, TGlyphId::XPCheckOnDisabled, ro.Left + 3, ro.Top + 3));
    // No text beside the boxes: right of them the cells are white.
    EXPECT_EQ(Count(img, Rect(c1.Left + 20, c1.Top, c1.Right - 1, c1.Bottom - 1), clWhite), (c1.Width() - 21) * (c1.Height() - 1));

    g.grid.ControlLook().SetCheckAlwaysActive(true);
    img = g.Shot();
    EXPECT_TRUE(GlyphAt(img, TGlyphId::XPCheckOn, ro.Left + 3, ro.Top + 3));
}

TEST(CellGraphicDraw, ACentredCheckBoxWithoutTextSitsInTheMiddle)
{
    GraphicGrid g;
    g.grid.ControlLook().SetControlStyle(TControlStyle::csZarn);
    g.grid.SetOptions(g.grid.Options() | TGridOption::goEditing);
    g.grid.CreateCellGraphic(1, 1)->SetCheckBox(true, false, false, TCellHAlign::haCenter, TCellVAlign::vaTop);
    g.grid.SetAlignments(1, 1, TAlignment::taCenter);
    const QImage img = g.Shot();
    const TRect c = g.Cell(1, 1);
    // The inset rectangle runs from c.Left + 2 to c.Right - 2; the box of 15 is centred in it.
    EXPECT_TRUE(GlyphAt(img, TGlyphId::ZarnCheckOn, c.Left + 2 + (c.Width() - 4 - 15) / 2, c.Top + 3));
}

TEST(CellGraphicDraw, CommentMarkSitsInTheTopRightCornerWhateverTheOffset)
{
    GraphicGrid g;
    TCellGraphic* plain = g.grid.CreateCellGraphic(1, 1);
    plain->SetCellType(CT::ctComment);
    plain->SetCellAngle(int(clNone));                 // the control look's colour
    TCellGraphic* own = g.grid.CreateCellGraphic(2, 1);
    own->SetCellType(CT::ctComment);
    own->SetCellIndex(int(RGB(0, 160, 0)));           // a colour of its own
    g.grid.SetXYOffset({6, 6});
    QImage img = g.Shot();
    // The painter's rectangle ends a pixel before the cell's right edge and starts a pixel below its top.
    const TRect c = g.Cell(1, 1), d = g.Cell(2, 1);
    EXPECT_EQ(At(img, c.Right - 1 - 3, c.Top + 1), RGB(255, 0, 0));
    EXPECT_EQ(At(img, c.Right - 1 - 8, c.Top + 1), clWhite);
    EXPECT_EQ(At(img, d.Right - 1 - 3, d.Top + 1), RGB(0, 160, 0));

    g.grid.ControlLook().SetCommentColor(clNone);
    img = g.Shot();
    EXPECT_EQ(At(img, c.Right - 1 - 3, c.Top + 1), clWhite);
    EXPECT_EQ(At(img, d.Right - 1 - 3, d.Top + 1), clWhite);
}

TEST(CellGraphicDraw, DataImagesDrawOnlyAnIndexInsideTheList)
{
    GraphicGrid g;
    TCustomImageList images(8, 8);
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    QImage blue(8, 8, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    images.Add(red);
    images.Add(blue);
    g.grid.SetGridImages(&images);
    const char* texts[] = {"0", "1", "2", "-2", "x", ""};
    for (int i = 0; i < 6; ++i) {
        g.grid.SetCells(1 + i % 3, 1 + i / 3, QString::fromLatin1(texts[i]));
        g.grid.CreateCellGraphic(1 + i % 3, 1 + i / 3)->SetDataImage(0, TCellHAlign::haLeft, TCellVAlign::vaTop);
    }
    const QImage img = g.Shot();
    const TColor expected[] = {RGB(255, 0, 0), RGB(0, 0, 255), clWhite, clWhite, clWhite, clWhite};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(texts[i]);
        const TRect c = g.Cell(1 + i % 3, 1 + i / 3);
        EXPECT_EQ(At(img, c.Left + 4, c.Top + 4), expected[i]);
    }
}

TEST(CellGraphicDraw, RatingFillsWholeAndHalfStars)
{
    GraphicGrid g(2, 3);
    g.grid.SetColWidths(1, 120);
    TCellGraphic* rating = g.grid.CreateCellGraphic(1, 1);
    rating->SetCellType(CT::ctRating);
    rating->SetCellAngle(5);
    rating->CellBitmap().Value = RGB(0, 0, 255);     // empty
    rating->SetCellIndex(int(RGB(255, 0, 0)));        // filled
    g.grid.SetCells(1, 1, QStringLiteral("3.3"));     // 6.6 half steps round to 7: 3.5 stars
    const QImage img = g.Shot();
    const TRect c = g.Cell(1, 1);
    const int x0 = c.Left + 2, y = c.Top + 2 + 9;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(At(img, x0 + i * 18 + 8, y), RGB(255, 0, 0)) << i;
    EXPECT_EQ(At(img, x0 + 3 * 18 + 5, y), RGB(255, 0, 0));   // the half star's left half
    EXPECT_EQ(At(img, x0 + 3 * 18 + 11, y), RGB(0, 0, 255));
    EXPECT_EQ(At(img, x0 + 4 * 18 + 8, y), RGB(0, 0, 255));
}

TEST(CellGraphicDraw, ProgressOfAnEmptyRangeDrawsNothingDone)
{
    GraphicGrid g;
    g.grid.ProgressAppearance().SetShowPercentage(false);
    g.grid.ProgressAppearance().SetLevel0Color(RGB(0, 255, 0));
    g.grid.ProgressAppearance().SetLevel0ColorTo(RGB(0, 255, 0));
    g.grid.ProgressAppearance().SetShowGradient(false);
    for (int c : {1, 2}) {
        TCellGraphic* p = g.grid.CreateCellGraphic(c, 1);
        p->SetCellType(CT::ctXPProgress);
        p->SetCellErrFrom(0);
        p->SetCellErrLen(c == 1 ? 0 : 100);
        g.grid.SetCells(c, 1, QStringLiteral("50"));
    }
    const QImage img = g.Shot();
    EXPECT_EQ(Count(img, g.Cell(1, 1), RGB(0, 255, 0)), 0);
    EXPECT_GT(Count(img, g.Cell(2, 1), RGB(0, 255, 0)), 0);
}

TEST(CellGraphicDraw, NodeRowsShowTheirGlyphInColumnZero)
{
    GraphicGrid g(3, 6);
    g.grid.CellNode().SetNodeType(TNodeType::cnFlat);
    g.grid.CellNode().SetNodeColor(RGB(255, 0, 255));
    g.grid.CellNode().SetShowTree(false);
    g.grid.AddNode(1, 3);
    const QImage img = g.Shot();
    const TRect node = g.Cell(0, 1), child = g.Cell(0, 2);
    EXPECT_GT(Count(img, node, RGB(255, 0, 255)), 20);   // the 9 x 9 frame and the minus
    EXPECT_EQ(Count(img, child, RGB(255, 0, 255)), 0);
}

TEST(CellGraphicDraw, FixedCellsOwnColourCountsOnlyWithoutAGraphic)
{
    GraphicGrid g;
    g.grid.SetLook(TGridLook::glXP);
    g.grid.SetZarnGradientFrom(RGB(0, 255, 0));
    g.grid.SetZarnGradientTo(RGB(0, 255, 0));
    g.grid.SetColors(1, 0, RGB(255, 0, 0));
    g.grid.SetColors(2, 0, RGB(255, 0, 0));
    g.grid.CreateCellGraphic(2, 0)->SetCheckBox(true, false, false, TCellHAlign::haRight, TCellVAlign::vaTop);
    const QImage img = g.Shot();
    EXPECT_EQ(At(img, g.Cell(1, 0).Left + 10, 12), RGB(255, 0, 0));
    EXPECT_EQ(At(img, g.Cell(2, 0).Left + 40, 12), RGB(0, 255, 0));   // right of its check box
}

// A grid whose pointer rests on one header, pressed or not.
struct HotHeaderGrid : TVxStringGrid {
    int hotCol = -1, state = 0;
    int FixedCellHotState(int ACol, int ARow, bool& ButtonPressed) override
    {
        ButtonPressed = false;
        return ARow == 0 && ACol == hotCol ? state : 0;
    }
};

TEST(CellGraphicDraw, HotAndPressedHeadersTakeTheirGradients)
{
    HotHeaderGrid grid;
    grid.SetColCount(4);
    grid.SetRowCount(3);
    grid.SetDefaultColWidth(80);
    grid.setFrameShape(QFrame::NoFrame);
    grid.resize(340, 100);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    TFixedGradients& z = grid.Appearance().Zarn;
    z.HoverFrom = z.HoverTo = z.HoverMirrorFrom = z.HoverMirrorTo = RGB(255, 0, 0);
    z.DownFrom = z.DownTo = z.DownMirrorFrom = z.DownMirrorTo = RGB(0, 0, 255);
    grid.hotCol = 2;
    for (int state : {1, 2}) {
        grid.state = state;
        const QImage img = grid.viewport()->grab().toImage();
        const TColor expected = state == 1 ? RGB(255, 0, 0) : RGB(0, 0, 255);
        EXPECT_EQ(At(img, grid.CellRect(2, 0).Left + 20, 10), expected) << state;
        EXPECT_NE(At(img, grid.CellRect(1, 0).Left + 20, 10), expected) << state;
    }
}

TEST(CellTextSize, TurnedTextMeasuresItsBoundingBoxPlusTwelve)
{
    GraphicGrid g;
    g.grid.SetCells(1, 1, QStringLiteral("Some header"));
    g.grid.SetCells(2, 1, QStringLiteral("Some header"));
    g.grid.CreateCellGraphic(2, 1)->SetAngle(90);
    const TPoint plain = g.grid.GetCellTextSize(1, 1);
    EXPECT_GT(plain.X, plain.Y);
    EXPECT_EQ(g.grid.GetCellTextSize(2, 1), (TPoint{plain.Y + 12, plain.X + 12}));
    g.grid.CreateCellGraphic(2, 1)->SetAngle(180);
    EXPECT_EQ(g.grid.GetCellTextSize(2, 1), (TPoint{plain.X + 12, plain.Y + 12}));
}

// Every look and every kind of cell in one picture, for a person to look at; nothing is compared here.
TEST(CellGraphicDraw, RendersEveryLookAndCellKindToAPicture)
{
    const TGridLook looks[] = {TGridLook::glStandard, TGridLook::glSoft, TGridLook::glClassic, TGridLook::glZarn,
                               TGridLook::glXP, TGridLook::glListView, TGridLook::glVista, TGridLook::glWin7,
                               TGridLook::glOffice2007};
    const CT kinds[] = {CT::ctCheckBox, CT::ctDataCheckBox, CT::ctTriStateCheckBox, CT::ctRadioButton, CT::ctRadio,
                        CT::ctImageList, CT::ctDataImage, CT::ctImages, CT::ctBitmap, CT::ctRotated, CT::ctProgress,
                        CT::ctXPProgress, CT::ctProgressPie, CT::ctRangeIndicator, CT::ctComment, CT::ctButton,
                        CT::ctExpand, CT::ctShape, CT::ctRating};
    TCustomImageList images(16, 16);
    for (Qt::GlobalColor color : {Qt::red, Qt::darkGreen, Qt::blue}) {
        QImage img(16, 16, QImage::Format_RGB32);
        img.fill(color);
        images.Add(img);
    }
    const int columns = int(std::size(kinds)) + 1;
    QImage sheet(columns * 91, int(std::size(looks)) * 3 * 26, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter sheetPainter(&sheet);
    int y = 0;
    for (TGridLook look : looks) {
        TVxStringGrid grid;
        grid.SetLook(look);
        grid.SetColCount(columns);
        grid.SetRowCount(3);
        grid.SetDefaultColWidth(90);
        grid.SetGridImages(&images);
        grid.setFrameShape(QFrame::NoFrame);
        grid.SetScrollBars(TScrollStyle::ssNone);
        grid.resize(sheet.width(), 3 * 26);
        grid.SetDefaultRowHeight(25);
        grid.SetCells(0, 1, LookToString(look));
        grid.SetCells(0, 2, QStringLiteral("<b>mini</b> <i>HTML</i>"));
        for (int i = 0; i < int(std::size(kinds)); ++i) {
            const int c = i + 1;
            TCellGraphic* g = grid.CreateCellGraphic(c, 1);
            g->SetCellType(kinds[i]);
            g->SetCellBoolean(true);
            grid.SetCells(c, 0, QStringLiteral("kind %1").arg(int(kinds[i])));
            grid.SetCells(c, 1, QStringLiteral("1"));
            grid.SetCells(c, 2, QStringLiteral("text %1").arg(c));
            switch (kinds[i]) {
            case CT::ctDataCheckBox: grid.SetCells(c, 1, QStringLiteral("Y")); break;
            case CT::ctRadio: g->CellBitmap().Set(new QStringList{QStringLiteral("a"), QStringLiteral("b")}); g->SetCellCreated(true); g->SetCellIndex(1); break;
            case CT::ctImages: g->SetMultiImage(c, 1, 0, TCellHAlign::haLeft, TCellVAlign::vaTop, {}); g->CellBitmap().As<TIntList>()->Add(0); g->CellBitmap().As<TIntList>()->Add(2); break;
            case CT::ctBitmap: { auto* b = new TBitmap(12, 12); b->Canvas().Brush().SetColor(clTeal); b->Canvas().FillRect(Rect(0, 0, 12, 12)); g->SetBitmap(b, false, TCellHAlign::haLeft, TCellVAlign::vaTop); g->SetCellCreated(true); break; }
            case CT::ctRotated: g->SetAngle(45); grid.SetCells(c, 1, QStringLiteral("turned")); break;
            case CT::ctProgress:
            case CT::ctXPProgress: g->SetCellErrLen(100); g->CellBitmap().Value = clLime; g->CellIcon().Value = clWhite; grid.SetCells(c, 1, QStringLiteral("60")); break;
            case CT::ctProgressPie: g->CellBitmap().Value = clRed; g->SetCellAngle(70); break;
            case CT::ctRangeIndicator: g->SetCellIndex(100); g->CellBitmap().Value = clRed; g->CellIcon().Value = clGreen; grid.SetCells(c, 1, QStringLiteral("40")); break;
            case CT::ctButton: g->SetButton(60, 18, QStringLiteral("Press"), TCellHAlign::haLeft, TCellVAlign::vaTop); break;
            case CT::ctShape: g->SetCellAngle(int(TCellShape::csDiamond)); g->CellBitmap().Value = clBlack; g->SetCellIndex(int(clYellow)); break;
            case CT::ctRating: g->SetCellAngle(5); g->SetCellIndex(int(clRed)); g->CellBitmap().Value = clSilver; grid.SetCells(c, 1, QStringLiteral("2.5")); break;
            default: break;
            }
        }
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
        const QImage shot = grid.viewport()->grab().toImage();
        sheetPainter.drawImage(0, y, shot);
        y += shot.height();
    }
    sheetPainter.end();
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("grid_looks_and_cells.png"));
    ASSERT_TRUE(sheet.save(path));
    EXPECT_TRUE(QFileInfo::exists(path));
}

TEST(CellPainterSteps, RowIndicatorEditorButtonsTreeLinesAndLinks)
{
    GraphicGrid g(3, 6);
    TBitmap indicator(6, 6);
    indicator.Canvas().Brush().SetColor(RGB(255, 0, 0));
    indicator.Canvas().FillRect(Rect(0, 0, 6, 6));
    indicator.Canvas().SetPixels(0, 5, RGB(0, 255, 255));   // the transparent corner
    g.grid.SetRowIndicator(indicator);
    g.grid.OnHasComboBox = [](QObject*, int ACol, int ARow, bool& Has) { Has = ACol == 1 && ARow == 1; };
    g.grid.SetCells(2, 2, QStringLiteral("http://example.org"));
    const TColor link = RGB(0, 128, 255);
    g.grid.SetURLColor(link);
    QImage img = g.Shot();
    const TRect current = g.Cell(0, 5), combo = g.Cell(1, 1), url = g.Cell(2, 2);
    EXPECT_GT(Count(img, current, RGB(255, 0, 0)), 20);
    EXPECT_EQ(Count(img, Rect(combo.Right - 18, combo.Top, combo.Right - 1, combo.Bottom - 1), clWhite),
              17 * (combo.Height() - 1));
    EXPECT_EQ(Count(img, url, link), 0);

    g.grid.ControlLook().SetDropDownAlwaysVisible(true);
    g.grid.SetURLShow(true);
    g.grid.CellNode().SetTreeColor(RGB(255, 0, 255));
    g.grid.AddNode(1, 3);
    img = g.Shot();
    EXPECT_LT(Count(img, Rect(combo.Right - 18, combo.Top, combo.Right - 1, combo.Bottom - 1), clWhite),
              17 * (combo.Height() - 1) / 2);
    EXPECT_GT(Count(img, url, link), 10);
    EXPECT_GT(Count(img, g.Cell(0, 2), g.grid.CellNode().TreeColor()), 5);   // a child row under the node

    g.grid.CellNode().SetShowTree(false);
    img = g.Shot();
    EXPECT_EQ(Count(img, g.Cell(0, 2), g.grid.CellNode().TreeColor()), 0);
}
