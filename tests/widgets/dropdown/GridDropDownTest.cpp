#include "DropDownFixture.h"
#include "support/QStringPrinter.h"
#include "grid/core/HeaderFooterAppearance.h"
#include "grid/core/SortSettings.h"
#include "widgets/dropdown/DropDownForm.h"
#include "widgets/dropdown/VxCustomGridDropDown.h"
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace VxGridDropDown;

namespace {
// A shown grid drop-down in item mode with two columns, one item per name: the name and its length.
struct GridWindow : DropDownWindow<TCustomVxGridDropDown> {
    TCustomVxGridDropDown& d = *edit;
    explicit GridWindow(const QStringList& names = {QStringLiteral("Cherry"), QStringLiteral("Abcd"),
                                                    QStringLiteral("Axe"), QStringLiteral("Banana")})
    {
        for (const char* header : {"Name", "Length"})
            d.Columns().Add()->SetHeader(QString::fromLatin1(header));
        for (const QString& name : names)
            d.Items().Add()->SetText({name, QString::number(name.size())});
        d.EndUpdate();
        d.DropDownHeader().SetVisible(false);
        d.DropDownFooter().SetVisible(false);
    }
    TVxColGrid* Grid() const { return d.GetGrid(); }
    void Open()
    {
        QTest::keyClick(&d, Qt::Key_Down, Qt::AltModifier);
        ASSERT_TRUE(d.DroppedDown());
    }
    // A click on the header of column c sorts the grid by it.
    void ClickHeader(int c)
    {
        const TRect r = Grid()->CellRect(c, 0);
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(r.Left + 5, r.Top + 5));
    }
};
} // namespace

TEST(GridDropDown, PopupHeightSnapsToWholeRowsBelowTheHeader)
{
    struct Case { int height, chrome, header, row, snapped; };
    const Case cases[] = {
        {200, 0, 25, 22, 185},   // seven rows
        {203, 0, 25, 22, 207},   // room for an eighth
        {200, 30, 25, 22, 193},  // the pop-up's own header and footer come first
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        EXPECT_EQ(SnappedDropDownHeight(c.height, c.chrome, c.header, c.row, 6), c.snapped);
    }
    GridWindow w;
    w.Open();
    EXPECT_EQ(w.d.DropDownForm()->height(), 185) << "the default 200 as shown";
}

TEST(GridDropDown, OpenGridListsTheItemsUnderTheirHeadersWithTheItemIndexOfEachRow)
{
    GridWindow w;
    w.d.SetItemIndex(2);
    EXPECT_EQ(w.d.Text(), QStringLiteral("Axe"));
    w.Open();
    TVxColGrid* g = w.Grid();
    EXPECT_EQ(g->RowCount(), 5);
    EXPECT_EQ(g->ColCount(), 2);
    EXPECT_EQ(g->Cells(0, 0), QStringLiteral("Name"));
    EXPECT_EQ(g->Cells(1, 4), QStringLiteral("6"));
    for (int r = 1; r < 5; ++r)
        EXPECT_EQ(g->RowItem(r), r - 1);
    EXPECT_EQ(g->Row(), 3) << "the selected item's row";

    // Moving through the rows changes the text at once; Esc goes back to the item of the opening.
    QTest::keyClick(g, Qt::Key_Down);
    EXPECT_EQ(w.d.Text(), QStringLiteral("Banana"));
    QTest::keyClick(g, Qt::Key_Escape);
    EXPECT_FALSE(w.d.DroppedDown());
    EXPECT_EQ(w.d.ItemIndex(), 2);
    EXPECT_EQ(w.d.Text(), QStringLiteral("Axe"));

    // Return in the grid takes its row.
    w.Open();
    QTest::keyClick(g, Qt::Key_Up);
    QTest::keyClick(g, Qt::Key_Return);
    EXPECT_FALSE(w.d.DroppedDown());
    EXPECT_EQ(w.d.ItemIndex(), 1);
    EXPECT_EQ(w.d.Text(), QStringLiteral("Abcd"));
}

TEST(GridDropDown, AfterTheUserSortsRowsKeepTheirItems)
{
    GridWindow w;
    w.d.SetSorting(TGridSorting::gsSingleColumn);
    w.d.SetItemIndex(0);   // Cherry, the first row before the sort
    w.Open();
    TVxColGrid* g = w.Grid();
    w.ClickHeader(0);
    ASSERT_EQ(g->Cells(0, 1), QStringLiteral("Abcd")) << "sorted by name";
    EXPECT_EQ(g->Cells(0, g->Row()), QStringLiteral("Cherry")) << "the item selected before the sort stays current";

    // A click on a row selects the item that row shows, not the item of the row's number.
    const TRect r = g->CellRect(0, 4);
    QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(r.Left + 5, r.Top + 5));
    EXPECT_FALSE(w.d.DroppedDown());
    EXPECT_EQ(w.d.Text(), g->Cells(0, 4));
    EXPECT_EQ(w.d.ItemIndex(), g->RowItem(4));
    EXPECT_EQ(w.d.Items()[w.d.ItemIndex()].Text().first(), w.d.Text());
}

TEST(GridDropDown, TypeAheadInASortedGridSelectsTheItemAndItsRow)
{
    GridWindow w;
    w.d.SetSorting(TGridSorting::gsSingleColumn);
    w.Open();
    TVxColGrid* g = w.Grid();
    w.ClickHeader(0);
    w.ClickHeader(0);   // descending: Cherry, Banana, Axe, Abcd
    ASSERT_EQ(g->Cells(0, 1), QStringLiteral("Cherry"));
    g->setFocus();
    QTest::keyClicks(g, QStringLiteral("ax"));
    EXPECT_EQ(w.d.ItemIndex(), 2);
    EXPECT_EQ(w.d.Text(), QStringLiteral("Axe"));
    EXPECT_EQ(g->Cells(0, g->Row()), QStringLiteral("Axe")) << "the row that shows the item";
    QTest::keyClick(g, Qt::Key_Return);
    EXPECT_FALSE(w.d.DroppedDown());
    EXPECT_EQ(w.d.Text(), QStringLiteral("Axe"));
    EXPECT_EQ(w.d.ItemIndex(), 2);
}

TEST(GridDropDown, LookupMethodsOfTheOpenGrid)
{
    // List style: when nothing begins with the search text and the new character, the character alone searches.
    {
        GridWindow w;
        w.d.SetStyle(TDropDownStyle::dsDropDownList);
        w.Open();
        QTest::keyClicks(w.Grid(), QStringLiteral("abc"));
        EXPECT_EQ(w.d.Text(), QStringLiteral("Abcd"));
        QTest::keyClicks(w.Grid(), QStringLiteral("b"));
        EXPECT_EQ(w.d.Text(), QStringLiteral("Banana")) << "the search starts again from the character";
    }
    {
        GridWindow w;
        w.d.SetLookupMethod(TLookupMethod::lmNarrowDown);
        w.Open();
        QTest::keyClicks(w.Grid(), QStringLiteral("AN"));
        TVxColGrid* g = w.Grid();
        ASSERT_EQ(g->RowCount(), 2) << "only Banana contains an";
        EXPECT_EQ(g->Cells(0, 1), QStringLiteral("Banana"));
        QTest::keyClick(g, Qt::Key_Home);   // a navigation key empties the search text
        QTest::keyClick(g, Qt::Key_Space);
        EXPECT_EQ(g->RowCount(), 5) << "a blank search shows all rows again";
    }
    {
        GridWindow w;
        w.d.SetLookupMethod(TLookupMethod::lmNone);
        w.d.SetItemIndex(0);
        w.Open();
        QTest::keyClicks(w.Grid(), QStringLiteral("ba"));
        EXPECT_EQ(w.Grid()->Row(), 1);
        EXPECT_EQ(w.d.ItemIndex(), 0);
    }
}

TEST(GridDropDown, WheelOverTheOpenGridMovesWithoutSelecting)
{
    GridWindow w;
    w.d.SetItemIndex(1);
    w.Open();
    TVxColGrid* g = w.Grid();
    QWheelEvent wheel(QPointF(5, 40), g->viewport()->mapToGlobal(QPointF(5, 40)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(g->viewport(), &wheel);
    EXPECT_NE(g->Row(), 2) << "the wheel moved the row";
    EXPECT_EQ(w.d.ItemIndex(), 1);
    w.d.HideDropDown(false);
    EXPECT_EQ(w.d.ItemIndex(), 1) << "a closing after a wheel turn only keeps the old item";
}

TEST(GridDropDown, KeysOfTheClosedEditStepThroughTheItems)
{
    struct Case { int from; Qt::Key key; TDropDownStyle style; int to; };
    const Case cases[] = {
        {5, Qt::Key_PageDown, TDropDownStyle::dsDropDown, 7},      {-1, Qt::Key_PageDown, TDropDownStyle::dsDropDown, 0},
        {5, Qt::Key_PageUp, TDropDownStyle::dsDropDown, 0},        {7, Qt::Key_Down, TDropDownStyle::dsDropDown, 7},
        {3, Qt::Key_Home, TDropDownStyle::dsDropDown, 3},          {3, Qt::Key_End, TDropDownStyle::dsDropDown, 3},
        {3, Qt::Key_Home, TDropDownStyle::dsDropDownList, 0},      {3, Qt::Key_End, TDropDownStyle::dsDropDownList, 7},
    };
    QStringList names;
    for (int i = 0; i < 8; ++i)
        names << QStringLiteral("item %1").arg(i);
    GridWindow w(names);
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1, key %2").arg(c.from).arg(c.key).toStdString());
        w.d.SetStyle(c.style);
        w.d.SetItemIndex(c.from);
        QTest::keyClick(&w.d, c.key);
        EXPECT_EQ(w.d.ItemIndex(), c.to);
    }
}

TEST(GridDropDown, GridModeReadsTheApplicationsRows)
{
    GridWindow w(QStringList{});
    w.d.Columns().Clear();
    w.d.Columns().Add();
    w.d.Columns().Add();
    w.d.SetUseItems(false);
    TVxColGrid* g = w.Grid();
    g->SetColCount(5);
    g->SetRowCount(4);
    const char* rows[] = {"Code", "A1", "B2", "C3"};
    for (int r = 0; r < 4; ++r)
        g->SetCells(0, r, QString::fromLatin1(rows[r]));
    w.d.SetItemIndex(1);
    EXPECT_EQ(w.d.Text(), QStringLiteral("B2"));
    w.Open();
    EXPECT_EQ(w.d.Columns().Count(), 5) << "a definition for each of the grid's columns";
    EXPECT_EQ(g->Row(), 2);
    QTest::keyClick(g, Qt::Key_Down);
    QTest::keyClick(g, Qt::Key_Return);
    EXPECT_EQ(w.d.ItemIndex(), 2);
    EXPECT_EQ(w.d.Text(), QStringLiteral("C3"));
}
