// The multi-column drop-down's columns and items, and the pop-up list that paints them.
#include "widgets/dropdown/VxMultiColumnDropDown.h"
#include "grid/core/HeaderFooterAppearance.h"
#include "platform/ImageList.h"
#include <QKeyEvent>
#include <cmath>

namespace VxMultiColumn {

int TDropDownItems::IndexInColumn(int Column, const QString& Value) const
{
    QString s;
    for (int i = 0; i < Count(); ++i)
        if ((*this)[i].ColumnText(Column, s) && s == Value)
            return i;
    return -1;
}

TVxColGrid::TVxColGrid(QWidget* parent) : TStringGrid(parent), FColumns(std::make_unique<TDropDownColumns>(this))
{
    SetFixedRows(1);
    SetFixedCols(0);
    SetOptions((Options() | TGridOption::goHorzLine | TGridOption::goRowSelect) &
               ~TGridOptions(TGridOption::goRangeSelect | TGridOption::goDrawFocusSelected));
    setFrameShape(QFrame::NoFrame);
}

void TVxColGrid::LoadFromDropDown()
{
    const TVxMultiColumnDropDown& d = *FVxDropDown;
    FColumns->Assign(d.Columns());
    SetColCount(std::max(1, FColumns->Count()));
    SetRowCount(d.Items().Count() + 1);
    if (d.Items().Count() > 0) {
        SetFixedRows(1);
        SetRow(1);
    }
    for (int i = 0; i < FColumns->Count(); ++i)
        SetColWidths(i, (*FColumns)[i].Width());
    SetDefaultRowHeight(d.DropDownRowHeight());
    SetRowHeights(0, d.HeaderHeight());
    TGridOptions o = Options();
    o.setFlag(TGridOption::goColSizing, d.ColumnSizing());
    SetOptions(o);
    AutoSizeColumns();
    AutoSizeWrappedRows();
}

int TVxColGrid::TotalWidth() const
{
    int w = 0;
    for (int i = 0; i < ColCount(); ++i)
        w += ColWidths(i);
    return ListTotalWidth(w, VisibleRowCount() >= RowCount() - FixedRows());
}

void TVxColGrid::AutoSizeColumns()
{
    ::AutoSizeItemColumns(*FColumns, FVxDropDown->Items(), FVxDropDown->Images(), *this);
}

void TVxColGrid::AutoSizeWrappedRows()
{
    if (!AnyWordwrap(*FColumns))
        return;
    std::vector<int> widths;
    for (int c = 0; c < FColumns->Count(); ++c)
        widths.push_back((*FColumns)[c].Width());
    const TDropDownItems& items = FVxDropDown->Items();
    for (int i = 0; i < items.Count(); ++i)
        SetRowHeights(i + 1, WrappedRowHeight(*FColumns, &items[i], FColumns->Count(), widths, FVxDropDown->Images()));
}

void TVxColGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    TCanvas& canvas = *Canvas();
    TVxMultiColumnDropDown& d = *FVxDropDown;
    if (d.OnDropDownDrawItem) {
        d.OnDropDownDrawItem(&d, ACol, ARow, canvas, ARect);
        return;
    }
    const int part = ACol == FixedCols() ? (ACol == ColCount() - 1 ? 0 : 1) : ACol == ColCount() - 1 ? 2 : 3;
    const bool header = ARow < FixedRows();
    TColor color = Color();
    TAlignment alignment = TAlignment::taLeftJustify;
    bool wrap = false;
    bool ellipsis = false;
    int imageIndex = -1;
    QString text;
    if (ACol < FColumns->Count()) {
        const TDropDownColumn& column = (*FColumns)[ACol];
        color = column.Color();
        alignment = column.Alignment();
        wrap = column.Wordwrap();
        ellipsis = column.Ellipsis();
        canvas.SetFont(column.Font());
        if (ARow > 0 && ARow - 1 < d.Items().Count()) {
            const TDropDownItem& item = d.Items()[ARow - 1];
            if (column.ColumnType() == TColumnType::ctImage)
                imageIndex = item.ImageIndex();
            item.ColumnText(ACol, text);
        }
    } else {
        canvas.SetFont(d.HeaderFont());
    }
    if (d.OnDropDownGetItemText)
        d.OnDropDownGetItemText(&d, ACol, ARow, text);

    TRect r = ARect;
    if (header) {
        text = ACol < FColumns->Count() ? (*FColumns)[ACol].Header() : QString();
        imageIndex = -1;
        canvas.SetFont(d.HeaderFont());
        if (d.HeaderColor() == clNone || d.HeaderColorTo() == clNone) {
            canvas.Brush().SetColor(d.HeaderColor());
            canvas.FillRect(r);
        } else {
            d.DrawBackgroundGradient(canvas, d.HeaderColor(), d.HeaderColorTo(), 80, r, TGradientDirection::gdVertical);
        }
    } else if (AState.testFlag(TGridDrawStateItem::gdSelected)) {
        d.DrawSelectionBackground(canvas, r, color, part);
    } else {
        canvas.Brush().SetColor(color);
        canvas.Pen().SetColor(color);
        canvas.Pen().SetWidth(1);
        canvas.Rectangle(r);
    }

    const int lineWidth = header ? 1 : FGridLineWidth;
    const int c2 = header ? 1 : (FGridLineWidth + 1) / 2;
    canvas.Pen().SetColor(header ? d.FixedLineColor() : d.LineColor());
    canvas.Pen().SetWidth(lineWidth);
    if (header || FGridLineWidth > 0) {
        if (Options().testFlag(header ? TGridOption::goFixedHorzLine : TGridOption::goHorzLine)) {
            canvas.MoveTo(r.Left - c2 + 1, r.Bottom - c2);
            canvas.LineTo(r.Right - c2 + 1, r.Bottom - c2);
        }
        if (Options().testFlag(header ? TGridOption::goFixedVertLine : TGridOption::goVertLine)) {
            const int x = r.Right - c2 + (UseRightToLeftAlignment() ? 1 : 0);
            canvas.MoveTo(x, r.Bottom - c2);
            canvas.LineTo(x, r.Top - c2);
        }
    }

    r = TRect{r.Left + FGridLineWidth, r.Top + FGridLineWidth, r.Right - FGridLineWidth, r.Bottom - FGridLineWidth};
    const TCustomImageList* images = d.Images();
    if (images && imageIndex >= 0) {
        const int lower = std::max(0, (r.Bottom - r.Top - images->Height()) / 2);
        images->Draw(canvas, r.Left + 2, r.Top + lower, imageIndex);
        r.Left += images->Width() + 4;
    } else {
        r.Left += 2;
    }
    if (text.isEmpty())
        return;
    unsigned format = DT_NOPREFIX | DT_EXPANDTABS | DT_VCENTER;
    format |= wrap ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE;
    format |= alignment == TAlignment::taRightJustify ? DT_RIGHT : alignment == TAlignment::taCenter ? DT_CENTER : DT_LEFT;
    if (ellipsis)
        format |= DT_END_ELLIPSIS;
    if (!header && AState.testFlag(TGridDrawStateItem::gdSelected))
        canvas.Font().SetColor(d.SelectionTextColor());
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.DrawText(text, r, format);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
}

void TVxColGrid::DoSelect()
{
    if (OnSelect)
        OnSelect(this);
}

void TVxColGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FConfirmSelection = true;
    TStringGrid::MouseDown(Button, Shift, X, Y);
}

void TVxColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TStringGrid::MouseUp(Button, Shift, X, Y);
    int c = -1;
    int r = -1;
    MouseToCell(X, Y, c, r);
    if (r >= FixedRows() && r < RowCount())
        DoSelect();
}

void TVxColGrid::KeyDown(std::uint16_t& Key, TShiftState Shift)
{
    FConfirmSelection = true;
    if ((Key == VK_UP || Key == VK_DOWN) && Shift.testFlag(TShiftStateItem::ssAlt))
        return;   // the edit's: it closes the pop-up
    TStringGrid::KeyDown(Key, Shift);
    if (Key == VK_RETURN)
        DoSelect();
}

bool TVxColGrid::Wheel(bool Down, TShiftState Shift, TPoint MousePos)
{
    FMouseWheelSelection = true;
    FConfirmSelection = false;
    const bool done = Down ? TStringGrid::DoMouseWheelDown(Shift, MousePos) : TStringGrid::DoMouseWheelUp(Shift, MousePos);
    FMouseWheelSelection = false;
    return done;
}

bool TVxColGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    return Wheel(true, Shift, MousePos);
}

bool TVxColGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    return Wheel(false, Shift, MousePos);
}

// Tab stays in the list and does nothing.
bool TVxColGrid::event(QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
            return true;
    }
    return TStringGrid::event(e);
}

} // namespace VxMultiColumn
