#include "widgets/dropdown/GradientButton.h"
#include "grid/core/DropDownDraw.h"
#include "grid/core/HeaderFooterAppearance.h"
#include "platform/Form.h"
#include "platform/ImageList.h"
#include "widgets/dropdown/VxDropDown.h"
#include <QApplication>
#include <QCursor>
#include <QTimer>
#include <algorithm>

TVxButtonAppearance::TVxButtonAppearance()
    : FBorderColor(clNone), FBorderColorHot(0x808080), FBorderColorDown(0x800000), FBorderColorDisabled(0x808080),
      FBorderColorChecked(0xFF0000), FColor(clNone), FColorTo(clNone), FColorDown(0xF5D8CA), FColorDownTo(0xF9BDA0),
      FColorHot(0xF5F0E1), FColorHotTo(0xF9D2B2), FColorDisabled(0xF2F2F2), FColorDisabledTo(clNone),
      FGradient(TGradientDirection::gdVertical)
{
    // The latched state is the hot state a tenth darker in red and green.
    FColorChecked = AdjustColor(FColorHot, -10, -10, 0);
    FColorCheckedTo = AdjustColor(FColorHotTo, -10, -10, 0);
    FFont.SetName(QStringLiteral("Tahoma"));
}

TVxButtonAppearance::~TVxButtonAppearance() = default;

void TVxButtonAppearance::SetGradient(TGradientDirection value)
{
    SetProperty(FGradient, value, [this] { Changed(); });
}

void TVxButtonAppearance::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TVxButtonAppearance::Assign(const TVxButtonAppearance& Source)
{
    SetBorderColor(Source.BorderColor());
    SetBorderColorHot(Source.BorderColorHot());
    SetBorderColorDown(Source.BorderColorDown());
    SetBorderColorDisabled(Source.BorderColorDisabled());
    SetBorderColorChecked(Source.BorderColorChecked());
    SetColor(Source.Color());
    SetColorTo(Source.ColorTo());
    SetColorDown(Source.ColorDown());
    SetColorDownTo(Source.ColorDownTo());
    SetColorHot(Source.ColorHot());
    SetColorHotTo(Source.ColorHotTo());
    SetColorCheckedTo(Source.ColorCheckedTo());
    SetColorDisabled(Source.ColorDisabled());
    SetColorDisabledTo(Source.ColorDisabledTo());
    SetColorChecked(Source.ColorChecked());
    SetGradient(Source.Gradient());
}

TVxButton::TVxButton(QWidget* AOwner) : TCustomControl(AOwner), FUnHotTimer(new QTimer(this))
{
    resize(23, 22);
    TFont font = Font();
    font.SetName(QStringLiteral("Tahoma"));
    SetFont(font);
    FUnHotTimer->setInterval(1);
    QObject::connect(FUnHotTimer, &QTimer::timeout, this, [this] { UnHotTick(); });
    SetTabStop(false);
}

TVxButton::~TVxButton() = default;

void TVxButton::SetAppearance(TVxButtonAppearance* value)
{
    FAppearance = value;
    Invalidate();
}

void TVxButton::SetVxDropDown(TVxCustomDropDown* value)
{
    FVxDropDown = value;
}

void TVxButton::SetCaption(const QString& value)
{
    SetProperty(FCaption, value, [this] { Invalidate(); });
}

void TVxButton::SetImages(TCustomImageList* value)
{
    FImages = value;
    Invalidate();
}

void TVxButton::SetImageIndex(int value)
{
    SetProperty(FImageIndex, value, [this] { Invalidate(); });
}

void TVxButton::SizeToContent()
{
    if (!FAppearance)
        return;
    TCanvas measure;
    measure.SetFont(FAppearance->Font());
    TTextSize size = GetTextSize(measure, FCaption);
    if (FImages && FImageIndex >= 0) {
        size.Width = std::max(size.Width, FImages->Width());
        size.Height = std::max(size.Height, FImages->Height());
    }
    resize(size.Width + 8, size.Height + 4);
}

void TVxButton::Paint()
{
    if (!isEnabled()) {
        FState = TVxButtonState::absDisabled;
        FDragging = false;
    } else if (FState == TVxButtonState::absDisabled) {
        FState = FDown && FGroupIndex != 0 ? TVxButtonState::absExclusive : TVxButtonState::absUp;
    }
    if (FStyle == TVxButtonStyle::tasCheck && FDown)
        FState = TVxButtonState::absDown;
    // Qt paints the parent before its children, so the strip's background is already behind the button.
    DrawFace();
}

void TVxButton::DrawFace()
{
    if (!FAppearance)
        return;
    const TVxButtonAppearance& a = *FAppearance;
    // A flat face is a gradient from the colour to itself.
    TColor color, colorTo, border;
    if (!isEnabled()) {
        color = a.ColorDisabled(), colorTo = a.ColorDisabledTo(), border = a.BorderColorDisabled();
    } else if (FMouseDownInControl && FMouseInControl) {
        color = a.ColorDown(), colorTo = a.ColorDown(), border = a.BorderColorDown();
    } else if (FDown) {
        color = a.ColorChecked(), colorTo = a.ColorChecked(), border = a.BorderColorChecked();
    } else if (FMouseInControl || hasFocus()) {
        color = a.ColorHot(), colorTo = a.ColorHot(), border = a.BorderColorHot();
    } else {
        color = a.Color(), colorTo = a.ColorTo(), border = a.BorderColor();
    }
    TCanvas& canvas = Canvas();
    DrawRectBackground(&canvas, ClientRect(), color, colorTo, border, 1, a.Gradient());
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.SetFont(a.Font());
    DrawImageText(&canvas, ClientRect(), FCaption, FImages, FImageIndex);
}

void TVxButton::MouseEnter()
{
    FMouseInControl = true;
    if (isEnabled())
        Invalidate();
    FUnHotTimer->start();
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TVxButton::MouseLeave()
{
    FUnHotTimer->stop();
    FMouseInControl = false;
    if (isEnabled())
        Invalidate();
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TVxButton::UnHotTick()
{
    if (rect().contains(mapFromGlobal(QCursor::pos())))
        return;
    FUnHotTimer->stop();
    FMouseInControl = false;
    if (isEnabled())
        Invalidate();
}

void TVxButton::ShowPressed()
{
    if (!FDown || FStyle == TVxButtonStyle::tasCheck) {
        FState = TVxButtonState::absDown;
        Repaint();
    }
}

void TVxButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft || !isEnabled())
        return;
    FMouseDownInControl = true;
    ShowPressed();
    FDragging = true;
}

void TVxButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (!FDragging) {
        if (!Inside(X, Y))
            CheckMouseOver();
        return;
    }
    TVxButtonState state = FDown ? TVxButtonState::absExclusive : TVxButtonState::absUp;
    if (Inside(X, Y))
        state = FDown ? TVxButtonState::absExclusive : TVxButtonState::absDown;
    if (FStyle == TVxButtonStyle::tasCheck && FDown)
        state = TVxButtonState::absDown;
    if (state != FState) {
        FState = state;
        Invalidate();
    }
}

void TVxButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    FMouseDownInControl = false;
    Invalidate();
    if (!FDragging)
        return;
    FDragging = false;
    const bool inside = Inside(X, Y);
    if (FGroupIndex != 0) {
        if (inside) {
            SetDown(!FDown);
            if (FDown)
                Repaint();
        } else if (FDown) {
            FState = TVxButtonState::absExclusive;
        }
        Invalidate();
    } else {
        FState = TVxButtonState::absUp;
        FMouseInControl = false;
        if (FStyle == TVxButtonStyle::tasCheck) {
            SetDown(!FDown);
            FState = TVxButtonState::absUp;
        }
        if (inside)
            Invalidate();
    }
    if (inside && Button == TMouseButton::mbLeft)
        Click();
    CheckMouseOver();
}

void TVxButton::CheckMouseOver()
{
    if (!isEnabled())
        return;
    const bool under = QApplication::widgetAt(QCursor::pos()) == this;
    if (under)
        MouseEnter();
    else if (FMouseInControl)
        MouseLeave();
}

void TVxButton::SetDown(bool value)
{
    if (FStyle == TVxButtonStyle::tasButton && FGroupIndex == 0)
        value = false;
    if (FStyle == TVxButtonStyle::tasCheck) {
        FDown = value;
        FState = value ? TVxButtonState::absDown : TVxButtonState::absUp;
        Repaint();
        return;
    }
    if (value == FDown || (FDown && !FAllowAllUp))
        return;
    FDown = value;
    if (value) {
        if (FState == TVxButtonState::absUp)
            Invalidate();
        FState = TVxButtonState::absExclusive;
        ReleaseOthers();
    } else {
        FState = TVxButtonState::absUp;
        Repaint();
    }
}

void TVxButton::ReleaseOthers()
{
    if (!parentWidget())
        return;
    for (TVxButton* other : parentWidget()->findChildren<TVxButton*>(Qt::FindDirectChildrenOnly))
        if (other->FGroupIndex == FGroupIndex)
            other->GroupRelease(*this);
}

void TVxButton::GroupRelease(const TVxButton& Sender)
{
    if (&Sender != this && FDown && Sender.FDown) {
        FDown = false;
        FState = TVxButtonState::absUp;
        Invalidate();
    }
    FAllowAllUp = Sender.FAllowAllUp;
}

void TVxButton::Click()
{
    if (auto* form = dynamic_cast<TForm*>(window()))
        form->SetModalResult(FModalResult);
    const bool cancelling = FModalResult == mrCancel || FModalResult == mrAbort || FModalResult == mrIgnore ||
                            FModalResult == mrNo || FModalResult == mrNoToAll;
    const bool closing = cancelling || FModalResult == mrOk || FModalResult == mrYes || FModalResult == mrAll ||
                         FModalResult == mrYesToAll;
    if (FVxDropDown && closing)
        FVxDropDown->HideDropDown(cancelling);
    if (!FInternalClick && OnClick)
        OnClick(this);
}

void TVxButton::KeyDown(std::uint16_t& Key, TShiftState Shift)
{
    if (Key == VK_RETURN || Key == VK_SPACE) {
        ShowPressed();
        FInternalClick = true;
        Click();
        FInternalClick = false;
    }
    TCustomControl::KeyDown(Key, Shift);
}

bool TVxButton::DialogChar(QChar Key, TShiftState)
{
    if (!isEnabled() || !IsAccel(Key, FCaption))
        return false;
    Click();
    return true;
}

void TVxButton::focusInEvent(QFocusEvent* e)
{
    TCustomControl::focusInEvent(e);
    Invalidate();
}

void TVxButton::focusOutEvent(QFocusEvent* e)
{
    TCustomControl::focusOutEvent(e);
    Invalidate();
}
