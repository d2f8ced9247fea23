#include "grid/foundation/MiniHtml.h"
#include <gtest/gtest.h>

namespace {

struct ColorNameCase { const char* name; TColor value; };
const ColorNameCase kColorNames[] = {
    {"clred", 0x0000FF}, {"clnavy", 0x800000}, {"clmaroon", 0x000080}, {"clteal", 0x808000},
    {"cl3ddkshadow", 0xFF000015}, {"clgraytext", 0xFF000011}, {"clinfobk", 0xFF000018},
    {"clbackground", 0xFF000001}, {"clhighlighttext", 0xFF00000E},
    {"clNavy", 0},   // exact comparison: callers lower-case first
    {"navy", 0}, {"", 0},
};

TEST(MiniHtmlColors, NameTable)
{
    for (const auto& c : kColorNames) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ColorFromHtmlName(QString::fromLatin1(c.name)), c.value);
    }
}

TEST(MiniHtmlColors, HexReadsOnlyDigitsAndCapitals)
{
    EXPECT_EQ(ColorFromHtmlHex("#FF0000"), 0x0000FFu);
    EXPECT_EQ(ColorFromHtmlHex("#00FF80"), 0x80FF00u);
    EXPECT_EQ(ColorFromHtmlHex("#12"), 0x12u);       // missing pairs read 0
    // 'f' reads as 102 - 55 = 47, so the red pair is 16 * 47 + 47 = 799 and spills into green.
    EXPECT_EQ(ColorFromHtmlHex("#ff0000"), 799u);
}

TEST(MiniHtmlEntities, EncodeDecode)
{
    EXPECT_EQ(EncodeHtmlEntities("a<b&c>\"d", false), "a&lt;b&amp;c&gt;&quot;d");
    EXPECT_EQ(EncodeHtmlEntities("*amp;", false), "&amp;");
    EXPECT_EQ(DecodeHtmlEntities("&amp;lt;", false), "&lt;");   // the encoded form of "&lt;" comes back as "&lt;"
    EXPECT_EQ(DecodeHtmlEntities("&lt;&gt;&quot;", false), "<>\"");
    EXPECT_EQ(EncodeHtmlEntities("é€«", true), "&eacute;&euro;&laquo;");
    EXPECT_EQ(EncodeHtmlEntities("é", false), "é");
    EXPECT_EQ(DecodeHtmlEntities("&Eacute;&eacute;&Aring;&raquo;", true), QString("ÉéÅ»"));;
    EXPECT_EQ(DecodeHtmlEntities("&EACUTE;", true), "&EACUTE;");   // entity names keep their letter case
    for (const char* text : {"àÀøØçÇ©®€«»\"<&>", "plain"}) {
        SCOPED_TRACE(text);
        const QString s = QString::fromUtf8(text);
        EXPECT_EQ(DecodeHtmlEntities(EncodeHtmlEntities(s, true), true), s);
    }
    EXPECT_EQ(SpacesToNbsp("a b  c"), "a&nbsp;b&nbsp;&nbsp;c");
}

struct PrepareCase { const char* in; const char* out; };
const PrepareCase kPrepare[] = {
    {"a&AMP;b", "a&&b"},                 // fixed entities ignore case; the doubled ampersand draws as one
    {"&quot;x&Quot;", "\"x\""},          // one occurrence per entity per pass, passes repeat
    {"a&euro;&trade;", "a\u20AC\u2122"},
    {"&amp;quot;&amp;amp;", "&\"&&&"},     // the "&" a replacement writes can start the next entity
    {"&reg;&amp;reg;&reg;", "\u00AE&\u00AE\u00AE"},
    {"&nbsp;&lt;", "&nbsp;&lt;"},        // left for the runs
    {"a<#3>b", "a#3b"},
    {"x<#name", "x#name"},
    {"one\r\ntwo", "one<BR>two"},
    {"one\ntwo", "onetwo"},
};

TEST(MiniHtmlPrepare, Cases)
{
    for (const auto& c : kPrepare) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(PrepareMiniHtml(QString::fromUtf8(c.in)), QString::fromUtf8(c.out));
    }
    EXPECT_EQ(DecodeHtmlRunEntities("a&nbsp;&lt;b&gt;&NBSP;"), "a <b>&NBSP;");
}

struct NumberCase { const char* in; int value; bool valid; };
const NumberCase kNumbers[] = {
    {"12", 12, true}, {"  -7", -7, true}, {"+3", 3, true}, {"$1F", 31, true}, {"0x10", 16, true},
    {"12px", 12, false}, {"-12px", 12, false}, {"", 0, false}, {"abc", 0, false}, {"3 ", 3, false},
    {"99999999999", 999999999, false},
};

TEST(MiniHtmlNumbers, Cases)
{
    for (const auto& c : kNumbers) {
        SCOPED_TRACE(c.in);
        bool valid = !c.valid;
        EXPECT_EQ(HtmlNumber(c.in, &valid), c.value);
        EXPECT_EQ(valid, c.valid);
    }
}

struct TagCase { const char* text; THtmlTag tag; bool closing; };
const TagCase kTags[] = {
    {"<A HREF=\"x\">", THtmlTag::htA, false}, {"<b>", THtmlTag::htB, false}, {"<br>", THtmlTag::htBR, false},
    {"<BLINK>", THtmlTag::htBlink, false}, {"<BODY>", THtmlTag::htBody, false},
    {"<BX>", THtmlTag::htUnknown, false},
    {"<CENTER>", THtmlTag::htControl, false},    // any tag starting with C is a control
    {"<E>", THtmlTag::htE, false}, {"<FONT>", THtmlTag::htFont, false}, {"<hi>", THtmlTag::htHI, false},
    {"<HR>", THtmlTag::htHR, false}, {"<HX>", THtmlTag::htUnknown, false},
    {"<I>", THtmlTag::htI, false}, {"<IND x=\"4\">", THtmlTag::htInd, false},
    {"<IMG SRC=\"a\">", THtmlTag::htImg, false}, {"<LI>", THtmlTag::htLI, false},
    {"<PRE>", THtmlTag::htP, false}, {"<R a=\"9\">", THtmlTag::htR, false}, {"<S>", THtmlTag::htS, false},
    {"<SHAD>", THtmlTag::htShad, false}, {"<sub>", THtmlTag::htSub, false}, {"<SUP>", THtmlTag::htSup, false},
    {"<SUBX>", THtmlTag::htUnknown, false}, {"<U>", THtmlTag::htU, false}, {"<UL>", THtmlTag::htUL, false},
    {"<Z>", THtmlTag::htZ, false}, {"<Q>", THtmlTag::htUnknown, false},
    {"</A>", THtmlTag::htA, true}, {"</B>", THtmlTag::htB, true}, {"</BODY>", THtmlTag::htBlink, true},
    {"</E>", THtmlTag::htE, true}, {"</FONT>", THtmlTag::htFont, true}, {"</HI>", THtmlTag::htHI, true},
    {"</IMG>", THtmlTag::htI, true},              // any closing I switches italic off
    {"</LI>", THtmlTag::htLI, true}, {"</P>", THtmlTag::htP, true}, {"</R>", THtmlTag::htR, true},
    {"</SUP>", THtmlTag::htSub, true}, {"</SHAD>", THtmlTag::htShad, true}, {"</S>", THtmlTag::htS, true},
    {"</U>", THtmlTag::htU, true}, {"</UL>", THtmlTag::htUL, true}, {"</Z>", THtmlTag::htZ, true},
    {"</>", THtmlTag::htUnknown, false},          // too short to be closing
};

TEST(MiniHtmlTags, Classification)
{
    for (const auto& c : kTags) {
        SCOPED_TRACE(c.text);
        const THtmlTagKind k = ClassifyHtmlTag(c.text);
        EXPECT_EQ(k.Tag, c.tag);
        EXPECT_EQ(k.Closing, c.closing);
    }
}

TEST(MiniHtmlTags, FontAttributes)
{
    THtmlFontTag f = ReadHtmlFontTag("<FONT face=\"Arial\" color=\"#ff0000\" bgcolor=\"clNavy\" size=\"9\">");
    EXPECT_EQ(f.Face, "ARIAL");                    // values arrive in capitals
    EXPECT_EQ(f.Color, std::optional<TColor>(0x0000FF));
    EXPECT_EQ(f.BgColor, std::optional<TColor>(0x800000));
    EXPECT_EQ(f.Size, std::optional<int>(9));

    f = ReadHtmlFontTag("<FONT bgcolor=\"navy\" size=\"3\">");
    EXPECT_FALSE(f.Color.has_value());             // BGCOLOR is not taken for COLOR
    EXPECT_EQ(f.BgColor, std::optional<TColor>(clBlack));
    EXPECT_EQ(f.Size, std::optional<int>(12));

    EXPECT_EQ(ReadHtmlFontTag("<FONT color=\"#00FF00\" size=3>").Size, std::optional<int>(12));
    f = ReadHtmlFontTag("<FONT color=\"\">");
    EXPECT_FALSE(f.Color.has_value());
    EXPECT_FALSE(f.Size.has_value());
    EXPECT_EQ(ReadHtmlFontTag("<FONT size=5>").Size, std::optional<int>(16));
}

TEST(MiniHtmlTags, ParagraphBodyAndLetterAttributes)
{
    EXPECT_EQ(ReadHtmlParagraphTag("<P align=\"center right\">").Align, THtmlAlign::haCenter);
    EXPECT_EQ(ReadHtmlParagraphTag("<P align=\"left right\">").Align, THtmlAlign::haLeft);
    const THtmlParagraphTag p = ReadHtmlParagraphTag("<P indent=\"20\" bgcolor=\"#0000FF\">");
    EXPECT_FALSE(p.Align.has_value());
    EXPECT_EQ(p.Indent, std::optional<int>(20));
    EXPECT_EQ(p.BgColor, 0xFF0000u);
    EXPECT_EQ(ReadHtmlParagraphTag("<P>").BgColor, clNone);

    THtmlBodyTag b = ReadHtmlBodyTag("<BODY background=\"pic1\" bgcolor=\"#00FF00 clRed\">");
    EXPECT_EQ(b.Background, "pic1");
    EXPECT_EQ(b.BgColor, std::optional<TColor>(0x00FF00));   // the hex colour wins over the name
    EXPECT_EQ(ReadHtmlBodyTag("<BODY bgcolor=\"clYellow\">").BgColor, std::optional<TColor>(0x00FFFF));
    EXPECT_FALSE(ReadHtmlBodyTag("<BODY bgcolor=\"yellow\">").BgColor.has_value());

    EXPECT_EQ(HtmlLetterValue("<IND X=\"40\">", 'x'), "40");
    EXPECT_EQ(HtmlLetterValue("<R a=\"90\">", 'a'), "90");
    EXPECT_EQ(HtmlTagValue("<A href=\"Http://X\" title=\"Hi\">", "HREF", true), "Http://X");
    EXPECT_EQ(HtmlTagValue("<A href=x>", "HREF", true), "");  // unquoted reads empty
}

// ---- Controls ----

const QString kForm = "Name <CONTROL TYPE=\"edit\" ID=\"n1\" VALUE=\"Bob\" WIDTH=\"80\" HEIGHT=\"30\" MAXLEN=\"12\">"
                      " <control type=\"CHECK\" id=\"c1\" value=\"true\" width=\"16\">"
                      " <CONTROL TYPE=\"COMBO\" ID=\"n2\" VALUE=\"x\" WIDTH=\"60\" PROP=\"a&amp;b\">"
                      " <CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" WIDTH=\"16\">"
                      " <CONTROL TYPE=\"BUTTON\" ID=\"b1\" VALUE=\"Go\" WIDTH=\"40\"> end";

TEST(MiniHtmlControls, ParseAndLookups)
{
    QString type, id, value, width, height, prop, maxLen;
    ParseHtmlControlTag(" TYPE=\"password\" ID=\"Pw\" VALUE=\"&lt;&eacute;\" WIDTH=\"50\" PROP=\"p\">", type, id,
                        value, width, height, prop, maxLen);
    EXPECT_EQ(type, "PASSWORD");
    EXPECT_EQ(id, "Pw");
    EXPECT_EQ(value, "<é");
    EXPECT_EQ(width, "50");
    EXPECT_EQ(height, "");
    EXPECT_EQ(prop, "p");

    EXPECT_TRUE(HasHtmlControls("x<control"));
    EXPECT_FALSE(HasHtmlControls("x<contro"));
    EXPECT_TRUE(GetHtmlControlValue(kForm, "c1", value));
    EXPECT_EQ(value, "true");
    EXPECT_FALSE(GetHtmlControlValue(kForm, "C1", value));       // IDs compare exactly
    EXPECT_EQ(GetHtmlControlProp(kForm, "n2"), "a&b");
    EXPECT_EQ(GetHtmlControlMaxLen(kForm, "n1"), 12);
    EXPECT_EQ(GetHtmlControlMaxLen(kForm, "n2"), 0);
    EXPECT_EQ(GetHtmlControlMaxLen(kForm, "none"), 0);
    EXPECT_EQ(NextHtmlEditControl(kForm, ""), "n1");
    EXPECT_EQ(NextHtmlEditControl(kForm, "n1"), "n2");
    EXPECT_EQ(NextHtmlEditControl(kForm, "n2"), "");              // the last edit field
    EXPECT_EQ(NextHtmlEditControl(kForm, "missing"), "");
}

TEST(MiniHtmlControls, RewriteDropsHeightAndEncodesValue)
{
    QString s = kForm;
    EXPECT_FALSE(SetHtmlControlValue(s, "zz", "v"));
    EXPECT_EQ(s, kForm);
    ASSERT_TRUE(SetHtmlControlValue(s, "n1", "a<b"));
    EXPECT_TRUE(s.startsWith("Name <CONTROL ID=\"n1\" VALUE=\"a&lt;b\" WIDTH=\"80\" TYPE=\"EDIT\" MAXLEN=\"12\">"
                             " <control type=\"CHECK\""));
    QString value;
    EXPECT_TRUE(GetHtmlControlValue(s, "n1", value));
    EXPECT_EQ(value, "a<b");
    ASSERT_TRUE(SetHtmlControlValue(s, "n2", "é"));
    EXPECT_TRUE(s.contains("<CONTROL ID=\"n2\" VALUE=\"&eacute;\" WIDTH=\"60\" TYPE=\"COMBO\" PROP=\"a&amp;b\">"));
    EXPECT_TRUE(s.endsWith(" end"));

    const QString reset = ResetHtmlRadioControls(kForm);
    EXPECT_TRUE(GetHtmlControlValue(reset, "r1", value));
    EXPECT_EQ(value, "FALSE");
    EXPECT_TRUE(GetHtmlControlValue(reset, "c1", value));
    EXPECT_EQ(value, "true");                                       // check boxes are left alone
}

// ---- Plain text and marks ----

TEST(MiniHtmlText, PlainText)
{
    EXPECT_EQ(MiniHtmlToPlainText("<B>a</B><br>b"), "a\r\nb");
    EXPECT_EQ(MiniHtmlToPlainText("a<HR>b<i>c"), "a\r\nbc");
    EXPECT_EQ(MiniHtmlToPlainText("a<b"), "a<b");
    EXPECT_EQ(MiniHtmlToPlainText("x<b>y<z"), "xy<z");
    EXPECT_EQ(MiniHtmlToPlainText("&amp;"), "&amp;");               // entities are not decoded
}

struct MarkCase { const char* text; const char* find; bool caseSensitive; const char* marked; };
const MarkCase kMarks[] = {
    {"abab", "ab", true, "<hi>ab</hi>ab"},                   // a match right after the previous one is skipped
    {"ab ab", "ab", true, "<hi>ab</hi> <hi>ab</hi>"},
    {"abxab", "ab", true, "<hi>ab</hi>x<hi>ab</hi>"},
    {"x<b>word</b>y", "word", true, "x<hi><b>word</hi></b>y"},
    {"<b>word</b>", "word", true, "<hi><b>word</b></hi>"},   // after the last visible character: the end
    {"Hello", "hello", true, "Hello"},
    {"Hello", "hello", false, "<hi>Hello</hi>"},
    {"a < b", "b", true, "a &lt; <hi>b</hi>"},               // a stray "<" turns the text into escaped plain text
    {"a > b<i>c</i>", "a", true, "<hi>a</hi> &gt; b&lt;i&gt;c&lt;/i&gt;"},  // tags after a stray ">" stay text
    {"abc", "", true, "abc"},
};

TEST(MiniHtmlText, MarkAndUnmark)
{
    for (const auto& c : kMarks) {
        SCOPED_TRACE(c.text);
        QString marked;
        MarkMatchesInHtml(c.text, c.find, "hi", marked, c.caseSensitive);
        EXPECT_EQ(marked, c.marked);
    }
    EXPECT_EQ(UnmarkMatchesInHtml("a &lt; <HI>b</hi><e>c</e>", "hi"), "a < b<e>c</e>");
}

} // namespace
