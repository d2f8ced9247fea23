// The BACnet client's rules over rows, its file, and the filling of its tables from EDE objects.
#include "core/ULanguage.h"
#include "support/QStringPrinter.h"
#include "tables/TableWindow.h"
#include "tables/ip/BACnetMasterTable.h"
#include "tables/ip/TableWindowFixture.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// Rows that pass with BACnet/IP, cells from column 1.
QStringList Read_Row()
{
    return {"Y", "192.168.0.20", "Analog Input", "3", "Present Value (85)", "4", "N", "", "", "",
            "1000", "0", "0", "0", "N", "", "m"};
}
QStringList Write_Row()
{
    return {"Y", "192.168.0.20", "Analog Value", "Real", "3", "Present Value (85)", "0", "4", "N", "", "", "",
            "N", "N", "1000", "0", "0", "0", "N", "", "m"};
}
// The row with the cells of the given grid columns replaced.
QStringList With(QStringList row, std::initializer_list<std::pair<int, QString>> cells)
{
    for (const auto& [column, text] : cells)
        row[column - 1] = text;
    return row;
}
QStringList Dest(QStringList row, bool read, const QString& net, const QString& length, const QString& address)
{
    const int first = read ? 7 : 9;
    return With(row, {{first, "Y"}, {first + 1, net}, {first + 2, length}, {first + 3, address}});
}

QString R(int text, const QString& more = QString(), int row = 1)
{
    return Lang(2137) + QString::number(row) + Lang(text) + more;
}
QString W(int text, const QString& more = QString(), int row = 1)
{
    return Lang(2146) + QString::number(row) + Lang(text) + more;
}

// The rule texts are the built-in English ones.
struct BACnetMasterRules : ::testing::Test {
    void SetUp() override { Set_Default_Language(); }
};

struct Case {
    int type;
    TTableRows read, write;
    QString message;
};

} // namespace

TEST_F(BACnetMasterRules, TheFirstFailingRuleOfAnEnabledRowIsShownWithItsTableAndRow)
{
    const QStringList r = Read_Row(), w = Write_Row();
    const Case cases[] = {
        {0, {r}, {w}, ""},
        {0, {With(r, {{1, "N"}, {2, "x"}})}, {}, ""},   // a disabled row passes whatever it holds
        {0, {With(r, {{1, "y"}, {2, "x"}})}, {}, ""},   // only "Y" enables a row
        {0, {With(r, {{2, "192.168.0.300"}})}, {}, R(2138)},
        {0, {r, With(r, {{2, "192.168.0"}})}, {}, R(2138, "", 2)},
        {1, {With(r, {{2, "254"}})}, {}, ""},
        {1, {With(r, {{2, "255"}})}, {}, R(2139)},
        {1, {r}, {}, R(2139)},   // an IP address is no Slave ID
        {2, {With(r, {{2, ""}})}, {}, ""},   // neither type: no address rule, the Object Type ends the table
        {2, {With(r, {{2, "x"}, {3, ""}}), With(r, {{3, "x"}})}, {}, ""},
        {0, {With(r, {{3, "Analog"}})}, {}, R(2140)},
        {0, {With(r, {{3, " binary input "}, {5, "Units (117)"}})}, {}, R(2142)},
        {0, {With(r, {{3, "Binary Input"}, {5, "Polarity (84)"}})}, {}, ""},
        {0, {With(r, {{3, "Accumulator"}, {5, "Scale (187)"}})}, {}, ""},
        {0, {With(r, {{3, "Analog Input"}, {5, "Scale (187)"}})}, {}, R(2142)},
        {0, {With(r, {{3, "Multi-State Value"}, {5, "Number of States (74)"}})}, {}, ""},
        {0, {With(r, {{3, "600"}, {5, "600"}})}, {}, ""},   // proprietary type and property
        {0, {With(r, {{3, "127"}})}, {}, R(2140)},
        {0, {With(r, {{3, "1024"}})}, {}, R(2140)},
        {0, {With(r, {{5, "511"}})}, {}, R(2142)},
        {0, {With(r, {{5, "4184304"}})}, {}, R(2142)},
        {0, {With(r, {{4, "4294967295"}})}, {}, ""},
        {0, {With(r, {{4, "4294967296"}})}, {}, R(2141)},
        {0, {With(r, {{4, "-1"}})}, {}, R(2141)},
        {0, {With(r, {{6, "256"}})}, {}, R(2143)},
        {0, {With(r, {{11, "100000001"}})}, {}, R(2144)},
        {0, {With(r, {{12, "65536"}})}, {}, R(2145)},
        {0, {}, {With(w, {{3, "Analog Input"}})}, W(2149)},   // read-only type
        {0, {}, {With(w, {{6, "Units (117)"}})}, W(2151)},
        {0, {}, {With(w, {{3, "Positive Integer Value"}, {4, "Real"}})}, W(2158, "Unsigned Int")},
        {0, {}, {With(w, {{3, "Positive Integer Value"}, {4, "unsigned int "}})}, ""},
        {0, {}, {With(w, {{3, "Integer Value"}, {4, "Real"}})}, W(2158, "Signed Int")},
        {0, {}, {With(w, {{3, "Large Analog Value"}, {4, "Real"}})}, W(2158, "Double")},
        {0, {}, {With(w, {{3, "Binary Value"}, {4, "Real"}})}, W(2158, "Enumerated")},
        {0, {}, {With(w, {{3, "Life Safety Point"}, {4, "Enumerated"}})}, W(2152)},
        {0, {}, {With(w, {{3, "700"}, {4, "Octet String"}, {8, "255"}})}, ""},   // a proprietary type takes any
        {0, {}, {With(w, {{6, "600"}, {4, "Bit String"}, {8, "121"}})}, W(2154, "120")},
        {0, {}, {With(w, {{6, "600"}, {4, "Double"}, {8, "9"}})}, W(2154, "8")},
        {0, {}, {With(w, {{6, "600"}, {4, "Boolean"}, {8, "2"}})}, W(2154, "1")},
        {0, {}, {With(w, {{6, "600"}, {4, "Null"}, {8, "1"}})}, W(2154, "0")},
        {0, {}, {With(w, {{6, "600"}, {4, "Character String"}, {8, "255"}})}, ""},
        {0, {}, {With(w, {{7, "17"}})}, W(2153)},
        {0, {}, {With(w, {{14, "N"}, {15, "abc"}})}, ""},
        {0, {}, {With(w, {{14, "y"}, {15, "abc"}})}, W(2155)},
        {0, {}, {With(w, {{16, "-1"}})}, W(2156)},
        {1, {}, {With(w, {{2, "300"}})}, W(2148)},
        {0, {}, {With(w, {{2, ""}}), With(w, {{2, "x"}})}, ""},
        // Destinations: read and write texts.
        {0, {Dest(r, true, "1", "M3", "1, 2 ,3")}, {Dest(w, false, "65535", "m8", "1,2,3,4,5,6,7,8")}, ""},
        {0, {Dest(r, true, "1", "M3", "1,2")}, {}, R(2188)},
        {0, {}, {Dest(w, false, "1", "M3", "1,2")}, W(2189)},
        {0, {Dest(r, true, "1", "M3", "1,2,3,4")}, {}, R(2184)},
        {0, {}, {Dest(w, false, "1", "M3", "1,2,3,4")}, W(2185)},
        {0, {Dest(r, true, "1", "M3", "1,300,3")}, {}, R(2182)},
        {0, {}, {Dest(w, false, "1", "M3", "1,300,3")}, W(2183)},
        {0, {Dest(r, true, "1", "M3", " ")}, {}, R(2188)},   // no bytes at all: too few, not a silent refusal
        {0, {}, {Dest(w, false, "1", "M1", "")}, W(2189)},
        {0, {Dest(r, true, "1", "M9", "1")}, {}, R(2186)},
        {0, {}, {Dest(w, false, "1", "N1", "1")}, W(2187)},
        {0, {Dest(r, true, "0", "1", "1")}, {}, R(2170)},
        {0, {}, {Dest(w, false, "65536", "1", "1")}, W(2175)},
        {0, {Dest(r, true, "1", "1", "255")}, {}, ""},
        {0, {Dest(r, true, "1", "1", "256")}, {}, R(2172)},
        {0, {Dest(r, true, "1", "2", "0")}, {}, R(2173)},
        {0, {}, {Dest(w, false, "1", "2", "65535")}, ""},
        {0, {Dest(r, true, "1", "6", " 192.168.0.15:47808 ")}, {}, ""},
        {0, {Dest(r, true, "1", "6", "192.168.0.15")}, {}, R(2174)},
        {0, {}, {Dest(w, false, "1", "6", "192.168.0.15:65536")}, W(2179)},
        {0, {Dest(r, true, "1", "3", "1")}, {}, R(2171)},
        {0, {}, {Dest(w, false, "1", "-1", "1")}, W(2176)},
        {0, {With(Dest(r, true, "0", "1", "1"), {{7, "N"}})}, {}, ""},   // a destination that is not enabled
        {0, {With(r, {{2, "x"}})}, {With(w, {{2, "x"}})}, R(2138)},   // the read table first
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.read.empty() ? QString() : c.read[0].join('|')).toStdString() + " / " +
                     (c.write.empty() ? QString() : c.write[0].join('|')).toStdString());
        EXPECT_EQ(Check_Table_Editor(BACnet_Master_Editor(c.type), {c.read, c.write}), c.message);
    }
}

TEST_F(BACnetMasterRules, ByteListsAndPropertyHints)
{
    EXPECT_EQ(Check_Dest_Add("7", 1, true), "");
    EXPECT_EQ(Check_Dest_Add("7,", 2, true), Lang(2182));   // an empty item is no byte
    EXPECT_EQ(Check_Dest_Add("1,2,3", 2, false), Lang(2185));

    // Hints of the Property cell (column 5) by object type and property: the bytes it reads.
    const struct {
        const char *type, *property, *hint;
    } hints[] = {
        {"Analog Input", "Present Value (85)", "4"}, {"Binary Input", "Present Value (85)", "1"},
        {"Large Analog Value", "Present Value (85)", "8"}, {"Analog Value", "Present Value (85)", ""},
        {"Accumulator", "PreScale (185)", "5"}, {"Binary Value", "Polarity (84)", "1"},
        {"Analog Input", "Object Type (79)", "2"}, {"Analog Input", "600", ""},
        {"Binary Input", "Units (117)", ""}, {"", "Present Value (85)", ""},
    };
    for (const auto& h : hints) {
        SCOPED_TRACE(std::string(h.type) + " / " + h.property);
        QStringList cells = With(Read_Row(), {{3, h.type}, {5, h.property}});
        EXPECT_EQ(Str_Hint_Read(cells, 5), h.hint);
        EXPECT_EQ(Str_Hint_Read(cells, 4), "");
    }
}

TEST(BACnetMasterFiles, GoldenRoundTripsGiveDefaultsDropConvertionAndEndAtTheKey)
{
    for (const char* folder : {"bacnet_master_read_defaults_no_write", "bacnet_master_write_defaults_no_read"}) {
        SCOPED_TRACE(folder);
        const QString dir = QString(VX_TEST_DATA "/") + folder;
        const std::vector<TTableLoad> load = Load_Table_Editor(BACnet_Master_Editor(0), dir + "/BACnet_Master_Access.xml");
        ASSERT_EQ(load.size(), 2u);
        EXPECT_TRUE(load[0].Error.isEmpty()) << load[0].Error.toStdString();
        EXPECT_EQ(Table_Editor_XML(BACnet_Master_Editor(0), {load[0].Rows, load[1].Rows}),
                  File_Bytes(dir + "/expected.xml"));
    }
}

namespace {

TBACnet_Var Object(int type, int instance, const QString& name, bool read = true, bool write = false)
{
    TBACnet_Var v;
    v.object_type = type;
    v.object_instance = instance;
    v.object_name = name;
    v.description = name + " room";
    v.import = true;
    v.read = read;
    v.write = write;
    return v;
}

std::vector<TTableRows> Empty_Tables()
{
    return {TTableRows(BACnet_Master_Rows, QStringList(17, QString())),
            TTableRows(BACnet_Master_Rows, QStringList(21, QString()))};
}

} // namespace

TEST(EDEImportFill, ObjectsFillEmptyTablesRowByRowAndByteByByte)
{
    std::vector<TTableRows> tables = Empty_Tables();
    TBACnet_Var skipped = Object(4, 9, "Skipped", true, true);
    skipped.import = false;
    const std::vector<TBACnet_Var> objects = {Object(0, 7, "AI"), skipped, Object(5, 8, "BV", true, true),
                                              Object(46, 9, "LAV")};
    const TEDE_Left_Out left = Fill_EDE_Rows(BACnet_Master_Editor(0), tables, objects, "10.0.0.9");
    EXPECT_EQ(left.Read, 0);
    EXPECT_EQ(left.Write, 0);
    EXPECT_EQ(tables[0][0], (QStringList{"Y", "10.0.0.9", "Analog Input", "7", "Present Value (85)", "4", "N", "", "",
                                         "", "1000", "0", "0", "0", "N", "", "AI - AI room"}));
    EXPECT_EQ(tables[0][1].mid(2, 4), (QStringList{"Binary Value", "8", "Present Value (85)", "1"}));
    EXPECT_EQ(tables[0][1][12], "4");
    EXPECT_EQ(tables[0][2].mid(2, 4), (QStringList{"Large Analog Value", "9", "Present Value (85)", "8"}));
    EXPECT_EQ(tables[0][2][12], "5");
    EXPECT_TRUE(tables[0][3].join("").isEmpty());
    EXPECT_EQ(tables[1][0], (QStringList{"Y", "10.0.0.9", "Binary Value", "Enumerated", "8", "Present Value (85)", "0",
                                         "1", "N", "", "", "", "N", "N", "1000", "0", "0", "0", "N", "", "BV - BV room"}));
    EXPECT_TRUE(tables[1][1].join("").isEmpty());
    // What the import writes passes the editor's own rules.
    EXPECT_EQ(Check_Table_Editor(BACnet_Master_Editor(0), tables), "");
}

TEST(EDEImportFill, TheFirstEmptyKeyStartsTheFillAndTheLargestEndGivesItsByte)
{
    std::vector<TTableRows> tables = Empty_Tables();
    tables[0][0] = With(Read_Row(), {{13, "10"}, {6, "4"}});
    tables[0][1] = With(Read_Row(), {{13, "0"}, {6, "2"}});
    tables[0][3] = With(Read_Row(), {{13, "x"}, {6, "100"}});   // not a position: no end
    tables[0][4] = With(Read_Row(), {{13, "2000"}, {6, "-1"}});
    const TEDE_Left_Out left =
        Fill_EDE_Rows(BACnet_Master_Editor(0), tables, {Object(2, 1, "A"), Object(21, 2, "B")}, "10.0.0.9");
    EXPECT_EQ(left.Read, 0);
    EXPECT_EQ(tables[0][2][2], "Analog Value");
    EXPECT_EQ(tables[0][2][12], "14");
    // The rows after the first one to fill are taken whatever they hold.
    EXPECT_EQ(tables[0][3][2], "Life Safety Point");
    EXPECT_EQ(tables[0][3][12], "18");
    EXPECT_EQ(tables[0][4], With(Read_Row(), {{13, "2000"}, {6, "-1"}}));
}

TEST(EDEImportFill, ObjectsBeyondTheLastRowAreCountedNotWritten)
{
    std::vector<TTableRows> tables = Empty_Tables();
    for (int r = 0; r < BACnet_Master_Rows - 1; ++r)
        tables[0][static_cast<std::size_t>(r)] = Read_Row();
    for (QStringList& row : tables[1])
        row = Write_Row();
    const std::vector<TTableRows> before = tables;
    const TEDE_Left_Out left = Fill_EDE_Rows(BACnet_Master_Editor(0), tables,
                                             {Object(0, 1, "A", true, true), Object(0, 2, "B"), Object(0, 3, "C")}, "1.2.3.4");
    EXPECT_EQ(left.Read, 2);
    EXPECT_EQ(left.Write, 1);
    EXPECT_EQ(tables[0].back()[3], "1");
    EXPECT_EQ(tables[1], before[1]);
    EXPECT_EQ(tables[0].size(), before[0].size());
}

TEST(EDEImportFill, WithoutAnAddressColumnTheObjectTypeIsTheKey)
{
    std::vector<TTableRows> tables = Empty_Tables();
    tables[0][0] = With(Read_Row(), {{2, ""}});
    tables[0][1] = With(Read_Row(), {{2, "kept"}, {3, ""}});
    Fill_EDE_Rows(BACnet_Master_Editor(7), tables, {Object(0, 1, "A")}, "");
    EXPECT_EQ(tables[0][0], With(Read_Row(), {{2, ""}}));
    EXPECT_EQ(tables[0][1][2], "Analog Input");
    EXPECT_EQ(tables[0][1][12], "4");
}
