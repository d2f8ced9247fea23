#include "platform/LocaleFormats.h"
#include <QLocale>
#include <QRegularExpression>

QString ShortDateFormat()
{
    QString f = QLocale().dateFormat(QLocale::ShortFormat);
    if (!f.contains(QLatin1String("yyyy")))
        f.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return f;
}

QString LongTimeFormat()
{
    QString f = QLocale().timeFormat(QLocale::LongFormat);
    f.remove(QRegularExpression(QStringLiteral("\\s*t+\\s*$")));
    return f.trimmed();
}
