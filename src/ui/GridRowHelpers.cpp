#include "ui/GridRowHelpers.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "grid/core/VxColumnGrid.h"
#include "platform/Dialogs.h"

#include <algorithm>
#include <functional>

namespace {

// One past the last real column the row operations cover.
int Columns(const TVxStringGrid& Grid)
{
    return Grid.ColCount() + Grid.NumHiddenColumns();
}

// Copies row `from` into row `to`, or clears `to` when `from` is negative.
using TCellMove = std::function<void(int c, int from, int to)>;

void Move_Rows_Up(TVxStringGrid& Grid, int Row, const TCellMove& move)
{
    const int rows = Grid.RowCount();
    const int n = Columns(Grid);
    for (int r = Row; r <= rows - 2; ++r)
        for (int c = 1; c < n; ++c)
            move(c, r + 1, r);
    for (int c = 1; c < n; ++c)
        move(c, -1, rows - 1);
}

void Move_Rows_Down(TVxStringGrid& Grid, int Row, const TCellMove& move)
{
    const int n = Columns(Grid);
    for (int r = Grid.RowCount() - 2; r >= Row; --r)
        for (int c = 1; c < n; ++c)
            move(c, r, r + 1);
    for (int c = 1; c < n; ++c)
        move(c, -1, Row);
}

TCellMove Text_Move(TVxStringGrid& Grid, bool Set_Enable)
{
    return [&Grid, Set_Enable](int c, int from, int to) {
        if (from >= 0)
            Grid.SetCells(c, to, Grid.Cells(c, from));
        else
            Grid.SetCells(c, to, c == 1 && Set_Enable ? QStringLiteral("Y") : QString());
    };
}

TCellMove Check_Move(TVxStringGrid& Grid, bool Set_Enable)
{
    return [&Grid, Set_Enable](int c, int from, int to) {
        bool state = false;
        if (from < 0) {
            if (Grid.GetCheckBoxState(c, to, state))
                Grid.SetCheckBoxState(c, to, c == 1 && Set_Enable);
            else
                Grid.SetCells(c, to, QString());
        } else if (Grid.GetCheckBoxState(c, from, state)) {
            Grid.SetCheckBoxState(c, to, state);
        } else {
            Grid.SetCells(c, to, Grid.Cells(c, from));
        }
    };
}

// Steps 1 and 2 of a paste: a row was copied, from a table of this one's width.
bool Paste_Allowed(const TVxStringGrid& Grid, bool Do_Copy)
{
    if (!Do_Copy) {
        MessageDlg(Lang(1102), TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
        return false;
    }
    if (Columns(Grid) != Row_Clipboard->size() + 1) {
        MessageDlg(Lang(1101), TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
        return false;
    }
    return true;
}

// A row in use is overwritten only when the user says so.
bool Overwrite_Allowed(bool inUse)
{
    return !inUse || MessageDlg(Lang(1100), TMsgDlgType::mtConfirmation, {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}) == mrYes;
}

} // namespace

void Grid_Delete_Row(int Row, TVxColumnGrid& Grid)
{
    Move_Rows_Up(Grid, Row, Text_Move(Grid, false));
}

void Grid_Insert_Row(int Row, TVxColumnGrid& Grid, bool Set_Enable)
{
    Move_Rows_Down(Grid, Row, Text_Move(Grid, Set_Enable));
}

void Grid_Copy_Row(TVxColumnGrid& Grid, int Row)
{
    Row_Clipboard->clear();
    for (int c = 1; c < Columns(Grid); ++c)
        Row_Clipboard->append(Grid.Cells(c, Row));
}

void Grid_Paste_Row(TVxColumnGrid& Grid, int Row, bool Do_Copy)
{
    if (!Paste_Allowed(Grid, Do_Copy))
        return;
    const int n = Columns(Grid);
    const auto dataCheck = [&Grid](int c) {
        return c < Grid.Columns().Count() && Grid.Columns().Items(c)->Editor() == TEditorType::edDataCheckBox;
    };
    bool inUse = false;
    for (int c = 1; c < n && !inUse; ++c)
        inUse = !dataCheck(c) && !Grid.Cells(c, Row).trimmed().isEmpty();
    if (!Overwrite_Allowed(inUse))
        return;
    for (int c = 1; c < n; ++c)
        Grid.SetCells(c, Row, Row_Clipboard->at(c - 1));
}

void Grid_Delete_Row_Check(int Row, TVxStringGrid& Grid, bool Set_Enable)
{
    Move_Rows_Up(Grid, Row, Check_Move(Grid, Set_Enable));
}

void Grid_Insert_Row_Check(int Row, TVxStringGrid& Grid, bool Set_Enable)
{
    Move_Rows_Down(Grid, Row, Check_Move(Grid, Set_Enable));
}

void Grid_Copy_Row_Check(TVxStringGrid& Grid, int Row)
{
    Row_Clipboard->clear();
    const int n = Columns(Grid);
    Row_Clipboard_Check.assign(std::max(n - 1, 0), false);
    for (int c = 1; c < n; ++c) {
        bool state = false;
        if (Grid.GetCheckBoxState(c, Row, state)) {
            Row_Clipboard->append(state ? QStringLiteral("Y") : QStringLiteral("N"));
            Row_Clipboard_Check[c - 1] = true;
        } else {
            Row_Clipboard->append(Grid.Cells(c, Row));
        }
    }
}

void Grid_Paste_Row_Check(TVxStringGrid& Grid, int Row, bool Do_Copy)
{
    if (!Paste_Allowed(Grid, Do_Copy))
        return;
    const int n = Columns(Grid);
    bool inUse = false;
    for (int c = 1; c < n && !inUse; ++c) {
        bool state = false;
        inUse = !Grid.GetCheckBoxState(c, Row, state) && !Grid.Cells(c, Row).isEmpty();
    }
    if (!Overwrite_Allowed(inUse))
        return;
    for (int c = 1; c < n; ++c) {
        const QString& value = Row_Clipboard->at(c - 1);
        if (c - 1 < static_cast<int>(Row_Clipboard_Check.size()) && Row_Clipboard_Check[c - 1])
            Grid.SetCheckBoxState(c, Row, value == QLatin1String("Y"));
        else
            Grid.SetCells(c, Row, value);
    }
}

void Grid_Key_Press(TVxStringGrid& Grid, QChar& Key)
{
    if (!Enable_Jump_Field_Tables || Key != QChar(13))
        return;
    if (Grid.Col() > 0 && Grid.Row() > 0) {
        if (Grid.Col() < Grid.ColCount() - 1) {
            Grid.SetCol(Grid.Col() + 1);
        } else {
            const int next = Grid.Row() < Grid.RowCount() - 1 ? Grid.Row() + 1 : 1;
            Grid.SetCol(1);
            Grid.SetRow(next);
        }
    }
    Key = QChar(0);
}

void Grid_DblClick_Cell(TVxStringGrid& Grid, int ARow, int ACol)
{
    if (Double_Click_Auto_Size && ARow == 0)
        Grid.AutoSizeCol(ACol, 0);
}
