#include "grid/foundation/VxGridButton.h"
#include "grid/model/GridText.h"
#include "grid/foundation/GridDraw.h"
#include <QMenu>
#include <array>

namespace {

constexpr int kDropDownWidth = 12;
constexpr int kGradientSteps = 16;

struct TLookColors {
    TColor Color, ColorTo, ColorHot, ColorHotTo, ColorDown, ColorDownTo, ColorChecked, ColorCheckedTo;
    TColor BorderDownColor, BorderHotColor;
};
constexpr std::array<TLookColors, 7> kLooks = {{
    {0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE5ECED, 0xE0E6E7, 0xD8E0E1, 0xFFFFFF, clNone, 0xAF987A, 0xC3CECE},
    {clBtnFace, clNone, 0xEED2C1, clNone, 0xE2B598, clNone, 0xE8E6E1, clNone, 0xC56A31, 0xC56A31},
    {0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {0xCFF0EA, 0x8CC0B1, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {0xECE2E1, 0xB39698, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {clBtnFace, clNone, clBtnFace, clNone, 0xD8D3D2, clNone, 0xCAC7C7, clNone, clNone, clNone},
    {0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7CE9FC, 0x4DE0FB, 0x7AE9FC, 0xB5E6F2, 0x9CDDED, 0x808080, 0x808080},
}};

} // namespace

TVxGridButton::TVxGridButton(QWidget* AOwner)
    : TCustomControl(AOwner), FGlyph(std::make_unique<TBitmap>()), FGlyphDisabled(std::make_unique<TBitmap>()),
      FGlyphHot(std::make_unique<TBitmap>()), FGlyphDown(std::make_unique<TBitmap>()),
      FGlyphShade(std::make_unique<TBitmap>())
{
    resize(22, 23);
    SetColor(clBtnFace);
}

TVxGridButton::~TVxGridButton() = default;

void TVxGridButton::SetCaption(const QString& value)
{
    FCaption = value;
    Invalidate();
}

void TVxGridButton::SetGroupIndex(int value)
{
    if (FGroupIndex == value)
        return;
    FGroupIndex = value;
    UpdateExclusive();
}

void TVxGridButton::SetAllowAllUp(bool value)
{
    if (FAllowAllUp == value)
        return;
    FAllowAllUp = value;
    UpdateExclusive();
}

void TVxGridButton::SetDown(bool value)
{
    if (FGroupIndex == 0 && FStyle != TVxGridButtonStyle::tasCheck)
        value = false;
    if (FStyle == TVxGridButtonStyle::tasCheck) {
        FDown = value;
        Invalidate();
        return;
    }
    if (value == FDown || (FDown && !FAllowAllUp))
        return;
    FDown = value;
    if (value) {
        if (FState == TVxButtonState::bsUp)
            Invalidate();
        FState = TVxButtonState::bsExclusive;
        UpdateExclusive();
    } else {
        FState = TVxButtonState::bsUp;
        Invalidate();
    }
}

void TVxGridButton::UpdateExclusive()
{
    if (FGroupIndex == 0 || !parentWidget())
        return;
    for (TVxGridButton* b : parentWidget()->findChildren<TVxGridButton*>(Qt::FindDirectChildrenOnly))
        if (b != this)
            b->ButtonPressed(FGroupIndex, this);
}

void TVxGridButton::ButtonPressed(int Group, TVxGridButton* Sender)
{
    if (Group != FGroupIndex)
        return;
    if (Sender->FDown && FDown) {
        FDown = false;
        FState = TVxButtonState::bsUp;
        Invalidate();
    }
    FAllowAllUp = Sender->FAllowAllUp;
}

void TVxGridButton::SetLayout(TVxButtonLayout value)
{
    if (FLayout != value) {
        FLayout = value;
        Invalidate();
    }
}

void TVxGridButton::SetSpacing(int value)
{
    if (FSpacing != value) {
        FSpacing = value;
        Invalidate();
    }
}

void TVxGridButton::SetMargin(int value)
{
    if (value >= -1 && FMargin != value) {
        FMargin = value;
        Invalidate();
    }
}

void TVxGridButton::SetFlat(bool value)
{
    if (FFlat != value) {
        FFlat = value;
        Invalidate();
    }
}

void TVxGridButton::SetShowCaption(bool value)
{
    if (FShowCaption != value) {
        FShowCaption = value;
        Invalidate();
    }
}

void TVxGridButton::SetColorTo(TColor value) { FColorTo = value; Invalidate(); }
void TVxGridButton::SetColorChecked(TColor value) { FColorChecked = value; Invalidate(); }
void TVxGridButton::SetColorCheckedTo(TColor value) { FColorCheckedTo = value; Invalidate(); }
void TVxGridButton::SetBorderColor(TColor value) { FBorderColor = value; Invalidate(); }
void TVxGridButton::SetStyle(TVxGridButtonStyle value) { FStyle = value; Invalidate(); }
void TVxGridButton::SetRounded(bool value) { FRounded = value; Invalidate(); }
void TVxGridButton::SetDropDownButton(bool value) { FDropDownButton = value; Invalidate(); }

void TVxGridButton::SetGlyph(const TBitmap& value)
{
    FGlyph->Assign(value);
    if (FGlyphDisabled->Empty() && !value.Empty()) {
        QImage grey = value.Image().convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < grey.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
            for (int x = 0; x < grey.width(); ++x) {
                const int level = Nearest((qRed(line[x]) + qGreen(line[x]) + qBlue(line[x])) / 3.0) / 2 + 96;
                line[x] = qRgb(level, level, level);
            }
        }
        FGlyphDisabled->SetImage(grey);
    }
    if (FShaded)
        BuildShade();
    Invalidate();
}

void TVxGridButton::SetShaded(bool value)
{
    FShaded = value;
    if (value)
        BuildShade();
}

void TVxGridButton::BuildShade()
{
    if (FGlyph->Empty()) {
        FGlyphShade->SetImage(QImage());
        return;
    }
    const QImage glyph = FGlyph->Image().convertToFormat(QImage::Format_RGB32);
    const QRgb transparent = glyph.pixel(0, glyph.height() - 1);
    QImage shade(glyph.size(), QImage::Format_RGB32);
    for (int y = 0; y < glyph.height(); ++y)
        for (int x = 0; x < glyph.width(); ++x)
            shade.setPixel(x, y, glyph.pixel(x, y) == transparent ? transparent : qRgb(0x80, 0x80, 0x80));
    FGlyphShade->SetImage(shade);
    FGlyphShade->SetTransparent(true);
}

QMenu* TVxGridButton::DropDownMenu() const { return FDropDownMenu; }
void TVxGridButton::SetDropDownMenu(QMenu* value) { FDropDownMenu = value; }

void TVxGridButton::SetAutoThemeAdapt(bool value)
{
    FAutoThemeAdapt = value;
    // No desktop colour scheme is readable here: adapting ends in the classic look.
    if (value)
        SetLook(1);
}

void TVxGridButton::SetLook(int value)
{
    if (value < 0 || value >= int(kLooks.size()))
        return;
    FLook = value;
    const TLookColors& l = kLooks[size_t(value)];
    SetColor(l.Color);
    FColorTo = l.ColorTo;
    FColorHot = l.ColorHot;
    FColorHotTo = l.ColorHotTo;
    FColorDown = l.ColorDown;
    FColorDownTo = l.ColorDownTo;
    FColorChecked = l.ColorChecked;
    FColorCheckedTo = l.ColorCheckedTo;
    FBorderDownColor = l.BorderDownColor;
    FBorderHotColor = l.BorderHotColor;
    FBorderColor = clNone;
    FFlat = true;
    FRounded = value == 0;
    Invalidate();
}

// ---- Painting ----

void TVxGridButton::Fill(TRect r, TColor from, TColor to, TColor pen)
{
    TCanvas& c = Canvas();
    c.Pen().SetStyle(TPenStyle::psSolid);
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    if (to == clNone) {
        c.Brush().SetColor(from);
        c.Pen().SetColor(pen == clNone ? from : pen);
        c.Rectangle(r);
        return;
    }
    const TColor a = ColorToRGB(from), b = ColorToRGB(to);
    const double h = double(r.Bottom - r.Top) / kGradientSteps;
    for (int k = 0; k < kGradientSteps; ++k) {
        auto channel = [&](int s, int e) { return s + Nearest(double(k) * (e - s) / kGradientSteps); };
        const TColor color = RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
                                 channel(GetBValue(a), GetBValue(b)));
        const int top = r.Top + Nearest(k * h);
        c.Brush().SetColor(color);
        c.Pen().SetColor(color);
        c.Rectangle(r.Left, top, r.Right, top + Nearest(h) + 1);
    }
    if (pen != clNone)
        Outline(r, pen, false);
}

void TVxGridButton::Outline(TRect r, TColor color, bool rounded)
{
    TCanvas& c = Canvas();
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.Pen().SetStyle(TPenStyle::psSolid);
    c.Pen().SetColor(color);
    if (rounded)
        c.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 8, 8);
    else
        c.Rectangle(r);
}

void TVxGridButton::Paint()
{
    TCanvas& c = Canvas();
    if (!Enabled()) {
        FState = TVxButtonState::bsDisabled;
        FDragging = false;
    } else if (FState == TVxButtonState::bsDisabled) {
        FState = FDown && FGroupIndex != 0 ? TVxButtonState::bsExclusive : TVxButtonState::bsUp;
    }
    const bool toggleDown = FStyle == TVxGridButtonStyle::tasCheck && FDown;
    const TVxButtonState state = toggleDown ? TVxButtonState::bsDown : FState;
    const bool hot = FMouseInControl && Enabled();
    const bool pressed = state == TVxButtonState::bsDown || state == TVxButtonState::bsExclusive;
    TRect r = ClientRect();
    if (FFlat) {
        if (FBorderDownColor == clNone || FRounded)
            InflateRect(r, -1, -1);
        if (hot) {
            TColor from = FColorHot, to = FColorHotTo, pen = FBorderHotColor;
            if (state == TVxButtonState::bsDown) {
                from = FColorDown;
                to = FColorDownTo;
                pen = FBorderDownColor;
            }
            if (toggleDown && !FDragging) {
                from = FColorChecked;
                to = FColorCheckedTo;
                pen = FBorderDownColor;
            }
            Fill(r, from, to, FRounded ? clNone : pen);
            if (FRounded) {
                InflateRect(r, 1, 1);
                Outline(r, pen, true);
            }
            if (FDropDownButton) {
                c.Pen().SetColor(pen);
                c.MoveTo(r.Right - kDropDownWidth, r.Top);
                c.LineTo(r.Right - kDropDownWidth, r.Bottom);
            }
        } else {
            if (toggleDown)
                Fill(r, FColorChecked, FColorCheckedTo, FBorderDownColor);
            else
                Fill(r, Color(), FColorTo, FRounded ? clNone : FDown ? FBorderDownColor : FBorderColor);
            if (FBorderColor != clNone) {
                TRect o = r;
                if (FRounded)
                    InflateRect(o, 1, 1);
                Outline(o, FBorderColor, FRounded);
            }
        }
        InflateRect(r, -1, -1);
    } else {
        // The classic push-button frame, sunken while down.
        FillRectColor(c, r, Color());
        c.Pen().SetColor(pressed ? cl3DDkShadow : clBtnHighlight);
        c.Polyline({{r.Left, r.Bottom - 1}, {r.Left, r.Top}, {r.Right - 1, r.Top}});
        c.Pen().SetColor(pressed ? clBtnHighlight : cl3DDkShadow);
        c.Polyline({{r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left - 1, r.Bottom - 1}});
        InflateRect(r, -2, -2);
    }
    if (state == TVxButtonState::bsExclusive && (!FFlat || !hot)) {
        TRect e = r;
        InflateRect(e, 1, 1);
        Fill(e, FColorChecked, FColorCheckedTo, clNone);
    }
    TPoint offset;
    if (pressed && !FFlat)
        offset = {1, 1};
    else if (hot && FShaded && FFlat && !pressed)
        offset = {-1, -1};
    if (FDropDownButton) {
        const int m = (r.Top + r.Bottom) / 2;
        c.Pen().SetColor(Font().Color());
        c.Brush().SetStyle(TBrushStyle::bsSolid);
        c.Brush().SetColor(Font().Color());
        c.Polygon({{r.Right - 8, m - 1}, {r.Right - 4, m - 1}, {r.Right - 6, m + 1}});
        r.Right -= kDropDownWidth;
    }
    DrawContent(r, offset, hot);
}

void TVxGridButton::DrawContent(TRect r, TPoint offset, bool hot)
{
    TCanvas& c = Canvas();
    c.SetFont(Font());
    const bool horizontal = FLayout == TVxButtonLayout::blGlyphLeft || FLayout == TVxButtonLayout::blGlyphRight;
    const int glyphW = FGlyph->Empty() ? 0 : FGlyph->Width();
    const int glyphH = FGlyph->Empty() ? 0 : FGlyph->Height();
    int textW = 0, textH = 0;
    if (!FCaption.isEmpty()) {
        TRect t = Rect(0, 0, r.Width(), 0);
        c.DrawText(FCaption, t, DT_CALCRECT | DT_SINGLELINE);
        textW = t.Width();
        textH = t.Height();
    }
    const int clientW = r.Width(), clientH = r.Height();
    TPoint glyphPos, textPos;
    if (horizontal) {
        glyphPos.Y = (clientH - glyphH + 1) / 2;
        textPos.Y = (clientH - textH + 1) / 2;
    } else {
        glyphPos.X = (clientW - glyphW + 1) / 2;
        textPos.X = (clientW - textW + 1) / 2;
    }
    const int client = horizontal ? clientW : clientH;
    const int glyphSize = horizontal ? glyphW : glyphH;
    const int textSize = horizontal ? textW : textH;
    int spacing = (textW == 0 || glyphW == 0) ? 0 : FSpacing;
    int margin = FMargin;
    if (margin == -1 && spacing == -1) {
        margin = (client - (glyphSize + textSize)) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = (client - (glyphSize + spacing + textSize) + 1) / 2;
    } else if (spacing == -1) {
        spacing = (client - (margin + glyphSize) - textSize) / 2;
    }
    switch (FLayout) {
    case TVxButtonLayout::blGlyphLeft:
        glyphPos.X = margin;
        textPos.X = glyphPos.X + glyphW + spacing;
        break;
    case TVxButtonLayout::blGlyphRight:
        glyphPos.X = clientW - margin - glyphW;
        textPos.X = glyphPos.X - spacing - textW;
        break;
    case TVxButtonLayout::blGlyphTop:
        glyphPos.Y = margin;
        textPos.Y = glyphPos.Y + glyphH + spacing;
        break;
    case TVxButtonLayout::blGlyphBottom:
        glyphPos.Y = clientH - margin - glyphH;
        textPos.Y = glyphPos.Y - spacing - textH;
        break;
    }
    glyphPos = {glyphPos.X + r.Left + offset.X, glyphPos.Y + r.Top + offset.Y};
    textPos = {textPos.X + r.Left + offset.X, textPos.Y + r.Top + offset.Y};

    const bool pressed = FState == TVxButtonState::bsDown || FState == TVxButtonState::bsExclusive;
    if (glyphW > 0) {
        const TBitmap* glyph = FGlyph.get();
        if (!Enabled())
            glyph = FGlyphDisabled.get();
        else if (pressed)
            glyph = FGlyphDown.get();
        else if (hot)
            glyph = FGlyphHot.get();
        if (glyph->Empty())
            glyph = FGlyph.get();
        const TPoint at = FCaption.isEmpty() ? TPoint{0, 0} : glyphPos;
        if (hot && FShaded && Enabled() && !pressed && !FGlyphShade->Empty())
            c.Draw(at.X + 2, at.Y + 2, *FGlyphShade);
        TBitmap drawn;
        drawn.Assign(*glyph);
        drawn.SetTransparent(true);
        c.Draw(at.X, at.Y, drawn);
    }
    if (!FShowCaption || FCaption.isEmpty())
        return;
    if (hot && FShaded && FFlat)
        textPos = {textPos.X + 1, textPos.Y + 1};
    c.Brush().SetStyle(TBrushStyle::bsClear);
    TRect text = Rect(textPos.X, textPos.Y, textPos.X + textW, textPos.Y + textH);
    const unsigned flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (Enabled())
        c.DrawText(FCaption, text, flags);
    else
        DrawDisabledText(c, FCaption, text, flags, clBtnHighlight, clBtnShadow);
}

// ---- Mouse and keys ----

void TVxGridButton::Click()
{
    if (OnClick)
        OnClick(this);
}

void TVxGridButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft || !Enabled())
        return;
    if (FDropDownButton && X > Width() - kDropDownWidth) {
        FState = TVxButtonState::bsUp;
        if (OnDropDown)
            OnDropDown(this);
        if (FDropDownMenu)
            FDropDownMenu->popup(mapToGlobal(QPoint(0, Height())));
        return;
    }
    if (!FDown) {
        FState = TVxButtonState::bsDown;
        Invalidate();
    }
    if (FStyle == TVxGridButtonStyle::tasCheck) {
        FState = TVxButtonState::bsDown;
        Repaint();
    }
    FDragging = true;
}

void TVxGridButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (!FDragging) {
        if (!FMouseInControl)
            UpdateTracking();
        return;
    }
    TVxButtonState state = FDown ? TVxButtonState::bsExclusive : TVxButtonState::bsUp;
    if (Inside(X, Y))
        state = FDown ? TVxButtonState::bsExclusive : TVxButtonState::bsDown;
    if (FStyle == TVxGridButtonStyle::tasCheck && FDown)
        state = TVxButtonState::bsDown;
    if (state != FState) {
        FState = state;
        Invalidate();
    }
}

void TVxGridButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging)
        return;
    FDragging = false;
    const bool inside = Inside(X, Y);
    if (FGroupIndex == 0) {
        FState = TVxButtonState::bsUp;
        if (FStyle == TVxGridButtonStyle::tasCheck)
            SetDown(!FDown);
        if (inside && !FDown)
            Invalidate();
    } else if (inside) {
        SetDown(!FDown);
        if (FDown)
            Repaint();
    } else if (FDown) {
        FState = TVxButtonState::bsExclusive;
        Invalidate();
    }
    if (inside)
        Click();
    UpdateTracking();
}

void TVxGridButton::DblClick()
{
    if (FDown)
        TCustomControl::DblClick();
}

void TVxGridButton::UpdateTracking()
{
    if (!FFlat || !Enabled())
        return;
    const bool under = underMouse();
    if (under != FMouseInControl) {
        if (under)
            MouseEnter();
        else
            MouseLeave();
    }
}

void TVxGridButton::MouseEnter()
{
    if (!FMouseInControl && Enabled() && !QWidget::mouseGrabber()) {
        FMouseInControl = true;
        Invalidate();
    }
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TVxGridButton::MouseLeave()
{
    if (FMouseInControl && Enabled() && !FDragging) {
        FMouseInControl = false;
        Invalidate();
    }
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TVxGridButton::EnabledChanged()
{
    UpdateTracking();
    Repaint();
}

bool TVxGridButton::DialogChar(QChar Key, TShiftState)
{
    if (!IsAccel(Key, FCaption) || !Enabled() || !isVisible() || !parentWidget() ||
        !parentWidget()->isVisible())
        return false;
    Click();
    return true;
}
