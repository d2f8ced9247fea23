#pragma once
// A pick-only drop-down for choosing one image: the pop-up shows the images of its items in a grid of
// Columns columns, the edit shows the chosen one centred. Items carry an image-list index or a picture of
// their own, an optional caption (shown in the pop-up and used by the type-ahead search) and a hint; they
// can be made from every image of the image list or from the picture files of a folder.
#include "widgets/dropdown/ItemCollection.h"
#include "widgets/dropdown/PickerKeys.h"
#include "widgets/dropdown/TypeAhead.h"
#include "widgets/dropdown/VxDropDown.h"
#include "widgets/dropdown/VxItemSelector.h"

class TImageItem {
public:
    explicit TImageItem(TCollectionBase* Collection) : FCollection(Collection) {}
    void Assign(const TImageItem& Source);

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    const TBitmap& Image() const { return FImage; }
    void SetImage(const TBitmap& Value) { FImage.Assign(Value); }
    QString Hint() const { return FHint; }
    void SetHint(const QString& Value) { FHint = Value; }
    bool Enabled() const { return FEnabled; }

private:
    friend class TVxImagePickerDropDown;
    TCollectionBase* FCollection;
    QString FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    TBitmap FImage;
    QString FHint;
};

using TImageItems = TItemCollection<TImageItem>;

class TVxImagePickerDropDown : public TVxCustomDropDown {
public:
    explicit TVxImagePickerDropDown(QWidget* AOwner = nullptr);
    ~TVxImagePickerDropDown() override;

    // Columns and Layout are taken at the next opening.
    int Columns() const { return FColumns; }
    void SetColumns(int Value) { FColumns = Value; }
    TItemLayout Layout() const { return FLayout; }
    void SetLayout(TItemLayout Value) { FLayout = Value; }
    TImageItems& Items() const { return *FItems; }
    void SetItems(const TImageItems& Value) { FItems->Assign(Value); }
    int ItemIndex() const { return FItemIndex; }
    // Any negative value is stored; a value at or beyond the count is ignored.
    void SetItemIndex(int Value);
    // -1 while nothing is selected. Writing selects the first item with that image index, or nothing.
    int ImageIndex() const;
    void SetImageIndex(int Value);
    TItemAppearance& ItemAppearance() const { return *FItemAppearance; }
    void SetItemAppearance(const TItemAppearance& Value) { FItemAppearance->Assign(Value); }
    TVxCustomItemSelector* ItemSelector() const { return FItemSelector; }
    void SetTypeAheadClock(std::shared_ptr<TClock> Clock) { FSearch.SetClock(std::move(Clock)); }

    // One item per image of the image list, after the items there are.
    void AddImagesFromImageList();
    // One item per entry the file search finds for AFolder, a folder followed by a file mask; an entry
    // that is no picture gives an item with an empty picture.
    void AddImagesFromFolder(const QString& AFolder, bool SetImageCaption);

    void SelectFirst() { Move(TPickerMove::pmFirst); }
    void SelectLast() { Move(TPickerMove::pmLast); }
    void SelectNext() { Move(TPickerMove::pmNext); }
    void SelectPrevious() { Move(TPickerMove::pmPrevious); }

    void SetComponentStyle(TZarnStyle AStyle) override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;

    TNotifyEvent OnSelect;
    TOnDrawSelectedItem OnDrawSelectedImage;
    // Paints an item's content in the pop-up after the selector painted its background.
    TDrawItemEvent OnDrawItem;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void UpdateDropDownSize() override;
    void DoHideDropDown(bool Cancelled) override;
    void DoWheelNext() override;
    void DoWheelPrevious() override;
    void DrawFocusedText() override;
    bool EditKeyDown(std::uint16_t& Key, TShiftState Shift) override;

private:
    void Move(TPickerMove Move);
    void FillSelector();
    void SelectorItemSelect();
    void DrawSelectedImage();
    bool KeyDownSteps(std::uint16_t& Key, TShiftState Shift);
    void WheelMove(bool Next);

    TVxCustomItemSelector* FItemSelector = nullptr;   // a child of the pop-up
    int FColumns = 1;
    TItemLayout FLayout = TItemLayout::ilCaptionRight;
    std::unique_ptr<TImageItems> FItems;
    int FItemIndex = -1;
    std::unique_ptr<TItemAppearance> FItemAppearance;
    bool FInternalCall = false;
    TTypeAheadSearch FSearch;
    int FOldItemIndex = -1;
};
