#include "PickerTestSupport.h"
#include "support/QStringPrinter.h"
#include "widgets/dropdown/VxColorPickerPanels.h"
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// A panel shown in a window of its own, so the mouse reaches it.
template <typename Panel>
struct Shown {
    QWidget window;
    Panel* panel = new Panel(&window);
    Shown()
    {
        window.resize(220, 220);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
};
} // namespace

TEST(ColorCube, CellsOfTheHoneycomb)
{
    TVxColorCubePanel cube;
    EXPECT_EQ(cube.size(), QSize(182, 160));
    const struct {
        int number;
        TPoint centre;
        TColor color;
    } cells[] = {
        {1, {55, 20}, 0x663300},   {7, {127, 20}, 0x660000},   {8, {49, 30}, 0x666600},   {13, {109, 30}, 0xFF0000},
        {58, {19, 80}, 0x003300},  {64, {91, 80}, 0xFFFFFF},  {70, {163, 80}, 0x660066}, {71, {25, 90}, 0x006633},
        {121, {55, 140}, 0x003366}, {127, {127, 140}, 0x2100A5},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(cube.Cell(c.number).Center, c.centre);
        EXPECT_EQ(cube.Cell(c.number).Color, c.color);
    }
}

TEST(ColorCube, HitTest)
{
    TVxColorCubePanel cube;
    const struct {
        TPoint at;
        int cell;
    } hits[] = {
        {{55, 20}, 1},   {{61, 20}, 1},   // exactly 6 pixels from the centre still belongs to it
        {{62, 20}, 2},   {{61, 30}, 9}, {{61, 23}, -1},   // between three cells
        {{0, 0}, -1},    {{127, 140}, 127}, {{127, 146}, 127}, {{127, 147}, -1},
    };
    for (const auto& h : hits) {
        SCOPED_TRACE(testing::Message() << h.at.X << "," << h.at.Y);
        EXPECT_EQ(cube.CellAtPos(h.at.X, h.at.Y), h.cell);
    }
}

TEST(ColorCube, SelectedColorFindsItsCell)
{
    TVxColorCubePanel cube;
    cube.SetSelectedColor(0xFF0000);
    EXPECT_EQ(cube.SelectedIndex(), 13);
    cube.SetSelectedColor(0x123456);
    EXPECT_EQ(cube.SelectedIndex(), -1);
    EXPECT_EQ(cube.SelectedColor(), 0x123456u);
}

TEST(ColorCube, MouseShowsTheRgbHintAndClickPicks)
{
    Shown<TVxColorCubePanel> s;
    TVxColorCubePanel& cube = *s.panel;
    int selects = 0;
    cube.OnSelect = [&](QObject*) { ++selects; };
    QTest::mouseMove(&cube, QPoint(91, 80));
    EXPECT_EQ(cube.HotIndex(), 64);
    EXPECT_EQ(cube.toolTip(), QStringLiteral("Red: 255,  Green: 255,  Blue: 255"));
    QTest::mouseMove(&cube, QPoint(55, 20));
    EXPECT_EQ(cube.toolTip(), QStringLiteral("Red: 0,  Green: 51,  Blue: 102"));
    QTest::mouseMove(&cube, QPoint(61, 23));   // no cell: no hint, the hot cell stays
    EXPECT_EQ(cube.toolTip(), QString());
    EXPECT_EQ(cube.HotIndex(), 1);
    QTest::mouseClick(&cube, Qt::LeftButton, Qt::NoModifier, QPoint(109, 30));
    EXPECT_EQ(cube.SelectedIndex(), 13);
    EXPECT_EQ(cube.SelectedColor(), 0xFF0000u);
    EXPECT_EQ(selects, 1);
    QTest::mouseClick(&cube, Qt::LeftButton, Qt::NoModifier, QPoint(61, 23));
    EXPECT_EQ(selects, 1);
    cube.ResetHot();
    EXPECT_EQ(cube.HotIndex(), -1);
}

TEST(ColorSpectrum, LayoutSwatchesAndPicking)
{
    Shown<TVxColorSpectrumPanel> s;
    TVxColorSpectrumPanel& spectrum = *s.panel;
    spectrum.LayoutSpectrum();
    EXPECT_EQ(spectrum.size(), QSize(150, 174));
    EXPECT_EQ(spectrum.SpectrumImage()->geometry(), QRect(11, 10, 128, 128));
    EXPECT_EQ(spectrum.SelectedRect(), Rect(10, 146, 73, 166));
    EXPECT_EQ(spectrum.HotRect(), Rect(77, 146, 140, 166));
    EXPECT_EQ(spectrum.HotColor(), clNone);
    EXPECT_EQ(spectrum.SelectedColor(), clWhite);

    int selects = 0;
    spectrum.OnSelect = [&](QObject*) { ++selects; };
    const QImage bitmap = SpectrumBitmap();
    QTest::mouseMove(spectrum.SpectrumImage(), QPoint(40, 64));
    EXPECT_EQ(spectrum.HotColor(), FromQColor(bitmap.pixelColor(40, 64)));
    QTest::mouseClick(spectrum.SpectrumImage(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 64));
    EXPECT_EQ(spectrum.SelectedColor(), spectrum.HotColor());
    EXPECT_EQ(selects, 1);
    spectrum.LayoutSpectrum();
    EXPECT_EQ(spectrum.HotColor(), clNone);
}

TEST(ColorSpectrum, BitmapRunsThroughTheHuesFromWhiteToBlack)
{
    const QImage bitmap = SpectrumBitmap();
    ASSERT_EQ(bitmap.size(), QSize(128, 128));
    const struct {
        int x, y;
        TColor color;
    } pixels[] = {
        {0, 0, clWhite}, {0, 63, clRed}, {0, 64, clRed}, {0, 127, clBlack}, {64, 63, clAqua}, {127, 0, clWhite},
    };
    for (const auto& p : pixels) {
        SCOPED_TRACE(testing::Message() << p.x << "," << p.y);
        EXPECT_EQ(FromQColor(bitmap.pixelColor(p.x, p.y)), p.color);
    }
}

TEST(ColorSelector, DefaultPaletteLayout)
{
    TCustomColorSelector boxes;
    boxes.LoadDefaultPalette();
    boxes.UpdateLayout();
    ASSERT_EQ(boxes.Items().Count(), 60);
    EXPECT_EQ(boxes.size(), QSize(165, 84));
    const struct {
        int box;
        TRect rect;
        TColor color;
    } cases[] = {
        {0, Rect(4, 4, 16, 16), 0xFFFFFF},      {9, Rect(148, 4, 160, 16), 0x4696F7},
        {10, Rect(4, 20, 16, 32), 0xF2F2F2},    // 4 pixels below the stand-alone row
        {20, Rect(4, 32, 16, 44), 0xD8D8D8},    // shade rows touch
        {59, Rect(148, 68, 160, 80), 0x064897},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        EXPECT_EQ(boxes.Items()[c.box].BoxRect(), c.rect);
        EXPECT_EQ(boxes.Items()[c.box].Color(), c.color);
    }
    boxes.SetColumns(20);
    EXPECT_EQ(boxes.size(), QSize(4 + 20 * 12 + 19 * 4 + 4 + 1, 48));
    TCustomColorSelector empty;
    empty.UpdateLayout();
    EXPECT_EQ(empty.size(), QSize(100, 50));
}

TEST(ColorSelector, Keys)
{
    const struct {
        int from;
        Qt::Key key;
        bool editorEnabled, droppedDown;
        int to;
    } cases[] = {
        {3, Qt::Key_Up, false, true, 3},     {55, Qt::Key_Down, false, true, 55}, {-1, Qt::Key_Up, false, true, 0},
        {-1, Qt::Key_Down, false, true, 0},  {5, Qt::Key_Down, false, true, 15},  {15, Qt::Key_Up, false, true, 5},
        {5, Qt::Key_Up, false, false, 4},    {5, Qt::Key_Down, false, false, 6},  {5, Qt::Key_Left, true, false, 5},
        {5, Qt::Key_Left, false, false, 4},  {5, Qt::Key_Right, true, true, 6},   {5, Qt::Key_Home, true, false, 0},
        {5, Qt::Key_PageDown, true, false, 59}, {5, Qt::Key_Escape, false, true, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " key " << c.key);
        TCustomColorSelector boxes;
        boxes.LoadDefaultPalette();
        boxes.UpdateLayout();
        boxes.SetItemIndex(c.from);
        boxes.HandleKey(VirtualKeyFromQt(c.key, Qt::NoModifier), c.editorEnabled, c.droppedDown);
        EXPECT_EQ(boxes.ItemIndex(), c.to);
    }
}

TEST(ColorSelector, SelectedColorAndDisabledBoxes)
{
    Shown<TCustomColorSelector> s;
    TCustomColorSelector& boxes = *s.panel;
    boxes.LoadDefaultPalette();
    boxes.UpdateLayout();
    int selects = 0;
    boxes.OnItemSelect = [&](QObject*) { ++selects; };
    boxes.SetSelectedColor(0x7F7F7F);   // the first box of that colour
    EXPECT_EQ(boxes.ItemIndex(), 11);
    boxes.SetSelectedColor(0x123456);
    EXPECT_EQ(boxes.ItemIndex(), -1);
    EXPECT_EQ(selects, 1);
    boxes.Items()[7].SetEnabled(false);
    boxes.SetItemIndex(7);
    EXPECT_EQ(boxes.ItemIndex(), -1);
    const TRect r = boxes.Items()[7].BoxRect();
    QTest::mouseMove(&boxes, QPoint(r.Left + 2, r.Top + 2));
    EXPECT_EQ(boxes.ItemHot(), -1);
    QTest::mouseClick(&boxes, Qt::LeftButton, Qt::NoModifier, QPoint(r.Left + 2, r.Top + 2));
    EXPECT_EQ(boxes.ItemIndex(), -1);
    const TRect other = boxes.Items()[8].BoxRect();
    QTest::mouseMove(&boxes, QPoint(other.Left + 2, other.Top + 2));
    EXPECT_EQ(boxes.ItemHot(), 8);
    QTest::mouseClick(&boxes, Qt::LeftButton, Qt::NoModifier, QPoint(other.Left + 2, other.Top + 2));
    EXPECT_EQ(boxes.ItemIndex(), 8);
    EXPECT_EQ(boxes.SelectedColor(), 0xC6AC4Bu);
    EXPECT_EQ(selects, 2);
}
