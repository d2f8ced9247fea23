#include "grid/model/FindMatcher.h"
#include <gtest/gtest.h>

namespace {
struct FindCase { const char* search; const char* text; bool matchCase; int at; bool equal; };
const FindCase kFindCases[] = {
    {"ab", "xAbx", false, 1, false},
    {"ab", "xAbx", true, -1, false},
    {"AB", "ab", false, 0, true},
    {"", "abc", false, 0, false},
    {"ss", "Straße", false, 4, false},        // upper-cased, the sharp s is two letters
    {"straße", "STRASSE", false, 0, true},
    {"é", "CAFÉ", false, 3, false},
    {"É", "café", true, -1, false},
};
} // namespace

TEST(FindMatcher, ComparesAsTheLocaleUpperCases)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    for (const auto& c : kFindCases) {
        SCOPED_TRACE(std::string(c.search) + " in " + c.text);
        TFindMatcher matcher;
        matcher.Start(QString::fromUtf8(c.search), c.matchCase);
        EXPECT_EQ(matcher.IndexIn(QString::fromUtf8(c.text)), c.at);
        EXPECT_EQ(matcher.Equals(QString::fromUtf8(c.text)), c.equal);
    }
    QLocale::setDefault(saved);
}

// Where the locale upper-cases "i" outside ASCII, ASCII texts are not compared letter by letter.
TEST(FindMatcher, TurkishDottedI)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    TFindMatcher matcher;
    matcher.Start("i", false);
    const QString upper = QLocale().toUpper("i");
    EXPECT_EQ(matcher.IndexIn("I") >= 0, QLocale().toUpper("I") == upper);
    EXPECT_EQ(matcher.IndexIn("xi"), 1);
    QLocale::setDefault(saved);
}
