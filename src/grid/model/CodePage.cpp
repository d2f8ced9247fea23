#include "grid/model/CodePage.h"
#include <QStringDecoder>

namespace {

// High halves of the pages; 0 marks a byte the page leaves unused (it then reads as the C1 control of
// its number, so that no byte is lost on reading).
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0, 0x201A, 0x192, 0x201E, 0x2026, 0x2020, 0x2021, 0x2C6, 0x2030, 0x160, 0x2039, 0x152, 0, 0x17D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x2DC, 0x2122, 0x161, 0x203A, 0x153, 0, 0x17E, 0x178,
};
constexpr char16_t kCp437High[128] = {
    0xC7, 0xFC, 0xE9, 0xE2, 0xE4, 0xE0, 0xE5, 0xE7, 0xEA, 0xEB, 0xE8, 0xEF, 0xEE, 0xEC, 0xC4, 0xC5,
    0xC9, 0xE6, 0xC6, 0xF4, 0xF6, 0xF2, 0xFB, 0xF9, 0xFF, 0xD6, 0xDC, 0xA2, 0xA3, 0xA5, 0x20A7, 0x192,
    0xE1, 0xED, 0xF3, 0xFA, 0xF1, 0xD1, 0xAA, 0xBA, 0xBF, 0x2310, 0xAC, 0xBD, 0xBC, 0xA1, 0xAB, 0xBB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x3B1, 0xDF, 0x393, 0x3C0, 0x3A3, 0x3C3, 0xB5, 0x3C4, 0x3A6, 0x398, 0x3A9, 0x3B4, 0x221E, 0x3C6, 0x3B5, 0x2229,
    0x2261, 0xB1, 0x2265, 0x2264, 0x2320, 0x2321, 0xF7, 0x2248, 0xB0, 0x2219, 0xB7, 0x221A, 0x207F, 0xB2, 0x25A0, 0xA0,
};

// One character of Text from index i on (a surrogate pair counts once); i moves past it.
char32_t NextChar(const QString& Text, qsizetype& i)
{
    const QChar c = Text.at(i++);
    if (c.isHighSurrogate() && i < Text.size() && Text.at(i).isLowSurrogate())
        return QChar::surrogateToUcs4(c, Text.at(i++));
    return c.unicode();
}

} // namespace

char16_t CodePageChar(unsigned char Byte, TCodePage Page)
{
    if (Byte < 0x80)
        return Byte;
    switch (Page) {
    case TCodePage::cpAnsi1252:
        return Byte < 0xA0 && kCp1252High[Byte - 0x80] ? kCp1252High[Byte - 0x80] : char16_t(Byte);
    case TCodePage::cpOem437:
        return kCp437High[Byte - 0x80];
    case TCodePage::cpLatin1:
        break;
    case TCodePage::cpAscii:
        return u'?';
    }
    return Byte;
}

int CodePageByte(char16_t Ch, TCodePage Page)
{
    if (Ch < 0x80)
        return Ch;
    if (Page == TCodePage::cpLatin1)
        return Ch <= 0xFF ? Ch : -1;
    if (Page == TCodePage::cpAscii)
        return -1;
    if (Page == TCodePage::cpAnsi1252 && Ch >= 0xA0 && Ch <= 0xFF)
        return Ch;
    for (int b = 0x80; b < 0x100; ++b)
        if (CodePageChar(static_cast<unsigned char>(b), Page) == Ch)
            return b;
    return -1;
}

namespace {

// What the page lacks becomes "?", or a decimal character reference.
QByteArray Encode(const QString& Text, TCodePage Page, bool References)
{
    QByteArray bytes;
    bytes.reserve(Text.size());
    for (qsizetype i = 0; i < Text.size();) {
        const char32_t ch = NextChar(Text, i);
        const int b = ch > 0xFFFF ? -1 : CodePageByte(char16_t(ch), Page);
        if (b >= 0)
            bytes.append(char(b));
        else if (References)
            bytes += "&#" + QByteArray::number(quint32(ch)) + ';';
        else
            bytes.append('?');
    }
    return bytes;
}

} // namespace

QByteArray EncodeCodePage(const QString& Text, TCodePage Page)
{
    return Encode(Text, Page, false);
}

QByteArray EncodeCodePageWithReferences(const QString& Text, TCodePage Page)
{
    return Encode(Text, Page, true);
}

QString DecodeCodePage(const QByteArray& Bytes, TCodePage Page)
{
    QString text(Bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char b : Bytes)
        *out++ = QChar(CodePageChar(static_cast<unsigned char>(b), Page));
    return text;
}

bool CodePageOfName(const QString& Name, TCodePage& Page)
{
    const QString n = Name.trimmed().toLower();
    if (n == QLatin1String("iso-8859-1") || n == QLatin1String("latin1") || n == QLatin1String("iso_8859-1")) {
        Page = TCodePage::cpLatin1;
        return true;
    }
    if (n == QLatin1String("windows-1252") || n == QLatin1String("cp1252")) {
        Page = TCodePage::cpAnsi1252;
        return true;
    }
    if (n == QLatin1String("us-ascii") || n == QLatin1String("ascii")) {
        Page = TCodePage::cpAscii;
        return true;
    }
    if (n == QLatin1String("ibm437") || n == QLatin1String("cp437")) {
        Page = TCodePage::cpOem437;
        return true;
    }
    return false;
}

QString DecodeTextFile(const QByteArray& Bytes, TCodePage Page)
{
    if (Bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(Bytes.constData() + 3, Bytes.size() - 3);
    if (Bytes.startsWith("\xFF\xFE"))
        return QString::fromUtf16(reinterpret_cast<const char16_t*>(Bytes.constData() + 2), (Bytes.size() - 2) / 2);
    // Without a mark, text that is valid UTF-8 (as today's spreadsheets write it) is read as such; 8-bit text
    // with accented letters is hardly ever valid UTF-8.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(Bytes);
    if (!utf8.hasError())
        return text;
    return DecodeCodePage(Bytes, Page);
}

QByteArray Utf16LeWithBom(const QString& Text)
{
    QByteArray bytes("\xFF\xFE", 2);
    bytes.reserve(2 + Text.size() * 2);
    for (const QChar c : Text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

QByteArray Utf8WithBom(const QString& Text)
{
    return QByteArray("\xEF\xBB\xBF") + Text.toUtf8();
}
