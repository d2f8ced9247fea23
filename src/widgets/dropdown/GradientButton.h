#pragma once
// The small push buttons of a drop-down pop-up's header and footer strips, and the colour set they share.
#include "platform/CustomControl.h"
#include "platform/ImageList.h"
#include "platform/ModalResult.h"
#include <QObject>
#include <QPointer>

class QTimer;
class TVxCustomDropDown;
enum class TGradientDirection;

// The colours of the strip buttons; every setter notifies OnChange when the value changes.
class TVxButtonAppearance : public QObject {
public:
    TVxButtonAppearance();
    ~TVxButtonAppearance() override;

#define VX_APPEARANCE_COLOR(Name)                                                                                   \
    TColor Name() const { return F##Name; }                                                                          \
    void Set##Name(TColor value) { SetProperty(F##Name, value, [this] { Changed(); }); }
    VX_APPEARANCE_COLOR(BorderColor)
    VX_APPEARANCE_COLOR(BorderColorHot)
    VX_APPEARANCE_COLOR(BorderColorDown)
    VX_APPEARANCE_COLOR(BorderColorDisabled)
    VX_APPEARANCE_COLOR(BorderColorChecked)
    VX_APPEARANCE_COLOR(Color)
    VX_APPEARANCE_COLOR(ColorTo)
    VX_APPEARANCE_COLOR(ColorDown)
    VX_APPEARANCE_COLOR(ColorDownTo)
    VX_APPEARANCE_COLOR(ColorHot)
    VX_APPEARANCE_COLOR(ColorHotTo)
    VX_APPEARANCE_COLOR(ColorCheckedTo)
    VX_APPEARANCE_COLOR(ColorDisabled)
    VX_APPEARANCE_COLOR(ColorDisabledTo)
    VX_APPEARANCE_COLOR(ColorChecked)
#undef VX_APPEARANCE_COLOR
    TGradientDirection Gradient() const { return FGradient; }
    void SetGradient(TGradientDirection value);
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& value) { FFont = value; }

    // Every colour and the gradient; not the font.
    void Assign(const TVxButtonAppearance& Source);

    TNotifyEvent OnChange;

private:
    void Changed();

    TColor FBorderColor;
    TColor FBorderColorHot;
    TColor FBorderColorDown;
    TColor FBorderColorDisabled;
    TColor FBorderColorChecked;
    TColor FColor;
    TColor FColorTo;
    TColor FColorDown;
    TColor FColorDownTo;
    TColor FColorHot;
    TColor FColorHotTo;
    TColor FColorCheckedTo;
    TColor FColorDisabled;
    TColor FColorDisabledTo;
    TColor FColorChecked;
    TGradientDirection FGradient;
    TFont FFont;
};

enum class TVxButtonStyle { tasButton, tasCheck };
enum class TVxButtonState { absUp, absDisabled, absDown, absDropDown, absExclusive };

class TVxButton : public TCustomControl {
public:
    explicit TVxButton(QWidget* AOwner = nullptr);
    ~TVxButton() override;

    // Not owned; nullptr paints nothing but the parent's background.
    TVxButtonAppearance* Appearance() const { return FAppearance; }
    void SetAppearance(TVxButtonAppearance* value);
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    // The drop-down whose pop-up a modal result closes.
    void SetVxDropDown(TVxCustomDropDown* value);
    int Tag() const { return FTag; }
    void SetTag(int value) { FTag = value; }

    TVxButtonStyle Style() const { return FStyle; }
    void SetStyle(TVxButtonStyle value) { FStyle = value; }
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value) { FGroupIndex = value; }
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value) { FAllowAllUp = value; }
    bool Down() const { return FDown; }
    void SetDown(bool value);
    TVxButtonState State() const { return FState; }
    bool MouseInControl() const { return FMouseInControl; }

    // Width and height for the caption (in the appearance's font) and the image.
    void SizeToContent();
    // Applies the modal result to the pop-up, then fires OnClick unless a key press runs it.
    void Click();

    TNotifyEvent OnClick;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    void Paint() override;
    virtual void DrawFace();
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
    bool DialogChar(QChar Key, TShiftState Shift) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void EnabledChanged() override { Invalidate(); }
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    bool Inside(int X, int Y) const { return X >= 0 && X < width() && Y >= 0 && Y <= height(); }
    void CheckMouseOver();
    void UnHotTick();
    void ShowPressed();
    void ReleaseOthers();
    void GroupRelease(const TVxButton& Sender);

    int FGroupIndex = 0;
    bool FDown = false;
    bool FAllowAllUp = false;
    bool FMouseInControl = false;
    TVxButtonStyle FStyle = TVxButtonStyle::tasButton;
    TVxButtonState FState = TVxButtonState::absUp;
    bool FMouseDownInControl = false;
    bool FDragging = false;
    QTimer* FUnHotTimer;
    bool FInternalClick = false;
    TVxButtonAppearance* FAppearance = nullptr;
    QPointer<TCustomImageList> FImages;
    int FImageIndex = -1;
    TModalResult FModalResult = mrNone;
    QPointer<TVxCustomDropDown> FVxDropDown;
    QString FCaption;
    int FTag = 0;
};
