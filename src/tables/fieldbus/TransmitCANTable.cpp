#include "tables/fieldbus/TransmitCANTable.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/tables/TableSchemas.h"
#include "tables/fieldbus/ReceiveCANTable.h"

namespace {

enum Cell { cEnable, cCobID, cType, cDim, cOnChange, cOnCMD, cOnTimer, cTime, cByte1 };

// The period a file row without Time gets when it is sent on the timer.
const QString Send_Time = QStringLiteral("0");

// Byte n's text: 2652 for the first, then 2654 onwards (2653 is " or None").
int Byte_Text(int n)
{
    return n == 1 ? 2652 : 2652 + n;
}

QString Check_Row(const TTableEditor& editor, int, const QStringList& cells)
{
    const int maxCobId = CAN_Max_CobID(cells.value(cType));
    const int cobId = Cell_Int(cells.value(cCobID));
    if (cobId < 0 || cobId > maxCobId)
        return Lang(maxCobId == CAN_Max_11_Bits ? 2648 : 2649);
    const int dim = Cell_Int(cells.value(cDim));
    if (dim < 1 || dim > 8)
        return Lang(2650);
    if (cells.value(cOnTimer).trimmed().toUpper() == QLatin1String("Y")) {
        const int time = Cell_Int(cells.value(cTime));
        if (time < 0 || time > 100000000)
            return Lang(2651);
    }
    return Check_Positions(editor, cells, cByte1, dim, Byte_Text, 2653);
}

void Load_Row(int, const TTableRow_Read& read, QStringList& cells)
{
    if (!read[cTime] && cells[cOnTimer] == QLatin1String("Y"))
        cells[cTime] = Send_Time;
}

TTableEditor Make_Editor()
{
    using E = TEditorType;
    constexpr TColor Send = 0xA8FFA8;
    TTableEditorGrid grid;
    grid.Capacity = CAN_Transmit_Rows;
    grid.Key_Column = 2;
    grid.Columns = {
        {2608, 0, E::edNormal, 40, clWhite},
        {2609, 2631, E::edDataCheckBox, 50, 0xB0D8FF},
        {2610, 2632, E::edNormal, 90, 0xFEFAE0},
        {2611, 2633, E::edComboList, 90, 0xFEFAE0, CAN_Types},
        {2612, 2634, E::edNormal, 70, 0xFEFAE0},
        {2613, 2635, E::edDataCheckBox, 65, Send},
        {2662, 2663, E::edDataCheckBox, 50, Send},
        {2614, 2636, E::edDataCheckBox, 55, Send},
        {2615, 2637, E::edNormal, 70, Send},
    };
    for (int n = 1; n <= 8; ++n)
        grid.Columns.push_back({2615 + n, 2637 + n, E::edComboList, 48, 0xF4D6FC, {}, true});
    grid.Columns.push_back({2624, 2646, E::edNormal, 110, clWhite});

    TTableEditor e;
    e.Width = 1100;
    e.Height = 337;
    e.Caption = 2600;
    e.Button_Hints = {2625, 2626, 2627, 2628, 2629, 2630};
    e.Row_Error = 2647;
    e.Delete_Question = 2661;
    e.File = &File_CAN_Send_Frames;
    e.Schema = &CAN_Send_Frames_Schema;
    e.Grids = {grid};
    e.Enable_Column = true;
    e.Insert_Enable = true;
    e.Data_Area = CAN_MAX_Byte;
    e.Load_Row = Load_Row;
    e.Check_Row = Check_Row;
    return e;
}

} // namespace

const TTableEditor& TransmitCAN_Editor()
{
    static const TTableEditor editor = Make_Editor();
    return editor;
}
