#include "widgets/dropdown/VxMultiColumnDropDown.h"
#include "widgets/dropdown/DropDownForm.h"
#include "widgets/dropdown/PopupPanels.h"
#include <QApplication>
#include <QStyle>

using namespace VxMultiColumn;

namespace {
constexpr int kPageItems = 10;

// The keys the pop-up's list keeps for itself unless Alt is held.
bool IsListKey(std::uint16_t Key, TShiftState Shift)
{
    return (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN) &&
           !Shift.testFlag(TShiftStateItem::ssAlt);
}

} // namespace

TVxMultiColumnDropDown::TVxMultiColumnDropDown(QWidget* AOwner)
    : TVxCustomDropDown(AOwner),
      FItems(std::make_unique<TDropDownItems>(this)),
      FColumns(std::make_unique<TDropDownColumns>(this))
{
    FHeaderFont.SetColor(0x723708);
    SetDropDownColor(0xFFFFFF);
    SetDropDownHeight(200);
}

TVxMultiColumnDropDown::~TVxMultiColumnDropDown() = default;

QString TVxMultiColumnDropDown::LookupText(int Index) const
{
    QString text;
    if (const TDropDownItem* item = FItems->GetItem(Index))
        item->ColumnText(FLookupColumn, text);
    return text;
}

void TVxMultiColumnDropDown::SetItemIndex(int Value)
{
    if (Value >= FItems->Count())
        return;
    FItemIndex = Value;
    SetText(Value >= 0 ? LookupText(Value) : QString());
}

int TVxMultiColumnDropDown::GetItemIndex(const QString& Value) const
{
    return FItems->IndexInColumn(FLookupColumn, Value);
}

void TVxMultiColumnDropDown::UpdateLookupItems()
{
    if (FLookupColumn < 0 || FItems->Count() == 0)
        return;
    FLookupItems.clear();
    for (int i = 0; i < FItems->Count(); ++i)
        FLookupItems.append(LookupText(i));
}

// ---- colours ----

void TVxMultiColumnDropDown::SetSelectionColorStyle(TSelectionColorStyle Value)
{
    ListLineColors(Value, FLineColor, FFixedLineColor);
    TVxCustomDropDown::SetSelectionColorStyle(Value);
}

void TVxMultiColumnDropDown::SetComponentStyle(TZarnStyle AStyle)
{
    TVxCustomDropDown::SetComponentStyle(AStyle);
    ApplyListDropDownStyle(*this, AStyle, true);
}

// ---- the pop-up ----

void TVxMultiColumnDropDown::CreateDropDownForm()
{
    TVxCustomDropDown::CreateDropDownForm();
    if (!FVxColGrid)
        FVxColGrid = new TVxColGrid(DropDownForm());
    FVxColGrid->SetVxDropDown(this);
    FVxColGrid->setGeometry(0, 0, FVxColGrid->width(), 180);
    FVxColGrid->SetColor(DropDownColor());
    FVxColGrid->OnSelectCell = [this](QObject*, int, int ARow, bool&) {
        if (!FVxColGrid->MouseWheelSelection() && !FShowing)
            SetItemIndex(ARow - 1);
    };
    FVxColGrid->OnSelect = [this](QObject*) { GridSelect(); };
    SetControl(FVxColGrid);
}

void TVxMultiColumnDropDown::DoBeforeDropDown()
{
    TVxCustomDropDown::DoBeforeDropDown();
    DropDownForm()->SetCancelOnDeActivate(false);
    FShowing = true;
    FVxColGrid->LoadFromDropDown();
    FVxColGrid->SetOptions(FVxColGrid->Options() | TGridOption::goThumbTracking);
    FVxColGrid->SetColor(DropDownColor());
    if (FVxColGrid->RowCount() > 1)
        FVxColGrid->SetRow(std::max(FItemIndex + 1, FVxColGrid->FixedRows()));
    FOldItemIndex = FItemIndex;
    FLookupEntry.clear();
}

void TVxMultiColumnDropDown::UpdateDropDownSize()
{
    TVxCustomDropDown::UpdateDropDownSize();
    if (FDropDownAutoWidth && DropDownForm()) {
        FVxColGrid->resize(FVxColGrid->TotalWidth(), FVxColGrid->height());
        DropDownForm()->resize(FVxColGrid->width() + 2 * DropDownBorderWidth(), DropDownForm()->height());
    }
}

void TVxMultiColumnDropDown::AdjustDropDownHeight(int& Height)
{
    int chrome = 0;
    if (TDropDownForm* form = DropDownForm()) {
        if (form->Header() && form->Header()->isVisibleTo(form))
            chrome += form->Header()->height();
        if (form->Footer() && form->Footer()->isVisibleTo(form))
            chrome += form->Footer()->height();
    }
    Height = SnappedDropDownHeight(Height, chrome, FHeaderHeight, FDropDownRowHeight, 2);
}

void TVxMultiColumnDropDown::DoShowDropDown()
{
    TVxCustomDropDown::DoShowDropDown();
    if (!DroppedDown()) {
        FShowing = false;
        return;
    }
    SizeColumnsToDropDown();
    if (FVxColGrid->RowCount() > 1) {
        FVxColGrid->SetRow(FItemIndex + 1 > 0 ? FItemIndex + 1 : 1);
        const TRect r = FVxColGrid->CellRect(0, FVxColGrid->Row());
        if (r.Right <= r.Left || r.Bottom <= r.Top)
            FVxColGrid->SetTopRow(std::max(FVxColGrid->FixedRows(),
                                           FVxColGrid->Row() - FVxColGrid->VisibleRowCount() + 1));
    }
    FShowing = false;
}

void TVxMultiColumnDropDown::DoFormSizing()
{
    SizeColumnsToDropDown();
}

void TVxMultiColumnDropDown::SizeColumnsToDropDown()
{
    if (!FColumnSizeWithDropDown || !FVxColGrid || FVxColGrid->ColCount() == 0 || FColumns->Count() == 0)
        return;
    FVxColGrid->SetScrollBars(TScrollStyle::ssVertical);
    int room = DropDownForm()->width();
    if (FVxColGrid->VisibleRowCount() < FVxColGrid->RowCount() - FVxColGrid->FixedRows())
        room -= QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    std::vector<int> widths;
    for (int i = 0; i < FVxColGrid->ColCount(); ++i)
        widths.push_back(FVxColGrid->ColWidths(i));
    const std::vector<int> shared = SharedColumnWidths(widths, room);
    for (int i = 0; i < int(shared.size()); ++i)
        FVxColGrid->SetColWidths(i, shared[std::size_t(i)]);
}

void TVxMultiColumnDropDown::GridSelect()
{
    if (FVxColGrid->ConfirmSelection())
        SetItemIndex(FVxColGrid->Row() - 1);
    DoHideDropDown(false);
    if (OnSelect)
        OnSelect(this);
}

void TVxMultiColumnDropDown::DoHideDropDown(bool Cancelled)
{
    if (!DropDownForm() || !DropDownForm()->isVisible()) {
        TVxCustomDropDown::DoHideDropDown(Cancelled);
        return;
    }
    TVxCustomDropDown::DoHideDropDown(Cancelled);
    if (Cancelled) {
        SetItemIndex(FOldItemIndex);
    } else if (FVxColGrid->ConfirmSelection()) {
        SetItemIndex(FVxColGrid->Row() - 1);
        FOldItemIndex = FItemIndex;
    }
}

// ---- keys ----

void TVxMultiColumnDropDown::Select(int Index)
{
    if (FItems->Count() > 0)
        SetItemIndex(std::clamp(Index, 0, FItems->Count() - 1));
}

bool TVxMultiColumnDropDown::EditKeyDown(std::uint16_t& Key, TShiftState Shift)
{
    if (FLookupColumn >= 0 && FItems->Count() > 0 && Key == VK_RETURN) {
        const int found = FLookupItems.indexOf(Text(), 0);
        const int index = found >= 0 ? found : [&] {
            for (int i = 0; i < FLookupItems.size(); ++i)
                if (FLookupItems[i].compare(Text(), Qt::CaseInsensitive) == 0)
                    return i;
            return -1;
        }();
        if (index >= 0)
            SetItemIndex(index);
    }
    // The closed edit steps through the items whether or not the edit itself uses the key.
    const bool unused = TVxCustomDropDown::EditKeyDown(Key, Shift);
    if (Key == VK_ESCAPE && FLookupColumn >= 0 && FItems->Count() > 0)
        SetItemIndex(GetItemIndex(Text()));
    if (DroppedDown() || !isEnabled() || Shift.testFlag(TShiftStateItem::ssAlt) || FItems->Count() == 0)
        return unused;
    const bool none = FItemIndex < 0;
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
        if (EditorEnabled())
            return unused;
        Select(0);
        break;
    case VK_END:
        if (EditorEnabled())
            return unused;
        Select(FItems->Count() - 1);
        break;
    default:
        return unused;
    }
    Key = 0;
    return false;
}

void TVxMultiColumnDropDown::DoWheelNext()
{
    TVxCustomDropDown::DoWheelNext();
    if (!DroppedDown() && FItems->Count() > 0)
        Select(FItemIndex < 0 ? 0 : FItemIndex + 1);
}

void TVxMultiColumnDropDown::DoWheelPrevious()
{
    TVxCustomDropDown::DoWheelPrevious();
    if (!DroppedDown() && FItems->Count() > 0)
        Select(FItemIndex < 0 ? 0 : FItemIndex - 1);
}

void TVxMultiColumnDropDown::DoControlKeyDown(std::uint16_t& Key, TShiftState Shift)
{
    if (!IsListKey(Key, Shift))
        TVxCustomDropDown::DoControlKeyDown(Key, Shift);
}

void TVxMultiColumnDropDown::DoControlKeyUp(std::uint16_t& Key, TShiftState Shift)
{
    if (!IsListKey(Key, Shift))
        TVxCustomDropDown::DoControlKeyUp(Key, Shift);
}

void TVxMultiColumnDropDown::DoControlKeyPress(QChar& Key)
{
    if (Key == QChar(13) || Key == QChar(27)) {
        TVxCustomDropDown::DoControlKeyPress(Key);
        return;
    }
    if (FVxColGrid->Options().testFlag(TGridOption::goEditing))
        return;
    const int found = LookupChar(Key);
    if (found < 0) {
        FLookupEntry.clear();
    } else {
        const int row = found + FVxColGrid->FixedRows();
        if (row < FVxColGrid->TopRow() || row >= FVxColGrid->TopRow() + FVxColGrid->VisibleRowCount())
            FVxColGrid->SetTopRow(row);
        FShowing = true;   // the row follows the item; the item is already taken
        FVxColGrid->SetRow(row);
        FVxColGrid->SetCol(0);
        FShowing = false;
    }
    Key = QChar();
}

int TVxMultiColumnDropDown::MatchLookupText(const QString& Text) const
{
    if (!FVxColGrid || Text.isEmpty())
        return -1;
    const Qt::CaseSensitivity cs = FCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = 0; i < FItems->Count(); ++i) {
        QString s;
        if ((*FItems)[i].ColumnText(FLookupColumn, s) && s.startsWith(Text, cs))
            return i;
    }
    return -1;
}

int TVxMultiColumnDropDown::LookupChar(QChar Ch)
{
    if (Ch == QChar(8)) {
        // Backspace starts a new search and shortens the shown text by one character.
        FLookupEntry.clear();
        SetText(Text().left(std::max<qsizetype>(0, Text().size() - 1)));
        setCursorPosition(int(Text().size()));
        return -1;
    }
    if (Ch != QChar(9))
        FLookupEntry += Ch;
    int found = MatchLookupText(FLookupEntry);
    if (found >= 0) {
        FItemIndex = found;
        const QString text = LookupText(found);
        SetText(text);
        setSelection(int(FLookupEntry.size()), int(text.size() - FLookupEntry.size()));
        return found;
    }
    found = MatchLookupText(QString(Ch));
    if (found >= 0) {
        FItemIndex = found;
        SetText(LookupText(found));
        FLookupEntry = QString(Ch);
        return found;
    }
    FLookupEntry.clear();
    return -1;
}
