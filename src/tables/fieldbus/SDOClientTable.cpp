#include "tables/fieldbus/SDOClientTable.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/tables/TableSchemas.h"
#include "tables/fieldbus/PDOTable.h"

namespace {

enum Cell { cDevice, cIndex, cPollTime = cIndex + 3, cOnChange };
enum Grid { gRead, gWrite };

// Each table's texts run in rule order from its first: Device ID, Index, SubIndex, N Byte, Poll Time, Address
// Byte1 to Byte4.
constexpr int kFirstText[] = {2861, 2870};

QString Check_Row(const TTableEditor& editor, int grid, const QStringList& cells)
{
    const int text = kFirstText[grid];
    const int device = Cell_Int(cells.value(cDevice));
    if (device < 1 || device > 127)
        return Lang(text);
    int nByte = 0;
    const QString object = Check_SDO_Object(cells, cIndex, 0x1000, 0xFFFF, text + 1, nByte);
    if (!object.isEmpty())
        return object;
    // A write request may go without polling: it is sent on change.
    const int pollTime = Cell_Int(cells.value(cPollTime));
    if (pollTime < (grid == gRead ? 1 : 0) || pollTime > 100000000)
        return Lang(text + 4);
    const int firstPosition = grid == gRead ? cPollTime + 1 : cOnChange + 1;
    return Check_Positions(editor, cells, firstPosition, nByte, [text](int n) { return text + 4 + n; });
}

TTableEditorGrid SDO_Grid(int header, int hint, int tab, bool write)
{
    using E = TEditorType;
    constexpr TColor Object = 0xFEFAE0;
    constexpr TColor Poll = 0xA8FFA8;
    TTableEditorGrid grid;
    grid.Capacity = SDO_Client_Rows;
    grid.Key_Column = 1;
    grid.Tab_Text = tab;
    grid.Columns = {
        {header, 0, E::edNormal, 40, clWhite},
        {header + 1, hint, E::edNormal, 60, Object},
        {header + 2, hint + 1, E::edNormal, 55, Object},
        {header + 3, hint + 2, E::edNormal, 60, Object},
        {header + 4, hint + 3, E::edNormal, 45, Object},
        {header + 5, hint + 4, E::edNormal, 60, Poll},
    };
    if (write)
        grid.Columns.push_back({header + 6, hint + 5, E::edDataCheckBox, 68, Poll});
    for (int n = 1; n <= 4; ++n) {
        const int c = static_cast<int>(grid.Columns.size());
        grid.Columns.push_back({header + c, hint + c - 1, E::edNormal, 70, 0xF4D6FC});
    }
    const int c = static_cast<int>(grid.Columns.size());
    grid.Columns.push_back({header + c, hint + c - 1, E::edNormal, write ? 95 : 163, clWhite});
    Read_Unguarded(grid);
    return grid;
}

TTableEditor Make_Editor()
{
    TTableEditor e;
    e.Width = 798;
    e.Height = 337;
    e.Caption = 2800;
    e.Button_Hints = {2808, 2809, 2810, 2811, 2812, 2813};
    e.Row_Error = 2860;
    e.Delete_Question = 2879;
    e.File = &File_SDO_Client_CANopen;
    e.Schema = &SDO_Client_CANopen_Schema;
    e.Grids = {SDO_Grid(2816, 2839, 2814, false), SDO_Grid(2827, 2849, 2815, true)};
    e.Data_Area = CANopen_NByte;
    e.Check_Row = Check_Row;
    return e;
}

} // namespace

QString Check_SDO_Object(const QStringList& cells, int first, int minIndex, int maxIndex, int text, int& nByte)
{
    const int index = Cell_Int(cells.value(first));
    if (index < minIndex || index > maxIndex)
        return Lang(text);
    const int subIndex = Cell_Int(cells.value(first + 1));
    if (subIndex < 0 || subIndex > 0xFF)
        return Lang(text + 1);
    nByte = Cell_Int(cells.value(first + 2));
    if (nByte != 1 && nByte != 2 && nByte != 4)
        return Lang(text + 2);
    return {};
}

const TTableEditor& SDO_Client_Editor()
{
    static const TTableEditor editor = Make_Editor();
    return editor;
}
