#pragma once
// A drop-down whose pop-up lists items in several columns under a header row; the edit shows the selected
// item's text of the lookup column. The pop-up list is a toolkit string grid that paints every cell from the
// drop-down's items. The grid drop-down has classes of the same names; these live in their own namespace.
#include "platform/Grids.h"
#include "widgets/dropdown/DropDownColumnItems.h"
#include "widgets/dropdown/VxDropDown.h"
#include <QStringList>
#include <functional>
#include <vector>

class TVxMultiColumnDropDown;

namespace VxMultiColumn {

using ::TColumnType;
using TDropDownColumn = TDropDownColumnOf<TVxMultiColumnDropDown>;
using TDropDownItem = TDropDownItemOf<TVxMultiColumnDropDown>;

class TDropDownColumns : public TItemCollection<TDropDownColumn> {
public:
    using TItemCollection::TItemCollection;
};

class TDropDownItems : public TItemCollection<TDropDownItem> {
public:
    using TItemCollection::TItemCollection;
    // The first item whose string of Column is Value exactly; items without that string are skipped; -1 for none.
    int IndexInColumn(int Column, const QString& Value) const;
};

// Row 0 is the header; item i is row i + 1.
using TDrawCellEvent = std::function<void(QObject* Sender, int Column, int Row, TCanvas& ACanvas, const TRect& ARect)>;
using TGetCellTextEvent = std::function<void(QObject* Sender, int Column, int Row, QString& Text)>;

// The pop-up list of a multi-column drop-down.
class TVxColGrid : public TStringGrid {
public:
    explicit TVxColGrid(QWidget* parent = nullptr);

    void SetVxDropDown(TVxMultiColumnDropDown* Value) { FVxDropDown = Value; }
    // Columns, counts, sizes and colours from the drop-down.
    void LoadFromDropDown();
    TDropDownColumns& Columns() const { return *FColumns; }
    // The sum of the column widths, with the borders and, when not all rows show, the vertical scroll bar.
    int TotalWidth() const;
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int Value) { FGridLineWidth = Value; }
    // A key or mouse press in the grid confirms its row; a wheel turn only moves it.
    bool ConfirmSelection() const { return FConfirmSelection; }
    bool MouseWheelSelection() const { return FMouseWheelSelection; }

    TNotifyEvent OnSelect;

protected:
    virtual void DoSelect();
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    bool event(QEvent* e) override;

private:
    void AutoSizeColumns();
    void AutoSizeWrappedRows();
    bool Wheel(bool Down, TShiftState Shift, TPoint MousePos);

    TVxMultiColumnDropDown* FVxDropDown = nullptr;
    std::unique_ptr<TDropDownColumns> FColumns;
    int FGridLineWidth = 1;
    bool FMouseWheelSelection = false;
    bool FConfirmSelection = false;
};

} // namespace VxMultiColumn

class TVxMultiColumnDropDown : public TVxCustomDropDown {
public:
    explicit TVxMultiColumnDropDown(QWidget* AOwner = nullptr);
    ~TVxMultiColumnDropDown() override;

    VxMultiColumn::TDropDownColumns& Columns() const { return *FColumns; }
    void SetColumns(const VxMultiColumn::TDropDownColumns& Value) { FColumns->Assign(Value); }
    VxMultiColumn::TDropDownItems& Items() const { return *FItems; }
    void SetItems(const VxMultiColumn::TDropDownItems& Value) { FItems->Assign(Value); }
    int RowCount() const { return FItems->Count(); }
    int ItemIndex() const { return FItemIndex; }
    // A value at or beyond the item count is ignored; a valid one shows the item's lookup text.
    void SetItemIndex(int Value);
    int LookupColumn() const { return FLookupColumn; }
    void SetLookupColumn(int Value) { FLookupColumn = Value; }
    // The first item whose lookup string is Value exactly; -1 for none.
    int GetItemIndex(const QString& Value) const;
    // Items reach the Return key's lookup only through EndUpdate.
    void BeginUpdate() {}
    void EndUpdate() { UpdateLookupItems(); }

    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int Value) { FHeaderHeight = Value; }
    int DropDownRowHeight() const { return FDropDownRowHeight; }
    void SetDropDownRowHeight(int Value) { FDropDownRowHeight = Value; }
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
    TColor LineColor() const { return FLineColor; }
    void SetLineColor(TColor Value) { FLineColor = Value; }
    TColor FixedLineColor() const { return FFixedLineColor; }
    void SetFixedLineColor(TColor Value) { FFixedLineColor = Value; }
    TColor SelectionTextColor() const { return FSelectionTextColor; }
    void SetSelectionTextColor(TColor Value) { FSelectionTextColor = Value; }
    const TFont& HeaderFont() const { return FHeaderFont; }
    void SetHeaderFont(const TFont& Value) { FHeaderFont = Value; }
    bool ColumnSizing() const { return FColumnSizing; }
    void SetColumnSizing(bool Value) { FColumnSizing = Value; }
    bool DropDownAutoWidth() const { return FDropDownAutoWidth; }
    void SetDropDownAutoWidth(bool Value) { FDropDownAutoWidth = Value; }
    bool ColumnSizeWithDropDown() const { return FColumnSizeWithDropDown; }
    void SetColumnSizeWithDropDown(bool Value) { FColumnSizeWithDropDown = Value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
    VxMultiColumn::TVxColGrid* ColGrid() const { return FVxColGrid; }

    void SetComponentStyle(TZarnStyle AStyle) override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;

    TNotifyEvent OnSelect;
    VxMultiColumn::TDrawCellEvent OnDropDownDrawItem;
    VxMultiColumn::TGetCellTextEvent OnDropDownGetItemText;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void AdjustDropDownHeight(int& Height) override;
    void DoShowDropDown() override;
    void UpdateDropDownSize() override;
    void DoHideDropDown(bool Cancelled) override;
    void DoControlKeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void DoControlKeyUp(std::uint16_t& Key, TShiftState Shift) override;
    void DoControlKeyPress(QChar& Key) override;
    void DoFormSizing() override;
    void DoWheelNext() override;
    void DoWheelPrevious() override;
    bool EditKeyDown(std::uint16_t& Key, TShiftState Shift) override;

private:
    friend class VxMultiColumn::TVxColGrid;
    QString LookupText(int Index) const;
    void UpdateLookupItems();
    void SizeColumnsToDropDown();
    void Select(int Index);
    void GridSelect();
    // The pop-up's type-ahead: the item found for the search text after Ch, or -1.
    int LookupChar(QChar Ch);
    int MatchLookupText(const QString& Text) const;

    bool FShowing = false;
    bool FColumnSizing = false;
    int FLookupColumn = 0;
    TColor FHeaderColorTo = 0x808080;
    TColor FHeaderColor = 0xFFFFFF;
    TColor FLineColor = 0xC0C0C0;
    std::unique_ptr<VxMultiColumn::TDropDownItems> FItems;
    std::unique_ptr<VxMultiColumn::TDropDownColumns> FColumns;
    int FItemIndex = -1;
    int FHeaderHeight = 25;
    TFont FHeaderFont;
    VxMultiColumn::TVxColGrid* FVxColGrid = nullptr;
    TColor FFixedLineColor = 0xD1BBA4;
    QStringList FLookupItems;
    int FOldItemIndex = -1;
    bool FDropDownAutoWidth = true;
    bool FColumnSizeWithDropDown = true;
    TColor FSelectionTextColor = 0x000000;
    int FDropDownRowHeight = 22;
    QString FLookupEntry;
    bool FCaseSensitive = false;
};
