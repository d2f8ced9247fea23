#include "grid/model/FindMatcher.h"

namespace {

bool IsAscii(const QString& Text)
{
    for (QChar c : Text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

} // namespace

void TFindMatcher::Start(const QString& Search, bool MatchCase)
{
    FLocale = QLocale();
    FMatchCase = MatchCase;
    FSearch = MatchCase ? Search : FLocale.toUpper(Search);
    // Some locales upper-case "i" to a letter outside ASCII; there every text takes the locale's way.
    FAsciiCaseless = !MatchCase && IsAscii(FSearch) &&
                     FLocale.toUpper(QStringLiteral("abcdefghijklmnopqrstuvwxyz")) ==
                         QLatin1String("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    FMatcher.setPattern(FSearch);
    FMatcher.setCaseSensitivity(FMatchCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

bool TFindMatcher::Direct(const QString& Text) const
{
    return FMatchCase || (FAsciiCaseless && IsAscii(Text));
}

QString TFindMatcher::Fold(const QString& Text) const
{
    return FMatchCase ? Text : FLocale.toUpper(Text);
}

qsizetype TFindMatcher::IndexIn(const QString& Text) const
{
    return Direct(Text) ? FMatcher.indexIn(Text) : Fold(Text).indexOf(FSearch);
}

bool TFindMatcher::Equals(const QString& Text) const
{
    if (FMatchCase)
        return Text == FSearch;
    return Direct(Text) ? Text.compare(FSearch, Qt::CaseInsensitive) == 0 : Fold(Text) == FSearch;
}
