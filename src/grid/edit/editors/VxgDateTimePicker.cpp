#include "grid/edit/editors/VxgDateTimePicker.h"
#include "platform/Property.h"
#include "grid/foundation/GridDraw.h"
#include "grid/foundation/VxStyleIF.h"
#include "grid/foundation/ThemeBinding.h"
#include "grid/edit/editors/FlatFrame.h"
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

TFlatDateTimePicker::TFlatDateTimePicker(QWidget* AOwner, bool Custom)
    : TDateTimePicker(AOwner), FCustom(Custom), FBorderColor(Custom ? clBlack : clNone)
{
    FButtonWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
    FIsWinXP = WindowsAtLeastXP();
    FIsThemed = CommonControlsAtLeastV6();
    SetCtl3D(!Custom);
    setMouseTracking(true);
}

void TFlatDateTimePicker::SetBorderStyle(TBorderStyle value)
{
    SetProperty(FBorderStyle, value, [this] { update(); });
}

void TFlatDateTimePicker::SetBorderColor(TColor value)
{
    SetProperty(FBorderColor, value, [this] { update(); });
}

void TFlatDateTimePicker::SetMetroStyle(bool value)
{
    SetProperty(FMetroStyle, value, [this] { update(); });
}

void TFlatDateTimePicker::SetCtl3D(bool value)
{
    FCtl3D = value;
    setFrame(value);
    update();
}

void TFlatDateTimePicker::DoEnter()
{
    FHasFocus = true;
    update();
    TDateTimePicker::DoEnter();
}

void TFlatDateTimePicker::DoExit()
{
    FHasFocus = false;
    update();
    TDateTimePicker::DoExit();
}

void TFlatDateTimePicker::enterEvent(QEnterEvent* e)
{
    TDateTimePicker::enterEvent(e);
    if (isEnabled()) {
        FMouseInControl = true;
        update();
    }
}

void TFlatDateTimePicker::leaveEvent(QEvent* e)
{
    TDateTimePicker::leaveEvent(e);
    if (isEnabled())
        FMouseInControl = false;
    FButtonHover = false;
    update();
}

void TFlatDateTimePicker::mouseMoveEvent(QMouseEvent* e)
{
    TDateTimePicker::mouseMoveEvent(e);
    const int x = int(e->position().x());
    const bool hover = width() - FButtonWidth < x && x < width();
    if (hover != FButtonHover) {
        FButtonHover = hover;
        update();
    }
}

bool TFlatDateTimePicker::ThemesActive() const
{
    return FIsThemed && VxXPVS().ThemedDrawing();
}

TColor TFlatDateTimePicker::FlatLineColor() const
{
    if (FBorderStyle == TBorderStyle::bsNone && parentWidget())
        return FromQColor(parentWidget()->palette().color(QPalette::Window));
    return FIsThemed ? clDisabledFrame : FBorderColor;
}

void TFlatDateTimePicker::DrawFlatLines(TCanvas& c)
{
    if (FCtl3D || (!FCustom && FBorderColor == clNone))
        return;
    const int W = width(), H = height();
    c.Pen().SetColor(FlatLineColor());
    c.Polyline({{0, H}, {0, 0}, {W - 1, 0}, {W - 1, H - 1}, {0, H - 1}});
    if (parentWidget() && FBorderStyle == TBorderStyle::bsSingle)
        c.Pen().SetColor(FromQColor(parentWidget()->palette().color(QPalette::Window)));
    c.Polyline({{1, H - 2}, {1, 1}, {W - 1, 1}});
}

void TFlatDateTimePicker::DrawButton(TCanvas& c)
{
    const bool mouseDown = QApplication::mouseButtons() & (Qt::LeftButton | Qt::RightButton);
    TRect r = Rect(width() - FButtonWidth + 2, 0, width(), height());
    InflateRect(r, -1, -1);
    if (FButtonColor != clNone) {
        TColor brush = FButtonHover ? (mouseDown ? FButtonColorDown : FButtonColorHot) : FButtonColor;
        if (brush == clNone)
            brush = FButtonColor;
        const TRect face = Rect(r.Left + 2, r.Top, r.Right, r.Bottom);
        FillRectColor(c, face, brush);
        if (FButtonBorderColor != clNone) {
            c.Pen().SetColor(FButtonBorderColor);
            c.MoveTo(face.Left, face.Top);
            c.LineTo(face.Left, face.Bottom);
        }
        TColor text = mouseDown && FButtonTextColorDown != clNone ? FButtonTextColorDown : FButtonTextColor;
        if (text == clNone)
            text = clBlack;
        c.Brush().SetColor(text);
        c.Pen().SetColor(text);
        c.Polygon({{r.Left + 5, r.Top + 7}, {r.Left + 11, r.Top + 7}, {r.Left + 8, r.Top + 10}});
    } else if (ThemesActive()) {
        const bool dropped = DroppedDown();
        const int state = !isEnabled() ? 4 : mouseDown && dropped ? 3 : FButtonHover && !mouseDown && !dropped ? 2 : 1;
        const TThemeApiTable& api = VxXPVS().ThemeApi();
        const HTHEME theme = api.OpenThemeData(this, QStringLiteral("combobox"));
        api.DrawThemeBackground(theme, c, 1, state, r);
        api.CloseThemeData(theme);
    } else {
        DrawFrameControl(c, r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (isEnabled() ? DFCS_FLAT : DFCS_INACTIVE));
    }
}

void TFlatDateTimePicker::DrawBorder(TCanvas& c)
{
    if (!MetroPaintingActive())
        return;
    if (isEnabled() && FBorderColor == clNone && FFocusBorderColor == clNone)
        return;
    const bool active = FMouseInControl || hasFocus();
    TFlatFrame frame;
    frame.Enabled = isEnabled();
    frame.Themed = FIsThemed;
    frame.DisabledBorder = FDisabledBorder;
    frame.HasFocus = FHasFocus;
    frame.FocusBorderActive = active && FFocusBorder;
    frame.BorderColor = FBorderColor;
    frame.FocusBorderColor = FFocusBorderColor;
    frame.ParentColor = parentWidget() ? FromQColor(parentWidget()->palette().color(QPalette::Window)) : clBtnFace;
    frame.Color = Color();
    frame.ButtonWidth = FButtonWidth;
    DrawFlatFrame(c, Rect(0, 0, width(), height()), frame);
    if (!(FIsWinXP && ThemesActive()))
        DrawFlatButtonFace(c, width(), height(), FButtonWidth, active, true, DroppedDown());
}

void TFlatDateTimePicker::paintEvent(QPaintEvent* e)
{
    TDateTimePicker::paintEvent(e);
    QPainter painter(this);
    TCanvas c;
    c.BeginPaint(&painter);
    // What the frame area gets: the flat lines and, when asked for, the border.
    DrawFlatLines(c);
    const bool metro = MetroPaintingActive();
    if (!(FCtl3D && !metro)) {
        const int W = width(), H = height();
        if (metro && Kind() != TDateTimeKind::dtkTime) {
            // Cover the control's own button with the picker's colour, then draw ours.
            TRect cover = ThemesActive() ? Rect(W - FButtonWidth - (FCustom ? 4 : 15), 1, W, H)
                                         : Rect(W - FButtonWidth - 2, 4, W - 2, H - 4);
            FillRectColor(c, cover, Color());
            DrawButton(c);
        }
        if (FCustom && !FCtl3D) {
            c.Pen().SetColor(FlatLineColor());
            c.Polyline({{0, H}, {0, 0}, {W - 1, 0}, {W - 1, H - 1}, {0, H - 1}});
            if (!ThemesActive())
                c.Polyline({{1, H}, {1, 1}, {W - 2, 1}, {W - 2, H - 2}, {0, H - 2}});
        }
    }
    DrawBorder(c);
    c.EndPaint();
}

TVxgDateTimePicker::TVxgDateTimePicker(QWidget* AOwner) : TFlatDateTimePicker(AOwner, false) {}
