#include "grid/model/GridFilter.h"
#include "support/LocaleScope.h"
#include <QDateTime>
#include <gtest/gtest.h>

namespace {
struct FilterCase { const char* condition; const char* value; bool result; };

void RunFilterCases(const FilterCase* begin, const FilterCase* end, bool caseSensitive = false)
{
    for (const FilterCase* c = begin; c != end; ++c) {
        SCOPED_TRACE(std::string(c->condition) + " | " + c->value);
        EXPECT_EQ(MatchFilterExpression(c->condition, c->value, caseSensitive), c->result);
    }
}

const FilterCase kCommonCases[] = {
    {"=5", "5", true},
    {"= >5", "7", true},
    {">10", "9", false},
    {">10", "abc", true},
    {">=10&<20", "15", true},
    {">=10&<20", "20", false},
    {"a*", "abc", true},
    {"a*", "a", true},
    {"*c", "abc", true},
    {"a?c", "abc", true},
    {"a?c", "ac", false},
    {"!a*", "bcd", true},
    {"!a*", "abc", false},
    {"", "", true},
    {"", "x", false},
    {"A*", "abc", true},               // case-insensitive
    {"a|b&c", "a", false},             // (a or b) and c
    {"(a|b)&c", "b", false},
    {"c&(a|b)", "c", false},
    {"x|(a|b)", "b", true},
    {"(a|b)|x", "x", true},
    {"\"a b\"", "a b", true},          // blanks inside quotes are kept
    {"\"a&b\"", "a&b", true},          // so are operators
    {"*", "", true},
    {">5", "nan", true},               // words, not numbers: compared as text
    {"<=10", "Nan", false},
    {"<10", "inf", false},
};
} // namespace

TEST(MatchFilterExpression, CasesWithDotDecimals)
{
    const auto scope = DotDecimals();
    RunFilterCases(std::begin(kCommonCases), std::end(kCommonCases));
    const FilterCase cases[] = {
        {">1.5", "1.75", true},
        {"<1,000", "999", true},
        {">=2/1/2020", "2/1/2020", true},
        {">2/1/2020", "1/31/2020", false},
    };
    RunFilterCases(std::begin(cases), std::end(cases));
}

TEST(MatchFilterExpression, CasesWithCommaDecimals)
{
    const auto scope = CommaDecimals();
    RunFilterCases(std::begin(kCommonCases), std::end(kCommonCases));
    const FilterCase cases[] = {
        {">=01.02.2020", "01.02.2020", true},   // a date, not the number 1022020
        {">01.02.2020", "31.01.2020", false},
        {">1,5", "1,75", true},
        {"<1.000", "999", true},
    };
    RunFilterCases(std::begin(cases), std::end(cases));
}

TEST(MatchFilterExpression, CaseSensitiveMatch)
{
    EXPECT_FALSE(MatchFilterExpression("A*", "abc", true));
    EXPECT_TRUE(MatchFilterExpression("a*", "abc", true));
}

// A condition reads its bounds once and then meets values of every kind in turn: what one value was read as
// (number, date, text) must not carry over to the next.
TEST(FilterCondition, OnePreparedConditionOverValuesOfEveryKind)
{
    const auto scope = DotDecimals();
    const TFilterCondition numbers(">5|<2/1/2020", false);
    const FilterCase cases[] = {
        {"", "7", true},   {"", "1/31/2020", true}, {"", "3", false},  {"", "abc", true},
        {"", "4.5", false}, {"", "2/2/2020", false}, {"", "1e3", true}, {"", "", true},   // the empty text sorts before the date's text
    };
    for (const FilterCase& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(numbers.Match(c.value), c.result);
        EXPECT_EQ(MatchFilterExpression(">5|<2/1/2020", c.value, false), c.result);   // prepared afresh
    }
}

TEST(MatchFilterExpression, UnclosedGroupEnds)
{
    // Once looped for ever: the rest of the condition is taken as the group.
    EXPECT_TRUE(MatchFilterExpression("(a|b", "b", false));
    EXPECT_FALSE(MatchFilterExpression("(a|b", "c", false));
    EXPECT_TRUE(MatchFilterExpression("x|(a", "a", false));
}

TEST(MatchFilterExpression, DeepGroupsDoNotExhaustTheStack)
{
    const int depth = 100000;
    const QString open(depth, QChar('(')), close(depth, QChar(')'));
    EXPECT_TRUE(MatchFilterExpression(open + "a|b" + close, "b", false));
    EXPECT_FALSE(MatchFilterExpression(open + "a|b" + close, "c", false));
    EXPECT_TRUE(MatchFilterExpression(open + "=a*", "abc", false));          // unclosed, and "=" inside
    EXPECT_TRUE(MatchFilterExpression("x|" + open + "a" + close, "a", false));
    EXPECT_TRUE(MatchFilterExpression("( = ( a ) )", "a", false));
}

TEST(MatchFilterTerm, ManyStarsOnALongValueEnd)
{
    // Each "*" tries every tail of the value; once this took exponential time and hung the filter.
    const QString term = QString("*a").repeated(15) + "*b";
    const QString value = QString(80, QChar('a'));
    EXPECT_FALSE(MatchFilterTerm(term, value));
    EXPECT_TRUE(MatchFilterTerm(term, value + "b"));
    EXPECT_TRUE(MatchFilterTerm("!" + term, value));
    EXPECT_FALSE(MatchFilterTerm(term, QString(14, QChar('a')) + "b"));   // one "a" short
}

TEST(MatchFilterTerm, QuotedOperandKeepsItsBlanks)
{
    EXPECT_TRUE(MatchFilterTerm(">\"b c\"", "b d"));
    EXPECT_FALSE(MatchFilterTerm(">\"b c\"", "b b"));
    EXPECT_TRUE(MatchFilterTerm("<\"b c\"", "b b"));
    EXPECT_FALSE(MatchFilterTerm("<\"b c\"", "b d"));
    EXPECT_TRUE(MatchFilterTerm(">=\"b c\"", "b c"));
}

TEST(FilterHelpers, QuotesParenthesesAndNumbers)
{
    EXPECT_EQ(StripSpacesOutsideQuotes(" a \" b \" c "), "a\" b \"c");
    EXPECT_EQ(MatchingParenPos("(a(b)c)d"), 7);
    EXPECT_EQ(MatchingParenPos("(a"), 0);
    EXPECT_EQ(MatchingParenPos("a)"), 0);
    {
        const auto scope = CommaDecimals();
        EXPECT_EQ(NormalizeNumberText("1.234,5"), "1234.5");
    }
    const auto scope = DotDecimals();
    EXPECT_EQ(NormalizeNumberText("1,234.5"), "1234.5");
}

TEST(ParseDateByLocaleOrder, FieldsFollowTheShortDateFormat)
{
    const auto scope = CommaDecimals();   // dd.MM.yy
    TDateTime dt = 0;
    ASSERT_TRUE(ParseDateByLocaleOrder("31.12.2020", dt));
    EXPECT_EQ(DateOf(dt), QDate(2020, 12, 31));
    ASSERT_TRUE(ParseDateByLocaleOrder("1.2.2020 12:30", dt));
    EXPECT_EQ(FromDateTime(dt).time(), QTime(12, 30));
    ASSERT_TRUE(ParseDateByLocaleOrder("1.2.2020 12:30:45", dt));
    EXPECT_EQ(FromDateTime(dt).time(), QTime(12, 30, 45));

    dt = 0;
    EXPECT_FALSE(ParseDateByLocaleOrder("1.2.2020 1230", dt));   // date stored, no time
    EXPECT_EQ(DateOf(dt), QDate(2020, 2, 1));

    const char* bad[] = {"31.04.2020", "32.1.2020", "1.13.2020", "1.2", "x.2.2020", "1.2.2020 24:00",
                         "1.2.2020 12:60", "1.2.2020 12:30:60", "1.2.2020 12:30:61"};
    for (const char* s : bad) {
        SCOPED_TRACE(s);
        EXPECT_FALSE(ParseDateByLocaleOrder(s, dt));
    }
}

TEST(ParseDateByLocaleOrder, MonthFirstLocale)
{
    const auto scope = DotDecimals();   // M/d/yy
    TDateTime dt = 0;
    ASSERT_TRUE(ParseDateByLocaleOrder("12/31/2020", dt));
    EXPECT_EQ(DateOf(dt), QDate(2020, 12, 31));
}

TEST(ParseDateMDY, YearsAndSeparators)
{
    const struct { const char* text; QDate mdy; QDate dmy; } cases[] = {
        {"12/31/99", QDate(1999, 12, 31), QDate()},
        {"1/2/05", QDate(2005, 1, 2), QDate(2005, 2, 1)},
        {"1.2.2021", QDate(2021, 1, 2), QDate(2021, 2, 1)},   // four digits as written
        {"3-4-25", QDate(2025, 3, 4), QDate(2025, 4, 3)},
        {"3-4-26", QDate(1926, 3, 4), QDate(1926, 4, 3)},
        {"3/4/0", QDate(2000, 3, 4), QDate(2000, 4, 3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DateOf(ParseDateMDY(c.text)), c.mdy);
        if (c.dmy.isValid()) {
            EXPECT_EQ(DateOf(ParseDateDMY(c.text)), c.dmy);
        }
    }
    EXPECT_EQ(ParseDateMDY("12312020"), 0);
    EXPECT_EQ(ParseDateMDY("12/31"), 0);
    EXPECT_EQ(ParseDateMDY("a/1/2020"), 0);
    EXPECT_THROW(ParseDateMDY("2/30/2020"), EConvertError);
    EXPECT_THROW(ParseDateDMY("12/31/99"), EConvertError);
}

TEST(LooksLikeDate, SeparatorPositions)
{
    const auto scope = DotDecimals();
    EXPECT_TRUE(LooksLikeDate("1/2/3"));
    EXPECT_TRUE(LooksLikeDate("1/2/"));
    EXPECT_FALSE(LooksLikeDate("/1/2"));
    EXPECT_FALSE(LooksLikeDate("1//2"));
    EXPECT_FALSE(LooksLikeDate("1.2.3"));
}

TEST(IncDateParts, SinglePartSteps)
{
    const TDateTime base = EncodeDate(2020, 1, 31);
    EXPECT_EQ(IncDateParts(0, 0, 3, base, 99), base + 3);
    EXPECT_EQ(DateOf(IncDateParts(2, 0, 0, base, 99)), QDate(2022, 1, 31));
    EXPECT_EQ(IncDateParts(1, 1, 0, base, 7), base + 7);
    const TDateTime march = EncodeDate(2020, 3, 15);
    EXPECT_EQ(DateOf(IncDateParts(0, 11, 0, march, 0)), QDate(2021, 2, 15));
    EXPECT_EQ(DateOf(IncDateParts(0, 0xFFFF, 0, EncodeDate(2020, 1, 15), 0)), QDate(2019, 12, 15));   // one back
    EXPECT_THROW(IncDateParts(0, 1, 0, base, 0), EConvertError);                    // 31 February
    EXPECT_THROW(IncDateParts(1, 0, 0, EncodeDate(2020, 2, 29), 0), EConvertError);
}

TEST(MatchFilterExpression, EveryShortConditionEnds)
{
    // All conditions of up to four characters over the operator alphabet: each evaluation ends, and
    // blanks around a condition never change its result.
    const QString alphabet = "()&|;^\"><=!*?a ";
    QStringList conditions{""};
    for (int length = 1; length <= 4; ++length) {
        QStringList longer;
        for (const QString& c : conditions)
            if (c.size() == length - 1)
                for (QChar ch : alphabet)
                    longer << c + ch;
        conditions << longer;
    }
    int mismatches = 0;
    for (const QString& c : conditions)
        for (const char* value : {"a", ""})
            mismatches += MatchFilterExpression(c, value, true) != MatchFilterExpression("  " + c + " ", value, true);
    EXPECT_EQ(conditions.size(), 1 + 15 + 225 + 3375 + 50625);
    EXPECT_EQ(mismatches, 0);
}
