#include "grid/foundation/VxCheckBox.h"
#include "grid/foundation/GridDraw.h"
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>

namespace {

constexpr int kBoxArea = 20;
constexpr int kClassicBox = 13;
constexpr TColor kDisabledText = 0x808080;

} // namespace

TVxCheckBox::TVxCheckBox(QWidget* AOwner) : TCustomControl(AOwner), FBkgBmp(std::make_unique<TBitmap>())
{
    resize(98, 20);
    SetTabStop(false);
}

TVxCheckBox::~TVxCheckBox() = default;

void TVxCheckBox::SetChecked(bool value)
{
    FState = value ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked;
    Invalidate();
}

void TVxCheckBox::SetState(TCheckBoxState value)
{
    if (FState == value)
        return;
    FState = value;
    InvalidateBox(kBoxArea);
}

void TVxCheckBox::InvalidateBox(int width)
{
    update(FAlignment == TLeftRight::taRightJustify ? Width() - width : 0, 0, width, Height());
}

void TVxCheckBox::Toggle()
{
    if (!FReadOnly)
        SetChecked(!Checked());
}

void TVxCheckBox::Click()
{
    if (OnClick)
        OnClick(this);
}

void TVxCheckBox::SetCaption(const QString& value)
{
    FCaption = value;
    Invalidate();
}

void TVxCheckBox::SetButtonVertAlign(TTextLayout value)
{
    if (FBtnVAlign != value) {
        FBtnVAlign = value;
        Invalidate();
    }
}

void TVxCheckBox::SetAlignment(TLeftRight value)
{
    if (FAlignment != value) {
        FAlignment = value;
        Invalidate();
    }
}

void TVxCheckBox::SetEllipsis(bool value)
{
    if (FEllipsis != value) {
        FEllipsis = value;
        Invalidate();
    }
}

void TVxCheckBox::SetTransparent(bool value)
{
    if (FTransparent != value) {
        FTransparent = value;
        FBkgCache = false;
    }
    Invalidate();
}

void TVxCheckBox::moveEvent(QMoveEvent* e)
{
    FBkgCache = false;
    if (FTransparent)
        Invalidate();
    TCustomControl::moveEvent(e);
}

void TVxCheckBox::resizeEvent(QResizeEvent* e)
{
    FBkgCache = false;
    if (FTransparent)
        Invalidate();
    TCustomControl::resizeEvent(e);
}

void TVxCheckBox::DrawParentBackground()
{
    QWidget* parent = parentWidget();
    if (!parent)
        return;
    if (!FTransparentCaching || !FBkgCache) {
        QImage image(size(), QImage::Format_RGB32);
        image.fill(ToQColor(Color()));
        // The parent alone, shifted by this control's position and clipped to the parent's client area.
        parent->render(&image, QPoint(), QRegion(geometry().intersected(parent->rect())),
                       QWidget::DrawWindowBackground);
        FBkgBmp->SetImage(image);
        FBkgCache = FTransparentCaching;
    }
    Canvas().Draw(0, 0, *FBkgBmp);
}

void TVxCheckBox::Paint()
{
    TCanvas& c = Canvas();
    if (FTransparent) {
        DrawParentBackground();
    } else {
        FillRectColor(c, ClientRect(), Color());
    }
    const bool right = FAlignment == TLeftRight::taRightJustify;
    const bool inactive = !Enabled() || FState == TCheckBoxState::cbGrayed;
    // The classic box: no visual-styles engine is offered on this platform.
    const int x = right ? Width() - kClassicBox : 0;
    const int y = FBtnVAlign == TTextLayout::tlTop ? 4 : FBtnVAlign == TTextLayout::tlCenter ? Height() / 2 - 6
                                                                                            : Height() - 17;
    c.Pen().SetStyle(TPenStyle::psSolid);
    c.Pen().SetColor(clBtnShadow);
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(inactive || FDown ? clBtnFace : clWindow);
    c.Rectangle(x, y, x + kClassicBox, y + kClassicBox);
    if (Checked()) {
        c.Pen().SetColor(inactive ? clGrayText : clWindowText);
        for (int d = 0; d < 2; ++d)
            c.Polyline({{x + 3, y + 5 + d}, {x + 5, y + 7 + d}, {x + 10, y + 2 + d}});
    }

    TRect text = ClientRect();
    text.Top = 4;
    if (right) {
        text.Left = 6;
        text.Right -= 9;
    } else {
        text.Left = 15;
    }
    c.SetFont(Font());
    c.Brush().SetStyle(TBrushStyle::bsClear);
    const unsigned flags = DT_LEFT | DT_SINGLELINE | (FEllipsis ? DT_END_ELLIPSIS : 0u);
    if (Enabled())
        c.DrawText(FCaption, text, flags);
    else
        DrawDisabledText(c, FCaption, text, flags, clWhite, kDisabledText);
    if (Focused()) {
        TRect measured = text;
        c.DrawText(FCaption, measured, flags | DT_CALCRECT);
        c.DrawFocusRect(Rect(measured.Left - 2, measured.Top, measured.Right, measured.Bottom));
    }
}

void TVxCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == TMouseButton::mbLeft && Enabled()) {
        SetFocus();
        FDown = true;
        FMouseDown = true;
        InvalidateBox(kBoxArea);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TVxCheckBox::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FMouseDown) {
        const bool inside = X >= 0 && X <= Width() && Y >= 0 && Y <= Height();
        if (inside != FDown) {
            FDown = inside;
            InvalidateBox(kBoxArea);
        }
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TVxCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == TMouseButton::mbLeft && FMouseDown) {
        FMouseDown = false;
        FDown = false;
        const bool inside = X >= 0 && X <= Width() && Y >= 0 && Y <= Height();
        if (inside && Focused()) {
            Toggle();
            Click();
        }
        InvalidateBox(kBoxArea);
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TVxCheckBox::KeyDown(std::uint16_t& Key, TShiftState Shift)
{
    if (Key == VK_SPACE) {
        FDown = true;
        InvalidateBox(kBoxArea);
    } else if (Key == VK_RETURN && FReturnIsTab) {
        QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
        Key = 0;
    }
    TCustomControl::KeyDown(Key, Shift);
}

void TVxCheckBox::KeyUp(std::uint16_t& Key, TShiftState Shift)
{
    if (Key == VK_SPACE && FDown) {
        FDown = false;
        Toggle();
        Click();
    }
    TCustomControl::KeyUp(Key, Shift);
}

TDlgCodes TVxCheckBox::GetDlgCode() const
{
    return FReturnIsTab ? TDlgCodes(TDlgCode::dlgWantAllKeys) : TDlgCodes();
}

bool TVxCheckBox::DialogChar(QChar Key, TShiftState)
{
    if (!IsAccel(Key, FCaption) || !Enabled() || !isVisible())
        return false;
    if (TabStop())
        SetFocus();
    Toggle();
    return true;
}
