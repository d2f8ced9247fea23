#pragma once
// Inline, so that the widget-free grid model can use it without the platform library.
#include <QChar>
#include <QLocale>

// The same rule for a given locale: "," or "."; anything else counts as ",".
inline QChar DecimalSeparatorOf(const QLocale& locale)
{
    return locale.decimalPoint() == QLatin1String(".") ? QLatin1Char('.') : QLatin1Char(',');
}

// The user's decimal separator.
inline QChar SystemDecimalSeparator()
{
    return DecimalSeparatorOf(QLocale::system());
}
