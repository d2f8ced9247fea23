#pragma once
// The text of one search, matched against many cells. Without match case both sides compare upper-cased by the
// locale; the search is upper-cased once, and ASCII cells (most of them) are compared without an upper-cased copy.
#include <QLocale>
#include <QString>
#include <QStringMatcher>

class TFindMatcher {
public:
    void Start(const QString& Search, bool MatchCase);
    const QString& Search() const { return FSearch; }   // as compared
    QString Fold(const QString& Text) const;             // a cell's text as compared
    qsizetype IndexIn(const QString& Text) const;        // where the search starts in Text as compared; -1 if nowhere
    bool Equals(const QString& Text) const;              // Text as compared is the search

private:
    bool Direct(const QString& Text) const;              // Text needs no upper-cased copy

    QString FSearch;
    bool FMatchCase = true;
    bool FAsciiCaseless = false;   // the locale upper-cases ASCII letters as ASCII, and the search is ASCII
    QLocale FLocale;
    QStringMatcher FMatcher;
};
