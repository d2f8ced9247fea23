#pragma once
// A table editor as data: its window's size and texts, its file's schema, its grids and columns, and the few
// hooks for the rules that are code. Loading, validation and writing are functions over rows, so an editor's
// rules are tested without a window; TTableWindow only binds the grids to them.
#include "core/tables/TableSchema.h"
#include "grid/foundation/GridTypes.h"
#include "platform/Types.h"
#include "tables/TableFile.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <utility>
#include <vector>

// How the load meets a missing attribute: the column's schema default, or the load stops there.
enum class TReadMode { rmGuarded, rmRequired };

struct TTableEditorColumn {
    TTableEditorColumn() = default;
    TTableEditorColumn(int header, int hint, TEditorType kind, int width, TColor tint, QStringList items = {},
                       bool positions = false, TReadMode read = TReadMode::rmGuarded)
        : Header(header), Hint(hint), Kind(kind), Width(width), Tint(tint), Items(std::move(items)), Positions(positions),
          Read(read)
    {
    }

    int Header = 0;                 // language text of the header
    int Hint = 0;                   // language text of the header hint; 0 for column 0
    TEditorType Kind = TEditorType::edNormal;
    int Width = 64;
    TColor Tint = clWhite;
    QStringList Items;              // a choice column's items
    bool Positions = false;         // items rebuilt at each showing: "None", "0" ... data area - 1
    TReadMode Read = TReadMode::rmGuarded;
    bool Hidden = false;            // kept, read and written, never shown
};

struct TTableEditorGrid {
    int Capacity = 0;               // data rows
    int Key_Column = 1;             // its first empty cell ends the table
    bool Key_As_Stored = false;     // the key is tested untrimmed
    int Tab_Text = 0;               // two-grid editors: the tab sheet's caption
    int Delete_Question = 0;        // 0: the editor's
    bool Enter_Jump = true;         // Enter may jump to the next cell (the program's option); else the grid's own
    std::vector<TTableEditorColumn> Columns;   // column 0 (the row number) first; column c is attribute c - 1
};

struct TTableEditor {
    int Width = 0, Height = 0;      // client size
    bool Resizable = false;
    int Caption = 0;                // window caption; then Caption + 1 the title, Caption + 2 ... + 7 the buttons
    std::array<int, 6> Button_Hints{};   // hints of OK, Cancel, Delete, Insert, Copy and Paste Row; 0: none
    std::array<QString, 6> Button_Texts{};   // a caption that stands in every language; empty: Caption + 2 + i
    int Bar_Height = 40;
    bool Row_Buttons_Right = false; // the four row buttons stand at the bar's right end
    int Button_Gap = 8;             // between two buttons of the bar
    int Row_Error = 0;              // "Error row "
    int Delete_Question = 0;        // "Are you sure to delete the Row number "
    const QString* File = nullptr;  // the path global
    const TTableSchema* Schema = nullptr;
    std::vector<TTableEditorGrid> Grids;   // one per schema section, or one
    bool Enable_Column = false;     // column 1 is an Enable check box: "Y" in new rows, a row not "Y" is not checked
    bool Insert_Enable = false;     // Insert Row puts "Y" into column 1
    bool Sections_Required = true;  // a missing section stops the load; else it reads as an empty table
    int Data_Area = 0;              // byte positions a position column offers
    // Column 1 holds check boxes kept apart from the cell text (the check-box family of row helpers): a row
    // the file says "N" is unchecked, any other checked; written "Y" or "N".
    bool Check_Boxes = false;
    int Row_Height = 22;            // data rows; taller rows may be resized and centre their text

    // A row read from the file, after the schema's defaults: for a default that depends on the row's other cells.
    std::function<void(int grid, const TTableRow_Read& read, QStringList& cells)> Load_Row;
    // The rule text of the row's first failing rule, empty when it passes; `cells` from column 1 on.
    std::function<QString(const TTableEditor& editor, int grid, const QStringList& cells)> Check_Row;
    // Cells whose file value is not their text (an index into the list the cell names): the row as read,
    // defaults given, becomes cells; cells become the row written.
    std::function<void(const TTableEditor& editor, int grid, QStringList& cells)> From_File, To_File;
    // Checks over the whole tables (each up to its end), with messages of their own; empty when they pass.
    std::function<QString(const TTableEditor& editor, const std::vector<TTableRows>& tables)> Check_Tables;
};

// The tables of the editor's file: Missing file: empty tables; a file that cannot be read, a missing section
// (when required) or a missing attribute of a required column ends the load with Error set on the first
// table, keeping what was read. Rows bounded by `rows` (one entry per grid), else by each grid's capacity.
std::vector<TTableLoad> Load_Table_Editor(const TTableEditor& editor, const QString& path,
                                          const std::vector<int>& rows = {});
// The message of the first error (row-error prefix, row number, rule text), empty when the tables pass.
QString Check_Table_Editor(const TTableEditor& editor, const std::vector<TTableRows>& tables);
// The file of the tables, each up to its end.
QByteArray Table_Editor_XML(const TTableEditor& editor, const std::vector<TTableRows>& tables);
// Rows the table ends at; the rows before are checked and written.
int Table_Editor_End(const TTableEditor& editor, int grid, const TTableRows& rows);
// The rule text of the first of byte positions 1 to `count` (cells `first` on) that names no place of the data
// area: text `text(n)`, then the largest position, then text `orNone`. With `orNone` (not 0) a cell that is empty
// or "None" after trimming passes. Empty when all pass.
QString Check_Positions(const TTableEditor& editor, const QStringList& cells, int first, int count,
                        const std::function<int(int n)>& text, int orNone = 0);
// "None", then "0" to count - 1.
QStringList Position_Items(int count);
