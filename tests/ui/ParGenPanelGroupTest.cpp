#include "ui/CategoryPanelGroup.h"

#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Group {
    Group()
    {
        group.resize(300, 200);
        for (int i = 0; i < 3; ++i) {
            panels.push_back(new TCategoryPanel(&group));
            panels.back()->SetHeight(100 + 10 * i);
        }
    }
    std::vector<int> Tops() const
    {
        std::vector<int> t;
        for (const TCategoryPanel* p : panels)
            t.push_back(p->isHidden() ? -1 : p->Top());
        return t;
    }
    TCategoryPanelGroup group;
    std::vector<TCategoryPanel*> panels;
};

} // namespace

TEST(CategoryPanelGroup, StacksVisiblePanelsAndClosesTheGapsOfHiddenOrCollapsedOnes)
{
    Group g;
    const int h = g.group.HeaderHeight();
    EXPECT_EQ(g.Tops(), (std::vector<int>{0, 100, 210}));
    g.panels[1]->hide();
    EXPECT_EQ(g.Tops(), (std::vector<int>{0, -1, 100}));
    g.panels[1]->show();
    g.panels[0]->SetCollapsed(true);
    EXPECT_EQ(g.panels[0]->height(), h);
    EXPECT_EQ(g.Tops(), (std::vector<int>{0, h, h + 110}));
    g.panels[0]->SetHeight(50);  // a collapsed panel keeps its header only until expanded
    EXPECT_EQ(g.panels[0]->height(), h);
    g.panels[0]->SetCollapsed(false);
    EXPECT_EQ(g.Tops(), (std::vector<int>{0, 50, 160}));
    EXPECT_EQ(g.panels[0]->Surface()->geometry(), QRect(0, h, g.panels[0]->width(), 50 - h));
}

TEST(CategoryPanelGroup, SetTopMovesAPanelBeforeThePanelAtThatTopOnceItIsTakenOut)
{
    Group g;
    g.panels[2]->SetTop(0);
    EXPECT_EQ(g.Tops(), (std::vector<int>{120, 220, 0}));
    g.panels[2]->SetTop(1000);  // below everything: last
    EXPECT_EQ(g.Tops(), (std::vector<int>{0, 100, 210}));
    // Without the first panel the third is at 110: the first goes between the second and the third.
    g.panels[0]->SetTop(100);
    EXPECT_EQ(g.Tops(), (std::vector<int>{110, 0, 210}));
    g.panels[0]->SetTop(0);
    EXPECT_EQ(g.Tops(), (std::vector<int>{0, 100, 210}));
}

TEST(CategoryPanelGroup, ScrollsByLinesWhenThePanelsAreTallerThanTheGroup)
{
    Group g;
    g.group.show();
    QScrollBar* bar = g.group.verticalScrollBar();
    EXPECT_TRUE(bar->hasTracking());
    EXPECT_EQ(bar->maximum(), 330 - 200);
    EXPECT_LT(g.panels[0]->width(), 300);  // the scroll bar takes its share
    g.group.ScrollLines(2);
    EXPECT_EQ(bar->value(), 2 * bar->singleStep());
    g.group.ScrollLines(-5);
    EXPECT_EQ(bar->value(), 0);
    g.panels[2]->hide();
    EXPECT_EQ(bar->maximum(), 10);
    g.panels[1]->hide();
    EXPECT_EQ(bar->maximum(), 0);
    EXPECT_EQ(g.panels[0]->width(), 300);
}

TEST(CategoryPanelGroup, ClickingTheHeaderTogglesThePanel)
{
    Group g;
    g.group.show();
    QTest::mouseClick(g.panels[1]->Header(), Qt::LeftButton);
    EXPECT_TRUE(g.panels[1]->Collapsed());
    EXPECT_FALSE(g.panels[1]->Surface()->isVisible());
    QTest::mouseClick(g.panels[1]->Header(), Qt::LeftButton);
    EXPECT_FALSE(g.panels[1]->Collapsed());
    EXPECT_TRUE(g.panels[1]->Surface()->isVisible());
}
