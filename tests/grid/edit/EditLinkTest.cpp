#include "grid/core/VxStringGrid.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/edit/EditLink.h"
#include "support/QStringPrinter.h"
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A program's own editor: a line edit, or a list whose current item is the value.
class LineLink : public TEditLink {
public:
    QLineEdit* Edit = nullptr;
    QWidget* GetEditControl() override { return Edit; }
    void CreateEditor(QWidget* AParent) override
    {
        if (!Edit)
            Edit = new QLineEdit(AParent);
        else if (Edit->parentWidget() != AParent)
            Edit->setParent(AParent);
    }
    QString GetEditorValue() override { return Edit->text(); }
    void SetEditorValue(const QString& s) override { Edit->setText(s); }
};

class ListLink : public TEditLink {
public:
    QListWidget* List = nullptr;
    QWidget* GetEditControl() override { return List; }
    void CreateEditor(QWidget* AParent) override
    {
        if (List)
            return;
        List = new QListWidget(AParent);
        List->addItems({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
    }
    QString GetEditorValue() override { return List->currentItem() ? List->currentItem()->text() : QString(); }
    void SetEditorValue(const QString& s) override
    {
        const auto found = List->findItems(s, Qt::MatchExactly);
        List->setCurrentItem(found.isEmpty() ? List->item(0) : found.first());
    }
};

// A shown grid whose column 1 is edited by the link, moving down after Enter.
struct LinkGrid {
    QWidget window;
    TVxStringGrid& g = *new TVxStringGrid(&window);
    explicit LinkGrid(TEditLink* link)
    {
        g.SetColCount(4);
        g.SetRowCount(5);
        g.SetColWidths(1, 120);
        g.SetOptions(g.Options() | TGridOption::goEditing);
        g.Navigation().SetAdvanceOnEnter(true);
        g.Navigation().SetAdvanceDirection(TAdvanceDirection::adTopBottom);
        g.SetEditLink(link);
        g.OnGetEditorType = [](QObject*, int ACol, int, TEditorType& e) {
            if (ACol == 1 || ACol == 2)
                e = TEditorType::edCustom;
        };
        g.resize(500, 300);
        window.resize(500, 300);
        window.show();
        QApplication::setActiveWindow(&window);
        g.setFocus();
    }
    void Open(int c, int r)
    {
        g.SetCol(c);
        g.SetRow(r);
        g.setFocus();
        QTest::keyClick(g.viewport(), Qt::Key_F2);
    }
};

} // namespace

TEST(EditLink, OpensOverTheCellCommitsOnEnterAndRestoresOnEsc)
{
    LineLink link;
    LinkGrid f(&link);
    f.g.SetCells(1, 1, QStringLiteral("before"));
    f.Open(1, 1);
    ASSERT_NE(link.Edit, nullptr);
    EXPECT_TRUE(link.Edit->hasFocus());
    EXPECT_EQ(link.Edit->parentWidget(), &f.g);
    EXPECT_EQ(link.Edit->x(), f.g.CellRect(1, 1).Left);
    EXPECT_EQ(link.Edit->text(), QStringLiteral("before"));
    link.Edit->selectAll();
    QTest::keyClicks(link.Edit, QStringLiteral("after"));
    QTest::keyClick(link.Edit, Qt::Key_Return);
    EXPECT_EQ(f.g.Cells(1, 1), QStringLiteral("after"));
    EXPECT_FALSE(link.Edit->isVisible());
    EXPECT_EQ(f.g.Row(), 2) << "Enter moves on";

    f.Open(1, 1);
    QTest::keyClicks(link.Edit, QStringLiteral(" and more"));
    QTest::keyClick(link.Edit, Qt::Key_Escape);
    EXPECT_EQ(f.g.Cells(1, 1), QStringLiteral("after")) << "Esc puts back the value from before the edit";
    EXPECT_FALSE(link.Edit->isVisible());
}

TEST(EditLink, WantedKeysStayWithTheControl)
{
    struct Case { Qt::Key key; bool wantUpDown, wantHomeEnd; bool leaves; };
    const Case cases[] = {
        {Qt::Key_Down, true, false, false},  {Qt::Key_Down, false, false, true},
        {Qt::Key_Home, false, false, false}, {Qt::Key_End, false, false, true},
        {Qt::Key_End, false, true, false},
    };
    ListLink link;
    LinkGrid f(&link);
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("key %1").arg(c.key).toStdString());
        link.SetWantKeyUpDown(c.wantUpDown);
        link.SetWantKeyHomeEnd(c.wantHomeEnd);
        f.Open(1, 1);
        ASSERT_TRUE(link.List && link.List->hasFocus());
        QTest::keyClick(link.List, c.key);
        EXPECT_EQ(link.List->isVisible(), !c.leaves);
        if (!c.leaves)
            QTest::keyClick(link.List, Qt::Key_Escape);
    }
    link.SetWantKeyUpDown(true);
    f.Open(1, 1);
    QTest::keyClick(link.List, Qt::Key_Down);
    EXPECT_EQ(link.GetEditorValue(), QStringLiteral("two")) << "the list moves";
    QTest::keyClick(link.List, Qt::Key_Down, Qt::AltModifier);
    EXPECT_FALSE(link.List->isVisible()) << "Alt with any key leaves";
    EXPECT_EQ(f.g.Cells(1, 1), QStringLiteral("two"));
}

TEST(EditLink, TabToNextAtEndOpensTheEditorOfTheNextCell)
{
    LineLink link;
    LinkGrid f(&link);
    f.g.SetOptions(f.g.Options() | TGridOption::goTabs);
    f.g.Navigation().SetTabToNextAtEnd(true);
    f.Open(1, 1);
    QTest::keyClicks(link.Edit, QStringLiteral("x"));
    QTest::keyClick(link.Edit, Qt::Key_Tab);
    EXPECT_EQ(f.g.Cells(1, 1), QStringLiteral("x"));
    EXPECT_EQ(f.g.Col(), 2);
    QApplication::processEvents();
    EXPECT_TRUE(link.Edit->isVisible() && link.Edit->hasFocus()) << "the editor opens again in the new cell";
    EXPECT_EQ(link.Edit->x(), f.g.CellRect(2, 1).Left);
}

TEST(EditLink, RefusedValueKeepsTheEditorOpenWithTheCorrectedText)
{
    LineLink link;
    LinkGrid f(&link);
    f.g.OnCellValidate = [](QObject*, int, int, QString& value, bool& valid) {
        valid = value != "bad";
        if (!valid)
            value = QStringLiteral("fixed");
    };
    f.Open(1, 1);
    QTest::keyClicks(link.Edit, QStringLiteral("bad"));
    QTest::keyClick(link.Edit, Qt::Key_Return);
    EXPECT_TRUE(link.Edit->isVisible() && link.Edit->hasFocus());
    EXPECT_EQ(link.Edit->text(), QStringLiteral("fixed"));
    EXPECT_EQ(f.g.Row(), 1) << "no move after a refused value";
    link.Edit->setText(QStringLiteral("good"));
    QTest::keyClick(link.Edit, Qt::Key_Return);
    EXPECT_EQ(f.g.Cells(1, 1), QStringLiteral("good"));
    EXPECT_EQ(f.g.Row(), 2);
}

TEST(EditLink, PopupLeftWithEnterKeepsItsValue)
{
    LineLink link;
    link.SetEditStyle(TEditStyle::esPopup);
    link.SetPopupWidth(150);
    link.SetPopupHeight(40);
    LinkGrid f(&link);
    f.Open(1, 1);
    ASSERT_NE(link.Edit, nullptr);
    EXPECT_NE(link.Edit->window(), &f.window) << "the control sits in a pop-up window of its own";
    EXPECT_EQ(link.Edit->width(), 150);
    QTest::keyClicks(link.Edit, QStringLiteral("typed"));
    QTest::keyClick(link.Edit, Qt::Key_Return);
    EXPECT_EQ(f.g.Cells(1, 1), QStringLiteral("typed"));
    EXPECT_FALSE(link.Edit->window()->isVisible());
}
