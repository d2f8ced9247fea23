#include "core/ProjectFile.h"
#include "core/UComon.h"
#include "core/USaveBincc.h"
#include "support/QStringPrinter.h"
#include "support/TempProgramFolder.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Read_All(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void Write(const QString& dir, const QString& path, const QByteArray& content)
{
    QString error;
    ASSERT_TRUE(Save_Project_File(dir, path, content, &error)) << error.toStdString();
}

const QStringList kObjectColumns = {"Data_Type", "Eng_Unit", "Position", "Bit", "Length", "Swap", "Mnemonic"};

// A project of every kind of content: `long_names` and `mstp` change the layout of the images.
void Write_Project(const TProjectFiles& files, bool mstp, int objects, const QString& ntp)
{
    XmlWriter par(QStringLiteral("Par_Gen"));
    par.TextElement(QStringLiteral("BACnet_Type"), mstp ? QStringLiteral("1") : QStringLiteral("0"));
    par.TextElement(QStringLiteral("BACnet_Desc_Chars_Limit"), mstp ? QStringLiteral("1") : QStringLiteral("0"));
    par.TextElement(QStringLiteral("NTP_Server_URL"), ntp);
    par.TextElement(QStringLiteral("TLS_Server_Key"), mstp ? QStringLiteral("key") : QString());
    Write(files.Dir, files.ParGen, par.Finish(Project_File_Comment));

    TTableWriter table(QStringLiteral("BACnet_to_Modbus"), kObjectColumns);
    for (const QString& section : {QStringLiteral("BACnet_in_Read"), QStringLiteral("BACnet_in_Write")}) {
        table.Start_Section(section);
        for (int i = 0; i < objects; ++i)
            table.Add_Row({i % 2 ? "Analog Input" : "Binary Value", "95", QString::number(i), "0", "2", "N",
                           QStringLiteral("%1 object %2").arg(section).arg(i)});
        table.End_Section();
    }
    Write(files.Dir, files.BACnet_Slave_SetAccess, table.Finish());

    if (mstp) {
        TTableWriter vars(QStringLiteral("IEC61850_Variables"),
                          {"Enable", "Name", "Type", "Length", "ReadOnly", "Position", "StartBit", "Conversion",
                           "MultiplicationFactor", "Swap", "SwapWord", "Mnemonic"});
        vars.Add_Row({"Y", "LD0/GGIO1.AnIn1.mag.f", "Float", "4", "N", "8", "0", "Int to Float", "0,5", "N", "Y", ""});
        Write(files.Dir, files.IEC61850_Variables, vars.Finish());
    }
}

} // namespace

TEST(ProjectFiles, EveryFileUnderItsOwnNameOrAsTheProgramStateHoldsIt)
{
    const TProjectFiles files = TProjectFiles::In(QStringLiteral("/p/Plant"));
    EXPECT_EQ(files.Dir, QStringLiteral("/p/Plant"));
    EXPECT_EQ(files.ParGen, QStringLiteral("/p/Plant/ParGen.xml"));
    EXPECT_EQ(files.TLS_Known_Cert, QStringLiteral("/p/Plant/TLS_Known_Cert.xml"));
    EXPECT_EQ(files.BACnet_Slave_SetAccess, QStringLiteral("/p/Plant/BACnet_Slave_SetAccess.xml"));
    EXPECT_EQ(files.SNMP_Trap, QStringLiteral("/p/Plant/SNMP_Trap.xml"));

    TempProgramFolder folder;
    Project_Dir = QStringLiteral("/q/Other");
    Set_Project_File_Paths(Project_Dir);
    File_ParGen = QStringLiteral("/elsewhere/ParGen.xml");
    const TProjectFiles current = TProjectFiles::Current();
    EXPECT_EQ(current.Dir, QStringLiteral("/q/Other"));
    EXPECT_EQ(current.ParGen, QStringLiteral("/elsewhere/ParGen.xml"));
    EXPECT_EQ(current.IEC61850_Variables, QStringLiteral("/q/Other/IEC61850_Variables.xml"));
    EXPECT_EQ(current.SNMP_Manager, QStringLiteral("/q/Other/SNMP_Manager.xml"));
}

TEST(TableWriter, RowsInTheFixedAttributeOrderSectionsAndTheComment)
{
    TTableWriter w(QStringLiteral("BACnet_to_Modbus"), {"Zeta", "Alpha", "Mid"});
    w.Start_Section(QStringLiteral("BACnet_in_Read"));
    w.Add_Row({"1", "a<b", "x"});
    w.Add_Row({"2"});   // missing values are written empty
    w.End_Section();
    w.Start_Section(QStringLiteral("BACnet_in_Write"));
    w.End_Section();
    EXPECT_EQ(w.Finish(), QByteArray("<BACnet_to_Modbus><BACnet_in_Read><row Zeta=\"1\" Alpha=\"a&lt;b\" Mid=\"x\"/>"
                                     "<row Zeta=\"2\" Alpha=\"\" Mid=\"\"/></BACnet_in_Read><BACnet_in_Write/>"
                                     "</BACnet_to_Modbus><!--SW_VERSION = 1.001-->"));
}

TEST(LoadProjectFile, OnePassTheProgramsMessagesAndTheRowsAsWritten)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("T.xml"));
    Xml::TElement root;
    QString error;
    EXPECT_EQ(Load_Project_File(path, root, &error), TProjectFileLoad::Missing);
    EXPECT_TRUE(error.isEmpty());

    TTableWriter w(QStringLiteral("TLS_Server_Known_Cert"), {"Enable", "Certificate", "Mnemonic"});
    w.Add_Row({"Y", "-----BEGIN-----\n  x\n-----END-----", ""});
    Write(dir.path(), path, w.Finish());
    ASSERT_EQ(Load_Project_File(path, root, &error), TProjectFileLoad::Loaded);
    ASSERT_EQ(root.Elements.size(), 1u);
    EXPECT_EQ(Xml::Attribute(root.Elements[0], QStringLiteral("Certificate")),
              std::optional<QString>(QStringLiteral("-----BEGIN-----\n  x\n-----END-----")));
    EXPECT_EQ(Xml::Attribute(root.Elements[0], QStringLiteral("Mnemonic")), std::optional<QString>(QString()));

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<a><b></a>");
    f.close();
    EXPECT_EQ(Load_Project_File(path, root, &error), TProjectFileLoad::Failed);
    EXPECT_TRUE(error.startsWith("Error! The file " + path + " is not well-formed XML: ")) << error.toStdString();
    EXPECT_TRUE(root.Elements.empty());
}

TEST(ParGenValues, DefaultsOlderNamesNumbersAndFlags)
{
    Xml::TElement root;
    ASSERT_EQ(Xml::Parse("<Par_Gen><Ethernet_IP1>10</Ethernet_IP1><IEC61850_Server_IP2>20</IEC61850_Server_IP2>"
                         "<Ethernet_IP2>99</Ethernet_IP2><N> -7 </N><Bad>7x</Bad><F>1</F><G>01</G></Par_Gen>",
                         root),
              Xml::LoadResult::Ok);
    const TParGen p(&root);
    EXPECT_EQ(p.Address(QStringLiteral("IEC61850_Server_IP"), QStringLiteral("Ethernet_IP"), {1, 2, 3, 4}),
              (TAddress{10, 20, 3, 4}));   // the new name wins over the older one
    EXPECT_EQ(p.Number(QStringLiteral("N"), 5), -7);
    EXPECT_EQ(p.Number(QStringLiteral("Bad"), 5), 5);
    EXPECT_EQ(p.Number(QStringLiteral("Missing"), 5), 5);
    EXPECT_TRUE(p.Flag(QStringLiteral("F")));
    EXPECT_FALSE(p.Flag(QStringLiteral("G")));
    EXPECT_EQ(p.Text(QStringLiteral("Missing")), std::nullopt);
    EXPECT_EQ(TParGen(nullptr).Number(QStringLiteral("N"), 5), 5);
}

TEST(SaveProjectFile, OnlyInsideTheProjectFolder)
{
    QTemporaryDir project;
    QTemporaryDir outside;
    const QString link = project.filePath(QStringLiteral("KNX_SetAccess.xml"));
    ASSERT_TRUE(QFile::link(outside.filePath(QStringLiteral("stolen.xml")), link));
    QString error;
    EXPECT_FALSE(Save_Project_File(project.path(), link, "<a/>", &error));
    EXPECT_EQ(error, "Error! " + link + " leads outside the folder " + project.path() + ": nothing was written");
    EXPECT_EQ(QDir(outside.path()).entryList(QDir::Files), QStringList{});
}

// The compiler once kept its state in file-level statics and read its paths from the program-wide state.
TEST(CompileProject, TwoProjectsInOneProcessGiveTheImagesEachGivesAlone)
{
    TempProgramFolder folder;   // the program-wide state stays empty: no open project
    const TProjectFiles a = TProjectFiles::In(folder.makeProject(QStringLiteral("A")));
    const TProjectFiles b = TProjectFiles::In(folder.makeProject(QStringLiteral("B")));
    Write_Project(a, false, 300, QStringLiteral("pool.ntp.org"));
    Write_Project(b, true, 40, QString());

    TBank_Images b_alone;
    ASSERT_TRUE(Compile_Project(b, b_alone));
    TBank_Images a_after_b;
    ASSERT_TRUE(Compile_Project(a, a_after_b));
    TBank_Images b_after_a;
    ASSERT_TRUE(Compile_Project(b, b_after_a));
    TBank_Images a_again;
    ASSERT_TRUE(Compile_Project(a, a_again));

    EXPECT_NE(a_after_b.Bank1, b_alone.Bank1);
    EXPECT_NE(a_after_b.Bank2, b_alone.Bank2);
    EXPECT_EQ(b_after_a.Bank1, b_alone.Bank1);
    EXPECT_EQ(b_after_a.Bank2, b_alone.Bank2);
    EXPECT_EQ(a_again.Bank1, a_after_b.Bank1);
    EXPECT_EQ(a_again.Bank2, a_after_b.Bank2);

    // And through the program's entry points on the open project, the same images.
    Project_Dir = a.Dir;
    Set_Project_File_Paths(a.Dir);
    ASSERT_TRUE(Compile_Bincc() && Save_Bincc());
    EXPECT_EQ(Read_All(a.Dir + "/bin/bank1.bin"), a_again.Bank1);
    EXPECT_EQ(Read_All(a.Dir + "/bin/bank2.bin"), a_again.Bank2);
    ASSERT_TRUE(Save_Bank_Images(b.Dir, b_alone));
    EXPECT_TRUE(Bank_Pair_Whole(b.Dir));
    EXPECT_EQ(Read_All(b.Dir + "/bin/bank2.bin"), b_alone.Bank2);
}
