#include "grid/core/VxStringGridPrivate.h"
#include "grid/model/FindMatcher.h"
#include "grid/model/GridFilter.h"
#include "grid/core/FloatingFooter.h"
#include "grid/paint/ControlLook.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/model/IntList.h"
#include "grid/foundation/MiniHtml.h"
#include <QLocale>

#include <exception>

namespace {
using fn = TFindParameters;

// The cells a search visits: columns Left..Right, rows Top..Bottom.
struct TFindRange {
    int Left, Top, Right, Bottom;
};
} // namespace

// Cells are visited in display columns unless hidden columns are searched too, then in real columns; rows
// likewise. The traversal never wraps around, so going on from a match never comes back to the cells before it.
void TVxStringGrid::FindCell(TPoint StartCell, const QString& s, TPoint& Result, TFindParams FindParams)
{
    Result = Point(-1, -1);
    d->Find.FFindParams = FindParams;
    d->Settings.FindBusy = true;
    d->Find.FFindMatcher->Start(s, FindParams.Contains(fn::fnMatchCase));
    d->Find.FSearchCache = d->Find.FFindMatcher->Search();
    const int hiddenRows = AllRowCount() - RowCount();
    if (ColCount() == FixedCols() || ColCount() == 0 || RowCount() + hiddenRows == FixedRows() || RowCount() == 0) {
        d->Settings.FindBusy = false;
        return;
    }
    TFindRange rg = FindParams.Contains(fn::fnIncludeFixed)
                        ? TFindRange{0, 0, ColCount() - 1, RowCount() - 1}
                        : TFindRange{FixedCols(), FixedRows(), ColCount() - FixedRightCols() - 1,
                                     RowCount() - FixedFooters() - 1};
    if (FindParams.Contains(fn::fnSelectedCells)) {
        const TGridRect sel = Selection();
        rg = {sel.Left, sel.Top, sel.Right, sel.Bottom};
    }
    if (FindParams.Contains(fn::fnIncludeHiddenColumns))
        rg.Right += NumHiddenColumns();
    if (FindParams.Contains(fn::fnIncludeHiddenRows))
        rg.Bottom += hiddenRows;

    // A restricted axis holds one row or column; a step off it goes on with the next line.
    if (FindParams.Contains(fn::fnFindInCurrentRow))
        rg.Top = rg.Bottom = Row();
    if (FindParams.Contains(fn::fnFindInPresetRow))
        rg.Top = rg.Bottom = d->Find.FFindRow;
    if (FindParams.Contains(fn::fnFindInCurrentCol))
        rg.Left = rg.Right = Col();
    if (FindParams.Contains(fn::fnFindInPresetCol))
        rg.Left = rg.Right = d->Find.FFindCol;

    const bool back = FindParams.Contains(fn::fnBackward);
    const bool byRow = FindParams.Contains(fn::fnDirectionLeftRight);
    const int step = back ? -1 : 1;
    int x, y;
    if (StartCell.X == -1 && StartCell.Y == -1) {
        x = back ? rg.Right : rg.Left;
        y = back ? rg.Bottom : rg.Top;
    } else {
        x = StartCell.X;
        y = StartCell.Y;
        // One step along the inner axis while it lasts, else along the outer one, else the range's first cell.
        int& inner = byRow ? x : y;
        int& outer = byRow ? y : x;
        const int innerEnd = byRow ? (back ? rg.Left : rg.Right) : (back ? rg.Top : rg.Bottom);
        const int outerEnd = byRow ? (back ? rg.Top : rg.Bottom) : (back ? rg.Left : rg.Right);
        if (back ? inner >= innerEnd : inner <= innerEnd)
            inner += step;
        else if (back ? outer >= outerEnd : outer <= outerEnd)
            outer += step;
        else {
            x = back ? rg.Right : rg.Left;
            y = back ? rg.Bottom : rg.Top;
        }
    }

    const int colRestart = back ? rg.Right : rg.Left;
    const int rowRestart = back ? rg.Bottom : rg.Top;
    auto inRange = [back](int v, int first, int last) { return back ? v >= first : v <= last; };
    auto visit = [&](int c, int r) {
        ExportNotification(TGridExportState::esExportNewRow, r);
        if (IgnoreColumns().IndexOf(c) >= 0 || !MatchFindCell(c, r))
            return false;
        Result = d->Find.FSearchCell = Point(c, r);
        return true;
    };
    bool found = false;
    if (byRow) {
        for (int r = y; !found && inRange(r, rg.Top, rg.Bottom); r += step) {
            for (int c = x; !found && inRange(c, rg.Left, rg.Right); c += step)
                found = visit(c, r);
            x = colRestart;
        }
    } else {
        for (int c = x; !found && inRange(c, rg.Left, rg.Right); c += step) {
            for (int r = y; !found && inRange(r, rg.Top, rg.Bottom); r += step)
                found = visit(c, r);
            y = rowRestart;
        }
    }
    if (found && FindParams.Contains(fn::fnAutoGoto)) {
        int r = Result.Y;
        if (FindParams.Contains(fn::fnIncludeHiddenRows))
            r = DisplRowIndex(r);
        if (MouseActions().DisjunctRowSelect()) {
            ClearRowSelect();
            SetRowSelect(r, true);
            SetRow(r);
        } else {
            SetRow(r);
            SetCol(Result.X);
        }
    }
    d->Settings.FindBusy = false;
}

// Plain searches compare the cell as read; the other kinds work on its text as compared.
bool TVxStringGrid::MatchFindCell(int ACol, int ARow)
{
    const int c = d->Find.FFindParams.Contains(fn::fnIncludeHiddenColumns) ? ACol : RealColIndex(ACol);
    const QString text = d->Find.FFindParams.Contains(fn::fnIncludeHiddenRows) ? AllCells(c, ARow) : Cells(c, ARow);
    const bool html = d->Find.FFindParams.Contains(fn::fnIgnoreHTMLTags);
    const bool regular = d->Find.FFindParams.Contains(fn::fnMatchRegular);
    const bool empty = d->Find.FSearchCache == QLatin1String("\"\"");
    const auto plain = [this](qsizetype at, const auto& equal) {
        const bool found = d->Find.FFindParams.Contains(fn::fnMatchStart) ? at == 0 : at >= 0;
        return found && (!d->Find.FFindParams.Contains(fn::fnMatchFull) || equal());
    };
    if (!html && !regular && !empty)
        return plain(d->Find.FFindMatcher->IndexIn(text), [&] { return d->Find.FFindMatcher->Equals(text); });
    QString folded = d->Find.FFindMatcher->Fold(text);
    if (html)
        folded = MiniHtmlToPlainText(folded);
    if (empty)
        return folded.isEmpty();
    if (regular) {
        try {
            return MatchFilterExpression(d->Find.FSearchCache, folded, d->Find.FFindParams.Contains(fn::fnMatchCase));
        } catch (const std::exception&) {
            return false;   // an expression the matcher cannot use does not match
        }
    }
    return plain(folded.indexOf(d->Find.FSearchCache), [&] { return folded == d->Find.FSearchCache; });
}

TPoint TVxStringGrid::FindWide(TPoint StartCell, const QString& s, TFindParams FindParams)
{
    ExportNotification(TGridExportState::esExportStart, -1);
    TPoint result;
    FindCell(StartCell, s, result, FindParams);
    ExportNotification(result.X == -1 ? TGridExportState::esExportDone : TGridExportState::esExportFail, -1);
    return result;
}

TPoint TVxStringGrid::Find(TPoint StartCell, const QString& s, TFindParams FindParams)
{
    const TPoint result = FindWide(StartCell, s, FindParams);
    const int a = FloatingFooter().Visible() ? 2 : 0;
    if (FindParams.Contains(fn::fnAutoGoto) && TopRow() + VisibleRowCount() - 2 - a < Row() &&
        VisibleRowCount() + FixedRows() + a < RowCount())
        SetTopRow(TopRow() + 1 + a);
    return result;
}

TPoint TVxStringGrid::FindFirst(const QString& s, TFindParams FindParams)
{
    d->Find.FSearchCell = Find(Point(-1, -1), s, FindParams);
    return d->Find.FSearchCell;
}

TPoint TVxStringGrid::FindNext()
{
    d->Find.FSearchCell = Find(d->Find.FSearchCell, d->Find.FSearchCache, d->Find.FFindParams);
    return d->Find.FSearchCell;
}

// Replaces with the letter case the search used: with fnMatchCase only exact occurrences change.
int TVxStringGrid::Replace(const QString& OrigStr, const QString& NewStr, TFindParams FindParams)
{
    const Qt::CaseSensitivity cs = FindParams.Contains(fn::fnMatchCase) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    int count = 0;
    TPoint at = Point(-1, -1);
    for (;;) {
        at = Find(at, OrigStr, FindParams);
        if (at.X == -1)
            break;
        const int c = FindParams.Contains(fn::fnIncludeHiddenColumns) ? at.X : RealColIndex(at.X);
        QString text = FindParams.Contains(fn::fnIncludeHiddenRows) ? AllCells(c, at.Y) : Cells(c, at.Y);
        text.replace(OrigStr, NewStr, cs);
        if (FindParams.Contains(fn::fnIncludeHiddenRows))
            SetAllCells(c, at.Y, text);
        else
            SetCells(c, at.Y, text);
        if (ShowModified().Enabled())
            SetRowModified(at.Y, true);
        ++count;
    }
    return count;
}

// The prefix search of typing in a sorted grid, in the column the grid is sorted on.
int TVxStringGrid::Search(const QString& s)
{
    if (RowCount() < 2)
        return -1;
    int c = FixedCols();
    if (SortSettings().Show())
        c = SortSettings().IndexShow() ? (SortIndexes().Count() > 0 ? SortIndexes().SortColumns(0) : FixedCols())
                                        : SortSettings().Column();
    if (c == -1)
        return -1;
    const QLocale locale;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (locale.toUpper(MiniHtmlToPlainText(Cells(RealColIndex(c), r)).left(s.size())) == s)
            return r;
    return -1;
}
