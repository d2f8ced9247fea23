// The grid in the grid drop-down's pop-up.
#include "grid/foundation/GridOptionGroups.h"
#include "widgets/dropdown/VxCustomGridDropDown.h"
#include <QKeyEvent>
#include <QWheelEvent>

namespace VxGridDropDown {

// What a data row's first cell refers to: the index of the item the row shows, which moves with the row.
class TVxColGrid::TRowItem : public TObject {
public:
    explicit TRowItem(int Index) : FIndex(Index) {}
    int Index() const { return FIndex; }

private:
    int FIndex;
};

TVxColGrid::TVxColGrid(QWidget* AOwner)
    : TVxStringGrid(AOwner),
      FColumns(std::make_unique<TDropDownColumns>(this)),
      FHeaderItem(std::make_unique<TRowItem>(-1))
{
    SetFixedRowAlways(true);
    SetFixedRows(1);
    SetFixedCols(0);
    SetOptions((Options() | TGridOption::goHorzLine | TGridOption::goRowSelect) & ~TGridOptions(TGridOption::goRangeSelect));
    setFrameShape(QFrame::NoFrame);
}

TVxColGrid::~TVxColGrid() = default;

TObject* TVxColGrid::ItemTag(int Index)
{
    while (int(FRowItems.size()) <= Index)
        FRowItems.push_back(std::make_unique<TRowItem>(int(FRowItems.size())));
    return FRowItems[std::size_t(Index)].get();
}

int TVxColGrid::RowItem(int ARow) const
{
    const auto* tag = dynamic_cast<const TRowItem*>(GetObjectEx(0, ARow));
    return tag ? tag->Index() : ARow;
}

int TVxColGrid::ItemRow(int Index) const
{
    for (int r = FixedRows(); r < RowCount(); ++r) {
        const auto* tag = dynamic_cast<const TRowItem*>(GetObjectEx(0, r));
        if (tag && tag->Index() == Index)
            return r;
    }
    return -1;
}

void TVxColGrid::LoadFromDropDown(TCustomVxGridDropDown* DropDown)
{
    if (!DropDown)
        return;
    SetVxDropDown(DropDown);
    const TCustomVxGridDropDown& d = *DropDown;
    FColumns->Assign(d.Columns());
    if (ColCount() < FColumns->Count())
        SetColCount(FColumns->Count());
    if (d.UseItems())
        SetRowCount(d.Items().Count() + 1);
    for (int i = 0; i < FColumns->Count(); ++i)
        SetColWidths(i, (*FColumns)[i].Width());
    SetHoverRow(d.HoverRow());
    SetHoverRowColor(d.HoverRowColor());
    SetHoverRowColorTo(d.HoverRowColorTo());
    SetDefaultRowHeight(d.DropDownRowHeight());
    SetRowHeights(0, d.HeaderHeight());
    TGridOptions o = Options();
    o.setFlag(TGridOption::goColSizing, d.ColumnSizing());
    o.setFlag(TGridOption::goColMoving, d.ColumnMoving());
    o.setFlag(TGridOption::goRowSizing, d.RowSizing());
    o.setFlag(TGridOption::goRowMoving, d.RowMoving());
    SetOptions(o);
    if (d.AutoSizeColumns()) {
        if (d.UseItems())
            AutoSizeItemColumns();
        else
            TVxStringGrid::AutoSizeColumns(true, 4);
    }
    AutoSizeWrappedRows();
}

void TVxColGrid::FillFromItems()
{
    if (!FVxDropDown)
        return;
    const TDropDownItems& items = FVxDropDown->Items();
    SetColCount(FColumns->Count());
    for (int c = 0; c < FColumns->Count(); ++c) {
        SetCellEx(c, 0, (*FColumns)[c].Header());
        SetObjectEx(c, 0, FHeaderItem.get());
    }
    if (items.Count() > 0)
        SetRowCount(FixedRows() + items.Count());
    for (int k = 0; k < items.Count(); ++k) {
        for (int c = 0; c < FColumns->Count(); ++c) {
            QString text;
            items[k].ColumnText(c, text);
            SetCellEx(c, k + 1, text);
        }
        SetObjectEx(0, k + 1, ItemTag(k));
    }
}

int TVxColGrid::TotalWidth() const
{
    int w = 0;
    for (int i = 0; i < ColCount(); ++i)
        w += ColWidths(i);
    return ListTotalWidth(w, VisibleRowCount() + FixedRows() == RowCount());
}

void TVxColGrid::AutoSizeItemColumns()
{
    ::AutoSizeItemColumns(*FColumns, FVxDropDown->Items(), FVxDropDown->Images(), *this);
}

void TVxColGrid::AutoSizeWrappedRows()
{
    if (!AnyWordwrap(*FColumns))
        return;
    std::vector<int> widths;
    for (int c = 0; c < ColCount(); ++c)
        widths.push_back(ColWidths(c));
    const TDropDownItems& items = FVxDropDown->Items();
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetRowHeights(r, WrappedRowHeight(*FColumns, items.GetItem(r - 1), ColCount(), widths, FVxDropDown->Images()));
}

void TVxColGrid::DoSelect()
{
    if (OnSelect)
        OnSelect(this);
}

void TVxColGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FConfirmSelection = true;
    TVxStringGrid::MouseDown(Button, Shift, X, Y);
}

void TVxColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TVxStringGrid::MouseUp(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft)
        return;
    int c = -1;
    int r = -1;
    MouseToCell(X, Y, c, r);
    if (c >= 0 && r >= FixedRows() && r < RowCount() && !HasCheckBox(c, r))
        DoSelect();
}

void TVxColGrid::KeyDown(std::uint16_t& Key, TShiftState Shift)
{
    FConfirmSelection = true;
    if ((Key == VK_UP || Key == VK_DOWN) && Shift.testFlag(TShiftStateItem::ssAlt))
        return;   // the edit's: it closes the pop-up
    if (Key == VK_RETURN) {
        std::uint16_t none = 0;
        TVxStringGrid::KeyDown(none, Shift);
        DoSelect();
        return;
    }
    TVxStringGrid::KeyDown(Key, Shift);
}

void TVxColGrid::wheelEvent(QWheelEvent* e)
{
    FMouseWheelSelection = true;
    FConfirmSelection = false;
    TVxStringGrid::wheelEvent(e);
    FMouseWheelSelection = false;
}

bool TVxColGrid::WMChar(QChar& Key)
{
    return Key == QChar(13) || TVxStringGrid::WMChar(Key);
}

// Tab stays in the grid and does nothing.
bool TVxColGrid::event(QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
            return true;
    }
    return TVxStringGrid::event(e);
}

} // namespace VxGridDropDown
