// The Modbus master and Modbus TCP master rules over rows, their files, and the windows driven as a user would.
#include "core/ULanguage.h"
#include "grid/core/VxColumnGrid.h"
#include "support/QStringPrinter.h"
#include "tables/ip/ModbusMasterTable.h"
#include "tables/ip/TableWindowFixture.h"
#include "tables/ip/UModbus_TCP_Master_Set_Access.h"
#include "tables/ip/USetAccess.h"
#include "widgets/button/SbButton.h"

#include <QFileInfo>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Read cells from column 1: Enable, Slave ID, Type, Address, NPoint, Poll Time, Max Error, Position, Bit,
// Swap, SwapWord, Topic, Mnemonic.
QStringList Read(const QString& slave, const QString& type, const QString& points, const QString& poll,
                 const QString& position, const QString& bit = "", const QString& enable = "Y")
{
    return {enable, slave, type, "0", points, poll, "0", position, bit, "N", "N", "", "m"};
}
// Write cells: Enable, Slave ID, Type, Address, NPoint, Poll Time, On Change, On CMD, Max Error, Position,
// Bit, Swap, SwapWord, Mnemonic.
QStringList Write(const QString& slave, const QString& type, const QString& points, const QString& poll,
                  const QString& position, const QString& bit = "", const QString& maxError = "0")
{
    return {"Y", slave, type, "1", points, poll, "N", "N", maxError, position, bit, "N", "N", "m"};
}
// The same rules with the slave's address and port after Enable.
QStringList Tcp(QStringList cells, const QString& ip, const QString& port = "502")
{
    cells.insert(1, ip);
    cells.insert(2, port);
    return cells;
}

QString Error(int row, int text, const QString& more = QString())
{
    return Lang(1268) + QString::number(row) + Lang(text) + more;
}

const QString HR = "Holding Register";
const QString CS = "Coil Status";

struct Case {
    TTableRows read, write;
    QString message;
};

void Expect_Cases(const TTableEditor& editor, std::initializer_list<Case> cases)
{
    for (const Case& c : cases) {
        SCOPED_TRACE((c.read.empty() ? QString() : c.read[0].join('|')).toStdString() + " / " +
                     (c.write.empty() ? QString() : c.write[0].join('|')).toStdString());
        EXPECT_EQ(Check_Table_Editor(editor, {c.read, c.write}), c.message);
    }
}

} // namespace

TEST(ModbusMasterRules, TheFirstFailingRuleOfAnEnabledRowIsShownWithItsRow)
{
    Expect_Cases(ModbusM_Editor(), {
        {{Read("0", HR, "1", "1", "0", "", "N")}, {}, ""},   // a disabled row passes whatever it holds
        {{Read("0", HR, "1", "1", "0")}, {}, Error(1, 1269)},
        {{Read("248", HR, "1", "1", "0")}, {}, Error(1, 1269)},
        {{Read("1", " ", "1", "1", "0")}, {}, Error(1, 1270)},
        {{Read("1", HR, "126", "1", "0")}, {}, Error(1, 1272, "125")},
        {{Read("1", "Input Status", "2001", "1", "0", "0")}, {}, Error(1, 1272, "2000")},
        {{Read("1", "input status ", "2000", "1", "0", "0")}, {}, ""},
        {{Read("1", HR, "1", "0", "0")}, {}, Error(1, 1289)},
        {{Read("1", HR, "125", "1", "1188")}, {}, ""},   // ends at 1437
        {{Read("1", HR, "125", "1", "1189")}, {}, Error(1, 1277)},
        {{Read("1", HR, "1", "1", "1438")}, {}, Error(1, 1275, "1437")},
        {{Read("1", CS, "2000", "1", "1187", "7")}, {}, ""},   // 1187 + 2006 div 8 = 1437
        {{Read("1", CS, "2000", "1", "1188", "7")}, {}, Error(1, 1277)},
        {{Read("1", CS, "8", "1", "0", "")}, {}, Error(1, 1276)},
        {{}, {Write("1", CS, "1969", "0", "0", "0")}, Error(1, 1282, "1968")},
        {{}, {Write("1", HR, "124", "0", "0")}, Error(1, 1282, "123")},
        {{}, {Write("1", HR, "1", "0", "0")}, ""},   // Poll Time 0 is allowed in the write table
        {{}, {Write("1", HR, "1", "-1", "0")}, Error(1, 1283)},
        {{}, {Write("1", HR, "1", "0", "0", "", "x")}, Error(1, 1284)},
        {{}, {Write("1", HR, "1", "0", "1438")}, Error(1, 1285, "1437")},
        {{}, {Write("1", "Input Status", "4", "0", "1436")}, Error(1, 1287)},   // a register rule in the write table
        {{}, {Write("1", CS, "9", "0", "1437", "")}, Error(1, 1286)},
        {{Read("1", HR, "1", "1", "0"), Read("0", HR, "1", "1", "0")}, {Write("0", HR, "1", "0", "0")}, Error(2, 1269)},
        {{Read("1", HR, "1", "1", "0")}, {Write("0", HR, "1", "0", "0")}, Error(1, 1279)},
    });
}

TEST(ModbusMasterRules, TheTableEndsAtTheFirstBlankKeyForChecksAndFile)
{
    const TTableRows read = {Read("1", HR, "1", "1", "0"), Read("1", HR, "1", "1", "0"), Read(" ", HR, "1", "1", "0"),
                             Read("0", HR, "1", "1", "0")};
    EXPECT_EQ(Check_Table_Editor(ModbusM_Editor(), {read, {}}), "");
    EXPECT_EQ(Table_Editor_XML(ModbusM_Editor(), {read, {}}),
              Table_Editor_XML(ModbusM_Editor(), {{read[0], read[1]}, {}}));
    const TTableRows tcp = {Tcp(Read("1", HR, "1", "1", "0"), " "), Tcp(Read("0", HR, "1", "1", "0"), "1.2.3.4")};
    EXPECT_EQ(Check_Table_Editor(ModbusTCPM_Editor(), {tcp, {}}), "");
}

TEST(ModbusTCPMasterRules, TheAddressAndPortComeFirstAndTheAreaIs1500Bytes)
{
    Expect_Cases(ModbusTCPM_Editor(), {
        {{Tcp(Read("1", HR, "125", "1", "1250"), "192.168.1.125")}, {}, ""},   // ends at 1499
        {{Tcp(Read("1", HR, "125", "1", "1251"), "192.168.1.125")}, {}, Error(1, 1349)},
        {{Tcp(Read("1", HR, "1", "1", "1500"), "10.0.0.1")}, {}, Error(1, 1347, "1499")},
        {{Tcp(Read("1", HR, "1", "1", "0"), "10.0.0")}, {}, Error(1, 1339)},
        {{Tcp(Read("1", HR, "1", "1", "0"), "10.0.0.1", "65536")}, {}, Error(1, 1340)},
        {{Tcp(Read("1", HR, "1", "1", "0"), "10.0.0.1", "0")}, {}, ""},
        {{Tcp(Read("0", HR, "1", "1", "0"), "10.0.0.1")}, {}, Error(1, 1341)},
        {{Tcp(Read("1", HR, "1", "0", "0"), "10.0.0.1")}, {}, Error(1, 1345)},
        {{Tcp(Read("1", CS, "8", "1", "0", ""), "10.0.0.1")}, {}, Error(1, 1348)},
        {{}, {Tcp(Write("1", HR, "1", "0", "0"), "10.0.0.256")}, Error(1, 1350)},
        {{}, {Tcp(Write("1", HR, "1", "0", "0"), "10.0.0.1", "x")}, Error(1, 1351)},
        {{}, {Tcp(Write("1", CS, "1969", "0", "0", "0"), "10.0.0.1")}, Error(1, 1355, "1968")},
        {{}, {Tcp(Write("1", HR, "1", "0", "0", "", "-1"), "10.0.0.1")}, Error(1, 1357)},
        {{}, {Tcp(Write("1", HR, "2", "0", "1497"), "10.0.0.1")}, Error(1, 1360)},
    });
}

TEST(ModbusTCPMasterRules, AnAddressIsFourDottedPartsFrom0To255)
{
    const std::pair<const char*, bool> cases[] = {
        {"192.168.1.125", false}, {"0.0.0.0", false},  {"255.255.255.255", false}, {"", true},
        {"1.2.3", true},          {"1.2.3.4.5", true}, {"1.2.3.256", true},        {"1.2.x.4", true},
        {"1..3.4", true},         {"1.2.3.4.", true},  {"-1.2.3.4", true},
    };
    for (const auto& [ip, invalid] : cases)
        EXPECT_EQ(Check_IP_Address(ip), invalid) << ip;
}

TEST(ModbusMasterFiles, GoldenRoundTripsKeepTheOrderDefaultMissingValuesAndSaveNoTopic)
{
    const std::pair<const TTableEditor*, const char*> cases[] = {
        {&ModbusM_Editor(), "modbusm_defaults_and_missing_section/ModbusM_SetAccess.xml"},
        {&ModbusTCPM_Editor(), "modbustcpm_defaults_and_missing_section/ModbusTCPM_SetAccess.xml"},
    };
    for (const auto& [editor, file] : cases) {
        SCOPED_TRACE(file);
        const QString path = QString(VX_TEST_DATA "/") + file;
        const std::vector<TTableLoad> load = Load_Table_Editor(*editor, path);
        ASSERT_EQ(load.size(), 2u);
        EXPECT_TRUE(load[0].Error.isEmpty()) << load[0].Error.toStdString();
        const std::vector<TTableRows> tables = {load[0].Rows, load[1].Rows};
        EXPECT_EQ(Table_Editor_XML(*editor, tables), File_Bytes(QFileInfo(path).path() + "/expected.xml"));
    }
    // A topic index names no topic in these builds: the Topic cell is empty.
    const std::vector<TTableLoad> load =
        Load_Table_Editor(ModbusM_Editor(), VX_TEST_DATA "/modbusm_defaults_and_missing_section/ModbusM_SetAccess.xml");
    EXPECT_EQ(load[0].Rows[0].value(11), "");
}

namespace {

struct ModbusTCPWindow : ::testing::Test, TableProject {
    TFModbus_TCP_Master_Set_Access window;
};

} // namespace

TEST_F(ModbusTCPWindow, ARuleTypedOnTheWritePageIsCheckedThenWritten)
{
    const TModalResult result = Show_While(window, [&] {
        EXPECT_EQ(window.PageControl1->currentIndex(), 0);
        EXPECT_EQ(window.VCG_Modbus_Read->RowCount(), 513);
        EXPECT_EQ(window.VCG_Modbus_Read->ColCount(), 15);   // the Topic column is hidden
        window.PageControl1->setCurrentIndex(1);
        TVxColumnGrid& grid = *window.VCG_Modbus_Write;
        Type_Cell(grid, 2, 1, "10.0.0.300");
        Type_Cell(grid, 3, 1, "502");
        Type_Cell(grid, 4, 1, "3");
        grid.SetCells(5, 1, HR);
        Type_Cell(grid, 6, 1, "7");
        Type_Cell(grid, 7, 1, "2");
        Type_Cell(grid, 8, 1, "100");
        Type_Cell(grid, 11, 1, "0");
        grid.SetCells(12, 1, "1496");
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(boxes.texts(), QStringList{Error(1, 1350)});
        EXPECT_FALSE(QFile::exists(File_ModbusTCPM_SetAccess));
        Type_Cell(grid, 2, 1, "10.0.0.30");
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(File_Bytes(File_ModbusTCPM_SetAccess),
              R"(<PROFINET_Master_to_Modbus_TCP_Master><Modbus_Read/><Modbus_Write><row Enable="Y" )"
              R"(IP_Address="10.0.0.30" Port="502" Slave_ID="3" Type="Holding Register" Address="7" NPoint="2" )"
              R"(PollTime="100" OnChange="" OnCMD="" MaxError="0" Position="1496" Bit="" Swap="" SwapWord="" )"
              R"(Mnemonic=""/></Modbus_Write></PROFINET_Master_to_Modbus_TCP_Master><!--SW_VERSION = 1.001-->)");
}

TEST_F(ModbusTCPWindow, TextsFollowTheLanguageAndNoHintIsShown)
{
    EXPECT_EQ(window.windowTitle(), Lang(1300));
    Show_While(window, [&] {
        EXPECT_EQ(window.Btn_CopyRow->Caption(), "Copy Row");
        EXPECT_EQ(window.Btn_InsRow->Caption(), Lang(1305));
        EXPECT_EQ(window.PageControl1->tabText(1), Lang(1307));
        EXPECT_EQ(window.VCG_Modbus_Write->Columns().Items(16)->Header(), Lang(1337));
        EXPECT_EQ(window.Hint_Lists[0].join(""), "");
        EXPECT_TRUE(window.Btn_OK->toolTip().isEmpty());
    });
}

TEST(ModbusMasterWindow, OnlyTheReadTableShowsHints)
{
    TableProject project;
    TFSetAccess window;
    EXPECT_EQ(window.windowTitle(), Lang(1200));
    Show_While(window, [&] {
        EXPECT_EQ(window.Hint_Lists[0].value(10), Lang(1292));
        EXPECT_EQ(window.Hint_Lists[1].join(""), "");
        EXPECT_EQ(window.VCG_Modbus_Read->Columns().Items(12)->Header(), Lang(1242));
    });
}
