#include "grid/core/VxStringGrid.h"
#include "grid/model/GridText.h"
#include "grid/interaction/GridAuxWindows.h"
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

static std::ostream& operator<<(std::ostream& os, const TRect& r)
{
    return os << "(" << r.Left << "," << r.Top << ")-(" << r.Right << "," << r.Bottom << ")";
}

TEST(GridHintWindow, HintsStayInsideTheMonitor)
{
    const QRect monitor(0, 0, 800, 600);
    struct Case {
        TRect In, Out;
    } cases[] = {
        {{100, 100, 300, 120}, {100, 100, 300, 120}},
        {{700, 100, 900, 120}, {598, 100, 798, 120}},   // ends 2 pixels before the right edge
        {{100, 590, 300, 610}, {100, 578, 300, 598}},
        {{790, 595, 990, 615}, {598, 578, 798, 598}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitHintRect(c.In, monitor), c.Out) << c.In;
}

TEST(GridHintWindow, SizedByItsTextAndMovedInOnScreen)
{
    THTMLHintWindow hint;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    hint.ActivateHint(TRect{10, 10, 11, 11}, "<b>bold</b> and plain");
    const TRect text = hint.CalcHintRect(1008, "<b>bold</b> and plain");
    ASSERT_GT(text.Width(), 0);
    EXPECT_EQ(hint.geometry(), QRect(10, 10, text.Width() + 16, text.Height() + 4));
    hint.ActivateHint(TRect{screen.right() - 5, 10, screen.right(), 11}, "a rather long hint text");
    EXPECT_EQ(hint.geometry().right() + 1, screen.right() + 1 - 2);
}

TEST(GridHintWindow, AnEscapedWideHintIsOneLineOfPlainText)
{
    THTMLHintWindow hint;
    const QString wide = EncodeWideCellText(QStringLiteral("Ωmega <b>not bold</b>"));
    ASSERT_EQ(ClassifyCellText(wide, true), TCellTextKind::ctkWide);
    hint.ActivateHint(TRect{10, 10, 11, 11}, wide);
    const QFontMetrics fm(hint.font());
    EXPECT_EQ(hint.width(), fm.horizontalAdvance(QStringLiteral("Ωmega <b>not bold</b>")) + 8);
    EXPECT_EQ(hint.height(), fm.height() + 4);
}

namespace {

struct ScrollGrid : TVxStringGrid {
    explicit ScrollGrid(int rows)
    {
        SetColCount(3);
        SetRowCount(rows);
        resize(300, 230);   // room for ten rows of 22 pixels
        show();
    }
};

} // namespace

TEST(GridScrollControl, ThumbFollowsTheTopRowAndIsNeverShorterThan20)
{
    ScrollGrid g(1001);
    TScrollControl bar(&g, 0);
    bar.setGeometry(0, 0, 4, 222);
    const TScrollThumb top = bar.Thumb();
    ASSERT_TRUE(top.Shown);
    EXPECT_EQ(top.Pos, 22);   // below the fixed row
    EXPECT_EQ(top.Size, 20);
    g.SetTopRow(g.RowCount() - g.VisibleRowCount());
    const TScrollThumb bottom = bar.Thumb();
    EXPECT_LE(bottom.Pos + bottom.Size, 222);
    EXPECT_GT(bottom.Pos, 180);
}

TEST(GridScrollControl, NoThumbWhenEveryRowFits)
{
    ScrollGrid g(4);
    TScrollControl bar(&g, 0);
    bar.setGeometry(0, 0, 4, 222);
    EXPECT_FALSE(bar.Thumb().Shown);
}

TEST(GridScrollControl, PressesBesideTheThumbPageAndDraggingItScrolls)
{
    ScrollGrid g(101);
    TScrollControl bar(&g, 0);
    bar.setGeometry(0, 0, 4, 222);
    bar.show();
    const int page = g.VisibleRowCount();
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(2, 200));
    EXPECT_EQ(g.TopRow(), 1 + page);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(2, 1));
    EXPECT_EQ(g.TopRow(), 1);
    const TScrollThumb t = bar.Thumb();
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(2, t.Pos + 2));
    QTest::mouseMove(&bar, QPoint(2, t.Pos + 2 + 40));
    EXPECT_EQ(g.TopRow(), 1 + int(std::lround(40.0 / (222 - 22) * 101)));
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(2, t.Pos + 42));
}
