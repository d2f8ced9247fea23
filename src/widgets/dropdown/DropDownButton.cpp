#include "widgets/dropdown/DropDownButton.h"
#include "grid/foundation/GridDraw.h"
#include "grid/foundation/ThemeBinding.h"
#include "grid/foundation/VxStyleIF.h"
#include "widgets/dropdown/VxDropDown.h"

namespace {
void Arrow(TCanvas& c, TColor color)
{
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(color);
    c.Pen().SetStyle(TPenStyle::psSolid);
    c.Pen().SetWidth(1);
    c.Pen().SetColor(color);
    c.Polygon({{5, 7}, {11, 7}, {8, 10}});
}

void Polyline(TCanvas& c, TColor color, std::vector<TPoint> points)
{
    c.Pen().SetStyle(TPenStyle::psSolid);
    c.Pen().SetWidth(1);
    c.Pen().SetColor(color);
    c.Polyline(points);
}
} // namespace

TVxDropDownSpeedButton::TVxDropDownSpeedButton(TDropDownEditButton* AOwner)
    : TCustomControl(AOwner), FOwner(AOwner), FIsWinXP(CommonControlsAtLeastV6())
{
}

void TVxDropDownSpeedButton::SetButtonStyle(TButtonStyle value)
{
    FButtonStyle = value;
    Invalidate();
}

TVxCustomDropDown* TVxDropDownSpeedButton::Edit() const
{
    return FOwner->FocusControl();
}

bool TVxDropDownSpeedButton::IsThemed() const
{
    return FIsWinXP && VxXPVS().ThemeApiLoaded() && VxXPVS().ThemeApi().IsThemeActive();
}

int TVxDropDownSpeedButton::ThemeState() const
{
    if (!isEnabled())
        return 4;
    if (Pressed())
        return 3;
    return FHot ? 2 : 1;
}

void TVxDropDownSpeedButton::Paint()
{
    if (FButtonStyle == TButtonStyle::bsButton)
        PaintButton();
    else
        PaintDropDown();
}

void TVxDropDownSpeedButton::PaintClassic()
{
    DrawFrameControl(Canvas(), ClientRect(), DFC_BUTTON, DFCS_BUTTONPUSH | (Pressed() ? DFCS_PUSHED : 0));
}

void TVxDropDownSpeedButton::PaintDropDown()
{
    TCanvas& c = Canvas();
    const int w = width(), h = height();
    if (FOwner->ButtonColor == clNone) {
        if (!FGlyph.Empty()) {
            c.Brush().SetStyle(TBrushStyle::bsSolid);
            c.Brush().SetColor(clBtnFace);
            c.Pen().SetWidth(1);
            c.Pen().SetColor(0x808080);
            c.Rectangle(ClientRect());
            FGlyph.SetTransparent(true);
            FGlyph.SetTransparentMode(TTransparentMode::tmAuto);
            c.Draw(0, 0, FGlyph);
            return;
        }
        if (TVxCustomDropDown* edit = Edit())
            setEnabled(edit->isEnabled() && !edit->isReadOnly());
        if (IsThemed()) {
            const TThemeApiTable& api = VxXPVS().ThemeApi();
            TRect r = ClientRect();
            if (HasLocaleInfoEx()) {
                r.Left += 1;
            } else {
                InflateRect(r, 1, 1);
                r.Left += 2;
            }
            const HTHEME theme = api.OpenThemeData(parentWidget(), QStringLiteral("combobox"));
            api.DrawThemeBackground(theme, c, 1, ThemeState(), r);
            api.CloseThemeData(theme);
            return;
        }
        PaintClassic();
        Polyline(c, clBtnFace, {{w - 2, 0}, {0, 0}, {0, h - 1}});
        Polyline(c, clWhite, {{w - 3, 1}, {1, 1}, {1, h - 2}});
        Arrow(c, clBlack);
        return;
    }
    TColor face = FOwner->ButtonColor, arrow = FOwner->ButtonTextColor;
    if (FHot)
        face = FOwner->ButtonColorHot, arrow = FOwner->ButtonTextColorHot;
    if (Pressed())
        face = FOwner->ButtonColorDown, arrow = FOwner->ButtonTextColorDown;
    FillRectColor(c, ClientRect(), face);
    if (TVxCustomDropDown* edit = Edit()) {
        c.Pen().SetColor(edit->BorderColor());
        c.MoveTo(0, 0);
        c.LineTo(0, h);
    }
    Arrow(c, arrow);
}

void TVxDropDownSpeedButton::PaintButton()
{
    TCanvas& c = Canvas();
    const int shift = Pressed() ? 1 : 0;
    if (TVxCustomDropDown* edit = Edit())
        c.SetFont(TFont::fromQFont(edit->font()));
    if (IsThemed() || FFlat) {
        FillRectColor(c, ClientRect(), clBtnFace);
        if (IsThemed()) {
            const TThemeApiTable& api = VxXPVS().ThemeApi();
            const HTHEME theme = api.OpenThemeData(parentWidget(), QStringLiteral("button"));
            api.DrawThemeBackground(theme, c, 1, ThemeState(), Rect(0, 0, width() + 1, height() + 1));
            api.CloseThemeData(theme);
        } else {
            DrawFrameControl(c, ClientRect(), DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_FLAT | (Pressed() ? DFCS_PUSHED : 0));
        }
    } else {
        PaintClassic();
    }
    TRect r = ClientRect();
    InflateRect(r, -2, -2);
    if (!FGlyph.Empty()) {
        int x = r.Left, y = r.Top;
        if (FCaption.isEmpty() && FGlyph.Width() < r.Width())
            x += (r.Width() - FGlyph.Width()) / 2;
        else if (!FCaption.isEmpty())
            x += 2;
        if (FGlyph.Height() < r.Height())
            y += (r.Height() - FGlyph.Height()) / 2;
        FGlyph.SetTransparent(true);
        c.Draw(x + shift, y + shift, FGlyph);
        r.Left = x + FGlyph.Width() + 2;
    }
    if (FCaption.isEmpty())
        return;
    c.Brush().SetStyle(TBrushStyle::bsClear);
    TRect t = ClientRect();
    InflateRect(t, -3, -1);
    if (!FGlyph.Empty())
        t.Left = r.Left;
    OffsetRect(t, shift, shift);
    c.DrawText(FCaption, t, (FGlyph.Empty() ? DT_CENTER : DT_LEFT) | DT_VCENTER | DT_SINGLELINE);
}

void TVxDropDownSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button == TMouseButton::mbLeft && isEnabled()) {
        FDown = true;
        Invalidate();
    }
}

void TVxDropDownSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    const bool wasDown = FDown;
    FDown = false;
    Invalidate();
    if (wasDown && rect().contains(X, Y))
        FOwner->ButtonMouseUp(Button);
}

void TVxDropDownSpeedButton::MouseEnter()
{
    FHot = true;
    Invalidate();
}

void TVxDropDownSpeedButton::MouseLeave()
{
    FHot = false;
    Invalidate();
}

TDropDownEditButton::TDropDownEditButton(QWidget* AOwner) : TCustomControl(AOwner), FButton(new TVxDropDownSpeedButton(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    TCustomControl::SetBounds(0, 0, 16, 25);
    FButton->setGeometry(0, 0, FBWidth, height());
}

void TDropDownEditButton::SetButtonWidth(int value)
{
    FBWidth = value;
    SetBounds(x(), y(), value, height());
}

void TDropDownEditButton::SetBounds(int ALeft, int ATop, int, int AHeight)
{
    TCustomControl::SetBounds(ALeft, ATop, FBWidth, AHeight);
}

void TDropDownEditButton::resizeEvent(QResizeEvent* e)
{
    TCustomControl::resizeEvent(e);
    if (width() != FBWidth)
        resize(FBWidth, height());
    FButton->setGeometry(0, 0, FBWidth, height());
}

void TDropDownEditButton::EnabledChanged()
{
    FButton->setEnabled(isEnabled());
}

void TDropDownEditButton::ButtonMouseUp(TMouseButton Button)
{
    if (Button == TMouseButton::mbLeft && OnClick)
        OnClick(this);
}
