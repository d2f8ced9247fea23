#include "descfiles/DescText.h"
#include "platform/SaveFile.h"
#include <array>

namespace {

// Windows-1252 bytes 0x80 to 0x9F; 0 where the code page has no character (the C1 control
// of that number stands there).
constexpr std::array<char16_t, 32> High_Page = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

char Ansi_Char(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < High_Page.size(); ++i)
        if (High_Page[i] == c || (High_Page[i] == 0 && c == 0x80 + i))
            return static_cast<char>(0x80 + i);
    return '?';
}

QDateTime Fixed_Clock;   // invalid: the real clock

} // namespace

QByteArray Ansi_Text(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // A character outside the 16-bit range is one character, not two.
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        bytes.append(Ansi_Char(c.unicode()));
    }
    return bytes;
}

QByteArray Ansi_Lines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += Ansi_Text(line) + "\r\n";
    return bytes;
}

bool Save_Ansi_Lines(const QString& path, const QStringList& lines, QString* error)
{
    return SaveWholeFileTold(path, Ansi_Lines(lines), error);
}

QByteArray Utf8_Lines(const QStringList& lines)
{
    QByteArray bytes("\xEF\xBB\xBF");
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

bool Save_Utf8_Lines(const QString& path, const QStringList& lines, QString* error)
{
    return SaveWholeFileTold(path, Utf8_Lines(lines), error);
}

QString Hex_Text(std::uint32_t value, int digits)
{
    return QString::number(value, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
}

QDateTime Desc_Now()
{
    return Fixed_Clock.isValid() ? Fixed_Clock : QDateTime::currentDateTime();
}

void Set_Desc_Clock(const QDateTime& when)
{
    Fixed_Clock = when;
}
