#include "core/UComon.h"
#include <QLocale>
#include <gtest/gtest.h>

namespace {

// Sets the default locale for one test and puts the old one back.
class DefaultLocale {
public:
    explicit DefaultLocale(QLocale::Language lang, QLocale::Territory territory) { QLocale::setDefault(QLocale(lang, territory)); }
    ~DefaultLocale() { QLocale::setDefault(FOld); }

private:
    QLocale FOld;
};

} // namespace

TEST(GetDecimalSeparator, IsCommaOrDot)
{
    const QChar sep = Get_Decimal_Separator();
    EXPECT_TRUE(sep == QLatin1Char(',') || sep == QLatin1Char('.'));
}

struct FloatCase {
    const char* text;
    bool ok;
    float value;
};
const FloatCase kFloatCases[] = {
    {"1,5", true, 1.5f},
    {"1.5", true, 1.5f},
    {" -0,25 ", true, -0.25f},
    {"3", true, 3.0f},
    {"1e3", true, 1000.0f},
    {"abc", false, 1.0f},
    {"", false, 1.0f},
    {"1.2.3", false, 1.0f},
    {"1,000.5", false, 1.0f},
    {"inf", false, 1.0f},
    {"nan", false, 1.0f},
    {"1e39", false, 1.0f},       // beyond single precision
    {"-1e39", false, 1.0f},
    {"3.4e38", true, 3.4e38f},
};

TEST(StrToFloatDec, BothSeparatorsUnderEveryLocale)
{
    for (auto lang : {std::pair{QLocale::English, QLocale::UnitedStates}, std::pair{QLocale::German, QLocale::Germany}}) {
        DefaultLocale locale(lang.first, lang.second);
        for (QChar sep : {QLatin1Char('.'), QLatin1Char(',')}) {
            for (const FloatCase& c : kFloatCases) {
                SCOPED_TRACE(QStringLiteral("%1 sep %2 locale %3").arg(QLatin1String(c.text), sep, QLocale().name()).toStdString());
                float v = -7.0f;
                EXPECT_EQ(Str_To_Float_Dec(QLatin1String(c.text), sep, v), c.ok);
                EXPECT_FLOAT_EQ(v, c.value);
            }
        }
    }
}
