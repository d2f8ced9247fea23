#include "core/UComon.h"
#include "core/ULanguage.h"
#include "descfiles/DescText.h"
#include "support/FileDialogRecorder.h"
#include "support/MessageBoxRecorder.h"
#include "support/ModalDriver.h"
#include "support/QStringPrinter.h"
#include "support/TempProgramFolder.h"
#include "ui/UProfinetFileName.h"
#include "ui/UVostrelanteFirmWare.h"
#include "widgets/button/SbButton.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// The main window with project "P" open and the writers' clock fixed.
class DescFileSteps : public testing::Test {
protected:
    DescFileSteps()
    {
        Set_Desc_Clock(QDateTime(QDate(2026, 3, 7), QTime(12, 30)));
        main = std::make_unique<TFVostrelanteFirmWare>(folder.path());
        dir = folder.makeProject("P");
        Project_Name = "P";
        Project_Dir = dir;
        main->Set_Files();
    }
    ~DescFileSteps() override { Set_Desc_Clock(QDateTime()); }
    QString write(const QString& name, const QByteArray& content) const
    {
        return folder.writeFile("PROJECTS/P/" + name, content);
    }

    TempProgramFolder folder{false};
    MessageBoxRecorder boxes;
    FileDialogRecorder files;
    std::unique_ptr<TFVostrelanteFirmWare> main;
    QString dir;
};

} // namespace

TEST_F(DescFileSteps, EdsReplacesWithoutAskingAndShowsAFailure)
{
    main->Btn_Click(main->Btn_CANopen_EDS);   // cancelled
    ASSERT_EQ(files.requests().size(), 1u);
    EXPECT_EQ(files.requests()[0].InitialDir, dir);
    EXPECT_EQ(files.requests()[0].Filter, "Electronic Data Sheet (*.eds)|*.eds");
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList{});

    const QString sheet = write("sheet.eds", "old");
    files.choose(dir + "/sheet");
    main->Btn_Click(main->Btn_CANopen_EDS);
    EXPECT_TRUE(ReadAll(sheet).startsWith("[FileInfo]\r\n"));
    EXPECT_TRUE(ReadAll(sheet).contains("CreationTime=12:30PM\r\n"));
    EXPECT_TRUE(boxes.texts().isEmpty());

    write("PDO_CANopen.xml", "<PDO_CANopen><Receive_PDO/></PDO_CANopen>");
    files.choose(dir + "/broken.eds");
    main->Btn_Click(main->Btn_CANopen_EDS);
    ASSERT_EQ(boxes.requests().size(), 1u);
    EXPECT_EQ(boxes.requests()[0].Type, TMsgDlgType::mtError);
    EXPECT_TRUE(boxes.texts()[0].contains("Transmit_PDO"));
    EXPECT_FALSE(QFileInfo::exists(dir + "/broken.eds"));
}

TEST_F(DescFileSteps, MibAsksBeforeReplacingAndNoKeepsFileAndLists)
{
    write("SNMP_Trap.xml", "<SNMP_Trap><SNMP_Trap_Read><row Enable=\"Y\" Type=\"Int\" Description=\"tempin\"/>"
                           "</SNMP_Trap_Read><SNMP_Trap_Write/></SNMP_Trap>");
    files.choose(dir + "/agent");
    main->Btn_Click(main->Btn_SNMP_MIB);
    ASSERT_EQ(files.requests().size(), 1u);
    EXPECT_EQ(files.requests()[0].InitialDir, dir);
    EXPECT_EQ(files.requests()[0].Filter, "Management Information Base (*.mib)|*.mib");
    const QString mib = dir + "/agent.mib";
    EXPECT_TRUE(ReadAll(mib).startsWith("GATEWAY DEFINITIONS ::= BEGIN\r\n"));
    EXPECT_EQ(*SL_MIB_Read_Desc, QStringList{"tempin"});

    write("SNMP_Trap.xml", "<SNMP_Trap><SNMP_Trap_Read/><SNMP_Trap_Write/></SNMP_Trap>");
    const QByteArray first = ReadAll(mib);
    boxes.answerNext({mrNo});
    main->Btn_Click(main->Btn_SNMP_MIB);
    EXPECT_EQ(boxes.texts(), QStringList{"File already exists. Do you want to overwrite?"});
    EXPECT_TRUE(boxes.requests()[0].Buttons == (TMsgDlgButtons{TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}));
    EXPECT_EQ(ReadAll(mib), first);
    EXPECT_EQ(*SL_MIB_Read_Desc, QStringList{"tempin"});
    main->Btn_Click(main->Btn_SNMP_MIB);   // Yes
    EXPECT_NE(ReadAll(mib), first);
    EXPECT_TRUE(SL_MIB_Read_Desc->isEmpty());
}

TEST_F(DescFileSteps, GsdNeedsTheParameterFileAndAsksBeforeReplacing)
{
    main->Btn_Click(main->Btn_PROFIBUS_GSD);
    EXPECT_EQ(boxes.texts(), QStringList{"Error! Please set the Set Communication Parameter before to create the GSD file"});
    EXPECT_EQ(boxes.requests()[0].Type, TMsgDlgType::mtError);
    EXPECT_TRUE(files.requests().empty());

    write("ParGen.xml", "<Par_Gen><PROFINET_NB_OUT>64</PROFINET_NB_OUT></Par_Gen>");
    boxes.clear();
    files.choose(dir + "/slave");
    main->Btn_Click(main->Btn_PROFIBUS_GSD);
    ASSERT_EQ(files.requests().size(), 1u);
    EXPECT_EQ(files.requests()[0].Filter, "Generic Station Description (*.gsd)|*.gsd");
    EXPECT_EQ(files.requests()[0].DefaultExt, "");
    const QString gsd = dir + "/slave.gsd";
    EXPECT_TRUE(ReadAll(gsd).contains("\r\nMax_Module=1\r\n"));
    EXPECT_TRUE(boxes.texts().isEmpty());

    write("ParGen.xml", "<Par_Gen/>");
    boxes.answerNext({mrNo});
    main->Btn_Click(main->Btn_PROFIBUS_GSD);
    EXPECT_EQ(boxes.texts(), QStringList{"File already exists! Do you want to overwrite the file?"});
    EXPECT_TRUE(ReadAll(gsd).contains("\r\nMax_Module=1\r\n"));
}

TEST_F(DescFileSteps, ProfinetDialogComposesTheNameAndTheFolderComesFromTheSaveDialog)
{
    auto* dialog = new TFProfinetFileName(main.get());
    main->Add_Window("FProfinetFileName", dialog, [dialog] { dialog->Set_Lang(); });
    EXPECT_EQ(dialog->Caption(), "PROFINET XML File Name");
    // Made at the first showing, after midnight: the name keeps the day the program started.
    Set_Desc_Clock(QDateTime(QDate(2026, 3, 8), QTime(0, 10)));
    dialog->Build();   // what its first showing does
    Set_Desc_Clock(QDateTime(QDate(2026, 3, 7), QTime(12, 30)));
    EXPECT_EQ(dialog->ClientWidth(), 540);
    EXPECT_EQ(dialog->ClientHeight(), 205);
    EXPECT_EQ(dialog->L_SW_Desc->text(), "Create the PROFINET XML GSD File");
    EXPECT_EQ(dialog->Label1->text(), "Select the PROFINET XML File Name");
    EXPECT_EQ(dialog->Label4->text(), "User Part");
    EXPECT_EQ(dialog->E_XML_User->toolTip(), "Insert here the User part of GSDML file");
    EXPECT_EQ(dialog->Btn_OK->toolTip(), "Confirm and save the GSDML File");
    EXPECT_EQ(dialog->L_XML_Fix1->text(), "GSDML-V2.31-Velmor-RZ48176");
    EXPECT_EQ(dialog->L_XML_Fix2->text(), "-20260307.xml");

    // Cancel: nothing is asked.
    OnNextModal([&](QWidget*) { QTest::mouseClick(dialog->Btn_Cancel, Qt::LeftButton); });
    main->Btn_Click(main->Btn_PROFINET_XML);
    EXPECT_TRUE(files.requests().empty());

    // A part that would leave the folder is refused and the dialog stays.
    bool stayed = false;
    OnNextModal([&](QWidget*) {
        dialog->E_XML_User->setText("../up");
        QTest::mouseClick(dialog->Btn_OK, Qt::LeftButton);
        stayed = dialog->isVisible();
        dialog->E_XML_User->setText("plant1");
        QTest::mouseClick(dialog->Btn_OK, Qt::LeftButton);
    });
    files.choose(dir + "/another name.xml");
    main->Btn_Click(main->Btn_PROFINET_XML);
    EXPECT_TRUE(stayed);
    ASSERT_EQ(boxes.requests().size(), 1u);
    EXPECT_EQ(boxes.requests()[0].Type, TMsgDlgType::mtError);
    const QString name = "GSDML-V2.31-Velmor-RZ48176_plant1-20260307.xml";
    EXPECT_EQ(dialog->Name_File_XML, name);
    ASSERT_EQ(files.requests().size(), 1u);
    EXPECT_EQ(files.requests()[0].InitialDir, dir);
    EXPECT_EQ(files.requests()[0].FileName, name);
    EXPECT_EQ(files.requests()[0].Filter, "PROFINET XML (*.xml)|" + name);
    EXPECT_TRUE(ReadAll(dir + "/" + name).startsWith("\xEF\xBB\xBF<?xml"));
    EXPECT_FALSE(QFileInfo::exists(dir + "/another name.xml"));

    // The edit keeps its text; an existing file is replaced only after Yes.
    boxes.clear();
    write(name, "kept");
    OnNextModal([&](QWidget*) { QTest::mouseClick(dialog->Btn_OK, Qt::LeftButton); });
    boxes.answerNext({mrNo});
    main->Btn_Click(main->Btn_PROFINET_XML);
    EXPECT_EQ(boxes.texts(), QStringList{"File already exists! Do you want to overwrite the file?"});
    EXPECT_EQ(ReadAll(dir + "/" + name), "kept");
}
