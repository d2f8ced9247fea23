#include "grid/io/NumberText.h"
#include <QLocale>
#include <cmath>

namespace {

QLocale Ungrouped(const QLocale& Locale)
{
    QLocale l = Locale;
    l.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return l;
}

} // namespace

QString NumberText(double Value, const QLocale& Locale)
{
    const QLocale l = Ungrouped(Locale);
    if (Value == 0)
        return l.toString(0);   // no "-0"
    if (std::trunc(Value) == Value && std::fabs(Value) < 1e15)
        return l.toString(qint64(Value));
    return l.toString(Value, 'g', QLocale::FloatingPointShortest);
}

std::optional<double> CanonicalNumber(const QString& Text, const QLocale& Locale)
{
    bool ok = false;
    const double value = Ungrouped(Locale).toDouble(Text, &ok);
    if (!ok || !std::isfinite(value) || NumberText(value, Locale) != Text)
        return std::nullopt;
    return value;
}
