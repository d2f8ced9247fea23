#include "core/UComon.h"
#include "descfiles/DescText.h"
#include "descfiles/UBACnet_EDE_File.h"
#include "support/TempProgramFolder.h"
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

QByteArray Read_All(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// An open project "Plant A" in a temporary program folder.
class EdeProject {
public:
    EdeProject()
    {
        FDir = FFolder.makeProject(QStringLiteral("Plant A"));
        Project_Name = QStringLiteral("Plant A");
        Project_Dir = FDir;
        Set_Project_File_Paths(FDir);
    }
    void copyCase(const char* name) const
    {
        for (const char* file : {"ParGen.xml", "BACnet_Slave_SetAccess.xml"})
            write(file, Read_All(QStringLiteral(VX_TEST_DATA "/%1/%2").arg(QLatin1String(name), QLatin1String(file))));
    }
    void write(const char* file, const QByteArray& content) const
    {
        QFile f(FDir + QLatin1Char('/') + QLatin1String(file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QString out() const { return FDir + QStringLiteral("/plant.csv"); }

    // Exports and returns the file with its timestamp replaced by "<TIMESTAMP>".
    QByteArray exportFile(QString* error = nullptr) const
    {
        const QString before = Get_EDE_Timestamp(QDateTime::currentDateTime());
        EXPECT_TRUE(Create_EDE_File(out(), error));
        const QString after = Get_EDE_Timestamp(QDateTime::currentDateTime());
        QByteArray text = Read_All(out());
        const QByteArray stamped = "TIMESTAMP_OF_LAST_CHANGE;" + before.toLatin1() + ";";
        const QByteArray stampedLater = "TIMESTAMP_OF_LAST_CHANGE;" + after.toLatin1() + ";";
        const QByteArray placeholder = "TIMESTAMP_OF_LAST_CHANGE;<TIMESTAMP>;";
        EXPECT_TRUE(text.contains(stamped) || text.contains(stampedLater)) << text.left(200).toStdString();
        return text.replace(stamped, placeholder).replace(stampedLater, placeholder);
    }
    QList<QByteArray> objectLines() const
    {
        QList<QByteArray> lines = exportFile().split('\n');
        return lines.mid(7, lines.size() - 8);   // after the header, without the empty piece after the last CR LF
    }

private:
    TempProgramFolder FFolder;
    QString FDir;
};

QByteArray Header(const char* project)
{
    return QByteArray("PROJECT_NAME; Velmor-RZ48122-") + project + ";;;;;;\r\n"
           "VERSION_OF_REFERENCEFILE;1.0;;;;;;\r\n"
           "TIMESTAMP_OF_LAST_CHANGE;<TIMESTAMP>;;;;;;\r\n"
           "AUTHOR_OF_LAST_CHANGE;Velmor;;;;;;\r\n"
           "VERSION_OF_LAYOUT;2;;;;;;\r\n"
           "# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;\r\n"
           "# keyname;device obj.-instance;object-name;object-type;object-instance;description;unit-code;\r\n";
}

QByteArray Objects(const char* rows)
{
    return QByteArray("<BACnet_to_Modbus><BACnet_in_Read>") + rows + "</BACnet_in_Read><BACnet_in_Write/></BACnet_to_Modbus>";
}

} // namespace

TEST(BACnetEDEFile, GoldenFiles)
{
    for (const char* name : {"ede_ip_example", "ede_mstp_long_names"}) {
        SCOPED_TRACE(name);
        EdeProject p;
        p.copyCase(name);
        EXPECT_EQ(p.exportFile(), Read_All(QStringLiteral(VX_TEST_DATA "/%1/expected.csv").arg(QLatin1String(name))));
    }
}

TEST(BACnetEDEFile, EmptySectionsOrNoObjectFileGiveTheHeaderOnly)
{
    {
        EdeProject p;
        p.write("BACnet_Slave_SetAccess.xml", Objects(""));
        EXPECT_EQ(p.exportFile(), Header("Plant A"));
    }
    {
        EdeProject p;
        Project_Name.clear();
        EXPECT_EQ(p.exportFile(), Header(""));
    }
}

TEST(BACnetEDEFile, DeviceInstanceAndNameLengthFromTheParameterFile)
{
    struct Case {
        const char* pargen;   // nullptr: no parameter file
        const char* line;
    };
    const Case cases[] = {
        {"<Par_Gen><BACnet_Type>1</BACnet_Type><BACnet_DEV_IDE>7</BACnet_DEV_IDE><BACnet_Ser_DEV_IDE>8</BACnet_Ser_DEV_IDE>"
         "<BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></Par_Gen>",
         "8_ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_0;8;ABCDEFGHIJKLMNOPQRSTUVWXYZ012345;0;0;ABCDEFGHIJKLMNOPQRSTUVWXYZ012345;62;"},
        {"<Par_Gen><BACnet_Type>x</BACnet_Type><BACnet_DEV_IDE> 7 </BACnet_DEV_IDE><BACnet_Ser_DEV_IDE>8</BACnet_Ser_DEV_IDE>"
         "<BACnet_Desc_Chars_Limit> 1</BACnet_Desc_Chars_Limit></Par_Gen>",
         " 7 _ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_0; 7 ;ABCDEFGHIJKLMNOP;0;0;ABCDEFGHIJKLMNOP;62;"},
        {"<Par_Gen><BACnet_DEV_IDE>7</BACnet_DEV_IDE><BACnet_Desc_Chars_Limit>true</BACnet_Desc_Chars_Limit></Par_Gen>",
         "7_ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_0;7;ABCDEFGHIJKLMNOP;0;0;ABCDEFGHIJKLMNOP;62;"},
        {"<Par_Gen><BACnet_Type>1</BACnet_Type><BACnet_DEV_IDE>7</BACnet_DEV_IDE></Par_Gen>",
         "_ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_0;;ABCDEFGHIJKLMNOP;0;0;ABCDEFGHIJKLMNOP;62;"},
        {nullptr, "_ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_0;;ABCDEFGHIJKLMNOP;0;0;ABCDEFGHIJKLMNOP;62;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EdeProject p;
        if (c.pargen)
            p.write("ParGen.xml", c.pargen);
        p.write("BACnet_Slave_SetAccess.xml",
                Objects("<row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Mnemonic=\"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789\"/>"));
        EXPECT_EQ(p.objectLines(), QList<QByteArray>{QByteArray(c.line) + '\r'});
    }
}

TEST(BACnetEDEFile, AProjectWithoutParametersDoesNotTakeTheLastExportsInstance)
{
    {
        EdeProject first;
        first.copyCase("ede_ip_example");
        first.exportFile();
    }
    EdeProject p;
    p.write("BACnet_Slave_SetAccess.xml", Objects("<row Data_Type=\"Binary Out\" Eng_Unit=\"95\" Mnemonic=\"Fan\"/>"));
    EXPECT_EQ(p.objectLines(), QList<QByteArray>{"_Fan_0;;Fan;4;0;Fan;95;\r"});
}

// A ";" or a line break in a field split its row: every field, the project name included, has them replaced
// the same way, and each row stays one line of eight fields.
TEST(BACnetEDEFile, SeparatorsAndLineBreaksInAnyFieldAreReplaced)
{
    EdeProject p;
    Project_Name = QStringLiteral("Plant;A\r\nB");
    p.write("ParGen.xml", "<Par_Gen><BACnet_DEV_IDE>7;x&#10;y</BACnet_DEV_IDE></Par_Gen>");
    p.write("BACnet_Slave_SetAccess.xml",
            Objects("<row Data_Type=\"Binary Out\" Eng_Unit=\"9;5&#13;&#10;\" Mnemonic=\"Fan;1&#10;\"/>"));
    const QByteArray text = p.exportFile();
    EXPECT_TRUE(text.startsWith("PROJECT_NAME; Velmor-RZ48122-Plant,A  B;;;;;;\r\n")) << text.toStdString();
    EXPECT_EQ(p.objectLines(), QList<QByteArray>{"7,x y_Fan,1 _0;7,x y;Fan,1 ;4;0;Fan,1 ;9,5  ;\r"});
}

TEST(BACnetEDEFile, ExportingTwiceNumbersTheSame)
{
    EdeProject p;
    p.copyCase("ede_mstp_long_names");
    const QByteArray first = p.exportFile();
    EXPECT_EQ(p.exportFile(), first);
}

TEST(BACnetEDEFile, IncompleteProjectFilesWriteNoFile)
{
    struct Case {
        const char* name;
        const char* file;
        QByteArray xml;
        const char* message;
    };
    const Case cases[] = {
        {"no write section", "BACnet_Slave_SetAccess.xml", "<BACnet_to_Modbus><BACnet_in_Read/></BACnet_to_Modbus>", "BACnet_in_Write"},
        {"no unit", "BACnet_Slave_SetAccess.xml", Objects("<row Data_Type=\"Analog Input\" Mnemonic=\"a\"/>"),
         "BACnet_in_Read row 1: the attribute Eng_Unit"},
        {"objects not well-formed", "BACnet_Slave_SetAccess.xml", "<BACnet_to_Modbus>", "not well-formed"},
        {"parameters not well-formed", "ParGen.xml", "<Par_Gen><BACnet_Type>", "not well-formed"},
        {"parameters nested too deeply", "ParGen.xml",
         "<Par_Gen>" + QByteArray("<a>").repeated(100000) + QByteArray("</a>").repeated(100000) + "</Par_Gen>",
         "not well-formed XML: elements nested more than 256 deep"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EdeProject p;
        p.write(c.file, c.xml);
        QString error;
        EXPECT_FALSE(Create_EDE_File(p.out(), &error));
        EXPECT_TRUE(error.contains(QLatin1String(c.message))) << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String(c.file))) << error.toStdString();
        EXPECT_FALSE(QFileInfo::exists(p.out()));
    }
}

TEST(BACnetEDEFile, AFileThatCannotBeWrittenIsReported)
{
    EdeProject p;
    QString error;
    EXPECT_FALSE(Create_EDE_File(p.out() + QStringLiteral("/no/such/folder.csv"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(BACnetEDEFile, Timestamp)
{
    EXPECT_EQ(Get_EDE_Timestamp(QDateTime(QDate(2026, 3, 7), QTime(9, 5, 3))), QStringLiteral("09:05:03 07/03/2026"));
    EXPECT_EQ(Get_EDE_Timestamp(QDateTime(QDate(1999, 12, 31), QTime(23, 59, 58))), QStringLiteral("23:59:58 31/12/1999"));
}

TEST(BACnetEDEFile, ObjectTypes)
{
    EXPECT_EQ(Get_EDE_Object_Type(QStringLiteral("ANALOG INPUT")), 0);
    EXPECT_EQ(Get_EDE_Object_Type(QStringLiteral("MULTI STATE VALUE")), 19);
    EXPECT_EQ(Get_EDE_Object_Type(QStringLiteral("POSITIVE INTEGER VALUE")), 48);
    EXPECT_EQ(Get_EDE_Object_Type(QStringLiteral("Analog Value")), 0);   // upper-casing is the caller's
}

TEST(DescText, AnsiCodePage)
{
    EXPECT_EQ(Ansi_Text(QStringLiteral("a\u00e9\u00ff\u20ac\u2122\u0178")), QByteArray("a\xE9\xFF\x80\x99\x9F"));
    EXPECT_EQ(Ansi_Text(QStringLiteral("\u03a9\u0081\u0080")), QByteArray("?\x81?"));
    EXPECT_EQ(Ansi_Text(QString::fromUcs4(U"x\U0001F600y")), QByteArray("x?y"));
    EXPECT_EQ(Ansi_Lines({QStringLiteral("a"), QString()}), QByteArray("a\r\n\r\n"));
}
