// The DeviceNet offsets: slaves from the network file, their blocks from the offsets file by place, the
// repeated output position and the file written back.
#include "core/ULanguage.h"
#include "support/QStringPrinter.h"
#include "tables/fieldbus/DefOffset.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString kDir = VX_TEST_DATA "/dnet_offsets_cut_to_slaves/";

QByteArray Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

TEST(DefOffset, BlocksGoToTheSlavesByPlaceCutToTheirByteCounts)
{
    TSlaves_DN_Load load = Load_Slave_DN(kDir + "DNETM_Net.xml");
    ASSERT_TRUE(load.Error.isEmpty()) << load.Error.toStdString();
    ASSERT_EQ(load.Slaves.size(), 3u);
    EXPECT_EQ(load.Rows[0], (QStringList{"07", "2", "1", "first"}));
    EXPECT_EQ(Load_Offset_Slave_DN(kDir + "DNETM_DefOff.xml", load.Slaves), "");
    const TSlave_DN& first = load.Slaves[0];
    EXPECT_EQ(first.ID, 7);
    EXPECT_EQ(first.SL_ByteIN, (QStringList{"0", "None"}));   // 1440 is past the data area
    EXPECT_EQ(first.SL_ByteIN_M, (QStringList{"a", "b"}));
    EXPECT_EQ(first.SL_ByteOUT, (QStringList{"10"}));         // the block's second output byte is dropped
    EXPECT_EQ(load.Slaves[1].SL_ByteOUT, (QStringList{"None", "11", "None"}));   // grown: new bytes "None"
    EXPECT_EQ(load.Slaves[2].SL_ByteIN, (QStringList{"None"}));   // beyond the blocks
    EXPECT_EQ(Check_Data(load.Slaves), "");
    EXPECT_EQ(Offset_File_XML(load.Slaves), Bytes(kDir + "expected.xml"));
}

TEST(DefOffset, AnOutputPositionUsedTwiceNamesBothSlavesAndBytes)
{
    std::vector<TSlave_DN> slaves(2);
    slaves[0].ID = 4;
    slaves[0].ByteOUT = 2;
    slaves[0].SL_ByteOUT = {"None", "10"};
    slaves[1].ID = 9;
    slaves[1].ByteIN = 1;
    slaves[1].SL_ByteIN = {"10"};   // inputs may share a position
    slaves[1].ByteOUT = 3;
    slaves[1].SL_ByteOUT = {"0", "1440", "10"};
    EXPECT_EQ(Check_Data(slaves), Lang(3121) + "\n\r( " + Lang(3122) + "4" + Lang(3123) + "1" + Lang(3124) + "9" +
                                      Lang(3125) + "2)");
    slaves[1].SL_ByteOUT[2] = "None";
    EXPECT_EQ(Check_Data(slaves), "");
    slaves[0].SL_ByteOUT[0] = "0";   // position 0 is a real position
    EXPECT_NE(Check_Data(slaves), "");
}

TEST(DefOffset, ASlaveWithoutAByteCountEndsTheList)
{
    const TSlaves_DN_Load load = Load_Slave_DN(VX_TEST_DATA "/dnet_net_missing_attribute/DNETM_Net.xml");
    EXPECT_EQ(load.Slaves.size(), 1u);
    EXPECT_FALSE(load.Error.isEmpty());
}

TEST(DefOffset, NoFilesGiveNoSlavesAndEveryByteNone)
{
    TSlaves_DN_Load load = Load_Slave_DN(kDir + "none.xml");
    EXPECT_TRUE(load.Slaves.empty());
    EXPECT_TRUE(load.Error.isEmpty());
    load = Load_Slave_DN(kDir + "DNETM_Net.xml");
    EXPECT_EQ(Load_Offset_Slave_DN(kDir + "none.xml", load.Slaves), "");
    EXPECT_EQ(load.Slaves[1].SL_ByteOUT, (QStringList{"None", "None", "None"}));
    EXPECT_EQ(Offset_File_XML({}), "<Define_Offset/><!--SW_VERSION = 1.000-->");
}
