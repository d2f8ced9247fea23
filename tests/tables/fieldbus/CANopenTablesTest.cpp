// The CANopen PDO, SDO client and SDO server tables: their rules over rows, their files' golden round trips and
// what a file without a section or an attribute does, through the editors' functions.
#include "core/ProjectFile.h"
#include "core/ULanguage.h"
#include "support/QStringPrinter.h"
#include "tables/fieldbus/PDOTable.h"
#include "tables/fieldbus/SDOClientTable.h"
#include "tables/fieldbus/SDOServerTable.h"
#include "tables/ip/TableWindowFixture.h"

#include <gtest/gtest.h>

namespace {

// Cells from column 1: the leading cells, then `positions` byte positions, then the trailing cells.
QStringList Row(const QStringList& head, const QStringList& bytes, int positions, const QStringList& tail)
{
    QStringList cells = head;
    for (int n = 0; n < positions; ++n)
        cells << bytes.value(n);
    return cells + tail;
}

struct RuleCase {
    int grid;
    QStringList row;
    QString message;
};

void Check_Cases(const TTableEditor& editor, const std::vector<RuleCase>& cases)
{
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(QString("grid %1: %2").arg(c.grid).arg(c.row.join('|')).toStdString());
        std::vector<TTableRows> tables(editor.Grids.size());
        tables[static_cast<std::size_t>(c.grid)] = {c.row};
        EXPECT_EQ(Check_Table_Editor(editor, tables), c.message);
    }
}

QString Error(int prefix, int row, int text, const QString& more = QString())
{
    return Lang(prefix) + QString::number(row) + Lang(text) + more;
}

// The golden case: the file loads whole, passes the rules and is written as expected.xml, the same on each run.
void Round_Trip(const TTableEditor& editor, const char* name, const char* file)
{
    const QString dir = QStringLiteral(VX_TEST_DATA "/%1/").arg(QLatin1String(name));
    const QByteArray expected = File_Bytes(dir + "expected.xml");
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        const std::vector<TTableLoad> load = Load_Table_Editor(editor, dir + QLatin1String(file));
        std::vector<TTableRows> tables;
        for (const TTableLoad& l : load) {
            EXPECT_FALSE(l.Partial()) << l.Error.toStdString();
            tables.push_back(l.Rows);
        }
        EXPECT_EQ(Check_Table_Editor(editor, tables), "");
        EXPECT_EQ(Table_Editor_XML(editor, tables), expected);
    }
}

} // namespace

TEST(PDORules, EachGridHasItsTextsAndRanges)
{
    const auto R = [](const QString& cob, const QString& dim, const QStringList& bytes, const QString& time) {
        return Row({cob, dim}, bytes, 8, {time, "m"});
    };
    const auto T = [](const QString& cob, const QString& dim, const QStringList& bytes, const QString& time) {
        return Row({cob, dim}, bytes, 8, {time, "N", "m"});
    };
    const QString max = "1437";
    Check_Cases(PDO_Editor(), {
        {0, R("0x7FF", "2", {"0", "1437", "abc"}, "65535"), ""},   // positions beyond the dimension are not looked at
        {0, R("2048", "1", {"0"}, "0"), Error(2768, 1, 2769)},
        {1, T("2048", "1", {"0"}, "0"), Error(2768, 1, 2780)},
        {0, R("-1", "1", {"0"}, "0"), Error(2768, 1, 2769)},
        {0, R("1", "9", {"0"}, "0"), Error(2768, 1, 2770)},
        {1, T("1", "", {"0"}, "0"), Error(2768, 1, 2781)},
        {0, R("1", "2", {"", "1"}, "0"), Error(2768, 1, 2771, max)},   // an empty position fails: no "None" here
        {0, R("1", "2", {"0", "1438"}, "0"), Error(2768, 1, 2772, max)},
        {1, T("1", "8", {"0", "1", "2", "3", "4", "5", "6", "None"}, "0"), Error(2768, 1, 2789, max)},
        {0, R("1", "1", {"0 "}, "0"), Error(2768, 1, 2771, max)},
        {0, R("1", "1", {"0"}, "65536"), Error(2768, 1, 2779)},
        {1, T("1", "1", {"0"}, "65536"), ""},
        {1, T("1", "1", {"0"}, "100000001"), Error(2768, 1, 2790)},
        {1, T("1", "1", {"0"}, ""), Error(2768, 1, 2790)},
    });
}

TEST(SDOClientRules, EachGridHasItsTextsAndRanges)
{
    const auto R = [](const QStringList& head, const QStringList& bytes) { return Row(head, bytes, 4, {"m"}); };
    const auto W = [](const QStringList& head, const QStringList& bytes) {
        return Row(head + QStringList{"Y"}, bytes, 4, {"m"});
    };
    const QString max = "1437";
    Check_Cases(SDO_Client_Editor(), {
        {0, R({"127", "$1000", "0xFF", "4", "100000000"}, {"0", "1", "2", "1437"}), ""},
        {0, R({"0", "0x1000", "0", "1", "1"}, {"0"}), Error(2860, 1, 2861)},
        {1, W({"128", "0x1000", "0", "1", "1"}, {"0"}), Error(2860, 1, 2870)},
        {0, R({"1", "0x0FFF", "0", "1", "1"}, {"0"}), Error(2860, 1, 2862)},
        {1, W({"1", "0x10000", "0", "1", "1"}, {"0"}), Error(2860, 1, 2871)},
        {0, R({"1", "0x1000", "256", "1", "1"}, {"0"}), Error(2860, 1, 2863)},
        {0, R({"1", "0x1000", "0", "3", "1"}, {"0"}), Error(2860, 1, 2864)},
        {1, W({"1", "0x1000", "0", "0", "1"}, {"0"}), Error(2860, 1, 2873)},
        {0, R({"1", "0x1000", "0", "1", "0"}, {"0"}), Error(2860, 1, 2865)},   // a read request must poll
        {1, W({"1", "0x1000", "0", "1", "0"}, {"0"}), ""},
        {1, W({"1", "0x1000", "0", "1", "100000001"}, {"0"}), Error(2860, 1, 2874)},
        {0, R({"1", "0x1000", "0", "2", "1"}, {"0", "1", "x", "x"}), ""},   // N Byte 2: two positions
        {0, R({"1", "0x1000", "0", "2", "1"}, {"0", "1438"}), Error(2860, 1, 2867, max)},
        {1, W({"1", "0x1000", "0", "4", "1"}, {"0", "1", "2", ""}), Error(2860, 1, 2878, max)},
        {1, W({"1", "0x1000", "0", "1", "1"}, {"-1"}), Error(2860, 1, 2875, max)},
    });
}

TEST(SDOServerRules, EachGridHasItsTextsAndRanges)
{
    const auto S = [](const QStringList& head, const QStringList& bytes) { return Row(head, bytes, 4, {"m"}); };
    const QString max = "1437";
    Check_Cases(SDO_Server_Editor(), {
        {0, S({"$2000", "0", "1"}, {"0", "not looked at"}), ""},
        {1, S({"0x5FFF", "255", "4"}, {"0", "1", "2", "1437"}), ""},
        {0, S({"0x1FFF", "0", "1"}, {"0"}), Error(2950, 1, 2951)},
        {1, S({"0x6000", "0", "1"}, {"0"}), Error(2950, 1, 2958)},
        {0, S({"0x2000", "256", "1"}, {"0"}), Error(2950, 1, 2952)},
        {1, S({"0x2000", "-1", "1"}, {"0"}), Error(2950, 1, 2959)},
        {0, S({"0x2000", "0", "3"}, {"0"}), Error(2950, 1, 2953)},
        {1, S({"0x2000", "0", ""}, {"0"}), Error(2950, 1, 2960)},
        {0, S({"0x2000", "0", "1"}, {""}), Error(2950, 1, 2954, max)},
        {0, S({"0x2000", "0", "2"}, {"0", "1438"}), Error(2950, 1, 2955, max)},
        {1, S({"0x2000", "0", "4"}, {"0", "1", "x", "3"}), Error(2950, 1, 2963, max)},
        {1, S({"0x2000", "0", "4"}, {"0", "1", "2", "1438"}), Error(2950, 1, 2964, max)},
    });
    // The read table is checked first; each ends at its first empty Index; the same object twice is no error.
    const QStringList good = S({"0x2000", "1", "1"}, {"0"});
    const QStringList bad = S({"0x2000", "1", "9"}, {"0"});
    EXPECT_EQ(Check_Table_Editor(SDO_Server_Editor(), {{good, good, bad}, {bad}}), Error(2950, 3, 2953));
    EXPECT_EQ(Check_Table_Editor(SDO_Server_Editor(), {{good, S({" "}, {}), bad}, {good, bad}}), Error(2950, 2, 2960));
}

TEST(CANopenFiles, GoldenRoundTripsInTheFixedAttributeOrder)
{
    {
        SCOPED_TRACE("PDO");
        Round_Trip(PDO_Editor(), "pdo_attributes_in_any_order", "PDO_CANopen.xml");
    }
    {
        SCOPED_TRACE("SDO client");
        Round_Trip(SDO_Client_Editor(), "sdo_client_sections_in_any_order", "SDO_Client_CANopen.xml");
    }
    {
        SCOPED_TRACE("SDO server");
        Round_Trip(SDO_Server_Editor(), "sdo_server_duplicate_objects", "SDO_Server_CANopen.xml");
    }
}

TEST(CANopenFiles, ANewFileHasBothSectionsEmpty)
{
    TempProgramFolder folder;
    const struct {
        const TTableEditor& editor;
        QByteArray file;
    } cases[] = {
        {PDO_Editor(), "<PDO_CANopen><Receive_PDO/><Transmit_PDO/></PDO_CANopen><!--SW_VERSION = 1.000-->"},
        {SDO_Client_Editor(), "<SDO_Client_CANopen><SDO_Read/><SDO_Write/></SDO_Client_CANopen><!--SW_VERSION = 1.000-->"},
        {SDO_Server_Editor(), "<SDO_Server_CANopen><SDO_Read/><SDO_Write/></SDO_Server_CANopen><!--SW_VERSION = 1.000-->"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.constData());
        const std::vector<TTableLoad> load = Load_Table_Editor(c.editor, folder.path() + "/none.xml");
        ASSERT_EQ(load.size(), 2u);
        EXPECT_TRUE(load[0].Rows.empty() && load[1].Rows.empty() && !load[0].Partial());
        // A new row is empty: no cell of these tables has a default.
        for (const TSchemaSection& section : c.editor.Schema->Sections)
            for (const TTableAttribute& a : section.Attributes)
                EXPECT_EQ(a.Default, "") << a.Name.toStdString();
        EXPECT_EQ(Table_Editor_XML(c.editor, {{}, {}}), c.file);
    }
}

TEST(CANopenFiles, AMissingSectionOrAttributeStopsTheLoadKeepingWhatWasRead)
{
    TempProgramFolder folder;
    const QString path = folder.writeFile("t.xml", R"(<SDO_Server_CANopen><SDO_Read>)"
                                                   R"(<row Index="0x2000" SubIndex="1" NByte="1" Address_B1="0" Address_B2="" Address_B3="" Address_B4="" Mnemonic="a"/>)"
                                                   R"(<row Index="0x2001" SubIndex="2" Address_B1="0"/>)"
                                                   R"(</SDO_Read></SDO_Server_CANopen>)");
    std::vector<TTableLoad> load = Load_Table_Editor(SDO_Server_Editor(), path);
    EXPECT_EQ(load[0].Error, Row_Attribute_Message(path, "SDO_Read", 2, "NByte", false));
    ASSERT_EQ(load[0].Rows.size(), 2u);
    EXPECT_EQ(load[0].Rows[0].last(), "a");
    EXPECT_EQ(load[0].Rows[1], (QStringList{"0x2001", "2"}));   // the row up to the missing attribute
    EXPECT_TRUE(load[1].Rows.empty());

    folder.writeFile("t.xml", R"(<PDO_CANopen><Receive_PDO><row COB-ID="1" Dimension="1" Address_B1="0" Address_B2="" )"
                              R"(Address_B3="" Address_B4="" Address_B5="" Address_B6="" Address_B7="" Address_B8="" )"
                              R"(TimeOut="0" Mnemonic=""/></Receive_PDO></PDO_CANopen>)");
    load = Load_Table_Editor(PDO_Editor(), path);
    EXPECT_EQ(load[0].Error, Missing_Element_Message(path, "Transmit_PDO"));
    EXPECT_EQ(load[0].Rows.size(), 1u);
    EXPECT_TRUE(load[0].Partial());
}
