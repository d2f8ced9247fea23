#include "grid/io/CsvText.h"
#include "grid/model/GridText.h"

namespace {

constexpr QChar Quote = QLatin1Char('"');
const QString CRLF = QStringLiteral("\r\n");

const QChar Candidates[] = {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('#'), QLatin1Char('\t'), QLatin1Char('|'),
                            QLatin1Char('@'), QLatin1Char('*'), QLatin1Char('-'), QLatin1Char('+'),
                            QLatin1Char('&')};

// Occurrences of Ch that are not part of a doubled pair.
int SingleCount(QChar Ch, const QString& S)
{
    int n = 0;
    for (qsizetype i = 0; i < S.size(); ++i) {
        if (S.at(i) != Ch)
            continue;
        if (i + 1 < S.size() && S.at(i + 1) == Ch)
            ++i;
        else
            ++n;
    }
    return n;
}

// Leading blanks go while at least two characters remain, so a field of one blank is kept.
qsizetype SkipBlanks(const QString& S, qsizetype At, qsizetype End)
{
    while (End - At >= 2 && S.at(At) == QLatin1Char(' '))
        ++At;
    return At;
}

// The closing quote of a field whose text starts at From: the end of the first run of quotes of odd length,
// or a quote that is the last character; -1 when there is none.
qsizetype ClosingQuote(const QString& S, qsizetype From)
{
    for (qsizetype i = From; i < S.size(); ++i) {
        if (S.at(i) != Quote)
            continue;
        qsizetype run = i;
        while (run < S.size() && S.at(run) == Quote)
            ++run;
        if ((run - i) % 2 == 1 || run == S.size())
            return run - 1;
        i = run - 1;
    }
    return -1;
}

void DecodeLineBreaks(QString& Field, bool Java)
{
    if (Java)
        TildeToLineBreaks(Field);
    else
        ExpandVTLineBreaks(Field);
}

} // namespace

QString CsvField(const QString& Text, const TCsvDialect& Dialect)
{
    const QChar delimiter = Dialect.Delimiter.isNull() ? QLatin1Char(',') : Dialect.Delimiter;
    // Every kind of line break becomes CR LF first: a lone LF or CR would otherwise end the line in the file.
    QString s = Text;
    s.replace(CRLF, QStringLiteral("\r")).replace(QLatin1Char('\n'), QLatin1Char('\r'));
    s.replace(QLatin1Char('\r'), CRLF);
    s = DoubleQuoteChars(s);
    bool quoted = false;
    if (Dialect.AlwaysQuotes || (!s.contains(delimiter) && s.contains(Quote))) {
        s = Quote + s + Quote;
        quoted = true;
    }
    if (s.isEmpty()) {
        if (Dialect.JavaCSV)
            s = QStringLiteral("^");
        else if (Dialect.QuoteEmptyCells)
            s = QStringLiteral("\"\"");
    }
    if (s.contains(delimiter) || s.contains(QLatin1Char('\r'))) {
        // A quoted field keeps its CR LF: the reader takes line breaks inside quotes as part of the field.
        // The Java variant writes breaks as "~", and still quotes a delimiter, which would split the field.
        if (Dialect.JavaCSV) {
            LineBreaksToTilde(s);
            if (!quoted && s.contains(delimiter))
                s = Quote + s + Quote;
        } else if (!quoted) {
            QuoteMultilineText(s);
        }
    }
    return s;
}

QChar GuessCsvDelimiter(const QString& Line1, const QString& Line2)
{
    QChar found;
    for (const auto count : {SingleCount, +[](QChar c, const QString& s) { return int(s.count(c)); }}) {
        int best = 0;
        for (const QChar c : Candidates) {
            const int n = count(c, Line1);
            if (n > best && n == count(c, Line2)) {
                found = c;
                best = n;
            }
        }
        if (!found.isNull())
            return found;
    }
    int best = 0;
    for (const QChar c : Candidates) {
        const int n = std::max(int(Line1.count(c)), int(Line2.count(c)));
        if (n > best) {
            found = c;
            best = n;
        }
    }
    return found;
}

bool CsvLineOpen(const QString& Line, QChar Delimiter)
{
    qsizetype at = 0;
    while (at < Line.size()) {
        at = SkipBlanks(Line, at, Line.size());
        if (Line.at(at) == Quote) {
            const qsizetype close = ClosingQuote(Line, at + 1);
            if (close < 0)
                return true;
            at = close + 1;
        }
        const qsizetype next = Delimiter.isNull() ? -1 : Line.indexOf(Delimiter, at);
        if (next < 0)
            return false;
        at = next + 1;
    }
    return false;
}

QStringList SplitCsvRecords(const QString& Text, QChar Delimiter)
{
    QStringList records;
    const qsizetype n = Text.size();
    // The end of the line break at At (CR LF, LF or a lone CR).
    auto breakEnd = [&](qsizetype At) {
        return Text.at(At) == QLatin1Char('\r') && At + 1 < n && Text.at(At + 1) == QLatin1Char('\n') ? At + 2 : At + 1;
    };
    auto nextBreak = [&](qsizetype From) {
        for (qsizetype i = From; i < n; ++i)
            if (Text.at(i) == QLatin1Char('\r') || Text.at(i) == QLatin1Char('\n'))
                return i;
        return n;
    };
    for (qsizetype start = 0; start < n;) {
        qsizetype end = nextBreak(start);
        // A line break inside a quoted field is part of the field, as it stands in the file.
        while (end < n && breakEnd(end) < n && CsvLineOpen(Text.mid(start, end - start), Delimiter))
            end = nextBreak(breakEnd(end));
        records << Text.mid(start, end - start);
        start = end < n ? breakEnd(end) : n;
    }
    return records;
}

QStringList SplitCsvLine(const QString& Line, const TCsvDialect& Dialect)
{
    const QChar d = Dialect.Delimiter;
    QStringList fields;
    qsizetype at = 0;
    const qsizetype end = Line.size();
    bool more = true;   // a delimiter was passed, so one more field follows (an empty one at the line's end)
    while (more && !d.isNull() && Line.indexOf(d, at) >= 0) {
        at = SkipBlanks(Line, at, end);
        QString field;
        qsizetype next;
        if (Line.at(at) == Quote) {
            const qsizetype close = ClosingQuote(Line, at + 1);
            if (close >= 0)
                field = Line.mid(at + 1, close - at - 1).replace(QStringLiteral("\"\""), QStringLiteral("\""));
            // Whatever follows the closing quote up to the delimiter is no part of the field.
            next = Line.indexOf(d, close >= 0 ? close + 1 : at + 1);
        } else {
            next = Line.indexOf(d, at);
            field = Line.mid(at, next - at);
        }
        more = next >= 0;
        at = more ? next + 1 : end;
        DecodeLineBreaks(field, Dialect.JavaCSV);
        fields << field;
    }
    if (!more)
        return fields;
    QString last = at < end ? Line.mid(SkipBlanks(Line, at, end)) : QString();
    if (last.startsWith(Quote)) {
        last.remove(0, 1);
        if (last.endsWith(Quote))
            last.chop(1);
        last.replace(QStringLiteral("\"\""), QStringLiteral("\""));
    }
    DecodeLineBreaks(last, Dialect.JavaCSV);
    fields << last;
    return fields;
}
