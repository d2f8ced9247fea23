#include "core/UComon.h"
#include "core/ULanguage.h"
#include "platform/Http.h"
#include "support/FileSizeLimit.h"
#include "support/FileDialogRecorder.h"
#include "support/MessageBoxRecorder.h"
#include "support/QStringPrinter.h"
#include "support/ModalDriver.h"
#include "support/TempProgramFolder.h"
#include "ui/UVostrelanteFirmWare.h"
#include "widgets/button/SbButton.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QByteArray Settings(const char* project, const char* ip, const char* language, const char* flags)
{
    return QByteArray("<Conf_Settings><lastproj><projectname>") + project + "</projectname></lastproj><lastipadd><ipaddress>" +
           ip + "</ipaddress></lastipadd><lastlang><language>" + language + "</language></lastlang>" + flags +
           "</Conf_Settings>";
}

QByteArray Flags(const char* internet, const char* update, const char* jump, const char* autoSize)
{
    return QByteArray("<lastinternet><enable_internet>") + internet + "</enable_internet><enable_update>" + update +
           "</enable_update><enable_jump_field_tables>" + jump + "</enable_jump_field_tables><Double_Click_Auto_Size>" +
           autoSize + "</Double_Click_Auto_Size></lastinternet>";
}

class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

class MainWindow : public testing::Test {
protected:
    void Start() { main = std::make_unique<TFVostrelanteFirmWare>(folder.path()); }
    // Opens a project the way Open Configuration leaves the state.
    QString OpenProject(const QString& name)
    {
        const QString dir = folder.makeProject(name);
        Project_Name = name;
        Project_Dir = dir;
        main->Set_Files();
        return dir;
    }

    TempProgramFolder folder{false};
    MessageBoxRecorder boxes;
    std::unique_ptr<TFVostrelanteFirmWare> main;
};

TEST_F(MainWindow, FirstStartCreatesTheFoldersShowsNoConfigurationAndClosingWritesDefaults)
{
    Start();
    for (const char* d : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(QFileInfo(folder.path() + "/" + d).isDir()) << d;
    EXPECT_EQ(main->Caption(), "Velmor - Configurator QV48143 - IEC61850 Server / BACnet Slave ");
    EXPECT_EQ(main->L_SW_Code->text(), "QV48143");
    EXPECT_EQ(SW_Code, "QV48143");
    EXPECT_EQ(main->L_SW_Desc->text(), "IEC61850 Server / BACnet Slave - Converter");
    EXPECT_EQ(main->L_Name_Conf->text(), Lang(9));
    EXPECT_EQ(main->L_Name_Conf_L2->text(), Lang(10));
    EXPECT_EQ(main->L_Name_Conf_L2->text(), "Use Step1 to open or create new configuration");
    EXPECT_TRUE(Read_Back);
    EXPECT_TRUE(Project_Dir.isEmpty());
    EXPECT_EQ(File_ParGen, "/ParGen.xml");
    ASSERT_TRUE(Row_Clipboard && SL_MIB_Read_Desc && SL_MIB_Write_Desc);
    EXPECT_FALSE(main->Timer_Update->isActive());

    main->show();
    QTest::mouseClick(main->Btn_Close, Qt::LeftButton);
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(ReadAll(folder.path() + "/Vostrelant.xml"),
              Settings("", "192.168.2.205", "English", Flags("0", "0", "0", "0")));
    EXPECT_TRUE(boxes.texts().isEmpty());
}

struct SettingsCase {
    const char* what;
    QByteArray file;  // empty: no settings file
    const char* projectName;
    bool projectOpen;
    const char* ip;
    const char* language;
    bool flags[4];
    bool timer;
};

TEST_F(MainWindow, SettingsAreReadValueByValueWithDefaults)
{
    const SettingsCase cases[] = {
        {"no file", "", "", false, "192.168.2.205", "English", {false, false, false, false}, false},
        {"all set", Settings("Plant A", "10.0.0.7", "English", Flags("1", "1", "0", "1")), "Plant A", true,
         "10.0.0.7", "English", {true, true, false, true}, true},
        {"foreign root",
         "<Other><lastipadd><ipaddress>1.2.3.4</ipaddress></lastipadd>" + Flags("1", "0", "1", "0") + "</Other>", "",
         false, "1.2.3.4", "English", {true, false, true, false}, false},
        {"true is not 1", Settings("", "x", "English", Flags("1", "true", "TRUE", " 1")), "", false, "x", "English",
         {true, false, false, false}, false},
        {"no lastinternet", Settings("Plant A", " 10.0.0.8 ", "English", ""), "Plant A", true, " 10.0.0.8 ",
         "English", {false, false, false, false}, false},
        {"deleted project", Settings("Gone", "1.1.1.1", "English", ""), "Gone", false, "1.1.1.1", "English",
         {false, false, false, false}, false},
        {"missing language file", Settings("", "1.1.1.1", "Klingon", ""), "", false, "1.1.1.1", "English",
         {false, false, false, false}, false},
        {"not well-formed", "<Conf_Settings><lastipadd><ipaddress>9.9.9.9</ipaddress>", "", false, "192.168.2.205",
         "English", {false, false, false, false}, false},
        {"project outside PROJECTS", Settings("../MASTER", "1.1.1.1", "English", ""), "../MASTER", false,
         "1.1.1.1", "English", {false, false, false, false}, false},
    };
    for (const SettingsCase& c : cases) {
        SCOPED_TRACE(c.what);
        TempProgramFolder local;
        local.makeProject("Plant A");
        if (!c.file.isEmpty())
            local.writeFile("Vostrelant.xml", c.file);
        TFVostrelanteFirmWare w(local.path());
        EXPECT_EQ(Project_Name, c.projectName);
        EXPECT_EQ(Project_Dir, c.projectOpen ? local.projects() + "/" + c.projectName : QString());
        EXPECT_EQ(w.L_Name_Conf->text(), Lang(c.projectOpen ? 11 : 9));
        EXPECT_EQ(w.L_Name_Conf_L2->text(), c.projectOpen ? QString(c.projectName) : Lang(10));
        EXPECT_EQ(Device_IP, c.ip);
        EXPECT_EQ(Language_Name, c.language);
        EXPECT_EQ(Enable_Internet, c.flags[0]);
        EXPECT_EQ(Enable_Update, c.flags[1]);
        EXPECT_EQ(Enable_Jump_Field_Tables, c.flags[2]);
        EXPECT_EQ(Double_Click_Auto_Size, c.flags[3]);
        EXPECT_EQ(w.Timer_Update->isActive(), c.timer);
        EXPECT_EQ(w.Timer_Update->interval(), 60000);
    }
}

TEST_F(MainWindow, ADeletedProjectIsKeptInTheSettingsAndEveryStepRefuses)
{
    folder.writeFile("Vostrelant.xml", Settings("Gone", "1.1.1.1", "English", Flags("1", "0", "0", "1")));
    Start();
    main->show();
    QTest::mouseClick(main->Btn_Prm_Gen, Qt::LeftButton);
    EXPECT_EQ(boxes.texts(), QStringList{"Error! Project not Valid"});
    main->close();
    EXPECT_EQ(ReadAll(folder.path() + "/Vostrelant.xml"),
              Settings("Gone", "1.1.1.1", "English", Flags("1", "0", "0", "1")));
}

TEST_F(MainWindow, AProjectNameThatLooksLikeMarkupIsShownAsTyped)
{
    folder.makeProject("<b>Plant");
    folder.writeFile("Vostrelant.xml", Settings("&lt;b&gt;Plant", "1.1.1.1", "English", ""));
    Start();
    main->show();
    const QLabel* name = main->L_Name_Conf_L2;
    ASSERT_EQ(name->text(), "<b>Plant");
    // Read as markup, the label would be only as wide as a bold "Plant".
    EXPECT_GE(name->width(), name->fontMetrics().horizontalAdvance("<b>Plant"));
}

TEST_F(MainWindow, LayoutOfTheBuiltModel)
{
    Start();
    main->show();
    EXPECT_EQ(main->windowType(), Qt::Window);
    EXPECT_EQ(main->size(), QSize(694, 528));
    struct At {
        QWidget* w;
        QPoint pos;
    };
    const At placed[] = {
        {main->L_SW_Code, {16, 8}}, {main->L_SW_Desc, {16, 42}}, {main->L_Begin, {16, 84}}, {main->Shape2, {80, 70}},
        {main->L_Name_Conf, {87, 75}}, {main->L_Name_Conf_L2, {87, 88}}, {main->Btn_Info, {516, 8}},
        {main->Btn_Opz, {574, 8}}, {main->Btn_Close, {632, 8}}, {main->L_Velmor, {565, 392}},
        {main->Btn_New, {80, 112}}, {main->Btn_Open, {258, 112}}, {main->Btn_Prm_Gen, {80, 156}},
        {main->Btn_IEC61850_Access, {80, 200}}, {main->Btn_BACnet_SetAccess, {80, 244}},
        {main->Btn_TLS_List_Certificates, {80, 288}}, {main->Btn_BACnet_EDE_File, {80, 332}},
        {main->Btn_CreateBin, {80, 376}},
    };
    for (const At& a : placed) {
        EXPECT_EQ(a.w->pos(), a.pos) << a.pos.x() << "," << a.pos.y();
        EXPECT_TRUE(a.w->isVisible());
    }
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(main->L_Step[i]->isVisible(), i < 7) << i;
        if (i < 7) {
            EXPECT_EQ(main->L_Step[i]->pos(), QPoint(16, 128 + 44 * i));
            EXPECT_EQ(main->L_Step[i]->text(), QString("Step %1").arg(i + 1));
        }
    }
    EXPECT_EQ(main->Shape1->geometry(), QRect(10, 427, 674, 1));
    EXPECT_FALSE(main->LL_Update->isVisible());
    int hidden = 0;
    for (TSbButton* b : main->findChildren<TSbButton*>())
        hidden += b->isVisible() ? 0 : 1;
    EXPECT_EQ(hidden, 16);
    EXPECT_EQ(main->Btn_CreateBin->Caption(), "Update Device UDP");
    EXPECT_EQ(main->Btn_Opz->toolTip(), "Options");
}

TEST_F(MainWindow, EnglishCaptionsAndHintsOfTheShownButtons)
{
    Start();
    const struct {
        TSbButton* button;
        const char* caption;
        const char* hint;
    } texts[] = {
        {main->Btn_Info, "", "Information"},
        {main->Btn_Opz, "", "Options"},
        {main->Btn_Close, "", "Close Configurator"},
        {main->Btn_New, "New Configuration", "Create a new configuration for the device"},
        {main->Btn_Open, "Open Configuration", "Open an exists configuration"},
        {main->Btn_Prm_Gen, "Set Communication", "Set the main parameters of Protocols"},
        {main->Btn_IEC61850_Access, "IEC61850 Access", "Set the List of Variables for IEC61850"},
        {main->Btn_BACnet_SetAccess, "Set BACnet Access", "Set the BACnet Slave Access Rules"},
        {main->Btn_TLS_List_Certificates, "TLS Known Certificates",
         "Set the List of TLS Certificate accepted from IEC61850 Server"},
        {main->Btn_BACnet_EDE_File, "BACnet EDE File", "Create the BACnet EDE File for Actual Configuration"},
        {main->Btn_CreateBin, "Update Device UDP", "Update the actual Firmware and/or Configuration in the device"},
    };
    for (const auto& t : texts) {
        SCOPED_TRACE(t.hint);
        EXPECT_EQ(t.button->Caption(), t.caption);
        EXPECT_EQ(t.button->toolTip(), t.hint);
    }
    EXPECT_EQ(main->L_Begin->text(), "Begin");
    EXPECT_EQ(main->L_Step[7]->text(), "Step 8");
    EXPECT_EQ(main->L_Step[8]->text(), "Step 9");
}

// Every button but New, Open, Close, Info and Options needs an open configuration.
TEST_F(MainWindow, EveryStepTestsTheProjectFirst)
{
    Start();
    FileDialogRecorder files;
    std::vector<QString> shown;
    QStringList names = {"FParGen", "FIEC61850_Variables", "FBACnetSlaveSetAccess", "FTLS_Server_Known_Cert",
                         "FReceiveCAN", "FTransmitCAN", "FSet_PDO_Access", "FSet_SDO_Client_Access",
                         "FSet_SDO_Server_Access", "FDNet", "FDefOffset", "FKNXAccess", "FMQTT_Set_Topic",
                         "FSNMPManagerAccess", "FSNMP_Trap_Access"};
    std::vector<std::unique_ptr<TForm>> windows;
    for (const QString& n : names) {
        windows.push_back(std::make_unique<TForm>());
        main->Add_Window(n, windows.back().get(), {});
    }
    int writers = 0;
    main->OnShowBoot = [&](std::uint32_t, std::uint32_t) { ++writers; };

    TSbButton* const steps[] = {
        main->Btn_Prm_Gen, main->Btn_IEC61850_Access, main->Btn_BACnet_SetAccess, main->Btn_TLS_List_Certificates,
        main->Btn_CAN_Rec_Frame, main->Btn_CAN_Send_Frame, main->Btn_PDO_CANopen, main->Btn_SDO_Client_CANopen,
        main->Btn_SDO_Server_CANopen, main->Btn_DNet_Net, main->Btn_DNet_Offset, main->Btn_KNX_Access,
        main->Btn_MQTT_Set_Topic, main->Btn_SNMP_Manager_Access, main->Btn_SNMP_Trap, main->Btn_BACnet_EDE_File,
        main->Btn_CreateBin, main->Btn_Modbus_Set_Access, main->Btn_CANopen_EDS, main->Btn_SNMP_MIB,
        main->Btn_PROFIBUS_GSD, main->Btn_PROFINET_XML,
    };
    main->show();
    // The hidden buttons of the family are never pressed by a user; their dispatch is reached directly.
    const auto press = [this](TSbButton* b) {
        if (b->isVisible())
            QTest::mouseClick(b, Qt::LeftButton);
        else
            main->Btn_Click(b);
    };
    for (TSbButton* b : steps)
        press(b);
    EXPECT_EQ(boxes.texts(), QStringList(std::size(steps), "Error! Project not Valid"));
    EXPECT_EQ(boxes.requests()[0].Type, TMsgDlgType::mtError);
    EXPECT_TRUE(files.requests().empty());
    EXPECT_EQ(writers, 0);

    // With a configuration open, each window step shows its own window.
    OpenProject("P");
    boxes.clear();
    for (int i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i].toStdString());
        TForm* expected = windows[i].get();
        bool sawIt = false;
        OnNextModal([&](QWidget* modal) {
            sawIt = modal == expected;
            static_cast<TForm*>(modal)->SetModalResult(mrCancel);
        });
        press(steps[i]);
        EXPECT_TRUE(sawIt);
    }
    press(main->Btn_Modbus_Set_Access);
    EXPECT_TRUE(boxes.texts().isEmpty());
    // The writers' steps get past the test: the MIB step asks for its file, the GSD step for parameters.
    press(main->Btn_SNMP_MIB);
    press(main->Btn_PROFIBUS_GSD);
    ASSERT_EQ(files.requests().size(), 1u);
    EXPECT_EQ(files.requests()[0].DefaultExt, "*.mib");
    EXPECT_EQ(boxes.texts(), QStringList{Lang(1104)});
    EXPECT_EQ(writers, 0);
}

TEST_F(MainWindow, EdeFileNameGetsCsvAndAnExistingFileIsOverwrittenOnlyAfterYes)
{
    Start();
    main->show();
    const QString dir = OpenProject("P");
    FileDialogRecorder files;

    QTest::mouseClick(main->Btn_BACnet_EDE_File, Qt::LeftButton);  // cancelled
    ASSERT_EQ(files.requests().size(), 1u);
    EXPECT_EQ(files.requests()[0].InitialDir, dir);
    EXPECT_EQ(files.requests()[0].Filter, "CSV (MS-DOS) (*.csv)|*.csv");
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList{});

    const struct {
        const char* typed;
        const char* name;
    } names[] = {{"ede", "ede.csv"}, {"ede2.CsV", "ede2.CsV"}, {"ede3.txt", "ede3.txt.csv"}, {"e.csv", "e.csv"}};
    for (const auto& n : names) {
        SCOPED_TRACE(n.typed);
        files.choose(dir + "/" + n.typed);
        QTest::mouseClick(main->Btn_BACnet_EDE_File, Qt::LeftButton);
        EXPECT_TRUE(QFileInfo(dir + "/" + n.name).size() > 0);
    }
    EXPECT_EQ(QDir(dir).entryList(QDir::Files).size(), 4);
    EXPECT_TRUE(boxes.texts().isEmpty());

    // Text 70 is blank in English: the question is asked in the words of text 1105.
    const QString old = folder.writeFile("PROJECTS/P/old.csv", "kept");
    files.choose(dir + "/old");
    boxes.answerNext({mrNo, mrCancel});
    QTest::mouseClick(main->Btn_BACnet_EDE_File, Qt::LeftButton);
    QTest::mouseClick(main->Btn_BACnet_EDE_File, Qt::LeftButton);
    EXPECT_EQ(ReadAll(old), "kept");
    QTest::mouseClick(main->Btn_BACnet_EDE_File, Qt::LeftButton);  // Yes
    EXPECT_NE(ReadAll(old), "kept");
    ASSERT_EQ(boxes.requests().size(), 3u);
    EXPECT_EQ(boxes.texts()[0], "File already exists. Do you want to overwrite?");
    EXPECT_TRUE(boxes.requests()[0].Buttons ==
                (TMsgDlgButtons{TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbCancel}));

    // A language that words text 70 is asked in its words.
    Lang_List[70] = "Overwrite?";
    boxes.answerNext({mrNo});
    QTest::mouseClick(main->Btn_BACnet_EDE_File, Qt::LeftButton);
    EXPECT_EQ(boxes.texts().last(), "Overwrite?");

    // The writer's failure is shown.
    folder.writeFile("PROJECTS/P/BACnet_Slave_SetAccess.xml", "<BACnet_to_Modbus><BACnet_in_Read>");
    files.choose(dir + "/broken");
    boxes.clear();
    QTest::mouseClick(main->Btn_BACnet_EDE_File, Qt::LeftButton);
    ASSERT_EQ(boxes.requests().size(), 1u);
    EXPECT_EQ(boxes.requests()[0].Type, TMsgDlgType::mtError);
    EXPECT_FALSE(QFileInfo::exists(dir + "/broken.csv"));
}

// The real save dialog showed "CSV (MS-DOS) (*.csv) (*.csv)".
TEST_F(MainWindow, TheEdeSaveDialogNamesItsFileTypeOnce)
{
    Start();
    main->show();
    const QString dir = OpenProject("P");
    QStringList filters;
    QString shownDir;
    OnNextModal([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            filters = dialog->nameFilters();
            shownDir = dialog->directory().absolutePath();
        }
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    QTest::mouseClick(main->Btn_BACnet_EDE_File, Qt::LeftButton);
    EXPECT_EQ(filters, QStringList{"CSV (MS-DOS) (*.csv)"});
    EXPECT_EQ(QFileInfo(shownDir).canonicalFilePath(), QFileInfo(dir).canonicalFilePath());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList{});
}

TEST_F(MainWindow, UpdateDeviceWritesTheImagesThenOpensTheDeviceUpdate)
{
    Start();
    main->show();
    const QString dir = OpenProject("P");
    std::vector<std::pair<std::uint32_t, std::uint32_t>> opened;
    main->OnShowBoot = [&](std::uint32_t type, std::uint32_t form) { opened.emplace_back(type, form); };
    QDir(dir + "/bin").removeRecursively();

    QTest::mouseClick(main->Btn_CreateBin, Qt::LeftButton);
    EXPECT_EQ(QFileInfo(dir + "/bin/bank1.bin").size(), 2048);
    EXPECT_TRUE(QFileInfo::exists(dir + "/bin/bank2.bin"));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], std::make_pair(0u, 1u));

    folder.writeFile("PROJECTS/P/ParGen.xml", "<ParGen><BACnet_Type>1</BACnet_Type></ParGen>");
    QTest::mouseClick(main->Btn_CreateBin, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1].first, 1u);

    // A project file that cannot be read: the message, and no update with the old images.
    folder.writeFile("PROJECTS/P/ParGen.xml", "<ParGen><BACnet_Type>1</BACnet");
    QTest::mouseClick(main->Btn_CreateBin, Qt::LeftButton);
    EXPECT_EQ(opened.size(), 2u);
    ASSERT_EQ(boxes.requests().size(), 1u);
    EXPECT_EQ(boxes.requests()[0].Type, TMsgDlgType::mtError);
    EXPECT_FALSE(boxes.texts()[0].trimmed().isEmpty());

    // Images that cannot be written: the message, and no update.
    QFile::remove(dir + "/ParGen.xml");
    QDir(dir + "/bin").removeRecursively();
    folder.writeFile("PROJECTS/P/bin", "a file where the folder belongs");
    boxes.clear();
    QTest::mouseClick(main->Btn_CreateBin, Qt::LeftButton);
    EXPECT_EQ(opened.size(), 2u);
    EXPECT_EQ(boxes.texts(), QStringList{"Error! The folder " + dir + "/bin cannot be created"});
}

TEST_F(MainWindow, BacnetTypeOfTheParameterFile)
{
    Start();
    OpenProject("P");
    const struct {
        const char* file;
        int type;
    } cases[] = {
        {nullptr, 0},
        {"<ParGen><BACnet_Type>1</BACnet_Type></ParGen>", 1},
        {"<AnyRoot><BACnet_Type>1</BACnet_Type></AnyRoot>", 1},
        {"<?xml version=\"1.0\"?><!--c--><ParGen><BACnet_Type>1</BACnet_Type></ParGen>", 1},
        {"<ParGen><BACnet_Type>abc</BACnet_Type></ParGen>", 0},
        {"<ParGen><Other>1</Other></ParGen>", 0},
        {"<ParGen><BACnet_Type>1", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file ? c.file : "no file");
        QFile::remove(File_ParGen);
        if (c.file)
            folder.writeFile("PROJECTS/P/ParGen.xml", c.file);
        EXPECT_EQ(main->Get_Type_BACnet(), c.type);
    }
}

TEST_F(MainWindow, UpdateTimerChecksTheVersionAndShowsTheLink)
{
    folder.writeFile("Vostrelant.xml", Settings("", "1.1.1.1", "English", Flags("1", "1", "0", "0")));
    Start();
    ASSERT_TRUE(main->Timer_Update->isActive());
    main->show();
    QByteArray answer = "Ver. 1.002";
    QUrl asked;
    SetHttpHook([&](const QUrl& url, const THttpHeaders&) -> std::optional<QByteArray> {
        asked = url;
        return answer;
    });
    main->Timer_UpdateTimer();
    EXPECT_EQ(asked.query(), "nomesw=QV48143");
    EXPECT_TRUE(main->LL_Update->isVisible());
    EXPECT_TRUE(main->LL_Update->text().contains("New Version Available. Click Here for more Details"));
    EXPECT_TRUE(main->LL_Update->text().contains("download.asp#RZ48143"));
    EXPECT_TRUE(main->Timer_Update->isActive());
    EXPECT_EQ(main->Timer_Update->interval(), 7200000);

    answer = "Ver. 1.001";
    main->Timer_UpdateTimer();
    SetHttpHook({});
    EXPECT_FALSE(main->LL_Update->isVisible());
}

TEST_F(MainWindow, ChangeLanguageReappliesEveryWindowInTheFixedOrder)
{
    Start();
    QStringList calls;
    TForm a, b, c;
    main->Add_Window("FSNMP_Trap_Access", &a, [&] { calls << "FSNMP_Trap_Access"; });
    main->Add_Window("FParGen", &b, [&] { calls << "FParGen"; });
    main->Add_Window("FNew_Project", &c, [&] { calls << "FNew_Project"; });
    Lang_List[0] = "Anfang";
    Lang_List[9] = "Keine Konfiguration";
    main->Change_Language();
    EXPECT_EQ(calls, (QStringList{"FNew_Project", "FParGen", "FSNMP_Trap_Access"}));
    EXPECT_EQ(main->L_Begin->text(), "Anfang");
    EXPECT_EQ(main->L_Name_Conf->text(), "Keine Konfiguration");
    EXPECT_EQ(main->Window("FParGen"), &b);
    EXPECT_EQ(main->Window("FBoot"), nullptr);
}

TEST_F(MainWindow, ASettingsFileThatCannotBeWrittenIsReportedAndTheWindowStillCloses)
{
    Start();
    QDir().mkpath(folder.path() + "/Vostrelant.xml/blocked");
    main->show();
    main->close();
    EXPECT_FALSE(main->isVisible());
    ASSERT_EQ(boxes.requests().size(), 1u);
    EXPECT_EQ(boxes.requests()[0].Type, TMsgDlgType::mtError);
    EXPECT_TRUE(QFileInfo(folder.path() + "/Vostrelant.xml").isDir());
}

// For up to 150 s nothing repainted while the update program ran.
TEST_F(MainWindow, WhileTheUpdateProgramRunsTheWindowsRepaintAndDropUserInput)
{
    Start();
    const QString program = folder.writeFile("slow", "#!/bin/sh\nsleep 0.5\n");
    QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner);
    PaintCounter canvas;
    canvas.resize(50, 50);
    canvas.show();
    QPushButton button("press");
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&clicks] { ++clicks; });
    button.show();
    QLineEdit edit;
    edit.show();
    QApplication::processEvents();
    const int paintsBefore = canvas.paints;

    canvas.update();
    const QPointF at(5, 5);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(&button, new QMouseEvent(type, at, button.mapToGlobal(at), Qt::LeftButton,
                                                             Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(&edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
    main->Start_Program(program, QString(), false);
    EXPECT_GT(canvas.paints, paintsBefore);   // painted before the program ended

    QApplication::processEvents();
    EXPECT_EQ(clicks, 0);   // dropped, not delivered after the wait
    EXPECT_EQ(edit.text(), QString());
    EXPECT_TRUE(boxes.texts().isEmpty());
}

// On a full disk the settings file was emptied without a word.
TEST_F(MainWindow, OnAFullDiskTheOldSettingsStayAndTheSystemSaysWhy)
{
    const QByteArray old = Settings("", "1.1.1.1", "English", Flags("0", "0", "0", "0"));
    const QString path = folder.writeFile("Vostrelant.xml", old);
    Start();
    Device_IP = "2.2.2.2";
    main->show();
    {
        const FileSizeLimit full(0);
        main->close();
    }
    EXPECT_EQ(boxes.texts(), QStringList{"Error! The file " + path + " cannot be written: " + FileSizeLimit::Reason()});
    EXPECT_EQ(ReadAll(path), old);
}

} // namespace
