#pragma once
// What the table windows do alike with their grids: the column grid's shape and column definitions,
// the reset, fill and read-back of the table rows, and the cell clicks bound to the window's handlers.
#include "grid/foundation/GridTypes.h"
#include "platform/Types.h"
#include "tables/TableFile.h"

#include <functional>
#include <vector>

class TSbButton;
class TVxColumnGrid;
class TVxStringGrid;

// The six buttons of a table window's bar. The windows take them as their own members.
struct TTableButtons {
    TSbButton* Btn_OK = nullptr;
    TSbButton* Btn_Cancel = nullptr;
    TSbButton* Btn_DelRow = nullptr;
    TSbButton* Btn_InsRow = nullptr;
    TSbButton* Btn_CopyRow = nullptr;
    TSbButton* Btn_PasteRow = nullptr;
};

// A column definition of a table: editor kind, list items, width and tint. Headers come from Set_Lang.
struct TTableColumn {
    TEditorType Editor;
    QStringList Items;
    int Width;
    TColor Tint;
};

// One fixed column (the row number) and the header row; lines between all cells, range selection,
// column sizing and editing; one definition per entry of `columns`, column 0 first.
void Shape_Table_Grid(TVxColumnGrid& Grid, const std::vector<TTableColumn>& columns);

// Table rows 1 to `rows`: column 0 the row number, column 1 `first`, every other real column empty.
void Reset_Table_Rows(TVxStringGrid& Grid, int rows, const QString& first = QString());
// Puts each loaded row into the table from row 1, its cells from real column 1 on.
void Fill_Table_Rows(TVxStringGrid& Grid, const TTableRows& rows);
// The cells of real columns 1 to the last of table rows 1 to `rows`.
TTableRows Table_Rows(TVxStringGrid& Grid, int rows);

// A click (row, display column) and a double click on a cell reach the window's handlers.
using TCellClick = std::function<void(int ARow, int ACol)>;
void Bind_Cell_Clicks(TVxStringGrid& Grid, TCellClick Click, TCellClick DblClick);
// A click in column 0 selects the whole table row.
void Select_Row_On_Number(TVxStringGrid& Grid, int ARow, int ACol);
