#include "tables/fieldbus/DNetTable.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/tables/TableSchemas.h"
#include "tables/fieldbus/FrameBytes.h"

namespace {

enum Cell { cID, cNB_IN, cNB_OUT };

QString Check_Row(const TTableEditor&, int, const QStringList& cells)
{
    if (!Cell_In(cells.value(cID), 0, 63))
        return Lang(3024);
    if (!Cell_In(cells.value(cNB_IN), 0, 65535))
        return Lang(3025);
    if (!Cell_In(cells.value(cNB_OUT), 0, 65535))
        return Lang(3026);
    return {};
}

TTableEditor Make_Editor()
{
    using E = TEditorType;
    // No fallback: the offset definition relies on every slave carrying all four attributes.
    const TReadMode required = TReadMode::rmRequired;
    TTableEditorGrid grid;
    grid.Capacity = DNet_Rows;
    grid.Key_Column = 1;
    grid.Key_As_Stored = true;
    grid.Columns = {
        {3014, 0, E::edNormal, 45, clWhite},
        {3015, 3019, E::edNormal, 100, 0xCEFFCE, {}, false, required},
        {3016, 3020, E::edNormal, 100, 0xD5FFFF, {}, false, required},
        {3017, 3021, E::edNormal, 100, 0xD5FFFF, {}, false, required},
        {3018, 3022, E::edNormal, 375, clWindow, {}, false, required},
    };
    TTableEditor e = Fieldbus_Editor(745, 3000, 3023, 3027, &File_DNETM_Net, &DNETM_Net_Schema, grid);
    e.Check_Row = Check_Row;
    return e;
}

} // namespace

const TTableEditor& DNet_Editor()
{
    static const TTableEditor editor = Make_Editor();
    return editor;
}
