// The grid-row helpers on a small column grid: 5 rows (header and 4 table rows), real columns 0 to 4 with
// column 3 hidden, and column 1 holding data check boxes (plain check boxes for the check-box family).
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/VxColumnGrid.h"
#include "support/MessageBoxRecorder.h"
#include "support/TempProgramFolder.h"
#include "ui/GridRowHelpers.h"

#include <gtest/gtest.h>

namespace {

struct RowHelpers : ::testing::Test {
    TempProgramFolder folder;
    MessageBoxRecorder boxes;
    TVxColumnGrid grid;

    RowHelpers()
    {
        Row_Clipboard = std::make_unique<QStringList>();
        grid.SetColCount(5);
        grid.SetRowCount(5);
        grid.SetFixedCols(1);
        grid.SetFixedRows(1);
        grid.Columns().Items(1)->SetEditor(TEditorType::edDataCheckBox);
        grid.HideColumn(3);
        for (int r = 1; r <= 4; ++r) {
            grid.SetCells(0, r, QString::number(r));
            for (int c = 1; c <= 4; ++c)
                grid.SetCells(c, r, QString("r%1c%2").arg(r).arg(c));
        }
    }
    QStringList Row(int r)
    {
        QStringList cells;
        for (int c = 0; c <= 4; ++c)
            cells << grid.Cells(c, r);
        return cells;
    }
};

} // namespace

TEST_F(RowHelpers, DeleteAndInsertMoveEveryColumnButTheRowNumber)
{
    Grid_Delete_Row(2, grid);
    EXPECT_EQ(Row(2), (QStringList{"2", "r3c1", "r3c2", "r3c3", "r3c4"}));   // the hidden column moves too
    EXPECT_EQ(Row(3), (QStringList{"3", "r4c1", "r4c2", "r4c3", "r4c4"}));
    EXPECT_EQ(Row(4), (QStringList{"4", "", "", "", ""}));

    Grid_Insert_Row(1, grid, true);
    EXPECT_EQ(Row(1), (QStringList{"1", "Y", "", "", ""}));
    EXPECT_EQ(Row(2), (QStringList{"2", "r1c1", "r1c2", "r1c3", "r1c4"}));
    EXPECT_EQ(Row(4), (QStringList{"4", "r4c1", "r4c2", "r4c3", "r4c4"}));   // the former last row is gone

    Grid_Insert_Row(4, grid, false);   // at the last row: only it is emptied
    EXPECT_EQ(Row(4), (QStringList{"4", "", "", "", ""}));
    EXPECT_EQ(Row(3), (QStringList{"3", "r3c1", "r3c2", "r3c3", "r3c4"}));
}

TEST_F(RowHelpers, PasteChecksTheCopyTheWidthAndARowInUse)
{
    Grid_Paste_Row(grid, 4, false);
    Grid_Copy_Row(grid, 1);
    EXPECT_EQ(*Row_Clipboard, (QStringList{"r1c1", "r1c2", "r1c3", "r1c4"}));

    for (int c = 1; c <= 4; ++c)
        grid.SetCells(c, 4, c == 1 ? "Y" : " ");   // only the enable box and blanks: not in use
    Grid_Paste_Row(grid, 4, true);
    EXPECT_EQ(Row(4), (QStringList{"4", "r1c1", "r1c2", "r1c3", "r1c4"}));

    boxes.answerNext({mrNo});
    Grid_Paste_Row(grid, 2, true);
    EXPECT_EQ(Row(2)[2], "r2c2");
    boxes.answerNext({mrYes});
    Grid_Paste_Row(grid, 2, true);
    EXPECT_EQ(Row(2)[3], "r1c3");

    Row_Clipboard->removeLast();   // a row of a table with another width
    Grid_Paste_Row(grid, 3, true);
    EXPECT_EQ(Row(3)[1], "r3c1");
    EXPECT_EQ(boxes.texts(), (QStringList{Lang(1102), Lang(1100), Lang(1100), Lang(1101)}));
}

TEST_F(RowHelpers, TheCheckBoxFamilyCopiesStatesAndFlags)
{
    grid.Columns().Items(1)->SetEditor(TEditorType::edNormal);
    for (int r = 1; r <= 4; ++r)
        grid.CreateCellGraphic(1, r)->SetCheckBox(r != 2, false, true, TCellHAlign::haBeforeText, TCellVAlign::vaCenter);
    Grid_Copy_Row_Check(grid, 1);
    EXPECT_EQ(*Row_Clipboard, (QStringList{"Y", "r1c2", "r1c3", "r1c4"}));
    EXPECT_EQ(Row_Clipboard_Check, (std::vector<bool>{true, false, false, false}));

    Grid_Delete_Row_Check(1, grid, true);
    bool state = true;
    ASSERT_TRUE(grid.GetCheckBoxState(1, 1, state));
    EXPECT_FALSE(state);   // row 2's state moved up
    ASSERT_TRUE(grid.GetCheckBoxState(1, 4, state));
    EXPECT_TRUE(state);    // the emptied last row is enabled
    EXPECT_EQ(grid.Cells(2, 4), "");
    EXPECT_EQ(grid.Cells(1, 1), "r1c1");   // a check-box cell keeps its own text

    Grid_Paste_Row_Check(grid, 4, true);   // only a check box holds anything: no question
    ASSERT_TRUE(grid.GetCheckBoxState(1, 4, state));
    EXPECT_TRUE(state);
    EXPECT_EQ(grid.Cells(3, 4), "r1c3");
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(RowHelpers, EnterJumpsToTheNextCellOnlyWithTheOption)
{
    Enable_Jump_Field_Tables = true;
    grid.SetRow(4);
    grid.SetCol(grid.ColCount() - 1);
    QChar key(13);
    Grid_Key_Press(grid, key);
    EXPECT_EQ(key, QChar(0));
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
    Grid_Key_Press(grid, key = QChar(13));
    EXPECT_EQ(grid.Col(), 2);

    Enable_Jump_Field_Tables = false;
    Grid_Key_Press(grid, key = QChar(13));
    EXPECT_EQ(key, QChar(13));
    EXPECT_EQ(grid.Col(), 2);
}

TEST_F(RowHelpers, HeaderDoubleClickSizesTheColumnToItsWidestText)
{
    Double_Click_Auto_Size = true;
    grid.SetCells(2, 3, "a much longer text than the others");
    grid.SetColWidths(2, 10);
    Grid_DblClick_Cell(grid, 1, 2);
    EXPECT_EQ(grid.ColWidths(2), 10);
    Grid_DblClick_Cell(grid, 0, 2);
    const int text = grid.Canvas()->TextWidth("a much longer text than the others");
    EXPECT_GE(grid.ColWidths(2), text);
    EXPECT_LT(grid.ColWidths(2), text + 20);
}
