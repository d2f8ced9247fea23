#include "SaveBinccFixture.h"
#include "core/USaveBincc.h"
#include "core/USaveBinccImage.h"
#include "core/USaveBinccParams.h"
#include <QDir>
#include <gtest/gtest.h>

namespace {

void Set(QByteArray& image, int at, const QByteArray& bytes)
{
    image.replace(at, bytes.size(), bytes);
}

// The image of a project without ParGen.xml, worked out by hand.
QByteArray Reset_Image()
{
    QByteArray img(2048, '\0');
    Set(img, 0, Hex("90 D0 03 00  90 D0 03 00  00 00 00 00  80 25 00 00"));   // 250000, 250000, 0, 9600
    Set(img, 40, Hex("C0 A8 02 CD  FF FF FF 00  FF FF FF FF  10 27 11 27 11 27"));
    Set(img, 248, Hex("00 04 0A 00"));                                          // object table 0xA0400
    Set(img, 436, Hex("08 08 08 08 08 08 08 08"));
    Set(img, 1512, Hex("00 0C 0B 00"));                                         // IEC 61850 section 0xB0C00
    Set(img, 2044, Hex("A7 0D 00 00"));                                         // byte sum 3495
    return img;
}

QByteArray Build_Bank1(const Elements& pargen)
{
    SaveBinccProject p;
    p.writeParGen(pargen);
    QString error;
    EXPECT_TRUE(p.build(&error)) << error.toStdString();
    return p.bank1();
}

} // namespace

TEST(SaveBinccParams, WithoutParGenTheImageHoldsTheResetValues)
{
    SaveBinccProject p;
    ASSERT_TRUE(p.build());
    EXPECT_EQ(FirstDifference(p.bank1(), Reset_Image()), -1);
}

TEST(SaveBinccParams, AnEmptyRootGivesTheReaderDefaultsNotTheResetValues)
{
    QByteArray expected = Reset_Image();
    Set(expected, 40, Hex("C0 A8 00 05  FF FF FF 00  FF FF FF FF"));   // BACnet/IP 192.168.0.5, gateway off
    Set(expected, 58, Hex("C0 BA"));                                    // port 47808
    Set(expected, 64, Hex("E8 03 00 00"));                              // NTP poll 1000
    Set(expected, 80, QByteArray("devicename1"));
    Set(expected, 308, Hex("01 00 00 00"));                             // device identifier 1
    Set(expected, 388, Hex("C0 A8 00 0A  FF FF FF 00  FF FF FF FF"));   // IEC 61850 192.168.0.10, gateway off
    Set(expected, 1420, Hex("FF FF FF FF"));                            // DNS off
    Set(expected, 2044, Hex("EC 1F 00 00"));                            // byte sum 8172
    EXPECT_EQ(FirstDifference(Build_Bank1({}), expected), -1);
}

// A declaration or a comment before the root once read as a file without elements: images of defaults.
TEST(SaveBinccParams, ValuesBehindADeclarationAndCommentsAreRead)
{
    SaveBinccProject p;
    p.writeRaw(QStringLiteral("ParGen.xml"), "<?xml version=\"1.0\"?>\n<!-- edited by hand -->\n"
                                             "<Par_Gen><BACnet_Type>1</BACnet_Type><BACnet_Ser_ID>9</BACnet_Ser_ID></Par_Gen>");
    ASSERT_TRUE(p.build());
    EXPECT_EQ(U8(p.bank1(), 256), 9u);   // the MS/TP MAC address
}

TEST(SaveBinccParams, BACnetIPFields)
{
    const QByteArray b = Build_Bank1({
        {"IEC61850_Server_IP1", "10"}, {"IEC61850_Server_IP2", "1"}, {"IEC61850_Server_IP3", "2"}, {"IEC61850_Server_IP4", "3"},
        {"IEC61850_Server_SM1", "255"}, {"IEC61850_Server_SM2", "255"}, {"IEC61850_Server_SM3", "0"}, {"IEC61850_Server_SM4", "0"},
        {"IEC61850_Server_GAT1", "10"}, {"IEC61850_Server_GAT2", "1"}, {"IEC61850_Server_GAT3", "0"}, {"IEC61850_Server_GAT4", "1"},
        {"IEC61850_Server_EN_GAT", "1"},
        {"IEC61850_Server_DNS1", "8"}, {"IEC61850_Server_DNS2", "8"}, {"IEC61850_Server_DNS3", "4"}, {"IEC61850_Server_DNS4", "4"},
        {"IEC61850_Server_EN_DNS", "1"},
        {"BACnet_Type", "0"},
        {"BACnet_IP1", "172"}, {"BACnet_IP2", "16"}, {"BACnet_IP3", "0"}, {"BACnet_IP4", "300"},
        {"BACnet_SM1", "255"}, {"BACnet_SM2", "255"}, {"BACnet_SM3", "255"}, {"BACnet_SM4", "128"},
        {"BACnet_GAT1", "172"}, {"BACnet_GAT2", "16"}, {"BACnet_GAT3", "0"}, {"BACnet_GAT4", "1"},
        {"BACnet_EN_GAT", "0"},
        {"BACnet_PORT", "47809"},
        {"BACnet_NAME_STA", "ABCDEFGHIJKLMNOPQRST"},
        {"BACnet_DEV_IDE", "70000"},
        {"BACnet_Ser_Baudrate", "2"}, {"BACnet_Ser_ID", "9"},   // MS/TP values are not read for BACnet/IP
        {"NTP_Server_URL", "pool.ntp.org"}, {"NTP_Poll_Time", "3600"},
    });
    ASSERT_EQ(b.size(), 2048);
    EXPECT_EQ(b.mid(40, 12), Hex("AC 10 00 2C  FF FF FF 80  FF FF FF FF"));   // 300 keeps its low byte 44
    EXPECT_EQ(U16(b, 58), 47809u);
    EXPECT_EQ(U32(b, 60), 0xA0000u);
    EXPECT_EQ(U32(b, 64), 3600u);
    EXPECT_EQ(b.mid(80, 16), QByteArray("ABCDEFGHIJKLMNOP"));
    EXPECT_EQ(U32(b, 308), 70000u);
    EXPECT_EQ(b.mid(388, 12), Hex("0A 01 02 03  FF FF 00 00  0A 01 00 01"));
    EXPECT_EQ(b.mid(1420, 4), Hex("08 08 04 04"));
    EXPECT_EQ(b.mid(256, 3), Hex("00 00 00"));
    EXPECT_EQ(U32(b, 400), 0u);
}

TEST(SaveBinccParams, MSTPFields)
{
    const QByteArray b = Build_Bank1({
        {"IEC61850_Server_IP1", "10"}, {"IEC61850_Server_IP2", "1"}, {"IEC61850_Server_IP3", "2"}, {"IEC61850_Server_IP4", "3"},
        {"IEC61850_Server_EN_GAT", "0"},
        {"BACnet_Type", "1"},
        {"BACnet_IP1", "172"}, {"BACnet_PORT", "47809"}, {"BACnet_DEV_IDE", "5"},   // BACnet/IP values are not read
        {"BACnet_Ser_Baudrate", "5"},
        {"BACnet_Ser_Parity", "2"},
        {"BACnet_Ser_ID", "12"},
        {"BACnet_Ser_Max_Master", "127"},
        {"BACnet_Ser_Max_Info_Frames", "3"},
        {"BACnet_Ser_DEV_IDE", "123456"},
        {"BACnet_Ser_Network", "70000"},
        {"BACnet_Ser_NAME_STA", "mstp-1"},
    });
    ASSERT_EQ(b.size(), 2048);
    EXPECT_EQ(b.mid(40, 12), Hex("0A 01 02 03  FF FF FF 00  FF FF FF FF"));   // the IEC 61850 server
    EXPECT_EQ(b.mid(388, 12), QByteArray(12, '\0'));
    EXPECT_EQ(U16(b, 58), 0u);
    EXPECT_EQ(U32(b, 308), 0u);
    EXPECT_EQ(b.mid(80, 16), QByteArray("mstp-1").leftJustified(16, '\0'));
    EXPECT_EQ(b.mid(256, 3), Hex("0C 7F 03"));
    EXPECT_EQ(U16(b, 270), 70000u & 0xFFFF);
    EXPECT_EQ(U32(b, 300), 123456u);
    EXPECT_EQ(b.mid(400, 4), Hex("00 C2 01 00"));   // 115200
    EXPECT_EQ(b.mid(412, 4), Hex("00 C2 01 00"));
    EXPECT_EQ(U8(b, 424), 2u);
    EXPECT_EQ(U8(b, 427), 2u);
}

TEST(SaveBinccParams, MissingMSTPAndDNSElementsTakeTheCompilersOwnDefaults)
{
    // Not the editor's: its DNS server is 8.8.8.8, its baud rate 57600 and its device instance 1.
    const QByteArray b = Build_Bank1({{"BACnet_Type", "1"}, {"IEC61850_Server_EN_DNS", "1"}});
    EXPECT_EQ(b.mid(40, 12), Hex("C0 A8 00 0A  FF FF FF 00  FF FF FF FF"));
    EXPECT_EQ(b.mid(80, 16), QByteArray("devicename1").leftJustified(16, '\0'));
    EXPECT_EQ(b.mid(256, 3), Hex("00 01 01"));      // MAC 0, max master 1, max info frames 1
    EXPECT_EQ(U16(b, 270), 1u);                     // network
    EXPECT_EQ(U32(b, 300), 0u);                     // device instance
    EXPECT_EQ(U32(b, 400), 115200u);
    EXPECT_EQ(U8(b, 424), 0u);
    EXPECT_EQ(b.mid(1420, 4), Hex("C0 A8 00 01"));
}

TEST(SaveBinccParams, MSTPBaudRateAndParityCodes)
{
    struct Case {
        const char* baud;     // nullptr: element missing
        const char* parity;
        std::uint32_t rate;
        std::uint32_t code;
    };
    const Case cases[] = {
        {"0", "0", 9600, 0},   {"1", "1", 19200, 1}, {"2", "2", 38400, 2},   // odd and even stay apart
        {"3", nullptr, 57600, 0}, {"4", "x", 76800, 0}, {"5", "0", 115200, 0},
        {"6", "0", 9600, 0},   {"-1", "0", 9600, 0}, {nullptr, "0", 115200, 0}, {"fast", "0", 115200, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.baud ? c.baud : "(missing)") + " / " + (c.parity ? c.parity : "(missing)"));
        Elements e = {{"BACnet_Type", "1"}};
        if (c.baud)
            e.emplace_back("BACnet_Ser_Baudrate", c.baud);
        if (c.parity)
            e.emplace_back("BACnet_Ser_Parity", c.parity);
        const QByteArray b = Build_Bank1(e);
        EXPECT_EQ(U32(b, 400), c.rate);
        EXPECT_EQ(U32(b, 412), c.rate);
        EXPECT_EQ(U8(b, 424), c.code);
        EXPECT_EQ(U8(b, 427), c.code);
    }
}

TEST(SaveBinccParams, OlderElementNamesStandInForMissingOnes)
{
    const QByteArray b = Build_Bank1({
        {"Ethernet_IP1", "10"}, {"Ethernet_IP2", "20"}, {"Ethernet_IP3", "30"}, {"Ethernet_IP4", "40"},
        {"IEC61850_Server_IP4", "41"},   // the new name wins where both are there
        {"Ethernet_SM1", "255"}, {"Ethernet_SM2", "0"}, {"Ethernet_SM3", "0"}, {"Ethernet_SM4", "0"},
        {"Ethernet_GAT1", "10"}, {"Ethernet_GAT2", "20"}, {"Ethernet_GAT3", "30"}, {"Ethernet_GAT4", "1"},
        {"Ethernet_EN_GAT", "1"},
        {"Ethernet_DNS1", "1"}, {"Ethernet_EN_DNS", "1"},   // the DNS server has no older name
    });
    EXPECT_EQ(b.mid(388, 12), Hex("0A 14 1E 29  FF 00 00 00  0A 14 1E 01"));
    EXPECT_EQ(b.mid(1420, 4), Hex("FF FF FF FF"));
}

TEST(SaveBinccParams, AnotherBACnetTypeReadsNoBACnetElements)
{
    const QByteArray b = Build_Bank1({{"BACnet_Type", "2"}, {"BACnet_IP1", "1"}, {"BACnet_NAME_STA", "x"}, {"BACnet_Ser_ID", "4"}});
    const QByteArray reset = Reset_Image();
    EXPECT_EQ(b.mid(40, 12), reset.mid(40, 12));
    EXPECT_EQ(U16(b, 58), 0u);
    EXPECT_EQ(b.mid(80, 16), QByteArray(16, '\0'));
    EXPECT_EQ(U8(b, 256), 0u);
    EXPECT_EQ(b.mid(388, 4), Hex("C0 A8 00 0A"));
}

TEST(SaveBinccParams, UnreadableNumbersAndFlagsFallBackToTheirDefaults)
{
    const QByteArray b = Build_Bank1({
        {"BACnet_Type", "IP"},              // not a number: BACnet/IP
        {"BACnet_PORT", "abc"}, {"BACnet_DEV_IDE", ""}, {"BACnet_IP1", " 10 "},
        {"BACnet_EN_GAT", " 1"},            // only the exact "1" is on
        {"IEC61850_Server_EN_DNS", "true"},
        {"NTP_Poll_Time", "1.5"},
        {"BACnet_NAME_STA", ""},            // present but empty: no name
    });
    EXPECT_EQ(U16(b, 58), 47808u);
    EXPECT_EQ(U32(b, 308), 1u);
    EXPECT_EQ(U8(b, 40), 10u);
    EXPECT_EQ(b.mid(48, 4), Hex("FF FF FF FF"));
    EXPECT_EQ(b.mid(1420, 4), Hex("FF FF FF FF"));
    EXPECT_EQ(U32(b, 64), 1000u);
    EXPECT_EQ(b.mid(80, 16), QByteArray(16, '\0'));
}

TEST(SaveBinccParams, TheByteSumFollowsEveryByte)
{
    const QByteArray one = Build_Bank1({{"BACnet_DEV_IDE", "1"}});
    const QByteArray two = Build_Bank1({{"BACnet_DEV_IDE", "2"}});
    EXPECT_EQ(FirstDifference(one, two), 308);
    EXPECT_EQ(U32(two, 2044), U32(one, 2044) + 1);
    EXPECT_EQ(U32(one, 2044), 8172u);   // the empty-root image with the same identifier
}

TEST(SaveBinccParams, TheByteSumIsThirtyTwoBitsOverTheFirst2044Bytes)
{
    TBinImage block(2048);
    block.Put_Bytes(0, QByteArray(2048, '\xFF'));
    EXPECT_EQ(Copy_Parameter_Block(block).mid(2044), Hex("04 F4 07 00"));   // 2044 x 255 = 521220
    block.Put_U8(2043, 0xFE);
    EXPECT_EQ(Copy_Parameter_Block(block).mid(2044), Hex("03 F4 07 00"));
}

TEST(SaveBinccParams, AMalformedParGenStopsTheCompileAndWritesNoImage)
{
    SaveBinccProject p;
    p.writeRaw(QStringLiteral("ParGen.xml"), "<Par_Gen><BACnet_Type>1</BACnet_Type>");
    QString error;
    EXPECT_FALSE(Compile_Bincc(&error));
    EXPECT_TRUE(error.contains(QStringLiteral("ParGen.xml"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("not well-formed"))) << error.toStdString();
    EXPECT_FALSE(Save_Bincc(&error));
    EXPECT_TRUE(QDir(p.bin()).isEmpty());
}
