#pragma once
// The strips at the top and the bottom of a drop-down's pop-up window: their look and their buttons.
// A drop-down control, the grid's look object and the pop-up's panels each own a pair.
#include "platform/Canvas.h"
#include "platform/ModalResult.h"
#include "platform/Property.h"
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

enum class TGradientDirection { gdHorizontal, gdVertical };
enum class TButtonAlignment { baLeft, baRight };

class TAppearanceButtons;

// What header and footer buttons share. Caption, Enabled and Width tell the collection when they change;
// the others are only stored.
class TAppearanceButton : public QObject {
public:
    explicit TAppearanceButton(TAppearanceButtons* Collection) : FCollection(Collection) {}

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { FImageIndex = value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    int Width() const { return FWidth; }
    void SetWidth(int value);
    int Height() const { return FHeight; }
    void SetHeight(int value) { FHeight = value; }

    TAppearanceButtons* Collection() const { return FCollection; }

    // Copies from a button of the same class; anything else raises EConvertError.
    virtual void Assign(const QObject* Source) = 0;

protected:
    void AssignCommon(const TAppearanceButton& Source);
    [[noreturn]] void AssignError(const QObject* Source) const;

private:
    void Changed();

    TAppearanceButtons* FCollection;
    QString FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    int FHeight = 0;   // 0: the height of the caption or image
    int FWidth = 0;    // 0: the width of the caption or image
};

class THeaderButton : public TAppearanceButton {
public:
    using TAppearanceButton::TAppearanceButton;
    void Assign(const QObject* Source) override;
};

class TFooterButton : public TAppearanceButton {
public:
    using TAppearanceButton::TAppearanceButton;
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    void Assign(const QObject* Source) override;

private:
    TModalResult FModalResult = mrNone;
};

// A strip's buttons in display order. Adding, inserting and deleting notify nobody.
class TAppearanceButtons : public QObject {
public:
    explicit TAppearanceButtons(QObject* AOwner) : FMyOwner(AOwner) {}
    ~TAppearanceButtons() override;

    int Count() const { return int(FItems.size()); }
    void Delete(int Index);
    void Clear() { FItems.clear(); }
    // The owner of the appearance that made this collection, not the appearance.
    QObject* GetOwner() const { return FMyOwner; }

    // Fired with this collection as sender when a button's caption, enabled state or width changes.
    TNotifyEvent OnChange;

protected:
    TAppearanceButton* AddItem() { return InsertItem(Count()); }
    TAppearanceButton* InsertItem(int Index);
    TAppearanceButton* Item(int Index) const;
    void AssignItems(const TAppearanceButtons& Source);
    virtual std::unique_ptr<TAppearanceButton> NewItem() = 0;

private:
    friend class TAppearanceButton;
    void Changed();

    QObject* FMyOwner;
    std::vector<std::unique_ptr<TAppearanceButton>> FItems;
};

class THeaderButtons : public TAppearanceButtons {
public:
    using TAppearanceButtons::TAppearanceButtons;
    THeaderButton* Add() { return static_cast<THeaderButton*>(AddItem()); }
    THeaderButton* Insert(int Index) { return static_cast<THeaderButton*>(InsertItem(Index)); }
    THeaderButton* GetItem(int Index) const { return static_cast<THeaderButton*>(Item(Index)); }
    // Assigns into the button already at Index.
    void SetItem(int Index, const THeaderButton& Value) { GetItem(Index)->Assign(&Value); }
    void Assign(const THeaderButtons& Source) { AssignItems(Source); }

protected:
    std::unique_ptr<TAppearanceButton> NewItem() override { return std::make_unique<THeaderButton>(this); }
};

class TFooterButtons : public TAppearanceButtons {
public:
    using TAppearanceButtons::TAppearanceButtons;
    TFooterButton* Add() { return static_cast<TFooterButton*>(AddItem()); }
    TFooterButton* Insert(int Index) { return static_cast<TFooterButton*>(InsertItem(Index)); }
    TFooterButton* GetItem(int Index) const { return static_cast<TFooterButton*>(Item(Index)); }
    void SetItem(int Index, const TFooterButton& Value) { GetItem(Index)->Assign(&Value); }
    void Assign(const TFooterButtons& Source) { AssignItems(Source); }

protected:
    std::unique_ptr<TAppearanceButton> NewItem() override { return std::make_unique<TFooterButton>(this); }
};

// What the header and footer strips share: everything but the footer's size grip and the button class.
// Only Visible notifies (OnChange); a button change is relayed as OnButtonsChanged.
class TStripAppearance : public QObject {
public:
    QObject* GetOwner() const { return FOwner; }

    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value) { FColorTo = value; }
    QString Caption() const { return FCaption; }   // mini-HTML
    void SetCaption(const QString& value) { FCaption = value; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& value) { FFont = value; }
    TGradientDirection GradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TGradientDirection value) { FGradientDirection = value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    int Height() const { return FHeight; }
    void SetHeight(int value) { FHeight = value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value) { FBorderColor = value; }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value) { FBorderWidth = value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { FImageIndex = value; }
    TButtonAlignment ButtonAlignment() const { return FButtonAlignment; }
    void SetButtonAlignment(TButtonAlignment value) { FButtonAlignment = value; }

    // Copies the colours, the font and the gradient direction from an appearance of the same class;
    // any other source is ignored.
    void AssignColors(const QObject* Source);

    TNotifyEvent OnChange;          // Visible changed
    TNotifyEvent OnButtonsChanged;  // a button's caption, enabled state or width changed

protected:
    explicit TStripAppearance(QObject* AOwner) : FOwner(AOwner) {}
    void BindButtons(TAppearanceButtons& Buttons);

    QObject* FOwner;
    bool FVisible = true;
    int FHeight = 22;
    int FBorderWidth = 1;
    int FImageIndex = -1;
    QString FCaption;
    TColor FColorTo = clWhite;
    TColor FColor = clSilver;
    TColor FBorderColor = clBlack;
    TFont FFont;
    TGradientDirection FGradientDirection = TGradientDirection::gdVertical;
    TButtonAlignment FButtonAlignment = TButtonAlignment::baRight;
};

class THeaderAppearance : public TStripAppearance {
public:
    explicit THeaderAppearance(QObject* AOwner);
    ~THeaderAppearance() override;

    THeaderButtons& Buttons() const { return *FButtons; }
    void SetButtons(const THeaderButtons& value) { FButtons->Assign(value); }

    // Full copy from a THeaderAppearance; any other source is ignored.
    void Assign(const QObject* Source);

private:
    std::unique_ptr<THeaderButtons> FButtons;
};

class TFooterAppearance : public TStripAppearance {
public:
    explicit TFooterAppearance(QObject* AOwner);
    ~TFooterAppearance() override;

    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool value) { FSizeGrip = value; }
    TFooterButtons& Buttons() const { return *FButtons; }
    void SetButtons(const TFooterButtons& value) { FButtons->Assign(value); }

    // Full copy from a TFooterAppearance; any other source is ignored.
    void Assign(const QObject* Source);

private:
    bool FSizeGrip = true;
    std::unique_ptr<TFooterButtons> FButtons;
};
