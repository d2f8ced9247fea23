// The DeviceNet offsets: slaves from the network file, their blocks from the offsets file by place, the
// repeated output position and the file written back; the window's slave switching.
#include "core/ULanguage.h"
#include "grid/core/VxColumnGrid.h"
#include "support/QStringPrinter.h"
#include "tables/fieldbus/DefOffset.h"
#include "tables/fieldbus/UDefOffset.h"
#include "tables/ip/TableWindowFixture.h"
#include "widgets/button/SbButton.h"

#include <QFile>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

const QString kDir = VX_TEST_DATA "/dnet_offsets_cut_to_slaves/";

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
    EXPECT_EQ(Offset_File_XML(load.Slaves), File_Bytes(kDir + "expected.xml"));
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

namespace {

struct DefOffsetWindow : ::testing::Test, TableProject {
    TFDefOffset window;

    static QStringList Bytes_Shown(TVxColumnGrid& grid)
    {
        QStringList cells;
        for (int r = 1; r < grid.RowCount(); ++r)
            cells << grid.Cells(0, r) + '|' + grid.Cells(1, r) + '|' + grid.Cells(2, r);
        return cells;
    }
    void Show_Page(int index)
    {
        QTabBar* tabs = window.PageControl1->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
        ASSERT_EQ(window.PageControl1->currentIndex(), index);
    }
    // Picks the list's entry `item` ("None" is 0, position p is p + 1) in the offset cell of `row`.
    static void Pick_Offset(TVxColumnGrid& grid, int row, int item)
    {
        Click_Cell(grid, 1, row);
        TGridCombo* combo = Drop_List(grid);
        ASSERT_NE(combo, nullptr);
        Click_List_Item(combo, item);
    }
};

} // namespace

TEST_F(DefOffsetWindow, SwitchingSlavesKeepsTheEditsAndARepeatedOutputPositionIsRefused)
{
    const QString dir = VX_TEST_DATA "/dnet_offsets_window/";
    Put("DNETM_Net.xml", File_Bytes(dir + "DNETM_Net.xml"));
    const QByteArray offsets = File_Bytes(dir + "DNETM_DefOff.xml");
    Put("DNETM_DefOff.xml", offsets);
    const TModalResult result = Show_While(window, [&] {
        TVxColumnGrid& slaves = *window.VCG_DN_Slaves;
        TVxColumnGrid& in = *window.VCG_ByteIN;
        TVxColumnGrid& out = *window.VCG_ByteOUT;
        ASSERT_EQ(slaves.RowCount(), 3);
        EXPECT_EQ(slaves.Cells(3, 2), "pump");
        // A position past the data area in the file is shown as no position.
        EXPECT_EQ(Bytes_Shown(in), QStringList{"0|None|hand-edited"});
        EXPECT_EQ(Bytes_Shown(out), (QStringList{"0|3|open", "1|None|close"}));

        Click_Cell(slaves, 1, 2);
        EXPECT_EQ(in.RowCount(), 1);   // no input byte: the header alone
        Show_Page(1);
        Pick_Offset(out, 1, 4);        // position 3, already slave 5's byte 0
        Type_Cell(out, 2, 1, "speed");
        Click_Cell(slaves, 1, 1);
        EXPECT_EQ(Bytes_Shown(out), (QStringList{"0|3|open", "1|None|close"}));
        Click_Cell(slaves, 1, 2);
        EXPECT_EQ(Bytes_Shown(out), QStringList{"0|3|speed"});

        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(boxes.texts(), QStringList{Lang(3121) + "\n\r( " + Lang(3122) + "5" + Lang(3123) + "0" + Lang(3124) +
                                             "6" + Lang(3125) + "0)"});
        EXPECT_EQ(File_Bytes(File_DNETM_DefOff), offsets);

        Pick_Offset(out, 1, 5);
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
    });
    EXPECT_EQ(result, mrOk) << boxes.texts().join('|').toStdString();
    EXPECT_EQ(File_Bytes(File_DNETM_DefOff), File_Bytes(dir + "expected.xml"));
}

TEST_F(DefOffsetWindow, WithoutSlavesOKWritesTheRootAloneAndAFailedSaveKeepsTheWindowOpen)
{
    const QString inside = File_DNETM_DefOff;
    File_DNETM_DefOff = folder.path() + "/outside.xml";   // not inside the project folder
    Show_While(window, [&] {
        EXPECT_EQ(window.VCG_DN_Slaves->RowCount(), 1);
        EXPECT_EQ(window.VCG_ByteOUT->RowCount(), 1);
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(boxes.texts().size(), 1);
        File_DNETM_DefOff = inside;
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
        EXPECT_FALSE(window.isVisible());
    });
    EXPECT_FALSE(QFile::exists(folder.path() + "/outside.xml"));
    EXPECT_EQ(File_Bytes(inside), "<Define_Offset/><!--SW_VERSION = 1.000-->");
}
