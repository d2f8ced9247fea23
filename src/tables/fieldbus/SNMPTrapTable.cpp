#include "tables/fieldbus/SNMPTrapTable.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/tables/TableSchemas.h"

#include <algorithm>

namespace {

enum Grid { gRead, gWrite };
enum ReadCell { rEnable, rCommunity, rType, rOnChange, rOnCommand, rOnTimer, rTime, rPosition, rBit, rNumBits,
                rDescription, rIP, rConversion, rMnemonic };
enum WriteCell { wEnable, wCommunity, wType, wPosition, wBit, wNumBits, wDescription, wConversion, wMnemonic };

// The texts of the rules both tables share, read table first.
struct TTrapTexts {
    int Community, Type, Position, Bit, String_Bit, Bits, Bytes, Description, Conversion;
};
constexpr TTrapTexts kReadTexts = {4076, 4061, 4063, 4064, 4065, 4066, 4067, 4077, 4085};
constexpr TTrapTexts kWriteTexts = {4078, 4069, 4070, 4071, 4072, 4073, 4074, 4079, 4086};

bool Is_Letter_Or_Digit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool Is_IP_Address(const QString& text)
{
    QString ip1, ip2, ip3, ip4;
    return Parse_IP_Address(text, ip1, ip2, ip3, ip4);
}

QString Check_Row(const TTableEditor&, int grid, const QStringList& cells)
{
    const bool read = grid == gRead;
    const TTrapTexts& t = read ? kReadTexts : kWriteTexts;
    const auto cell = [&](int readCell, int writeCell) { return cells[read ? readCell : writeCell]; };
    if (Check_Error_CommName_Desc(cell(rCommunity, wCommunity), 0))
        return Lang(t.Community);
    const QString type = cell(rType, wType);
    if (type.trimmed().isEmpty())
        return Lang(t.Type);
    if (read && cells[rOnTimer].toUpper() == QLatin1String("Y")) {
        const int time = Cell_Int(cells[rTime]);
        if (time < 1 || time > 1000000000)
            return Lang(4062);
    }
    if (cell(rPosition, wPosition).trimmed().isEmpty())
        return Lang(t.Position);
    const QString bit = cell(rBit, wBit).trimmed();
    if (bit.isEmpty())
        return Lang(t.Bit);
    const bool isInt = type.toUpper() == QLatin1String("INT");
    if (!isInt && bit != QLatin1String("0"))
        return Lang(t.String_Bit);
    const int size = Cell_Int(cell(rNumBits, wNumBits));
    if (size < 1 || size > (isInt ? 64 : 16))
        return Lang(isInt ? t.Bits : t.Bytes);
    if (Check_Error_CommName_Desc(cell(rDescription, wDescription), 1))
        return Lang(t.Description);
    if (read && !Is_IP_Address(cells[rIP]))
        return Lang(4068);
    if (cell(rConversion, wConversion).trimmed().isEmpty())
        return Lang(t.Conversion);
    return {};
}

// The descriptions of the enabled objects, read ones first, all differ: they name the MIB's objects.
QString Check_Tables(const TTableEditor&, const std::vector<TTableRows>& tables)
{
    QStringList descriptions;
    const int columns[] = {rDescription, wDescription};
    for (std::size_t g = 0; g < tables.size(); ++g)
        for (const QStringList& cells : tables[g])
            if (cells[0].toUpper() == QLatin1String("Y"))
                descriptions << cells[columns[g]];
    for (qsizetype a = 0; a < descriptions.size(); ++a)
        if (descriptions.indexOf(descriptions[a], a + 1) >= 0)
            return Lang(4080);
    return {};
}

TTableEditor Make_Editor()
{
    using E = TEditorType;
    const QStringList positions = Number_Items(SNMP_Trap_Data_Area);
    const QStringList bits = Number_Items(8);
    const QStringList communities = {"Tarvek", "Moltrin"};
    const QStringList types = {"Int", "String"};
    const QStringList conversions = {"None", "Float", "Float * 10", "Float * 100", "Float / 10", "Float / 100"};
    TTableEditorColumn community{4018, 4040, E::edComboEdit, 130, 0xFEFAE0, communities};
    community.Edit_Length = 15;
    TTableEditorColumn description{4027, 4049, E::edNormal, 130, 0xFFD5D5};
    description.Edit_Length = 15;

    TTableEditorGrid readGrid;
    readGrid.Capacity = SNMP_Trap_Rows;
    readGrid.Key_Column = 2;
    readGrid.Tab_Text = 4008;
    readGrid.Columns = {
        {4016, 0, E::edNormal, 40, clWindow},
        {4017, 4039, E::edDataCheckBox, 50, 0xB0D8FF},
        community,
        {4019, 4041, E::edComboList, 60, 0xFEFAE0, types},
        {4020, 4042, E::edDataCheckBox, 75, 0xA8FFA8},
        {4021, 4043, E::edDataCheckBox, 50, 0xA8FFA8},
        {4022, 4044, E::edDataCheckBox, 60, 0xA8FFA8},
        {4023, 4045, E::edNormal, 65, 0xA8FFA8},
        {4024, 4046, E::edComboList, 60, 0xF4D6FC, positions},
        {4025, 4047, E::edComboList, 60, 0xF4D6FC, bits},
        {4026, 4048, E::edNormal, 95, 0xA8FFFF},
        description,
        {4028, 4050, E::edNormal, 120, 0xE4E4C9},
        {4081, 4083, E::edComboList, 100, 0xB0D8FF, conversions},
        {4029, 4051, E::edNormal, 130, clWhite},
    };

    community.Header = 4032;
    community.Hint = 4053;
    description.Header = 4037;
    description.Hint = 4058;
    TTableEditorGrid writeGrid;
    writeGrid.Capacity = SNMP_Trap_Rows;
    writeGrid.Key_Column = 2;
    writeGrid.Tab_Text = 4009;
    writeGrid.Columns = {
        {4030, 0, E::edNormal, 40, clWindow},
        {4031, 4052, E::edDataCheckBox, 50, 0xB0D8FF},
        community,
        {4033, 4054, E::edComboList, 60, 0xFEFAE0, types},
        {4034, 4055, E::edComboList, 60, 0xF4D6FC, positions},
        {4035, 4056, E::edComboList, 60, 0xF4D6FC, bits},
        {4036, 4057, E::edNormal, 95, 0xA8FFFF},
        description,
        {4082, 4084, E::edComboList, 100, 0xB0D8FF, conversions},
        {4038, 4059, E::edNormal, 500, clWhite},
    };

    TTableEditor e;
    e.Width = 1256;
    e.Height = 337;
    e.Caption = 4000;
    e.Button_Hints = {4010, 4011, 4012, 4013, 4014, 4015};
    e.Row_Error = 4060;
    e.Delete_Question = 4075;
    e.File = &File_SNMP_Trap;
    e.Schema = &SNMP_Trap_Schema;
    e.Grids = {readGrid, writeGrid};
    e.Enable_Column = true;
    e.Insert_Enable = true;
    e.Data_Area = SNMP_Trap_Data_Area;
    e.Check_Row = Check_Row;
    e.Check_Tables = Check_Tables;
    return e;
}

} // namespace

const TTableEditor& SNMPTrap_Editor()
{
    static const TTableEditor editor = Make_Editor();
    return editor;
}

bool Check_Error_CommName_Desc(const QString& text, int checkType)
{
    if (!std::all_of(text.begin(), text.end(), Is_Letter_Or_Digit))
        return true;
    return checkType == 1 && !text.isEmpty() && !(text[0] >= u'a' && text[0] <= u'z');
}
