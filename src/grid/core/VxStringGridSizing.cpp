#include "grid/core/GridSettings.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/MiniHtml.h"
#include "grid/paint/ControlLook.h"
#include <QFontMetrics>
#include <QRegularExpression>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {
int ClampToLimits(int Value, int Min, int Max)
{
    if (Min == Max)
        return Value;
    if (Min > 0 && Value < Min)
        Value = Min;
    if (Max > 0 && Value > Max)
        Value = Max;
    return Value;
}
} // namespace

// The widest line of the cell as shown, in the font the cell is painted with.
int TVxStringGrid::CellTextWidth(int ACol, int ARow)
{
    TFont font = ARow < FixedRows() || ACol < FixedCols() ? FixedFont() : Font();
    TBrush brush;
    GetCellColor(ACol, ARow, TGridDrawState(), &brush, &font);
    QString text = Cells(RealColIndex(ACol), ARow);
    if (F.EnableHTML && text.contains(QLatin1Char('<'))) {
        static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
        text = DecodeHtmlEntities(text.remove(tags), true);
    }
    const QFontMetrics fm(font.toQFont());
    int widest = 0;
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))))
        widest = std::max(widest, fm.horizontalAdvance(line));
    return widest;
}

void TVxStringGrid::AutoSizeColumnWidth(int ACol, bool GrowOnly)
{
    if (ACol < 0 || ACol >= ColCount())
        return;
    int first = 0;
    int last = RowCount() - 1;
    switch (FColumnSize->Rows()) {
    case TAutoSizeRows::arAll:
        break;
    case TAutoSizeRows::arNormal:
        first = FixedRows();
        last = RowCount() - FFixedFooters - 1;
        break;
    case TAutoSizeRows::arFixed:
        last = FixedRows() - 1;
        break;
    }
    int widest = 0;
    for (int r = first; r <= last; ++r) {
        const TPoint b = BaseCell(ACol, r);
        if (b.X != ACol || CellSpan(ACol, r).X > 0)
            continue;   // part of a range merged across columns
        int c = CellTextWidth(ACol, r);
        if (FControlLook->DropDownAlwaysVisible() && HasComboBox(ACol, r))
            c += 16;
        widest = std::max(widest, c);
    }
    const int totalXOffset = FXYOffset.X * 2;
    int w = widest + totalXOffset + 2 * GridLineWidth() + 2;
    if (GrowOnly && ColWidths(ACol) >= w)
        return;
    UpdateAutoColumnSize(RealColIndex(ACol), w);
    SetColWidths(ACol, ClampToLimits(w, F.MinColWidth, F.MaxColWidth));
}

void TVxStringGrid::AutoSizeCol(int ACol, int Padding)
{
    AutoSizeColumnWidth(ACol, F.SizeGrowOnly);
    if (Padding != 0 && ACol >= 0 && ACol < ColCount())
        SetColWidths(ACol, ClampToLimits(ColWidths(ACol) + Padding, F.MinColWidth, F.MaxColWidth));
}

void TVxStringGrid::AutoSizeColumns(bool DoFixedCols, int Padding)
{
    const int first = DoFixedCols ? 0 : FixedCols();
    const int last = DoFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
    for (int c = first; c <= last; ++c)
        AutoSizeCol(c, Padding);
}

// Scales the columns to fill the client width; columns that all have no width share it equally.
void TVxStringGrid::AutoFitColumns(bool DoFixedCells)
{
    const int first = DoFixedCells ? 0 : FixedCols();
    if (first >= ColCount())
        return;
    int fixedWidth = 0;
    for (int c = 0; c < first; ++c)
        fixedWidth += ColWidths(c) + GridLineWidth();
    int sum = 0;
    for (int c = first; c < ColCount(); ++c)
        sum += ColWidths(c);
    const int columns = ColCount() - first;
    const int room = ClientWidth() - fixedWidth - columns * GridLineWidth();
    if (room <= 0)
        return;
    int given = 0;
    for (int c = first; c < ColCount(); ++c) {
        const bool lastCol = c == ColCount() - 1;
        const int w = lastCol ? room - given
                      : sum > 0 ? int(std::lround(double(ColWidths(c)) * room / sum))
                                : room / columns;
        SetColWidths(c, std::max(w, 0));
        given += std::max(w, 0);
    }
}

void TVxStringGrid::StretchRightColumn()
{
    ApplyColumnStretch(ColCount() - 1);
}

void TVxStringGrid::ApplyColumnStretch(int ACol)
{
    if (FLoading || FDestroying)
        return;
    if (ACol == -1)
        ACol = ColCount() - 1;
    if (ACol >= ColCount())
        throw std::runtime_error("Stretch column index out of range");
    if (ColCount() == 0 || !FColumnSize->Stretch() || FIsColChanging || ACol < 0)
        return;
    FIsColChanging = true;
    FColchgFlg = false;
    if (ColCount() == 1) {
        SetColWidths(0, ClientWidth());
    } else {
        int others = 0;
        for (int c = 0; c < ColCount(); ++c)
            if (c != ACol)
                others += ColWidths(c) + GridLineWidth();
        if (others < ClientWidth())
            SetColWidths(ACol, ClientWidth() - others - 1);
        else if (LeftCol() == FixedCols())
            SetColWidths(ACol, DefaultColWidth());
    }
    FColchgFlg = true;
    FIsColChanging = false;
}

// A stretch column that a count change left outside the grid waits until it is back, rather than failing a
// width change or a resize that did not name it.
void TVxStringGrid::StretchOnChange()
{
    if (FColumnSize && FColumnSize->Stretch() && FColumnSize->StretchColumn() < ColCount())
        ApplyColumnStretch(FColumnSize->StretchColumn());
}

void TVxStringGrid::ColWidthsChanged()
{
    if (FColchgFlg)
        StretchOnChange();
    TBaseGrid::ColWidthsChanged();
}

void TVxStringGrid::SizeChanged(int OldColCount, int OldRowCount)
{
    StretchOnChange();
    TBaseGrid::SizeChanged(OldColCount, OldRowCount);
}

void TVxStringGrid::resizeEvent(QResizeEvent* event)
{
    TBaseGrid::resizeEvent(event);
    StretchOnChange();
}

// Scrolls the least that shows the cell whole: a cell left of or above the view becomes the first shown.
void TVxStringGrid::ScrollInView(int ACol, int ARow)
{
    if (ACol >= FixedCols() && ACol < ColCount()) {
        if (ACol < LeftCol())
            SetLeftCol(ACol);
        else
            while (ACol >= LeftCol() + std::max(VisibleColCount(), 1) && LeftCol() < ACol)
                SetLeftCol(LeftCol() + 1);
    }
    if (ARow >= FixedRows() && ARow < RowCount()) {
        if (ARow < TopRow())
            SetTopRow(ARow);
        else
            while (ARow >= TopRow() + std::max(VisibleRowCount(), 1) && TopRow() < ARow)
                SetTopRow(TopRow() + 1);
    }
}

void TVxStringGrid::UpdateColumnSize(int ACol, int& AWidth)
{
    if (OnUpdateColumnSize)
        OnUpdateColumnSize(this, ACol, AWidth);
}

void TVxStringGrid::UpdateAutoColumnSize(int ACol, int& AWidth)
{
    if (OnUpdateColumnSize)
        OnUpdateColumnSize(this, ACol, AWidth);
}
