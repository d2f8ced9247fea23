#pragma once
// Numbers of spreadsheets and databases as the grid's texts, in the user's locale.
#include <QString>
#include <optional>

class QLocale;

// Shortest digits that read back as the same number, the locale's decimal separator, no grouping;
// whole numbers below 10^15 without an exponent.
QString NumberText(double Value, const QLocale& Locale);
// The number Text stands for when NumberText writes that number exactly so; nothing for any other text
// ("007", "1.50", " 1"), which therefore stays text and reads back unchanged.
std::optional<double> CanonicalNumber(const QString& Text, const QLocale& Locale);
