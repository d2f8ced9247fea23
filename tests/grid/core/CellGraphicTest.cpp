#include "grid/core/CellGraphic.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/model/IntList.h"
#include "grid/paint/ControlLook.h"
#include "support/CountedObject.h"
#include <gtest/gtest.h>

namespace {
// A picture of a given natural size.
struct Picture {
    int w, h;
    int Width() const { return w; }
    int Height() const { return h; }
};
} // namespace

TEST(CellGraphic, AngleIsBroughtIntoZeroTo360)
{
    const std::pair<int, int> cases[] = {{-30, 330}, {720, 360}, {360, 360}, {0, 0}, {-720, 0}, {45, 45}};
    for (auto [given, stored] : cases) {
        TCellGraphic g;
        g.SetAngle(given);
        EXPECT_EQ(g.CellAngle(), stored) << given;
        EXPECT_EQ(g.CellType(), TCellType::ctRotated);
    }
}

TEST(CellGraphic, PictureSizeByStretchMode)
{
    struct Case {
        TStretchMode mode;
        Picture pic;
        int padding;
        TPoint expected;
    };
    const Case cases[] = {
        {TStretchMode::noStretch, {200, 100}, 0, {200, 100}},
        {TStretchMode::Stretch, {200, 100}, 0, {100, 100}},
        {TStretchMode::StretchWithAspectRatio, {200, 100}, 0, {100, 50}},
        {TStretchMode::Shrink, {200, 100}, 0, {100, 100}},
        {TStretchMode::ShrinkWithAspectRatio, {200, 100}, 0, {100, 50}},
        {TStretchMode::ShrinkWithAspectRatio, {50, 50}, 0, {50, 50}},
        {TStretchMode::StretchWithAspectRatio, {50, 25}, 0, {100, 50}},
        {TStretchMode::Stretch, {10, 10}, 10, {90, 90}},          // the padding comes off once
        {TStretchMode::StretchWithAspectRatio, {3, 200}, 0, {2, 100}},   // 1.5 rounds to the even 2
    };
    for (const Case& c : cases) {
        Picture pic = c.pic;
        TCellGraphic g;
        g.SetPicture(&pic, false, c.mode, c.padding, TCellHAlign::haLeft, TCellVAlign::vaTop);
        EXPECT_EQ(g.GetPictureSize(100, 100, false), c.expected) << int(c.mode) << " " << c.pic.w << "x" << c.pic.h;
    }
    TCellGraphic button;
    button.SetButton(60, 20, "go", TCellHAlign::haLeft, TCellVAlign::vaTop);
    EXPECT_EQ(button.GetPictureSize(100, 100, false, {7, 8}), (TPoint{7, 8}));   // other kinds: untouched
}

// A graphic frees what it made or owns, never what the caller handed it; Assign copies no reference.
TEST(CellGraphic, OwnershipByKindAndAssign)
{
    int alive = 0;
    auto* callers = new CountedObject(alive);
    {
        TCellGraphic made;
        made.SetBitmap(new CountedObject(alive), true, TCellHAlign::haLeft, TCellVAlign::vaTop);
        made.SetCellCreated(true);
        TCellGraphic given;
        given.SetBitmap(callers, false, TCellHAlign::haRight, TCellVAlign::vaCenter);
        TCellGraphic images;
        images.SetMultiImage(1, 2, 0, TCellHAlign::haLeft, TCellVAlign::vaTop, nullptr);
        EXPECT_TRUE(images.CellBoolean());
        ASSERT_NE(images.CellBitmap().As<TIntList>(), nullptr);
        TCellGraphic copy;
        copy.Assign(given);
        EXPECT_EQ(copy.CellType(), TCellType::ctBitmap);
        EXPECT_EQ(copy.CellHAlign(), TCellHAlign::haRight);
        EXPECT_FALSE(copy.CellBitmap().Assigned());
        EXPECT_EQ(alive, 2);
    }
    EXPECT_EQ(alive, 1);
    delete callers;
}

TEST(CellGraphic, ButtonPacksHeightAndWidth)
{
    TCellGraphic g;
    g.SetButton(60, 20, "OK", TCellHAlign::haCenter, TCellVAlign::vaCenter);
    EXPECT_EQ(g.CellIndex(), 20 * 65536 + 60);
    EXPECT_EQ(g.CellText(), "OK");
    g.SetCheckBox(true, true, true, TCellHAlign::haLeft, TCellVAlign::vaTop);
    EXPECT_EQ(g.CellType(), TCellType::ctDataCheckBox);
    g.SetCheckBox(TCheckBoxState::cbGrayed, false, TCellHAlign::haLeft, TCellVAlign::vaTop);
    EXPECT_EQ(g.CellType(), TCellType::ctTriStateCheckBox);
    EXPECT_EQ(g.CellCheckBoxState(), TCheckBoxState::cbGrayed);
}

TEST(GridCellGraphic, SlotLookupsCreateAndRemove)
{
    TVxStringGrid g;
    EXPECT_EQ(g.GetCellType(1, 1), TCellType::ctEmpty);
    EXPECT_EQ(g.GetCellType(-1, 1), TCellType::ctEmpty);
    EXPECT_FALSE(g.RemoveCellGraphic(1, 1));
    EXPECT_FALSE(g.HasCellProperties(1, 1));   // removing from an empty cell made nothing
    TCellGraphic* graphic = g.CreateCellGraphic(1, 1);
    ASSERT_NE(graphic, nullptr);
    EXPECT_EQ(g.GetCellType(1, 1), TCellType::ctNone);
    EXPECT_EQ(g.Cells(1, 1), "");   // the passing blank is gone again
    graphic->SetCheckBox(true, false, false, TCellHAlign::haLeft, TCellVAlign::vaTop);
    EXPECT_TRUE(g.HasCheckBox(1, 1));
    EXPECT_TRUE(g.HasClickableGraphic(1, 1));
    EXPECT_FALSE(g.HasButton(1, 1));
    EXPECT_FALSE(g.RemoveCellGraphicOfType(1, 1, TCellType::ctRadio));
    EXPECT_TRUE(g.RemoveCellGraphicOfType(1, 1, TCellType::ctCheckBox));
    EXPECT_EQ(g.GetCellType(1, 1), TCellType::ctEmpty);
    g.CreateCellGraphic(2, 2)->SetButton(10, 10, "", TCellHAlign::haLeft, TCellVAlign::vaTop);
    g.MergeCells(2, 2, 2, 2);
    EXPECT_TRUE(g.HasButton(3, 3));   // the base cell of the merged range answers
    g.CreateCellGraphic(1, 4)->SetBitButton<CountedObject>(10, 10, "", nullptr, TCellHAlign::haLeft,
                                                           TCellVAlign::vaTop);
    EXPECT_FALSE(g.HasClickableGraphic(1, 4));
}

TEST(GridCellGraphic, RowCheckBoxesAnswerForColumnZero)
{
    TVxStringGrid g;
    g.CreateCellGraphic(0, 3)->SetCellType(TCellType::ctNode);
    g.MouseActions().SetHotmailRowSelect(true);
    g.MouseActions().SetDisjunctRowSelect(true);
    for (int r = 0; r < g.RowCount(); ++r)
        EXPECT_EQ(g.GetCellType(0, r), TCellType::ctRowCheckBox) << r;
    g.SetRowSelect(2, true);
    EXPECT_TRUE(g.GetCellGraphic(0, 2)->CellBoolean());
    EXPECT_FALSE(g.GetCellGraphic(0, 4)->CellBoolean());
    EXPECT_EQ(g.GetCellGraphic(0, 0)->CellAngle(), 1);   // partly selected
    EXPECT_TRUE(g.HasDataCheckBox(0, 5));
}

// Graphics with owned lists and created objects go when their cells are cleared (AddressSanitizer sees the rest).
TEST(GridCellGraphic, ClearingCellsFreesTheirGraphics)
{
    int alive = 0;
    TVxStringGrid g;
    for (int r = 1; r < 4; ++r) {
        TCellGraphic* made = g.CreateCellGraphic(1, r);
        made->SetBitmap(new CountedObject(alive), false, TCellHAlign::haLeft, TCellVAlign::vaTop);
        made->SetCellCreated(true);
        g.CreateCellGraphic(2, r)->SetMultiImage(2, r, 1, TCellHAlign::haLeft, TCellVAlign::vaTop, nullptr);
    }
    g.CreateCellGraphic(3, 1)->SetCheckBox(true, false, false, TCellHAlign::haLeft, TCellVAlign::vaTop);
    g.SetClearTextOnly(true);
    g.SetCells(3, 1, "x");
    g.ClearRect(3, 1, 3, 1);
    EXPECT_EQ(g.Cells(3, 1), "");
    EXPECT_EQ(g.GetCellType(3, 1), TCellType::ctCheckBox);   // text only
    g.SetClearTextOnly(false);
    g.ClearRect(0, 1, 4, 2);
    EXPECT_EQ(alive, 1);
    EXPECT_EQ(g.GetCellType(2, 1), TCellType::ctEmpty);
    g.Clear();
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(g.GetCellType(3, 1), TCellType::ctEmpty);
}

TEST(GridCellGraphic, SizesBesideText)
{
    TVxStringGrid g;
    g.SetDefaultColWidth(100);
    struct Case {
        const char* name;
        std::function<void(TCellGraphic&)> make;
        QString text;
        TPoint expected;
    };
    Picture bmp{16, 16};
    const int check = g.ControlLook().CheckSize();
    const Case cases[] = {
        {"bitmap left top with text", [&](TCellGraphic& c) { c.SetBitmap(&bmp, false, TCellHAlign::haLeft, TCellVAlign::vaTop); }, "t", {0, 0}},
        {"bitmap without text", [&](TCellGraphic& c) { c.SetBitmap(&bmp, false, TCellHAlign::haLeft, TCellVAlign::vaTop); }, "", {16, 16}},
        {"bitmap before text", [&](TCellGraphic& c) { c.SetBitmap(&bmp, false, TCellHAlign::haBeforeText, TCellVAlign::vaTop); }, "t", {16, 0}},
        {"check box with text", [](TCellGraphic& c) { c.SetCheckBox(true, false, false, TCellHAlign::haLeft, TCellVAlign::vaTop); }, "t", {check, check}},
        {"button centred with text", [](TCellGraphic& c) { c.SetButton(60, 20, "b", TCellHAlign::haCenter, TCellVAlign::vaCenter); }, "t", {0, 0}},
        {"rating full", [](TCellGraphic& c) { c.SetCellType(TCellType::ctRating); c.SetCellAngle(5); c.SetCellHAlign(TCellHAlign::haFull); }, "", {90, 16}},
        {"pie full height", [](TCellGraphic& c) { c.SetCellType(TCellType::ctProgressPie); c.SetCellVAlign(TCellVAlign::vaFull); }, "", {20, g.RowHeights(1)}},
    };
    for (const Case& c : cases) {
        g.SetCells(1, 1, c.text);
        c.make(*g.CreateCellGraphic(1, 1));
        EXPECT_EQ(g.GetCellGraphicSize(1, 1), c.expected) << c.name;
    }
    EXPECT_EQ(g.GetCellGraphicSize(2, 2), (TPoint{0, 0}));
    g.SetRowHeights(2, 24);
    g.SetXYOffset({2, 2});
    g.CreateCellGraphic(1, 2)->SetCellType(TCellType::ctShape);
    EXPECT_EQ(g.CalcPrintGraphicSize(1, 2, 100, 100, 1.0), (TPoint{20, 20}));
}
