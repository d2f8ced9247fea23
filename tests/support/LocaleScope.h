#pragma once
#include <QLocale>

// Sets the regional settings the grid utilities read for the life of one test.
class LocaleScope {
public:
    explicit LocaleScope(QLocale::Language language, QLocale::Territory territory) : FSaved(QLocale())
    {
        QLocale::setDefault(QLocale(language, territory));
    }
    ~LocaleScope() { QLocale::setDefault(FSaved); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;

private:
    QLocale FSaved;
};

inline LocaleScope CommaDecimals() { return LocaleScope(QLocale::German, QLocale::Germany); }
inline LocaleScope DotDecimals() { return LocaleScope(QLocale::English, QLocale::UnitedStates); }
