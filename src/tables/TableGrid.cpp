#include "tables/TableGrid.h"

#include "grid/core/VxColumnGrid.h"
#include "ui/UFormParts.h"
#include "widgets/button/SbButton.h"

#include <QHBoxLayout>

void Make_Table_Buttons(QWidget* bar, TTableButtons& Buttons, const TTableButtonClicks& Clicks)
{
    const int right = bar->width() - 4 * 115;
    TTableButtons& b = Buttons;
    b.Btn_OK = Make_Bar_Button(bar, 10);
    b.Btn_Cancel = Make_Bar_Button(bar, 125);
    b.Btn_DelRow = Make_Bar_Button(bar, right);
    b.Btn_InsRow = Make_Bar_Button(bar, right + 115);
    b.Btn_CopyRow = Make_Bar_Button(bar, right + 230);
    b.Btn_PasteRow = Make_Bar_Button(bar, right + 345);
    b.Btn_Cancel->SetModalResult(mrCancel);
    // The row buttons keep to the right edge of a bar that grows with its window.
    auto* row = new QHBoxLayout(bar);
    const int margin = (bar->height() - 28) / 2;
    row->setContentsMargins(10, margin, 5, bar->height() - 28 - margin);
    row->setSpacing(5);
    for (TSbButton* button : {b.Btn_OK, b.Btn_Cancel, b.Btn_DelRow, b.Btn_InsRow, b.Btn_CopyRow, b.Btn_PasteRow}) {
        button->setFixedSize(button->size());
        row->addWidget(button);
        if (button == b.Btn_Cancel)
            row->addStretch(1);
    }
    const std::pair<TSbButton*, std::function<void()>> bound[] = {
        {b.Btn_OK, Clicks.OK},         {b.Btn_DelRow, Clicks.DelRow},   {b.Btn_InsRow, Clicks.InsRow},
        {b.Btn_CopyRow, Clicks.CopyRow}, {b.Btn_PasteRow, Clicks.PasteRow}};
    for (const auto& [button, click] : bound)
        button->OnClick = [click](QObject*) { click(); };
}

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
