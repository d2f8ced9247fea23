#include "platform/Canvas.h"
#include "support/PaintSurface.h"
#include <QFont>
#include <QPainter>
#include <gtest/gtest.h>

namespace {
// A white 20 x 20 surface with a black 1-pixel pen and a clear brush.
struct Surface : PaintSurface {
    Surface() : PaintSurface(20, 20)
    {
        canvas.Pen().SetColor(clBlack);
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
    }
};
} // namespace

TEST(TCanvas, LineToLeavesOutItsEndPoint)
{
    Surface s;
    s.canvas.MoveTo(2, 5);
    s.canvas.LineTo(8, 5);
    EXPECT_EQ(s.Pixel(2, 5), clBlack);
    EXPECT_EQ(s.Pixel(7, 5), clBlack);
    EXPECT_EQ(s.Pixel(8, 5), clWhite);
    EXPECT_EQ(s.Count(clBlack), 6);
    EXPECT_EQ(s.canvas.PenPos(), Point(8, 5));

    // Going on from the end point draws it as the next line's first pixel.
    s.canvas.LineTo(8, 9);
    EXPECT_EQ(s.Pixel(8, 5), clBlack);
    EXPECT_EQ(s.Pixel(8, 8), clBlack);
    EXPECT_EQ(s.Pixel(8, 9), clWhite);

    Surface d;
    d.canvas.MoveTo(0, 0);
    d.canvas.LineTo(4, 4);
    EXPECT_EQ(d.Pixel(3, 3), clBlack);
    EXPECT_EQ(d.Pixel(4, 4), clWhite);
    EXPECT_EQ(d.Count(clBlack), 4);
}

TEST(TCanvas, StraightLinesBackwardsAlsoLeaveOutTheirEndPoint)
{
    // Drawn from the far end: the start pixel is in, the end pixel out, whichever way the line runs.
    const struct { TPoint from, to, firstIn, lastIn; int count; } cases[] = {
        {Point(8, 5), Point(2, 5), Point(8, 5), Point(3, 5), 6},
        {Point(5, 9), Point(5, 3), Point(5, 9), Point(5, 4), 6},
        {Point(0, 0), Point(19, 0), Point(0, 0), Point(18, 0), 19},
        {Point(4, 4), Point(4, 4), Point(4, 4), Point(4, 4), 0},     // no length: nothing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from.X << "," << c.from.Y << " to " << c.to.X << "," << c.to.Y);
        Surface s;
        s.canvas.Pen().SetColor(clRed);
        s.canvas.MoveTo(c.from.X, c.from.Y);
        s.canvas.LineTo(c.to.X, c.to.Y);
        EXPECT_EQ(s.Count(clRed), c.count);
        if (c.count > 0) {
            EXPECT_EQ(s.Pixel(c.firstIn.X, c.firstIn.Y), clRed);
            EXPECT_EQ(s.Pixel(c.lastIn.X, c.lastIn.Y), clRed);
        }
        EXPECT_EQ(s.Pixel(c.to.X, c.to.Y), clWhite);
    }
}

TEST(TCanvas, ClearPenDrawsNoLineAndDotsFollowThePattern)
{
    Surface s;
    s.canvas.Pen().SetStyle(TPenStyle::psClear);
    s.canvas.MoveTo(0, 0);
    s.canvas.LineTo(10, 0);
    EXPECT_EQ(s.Count(clBlack), 0);

    s.canvas.Pen().SetStyle(TPenStyle::psDot);
    s.canvas.MoveTo(0, 1);
    s.canvas.LineTo(12, 1);
    const TColor expected[] = {clBlack, clBlack, clBlack, clWhite, clWhite, clWhite};
    for (int x = 0; x < 12; ++x)
        EXPECT_EQ(s.Pixel(x, 1), expected[x % 6]) << x;
}

TEST(TCanvas, RectangleIsAFillWithAOnePixelFrameInsideTheExclusiveEdges)
{
    Surface s;
    s.canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    s.canvas.Brush().SetColor(clRed);
    s.canvas.Rectangle(2, 3, 10, 8);
    EXPECT_EQ(s.Pixel(2, 3), clBlack);
    EXPECT_EQ(s.Pixel(9, 7), clBlack);
    EXPECT_EQ(s.Pixel(9, 3), clBlack);
    EXPECT_EQ(s.Pixel(2, 7), clBlack);
    EXPECT_EQ(s.Pixel(10, 5), clWhite);
    EXPECT_EQ(s.Pixel(5, 8), clWhite);
    EXPECT_EQ(s.Pixel(3, 4), clRed);
    EXPECT_EQ(s.Pixel(8, 6), clRed);
    EXPECT_EQ(s.Count(clRed), 6 * 3);
    EXPECT_EQ(s.Count(clBlack), 2 * 8 + 2 * 3);

    // A clear brush leaves the inside alone; a clear pen fills one pixel less to the right and bottom.
    Surface c;
    c.canvas.Rectangle(0, 0, 5, 5);
    EXPECT_EQ(c.Pixel(2, 2), clWhite);
    EXPECT_EQ(c.Count(clBlack), 16);
    Surface n;
    n.canvas.Pen().SetStyle(TPenStyle::psClear);
    n.canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    n.canvas.Brush().SetColor(clBlue);
    n.canvas.Rectangle(0, 0, 5, 5);
    EXPECT_EQ(n.Count(clBlue), 16);
    EXPECT_EQ(n.Pixel(4, 4), clWhite);

    // A frame in the fill's colour: the fill reaches the frame's pixels and stops at the exclusive edges.
    Surface f;
    f.canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    f.canvas.Brush().SetColor(clGreen);
    f.canvas.Pen().SetColor(clGreen);
    f.canvas.Rectangle(2, 3, 10, 8);
    EXPECT_EQ(f.Count(clGreen), 8 * 5);
    EXPECT_EQ(f.Pixel(9, 7), clGreen);
    EXPECT_EQ(f.Pixel(10, 5), clWhite);
    EXPECT_EQ(f.Pixel(5, 8), clWhite);
}

TEST(TCanvas, FillRectAndFrameRectUseTheBrushUpToTheExclusiveEdges)
{
    Surface s;
    s.canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    s.canvas.Brush().SetColor(clGreen);
    s.canvas.FillRect(Rect(1, 1, 4, 3));
    EXPECT_EQ(s.Count(clGreen), 6);
    EXPECT_EQ(s.Pixel(3, 2), clGreen);
    EXPECT_EQ(s.Pixel(4, 2), clWhite);
    EXPECT_EQ(s.Pixel(3, 3), clWhite);

    s.canvas.Brush().SetColor(clBlue);
    s.canvas.FrameRect(Rect(10, 10, 14, 14));
    EXPECT_EQ(s.Count(clBlue), 12);
    EXPECT_EQ(s.Pixel(13, 13), clBlue);
    EXPECT_EQ(s.Pixel(11, 11), clWhite);

    s.canvas.Brush().SetStyle(TBrushStyle::bsClear);
    s.canvas.FillRect(Rect(0, 15, 20, 20));
    EXPECT_EQ(s.Count(clWhite), 400 - 6 - 12);
}

TEST(TCanvas, FocusRectInvertsEveryOtherFramePixelAndUndoesItself)
{
    Surface s;
    s.canvas.DrawFocusRect(Rect(2, 2, 8, 6));
    EXPECT_EQ(s.Pixel(2, 2), clBlack);
    EXPECT_EQ(s.Pixel(3, 2), clWhite);
    EXPECT_EQ(s.Pixel(4, 2), clBlack);
    EXPECT_EQ(s.Pixel(4, 4), clWhite);
    EXPECT_EQ(s.Count(clBlack), 8);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if (s.Pixel(x, y) == clBlack) {
                EXPECT_TRUE(x == 2 || x == 7 || y == 2 || y == 5) << x << "," << y;
            }
    s.canvas.DrawFocusRect(Rect(2, 2, 8, 6));
    EXPECT_EQ(s.Count(clBlack), 0);
}

TEST(TCanvas, PixelsAndTheClipRectangle)
{
    Surface s;
    s.canvas.SetPixels(3, 4, clRed);
    EXPECT_EQ(s.canvas.Pixels(3, 4), clRed);
    EXPECT_EQ(s.canvas.Pixels(40, 4), clNone);

    s.canvas.SetClipRect(Rect(5, 5, 10, 10));
    s.canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    s.canvas.Brush().SetColor(clBlue);
    s.canvas.FillRect(Rect(0, 0, 20, 20));
    EXPECT_EQ(s.Count(clBlue), 25);
    // The clip survives the painter being ended and begun again.
    s.canvas.Release();
    s.canvas.Brush().SetColor(clGreen);
    s.canvas.FillRect(Rect(0, 0, 20, 20));
    EXPECT_EQ(s.Count(clGreen), 25);
    s.canvas.ResetClipRect();
    s.canvas.FillRect(Rect(0, 0, 20, 20));
    EXPECT_EQ(s.Count(clGreen), 400);
}

TEST(TCanvas, EllipseAndPolygonStayInsideTheirBox)
{
    Surface s;
    s.canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    s.canvas.Brush().SetColor(clRed);
    s.canvas.Ellipse(2, 2, 12, 12);
    EXPECT_EQ(s.Pixel(7, 7), clRed);
    EXPECT_EQ(s.Pixel(2, 2), clWhite); // corners of the box are outside the ellipse
    EXPECT_EQ(s.Pixel(7, 2), clBlack);
    EXPECT_EQ(s.Pixel(7, 11), clBlack);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(s.Pixel(12, i), clWhite);
        EXPECT_EQ(s.Pixel(i, 12), clWhite);
    }

    Surface p;
    p.canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    p.canvas.Brush().SetColor(clBlue);
    p.canvas.Polygon({Point(0, 0), Point(10, 0), Point(0, 10)});
    EXPECT_EQ(p.Pixel(2, 2), clBlue);
    EXPECT_EQ(p.Pixel(0, 0), clBlack);
    EXPECT_EQ(p.Pixel(9, 9), clWhite);
}

TEST(TCanvas, PolylineJoinsSegmentsWithoutTheLastPoint)
{
    Surface s;
    s.canvas.Polyline({Point(1, 1), Point(5, 1), Point(5, 4)});
    EXPECT_EQ(s.Pixel(1, 1), clBlack);
    EXPECT_EQ(s.Pixel(5, 1), clBlack);
    EXPECT_EQ(s.Pixel(5, 3), clBlack);
    EXPECT_EQ(s.Pixel(5, 4), clWhite);
    EXPECT_EQ(s.Count(clBlack), 7);
}

TEST(TCanvas, TextIsOpaqueUnlessTheBrushIsClearAndMeasuresWithoutASurface)
{
    TCanvas measuring;
    const int w = measuring.TextWidth("Hello");
    const int h = measuring.TextHeight("Hello");
    EXPECT_GT(w, 10);
    EXPECT_GT(h, 8);
    measuring.TextOut(0, 0, "Hello"); // no surface: nothing drawn, no crash
    EXPECT_EQ(measuring.PenPos(), Point(w, 0));

    QImage image(80, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    TCanvas c(&image);
    c.Brush().SetColor(clYellow);
    c.Font().SetColor(clBlue);
    c.TextOut(2, 2, "Hello");
    c.Release();
    // The background box is exactly the text's width and height.
    EXPECT_EQ(FromQColor(image.pixelColor(2, 2)), clYellow);
    EXPECT_EQ(FromQColor(image.pixelColor(2 + w - 1, 2 + h - 1)), clYellow);
    EXPECT_EQ(FromQColor(image.pixelColor(2 + w, 2)), clWhite);
    EXPECT_EQ(FromQColor(image.pixelColor(2, 2 + h)), clWhite);
    int blue = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x) {
            const QColor px = image.pixelColor(x, y);
            // No antialiasing: every pixel is one of the three colours.
            EXPECT_TRUE(px == Qt::white || px == Qt::yellow || px == Qt::blue) << x << "," << y;
            blue += px == Qt::blue;
        }
    EXPECT_GT(blue, 10);

    image.fill(Qt::white);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.TextOut(2, 2, "Hello");
    c.Release();
    EXPECT_EQ(FromQColor(image.pixelColor(2, 2)), clWhite);
}

TEST(TCanvas, XorLinesDrawnTwiceLeaveNoTrace)
{
    PaintSurface s(20, 10, QColor(0x12, 0x34, 0x56));
    s.canvas.Pen().SetMode(TPenMode::pmXor);
    s.canvas.Pen().SetColor(clWhite);
    s.canvas.Pen().SetStyle(TPenStyle::psDot);
    s.canvas.MoveTo(0, 5);
    s.canvas.LineTo(20, 5);
    EXPECT_EQ(s.Pixel(0, 5), RGB(0xFF - 0x12, 0xFF - 0x34, 0xFF - 0x56));   // inverted
    EXPECT_EQ(s.Pixel(3, 5), RGB(0x12, 0x34, 0x56));                      // a gap of the dots
    s.canvas.MoveTo(0, 5);
    s.canvas.LineTo(20, 5);
    EXPECT_EQ(s.Count(RGB(0x12, 0x34, 0x56)), 200);
}

TEST(TCanvas, TransparentTextMovesThePenByItsWidthInTheFontItWasWrittenIn)
{
    PaintSurface s(120, 30);
    s.canvas.Brush().SetStyle(TBrushStyle::bsClear);
    const int w = s.canvas.TextWidth("Hello");
    s.canvas.TextOut(3, 4, "Hello");
    s.canvas.Font().SetSize(20);   // changed before anyone asked where the pen went
    EXPECT_EQ(s.canvas.PenPos(), Point(3 + w, 4));
    EXPECT_GT(s.canvas.TextWidth("Hello"), w);
    s.canvas.TextOut(0, 0, "Hi");
    s.canvas.LineTo(100, 0);       // a line starts where the text ended
    EXPECT_EQ(s.canvas.PenPos(), Point(100, 0));
}

TEST(TCanvas, DrawTextAlignsClipsAndMeasures)
{
    QImage image(100, 40, QImage::Format_RGB32);
    TCanvas c(&image);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    const int w = c.TextWidth("Ab");
    auto inkColumns = [&](int& first, int& last) {
        c.Release();
        first = -1;
        last = -1;
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (image.pixelColor(x, y) != Qt::white) {
                    if (first < 0)
                        first = x;
                    last = x;
                }
    };
    struct Case {
        unsigned format;
        int minFirst, maxLast;
    };
    const Case cases[] = {
        {DT_LEFT | DT_SINGLELINE, 10, 10 + w},
        {DT_RIGHT | DT_SINGLELINE, 90 - w - 1, 89},
        {DT_CENTER | DT_SINGLELINE, 50 - w / 2 - 2, 50 + w / 2 + 2},
    };
    for (const auto& cs : cases) {
        SCOPED_TRACE(cs.format);
        image.fill(Qt::white);
        TRect r = Rect(10, 0, 90, 40);
        c.DrawText("Ab", r, cs.format);
        int first, last;
        inkColumns(first, last);
        EXPECT_GE(first, cs.minFirst);
        EXPECT_LE(last, cs.maxLast);
    }

    // Clipped to its rectangle unless DT_NOCLIP.
    image.fill(Qt::white);
    TRect narrow = Rect(0, 0, 3, 40);
    c.DrawText("WWWW", narrow, DT_LEFT | DT_SINGLELINE);
    int first, last;
    inkColumns(first, last);
    EXPECT_LE(last, 2);
    image.fill(Qt::white);
    c.DrawText("WWWW", narrow, DT_LEFT | DT_SINGLELINE | DT_NOCLIP);
    inkColumns(first, last);
    EXPECT_GT(last, 2);

    // DT_CALCRECT measures without drawing; word break wraps into more lines.
    image.fill(Qt::white);
    TRect one = Rect(5, 5, 5, 5);
    const int h1 = c.DrawText("one two three", one, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(one.Left, 5);
    EXPECT_EQ(one.Width(), c.TextWidth("one two three"));
    EXPECT_EQ(one.Height(), h1);
    inkColumns(first, last);
    EXPECT_EQ(first, -1);
    TRect wrapped = Rect(0, 0, c.TextWidth("three"), 0);
    const int h3 = c.DrawText("one two three", wrapped, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_GE(h3, 2 * h1);
    EXPECT_LE(wrapped.Width(), c.TextWidth("three"));
}

// Word-wrapped text with the edit-control flag shows whole lines only: the one the rectangle cuts is left out.
TEST(TCanvas, EditControlTextLeavesOutAHalfCutLastLine)
{
    QImage image(100, 60, QImage::Format_RGB32);
    TCanvas c(&image);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    const int lh = c.TextHeight("Ag");
    const auto inkBelow = [&](unsigned format) {
        image.fill(Qt::white);
        TRect r = Rect(0, 0, c.TextWidth("WWW"), lh + lh / 2);   // one line and half of the next
        c.DrawText("WWW WWW WWW", r, format);
        c.Release();
        int ink = 0;
        for (int y = lh; y < r.Bottom; ++y)
            for (int x = 0; x < image.width(); ++x)
                ink += image.pixelColor(x, y) != Qt::white;
        return ink;
    };
    EXPECT_GT(inkBelow(DT_WORDBREAK), 0) << "without the flag the cut line shows its top";
    EXPECT_EQ(inkBelow(DT_WORDBREAK | DT_EDITCONTROL), 0);
}

TEST(TCanvas, EndEllipsisShortensALineThatDoesNotFit)
{
    QImage image(200, 20, QImage::Format_RGB32);
    TCanvas c(&image);
    c.Brush().SetColor(clYellow);
    const QString text = "A rather long line of text";
    const int full = c.TextWidth(text);
    auto yellowColumns = [&](unsigned format, int width) {
        image.fill(Qt::white);
        TRect r = Rect(0, 0, width, 20);
        c.DrawText(text, r, format | DT_SINGLELINE | DT_NOCLIP);
        c.Release();
        int last = -1;
        for (int x = 0; x < 200; ++x)
            if (image.pixelColor(x, 0) == Qt::yellow)
                last = x;
        return last + 1;
    };
    EXPECT_EQ(yellowColumns(0, full / 2), full); // no clip: the whole line is drawn past the rectangle
    const int elided = yellowColumns(DT_END_ELLIPSIS, full / 2);
    EXPECT_LE(elided, full / 2);
    EXPECT_GT(elided, 0);
    EXPECT_EQ(yellowColumns(DT_END_ELLIPSIS, full), full); // a line that fits is left as it is
}

TEST(TCanvas, PrefixCharacterIsHiddenUnlessNoPrefix)
{
    QImage image(100, 20, QImage::Format_RGB32);
    TCanvas c(&image);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    TRect a = Rect(0, 0, 0, 0);
    TRect b = a;
    c.DrawText("&&OK", a, DT_CALCRECT | DT_SINGLELINE);
    c.DrawText("&&OK", b, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(a.Width(), c.TextWidth("&OK"));
    EXPECT_EQ(b.Width(), c.TextWidth("&&OK"));
}

TEST(TBitmap, DrawsTransparentlyLeavingOutTheBottomLeftColour)
{
    TBitmap glyph(3, 2);
    glyph.Canvas().Brush().SetColor(clFuchsia);
    glyph.Canvas().FillRect(Rect(0, 0, 3, 2));
    glyph.Canvas().SetPixels(1, 0, clRed);
    EXPECT_EQ(glyph.TransparentColor(), clFuchsia);

    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    TCanvas c(&image);
    c.Draw(4, 4, glyph);
    c.Release();
    EXPECT_EQ(FromQColor(image.pixelColor(4, 4)), clFuchsia);

    image.fill(Qt::white);
    glyph.SetTransparent(true);
    c.Draw(4, 4, glyph);
    c.Release();
    EXPECT_EQ(FromQColor(image.pixelColor(4, 4)), clWhite);
    EXPECT_EQ(FromQColor(image.pixelColor(5, 4)), clRed);
    EXPECT_EQ(FromQColor(image.pixelColor(6, 5)), clWhite);

    glyph.SetTransparentColor(clRed);
    image.fill(Qt::white);
    c.Draw(0, 0, glyph);
    c.Release();
    EXPECT_EQ(FromQColor(image.pixelColor(0, 0)), clFuchsia);
    EXPECT_EQ(FromQColor(image.pixelColor(1, 0)), clWhite);
}

TEST(TBitmap, DrawsOntoItselfAndStretches)
{
    TBitmap b(4, 4);
    b.Canvas().Brush().SetColor(clWhite);
    b.Canvas().FillRect(Rect(0, 0, 4, 4));
    b.Canvas().SetPixels(0, 0, clBlue);
    b.Canvas().Draw(1, 1, b);
    EXPECT_EQ(FromQColor(b.Image().pixelColor(1, 1)), clBlue);
    EXPECT_EQ(FromQColor(b.Image().pixelColor(0, 0)), clBlue);
    EXPECT_EQ(FromQColor(b.Image().pixelColor(2, 2)), clWhite);

    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::black);
    TCanvas c(&image);
    c.StretchDraw(Rect(0, 0, 8, 8), b);
    c.Release();
    EXPECT_EQ(FromQColor(image.pixelColor(1, 1)), clBlue);
    EXPECT_EQ(FromQColor(image.pixelColor(3, 3)), clBlue);
    EXPECT_EQ(FromQColor(image.pixelColor(7, 7)), clWhite);

    // Growing keeps the picture and whitens the new part.
    b.SetSize(6, 6);
    EXPECT_EQ(FromQColor(b.Image().pixelColor(1, 1)), clBlue);
    EXPECT_EQ(FromQColor(b.Image().pixelColor(5, 5)), clWhite);
    EXPECT_FALSE(b.LoadFromFile("/nonexistent.png"));
    EXPECT_EQ(b.Width(), 6);
}

TEST(TFont, SizeAndHeightAreTwoViewsOfOneValue)
{
    TFont f;
    f.SetSize(12);
    EXPECT_EQ(f.Height(), -16);
    EXPECT_EQ(f.Size(), 12);
    f.SetHeight(-11);
    EXPECT_EQ(f.Size(), 8);
    f.SetStyle(TFontStyle::fsBold | TFontStyle::fsUnderline);
    const QFont q = f.toQFont();
    EXPECT_TRUE(q.bold());
    EXPECT_TRUE(q.underline());
    EXPECT_FALSE(q.italic());
    EXPECT_EQ(q.pixelSize(), 11);

    QFont italic("DejaVu Sans");
    italic.setPointSize(12);
    italic.setItalic(true);
    const TFont back = TFont::fromQFont(italic);
    EXPECT_EQ(back.Name(), "DejaVu Sans");
    EXPECT_EQ(back.Size(), 12);
    EXPECT_EQ(back.Style(), TFontStyles(TFontStyle::fsItalic));
}

// A paint that batches its texts must leave the very pixels of one that draws each call in turn: whatever is
// drawn later over a text (a fill, a line, a frame, a picture, a text of another colour) still covers it.
TEST(TCanvas, BatchedTextsLeaveThePixelsOfDrawingInTurn)
{
    const auto paint = [](bool batch) {
        QImage image(240, 90, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        TCanvas c;
        c.BeginPaint(&painter, batch);
        c.Brush().SetStyle(TBrushStyle::bsClear);
        const auto text = [&](const QString& s, int x, int y, TColor colour, unsigned format = DT_SINGLELINE) {
            c.Font().SetColor(colour);
            TRect r = Rect(x, y, x + 60, y + 18);
            c.DrawText(s, r, format | DT_NOPREFIX);
        };
        for (int i = 0; i < 20; ++i)   // more than one batch holds, in a row of cells
            text(QStringLiteral("R%1").arg(i), (i % 10) * 24, (i / 10) * 14, clBlack);
        c.Brush().SetStyle(TBrushStyle::bsSolid);
        c.Brush().SetColor(clYellow);
        c.FillRect(Rect(30, 0, 50, 30));   // over two of them
        c.Pen().SetColor(clGreen);
        c.MoveTo(0, 20);
        c.LineTo(240, 20);                 // through the second row
        c.Brush().SetStyle(TBrushStyle::bsClear);
        text("Wide text", 0, 40, clBlack, DT_SINGLELINE | DT_NOCLIP);
        text("Over it", 10, 40, clRed);    // another colour over the first
        text("Framed", 100, 40, clBlack);
        c.DrawFocusRect(Rect(98, 38, 148, 54));
        text("Held", 160, 40, clBlack);   // still held when the clip changes
        c.SetClipRect(Rect(160, 40, 175, 58));
        text("Clipped", 160, 40, clBlue);
        c.ResetClipRect();
        text("Under a picture", 0, 60, clBlack);
        TBitmap picture(20, 20);
        picture.Canvas().Brush().SetColor(clFuchsia);
        picture.Canvas().FillRect(Rect(0, 0, 20, 20));
        c.Draw(10, 60, picture);
        text("Last", 200, 70, clBlack);    // still held when the paint ends
        c.EndPaint();
        return image;
    };
    const QImage inTurn = paint(false);
    const QImage batched = paint(true);
    EXPECT_EQ(batched, inTurn);
    // The script shows what it tests: the later fill and picture hide the texts under them.
    EXPECT_EQ(FromQColor(inTurn.pixelColor(40, 5)), clYellow);
    EXPECT_EQ(CountColour(inTurn.copy(30, 0, 20, 30), clBlack), 0);
    EXPECT_EQ(CountColour(inTurn.copy(10, 60, 20, 20), clBlack), 0);
    EXPECT_GT(CountColour(inTurn.copy(200, 70, 40, 20), clBlack), 0);
}

// A wrapped text that fits its line is that one line, as the breaking would leave it: blanks before kept,
// blanks after dropped.
TEST(TCanvas, WrappedTextThatFitsIsOneLine)
{
    TCanvas c;
    for (const QString& s : {QStringLiteral("one two"), QStringLiteral("one two  "), QStringLiteral("  one two"),
                             QStringLiteral("single")}) {
        SCOPED_TRACE(s.toStdString());
        TRect r = Rect(0, 0, 200, 0);
        const int h = c.DrawText(s, r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        EXPECT_EQ(h, c.TextHeight(s));
        EXPECT_EQ(r.Width(), c.TextWidth(s.endsWith(' ') ? s.trimmed() : s));
    }
    TRect narrow = Rect(0, 0, c.TextWidth("one"), 0);
    EXPECT_EQ(c.DrawText("one two", narrow, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX), 2 * c.TextHeight("o"));
}

// Fonts alike but for their colour share one built font, yet each text keeps its own colour.
TEST(TCanvas, TextsOfOneFaceInTwoColours)
{
    Surface s;
    s.canvas.Font().SetColor(clRed);
    s.canvas.TextOut(0, 0, "II");
    s.canvas.Font().SetColor(clBlue);
    s.canvas.TextOut(0, 10, "II");
    EXPECT_GT(s.Count(clRed), 0);
    EXPECT_GT(s.Count(clBlue), 0);
    EXPECT_EQ(s.Count(clRed), s.Count(clBlue));
}
