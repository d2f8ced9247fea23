#include "grid/core/CellGraphic.h"
#include "grid/core/VxStringGrid.h"
#include "grid/paint/ControlLook.h"
#include "platform/Canvas.h"
#include "platform/ImageList.h"
#include "support/QStringPrinter.h"
#include <gtest/gtest.h>

namespace {
constexpr auto L = TCellHAlign::haLeft;
constexpr auto T = TCellVAlign::vaTop;

struct Grid {
    TVxStringGrid g;
    Grid()
    {
        g.SetColCount(4);
        g.SetRowCount(4);
    }
    TCellGraphic* At(int c, int r) { return g.GetCellGraphic(c, r); }
};
} // namespace

// A marker must leave every other value of the graphic it is written into as it was.
TEST(VxStringGridCellObjects, MarkersNeverChangeRangesOrCounts)
{
    struct Case {
        const char* name;
        std::function<void(TVxStringGrid&)> add;
        std::function<int(TVxStringGrid&)> value;
        int expected;
    };
    const Case cases[] = {
        {"progress range",
         [](TVxStringGrid& g) { g.AddProgressFormatted(1, 1, clRed, clBlack, clWhite, clBlack, "%d", 5, 50); },
         [](TVxStringGrid& g) { return g.GetCellGraphic(1, 1)->CellErrFrom() * 1000 + g.GetCellGraphic(1, 1)->CellErrLen(); },
         5050},
        {"scroll range",
         [](TVxStringGrid& g) { g.AddScrollBar(1, 1, false); },
         [](TVxStringGrid& g) { return g.GetScrollProp(1, 1).Range; },
         100},
        {"node child count",
         [](TVxStringGrid& g) {
             TCellGraphic* node = g.CreateCellGraphic(1, 1);
             node->SetCellType(TCellType::ctNode);
             node->SetCellErrFrom(3);
         },
         [](TVxStringGrid& g) { return g.GetCellGraphic(1, 1)->CellErrFrom(); },
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid t;
        c.add(t.g);
        t.g.AddMarker(1, 1, 7, 4);
        EXPECT_EQ(c.value(t.g), c.expected);
        int pos = -1, len = -1;
        t.g.GetMarker(1, 1, pos, len);
        EXPECT_EQ(pos, 7);
        EXPECT_EQ(len, 4);
        t.g.RemoveMarker(1, 1);
        EXPECT_EQ(c.value(t.g), c.expected);
        t.g.GetMarker(1, 1, pos, len);
        EXPECT_EQ(pos + len, 0);
    }
}

TEST(VxStringGridCellObjects, MarkerOnItsOwnAndBesideAComment)
{
    Grid t;
    t.g.AddMarker(2, 2, 1, 3);
    EXPECT_EQ(t.g.GetCellType(2, 2), TCellType::ctEmpty);
    ASSERT_NE(t.At(2, 2), nullptr);
    t.g.RemoveMarker(2, 2);
    EXPECT_EQ(t.At(2, 2), nullptr);

    t.g.AddComment(1, 1, "note");
    t.g.AddMarker(1, 1, 2, 2);
    EXPECT_EQ(t.g.GetComment(1, 1), "note");
    t.g.RemoveMarker(1, 1);
    EXPECT_EQ(t.g.GetComment(1, 1), "note");
    int pos = -1, len = -1;
    t.g.GetMarker(1, 1, pos, len);
    EXPECT_EQ(pos, 0);
    EXPECT_EQ(len, 0);
    t.g.GetMarker(3, 3, pos, len);   // no graphic
    EXPECT_EQ(pos + len, 0);
}

TEST(VxStringGridCellObjects, CommentsTakeEmptyCellsOnly)
{
    Grid t;
    t.g.ControlLook().SetCommentColor(clLime);
    t.g.SetComment(1, 1, "first");
    EXPECT_EQ(t.g.GetCellType(1, 1), TCellType::ctComment);
    EXPECT_EQ(TColor(t.At(1, 1)->CellIndex()), clLime);
    t.g.SetComment(1, 1, "second");
    QString text;
    EXPECT_TRUE(t.g.IsComment(1, 1, text));
    EXPECT_EQ(text, "second");

    t.g.CreateCellGraphic(2, 1)->SetCheckBox(true, false, false, L, T);
    t.g.SetComment(2, 1, "ignored");
    EXPECT_EQ(t.g.GetCellType(2, 1), TCellType::ctCheckBox);
    EXPECT_EQ(t.g.GetComment(2, 1), "");

    t.g.AddColorComment(3, 3, "red", clRed);
    t.g.RemoveAllComments();
    EXPECT_EQ(t.At(1, 1), nullptr);
    EXPECT_EQ(t.At(3, 3), nullptr);
    EXPECT_EQ(t.g.GetCellType(2, 1), TCellType::ctCheckBox);
}

TEST(VxStringGridCellObjects, BalloonAttachesToACheckBoxAndLeavesIt)
{
    Grid t;
    t.g.CreateCellGraphic(1, 1)->SetCheckBox(true, false, false, L, T);
    t.g.AddBalloon(1, 1, "Title", "Text", TBalloonIcon::biWarning);
    t.g.AddBalloon(1, 1, "Title 2", "Text 2", TBalloonIcon::biError);   // replaces the first
    QString title, text;
    TBalloonIcon icon = TBalloonIcon::biNone;
    EXPECT_TRUE(t.g.IsBalloon(1, 1, title, text, icon));
    EXPECT_EQ(title, "Title 2");
    EXPECT_EQ(text, "Text 2");
    EXPECT_EQ(icon, TBalloonIcon::biError);
    EXPECT_FALSE(t.g.HasBalloon(1, 1));
    EXPECT_TRUE(t.g.HasCheckBox(1, 1));
    t.g.RemoveBalloon(1, 1);
    EXPECT_FALSE(t.g.IsBalloon(1, 1, title, text, icon));
    EXPECT_EQ(t.g.GetCellType(1, 1), TCellType::ctCheckBox);

    t.g.AddBalloon(2, 2, "T", "X", TBalloonIcon::biInfo);
    EXPECT_TRUE(t.g.HasBalloon(2, 2));
    t.g.AddComment(3, 3, "c");
    t.g.AddBalloon(3, 3, "T", "X", TBalloonIcon::biInfo);
    EXPECT_EQ(t.g.GetCellType(3, 3), TCellType::ctComment);
    t.g.RemoveBalloon(2, 2);
    EXPECT_EQ(t.At(2, 2), nullptr);
}

TEST(VxStringGridCellObjects, AnotherKindAnswersNothingAndChangesNothing)
{
    Grid t;
    TBitmap* made = t.g.CreateBitmap(1, 1, false, L, T);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(t.g.GetBitmap(1, 1), made);
    EXPECT_EQ(t.g.GetPicture(1, 1), nullptr);
    EXPECT_EQ(t.g.GetShapeColor(1, 1), clNone);
    EXPECT_EQ(t.g.GetScrollPosition(1, 1), -1);
    const TScrollProp none = t.g.GetScrollProp(1, 1);
    EXPECT_EQ(none.PageSize, -1);
    EXPECT_EQ(none.Range, -1);
    t.g.SetShapeColor(1, 1, clRed);
    t.g.RemoveProgress(1, 1);
    EXPECT_EQ(t.g.GetBitmap(1, 1), made);

    // The bitmap the graphic made goes with it (the leak checker sees it otherwise).
    t.g.AddProgress(1, 1, clBlue, clWhite);
    EXPECT_TRUE(t.g.HasProgress(1, 1));
    EXPECT_EQ(t.g.GetBitmap(1, 1), nullptr);
    EXPECT_FALSE(t.At(1, 1)->CellBoolean());
    EXPECT_EQ(t.At(1, 1)->CellErrLen(), 100);

    t.g.AddShape(2, 2, TCellShape::csStar, clYellow, clBlack, L, T);
    t.g.SetShapeColor(2, 2, clRed);
    EXPECT_EQ(t.g.GetShapeColor(2, 2), clRed);
}

TEST(VxStringGridCellObjects, ImageCellsNeedTheImageList)
{
    Grid t;
    t.g.AddImageIdx(1, 1, 2, L, T);
    t.g.AddDataImage(2, 1, 3, L, T);
    EXPECT_EQ(t.At(1, 1), nullptr);
    EXPECT_EQ(t.At(2, 1), nullptr);

    TCustomImageList images;
    t.g.SetGridImages(&images);
    t.g.AddImageIdx(1, 1, 2, L, T);
    t.g.SetImageIdx(1, 1, 5);
    int idx = -1;
    EXPECT_TRUE(t.g.GetImageIdx(1, 1, idx));
    EXPECT_EQ(idx, 5);

    t.g.AddDataImage(2, 1, 3, L, T);
    EXPECT_EQ(t.g.Cells(2, 1), "3");
    t.g.SetCells(2, 2, "7");
    t.g.AddDataImage(2, 2, 3, L, T);
    EXPECT_EQ(t.g.Cells(2, 2), "7");
    EXPECT_TRUE(t.g.HasDataImage(2, 2));
    t.g.RemoveDataImage(2, 2);
    EXPECT_EQ(t.g.Cells(2, 2), "");
    EXPECT_FALSE(t.g.HasDataImage(2, 2));

    t.g.AddMultiImage(3, 1, 0, L, T);
    ASSERT_NE(t.g.GetCellImages(3, 1), nullptr);
    EXPECT_TRUE(t.At(3, 1)->CellBoolean());
}

TEST(VxStringGridCellObjects, ScrollBarRangeFollowsTheTextWithAutoRange)
{
    Grid t;
    t.g.SetCells(1, 1, "one");
    t.g.AddScrollBar(1, 1, true);
    EXPECT_TRUE(t.g.HasAutoRangeScrollBar(1, 1));
    const int oneLine = t.g.GetScrollProp(1, 1).Range;
    EXPECT_GT(oneLine, 0);
    EXPECT_EQ(t.g.GetScrollProp(1, 1).PageSize, t.g.RowHeights(1));
    t.g.SetCells(1, 1, "one\r\ntwo\r\nthree");
    EXPECT_EQ(t.g.GetScrollProp(1, 1).Range, 3 * oneLine);

    t.g.AddScrollBar(2, 1, false);
    t.g.SetScrollProp(2, 1, TScrollProp{10, 40});
    t.g.SetScrollPosition(2, 1, 12);
    EXPECT_EQ(t.g.GetScrollPosition(2, 1), 12);
    EXPECT_EQ(t.g.GetScrollProp(2, 1).PageSize, 10);
    t.g.SetCells(2, 1, "a\r\nb");
    EXPECT_EQ(t.g.GetScrollProp(2, 1).Range, 40);
}

TEST(VxStringGridCellObjects, ButtonsByDisplayColumnAndTheirRectangle)
{
    Grid t;
    t.g.AddButton(2, 1, 30, 12, "Go", L, T);
    t.g.HideColumn(1);   // display column 1 now shows real column 2
    EXPECT_EQ(t.g.GetButtonText(1, 1), "Go");
    t.g.SetButtonText(1, 1, "Stop");
    t.g.PushButton(1, 1, true);
    EXPECT_EQ(t.At(2, 1)->CellText(), "Stop");
    EXPECT_TRUE(t.At(2, 1)->CellBoolean());

    t.At(2, 1)->SetCellValue(3 + 4 * 65536);
    const TRect cell = t.g.CalcCellRect(1, 1);
    const TRect r = t.g.GetCellGraphicRect(1, 1);
    EXPECT_EQ(r.Left, cell.Left + 3);
    EXPECT_EQ(r.Top, cell.Top + 4);
    EXPECT_EQ(r.Right - r.Left, 30);
    EXPECT_EQ(r.Bottom - r.Top, 12);
    const TRect none = t.g.GetCellGraphicRect(2, 2);
    EXPECT_EQ(none.Right + none.Bottom, 0);

    t.g.CreateBitButton(3, 2, 10, 10, "B", L, T);
    t.g.RemoveAllButtons();
    EXPECT_FALSE(t.g.HasButton(2, 1));
    EXPECT_FALSE(t.g.HasButton(3, 2));
}

TEST(VxStringGridCellObjects, RatingChangeAsksTheEvent)
{
    Grid t;
    t.g.AddRating(1, 1, 5, clYellow, clSilver);
    int asked = 0;
    t.g.OnRatingChange = [&](QObject*, int, int, double& NewRate, bool& Allow) {
        ++asked;
        Allow = NewRate <= 5;
    };
    double rate = 3;
    EXPECT_TRUE(t.g.DoRatingChange(1, 1, rate));
    rate = 6;
    EXPECT_FALSE(t.g.DoRatingChange(1, 1, rate));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(t.At(1, 1)->CellHAlign(), TCellHAlign::haFull);
}
