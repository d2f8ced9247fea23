#include "grid/foundation/ATXPVS.h"
#include "grid/foundation/VxXPVS.h"
#include "platform/Canvas.h"
#include <gtest/gtest.h>

TEST(VxXPVS, BindsOnceUnderAWidgetApplication)
{
    TThemeBinding& binding = VxXPVS();
    ASSERT_TRUE(binding.ThemeApiLoaded());
    const auto draw = binding.ThemeApi().DrawThemeBackground;
    binding.BindThemeApi();
    EXPECT_EQ(binding.ThemeApi().DrawThemeBackground, draw);
    EXPECT_TRUE(binding.ThemedDrawing());
    EXPECT_NE(&ATXPVS(), &binding);           // the drop-down controls keep their own instance
    EXPECT_TRUE(ATXPVS().ThemeApiLoaded());

    TThemeBinding freed;
    freed.BindThemeApi();
    freed.FreeThemeApi();
    EXPECT_TRUE(freed.ThemeApiLoaded());      // asked again, it binds again
}

TEST(VxXPVS, ThemedPartsDrawInsideTheirRectangleOnly)
{
    const TThemeApiTable& api = VxXPVS().ThemeApi();
    ASSERT_TRUE(VxXPVS().ThemeApiLoaded());
    for (const char* cls : {"button", "combobox", "spin", "header", "Progress"}) {
        SCOPED_TRACE(cls);
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        TCanvas canvas(&image);
        const HTHEME theme = api.OpenThemeData(nullptr, cls);
        ASSERT_NE(theme, 0);
        api.DrawThemeBackground(theme, canvas, 1, 1, Rect(5, 5, 30, 25));
        api.CloseThemeData(theme);
        canvas.Release();
        int changedInside = 0, changedOutside = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) {
                const bool inside = x >= 5 && x < 30 && y >= 5 && y < 25;
                if (image.pixelColor(x, y) != QColor(Qt::magenta))
                    ++(inside ? changedInside : changedOutside);
            }
        EXPECT_GT(changedInside, 0);
        EXPECT_EQ(changedOutside, 0);
    }
}

TEST(VxXPVS, TransparentCornersOfAPartKeepTheBackground)
{
    const TThemeApiTable& api = VxXPVS().ThemeApi();
    ASSERT_TRUE(VxXPVS().ThemeApiLoaded());
    // A push button's rounded corner leaves the corner pixel as it was.
    QImage image(60, 30, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    TCanvas canvas(&image);
    const HTHEME theme = api.OpenThemeData(nullptr, "button");
    api.DrawThemeBackground(theme, canvas, 1, 1, Rect(0, 0, 60, 30));
    canvas.Release();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::magenta));
    EXPECT_NE(image.pixelColor(30, 15), QColor(Qt::magenta));
}

TEST(VxXPVS, UnknownClassDrawsNothing)
{
    const TThemeApiTable& api = VxXPVS().ThemeApi();
    ASSERT_TRUE(VxXPVS().ThemeApiLoaded());
    EXPECT_EQ(api.OpenThemeData(nullptr, "no such class"), 0);
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    TCanvas canvas(&image);
    api.DrawThemeBackground(0, canvas, 1, 1, Rect(0, 0, 10, 10));
    canvas.Release();
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::white));
}
