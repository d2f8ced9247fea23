#include "grid/interaction/FilterDropDown.h"
#include "support/QStringPrinter.h"
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A window with an edit and an open list of three values.
template <typename List>
struct ListWindow {
    QWidget window;
    QLineEdit* edit = new QLineEdit(&window);
    List* list = new List(&window);
    ListWindow()
    {
        window.resize(300, 300);
        edit->setGeometry(0, 250, 100, 20);
        for (const char* v : {"alpha", "beta", "gamma"}) {
            auto* item = new QListWidgetItem(QString::fromLatin1(v), list);
            if constexpr (std::is_same_v<List, TDropCheckList>)
                item->setCheckState(Qt::Unchecked);
        }
        window.show();
        list->setGeometry(10, 10, 150, 150);
        list->show();
    }
};

} // namespace

TEST(FilterDropDown, APressOutsideClosesTheListWithoutAChoice)
{
    ListWindow<TDropList> w;
    int cancels = 0, selects = 0;
    w.list->OnCancel = [&](QObject*) { ++cancels; };
    w.list->OnSelect = [&](QObject*, int) { ++selects; };
    QTest::mousePress(w.list->viewport(), Qt::LeftButton, {}, QPoint(5, 5));   // inside: stays
    EXPECT_TRUE(w.list->isVisible());
    QTest::mousePress(w.edit, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(w.list->isVisible());
    EXPECT_EQ(cancels, 1);
    EXPECT_EQ(selects, 0);
}

TEST(FilterDropDown, EnterChoosesTheHighlightedValue)
{
    ListWindow<TDropList> w;
    std::vector<int> chosen;
    w.list->OnSelect = [&](QObject*, int i) { chosen.push_back(i); };
    w.list->setCurrentRow(0);
    QTest::keyClick(w.list, Qt::Key_Down);
    EXPECT_TRUE(chosen.empty());
    QTest::keyClick(w.list, Qt::Key_Return);
    EXPECT_EQ(chosen, std::vector<int>{1});
    EXPECT_FALSE(w.list->isVisible());
}

TEST(FilterDropDown, CheckingValuesKeepsTheCheckListOpen)
{
    ListWindow<TDropCheckList> w;
    std::vector<int> reports;
    w.list->OnSelect = [&](QObject*, int i) { reports.push_back(i); };
    w.list->item(2)->setCheckState(Qt::Checked);
    w.list->item(0)->setCheckState(Qt::Checked);
    EXPECT_EQ(reports, (std::vector<int>{-1, -1}));
    EXPECT_TRUE(w.list->isVisible());
    EXPECT_EQ(w.list->CheckedItems(), (std::vector<int>{0, 2}));
}

TEST(FilterDropDown, SettingsAssignAllButAutoSizeAndGlyphsNotify)
{
    TFilterDropDown a, b;
    int changes = 0;
    b.OnChange = [&](QObject*) { ++changes; };
    a.SetAutoSize(true);
    a.SetColor(clRed);
    a.SetHeight(80);
    a.SetWidth(90);
    a.SetColumnWidth(true);
    TBitmap glyph(8, 8);
    a.SetGlyph(glyph);
    b.Assign(a);
    EXPECT_FALSE(b.AutoSize());
    EXPECT_EQ(b.Color(), clRed);
    EXPECT_EQ(b.Height(), 80);
    EXPECT_EQ(b.Width(), 90);
    EXPECT_TRUE(b.ColumnWidth());
    EXPECT_EQ(b.Glyph().Width(), 8);
    EXPECT_EQ(changes, 2);
}

TEST(FilterDropDown, TheNoActiveFormLeavesTheFocusWhereItIs)
{
    QWidget window;
    auto* edit = new QLineEdit(&window);
    window.show();
    window.activateWindow();
    edit->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_TRUE(edit->hasFocus());
    TNoActiveForm form(&window);
    form.resize(50, 20);
    form.show();
    QApplication::processEvents();
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(QApplication::activeWindow(), &window);
}

#include "grid/core/VxStringGrid.h"

namespace {
// A shown grid whose column 1 holds five fruits, with the filter drop-down on.
struct FruitGrid : TVxStringGrid {
    FruitGrid()
    {
        SetColCount(3);
        SetRowCount(6);
        SetFilterDropDownAuto(true);
        resize(400, 300);
        show();
        const char* fruit[] = {"pear", "apple", "pear", "fig", "apple"};
        for (int r = 1; r < 6; ++r)
            SetCells(1, r, fruit[r - 1]);
    }
};
} // namespace

TEST(FilterDropDown, TheHeaderButtonOpensTheColumnsValuesAndEnterFilters)
{
    FruitGrid g;
    const TRect header = g.CellRect(1, 0);
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, QPoint(header.Left + 5, header.Top + 5));   // not the button
    EXPECT_FALSE(g.DropList()->isVisible());
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, QPoint(header.Right - 8, header.Top + 5));
    ASSERT_TRUE(g.DropList()->isVisible());
    EXPECT_EQ(g.FilterCol(), 1);
    QStringList shown;
    for (int i = 0; i < g.DropList()->count(); ++i)
        shown << g.DropList()->item(i)->text();
    EXPECT_EQ(shown, (QStringList{"(All)", "apple", "fig", "pear"}));
    EXPECT_EQ(g.DropList()->geometry().topLeft(), QPoint(header.Right - 16, header.Top + 16));
    g.DropList()->setCurrentRow(3);
    QTest::keyClick(g.DropList(), Qt::Key_Return);
    EXPECT_FALSE(g.DropList()->isVisible());
    EXPECT_EQ(g.RowCount(), 3);   // the header and the two pears
    EXPECT_EQ(g.Cells(1, 1), "pear");
    EXPECT_EQ(g.Cells(1, 2), "pear");
}

// Once filtered, the list still offers the values of the rows the filter took out, unless filtering is incremental.
TEST(FilterDropDown, TheListOffersTheValuesOfFilteredOutRows)
{
    for (const bool incremental : {false, true}) {
        FruitGrid g;
        g.SetFilterIncremental(incremental);
        const TRect header = g.CellRect(1, 0);
        const auto open = [&] {
            QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, QPoint(header.Right - 8, header.Top + 5));
            QStringList shown;
            for (int i = 0; i < g.DropList()->count(); ++i)
                shown << g.DropList()->item(i)->text();
            return shown;
        };
        open();
        ASSERT_TRUE(g.DropList()->isVisible());
        g.DropList()->setCurrentRow(3);   // pear
        QTest::keyClick(g.DropList(), Qt::Key_Return);
        ASSERT_EQ(g.RowCount(), 3);
        const QStringList shown = open();
        EXPECT_EQ(shown, incremental ? QStringList({"(All)", "pear"}) : QStringList({"(All)", "apple", "fig", "pear"}))
            << incremental;
        QTest::keyClick(g.DropList(), Qt::Key_Escape);
    }
}
