#include "tables/fieldbus/SDOServerTable.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/tables/TableSchemas.h"
#include "tables/fieldbus/PDOTable.h"
#include "tables/fieldbus/SDOClientTable.h"

namespace {

enum Cell { cIndex, cAddB1 = cIndex + 3 };

// Each table's texts run in rule order from its first: Index, SubIndex, N Byte, Address Byte1 to Byte4.
constexpr int kFirstText[] = {2951, 2958};

// The same index and sub-index may stand in several rows: the EDS writer describes the first.
QString Check_Row(const TTableEditor& editor, int grid, const QStringList& cells)
{
    const int text = kFirstText[grid];
    int nByte = 0;
    const QString object = Check_SDO_Object(cells, cIndex, 0x2000, 0x5FFF, text, nByte);
    if (!object.isEmpty())
        return object;
    return Check_Positions(editor, cells, cAddB1, nByte, [text](int n) { return text + 2 + n; });
}

TTableEditorGrid SDO_Grid(int header, int hint, int tab)
{
    using E = TEditorType;
    constexpr TColor Object = 0xFEFAE0;
    TTableEditorGrid grid;
    grid.Capacity = SDO_Server_Rows;
    grid.Key_Column = 1;
    grid.Tab_Text = tab;
    grid.Columns = {
        {header, 0, E::edNormal, 40, clWhite},
        {header + 1, hint, E::edNormal, 65, Object},
        {header + 2, hint + 1, E::edNormal, 61, Object},
        {header + 3, hint + 2, E::edNormal, 55, Object},
    };
    for (int n = 1; n <= 4; ++n)
        grid.Columns.push_back({header + 3 + n, hint + 2 + n, E::edNormal, 80, 0xF4D6FC});
    grid.Columns.push_back({header + 8, hint + 7, E::edNormal, 170, clWhite});
    Read_Unguarded(grid);
    return grid;
}

TTableEditor Make_Editor()
{
    TTableEditor e;
    e.Width = 749;
    e.Height = 337;
    e.Caption = 2900;
    e.Button_Hints = {2908, 2909, 2910, 2911, 2912, 2913};
    e.Row_Error = 2950;
    e.Delete_Question = 2965;
    e.File = &File_SDO_Server_CANopen;
    e.Schema = &SDO_Server_CANopen_Schema;
    e.Grids = {SDO_Grid(2916, 2934, 2914), SDO_Grid(2925, 2942, 2915)};
    e.Data_Area = CANopen_NByte;
    e.Check_Row = Check_Row;
    return e;
}

} // namespace

const TTableEditor& SDO_Server_Editor()
{
    static const TTableEditor editor = Make_Editor();
    return editor;
}
