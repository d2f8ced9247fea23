#pragma once
// The 2048-byte parameter image (bank1): network, BACnet and NTP settings, where the tables of
// bank2 lie, the object counts per kind, and a byte sum in its last four bytes.
#include <QByteArray>
#include <QString>
#include <cstdint>

class TBinImage;
struct TBincc_State;

constexpr int Parameter_Block_Size = 2048;

// Field offsets. An address field is four bytes in dotted order.
namespace Par {
constexpr int Fixed_0 = 0;
constexpr int Fixed_4 = 4;
constexpr int Fixed_8 = 8;
constexpr int Fixed_12 = 12;
constexpr int Address = 40;             // BACnet/IP: the device; MS/TP: the IEC 61850 server
constexpr int Mask = 44;
constexpr int Gateway = 48;
constexpr int Fixed_52 = 52;
constexpr int Fixed_54 = 54;
constexpr int Fixed_56 = 56;
constexpr int BACnet_Port = 58;
constexpr int NTP_Name_Add = 60;
constexpr int NTP_Poll = 64;
constexpr int Device_Name = 80;
constexpr int Device_Name_Size = 16;
constexpr int Object_Table_Add = 248;
constexpr int MSTP_MAC = 256;
constexpr int MSTP_Max_Master = 257;
constexpr int MSTP_Max_Info_Frames = 258;
constexpr int MSTP_Network = 270;
constexpr int MSTP_Device_Instance = 300;
constexpr int IP_Device_Identifier = 308;
constexpr int IEC_Address = 388;         // BACnet/IP only
constexpr int IEC_Mask = 392;
constexpr int IEC_Gateway = 396;
constexpr int MSTP_Baud = 400;
constexpr int MSTP_Baud_Copy = 412;
constexpr int MSTP_Parity = 424;
constexpr int MSTP_Parity_Copy = 427;
constexpr int Fixed_436 = 436;           // 8 bytes
constexpr int DNS = 1420;
constexpr int IEC61850_Section_Add = 1512;
constexpr int Byte_Sum = 2044;
} // namespace Par

void Reset_Parameter_Block(TBinImage& block);
// Reads the ParGen.xml at `path` into the image and the compile state; a missing file keeps the defaults.
// False (with the reason) when the file is there but cannot be read.
bool Read_ParGen_XML(TBincc_State& state, const QString& path, QString* error);
// The sum of bytes 0 to 2043, as stored at offset 2044.
std::uint32_t Parameter_Byte_Sum(const TBinImage& block);
// Seals the image with its byte sum and returns its 2048 bytes.
QByteArray Copy_Parameter_Block(TBinImage& block);
