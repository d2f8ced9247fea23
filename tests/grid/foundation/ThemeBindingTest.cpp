#include "grid/foundation/DropDownTheme.h"
#include "grid/foundation/ThemeBinding.h"
#include "support/PaintSurface.h"
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
        PaintSurface s(40, 30, Qt::magenta);
        const HTHEME theme = api.OpenThemeData(nullptr, cls);
        ASSERT_NE(theme, 0);
        api.DrawThemeBackground(theme, s.canvas, 1, 1, Rect(5, 5, 30, 25));
        api.CloseThemeData(theme);
        int changedInside = 0, changedOutside = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) {
                const bool inside = x >= 5 && x < 30 && y >= 5 && y < 25;
                if (s.Pixel(x, y) != clFuchsia)
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
    PaintSurface s(60, 30, Qt::magenta);
    const HTHEME theme = api.OpenThemeData(nullptr, "button");
    api.DrawThemeBackground(theme, s.canvas, 1, 1, Rect(0, 0, 60, 30));
    EXPECT_EQ(s.Pixel(0, 0), clFuchsia);
    EXPECT_NE(s.Pixel(30, 15), clFuchsia);
}

TEST(VxXPVS, UnknownClassDrawsNothing)
{
    const TThemeApiTable& api = VxXPVS().ThemeApi();
    ASSERT_TRUE(VxXPVS().ThemeApiLoaded());
    EXPECT_EQ(api.OpenThemeData(nullptr, "no such class"), 0);
    PaintSurface s(10, 10);
    api.DrawThemeBackground(0, s.canvas, 1, 1, Rect(0, 0, 10, 10));
    EXPECT_EQ(s.Pixel(5, 5), clWhite);
}
