#pragma once
// The first part of bank2: the NTP server name block, the BACnet object table grouped by object
// kind, and the pool of object names the entries point at.
#include <QString>
#include <array>
#include <cstdint>

class TBinImage;
struct TBincc_State;

struct TBACnet_Object {
    std::uint32_t Position = 0;     // byte index of the value in the converter's data area
    std::uint16_t Eng_Unit = 0;
    std::uint8_t Length = 0;
    std::uint8_t Direction = 0;     // 0 read section, 1 write section
    std::uint32_t Name_Add = 0;     // device address of the name in the pool
    std::uint16_t Row = 0;          // 1.. over the read rows, then on over the write rows
    std::uint8_t Bit = 0;
};

constexpr int NTP_Block_Size = 1024;
constexpr int Object_Entry_Size = 16;
constexpr int Name_Pool_Size = 0x8800;
constexpr int Object_Area_Size = 67584;   // table + pool + padding, whatever the name mode

struct TBACnet_Kind {
    const char* Name;       // upper case, as a row's Data_Type must read once upper-cased
    int Count_Offset;       // where the parameter image counts the objects of this kind
};
// In the order the table groups them.
extern const std::array<TBACnet_Kind, 19> BACnet_Kinds;

int Object_Capacity(bool Long_Object_Names);      // entries the image holds
int Object_Limit(bool Long_Object_Names);         // objects a project may have
int Object_Name_Length(bool Long_Object_Names);
std::uint32_t Name_Pool_Address(std::uint32_t Table_Address, bool Long_Object_Names);

void Clear_Object_Table(TBincc_State& state);
// Builds the entries, names and counts from the BACnet object file at `path`; a missing file gives an
// empty table. False, with the reason, for an unreadable file, a missing section, a row without
// its attributes, or more objects than the name mode allows.
bool Read_BACnet_Slave_XML(TBincc_State& state, const QString& path, std::uint32_t Table_Address, QString* error);

int Put_NTP_Server(const QString& name, int Position, TBinImage& Buffer);
int Put_Object_Table(const TBincc_State& state, int Position, TBinImage& Buffer);
