#include "platform/SpeedButton.h"

TSpeedButton::TSpeedButton(QWidget* AOwner) : TCustomControl(AOwner) {}

void TSpeedButton::SetGlyph(const TBitmap& value)
{
    FGlyph.Assign(value);
    FGlyph.SetTransparent(true);
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int value)
{
    FNumGlyphs = value < 1 ? 1 : value;
    Invalidate();
}

void TSpeedButton::SetCaption(const QString& value)
{
    FCaption = value;
    Invalidate();
}

void TSpeedButton::SetTransparent(bool value)
{
    FTransparent = value;
    Invalidate();
}

void TSpeedButton::Click()
{
    if (OnClick)
        OnClick(this);
}

void TSpeedButton::DrawGlyph(TCanvas& Canvas, const TRect& R) const
{
    if (FGlyph.Empty())
        return;
    TBitmap face;
    const int w = FGlyph.Width() / FNumGlyphs;
    face.SetImage(FGlyph.Image().copy(0, 0, w, FGlyph.Height()));
    face.SetTransparent(true);
    const int shift = FDown ? 1 : 0;
    const int x = w < R.Width() ? (R.Width() - w) / 2 : 0;
    const int y = face.Height() < R.Height() ? (R.Height() - face.Height()) / 2 : 0;
    Canvas.Draw(R.Left + x + shift, R.Top + y + shift, face);
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == TMouseButton::mbLeft && Enabled()) {
        FDragging = true;
        FDown = true;
        Invalidate();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (!FDragging)
        return;
    const bool inside = ClientRect().Contains(Point(X, Y));
    if (inside != FDown) {
        FDown = inside;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const bool click = FDragging && Button == TMouseButton::mbLeft && ClientRect().Contains(Point(X, Y));
    if (FDragging && Button == TMouseButton::mbLeft) {
        FDragging = false;
        FDown = false;
        Invalidate();
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (click)
        Click();
}

void TSpeedButton::MouseEnter()
{
    FMouseInControl = true;
    Invalidate();
}

void TSpeedButton::MouseLeave()
{
    FMouseInControl = false;
    Invalidate();
}
