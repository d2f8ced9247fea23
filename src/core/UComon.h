#pragma once
// Program-wide state shared by the windows, and the stateless text validators.
#include <QChar>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// ---- Program-wide state (window thread only) ----
extern QString Project_Name;
extern QString Project_Dir;   // empty, or Projects_Dir/Project_Name
extern QString Projects_Dir;
extern QString Exe_Dir;
extern QString Master_Dir;
extern QString Language_Dir;
extern QString Main_Caption;
extern QString SW_Code;
extern QString SW_Desc;
extern QString Device_IP;
extern std::int32_t Update_Option;
extern bool Read_Back;
extern QString Language_Name;
extern bool Enable_Internet;
extern bool Enable_Update;
extern bool Enable_Jump_Field_Tables;
extern bool Double_Click_Auto_Size;
extern QString EDE_Import_Dir;

extern QString File_ParGen;
extern QString File_TLS_Known_Cert;
extern QString File_IEC61850_Variables;
extern QString File_ModbusM_SetAccess;
extern QString File_ModbusTCPM_SetAccess;
extern QString File_BACnet_Master_Access;
extern QString File_BACnet_Slave_SetAccess;
extern QString File_CAN_Rec_Frames;
extern QString File_CAN_Send_Frames;
extern QString File_SDO_Server_CANopen;
extern QString File_SDO_Client_CANopen;
extern QString File_PDO_CANopen;
extern QString File_DNETM_Net;
extern QString File_DNETM_DefOff;
extern QString File_J1939_Rec_Frames;
extern QString File_J1939_Send_Frames;
extern QString File_KNX_SetAccess;
extern QString File_MQTT_Set_Topic;
extern QString File_NMEA_Rec_Frames;
extern QString File_NMEA_Send_Frames;
extern QString File_SNMP_Manager;
extern QString File_SNMP_Trap;

// Absent until the main window's start-up creates them.
extern std::unique_ptr<QStringList> Row_Clipboard;
extern std::vector<bool> Row_Clipboard_Check;
extern std::unique_ptr<QStringList> SL_MIB_Read_Desc;
extern std::unique_ptr<QStringList> SL_MIB_Write_Desc;

// The 22 project files: each path variable with its file name, in their fixed order.
struct ProjectFile {
    QString* path;
    const char* name;
};
extern const std::array<ProjectFile, 22> Project_Files;

// Sets every project file path to dir + "/" + its name.
void Set_Project_File_Paths(const QString& dir);

// Back to the values at program start (every string empty, flags false, lists absent).
void Reset_Program_State();

// A decimal whole number (sign and surrounding blanks allowed); nothing when the text is not one.
std::optional<std::int64_t> Read_Whole_Number(const QString& text);
// A table cell's whole number: blanks and a sign before it allowed; "$", "x" or "0x" in any case
// introduces a hexadecimal one, which may reach $FFFFFFFF and then wraps into the 32-bit range;
// nothing when the text is not one (the empty text included).
std::optional<std::int32_t> Read_Cell_Integer(const QString& text);
// The same in 64 bits; a hexadecimal one may reach $FFFFFFFFFFFFFFFF and wraps likewise.
std::optional<std::int64_t> Read_Cell_Int64(const QString& text);

// ---- Text validators ----
// None shows a message: each caller turns the result into its own text.

// The text without the characters of code 32 or less at both ends.
QString Trim_Blanks(const QString& text);

// True when the text is a dotted address of four parts 0..255 (blanks around each part allowed);
// the outputs receive the trimmed parts as far as the splitting got.
bool Parse_IP_Address(const QString& text, QString& ip1, QString& ip2, QString& ip3, QString& ip4);
// True when the text is NOT a valid address. An empty text leaves the bytes alone; otherwise every
// byte is set, 0 where its part is out of range.
bool Split_IP_Address(const QString& text, std::uint8_t& b1, std::uint8_t& b2, std::uint8_t& b3, std::uint8_t& b4);
// True when the text is "a.b.c.d:port"; every output is 0 unless it is.
bool Split_IP_Port(const QString& text, std::uint8_t& b1, std::uint8_t& b2, std::uint8_t& b3, std::uint8_t& b4,
                   std::uint16_t& port);
bool Has_No_Dot(const QString& text);
// 0 valid, 1 invalid.
int Check_KNX_Address(const QString& text, bool Group_Address, bool Allow_Zero);
// 0 valid, else the first rule broken: 1 too long, 2 a character other than digits and "." (also an
// empty text), 3 leading ".", 4 trailing ".", 5 "..", 6 a component above 4294967295.
int Check_OID(const QString& text);
// 0 valid, 1 longer than 15, 2 too short (8, or 1 with Allow_Short), 3 not only letters and digits.
int Check_SNMP_Password(const QString& text, bool Allow_Short);
// 1 "AUTH NOPRIV", 3 "AUTH PRIV", -1 empty, 0 anything else (case and blanks around ignored).
int Get_SNMP_Security_Level(const QString& text);
// The user's decimal separator, "," or ".".
QChar Get_Decimal_Separator();
// Reads a decimal number with "," or "." as the decimal mark, whatever the locale; on failure (also
// for a non-finite value or one beyond single precision) value is 1.0 and the result false.
bool Str_To_Float_Dec(const QString& text, QChar separator, float& value);
// Numbers ("1", "2", ...) of the serial ports present: COM<n> is /dev/ttyS<n-1>.
QStringList Get_COM_Port_List();
// The same probe over the ttyS<n-1> devices of another folder.
QStringList Get_COM_Port_List(const QString& deviceDir);
