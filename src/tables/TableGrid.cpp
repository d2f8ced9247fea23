#include "tables/TableGrid.h"

#include "grid/core/VxColumnGrid.h"

void Shape_Table_Grid(TVxColumnGrid& Grid, const std::vector<TTableColumn>& columns)
{
    Grid.SetOptions(Grid.Options() | TGridOption::goEditing | TGridOption::goColSizing | TGridOption::goRangeSelect |
                    TGridOption::goVertLine | TGridOption::goHorzLine);
    Grid.SetColCount(static_cast<int>(columns.size()));
    Grid.SetFixedCols(1);
    Grid.SetFixedRows(1);
    Grid.SetRowHeights(0, 22);
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        TGridColumnItem* item = Grid.Columns().Items(c);
        const TTableColumn& column = columns[c];
        item->SetEditor(column.Editor);
        item->SetComboItems(column.Items);
        item->SetWidth(column.Width);
        if (c > 0)
            item->SetColor(column.Tint);
    }
}

void Reset_Table_Rows(TVxStringGrid& Grid, int rows, const QString& first)
{
    const int n = Grid.ColCount() + Grid.NumHiddenColumns();
    for (int r = 1; r <= rows; ++r) {
        Grid.SetCells(0, r, QString::number(r));
        for (int c = 1; c < n; ++c)
            Grid.SetCells(c, r, c == 1 ? first : QString());
    }
}

void Fill_Table_Rows(TVxStringGrid& Grid, const TTableRows& rows)
{
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            Grid.SetCells(c + 1, r + 1, rows[r][c]);
}

TTableRows Table_Rows(TVxStringGrid& Grid, int rows)
{
    const int n = Grid.ColCount() + Grid.NumHiddenColumns();
    TTableRows result;
    result.reserve(rows);
    for (int r = 1; r <= rows; ++r) {
        QStringList cells;
        cells.reserve(n - 1);
        for (int c = 1; c < n; ++c)
            cells.append(Grid.Cells(c, r));
        result.push_back(std::move(cells));
    }
    return result;
}

void Bind_Cell_Clicks(TVxStringGrid& Grid, TCellClick Click, TCellClick DblClick)
{
    // The second press of a double click comes with ssDouble.
    Grid.OnMouseDown = [&Grid, Click = std::move(Click), DblClick = std::move(DblClick)](
                           QObject*, TMouseButton Button, TShiftState Shift, int X, int Y) {
        const TGridCoord cell = Grid.MouseCoord(X, Y);
        if (Button != TMouseButton::mbLeft || cell.X < 0 || cell.Y < 0)
            return;
        if (Shift.testFlag(TShiftStateItem::ssDouble))
            DblClick(cell.Y, cell.X);
        else
            Click(cell.Y, cell.X);
    };
}

void Select_Row_On_Number(TVxStringGrid& Grid, int ARow, int ACol)
{
    if (ACol == 0 && ARow >= Grid.FixedRows())
        Grid.SelectRows(ARow, 1);
}
