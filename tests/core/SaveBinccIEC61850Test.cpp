#include "SaveBinccFixture.h"
#include "core/USaveBincc.h"
#include <QDir>
#include <cstring>
#include <gtest/gtest.h>

namespace {

constexpr int Section = 0x10C00;   // file offset of the section (device address 0xB0C00)

QByteArray Section_Of(const SaveBinccProject& p)
{
    return p.bank2().mid(Section);
}

Attributes Variable(const char* name, const char* type, const char* length, const char* factor, const char* enable = "Y")
{
    return {{"Enable", enable},       {"Name", name},        {"Type", type},          {"Length", length},
            {"ReadOnly", "N"},        {"Position", "0"},     {"StartBit", "0"},       {"Conversion", "None"},
            {"MultiplicationFactor", factor}, {"Swap", "N"}, {"SwapWord", "N"},      {"Mnemonic", ""}};
}

Attributes Certificate(const char* enable, const char* text)
{
    return {{"Enable", enable}, {"Certificate", QString::fromUtf8(text)}, {"Mnemonic", "m"}};
}

} // namespace

TEST(SaveBinccIEC61850, WithoutFilesTheSectionIsItsHeaderAndTheZeroByte)
{
    SaveBinccProject p;
    ASSERT_TRUE(p.build());
    EXPECT_EQ(p.bank2().size(), Section + 55);
    EXPECT_EQ(p.bank2().left(Section), QByteArray(Section, '\0'));
    EXPECT_EQ(Section_Of(p), Hex("66 00"                       // port 102
                                 "00 00 00 00"                 // TLS off
                                 "36 0C 0B 00  00 00 00 00"    // key: the zero byte, length 0
                                 "00 00 00 00"                 // no key password
                                 "36 0C 0B 00  00 00 00 00"    // server certificate
                                 "36 0C 0B 00  00 00 00 00"    // root certificate
                                 "00 00 00 00  36 0C 0B 00"    // known certificates: none, table at S + 54
                                 "00 00 00 00"                 // no server password
                                 "00 00 00 00  36 0C 0B 00"    // variables: none, table at S + 54
                                 "00"));
}

TEST(SaveBinccIEC61850, FullSectionWithKnownCertificatesAndVariables)
{
    SaveBinccProject p;
    p.writeParGen({{"IEC61850_Server_Port", "2000"}, {"IEC61850_Server_Password", "ab"}, {"TLS_Server_Enable", "1"},
                   {"TLS_Server_Key", "K1"}, {"TLS_Server_Key_Password", "pw"}, {"TLS_Server_Server_Certificate", "SC"},
                   {"TLS_Server_Enable_Known_Cert", "1"}});
    p.writeKnownCerts({Certificate("Y", "C1\nX"), Certificate("N", "skip"), Certificate("Y", ""), Certificate("Y", "\xC3\xA9"),
                       Certificate("y", "lower case is not enabled")});
    p.writeVariables({
        {{"Enable", "Y"}, {"Name", "V1"}, {"Type", "Float"}, {"Length", "4"}, {"ReadOnly", "Y"}, {"Position", "10"},
         {"StartBit", "0"}, {"Conversion", "Int to Float"}, {"MultiplicationFactor", "0,5"}, {"Swap", "Y"},
         {"SwapWord", "N"}, {"Mnemonic", "x"}},
        Variable("off", "Int", "2", "None", "N"),
        {{"Enable", "Y"}, {"Name", ""}, {"Type", "Digital (Bit)"}, {"Length", "4"}, {"ReadOnly", "N"}, {"Position", "20"},
         {"StartBit", "3"}, {"Conversion", "None"}, {"MultiplicationFactor", "None"}, {"Swap", "N"}, {"SwapWord", "Y"},
         {"Mnemonic", ""}},
    });
    ASSERT_TRUE(p.build());
    // Offsets: header 0, known table 54 (3 x 8), variables 78 (2 x 32), zero byte 142, strings from 143.
    EXPECT_EQ(Section_Of(p), Hex("D0 07"                       // port 2000
                                 "01 00 00 00"                 // TLS on
                                 "8F 0C 0B 00  02 00 00 00"    // key at 143, 2 bytes
                                 "92 0C 0B 00"                 // key password at 146
                                 "95 0C 0B 00  02 00 00 00"    // server certificate at 149
                                 "8E 0C 0B 00  00 00 00 00"    // no root certificate: the zero byte
                                 "03 00 00 00  36 0C 0B 00"    // three known certificates at 54
                                 "98 0C 0B 00"                 // server password at 152
                                 "02 00 00 00  4E 0C 0B 00"    // two variables at 78
                                 // known certificates: "C1\nX" at 155, the empty one at the zero byte, "é" at 160
                                 "9B 0C 0B 00  04 00 00 00"
                                 "8E 0C 0B 00  00 00 00 00"
                                 "A0 0C 0B 00  02 00 00 00"
                                 // V1: float, position 10, bit 0, length 4, read only, 0.5, int to float, swap bytes
                                 "A3 0C 0B 00  06 00 00 00  0A 00 00 00  00 00 00 00"
                                 "04 00 00 00  01 00 00 00  00 00 00 3F  01 00  01 00"
                                 // unnamed digital: its name is the zero byte, length 1, factor 1.0, swap words
                                 "8E 0C 0B 00  02 00 00 00  14 00 00 00  03 00 00 00"
                                 "01 00 00 00  00 00 00 00  00 00 80 3F  00 00  02 00"
                                 "00"                          // the zero byte
                                 "4B 31 00  70 77 00  53 43 00  61 62 00"
                                 "43 31 0A 58 00  C3 A9 00  56 31 00"));
}

TEST(SaveBinccIEC61850, KnownCertificatesNeedTLSAndTheirFlag)
{
    for (const auto& [tls, known] : {std::pair{"0", "1"}, std::pair{"1", "0"}}) {
        SCOPED_TRACE(std::string("TLS ") + tls + ", known " + known);
        SaveBinccProject p;
        p.writeParGen({{"TLS_Server_Enable", tls}, {"TLS_Server_Enable_Known_Cert", known}, {"TLS_Server_Key", "KEY"},
                       {"TLS_Server_Root_Certificate", "-----BEGIN-----\nR\n-----END-----"}});
        p.writeKnownCerts({Certificate("Y", "C1"), Certificate("Y", "C2")});
        ASSERT_TRUE(p.build());
        const QByteArray s = Section_Of(p);
        EXPECT_EQ(U32(s, 34), 0u);
        EXPECT_EQ(U32(s, 38), 0xB0C36u);
        EXPECT_EQ(U32(s, 50), 0xB0C36u);      // variable table right after the header
        EXPECT_EQ(U32(s, 6), 0xB0C37u);       // key after the zero byte at 54
        EXPECT_EQ(U32(s, 10), 3u);
        EXPECT_EQ(U32(s, 18), 0xB0C36u);      // no server certificate
        EXPECT_EQ(U32(s, 26), 0xB0C3Bu);      // root certificate after "KEY\0"
        EXPECT_EQ(U32(s, 30), 31u);
        EXPECT_EQ(s.mid(54), QByteArray("\0KEY\0-----BEGIN-----\nR\n-----END-----\0", 1 + 4 + 32));
    }
}

TEST(SaveBinccIEC61850, TheTLSSwitchesAreWholeNumbers)
{
    // The editor ticks its TLS boxes for any text that reads as 1, so "01" must switch TLS on here too.
    struct Case {
        const char* tls;
        const char* known;
        std::uint32_t stored;   // header offset 2
        bool table;             // known-certificate table present
    };
    const Case cases[] = {
        {"1", "1", 1, true},    {"01", " 1 ", 1, true}, {"1", "true", 1, false}, {"2", "1", 2, false},
        {"on", "1", 0, false},  {"0", "1", 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("TLS \"") + c.tls + "\", known \"" + c.known + "\"");
        SaveBinccProject p;
        p.writeParGen({{"TLS_Server_Enable", c.tls}, {"TLS_Server_Enable_Known_Cert", c.known}});
        p.writeKnownCerts({Certificate("Y", "C")});
        ASSERT_TRUE(p.build());
        const QByteArray s = Section_Of(p);
        EXPECT_EQ(U32(s, 2), c.stored);
        EXPECT_EQ(U32(s, 34), c.table ? 1u : 0u);
        EXPECT_EQ(U32(s, 50), 0xB0C00u + 54 + (c.table ? 8 : 0));
        EXPECT_EQ(s.size(), c.table ? 54 + 8 + 1 + 2 : 55);
    }
}

TEST(SaveBinccIEC61850, PasswordsTakeRoomOnlyWhenGiven)
{
    SaveBinccProject p;
    p.writeParGen({{"TLS_Server_Key_Password", "0123456789"}, {"IEC61850_Server_Password", "\xC3\xBC"}});
    ASSERT_TRUE(p.build());
    const QByteArray s = Section_Of(p);
    EXPECT_EQ(U32(s, 14), 0xB0C37u);
    EXPECT_EQ(U32(s, 42), 0xB0C37u + 11);
    // The key password is UTF-8, the server password one byte per character.
    EXPECT_EQ(s.mid(54), QByteArray("\0" "0123456789\0" "\xFC\0", 1 + 11 + 2));

    SaveBinccProject q;
    q.writeParGen({{"TLS_Server_Key_Password", ""}, {"IEC61850_Server_Password", ""}});
    ASSERT_TRUE(q.build());
    EXPECT_EQ(U32(Section_Of(q), 14), 0u);
    EXPECT_EQ(U32(Section_Of(q), 42), 0u);
    EXPECT_EQ(Section_Of(q).size(), 55);
}

TEST(SaveBinccIEC61850, VariableFieldsFromTheirAttributes)
{
    struct Case {
        Attributes row;
        std::uint32_t type, length, readOnly;
        float factor;
        std::uint16_t operation, options;
    };
    const Case cases[] = {
        {Variable("a", "Int", "2", "None"), 4, 2, 0, 1.0f, 0, 0},
        {Variable("a", "Float", "4", "0.5"), 6, 4, 0, 0.5f, 0, 0},
        {Variable("a", " digital (bit) ", "4", "none"), 2, 1, 0, 1.0f, 0, 0},
        {Variable("a", "Something", "3", "abc"), 4, 3, 0, 1.0f, 0, 0},
        {Variable("a", "Int", "x", " 2,5 "), 4, 0, 0, 2.5f, 0, 0},
        {{{"Enable", "Y"}, {"Name", "a"}}, 4, 0, 0, 1.0f, 0, 0},   // every other attribute missing
        {{{"Enable", "Y"}, {"Name", "a"}, {"ReadOnly", " y "}, {"Conversion", " float to int "}, {"Swap", "Y"}, {"SwapWord", "Y"}},
         4, 0, 1, 1.0f, 2, 3},
        {{{"Enable", "Y"}, {"Name", "a"}, {"Conversion", "int to float"}, {"Swap", "y"}, {"SwapWord", " Y"}}, 4, 0, 0, 1.0f, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " length " << c.length << " factor " << c.factor);
        SaveBinccProject p;
        p.writeVariables({c.row});
        ASSERT_TRUE(p.build());
        const QByteArray v = Section_Of(p).mid(54, 32);
        EXPECT_EQ(U32(v, 0), 0xB0C00u + 54 + 32 + 1);
        EXPECT_EQ(U32(v, 4), c.type);
        EXPECT_EQ(U32(v, 16), c.length);
        EXPECT_EQ(U32(v, 20), c.readOnly);
        float factor = 0;
        const std::uint32_t bits = U32(v, 24);
        std::memcpy(&factor, &bits, 4);
        EXPECT_EQ(factor, c.factor);
        EXPECT_EQ(U16(v, 28), c.operation);
        EXPECT_EQ(U16(v, 30), c.options);
    }
}

TEST(SaveBinccIEC61850, NamesAreWrittenOneBytePerCharacter)
{
    SaveBinccProject p;
    p.writeVariables({Variable("T\xC3\xBCr", "Int", "2", "None"), Variable("", "Int", "2", "None"), Variable("B", "Int", "2", "None")});
    ASSERT_TRUE(p.build());
    const QByteArray s = Section_Of(p);
    const std::uint32_t zero = 0xB0C00 + 54 + 3 * 32;
    EXPECT_EQ(U32(s, 54), zero + 1);
    EXPECT_EQ(U32(s, 54 + 32), zero);        // the empty name is the zero byte
    EXPECT_EQ(U32(s, 54 + 64), zero + 5);
    EXPECT_EQ(s.mid(54 + 96), QByteArray("\0T\xFCr\0B\0", 7));
}

TEST(SaveBinccIEC61850, ASectionPastTheEndOfTheDeviceMemoryIsRefused)
{
    SaveBinccProject p;
    p.writeParGen({{"TLS_Server_Key", QString(524288 - Section - 54 - 1 - 1, QLatin1Char('k'))}});
    ASSERT_TRUE(p.build());   // exactly fills the image
    EXPECT_EQ(p.bank2().size(), 524288);

    p.writeParGen({{"TLS_Server_Key", QString(524288 - Section - 54 - 1, QLatin1Char('k'))}});
    QString error;
    EXPECT_FALSE(Compile_Bincc(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(Save_Bincc());
}

TEST(SaveBinccIEC61850, MalformedTableFilesStopTheCompile)
{
    for (const char* file : {"IEC61850_Variables.xml", "TLS_Known_Cert.xml"}) {
        SCOPED_TRACE(file);
        SaveBinccProject p;
        p.writeRaw(QLatin1String(file), "<root><row Enable=\"Y\" Name=\"a\"></root>");
        QString error;
        EXPECT_FALSE(p.build(&error));
        EXPECT_TRUE(error.contains(QLatin1String(file))) << error.toStdString();
        EXPECT_TRUE(QDir(p.bin()).isEmpty());
    }
}
