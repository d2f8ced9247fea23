#pragma once
// The row buttons, the Enter jump and the header double click that the table editors share, over the
// table's grid and the program-wide row clipboard. Row 0 (the header) and column 0 (the row number) are
// never touched; the row operations cover every other column, hidden ones included, by real index.
#include <functional>
#include <map>
#include <utility>

class QChar;
class TVxStringGrid;

// Whether a real column's cells are data check boxes (their text is "Y" or "N"): a target row whose only
// texts stand in such columns is not in use. Column grids answer from their column definitions.
using TDataCheckColumn = std::function<bool(int ACol)>;

void Grid_Delete_Row(int Row, TVxStringGrid& Grid);
void Grid_Insert_Row(int Row, TVxStringGrid& Grid, bool Set_Enable);
void Grid_Copy_Row(TVxStringGrid& Grid, int Row);
// Asks before overwriting a row in use; reports a paste without a copy, or of a row of another table.
void Grid_Paste_Row(TVxStringGrid& Grid, int Row, bool Do_Copy, const TDataCheckColumn& Is_Data_Check = {});

// Check boxes whose state is kept apart from the cell text, as the known-certificates table has them.
class TGridCheckBoxes {
public:
    virtual ~TGridCheckBoxes() = default;
    // Whether the cell (real column) has a check box, with its state.
    virtual bool GetCheckBoxState(int ACol, int ARow, bool& State) const = 0;
    virtual void SetCheckBoxState(int ACol, int ARow, bool State) = 0;
};

// The check boxes of a string grid that keeps no state of its own for them.
class TCellCheckBoxes : public TGridCheckBoxes {
public:
    void AddCheckBox(int ACol, int ARow, bool State) { FStates[{ACol, ARow}] = State; }
    bool GetCheckBoxState(int ACol, int ARow, bool& State) const override;
    void SetCheckBoxState(int ACol, int ARow, bool State) override;

private:
    std::map<std::pair<int, int>, bool> FStates;
};

void Grid_Delete_Row_Check(int Row, TVxStringGrid& Grid, TGridCheckBoxes& Checks, bool Set_Enable);
void Grid_Insert_Row_Check(int Row, TVxStringGrid& Grid, TGridCheckBoxes& Checks, bool Set_Enable);
void Grid_Copy_Row_Check(TVxStringGrid& Grid, const TGridCheckBoxes& Checks, int Row);
void Grid_Paste_Row_Check(TVxStringGrid& Grid, TGridCheckBoxes& Checks, int Row, bool Do_Copy);

// With the jump option on, Enter moves to the next cell (column 1 of the next row after the last column,
// row 1 after the last row) and is swallowed.
void Grid_Key_Press(TVxStringGrid& Grid, QChar& Key);
// With the auto-size option on, a double click on the header sizes that column to its content.
void Grid_DblClick_Cell(TVxStringGrid& Grid, int ARow, int ACol);
