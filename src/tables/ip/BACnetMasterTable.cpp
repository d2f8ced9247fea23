#include "tables/ip/BACnetMasterTable.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/tables/TableSchemas.h"

#include <algorithm>
#include <initializer_list>

namespace {

constexpr int kPresentValue = 100;
constexpr int kProprietaryProperty = 200;

bool In(int value, std::initializer_list<int> set)
{
    return std::find(set.begin(), set.end(), value) != set.end();
}

bool Outside(const QString& cell, int low, int high)
{
    const int value = Cell_Int(cell);
    return value < low || value > high;
}

struct TObjectType {
    const char* Name;
    int Code;
    bool Write;   // the write table has it too
};

const TObjectType kObjectTypes[] = {
    {"ACCUMULATOR", 1, false},          {"MULTI-STATE INPUT", 2, false},   {"MULTI-STATE OUTPUT", 3, true},
    {"ANALOG INPUT", 4, false},         {"ANALOG OUTPUT", 5, true},        {"BINARY INPUT", 6, false},
    {"BINARY OUTPUT", 7, true},         {"INTEGER VALUE", 8, true},        {"LARGE ANALOG VALUE", 9, true},
    {"POSITIVE INTEGER VALUE", 10, true}, {"MULTI-STATE VALUE", 11, true}, {"ANALOG VALUE", 12, true},
    {"BINARY VALUE", 13, true},         {"LIFE SAFETY POINT", 14, true},   {"LIFE SAFETY ZONE", 15, true},
};

bool Proprietary_Type(int code)
{
    return code >= 128 && code <= 1023;
}

// A property only the read table has, with the object types it is read from (all when Fits is null).
struct TReadProperty {
    const char* Name;
    int Code;
    bool (*Fits)(int type);
};

const TReadProperty kReadProperties[] = {
    {"OBJECT IDENTIFIER (75)", 4, nullptr},
    {"UNITS (117)", 4, [](int t) { return !In(t, {2, 3, 6, 7, 11, 13}); }},
    {"SCALE (187)", 1, [](int t) { return t == 1; }},
    {"PRESCALE (185)", 5, [](int t) { return t == 1; }},
    {"POLARITY (84)", 1, [](int t) { return In(t, {6, 7, 13}); }},
    {"EVENT STATE (36)", 4, nullptr},
    {"STATUS FLAGS (111)", 1, nullptr},
    {"OBJECT TYPE (79)", 2, nullptr},
    {"NUMBER OF STATES (74)", 4, [](int t) { return In(t, {2, 3, 11}); }},
};

// One table's texts.
struct TBACnetTexts {
    bool Read;
    int IP, Slave, Object_Type, Instance, Property, Data_Type, Data_Type_Is, Priority, NByte, Poll, Max_Err;
    int Net, Len, Add_1, Add_2, Add_6, Len_List, Bytes, Too_Many, Too_Few;
};

const TBACnetTexts kRead = {true, 2138, 2139, 2140, 2141, 2142, 0, 0, 0, 2143, 2144, 2145,
                            2170, 2171, 2172, 2173, 2174, 2186, 2182, 2184, 2188};
const TBACnetTexts kWrite = {false, 2147, 2148, 2149, 2150, 2151, 2152, 2158, 2153, 2154, 2155, 2156,
                             2175, 2176, 2177, 2178, 2179, 2187, 2183, 2185, 2189};

QString Dest_Add_Text(const QString& values, int NumByte, const TBACnetTexts& x)
{
    const QString text = values.trimmed();
    // An empty list has too few bytes, rather than failing without a word.
    if (text.isEmpty())
        return Lang(x.Too_Few);
    int count = 0;
    for (const QString& item : text.split(QLatin1Char(','))) {
        if (Outside(item.trimmed(), 0, 255))
            return Lang(x.Bytes);
        if (++count > NumByte)
            return Lang(x.Too_Many);
    }
    return count < NumByte ? Lang(x.Too_Few) : QString();
}

// D Net, D Len and D Add of a row whose destination is enabled.
QString Check_Destination(const QString& net, const QString& length, const QString& address, const TBACnetTexts& x)
{
    if (Outside(net, 1, 65535))
        return Lang(x.Net);
    if (const std::optional<std::int32_t> n = Read_Cell_Integer(length)) {
        switch (*n) {
        case 1:
            return Outside(address, 0, 255) ? Lang(x.Add_1) : QString();
        case 2:
            return Outside(address, 1, 65535) ? Lang(x.Add_2) : QString();
        case 6: {
            std::uint8_t b1 = 0, b2 = 0, b3 = 0, b4 = 0;
            std::uint16_t port = 0;
            return Split_IP_Port(address.trimmed(), b1, b2, b3, b4, port) ? QString() : Lang(x.Add_6);
        }
        default:
            return Lang(x.Len);
        }
    }
    const QString list = length.trimmed().toUpper();
    if (list.size() != 2 || list[0] != QLatin1Char('M') || list[1] < QLatin1Char('1') || list[1] > QLatin1Char('8'))
        return Lang(x.Len_List);
    return Dest_Add_Text(address, list[1].digitValue(), x);
}

QString Check_Address(int type, const QString& cell, const TBACnetTexts& x)
{
    const QString address = cell.trimmed();
    if (type == 0) {
        std::uint8_t b1 = 0, b2 = 0, b3 = 0, b4 = 0;
        return Split_IP_Address(address, b1, b2, b3, b4) ? Lang(x.IP) : QString();
    }
    if (type == 1)
        return Outside(address, 0, 254) ? Lang(x.Slave) : QString();
    return {};
}

bool Outside_Instance(const QString& cell)
{
    const qint64 instance = Cell_Int64(cell);
    return instance < 0 || instance > 4294967295LL;
}

// Cells from column 1: Enable, address, Object Type, Instance, Property, NByte, En Dest, D Net, D Len, D Add,
// Poll Time, Max Err, Position, Start Bit, Swap, Convertion, Mnemonic.
QString Check_Read_Row(int type, const QStringList& c)
{
    const TBACnetTexts& x = kRead;
    if (QString error = Check_Address(type, c.value(1), x); !error.isEmpty())
        return error;
    const int objectType = Check_Object_Type(c.value(2), BACnet_Read);
    if (objectType < 0)
        return Lang(x.Object_Type);
    if (Outside_Instance(c.value(3)))
        return Lang(x.Instance);
    if (Check_Property(c.value(4), BACnet_Read, objectType) < 0)
        return Lang(x.Property);
    if (Outside(c.value(5), 0, 255))
        return Lang(x.NByte);
    if (c.value(6).trimmed().toUpper() == QLatin1String("Y"))
        if (QString error = Check_Destination(c.value(7), c.value(8), c.value(9), x); !error.isEmpty())
            return error;
    if (Outside(c.value(10), 0, 100000000))
        return Lang(x.Poll);
    if (Outside(c.value(11), 0, 65535))
        return Lang(x.Max_Err);
    return {};
}

// Cells from column 1: Enable, address, Object Type, Data Type, Instance, Property, Priority, NByte, En Dest,
// D Net, D Len, D Add, Change, Timer, Poll Time, Max Err, Position, Start Bit, Swap, Convertion, Mnemonic.
QString Check_Write_Row(int type, const QStringList& c)
{
    const TBACnetTexts& x = kWrite;
    if (QString error = Check_Address(type, c.value(1), x); !error.isEmpty())
        return error;
    const int objectType = Check_Object_Type(c.value(2), BACnet_Write);
    if (objectType < 0)
        return Lang(x.Object_Type);
    if (Outside_Instance(c.value(4)))
        return Lang(x.Instance);
    const int property = Check_Property(c.value(5), BACnet_Write, objectType);
    if (property < 0)
        return Lang(x.Property);
    if (Check_Data_Type(c.value(3), objectType, property) < 0) {
        const QString expected = Aspected_Data_Type_Value(objectType, property);
        return expected.isEmpty() ? Lang(x.Data_Type) : Lang(x.Data_Type_Is) + expected;
    }
    if (Outside(c.value(6), 0, 16))
        return Lang(x.Priority);
    const int maxBytes = Check_Num_Byte_Max(c.value(3));
    if (Outside(c.value(7), 0, maxBytes))
        return Lang(x.NByte) + QString::number(maxBytes);
    if (c.value(8).trimmed().toUpper() == QLatin1String("Y"))
        if (QString error = Check_Destination(c.value(9), c.value(10), c.value(11), x); !error.isEmpty())
            return error;
    if (c.value(13).toUpper() == QLatin1String("Y") && Outside(c.value(14), 0, 100000000))
        return Lang(x.Poll);
    if (Outside(c.value(15), 0, 65535))
        return Lang(x.Max_Err);
    return {};
}

// The Convertion column is kept apart from the file: its cell is the one before Mnemonic.
constexpr int kReadConvertion = 15;
constexpr int kWriteConvertion = 19;

TTableEditor Make_Editor(int type)
{
    using E = TEditorType;
    const TColor object = 0xFEFAE0, destination = 0xFFD5D5, time = 0xA8FFA8, error = 0xA8FFFF, place = 0xF4D6FC,
                 flags = 0xB0D8FF;
    const QStringList lengths = {"1", "2", "6", "M1", "M2", "M3", "M4", "M5", "M6", "M7", "M8"};
    const QStringList positions = Number_Items(BACnet_Master_NByte);
    const QStringList bits = Number_Items(8);
    const bool slave = type == 1;
    // The four destination columns and the two data-area columns, headers in a row from `header`.
    const auto destinationColumns = [&](int header) -> std::vector<TTableEditorColumn> {
        return {{header, 0, E::edDataCheckBox, 50, destination},
                {header + 1, 0, E::edNormal, 45, destination},
                {header + 2, 0, E::edComboList, 45, destination, lengths},
                {header + 3, 0, E::edNormal, 60, destination}};
    };
    const auto placeColumns = [&](int header) -> std::vector<TTableEditorColumn> {
        return {{header, 0, E::edComboList, 56, place, positions}, {header + 1, 0, E::edComboList, 56, place, bits}};
    };
    const auto join = [](std::vector<TTableEditorColumn> columns,
                         std::initializer_list<std::vector<TTableEditorColumn>> more) {
        for (const auto& part : more)
            columns.insert(columns.end(), part.begin(), part.end());
        return columns;
    };

    TTableEditorGrid read;
    read.Capacity = BACnet_Master_Rows;
    read.Tab_Text = 2106;
    read.Row_Error = 2137;
    read.Columns = join({
        {2108, 0, E::edNormal, 32, clWhite},
        {2190, 0, E::edDataCheckBox, 45, flags},
        {slave ? 2110 : 2109, 0, E::edNormal, 90, object},
        {2111, 0, E::edComboEdit, 125, object,
         {"Accumulator", "Multi-State Input", "Multi-State Output", "Multi-State Value", "Analog Input",
          "Analog Output", "Analog Value", "Binary Input", "Binary Output", "Binary Value", "Integer Value",
          "Large Analog Value", "Positive Integer Value", "Life Safety Point", "Life Safety Zone"}},
        {2112, 0, E::edNormal, 56, object},
        {2113, 0, E::edComboEdit, 115, object,
         {"Present Value (85)", "Object Identifier (75)", "Units (117)", "Scale (187)", "PreScale (185)",
          "Polarity (84)", "Event State (36)", "Status Flags (111)", "Object Type (79)", "Number of States (74)"}},
        {2114, 0, E::edNormal, 45, object}},
        {destinationColumns(2162),
         {{2115, 0, E::edNormal, 58, time}, {2116, 0, E::edNormal, 50, error}},
         placeColumns(2117),
         {{2160, 0, E::edDataCheckBox, 38, flags},
          {2180, 0, E::edComboList, 115, flags, {"None", "Float to Int", "(Float to Int) * 10", "(Float to Int) * 100"}},
          {2119, 0, E::edNormal, 307, clWhite}}});
    read.Columns[15].Hidden = read.Columns[16].Hidden = true;

    TTableEditorGrid write;
    write.Capacity = BACnet_Master_Rows;
    write.Tab_Text = 2107;
    write.Row_Error = 2146;
    write.Columns = join({
        {2120, 0, E::edNormal, 32, clWhite},
        {2191, 0, E::edDataCheckBox, 45, flags},
        {slave ? 2122 : 2121, 0, E::edNormal, 90, object},
        {2123, 0, E::edComboEdit, 125, object,
         {"Multi-State Output", "Multi-State Value", "Analog Output", "Analog Value", "Binary Output", "Binary Value",
          "Integer Value", "Large Analog Value", "Positive Integer Value"}},
        {2124, 0, E::edComboList, 100, object,
         {"Null", "Boolean", "Unsigned Int", "Signed Int", "Real", "Double", "Octet String", "Character String",
          "Bit String", "Enumerated", "Date", "Time", "Object ID"}},
        {2125, 0, E::edNormal, 56, object},
        {2126, 0, E::edComboEdit, 100, object, {"Present Value (85)"}},
        {2127, 0, E::edNormal, 56, object},
        {2128, 0, E::edNormal, 45, object}},
        {destinationColumns(2166),
         {{2129, 0, E::edDataCheckBox, 55, time},
          {2130, 0, E::edDataCheckBox, 45, time},
          {2131, 0, E::edNormal, 58, time},
          {2132, 0, E::edNormal, 50, error}},
         placeColumns(2133),
         {{2161, 0, E::edDataCheckBox, 38, flags},
          {2181, 0, E::edComboList, 115, flags, {"None", "Int to Float", "(Int to Float) / 10", "(Int to Float) / 100"}},
          {2135, 0, E::edNormal, 66, clWhite}}});
    write.Columns[19].Hidden = write.Columns[20].Hidden = true;

    const bool addressed = type == 0 || type == 1;
    for (TTableEditorGrid* grid : {&read, &write}) {
        grid->Key_Column = addressed ? 2 : 3;
        grid->Columns[2].Hidden = !addressed;
    }

    TTableEditor e;
    e.Width = 1305;
    e.Height = 337;
    e.Caption = 2100;
    e.Bar_Buttons = 4;
    e.More_Buttons = {2159};
    e.Delete_Question = 2136;
    e.File = &File_BACnet_Master_Access;
    e.Schema = &BACnet_Master_Schema;
    e.Grids = {read, write};
    e.Enable_Column = true;
    e.Insert_Enable = true;
    e.Sections_Required = false;
    e.Check_Row = [type](const TTableEditor&, int grid, const QStringList& cells) {
        // Only a row whose Enable is exactly "Y" is checked.
        if (cells.value(0) != QLatin1String("Y"))
            return QString();
        return grid == BACnet_Read ? Check_Read_Row(type, cells) : Check_Write_Row(type, cells);
    };
    e.From_File = [](const TTableEditor&, int grid, QStringList& cells) {
        cells.insert(grid == BACnet_Read ? kReadConvertion : kWriteConvertion, QString());
    };
    e.To_File = [](const TTableEditor&, int grid, QStringList& cells) {
        cells.removeAt(grid == BACnet_Read ? kReadConvertion : kWriteConvertion);
    };
    return e;
}

} // namespace

const TTableEditor& BACnet_Master_Editor(int App_BACnet_Type)
{
    static const TTableEditor ip = Make_Editor(0), mstp = Make_Editor(1), other = Make_Editor(-1);
    return App_BACnet_Type == 0 ? ip : App_BACnet_Type == 1 ? mstp : other;
}

int Check_Object_Type(const QString& str, int read_write)
{
    const QString text = str.trimmed().toUpper();
    for (const TObjectType& t : kObjectTypes)
        if (text == QLatin1String(t.Name))
            return read_write == BACnet_Read || t.Write ? t.Code : -1;
    const int number = Cell_Int(text);
    return Proprietary_Type(number) ? number : -1;
}

int Check_Property(const QString& str, int read_write, int Obj_Type)
{
    const QString text = str.trimmed().toUpper();
    if (text == QLatin1String("PRESENT VALUE (85)"))
        return kPresentValue;
    if (read_write == BACnet_Read)
        for (const TReadProperty& p : kReadProperties)
            if (text == QLatin1String(p.Name))
                return !p.Fits || p.Fits(Obj_Type) ? p.Code : -1;
    const int number = Cell_Int(text);
    return number >= 512 && number <= 4184303 ? kProprietaryProperty : -1;
}

int Check_Data_Type(const QString& str, int Obj_Type, int Property_val)
{
    if (Property_val != kPresentValue)
        return 1000;
    if (Proprietary_Type(Obj_Type))
        return 1;
    const QString expected = Aspected_Data_Type_Value(Obj_Type, Property_val);
    return !expected.isEmpty() && str.trimmed().toUpper() == expected.toUpper() ? 1 : -1;
}

QString Aspected_Data_Type_Value(int Obj_Type, int Property_val)
{
    if (Property_val != kPresentValue)
        return {};
    if (In(Obj_Type, {3, 10, 11}))
        return QStringLiteral("Unsigned Int");
    if (In(Obj_Type, {5, 12}))
        return QStringLiteral("Real");
    if (In(Obj_Type, {7, 13}))
        return QStringLiteral("Enumerated");
    if (Obj_Type == 8)
        return QStringLiteral("Signed Int");
    if (Obj_Type == 9)
        return QStringLiteral("Double");
    return {};
}

int Check_Num_Byte_Max(const QString& str)
{
    const QString text = str.trimmed().toUpper();
    if (text == QLatin1String("NULL"))
        return 0;
    if (text == QLatin1String("BOOLEAN"))
        return 1;
    for (const char* four : {"UNSIGNED INT", "SIGNED INT", "REAL", "ENUMERATED", "DATE", "TIME", "OBJECT ID"})
        if (text == QLatin1String(four))
            return 4;
    if (text == QLatin1String("DOUBLE"))
        return 8;
    if (text == QLatin1String("BIT STRING"))
        return 120;
    return 255;
}

QString Check_Dest_Add(const QString& values, int NumByte, bool InRead)
{
    return Dest_Add_Text(values, NumByte, InRead ? kRead : kWrite);
}

QString Str_Hint_Read(const QStringList& cells, int ACol)
{
    const QString objectType = cells.value(2).trimmed();
    const QString property = cells.value(4).trimmed();
    if (ACol != 5 || objectType.isEmpty() || property.isEmpty())
        return {};
    const int t = Check_Object_Type(objectType, BACnet_Read);
    const int p = Check_Property(property, BACnet_Read, t);
    if (p >= 1 && p <= 49)
        return QString::number(p);
    if (p != kPresentValue)
        return {};
    if (In(t, {1, 2, 3, 4, 5, 8, 10}))
        return QStringLiteral("4");
    if (In(t, {6, 7}))
        return QStringLiteral("1");
    if (t == 9)
        return QStringLiteral("8");
    return {};
}

namespace {

// Where a table keeps a row's Position and NByte (cells from column 1).
struct TPlaceCells {
    int Position, NByte;
};
constexpr TPlaceCells kPlaceCells[] = {{12, 5}, {16, 7}};

// A table's first row to fill and its next free byte.
struct TFillPoint {
    int Row = -1;
    qint64 Next = 0;
};

TFillPoint Fill_Point(const TTableRows& rows, int key, const TPlaceCells& place)
{
    TFillPoint point;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const QStringList& cells = rows[static_cast<std::size_t>(r)];
        if (cells.value(key).trimmed().isEmpty()) {
            if (point.Row < 0)
                point.Row = r;
            continue;
        }
        // In 64 bits: hand-typed cells may reach the int range's end.
        const qint64 position = Cell_Int(cells.value(place.Position));
        const qint64 bytes = Cell_Int(cells.value(place.NByte));
        if (position >= 0 && bytes >= 0)
            point.Next = std::max(point.Next, position + bytes);
    }
    return point;
}

QStringList EDE_Row(int grid, const TBACnet_Var& v, const QString& address, qint64 position)
{
    const QString type = Get_ObjType_EDE(v.object_type);
    const QString instance = QString::number(v.object_instance);
    const QString property = QStringLiteral("Present Value (85)");
    const QString bytes = QString::number(Get_NumByte_EDE(v.object_type));
    const QString mnemonic = v.object_name + QStringLiteral(" - ") + v.description;
    const QString at = QString::number(position);
    if (grid == BACnet_Read)
        return {"Y", address, type, instance, property, bytes, "N", "", "", "", "1000", "0", at, "0", "N", "", mnemonic};
    return {"Y", address, type, Get_DataType_EDE(v.object_type), instance, property, "0", bytes, "N", "", "", "",
            "N", "N", "1000", "0", at, "0", "N", "", mnemonic};
}

} // namespace

TEDE_Left_Out Fill_EDE_Rows(const TTableEditor& editor, std::vector<TTableRows>& tables,
                            const std::vector<TBACnet_Var>& objects, const QString& address)
{
    TFillPoint points[2];
    for (int g : {BACnet_Read, BACnet_Write})
        points[g] = Fill_Point(tables[static_cast<std::size_t>(g)], editor.Grids[static_cast<std::size_t>(g)].Key_Column - 1,
                               kPlaceCells[g]);
    TEDE_Left_Out left;
    int* const leftOut[] = {&left.Read, &left.Write};
    for (const TBACnet_Var& v : objects) {
        if (!v.import)
            continue;
        for (int g : {BACnet_Read, BACnet_Write}) {
            if (!(g == BACnet_Read ? v.read : v.write))
                continue;
            TTableRows& rows = tables[static_cast<std::size_t>(g)];
            TFillPoint& point = points[g];
            if (point.Row < 0 || point.Row >= static_cast<int>(rows.size())) {
                ++*leftOut[g];
                continue;
            }
            rows[static_cast<std::size_t>(point.Row++)] = EDE_Row(g, v, address, point.Next);
            point.Next += Get_NumByte_EDE(v.object_type);
        }
    }
    return left;
}

QString EDE_Left_Out_Message(const TEDE_Left_Out& left, int tableRows)
{
    return QStringLiteral("The tables end at row %1: %2 objects chosen for reading and %3 chosen for writing found "
                          "no free row and were not imported.")
        .arg(tableRows)
        .arg(left.Read)
        .arg(left.Write);
}
