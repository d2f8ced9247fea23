#include "widgets/dropdown/VxDetailDropDown.h"
#include "grid/core/DropDownDraw.h"
#include "widgets/dropdown/PickerKeys.h"
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>

// ---- items ----

void TDetailItem::Assign(const TDetailItem& Source)
{
    SetCaption(Source.FCaption);
    SetImageIndex(Source.FImageIndex);
    FImage.Assign(Source.FImage);
    FEnabled = Source.FEnabled;
    FNotes = Source.FNotes;
    FTag = Source.FTag;
    FItemObject = Source.FItemObject;
}

void TDetailItem::SetCaption(const QString& Value)
{
    SetProperty(FCaption, Value, [this] { FCollection->Changed(); });
}

void TDetailItem::SetImageIndex(int Value)
{
    SetProperty(FImageIndex, Value, [this] { FCollection->Changed(); });
}

int TDetailItems::IndexOf(const QString& AValue) const
{
    for (int i = 0; i < Count(); ++i)
        if ((*this)[i].Caption() == AValue)
            return i;
    return -1;
}

// ---- the control ----

TVxDetailDropDown::TVxDetailDropDown(QWidget* AOwner)
    : TVxItemPickerDropDown(AOwner), FItems(std::make_unique<TDetailItems>(this)), FCaptionFont(TFont::fromQFont(font())),
      FNotesFont(FCaptionFont)
{
    SetEditorEnabled(true);
    SetDropDownEnabled(true);
}

TVxDetailDropDown::~TVxDetailDropDown() = default;

void TVxDetailDropDown::SetItemIndex(int Value)
{
    if (Value == FItemIndex)
        return;
    if (const TDetailItem* item = FItems->GetItem(Value)) {
        FItemIndex = Value;
        ShowCaption(item->Caption());
        setSelection(0, int(text().size()));
        update();
        if (FItemSelector)
            FItemSelector->Panel()->update();
        if (OnSelect)
            OnSelect(this);
    } else if (Value == -1) {
        ShowCaption(QString());
        FItemIndex = -1;
    }
}

void TVxDetailDropDown::ShowCaption(const QString& Caption)
{
    // A caption that begins another item's caption would otherwise complete to that item.
    QScopedValueRollback<bool> guard(FCompleting, true);
    SetText(Caption);
}

// ---- the pop-up ----

void TVxDetailDropDown::CreateDropDownForm()
{
    TVxCustomDropDown::CreateDropDownForm();
    if (!FItemSelector) {
        FItemSelector = new TVxCustomItemSelector(DropDownForm());
        FItemSelector->SetSelectorType(TSelectorType::stImage);
        FItemSelector->setGeometry(0, 0, FItemSelector->width(), 150);
        FItemSelector->OnDrawItem = [this](QObject*, TCanvas& Canvas, const TRect& R, int Index) {
            DrawRow(Canvas, R, Index);
        };
        FItemSelector->OnItemSize = [this](QObject*, TSize& ASize) { ASize = RowSize(); };
        FItemSelector->OnResize = [this](QObject*) { FItemSelector->UpdateSelectorPanel(); };
        FItemSelector->UpdateSelectorPanel();
    }
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->UpdateSelectorPanel();
    SetControl(FItemSelector);
}

void TVxDetailDropDown::FillSelector()
{
    auto fill = [this](int i, TSelectorItem& item) {
        const TDetailItem& d = (*FItems)[i];
        item.SetCaption(d.Caption());
        item.SetImage(d.Image());
        item.SetImageIndex(d.ImageIndex());
    };
    FItemSelector->LoadItems(1, Images(), FLayout, DropDownColor(), *FItemAppearance, FItems->Count(), fill,
                             FItemIndex);
    FItemSelector->OnItemSelect = [this](QObject*) { GuardEvent([this] { SelectorItemSelect(); }); };
}

void TVxDetailDropDown::DoBeforeDropDown()
{
    TVxCustomDropDown::DoBeforeDropDown();
    FillSelector();
    FOldItemIndex = FItemIndex;
}

void TVxDetailDropDown::DoShowDropDown()
{
    TVxCustomDropDown::DoShowDropDown();
    if (DroppedDown())
        FItemSelector->setFocus(Qt::PopupFocusReason);
}

void TVxDetailDropDown::UpdateDropDownSize()
{
    if (DropDownWidth() <= 0)
        FItemSelector->resize(width(), FItemSelector->height());
    if (DropDownHeight() <= 0)
        FItemSelector->resize(FItemSelector->width(), 100);
    TVxCustomDropDown::UpdateDropDownSize();
}

TSize TVxDetailDropDown::RowSize() const
{
    int w = DropDownWidth() <= 0 ? DropDownForm()->width() : DropDownWidth();
    if (FItemSelector->VertScrollBarVisible())
        w -= style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return {w - 2 - 4, FItemHeight};
}

void TVxDetailDropDown::DoFormSizing()
{
    FItemSelector->UpdateSelectorPanel();
}

void TVxDetailDropDown::DoHideDropDown(bool Cancelled)
{
    TVxCustomDropDown::DoHideDropDown(Cancelled);
    if (Cancelled && FItemSelector && FOldItemIndex != -1)
        SetItemIndex(FOldItemIndex);
}

void TVxDetailDropDown::SelectorItemSelect()
{
    const int index = FItemSelector->ItemIndex();
    SetItemIndex(index);
    if (const TDetailItem* item = FItems->GetItem(index)) {
        ShowCaption(item->Caption());
        setSelection(0, int(text().size()));
    }
    if (!FInternalCall)
        DoHideDropDown(false);
}

void TVxDetailDropDown::DrawRow(TCanvas& Canvas, const TRect& R, int Index)
{
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, Canvas, R);
        return;
    }
    const TDetailItem* item = FItems->GetItem(Index);
    if (!item)
        return;
    TRect r = R;
    const bool captioned = !item->Caption().isEmpty();
    auto left = [&](int w) { return captioned ? r.Left + 2 : r.Left + (r.Width() - w) / 2; };
    if (item->Image().Empty() && Images() && item->ImageIndex() >= 0) {
        Images()->Draw(Canvas, left(Images()->Width()), r.Top + (r.Height() - Images()->Height()) / 2,
                       item->ImageIndex(), true);
        r.Left += Images()->Width() + 4;
    } else if (!item->Image().Empty()) {
        TBitmap picture;
        picture.Assign(item->Image());
        picture.SetTransparent(true);
        picture.SetTransparentMode(TTransparentMode::tmAuto);
        Canvas.Draw(left(picture.Width()), r.Top + (r.Height() - picture.Height()) / 2, picture);
        r.Left += picture.Width() + 4;
    }
    auto stateColour = [&](TFont& font) {
        if (Index == FItemSelector->ItemHot())
            font.SetColor(FItemAppearance->ColorHotText);
        if (Index == FItemIndex)
            font.SetColor(FItemAppearance->ColorSelectedText);
    };
    TFont caption = FCaptionFont;
    stateColour(caption);
    Canvas.SetFont(caption);
    Canvas.Brush().SetStyle(TBrushStyle::bsClear);
    r.Left += 4;
    r.Top += 2;
    r.Right -= 4;
    TRect text = r;
    Canvas.DrawText(item->Caption(), text, DT_LEFT | DT_TOP | DT_END_ELLIPSIS | DT_NOPREFIX);
    if (item->Notes().isEmpty())
        return;
    r.Top += Canvas.TextHeight(QStringLiteral("gh"));
    TFont notes = FNotesFont;
    stateColour(notes);
    Canvas.SetFont(notes);
    DrawHtmlText(Canvas, item->Notes(), r, Images(), true, FItemSelector->Panel());
}

// ---- wheel and keys ----

void TVxDetailDropDown::WheelMove(bool Next)
{
    GuardEvent([&] {
        if (!DroppedDown()) {
            Next ? SelectNext() : SelectPrevious();
            return;
        }
        QScopedValueRollback<bool> guard(FInternalCall, true);
        FItemSelector->SelectBy(Next ? 1 : -1);
        update();
    });
}

bool TVxDetailDropDown::KeyDownSteps(std::uint16_t& Key, TShiftState Shift)
{
    if (isEnabled() && !Shift.testFlag(TShiftStateItem::ssAlt)) {
        const bool open = DropDownForm() && DropDownForm()->isVisible();
        TPickerKeys keys = PickerKeys(open, [this] { FillSelector(); });
        keys.HomeEndNeedPickOnly = true;
        PickerKeyDown(keys, Key, Shift);
        const bool arrow = Key == VK_UP || Key == VK_DOWN || Key == VK_LEFT || Key == VK_RIGHT;
        if (open && (Key == VK_UP || Key == VK_DOWN))
            update();
        if (open && (arrow || Key == VK_PRIOR || Key == VK_NEXT))
            return false;
    }
    if (FItems->Count() == 0)
        return TVxCustomDropDown::EditKeyDown(Key, Shift);
    if (Key == VK_BACK || Key == VK_ESCAPE || Key == VK_DELETE) {
        FWorkMode = false;
    } else if (Key == VK_RETURN) {
        const int index = FItems->IndexOf(GetText());
        if (index >= 0) {
            ShowCaption((*FItems)[index].Caption());
            SetItemIndex(index);
            Change();
        }
    } else {
        FWorkMode = true;
    }
    const bool result = TVxCustomDropDown::EditKeyDown(Key, Shift);
    if (Key == VK_ESCAPE) {
        const int index = FItems->IndexOf(GetText());
        if (index >= 0)
            SetItemIndex(index);
    }
    return result;
}

void TVxDetailDropDown::KeyUp()
{
    GuardEvent([this] {
        if (!FItemChange)
            return;
        SetItemIndex(FItemIdx);
        FItemChange = false;
    });
}

void TVxDetailDropDown::keyReleaseEvent(QKeyEvent* e)
{
    TVxCustomDropDown::keyReleaseEvent(e);
    KeyUp();
}

void TVxDetailDropDown::DoFormKeyUp(std::uint16_t& Key, TShiftState Shift)
{
    TVxCustomDropDown::DoFormKeyUp(Key, Shift);
    KeyUp();
}

void TVxDetailDropDown::DoControlKeyUp(std::uint16_t& Key, TShiftState Shift)
{
    TVxCustomDropDown::DoControlKeyUp(Key, Shift);
    KeyUp();
}

void TVxDetailDropDown::DoControlKeyPress(QChar& Key)
{
    // Letters typed into the open list are its search, not the edit's text, which names the item found.
    if (Key == QChar(27) || Key == QChar(13))
        TVxCustomDropDown::DoControlKeyPress(Key);
}

// ---- completion ----

void TVxDetailDropDown::Change()
{
    GuardEvent([this] {
        FItemChange = false;
        TVxCustomDropDown::Change();
        if (!FCompleting && FWorkMode)
            Complete();
    });
}

void TVxDetailDropDown::Complete()
{
    const QString current = text();
    SetModifiedState(!current.isEmpty());
    const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
    const QString typed = current.left(caret);
    const QString search = PrepareCaseText(typed, FMatchCase);
    if (FItems->Count() == 0)
        return;
    QScopedValueRollback<bool> guard(FCompleting, true);
    for (int i = 0; !search.isEmpty() && i < FItems->Count(); ++i) {
        const QString caption = (*FItems)[i].Caption();
        if (!PrepareCaseText(caption, FMatchCase).startsWith(search))
            continue;
        const int typedLength = int(search.size());
        const QString completed = (current.left(typedLength) + caption.mid(typedLength)).left(255);
        FItemIndex = i;
        FItemIdx = i;
        FItemChange = true;
        SetEditText(completed);
        setSelection(int(completed.size()), typedLength - int(completed.size()));
        return;
    }
    if (!typed.isEmpty() && typed != current) {
        SetEditText(typed);
        setCursorPosition(int(typed.size()));
    }
}
