#include "grid/paint/GridPaintPass.h"
#include "support/PaintSurface.h"
#include <gtest/gtest.h>

TEST(Balloon, LongTextsAndTitlesAreCut)
{
    EXPECT_EQ(FinishBalloonText(QString(3000, 'a')), QString(2045, 'a') + "...");
    EXPECT_EQ(FinishBalloonText(QString(2048, 'a')), QString(2048, 'a'));
    EXPECT_EQ(FinishBalloonText("\r\n\tone\ttwo"), "one two");
    EXPECT_EQ(FinishBalloonText("\r\n" + QString(2100, 'b')).size(), 2048);   // counted from the first kept
    EXPECT_EQ(FinishBalloonTitle(QString(150, 't')), QString(97, 't') + "...");
    EXPECT_EQ(FinishBalloonTitle(QString(100, 't')), QString(100, 't'));
}

TEST(Balloon, CellTextOfEveryKind)
{
    EXPECT_EQ(BalloonCellText("<b>bold</b> text", true, nullptr), "bold text");
    EXPECT_EQ(BalloonCellText("<b>bold</b>", false, nullptr), "<b>bold</b>");
    EXPECT_EQ(BalloonCellText("{\\rtf1 x}", true, [](const QString&) { return QString("plain"); }), "plain");
}

TEST(LookDrawsBorder, OnlyStyledLooksWithASingleColouredBorder)
{
    TGridAppearance a;
    a.Look = TGridLook::glXP;
    EXPECT_TRUE(LookDrawsBorder(a));
    a.Look = TGridLook::glStandard;
    EXPECT_FALSE(LookDrawsBorder(a));
    a.Look = TGridLook::glXP;
    a.Flat = true;
    EXPECT_FALSE(LookDrawsBorder(a));
    a.Flat = false;
    a.BorderColor = clNone;
    EXPECT_FALSE(LookDrawsBorder(a));
}

TEST(OutsideCellsArea, NothingWhenTheCellsFillTheClientArea)
{
    const TRect client = Rect(0, 0, 200, 100);
    EXPECT_TRUE(OutsideCellsArea(client, 250, false, 150, false, 1).IsEmpty());
    EXPECT_TRUE(OutsideCellsArea(client, 199, true, 99, true, 1).IsEmpty());
    const TOutsideArea a = OutsideCellsArea(client, 120, true, 60, true, 1);
    EXPECT_EQ(a.Right, Rect(121, 0, 200, 100));
    EXPECT_EQ(a.Below, Rect(0, 61, 200, 100));
}

TEST(DesignHelper, HitChoicesAndPanel)
{
    PaintSurface s(400, 200);
    TCanvas& c = s.canvas;
    c.Font().SetName("Tahoma");
    c.Font().SetSize(8);
    const int h = c.TextHeight("gh");
    const int H = 4 * h + 18, line = h + 2;
    EXPECT_EQ(DesignHelperHitTest(c, 400, 200, 395, 200 - H + 5, TGridLook::glXP), 4);
    EXPECT_EQ(DesignHelperHitTest(c, 400, 200, 260, 200 + line - H + 4 + line / 2, TGridLook::glXP), 1);
    EXPECT_EQ(DesignHelperHitTest(c, 400, 200, 260, 200 + 2 * line - H + 4 + line / 2, TGridLook::glXP), 2);
    EXPECT_EQ(DesignHelperHitTest(c, 400, 200, 260, 200 + 3 * line - H + 4 + line / 2, TGridLook::glXP), 3);
    EXPECT_EQ(DesignHelperHitTest(c, 400, 200, 100, 100, TGridLook::glXP), -1);

    PaintDesignHelper(c, 400, 200, {TGridLook::glXP, "1.0.0.0", true, false, 3});
    EXPECT_EQ(s.Pixel(250, 200 - 4 * h - 18), clGray);     // the frame
    EXPECT_EQ(s.Pixel(251, 199 - 1), ColorToRGB(clInfoBk));
    EXPECT_GT(s.Count(0x800000), 30);                       // the texts
    EXPECT_EQ(s.Pixel(100, 100), clWhite);
}
