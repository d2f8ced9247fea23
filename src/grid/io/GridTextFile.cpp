#include "grid/io/GridTextFile.h"
#include "grid/io/GridFile.h"
#include "grid/model/CodePage.h"

QByteArray GridTextBytes(const QString& Text, TGridTextEncoding Encoding)
{
    switch (Encoding) {
    case TGridTextEncoding::teUtf8Bom:
        return Utf8WithBom(Text);
    case TGridTextEncoding::teUtf16Bom:
        return Utf16LeWithBom(Text);
    case TGridTextEncoding::teAnsi:
        break;
    }
    return EncodeCodePage(Text, TCodePage::cpAnsi1252);
}

QString JoinGridLines(const QStringList& Lines)
{
    QString text;
    qsizetype size = 0;
    for (const QString& line : Lines)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString& line : Lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return text;
}

void SaveGridLines(const QString& FileName, const QStringList& Lines, TGridTextEncoding Encoding)
{
    WriteGridFile(FileName, GridTextBytes(JoinGridLines(Lines), Encoding));
}

QString ReadGridTextFile(const QString& FileName)
{
    return DecodeTextFile(ReadGridFile(FileName));
}

QStringList SplitGridLines(const QString& Text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = Text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = Text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines << Text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < n && Text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines << Text.mid(start);
    return lines;
}
