#include "InteractionTestGrid.h"
#include "grid/interaction/WheelPanPictures.h"
#include <QCursor>
#include <QSet>

namespace {
constexpr QRgb kInk = 0xFF000000;

bool Ink(const QImage& img, int x, int y) { return img.pixel(x, y) == kInk; }

// The cursor the viewport shows now, as a picture.
QImage ShownCursor(TestGrid& grid)
{
    const QCursor c = grid.viewport()->cursor();
    return c.shape() == Qt::BitmapCursor ? c.pixmap().toImage().convertToFormat(QImage::Format_ARGB32) : QImage();
}

// Puts the pointer at a viewport point and lets the pan timer tick.
void PointAt(TestGrid& grid, QPoint p)
{
    QCursor::setPos(grid.viewport()->mapToGlobal(p));
    QTest::qWait(40);
}
} // namespace

TEST(WheelPanPictures, EachDirectionHasItsOwnCursorPointingThatWay)
{
    QSet<qint64> seen;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            SCOPED_TRACE(dx * 10 + dy);
            const QImage img = PanCursorImage(dx, dy).convertToFormat(QImage::Format_ARGB32);
            ASSERT_EQ(img.size(), QSize(kPanCursorSize, kPanCursorSize));
            seen.insert(qHash(QByteArray(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes())));
            const int c = kPanCursorSize / 2;
            if (dx == 0 && dy == 0) {   // arrows all round
                EXPECT_TRUE(Ink(img, c, c - 11) && Ink(img, c, c + 11) && Ink(img, c - 11, c) && Ink(img, c + 11, c));
                continue;
            }
            // Ink out towards the direction, none on the far side.
            EXPECT_TRUE(Ink(img, c + dx * 9, c + dy * 9));
            EXPECT_EQ(qAlpha(img.pixel(c - dx * 9, c - dy * 9)), 0);
        }
    EXPECT_EQ(seen.size(), 9);
}

TEST(GridWheelPan, TheCursorShowsTheDirectionAndTheMarkerStaysWhereTheMiddleButtonWent)
{
    TestGrid grid;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    grid.SetIntelliPan(TIntelliPan::ipBoth);
    const QPoint start(100, 80);
    QCursor::setPos(grid.viewport()->mapToGlobal(start));
    QTest::mousePress(grid.viewport(), Qt::MiddleButton, {}, start);
    QTest::mouseRelease(grid.viewport(), Qt::MiddleButton, {}, start);
    ASSERT_TRUE(grid.WheelPanning());
    EXPECT_EQ(ShownCursor(grid), PanCursorImage(0, 0));

    // The marker's centre dot and rim at the start point, drawn over the cells.
    QImage shot = grid.viewport()->grab().toImage();
    EXPECT_EQ(shot.pixel(start.x() + 16, start.y() + 16), kInk);
    EXPECT_EQ(shot.pixel(start.x() + 2, start.y() + 16), kInk);

    PointAt(grid, start + QPoint(0, 30));
    EXPECT_EQ(ShownCursor(grid), PanCursorImage(0, 1));
    PointAt(grid, start + QPoint(-30, -30));
    EXPECT_EQ(ShownCursor(grid), PanCursorImage(-1, -1));

    // Only up and down with vertical panning.
    grid.SetIntelliPan(TIntelliPan::ipVertical);
    PointAt(grid, start + QPoint(30, 0));
    EXPECT_EQ(ShownCursor(grid), PanCursorImage(0, 0));

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(grid.WheelPanning());
    EXPECT_NE(grid.viewport()->cursor().shape(), Qt::BitmapCursor);
    shot = grid.viewport()->grab().toImage();
    EXPECT_NE(shot.pixel(start.x() + 2, start.y() + 16), kInk);
}
