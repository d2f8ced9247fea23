#include "FakeLookHost.h"
#include "grid/foundation/GridDraw.h"
#include "grid/foundation/MiniHtmlRender.h"
#include "grid/paint/CellPainter.h"
#include "grid/paint/CellTextPaint.h"
#include "support/PaintSurface.h"
#include <QHash>
#include <gtest/gtest.h>

namespace {
using DS = TGridDrawStateItem;

// A 4 x 4 grid with one fixed row and column, answering the painter from plain fields.
struct FakePaintHost : TCellPaintHost {
    FakeLookHost look;
    TCellLookSettings settings;
    TGridOptions options{TGridOption::goFixedHorzLine, TGridOption::goFixedVertLine, TGridOption::goHorzLine,
                         TGridOption::goVertLine};
    TShowModified showModified;
    QHash<QPair<int, int>, QString> texts;
    int hotCol = -1, hotState = 0;
    int modifiedRow = -1;
    TPoint current{-1, -1};
    bool focused = true, noDefaultDraw = false, noImageAndText = false, drawEvents = false;
    bool graphic = false, password = false;
    int sortCol = -1;
    int drawEventCalls = 0, graphicCalls = 0;
    TCellBorders borders;
    TColor borderColor = clBlack;

    FakePaintHost()
    {
        settings.Color = clWhite;
        settings.FixedColor = clSilver;
        settings.Font.SetColor(clBlack);
        settings.FixedFont.SetColor(clBlack);
        settings.FixedRows = 1;
    }
    TGridAppearance& A() { return look.appearance; }
    const TGridAppearance& Appearance() const override { return look.appearance; }
    const TControlLook& ControlLook() const override { return look.controlLook; }
    TGridOptions Options() const override { return options; }
    int FixedCols() const override { return 1; }
    int FixedRows() const override { return 1; }
    int GridLineWidth() const override { return 1; }
    TColor GridColor() const override { return settings.Color; }
    TColor GridFixedColor() const override { return settings.FixedColor; }
    bool ShowSelection() const override { return true; }
    bool HasFocus() const override { return focused; }
    bool GridEnabled() const override { return true; }
    int ZoomFactor() const override { return 0; }
    TPoint XYOffset() const override { return {2, 2}; }
    bool XYOffsetTopLeftOnly() const override { return false; }
    bool MultilineCells() const override { return false; }
    bool EnhTextSize() const override { return false; }
    bool EnableHTML() const override { return true; }
    bool HideFocusRect() const override { return false; }
    bool NoImageAndText() const override { return noImageAndText; }
    bool NoDefaultDraw() const override { return noDefaultDraw; }
    bool HasCellDrawEvents() const override { return drawEvents; }
    const TShowModified& ShowModified() const override { return showModified; }
    TBackGround background{nullptr};
    const TBackGround& BackGround() const override { return background; }
    TRect ClientRect() const override { return Rect(0, 0, 400, 200); }
    bool BackgroundShowsThrough(int, int) override { return true; }
    TPoint CellOffsets(int Col, int Row, bool) override { return {Col * 50, Row * 20}; }
    TRect selectionBlock{-1, -1, -1, -1};
    bool SelectionBlock(int Col, int Row, TRect& Block) override
    {
        Block = selectionBlock;
        return Col >= Block.Left && Col <= Block.Right && Row >= Block.Top && Row <= Block.Bottom;
    }
    bool selectionRectangle = false;
    bool SelectionRectangle() const override { return selectionRectangle; }
    TColor SelectionRectangleColor() const override { return clRed; }
    bool SelectionResizer() const override { return true; }
    int RealCol(int Col) const override { return Col; }
    bool IsFixed(int Col, int Row) override { return Col < 1 || Row < 1; }
    bool InFixedRightCols(int) const override { return false; }
    int FixedCellHotState(int Col, int, bool& ButtonPressed) override
    {
        ButtonPressed = false;
        return Col == hotCol ? hotState : 0;
    }
    bool FixedDropDownAllowed(int) override { return true; }
    bool ActiveCellHeader(int, int) override { return false; }
    bool SortHeaderGradientCell(int, int) override { return false; }
    bool FilterButtonCell(int, int) override { return false; }
    const TBitmap* FilterGlyph(int) override { return nullptr; }
    bool RowModified(int Row) override { return Row == modifiedRow; }
    bool CurrentCell(int Col, int Row) override { return current == TPoint{Col, Row}; }
    bool RowSelectedUnderRowSelect(int) override { return false; }
    bool HasCheckBox(int, int) override { return false; }
    void VisualProperties(int Col, int Row, TGridDrawState& State, bool Select, TCellLook& Out) override
    {
        settings.Appearance = look.appearance;
        TCellLookFacts facts;
        facts.Row = Row;
        facts.Normal = Col >= 1 && Row >= 1;
        facts.FixedLook = !facts.Normal;
        DecideCellLook(settings, facts, {}, State, false, Select, Out);
    }
    void GraphicInfo(int, int, TPaintCell& Cell) override
    {
        Cell.HasGraphic = graphic;
        if (graphic) {
            Cell.GraphicWidth = Cell.GraphicHeight = 10;
            Cell.Room = TGraphicRoom::BeforeText;
        }
    }
    QString FormattedText(int Col, int Row) override { return texts.value({Col, Row}); }
    bool PasswordCell(int, int, QChar& c) override
    {
        c = '*';
        return password;
    }
    void ErrorMarker(int, int, int& Pos, int& Length) override { Pos = Length = 0; }
    bool SortedHeaderCell(int Col, int Row, TSortMark&) override { return Row == 0 && Col == sortCol; }
    void HtmlParams(int, int, TMiniHtmlParams&) override {}
    void CellBorders(int, int, TPen& Pen, TCellBorders& Borders, TCellBorderPens& Pens) override
    {
        Borders = borders;
        Pen.SetColor(borderColor);
        Pens = {Pen, Pen, Pen, Pen};
    }
    void DrawGraphic(TCanvas& c, TPaintCell& Cell, bool BeforeText) override
    {
        if (BeforeText)
            return;
        ++graphicCalls;
        FillRectColor(c, Rect(Cell.Rect.Left + 1, Cell.Rect.Top + 1, Cell.Rect.Left + 11, Cell.Rect.Top + 11), clLime);
    }
    void CustomBackground(TCanvas&, const TPaintCell&) override {}
    void DrawCellEvents(TCanvas&, const TPaintCell&) override { ++drawEventCalls; }
};

int CountIn(PaintSurface& s, const TRect& r, TColor c)
{
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            n += s.Pixel(x, y) == c;
    return n;
}
} // namespace

TEST(PaintCellContent, FixedHeaderOfTheXPLookIsAGradientAndStandardLeavesTheFill)
{
    FakePaintHost host;
    host.A().Look = TGridLook::glXP;
    host.A().Zarn.From = RGB(255, 255, 255);
    host.A().Zarn.To = RGB(0, 0, 255);
    PaintSurface s(60, 20, Qt::black);
    PaintCellContent(s.canvas, host, 1, 0, Rect(0, 0, 60, 20), {});
    EXPECT_EQ(s.Pixel(30, 0), RGB(255, 255, 255));
    // Near the far end of the gradient at the bottom.
    EXPECT_LT(GetRValue(s.Pixel(30, 18)), 20);
    EXPECT_EQ(GetBValue(s.Pixel(30, 18)), 255);

    FakePaintHost standard;
    standard.A().Look = TGridLook::glStandard;
    PaintSurface t(60, 20, Qt::black);
    PaintCellContent(t.canvas, standard, 1, 0, Rect(0, 0, 60, 20), {});
    EXPECT_EQ(t.Count(clBlack), 60 * 20);   // the base painter's fill is all a standard header gets
}

TEST(PaintCellContent, HotHeaderGetsTheHoverGradientAndFrame)
{
    FakePaintHost host;
    host.A().Look = TGridLook::glXP;
    host.A().Zarn.HoverFrom = host.A().Zarn.HoverTo = clYellow;
    host.A().Zarn.HoverMirrorFrom = host.A().Zarn.HoverMirrorTo = clNone;
    host.A().Zarn.HoverBorder = clRed;
    host.hotCol = 1;
    host.hotState = 1;
    host.options = {};
    PaintSurface s(40, 21);
    PaintCellContent(s.canvas, host, 1, 0, Rect(0, 0, 40, 20), {});
    EXPECT_EQ(s.Pixel(0, 10), clRed);
    EXPECT_EQ(s.Pixel(20, 20), clRed);     // the bottom moved down by one
    EXPECT_EQ(s.Pixel(20, 10), clYellow);
}

TEST(PaintCellContent, DefaultDrawingOffLeavesTextButKeepsGraphicBordersAndFocus)
{
    FakePaintHost host;
    host.texts[{1, 1}] = "Text";
    host.drawEvents = true;
    host.noDefaultDraw = true;
    host.graphic = true;
    host.borders = {TCellBorder::cbTop};
    host.borderColor = clBlue;
    host.current = {1, 1};
    PaintSurface s(60, 20);
    PaintCellContent(s.canvas, host, 1, 1, Rect(1, 1, 59, 19), {});
    EXPECT_EQ(CountIn(s, Rect(14, 3, 56, 16), clBlack), 0);   // no text inside the focus frame
    EXPECT_EQ(host.graphicCalls, 1);
    EXPECT_EQ(host.drawEventCalls, 1);
    EXPECT_EQ(s.Pixel(30, 0), clBlue);                      // the top border
    EXPECT_EQ(s.Count(clLime), 100);
    EXPECT_GT(s.Count(ColorToRGB(clWhite) ^ 0xFFFFFF), 20); // the focus frame inverts white to black

    FakePaintHost drawn;
    drawn.texts[{1, 1}] = "Text";
    PaintSurface t(60, 20);
    PaintCellContent(t.canvas, drawn, 1, 1, Rect(1, 1, 59, 19), {});
    EXPECT_GT(CountIn(t, Rect(3, 3, 58, 17), clBlack), 10);
}

TEST(PaintCellContent, NoImageAndTextShowsOnlyTheGraphic)
{
    FakePaintHost host;
    host.texts[{1, 1}] = "Text";
    host.graphic = true;
    host.noImageAndText = true;
    PaintSurface s(60, 20);
    PaintCellContent(s.canvas, host, 1, 1, Rect(1, 1, 59, 19), {});
    EXPECT_EQ(s.Count(clBlack), 0);
    EXPECT_EQ(s.Count(clLime), 100);
}

TEST(PaintCellContent, ModifiedRowsGetABarInTheFirstColumn)
{
    FakePaintHost host;
    host.A().Look = TGridLook::glStandard;
    host.showModified.SetEnabled(true);
    host.showModified.SetColor(clFuchsia);
    host.modifiedRow = 2;
    PaintSurface s(30, 20);
    PaintCellContent(s.canvas, host, 0, 2, Rect(0, 0, 30, 20), {});
    EXPECT_EQ(CountIn(s, Rect(26, 0, 30, 20), clFuchsia), 80);
    EXPECT_EQ(s.Pixel(25, 10), clWhite);
    PaintSurface t(30, 20);
    PaintCellContent(t.canvas, host, 0, 1, Rect(0, 0, 30, 20), {});
    EXPECT_EQ(t.Count(clFuchsia), 0);
}

TEST(PaintCellText, PasswordCellsShowOneCharacterPerLetterAndSortedCentredTextMovesRight)
{
    FakePaintHost host;
    host.texts[{1, 1}] = "abc";
    host.password = true;
    PaintSurface s(80, 20), expected(80, 20);
    PaintCellContent(s.canvas, host, 1, 1, Rect(0, 0, 80, 20), {});
    expected.canvas.Brush().SetStyle(TBrushStyle::bsClear);
    expected.canvas.TextOut(2, 2, "***");
    EXPECT_EQ(s.image, (expected.Pixel(0, 0), expected.image));

    auto inkLeft = [](PaintSurface& p) {
        for (int x = 0; x < p.image.width(); ++x)
            for (int y = 0; y < p.image.height(); ++y)
                if (p.Pixel(x, y) == clBlack)
                    return x;
        return -1;
    };
    FakePaintHost centred;
    centred.A().Look = TGridLook::glStandard;
    centred.texts[{1, 0}] = "Name";
    centred.options = {};
    TCellLookHooks unused;
    PaintSurface plain(100, 20, Qt::white), sorted(100, 20, Qt::white);
    auto paintCentred = [&](PaintSurface& p) {
        TPaintCell cell;
        cell.Col = cell.RealCol = 1;
        cell.Row = 0;
        cell.Rect = Rect(0, 0, 100, 20);
        cell.Look.HA = TAlignment::taCenter;
        cell.Look.Font.SetColor(clBlack);
        PaintCellText(p.canvas, centred, cell);
    };
    paintCentred(plain);
    centred.sortCol = 1;
    paintCentred(sorted);
    EXPECT_EQ(inkLeft(sorted) - inkLeft(plain), 5);   // half of the 10 pixels, as the text is centred
}

// A pasted cell of 50 MB kept the next paint busy for minutes: only what the cell can show is measured and
// drawn, and the cell looks as it did with the whole text drawn (the overflowing runs are of a letter whose
// advance is a whole pixel: with a fractional one a right-aligned cut may sit a pixel apart).
TEST(PaintCellText, ALongTextIsDrawnOnlyAsFarAsTheCellShowsIt)
{
    QString words;
    for (int i = 0; words.size() < 20000; ++i)
        words += QStringLiteral("w%1 iii ").arg(i) + (i == 3 ? QString(3000, 'x') + QString(2000, ' ') : QString());
    const QString same(20000, 'x');
    struct Case {
        QString text;
        TAlignment ha;
        bool wrap;
    };
    const Case cases[] = {
        {words, TAlignment::taLeftJustify, false}, {same, TAlignment::taRightJustify, false},
        {same, TAlignment::taCenter, false},       {words, TAlignment::taLeftJustify, true},
        {words, TAlignment::taRightJustify, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.ha) * 2 + c.wrap);
        FakePaintHost host;
        host.A().Look = TGridLook::glStandard;
        TPaintCell cell;
        cell.Col = cell.RealCol = cell.Row = 1;
        cell.Rect = Rect(0, 0, 90, 60);
        cell.Look.HA = c.ha;
        cell.Look.WW = c.wrap;
        cell.Look.Font.SetColor(clBlack);
        // What the cell looked like with the whole text laid out: the cell without text, the text over it.
        PaintSurface got(90, 60), expected(90, 60);
        PaintCellText(expected.canvas, host, cell);
        const TPlainTextLayout layout = PlainTextLayout(c.text, false, c.wrap, false, c.ha, cell.Look.VA);
        expected.canvas.SetFont(cell.Look.Font);
        expected.canvas.Brush().SetStyle(TBrushStyle::bsClear);
        TRect r = Rect(2, 2, 88, 60);
        expected.canvas.DrawText(layout.Text, r, layout.Format);

        host.texts[{1, 1}] = c.text;
        PaintCellText(got.canvas, host, cell);
        EXPECT_EQ(got.image, (expected.Pixel(0, 0), expected.image));
        EXPECT_GT(got.Count(clBlack), 50);
    }

    // 50 MB laid out in a cell of 90 x 60 pixels: a few hundred characters are looked at.
    const QString huge(50'000'000, 'w');
    qsizetype dropped = 0;
    for (const unsigned format : {DT_SINGLELINE | DT_LEFT, DT_SINGLELINE | DT_RIGHT, DT_WORDBREAK | DT_LEFT}) {
        EXPECT_LT(VisibleCellText(huge, format, Rect(0, 0, 90, 60), 16, dropped).size(), 2000);
        EXPECT_EQ(dropped, format & DT_RIGHT ? huge.size() - 92 : 0);
    }
}

TEST(PaintCellText, BackgroundGradientContinuesAcrossTheGrid)
{
    FakePaintHost host;
    host.background.SetDisplay(TBackGroundDisplay::bdGradientVert);
    host.background.SetColor(RGB(0, 0, 0));
    host.background.SetColorTo(RGB(200, 0, 0));
    PaintSurface s(50, 200);
    TPaintCell cell;
    cell.Col = cell.RealCol = 1;
    cell.Row = 2;
    cell.Rect = Rect(1, 101, 50, 121);
    PaintCellText(s.canvas, host, cell);
    // The band starts at y = 100 (top - grid line width): half way down a gradient over 200 pixels.
    EXPECT_EQ(s.Pixel(20, 100), RGB(100, 0, 0));
    EXPECT_EQ(s.Pixel(20, 99), clWhite);
}

TEST(PaintCellText, SelectionRectangleFramesTheBlockNotEachCell)
{
    FakePaintHost host;
    host.selectionRectangle = true;
    host.selectionBlock = Rect(1, 1, 3, 3);
    PaintSurface s(200, 100);
    for (int col = 1; col <= 3; ++col)
        for (int row = 1; row <= 3; ++row) {
            TPaintCell cell;
            cell.Col = cell.RealCol = col;
            cell.Row = row;
            cell.Rect = Rect(col * 50 - 49, row * 20 - 19, col * 50 - 1, row * 20 - 1);
            PaintCellText(s.canvas, host, cell);
        }
    EXPECT_EQ(s.Pixel(75, 1), clRed);    // the block's top edge over the middle column
    EXPECT_EQ(s.Pixel(1, 30), clRed);    // its left edge by the middle row
    EXPECT_EQ(s.Pixel(50, 30), clWhite); // no frame between cells
    EXPECT_EQ(s.Pixel(75, 20), clWhite);
    EXPECT_EQ(s.Pixel(146, 56), clRed);  // the resizer square of the bottom-right cell
}
