#pragma once
// The result of an SQL query over a database file: an SQLite file, opened read-only through Qt SQL.
#include <QList>
#include <QString>
#include <QStringList>

class QLocale;

struct TQueryResult {
    QStringList FieldNames;
    QList<QStringList> Records;   // values as texts, numbers in the user's locale, NULL as the empty text
};

// Raises std::runtime_error with the driver's message when the file does not open or the query fails
// (a file that is no SQLite database among them).
TQueryResult RunDatabaseQuery(const QString& FileName, const QString& SQL, const QLocale& Locale);
