#pragma once
// The grid's CSV dialect on texts: building a field, guessing the delimiter, splitting a line.
#include <QChar>
#include <QString>
#include <QStringList>

struct TCsvDialect {
    QChar Delimiter = QLatin1Char(',');   // null when no delimiter was found: one field per line
    bool AlwaysQuotes = false;
    bool QuoteEmptyCells = true;
    bool JavaCSV = false;                  // line breaks as "~", empty fields as "^"
};

// One written field; its line breaks stay inside it (a vertical tab, "~", or CR LF inside quotes).
QString CsvField(const QString& Text, const TCsvDialect& Dialect);
// The first candidate whose count agrees in both lines, else the most frequent; null when none occurs.
QChar GuessCsvDelimiter(const QString& Line1, const QString& Line2);
// True when the line ends inside a quoted field, so that the next line continues it.
bool CsvLineOpen(const QString& Line, QChar Delimiter);
// Every field of a logical line, line breaks decoded; a line ending in the delimiter ends in an empty field.
QStringList SplitCsvLine(const QString& Line, const TCsvDialect& Dialect);
// The text's records: lines, except that a line ending inside quotes goes on, line break and all, with the next.
QStringList SplitCsvRecords(const QString& Text, QChar Delimiter);
