#include "grid/edit/editors/LocaleDateTime.h"
#include "grid/model/GridText.h"
#include "grid/model/GridFilter.h"
#include <QDateTime>
#include <QLocale>

QString FormatShortDate(TDateTime Value)
{
    return QLocale().toString(DateOf(Value), ShortDateFormat());
}

QString FormatTimeOfDay(TDateTime Value, bool WithSeconds)
{
    const QTime t = FromDateTime(Value).time();
    if (WithSeconds)
        return QLocale().toString(t, LongTimeFormat());
    return QLocale().toString(t, QStringLiteral("H") + TimeSeparatorChar() + QStringLiteral("mm"));
}

bool ParseShortDate(const QString& Text, TDateTime& Value)
{
    const QString s = Text.trimmed();
    QDate d = QLocale().toDate(s, ShortDateFormat());
    if (!d.isValid())
        d = QLocale().toDate(s, QLocale::ShortFormat);
    if (!d.isValid())
        return false;
    Value = ToDateTime(QDateTime(d, QTime(0, 0), Qt::UTC));
    return true;
}

bool ParseTimeOfDay(const QString& Text, TDateTime& Value)
{
    const QString s = Text.trimmed();
    const QString sep = TimeSeparatorChar();
    const QString formats[] = {LongTimeFormat(), QLocale().timeFormat(QLocale::ShortFormat),
                               QStringLiteral("H") + sep + QStringLiteral("m") + sep + QStringLiteral("s"),
                               QStringLiteral("H") + sep + QStringLiteral("m"), QStringLiteral("H")};
    for (const QString& f : formats) {
        const QTime t = QLocale().toTime(s, f);
        if (t.isValid()) {
            Value = t.msecsSinceStartOfDay() / 86400000.0;
            return true;
        }
    }
    return false;
}

TDateTime Now()
{
    const QDateTime now = QDateTime::currentDateTime();
    return ToDateTime(QDateTime(now.date(), now.time(), Qt::UTC));
}
