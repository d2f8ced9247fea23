#pragma once
// A drop-down whose pop-up hosts a whole grid of the grid library. In item mode the drop-down owns columns and
// items and writes them into the grid at every opening; each data row remembers the item it shows, so a row
// keeps its item when the user sorts the grid. In grid mode the application fills the grid itself.
// The multi-column drop-down has classes of the same names; these live in their own namespace.
#include "grid/core/VxStringGrid.h"
#include "widgets/dropdown/DropDownColumnItems.h"
#include "widgets/dropdown/VxDropDown.h"
#include <memory>
#include <vector>

class TCustomVxGridDropDown;

namespace VxGridDropDown {

using ::TColumnType;
using TDropDownColumn = TDropDownColumnOf<TCustomVxGridDropDown>;
using TDropDownItem = TDropDownItemOf<TCustomVxGridDropDown>;

class TDropDownColumns : public TItemCollection<TDropDownColumn> {
public:
    using TItemCollection::TItemCollection;
};

class TDropDownItems : public TItemCollection<TDropDownItem> {
public:
    using TItemCollection::TItemCollection;
};

enum class TLookupMethod { lmLookup, lmNarrowDown, lmNone };
enum class TDropDownStyle { dsDropDown, dsDropDownList };
enum class TGridSorting { gsNone, gsSingleColumn, gsMultiColumn };

// The grid in the pop-up.
class TVxColGrid : public TVxStringGrid {
public:
    explicit TVxColGrid(QWidget* AOwner = nullptr);
    ~TVxColGrid() override;

    void SetVxDropDown(TCustomVxGridDropDown* Value) { FVxDropDown = Value; }
    // Columns, counts, sizes and colours from the drop-down.
    void LoadFromDropDown(TCustomVxGridDropDown* DropDown);
    // The drop-down's items into the cells; each data row's first cell keeps the index of its item.
    void FillFromItems();
    // The item a row shows (the row itself for a row without one), and the first row showing an item (-1: none).
    int RowItem(int ARow) const;
    int ItemRow(int Index) const;
    TDropDownColumns& Columns() const { return *FColumns; }
    // The sum of the column widths, with the borders and, when not all rows show, the vertical scroll bar.
    int TotalWidth() const;
    // A key or mouse press in the grid confirms its row; a wheel turn only moves it.
    bool ConfirmSelection() const { return FConfirmSelection; }
    void SetConfirmSelection(bool Value) { FConfirmSelection = Value; }
    bool MouseWheelSelection() const { return FMouseWheelSelection; }

    TNotifyEvent OnSelect;

protected:
    virtual void DoSelect();
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void wheelEvent(QWheelEvent* e) override;
    bool WMChar(QChar& Key) override;
    bool event(QEvent* e) override;

private:
    class TRowItem;
    TObject* ItemTag(int Index);
    void AutoSizeItemColumns();
    void AutoSizeWrappedRows();

    TCustomVxGridDropDown* FVxDropDown = nullptr;
    std::unique_ptr<TDropDownColumns> FColumns;
    // The objects the rows' first cells refer to, one per item; the header's stands for -1.
    std::vector<std::unique_ptr<TRowItem>> FRowItems;
    std::unique_ptr<TRowItem> FHeaderItem;
    bool FMouseWheelSelection = false;
    bool FConfirmSelection = false;
};

} // namespace VxGridDropDown

class TCustomVxGridDropDown : public TVxCustomDropDown {
public:
    explicit TCustomVxGridDropDown(QWidget* AOwner = nullptr);
    ~TCustomVxGridDropDown() override;

    VxGridDropDown::TDropDownColumns& Columns() const { return *FColumns; }
    void SetColumns(const VxGridDropDown::TDropDownColumns& Value) { FColumns->Assign(Value); }
    VxGridDropDown::TDropDownItems& Items() const { return *FItems; }
    void SetItems(const VxGridDropDown::TDropDownItems& Value) { FItems->Assign(Value); }
    int RowCount() const { return FItems->Count(); }
    int ItemIndex() const { return FItemIndex; }
    // Item mode: a value at or beyond the item count is ignored. Grid mode: a data row of the grid, counted from 0.
    void SetItemIndex(int Value);
    bool UseItems() const { return FUseItems; }
    void SetUseItems(bool Value) { FUseItems = Value; }
    int LookupColumn() const { return FLookupColumn; }
    void SetLookupColumn(int Value) { FLookupColumn = Value; }
    VxGridDropDown::TLookupMethod LookupMethod() const { return FLookupMethod; }
    void SetLookupMethod(VxGridDropDown::TLookupMethod Value) { FLookupMethod = Value; }
    VxGridDropDown::TDropDownStyle Style() const { return FStyle; }
    // A list style makes the edit pick-only.
    void SetStyle(VxGridDropDown::TDropDownStyle Value);
    VxGridDropDown::TGridSorting Sorting() const { return FSorting; }
    void SetSorting(VxGridDropDown::TGridSorting Value) { FSorting = Value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
    bool GridEditable() const { return FGridEditable; }
    void SetGridEditable(bool Value) { FGridEditable = Value; }
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool Value) { FRowSelect = Value; }
    bool ColumnSizing() const { return FColumnSizing; }
    void SetColumnSizing(bool Value) { FColumnSizing = Value; }
    bool ColumnMoving() const { return FColumnMoving; }
    void SetColumnMoving(bool Value) { FColumnMoving = Value; }
    bool RowSizing() const { return FRowSizing; }
    void SetRowSizing(bool Value) { FRowSizing = Value; }
    bool RowMoving() const { return FRowMoving; }
    void SetRowMoving(bool Value) { FRowMoving = Value; }
    bool AutoShowDropDown() const { return FAutoShowDropDown; }
    void SetAutoShowDropDown(bool Value) { FAutoShowDropDown = Value; }
    bool AutoSizeColumns() const { return FAutoSizeColumns; }
    void SetAutoSizeColumns(bool Value) { FAutoSizeColumns = Value; }
    bool DropDownAutoWidth() const { return FDropDownAutoWidth; }
    void SetDropDownAutoWidth(bool Value) { FDropDownAutoWidth = Value; }
    bool ColumnSizeWithDropDown() const { return FColumnSizeWithDropDown; }
    void SetColumnSizeWithDropDown(bool Value) { FColumnSizeWithDropDown = Value; }
    int DropDownRowHeight() const { return FDropDownRowHeight; }
    void SetDropDownRowHeight(int Value) { FDropDownRowHeight = Value; }
    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int Value) { FHeaderHeight = Value; }
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
    bool HoverRow() const { return FHoverRow; }
    void SetHoverRow(bool Value) { FHoverRow = Value; }
    TColor HoverRowColor() const { return FHoverRowColor; }
    void SetHoverRowColor(TColor Value) { FHoverRowColor = Value; }
    TColor HoverRowColorTo() const { return FHoverRowColorTo; }
    void SetHoverRowColorTo(TColor Value) { FHoverRowColorTo = Value; }
    TCustomImageList* GridImages() const { return FGridImages; }
    void SetGridImages(TCustomImageList* Value);
    TSearchFooter& SearchFooter() const { return *FSearchFooter; }
    TNavigation& Navigation() const { return *FNavigation; }
    TMouseActions& MouseActions() const { return *FMouseActions; }
    TBands& Bands() const { return *FBands; }
    int GetVersionNr() const override { return 0x06000101; }

    // The embedded grid; the application fills it in grid mode.
    VxGridDropDown::TVxColGrid* GetGrid() const { return FVxColGrid; }
    // The first item (item mode) or grid row (grid mode) whose lookup text begins with Text.
    bool MatchLookupText(const QString& Text, QString& FullText, int& Row) const;
    // Items reach the edit's Return key only through EndUpdate.
    void BeginUpdate() {}
    void EndUpdate() { UpdateLookupItems(); }

    void SetComponentStyle(TZarnStyle AStyle) override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;

    TNotifyEvent OnSelect;
    // The embedded grid's events, passed on with the grid as sender.
    decltype(TVxStringGrid::OnAnchorClick) OnGridAnchorClick;
    decltype(TVxStringGrid::OnButtonClick) OnGridButtonClick;
    decltype(TVxStringGrid::OnEllipsClick) OnGridEllipsClick;
    decltype(TVxStringGrid::OnCheckBoxClick) OnGridCheckBoxClick;
    decltype(TVxStringGrid::OnGetAlignment) OnGridGetAlignment;
    decltype(TVxStringGrid::OnGetCellColor) OnGridGetCellColor;
    decltype(TVxStringGrid::OnGetFloatFormat) OnGridGetFloatFormat;
    decltype(TVxStringGrid::OnGetEditorType) OnGridGetEditorType;
    decltype(TVxStringGrid::OnCanEditCell) OnGridCanEditCell;
    decltype(TVxStringGrid::OnRightClickCell) OnGridRightClickCell;
    decltype(TVxStringGrid::OnCanSort) OnGridCanSort;
    decltype(TVxStringGrid::OnClickSort) OnGridClickSort;
    std::function<void(QObject* Sender, std::uint16_t& Key, TShiftState Shift)> OnGridKeyDown;
    std::function<void(QObject* Sender, std::uint16_t& Key, TShiftState Shift)> OnGridKeyUp;
    std::function<void(QObject* Sender, QChar& Key)> OnGridKeyPress;
    TNotifyEvent OnGridTopLeftChanged;

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
    void DoEnter() override;
    bool EditKeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    friend class VxGridDropDown::TVxColGrid;
    QString LookupText(int Index) const;
    void UpdateLookupItems();
    void SizeColumnsToDropDown();
    int RowToItem(int Row) const;
    int ItemToRow(int Index) const;
    int GetItemCount() const;
    void Select(int Index);
    void BindGridEvents();
    void GridSelect();
    void GridSelectCell(int ARow);
    // The type-ahead step after Ch: a grid row (grid mode, narrowing down) or an item (item mode), -1 for none.
    int LookupChar(QChar Ch);

    bool FCaseSensitive = false;
    bool FColumnSizing = false;
    bool FColumnMoving = false;
    int FLookupColumn = 0;
    VxGridDropDown::TLookupMethod FLookupMethod = VxGridDropDown::TLookupMethod::lmLookup;
    TColor FHeaderColorTo = 0x808080;
    TColor FHeaderColor = 0xFFFFFF;
    TColor FLineColor = 0xC0C0C0;
    bool FUseItems = true;
    std::unique_ptr<VxGridDropDown::TDropDownItems> FItems;
    std::unique_ptr<VxGridDropDown::TDropDownColumns> FColumns;
    int FItemIndex = -1;
    int FHeaderHeight = 25;
    TFont FHeaderFont;
    VxGridDropDown::TVxColGrid* FVxColGrid = nullptr;
    TColor FFixedLineColor = 0xD1BBA4;
    int FSelRow = 0;
    bool FRowSelect = true;
    QStringList FLookupItems;
    std::unique_ptr<TSearchFooter> FSearchFooter;
    std::unique_ptr<TBands> FBands;
    std::unique_ptr<TNavigation> FNavigation;
    std::unique_ptr<TMouseActions> FMouseActions;
    int FOldItemIndex = -1;
    bool FDropDownAutoWidth = true;
    bool FColumnSizeWithDropDown = true;
    TColor FSelectionTextColor = 0;
    int FDropDownRowHeight = 22;
    int FTempItemIndex = 0;
    VxGridDropDown::TDropDownStyle FStyle = VxGridDropDown::TDropDownStyle::dsDropDown;
    QString FLookupEntry;
    bool FHoverRow = false;
    TColor FHoverRowColor = clInfoBk;
    TColor FHoverRowColorTo = clNone;
    VxGridDropDown::TGridSorting FSorting = VxGridDropDown::TGridSorting::gsNone;
    bool FGridEditable = false;
    TCustomImageList* FGridImages = nullptr;
    bool FRowMoving = false;
    bool FRowSizing = false;
    bool FAutoShowDropDown = false;
    bool FAutoSizeColumns = true;
};
