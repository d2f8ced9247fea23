#include "grid/core/VxStringGrid.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/foundation/VxCheckBox.h"
#include "grid/foundation/VxGridButton.h"
#include "grid/interaction/SearchPanel.h"
#include "support/QStringPrinter.h"
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct FooterGrid : TVxStringGrid {
    FooterGrid()
    {
        SetColCount(4);
        SetRowCount(30);
        resize(600, 300);
        show();
        SearchFooter().SetVisible(true);
    }
    TSearchPanel& Panel() { return *SearchPanel(); }
};

} // namespace

TEST(SearchPanel, ShownBelowTheCellsOnlyWhenTheFooterIsVisible)
{
    FooterGrid g;
    EXPECT_TRUE(g.Panel().isVisible());
    EXPECT_EQ(g.Panel().height(), TSearchPanel::PanelHeight);
    EXPECT_EQ(g.Panel().geometry().top(), g.height() - TSearchPanel::PanelHeight);
    EXPECT_GT(g.Panel().geometry().top(), g.viewport()->geometry().bottom()) << "it covers no cell";
    const int cellsHeight = g.viewport()->height();
    g.resize(600, 400);
    EXPECT_EQ(g.Panel().geometry().top(), g.height() - TSearchPanel::PanelHeight);
    g.SearchFooter().SetVisible(false);
    EXPECT_FALSE(g.Panel().isVisible());
    EXPECT_EQ(g.viewport()->height(), cellsHeight + 100 + TSearchPanel::PanelHeight);
}

TEST(SearchPanel, FindButtonsFollowTheEditText)
{
    FooterGrid g;
    TSearchPanel& p = g.Panel();
    int changes = 0;
    p.OnEditChange = [&](QObject*) { ++changes; };
    auto enabled = [&] {
        return std::vector<bool>{p.ForwardButton()->isEnabled(), p.BackwardButton()->isEnabled(),
                                 p.HiliteButton()->isEnabled()};
    };
    EXPECT_EQ(enabled(), (std::vector<bool>{false, false, false}));
    QTest::keyClicks(p.Edit(), "ab");
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, true}));
    p.Edit()->clear();
    EXPECT_EQ(enabled(), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(changes, 3);
}

TEST(SearchPanel, EnterFindsForwardCtrlEnterBackwardAndNeitherTypes)
{
    FooterGrid g;
    TSearchPanel& p = g.Panel();
    QStringList clicks;
    p.OnForwardClick = [&](QObject*) { clicks << "next"; };
    p.OnBackwardClick = [&](QObject*) { clicks << "previous"; };
    QTest::keyClicks(p.Edit(), "x");
    QTest::keyClick(p.Edit(), Qt::Key_Return);
    QTest::keyClick(p.Edit(), Qt::Key_Enter, Qt::ControlModifier);
    EXPECT_EQ(clicks, (QStringList{"next", "previous"}));
    EXPECT_EQ(p.Edit()->text(), "x");
}

TEST(SearchPanel, HiddenButtonsKeepTheirPlacesAndTheMatchCaseBoxMovesUp)
{
    FooterGrid g;
    TSearchPanel& p = g.Panel();
    EXPECT_EQ(p.MatchCase()->x(), 425);
    g.SearchFooter().SetShowHighLight(false);
    EXPECT_EQ(p.MatchCase()->x(), 330);
    EXPECT_EQ(p.HiliteButton()->height(), 0);
    g.SearchFooter().SetShowFindNext(false);
    EXPECT_EQ(p.BackwardButton()->x(), 235);
    EXPECT_EQ(p.ForwardButton()->height(), 0);
    EXPECT_EQ(p.BackwardButton()->height(), 23);
}

TEST(SearchPanel, RightToLeftPutsTheCloseButtonAtTheRightEdge)
{
    FooterGrid g;
    g.setLayoutDirection(Qt::RightToLeft);
    g.Panel().LayoutChildren();
    EXPECT_EQ(g.Panel().ExitButton()->geometry().right() + 1, g.Panel().width() - 5);
}

TEST(SearchPanel, HidingTheFooterWithHighlightDownRemovesTheHighlights)
{
    FooterGrid g;
    g.SetCells(1, 1, "abc");
    g.HilightInGrid(false, false, "b");
    ASSERT_NE(g.Cells(1, 1), "abc");
    g.Panel().HiliteButton()->SetDown(true);
    g.SearchFooter().SetVisible(false);
    EXPECT_EQ(g.Cells(1, 1), "abc");
}

TEST(SearchPanel, TypingFindsEnterGoesOnCtrlEnterGoesBack)
{
    FooterGrid g;
    g.SetCells(1, 2, "apple");
    g.SetCells(2, 5, "pineapple");
    g.SetCells(3, 9, "grape");
    std::vector<TSearchAction> actions;
    g.OnSearchFooterAction = [&](QObject*, const QString&, int, int, TSearchAction a) { actions.push_back(a); };
    TSearchPanel& p = g.Panel();
    QTest::keyClicks(p.Edit(), "apple");
    EXPECT_EQ(g.SearchCell(), (TPoint{1, 2}));
    EXPECT_EQ(g.Row(), 2);
    QTest::keyClick(p.Edit(), Qt::Key_Return);
    EXPECT_EQ(g.SearchCell(), (TPoint{2, 5}));
    EXPECT_EQ(g.Row(), 5);
    QTest::keyClick(p.Edit(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(g.SearchCell(), (TPoint{1, 2}));
    EXPECT_EQ(actions.back(), TSearchAction::saFindPrevious);
    EXPECT_NE(p.Edit()->palette().color(QPalette::Base), ToQColor(clRed));
    QTest::keyClicks(p.Edit(), "zz");
    EXPECT_EQ(g.SearchCell(), (TPoint{-1, -1}));
    EXPECT_EQ(p.Edit()->palette().color(QPalette::Base), ToQColor(clRed));
}

TEST(SearchPanel, CloseTellsAndHidesTheFooter)
{
    FooterGrid g;
    int closes = 0;
    g.OnSearchFooterClose = [&](QObject*) { ++closes; };
    g.Panel().ExitButton()->OnClick(g.Panel().ExitButton());
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(g.SearchFooter().Visible());
    EXPECT_FALSE(g.Panel().isVisible());
}

TEST(SearchPanel, CtrlFInTheGridFocusesTheSearchEditOnlyWhenTheFooterShows)
{
    FooterGrid g;
    g.setFocus();
    QTest::keyClick(g.viewport(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(g.focusWidget(), g.Panel().Edit());

    FooterGrid hidden;
    hidden.SearchFooter().SetVisible(false);
    hidden.setFocus();
    QTest::keyClick(hidden.viewport(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_NE(hidden.focusWidget(), hidden.Panel().Edit());
}
