#include "FakeLookHost.h"
#include <gtest/gtest.h>

TEST(TControlLook, NewLookHasTheStoredDefaults)
{
    FakeLookHost host;
    const TControlLook& cl = host.controlLook;
    EXPECT_EQ(cl.FixedGradientHoverFrom(), 0xFFFFFFu);
    EXPECT_EQ(cl.FixedGradientHoverTo(), 0x808080u);
    EXPECT_EQ(cl.FixedGradientDownFrom(), 0xC0C0C0u);
    EXPECT_EQ(cl.CheckSize(), 15);
    EXPECT_EQ(cl.RadioSize(), 10);
    EXPECT_EQ(cl.DropDownCount(), 8);
    EXPECT_EQ(cl.ControlStyle(), TControlStyle::csTheme);
    EXPECT_EQ(cl.CommentColor(), 0x0000FFu);
    // Creating it clears the grid's hover and down mirrors only.
    EXPECT_EQ(host.appearance.Zarn.HoverMirrorFrom, clNone);
    EXPECT_EQ(host.appearance.Zarn.DownMirrorTo, clNone);
    EXPECT_EQ(host.appearance.Zarn.HoverFrom, 0xCFD0D1u);
}

TEST(TControlLook, GradientSettersPassColoursToTheGrid)
{
    FakeLookHost host;
    TControlLook& cl = host.controlLook;
    host.appearance.Zarn.From = clRed;
    host.appearance.Zarn.MirrorTo = clRed;
    const int before = host.invalidates;
    cl.SetFixedGradientFrom(clNone);
    EXPECT_EQ(host.appearance.Zarn.From, clRed);      // clNone keeps the grid's colour
    cl.SetFixedGradientMirrorTo(clNone);
    EXPECT_EQ(host.appearance.Zarn.MirrorTo, clNone); // mirrors always pass on
    cl.SetFixedGradientTo(clLime);
    EXPECT_EQ(host.appearance.Zarn.To, clLime);
    EXPECT_GT(host.invalidates, before);
    const int afterNormal = host.invalidates;
    cl.SetFixedGradientDownBorder(clBlue);
    EXPECT_EQ(host.appearance.Zarn.DownBorder, clBlue);
    EXPECT_EQ(host.invalidates, afterNormal);         // hot and pressed colours do not repaint
}

TEST(TControlLook, AssignCopiesGradientsButNotTheFlatAndDisabledFlags)
{
    FakeLookHost a, b;
    a.controlLook.SetFixedGradientFrom(0x010203);
    a.controlLook.SetFixedGradientMirrorTo(0x040506);
    a.controlLook.SetFixedGradientHoverBorder(0x070809);
    a.controlLook.SetFixedGradientDownMirrorFrom(0x0A0B0C);
    a.controlLook.SetCheckSize(20);
    a.controlLook.SetFlatButton(true);
    a.controlLook.SetProgressXP(true);
    a.controlLook.DropDownHeader().SetVisible(false);
    const TGridAppearance gridBefore = b.appearance;
    const int repaints = b.invalidates;
    b.controlLook.Assign(&a.controlLook);
    EXPECT_EQ(b.controlLook.FixedGradientFrom(), 0x010203u);
    EXPECT_EQ(b.controlLook.FixedGradientMirrorTo(), 0x040506u);
    EXPECT_EQ(b.controlLook.FixedGradientHoverBorder(), 0x070809u);
    EXPECT_EQ(b.controlLook.FixedGradientDownMirrorFrom(), 0x0A0B0Cu);
    EXPECT_EQ(b.controlLook.CheckSize(), 20);
    EXPECT_FALSE(b.controlLook.FlatButton());
    EXPECT_FALSE(b.controlLook.ProgressXP());
    EXPECT_FALSE(b.controlLook.DropDownHeader().Visible());
    EXPECT_EQ(b.appearance.Zarn, gridBefore.Zarn);
    EXPECT_EQ(b.invalidates, repaints);
}

TEST(TBackGround, EveryChangeRepaintsAndCellsSayWhatIsCovered)
{
    FakeLookHost host;
    TBackGround bg(&host);
    EXPECT_EQ(bg.Color(), clWindow);
    EXPECT_EQ(bg.ColorTo(), clBtnFace);
    bg.SetDisplay(TBackGroundDisplay::bdGradientVert);
    bg.SetLeft(3);
    EXPECT_EQ(host.invalidates, 2);
    EXPECT_TRUE(bg.Covers(false));
    EXPECT_FALSE(bg.Covers(true));
    bg.SetCells(TBackGroundCells::bcAll);
    EXPECT_TRUE(bg.Covers(true));
}

TEST(TShowModified, ColourNotifiesEnabledDoesNot)
{
    TShowModified sm;
    int changes = 0;
    sm.OnChange = [&](QObject*) { ++changes; };
    sm.SetEnabled(true);
    sm.SetColor(clRed);
    EXPECT_EQ(changes, 1);
    TShowModified copy;
    copy.Assign(&sm);
    EXPECT_TRUE(copy.Enabled());
    EXPECT_EQ(copy.Color(), clRed);
}

TEST(TGridProgressAppearance, NotifiesOnlyRealChangesAndAssignOnce)
{
    TGridProgressAppearance p;
    int changes = 0;
    p.OnChange = [&](QObject*) { ++changes; };
    p.SetLevel1Perc(70);
    EXPECT_EQ(changes, 0);
    p.SetLevel1Perc(60);
    p.SetStacked(true);
    EXPECT_EQ(changes, 2);
    TGridProgressAppearance q;
    int qChanges = 0;
    q.OnChange = [&](QObject*) { ++qChanges; };
    q.Assign(&p);
    EXPECT_EQ(qChanges, 1);
    EXPECT_EQ(q.Level1Perc(), 60);
    EXPECT_TRUE(q.Stacked());
    EXPECT_EQ(q.Steps(), 11);
}
