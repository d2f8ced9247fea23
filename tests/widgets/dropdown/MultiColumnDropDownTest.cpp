#include "DropDownFixture.h"
#include "support/QStringPrinter.h"
#include "grid/core/HeaderFooterAppearance.h"
#include "widgets/dropdown/DropDownForm.h"
#include "widgets/dropdown/VxMultiColumnDropDown.h"
#include <gtest/gtest.h>

using namespace VxMultiColumn;

namespace {
// A shown multi-column drop-down with two columns and one item per name: the name and its length.
struct MultiWindow : DropDownWindow<TVxMultiColumnDropDown> {
    TVxMultiColumnDropDown& d = *edit;
    explicit MultiWindow(const QStringList& names = {QStringLiteral("Cherry"), QStringLiteral("Abcd"),
                                                     QStringLiteral("Axe"), QStringLiteral("Banana")})
    {
        for (const char* header : {"Name", "Length"})
            d.Columns().Add()->SetHeader(QString::fromLatin1(header));
        for (const QString& name : names)
            d.Items().Add()->SetText({name, QString::number(name.size())});
        d.EndUpdate();
    }
    TVxColGrid* Grid() const { return d.ColGrid(); }
};
} // namespace

TEST(MultiColumnDropDown, PopupHeightSnapsToWholeRows)
{
    struct Case { int height, chrome, header, row, snapped; };
    const Case cases[] = {
        {200, 0, 25, 22, 181},   // seven rows under the header
        {202, 0, 25, 22, 181},
        {203, 0, 25, 22, 203},   // room for an eighth row
        {200, 30, 25, 22, 189},  // the pop-up's own header and footer come first
        {200, 0, 40, 20, 182},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        EXPECT_EQ(SnappedDropDownHeight(c.height, c.chrome, c.header, c.row, 2), c.snapped);
    }
}

TEST(MultiColumnDropDown, ColumnsShareThePopupWidthCarryingTheRounding)
{
    struct Case { std::vector<int> widths; int room; std::vector<int> shared; };
    const Case cases[] = {
        {std::vector<int>(8, 30), 340, {42, 42, 42, 43, 42, 42, 43, 42}},
        {{80, 80, 80}, 241, {80, 80, 80}},
        {{50, 100}, 302, {100, 200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.room);
        EXPECT_EQ(SharedColumnWidths(c.widths, c.room), c.shared);
    }
}

TEST(MultiColumnDropDown, ItemIndexShowsTheLookupTextAndIgnoresIndexesPastTheItems)
{
    MultiWindow w;
    w.d.SetItemIndex(2);
    EXPECT_EQ(w.d.Text(), QStringLiteral("Axe"));
    w.d.SetItemIndex(4);
    EXPECT_EQ(w.d.ItemIndex(), 2);
    w.d.SetLookupColumn(1);
    w.d.SetItemIndex(0);
    EXPECT_EQ(w.d.Text(), QStringLiteral("6"));
    w.d.SetLookupColumn(5);   // beyond every item's strings
    w.d.SetItemIndex(1);
    EXPECT_EQ(w.d.Text(), QString());
    w.d.SetLookupColumn(0);
    EXPECT_EQ(w.d.GetItemIndex(QStringLiteral("Banana")), 3);
    EXPECT_EQ(w.d.GetItemIndex(QStringLiteral("banana")), -1) << "exact, with letter case";
}

TEST(MultiColumnDropDown, KeysOfTheClosedEditStepThroughTheItems)
{
    struct Case { int items, from; Qt::Key key; int to; };
    const Case cases[] = {
        {8, 5, Qt::Key_PageDown, 7}, {8, -1, Qt::Key_PageDown, 0}, {8, 5, Qt::Key_PageUp, 0},
        {20, 15, Qt::Key_PageUp, 5}, {8, 0, Qt::Key_Up, 0},        {8, 7, Qt::Key_Down, 7},
        {8, 3, Qt::Key_Down, 4},     {8, -1, Qt::Key_Up, 0},
        {8, 3, Qt::Key_Home, 3},     {8, 3, Qt::Key_End, 3},       // editable: Home and End move the caret
    };
    MultiWindow w(QStringList{});
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 of %2, key %3").arg(c.from).arg(c.items).arg(c.key).toStdString());
        w.d.Items().Clear();
        for (int i = 0; i < c.items; ++i)
            w.d.Items().Add()->SetText({QStringLiteral("item %1").arg(i)});
        w.d.EndUpdate();
        w.d.SetItemIndex(c.from);
        QTest::keyClick(&w.d, c.key);
        EXPECT_EQ(w.d.ItemIndex(), c.to);
    }
    w.d.SetEditorEnabled(false);
    QTest::keyClick(&w.d, Qt::Key_End);
    EXPECT_EQ(w.d.ItemIndex(), 7) << "a pick-only edit goes to the last item";
    QTest::keyClick(&w.d, Qt::Key_Home);
    EXPECT_EQ(w.d.ItemIndex(), 0);
}

TEST(MultiColumnDropDown, PopupListsTheItemsAndTakesTheClickedRow)
{
    MultiWindow w;
    w.d.DropDownHeader().SetVisible(false);
    w.d.DropDownFooter().SetVisible(false);
    w.d.SetItemIndex(1);
    QTest::keyClick(&w.d, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(w.d.DroppedDown());
    TVxColGrid* grid = w.Grid();
    EXPECT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(grid->ColCount(), 2);
    EXPECT_EQ(grid->Row(), 2) << "the selected item's row";
    EXPECT_EQ(w.d.DropDownForm()->height(), 181) << "200 snapped to seven rows under the header";

    const TRect r = grid->CellRect(1, 4);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(r.Left + 3, r.Top + 3));
    EXPECT_FALSE(w.d.DroppedDown());
    EXPECT_EQ(w.d.ItemIndex(), 3);
    EXPECT_EQ(w.d.Text(), QStringLiteral("Banana"));

    // Opened again and left with Esc, the item stays what it was at the opening.
    QTest::keyClick(&w.d, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(w.d.DroppedDown());
    QTest::keyClick(grid, Qt::Key_Up);
    EXPECT_EQ(w.d.ItemIndex(), 2) << "the text follows the row at once";
    QTest::keyClick(grid, Qt::Key_Escape);
    EXPECT_FALSE(w.d.DroppedDown());
    EXPECT_EQ(w.d.ItemIndex(), 3);
}

TEST(MultiColumnDropDown, TypeAheadInThePopupSelectsTheItemAndItsRow)
{
    MultiWindow w;
    QTest::keyClick(&w.d, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(w.d.DroppedDown());
    TVxColGrid* grid = w.Grid();
    QTest::keyClicks(grid, QStringLiteral("ax"));
    EXPECT_EQ(w.d.ItemIndex(), 2);
    EXPECT_EQ(w.d.Text(), QStringLiteral("Axe"));
    EXPECT_EQ(grid->Row(), 3);
    QTest::keyClicks(grid, QStringLiteral("b"));   // "axb" matches nothing; "b" alone does
    EXPECT_EQ(w.d.ItemIndex(), 3);
    EXPECT_EQ(grid->Row(), 4);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_FALSE(w.d.DroppedDown());
    EXPECT_EQ(w.d.Text(), QStringLiteral("Banana"));
}
