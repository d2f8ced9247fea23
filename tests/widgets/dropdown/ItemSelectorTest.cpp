#include "platform/ImageList.h"
#include "support/QStringPrinter.h"
#include "widgets/dropdown/VxItemSelector.h"
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {
void AddItems(TVxCustomItemSelector& s, const QStringList& captions)
{
    for (const QString& c : captions)
        s.Items().Add()->SetCaption(c);
}

void AddColors(TVxCustomItemSelector& s, int count)
{
    for (int i = 0; i < count; ++i)
        s.Items().Add()->SetColor(TColor(i * 0x101010));
}

// A selector whose cells are fixed at Width x Height.
void FixCell(TVxCustomItemSelector& s, int Width, int Height)
{
    s.OnItemSize = [=](QObject*, TSize& size) { size = {Width, Height}; };
    s.UpdateSelectorPanel();
}
} // namespace

TEST(ItemSelector, EmptySelector)
{
    TVxCustomItemSelector s;
    EXPECT_EQ(s.GetSelectorSize(), (TSize{100, 50}));
    EXPECT_EQ(s.GetVisibleItemCount(), 0);
    EXPECT_FALSE(s.LookupItem(QStringLiteral("A")));
    EXPECT_EQ(s.ItemIndex(), -1);
    EXPECT_EQ(s.Panel()->GetItemRect(0), Rect(-1, -1, -1, -1));
}

TEST(ItemSelector, PanelOnlyForAHost)
{
    QWidget other;
    EXPECT_THROW(TCustomItemSelector panel(&other), std::runtime_error);
    EXPECT_THROW(TCustomItemSelector panel(nullptr), std::runtime_error);
    TVxCustomItemSelector host;
    EXPECT_NO_THROW(TCustomItemSelector panel(&host));
}

struct LayoutCase {
    const char* name;
    int columns, count;
    TSize panel;
    TRect last;   // the last item's cell
};

TEST(ItemSelector, LayoutOfCellsAndPanel)
{
    // Cells of 30 x 20 from (2, 2); the panel reaches 2 pixels past the rightmost and the last row.
    const LayoutCase cases[] = {
        {"one column", 1, 3, {34, 64}, Rect(2, 42, 32, 62)},
        {"three columns, seven items: three rows, the last with one cell", 3, 7, {94, 64}, Rect(2, 42, 32, 62)},
        {"a short row only", 4, 2, {64, 24}, Rect(32, 2, 62, 22)},
        {"rows filled exactly", 2, 4, {64, 44}, Rect(32, 22, 62, 42)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TVxCustomItemSelector s;
        s.SetColumns(c.columns);
        AddColors(s, c.count);
        FixCell(s, 30, 20);
        EXPECT_EQ(s.GetSelectorSize(), c.panel);
        EXPECT_EQ(s.Panel()->GetItemRect(c.count - 1), c.last);
    }
    TVxCustomItemSelector s;
    s.SetColumns(0);   // ignored
    EXPECT_EQ(s.Columns(), 1);
}

struct SizeCase {
    const char* name;
    TSelectorType type;
    TItemLayout layout;
    int boxWidth, boxHeight;
    bool imageList;
    TSize cell;
};

TEST(ItemSelector, CellSizeWithoutCaptions)
{
    // 4-pixel inner margins around the content; no caption gap without a caption.
    const SizeCase cases[] = {
        {"colour box right", TSelectorType::stColor, TItemLayout::ilCaptionRight, 14, 14, false, {22, 22}},
        {"colour box top", TSelectorType::stColor, TItemLayout::ilCaptionTop, 20, 10, false, {28, 18}},
        {"image list images", TSelectorType::stImage, TItemLayout::ilCaptionLeft, 14, 14, true, {32, 32}},
        {"no content at all", TSelectorType::stImage, TItemLayout::ilCaptionBottom, 14, 14, false, {8, 8}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TCustomImageList images(24, 24);
        TVxCustomItemSelector s;
        s.SetSelectorType(c.type);
        s.SetItemLayout(c.layout);
        s.SetColorBoxWidth(c.boxWidth);
        s.SetColorBoxHeight(c.boxHeight);
        if (c.imageList)
            s.SetImages(&images);
        s.Items().Add()->SetImageIndex(0);
        s.UpdateSelectorPanel();
        const TRect r = s.Panel()->GetItemRect(0);
        EXPECT_EQ((TSize{r.Width(), r.Height()}), c.cell);
    }
}

TEST(ItemSelector, PictureTakesPrecedenceInTheCellSize)
{
    TCustomImageList images(16, 16);
    TVxCustomItemSelector s;
    s.SetImages(&images);
    TSelectorItem* item = s.Items().Add();
    item->SetImageIndex(0);
    TBitmap picture(40, 30);
    item->SetImage(picture);
    s.UpdateSelectorPanel();
    EXPECT_EQ(s.Panel()->GetItemRect(0), Rect(2, 2, 2 + 48, 2 + 38));
}

TEST(ItemSelector, LayoutChangeWaitsForTheNextLayout)
{
    TVxCustomItemSelector s;
    s.SetSelectorType(TSelectorType::stColor);
    AddItems(s, {QStringLiteral("Apple")});
    const TRect before = s.Panel()->GetItemRect(0);
    s.SetItemLayout(TItemLayout::ilCaptionTop);
    EXPECT_EQ(s.Panel()->GetItemRect(0), before);
    s.SetColorBoxWidth(15);
    EXPECT_NE(s.Panel()->GetItemRect(0).Height(), before.Height());
}

TEST(ItemSelector, HitTestAndVisibleCount)
{
    TVxCustomItemSelector s;
    s.SetColumns(3);
    AddColors(s, 8);
    FixCell(s, 30, 20);
    const struct {
        TPoint at;
        int item;
    } hits[] = {
        {{2, 2}, 0}, {{31, 21}, 0}, {{32, 2}, 1}, {{1, 1}, -1}, {{92, 2}, -1}, {{2, 22}, 3}, {{62, 42}, -1},
        {{32, 42}, 7},
    };
    for (const auto& h : hits) {
        SCOPED_TRACE(testing::Message() << h.at.X << "," << h.at.Y);
        EXPECT_EQ(s.Panel()->ItemAtPoint(h.at.X, h.at.Y), h.item);
    }
    s.resize(120, 45);
    EXPECT_EQ(s.GetVisibleItemCount(), 45 / 20 * 3);
}

TEST(ItemSelector, LookupByPlainUpperCaseCaption)
{
    TVxCustomItemSelector s;
    AddItems(s, {QStringLiteral("<b>Apple</b>"), QStringLiteral("  apricot"), QStringLiteral("Banana")});
    int selects = 0;
    s.OnItemSelect = [&](QObject*) { ++selects; };
    const struct {
        const char* search;
        bool found;
        int item;
    } cases[] = {
        {"AP", true, 0}, {"APR", true, 1}, {"B", true, 2}, {"", false, 2}, {"ap", false, 2}, {"APX", false, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.search);
        EXPECT_EQ(s.LookupItem(QString::fromLatin1(c.search)), c.found);
        EXPECT_EQ(s.ItemIndex(), c.item);
    }
    EXPECT_EQ(selects, 3);
}

TEST(ItemSelector, SelectionAndHotMovesStopAtTheEnds)
{
    TVxCustomItemSelector s;
    AddColors(s, 3);
    int selects = 0;
    s.OnItemSelect = [&](QObject*) { ++selects; };
    s.SelectPrevious();
    EXPECT_EQ(s.ItemIndex(), 0);   // nothing selected: item 0
    s.SelectPrevious();
    EXPECT_EQ(s.ItemIndex(), 0);
    s.SelectLast();
    s.SelectNext();
    EXPECT_EQ(s.ItemIndex(), 2);
    s.SetItemIndex(2);   // the same item again still tells
    EXPECT_EQ(selects, 3);
    s.SetItemIndex(-1);
    EXPECT_EQ(selects, 3);
    s.HotNext();
    s.HotNext();
    s.HotNext();
    s.HotNext();
    EXPECT_EQ(s.ItemHot(), 2);
    s.HotPrevious();
    EXPECT_EQ(s.ItemHot(), 1);
}

TEST(ItemSelector, MouseMakesHotShowsHintAndSelects)
{
    TVxCustomItemSelector s;
    s.resize(200, 100);
    AddColors(s, 4);
    s.Items()[2].SetHint(QStringLiteral("third"));
    FixCell(s, 30, 20);
    s.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&s));
    int selects = 0;
    s.OnItemSelect = [&](QObject* sender) {
        EXPECT_EQ(sender, &s);
        ++selects;
    };
    QWidget* panel = s.Panel();
    QTest::mouseMove(panel, QPoint(10, 50));
    EXPECT_EQ(s.ItemHot(), 2);
    EXPECT_EQ(panel->toolTip(), QStringLiteral("third"));
    QTest::mouseMove(panel, QPoint(60, 95));   // below the items
    EXPECT_EQ(s.ItemHot(), -1);
    QTest::mouseClick(panel, Qt::RightButton, Qt::NoModifier, QPoint(10, 30));
    EXPECT_EQ(s.ItemIndex(), 1);
    EXPECT_EQ(selects, 1);
    QTest::mouseClick(panel, Qt::LeftButton, Qt::NoModifier, QPoint(60, 95));
    EXPECT_EQ(s.ItemIndex(), 1);
}

TEST(ItemSelector, ScrollsTheItemIntoView)
{
    TVxCustomItemSelector s;
    s.resize(120, 100);
    AddColors(s, 10);
    FixCell(s, 30, 20);
    s.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&s));
    ASSERT_TRUE(s.VertScrollBarVisible());
    const int client = s.viewport()->height();
    s.SetItemIndex(9);   // bottom meets the client bottom
    EXPECT_EQ(s.Panel()->GetItemRect(9).Bottom + s.Panel()->y(), client);
    s.SetItemIndex(0);   // top meets the client top
    EXPECT_EQ(s.Panel()->GetItemRect(0).Top + s.Panel()->y(), 0);
}
