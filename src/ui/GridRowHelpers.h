#pragma once
// The row buttons, the Enter jump and the header double click that the table editors share, over the
// table's grid and the program-wide row clipboard. Row 0 (the header) and column 0 (the row number) are
// never touched; the row operations cover every other column, hidden ones included, by real index.
class QChar;
class TVxColumnGrid;
class TVxStringGrid;

// The plain family: column grids whose check boxes are data check boxes ("Y"/"N" in the cell text).
void Grid_Delete_Row(int Row, TVxColumnGrid& Grid);
void Grid_Insert_Row(int Row, TVxColumnGrid& Grid, bool Set_Enable);
void Grid_Copy_Row(TVxColumnGrid& Grid, int Row);
// Asks before overwriting a row in use (data check-box columns do not count); reports a paste without a
// copy, or of a row of another table.
void Grid_Paste_Row(TVxColumnGrid& Grid, int Row, bool Do_Copy);

// The check-box family: string grids whose check boxes keep their state apart from the cell text.
void Grid_Delete_Row_Check(int Row, TVxStringGrid& Grid, bool Set_Enable);
void Grid_Insert_Row_Check(int Row, TVxStringGrid& Grid, bool Set_Enable);
void Grid_Copy_Row_Check(TVxStringGrid& Grid, int Row);
void Grid_Paste_Row_Check(TVxStringGrid& Grid, int Row, bool Do_Copy);

// With the jump option on, Enter moves to the next cell (column 1 of the next row after the last column,
// row 1 after the last row) and is swallowed.
void Grid_Key_Press(TVxStringGrid& Grid, QChar& Key);
// With the auto-size option on, a double click on the header sizes that column to its content.
void Grid_DblClick_Cell(TVxStringGrid& Grid, int ARow, int ACol);
