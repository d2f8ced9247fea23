// The BACnet client window and its EDE import driven as a user would.
#include "core/ULanguage.h"
#include "grid/core/VxColumnGrid.h"
#include "support/FileDialogRecorder.h"
#include "support/QStringPrinter.h"
#include "tables/ip/BACnetMasterTable.h"
#include "tables/ip/TableWindowFixture.h"
#include "tables/ip/UBACnetAccess.h"
#include "tables/ip/UImportEDEFile.h"
#include "widgets/button/SbButton.h"

#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct BACnetAccessWindow : ::testing::Test, TableProject {
    TFImportEDEFile import;
    TFBACnetAccess window;

    void Type(const QByteArray& type)
    {
        Put("ParGen.xml", "<Par_Gen><BACnet_Master_Type>" + type + "</BACnet_Master_Type></Par_Gen>");
    }
};

// Types into the free-entry combo of a cell and closes it with Enter.
void Type_Combo(TVxStringGrid& grid, int ACol, int ARow, const QString& text)
{
    Click_Cell(grid, ACol, ARow);
    TGridCombo* combo = Open_Combo(grid);
    ASSERT_NE(combo, nullptr);
    ASSERT_NE(combo->lineEdit(), nullptr);
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), text);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    ASSERT_EQ(grid.Cells(ACol, ARow), text);
}

QString Read_Error(int text)
{
    return Lang(2137) + "1" + Lang(text);
}

// An EDE file of three objects after its head: a sensor, a commandable output and the device itself.
QByteArray EDE_File()
{
    return "PROJECT_NAME;Boiler;;\r\nVERSION_OF_REFERENCEFILE;1;;\r\nTIMESTAMP_OF_LAST_CHANGE;x;;\r\n"
           "AUTHOR_OF_LAST_CHANGE;x;;\r\nVERSION_OF_LAYOUT;2;;\r\n#Info\r\n"
           "#mandatory;mandatory;mandatory;mandatory;mandatory;optional;;;;optional\r\n"
           "# keyname;device obj.-instance;object-name;object-type;object-instance;description;;;;commandable\r\n"
           "k1;9;Flow;0;4;Flow temperature;;;;N\r\n"
           "k2;9;Pump;4;2;Boiler pump;;;;Y\r\n"
           "k3;9;Boiler;8;9;Device;;;;N\r\n";
}

} // namespace

TEST_F(BACnetAccessWindow, ARowTypedIsCheckedThenWritten)
{
    Type("0");
    const TModalResult result = Show_While(window, [&] {
        EXPECT_EQ(window.PageControl1->currentIndex(), 0);
        TVxColumnGrid& grid = *window.VCG1;
        EXPECT_EQ(grid.RowCount(), 513);
        EXPECT_EQ(grid.ColCount(), 16);   // Swap and Convertion are hidden
        EXPECT_EQ(grid.Columns().Items(2)->Header(), Lang(2109));
        Type_Cell(grid, 2, 1, "192.168.0.300");
        Type_Combo(grid, 3, 1, "Analog Input");
        Type_Cell(grid, 4, 1, "5");
        Type_Combo(grid, 5, 1, "Present Value (85)");
        Type_Cell(grid, 6, 1, "4");
        Type_Cell(grid, 11, 1, "1000");
        Type_Cell(grid, 12, 1, "0");
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(boxes.texts(), QStringList{Read_Error(2138)});
        EXPECT_FALSE(QFile::exists(File_BACnet_Master_Access));
        Type_Cell(grid, 2, 1, "192.168.0.30");
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(File_Bytes(File_BACnet_Master_Access),
              R"x(<BACnet_Master_Access><BACnet_Read><row Enable="Y" IP_Address_Slave_ID="192.168.0.30" )x"
              R"x(Object_Type="Analog Input" Instance="5" Property="Present Value (85)" NumByte="4" )x"
              R"x(Enable_Destination="" Destination_Network="" Destination_Length="" Destination_Address="" )x"
              R"x(PollTime="1000" MaxError="0" Position="" StartBit="" Swap="" Mnemonic=""/></BACnet_Read>)x"
              R"x(<BACnet_Write/></BACnet_Master_Access><!--SW_VERSION = 1.000-->)x");
}

TEST_F(BACnetAccessWindow, TheProjectsBACnetTypeDecidesTheAddressColumn)
{
    const struct {
        const char* pargen;   // nullptr: no parameter file
        int header;           // 0: the column is hidden
        bool asked;           // the type must be chosen first
    } cases[] = {{nullptr, 2109, true}, {"1", 2110, false}, {"2", 0, false}, {"abc", 2109, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pargen ? c.pargen : "no file");
        QFile::remove(File_ParGen);
        if (c.pargen)
            Type(c.pargen);
        boxes.clear();
        Show_While(window, [&] {
            for (TVxColumnGrid* grid : {window.VCG1, window.VCG2}) {
                EXPECT_EQ(grid->IsHiddenColumn(2), c.header == 0);
                if (c.header) {
                    EXPECT_EQ(grid->Columns().Items(2)->Header(), Lang(grid == window.VCG1 ? c.header : c.header + 12));
                }
            }
        });
        EXPECT_EQ(boxes.texts(), c.asked ? QStringList{Lang(2157)} : QStringList{});
    }
}

TEST_F(BACnetAccessWindow, RowsBeyondTheTableAreReportedAtLoad)
{
    Type("1");
    QByteArray rows;
    for (int r = 0; r < BACnet_Master_Rows + 2; ++r)
        rows += "<row IP_Address_Slave_ID=\"" + QByteArray::number(r % 200) + "\"/>";
    Put("BACnet_Master_Access.xml", "<BACnet_Master_Access><BACnet_Read>" + rows + "</BACnet_Read></BACnet_Master_Access>");
    Show_While(window, [&] {
        EXPECT_EQ(window.VCG1->Cells(2, 512), "111");
        EXPECT_EQ(window.VCG2->Cells(2, 1), "");
    });
    EXPECT_EQ(boxes.texts(), QStringList{Left_Out_Message(File_BACnet_Master_Access, 2, BACnet_Master_Rows)});
}

TEST_F(BACnetAccessWindow, AFailedSaveShowsItsErrorAndKeepsTheWindowOpen)
{
    Type("0");
    File_BACnet_Master_Access = folder.path() + "/outside.xml";   // not inside the project folder
    const TModalResult result = Show_While(window, [&] {
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(boxes.texts().size(), 1);
    EXPECT_FALSE(QFile::exists(File_BACnet_Master_Access));
}

TEST_F(BACnetAccessWindow, TextsButtonsAndThePropertyHint)
{
    EXPECT_EQ(window.windowTitle(), Lang(2100));
    EXPECT_EQ(import.windowTitle(), Lang(2200));
    import.Build();   // what its first showing does
    EXPECT_EQ(import.Btn_Select_All->Caption(), "Select All");
    EXPECT_EQ(import.VCG->Columns().Items(8)->Header(), Lang(2212));
    Type("0");
    Show_While(window, [&] {
        EXPECT_EQ(window.Btn_Import_CSV->Caption(), Lang(2159));
        EXPECT_EQ(window.Btn_InsRow->Caption(), Lang(2105));
        EXPECT_EQ(window.Btn_CopyRow, nullptr);
        EXPECT_EQ(window.PageControl1->tabText(1), Lang(2107));
        EXPECT_EQ(window.VCG2->Columns().Items(21)->Header(), Lang(2135));
        TVxColumnGrid& grid = *window.VCG1;
        grid.SetCells(3, 1, "Binary Input");
        grid.SetCells(5, 1, "Present Value (85)");
        EXPECT_EQ(Hint_At(grid, 4, 1), QString());
        EXPECT_EQ(Hint_At(grid, 5, 1), "1");
    });
}

TEST_F(BACnetAccessWindow, ChosenObjectsOfAnEDEFileFillBothTables)
{
    Type("0");
    const QString dir = folder.path() + "/EDE";
    ASSERT_TRUE(QDir().mkpath(dir));
    const QString path = folder.writeFile("EDE/boiler.csv", EDE_File());
    FileDialogRecorder dialogs;
    dialogs.choose(path);
    EDE_Import_Dir = folder.path();
    const TModalResult result = Show_While(window, [&] {
        // A row already there: the import follows it, from its end on.
        Fill_Table_Rows(*window.VCG1, {{"Y", "10.0.0.1", "Analog Input", "3", "Present Value (85)", "2", "N", "", "",
                                        "", "1000", "0", "100"}});
        OnNextModal([&](QWidget* modal) {
            EXPECT_EQ(modal, &import);
            TVxColumnGrid& grid = *import.VCG;
            ASSERT_EQ(grid.RowCount(), 3);   // the device is not listed
            EXPECT_EQ(Table_Rows(grid, 1).front(), (QStringList{"Y", "Y", "N", "Flow", "0", "4", "Flow temperature", "N"}));
            EXPECT_EQ(grid.Cells(3, 2), "Y");   // commandable: written too
            Click_Cell(grid, 3, 1);
            EXPECT_EQ(boxes.texts(), QStringList{Lang(2213) + "1" + Lang(2214)});
            EXPECT_EQ(grid.Cells(3, 1), "N");
            Click_Cell(grid, 2, 2);   // the pump is only written
            EXPECT_EQ(grid.Cells(2, 2), "N");
            QTest::keyClicks(import.E_ID_IP, "192.168.0.300");
            QTest::mouseClick(import.Btn_OK, Qt::LeftButton);
            EXPECT_TRUE(import.isVisible());
            EXPECT_EQ(boxes.texts().last(), Lang(2216));
            import.E_ID_IP->clear();
            QTest::keyClicks(import.E_ID_IP, "192.168.0.40");
            QTest::mouseClick(import.Btn_OK, Qt::LeftButton);
        });
        QTest::mouseClick(window.Btn_Import_CSV, Qt::LeftButton);
        EXPECT_FALSE(import.isVisible());
        EXPECT_EQ(window.VCG1->Cells(3, 2), "Analog Input");
        EXPECT_EQ(window.VCG1->Cells(13, 2), "102");
        EXPECT_EQ(window.VCG1->Cells(2, 3), "");
        EXPECT_EQ(window.VCG2->Cells(3, 1), "Binary Output");
        EXPECT_EQ(window.VCG2->Cells(4, 1), "Enumerated");
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
        EXPECT_EQ(boxes.texts().size(), 2);
    });
    EXPECT_EQ(result, mrOk);
    ASSERT_EQ(dialogs.requests().size(), 1u);
    EXPECT_EQ(dialogs.requests()[0].InitialDir, folder.path());
    EXPECT_EQ(dialogs.requests()[0].Filter, "BACnet EDE File (*.csv)|*.csv");
    EXPECT_EQ(EDE_Import_Dir, dir);
    const QByteArray file = File_Bytes(File_BACnet_Master_Access);
    EXPECT_TRUE(file.contains(R"x(<row Enable="Y" IP_Address_Slave_ID="192.168.0.40" Object_Type="Analog Input" )x"
                              R"x(Instance="4" Property="Present Value (85)" NumByte="4" Enable_Destination="N" )x"
                              R"x(Destination_Network="" Destination_Length="" Destination_Address="" PollTime="1000" )x"
                              R"x(MaxError="0" Position="102" StartBit="0" Swap="N" Mnemonic="Flow - Flow temperature"/>)x"))
        << file.toStdString();
}

TEST_F(BACnetAccessWindow, NothingIsImportedFromAFileWithoutObjectsOrWhenAllAreUnselected)
{
    Type("2");   // neither IP nor MS/TP: any address passes
    FileDialogRecorder dialogs;
    const QString empty = folder.writeFile("empty.csv", "k;1;Flow;0;4\r\n");   // no header line
    const QString objects = folder.writeFile("objects.csv", EDE_File());
    Show_While(window, [&] {
        dialogs.choose(empty);
        OnNextModal([&](QWidget*) {
            TVxColumnGrid& grid = *import.VCG;
            EXPECT_EQ(grid.RowCount(), 2);   // one empty row
            Click_Cell(grid, 1, 1);          // a box without an object does nothing
            EXPECT_EQ(grid.Cells(1, 1), "");
            QTest::mouseClick(import.Btn_OK, Qt::LeftButton);
        });
        QTest::mouseClick(window.Btn_Import_CSV, Qt::LeftButton);
        dialogs.choose(objects);
        OnNextModal([&](QWidget*) {
            QTest::mouseClick(import.Btn_Unselect_All, Qt::LeftButton);
            EXPECT_EQ(import.VCG->Cells(1, 2), "N");
            QTest::mouseClick(import.Btn_OK, Qt::LeftButton);
        });
        QTest::mouseClick(window.Btn_Import_CSV, Qt::LeftButton);
        dialogs.choose(folder.path() + "/gone.csv");   // no dialog for a file that is not there
        QTest::mouseClick(window.Btn_Import_CSV, Qt::LeftButton);
        EXPECT_EQ(Table_Editor_End(window.Editor(), 0, window.Tables()[0]), 0);
        EXPECT_EQ(Table_Editor_End(window.Editor(), 1, window.Tables()[1]), 0);
    });
    EXPECT_EQ(boxes.texts(), QStringList{});
    EXPECT_EQ(dialogs.requests().size(), 3u);
}
