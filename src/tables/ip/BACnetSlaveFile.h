#pragma once
// BACnet_Slave_SetAccess.xml: the BACnet server objects in two tables, the objects BACnet reads and those
// it writes, and the checks OK makes before writing them.
#include "tables/TableFile.h"

constexpr int BACnet_Slave_NByte = 1440;

// The rows of each table and the limit on both together: 1000 with 32-character names, else 2000.
int BACnet_Slave_Rows(bool Desc_Lenght);

struct TBACnetSlaveLoad {
    TTableLoad Read, Write;   // Error is set on Read only
    bool Partial() const { return Read.Partial() || Write.Partial(); }
};

// Cells per row, columns 1 to 7: Data_Type, Eng_Unit, Position, Bit, Length, Swap, Mnemonic. A missing
// Swap reads "N", any other missing attribute an empty cell; a missing section an empty table.
TBACnetSlaveLoad Load_BACnet_Slave(const QString& path, int maxRows);
// The file of each table's rows up to its first blank Data_Type.
QByteArray BACnet_Slave_XML(const TTableRows& read, const TTableRows& write);
// The message of the first error, empty when both tables pass.
QString Check_BACnet_Slave(const TTableRows& read, const TTableRows& write, bool Desc_Lenght);
// The Length a type chosen in the write table gives its row; empty for a type that leaves it.
QString BACnet_Write_Default_Length(const QString& Data_Type);

extern const QStringList BACnet_Read_Types;
extern const QStringList BACnet_Write_Types;
