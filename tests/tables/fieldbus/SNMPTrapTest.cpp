// The SNMP agent object tables: the read and write rules, unique descriptions, the enabled-row index in
// column 0 after check-box clicks, and the file the MIB writer reads.
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "descfiles/USNMP_MIB.h"
#include "grid/core/VxColumnGrid.h"
#include "support/QStringPrinter.h"
#include "tables/fieldbus/SNMPTrapTable.h"
#include "tables/fieldbus/USNMP_Trap_Access.h"
#include "tables/ip/TableWindowFixture.h"
#include "widgets/button/SbButton.h"

#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Read cells of columns 1 to 14.
struct ReadObject {
    QString community = "Tarvek", type = "Int", onTimer = "N", time = "", bit = "0", bits = "16", desc = "tempIn1",
            ip = "192.168.1.125", enable = "Y";
    QStringList Cells() const
    {
        return {enable, community, type, "N", "N", onTimer, time, "0", bit, bits, desc, ip, "None", "m"};
    }
};
// Write cells of columns 1 to 9.
struct WriteObject {
    QString type = "String", bit = "0", bits = "16", desc = "out1", conversion = "None", enable = "Y";
    QStringList Cells() const { return {enable, "Moltrin", type, "4", bit, bits, desc, conversion, "m"}; }
};

template <typename Row, typename F>
QStringList With(F change)
{
    Row r;
    change(r);
    return r.Cells();
}

QString Error(int row, int text)
{
    return Lang(4060) + QString::number(row) + Lang(text);
}

} // namespace

TEST(SNMPTrapRules, ReadThenWriteObjectsAreCheckedInTurn)
{
    using R = ReadObject;
    using W = WriteObject;
    struct Case {
        QStringList read, write;
        QString message;
    };
    const QStringList read = R().Cells(), write = W().Cells();
    const Case cases[] = {
        {read, write, ""},
        {With<R>([](R& r) { r.community = "Tar vek"; }), write, Error(1, 4076)},
        {With<R>([](R& r) { r.community = "Tarvek "; }), write, Error(1, 4076)},
        {With<R>([](R& r) { r.type = " "; }), write, Error(1, 4061)},
        {With<R>([](R& r) { r.time = "0"; }), write, ""},
        {With<R>([](R& r) { r.onTimer = "y"; r.time = "0"; }), write, Error(1, 4062)},
        {With<R>([](R& r) { r.onTimer = "Y"; r.time = "1000000000"; }), write, ""},
        {With<R>([](R& r) { r.bit = ""; }), write, Error(1, 4064)},
        {With<R>([](R& r) { r.type = "String"; r.bit = "3"; }), write, Error(1, 4065)},
        {With<R>([](R& r) { r.type = "String"; r.bits = "17"; }), write, Error(1, 4067)},
        {With<R>([](R& r) { r.bits = "65"; }), write, Error(1, 4066)},
        {With<R>([](R& r) { r.bits = "64"; r.bit = "7"; }), write, ""},
        {With<R>([](R& r) { r.desc = "2temp"; }), write, Error(1, 4077)},
        {With<R>([](R& r) { r.desc = "Temp"; }), write, Error(1, 4077)},
        {With<R>([](R& r) { r.desc = ""; }), write, ""},
        {With<R>([](R& r) { r.ip = "192.168.1"; }), write, Error(1, 4068)},
        {With<R>([](R& r) { r.enable = "N"; r.community = "a b"; r.ip = ""; }), write, ""},
        {read, With<W>([](W& w) { w.type = ""; }), Error(1, 4069)},
        {read, With<W>([](W& w) { w.bit = "1"; }), Error(1, 4072)},
        {read, With<W>([](W& w) { w.type = "int"; w.bit = "1"; w.bits = "0"; }), Error(1, 4073)},
        {read, With<W>([](W& w) { w.bits = "0"; }), Error(1, 4074)},
        {read, With<W>([](W& w) { w.desc = "o-1"; }), Error(1, 4079)},
        {read, With<W>([](W& w) { w.conversion = " "; }), Error(1, 4086)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.read.join('|') + " / " + c.write.join('|')).toStdString());
        EXPECT_EQ(Check_Table_Editor(SNMPTrap_Editor(), {{c.read}, {c.write}}), c.message);
    }
}

TEST(SNMPTrapRules, TheDescriptionsOfEnabledObjectsMustAllDiffer)
{
    using R = ReadObject;
    using W = WriteObject;
    const QStringList value1 = With<R>([](R& r) { r.desc = "value1"; });
    const QStringList empty = With<R>([](R& r) { r.desc = ""; });
    const QStringList value1Out = With<W>([](W& w) { w.desc = "value1"; });
    const QStringList value1Off = With<W>([](W& w) { w.desc = "value1"; w.enable = "N"; });
    struct Case {
        TTableRows read, write;
        QString message;
    };
    const Case cases[] = {
        {{value1}, {value1Out}, Lang(4080)},
        {{empty, value1, empty}, {}, Lang(4080)},
        {{value1}, {value1Off}, ""},
        {{value1}, {With<W>([](W& w) { w.desc = "Value1"; })}, Error(1, 4079)},   // a rule fails first
        {{value1, empty}, {value1Out}, Lang(4080)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        EXPECT_EQ(Check_Table_Editor(SNMPTrap_Editor(), {c.read, c.write}), c.message);
    }
}

namespace {

struct SNMPTrapWindow : ::testing::Test, TableProject {
    TFSNMP_Trap_Access window;

    static QStringList Numbers(TVxColumnGrid& grid, int rows)
    {
        QStringList numbers;
        for (int r = 1; r <= rows; ++r)
            numbers << grid.Cells(0, r);
        return numbers;
    }
    static void Click_Enable(TVxColumnGrid& grid, int ARow) { Click_Cell(grid, 1, ARow); }
};

} // namespace

TEST_F(SNMPTrapWindow, ColumnZeroNumbersTheEnabledRowsAfterEachCheckBoxClick)
{
    const char* dir = VX_TEST_DATA "/snmp_trap_enabled_index/";
    Put("SNMP_Trap.xml", File_Bytes(QString(dir) + "SNMP_Trap.xml"));
    const TModalResult result = Show_While(window, [&] {
        TVxColumnGrid& read = *window.VCG_SNMP_Read;
        EXPECT_EQ(read.RowCount(), 257);
        EXPECT_EQ(Numbers(read, 4), (QStringList{"1", "", "2", "3"}));
        EXPECT_EQ(Numbers(*window.VCG_SNMP_Write, 2), (QStringList{"1", "2"}));
        Click_Enable(read, 1);
        EXPECT_EQ(read.Cells(1, 1), "N");
        EXPECT_EQ(Numbers(read, 4), (QStringList{"", "", "1", "2"}));
        Click_Enable(read, 2);
        EXPECT_EQ(Numbers(read, 4), (QStringList{"", "1", "2", "3"}));
        // Inserting a row leaves the numbers until the next click.
        read.SetRow(2);
        QTest::mouseClick(window.Btn_InsRow, Qt::LeftButton);
        EXPECT_EQ(Numbers(read, 5), (QStringList{"", "1", "2", "3", "4"}));
        Click_Enable(read, 1);
        EXPECT_EQ(Numbers(read, 5), (QStringList{"1", "2", "3", "4", "5"}));

        window.PageControl1->setCurrentIndex(1);
        TVxColumnGrid& write = *window.VCG_SNMP_Write;
        Click_Enable(write, 1);
        EXPECT_EQ(Numbers(write, 2), (QStringList{"", "1"}));
        EXPECT_EQ(Numbers(read, 2), (QStringList{"1", "2"}));   // the other table is left alone
        // The inserted row, empty, ends the read table.
        QTest::mouseClick(window.Btn_OK, Qt::LeftButton);
    });
    ASSERT_EQ(result, mrOk) << boxes.texts().join('|').toStdString();
    EXPECT_EQ(File_Bytes(File_SNMP_Trap), File_Bytes(QString(dir) + "expected.xml"));

    // The MIB writer numbers the objects as column 0 did.
    const QString mib = folder.path() + "/agent.mib";
    QString error;
    ASSERT_TRUE(Create_MIB_File(mib, &error)) << error.toStdString();
    EXPECT_EQ(*SL_MIB_Read_Desc, (QStringList{"tempIn1"}));
    EXPECT_EQ(*SL_MIB_Write_Desc, (QStringList{"out2"}));
    const QByteArray text = File_Bytes(mib);
    EXPECT_TRUE(text.contains("\r\ntempIn1 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current "
                              "DESCRIPTION \"tempIn1\" ::= { bufferinval 1 }\r\n"));
    EXPECT_TRUE(text.contains("\r\nout2 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-write STATUS current "
                              "DESCRIPTION \"out2\" ::= { bufferoutval 1 }\r\n"));
    EXPECT_TRUE(text.contains("\r\ntrapval1 NOTIFICATION-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current "
                              "DESCRIPTION \"tempIn1\" ::= { trapsval 1 }\r\nEND\r\n"));
}

TEST_F(SNMPTrapWindow, AMissingSectionStopsTheLoadWithItsMessage)
{
    Put("SNMP_Trap.xml", R"(<SNMP_Trap><SNMP_Trap_Read><row Community_Name="c"/></SNMP_Trap_Read></SNMP_Trap>)");
    Show_While(window, [&] {
        EXPECT_EQ(boxes.texts().size(), 1);
        EXPECT_EQ(window.VCG_SNMP_Read->Cells(2, 1), "c");
        EXPECT_EQ(window.VCG_SNMP_Read->Cells(4, 1), "N");
        EXPECT_EQ(window.VCG_SNMP_Read->Cells(13, 1), "None");
    });
}
