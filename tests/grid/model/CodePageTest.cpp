#include "grid/model/CodePage.h"
#include <gtest/gtest.h>

TEST(CodePage, EncodeAndDecodeEachPage)
{
    struct Case {
        TCodePage page;
        QString text;
        QByteArray bytes;   // what the page writes; "?" where it lacks the character
        QString back;       // what those bytes read as
    };
    const Case cases[] = {
        {TCodePage::cpAnsi1252, QString::fromUtf8("aä€Ω"), "a\xe4\x80?", QString::fromUtf8("aä€?")},
        {TCodePage::cpOem437, QString::fromUtf8("aäÄ€"), "a\x84\x8e?", QString::fromUtf8("aäÄ?")},
        {TCodePage::cpLatin1, QString::fromUtf8("aäÿ€"), "a\xe4\xff?", QString::fromUtf8("aäÿ?")},
        {TCodePage::cpAscii, QString::fromUtf8("aä"), "a?", "a?"},
        // A character outside the 16-bit range is one character, written once.
        {TCodePage::cpAnsi1252, QString::fromUtf8("x😀y"), "x?y", "x?y"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(EncodeCodePage(c.text, c.page), c.bytes);
        EXPECT_EQ(DecodeCodePage(c.bytes, c.page), c.back);
    }
    // Bytes 1252 leaves unused read as the control of their number, and are written back the same.
    EXPECT_EQ(EncodeCodePage(DecodeCodePage("\x81\x8d", TCodePage::cpAnsi1252), TCodePage::cpAnsi1252), "\x81\x8d");
}

TEST(CodePage, ReferencesForWhatThePageLacks)
{
    EXPECT_EQ(EncodeCodePageWithReferences(QString::fromUtf8("ü € 😀 <"), TCodePage::cpLatin1),
              QByteArray("\xfc &#8364; &#128512; <"));
    EXPECT_EQ(EncodeCodePageWithReferences(QString::fromUtf8("ü"), TCodePage::cpAscii), QByteArray("&#252;"));
    TCodePage page = TCodePage::cpAscii;
    EXPECT_TRUE(CodePageOfName(" ISO-8859-1 ", page));
    EXPECT_EQ(page, TCodePage::cpLatin1);
    EXPECT_FALSE(CodePageOfName("UTF-8", page));
}

TEST(CodePage, TextFilesByTheirMark)
{
    EXPECT_EQ(DecodeTextFile("\xef\xbb\xbf\xc3\xa4"), QString::fromUtf8("ä"));
    EXPECT_EQ(DecodeTextFile(QByteArray("\xff\xfe\xe4\x00", 4)), QString::fromUtf8("ä"));
    EXPECT_EQ(DecodeTextFile("\xc3\xa4"), QString::fromUtf8("ä"));   // valid UTF-8 without a mark
    EXPECT_EQ(DecodeTextFile("\xe4"), QString::fromUtf8("ä"));       // else the system code page
    EXPECT_EQ(Utf16LeWithBom(QString::fromUtf8("ä")), QByteArray("\xff\xfe\xe4\x00", 4));
    EXPECT_EQ(Utf8WithBom("a"), QByteArray("\xef\xbb\xbf" "a"));
}
