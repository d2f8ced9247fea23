#pragma once
#include <QChar>

class QLocale;

// The user's decimal separator: "," or "."; anything else counts as ",".
QChar SystemDecimalSeparator();
// The same rule for a given locale.
QChar DecimalSeparatorOf(const QLocale& locale);
