#include "tables/fieldbus/PDOTable.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/tables/TableSchemas.h"

namespace {

enum Cell { cCobID, cDim, cAddB1, cTime = cAddB1 + 8 };
enum Grid { gReceive, gTransmit };

// Grid 0 (receive) and 1 (transmit): the texts of COB-ID, Dimension, Add B1 (B2 ... B8 follow) and the time.
struct TPDOTexts {
    int CobID, Dim, AddB1, Time;
    int Max_Time;
};
constexpr TPDOTexts kTexts[] = {{2769, 2770, 2771, 2779, 65535}, {2780, 2781, 2782, 2790, 100000000}};

QString Check_Row(const TTableEditor& editor, int grid, const QStringList& cells)
{
    const TPDOTexts& t = kTexts[grid];
    const int cobId = Cell_Int(cells.value(cCobID));
    if (cobId < 0 || cobId > 0x7FF)
        return Lang(t.CobID);
    const int dim = Cell_Int(cells.value(cDim));
    if (dim < 1 || dim > 8)
        return Lang(t.Dim);
    const QString positions = Check_Positions(editor, cells, cAddB1, dim, [&t](int n) { return t.AddB1 + n - 1; });
    if (!positions.isEmpty())
        return positions;
    const int time = Cell_Int(cells.value(cTime));
    if (time < 0 || time > t.Max_Time)
        return Lang(t.Time);
    return {};
}

TTableEditorGrid PDO_Grid(int header, int hint, int tab)
{
    using E = TEditorType;
    constexpr TColor Frame = 0xFEFAE0;
    constexpr TColor Time = 0xA8FFA8;
    TTableEditorGrid grid;
    grid.Capacity = PDO_Rows;
    grid.Key_Column = 1;
    grid.Tab_Text = tab;
    grid.Columns = {
        {header, 0, E::edNormal, 40, clWhite},
        {header + 1, hint, E::edNormal, 65, Frame},
        {header + 2, hint + 1, E::edNormal, 65, Frame},
    };
    for (int n = 1; n <= 8; ++n)
        grid.Columns.push_back({header + 2 + n, hint + 1 + n, E::edNormal, 45, 0xF4D6FC});
    grid.Columns.push_back({header + 11, hint + 10, E::edNormal, 65, Time});
    return grid;
}

TTableEditor Make_Editor()
{
    TTableEditorGrid receive = PDO_Grid(2716, 2743, 2714);
    receive.Columns.push_back({2728, 2754, TEditorType::edNormal, 173, clWhite});
    TTableEditorGrid transmit = PDO_Grid(2729, 2755, 2715);
    transmit.Columns.push_back({2741, 2766, TEditorType::edDataCheckBox, 68, 0xA8FFA8});
    transmit.Columns.push_back({2742, 2767, TEditorType::edNormal, 105, clWhite});
    Read_Unguarded(receive);
    Read_Unguarded(transmit);

    TTableEditor e;
    e.Width = 798;
    e.Height = 337;
    e.Caption = 2700;
    e.Button_Hints = {2708, 2709, 2710, 2711, 2712, 2713};
    e.Row_Error = 2768;
    e.Delete_Question = 2791;
    e.File = &File_PDO_CANopen;
    e.Schema = &PDO_CANopen_Schema;
    e.Grids = {receive, transmit};
    e.Data_Area = CANopen_NByte;
    e.Check_Row = Check_Row;
    return e;
}

} // namespace

void Read_Unguarded(TTableEditorGrid& grid)
{
    for (TTableEditorColumn& column : grid.Columns)
        column.Read = TReadMode::rmRequired;
}

const TTableEditor& PDO_Editor()
{
    static const TTableEditor editor = Make_Editor();
    return editor;
}
