#include "SaveBinccFixture.h"
#include "core/ULanguage.h"
#include "core/USaveBincc.h"
#include <QDir>
#include <gtest/gtest.h>

namespace {

constexpr int Table = 1024;            // file offset of the object table
constexpr int Section = 0x10C00;       // file offset of the IEC 61850 section

QByteArray Entry(const QByteArray& b, int index)
{
    return b.mid(Table + 16 * index, 16);
}

BACnetRow Row(const char* type, const char* mnemonic, const char* position = "0", const char* unit = "95",
              const char* bit = "0", const char* length = "2")
{
    return {QString::fromUtf8(type), QString::fromUtf8(unit), QString::fromUtf8(position), QString::fromUtf8(bit),
            QString::fromUtf8(length), QString::fromUtf8(mnemonic)};
}

std::vector<BACnetRow> Rows(int count, const char* mnemonic)
{
    return std::vector<BACnetRow>(static_cast<std::size_t>(count), Row("Analog Value", mnemonic));
}

} // namespace

TEST(SaveBinccBACnet, EntriesAreGroupedByKindWithReadRowsFirst)
{
    SaveBinccProject p;
    p.writeBACnet({Row("Analog Value", "AV1", "100", "62", "0", "4"), Row("Analog Input", "AI1", "200", "98", "", "2")},
                  {Row("Analog Out", "AO1", "300", "95", "0", "4"), Row("Analog Value", "AV2", "70000", "65537", "7", "258")});
    ASSERT_TRUE(p.build());
    const QByteArray b = p.bank2();
    ASSERT_EQ(b.size(), Section + 55);
    // position, unit, length, direction, name address, row, bit, 0
    EXPECT_EQ(Entry(b, 0), Hex("C8 00 00 00  62 00  02  00  F1 83 0A 00  02 00  00 00"));   // AI1, read row 2
    EXPECT_EQ(Entry(b, 1), Hex("2C 01 00 00  5F 00  04  01  F5 83 0A 00  03 00  00 00"));   // AO1, write row 3
    EXPECT_EQ(Entry(b, 2), Hex("64 00 00 00  3E 00  04  00  F9 83 0A 00  01 00  00 00"));   // AV1, read row 1
    EXPECT_EQ(Entry(b, 3), Hex("70 11 01 00  01 00  02  01  FD 83 0A 00  04 00  07 00"));   // AV2, write row 4
    EXPECT_EQ(Entry(b, 4), QByteArray(16, '\0'));
    // The pool follows the 2047 entries; offset 0 is the empty name.
    const int pool = Table + 2047 * 16;
    EXPECT_EQ(b.mid(pool, 18), QByteArray("\0AI1\0AO1\0AV1\0AV2\0\0", 18));

    const QByteArray b1 = p.bank1();
    EXPECT_EQ(U32(b1, 312), 1u);   // analog input
    EXPECT_EQ(U32(b1, 316), 1u);   // analog out
    EXPECT_EQ(U32(b1, 320), 2u);   // analog value
    EXPECT_EQ(U32(b1, 324), 0u);
}

TEST(SaveBinccBACnet, KindsMatchUpperCasedButNotTrimmed)
{
    SaveBinccProject p;
    p.writeBACnet({Row(" Binary Input", "skipped"), Row("binary input", "BI"), Row("Octet String", "OS"), Row("Accumulator", "AC")},
                  {Row("Bogus", "none"), Row("multi state output", "MO", "5", "95", "x", "1")});
    ASSERT_TRUE(p.build());
    const QByteArray b = p.bank2();
    // Table order: binary input, multi state output, accumulator, octet string.
    EXPECT_EQ(U16(Entry(b, 0), 12), 2u);              // the blank-led row took number 1
    EXPECT_EQ(U16(Entry(b, 1), 12), 6u);              // the unknown write row took number 5
    EXPECT_EQ(U8(Entry(b, 1), 14), 0u);               // Bit "x" reads as 0
    EXPECT_EQ(U16(Entry(b, 2), 12), 4u);
    EXPECT_EQ(U16(Entry(b, 3), 12), 3u);
    EXPECT_EQ(Entry(b, 4), QByteArray(16, '\0'));
    const QByteArray b1 = p.bank1();
    EXPECT_EQ(U32(b1, 324), 1u);
    EXPECT_EQ(U32(b1, 360), 1u);
    EXPECT_EQ(U32(b1, 380), 1u);
    EXPECT_EQ(U32(b1, 1792), 1u);
}

TEST(SaveBinccBACnet, NamesAreCutToTheNameModeAndTheEmptyNameIsThePoolStart)
{
    const QString twenty = QStringLiteral("ABCDEFGHIJKLMNOPQRST");
    const QString thirtyThree = QStringLiteral("0123456789abcdefghijklmnopqrstuvw");
    for (const bool longNames : {false, true}) {
        SCOPED_TRACE(longNames ? "32-character names" : "16-character names");
        SaveBinccProject p;
        p.writeParGen({{"BACnet_Desc_Chars_Limit", longNames ? "1" : "0"}});
        p.writeBACnet({Row("Analog Input", ""), Row("Analog Input", twenty.toUtf8()), Row("Analog Input", thirtyThree.toUtf8()),
                       Row("Analog Input", "Z")},
                      {});
        ASSERT_TRUE(p.build());
        const QByteArray b = p.bank2();
        ASSERT_EQ(b.size(), Section + 55);
        const int capacity = longNames ? 1023 : 2047;
        const int poolAt = Table + capacity * 16;
        const std::uint32_t poolAddress = longNames ? 0xA43F0 : 0xA83F0;
        const QByteArray n1 = (longNames ? twenty : twenty.left(16)).toLatin1();
        const QByteArray n2 = thirtyThree.left(longNames ? 32 : 16).toLatin1();
        EXPECT_EQ(U32(Entry(b, 0), 8), poolAddress);
        EXPECT_EQ(U32(Entry(b, 1), 8), poolAddress + 1);
        EXPECT_EQ(U32(Entry(b, 2), 8), poolAddress + 2 + n1.size());
        EXPECT_EQ(U32(Entry(b, 3), 8), poolAddress + 3 + n1.size() + n2.size());
        EXPECT_EQ(b.mid(poolAt, 0x8800), (QByteArray(1, '\0') + n1 + '\0' + n2 + '\0' + "Z" + '\0').leftJustified(0x8800, '\0'));
        // Table, pool and padding always end where the IEC 61850 section starts.
        EXPECT_EQ(poolAt + 0x8800 + (longNames ? 16400 : 16), Section);
    }
}

TEST(SaveBinccBACnet, NTPServerNameBlock)
{
    struct Case {
        int length;
        int stored;
        std::uint32_t address;
    };
    for (const Case c : {Case{0, 0, 0}, Case{4, 4, 0xA0000}, Case{1023, 1023, 0xA0000}, Case{1024, 1023, 0xA0000},
                         Case{1500, 1023, 0xA0000}}) {
        SCOPED_TRACE(c.length);
        SaveBinccProject p;
        QString name;
        for (int i = 0; i < c.length; ++i)
            name += QChar(u'a' + i % 26);
        p.writeParGen({{"NTP_Server_URL", name}});
        ASSERT_TRUE(p.build());
        const QByteArray b = p.bank2();
        EXPECT_EQ(b.left(1024), name.left(c.stored).toLatin1().leftJustified(1024, '\0'));
        EXPECT_EQ(U32(p.bank1(), 60), c.address);
    }
}

TEST(SaveBinccBACnet, NothingOfOneProjectCarriesIntoTheNext)
{
    {
        SaveBinccProject a;
        a.writeParGen({{"NTP_Server_URL", "ntp.a"}, {"BACnet_Desc_Chars_Limit", "1"}});
        a.writeBACnet({Row("Analog Input", "A")}, {});
        ASSERT_TRUE(a.build());
    }
    SaveBinccProject b;
    ASSERT_TRUE(b.build());
    EXPECT_EQ(b.bank2(), QByteArray(Section, '\0') + b.bank2().mid(Section));
    EXPECT_EQ(U32(b.bank1(), 60), 0u);
    EXPECT_EQ(U32(b.bank1(), 312), 0u);
}

TEST(SaveBinccBACnet, MoreObjectsThanTheNameModeAllowsAreRefused)
{
    struct Case {
        bool longNames;
        int read;
        int write;
        bool fits;
    };
    for (const Case c : {Case{false, 1500, 500, true}, Case{false, 1500, 501, false}, Case{true, 600, 400, true},
                         Case{true, 600, 401, false}, Case{true, 2000, 0, false}}) {
        SCOPED_TRACE(std::to_string(c.read) + " + " + std::to_string(c.write) + (c.longNames ? " long" : " short"));
        SaveBinccProject p;
        p.writeParGen({{"BACnet_Desc_Chars_Limit", c.longNames ? "1" : "0"}});
        p.writeBACnet(Rows(c.read, "0123456789abcdefghijklmnopqrstuvwxyz"), Rows(c.write, "0123456789abcdefghijklmnopqrstuvwxyz"));
        QString error;
        EXPECT_EQ(Compile_Bincc(&error), c.fits);
        if (!c.fits) {
            EXPECT_EQ(error, Lang(2359) + (c.longNames ? "1000" : "2000"));
            EXPECT_FALSE(Save_Bincc());
            EXPECT_TRUE(QDir(p.bin()).isEmpty());
            continue;
        }
        ASSERT_TRUE(Save_Bincc());
        const QByteArray b = p.bank2();
        const int count = c.read + c.write;
        const int nameLength = c.longNames ? 32 : 16;
        const std::uint32_t pool = c.longNames ? 0xA43F0 : 0xA83F0;
        EXPECT_EQ(U32(Entry(b, count - 1), 8), pool + 1 + static_cast<std::uint32_t>((count - 1) * (nameLength + 1)));
        EXPECT_EQ(U16(Entry(b, count - 1), 12), static_cast<std::uint32_t>(count));
        EXPECT_EQ(U32(p.bank1(), 320), static_cast<std::uint32_t>(count));
        EXPECT_EQ(b.size(), Section + 55);
    }
}

TEST(SaveBinccBACnet, IncompleteObjectFilesStopTheCompile)
{
    struct Case {
        const char* name;
        QByteArray xml;
        const char* message;   // a part of the expected message
        bool ending = false;   // the message ends with it
    };
    const Case cases[] = {
        {"empty root", "<BACnet_to_Modbus/>", "BACnet_in_Read"},
        {"no write section", "<BACnet_to_Modbus><BACnet_in_Read/></BACnet_to_Modbus>", "BACnet_in_Write"},
        {"position not a number",
         "<BACnet_to_Modbus><BACnet_in_Read/><BACnet_in_Write>"
         "<row Data_Type=\"Analog Out\" Eng_Unit=\"1\" Position=\"abc\" Bit=\"0\" Length=\"2\" Mnemonic=\"\"/>"
         "</BACnet_in_Write></BACnet_to_Modbus>",
         "BACnet_in_Write row 1: the attribute Position is missing or not a number", true},
        {"no mnemonic",
         "<BACnet_to_Modbus><BACnet_in_Read>"
         "<row Data_Type=\"Analog Input\" Eng_Unit=\"1\" Position=\"1\" Bit=\"0\" Length=\"2\" Mnemonic=\"a\"/>"
         "<row Data_Type=\"Analog Input\" Eng_Unit=\"1\" Position=\"1\" Bit=\"0\" Length=\"2\"/>"
         "</BACnet_in_Read><BACnet_in_Write/></BACnet_to_Modbus>",
         "BACnet_in_Read row 2: the attribute Mnemonic is missing", true},
        {"not well-formed", "<BACnet_to_Modbus><BACnet_in_Read>", "not well-formed"},
        {"nested too deeply",
         "<BACnet_to_Modbus><BACnet_in_Read>" + QByteArray("<row>").repeated(100000) +
             QByteArray("</row>").repeated(100000) + "</BACnet_in_Read><BACnet_in_Write/></BACnet_to_Modbus>",
         "not well-formed XML: elements nested more than 256 deep"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SaveBinccProject p;
        p.writeRaw(QStringLiteral("BACnet_Slave_SetAccess.xml"), c.xml);
        QString error;
        EXPECT_FALSE(p.build(&error));
        const QLatin1String message(c.message);
        EXPECT_TRUE(c.ending ? error.endsWith(message) : error.contains(message)) << error.toStdString();
        EXPECT_TRUE(QDir(p.bin()).isEmpty());
    }
}

TEST(SaveBinccBACnet, TwoEmptySectionsGiveAnEmptyTable)
{
    SaveBinccProject p;
    p.writeBACnet({}, {});
    ASSERT_TRUE(p.build());
    EXPECT_EQ(p.bank2().left(Section), QByteArray(Section, '\0'));
}
