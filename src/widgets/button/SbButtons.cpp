#include "widgets/button/SbButtons.h"
#include "widgets/button/SbButtonGlyphs.h"
#include <QPainter>
#include <algorithm>

namespace {
struct Rgb {
    double r, g, b;
};

Rgb Channels(TColor c)
{
    const TColor rgb = ColorToRGB(c);
    return {double(GetRValue(rgb)), double(GetGValue(rgb)), double(GetBValue(rgb))};
}

// A vertical gradient in 32 bands; the last band starts at Bottom and so is empty.
void FillFaceGradient(TCanvas& canvas, TColor FromColor, TColor ToColor, int Left, int Top, int Right, int Bottom)
{
    const Rgb from = Channels(FromColor);
    const Rgb to = Channels(ToColor);
    const Rgb step = {(to.r - from.r) / 31, (to.g - from.g) / 31, (to.b - from.b) / 31};
    Rgb value = from;
    const int span = Bottom - Top;
    const int band = span / 31 + 1;
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    for (int i = 0; i <= 31; ++i) {
        const int top = Top + (i * span) / 31;
        const int bottom = std::min(top + band, Bottom);
        canvas.Brush().SetColor(RGB(int(value.r), int(value.g), int(value.b)));
        canvas.FillRect(Rect(Left, top, Right, bottom));
        value = {value.r + step.r, value.g + step.g, value.b + step.b};
    }
}

TColor BlendHotTrackColor(TColor Color, TColor HotTrackColor, int HotTrackStep)
{
    const double t = HotTrackStep / 8.0;
    const Rgb c = Channels(Color);
    const Rgb h = Channels(HotTrackColor);
    return RGB(int(c.r * (1 - t) + h.r * t), int(c.g * (1 - t) + h.g * t), int(c.b * (1 - t) + h.b * t));
}

// The wanted cell of the strip, drawn with its bottom-left colour left out; a cell beyond the strip shows cell 0.
void DrawGlyphCell(TCanvas& canvas, const TBitmap& glyph, int X, int Y, int SourceX, int SourceY, int CellWidth,
                   int CellHeight)
{
    if (glyph.Empty() || CellWidth <= 0 || CellHeight <= 0)
        return;
    QImage image = glyph.Image().copy(0, 0, CellWidth, CellHeight);
    {
        QPainter p(&image);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(-SourceX, -SourceY, glyph.Image());
    }
    TBitmap cell;
    cell.SetImage(image);
    cell.SetTransparent(true);
    canvas.Draw(X, Y, cell);
}

void Line(TCanvas& canvas, std::initializer_list<TPoint> points)
{
    auto it = points.begin();
    canvas.MoveTo(it->X, it->Y);
    for (++it; it != points.end(); ++it)
        canvas.LineTo(it->X, it->Y);
}

void DrawFrame(TCanvas& canvas, const TSbButtonFace& f, bool down, TColor face)
{
    const int W = f.Width, H = f.Height;
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetWidth(1);
    switch (f.Style) {
    case TSbButtonStyle::bsNormal:
    case TSbButtonStyle::bsEncarta:
    case TSbButtonStyle::bsOld:
        if (f.Flat && !(f.Enabled && (f.Hot || down)))
            return;
        if (f.Style == TSbButtonStyle::bsOld) {
            canvas.Pen().SetColor(f.ShadowColor);
            if (down)
                Line(canvas, {Point(1, H - 3), Point(1, 1), Point(W - 2, 1)});
            else
                Line(canvas, {Point(W - 2, 0), Point(W - 2, H - 2), Point(0, H - 2)});
            canvas.Pen().SetColor(down ? cl3DDkShadow : f.LightColor);
            Line(canvas, {Point(0, H - 1), Point(0, 0), Point(W - 1, 0)});
            canvas.Pen().SetColor(down ? f.LightColor : cl3DDkShadow);
            canvas.LineTo(W - 1, H - 1);
            canvas.LineTo(-1, H - 1);
        } else {
            canvas.Pen().SetColor(down ? f.ShadowColor : f.LightColor);
            Line(canvas, {Point(0, H - 1), Point(0, 0), Point(W - 1, 0)});
            canvas.Pen().SetColor(down ? f.LightColor : f.ShadowColor);
            canvas.LineTo(W - 1, H - 1);
            canvas.LineTo(0, H - 1);
        }
        return;
    case TSbButtonStyle::bsModern:
        canvas.Pen().SetColor(down ? f.ShadowColor : face);
        canvas.Rectangle(1, 1, W - 1, H - 1);
        canvas.Pen().SetColor(f.ShadowColor);
        canvas.RoundRect(0, 0, W, H, 6, 6);
        return;
    case TSbButtonStyle::bsQuicken:
        canvas.Pen().SetStyle(TPenStyle::psClear);
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(face);
        canvas.RoundRect(0, 1, W, H, 4, 4);
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        canvas.Pen().SetStyle(TPenStyle::psSolid);
        canvas.Pen().SetColor(f.ShadowColor);
        Line(canvas, {Point(4, 0), Point(W - 5, 0)});
        Line(canvas, {Point(4, H - 1), Point(W - 5, H - 1)});
        return;
    case TSbButtonStyle::bsShape:
        return;
    }
}

struct TextBlock {
    QString caption;
    int width = 0;
    int height = 0;
};

// Without word wrap the caption loses its last characters until it fits, then the block is measured.
TextBlock FitCaption(TCanvas& canvas, const TSbButtonFace& f, int& TW)
{
    TW = std::max(0, TW);
    TextBlock block{f.Caption};
    if (!f.WordWrap)
        while (!block.caption.isEmpty() && canvas.TextWidth(block.caption) > TW)
            block.caption.chop(1);
    TRect r = Rect(0, 0, TW, 0);
    canvas.DrawText(block.caption, r, DT_CALCRECT | DT_WORDBREAK);
    block.width = r.Right;
    block.height = r.Bottom;
    return block;
}
} // namespace

TSbColorStyleColors GetColorStyleColors(TSbColorStyle Preset)
{
    using S = TSbButtonStyle;
    switch (Preset) {
    case TSbColorStyle::lcsGold: return {0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF, clBlack, false, S::bsModern};
    case TSbColorStyle::lcsChrome: return {0xC0C0C0, 0xFFFFFF, 0x808080, clNone, clNone, clBlack, false, S::bsModern};
    case TSbColorStyle::lcsBlue: return {0xFF8000, 0xFFFF00, 0xFF0000, clNone, clNone, clBlack, false, S::bsModern};
    case TSbColorStyle::lcsRed: return {0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone, clBlack, false, S::bsModern};
    case TSbColorStyle::lcsUltraFlat1: return {clBtnFace, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6, clBlack, true, S::bsNormal};
    case TSbColorStyle::lcsUltraFlat2: return {clBtnFace, 0x000000, 0x000000, 0x24DABC, 0x8CF6E4, clBlack, true, S::bsNormal};
    case TSbColorStyle::lcsUltraFlatXP: return {0xD1D8DB, 0xB59284, 0xB59285, 0xB59285, 0xD2BDB6, clBlack, true, S::bsNormal};
    case TSbColorStyle::lcsAqua: return {0xECCE94, 0xFCE6D4, 0x000000, clNone, clNone, clBlack, false, S::bsModern};
    case TSbColorStyle::lcsDefault: return {clBtnFace, 0xFFFFFF, 0x808080, clNone, clNone, clBlack, false, S::bsNormal};
    case TSbColorStyle::lcsQuicken: return {0x603000, 0xC0C0C0, 0xC0C0C0, 0xAD6529, 0xCEAE9C, 0xFFFFFF, false, S::bsQuicken};
    case TSbColorStyle::lcsCustom: break;
    }
    return {clBtnFace, clWhite, clGray, clNone, clNone, clBlack, false, S::bsNormal};
}

void DrawSbButtonFace(TCanvas& Canvas, const TSbButtonFace& f)
{
    const int W = f.Width, H = f.Height;
    const bool down = f.Down && f.Enabled; // disabled buttons are never pressed
    const int D = down && f.Style != TSbButtonStyle::bsEncarta ? 1 : 0;

    TColor face = f.Color;
    if (f.Enabled && f.HotTrackColor != clNone)
        face = BlendHotTrackColor(f.Color, f.HotTrackColor, f.HotTrackStep);
    if (down && f.ColorWhenDown != clNone)
        face = f.ColorWhenDown;

    switch (f.Style) {
    case TSbButtonStyle::bsShape:
    case TSbButtonStyle::bsNormal:
    case TSbButtonStyle::bsEncarta:
    case TSbButtonStyle::bsOld:
        Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        Canvas.Brush().SetColor(f.Style == TSbButtonStyle::bsShape ? kSbTransparentKey : face);
        Canvas.Rectangle(-1, -1, W + 1, H + 1);
        break;
    case TSbButtonStyle::bsModern:
        FillFaceGradient(Canvas, f.LightColor, face, 2, 2, W - 2, H / 4 + D);
        FillFaceGradient(Canvas, face, f.LightColor, 2, H / 4 + D, W - 2, H - 1);
        break;
    case TSbButtonStyle::bsQuicken:
        break;
    }
    Canvas.Brush().SetStyle(TBrushStyle::bsClear);
    DrawFrame(Canvas, f, down, face);

    TFont font = f.Font;
    if (f.Style == TSbButtonStyle::bsEncarta && down)
        font.SetStyle(font.Style() | TFontStyle::fsBold);
    Canvas.SetFont(font);

    const TBitmap* glyph = f.Glyph && !f.Glyph->Empty() ? f.Glyph : nullptr;
    const int GH = glyph ? glyph->Height() : 0;
    const int GW = glyph && f.NumGlyphs > 0 ? glyph->Width() / f.NumGlyphs : 0;
    int sourceX = 0;
    if (!f.Enabled)
        sourceX = GW;
    else if (down && f.NumGlyphs > 2)
        sourceX = 2 * GW;
    else if (f.Hot && f.NumGlyphs > 3)
        sourceX = 3 * GW;
    auto drawGlyph = [&](int x, int y) {
        if (glyph)
            DrawGlyphCell(Canvas, *glyph, x, y, sourceX, 0, GW, GH);
    };

    unsigned format = DT_WORDBREAK;
    if (f.Alignment == TAlignment::taRightJustify)
        format |= DT_RIGHT;
    else if (f.Alignment == TAlignment::taCenter)
        format |= DT_CENTER;

    if (f.Style == TSbButtonStyle::bsShape) {
        int TW = W - 8;
        const TextBlock text = FitCaption(Canvas, f, TW);
        drawGlyph((W - GW) / 2, (H - GH) / 2);
        TRect r = Rect(D, (H - text.height) / 2 + D, W, H);
        Canvas.DrawText(text.caption, r, DT_CENTER | DT_WORDBREAK);
    } else {
        int TW = 0, textX = D + 4, textY = 0, glyphX = D + 4, glyphY = 0;
        TextBlock text;
        const bool horizontal = f.Layout == TSbButtonLayout::blGlyphLeft || f.Layout == TSbButtonLayout::blGlyphRight;
        if (horizontal) {
            TW = W - 8 - (GW > 0 ? GW + 4 : 0);
            text = FitCaption(Canvas, f, TW);
            textY = (H - text.height) / 2 + D;
            glyphY = (H - GH) / 2 + D;
            const int span = text.caption.isEmpty() ? 0 : text.width + 4;
            if (f.Layout == TSbButtonLayout::blGlyphLeft) {
                if (GW > 0)
                    textX += GW + 4;
                if (!f.WordWrap && f.Alignment == TAlignment::taRightJustify)
                    glyphX = W - 4 - GW - span + D;
                else if (!f.WordWrap && f.Alignment == TAlignment::taCenter)
                    glyphX = (W - GW) / 2 + D - span / 2;
            } else {
                glyphX = textX + span;
                if (!f.WordWrap && f.Alignment == TAlignment::taRightJustify)
                    glyphX = W - 4 + D - GW;
                else if (!f.WordWrap && f.Alignment == TAlignment::taCenter)
                    glyphX = (W - GW) / 2 + D + span / 2;
            }
        } else {
            TW = W - 8;
            text = FitCaption(Canvas, f, TW);
            const int block = text.height + (GH > 0 ? GH + 4 : 0);
            if (f.Layout == TSbButtonLayout::blGlyphTop) {
                glyphY = (H - block) / 2 + D;
                textY = glyphY + GH;
            } else {
                textY = (H - block) / 2 + D;
                glyphY = textY + text.height;
            }
            if (f.Alignment == TAlignment::taRightJustify)
                glyphX = W - GW - 4 + D;
            else if (f.Alignment == TAlignment::taCenter)
                glyphX = (W - GW) / 2 + D;
        }
        if (!f.Enabled)
            Canvas.Font().SetColor(0x808080);
        TRect r = Rect(textX, textY, textX + TW, textY + text.height);
        Canvas.DrawText(text.caption, r, format);
        drawGlyph(glyphX, glyphY);
    }

    if (f.HasPopupMenu) {
        TBitmap arrow;
        LoadSbButtonBitmap(arrow, QStringLiteral("LBARROW"));
        arrow.SetTransparent(true);
        Canvas.Draw(W - 11, H / 2 - 1, arrow);
    }
}
