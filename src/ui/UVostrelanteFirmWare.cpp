#include "ui/UVostrelanteFirmWare.h"

#include "core/ProgramSettings.h"
#include "core/ProjectFile.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/USaveBincc.h"
#include "descfiles/UBACnet_EDE_File.h"
#include "descfiles/UEds.h"
#include "descfiles/UProfibus_GSD.h"
#include "descfiles/UProfinetXML.h"
#include "descfiles/USNMP_MIB.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "platform/InputBlock.h"
#include "platform/Paths.h"
#include "platform/Process.h"
#include "platform/SaveFile.h"
#include "ui/UFormParts.h"
#include "ui/UNew_Project.h"
#include "ui/UOpenConf.h"
#include "ui/USoftOptions.h"
#include "ui/UProduct.h"
#include "ui/UProfinetFileName.h"
#include "widgets/button/SbButton.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTimer>

TFVostrelanteFirmWare* FVostrelanteFirmWare = nullptr;

namespace {

constexpr int kFirstCheckMs = 60000;
constexpr int kNextCheckMs = 7200000;
constexpr int kProgramWaitMs = 150000;

// Change_Language's order of the windows after the main window.
const char* const kLanguageOrder[] = {
    "FNew_Project", "FOpenConf", "FSoftOptions", "FBoot", "FParGen", "FTLS_Server_Known_Cert",
    "FIEC61850_Variables", "FSetAccess", "FModbus_TCP_Master_Set_Access", "FProfinetFileName", "FBACnetAccess",
    "FImportEDEFile", "FBACnetSlaveSetAccess", "FBACnet_Eng_Unit", "FReceiveCAN", "FTransmitCAN",
    "FSet_PDO_Access", "FSet_SDO_Client_Access", "FSet_SDO_Server_Access", "FDNet", "FDefOffset",
    "FReceiveJ1939", "FTransmitJ1939", "FKNXAccess", "FMQTT_Set_Topic", "FTopicTemplate", "FReceiveNMEA",
    "FTransmitNMEA", "FSNMPManagerAccess", "FSNMP_Trap_Access",
};

// The windows the main window's own buttons open.
const QString kNewProjectWindow = QStringLiteral("FNew_Project");
const QString kOpenConfWindow = QStringLiteral("FOpenConf");
const QString kAboutWindow = QStringLiteral("FAbout");
const QString kOptionsWindow = QStringLiteral("FSoftOptions");
// The file-name dialog of the PROFINET step.
const QString kProfinetFileNameWindow = QStringLiteral("FProfinetFileName");

// The steps that show a window, by the window's name.
struct StepWindow {
    TSbButton* TFVostrelanteFirmWare::*Button;
    const char* Window;
};
using F = TFVostrelanteFirmWare;
const StepWindow kStepWindows[] = {
    {&F::Btn_Prm_Gen, "FParGen"}, {&F::Btn_IEC61850_Access, "FIEC61850_Variables"},
    {&F::Btn_BACnet_SetAccess, "FBACnetSlaveSetAccess"}, {&F::Btn_TLS_List_Certificates, "FTLS_Server_Known_Cert"},
    {&F::Btn_CAN_Rec_Frame, "FReceiveCAN"}, {&F::Btn_CAN_Send_Frame, "FTransmitCAN"},
    {&F::Btn_PDO_CANopen, "FSet_PDO_Access"}, {&F::Btn_SDO_Client_CANopen, "FSet_SDO_Client_Access"},
    {&F::Btn_SDO_Server_CANopen, "FSet_SDO_Server_Access"}, {&F::Btn_DNet_Net, "FDNet"},
    {&F::Btn_DNet_Offset, "FDefOffset"}, {&F::Btn_KNX_Access, "FKNXAccess"},
    {&F::Btn_MQTT_Set_Topic, "FMQTT_Set_Topic"}, {&F::Btn_SNMP_Manager_Access, "FSNMPManagerAccess"},
    {&F::Btn_SNMP_Trap, "FSNMP_Trap_Access"},
};

// The three caption-less buttons carry small drawings of our own: "i", a slider panel and a cross.
void SetIconGlyph(TSbButton* button, char icon)
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));  // bottom-left pixel: the transparent colour
    QPainter p(&image);
    switch (icon) {
    case 'i':
        p.setBrush(QColor(31, 78, 150));
        p.setPen(Qt::NoPen);
        p.drawEllipse(3, 3, 26, 26);
        p.setBrush(Qt::white);
        p.drawEllipse(14, 8, 4, 4);
        p.drawRect(14, 14, 4, 11);
        break;
    case 'o':
        p.setPen(QPen(QColor(64, 64, 64), 2));
        for (int row = 0; row < 3; ++row) {
            const int y = 8 + row * 8;
            p.drawLine(4, y, 28, y);
            p.setBrush(QColor(31, 78, 150));
            p.drawRect(QRect(row == 1 ? 18 : 8, y - 3, 6, 6));
        }
        break;
    default:
        p.setPen(QPen(QColor(190, 30, 30), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(8, 8, 24, 24);
        p.drawLine(24, 8, 8, 24);
        break;
    }
    p.end();
    TBitmap glyph;
    glyph.SetImage(image);
    glyph.SetTransparent(true);
    button->SetGlyph(&glyph);
}

} // namespace

TFVostrelanteFirmWare::TFVostrelanteFirmWare(const QString& ExeDir, QWidget* parent) : TForm(parent)
{
    FVostrelanteFirmWare = this;
    // The program's own window, on the task bar, not a dialog of some other window.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    Create_Controls();
    FormCreate(ExeDir);
}

TFVostrelanteFirmWare::~TFVostrelanteFirmWare()
{
    if (FVostrelanteFirmWare == this)
        FVostrelanteFirmWare = nullptr;
}

TSbButton* TFVostrelanteFirmWare::Make_Button(int left, int top, int width, int height)
{
    auto* b = new TSbButton(this);
    b->setGeometry(left, top, width, height);
    b->OnClick = [this](QObject* Sender) { Btn_Click(Sender); };
    return b;
}

void TFVostrelanteFirmWare::Create_Controls()
{
    auto label = [this](int left, int top) {
        auto* l = new QLabel(this);
        // Project names and language texts are shown as they are, never read as markup.
        l->setTextFormat(Qt::PlainText);
        l->move(left, top);
        return l;
    };
    L_SW_Code = label(16, 8);
    QFont big = L_SW_Code->font();
    big.setPointSize(20);
    big.setBold(true);
    L_SW_Code->setFont(big);
    Set_Gray_Text(L_SW_Code);
    L_SW_Desc = label(16, 42);
    QFont bold = L_SW_Desc->font();
    bold.setBold(true);
    L_SW_Desc->setFont(bold);
    L_Begin = label(16, 84);
    Shape2 = new QFrame(this);
    Shape2->setFrameShape(QFrame::Box);
    Shape2->setGeometry(80, 70, 420, 34);
    L_Name_Conf = label(87, 75);
    L_Name_Conf_L2 = label(87, 88);
    for (QLabel*& l : L_Step)
        l = label(16, 0);
    L_Velmor = label(565, 392);
    LL_Update = label(16, 470);
    LL_Update->hide();
    for (QLabel* l : {L_Velmor, LL_Update}) {
        l->setTextFormat(Qt::RichText);
        connect(l, &QLabel::linkActivated, this, [](const QString& link) { Open_Link(link); });
    }
    L_Velmor->setText(Link_Html(Web_Home_Page(), Web_Host));
    Shape1 = new QFrame(this);
    Shape1->setFrameShape(QFrame::HLine);
    Shape1->setFrameShadow(QFrame::Plain);

    Btn_Info = Make_Button(516, 8, 50, 50);
    Btn_Opz = Make_Button(574, 8, 50, 50);
    Btn_Close = Make_Button(632, 8, 50, 50);
    SetIconGlyph(Btn_Info, 'i');
    SetIconGlyph(Btn_Opz, 'o');
    SetIconGlyph(Btn_Close, 'x');
    Btn_New = Make_Button(80, 112, 170, 33);
    Btn_Open = Make_Button(258, 112, 170, 33);
    TSbButton** steps[] = {
        &Btn_Prm_Gen, &Btn_IEC61850_Access, &Btn_BACnet_SetAccess, &Btn_TLS_List_Certificates, &Btn_BACnet_EDE_File,
        &Btn_CreateBin, &Btn_Modbus_Set_Access, &Btn_PROFINET_XML, &Btn_CAN_Rec_Frame, &Btn_CAN_Send_Frame,
        &Btn_SDO_Server_CANopen, &Btn_SDO_Client_CANopen, &Btn_PDO_CANopen, &Btn_CANopen_EDS, &Btn_DNet_Net,
        &Btn_DNet_Offset, &Btn_KNX_Access, &Btn_MQTT_Set_Topic, &Btn_PROFIBUS_GSD, &Btn_SNMP_Manager_Access,
        &Btn_SNMP_Trap, &Btn_SNMP_MIB,
    };
    for (TSbButton** b : steps)
        *b = Make_Button(80, 0, 170, 33);

    Timer_Update = new QTimer(this);
    Timer_Update->setInterval(kFirstCheckMs);
    connect(Timer_Update, &QTimer::timeout, this, [this] { Timer_UpdateTimer(); });
}

void TFVostrelanteFirmWare::Lay_Out_Steps()
{
    for (int i = 0; i < 9; ++i) {
        L_Step[i]->move(16, 128 + 44 * i);
        L_Step[i]->setVisible(i < 7);
    }
    // Everything but the built model's steps stays hidden.
    for (TSbButton* b : {Btn_Modbus_Set_Access, Btn_PROFINET_XML, Btn_CAN_Rec_Frame, Btn_CAN_Send_Frame,
                         Btn_SDO_Server_CANopen, Btn_SDO_Client_CANopen, Btn_PDO_CANopen, Btn_CANopen_EDS,
                         Btn_DNet_Net, Btn_DNet_Offset, Btn_KNX_Access, Btn_MQTT_Set_Topic, Btn_PROFIBUS_GSD,
                         Btn_SNMP_Manager_Access, Btn_SNMP_Trap, Btn_SNMP_MIB})
        b->hide();
    int top = 156;
    for (TSbButton* b : {Btn_Prm_Gen, Btn_IEC61850_Access, Btn_BACnet_SetAccess, Btn_TLS_List_Certificates,
                         Btn_BACnet_EDE_File, Btn_CreateBin}) {
        b->move(80, top);
        top += 44;
    }
    const int last = Btn_CreateBin->y();
    Shape1->setGeometry(10, last + 51, 674, 1);
    SetFixedClientSize(694, last + 152);
}

void TFVostrelanteFirmWare::FormCreate(const QString& ExeDir)
{
    Set_Default_Language();
    Lay_Out_Steps();

    Exe_Dir = QDir::cleanPath(ExeDir);
    Master_Dir = JoinPath(Exe_Dir, QStringLiteral("MASTER"));
    Projects_Dir = JoinPath(Exe_Dir, QStringLiteral("PROJECTS"));
    Language_Dir = JoinPath(Exe_Dir, QStringLiteral("LANGUAGE"));
    for (const QString& dir : {Master_Dir, Projects_Dir, Language_Dir})
        if (!QFileInfo::exists(dir))
            QDir().mkdir(dir);

    Project_Name.clear();
    Read_Back = true;
    Read_Setting();
    Update_Timer_State();

    Main_Caption = Product_Main_Caption;
    SW_Code = Product_SW_Code;
    SW_Desc = Product_SW_Desc;
    SetCaption(Main_Caption);
    L_SW_Code->setText(SW_Code);
    L_SW_Desc->setText(SW_Desc);
    L_SW_Code->adjustSize();
    L_SW_Desc->adjustSize();

    // A language file that is there but refused leaves English, and the user learns why.
    QString languageError;
    Load_Language(&languageError);
    if (!languageError.isEmpty())
        MessageDlg(languageError, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});

    const QString last = JoinPath(Projects_Dir, Project_Name);
    Project_Dir = !Project_Name.isEmpty() && Valid_Project_Name(Project_Name) && QFileInfo(last).isDir()
                      ? last : QString();
    Set_Lang();
    Set_Files();
    Row_Clipboard = std::make_unique<QStringList>();
    SL_MIB_Read_Desc = std::make_unique<QStringList>();
    SL_MIB_Write_Desc = std::make_unique<QStringList>();
}

void TFVostrelanteFirmWare::Read_Setting()
{
    Project_Dir.clear();
    Read_Program_Settings(JoinPath(Exe_Dir, Program_Settings_File));
}

bool TFVostrelanteFirmWare::Save_Setting(QString* error)
{
    return SaveWholeFileTold(JoinPath(Exe_Dir, Program_Settings_File), Program_Settings_Content(), error);
}

void TFVostrelanteFirmWare::Save_Setting_Reported()
{
    // The step goes on all the same (at close the program still ends); the user learns the settings were not kept.
    QString error;
    if (!Save_Setting(&error))
        MessageDlg(error, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
}

void TFVostrelanteFirmWare::FormClose()
{
    Save_Setting_Reported();
}

void TFVostrelanteFirmWare::Show_Configuration_Box()
{
    const bool open = !Project_Name.isEmpty() && !Project_Dir.isEmpty();
    L_Name_Conf->setText(open ? Lang(11) : Lang(9));
    L_Name_Conf_L2->setText(open ? Project_Name : Lang(10));
    L_Name_Conf->adjustSize();
    L_Name_Conf_L2->adjustSize();
}

void TFVostrelanteFirmWare::Set_Lang()
{
    L_Begin->setText(Lang(0));
    L_Begin->adjustSize();
    for (int i = 0; i < 9; ++i) {
        L_Step[i]->setText(Lang(i < 8 ? i + 1 : 53));
        L_Step[i]->adjustSize();
    }
    Btn_Info->setToolTip(Lang(12));
    Btn_Opz->setToolTip(Lang(13));
    Btn_Close->setToolTip(Lang(14));
    struct Text {
        TSbButton* Button;
        int Caption;
        int Hint;
    };
    const Text texts[] = {
        {Btn_New, 15, 22}, {Btn_Open, 16, 23}, {Btn_CreateBin, 17, 26}, {Btn_Prm_Gen, 20, 24},
        {Btn_IEC61850_Access, 21, 25}, {Btn_TLS_List_Certificates, 27, 28}, {Btn_Modbus_Set_Access, 29, 30},
        {Btn_PROFINET_XML, 31, 32}, {Btn_BACnet_SetAccess, 33, 34}, {Btn_BACnet_EDE_File, 35, 36},
        {Btn_CAN_Rec_Frame, 37, 39}, {Btn_CAN_Send_Frame, 38, 40}, {Btn_SDO_Server_CANopen, 45, 46},
        {Btn_SDO_Client_CANopen, 47, 48}, {Btn_PDO_CANopen, 49, 50}, {Btn_CANopen_EDS, 51, 52},
        {Btn_DNet_Net, 54, 55}, {Btn_DNet_Offset, 56, 57}, {Btn_KNX_Access, 58, 59}, {Btn_MQTT_Set_Topic, 60, 61},
        {Btn_PROFIBUS_GSD, 62, 63}, {Btn_SNMP_Manager_Access, 64, 65}, {Btn_SNMP_Trap, 66, 67},
        {Btn_SNMP_MIB, 68, 69},
    };
    for (const Text& t : texts) {
        t.Button->SetCaption(Lang(t.Caption));
        t.Button->setToolTip(Lang(t.Hint));
    }
    Show_Configuration_Box();
}

void TFVostrelanteFirmWare::Add_Window(const QString& Name, TForm* Form, std::function<void()> SetLang)
{
    FWindows.push_back({Name, Form, std::move(SetLang)});
}

TForm* TFVostrelanteFirmWare::Window(const QString& Name) const
{
    for (const WindowEntry& w : FWindows)
        if (w.Name == Name)
            return w.Form;
    return nullptr;
}

QStringList TFVostrelanteFirmWare::Language_Order()
{
    QStringList names;
    for (const char* name : kLanguageOrder)
        names << QString::fromLatin1(name);
    return names;
}

QStringList TFVostrelanteFirmWare::Menu_Windows()
{
    return {kNewProjectWindow, kOpenConfWindow, kAboutWindow, kOptionsWindow};
}

QStringList TFVostrelanteFirmWare::Step_Windows()
{
    QStringList names;
    for (const StepWindow& s : kStepWindows)
        names << QString::fromLatin1(s.Window);
    return names << kProfinetFileNameWindow;
}

void TFVostrelanteFirmWare::Change_Language()
{
    Set_Lang();
    for (const char* name : kLanguageOrder)
        for (const WindowEntry& w : FWindows)
            if (w.Name == QLatin1String(name) && w.SetLang)
                w.SetLang();
}

void TFVostrelanteFirmWare::Set_Files()
{
    Set_Project_File_Paths(Project_Dir);
}

void TFVostrelanteFirmWare::Create_New_Project()
{
    TForm* newProject = Window(kNewProjectWindow);
    if (newProject && newProject->ShowModal() == mrOk)
        Show_Configuration_Box();
}

void TFVostrelanteFirmWare::Open_Project()
{
    auto* openConf = dynamic_cast<TFOpenConf*>(Window(kOpenConfWindow));
    if (!openConf || openConf->ShowModal() != mrOk || !openConf->Has_Selection())
        return;
    Project_Name = openConf->Name_Conf;
    Project_Dir = JoinPath(Projects_Dir, Project_Name);
    Show_Configuration_Box();
    Set_Files();
}

void TFVostrelanteFirmWare::Show_Step_Window(const QString& Name)
{
    // Windows whose editors have not been added to this build yet leave their step after the project test.
    if (TForm* f = Window(Name))
        f->ShowModal();
}

void TFVostrelanteFirmWare::Btn_Click(QObject* Sender)
{
    if (Sender == Btn_New)
        return Create_New_Project();
    if (Sender == Btn_Open)
        return Open_Project();
    if (Sender == Btn_Close) {
        close();
        return;
    }
    if (Sender == Btn_Info) {
        if (TForm* about = Window(kAboutWindow))
            about->ShowModal();
        return;
    }
    if (Sender == Btn_Opz) {
        TForm* options = Window(kOptionsWindow);
        if (options && options->ShowModal() == mrOk) {
            Save_Setting_Reported();
            Update_Timer_State();
        }
        return;
    }
    if (Project_Dir.isEmpty()) {
        MessageDlg(Lang(18), TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
        return;
    }
    for (const StepWindow& s : kStepWindows)
        if (Sender == this->*s.Button)
            return Show_Step_Window(QString::fromLatin1(s.Window));
    if (Sender == Btn_BACnet_EDE_File)
        BACnet_EDE_File();
    else if (Sender == Btn_CreateBin)
        Update_Device();
    else if (Sender == Btn_CANopen_EDS)
        Build_EDS_File();
    else if (Sender == Btn_SNMP_MIB)
        Build_MIB_File();
    else if (Sender == Btn_PROFIBUS_GSD)
        Build_GSD_File();
    else if (Sender == Btn_PROFINET_XML)
        PROFINET_XML();
    // Btn_Modbus_Set_Access: the project test only.
}

void TFVostrelanteFirmWare::Update_Device()
{
    QString error;
    if (!Compile_Bincc(&error) || !Save_Bincc(&error)) {
        // Never offer to send images that were not written anew.
        MessageDlg(error, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
        return;
    }
    if (OnShowBoot)
        OnShowBoot(static_cast<std::uint32_t>(Get_Type_BACnet()), 1);
}

std::int32_t TFVostrelanteFirmWare::Get_Type_BACnet()
{
    Xml::TElement root;
    if (Load_Project_File(File_ParGen, root, nullptr) != TProjectFileLoad::Loaded)
        return 0;
    return static_cast<std::int32_t>(TParGen(&root).Number(QStringLiteral("BACnet_Type"), 0));
}

void TFVostrelanteFirmWare::BACnet_EDE_File()
{
    TFileDialogRequest SD1;
    SD1.InitialDir = Project_Dir;
    SD1.Filter = QStringLiteral("CSV (MS-DOS) (*.csv)|*.csv");
    QString chosen;
    if (!PromptForSaveFile(SD1, chosen))
        return;
    const QString name = EDE_File_Name(chosen);
    if (QFileInfo::exists(name)) {
        // The English table leaves the question blank: ask in words all the same.
        const QString question = Lang(70).trimmed().isEmpty() ? Lang(1105) : Lang(70);
        if (MessageDlg(question, TMsgDlgType::mtConfirmation,
                       {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbCancel}) != mrYes)
            return;
    }
    QString error;
    if (!Create_EDE_File(name, &error))
        MessageDlg(error, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
}

void TFVostrelanteFirmWare::Build_EDS_File()
{
    TFileDialogRequest SaveEDS;
    SaveEDS.InitialDir = Project_Dir;
    SaveEDS.DefaultExt = QStringLiteral("*.eds");
    SaveEDS.Filter = QStringLiteral("Electronic Data Sheet (*.eds)|*.eds");
    QString name;
    QString error;
    if (PromptForSaveFile(SaveEDS, name) && !Write_EDS_File(name, &error))
        MessageDlg(error, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
}

void TFVostrelanteFirmWare::PROFINET_XML()
{
    auto* fileName = dynamic_cast<TFProfinetFileName*>(Window(kProfinetFileNameWindow));
    if (fileName && fileName->ShowModal() == mrOk)
        Save_PROFINET_XML(fileName->Name_File_XML);
}

void TFVostrelanteFirmWare::Start_Program(const QString& NomeSW, const QString& Parameter, bool tipo)
{
    // The update program takes no arguments and is always shown.
    Q_UNUSED(Parameter);
    Q_UNUSED(tipo);
    // No other step may run meanwhile, but the windows keep repainting: input is dropped, and the version
    // check waits for the end.
    const bool checking = Timer_Update->isActive();
    Timer_Update->stop();
    TProgramResult run;
    {
        // The block ends with the wait: a box it outlived could never be answered.
        TInputBlock block;
        run = Run_Program(NomeSW, kProgramWaitMs, [&block] { block.Process_Waiting(); });
    }
    if (checking)
        Timer_Update->start();
    if (run.Run == TProgramRun::prNotStarted)
        MessageDlg(QStringLiteral("The update program \"%1\" could not be started: %2").arg(NomeSW, run.Error),
                   TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
}

void TFVostrelanteFirmWare::Timer_UpdateTimer()
{
    Timer_Update->stop();
    if (TFSoftOptions::Check_Version()) {
        LL_Update->setText(Link_Html(Web_Download_Page(), Lang(19)));
        LL_Update->adjustSize();
        LL_Update->show();
    } else {
        LL_Update->hide();
    }
    Timer_Update->setInterval(kNextCheckMs);
    Timer_Update->start();
}

void TFVostrelanteFirmWare::Update_Timer_State()
{
    if (!(Enable_Internet && Enable_Update))
        Timer_Update->stop();
    else if (!Timer_Update->isActive())
        Timer_Update->start();
}
