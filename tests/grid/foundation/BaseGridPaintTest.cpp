#include "grid/foundation/BaseGrid.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

namespace {

// A shown base grid with 64 x 24 cells on white, fixed cells silver, whose selected cells the string
// grid would colour blue; it records where content was drawn.
class PaintGrid : public TBaseGrid {
public:
    std::map<std::pair<int, int>, std::vector<TRect>> content;

    PaintGrid(int cols, int rows, int w = 400, int h = 200)
    {
        SetColCount(cols);
        SetRowCount(rows);
        SetColor(clWhite);
        SetFixedColor(clSilver);
        setFrameShape(QFrame::NoFrame);
        SetScrollBars(TScrollStyle::ssNone);
        resize(w, h);
        show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(this));
    }
    QImage Shot()
    {
        content.clear();
        return viewport()->grab().toImage();
    }
    int ownSelectedRow = -1;                      // a row the look marks selected by itself
    void SetHoverRowIndex(int r) { FHoverRowIdx = r; }
    void HideLastRow() { FHideLastRow = true; }
    using TBaseGrid::PaintCellExt;

protected:
    void DrawCellContent(TCanvas*, int ACol, int ARow, const TRect& ARect, TGridDrawState) override
    {
        content[{ACol, ARow}].push_back(ARect);
    }
    void GetVisualProperties(int, int ARow, TGridDrawState& AState, bool, bool, bool, TBrush& ABrush, TColor&,
                             TColor&, TColor&, TFont&, TAlignment&, TVAlignment&, bool&,
                             TCellGradientDirection&) override
    {
        if (ARow == ownSelectedRow)
            AState |= TGridDrawStateItem::gdSelected;
        if (AState.testFlag(TGridDrawStateItem::gdSelected))
            ABrush.SetColor(clBlue);
    }
};

QColor Px(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

} // namespace

TEST(BaseGridPaint, WideGridLinesAndTheContentInset)
{
    PaintGrid grid(4, 4);
    grid.SetGridLineWidth(3);
    grid.SetGridLineColor(clRed);
    grid.SetSelection({3, 3, 3, 3});
    const QImage shot = grid.Shot();
    // Cell (1, 1) spans (64, 24)-(128, 48); its bottom line is centred 2 pixels above the bottom.
    EXPECT_EQ(Px(shot, 90, 46), ToQColor(clRed));
    EXPECT_EQ(Px(shot, 90, 45), ToQColor(clRed));
    EXPECT_EQ(Px(shot, 90, 44), ToQColor(clWhite));
    EXPECT_EQ(Px(shot, 126, 35), ToQColor(clRed));   // the right line
    EXPECT_EQ(Px(shot, 124, 35), ToQColor(clWhite));
    ASSERT_EQ((grid.content[{1, 1}].size()), 1u);
    EXPECT_EQ((grid.content[{1, 1}][0]), Rect(67, 27, 125, 45));
    // Fixed cells keep one-pixel lines in the fixed line colour and a smaller inset.
    EXPECT_EQ(Px(shot, 30, 23), ToQColor(TColor(0x808080)));
    EXPECT_EQ(Px(shot, 30, 22), ToQColor(clSilver));
    EXPECT_EQ((grid.content[{0, 0}][0]), Rect(0, 0, 63, 22));
}

TEST(BaseGridPaint, StyledSelectionEndsMiddleAndWholeBlocks)
{
    PaintGrid grid(6, 3);
    grid.SetSelectionStyle(TGridSelectionStyle::ssWin7);
    grid.SetOptions(grid.Options() | TGridOption::goDrawFocusSelected);
    const QColor border = ToQColor(0xCEA27D);
    grid.SetSelection({2, 1, 4, 1});
    QImage shot = grid.Shot();
    // Column 2 (x 128..191) is the left end, 3 the middle, 4 (x 256..319) the right end.
    EXPECT_EQ(Px(shot, 128, 35), border);
    EXPECT_NE(Px(shot, 190, 35), border);
    EXPECT_NE(Px(shot, 192, 35), border);
    EXPECT_NE(Px(shot, 254, 35), border);
    EXPECT_NE(Px(shot, 256, 35), border);
    EXPECT_EQ(Px(shot, 318, 35), border);

    grid.SetSelection({2, 1, 2, 1});                 // one column: a whole block
    shot = grid.Shot();
    EXPECT_EQ(Px(shot, 128, 35), border);
    EXPECT_EQ(Px(shot, 190, 35), border);

    // Without the focus the selection turns grey.
    grid.SetOptions(grid.Options() & ~TGridOptions(TGridOption::goDrawFocusSelected));
    grid.clearFocus();
    shot = grid.Shot();
    EXPECT_EQ(Px(shot, 128, 35), ToQColor(0xD9D9D9));
}

TEST(BaseGridPaint, TheStateTheLookGivesDecidesTheSelectionBlock)
{
    PaintGrid grid(4, 4);
    grid.SetSelectionStyle(TGridSelectionStyle::ssWin7);
    grid.SetOptions(grid.Options() | TGridOption::goDrawFocusSelected);
    grid.SetSelection({1, 1, 1, 1});
    grid.ownSelectedRow = 2;
    const QImage shot = grid.Shot();
    // Cell (2, 2), x 128..191, is outside the grid's selection columns: a whole block of its own.
    EXPECT_EQ(Px(shot, 128, 60), ToQColor(0xCEA27D));
    EXPECT_EQ(Px(shot, 190, 60), ToQColor(0xCEA27D));
    EXPECT_EQ(Px(shot, 160, 85), ToQColor(clWhite));    // row 3 stays unselected
}

TEST(BaseGridPaint, ARangePaintedOutsideThePassIsStillPaintedByTheNextPass)
{
    PaintGrid grid(5, 5);
    grid.MergeCells(1, 1, 2, 2);
    grid.Shot();
    grid.content.clear();
    TBitmap bitmap(200, 100);
    grid.PaintCell(&bitmap.Canvas(), 1, 1, Rect(0, 0, 128, 48), TGridDrawState());   // a print or a drag image
    grid.PaintCell(&bitmap.Canvas(), 2, 2, Rect(0, 0, 64, 24), TGridDrawState());   // from a covered cell too
    bitmap.Canvas().Release();
    EXPECT_EQ((grid.content[{1, 1}].size()), 2u);
    grid.Shot();
    ASSERT_EQ((grid.content[{1, 1}].size()), 1u);
    EXPECT_EQ((grid.content[{1, 1}][0]), Rect(65, 25, 191, 71));
}

TEST(BaseGridPaint, MergedRangePaintedOnceAlsoWithItsBaseScrolledOut)
{
    PaintGrid grid(5, 20, 400, 100);
    grid.MergeCells(1, 1, 2, 2);
    grid.Shot();
    EXPECT_EQ((grid.content[{1, 1}].size()), 1u);
    EXPECT_EQ(grid.content.count({2, 2}), 0u);
    EXPECT_EQ((grid.content[{1, 1}][0]), Rect(65, 25, 191, 71));   // the whole range, inset by the line

    grid.SetTopRow(2);                                // the base row is out of view
    const QImage shot = grid.Shot();
    ASSERT_EQ((grid.content[{1, 1}].size()), 1u);
    EXPECT_EQ((grid.content[{1, 1}][0]), Rect(65, 1, 191, 47));
    EXPECT_EQ(Px(shot, 100, 10), ToQColor(clSilver));  // the fixed row stays unpainted over
    EXPECT_EQ(Px(shot, 100, 30), ToQColor(clWhite));
}

TEST(BaseGridPaint, HoverRowActiveRowAndFooterRow)
{
    PaintGrid grid(4, 4);
    grid.SetHoverRow(true);
    grid.SetHoverRowColor(clLime);
    grid.SetHoverRowCells({THoverRowCell::hcNormal});
    grid.SetHoverRowIndex(2);
    grid.SetSelection({2, 2, 2, 2});
    grid.HideLastRow();
    grid.SetColor(clCream);
    QImage shot = grid.Shot();
    EXPECT_EQ(Px(shot, 80, 60), ToQColor(clLime));     // normal cell of the hover row
    EXPECT_EQ(Px(shot, 150, 60), ToQColor(clBlue));    // the selected one keeps its look
    EXPECT_EQ(Px(shot, 10, 60), ToQColor(clSilver));   // fixed cells only with hcFixed
    EXPECT_EQ(Px(shot, 80, 80), ToQColor(clCream));    // the hidden footer row: grid colour, no lines
    EXPECT_EQ(Px(shot, 127, 80), ToQColor(clCream));

    grid.SetActiveRowShow(true);
    grid.SetActiveRowColor(clAqua);
    grid.SetHoverRow(false);
    shot = grid.Shot();
    EXPECT_EQ(Px(shot, 80, 60), ToQColor(clAqua));     // the current row but not the current cell
    EXPECT_EQ(Px(shot, 150, 60), ToQColor(clBlue));
}

TEST(BaseGridPaint, ReducedPaintOfASelectedCellTakesTheActiveRowColours)
{
    PaintGrid grid(4, 4);
    grid.SetActiveRowColor(clAqua);
    grid.content.clear();
    TBitmap bitmap(64, 24);
    grid.PaintCellExt(&bitmap.Canvas(), 1, 1, Rect(0, 0, 64, 24), TGridDrawStateItem::gdSelected);
    bitmap.Canvas().Release();
    EXPECT_EQ(bitmap.Image().pixelColor(10, 10), ToQColor(clAqua));
    EXPECT_TRUE(grid.content.empty());                // no content in the reduced mode
}
