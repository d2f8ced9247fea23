#include "platform/Canvas.h"
#include "platform/GlyphRunText.h"
#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace {
// The canvas's own font (no antialiasing, no kerning), in DejaVu Sans: it has ligatures for "fi" and "fl"
// and rules for "i" and "j" before combining marks, so both sides of the way round are seen.
QFont CellFont(const QString& family = QStringLiteral("DejaVu Sans"))
{
    TFont f;
    f.SetName(family);
    return f.toQFont();
}

struct Shaped {
    QList<quint32> glyphs;
    QList<qreal> x;
};

Shaped QtShaping(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    Shaped out;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        out.glyphs += run.glyphIndexes();
        for (const QPointF& p : run.positions())
            out.x += p.x();
    }
    for (qreal& x : out.x)
        x -= out.x.isEmpty() ? 0 : out.x.front();
    return out;
}

struct TextCase {
    const char* text;
    bool plain;
};
const TextCase kTexts[] = {
    {"R17C3", true},
    {"Column 10", true},
    {"000123 -4.5e+7 (x) [y] {z} 100%", true},
    {"f after", true},                    // an "f" starts a ligature only before "i" or "l"
    {"Größe €12 Ωμέγα Жёлтый", true},     // Latin-1, Greek and Cyrillic letters the font has
    {"office", false},                    // the "fi" ligature
    {"fl", false},
    {"ij", false},                        // the font's rules for "i" and "j" before marks
    {"e\u0301", false},                   // a combining mark
    {"\u0645\u0631\u062d\u0628\u0627", false},   // Arabic joins its letters
    {"\u05e9\u05dc\u05d5\u05dd", false},          // Hebrew runs right to left
    {"a\u200db", false},                  // an invisible format character
    {"tab\there", false},
    {"\u4e2d\u6587", false},              // a script with rules of its own, and glyphs from another font
    {"x \U0001F600", false},              // beyond the basic plane
};
} // namespace

TEST(TGlyphRunFont, PlainTextsGetQtsGlyphsAndAdvancesAndTheOthersAreLeftToQt)
{
    const QFont font = CellFont();
    const TGlyphRunFont* glyphs = TGlyphRunFont::For(font);
    ASSERT_NE(glyphs, nullptr);
    const QFontMetrics fm(font);
    for (const auto& c : kTexts) {
        const QString text = QString::fromUtf8(c.text);
        SCOPED_TRACE(c.text);
        TGlyphLine line;
        ASSERT_EQ(glyphs->Layout(text, line), c.plain);
        if (!c.plain)
            continue;
        const Shaped qt = QtShaping(text, font);
        EXPECT_EQ(QList<quint32>(line.Glyphs.begin(), line.Glyphs.end()), qt.glyphs);
        ASSERT_EQ(line.Positions.size(), qt.x.size());
        for (qsizetype i = 0; i < qt.x.size(); ++i)
            EXPECT_DOUBLE_EQ(line.Positions[i].x(), qt.x[i]) << i;
        EXPECT_EQ(line.Width, fm.horizontalAdvance(text));
    }
}

TEST(TGlyphRunFont, FontsThatChangeTheirTextsAreShapedAlways)
{
    QFont font = CellFont();
    EXPECT_EQ(TGlyphRunFont::For(font), TGlyphRunFont::For(CellFont()));   // one per font
    font.setUnderline(true);
    EXPECT_EQ(TGlyphRunFont::For(font), nullptr);
    font = CellFont();
    font.setCapitalization(QFont::AllUppercase);
    EXPECT_EQ(TGlyphRunFont::For(font), nullptr);
    font = CellFont();
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    EXPECT_EQ(TGlyphRunFont::For(font), nullptr);
}

TEST(TGlyphRunFont, OnlyARasterPainterInALeftToRightDirectionTakesGlyphRuns)
{
    QImage image(10, 10, QImage::Format_RGB32);
    {
        QPainter p(&image);
        EXPECT_TRUE(TGlyphRunFont::CanDrawOn(p));
        p.setLayoutDirection(Qt::RightToLeft);
        EXPECT_FALSE(TGlyphRunFont::CanDrawOn(p));
    }
    // A PDF keeps the text behind its glyphs only when drawn as text.
    QTemporaryDir dir;
    QPdfWriter pdf(dir.filePath(QStringLiteral("t.pdf")));
    QPainter p(&pdf);
    EXPECT_FALSE(TGlyphRunFont::CanDrawOn(p));
}

// The canvas draws every text to the same pixels as Qt's drawText at its baseline, clipped to the rectangle,
// as it drew before. The tolerance is none: both draw the same glyph images from the same cache at the same
// whole-pixel positions, and without antialiasing a pixel is either the text's colour or the background.
TEST(TCanvas, DrawTextPaintsTheSamePixelsAsQtsTextLayout)
{
    struct DrawCase {
        const char* text;
        unsigned format;
        TRect r;
        bool plain;   // drawn as a glyph run
    };
    const unsigned single = DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS;
    const DrawCase cases[] = {
        {"R123C4", single | DT_VCENTER, {2, 2, 62, 22}, true},
        {"0001234", single | DT_RIGHT, {2, 24, 62, 44}, true},
        {"Column 7", single | DT_CENTER | DT_VCENTER, {2, 46, 62, 66}, true},
        {"Too many words for a small cell", single, {2, 68, 50, 88}, true},        // clipped at the right
        {"Tall", single, {2, 90, 62, 96}, true},                                     // clipped at the bottom
        {"jjj", single, {0, 98, 62, 118}, false},                                     // shaped: "j"
        {"\u0645\u0631\u062d\u0628\u0627 office", single, {2, 120, 90, 140}, false}, // shaped
        {"e\u0301t\u00e9", single | DT_CENTER, {2, 142, 62, 162}, false},             // shaped: a mark
    };
    const QFont font = CellFont();
    const QFontMetrics fm(font);
    QImage drawn(100, 170, QImage::Format_RGB32), expected(drawn.size(), QImage::Format_RGB32);
    drawn.fill(Qt::white);
    expected.fill(Qt::white);
    {
        TCanvas canvas(&drawn);
        canvas.Font().SetName(QStringLiteral("DejaVu Sans"));
        canvas.Font().SetColor(clNavy);
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        QPainter p(&expected);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setFont(font);
        p.setPen(ToQColor(clNavy));
        for (const auto& c : cases) {
            const QString text = QString::fromUtf8(c.text);
            TGlyphLine line;
            EXPECT_EQ(TGlyphRunFont::For(font)->Layout(text, line), c.plain) << c.text;
            TRect r = c.r;
            canvas.DrawText(text, r, c.format);
            const int width = fm.horizontalAdvance(text);
            int x = c.r.Left;
            if (c.format & DT_CENTER)
                x += (c.r.Width() - width) / 2;
            else if (c.format & DT_RIGHT)
                x = c.r.Right - width;
            const int y = c.format & DT_VCENTER ? c.r.Top + (c.r.Height() - fm.height()) / 2 : c.r.Top;
            p.setClipRect(c.r.toQRect());
            p.drawText(QPoint(x, y + fm.ascent()), text);
        }
        canvas.Release();
    }
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            ASSERT_EQ(drawn.pixel(x, y), expected.pixel(x, y)) << x << ", " << y;
    // Every case drew something, the shaped ones too.
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        bool ink = false;
        for (int y = c.r.Top; y < c.r.Bottom && !ink; ++y)
            for (int x = c.r.Left; x < c.r.Right && !ink; ++x)
                ink = drawn.pixel(x, y) == ToQColor(clNavy).rgb();
        EXPECT_TRUE(ink);
    }
}
