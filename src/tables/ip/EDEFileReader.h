#pragma once
// Reading the EDE file (Engineering Data Exchange: the semicolon-separated object list) of a BACnet device
// to be polled, and the object types the client tables can take from it.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// One object of an EDE file: the 16 fields of its data line and the import choices.
struct TBACnet_Var {
    QString keyname;
    std::int32_t device_obj_instance = -1;
    QString object_name;
    std::int32_t object_type = -1;
    std::int32_t object_instance = -1;
    QString description;
    QString present_value_default;
    QString min_present_value;
    QString max_present_value;
    bool commandable = false;
    bool support_COV = false;
    QString hi_limit;
    QString low_limit;
    QString stete_text_reference;
    QString unit_code;
    QString vendor_specific_address;
    bool import = false;
    bool read = false;
    bool write = false;
};

// The objects of the file's lines. The data starts two lines after the header line ("#" then "mandatory"):
// the seventh line's when it is one, else the last one found; without one, or when the file ends before its
// data, there are none. Only objects of a kept type are listed, in file order, each to be imported, read, and
// written when commandable.
std::vector<TBACnet_Var> Read_EDE_Lines(const QStringList& lines);
// The same from a file's bytes (a byte-order mark selects UTF-8 or UTF-16, else Windows-1252; lines end in
// CR, LF or CR LF).
std::vector<TBACnet_Var> Read_EDE_Bytes(const QByteArray& bytes);
// The same from a file; false, with the reason in `error`, when it cannot be read.
bool Read_EDE_File(const QString& path, std::vector<TBACnet_Var>& objects, QString* error = nullptr);

// The client tables' name of a kept object type; empty for any other number.
QString Get_ObjType_EDE(int type);
// The data type a write row gets for the object type; "Null" for any other number.
QString Get_DataType_EDE(int type);
// The bytes the object type takes in the data area; 4 for any other number.
int Get_NumByte_EDE(int type);
