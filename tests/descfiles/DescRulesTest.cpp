#include "core/UComon.h"
#include "descfiles/DescFixture.h"
#include "descfiles/DescText.h"
#include "descfiles/UEds.h"
#include "descfiles/UProfibus_GSD.h"
#include "descfiles/UProfinetXML.h"
#include "descfiles/USNMP_MIB.h"
#include "support/QStringPrinter.h"
#include <QFileInfo>
#include <algorithm>

namespace {

QByteArray Rows(const char* row, int count)
{
    QByteArray rows;
    for (int i = 0; i < count; ++i)
        rows += QByteArray(row).replace("%N", QByteArray::number(i + 1));
    return rows;
}

QByteArray Pdo(const QByteArray& receive, const QByteArray& transmit = "")
{
    return "<PDO_CANopen><Receive_PDO>" + receive + "</Receive_PDO><Transmit_PDO>" + transmit +
           "</Transmit_PDO></PDO_CANopen>";
}

QByteArray Sdo(const QByteArray& read, const QByteArray& write = "")
{
    return "<SDO_Server_CANopen><SDO_Read>" + read + "</SDO_Read><SDO_Write>" + write + "</SDO_Write></SDO_Server_CANopen>";
}

QByteArray ParGen(const QByteArray& elements)
{
    return "<Par_Gen>" + elements + "</Par_Gen>";
}

QByteArrayList Lines_Of(const QString& path)
{
    QByteArrayList lines = Read_All(path).split('\n');
    for (QByteArray& l : lines)
        l.chop(1);
    lines.removeLast();
    return lines;
}

// How many lines hold `part`.
qsizetype Count(const QByteArrayList& lines, const QByteArray& part)
{
    return std::count_if(lines.begin(), lines.end(), [&](const QByteArray& l) { return l.contains(part); });
}

// The lines of the section [name] up to the next empty line.
QByteArrayList Section(const QByteArrayList& lines, const QByteArray& name)
{
    const qsizetype at = lines.indexOf("[" + name + "]");
    if (at < 0)
        return {};
    QByteArrayList section;
    for (qsizetype i = at + 1; i < lines.size() && !lines[i].isEmpty(); ++i)
        section << lines[i];
    return section;
}

} // namespace

TEST(EdsWriter, TwelveHourClockAndDate)
{
    const struct {
        int hour, minute;
        const char* text;
    } cases[] = {{0, 0, "12:00AM"}, {0, 15, "12:15AM"}, {9, 7, "09:07AM"}, {11, 59, "11:59AM"},
                 {12, 0, "12:00PM"}, {12, 30, "12:30PM"}, {13, 5, "01:05PM"}, {23, 59, "11:59PM"}};
    for (const auto& c : cases)
        EXPECT_EQ(EDS_Time_Text(QDateTime(QDate(2021, 2, 5), QTime(c.hour, c.minute, 42))), c.text);
    EXPECT_EQ(EDS_Date_Text(QDateTime(QDate(2021, 2, 5), QTime(12, 0))), "02-05-2021");
}

TEST(EdsWriter, ThirtyPdosPerDirectionAndValuesThatAreNoNumbers)
{
    DescProjectFixture p;
    p.write("PDO_CANopen.xml",
            Pdo("<row COB-ID=\"abc\" Dimension=\"\"/>" + Rows("<row COB-ID=\"%N\" Dimension=\"1\"/>", 30),
                Rows("<row COB-ID=\"$18%N\" Dimension=\"1\"/>", 31)));
    const QString out = p.file("out.eds");
    ASSERT_TRUE(Write_EDS_File(out));
    const QByteArrayList lines = Lines_Of(out);
    EXPECT_TRUE(lines.contains("NrOfRXPDO=30"));
    EXPECT_TRUE(lines.contains("NrOfTXPDO=30"));
    EXPECT_TRUE(lines.contains("SupportedObjects=188"));
    EXPECT_EQ(Section(lines, "1400sub1")[4], "DefaultValue=0x00000000");   // "abc": 0
    EXPECT_EQ(Section(lines, "1600")[0], "SubNumber=9");                    // "": 8 bytes
    EXPECT_EQ(Section(lines, "7000sub8")[0], "ParameterName=b8");
    EXPECT_EQ(Section(lines, "701Dsub1")[0], "ParameterName=av1");         // receive PDO 30
    EXPECT_EQ(Section(lines, "706Dsub1")[0], "ParameterName=cv1");         // transmit PDO 30
    EXPECT_EQ(Section(lines, "1800sub1")[4], "DefaultValue=0x00000181");
    EXPECT_TRUE(Section(lines, "141E").isEmpty());
    EXPECT_TRUE(Section(lines, "181E").isEmpty());
    EXPECT_TRUE(Section(lines, "706E").isEmpty());
}

// A hand-edited length is kept to what sub-indexes can number.
TEST(EdsWriter, PdoLengthsOutsideTheSubIndexRange)
{
    DescProjectFixture p;
    p.write("PDO_CANopen.xml", Pdo("<row COB-ID=\"1\" Dimension=\"-2\"/><row COB-ID=\"2\" Dimension=\"999999\"/>"));
    const QString out = p.file("out.eds");
    ASSERT_TRUE(Write_EDS_File(out));
    const QByteArrayList lines = Lines_Of(out);
    EXPECT_EQ(Section(lines, "1600")[0], "SubNumber=1");
    EXPECT_EQ(Section(lines, "1600sub0")[4], "DefaultValue=0x00");
    EXPECT_TRUE(Section(lines, "1600sub1").isEmpty());
    EXPECT_EQ(Section(lines, "1601")[0], "SubNumber=256");
    EXPECT_EQ(Section(lines, "1601sub0")[4], "DefaultValue=0xFF");
    EXPECT_EQ(Section(lines, "7001subFF")[0], "ParameterName=c255");
    EXPECT_TRUE(Section(lines, "7001sub100").isEmpty());
}

TEST(EdsWriter, SubIndexZeroAndTheSameSubIndexInBothTables)
{
    DescProjectFixture p;
    p.write("SDO_Server_CANopen.xml",
            Sdo("<row Index=\"0x2100\" SubIndex=\"2\" NByte=\"4\"/><row Index=\"0x2100\" SubIndex=\"0\" NByte=\"1\"/>"
                "<row Index=\"0x2100\" SubIndex=\"255\" NByte=\"2\"/>",
                "<row Index=\"0x2100\" SubIndex=\"2\" NByte=\"1\"/><row Index=\"0x2100\" SubIndex=\"0x10\" NByte=\"3\"/>"));
    const QString out = p.file("out.eds");
    ASSERT_TRUE(Write_EDS_File(out));
    const QByteArrayList lines = Lines_Of(out);
    EXPECT_EQ(Section(lines, "ManufacturerObjects"), (QByteArrayList{"SupportedObjects=1", "1=0x2100"}));
    EXPECT_EQ(Section(lines, "2100")[0], "SubNumber=4");
    EXPECT_EQ(Section(lines, "2100sub0")[0], "ParameterName=Application Variable");
    // The read row of sub-index 2 describes it; the write row of the same sub-index adds nothing.
    EXPECT_EQ(Section(lines, "2100sub2"),
              (QByteArrayList{"ParameterName=Application Variable", "ObjectType=0x7", "DataType=0x0007",
                              "LowLimit=0x00000000", "HighLimit=0xFFFFFFFF", "DefaultValue=0x00000000", "AccessType=ro",
                              "PDOMapping=0"}));
    EXPECT_EQ(Section(lines, "2100sub10")[6], "AccessType=rw");   // 0x10 and 3 bytes: 32 bits
    EXPECT_EQ(Section(lines, "2100subFF")[2], "DataType=0x0006");
    EXPECT_EQ(Count(lines, "[2100sub"), 4);
    const qsizetype sub2 = lines.indexOf("[2100sub2]");
    EXPECT_LT(lines.indexOf("[2100sub0]"), sub2);
    EXPECT_LT(sub2, lines.indexOf("[2100sub10]"));
    EXPECT_LT(lines.indexOf("[2100sub10]"), lines.indexOf("[2100subFF]"));
}

TEST(EdsWriter, IncompleteTablesWriteNothing)
{
    const struct {
        const char* name;
        const char* file;
        QByteArray xml;
        const char* message;
    } cases[] = {
        {"no transmit section", "PDO_CANopen.xml", "<PDO_CANopen><Receive_PDO/></PDO_CANopen>", "no element Transmit_PDO"},
        {"no COB-ID", "PDO_CANopen.xml", Pdo("<row Dimension=\"1\"/>"), "Receive_PDO row 1: the attribute COB-ID"},
        {"sub-index no number", "SDO_Server_CANopen.xml", Sdo("", "<row Index=\"0x2000\" SubIndex=\"x\" NByte=\"1\"/>"),
         "SDO_Write row 1: the attribute SubIndex is missing or not a number"},
        {"no NByte", "SDO_Server_CANopen.xml", Sdo("<row Index=\"0x2000\" SubIndex=\"1\"/>"), "the attribute NByte"},
        {"not well-formed", "SDO_Server_CANopen.xml", "<SDO_Server_CANopen>", "not well-formed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DescProjectFixture p;
        p.write(c.file, c.xml);
        QString error;
        EXPECT_FALSE(Write_EDS_File(p.file("out.eds"), &error));
        EXPECT_TRUE(error.contains(QLatin1String(c.message))) << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String(c.file))) << error.toStdString();
        EXPECT_FALSE(QFileInfo::exists(p.file("out.eds")));
    }
}

TEST(GsdWriter, ModulesFromTheByteCounts)
{
    const struct {
        QByteArray elements;
        QByteArrayList expected;   // module lines, then the length keywords
    } cases[] = {
        {"<PROFINET_NB_OUT>1</PROFINET_NB_OUT>",
         {"Module=\"DI  (PORT1)    \" 0x42,0x00,0x00,0x01", "Max_Module=1", "Max_Input_Len=1", "Max_Output_Len=0"}},
        {"<PROFINET_NB_IN>640</PROFINET_NB_IN>",
         {"Module=\"DO  (PORT10)    \" 0x82,0x3F,0x00,0x0A", "Max_Module=10", "Max_Input_Len=0", "Max_Output_Len=640"}},
        // Hand-edited negative counts are no bytes at all; text that is no number is 0.
        {"<PROFINET_NB_IN>-64</PROFINET_NB_IN><PROFINET_NB_OUT>-5</PROFINET_NB_OUT>",
         {"Max_Module=0", "Max_Input_Len=0", "Max_Output_Len=0", "Max_Data_Len=0"}},
        {"<PROFINET_NB_IN>12x</PROFINET_NB_IN><PROFINET_NB_OUT>65</PROFINET_NB_OUT>",
         {"Module=\"DI  (PORT2)    \" 0x42,0x00,0x00,0x02", "Max_Module=2", "Max_Output_Len=0", "Max_Data_Len=65"}},
        // A hand-edited count near 2^31 listed 33 million modules: counts stop at the 1438 bytes of the data area.
        {"<PROFINET_NB_IN>2147483647</PROFINET_NB_IN><PROFINET_NB_OUT>1439</PROFINET_NB_OUT>",
         {"Module=\"DO  (PORT46)    \" 0x82,0x1D,0x00,0x2E", "Max_Module=46", "Max_Input_Len=1438",
          "Max_Output_Len=1438"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.elements.toStdString());
        DescProjectFixture p;
        p.write("ParGen.xml", ParGen(c.elements));
        TGSD_Counts counts;
        ASSERT_TRUE(Read_GSD_Counts(counts, nullptr));
        ASSERT_TRUE(Write_GSD_File(p.file("out.gsd"), counts));
        const QByteArrayList lines = Lines_Of(p.file("out.gsd"));
        for (const QByteArray& l : c.expected)
            EXPECT_TRUE(lines.contains(l)) << l.toStdString();
        EXPECT_EQ(Count(lines, "EndModule"), Count(lines, "Slot("));
    }
}

TEST(GsdWriter, NoParameterFileAndFileNames)
{
    DescProjectFixture p;
    TGSD_Counts counts;
    QString error;
    EXPECT_FALSE(Read_GSD_Counts(counts, &error));
    EXPECT_EQ(error, "Error! Please set the Set Communication Parameter before to create the GSD file");
    const struct {
        const char* chosen;
        const char* name;
    } names[] = {{"a", "a.gsd"}, {"a.GSD", "a.GSD"}, {"a.Gsd", "a.Gsd"}, {"a.gsdx", "a.gsdx.gsd"}, {"a.txt", "a.txt.gsd"}};
    for (const auto& n : names)
        EXPECT_EQ(GSD_File_Name(QLatin1String(n.chosen)), n.name);
}

TEST(GsdmlWriter, FileNameRule)
{
    const QString prefix = PROFINET_Fixed_Prefix();
    const QString suffix = PROFINET_Fixed_Suffix(QDate(2026, 1, 9));
    EXPECT_EQ(prefix + suffix, "GSDML-V2.31-Velmor-RZ48176-20260109.xml");
    const struct {
        const char* user;
        const char* name;
    } names[] = {{"", "GSDML-V2.31-Velmor-RZ48176-20260109.xml"},
                 {"   ", "GSDML-V2.31-Velmor-RZ48176-20260109.xml"},
                 {"plant1", "GSDML-V2.31-Velmor-RZ48176_plant1-20260109.xml"},
                 {"_A", "GSDML-V2.31-Velmor-RZ48176_A-20260109.xml"},
                 {" A", "GSDML-V2.31-Velmor-RZ48176_ A-20260109.xml"}};
    for (const auto& n : names)
        EXPECT_EQ(PROFINET_XML_Name(prefix, QLatin1String(n.user), suffix), n.name);
    for (const char* bad : {"a/b", "a\\b", "..", "x..y", "tab\there", "new\nline"})
        EXPECT_FALSE(Valid_PROFINET_User_Part(QLatin1String(bad))) << bad;
    for (const char* good : {"", "plant 1", "_A", "v1.2", "Süd"})
        EXPECT_TRUE(Valid_PROFINET_User_Part(QString::fromUtf8(good))) << good;
    EXPECT_EQ(PROFINET_Target("/some/folder/typed.xml", "GSDML-x.xml"), "/some/folder/GSDML-x.xml");
}

TEST(GsdmlWriter, ParametersAndTheirDefaults)
{
    const struct {
        QByteArray elements;
        int in, out;
        const char* station;
    } cases[] = {
        {"<PROFINET_NB_IN>abc</PROFINET_NB_IN><PROFINET_NAME_STA>   </PROFINET_NAME_STA>", 1438, 1438, "SERIAL"},
        {"<PROFINET_NB_IN>-3</PROFINET_NB_IN><PROFINET_NB_OUT>7</PROFINET_NB_OUT><PROFINET_NAME_STA> io-1 </PROFINET_NAME_STA>",
         0, 7, " io-1 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.elements.toStdString());
        DescProjectFixture p;
        p.write("ParGen.xml", ParGen(c.elements));
        TPROFINET_Parameters parameters;
        ASSERT_TRUE(Read_PROFINET_Parameters(parameters, nullptr));
        EXPECT_EQ(parameters.NB_IN, c.in);
        EXPECT_EQ(parameters.NB_OUT, c.out);
        EXPECT_EQ(parameters.Station, c.station);
    }
    DescProjectFixture p;
    p.write("ParGen.xml", "<Par_Gen>");
    QString error;
    EXPECT_FALSE(Write_GSDML_File(p.file("out.xml"), &error));
    EXPECT_TRUE(error.contains("not well-formed"));
    EXPECT_FALSE(QFileInfo::exists(p.file("out.xml")));
}

TEST(MibWriter, ListsAndAtMost256ObjectsPerDirection)
{
    DescProjectFixture p;
    p.write("SNMP_Trap.xml", "<SNMP_Trap><SNMP_Trap_Read>" +
                                 Rows("<row Enable=\"Y\" Type=\"INT\" Description=\"r%N\"/>", 300) +
                                 "</SNMP_Trap_Read><SNMP_Trap_Write>" +
                                 Rows("<row Enable=\"Y\" Type=\"String\" Description=\"w%N\"/>", 257) +
                                 "</SNMP_Trap_Write></SNMP_Trap>");
    const QString out = p.file("out.mib");
    ASSERT_TRUE(Create_MIB_File(out));
    ASSERT_TRUE(SL_MIB_Read_Desc && SL_MIB_Write_Desc);
    EXPECT_EQ(SL_MIB_Read_Desc->size(), 256);
    EXPECT_EQ(SL_MIB_Read_Desc->last(), "r256");
    EXPECT_EQ(SL_MIB_Write_Desc->size(), 256);
    const QByteArrayList lines = Lines_Of(out);
    EXPECT_EQ(Count(lines, "SYNTAX INTEGER MAX-ACCESS read-only STATUS current DESCRIPTION \"r"), 512);
    EXPECT_EQ(Count(lines, "NOTIFICATION-TYPE"), 256);
    EXPECT_TRUE(lines.contains("w256 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-write STATUS current DESCRIPTION "
                               "\"w256\" ::= { bufferoutval 256 }"));
    EXPECT_EQ(Count(lines, "\"r257\""), 0);
    EXPECT_EQ(Count(lines, "\"w257\""), 0);
}

TEST(MibWriter, WriteObjectsOnlyEndRightAfterTrapsval)
{
    DescProjectFixture p;
    p.write("SNMP_Trap.xml", "<SNMP_Trap><SNMP_Trap_Read/><SNMP_Trap_Write><row Enable=\"Y\" Type=\"Int\" "
                             "Description=\"%1x\"/></SNMP_Trap_Write></SNMP_Trap>");
    ASSERT_TRUE(Create_MIB_File(p.file("out.mib")));
    const QByteArrayList lines = Lines_Of(p.file("out.mib"));
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.mid(lines.size() - 3),
              (QByteArrayList{"traps OBJECT IDENTIFIER::= { application 2 }", " trapsval OBJECT IDENTIFIER::= { traps 1 }",
                              "END"}));
    // A description is written as it stands, "%" included.
    EXPECT_TRUE(lines.contains(
        "%1x OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-write STATUS current DESCRIPTION \"%1x\" ::= { bufferoutval 1 }"));
}

TEST(MibWriter, ABrokenObjectFileWritesNothingAndEmptiesTheLists)
{
    DescProjectFixture p;
    p.write("SNMP_Trap.xml", "<SNMP_Trap><SNMP_Trap_Read><row Enable=\"Y\" Description=\"a\"/></SNMP_Trap_Read></SNMP_Trap>");
    ASSERT_FALSE(Load_SNMP_Trap_Objects(nullptr));
    p.write("SNMP_Trap.xml", "<SNMP_Trap><SNMP_Trap_Read><row Enable=\"Y\" Description=\"a\"/></SNMP_Trap_Read>"
                             "<SNMP_Trap_Write/></SNMP_Trap>");
    ASSERT_TRUE(Load_SNMP_Trap_Objects(nullptr));
    EXPECT_EQ(*SL_MIB_Read_Desc, QStringList{"a"});
    p.write("SNMP_Trap.xml", "<SNMP_Trap><SNMP_Trap_Read>");
    QString error;
    EXPECT_FALSE(Create_MIB_File(p.file("out.mib"), &error));
    EXPECT_TRUE(error.contains("SNMP_Trap.xml")) << error.toStdString();
    EXPECT_TRUE(SL_MIB_Read_Desc->isEmpty());
    EXPECT_FALSE(QFileInfo::exists(p.file("out.mib")));
}

// Nothing is reported as written that was not.
TEST(DescFiles, AFileThatCannotBeWrittenIsReported)
{
    DescProjectFixture p;
    const QString path = p.file("no/such/folder/out");
    QString eds, gsd, gsdml, mib;
    EXPECT_FALSE(Write_EDS_File(path, &eds));
    EXPECT_FALSE(Write_GSD_File(path, TGSD_Counts{}, &gsd));
    EXPECT_FALSE(Write_GSDML_File(path, &gsdml));
    EXPECT_FALSE(Create_MIB_File(path, &mib));
    for (const QString& e : {eds, gsd, gsdml, mib})
        EXPECT_TRUE(e.startsWith("Error! The file")) << e.toStdString();
}

TEST(DescText, CellIntegersAndHex)
{
    const struct {
        const char* text;
        std::optional<std::int32_t> value;
    } cases[] = {{"513", 513},        {"  -7", -7},      {"0x201", 0x201}, {"0X7ff", 0x7FF}, {"$2000", 0x2000},
                 {"x10", 16},         {"-$10", -16},     {"$FFFFFFFF", -1}, {"2147483647", INT32_MAX},
                 {"-2147483648", INT32_MIN}, {"2147483648", std::nullopt}, {"$100000000", std::nullopt},
                 {"", std::nullopt},  {"0x", std::nullopt}, {"12 ", std::nullopt}, {"1a", std::nullopt},
                 {"\xd9\xa3", std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(Read_Cell_Integer(QString::fromUtf8(c.text)), c.value) << c.text;
    EXPECT_EQ(Hex_Text(0x1A, 2), "1A");
    EXPECT_EQ(Hex_Text(0x7000, 2), "7000");
    EXPECT_EQ(Utf8_Lines({"\u00e9", ""}), QByteArray("\xEF\xBB\xBF\xC3\xA9\r\n\r\n"));
}
