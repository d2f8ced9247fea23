#include "platform/DecimalSeparator.h"
#include <QLocale>

QChar SystemDecimalSeparator()
{
    const QString sep = QLocale::system().decimalPoint();
    return sep == QLatin1String(".") ? QLatin1Char('.') : QLatin1Char(',');
}
