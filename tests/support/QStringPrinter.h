#pragma once
// Lets GoogleTest show a QString as its text instead of its bytes.
#include <QString>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
