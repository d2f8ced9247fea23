#include "tables/fieldbus/ReceiveCANTable.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/tables/TableSchemas.h"

namespace {

enum Cell { cEnable, cCobID, cType, cDim, cTimeOut, cByte1 };

// Byte n's text: 2549 for the first, then 2551 onwards (2550 is " or None").
int Byte_Text(int n)
{
    return n == 1 ? 2549 : 2549 + n;
}

QString Check_Row(const TTableEditor& editor, int, const QStringList& cells)
{
    const int maxCobId = CAN_Max_CobID(cells.value(cType));
    const int cobId = Cell_Int(cells.value(cCobID));
    if (cobId < 0 || cobId > maxCobId)
        return Lang(maxCobId == CAN_Max_11_Bits ? 2545 : 2546);
    const int dim = Cell_Int(cells.value(cDim));
    if (dim < 1 || dim > 8)
        return Lang(2547);
    const int timeOut = Cell_Int(cells.value(cTimeOut));
    if (timeOut < 0 || timeOut > 100000000)
        return Lang(2548);
    return Check_Positions(editor, cells, cByte1, dim, Byte_Text, 2550);
}

TTableEditor Make_Editor()
{
    using E = TEditorType;
    TTableEditorGrid grid;
    grid.Capacity = CAN_Receive_Rows;
    grid.Key_Column = 2;
    grid.Columns = {
        {2508, 0, E::edNormal, 40, clWhite},
        {2509, 2529, E::edDataCheckBox, 50, 0xB0D8FF},
        {2510, 2530, E::edNormal, 90, 0xFEFAE0},
        {2511, 2531, E::edComboList, 90, 0xFEFAE0, CAN_Types},
        {2512, 2532, E::edNormal, 70, 0xFEFAE0},
        {2513, 2534, E::edNormal, 75, 0xA8FFA8},
    };
    for (int n = 1; n <= 8; ++n)
        grid.Columns.push_back({2513 + n, 2534 + n, E::edComboList, 48, 0xF4D6FC, {}, true});
    grid.Columns.push_back({2522, 2543, E::edNormal, 185, clWhite});

    TTableEditor e;
    e.Width = 1010;
    e.Height = 337;
    e.Caption = 2500;
    e.Button_Hints = {2523, 2524, 2525, 2526, 2527, 2528};
    e.Row_Error = 2544;
    e.Delete_Question = 2558;
    e.File = &File_CAN_Rec_Frames;
    e.Schema = &CAN_Rec_Frames_Schema;
    e.Grids = {grid};
    e.Enable_Column = true;
    e.Insert_Enable = true;
    e.Data_Area = CAN_MAX_Byte;
    e.Check_Row = Check_Row;
    return e;
}

} // namespace

int CAN_Max_CobID(const QString& type)
{
    return type.trimmed() == CAN_Types.front() ? CAN_Max_11_Bits : 0x1FFFFFFF;
}

const TTableEditor& ReceiveCAN_Editor()
{
    static const TTableEditor editor = Make_Editor();
    return editor;
}
