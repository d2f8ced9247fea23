#pragma once
// The main window: start-up of the program-wide state, the settings file, the configuration
// steps of the built model and the language switch of every window.
#include "platform/Form.h"
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class QFrame;
class QLabel;
class QTimer;
class TSbButton;

class TFVostrelanteFirmWare : public TForm {
public:
    // ExeDir: the program's folder, which holds MASTER, PROJECTS, LANGUAGE and the settings file.
    explicit TFVostrelanteFirmWare(const QString& ExeDir, QWidget* parent = nullptr);
    ~TFVostrelanteFirmWare() override;

    // Writes Vostrelant.xml from the state, whole or not at all; false with the reason.
    bool Save_Setting(QString* error = nullptr);
    void Set_Lang();
    // Set_Lang of the main window, then of every registered window in the fixed order.
    void Change_Language();
    // The 22 project file paths from Project_Dir.
    void Set_Files();
    void Create_New_Project();
    void Open_Project();
    // The one click handler of all 27 buttons.
    void Btn_Click(QObject* Sender);
    void Update_Device();
    // BACnet_Type of the project's parameter file, 0 when absent or unreadable.
    std::int32_t Get_Type_BACnet();
    void BACnet_EDE_File();
    void Build_EDS_File();
    // The file-name dialog, then the GSDML writer with the composed name.
    void PROFINET_XML();
    // Starts a program and waits for its end, at most 150 s, without processing window messages.
    void Start_Program(const QString& NomeSW, const QString& Parameter, bool tipo);
    void Timer_UpdateTimer();
    // Arms or stops the update timer from the two internet options; a running timer keeps its time.
    void Update_Timer_State();

    // A dialog created after the main window. Name is its form variable ("FParGen"); the step
    // showing it finds it by that name, Change_Language calls SetLang in the fixed order.
    void Add_Window(const QString& Name, TForm* Form, std::function<void()> SetLang);
    TForm* Window(const QString& Name) const;
    // The names Change_Language calls in its order, the names the own buttons (New, Open, About, Options)
    // and the step buttons show.
    static QStringList Language_Order();
    static QStringList Menu_Windows();
    static QStringList Step_Windows();

    // The device-update dialog, given the BACnet type of the project and the form type.
    std::function<void(std::uint32_t BACnetType, std::uint32_t Form_Type)> OnShowBoot;

    QLabel* L_SW_Code;
    QLabel* L_SW_Desc;
    QLabel* L_Begin;
    std::array<QLabel*, 9> L_Step;  // L_Step_1 ... L_Step_9
    QLabel* L_Name_Conf;
    QLabel* L_Name_Conf_L2;
    QLabel* L_Velmor;
    QLabel* LL_Update;
    QFrame* Shape1;
    QFrame* Shape2;
    QTimer* Timer_Update;

    TSbButton* Btn_Info;
    TSbButton* Btn_Opz;
    TSbButton* Btn_Close;
    TSbButton* Btn_New;
    TSbButton* Btn_Open;
    TSbButton* Btn_Prm_Gen;
    TSbButton* Btn_IEC61850_Access;
    TSbButton* Btn_BACnet_SetAccess;
    TSbButton* Btn_TLS_List_Certificates;
    TSbButton* Btn_BACnet_EDE_File;
    TSbButton* Btn_CreateBin;
    TSbButton* Btn_Modbus_Set_Access;
    TSbButton* Btn_PROFINET_XML;
    TSbButton* Btn_CAN_Rec_Frame;
    TSbButton* Btn_CAN_Send_Frame;
    TSbButton* Btn_SDO_Server_CANopen;
    TSbButton* Btn_SDO_Client_CANopen;
    TSbButton* Btn_PDO_CANopen;
    TSbButton* Btn_CANopen_EDS;
    TSbButton* Btn_DNet_Net;
    TSbButton* Btn_DNet_Offset;
    TSbButton* Btn_KNX_Access;
    TSbButton* Btn_MQTT_Set_Topic;
    TSbButton* Btn_PROFIBUS_GSD;
    TSbButton* Btn_SNMP_Manager_Access;
    TSbButton* Btn_SNMP_Trap;
    TSbButton* Btn_SNMP_MIB;

protected:
    void FormClose() override;

private:
    void FormCreate(const QString& ExeDir);
    void Create_Controls();
    void Lay_Out_Steps();
    void Read_Setting();
    void Show_Configuration_Box();
    // Save_Setting, telling the user when the file could not be written.
    void Save_Setting_Reported();
    void Show_Step_Window(const QString& Name);
    TSbButton* Make_Button(int left, int top, int width, int height);

    struct WindowEntry {
        QString Name;
        TForm* Form;
        std::function<void()> SetLang;
    };
    std::vector<WindowEntry> FWindows;
};

extern TFVostrelanteFirmWare* FVostrelanteFirmWare;
