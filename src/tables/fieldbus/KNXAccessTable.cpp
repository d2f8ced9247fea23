#include "tables/fieldbus/KNXAccessTable.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/tables/TableSchemas.h"

namespace {

enum Cell {
    cEnable, cSource, cDest, cAPCI, cPriority, cFormat, cExtended, cReTest, cOnCommand, cOnChange, cOnTimer,
    cPollTime, cPosition, cBitMode, cLength, cMnemonic
};

const QStringList kPriorities = {"System", "Urgent", "Normal", "Low"};

bool Is_Y(const QString& cell)
{
    return cell.toUpper() == QLatin1String("Y");
}

QString Check_Row(const TTableEditor&, int, const QStringList& cells)
{
    if (Check_KNX_Address(cells[cSource].trimmed(), false, true) != 0)
        return Lang(3449);
    const QString dest = cells[cDest].trimmed();
    if (Has_No_Dot(dest)) {
        if (Check_KNX_Address(dest, true, true) != 0)
            return Lang(3451);
    } else if (Check_KNX_Address(dest, false, true) != 0) {
        return Lang(3450);
    }
    const QString apci = cells[cAPCI].toUpper();
    if (apci != QLatin1String("READ") && apci != QLatin1String("WRITE")) {
        const int value = Cell_Int(cells[cAPCI]);
        if (value < 0 || value > 1023)
            return Lang(3452);
    }
    if (!kPriorities.contains(cells[cPriority]))
        return Lang(3453);
    if (cells[cFormat].trimmed().isEmpty())
        return Lang(3454);
    if (Is_Y(cells[cOnTimer])) {
        const int poll = Cell_Int(cells[cPollTime]);
        if (poll < 1 || poll > 100000000)
            return Lang(3455);
    }
    const int position = Cell_Int(cells[cPosition]);
    if (position < 0 || position > KNX_Max_Num_Byte - 1)
        return Lang(3456) + QString::number(KNX_Max_Num_Byte - 1);
    const bool bitMode = cells[cBitMode].toUpper() != QLatin1String("NO");
    const int startBit = bitMode ? Cell_Int(cells[cBitMode]) : 0;
    if (startBit < 0 || startBit > 7)
        return Lang(3457);
    // In bit mode Length counts bits, in byte mode bytes.
    const bool extended = Is_Y(cells[cExtended]);
    const int longest = bitMode ? (extended ? 2040 : 112) : (extended ? 255 : 14);
    const int length = Cell_Int(cells[cLength]);
    if (length < 1 || length > longest)
        return Lang(3458) + QString::number(longest);
    const int bytes = bitMode ? (startBit + length + 7) / 8 : length;
    if (position + bytes > KNX_Max_Num_Byte)
        return Lang(3459) + QString::number(KNX_Max_Num_Byte);
    return {};
}

// A priority the table does not offer reads as Normal.
void Load_Row(int, const TTableRow_Read&, QStringList& cells)
{
    if (!kPriorities.contains(cells[cPriority]))
        cells[cPriority] = QStringLiteral("Normal");
}

TTableEditor Make_Editor()
{
    using E = TEditorType;
    constexpr TReadMode Required = TReadMode::rmRequired;
    QStringList bitModes = {"No"};
    for (int bit = 0; bit < 8; ++bit)
        bitModes << QString::number(bit);
    TTableEditorGrid grid;
    grid.Capacity = KNX_Rows;
    grid.Key_Column = 2;
    grid.Columns = {
        {3414, 0, E::edNormal, 40, clWindow},
        {3415, 3431, E::edDataCheckBox, 50, 0xB0D8FF},
        {3416, 3432, E::edNormal, 70, 0xFEFAE0, {}, false, Required},
        {3417, 3433, E::edNormal, 80, 0xFEFAE0, {}, false, Required},
        {3418, 3434, E::edComboEdit, 60, 0xFEFAE0, {"Read", "Write"}, false, Required},
        {3419, 3435, E::edComboList, 75, 0xFEFAE0, kPriorities},
        {3420, 3436, E::edComboList, 110, 0xA8FFFF,
         {"None", "Swap16", "Swap32", "Swap All", "Int to Float", "Float to Int", "Float16 to Float32",
          "Float16 to Int", "Float16 to Int * 10", "Float16 to Int * 100"}},
        {3421, 3437, E::edDataCheckBox, 68, 0xA8FFFF, {}, false, Required},
        {3422, 3438, E::edDataCheckBox, 50, 0xA8FFFF, {}, false, Required},
        {3423, 3440, E::edDataCheckBox, 52, 0xA8FFA8},
        {3424, 3441, E::edDataCheckBox, 71, 0xA8FFA8, {}, false, Required},
        {3425, 3442, E::edDataCheckBox, 62, 0xA8FFA8},
        {3426, 3443, E::edNormal, 67, 0xA8FFA8, {}, false, Required},
        {3427, 3444, E::edComboList, 55, 0xF4D6FC, Position_Items(KNX_Max_Num_Byte).mid(1), false, Required},
        {3428, 3445, E::edComboList, 55, 0xF4D6FC, bitModes, false, Required},
        {3429, 3446, E::edNormal, 55, 0xF4D6FC, {}, false, Required},
        {3430, 3447, E::edNormal, 96, clWindow, {}, false, Required},
    };

    TTableEditor e;
    e.Width = 1141;
    e.Height = 337;
    e.Caption = 3400;
    e.Button_Hints = {3408, 3409, 3410, 3411, 3412, 3413};
    e.Row_Error = 3448;
    e.Delete_Question = 3460;
    e.File = &File_KNX_SetAccess;
    e.Schema = &KNX_SetAccess_Schema;
    e.Grids = {grid};
    e.Enable_Column = true;
    e.Insert_Enable = true;
    e.Data_Area = KNX_Max_Num_Byte;
    e.Load_Row = Load_Row;
    e.Check_Row = Check_Row;
    return e;
}

} // namespace

const TTableEditor& KNXAccess_Editor()
{
    static const TTableEditor editor = Make_Editor();
    return editor;
}
