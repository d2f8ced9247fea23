#include "grid/model/GridText.h"
#include "support/LocaleScope.h"
#include "platform/GridCoord.h"
#include <QStringList>
#include <gtest/gtest.h>

TEST(RegionalSettings, FollowTheLocale)
{
    {
        const auto scope = CommaDecimals();
        EXPECT_EQ(DecimalSeparatorChar(), QChar(','));
        EXPECT_EQ(ThousandSeparatorChar(), QChar('.'));
        EXPECT_EQ(DateSeparatorChar(), QChar('.'));
        EXPECT_EQ(TimeSeparatorChar(), QChar(':'));
    }
    const auto scope = DotDecimals();
    EXPECT_EQ(DecimalSeparatorChar(), QChar('.'));
    EXPECT_EQ(DateSeparatorChar(), QChar('/'));
}

namespace {
constexpr auto I = TNumberTextKind::ntInteger, D = TNumberTextKind::ntDecimal, N = TNumberTextKind::ntNotNumber,
               E = TNumberTextKind::ntExponent;
} // namespace

TEST(ClassifyNumberText, CommaDecimals)
{
    const auto scope = CommaDecimals();
    const std::pair<const char*, TNumberTextKind> cases[] = {
        {"-12", I}, {"1,5", D}, {"1.234,5", D}, {"1,5e-3", E}, {"-1,5e-3", E}, {"+5", N}, {"12e", N},
        {"e5", N}, {"1-2", N}, {"1,2,3", N}, {"", N}, {"1.23.5", N}, {"1e5e2", N}, {"abc", N},
    };
    for (const auto& [text, kind] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ClassifyNumberText(text), kind);
    }
}

TEST(ClassifyNumberText, DotDecimals)
{
    const auto scope = DotDecimals();
    const std::pair<const char*, TNumberTextKind> cases[] = {
        {"1.5", D}, {"1,234.5", D}, {"1.5e-3", E}, {"1,5", D}, {"1.2.3", N}, {"1,5e3", N},
    };
    for (const auto& [text, kind] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ClassifyNumberText(text), kind);
    }
}

TEST(ExtractNumberText, BothSeparators)
{
    {
        const auto scope = CommaDecimals();
        EXPECT_EQ(ExtractNumberText("(1.234,50 EUR)"), "-1234.50");
        EXPECT_EQ(ExtractNumberText("  USD -3,5"), "-3.5");
        EXPECT_EQ(ExtractNumberText(""), "");
    }
    const auto scope = DotDecimals();
    EXPECT_EQ(ExtractNumberText("$1,234.50"), "1234.50");
    EXPECT_EQ(ExtractNumberText("12 kg"), "12");
}

TEST(ClassifyCellText, Kinds)
{
    const QString wideFormula = QString("|\\") + QChar(0) + QChar('=') + QChar(0) + QChar('A');
    const struct { QString text; bool html; TCellTextKind kind; } cases[] = {
        {"", true, TCellTextKind::ctkPlain},
        {"=A1+1", true, TCellTextKind::ctkFormula},
        {"{\\rtf1}", true, TCellTextKind::ctkRich},
        {"<b>x</b>", true, TCellTextKind::ctkHtml},
        {"<b>x</b>", false, TCellTextKind::ctkPlain},
        {"<B>x", true, TCellTextKind::ctkHtml},
        {"<b>x", true, TCellTextKind::ctkPlain},                     // case-sensitive tags
        {EncodeWideCellText("x"), true, TCellTextKind::ctkWide},
        {wideFormula, true, TCellTextKind::ctkFormula},
        {"a<Cb", true, TCellTextKind::ctkHtml},
        {"a<", true, TCellTextKind::ctkPlain},                        // a tag's start alone at the end
        {"1 < 2 <I", true, TCellTextKind::ctkHtml},                   // the second '<' opens one
        {"=", true, TCellTextKind::ctkFormula},
        {"|\\", true, TCellTextKind::ctkWide},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(ClassifyCellText(c.text, c.html), c.kind);
    }
}

TEST(WideCellText, EncodesHighByteFirstAndDecodesBack)
{
    const QString w = QString(QChar(1046));
    const QString encoded = EncodeWideCellText(w);
    EXPECT_EQ(encoded, QString("|\\") + QChar(4) + QChar(22));
    EXPECT_EQ(DecodeWideCellText(encoded), w);
    EXPECT_EQ(DecodeWideCellText(encoded + QChar(7)), w);      // odd last character ignored
    EXPECT_EQ(DecodeWideCellText("plain"), "plain");
    const QString mixed = QString::fromUtf8("a\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(DecodeWideCellText(EncodeWideCellText(mixed)), mixed);
}

TEST(ParseRCReference, Cases)
{
    const struct { const char* text; bool ok; int col; int row; } cases[] = {
        {"r12c3", true, 3, 12}, {"R1C1", true, 1, 1}, {"R1C", false, 0, 0}, {"RC", false, 0, 0},
        {"X1C2", false, 0, 0}, {"R1X2", false, 0, 0}, {"RaC2", false, 0, 0}, {"R1C2 ", false, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TGridCoord cell{-9, -9};
        EXPECT_EQ(ParseRCReference(c.text, cell), c.ok);
        if (c.ok)
            EXPECT_EQ(cell, (TGridCoord{c.col, c.row}));
        else
            EXPECT_EQ(cell, (TGridCoord{-9, -9}));
    }
}

TEST(StringRoutines, PositionsCountFromOne)
{
    int p = 42;
    EXPECT_EQ(FindCharPos('x', "abc", p), 0);
    EXPECT_EQ(p, 42);                                           // untouched when absent
    EXPECT_EQ(FindCharPos('c', "abc", p), 3);
    EXPECT_EQ(p, 3);
    EXPECT_EQ(CharPos('a', "abc"), 1);
    EXPECT_EQ(VarPos("zz", "abc", p), 0);
    EXPECT_EQ(p, 0);
    EXPECT_EQ(PosInUpperCase("BC", "xbc"), 2);
    EXPECT_EQ(WidePos("", "abc"), 0);

    QString s = "key::value";
    EXPECT_EQ(SplitOffToken(s, "::"), "key");
    EXPECT_EQ(s, ":value");                                     // only the delimiter's first character goes
    s = "none";
    EXPECT_EQ(SplitOffToken(s, ";"), "");
    EXPECT_EQ(s, "none");

    EXPECT_EQ(FindFirstOfOutsideQuotes("&|", "\"a&b\"|c", p), QChar('|'));
    EXPECT_EQ(p, 6);
    EXPECT_EQ(FindFirstOfOutsideQuotes("&", "\"a&b\"", p), QChar(0));
    EXPECT_EQ(p, -1);

    EXPECT_EQ(DoubleQuoteChars("a\"b"), "a\"\"b");
    EXPECT_EQ(CollapseDoubledChar('"', "a\"\"b\"\"\"c"), "a\"b\"\"c");
    EXPECT_EQ(CountChar('a', "banana"), 3);
    EXPECT_EQ(ConcatStrings(QStringList{"a", "b", "c"}), "abc");
    s = "abc";
    FillWithChar(s, '*');
    EXPECT_EQ(s, "***");
}

TEST(StringRoutines, UndoubledQuotes)
{
    const struct { const char* text; int pos; int count; } cases[] = {
        {"a\"\"b\"c", 5, 1},      // the doubled pair is skipped
        {"ab\"", 3, 1},           // a last character counts whatever its run
        {"a\"\"", 3, 1},
        {"\"\"\"x", 3, 1},        // odd run of three: its last quote
        {"abc", 0, 0},
        {"\"a\"b\"", 1, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        int p = -1;
        EXPECT_EQ(PosOfUndoubledChar('"', c.text, p), c.pos);
        EXPECT_EQ(p, c.pos);
        EXPECT_EQ(CountUndoubledChar('"', c.text), c.count);
    }
}

TEST(CapitalizeName, Cases)
{
    const std::pair<const char*, const char*> cases[] = {
        {"mary mcdonald-smith", "Mary McDonald-Smith"},
        {"mcbride", "McBride"},
        {"henry iii", "Henry III"},
        {"henry ii", "Henry II"},
        {"JOHN o'NEIL", "John O'Neil"},
        {"", ""},
    };
    for (const auto& [in, out] : cases) {
        SCOPED_TRACE(in);
        EXPECT_EQ(CapitalizeName(in), out);
    }
}

TEST(CellInGridRect, EdgesAreInclusive)
{
    const TGridRect r{1, 2, 3, 4};
    EXPECT_TRUE(CellInGridRect(r, 1, 2));
    EXPECT_TRUE(CellInGridRect(r, 3, 4));
    EXPECT_FALSE(CellInGridRect(r, 4, 4));
    EXPECT_FALSE(CellInGridRect(r, 3, 1));
}

TEST(ClampToLimits, Cases)
{
    EXPECT_EQ(ClampToLimits(5, 0, 0), 5);
    EXPECT_EQ(ClampToLimits(5, 10, 20), 10);
    EXPECT_EQ(ClampToLimits(30, 0, 20), 20);
    EXPECT_EQ(ClampToLimits(30, 7, 7), 30);
    EXPECT_EQ(ClampToLimits(-4, 0, 20), -4);
    EXPECT_EQ(MaxOf(2, 3), 3);
    EXPECT_EQ(MinOf(2, 3), 2);
}

TEST(LineBreaks, Codings)
{
    EXPECT_EQ(CRToHtmlBreaks("a\r\nb"), "a<br>\nb");
    EXPECT_EQ(ExpandNewlineEscapes("a\\nb"), "a\rb");
    EXPECT_EQ(EscapeNewlines("a\r\nb"), "a\\nb");
    EXPECT_EQ(StripCR("a\r\nb"), "a\nb");
    EXPECT_EQ(CRToLF("a\rb"), "a\nb");
    EXPECT_EQ(CountLines("a\r\nb\r\nc", true), 3);
    EXPECT_EQ(CountLines("a\r\nb", false), 1);

    QString s = "a\r\nb";
    QuoteMultilineText(s);
    EXPECT_EQ(s, QString("\"a") + QChar(11) + "b\"");
    s = QString("a") + QChar(11) + "b";
    ExpandVTLineBreaks(s);
    EXPECT_EQ(s, "a\r\nb");
    StripCRFromCRLF(s);
    EXPECT_EQ(s, "a\nb");

    s = "a\r\nb";
    LineBreaksToTilde(s);
    EXPECT_EQ(s, "a~b");
    TildeToLineBreaks(s);
    EXPECT_EQ(s, "a\r\nb");
    s = "^";
    TildeToLineBreaks(s);
    EXPECT_EQ(s, "");

    const QString cell = QString("one\r\ntwo") + QChar(0);
    const QString masked = MaskLineBreaks(cell);
    EXPECT_EQ(masked, QString("one") + QChar(9) + QChar(8) + "two" + QChar(1));
    EXPECT_EQ(UnmaskLineBreaks(masked, true), cell);
    EXPECT_EQ(UnmaskLineBreaks(masked, false), "one");
    EXPECT_EQ(MaskLineBreaks(QString("x") + QChar(0)), QString("x") + QChar(0));   // no CR: unchanged
}

TEST(LineBreaks, TakeFirstLine)
{
    QString s = "a\r\nb\r\nc", line;
    TakeFirstLine(s, true, line);
    EXPECT_EQ(line, "a");
    EXPECT_EQ(s, "b\r\nc");
    TakeFirstLine(s, false, line);
    EXPECT_EQ(line, "b");
    EXPECT_EQ(s, "");
    s = "last";
    TakeFirstLine(s, true, line);
    EXPECT_EQ(line, "last");
    EXPECT_EQ(s, "");
}

TEST(OemCodePage, RoundTrip)
{
    QString s = QString::fromUtf8("caf\xC3\xA9 \xC3\x84");   // é is 0x82 and Ä 0x8E in code page 437
    const QString original = s;
    StringToOem(s);
    EXPECT_EQ(s, QString("caf") + QChar(0x201A) + " " + QChar(0x017D));   // bytes 0x82, 0x8E read as 1252
    OemToString(s);
    EXPECT_EQ(s, original);
}

TEST(Urls, SchemesAndAnchors)
{
    EXPECT_TRUE(HasUrlScheme("see http://x"));
    EXPECT_TRUE(HasUrlScheme("mailto:a@b"));
    EXPECT_FALSE(HasUrlScheme("MAILTO:a@b"));
    QString s = "go http://a.b/c";
    StripUrlScheme(s);
    EXPECT_EQ(s, "a.b/c");
    s = "mailto:a@b";
    StripUrlScheme(s);
    EXPECT_EQ(s, "a@b");

    QString dest = "untouched";
    EXPECT_FALSE(UrlToAnchor("no link", "http://", dest));
    EXPECT_EQ(dest, "untouched");
    EXPECT_TRUE(UrlToAnchor("<see> HTTP://a.b/c?q=1 and http://x", "http://", dest));
    EXPECT_EQ(dest, "&lt;see&gt; <a href=\"HTTP://a.b/c\">HTTP://a.b/c</a>?q=1 and http://x");
}

TEST(WrapClipboardHtml, HeaderOffsetsMatchThePage)
{
    for (const QString& fragment : {QString(), QString("<b>x</b>")}) {
        QString s = fragment;
        WrapClipboardHtml(s);
        const auto field = [&](const char* name) {
            const qsizetype p = s.indexOf(QLatin1String(name)) + qsizetype(strlen(name));
            return s.mid(p, 8).toInt();
        };
        EXPECT_EQ(field("StartHTML:"), 97);
        EXPECT_EQ(field("StartFragment:"), 274);
        EXPECT_EQ(field("EndFragment:"), 274 + fragment.size());
        EXPECT_EQ(field("EndHTML:"), 306 + fragment.size());
        EXPECT_EQ(s.size(), 306 + fragment.size());
        EXPECT_EQ(s.indexOf("<!DOCTYPE"), 97);
        EXPECT_EQ(s.mid(274, fragment.size()), fragment);
        EXPECT_TRUE(s.startsWith("Version:1.0\r\nStartHTML:00000097\r\n"));
    }
}

TEST(Colours, HtmlHex)
{
    EXPECT_EQ(ColorToHtmlHex(RGB(0x12, 0xAB, 0xF0)), "12ABF0");
}
