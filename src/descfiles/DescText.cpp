#include "descfiles/DescText.h"
#include "grid/model/CodePage.h"
#include "platform/SaveFile.h"

namespace {

QDateTime Fixed_Clock;   // invalid: the real clock

} // namespace

QByteArray Ansi_Text(const QString& text)
{
    return EncodeCodePage(text, TCodePage::cpAnsi1252);
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
