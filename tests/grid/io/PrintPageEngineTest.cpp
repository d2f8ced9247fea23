#include "grid/core/GridSettings.h"
#include "grid/core/VxGridError.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/io/PrintPageEngine.h"
#include "grid/io/RecordingPrintCanvas.h"
#include "support/QStringPrinter.h"
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// Fonts of 10 points: 35 (0.1 mm) high on the recording canvas, so the gap g is 4 and the padding 8.
constexpr int kGap = 4;
constexpr int kPadding = 8;

// A grid whose cells say where they are ("C<col>R<row>"), with print settings that make the layout plain:
// no margins, fixed row heights of 100 (row pitch 2g + 100 = 108) and column widths from the screen widths
// (100 pixels = 265, plus the column spacing of 20).
struct PrintGrid {
    TVxStringGrid g;
    RecordingPrintCanvas canvas;
    PrintGrid(int cols, int rows, int fixedRows = 0, int fixedCols = 0)
    {
        g.SetColCount(cols);
        g.SetRowCount(rows);
        g.SetFixedRows(fixedRows);
        g.SetFixedCols(fixedCols);
        for (int c = 0; c < cols; ++c) {
            g.SetColWidths(c, 100);
            for (int r = 0; r < rows; ++r)
                g.SetCells(c, r, QStringLiteral("C%1R%2").arg(c).arg(r));
        }
        TPrintSettings& ps = g.PrintSettings();
        TFont font;
        font.SetSize(10);
        ps.SetFont(font);
        ps.SetHeaderFont(font);
        ps.SetFooterFont(font);
        ps.SetNoAutoSize(true);
        ps.SetUseFixedHeight(true);
        ps.SetFixedHeight(100);
    }
    // Lays the whole grid out on pages of width x height, drawing pages from..to.
    int Run(TPrintMode mode, int width, int height, int from = 1, int to = 1000, bool onlySelected = false)
    {
        TGridPrintState& st = g.PrintState();
        st.PrintRect = {0, 0, g.ColCount() - 1, g.RowCount() - 1};
        st.PageFrom = from;
        st.PageTo = to;
        engine = std::make_unique<TPrintPageEngine>(g, canvas);
        return engine->Run(mode, onlySelected, 0, width, height);
    }
    std::unique_ptr<TPrintPageEngine> engine;
};

std::vector<int> RowsPerPage(const TPrintPageEngine& e)
{
    std::vector<int> out;
    for (const TPrintedPage& p : e.Pages())
        out.push_back(p.Rows);
    return out;
}

// Footer without texts: g + line height 35; a row of 100 fits while -108 k - 100 > -700 + 39, so 6 rows a page.
TEST(PrintPageEngine, RowsFillPagesAndColumnsSplitIntoCentredStrips)
{
    PrintGrid p(5, 13);
    const int pages = p.Run(TPrintMode::pmPreview, 600, 700);

    ASSERT_EQ(p.engine->Strips().size(), 3u);   // 285 + 285 fit in 600, a third does not
    EXPECT_EQ(p.engine->Strips()[0].ColEnd, 1);
    EXPECT_EQ(p.engine->Strips()[1].ColStart, 2);
    EXPECT_EQ(p.engine->Strips()[2].ColStart, 4);
    EXPECT_EQ(p.engine->Strips()[2].Width, 285);
    EXPECT_EQ(pages, 9);
    EXPECT_EQ(RowsPerPage(*p.engine), (std::vector<int>{6, 6, 1, 6, 6, 1, 6, 6, 1}));
    EXPECT_EQ(p.engine->ScaleFactor(), 1.0);
    EXPECT_EQ(p.g.PrintColWidth(3), 265);

    // Row 7 is the second row of the second page of the second strip, i.e. page 5.
    const RecordedText* cell = p.canvas.Find("C2R7");
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->Page, 4);
    EXPECT_EQ(cell->Box.Left, (600 - 570) / 2 + kPadding);
    EXPECT_EQ(cell->Box.Top, -108 - kGap);
    // The last strip is one column: equal room left and right.
    const RecordedText* single = p.canvas.Find("C4R12");
    ASSERT_NE(single, nullptr);
    EXPECT_EQ(single->Page, 8);
    EXPECT_EQ(single->Box.Left - kPadding, (600 - 285) / 2);
    EXPECT_EQ(p.canvas.Page, 8);   // a new sheet between pages, none after the last
}

TEST(PrintPageEngine, CountingDrawsNothingAndGivesTheSamePages)
{
    PrintGrid p(5, 13);
    EXPECT_EQ(p.Run(TPrintMode::pmPrintCount, 600, 700), 9);
    EXPECT_TRUE(p.canvas.Texts.empty());
    EXPECT_TRUE(p.canvas.Lines.empty());
}

TEST(PrintPageEngine, FixedRowsAndColumnsRepeatOnEveryPageAndStrip)
{
    PrintGrid p(5, 13, 1, 1);
    p.g.PrintSettings().SetRepeatFixedRows(true);
    p.g.PrintSettings().SetRepeatFixedCols(true);
    p.Run(TPrintMode::pmPreview, 600, 700);

    // Strips after the first start with the fixed column: 285 of it, then one column more fits.
    ASSERT_EQ(p.engine->Strips().size(), 4u);
    EXPECT_EQ(p.engine->Strips()[1].ColStart, 2);
    EXPECT_EQ(p.engine->Strips()[1].ColEnd, 2);
    // Later pages of a strip give their first place to the fixed row: 6 rows, then 1 + 5, then 1 + the last 2.
    EXPECT_EQ(RowsPerPage(*p.engine)[0], 6);
    EXPECT_EQ(RowsPerPage(*p.engine)[1], 5);
    EXPECT_EQ(RowsPerPage(*p.engine)[2], 2);
    for (int page = 0; page <= p.canvas.Page; ++page) {
        SCOPED_TRACE(page);
        const QStringList texts = p.canvas.TextsOn(page);
        EXPECT_EQ(texts.first(), "C0R0");   // the top-left corner cell begins every page
    }
    // The fixed column's cell stands left of the strip's own cell in the same row.
    const RecordedText* own = p.canvas.Find("C3R1");
    ASSERT_NE(own, nullptr);
    const QStringList onPage = p.canvas.TextsOn(own->Page);
    EXPECT_EQ(onPage.indexOf("C0R1") + 1, onPage.indexOf("C3R1"));
}

struct FitCase {
    TFitToPage fit;
    int pageWidth;
    double factor;
    int width;
    std::size_t strips;
};

TEST(PrintPageEngine, FitToPageScalesColumnsToThePageWidth)
{
    // Fixed widths of 300 leave out the column spacing, so the content is 900 wide.
    const FitCase cases[] = {
        {TFitToPage::fpNever, 1800, 1.0, 300, 1},  {TFitToPage::fpShrink, 1800, 1.0, 300, 1},
        {TFitToPage::fpShrink, 450, 0.5, 150, 1},  {TFitToPage::fpGrow, 450, 1.0, 300, 3},
        {TFitToPage::fpGrow, 1800, 2.0, 600, 1},   {TFitToPage::fpAlways, 1800, 2.0, 600, 1},
        {TFitToPage::fpAlways, 450, 0.5, 150, 1},  {TFitToPage::fpNever, 450, 1.0, 300, 3},
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.fit) << " on " << c.pageWidth);
        PrintGrid p(3, 2);
        TPrintSettings& ps = p.g.PrintSettings();
        ps.SetNoAutoSize(false);
        ps.SetUseFixedWidth(true);
        ps.SetFixedWidth(300);
        ps.SetFitToPage(c.fit);
        p.Run(TPrintMode::pmPrintCount, c.pageWidth, 700);
        EXPECT_DOUBLE_EQ(p.engine->ScaleFactor(), c.factor);
        EXPECT_EQ(p.g.PrintColWidth(2), c.width);
        EXPECT_EQ(p.engine->Strips().size(), c.strips);
    }
}

TEST(PrintPageEngine, ScalingASelectionNeverDividesByZeroNorGivesNegativeWidths)
{
    PrintGrid p(3, 4);
    TPrintSettings& ps = p.g.PrintSettings();
    ps.SetNoAutoSize(false);
    ps.SetFitToPage(TFitToPage::fpAlways);
    p.g.SetSelection({1, 1, 1, 2});

    // Narrow cells: the three columns' spacing (60) is more than the one printed column (20 + its text).
    for (int r = 0; r < 4; ++r)
        p.g.SetCells(1, r, "ab");
    p.Run(TPrintMode::pmPrintCount, 400, 700, 1, 1000, true);
    const int text = 2 * (-p.g.MapFontHeight(p.g.Font().Size())) / 2;
    EXPECT_GT(p.engine->ScaleFactor(), 1.0);
    EXPECT_EQ(p.g.PrintColWidth(1), int(std::lround(text * p.engine->ScaleFactor())));
    EXPECT_EQ(p.g.PrintColWidth(1) + 20, 400);   // the one column fills the page
    EXPECT_EQ(p.g.PrintColWidth(0), 0);

    // Empty cells: nothing to scale, the factor stays 1.
    for (int r = 0; r < 4; ++r)
        p.g.SetCells(1, r, "");
    p.Run(TPrintMode::pmPrintCount, 400, 700, 1, 1000, true);
    EXPECT_EQ(p.engine->ScaleFactor(), 1.0);
    for (int c = 0; c < 3; ++c)
        EXPECT_GE(p.g.PrintColWidth(c), 0);
}

TEST(PrintPageEngine, ColumnWidthTablesGrowWithTheColumns)
{
    PrintGrid p(600, 2);
    p.Run(TPrintMode::pmPrintCount, 600, 700);
    EXPECT_EQ(p.g.PrintColWidth(599), 265);
    EXPECT_GE(p.engine->Strips().size(), 299u);
    EXPECT_THROW(p.g.PrintColWidth(-1), EVxGridError);
    EXPECT_THROW(p.g.PrintColWidth(601), EVxGridError);
}

TEST(PrintPageEngine, ARowHigherThanThePageIsPrintedAloneOnAPage)
{
    PrintGrid p(1, 3);
    p.g.PrintSettings().SetFixedHeight(1000);
    EXPECT_EQ(p.Run(TPrintMode::pmPreview, 600, 700), 3);
    EXPECT_EQ(RowsPerPage(*p.engine), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(p.canvas.Find("C0R2")->Page, 2);
}

TEST(PrintPageEngine, HeaderAndFooterCarryPageNumbersDateTimeAndTitle)
{
    PrintGrid p(1, 19);
    TPrintSettings& ps = p.g.PrintSettings();
    ps.SetPageNr(TPrintPosition::ppBottomCenter);
    ps.SetPagePrefix("Page");
    ps.SetDate(TPrintPosition::ppTopLeft);
    ps.SetTime(TPrintPosition::ppTopLeft);
    ps.SetTitle(TPrintPosition::ppTopRight);
    ps.SetTitleText("Stock");
    TGridPrintState& st = p.g.PrintState();
    st.PrintRect = {0, 0, 0, 18};
    st.PageFrom = 1;
    st.PageTo = 100;
    TPrintPageEngine engine(p.g, p.canvas);
    const int pages = engine.Run(TPrintMode::pmPreview, false, 3, 600, 900);

    // Header: g + one line; footer: 2g + two lines; rows start below the header, 7 to a page.
    EXPECT_EQ(engine.HeaderHeight(), kGap + 35);
    EXPECT_EQ(engine.FooterHeight(), 2 * kGap + 2 * 35);
    ASSERT_EQ(pages, 3);
    for (int page = 0; page < 3; ++page) {
        SCOPED_TRACE(page);
        const QStringList texts = p.canvas.TextsOn(page);
        // Joined behind the position's empty text with a blank; "/" is the default separator.
        EXPECT_TRUE(texts.contains(QStringLiteral(" Page %1/3 ").arg(page + 1)));
        EXPECT_TRUE(texts.contains(" Stock"));
        EXPECT_EQ(texts.filter(QRegularExpression(R"(^\d\d/\d\d/\d{4} \d\d:\d\d $)")).size(), 1);
    }
    const RecordedText* number = p.canvas.Find(" Page 1/3 ");
    EXPECT_EQ(number->Box.Top, -900 + 35);                              // the footer line above the bottom
    EXPECT_EQ(number->Box.Left, (600 - 10 * 35 / 2) / 2);               // centred
    EXPECT_EQ(p.canvas.Find(" Stock")->Box.Left, 600 - 6 * 35 / 2 - 20);   // right, less 20
}

TEST(PrintPageEngine, OnlyThePagesAskedForAreOutputAndCancelStopsTheRun)
{
    PrintGrid p(1, 13);
    std::vector<int> started;
    p.g.OnPrintPage = [&](QObject*, TPrintCanvas*, int page, int, int) { started.push_back(page); };
    EXPECT_EQ(p.Run(TPrintMode::pmPrint, 600, 700, 2, 3), 3);
    EXPECT_EQ(started, (std::vector<int>{2, 3}));
    EXPECT_EQ(p.canvas.Page, 1);   // one sheet change between the two pages
    EXPECT_EQ(p.canvas.TextsOn(0).first(), "C0R6");
    EXPECT_EQ(p.canvas.TextsOn(1), QStringList{"C0R12"});

    PrintGrid q(1, 13);
    q.g.OnPrintCancel = [](QObject*, int page, bool& cancel) { cancel = page == 1; };
    q.Run(TPrintMode::pmPrint, 600, 700);
    EXPECT_EQ(q.engine->Pages().size(), 1u);
    EXPECT_EQ(q.canvas.Page, 0);
}

TEST(PrintPageEngine, OnlySelectedRowsArePrintedWithTheFixedRowsWhenAsked)
{
    PrintGrid p(2, 10, 1);
    p.g.MouseActions().SetDisjunctRowSelect(true);
    p.g.SetRowSelect(3, true);
    p.g.SetRowSelect(7, true);
    p.g.PrintSettings().SetFixedCellsAlways(true);
    p.Run(TPrintMode::pmPreview, 600, 700, 1, 1000, true);
    EXPECT_EQ(p.canvas.TextsOn(0), (QStringList{"C0R0", "C1R0", "C0R3", "C1R3", "C0R7", "C1R7"}));
}

} // namespace

namespace {
TEST(PrintPageEngine, ARectangleBeyondTheGridPrintsTheCellsThatExist)
{
    PrintGrid p(2, 3);
    p.g.PrintState().PrintRect = {-3, 1, 900, 700};
    TPrintPageEngine engine(p.g, p.canvas);
    EXPECT_EQ(engine.Run(TPrintMode::pmPreview, false, 0, 600, 700), 1);
    EXPECT_EQ(p.canvas.TextsOn(0), (QStringList{"C0R1", "C1R1", "C0R2", "C1R2"}));
    p.g.PrintState().PrintRect = {5, 5, 9, 9};
    EXPECT_EQ(engine.Run(TPrintMode::pmPreview, false, 0, 600, 700), 0);
}
} // namespace

TEST(PrintPageEngine, TurnedCellsArePrintedTurnedAndMeasuredByTheirTurnedBox)
{
    // Cells print in the grid's 8-point font, 28 high on the recording canvas: "Turned" is 84 by 28, and turned
    // by 90 degrees it stands 84 high.
    PrintGrid p(2, 3);
    p.g.AddRotated(1, 1, 90, QStringLiteral("Turned"));
    p.Run(TPrintMode::pmPreview, 2000, 3000);
    EXPECT_EQ(p.canvas.Find("Turned"), nullptr);
    ASSERT_EQ(p.canvas.Turned.size(), 1u);
    const RecordedTurnedText& t = p.canvas.Turned[0];
    EXPECT_EQ(t.Angle, 90);
    // Its top-left before turning lies at the cell's padded left, the text's length below the cell's top.
    const RecordedText* above = p.canvas.Find("C1R0");
    ASSERT_NE(above, nullptr);
    EXPECT_EQ(t.Origin.X, above->Box.Left);
    EXPECT_EQ(t.Origin.Y, above->Box.Top - 108 - 84);

    // Measured rows: the turned cell makes its row as high as the text is long (plus an eighth).
    const auto rowPitch = [](PrintGrid& q) { return q.canvas.Find("C0R1")->Box.Top - q.canvas.Find("C0R2")->Box.Top; };
    PrintGrid plain(2, 3), turned(2, 3);
    plain.g.SetCells(1, 1, QStringLiteral("Turned"));
    turned.g.AddRotated(1, 1, 90, QStringLiteral("Turned"));
    for (PrintGrid* q : {&plain, &turned}) {
        q->g.PrintSettings().SetUseFixedHeight(false);
        q->g.PrintSettings().SetNoAutoSize(false);
        q->Run(TPrintMode::pmPreview, 2000, 3000);
    }
    EXPECT_EQ(rowPitch(turned) - rowPitch(plain), (84 + 84 / 8) - (28 + 28 / 8));
}
