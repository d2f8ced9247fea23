#include "core/UComon.h"
#include "descfiles/UBACnet_EDE_File.h"
#include "support/TempProgramFolder.h"
#include "tables/ip/BACnetMasterTable.h"
#include "tables/ip/EDEFileReader.h"
#include <QFile>
#include <gtest/gtest.h>

namespace {

// Five lines of file head, the header line of mandatory markers, the column titles.
QStringList EDE_Head()
{
    return {QStringLiteral("PROJECT_NAME;Hall;;"), QStringLiteral("VERSION_OF_REFERENCEFILE;1.0;;"),
            QStringLiteral("TIMESTAMP_OF_LAST_CHANGE;x;;"), QStringLiteral("AUTHOR_OF_LAST_CHANGE;x;;"),
            QStringLiteral("VERSION_OF_LAYOUT;2;;"), QStringLiteral("#Info;;"),
            QStringLiteral(" # mandatory;mandatory;mandatory;mandatory;mandatory;optional"),
            QStringLiteral("# keyname;device obj.-instance;object-name;object-type;object-instance;description")};
}

QString Names(const std::vector<TBACnet_Var>& read)
{
    QStringList names;
    for (const TBACnet_Var& v : read)
        names.append(v.object_name);
    return names.join(QLatin1Char(','));
}

struct ReaderCase {
    const char* What;
    QStringList Lines;
    const char* Names;
};

TEST(EDEReader, HeaderAndKeptTypes)
{
    const QStringList head = EDE_Head();
    const ReaderCase cases[] = {
        {"header on the seventh line: data from the ninth",
         head + QStringList{QStringLiteral("k;1;Temp;0;3;Room;;"), QStringLiteral("k;1;Pump;4;0;;")}, "Temp,Pump"},
        {"two extra lines on top: the scan finds the header",
         QStringList{QStringLiteral("extra"), QStringLiteral("extra")} + head +
             QStringList{QStringLiteral("k;1;Temp;0;3;Room;;")},
         "Temp"},
        {"the last header found decides",
         QStringList{QStringLiteral("#mandatory"), QStringLiteral("skipped"), QStringLiteral("k;1;Early;0;1"),
                     QStringLiteral("# mandatory;x"), QStringLiteral("titles"), QStringLiteral("k;1;Late;0;2")},
         "Late"},
        {"Device, other types, comments and blank lines are dropped",
         head + QStringList{QStringLiteral("k;1;Dev;8;1"), QStringLiteral(""), QStringLiteral("k;1;Big;46;1"),
                            QStringLiteral("# comment;;"), QStringLiteral("k;1;File;10;1"),
                            QStringLiteral("k;1;Pos;48;1")},
         "Big,Pos"},
        {"no header: no objects", {QStringLiteral("k;1;Temp;0;3"), QStringLiteral("k;1;Pump;4;0")}, ""},
        {"a file ending at its header has no objects", head.mid(0, 7), ""},
        {"a file shorter than seven lines", {QStringLiteral("#mandatory")}, ""},
        {"an empty file", {}, ""},
    };
    for (const ReaderCase& c : cases)
        EXPECT_EQ(Names(Read_EDE_Lines(c.Lines)), QLatin1String(c.Names)) << c.What;
}

TEST(EDEReader, Fields)
{
    const std::vector<TBACnet_Var> read = Read_EDE_Lines(
        EDE_Head() + QStringList{QStringLiteral(" key ; 77 ; Fan ; 4 ; $10 ; Hall fan ; 0 ; 1 ; 2 ; y ; N ; hi ; lo ; "
                                                "st ; 95 ; vendor;extra ; "),
                                 QStringLiteral("k;x;Short;3;two")});
    ASSERT_EQ(read.size(), 2u);
    const TBACnet_Var& v = read[0];
    EXPECT_EQ(v.keyname, QLatin1String("key"));
    EXPECT_EQ(v.device_obj_instance, 77);
    EXPECT_EQ(v.object_type, 4);
    EXPECT_EQ(v.object_instance, 16);
    EXPECT_EQ(v.description, QLatin1String("Hall fan"));
    EXPECT_EQ(v.max_present_value, QLatin1String("2"));
    EXPECT_TRUE(v.commandable);   // "y" counts
    EXPECT_FALSE(v.support_COV);
    EXPECT_EQ(v.stete_text_reference, QLatin1String("st"));
    EXPECT_EQ(v.unit_code, QLatin1String("95"));
    EXPECT_EQ(v.vendor_specific_address, QLatin1String("vendor;extra "));
    EXPECT_TRUE(v.import && v.read && v.write);

    const TBACnet_Var& s = read[1];   // too few fields: empty or -1
    EXPECT_EQ(s.device_obj_instance, -1);
    EXPECT_EQ(s.object_instance, -1);
    EXPECT_TRUE(s.description.isEmpty() && s.vendor_specific_address.isEmpty());
    EXPECT_FALSE(s.commandable);
    EXPECT_TRUE(s.import && s.read);
    EXPECT_FALSE(s.write);   // not commandable: read only
}

TEST(EDEReader, TypeTables)
{
    EXPECT_EQ(Get_ObjType_EDE(22), QLatin1String("Life Safety Zone"));
    EXPECT_EQ(Get_ObjType_EDE(8), QString());
    EXPECT_EQ(Get_DataType_EDE(45), QLatin1String("Signed Int"));
    EXPECT_EQ(Get_DataType_EDE(8), QLatin1String("Null"));
    EXPECT_EQ(Get_NumByte_EDE(46), 8);
    EXPECT_EQ(Get_NumByte_EDE(5), 1);
    EXPECT_EQ(Get_NumByte_EDE(8), 4);
}

QByteArray Data_File(const char* name)
{
    QFile f(QStringLiteral(VX_TEST_DATA "/ede_ip_example/%1").arg(QLatin1String(name)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The server table's objects come back through the project's own EDE file, and into the client table.
TEST(EDEReader, ReadsTheProjectsOwnEDEFile)
{
    TempProgramFolder folder;
    const QString dir = folder.makeProject(QStringLiteral("Plant A"));
    Project_Name = QStringLiteral("Plant A");
    Project_Dir = dir;
    Set_Project_File_Paths(dir);
    for (const char* name : {"ParGen.xml", "BACnet_Slave_SetAccess.xml"}) {
        QFile f(dir + QLatin1Char('/') + QLatin1String(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Data_File(name));
    }
    const QString path = dir + QStringLiteral("/plant.csv");
    QString error;
    ASSERT_TRUE(Create_EDE_File(path, &error)) << error.toStdString();

    std::vector<TBACnet_Var> read;
    ASSERT_TRUE(Read_EDE_File(path, read, &error)) << error.toStdString();
    EXPECT_EQ(Names(read), QLatin1String("Room temperature,Hall,Fan"));
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[1].object_type, 0);
    EXPECT_EQ(read[1].object_instance, 1);
    EXPECT_EQ(read[2].object_type, 4);
    EXPECT_EQ(read[2].device_obj_instance, 77);

    std::vector<TTableRows> tables = {TTableRows(BACnet_Master_Rows, QStringList(17, QString())),
                                      TTableRows(BACnet_Master_Rows, QStringList(21, QString()))};
    Fill_EDE_Rows(BACnet_Master_Editor(0), tables, read, QStringLiteral("192.168.0.30"));
    EXPECT_EQ(Check_Table_Editor(BACnet_Master_Editor(0), tables), QString());
    EXPECT_EQ(Table_Editor_XML(BACnet_Master_Editor(0), tables), Data_File("expected_client.xml"));
}

TEST(EDEReader, MissingFileIsAnError)
{
    std::vector<TBACnet_Var> read;
    QString error;
    EXPECT_FALSE(Read_EDE_File(QStringLiteral("/nonexistent/x.csv"), read, &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
