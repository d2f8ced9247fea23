#include "grid/foundation/VxGridButton.h"
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QImage Rendered(QWidget& w)
{
    QImage image(w.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    w.render(&image);
    return image;
}

// A red square whose bottom-left pixel (the transparent colour) is white.
void MakeGlyph(TBitmap& glyph, int size)
{
    QImage img(size, size, QImage::Format_RGB32);
    img.fill(QColor(255, 0, 0));
    img.setPixelColor(0, size - 1, Qt::white);
    glyph.SetImage(img);
}

TEST(VxGridButton, LooksSetTheirColours)
{
    TVxGridButton b;
    EXPECT_EQ(b.Width(), 22);
    EXPECT_EQ(b.Height(), 23);
    EXPECT_EQ(b.Color(), clBtnFace);
    b.SetLook(0);
    EXPECT_TRUE(b.Rounded());
    EXPECT_EQ(b.Color(), 0xEDF1F1u);
    EXPECT_EQ(b.BorderDownColor(), 0xAF987Au);
    b.SetLook(7);                          // outside the table: nothing changes
    EXPECT_EQ(b.Look(), 0);
    EXPECT_EQ(b.Color(), 0xEDF1F1u);
    b.SetLook(6);
    EXPECT_FALSE(b.Rounded());
    EXPECT_EQ(b.ColorCheckedTo(), 0x9CDDEDu);
    b.SetAutoThemeAdapt(true);             // no desktop scheme here: the classic look
    EXPECT_EQ(b.Look(), 1);
}

TEST(VxGridButton, FlatPaintingGradientAndRoundedBorder)
{
    TVxGridButton b;
    b.SetLook(2);                          // vertical gradient from $FDEADA to $E4AE88 in 16 bands
    const QImage img = Rendered(b);
    EXPECT_EQ(img.pixelColor(11, 0), ToQColor(0xFDEADA));
    // Band 15 starts at round(15 * 23 / 16) = 22 with red 0xDA + round(15 * (0x88 - 0xDA) / 16).
    const int r = 0xDA + int(std::lround(15.0 * (0x88 - 0xDA) / 16));
    const int g = 0xEA + int(std::lround(15.0 * (0xAE - 0xEA) / 16));
    const int bl = 0xFD + int(std::lround(15.0 * (0xE4 - 0xFD) / 16));
    EXPECT_EQ(img.pixelColor(11, 22), QColor(r, g, bl));

    TVxGridButton rounded;
    rounded.SetLook(0);
    rounded.SetBorderColor(clRed);
    const QImage ri = Rendered(rounded);
    EXPECT_EQ(ri.pixelColor(5, 0), QColor(255, 0, 0));     // the outline's straight edge
    EXPECT_NE(ri.pixelColor(0, 0), QColor(255, 0, 0));     // the 8 x 8 corner is cut
}

TEST(VxGridButton, GradientRoundsHalvesToEven)
{
    // 16 bands over 23 rows: band k starts at row round(k * 23 / 16) with channel round(k * 8 / 16).
    TVxGridButton b;
    b.SetLook(2);                          // no border: the fill covers the whole client area
    b.SetColor(RGB(0, 0, 0));
    b.SetColorTo(RGB(8, 8, 8));
    const QImage img = Rendered(b);
    EXPECT_EQ(img.pixelColor(11, 1), QColor(0, 0, 0));      // band 1: 0.5 rounds to 0
    EXPECT_EQ(img.pixelColor(11, 4), QColor(2, 2, 2));      // band 3 from row 4: 1.5 rounds to 2
    EXPECT_EQ(img.pixelColor(11, 7), QColor(2, 2, 2));      // band 5 from row 7: 2.5 rounds to 2
}

TEST(VxGridButton, GlyphOnlyAtTheCornerAndTheGreyCopy)
{
    QWidget parent;
    TVxGridButton b(&parent);
    b.resize(30, 30);
    TBitmap glyph;
    MakeGlyph(glyph, 6);
    b.SetGlyph(glyph);
    QImage img = Rendered(b);
    EXPECT_EQ(img.pixelColor(0, 0), QColor(255, 0, 0));    // without a caption the glyph stands at (0, 0)
    EXPECT_NE(img.pixelColor(15, 15), QColor(255, 0, 0));

    // Red (255, 0, 0) becomes round(255 / 3) div 2 + 96 = 138 in every channel.
    ASSERT_FALSE(b.GlyphDisabled().Empty());
    EXPECT_EQ(b.GlyphDisabled().Image().pixelColor(2, 2), QColor(138, 138, 138));
    QImage blue(6, 6, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    TBitmap second;
    second.SetImage(blue);
    b.SetGlyph(second);                                    // the grey copy stays
    EXPECT_EQ(b.GlyphDisabled().Image().pixelColor(2, 2), QColor(138, 138, 138));

    b.SetCaption("Find");                                  // with a caption the glyph is laid out beside it
    img = Rendered(b);
    EXPECT_NE(img.pixelColor(0, 0), QColor(0, 0, 255));
}

struct ClickCounts {
    int clicks = 0;
    int dropDowns = 0;
    void Attach(TVxGridButton& b)
    {
        b.OnClick = [this](QObject*) { ++clicks; };
        b.OnDropDown = [this](QObject*) { ++dropDowns; };
    }
};

TEST(VxGridButton, ClicksAndTheDropDownPart)
{
    QWidget parent;
    TVxGridButton b(&parent);
    b.resize(40, 23);
    ClickCounts counts;
    counts.Attach(b);
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(counts.clicks, 1);
    EXPECT_FALSE(b.Down());                 // a push button outside a group never stays down

    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(60, 10));   // released outside
    EXPECT_EQ(counts.clicks, 1);

    b.SetDropDownButton(true);
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(35, 10));     // the right 12 pixels
    EXPECT_EQ(counts.dropDowns, 1);
    EXPECT_EQ(counts.clicks, 1);
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(27, 10));
    EXPECT_EQ(counts.clicks, 2);
    EXPECT_EQ(counts.dropDowns, 1);
}

TEST(VxGridButton, GroupsAndToggles)
{
    QWidget parent;
    TVxGridButton a(&parent), b(&parent);
    a.SetGroupIndex(1);
    b.SetGroupIndex(1);
    a.SetDown(true);
    EXPECT_TRUE(a.Down());
    EXPECT_EQ(a.State(), TVxButtonState::bsExclusive);
    b.SetDown(true);
    EXPECT_TRUE(b.Down());
    EXPECT_FALSE(a.Down());                 // raised by the group
    b.SetDown(false);                       // the group does not allow all up
    EXPECT_TRUE(b.Down());
    QTest::mouseClick(&a, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(a.Down());
    EXPECT_FALSE(b.Down());
    a.SetAllowAllUp(true);                  // the whole group takes it
    b.SetDown(false);
    a.SetDown(false);
    EXPECT_FALSE(a.Down());

    TVxGridButton toggle(&parent);
    toggle.SetStyle(TVxGridButtonStyle::tasCheck);
    ClickCounts counts;
    counts.Attach(toggle);
    QTest::mouseClick(&toggle, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(toggle.Down());
    QTest::mouseClick(&toggle, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(toggle.Down());
    EXPECT_EQ(counts.clicks, 2);
}

TEST(VxGridButton, AcceleratorClicks)
{
    QWidget window;
    TVxGridButton b(&window);
    b.SetCaption("&Next");
    ClickCounts counts;
    counts.Attach(b);
    window.show();
    EXPECT_TRUE(TCustomControl::DispatchDialogChar(&window, u'n', {}));
    EXPECT_EQ(counts.clicks, 1);
    b.SetEnabled(false);
    EXPECT_FALSE(TCustomControl::DispatchDialogChar(&window, u'n', {}));
    EXPECT_EQ(counts.clicks, 1);
}

} // namespace
