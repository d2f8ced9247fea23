#include "platform/DecimalSeparator.h"
#include <QLocale>

QChar SystemDecimalSeparator()
{
    return DecimalSeparatorOf(QLocale::system());
}

QChar DecimalSeparatorOf(const QLocale& locale)
{
    return locale.decimalPoint() == QLatin1String(".") ? QLatin1Char('.') : QLatin1Char(',');
}
