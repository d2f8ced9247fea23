#include "core/UComon.h"
#include "platform/DecimalSeparator.h"
#include "platform/Paths.h"
#include <QLocale>
#include <cmath>
#include <limits>

QString Project_Name;
QString Project_Dir;
QString Projects_Dir;
QString Exe_Dir;
QString Master_Dir;
QString Language_Dir;
QString Main_Caption;
QString SW_Code;
QString SW_Desc;
QString Device_IP;
std::int32_t Update_Option = 0;
bool Read_Back = false;
QString Language_Name;
bool Enable_Internet = false;
bool Enable_Update = false;
bool Enable_Jump_Field_Tables = false;
bool Double_Click_Auto_Size = false;
QString EDE_Import_Dir;

QString File_ParGen;
QString File_TLS_Known_Cert;
QString File_IEC61850_Variables;
QString File_ModbusM_SetAccess;
QString File_ModbusTCPM_SetAccess;
QString File_BACnet_Master_Access;
QString File_BACnet_Slave_SetAccess;
QString File_CAN_Rec_Frames;
QString File_CAN_Send_Frames;
QString File_SDO_Server_CANopen;
QString File_SDO_Client_CANopen;
QString File_PDO_CANopen;
QString File_DNETM_Net;
QString File_DNETM_DefOff;
QString File_J1939_Rec_Frames;
QString File_J1939_Send_Frames;
QString File_KNX_SetAccess;
QString File_MQTT_Set_Topic;
QString File_NMEA_Rec_Frames;
QString File_NMEA_Send_Frames;
QString File_SNMP_Manager;
QString File_SNMP_Trap;

std::unique_ptr<QStringList> Row_Clipboard;
std::vector<bool> Row_Clipboard_Check;
std::unique_ptr<QStringList> SL_MIB_Read_Desc;
std::unique_ptr<QStringList> SL_MIB_Write_Desc;

const std::array<ProjectFile, 22> Project_Files = {{
    {&File_ParGen, "ParGen.xml"},
    {&File_TLS_Known_Cert, "TLS_Known_Cert.xml"},
    {&File_IEC61850_Variables, "IEC61850_Variables.xml"},
    {&File_ModbusM_SetAccess, "ModbusM_SetAccess.xml"},
    {&File_ModbusTCPM_SetAccess, "ModbusTCPM_SetAccess.xml"},
    {&File_BACnet_Master_Access, "BACnet_Master_Access.xml"},
    {&File_BACnet_Slave_SetAccess, "BACnet_Slave_SetAccess.xml"},
    {&File_CAN_Rec_Frames, "CAN_Rec_Frames.xml"},
    {&File_CAN_Send_Frames, "CAN_Send_Frames.xml"},
    {&File_SDO_Server_CANopen, "SDO_Server_CANopen.xml"},
    {&File_SDO_Client_CANopen, "SDO_Client_CANopen.xml"},
    {&File_PDO_CANopen, "PDO_CANopen.xml"},
    {&File_DNETM_Net, "DNETM_Net.xml"},
    {&File_DNETM_DefOff, "DNETM_DefOff.xml"},
    {&File_J1939_Rec_Frames, "J1939_Rec_Frames.xml"},
    {&File_J1939_Send_Frames, "J1939_Send_Frames.xml"},
    {&File_KNX_SetAccess, "KNX_SetAccess.xml"},
    {&File_MQTT_Set_Topic, "MQTT_Set_Topic.xml"},
    {&File_NMEA_Rec_Frames, "NMEA_Rec_Frames.xml"},
    {&File_NMEA_Send_Frames, "NMEA_Send_Frames.xml"},
    {&File_SNMP_Manager, "SNMP_Manager.xml"},
    {&File_SNMP_Trap, "SNMP_Trap.xml"},
}};

void Set_Project_File_Paths(const QString& dir)
{
    for (const ProjectFile& f : Project_Files)
        *f.path = JoinPath(dir, QString::fromLatin1(f.name));
}

void Reset_Program_State()
{
    for (QString* s : {&Project_Name, &Project_Dir, &Projects_Dir, &Exe_Dir, &Master_Dir, &Language_Dir,
                       &Main_Caption, &SW_Code, &SW_Desc, &Device_IP, &Language_Name, &EDE_Import_Dir})
        s->clear();
    for (const ProjectFile& f : Project_Files)
        f.path->clear();
    Update_Option = 0;
    Read_Back = false;
    Enable_Internet = Enable_Update = Enable_Jump_Field_Tables = Double_Click_Auto_Size = false;
    Row_Clipboard.reset();
    Row_Clipboard_Check.clear();
    SL_MIB_Read_Desc.reset();
    SL_MIB_Write_Desc.reset();
}

// ---- Text validators ----

QChar Get_Decimal_Separator()
{
    return SystemDecimalSeparator();
}

bool Str_To_Float_Dec(const QString& text, QChar /*separator*/, float& value)
{
    // Normalising to either separator and then reading with it accepts "," and "." alike as the decimal mark;
    // read in the C locale so the result never depends on the process locale.
    QString t = text;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double d = c.toDouble(t, &ok);
    if (!ok || !std::isfinite(d) || std::fabs(d) > std::numeric_limits<float>::max()) {
        value = 1.0f;
        return false;
    }
    value = static_cast<float>(d);
    return true;
}
