// The BACnet server object window driven as a user would: both tables, the row limits of the parameter
// file, the unit picker on the Eng. Unit column, the write table's default lengths and the file read back.
#include "core/ULanguage.h"
#include "grid/core/VxColumnGrid.h"
#include "tables/ip/TableWindowFixture.h"
#include "tables/ip/BACnetSlaveFile.h"
#include "tables/ip/UBACnetSlaveSetAccess.h"
#include "tables/ip/UBACnet_Eng_Unit.h"
#include "widgets/button/SbButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct BACnetSlaveWindow : ::testing::Test, TableProject {
    TFBACnet_Eng_Unit picker;
    TFBACnetSlaveSetAccess window;

    static void Type_Row(TVxColumnGrid& grid, int r, const QStringList& cells)
    {
        for (int c = 1; c <= cells.size(); ++c)
            grid.SetCells(c, r, cells[c - 1]);
    }
};

} // namespace

TEST_F(BACnetSlaveWindow, AFileRoundTripsWithItsMissingSwapAndSection)
{
    Put("BACnet_Slave_SetAccess.xml",
        File_Bytes(VX_TEST_DATA "/bacnet_slave_missing_swap_and_section/BACnet_Slave_SetAccess.xml"));
    const TModalResult result = Show_While(window, [&] {
        EXPECT_EQ(window.PageControl1->currentWidget(), window.TS_BACnet_in_Read);
        EXPECT_EQ(window.VCG_BACnet_in_Read->RowCount(), 2001);
        EXPECT_EQ(window.VCG_BACnet_in_Read->Cells(6, 1), "N");   // the hidden Swap column
        EXPECT_EQ(window.VCG_BACnet_in_Read->Cells(6, 2), "Y");
        EXPECT_EQ(window.VCG_BACnet_in_Read->ColCount(), 7);
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join('|').toStdString();
    EXPECT_EQ(File_Bytes(File_BACnet_Slave_SetAccess),
              File_Bytes(VX_TEST_DATA "/bacnet_slave_missing_swap_and_section/expected.xml"));
}

TEST_F(BACnetSlaveWindow, ThirtyTwoCharacterNamesHalveTheTablesAndTheRowsLeftOutAreNamed)
{
    Put("ParGen.xml", "<Par_Gen><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></Par_Gen>");
    QByteArray xml = "<BACnet_to_Modbus><BACnet_in_Read/><BACnet_in_Write>";
    for (int i = 1; i <= 1200; ++i)
        xml += R"(<row Data_Type="Octet String" Eng_Unit="95" Position="0" Bit="" Length="1" Swap="N" Mnemonic="W)" +
               QByteArray::number(i) + R"("/>)";
    xml += "</BACnet_in_Write></BACnet_to_Modbus>";
    Put("BACnet_Slave_SetAccess.xml", xml);
    boxes.answerNext({mrOk, mrNo});
    Show_While(window, [&] {
        EXPECT_TRUE(window.Desc_Lenght);
        EXPECT_EQ(window.VCG_BACnet_in_Write->RowCount(), 1001);
        EXPECT_EQ(window.VCG_BACnet_in_Write->Cells(7, 1000), "W1000");
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);   // asked before writing the shorter table: No
        EXPECT_TRUE(window.isVisible());
    });
    ASSERT_EQ(boxes.texts().size(), 2);
    EXPECT_TRUE(boxes.texts()[0].contains(" 200 rows")) << boxes.texts()[0].toStdString();
    EXPECT_EQ(File_Bytes(File_BACnet_Slave_SetAccess), xml);

    Put("ParGen.xml", "<Par_Gen><BACnet_Desc_Chars_Limit>0</BACnet_Desc_Chars_Limit></Par_Gen>");
    boxes.clear();
    Show_While(window, [&] {
        EXPECT_FALSE(window.Desc_Lenght);
        EXPECT_EQ(window.VCG_BACnet_in_Write->RowCount(), 2001);
        EXPECT_EQ(window.VCG_BACnet_in_Write->Cells(7, 1200), "W1200");
    });
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(BACnetSlaveWindow, OKShowsTheFirstErrorOfEitherTableAndWritesNothing)
{
    struct Case {
        QStringList read, write;
        QString message;
    };
    const Case cases[] = {
        {{"Analog Input", "62", "0", "", "9"}, {}, Lang(2332) + "1" + Lang(2335)},
        {{"Analog Input", "62", "0", "", "2"}, {"Analog Out", "abc", "0", "", "2"}, Lang(2332) + "1" + Lang(2347)},
        {{"Binary Value", "62", "1439", "", ""}, {}, Lang(2332) + "1" + Lang(2345)},
        // A type of no length rule with a length at the end of the int range: the end is past the data area.
        {{"Octet Text", "62", "10", "", "2147483647"}, {}, Lang(2332) + "1" + Lang(2346)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        boxes.clear();
        Show_While(window, [&] {
            Type_Row(*window.VCG_BACnet_in_Read, 1, c.read);
            Type_Row(*window.VCG_BACnet_in_Write, 1, c.write);
            QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
            EXPECT_TRUE(window.isVisible());
        });
        EXPECT_EQ(boxes.texts(), QStringList{c.message});
        EXPECT_FALSE(QFile::exists(File_BACnet_Slave_SetAccess));
    }
}

TEST_F(BACnetSlaveWindow, TheUnitPickerOpensOnDataRowsOfTheEngUnitColumnOnly)
{
    int shown = 0;
    Show_While(window, [&] {
        TVxColumnGrid& read = *window.VCG_BACnet_in_Read;
        read.SetCells(2, 1, "abc");
        {
            DialogDriver cancel(picker, [&] {
                EXPECT_EQ(picker.Label5->text(), "-> unknown");
                picker.SetModalResult(mrCancel);
            });
            Double_Click(read, 2, 1);
            Double_Click(read, 2, 0);   // the header: no picker, its text stays
            Double_Click(read, 3, 1);
            shown += cancel.Shown;
        }
        EXPECT_EQ(read.Cells(2, 1), "abc");
        EXPECT_EQ(read.Cells(2, 0), Lang(2318));

        window.PageControl1->setCurrentWidget(window.TS_BACnet_in_Write);
        TVxColumnGrid& write = *window.VCG_BACnet_in_Write;
        write.SetCells(2, 4, "62");
        DialogDriver pick(picker, [&] {
            EXPECT_EQ(picker.Label5->text(), "-> degrees-Celsius");
            picker.E_Selected_EU->setText("9999");
            QTest::mouseClick(picker.Btn_OK, Qt::LeftButton);
        });
        Double_Click(write, 2, 4);
        shown += pick.Shown;
        EXPECT_EQ(write.Cells(2, 4), "9999");
    });
    EXPECT_EQ(shown, 2);
}

TEST_F(BACnetSlaveWindow, RowButtonsWorkOnTheActivePageWithItsOwnCopy)
{
    Show_While(window, [&] {
        TVxColumnGrid& read = *window.VCG_BACnet_in_Read;
        TVxColumnGrid& write = *window.VCG_BACnet_in_Write;
        Type_Row(read, 1, {"Analog Input", "62", "0", "", "2", "Y", "Room"});
        Type_Row(read, 2, {"Binary Input", "95", "4", "3", "", "N", "Door"});
        read.SetRow(1);
        QTest::mouseClick(window.Btn_CopyRow, Qt::LeftButton);
        read.SetRow(3);
        QTest::mouseClick(window.Btn_PasteRow, Qt::LeftButton);
        EXPECT_EQ(read.Cells(6, 3), "Y");   // the hidden Swap travels with the row
        EXPECT_EQ(read.Cells(7, 3), "Room");

        window.PageControl1->setCurrentWidget(window.TS_BACnet_in_Write);
        write.SetRow(1);
        QTest::mouseClick(window.Btn_PasteRow, Qt::LeftButton);   // copied on the other page
        EXPECT_EQ(write.Cells(1, 1), "");
        Type_Row(write, 1, {"Analog Out", "62", "0", "", "2", "N", "Out"});
        QTest::mouseClick(window.Btn_InsRow, Qt::LeftButton);   // no enable column: an empty row
        EXPECT_EQ(write.Cells(1, 1), "");
        EXPECT_EQ(write.Cells(7, 2), "Out");

        window.PageControl1->setCurrentWidget(window.TS_BACnet_in_Read);
        read.SetRow(1);
        boxes.answerNext({mrYes});
        QTest::mouseClick(window.Btn_DelRow, Qt::LeftButton);
        EXPECT_EQ(read.Cells(7, 1), "Door");
    });
    EXPECT_EQ(boxes.texts(), (QStringList{Lang(1102), Lang(2360) + "1"}));
}

// Picking a write type in its list, by the mouse or by keys, did not fill its length.
TEST_F(BACnetSlaveWindow, ChoosingAWriteTypeSetsItsLength)
{
    Show_While(window, [&] {
        window.PageControl1->setCurrentWidget(window.TS_BACnet_in_Write);
        TVxColumnGrid& write = *window.VCG_BACnet_in_Write;
        write.SetCells(5, 1, "2");
        Click_Cell(write, 1, 1);
        TGridCombo* combo = Open_Combo(write);
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(write.Cells(5, 1), "4");   // the first type shown is reported as chosen
        QTest::keyClick(combo, Qt::Key_Escape);

        ASSERT_EQ(Open_Combo(write), combo);
        Press_Arrow(combo);
        ASSERT_TRUE(combo->view()->isVisible());
        Click_List_Item(combo, BACnet_Write_Types.indexOf("Large Analog Value"));
        EXPECT_EQ(write.Cells(1, 1), "Large Analog Value");
        EXPECT_EQ(write.Cells(5, 1), "8");

        ASSERT_EQ(Drop_List(write), combo);
        for (int i = 0; i < 2; ++i)
            QTest::keyClick(combo->view(), Qt::Key_Up);   // Binary Value
        QTest::keyClick(combo->view(), Qt::Key_Return);
        QCoreApplication::processEvents();
        EXPECT_EQ(write.Cells(1, 1), "Binary Value");
        EXPECT_EQ(write.Cells(5, 1), "1");

        // The read table has no such default.
        window.PageControl1->setCurrentWidget(window.TS_BACnet_in_Read);
        TVxColumnGrid& read = *window.VCG_BACnet_in_Read;
        read.SetCells(5, 1, "2");
        Click_Cell(read, 1, 1);
        TGridCombo* readCombo = Drop_List(read);
        ASSERT_NE(readCombo, nullptr);
        QTest::keyClick(readCombo->view(), Qt::Key_Return);
        QCoreApplication::processEvents();
        EXPECT_EQ(read.Cells(1, 1), "Analog Input");
        EXPECT_EQ(read.Cells(5, 1), "2");
        EXPECT_EQ(read.Columns().Items(3)->ComboItems().size(), 1440);
    });
}

// The row buttons stayed where they were when the window grew.
TEST_F(BACnetSlaveWindow, TheRowButtonsFollowTheRightEdgeWhenTheWindowGrows)
{
    Show_While(window, [&] {
        const int gap = window.P_Button->width() - window.Btn_PasteRow->geometry().right();
        const int okLeft = window.Btn_OK->x();
        window.resize(window.width() + 200, window.height() + 100);
        QApplication::processEvents();
        EXPECT_EQ(window.P_Button->width(), window.width());
        EXPECT_EQ(window.P_Button->width() - window.Btn_PasteRow->geometry().right(), gap);
        EXPECT_EQ(window.Btn_PasteRow->x() - window.Btn_CopyRow->x(), 115);
        EXPECT_EQ(window.Btn_DelRow->y(), window.Btn_OK->y());
        EXPECT_EQ(window.Btn_OK->x(), okLeft);
        EXPECT_EQ(window.P_Button->y() + window.P_Button->height(), window.height());
    });
}
