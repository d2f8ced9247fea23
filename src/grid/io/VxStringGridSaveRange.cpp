// The rectangle every writer exports and the text it writes for a cell.
#include "grid/core/VxStringGrid.h"
#include "grid/core/CellGraphic.h"
#include "grid/foundation/MiniHtml.h"
#include "grid/foundation/VxCheckBox.h"

int TVxStringGrid::SaveStartCol() const
{
    return SaveFixedCells() || SaveFixedCols() ? 0 : FixedCols();
}

int TVxStringGrid::SaveStartRow() const
{
    return SaveFixedCells() || SaveFixedRows() ? 0 : FixedRows();
}

int TVxStringGrid::SaveEndCol() const
{
    return SaveFixedCells() || SaveFixedCols() ? ColCount() - 1 : ColCount() - FixedRightCols() - 1;
}

int TVxStringGrid::SaveEndRow() const
{
    return SaveFixedCells() || SaveFixedRows() ? RowCount() - 1 : RowCount() - FixedFooters() - 1;
}

void TVxStringGrid::SaveCellText(int ACol, int ARow, QString& Value)
{
    Value = SaveVirtCells() ? GetFormattedCell(ACol, ARow) : Cells(ACol, ARow);
    if (Value.isEmpty()) {
        // A check box without text is written as its state.
        bool checked = false;
        const TCellType type = GetCellType(ACol, ARow);
        if (type == TCellType::ctCheckBox && GetCheckBoxState(ACol, RealRowIndex(ARow), checked))
            Value = checked ? CheckTrue() : CheckFalse();
        else if (type == TCellType::ctTriStateCheckBox &&
                 GetCellGraphic(ACol, ARow)->CellCheckBoxState() == TCheckBoxState::cbChecked)
            Value = CheckTrue();
    }
    if (!SaveWithHTML() && Value.contains(QLatin1Char('<')))
        Value = MiniHtmlToPlainText(Value);
    if (OnSaveCell)
        OnSaveCell(this, ACol, ARow, Value);
}
