#pragma once
// The requests of a converter that works as a BACnet client, kept in BACnet_Master_Access.xml: the properties
// of device objects read into the data area (the read table) and the bytes of the area written to device
// objects (the write table), with the codes the rules give object types, properties and data types.
#include "tables/TableEditor.h"
#include "tables/ip/EDEFileReader.h"

constexpr int BACnet_Master_Rows = 512;
constexpr int BACnet_Master_NByte = 1440;

// Grid numbers, and the read_write argument of the codes.
constexpr int BACnet_Read = 0;
constexpr int BACnet_Write = 1;

// The two tables for the project's BACnet type: 0 BACnet/IP (an IP address column), 1 MS/TP (a Slave ID
// column); with any other type the address column is hidden and the Object Type ends the table.
const TTableEditor& BACnet_Master_Editor(int App_BACnet_Type);

// The object-type code of a list text or a proprietary type number 128 to 1023; -1 for none. The write table
// has no code for the types that can only be read.
int Check_Object_Type(const QString& str, int read_write);
// The property code for object-type code Obj_Type: 100 Present Value, 200 a proprietary property number, else
// the property's byte count (read table only); -1 for none.
int Check_Property(const QString& str, int read_write, int Obj_Type);
// 1000 when no data-type rule applies (a property other than Present Value), 1 when the data type fits, -1 not.
int Check_Data_Type(const QString& str, int Obj_Type, int Property_val);
// The data type Present Value of the object type has; empty when there is none to name.
QString Aspected_Data_Type_Value(int Obj_Type, int Property_val);
// The largest NByte of a data type.
int Check_Num_Byte_Max(const QString& str);
// The rule text of a destination address that must be a list of NumByte bytes; empty when it passes.
QString Check_Dest_Add(const QString& values, int NumByte, bool InRead);
// The hint of a read-table cell at real column ACol, `cells` the row from column 1: the bytes the Property reads.
QString Str_Hint_Read(const QStringList& cells, int ACol);

// Chosen objects of an EDE file that found no row, per table.
struct TEDE_Left_Out {
    int Read = 0, Write = 0;
};
// Fills `tables` (the read and write rows as the grids hold them, from column 1) with the objects chosen for
// import: each table from its first row with an empty key on, one row per object with the device's
// `address`, Positions from the table's next free byte. What finds no row is counted, not written.
TEDE_Left_Out Fill_EDE_Rows(const TTableEditor& editor, std::vector<TTableRows>& tables,
                            const std::vector<TBACnet_Var>& objects, const QString& address);
// Said after an import whose objects did not all find a row.
QString EDE_Left_Out_Message(const TEDE_Left_Out& left, int tableRows);
