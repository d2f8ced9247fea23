#include "grid/paint/GridGlyphs.h"
#include "grid/foundation/GridAlphaMask.h"
#include "grid/foundation/GridDraw.h"
#include "grid/foundation/GridWindows.h"
#include "grid/foundation/ThemeBinding.h"
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

namespace {
constexpr QRgb kKey = 0xFFFF00FF;   // the transparent colour of every glyph

struct TBoxLook {
    QRgb Border, Fill, Mark;
};

// XP: blue frame, green tick; Zarn: grey frame, black tick; disabled: greyed.
constexpr TBoxLook kXP{0xFF1C5180, 0xFFF4F4F0, 0xFF21A121};
constexpr TBoxLook kZarn{0xFF808080, 0xFFFFFFFF, 0xFF000000};
constexpr TBoxLook kDisabled{0xFFB0B0B0, 0xFFF0F0F0, 0xFFA0A0A0};
constexpr TBoxLook kMetroOff{0xFF6E6E6E, 0xFFFFFFFF, 0xFFFFFFFF};
constexpr TBoxLook kMetroOn{0xFF2B2B2B, 0xFF2B2B2B, 0xFFFFFFFF};

QImage NewGlyph(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(kKey);
    return img;
}

void Tick(QPainter& p, QRgb color, int size)
{
    p.setPen(QColor::fromRgb(color));
    const int m = size / 2;
    for (int i = 0; i < 2; ++i) {
        p.drawLine(3, m - 1 + i, m - 2, size - 5 + i);
        p.drawLine(m - 2, size - 5 + i, size - 4, 4 + i);
    }
}

QImage CheckGlyph(const TBoxLook& look, bool checked, bool rounded)
{
    constexpr int size = 15;
    QImage img = NewGlyph(size, size);
    QPainter p(&img);
    p.fillRect(1, 1, size - 2, size - 2, QColor::fromRgb(look.Fill));
    p.setPen(QColor::fromRgb(look.Border));
    p.drawRect(0, 0, size - 1, size - 1);
    if (rounded)
        for (QPoint corner : {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
            img.setPixel(corner, kKey);
    if (checked)
        Tick(p, look.Mark, size);
    p.end();
    img.setPixel(0, size - 1, kKey);
    return img;
}

QImage RadioGlyph(const TBoxLook& look, bool selected)
{
    constexpr int size = 15;
    QImage img = NewGlyph(size, size);
    QPainter p(&img);
    p.setPen(QColor::fromRgb(look.Border));
    p.setBrush(QColor::fromRgb(look.Fill));
    p.drawEllipse(0, 0, size - 1, size - 1);
    if (selected) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromRgb(look.Mark));
        p.drawEllipse(4, 4, 6, 6);
    }
    p.end();
    img.setPixel(0, size - 1, kKey);
    return img;
}

QImage FilterGlyph()
{
    QImage img = NewGlyph(16, 16);
    QPainter p(&img);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x40, 0x40, 0x40));
    p.drawPolygon(QPolygon({QPoint(3, 4), QPoint(13, 4), QPoint(9, 9), QPoint(9, 13), QPoint(7, 13), QPoint(7, 9)}));
    return img;
}

// A plus or minus box: open shows the minus.
QImage NodeGlyph(int size, QRgb border, QRgb fill, bool open)
{
    QImage img = NewGlyph(size, size);
    QPainter p(&img);
    p.fillRect(0, 0, size, size, QColor::fromRgb(fill));
    p.setPen(QColor::fromRgb(border));
    p.drawRect(0, 0, size - 1, size - 1);
    p.setPen(Qt::black);
    const int m = size / 2;
    p.drawLine(2, m, size - 3, m);
    if (!open)
        p.drawLine(m, 2, m, size - 3);
    p.end();
    img.setPixel(0, size - 1, kKey);
    return img;
}

QImage CloseGlyph()
{
    QImage img = NewGlyph(12, 12);
    QPainter p(&img);
    p.setPen(QColor(0x80, 0x00, 0x00));
    for (int i = 0; i < 2; ++i) {
        p.drawLine(2 + i, 2, 9 + i, 9);
        p.drawLine(9 + i, 2, 2 + i, 9);
    }
    return img;
}

QImage MakeGlyph(TGlyphId id)
{
    using G = TGlyphId;
    switch (id) {
    case G::ZarnCheckOn: return CheckGlyph(kZarn, true, false);
    case G::ZarnCheckOff: return CheckGlyph(kZarn, false, false);
    case G::ZarnCheckOnDisabled: return CheckGlyph(kDisabled, true, false);
    case G::ZarnCheckOffDisabled: return CheckGlyph(kDisabled, false, false);
    case G::XPCheckOn: return CheckGlyph(kXP, true, false);
    case G::XPCheckOff: return CheckGlyph(kXP, false, false);
    case G::XPCheckOnDisabled: return CheckGlyph(kDisabled, true, false);
    case G::XPCheckOffDisabled: return CheckGlyph(kDisabled, false, false);
    case G::ZarnRadioOn: return RadioGlyph(kZarn, true);
    case G::ZarnRadioOff: return RadioGlyph(kZarn, false);
    case G::ZarnRadioOnDisabled: return RadioGlyph(kDisabled, true);
    case G::ZarnRadioOffDisabled: return RadioGlyph(kDisabled, false);
    case G::XPRadioOn: return RadioGlyph(kXP, true);
    case G::XPRadioOff: return RadioGlyph(kXP, false);
    case G::XPRadioOnDisabled: return RadioGlyph(kDisabled, true);
    case G::XPRadioOffDisabled: return RadioGlyph(kDisabled, false);
    case G::MetroCheckOn: return CheckGlyph(kMetroOn, true, true);
    case G::MetroCheckOff: return CheckGlyph(kMetroOff, false, true);
    case G::MetroRadioOn: return RadioGlyph(kMetroOn, true);
    case G::MetroRadioOff: return RadioGlyph(kMetroOff, false);
    case G::Filter: return FilterGlyph();
    case G::LeafClose: return NodeGlyph(12, 0xFF808080, 0xFFFFFFFF, false);
    case G::LeafOpen: return NodeGlyph(12, 0xFF808080, 0xFFFFFFFF, true);
    case G::XPNodeClosed: return NodeGlyph(9, 0xFF7898B5, 0xFFF0F0F0, false);
    case G::XPNodeOpen: return NodeGlyph(9, 0xFF7898B5, 0xFFF0F0F0, true);
    case G::Close: return CloseGlyph();
    }
    return {};
}

// Two boxes with their frames: outer top-left, outer bottom-right, then the inner ones.
void Edge(TCanvas& c, TRect r, TColor outerTL, TColor outerBR, TColor innerTL, TColor innerBR)
{
    auto frame = [&](const TRect& b, TColor tl, TColor br) {
        c.Pen().SetColor(tl);
        c.MoveTo(b.Left, b.Bottom - 1);
        c.LineTo(b.Left, b.Top);
        c.LineTo(b.Right - 1, b.Top);
        c.Pen().SetColor(br);
        c.LineTo(b.Right - 1, b.Bottom - 1);
        c.LineTo(b.Left - 1, b.Bottom - 1);
    };
    frame(r, outerTL, outerBR);
    InflateRect(r, -1, -1);
    frame(r, innerTL, innerBR);
}

// The platform's classic check box frame control (DFCS_BUTTONCHECK).
void ClassicCheck(TCanvas& c, const TRect& r, bool checked, bool grayed, bool flat, bool inactive)
{
    c.Pen().SetStyle(TPenStyle::psSolid);
    c.Pen().SetWidth(1);
    TRect inner = r;
    if (flat) {
        c.Brush().SetStyle(TBrushStyle::bsSolid);
        c.Brush().SetColor(clBtnShadow);
        c.FrameRect(r);
        InflateRect(inner, -1, -1);
    } else {
        Edge(c, r, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight);
        InflateRect(inner, -2, -2);
    }
    FillRectColor(c, inner, inactive || grayed ? clBtnFace : clWindow);
    if (!checked && !grayed)
        return;
    c.Pen().SetColor(inactive || grayed ? clBtnShadow : clWindowText);
    const int x = inner.Left + (inner.Width() - 7) / 2, y = inner.Top + (inner.Height() - 7) / 2;
    for (int i = 0; i < 3; ++i) {
        c.MoveTo(x, y + 2 + i);
        c.LineTo(x + 2, y + 4 + i);
        c.LineTo(x + 7, y - 1 + i);
    }
}

void ClassicRadio(TCanvas& c, const TRect& r, bool checked, bool flat, bool inactive)
{
    c.Pen().SetStyle(TPenStyle::psSolid);
    c.Pen().SetWidth(1);
    c.Pen().SetColor(flat ? clBtnShadow : cl3DDkShadow);
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(inactive ? clBtnFace : clWindow);
    c.Ellipse(r.Left, r.Top, r.Right, r.Bottom);
    if (!checked)
        return;
    const int d = std::max(2, r.Width() / 3);
    const int x = r.Left + (r.Width() - d) / 2, y = r.Top + (r.Height() - d) / 2;
    c.Pen().SetColor(inactive ? clBtnShadow : clWindowText);
    c.Brush().SetColor(inactive ? clBtnShadow : clWindowText);
    c.Ellipse(x, y, x + d, y + d);
}

// csTheme falls back to classic drawing without visual styles.
TControlStyle EffectiveStyle(TControlStyle style, const TGlyphContext& ctx)
{
    return style == TControlStyle::csTheme && !ctx.Themed ? TControlStyle::csClassic : style;
}

void DrawBitmapTransparent(TCanvas& c, const TBitmap& bitmap, int x, int y)
{
    if (bitmap.Empty())
        return;
    TBitmap copy;
    copy.Assign(bitmap);
    copy.SetTransparent(true);
    c.Draw(x, y, copy);
}

void BorlandDiamond(TCanvas& c, int x, int y, bool selected, TColor inner)
{
    c.Pen().SetColor(clBtnFace);
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(clBtnFace);
    c.Polygon({{x + 2, y + 8}, {x + 8, y + 2}, {x + 14, y + 8}, {x + 8, y + 14}});
    c.Pen().SetColor(selected ? clGray : clWhite);
    c.MoveTo(x + 2, y + 8);
    c.LineTo(x + 8, y + 2);
    c.LineTo(x + 14, y + 8);
    c.Pen().SetColor(selected ? clWhite : clGray);
    c.LineTo(x + 8, y + 14);
    c.LineTo(x + 2, y + 8);
    if (selected) {
        c.Pen().SetColor(inner);
        c.Brush().SetColor(inner);
        c.Polygon({{x + 6, y + 8}, {x + 8, y + 6}, {x + 10, y + 8}, {x + 8, y + 10}});
    }
}
} // namespace

const TBitmap& GlyphBitmap(TGlyphId Id)
{
    static QHash<int, std::shared_ptr<TBitmap>> cache;
    auto& slot = cache[int(Id)];
    if (!slot) {
        slot = std::make_shared<TBitmap>();
        slot->SetImage(MakeGlyph(Id));
    }
    return *slot;
}

void DrawTransparentGlyph(TCanvas& Canvas, TGlyphId Id, int X, int Y)
{
    TBitmap glyph;
    glyph.Assign(GlyphBitmap(Id));
    glyph.SetTransparent(true);
    Canvas.Draw(X, Y, glyph);
}

bool GlyphByName(const QString& Name, TGlyphId& Id)
{
    static const QHash<QString, TGlyphId> names{
        {"VXGCHK01", TGlyphId::ZarnCheckOn},         {"VXGCHK02", TGlyphId::ZarnCheckOff},
        {"VXGCHK03", TGlyphId::ZarnCheckOnDisabled}, {"VXGCHK04", TGlyphId::ZarnCheckOffDisabled},
        {"VXGCHK05", TGlyphId::XPCheckOn},           {"VXGCHK06", TGlyphId::XPCheckOff},
        {"VXGCHK07", TGlyphId::XPCheckOnDisabled},   {"VXGCHK08", TGlyphId::XPCheckOffDisabled},
        {"VXGRAD01", TGlyphId::ZarnRadioOn},         {"VXGRAD02", TGlyphId::ZarnRadioOff},
        {"VXGRAD03", TGlyphId::ZarnRadioOnDisabled}, {"VXGRAD04", TGlyphId::ZarnRadioOffDisabled},
        {"VXGRAD05", TGlyphId::XPRadioOn},           {"VXGRAD06", TGlyphId::XPRadioOff},
        {"VXGRAD07", TGlyphId::XPRadioOnDisabled},   {"VXGRAD08", TGlyphId::XPRadioOffDisabled},
        {"METROCHECKON", TGlyphId::MetroCheckOn},    {"METROCHECKOFF", TGlyphId::MetroCheckOff},
        {"METRORADIOON", TGlyphId::MetroRadioOn},    {"METRORADIOOFF", TGlyphId::MetroRadioOff},
        {"VXGFILT", TGlyphId::Filter},               {"VXGLEAFCLOSE", TGlyphId::LeafClose},
        {"VXGLEAFOPEN", TGlyphId::LeafOpen},         {"XPNODEC", TGlyphId::XPNodeClosed},
        {"XPNODEO", TGlyphId::XPNodeOpen},           {"VXGCLOSE", TGlyphId::Close},
    };
    const auto it = names.find(Name.toUpper());
    if (it == names.end())
        return false;
    Id = *it;
    return true;
}

bool CheckGlyphFor(TControlStyle Style, bool Checked, bool Enabled, const TControlLook& Look, TGlyphId& Id)
{
    using G = TGlyphId;
    switch (Style) {
    case TControlStyle::csZarn:
        Id = Enabled ? (Checked ? G::ZarnCheckOn : G::ZarnCheckOff) : (Checked ? G::ZarnCheckOnDisabled : G::ZarnCheckOffDisabled);
        return true;
    case TControlStyle::csWinXP:
        Id = Enabled ? (Checked ? G::XPCheckOn : G::XPCheckOff) : (Checked ? G::XPCheckOnDisabled : G::XPCheckOffDisabled);
        return true;
    default:
        Q_UNUSED(Look);
        return false;
    }
}

void DrawCheckGlyph(TCanvas& Canvas, const TGlyphContext& Ctx, TRect R, bool Checked, TCheckBoxState TriState,
                    bool IsTriState, TControlStyle ControlStyle, bool Grayed, bool Enabled)
{
    const TControlLook& look = *Ctx.Look;
    if (look.NoDisabledCheckRadioLook() || look.CheckAlwaysActive())
        Enabled = true;
    const TControlStyle style = EffectiveStyle(ControlStyle, Ctx);
    if (IsTriState) {
        Checked = TriState == TCheckBoxState::cbChecked;
        Grayed = TriState == TCheckBoxState::cbGrayed;
    }
    const int size = look.CheckSize();
    if (Ctx.RightToLeft) {
        if (Ctx.NoRTLOrientation) {
            R.Left -= Ctx.XYOffsetX;
            R.Right += Ctx.XYOffsetX;
        } else {
            const int left = Ctx.ClientWidth - R.Right, right = Ctx.ClientWidth - R.Left;
            R.Left = left;
            R.Right = right;
        }
    }
    TGlyphId id;
    if (CheckGlyphFor(style, Checked, Enabled, look, id)) {
        DrawTransparentGlyph(Canvas, id, R.Left, R.Top);
        return;
    }
    switch (style) {
    case TControlStyle::csGlyph:
        DrawBitmapTransparent(Canvas, Checked ? look.CheckedGlyph() : look.UnCheckedGlyph(), R.Left, R.Top);
        return;
    case TControlStyle::csBorland: {
        TRect box = Rect(R.Left, R.Top, R.Left + size, R.Top + size);
        Canvas.Pen().SetStyle(TPenStyle::psSolid);
        Canvas.Pen().SetWidth(1);
        Canvas.Pen().SetColor(clBtnFace);
        Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        Canvas.Brush().SetColor(Enabled ? clBtnFace : clBtnShadow);
        Canvas.Rectangle(box);
        Canvas.Pen().SetColor(clBtnHighlight);
        Canvas.MoveTo(box.Left, box.Bottom - 1);
        Canvas.LineTo(box.Left, box.Top);
        Canvas.LineTo(box.Right - 1, box.Top);
        Canvas.Pen().SetColor(clBtnShadow);
        Canvas.LineTo(box.Right - 1, box.Bottom - 1);
        Canvas.LineTo(box.Left, box.Bottom - 1);
        if (Checked) {
            const int oldTop = box.Top;
            box.Top -= 1;
            box.Bottom -= 1;
            Canvas.Pen().SetColor(Enabled ? look.Color() : clGray);
            Canvas.MoveTo(box.Left + 2, oldTop + size / 2);
            Canvas.LineTo(box.Left + 2, box.Bottom - 1);
            Canvas.MoveTo(box.Left + 3, box.Top + size / 2);
            Canvas.LineTo(box.Left + 3, box.Bottom - 2);
            Canvas.MoveTo(box.Left + 2, box.Bottom - 1);
            Canvas.LineTo(box.Right - 2, box.Top + 3);
            Canvas.MoveTo(box.Left + 3, box.Bottom - 1);
            Canvas.LineTo(box.Right - 1, box.Top + 3);
        }
        return;
    }
    case TControlStyle::csTheme: {
        int state = Checked ? (Enabled ? 5 : 8) : (Enabled ? 1 : 4);
        if (Grayed)
            state = Enabled ? 9 : 12;
        const TThemeApiTable& api = VxXPVS().ThemeApi();
        const HTHEME theme = api.OpenThemeData(Ctx.Window, QStringLiteral("button"));
        api.DrawThemeBackground(theme, Canvas, 3, state, Rect(R.Left, R.Top, R.Left + size, R.Top + size));
        api.CloseThemeData(theme);
        return;
    }
    default: {
        const int x = R.Left + (R.Width() - size) / 2, y = R.Top + (R.Height() - size) / 2;
        ClassicCheck(Canvas, Rect(x, y, x + size, y + size), Checked || Grayed, Grayed,
                     style == TControlStyle::csFlat, !Enabled);
        return;
    }
    }
}

void DrawRadioGlyph(TCanvas& Canvas, const TGlyphContext& Ctx, const TRect& R, bool Upward, double Scale,
                    TControlStyle ControlStyle, bool Selected, const QStringList* Items, bool Disabled,
                    bool Horizontal, int SelectedIndex, int Count, const QString& CellText)
{
    const TControlLook& look = *Ctx.Look;
    if (look.NoDisabledCheckRadioLook() || look.RadioAlwaysActive())
        Disabled = false;
    const TControlStyle style = EffectiveStyle(ControlStyle, Ctx);
    const TBrushStyle oldBrush = Canvas.Brush().Style();
    Canvas.Brush().SetStyle(TBrushStyle::bsClear);
    if (Selected && Ctx.ShowSelection)
        Canvas.Font().SetColor(Ctx.SelectionTextColor);
    const int gh = Canvas.TextHeight(QStringLiteral("gh"));
    const int lineStep = std::max(16, gh);
    const int sign = Upward ? -1 : 1;
    int textSoFar = 0;
    const bool classic = style == TControlStyle::csClassic || style == TControlStyle::csFlat;
    const int radio = int(std::lround(look.RadioSize() * Scale));
    for (int i = 1; i <= Count; ++i) {
        const QString text = Items && Items->size() >= i ? Items->at(i - 1) : QString();
        const bool on = SelectedIndex >= 0 ? i - 1 == SelectedIndex : (SelectedIndex == -1 && text == CellText && Items);
        const auto textOut = [&](int x, int y) {
            if (text.isEmpty())
                return;
            Canvas.Brush().SetStyle(TBrushStyle::bsClear);
            Canvas.TextOut(x, y, text);
            textSoFar += Canvas.TextWidth(text);
        };
        if (classic) {
            const int glyph = style == TControlStyle::csFlat ? int(std::lround((look.RadioSize() + 2) * Scale)) : radio;
            int x, y;
            if (Horizontal) {
                x = (i - 1) * look.RadioSize() + textSoFar + R.Left + 2;
                y = R.Top + (R.Height() - glyph) / 2;
                ClassicRadio(Canvas, Rect(x, y, x + glyph, y + glyph), on, style == TControlStyle::csFlat, Disabled);
                textOut(x + radio, R.Top - 2);
            } else if (!text.isEmpty()) {
                x = R.Left + 2;
                y = R.Top + sign * gh * (i - 1) + 2;
                ClassicRadio(Canvas, Rect(x, y, x + glyph, y + glyph), on, style == TControlStyle::csFlat, Disabled);
                textOut(x + int(std::lround((look.RadioSize() + 4) * Scale)), y - 2);
            } else {
                x = R.Left + (R.Width() - glyph) / 2;
                y = R.Top + sign * gh * (i - 1) + 2;
                ClassicRadio(Canvas, Rect(x, y, x + glyph, y + glyph), on, style == TControlStyle::csFlat, Disabled);
            }
            continue;
        }
        // 16-pixel option cells for the drawn and copied glyphs.
        const bool copied = style != TControlStyle::csBorland && style != TControlStyle::csTheme;
        int x, y;
        if (Horizontal) {
            x = textSoFar + R.Left + i * 16 - 14;
            y = R.Top + (R.Height() - 16) / 2;
        } else if (!text.isEmpty()) {
            x = R.Left + 2;
            y = R.Top + sign * lineStep * (i - 1) + 2;
        } else {
            x = R.Left + (R.Width() - 16) / 2;
            y = R.Top + sign * lineStep * (i - 1) + 2;
        }
        if (style == TControlStyle::csBorland) {
            BorlandDiamond(Canvas, x, y, on, look.Color());
        } else if (style == TControlStyle::csTheme) {
            const int state = on ? (Disabled ? 8 : 5) : (Disabled ? 4 : 1);
            const TThemeApiTable& api = VxXPVS().ThemeApi();
            const HTHEME theme = api.OpenThemeData(Ctx.Window, QStringLiteral("button"));
            api.DrawThemeBackground(theme, Canvas, 2, state, Rect(x, y, x + 16, y + 16));
            api.CloseThemeData(theme);
        } else if (style == TControlStyle::csGlyph) {
            DrawBitmapTransparent(Canvas, on ? look.RadioOnGlyph() : look.RadioOffGlyph(), x, y);
        } else {
            const bool zarn = style == TControlStyle::csZarn;
            using G = TGlyphId;
            const G id = zarn ? (Disabled ? (on ? G::ZarnRadioOnDisabled : G::ZarnRadioOffDisabled) : (on ? G::ZarnRadioOn : G::ZarnRadioOff))
                              : (Disabled ? (on ? G::XPRadioOnDisabled : G::XPRadioOffDisabled) : (on ? G::XPRadioOn : G::XPRadioOff));
            DrawTransparentGlyph(Canvas, id, x, y);
        }
        if (Horizontal)
            textOut(x + 16, copied ? y + 1 : y - 2);
        else if (copied)
            textOut(R.Left + 18, y + 1);
        else
            textOut(R.Left + 20, R.Top + sign * lineStep * (i - 1));
    }
    Canvas.Brush().SetStyle(oldBrush);
}

void BuildFocusHalo(int CellWidth, int CellHeight, TGridAlphaMask& Mask, QRegion& Region)
{
    const int w = CellWidth + 9, h = CellHeight + 9;
    QImage mask;
    MakeRoundRectMask(mask, w, h, 4, 5, 3);
    QImage colour(w, h, QImage::Format_RGB888);
    colour.fill(ToQColor(0xFDD397));
    Mask.MergeMask(mask, colour);
    Mask.SetOpacity(230);
    Region = QRegion(0, 0, w, h).xored(QRegion(4, 4, CellWidth, CellHeight));
}

void ShowLayeredMask(TGridFocusWindow& Window, const TGridAlphaMask& Mask)
{
    if (Mask.Height() == 0)
        return;
    Window.UpdateLayered({Window.x(), Window.y()}, Mask);
}

void ShowFocusHalo(TGridFocusWindow& Window, QWidget* Grid, const TRect& CellRect)
{
    Window.hide();
    TGridAlphaMask mask;
    QRegion region;
    BuildFocusHalo(CellRect.Width(), CellRect.Height(), mask, region);
    const QPoint screen = Grid->mapToGlobal(QPoint(CellRect.Left - 4, CellRect.Top - 4));
    Window.move(screen);
    ShowLayeredMask(Window, mask);
    Window.setMask(region);
    Window.show();
}

void HideFocusHalo(TGridFocusWindow& Window)
{
    Window.hide();
}

namespace {
void SizingLine(TCanvas& c, TPoint from, TPoint to)
{
    const TPen saved = c.Pen();
    c.Pen().SetWidth(1);
    c.Pen().SetStyle(TPenStyle::psDot);
    c.Pen().SetMode(TPenMode::pmXor);
    // Exclusive or with white inverts: black would leave the pixels as they are.
    c.Pen().SetColor(clWhite);
    c.MoveTo(from.X, from.Y);
    c.LineTo(to.X, to.Y);
    c.Pen() = saved;
}
} // namespace

void DrawColSizingLine(TCanvas& Canvas, int X, int Bottom)
{
    SizingLine(Canvas, {X, 0}, {X, Bottom});
}

void DrawRowSizingLine(TCanvas& Canvas, int Y, int Right)
{
    SizingLine(Canvas, {0, Y}, {Right, Y});
}
