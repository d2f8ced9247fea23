#include "grid/core/VxGridError.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/CellChecker.h"
#include "grid/model/GridText.h"
#include "grid/model/IntList.h"

void TVxStringGrid::ClearColumnHeaders()
{
    for (int c = 0; c < ColCount(); ++c)
        SetCells(c, 0, QString());
}

// Entries past the columns are kept for later; columns past the entries keep their text.
void TVxStringGrid::ShowColumnHeaders()
{
    if (d->Shared.FLoading || FixedRows() == 0)
        return;
    for (int i = 0; i < d->Shared.FColumnHeaders.size() && i < TotalColCount(); ++i)
        SetCells(i, 0, ExpandNewlineEscapes(d->Shared.FColumnHeaders[i]));
}

void TVxStringGrid::ClearRowHeaders()
{
    for (int r = 0; r < RowCount(); ++r)
        SetCells(0, r, QString());
}

void TVxStringGrid::ShowRowHeaders()
{
    if (d->Shared.FLoading || FixedCols() == 0)
        return;
    for (int i = 0; i < d->Shared.FRowHeaders.size() && i < RowCount(); ++i)
        SetCells(0, i, ExpandNewlineEscapes(d->Shared.FRowHeaders[i]));
}

// Correct and MarkError both see the text without error marks; with both on, the marked text stays.
bool TVxStringGrid::CheckCell(int Col, int Row)
{
    if (!d->Edit.FCellChecker)
        return true;
    const QString s = UnMarkText(GetGridCell(Col, Row));
    if (d->Edit.FCellChecker->GotoCell()) {
        FocusCell(Col, Row);
        ScrollInView(Col, Row);
    }
    QString t = s;
    if (d->Edit.FCellChecker->UseCorrect())
        t = d->Edit.FCellChecker->Correct(Col, Row, s);
    if (d->Edit.FCellChecker->UseMarkError())
        t = d->Edit.FCellChecker->MarkError(Col, Row, s);
    SetCells(Col, Row, t);
    return t == s;
}

// Every cell is checked, also after one failed.
bool TVxStringGrid::CheckCells(int FromCol, int FromRow, int ToCol, int ToRow)
{
    if (!d->Edit.FCellChecker)
        return true;
    d->Edit.FCellChecker->StartCheck();
    const int row = Row();
    const int col = Col();
    bool passed = true;
    for (int r = FromRow; r <= ToRow; ++r)
        for (int c = FromCol; c <= ToCol; ++c)
            passed = CheckCell(c, r) && passed;
    d->Edit.FCellChecker->StopCheck();
    if (d->Edit.FCellChecker->GotoCell())
        FocusCell(col, row);
    return passed;
}

bool TVxStringGrid::CheckCol(bool DoFixed, int Col)
{
    return CheckCells(Col, DoFixed ? 0 : FixedRows(), Col,
                      DoFixed ? RowCount() - 1 : RowCount() - d->Shared.FFixedFooters - 1);
}

bool TVxStringGrid::CheckRow(bool DoFixed, int Row)
{
    return CheckCells(DoFixed ? 0 : FixedCols(), Row,
                      DoFixed ? ColCount() - 1 : ColCount() - d->Shared.FFixedRightCols - 1, Row);
}

bool TVxStringGrid::CheckGrid(bool DoFixed)
{
    if (DoFixed)
        return CheckCells(0, 0, ColCount() - 1, RowCount() - 1);
    return CheckCells(FixedCols(), FixedRows(), ColCount() - d->Shared.FFixedRightCols - 1,
                      RowCount() - d->Shared.FFixedFooters - 1);
}

namespace {
// The tables hold 512 columns and grow with the columns of a print.
void CheckPrintCol(int ACol, const std::vector<int>& Table)
{
    if (ACol < 0 || std::size_t(ACol) >= Table.size())
        throw EVxGridError("Columns is not in valid range");
}
} // namespace

int TVxStringGrid::GetPrintColWidth(int ACol) const
{
    CheckPrintCol(ACol, d->Sizing.FMaxWidths);
    return d->Sizing.FMaxWidths[std::size_t(ACol)];
}

int TVxStringGrid::GetPrintColOffset(int ACol) const
{
    CheckPrintCol(ACol, d->Sizing.FIndents);
    return d->Sizing.FIndents[std::size_t(ACol)];
}

void TVxStringGrid::SetPrintColMetrics(int ACol, int Width, int Indent)
{
    CheckPrintCol(ACol, d->Sizing.FMaxWidths);
    d->Sizing.FMaxWidths[std::size_t(ACol)] = Width;
    d->Sizing.FIndents[std::size_t(ACol)] = Indent;
}

void TVxStringGrid::SplitAllColumnCells()
{
    for (int c = 0; c < ColCount(); ++c)
        SplitColumnCells(c);
}

void TVxStringGrid::MergeListedColumns()
{
    for (int i = 0; i < d->Shared.FMergedColumns->Count(); ++i)
        MergeColumnCells(d->Shared.FMergedColumns->Items(i), i == 0);
}

void TVxStringGrid::MergedColumnsChanged()
{
    SplitAllColumnCells();
    MergeListedColumns();
}

void TVxStringGrid::SetLookupItems(const QStringList* Value)
{
    if (Value)
        d->Shared.FLookupItems = *Value;
}

void TVxStringGrid::RichEditSelChanged(QObject* Sender)
{
    if (OnRichEditSelectionChange)
        OnRichEditSelectionChange(Sender);
}
