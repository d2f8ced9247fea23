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
