#include "widgets/dropdown/VxImagePickerDropDown.h"
#include "widgets/dropdown/PickerKeys.h"
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyle>

void TImageItem::Assign(const TImageItem& Source)
{
    SetCaption(Source.FCaption);
    SetImageIndex(Source.FImageIndex);
    FImage.Assign(Source.FImage);
    FEnabled = Source.FEnabled;
    FHint = Source.FHint;
}

void TImageItem::SetCaption(const QString& Value)
{
    SetProperty(FCaption, Value, [this] { FCollection->Changed(); });
}

void TImageItem::SetImageIndex(int Value)
{
    SetProperty(FImageIndex, Value, [this] { FCollection->Changed(); });
}

TVxImagePickerDropDown::TVxImagePickerDropDown(QWidget* AOwner)
    : TVxItemPickerDropDown(AOwner), FItems(std::make_unique<TImageItems>(this))
{
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    setCursor(Qt::ArrowCursor);
}

TVxImagePickerDropDown::~TVxImagePickerDropDown() = default;

void TVxImagePickerDropDown::SetItemIndex(int Value)
{
    if (Value == FItemIndex || Value >= FItems->Count())
        return;
    FItemIndex = Value;
    update();
    if (OnChange)
        OnChange(this);
    if (OnSelect)
        OnSelect(this);
}

int TVxImagePickerDropDown::ImageIndex() const
{
    const TImageItem* item = FItems->GetItem(FItemIndex);
    return item ? item->ImageIndex() : -1;
}

void TVxImagePickerDropDown::SetImageIndex(int Value)
{
    for (int i = 0; i < FItems->Count(); ++i)
        if ((*FItems)[i].ImageIndex() == Value) {
            SetItemIndex(i);
            return;
        }
    SetItemIndex(-1);
}

void TVxImagePickerDropDown::AddImagesFromImageList()
{
    if (!Images())
        return;
    for (int i = 0; i < Images()->Count(); ++i)
        FItems->Add()->SetImageIndex(i);
}

void TVxImagePickerDropDown::AddImagesFromFolder(const QString& AFolder, bool SetImageCaption)
{
    const QFileInfo mask(QString(AFolder).replace(QLatin1Char('\\'), QLatin1Char('/')));
    const QDir folder(mask.path());
    const QStringList entries = folder.entryList({mask.fileName()}, QDir::AllEntries | QDir::Hidden | QDir::System,
                                                 QDir::Name | QDir::IgnoreCase);
    for (const QString& entry : entries) {
        TImageItem* item = FItems->Add();
        if (item->FImage.LoadFromFile(folder.filePath(entry)) && SetImageCaption)
            item->FCaption = entry;
    }
}

// ---- the edit ----

void TVxImagePickerDropDown::DrawFocusedText()
{
    TVxCustomDropDown::DrawFocusedText();
    DrawSelectedImage();
}

void TVxImagePickerDropDown::DrawSelectedImage()
{
    QPainter painter(this);
    TCanvas canvas;
    canvas.BeginPaint(&painter);
    const TRect r = Rect(1, 1, width() - DropDownButtonWidth() - 3, height() - 1);
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, canvas, r);
    } else if (const TImageItem* item = FItems->GetItem(FItemIndex)) {
        if (!item->Image().Empty())
            canvas.Draw(r.Left + (r.Width() - item->Image().Width()) / 2,
                        r.Top + (r.Height() - item->Image().Height()) / 2, item->Image());
        else if (Images() && item->ImageIndex() >= 0)
            Images()->Draw(canvas, r.Left + (r.Width() - Images()->Width()) / 2,
                           r.Top + (r.Height() - Images()->Height()) / 2, item->ImageIndex(), true);
    }
    canvas.EndPaint();
}

// ---- the pop-up ----

void TVxImagePickerDropDown::CreateDropDownForm()
{
    TVxCustomDropDown::CreateDropDownForm();
    if (!FItemSelector) {
        FItemSelector = new TVxCustomItemSelector(DropDownForm());
        FItemSelector->SetSelectorType(TSelectorType::stImage);
        FItemSelector->setGeometry(0, 0, FItemSelector->width(), 150);
    }
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->UpdateSelectorPanel();
    SetControl(FItemSelector);
}

void TVxImagePickerDropDown::FillSelector()
{
    TVxCustomItemSelector& s = *FItemSelector;
    auto fill = [this](int i, TSelectorItem& item) {
        const TImageItem& own = (*FItems)[i];
        item.SetCaption(own.Caption());
        item.SetImage(own.Image());
        item.SetImageIndex(own.ImageIndex());
        item.SetHint(own.Hint());
    };
    s.LoadItems(FColumns, Images(), FLayout, DropDownColor(), *FItemAppearance, FItems->Count(), fill, FItemIndex);
    s.OnItemSelect = [this](QObject*) { GuardEvent([this] { SelectorItemSelect(); }); };
    if (OnDrawItem)
        s.OnDrawItem = [this](QObject*, TCanvas& Canvas, const TRect& R, int Index) {
            OnDrawItem(this, Canvas, R, Index);
        };
    else
        s.OnDrawItem = nullptr;
}

void TVxImagePickerDropDown::DoBeforeDropDown()
{
    TVxCustomDropDown::DoBeforeDropDown();
    FillSelector();
    FOldItemIndex = FItemIndex;
}

void TVxImagePickerDropDown::UpdateDropDownSize()
{
    const TSize panel = FItemSelector->GetSelectorSize();
    FItemSelector->resize(DropDownWidth() < 1 ? panel.cx : FItemSelector->width(),
                          DropDownHeight() < 1 ? panel.cy : FItemSelector->height());
    TVxCustomDropDown::UpdateDropDownSize();
    if (FItemSelector->VertScrollBarVisible())
        DropDownForm()->resize(DropDownForm()->width() + style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                               DropDownForm()->height());
}

void TVxImagePickerDropDown::DoHideDropDown(bool Cancelled)
{
    TVxCustomDropDown::DoHideDropDown(Cancelled);
    if (Cancelled)
        SetItemIndex(FOldItemIndex);
}

void TVxImagePickerDropDown::SelectorItemSelect()
{
    SetItemIndex(FItemSelector->ItemIndex());
    if (!FInternalCall)
        DoHideDropDown(false);
}

// ---- wheel and keys ----

void TVxImagePickerDropDown::WheelMove(bool Next)
{
    GuardEvent([&] {
        if (!isEnabled() || isReadOnly())
            return;
        if (DroppedDown()) {
            Next ? FItemSelector->HotNext() : FItemSelector->HotPrevious();
            return;
        }
        // The closed picker steps from its own item, which may have changed since the last opening.
        FillSelector();
        QScopedValueRollback<bool> guard(FInternalCall, true);
        Next ? FItemSelector->SelectNext() : FItemSelector->SelectPrevious();
    });
}

bool TVxImagePickerDropDown::KeyDownSteps(std::uint16_t& Key, TShiftState Shift)
{
    const bool open = DropDownForm() && DropDownForm()->isVisible();
    bool enterTaken = false;
    if (Key == VK_RETURN && isEnabled() && open && FItemSelector->ItemHot() >= 0) {
        FItemSelector->SetItemIndex(FItemSelector->ItemHot());
        enterTaken = true;
    }
    const bool result = TVxCustomDropDown::EditKeyDown(Key, Shift);
    if (!isEnabled() || Shift.testFlag(TShiftStateItem::ssAlt))
        return result;
    if (Key == VK_RETURN) {
        if (!enterTaken && OnSelect)
            OnSelect(this);
        return result;
    }
    TPickerKeys keys = PickerKeys(DropDownForm() && DropDownForm()->isVisible(), [this] { FillSelector(); });
    keys.RowStep = FColumns;
    PickerKeyDown(keys, Key, Shift);
    return result;
}
