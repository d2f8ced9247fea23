#include "grid/io/GridDatabase.h"
#include "grid/io/NumberText.h"
#include <QAtomicInt>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <stdexcept>

namespace {

QString ValueText(const QVariant& Value, const QLocale& Locale)
{
    if (Value.isNull())
        return QString();
    if (Value.typeId() == QMetaType::Double || Value.typeId() == QMetaType::Float)
        return NumberText(Value.toDouble(), Locale);
    if (Value.typeId() == QMetaType::QByteArray)
        return QString::fromUtf8(Value.toByteArray());
    return Value.toString();
}

[[noreturn]] void Fail(const QSqlError& Error)
{
    throw std::runtime_error(Error.text().toStdString());
}

TQueryResult Run(QSqlDatabase& Db, const QString& FileName, const QString& SQL, const QLocale& Locale)
{
    Db.setDatabaseName(FileName);
    // Read-only: a query cannot change the file, and a missing file is not created.
    Db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!Db.open())
        Fail(Db.lastError());
    QSqlQuery query(Db);
    query.setForwardOnly(true);
    if (!query.exec(SQL))
        Fail(query.lastError());
    TQueryResult result;
    const QSqlRecord fields = query.record();
    for (int i = 0; i < fields.count(); ++i)
        result.FieldNames << fields.fieldName(i);
    while (query.next()) {
        QStringList record;
        for (int i = 0; i < fields.count(); ++i)
            record << ValueText(query.value(i), Locale);
        result.Records << record;
    }
    if (query.lastError().isValid())
        Fail(query.lastError());
    return result;
}

} // namespace

TQueryResult RunDatabaseQuery(const QString& FileName, const QString& SQL, const QLocale& Locale)
{
    static QAtomicInt serial;
    const QString connection = QStringLiteral("vx_grid_query_%1").arg(serial.fetchAndAddRelaxed(1));
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        throw std::runtime_error("Driver not loaded: QSQLITE");
    struct TRemove {
        QString Name;
        ~TRemove() { QSqlDatabase::removeDatabase(Name); }
    } remove{connection};
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    TQueryResult result = Run(db, FileName, SQL, Locale);
    db.close();
    return result;
}
