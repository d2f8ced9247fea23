#include "platform/DecimalSeparator.h"
#include <QLocale>
#include <gtest/gtest.h>

TEST(DecimalSeparator, DotOrCommaAndAnythingElseIsComma)
{
    EXPECT_EQ(DecimalSeparatorOf(QLocale(QLocale::English, QLocale::UnitedStates)), QLatin1Char('.'));
    EXPECT_EQ(DecimalSeparatorOf(QLocale(QLocale::German, QLocale::Germany)), QLatin1Char(','));
    // Arabic writes U+066B.
    EXPECT_EQ(DecimalSeparatorOf(QLocale(QLocale::Arabic, QLocale::Egypt)), QLatin1Char(','));
    EXPECT_EQ(SystemDecimalSeparator(), DecimalSeparatorOf(QLocale::system()));
}
