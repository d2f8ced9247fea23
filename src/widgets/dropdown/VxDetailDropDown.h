#pragma once
// A drop-down edit whose pop-up lists detail items, one per row: an image, a caption and a mini-HTML note
// under it. The user picks with the mouse, the arrow, page, Home and End keys, by typing the start of a
// caption in the open list (type-ahead) or by typing into the edit, which completes the text to the first
// matching caption.
#include "widgets/dropdown/ItemCollection.h"
#include "widgets/dropdown/ItemPickerDropDown.h"

class TDetailItem {
public:
    explicit TDetailItem(TCollectionBase* Collection) : FCollection(Collection) {}
    void Assign(const TDetailItem& Source);

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    const TBitmap& Image() const { return FImage; }
    void SetImage(const TBitmap& Value) { FImage.Assign(Value); }
    // Mini-HTML shown under the caption.
    QString Notes() const { return FNotes; }
    void SetNotes(const QString& Value) { FNotes = Value; }
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    // Free for the application; not owned.
    QObject* ItemObject() const { return FItemObject; }
    void SetItemObject(QObject* Value) { FItemObject = Value; }
    bool Enabled() const { return FEnabled; }

private:
    TCollectionBase* FCollection;
    QString FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    TBitmap FImage;
    QString FNotes;
    QObject* FItemObject = nullptr;
    int FTag = 0;
};

class TDetailItems : public TItemCollection<TDetailItem> {
public:
    using TItemCollection::TItemCollection;
    // The first item whose caption equals AValue exactly, -1 when none.
    int IndexOf(const QString& AValue) const;
};

class TVxDetailDropDown : public TVxItemPickerDropDown {
public:
    explicit TVxDetailDropDown(QWidget* AOwner = nullptr);
    ~TVxDetailDropDown() override;

    TDetailItems& Items() const { return *FItems; }
    void SetItems(const TDetailItems& Value) { FItems->Assign(Value); }
    void SetItemIndex(int Value) override;
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value) { FItemHeight = Value; }
    const TFont& CaptionFont() const { return FCaptionFont; }
    void SetCaptionFont(const TFont& Value) { FCaptionFont = Value; }
    const TFont& NotesFont() const { return FNotesFont; }
    void SetNotesFont(const TFont& Value) { FNotesFont = Value; }
    // Completion compares case-sensitively.
    bool MatchCase() const { return FMatchCase; }
    void SetMatchCase(bool Value) { FMatchCase = Value; }
    // Paints a row of the list in place of the image, caption and notes.
    TOnDrawSelectedItem OnDrawSelectedImage;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void DoShowDropDown() override;
    void UpdateDropDownSize() override;
    void DoHideDropDown(bool Cancelled) override;
    void DoFormSizing() override;
    int PickerCount() const override { return FItems->Count(); }
    void WheelMove(bool Next) override;
    bool KeyDownSteps(std::uint16_t& Key, TShiftState Shift) override;
    void DoFormKeyUp(std::uint16_t& Key, TShiftState Shift) override;
    void DoControlKeyUp(std::uint16_t& Key, TShiftState Shift) override;
    void DoControlKeyPress(QChar& Key) override;
    void Change() override;
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    void FillSelector();
    void SelectorItemSelect();
    void DrawRow(TCanvas& Canvas, const TRect& R, int Index);
    TSize RowSize() const;
    void KeyUp();
    void Complete();
    // Writes the edit text without completing it again.
    void ShowCaption(const QString& Caption);

    std::unique_ptr<TDetailItems> FItems;
    int FItemHeight = 22;
    TFont FCaptionFont;
    TFont FNotesFont;
    bool FWorkMode = true;
    bool FItemChange = false;
    int FItemIdx = -1;
    bool FMatchCase = false;
    bool FCompleting = false;
};
