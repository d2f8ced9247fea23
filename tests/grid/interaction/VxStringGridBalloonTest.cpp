#include "InteractionTestGrid.h"
#include "grid/core/GridCellObjects.h"
#include "grid/core/GridSettings.h"
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

namespace {
QPoint CellPoint(const TVxStringGrid& g, int c, int r)
{
    const TRect rc = g.CellRect(c, r);
    return {rc.Left + 5, rc.Top + 5};
}

// The tool-tip request a resting pointer makes; answers the tip shown, empty when none.
QString AskTip(TestGrid& g, QPoint p)
{
    QHelpEvent e(QEvent::ToolTip, p, g.viewport()->mapToGlobal(p));
    QApplication::sendEvent(g.viewport(), &e);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

void MoveTo(TestGrid& g, QPoint p)
{
    QMouseEvent e(QEvent::MouseMove, p, g.viewport()->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(g.viewport(), &e);
}

QString Tip(const QString& Title, const QString& Text)
{
    return QStringLiteral("<qt><table width=\"300\"><tr><td><b>%1</b><br>%2</td></tr></table></qt>").arg(Title, Text);
}
} // namespace

TEST(GridBalloons, TooltipRequestShowsTheCellTextWithABlankTitle)
{
    TestGrid g;
    g.SetCells(2, 3, "\r\n\tfirst\tsecond");
    g.Balloon().SetEnable(true);
    EXPECT_EQ(AskTip(g, CellPoint(g, 2, 3)), Tip(" ", "first second"));
    QToolTip::hideText();
}

TEST(GridBalloons, OwnBalloonThenTheEventGiveTitleTextAndIcon)
{
    TestGrid g;
    g.Balloon().SetEnable(true);
    g.SetCells(1, 1, "cell");
    g.AddBalloon(1, 1, "Own title", "Own text", TBalloonIcon::biWarning);
    EXPECT_EQ(AskTip(g, CellPoint(g, 1, 1)), Tip("Own title", "Own text"));

    int seenIcon = -1;
    g.OnCellBalloon = [&](QObject*, int ACol, int ARow, QString& ATitle, QString& AText, int& AIcon) {
        EXPECT_EQ(ACol, 1);
        EXPECT_EQ(ARow, 1);
        seenIcon = AIcon;
        ATitle = QString(120, QLatin1Char('t'));
        AText += " & more";
    };
    EXPECT_EQ(AskTip(g, CellPoint(g, 1, 1)), Tip(QString(97, QLatin1Char('t')) + "...", "Own text &amp; more"));
    EXPECT_EQ(seenIcon, int(TBalloonIcon::biWarning));
    QToolTip::hideText();
}

TEST(GridBalloons, LongTextIsCutAndDisabledBalloonsLeaveTheHint)
{
    TestGrid g;
    g.SetCells(2, 2, QString(3000, QLatin1Char('x')));
    g.Balloon().SetEnable(true);
    EXPECT_EQ(AskTip(g, CellPoint(g, 2, 2)), Tip(" ", QString(2045, QLatin1Char('x')) + "..."));
    QToolTip::hideText();

    g.Balloon().SetEnable(false);
    g.SetCells(2, 2, "short");
    EXPECT_NE(AskTip(g, CellPoint(g, 2, 2)), Tip(" ", "short"));
    QToolTip::hideText();
}

TEST(GridBalloons, MovingToAnotherCellTakesTheBalloonAway)
{
    TestGrid g;
    g.Balloon().SetEnable(true);
    g.SetCells(1, 1, "one");
    ASSERT_FALSE(AskTip(g, CellPoint(g, 1, 1)).isEmpty());
    MoveTo(g, CellPoint(g, 1, 1) + QPoint(3, 0));
    EXPECT_TRUE(QToolTip::isVisible());
    MoveTo(g, CellPoint(g, 3, 4));
    QTest::qWait(500);   // a tip goes away after a short fade
    EXPECT_FALSE(QToolTip::isVisible());
}

TEST(GridBalloons, SettingsAssignKeepsTransparencyAndEnableFiresItsEvent)
{
    TBalloonSettings a, b;
    a.SetTextColor(clRed);
    a.SetInitialDelay(200);
    a.SetTransparency(40);
    int changes = 0;
    b.OnEnableChange = [&](QObject*) { ++changes; };
    a.SetEnable(true);
    b.Assign(&a);
    EXPECT_EQ(b.TextColor(), clRed);
    EXPECT_EQ(b.InitialDelay(), 200);
    EXPECT_TRUE(b.Enable());
    EXPECT_EQ(b.Transparency(), 0);
    EXPECT_EQ(changes, 0);
    b.SetEnable(false);
    EXPECT_EQ(changes, 1);
}
