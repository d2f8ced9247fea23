#include "grid/foundation/MiniHtmlRender.h"
#include "grid/foundation/PictureContainer.h"
#include "grid/foundation/MiniHtml.h"
#include "platform/Canvas.h"
#include "support/PaintSurface.h"
#include <QBuffer>
#include <QFontMetrics>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// A white image with a canvas in the default font; measurements are compared with QFontMetrics of that font.
struct RenderFixture : ::testing::Test {
    QImage image{300, 200, QImage::Format_RGB32};
    TCanvas canvas{&image};
    TMiniHtmlParams params;
    TMiniHtmlResult result;

    void SetUp() override
    {
        image.fill(Qt::white);
        canvas.Font().SetColor(clBlack);
        canvas.Brush().SetColor(clWhite);
        params.Rect = Rect(0, 0, 300, 200);
    }
    QFontMetrics Metrics(TFontStyles style = {}, int points = 0) const
    {
        TFont f;
        f.SetStyle(style);
        if (points)
            f.SetSize(points);
        return QFontMetrics(f.toQFont());
    }
    int Advance(const QString& s, TFontStyles style = {}) const { return Metrics(style).horizontalAdvance(s); }
    int LineHeight() const { return Metrics().height(); }
    bool Render(const QString& text)
    {
        const bool hit = RenderMiniHtml(canvas, text, params, result);
        canvas.Release();
        return hit;
    }
    int CountPixels(QColor c) const { return CountColour(image, FromQColor(c)); }
};

TEST_F(RenderFixture, EmptyTextTakesOneLineAndDrawsNothing)
{
    EXPECT_FALSE(Render(""));
    EXPECT_EQ(result.YSize, LineHeight());
    EXPECT_EQ(result.XSize, 0);
    EXPECT_EQ(result.HyperLinks, 0);
    EXPECT_EQ(CountPixels(Qt::white), 300 * 200);
}

TEST_F(RenderFixture, LinesRunsAndFontsMeasureAsTheFontMetrics)
{
    Render("a<BR>bb");
    EXPECT_EQ(result.StripVal, "a\rbb");
    EXPECT_EQ(result.YSize, 2 * LineHeight());
    EXPECT_EQ(result.XSize, Advance("bb"));

    Render("<B>bold</B> x&amp;y");   // the doubled ampersand shows as one
    EXPECT_EQ(result.XSize, Advance("bold", TFontStyle::fsBold) + Advance(" x&y"));
    EXPECT_EQ(result.StripVal, "bold x&&y");

    Render("<FONT size=\"3\">Hg</FONT>");
    const QFontMetrics twelve = Metrics({}, 12);
    EXPECT_EQ(result.XSize, twelve.horizontalAdvance("Hg"));
    EXPECT_EQ(result.YSize, twelve.height());

    Render("a<Z>hidden</Z>b");
    EXPECT_EQ(result.XSize, Advance("a") + Advance("b"));
    EXPECT_EQ(result.StripVal, "ahiddenb");   // hidden text stays in the plain text

    Render("x<SUB>2</SUB>");
    EXPECT_EQ(result.YSize, LineHeight() + LineHeight() / 4);
}

TEST_F(RenderFixture, WordWrapBreaksAtBlanksButNotAtNbsp)
{
    const int width = Advance("aaa ") + Advance("bbb ") + Advance("ccc") - 1;
    params.Rect = Rect(0, 0, width + 1, 200);   // the working rectangle starts one pixel in
    params.WordWrap = true;
    Render("aaa bbb ccc");
    EXPECT_EQ(result.YSize, 2 * LineHeight());
    EXPECT_EQ(result.XSize, Advance("aaa ") + Advance("bbb"));
    EXPECT_EQ(result.StripVal, "aaa bbb ccc");

    Render("aaa bbb&nbsp;ccc");
    EXPECT_EQ(result.YSize, 2 * LineHeight());
    EXPECT_EQ(result.XSize, Advance("bbb ccc"));

    // A tag after the last blank of a line leaves that blank final: it counts in no width.
    params.Rect = Rect(0, 0, Advance("aaaaaa ") + 1, 200);
    Render("aaaaaa <B>b</B>");
    EXPECT_EQ(result.YSize, 2 * LineHeight());
    EXPECT_EQ(result.XSize, Advance("aaaaaa ") - Advance(" "));

    // Without word wrap one line; what follows the run that does not fit is dropped.
    params.WordWrap = false;
    params.Rect = Rect(0, 0, Advance("first ") + 3, 200);
    Render("first <B>xy</B> third");
    EXPECT_EQ(result.YSize, LineHeight());
    EXPECT_EQ(result.StripVal, "first xy");
    Render("first<B>second</B> third");          // a word split by a tag is not broken
    EXPECT_EQ(result.StripVal, "firstsecond third");
}

TEST_F(RenderFixture, ListItemsAndCutLines)
{
    Render("<UL><LI>a<LI>b</UL>");
    EXPECT_EQ(result.YSize, 3 * LineHeight());   // the list line, then one line per item
    EXPECT_EQ(result.StripVal, "ab");
    EXPECT_EQ(result.XSize, 12 + Advance("a"));

    const int h = LineHeight();
    params.Rect = Rect(0, 0, 300, 2 * h + h / 2);
    Render("a<BR>b<BR>c<BR>d");
    EXPECT_EQ(result.YSize, 2 * h);
    EXPECT_EQ(result.StripVal, "a\rb\r");
    params.CheckHeight = true;
    Render("a<BR>b<BR>c<BR>d");
    EXPECT_EQ(result.YSize, 4 * h);
}

TEST_F(RenderFixture, LinkHitTesting)
{
    params.CheckHotSpot = true;
    const int h = LineHeight();
    params.XPos = 1 + Advance("go ") + 2;
    params.YPos = h / 2;
    EXPECT_TRUE(Render("go <A href=\"Target\" title=\"Tip\">link</A> on<BR>next"));
    EXPECT_EQ(result.AnchorVal, "Target");
    EXPECT_EQ(result.AnchorHint, "Tip");
    EXPECT_EQ(result.MouseLink, 1);
    EXPECT_EQ(result.HyperLinks, 1);
    EXPECT_EQ(result.HoverRect, Rect(1 + Advance("go "), 0, 1 + Advance("go ") + Advance("link"), h));

    params.YPos = h + h / 2;                     // the line below the link
    EXPECT_FALSE(Render("go <A href=\"Target\">link</A> on<BR>next"));
    EXPECT_EQ(result.AnchorVal, "");
    EXPECT_EQ(result.MouseLink, -1);
}

TEST_F(RenderFixture, LinkColoursAndSelection)
{
    params.URLColor = clRed;
    Render("<A href=\"x\">WWW</A>");
    EXPECT_GT(CountPixels(QColor(255, 0, 0)), 0);
    EXPECT_EQ(CountPixels(Qt::black), 0);

    image.fill(Qt::white);
    params.Selected = true;                      // the selection's text colour stays
    Render("<A href=\"x\">WWW</A>");
    EXPECT_EQ(CountPixels(QColor(255, 0, 0)), 0);
    EXPECT_GT(CountPixels(Qt::black), 0);
}

TEST_F(RenderFixture, HighlightMarkAndParagraphBand)
{
    SetHtmlHighlightColors(clYellow, clBlue);
    Render("<HI>abc</HI>");
    EXPECT_GT(CountPixels(QColor(255, 255, 0)), 0);
    EXPECT_GT(CountPixels(QColor(0, 0, 255)), 0);
    SetHtmlHighlightColors(clHighlight, clHighlightText);

    image.fill(Qt::white);
    Render("<E>wrong</E>");
    const int bottom = LineHeight();
    EXPECT_EQ(image.pixelColor(4, bottom + 1), QColor(255, 0, 0));   // below at x divisible by 4
    EXPECT_EQ(image.pixelColor(6, bottom - 1), QColor(255, 0, 0));   // above in between

    image.fill(Qt::white);
    Render("<P bgcolor=\"#00FF00\">x</P>y");
    EXPECT_EQ(image.pixelColor(299, 1), QColor(0, 255, 0));          // the band spans the rectangle
    EXPECT_EQ(image.pixelColor(299, LineHeight() + 1), QColor(Qt::white));
}

void AddPicture(TPictureContainer& container, const QString& name, QColor color)
{
    QImage image(10, 6, QImage::Format_RGB32);
    image.fill(color);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    image.save(&png, "PNG");
    png.close();
    png.open(QIODevice::ReadOnly);
    TPictureItem* item = container.Items().Add();
    item->SetName(name);
    item->Picture().LoadFromStream(&png);
}

TEST_F(RenderFixture, PicturesTakeTheirRoom)
{
    TPictureContainer container;
    AddPicture(container, "Pic", Qt::red);
    params.Container = &container;

    Render("<IMG src=\"pic\">x");
    EXPECT_EQ(result.XSize, 10 + Advance("x"));
    EXPECT_EQ(image.pixelColor(1, 0), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(10, 5), QColor(255, 0, 0));

    Render("<IMG src=\"pic\" width=\"20\">");
    EXPECT_EQ(result.XSize, 20);
    EXPECT_EQ(result.YSize, std::max(12, LineHeight()));
    Render("<IMG src=\"missing\">x");              // no picture, no room
    EXPECT_EQ(result.XSize, Advance("x"));

    // A picture that does not fit in the room left moves to the next line.
    params.Rect = Rect(0, 0, 1 + Advance("abc") + 15, 200);
    Render("abc<IMG src=\"pic\" width=\"16\" height=\"6\">");
    EXPECT_EQ(result.YSize, 2 * LineHeight());
    // One wider than the whole line stays where it stands.
    Render("abc<IMG src=\"pic\" width=\"300\" height=\"6\">");
    EXPECT_EQ(result.YSize, LineHeight());
}

TEST_F(RenderFixture, PictureInALinkShowsItsAltUnderTheMouse)
{
    TPictureContainer container;
    AddPicture(container, "normal", Qt::red);
    AddPicture(container, "hot", Qt::blue);
    params.Container = &container;
    const QString text = "<A href=\"go\" title=\"t\"><IMG src=\"normal\" alt=\"hot\"></A>";
    Render(text);
    EXPECT_EQ(image.pixelColor(3, 2), QColor(255, 0, 0));
    EXPECT_EQ(result.AnchorVal, "");

    params.XPos = 4;
    params.YPos = 3;
    EXPECT_TRUE(Render(text));
    EXPECT_EQ(result.AnchorVal, "go");
    EXPECT_EQ(result.AnchorHint, "t");
    EXPECT_EQ(image.pixelColor(3, 2), QColor(0, 0, 255));
}

TEST_F(RenderFixture, HoverFocusAndBlink)
{
    params.HoverStyle = true;
    params.HoverLink = 2;
    params.HoverFontColor = clGreen;
    params.URLColor = clRed;
    Render("<A href=\"a\">WW</A> <A href=\"b\">WW</A>");
    EXPECT_EQ(result.HyperLinks, 2);
    EXPECT_GT(CountPixels(QColor(255, 0, 0)), 0);   // the first link in the link colour
    EXPECT_GT(CountPixels(QColor(0, 128, 0)), 0);   // the hovered one in the hover text colour

    image.fill(Qt::white);
    params = TMiniHtmlParams();
    params.Rect = Rect(0, 0, 300, 200);
    params.FocusLink = 1;
    Render("<A href=\"a\">x</A> <A href=\"b\">x</A>");
    EXPECT_EQ(result.FocusAnchor, "b");
    const int frameLeft = 1 + Advance("x ") - 1;
    int frameDots = 0;
    for (int x = frameLeft; x < frameLeft + Advance("x"); ++x)
        frameDots += image.pixelColor(x, 0) == QColor(Qt::black);
    EXPECT_GT(frameDots, 0);                         // the dotted frame's top edge

    // The frame runs from one pixel left of the link's text to one pixel right of it.
    image.fill(Qt::white);
    params.FocusLink = 0;
    Render("<A href=\"a\">x</A>");
    auto columnDots = [&](int x) {
        int dots = 0;
        for (int y = 0; y < LineHeight(); ++y)
            dots += image.pixelColor(x, y) == QColor(Qt::black);
        return dots;
    };
    EXPECT_GT(columnDots(0), 0);                     // the link starts at x 1
    EXPECT_GT(columnDots(1 + Advance("x")), 0);

    image.fill(Qt::white);
    params = TMiniHtmlParams();
    params.Rect = Rect(0, 0, 300, 200);
    params.BlinkOn = false;                          // blinking text takes the background colour
    Render("<BLINK>WWW</BLINK>");
    EXPECT_EQ(CountPixels(Qt::white), 300 * 200);
    params.BlinkOn = true;
    Render("<BLINK>WWW</BLINK>");
    EXPECT_GT(CountPixels(Qt::black), 0);
}

TEST_F(RenderFixture, RotatedTextTurnsAboutItsStart)
{
    // Turned a quarter clockwise (270 counter-clockwise) the run reads downward from its top-left corner,
    // below the one line it takes, and left of where it starts.
    const int start = 1 + Advance("abc");
    Render("abc<R a=\"270\">HHHHHH</R>");
    EXPECT_EQ(result.YSize, LineHeight());
    EXPECT_EQ(result.XSize, Advance("abc") + Advance("HHHHHH"));   // measured upright
    int below = 0, rightOfStart = 0;
    for (int y = LineHeight() + 1; y < 100; ++y)
        for (int x = 0; x < 300; ++x)
            if (image.pixelColor(x, y) == QColor(Qt::black))
                ++(x <= start ? below : rightOfStart);
    EXPECT_GT(below, 0);
    EXPECT_EQ(rightOfStart, 0);

    image.fill(Qt::white);
    Render("abc<R a=\"270\">HH</R>HHHH");                        // </R> turns it back
    int upright = 0;
    for (int x = start + Advance("HH"); x < 300; ++x)
        for (int y = 0; y < LineHeight(); ++y)
            upright += image.pixelColor(x, y) == QColor(Qt::black);
    EXPECT_GT(upright, 0);
}

TEST_F(RenderFixture, ControlsLayDrawAndHit)
{
    Render("<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"v\">x");   // without WIDTH: no room
    EXPECT_EQ(result.XSize, Advance("x"));

    Render("<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"true\" WIDTH=\"16\">");
    EXPECT_EQ(result.XSize, 16);
    EXPECT_EQ(result.YSize, 16);
    const int checkedBlack = CountPixels(Qt::black);
    EXPECT_GT(checkedBlack, 0);
    image.fill(Qt::white);
    Render("<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"false\" WIDTH=\"16\">");
    EXPECT_EQ(CountPixels(Qt::black), 0);

    params.CheckHotSpot = true;
    params.ControlID = "e2";
    EXPECT_TRUE(Render("ab<CONTROL TYPE=\"edit\" ID=\"e2\" VALUE=\"&lt;v&gt;\" WIDTH=\"50\">"));
    EXPECT_EQ(result.AnchorVal, "ctrl");
    EXPECT_EQ(result.ControlID, "e2");
    EXPECT_EQ(result.ControlType, "EDIT");
    EXPECT_EQ(result.ControlValue, "<v>");
    EXPECT_EQ(result.ControlRect, Rect(1 + Advance("ab"), 0, 1 + Advance("ab") + 50, LineHeight() + 10));

    // A control with no room left moves to the next line: the mouse where it did not fit hits nothing.
    params.ControlID.clear();
    params.Rect = Rect(0, 0, 1 + Advance("abc ") + 40, 200);
    params.XPos = 1 + Advance("abc ") + 10;
    params.YPos = 5;
    EXPECT_FALSE(Render("abc <CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"50\">"));
    EXPECT_EQ(result.AnchorVal, "");
    EXPECT_EQ(result.ControlID, "");
    EXPECT_EQ(result.ControlRect, TRect());
    EXPECT_GT(result.YSize, LineHeight() + 10);       // two lines
}

} // namespace
