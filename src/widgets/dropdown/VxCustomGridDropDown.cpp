#include "widgets/dropdown/VxCustomGridDropDown.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/GridOptionGroups.h"
#include "widgets/dropdown/DropDownForm.h"
#include "widgets/dropdown/PopupPanels.h"
#include <QApplication>
#include <QKeyEvent>
#include <QStyle>

using namespace VxGridDropDown;

namespace {
constexpr int kPageItems = 10;

// The keys the pop-up's grid keeps for itself unless Alt is held.
bool IsGridKey(std::uint16_t Key, TShiftState Shift)
{
    return (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_HOME || Key == VK_UP || Key == VK_DOWN) &&
           !Shift.testFlag(TShiftStateItem::ssAlt);
}


// Passes a grid event on to the drop-down's event of the same type when that is assigned.
template <typename Event>
void Relay(Event& GridEvent, const Event& Own)
{
    GridEvent = [&Own](auto&&... args) {
        if (Own)
            Own(args...);
    };
}
} // namespace

TCustomVxGridDropDown::TCustomVxGridDropDown(QWidget* AOwner)
    : TVxCustomDropDown(AOwner),
      FItems(std::make_unique<TDropDownItems>(this)),
      FColumns(std::make_unique<TDropDownColumns>(this)),
      FSearchFooter(std::make_unique<TSearchFooter>(false)),
      FBands(std::make_unique<TBands>()),
      FNavigation(std::make_unique<TNavigation>()),
      FMouseActions(std::make_unique<TMouseActions>())
{
    FHeaderFont.SetColor(0x723708);
    SetDropDownColor(0xFFFFFF);
    SetDropDownHeight(200);
    FNavigation->SetHomeEndKey(THomeEndAction::heFirstLastRow);
}

TCustomVxGridDropDown::~TCustomVxGridDropDown() = default;

void TCustomVxGridDropDown::SetStyle(TDropDownStyle Value)
{
    FStyle = Value;
    SetEditorEnabled(Value == TDropDownStyle::dsDropDown);
}

void TCustomVxGridDropDown::SetGridImages(TCustomImageList* Value)
{
    FGridImages = Value;
    if (FVxColGrid)
        FVxColGrid->SetGridImages(Value);
}

QString TCustomVxGridDropDown::LookupText(int Index) const
{
    QString text;
    if (const TDropDownItem* item = FItems->GetItem(Index))
        item->ColumnText(FLookupColumn, text);
    return text;
}

void TCustomVxGridDropDown::SetItemIndex(int Value)
{
    if (FUseItems) {
        if (Value >= FItems->Count())
            return;
        FItemIndex = Value;
        SetText(Value >= 0 ? LookupText(Value) : QString());
        return;
    }
    if (!FVxColGrid) {
        FItemIndex = Value;
        return;
    }
    if (Value == FItemIndex || Value >= FVxColGrid->RowCount())
        return;
    FItemIndex = Value;
    SetText(Value >= 0 ? FVxColGrid->Cells(FLookupColumn, Value + 1) : QString());
}

int TCustomVxGridDropDown::GetItemCount() const
{
    if (FUseItems)
        return FItems->Count();
    return FVxColGrid ? FVxColGrid->RowCount() - FVxColGrid->FixedRows() : 0;
}

int TCustomVxGridDropDown::RowToItem(int Row) const
{
    return FVxColGrid && Row < FVxColGrid->RowCount() ? FVxColGrid->RowItem(Row) : Row;
}

int TCustomVxGridDropDown::ItemToRow(int Index) const
{
    const int row = FVxColGrid && Index >= 0 ? FVxColGrid->ItemRow(Index) : -1;
    return row >= 0 ? row : FItemIndex;
}

bool TCustomVxGridDropDown::MatchLookupText(const QString& Text, QString& FullText, int& Row) const
{
    FullText.clear();
    Row = -1;
    if (Text.isEmpty())
        return false;
    const Qt::CaseSensitivity cs = FCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (FUseItems) {
        for (int i = 0; i < FItems->Count(); ++i) {
            QString s;
            if ((*FItems)[i].ColumnText(FLookupColumn, s) && s.startsWith(Text, cs)) {
                Row = i;
                FullText = s;
                return true;
            }
        }
        return false;
    }
    if (!FVxColGrid)
        return false;
    for (int r = FVxColGrid->FixedRows(); r < FVxColGrid->RowCount(); ++r) {
        const QString s = FVxColGrid->Cells(FLookupColumn, r);
        if (s.startsWith(Text, cs)) {
            Row = r;
            FullText = s;
            return true;
        }
    }
    return false;
}

void TCustomVxGridDropDown::UpdateLookupItems()
{
    if (FLookupColumn < 0 || FItems->Count() == 0)
        return;
    FLookupItems.clear();
    for (int i = 0; i < FItems->Count(); ++i)
        FLookupItems.append(LookupText(i));
}

// ---- colours ----

void TCustomVxGridDropDown::SetSelectionColorStyle(TSelectionColorStyle Value)
{
    ListLineColors(Value, FLineColor, FFixedLineColor);
    TVxCustomDropDown::SetSelectionColorStyle(Value);
}

void TCustomVxGridDropDown::SetComponentStyle(TZarnStyle AStyle)
{
    TVxCustomDropDown::SetComponentStyle(AStyle);
    ApplyListDropDownStyle(*this, AStyle, false);
}

// ---- the pop-up ----

void TCustomVxGridDropDown::CreateDropDownForm()
{
    TVxCustomDropDown::CreateDropDownForm();
    if (!FVxColGrid)
        FVxColGrid = new TVxColGrid(DropDownForm());
    FVxColGrid->SetVxDropDown(this);
    FVxColGrid->setGeometry(0, 0, FVxColGrid->width(), 180);
    FVxColGrid->SetColor(DropDownColor());
    FVxColGrid->Navigation().SetHomeEndKey(THomeEndAction::heFirstLastRow);
    SetControl(FVxColGrid);
}

void TCustomVxGridDropDown::BindGridEvents()
{
    TVxColGrid& g = *FVxColGrid;
    Relay(g.OnAnchorClick, OnGridAnchorClick);
    Relay(g.OnButtonClick, OnGridButtonClick);
    Relay(g.OnEllipsClick, OnGridEllipsClick);
    Relay(g.OnCheckBoxClick, OnGridCheckBoxClick);
    Relay(g.OnGetEditorType, OnGridGetEditorType);
    Relay(g.OnCanEditCell, OnGridCanEditCell);
    Relay(g.OnRightClickCell, OnGridRightClickCell);
    g.OnGetAlignment = [this](QObject* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign) {
        if (ACol < FColumns->Count())
            HAlign = (*FColumns)[ACol].Alignment();
        if (OnGridGetAlignment)
            OnGridGetAlignment(Sender, ARow, ACol, HAlign, VAlign);
    };
    g.OnGetCellColor = [this](QObject* Sender, int ARow, int ACol, TGridDrawState AState, TBrush* ABrush, TFont* AFont) {
        if (ACol < FColumns->Count() && ABrush)
            ABrush->SetColor((*FColumns)[ACol].Color());
        if (OnGridGetCellColor)
            OnGridGetCellColor(Sender, ARow, ACol, AState, ABrush, AFont);
    };
    g.OnGetFloatFormat = [this](QObject* Sender, int ACol, int ARow, bool& IsFloat, QString& FloatFormat) {
        FloatFormat.clear();
        if (OnGridGetFloatFormat)
            OnGridGetFloatFormat(Sender, ACol, ARow, IsFloat, FloatFormat);
    };
    g.OnTopLeftChanged = [this](QObject*) {
        if (OnGridTopLeftChanged)
            OnGridTopLeftChanged(this);
    };
    g.OnSelect = [this](QObject*) { GridSelect(); };
    // The item selected before a sort is found again in its new row after it.
    g.OnCanSort = [this](QObject* Sender, int ACol, bool& DoSort) {
        FTempItemIndex = FItemIndex;
        if (OnGridCanSort)
            OnGridCanSort(Sender, ACol, DoSort);
    };
    g.OnClickSort = [this](QObject* Sender, int ACol) {
        const int row = ItemToRow(FTempItemIndex);
        if (row >= 0 && row < FVxColGrid->RowCount())
            FVxColGrid->SetRow(row);
        if (OnGridClickSort)
            OnGridClickSort(Sender, ACol);
    };
    g.OnSelectCell = [this](QObject*, int, int ARow, bool&) { GridSelectCell(ARow); };
}

void TCustomVxGridDropDown::DoBeforeDropDown()
{
    DropDownForm()->SetCancelOnDeActivate(false);
    TVxColGrid& g = *FVxColGrid;
    g.LoadFromDropDown(this);
    g.SetColor(DropDownColor());
    g.SortSettings().SetShow(FSorting != TGridSorting::gsNone);
    g.SortSettings().SetIndexShow(FSorting == TGridSorting::gsMultiColumn);
    BindGridEvents();
    g.SearchFooter().Assign(FSearchFooter.get());
    g.MouseActions().Assign(FMouseActions.get());
    g.Navigation().Assign(FNavigation.get());
    g.Bands().Assign(FBands.get());
    TGridOptions o = g.Options() | TGridOption::goThumbTracking;
    o.setFlag(TGridOption::goRowSelect, FRowSelect);
    o.setFlag(TGridOption::goEditing, FGridEditable);
    g.SetOptions(o);
    g.SetGridImages(FGridImages);
    g.SetComponentStyle(GetComponentStyle());
    if (FUseItems) {
        TVxCustomDropDown::DoBeforeDropDown();
        g.SetRowCount(FItems->Count() + 1);
        g.SetFixedRows(1);
        g.FillFromItems();
        const int r = ItemToRow(FItemIndex);
        if (r >= g.FixedRows() && r < g.RowCount())
            g.SetRow(r);
    } else {
        QString full;
        int row = -1;
        g.SetRow(MatchLookupText(Text(), full, row) ? row : g.FixedRows());
    }
    if (g.SortSettings().Column() >= 0 && g.SortSettings().Show())
        g.QSort();
    FOldItemIndex = FItemIndex;
    if (!FUseItems)
        TVxCustomDropDown::DoBeforeDropDown();
}

void TCustomVxGridDropDown::UpdateDropDownSize()
{
    TVxCustomDropDown::UpdateDropDownSize();
    if (FDropDownAutoWidth && DropDownForm()) {
        FVxColGrid->resize(FVxColGrid->TotalWidth(), FVxColGrid->height());
        DropDownForm()->resize(FVxColGrid->width() + 2 * DropDownBorderWidth(), DropDownForm()->height());
    }
}

void TCustomVxGridDropDown::AdjustDropDownHeight(int& Height)
{
    int chrome = 0;
    if (TDropDownForm* form = DropDownForm()) {
        if (form->Header() && form->Header()->isVisibleTo(form))
            chrome += form->Header()->height();
        if (form->Footer() && form->Footer()->isVisibleTo(form))
            chrome += form->Footer()->height();
    }
    Height = SnappedDropDownHeight(Height, chrome, FHeaderHeight, FDropDownRowHeight, 6);
}

void TCustomVxGridDropDown::DoShowDropDown()
{
    TVxCustomDropDown::DoShowDropDown();
    TVxColGrid& g = *FVxColGrid;
    if (!FUseItems)
        while (FColumns->Count() < g.ColCount())
            FColumns->Add();
    if (!DroppedDown())
        return;
    SizeColumnsToDropDown();
    const int visible = g.VisibleRowCount();
    if (visible + g.FixedRows() < g.RowCount() && (g.TopRow() + visible < g.Row() || g.Row() < g.TopRow()))
        g.SetTopRow(g.Row());
    FSelRow = g.FixedRows();
    g.setFocusPolicy(Qt::StrongFocus);
    g.setFocus(Qt::PopupFocusReason);
}

void TCustomVxGridDropDown::DoFormSizing()
{
    SizeColumnsToDropDown();
}

void TCustomVxGridDropDown::SizeColumnsToDropDown()
{
    if (!FColumnSizeWithDropDown || !FVxColGrid || FColumns->Count() == 0)
        return;
    TVxColGrid& g = *FVxColGrid;
    g.SetScrollBars(TScrollStyle::ssVertical);
    int room = DropDownForm()->width();
    if (g.VisibleRowCount() < g.RowCount() - g.FixedRows())
        room -= QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    std::vector<int> widths;
    for (int i = 0; i < g.ColCount(); ++i)
        widths.push_back(i < FColumns->Count() ? (*FColumns)[i].Width() : g.ColWidths(i));
    const std::vector<int> shared = SharedColumnWidths(widths, room);
    for (int i = 0; i < int(shared.size()); ++i)
        g.SetColWidths(i, shared[std::size_t(i)]);
}

void TCustomVxGridDropDown::GridSelectCell(int ARow)
{
    FSelRow = ARow;
    if (FVxColGrid->MouseWheelSelection())
        return;
    if (FUseItems) {
        SetItemIndex(RowToItem(ARow));
    } else {
        SetText(FVxColGrid->Cells(FLookupColumn, ARow));
        SetItemIndex(ARow - FVxColGrid->FixedRows());
    }
}

void TCustomVxGridDropDown::GridSelect()
{
    if (FVxColGrid->ConfirmSelection())
        SetItemIndex(FUseItems ? RowToItem(FVxColGrid->Row()) : FVxColGrid->Row() - 1);
    if (!FGridEditable)
        DoHideDropDown(false);
    if (OnSelect)
        OnSelect(this);
}

void TCustomVxGridDropDown::DoHideDropDown(bool Cancelled)
{
    if (DropDownForm() && DropDownForm()->isVisible()) {
        if (Cancelled) {
            SetItemIndex(FOldItemIndex);
        } else {
            if (FVxColGrid->ConfirmSelection())
                SetItemIndex(FUseItems ? RowToItem(FSelRow) : FSelRow - FVxColGrid->FixedRows());
            FOldItemIndex = FItemIndex;
            FVxColGrid->SetConfirmSelection(false);
        }
    }
    TVxCustomDropDown::DoHideDropDown(Cancelled);
    // The base's cancel puts back the text of the opening, which the item restored above already shows.
}

// ---- keys ----

void TCustomVxGridDropDown::Select(int Index)
{
    const int count = GetItemCount();
    if (count > 0)
        SetItemIndex(std::clamp(Index, 0, count - 1));
}

bool TCustomVxGridDropDown::EditKeyDown(std::uint16_t& Key, TShiftState Shift)
{
    TVxColGrid* g = FVxColGrid;
    if (g && g->Options().testFlag(TGridOption::goEditing) && g->EditMode() && Key == VK_RETURN &&
        !Shift.testFlag(TShiftStateItem::ssShift)) {
        g->HideInplaceEdit();
        SetText(g->Cells(FLookupColumn, g->Row()));
        SetItemIndex(g->Row() - g->FixedRows());
        Key = 0;
        return false;
    }
    if (Key == VK_RETURN && g)
        g->SetConfirmSelection(true);   // closing by Return takes the row
    const bool items = FLookupColumn >= 0 && FItems->Count() > 0;
    if (items && Key == VK_RETURN) {
        for (int i = 0; i < FLookupItems.size(); ++i)
            if (FLookupItems[i].compare(Text(), Qt::CaseInsensitive) == 0) {
                SetItemIndex(i);
                break;
            }
    }
    if (items && (Key == VK_ESCAPE || IsGridKey(Key, TShiftState()) || Key == VK_LEFT || Key == VK_RIGHT))
        FLookupEntry.clear();
    // The closed edit steps through the items whether or not the edit itself uses the key.
    const bool unused = TVxCustomDropDown::EditKeyDown(Key, Shift);
    if (items && Key == VK_ESCAPE)
        SetItemIndex(int(FLookupItems.indexOf(Text())));
    if (DroppedDown() || !isEnabled() || Shift.testFlag(TShiftStateItem::ssAlt) || GetItemCount() == 0)
        return unused;
    const bool none = FItemIndex < 0;
    const bool list = FStyle == TDropDownStyle::dsDropDownList && !Shift.testFlag(TShiftStateItem::ssShift);
    switch (Key) {
    case VK_PRIOR:
        Select(none ? 0 : FItemIndex - kPageItems);
        break;
    case VK_NEXT:
        Select(none ? 0 : FItemIndex + kPageItems);
        break;
    case VK_UP:
        Select(none ? 0 : FItemIndex - 1);
        break;
    case VK_DOWN:
        Select(none ? 0 : FItemIndex + 1);
        break;
    case VK_HOME:
        if (!list)
            return unused;
        Select(0);
        break;
    case VK_END:
        if (!list)
            return unused;
        Select(GetItemCount() - 1);
        break;
    default:
        return unused;
    }
    FLookupEntry.clear();
    Key = 0;
    return false;
}

// A character typed in the closed edit searches too, and may open the pop-up.
void TCustomVxGridDropDown::keyPressEvent(QKeyEvent* e)
{
    TVxCustomDropDown::keyPressEvent(e);
    if (e->text().isEmpty() || DroppedDown() || !e->text().at(0).isPrint())
        return;
    LookupChar(e->text().at(0));
    if (FAutoShowDropDown)
        ShowDropDown();
}

void TCustomVxGridDropDown::DoEnter()
{
    TVxCustomDropDown::DoEnter();
    if (FVxColGrid)
        FVxColGrid->RemoveAllFilters();
    FLookupEntry.clear();
}

void TCustomVxGridDropDown::DoWheelNext()
{
    TVxCustomDropDown::DoWheelNext();
    // Over the open pop-up the wheel is the grid's: it moves the row without selecting.
    if (!DroppedDown())
        Select(FItemIndex < 0 ? 0 : FItemIndex + 1);
}

void TCustomVxGridDropDown::DoWheelPrevious()
{
    TVxCustomDropDown::DoWheelPrevious();
    if (!DroppedDown())
        Select(FItemIndex < 0 ? 0 : FItemIndex - 1);
}

void TCustomVxGridDropDown::DoControlKeyDown(std::uint16_t& Key, TShiftState Shift)
{
    if (!IsGridKey(Key, Shift))
        TVxCustomDropDown::DoControlKeyDown(Key, Shift);
    if (OnGridKeyDown)
        OnGridKeyDown(this, Key, Shift);
}

void TCustomVxGridDropDown::DoControlKeyUp(std::uint16_t& Key, TShiftState Shift)
{
    if (IsGridKey(Key, Shift))
        FLookupEntry.clear();
    else
        TVxCustomDropDown::DoControlKeyUp(Key, Shift);
    if (OnGridKeyUp)
        OnGridKeyUp(this, Key, Shift);
}

void TCustomVxGridDropDown::DoControlKeyPress(QChar& Key)
{
    TVxColGrid& g = *FVxColGrid;
    const bool alt = QGuiApplication::keyboardModifiers().testFlag(Qt::AltModifier);
    const bool editing = g.Options().testFlag(TGridOption::goEditing);
    if (((Key == QChar(13) || Key == QChar(27)) && !alt) || editing) {
        FLookupEntry.clear();
    } else {
        int row = LookupChar(Key);
        // An item is shown in the row that holds it, wherever a sort has put it.
        if (row >= 0 && FUseItems && FLookupMethod == TLookupMethod::lmLookup)
            row = ItemToRow(row);
        if (row < g.FixedRows() || row >= g.RowCount()) {
            FLookupEntry.clear();
        } else {
            if (g.VisibleRowCount() + g.FixedRows() < g.RowCount())
                g.SetTopRow(row);
            g.SetRow(row);
            g.SetCol(0);
            g.RepaintRow(row);
        }
    }
    if (OnGridKeyPress)
        OnGridKeyPress(this, Key);
    // An editable grid types the character into its cell.
    if (!editing)
        Key = QChar();
}

int TCustomVxGridDropDown::LookupChar(QChar Ch)
{
    if (FLookupMethod == TLookupMethod::lmNone)
        return -1;
    if (Ch == QChar(8)) {
        // Backspace starts a new search and shortens the shown text by one character.
        FLookupEntry.clear();
        SetText(Text().left(std::max<qsizetype>(0, Text().size() - 1)));
        setCursorPosition(int(Text().size()));
        return -1;
    }
    if (Ch != QChar(9))
        FLookupEntry += Ch;
    const QString s = FLookupEntry.trimmed();
    const bool editable = FStyle == TDropDownStyle::dsDropDown;
    if (FLookupMethod == TLookupMethod::lmNarrowDown) {
        TVxColGrid& g = *FVxColGrid;
        if (s.isEmpty()) {
            g.RemoveAllFilters();
        } else {
            g.SetFixedRowAlways(true);
            g.NarrowDown(s, FLookupColumn);
            if (editable && g.RowCount() > g.FixedRows()) {
                const QString text = g.Cells(FLookupColumn, g.FixedRows());
                SetText(text);
                setSelection(int(FLookupEntry.size()), int(text.size() - FLookupEntry.size()));
            }
        }
        return g.FixedRows();
    }
    QString full;
    int row = -1;
    if (MatchLookupText(s, full, row)) {
        FItemIndex = FUseItems || !FVxColGrid ? row : row - FVxColGrid->FixedRows();
        SetText(full);
        if (editable)
            setSelection(int(FLookupEntry.size()), int(full.size() - FLookupEntry.size()));
        return row;
    }
    if (editable)
        return -1;
    if (MatchLookupText(QString(Ch), full, row)) {
        FItemIndex = FUseItems || !FVxColGrid ? row : row - FVxColGrid->FixedRows();
        SetText(full);
        FLookupEntry = QString(Ch);
        return row;
    }
    FLookupEntry.clear();
    return -1;
}
