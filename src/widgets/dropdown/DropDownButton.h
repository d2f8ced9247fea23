#pragma once
// The button at the right edge of a drop-down edit: the drop-down part of a combo box (themed, classic or
// in the edit's own colours) or a push button. It reports a click when the left button is released on it.
#include "platform/CustomControl.h"

class TVxCustomDropDown;
class TDropDownEditButton;

enum class TButtonStyle { bsButton, bsDropDown };

class TVxDropDownSpeedButton : public TCustomControl {
public:
    explicit TVxDropDownSpeedButton(TDropDownEditButton* AOwner);

    TButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TButtonStyle value);
    bool Etched() const { return FEtched; }
    void SetEtched(bool value) { SetProperty(FEtched, value, [this] { Invalidate(); }); }
    bool IsFocused() const { return FFocused; }
    void SetFocused(bool value) { SetProperty(FFocused, value, [this] { Invalidate(); }); }
    bool Hot() const { return FHot; }
    // While set, the pressed look is never drawn.
    void SetUp(bool value) { FUp = value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool value) { FFlat = value; }
    // Held down by the left mouse button.
    bool Pressed() const { return FDown && !FUp; }

    TBitmap& Glyph() { return FGlyph; }
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value) { SetProperty(FCaption, value, [this] { Invalidate(); }); }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void EnabledChanged() override { Invalidate(); }

private:
    void PaintDropDown();
    void PaintButton();
    void PaintClassic();
    bool IsThemed() const;
    TVxCustomDropDown* Edit() const;
    int ThemeState() const;

    TDropDownEditButton* FOwner;
    bool FEtched = false;
    bool FFocused = false;
    bool FHot = false;
    bool FUp = false;
    bool FFlat = false;
    bool FDown = false;
    bool FIsWinXP;
    TButtonStyle FButtonStyle = TButtonStyle::bsDropDown;
    TBitmap FGlyph;
    QString FCaption;
};

class TDropDownEditButton : public TCustomControl {
public:
    explicit TDropDownEditButton(QWidget* AOwner);

    TVxDropDownSpeedButton* InnerButton() const { return FButton; }
    // The edit it belongs to.
    TVxCustomDropDown* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TVxCustomDropDown* value) { FFocusControl = value; }
    int ButtonWidth() const { return FBWidth; }
    void SetButtonWidth(int value);
    // The width always follows the button width.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);

    // Plain fields: reading and writing them does not repaint.
    TColor ButtonColor = clNone;         // clNone: themed or classic drawing
    TColor ButtonColorHot = clNone;
    TColor ButtonColorDown = clNone;
    TColor ButtonBorderColor = clNone;
    TColor ButtonTextColor = clNone;
    TColor ButtonTextColorHot = clNone;
    TColor ButtonTextColorDown = clNone;

    TNotifyEvent OnClick;

protected:
    void EnabledChanged() override;
    void resizeEvent(QResizeEvent* e) override;

private:
    friend class TVxDropDownSpeedButton;
    void ButtonMouseUp(TMouseButton Button);

    TVxDropDownSpeedButton* FButton;
    TVxCustomDropDown* FFocusControl = nullptr;
    int FBWidth = 16;
};
