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

struct TMultiColumnStyle {
    TColor header, headerTo;
    TSelectionColorStyle selection;
    bool setFont;
    TColor font, text, line, fixedLine;
};
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
    if (Value == TSelectionColorStyle::scOffice2007) {
        FLineColor = 0xF1EDEB;
        FFixedLineColor = 0xD1BBA4;
    } else if (Value == TSelectionColorStyle::scWindowsVista || Value == TSelectionColorStyle::scWindows7) {
        FLineColor = 0xECECF0;
        FFixedLineColor = 0xD4D2D1;
    }
    TVxCustomDropDown::SetSelectionColorStyle(Value);
}

void TVxMultiColumnDropDown::SetComponentStyle(TZarnStyle AStyle)
{
    using S = TSelectionColorStyle;
    TVxCustomDropDown::SetComponentStyle(AStyle);
    // By style value; tsCustom (index 8) changes nothing.
    static const TMultiColumnStyle kStyles[] = {
        {0xD68759, 0x933803, S::scOffice2007, true, 0xFFFFFF, 0, 0x962D00, 0x962D00},
        {0xBDA4A5, 0x957475, S::scOffice2007, false, 0, 0, 0x947C7C, 0x947C7C},
        {0x82C0AF, 0x447A63, S::scOffice2007, false, 0, 0, 0x588060, 0x588060},
        {0x808080, 0x808080, S::scOffice2007, false, 0, 0, 0x808080, 0x808080},
        {0xFFEFE3, 0xFFD2AF, S::scOffice2007, true, 0x723708, 0, 0xFFD2AF, 0xFFD2AF},
        {0xF2F1F0, 0xC9C2BD, S::scOffice2007, true, 0x433C37, 0, 0x5C534C, 0x5C534C},
        {clBtnFace, clBtnFace, S::scCustom, true, 0, clHighlightText, 0xC0C0C0, 0x000000},
        {0xEBEEEF, 0x7E9898, S::scOffice2007, true, 0xFFFFFF, 0, 0x962D00, 0x962D00},
        {},
        {0xF8F7F6, 0xE8E0DB, S::scOffice2007, true, 0x8B4215, 0, 0x74706F, 0x74706F},
        {0xFFFDF9, 0xFFFAF0, S::scWindowsVista, true, 0, 0, 0xFCF2DA, 0xFCF2DA},
        {0xFDFBFA, 0xFDF3EB, S::scWindows7, true, 0, 0, 0xFBD6B8, 0xFBD6B8},
        {clBtnFace, clBtnFace, S::scCustom, true, 0, clHighlightText, 0x808080, 0x808080},
        {0xEDDBCD, clNone, S::scCustom, true, 0x5B391E, 0, 0xEEDDCF, 0xEEDDCF},
        {0xEDE9E5, clNone, S::scCustom, true, 0x5B391E, 0, 0xEEDDCF, 0xEEDDCF},
        {0x828282, clNone, S::scCustom, true, 0xD7D7D6, 0, 0xEEDDCF, 0xEEDDCF},
    };
    if (AStyle == TZarnStyle::tsCustom)
        return;
    const TMultiColumnStyle& s = kStyles[int(AStyle)];
    FHeaderColor = s.header;
    FHeaderColorTo = s.headerTo;
    SetSelectionColorStyle(s.selection);
    if (s.setFont)
        FHeaderFont.SetColor(s.font);
    FSelectionTextColor = s.text;
    FLineColor = s.line;
    FFixedLineColor = s.fixedLine;
    if (AStyle == TZarnStyle::tsWindowsXP || AStyle == TZarnStyle::tsTerminal) {
        SetSelectionColor(clHighlight);
        SetSelectionColorTo(clHighlight);
    } else if (s.headerTo == clNone) {
        SetSelectionColor(0x6CD0FF);
        SetSelectionColorTo(0x6CD0FF);
    }
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
