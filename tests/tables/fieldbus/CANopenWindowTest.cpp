// The CANopen editors' windows driven as a user would, and their files read by the EDS writer.
#include "core/ProjectFile.h"
#include "core/ULanguage.h"
#include "descfiles/DescText.h"
#include "descfiles/UEds.h"
#include "grid/core/VxColumnGrid.h"
#include "support/QStringPrinter.h"
#include "tables/fieldbus/PDOTable.h"
#include "tables/fieldbus/SDOServerTable.h"
#include "tables/fieldbus/USet_PDO_Access.h"
#include "tables/fieldbus/USet_SDO_Server_Access.h"
#include "tables/ip/TableWindowFixture.h"
#include "widgets/button/SbButton.h"

#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

void Click_Tab(QTabWidget& tabs, int index)
{
    QTabBar* bar = tabs.tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    ASSERT_EQ(tabs.currentIndex(), index);
}

struct PDOWindow : ::testing::Test, TableProject {
    TFSet_PDO_Access window;
};

} // namespace

TEST_F(PDOWindow, RowsTypedOnBothTabsAreCheckedThenWritten)
{
    EXPECT_EQ(window.windowTitle(), Lang(2700));
    const TModalResult result = Show_While(window, [&] {
        EXPECT_EQ(window.PageControl1->tabText(1), Lang(2715));
        EXPECT_EQ(window.sgb->Columns().Items(12)->Header(), Lang(2741));
        EXPECT_EQ(window.Hint_Lists[1].value(11), Lang(2766));
        EXPECT_EQ(window.sga->RowCount(), 31);
        EXPECT_EQ(window.sgb->Cells(0, 30), "30");
        EXPECT_EQ(window.sgb->Cells(12, 1), "");   // no check-box default in a new row
        const std::pair<int, QString> receive[] = {{1, "0x181"}, {2, "1"}, {3, "7"}, {11, "250"}, {12, "Speed"}};
        for (const auto& [column, text] : receive)
            Type_Cell(*window.sga, column, 1, text);
        Click_Tab(*window.PageControl1, 1);
        const std::pair<int, QString> transmit[] = {{1, "0x201"}, {2, "2"}, {3, "8"}, {11, "100"}, {13, "Set"}};
        for (const auto& [column, text] : transmit)
            Type_Cell(*window.sgb, column, 1, text);
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(boxes.texts(), QStringList{Lang(2768) + "1" + Lang(2783) + "1437"});
        EXPECT_FALSE(QFile::exists(File_PDO_CANopen));
        Type_Cell(*window.sgb, 4, 1, "9");
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(File_Bytes(File_PDO_CANopen),
              R"(<PDO_CANopen><Receive_PDO><row COB-ID="0x181" Dimension="1" Address_B1="7" Address_B2="" )"
              R"(Address_B3="" Address_B4="" Address_B5="" Address_B6="" Address_B7="" Address_B8="" TimeOut="250" )"
              R"(Mnemonic="Speed"/></Receive_PDO><Transmit_PDO><row COB-ID="0x201" Dimension="2" Address_B1="8" )"
              R"(Address_B2="9" Address_B3="" Address_B4="" Address_B5="" Address_B6="" Address_B7="" Address_B8="" )"
              R"(Send_Time="100" On_Change="" Mnemonic="Set"/></Transmit_PDO></PDO_CANopen><!--SW_VERSION = 1.000-->)");
}

TEST_F(PDOWindow, ARowCopiedOnOneTabIsNotPastedOnTheOther)
{
    Show_While(window, [&] {
        window.sga->SetCells(1, 1, "1");
        window.sga->SetRow(1);
        QTest::mouseClick(window.Btn_CopyRow, Qt::LeftButton);
        Click_Tab(*window.PageControl1, 1);
        window.sgb->SetRow(2);
        QTest::mouseClick(window.Btn_PasteRow, Qt::LeftButton);
        EXPECT_EQ(boxes.texts(), QStringList{Lang(1102)});
        EXPECT_EQ(window.sgb->Cells(1, 2), "");
        Click_Tab(*window.PageControl1, 0);
        window.sga->SetRow(2);
        QTest::mouseClick(window.Btn_PasteRow, Qt::LeftButton);
        EXPECT_EQ(window.sga->Cells(1, 2), "1");
    });
}

namespace {
struct SDOServerWindow : ::testing::Test, TableProject {
    TFSet_SDO_Server_Access window;
};
} // namespace

TEST_F(SDOServerWindow, AFileWithoutItsWriteSectionIsSaidAtLoadAndNotOverwrittenUnasked)
{
    const QByteArray xml = R"(<SDO_Server_CANopen><SDO_Read><row Index="0x2000" SubIndex="1" NByte="1" Address_B1="0" )"
                           R"(Address_B2="" Address_B3="" Address_B4="" Mnemonic="a"/></SDO_Read></SDO_Server_CANopen>)";
    Put("SDO_Server_CANopen.xml", xml);
    const TModalResult result = Show_While(window, [&] {
        EXPECT_EQ(boxes.texts(), QStringList{Missing_Element_Message(File_SDO_Server_CANopen, "SDO_Write")});
        EXPECT_EQ(window.sga->Cells(8, 1), "a");
        EXPECT_EQ(window.sga->RowCount(), 501);
        boxes.clear();
        boxes.answerNext({mrNo});
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(boxes.texts(), QStringList{Partial_Overwrite_Question(File_SDO_Server_CANopen)});
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(File_Bytes(File_SDO_Server_CANopen), xml);
}

TEST_F(SDOServerWindow, AFailedSaveShowsItsErrorAndKeepsTheWindowOpen)
{
    File_SDO_Server_CANopen = folder.path() + "/outside.xml";   // not inside the project folder
    const TModalResult result = Show_While(window, [&] {
        window.sgb->SetCells(1, 1, "0x2000");
        window.sgb->SetCells(2, 1, "0");
        window.sgb->SetCells(3, 1, "1");
        window.sgb->SetCells(4, 1, "0");
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.sgb->Cells(1, 1), "0x2000");
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(boxes.texts().size(), 1);
    EXPECT_FALSE(QFile::exists(File_SDO_Server_CANopen));
}

// The PDO and SDO server tables as a user leaves them: the editors write the files the EDS writer reads. A later
// row that repeats an index and sub-index, in the same table or the other, adds nothing to the sheet.
TEST(CANopenEds, TheEditorsFilesGiveTheSheetOfTheirObjects)
{
    TableProject project;
    const auto Bytes = [](QStringList head, int positions, const QStringList& bytes, const QStringList& tail) {
        for (int n = 0; n < positions; ++n)
            head << bytes.value(n);
        return head + tail;
    };
    const std::vector<TTableRows> pdo = {
        {Bytes({"0x201", "2"}, 8, {"0", "1"}, {"0", "Setpoints"})},
        {Bytes({"385", "1"}, 8, {"10"}, {"100", "Y", "Status"})},
    };
    const std::vector<TTableRows> sdo = {
        {Bytes({"0x2000", "1", "1"}, 4, {"0"}, {"a"}), Bytes({"$2000", "10", "4"}, 4, {"4", "5", "6", "7"}, {"b"}),
         Bytes({"0x3000", "0", "2"}, 4, {"8", "9"}, {"c"}), Bytes({"0x2000", "1", "2"}, 4, {"30", "31"}, {"again"})},
        {Bytes({"0x2000", "2", "2"}, 4, {"20", "21"}, {"d"}), Bytes({"0x2000", "1", "4"}, 4, {"22", "23", "24", "25"}, {"e"})},
    };
    const QString dir = QStringLiteral(VX_TEST_DATA "/canopen_editors_to_eds/");
    const std::pair<const TTableEditor*, const std::vector<TTableRows>*> editors[] = {{&PDO_Editor(), &pdo},
                                                                                     {&SDO_Server_Editor(), &sdo}};
    for (const auto& [editor, tables] : editors) {
        ASSERT_EQ(Check_Table_Editor(*editor, *tables), "");
        const QByteArray file = Table_Editor_XML(*editor, *tables);
        EXPECT_EQ(file, File_Bytes(dir + QFileInfo(*editor->File).fileName()));
        ASSERT_TRUE(Save_Table_File(*editor->File, file, false));
    }
    Set_Desc_Clock(QDateTime(QDate(2026, 11, 30), QTime(13, 5)));
    const QString out = project.dir + "/device.eds";
    QString error;
    const bool written = Write_EDS_File(out, &error);
    Set_Desc_Clock(QDateTime());
    ASSERT_TRUE(written) << error.toStdString();
    EXPECT_EQ(File_Bytes(out), File_Bytes(VX_TEST_DATA "/eds_pdo_and_sdo/expected.eds"));
}
