#include "core/UComon.h"
#include "platform/DecimalSeparator.h"
#include "support/QStringPrinter.h"
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
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
    EXPECT_EQ(sep, SystemDecimalSeparator()); // the user's setting, not a fixed character
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

TEST(TrimBlanks, RemovesControlCharactersAndBlanksOnlyAtTheEnds)
{
    EXPECT_EQ(Trim_Blanks(QStringLiteral("\t\x01 a b \r\n\x1F")), QStringLiteral("a b"));
    EXPECT_EQ(Trim_Blanks(QStringLiteral(" \t ")), QString());
    // A no-break space is above code 32 and stays.
    EXPECT_EQ(Trim_Blanks(QStringLiteral("\u00A0a ")), QStringLiteral("\u00A0a"));
}

struct ParseIpCase {
    const char* text;
    bool valid;
    const char* parts[4];
};
const ParseIpCase kParseIpCases[] = {
    {" 192.168.2.205 ", true, {"192", "168", "2", "205"}},
    {"10 . 0 .0. 1", true, {"10", "0", "0", "1"}},
    {"0.0.0.0", true, {"0", "0", "0", "0"}},
    {"192.168.2", false, {"192", "168", "", ""}},
    {"192.168.2.x", false, {"192", "168", "2", "x"}},
    {"1.2.3.4.5", false, {"1", "2", "3", "4.5"}},
    {"1.2.3.256", false, {"1", "2", "3", "256"}},
    {"1.2.3.-1", false, {"1", "2", "3", "-1"}},
    {"1.2..4", false, {"1", "2", "", "4"}},
    {"nodots", false, {"", "", "", ""}},
    {"", false, {"", "", "", ""}},
};

TEST(ParseIpAddress, Cases)
{
    for (const ParseIpCase& c : kParseIpCases) {
        SCOPED_TRACE(c.text);
        QString p[4];
        EXPECT_EQ(Parse_IP_Address(QString::fromLatin1(c.text), p[0], p[1], p[2], p[3]), c.valid);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(p[i], QString::fromLatin1(c.parts[i])) << "part " << i + 1;
    }
}

struct SplitIpCase {
    const char* text;
    bool error;
    std::array<int, 4> bytes;
};
const SplitIpCase kSplitIpCases[] = {
    {"192.168.2.205", false, {192, 168, 2, 205}},
    {"10.0.0.256", true, {10, 0, 0, 0}},
    {"1.2.3", true, {1, 2, 0, 3}},          // the third part is empty
    {"1.2.3.4.5", true, {1, 2, 3, 0}},      // the fourth part is "4.5"
    {" 1.2.3.4", true, {0, 2, 3, 4}},       // parts are not trimmed
    {"a.2.300.4", true, {0, 2, 0, 4}},      // every pass runs
    {"", true, {7, 7, 7, 7}},               // bytes untouched
};

TEST(SplitIpAddress, Cases)
{
    for (const SplitIpCase& c : kSplitIpCases) {
        SCOPED_TRACE(c.text);
        std::array<std::uint8_t, 4> b{7, 7, 7, 7};
        EXPECT_EQ(Split_IP_Address(QString::fromLatin1(c.text), b[0], b[1], b[2], b[3]), c.error);
        EXPECT_EQ((std::array<int, 4>{b[0], b[1], b[2], b[3]}), c.bytes);
    }
}

struct IpPortCase {
    const char* text;
    bool valid;
    std::array<int, 4> bytes;
    int port;
};
const IpPortCase kIpPortCases[] = {
    {"192.168.0.15:47808", true, {192, 168, 0, 15}, 47808},
    {" 192 . 168 . 0 . 15 : 0 ", true, {192, 168, 0, 15}, 0},
    {"1.2.3.4:65535", true, {1, 2, 3, 4}, 65535},
    {"192.168.0.15", false, {}, 0},
    {"192.168.0.15:65536", false, {}, 0},
    {"192.168.0.256:80", false, {}, 0},
    {"192.168.0:80", false, {}, 0},
    {"1.2.3.4.5:80", false, {}, 0},
    {"1.2.3.4:", false, {}, 0},
    {"", false, {}, 0},
};

TEST(SplitIpPort, OutputsStayZeroUnlessEverythingIsValid)
{
    for (const IpPortCase& c : kIpPortCases) {
        SCOPED_TRACE(c.text);
        std::array<std::uint8_t, 4> b{9, 9, 9, 9};
        std::uint16_t port = 9;
        EXPECT_EQ(Split_IP_Port(QString::fromLatin1(c.text), b[0], b[1], b[2], b[3], port), c.valid);
        EXPECT_EQ((std::array<int, 4>{b[0], b[1], b[2], b[3]}), c.bytes);
        EXPECT_EQ(port, c.port);
    }
}

TEST(HasNoDot, Cases)
{
    EXPECT_TRUE(Has_No_Dot(QStringLiteral("1/2/3")));
    EXPECT_TRUE(Has_No_Dot(QString()));
    EXPECT_FALSE(Has_No_Dot(QStringLiteral("1.1.1")));
}

struct KnxCase {
    const char* text;
    bool group;
    bool allowZero;
    int result;
};
const KnxCase kKnxCases[] = {
    {"1.1.20", false, false, 0},
    {" 15 . 15 . 255 ", false, false, 0},
    {"0.0.0", false, false, 1},
    {"0.0.0", false, true, 0},
    {"16.1.1", false, true, 1},
    {"1.16.1", false, true, 1},
    {"1.1.256", false, true, 1},
    {"1.1.1.1", false, true, 1},
    {"1.5", false, true, 1},                // two parts are no address
    {"1.x.1", false, true, 1},
    {"1/1/1", false, true, 1},
    {"31/7/255", true, false, 0},
    {"31/2047", true, false, 0},
    {"0/0/1", true, false, 0},
    {"0/0", true, true, 1},                  // Allow_Zero plays no part for groups
    {"0/0/0", true, true, 1},
    {"1/8/1", true, false, 1},
    {"32/1", true, false, 1},
    {"1/2048", true, false, 1},
    {"1/1/1/1", true, false, 1},
    {"1.2.3", true, true, 1},
    {"1/x", true, false, 1},
    {"65535", false, false, 0},
    {"65535", true, false, 0},
    {"0", false, true, 1},
    {"0", true, true, 1},
    {"65536", false, false, 1},
    {"65536", true, false, 1},
    {"1,000", true, false, 1},
    {"", false, true, 1},
    {"", true, true, 1},
};

TEST(CheckKnxAddress, Cases)
{
    for (const KnxCase& c : kKnxCases) {
        SCOPED_TRACE(testing::Message() << c.text << (c.group ? " group" : " individual") << (c.allowZero ? " zero" : ""));
        EXPECT_EQ(Check_KNX_Address(QString::fromLatin1(c.text), c.group, c.allowZero), c.result);
    }
}

struct CodeCase {
    QString text;
    int code;
};

TEST(CheckOid, FirstBrokenRuleGivesTheCode)
{
    const CodeCase cases[] = {
        {QStringLiteral("1.3.6.1.2.1.1.1.0"), 0},
        {QStringLiteral("7"), 0},
        {QStringLiteral(".1.3"), 3},
        {QStringLiteral("1.3."), 4},
        {QStringLiteral("."), 3},
        {QStringLiteral("1..3"), 5},
        {QStringLiteral("1.3.a"), 2},
        {QStringLiteral("1. 3"), 2},
        {QStringLiteral("a") + QString(61, QLatin1Char('1')), 1},   // 62 characters, letters too
        {QString(61, QLatin1Char('1')), 6},
        {QStringLiteral("1.") + QString(59, QLatin1Char('0')), 0},  // 61 characters, leading zeros only
        {QStringLiteral("1.4294967296"), 6},
        {QStringLiteral("1.4294967295"), 0},
        {QStringLiteral("1.99999999999999999999"), 6},               // beyond 64 bits
        {QString(), 2},
    };
    for (const CodeCase& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(Check_OID(c.text), c.code);
    }
}

TEST(CheckSnmpPassword, Cases)
{
    struct {
        const char* text;
        int strict;
        int allowShort;
    } const cases[] = {
        {"", 2, 2},
        {"abc", 2, 0},
        {"abcdefg", 2, 0},
        {"abcdefgh", 0, 0},
        {"Abc12345XYZabc9", 0, 0},   // 15
        {"Abc12345XYZabc90", 1, 1},  // 16
        {"abc!efgh", 3, 3},
        {"abc efgh", 3, 3},
        {"abcdefg\u00e9", 3, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Check_SNMP_Password(QString::fromUtf8(c.text), false), c.strict);
        EXPECT_EQ(Check_SNMP_Password(QString::fromUtf8(c.text), true), c.allowShort);
    }
}

TEST(GetSnmpSecurityLevel, Cases)
{
    const CodeCase cases[] = {
        {QStringLiteral("AUTH NOPRIV"), 1},
        {QStringLiteral("  auth priv \t"), 3},
        {QStringLiteral("NOAUTH NOPRIV"), 0},
        {QStringLiteral("AUTH  PRIV"), 0},
        {QString(), -1},
        {QStringLiteral("   "), -1},
    };
    for (const CodeCase& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(Get_SNMP_Security_Level(c.text), c.code);
    }
}

TEST(GetComPortList, NumbersOfTheDevicesThatOpenInAscendingOrder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"ttyS4", "ttyS0", "ttyS255", "ttyS256", "ttyUSB1"}) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(Get_COM_Port_List(dir.path()), (QStringList{"1", "5", "256"}));
    QTemporaryDir empty;
    EXPECT_TRUE(Get_COM_Port_List(empty.path()).isEmpty());
}

TEST(GetComPortList, ListsOnlyNumbersOnThisMachine)
{
    int last = 0;
    for (const QString& port : Get_COM_Port_List()) {
        bool ok = false;
        const int n = port.toInt(&ok);
        EXPECT_TRUE(ok && n > last && n <= 256) << port.toStdString();
        last = n;
    }
}
