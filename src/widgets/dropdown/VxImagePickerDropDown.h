#pragma once
// A pick-only drop-down for choosing one image: the pop-up shows the images of its items in a grid of
// Columns columns, the edit shows the chosen one centred. Items carry an image-list index or a picture of
// their own, an optional caption (shown in the pop-up and used by the type-ahead search) and a hint; they
// can be made from every image of the image list or from the picture files of a folder.
#include "widgets/dropdown/ItemCollection.h"
#include "widgets/dropdown/ItemPickerDropDown.h"

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

class TVxImagePickerDropDown : public TVxItemPickerDropDown {
public:
    explicit TVxImagePickerDropDown(QWidget* AOwner = nullptr);
    ~TVxImagePickerDropDown() override;

    // Columns and Layout are taken at the next opening.
    int Columns() const { return FColumns; }
    void SetColumns(int Value) { FColumns = Value; }
    TImageItems& Items() const { return *FItems; }
    void SetItems(const TImageItems& Value) { FItems->Assign(Value); }
    // Any negative value is stored; a value at or beyond the count is ignored.
    void SetItemIndex(int Value) override;
    // -1 while nothing is selected. Writing selects the first item with that image index, or nothing.
    int ImageIndex() const;
    void SetImageIndex(int Value);
    // One item per image of the image list, after the items there are.
    void AddImagesFromImageList();
    // One item per entry the file search finds for AFolder, a folder followed by a file mask; an entry
    // that is no picture gives an item with an empty picture.
    void AddImagesFromFolder(const QString& AFolder, bool SetImageCaption);

    TOnDrawSelectedItem OnDrawSelectedImage;
    // Paints an item's content in the pop-up after the selector painted its background.
    TDrawItemEvent OnDrawItem;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void UpdateDropDownSize() override;
    void DoHideDropDown(bool Cancelled) override;
    void DrawFocusedText() override;
    int PickerCount() const override { return FItems->Count(); }
    void WheelMove(bool Next) override;
    bool KeyDownSteps(std::uint16_t& Key, TShiftState Shift) override;

private:
    void FillSelector();
    void SelectorItemSelect();
    void DrawSelectedImage();

    int FColumns = 1;
    std::unique_ptr<TImageItems> FItems;
};
