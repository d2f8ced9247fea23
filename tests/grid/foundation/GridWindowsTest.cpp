#include "grid/foundation/GridAlphaMask.h"
#include "grid/foundation/GridWindows.h"
#include <QBitmap>
#include <gtest/gtest.h>

TEST(TArrowWindow, OnlyTheArrowShowsAndTakesTheMouse)
{
    QWidget owner;
    TArrowWindow up(&owner, TArrowDirection::arrUp);
    EXPECT_FALSE(up.isVisible());
    EXPECT_EQ(up.Dir(), TArrowDirection::arrUp);
    EXPECT_EQ(up.Arrow()[0], (TPoint{5, 0}));
    const QRegion shape = up.mask();
    EXPECT_TRUE(shape.contains(QPoint(5, 2)));    // near the tip
    EXPECT_TRUE(shape.contains(QPoint(5, 7)));    // the shaft
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(1, 8)));   // beside the shaft

    QImage image(11, 11, QImage::Format_RGB32);
    image.fill(Qt::white);
    up.render(&image);
    EXPECT_EQ(image.pixelColor(5, 6), QColor(0, 255, 0));

    TArrowWindow left(&owner, TArrowDirection::arrLeft);   // points to the right
    EXPECT_TRUE(left.mask().contains(QPoint(7, 5)));
    EXPECT_FALSE(left.mask().contains(QPoint(0, 0)));
}

TEST(TGridFocusWindow, DisabledTopmostAndShowsTheLayer)
{
    QWidget owner;
    TGridFocusWindow halo(&owner);
    EXPECT_FALSE(halo.isEnabled());
    EXPECT_EQ(halo.size(), QSize(0, 0));
    EXPECT_TRUE(halo.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(halo.windowFlags().testFlag(Qt::WindowTransparentForInput));

    QImage mask(20, 10, QImage::Format_RGB888);
    mask.fill(QColor(255, 0, 0));
    QImage colour(20, 10, QImage::Format_RGB888);
    colour.fill(QColor(0, 0, 255));
    TGridAlphaMask layer;
    layer.MergeMask(mask, colour);
    halo.UpdateLayered({30, 40}, layer);
    EXPECT_EQ(halo.geometry(), QRect(30, 40, 20, 10));

    QImage shown(20, 10, QImage::Format_ARGB32_Premultiplied);
    shown.fill(Qt::transparent);
    halo.render(&shown);
    EXPECT_EQ(shown.pixelColor(10, 5), QColor(0, 0, 255));

    EXPECT_TRUE(CallSetLayeredWindowAttributes(&halo, clNone, 128, LWA_ALPHA));
    EXPECT_NEAR(halo.windowOpacity(), 128 / 255.0, 0.01);
}
