#include "grid/paint/CellTextPaint.h"
#include "grid/model/GridText.h"
#include "grid/paint/GridColors.h"
#include <algorithm>
#include <cmath>
#include <QRegularExpression>
#include <numbers>

TPlainTextLayout PlainTextLayout(const QString& Text, bool MultilineCells, bool WordWrap, bool EnhTextSize,
                                 TAlignment HA, TVAlignment VA)
{
    TPlainTextLayout out{Text, DT_EDITCONTROL};
    if (CountLines(Text, MultilineCells) == 1 && !WordWrap) {
        const qsizetype cut = Text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
        if (cut >= 0)
            out.Text = Text.left(cut);
        out.Format = DT_SINGLELINE;
        if (EnhTextSize)
            out.Format |= DT_END_ELLIPSIS;
    }
    if (WordWrap && !MultilineCells && EnhTextSize)
        out.Format |= DT_END_ELLIPSIS;
    out.Format |= DT_EXPANDTABS | DT_NOPREFIX;
    out.Format |= HA == TAlignment::taRightJustify ? DT_RIGHT : HA == TAlignment::taCenter ? DT_CENTER : DT_LEFT;
    out.Format |= VA == TVAlignment::vtaBottom ? DT_BOTTOM : VA == TVAlignment::vtaCenter ? DT_VCENTER : DT_TOP;
    if (WordWrap || MultilineCells)
        out.Format |= DT_WORDBREAK | DT_EDITCONTROL;
    else
        out.Format |= DT_SINGLELINE;
    return out;
}

TRotatedExtent RotatedExtent(int cx, int cy, int Angle)
{
    const double a = Angle * std::numbers::pi / 180.0;
    return {std::abs(Nearest(std::cos(a) * cy)), std::abs(Nearest(std::sin(a) * cx)),
            std::abs(Nearest(std::sin(a) * cy)), std::abs(Nearest(std::cos(a) * cx))};
}

TRect CalcRotatedTextOrigin(TRect R, TAlignment HA, TVAlignment VA, const TRotatedExtent& E, int Angle)
{
    const int A = E.A, B = E.B, C = E.C, D = E.D;
    const int W = R.Right - R.Left;
    const int quadrant = Angle <= 90 ? 1 : Angle <= 180 ? 2 : Angle <= 270 ? 3 : 4;
    const int excess = R.Top + A + B - R.Bottom;
    int left = R.Left, top = R.Top;
    const bool right = HA == TAlignment::taRightJustify, centre = HA == TAlignment::taCenter;
    switch (quadrant) {
    case 1:
        left = right ? R.Right - D - C : centre ? R.Left + (W - C - D) / 2 : R.Left;
        top = VA == TVAlignment::vtaTop ? R.Top + B : VA == TVAlignment::vtaCenter ? R.Top + B - excess / 2 : R.Bottom - A;
        break;
    case 2:
        left = right ? R.Right - C : centre ? R.Right - (C + W - D) / 2 : R.Left + D;
        top = VA == TVAlignment::vtaTop ? R.Top + A + B : VA == TVAlignment::vtaCenter ? R.Top + A + B - excess / 2 : R.Bottom;
        break;
    case 3:
        left = right ? R.Right : centre ? R.Right - (W - C - D) / 2 : R.Left + C + D;
        top = VA == TVAlignment::vtaTop ? R.Top + A : VA == TVAlignment::vtaCenter ? R.Top + A - excess / 2 : R.Bottom - B;
        break;
    default:
        left = right ? R.Right - D : centre ? R.Left + (C + W - D) / 2 : R.Left + C;
        top = VA == TVAlignment::vtaTop ? R.Top : VA == TVAlignment::vtaCenter ? R.Top - excess / 2 : R.Bottom - A - B;
        break;
    }
    R.Left = left;
    R.Top = top;
    return R;
}

TRect CalcRotatedRect(TCanvas& Canvas, TRect R, int Angle, TVAlignment VA, TAlignment HA, const QString& Text)
{
    const int cx = Canvas.TextWidth(Text), cy = Canvas.TextHeight(Text);
    InflateRect(R, -2, -2);
    return CalcRotatedTextOrigin(R, HA, VA, RotatedExtent(cx, cy, Angle), Angle);
}

TPoint RotatedCellSize(int w, int h, int Angle)
{
    const double a = Angle * std::numbers::pi / 180.0;
    const double c = std::abs(std::cos(a)), s = std::abs(std::sin(a));
    return {Nearest(w * c + h * s) + 12, Nearest(w * s + h * c) + 12};
}

TPoint SortMarkPosition(const TRect& R, TAlignment HA, TVAlignment VA, int TextWidth, int Offset)
{
    int x;
    const int room = std::max(0, std::min(TextWidth, R.Width() - 16));
    if (HA == TAlignment::taRightJustify)
        x = R.Right - room - 10;
    else if (HA == TAlignment::taCenter)
        x = R.Left + 8;
    else
        x = R.Left + room + Offset + 10;
    const int y = VA == TVAlignment::vtaTop ? R.Top + 8 : VA == TVAlignment::vtaCenter ? (R.Top + R.Bottom) / 2 : R.Bottom - 8;
    return {x, y};
}

namespace {
bool HasGlyph(const TBitmap* b)
{
    return b && !b->Empty();
}

void DrawGlyph(TCanvas& c, const TBitmap& glyph, int x, int y)
{
    TBitmap copy;
    copy.Assign(glyph);
    copy.SetTransparent(true);
    c.Draw(x, y, copy);
}
} // namespace

void DrawSortIndicator(TCanvas& Canvas, const TSortMark& M, int Y, int X)
{
    const bool indexGlyphs = HasGlyph(M.IndexUpGlyph) && HasGlyph(M.IndexDownGlyph);
    const bool sortGlyphs = HasGlyph(M.UpGlyph) && HasGlyph(M.DownGlyph);
    if (M.RightToLeft) {
        const bool complete = M.IndexShow ? indexGlyphs : sortGlyphs;
        const TBitmap* g = M.IndexShow ? M.IndexUpGlyph : M.UpGlyph;
        X = M.ClientWidth - X - 4 - (complete ? g->Width() + 7 : 7);
    }
    const TPen savedPen = Canvas.Pen();
    if (M.IndexShow) {
        if (M.IndexPosition < 0)
            return;
        Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        Canvas.Brush().SetColor(M.IndexColor);
        Canvas.Pen().SetColor(clBlack);
        const QString number = QString::number(M.IndexPosition + 1);
        if (M.IndexOtherDirection) {
            if (!indexGlyphs)
                Canvas.Polygon({{X - 7, Y - 5}, {X + 7, Y - 5}, {X, Y + 8}});
            else
                DrawGlyph(Canvas, *M.IndexUpGlyph, X - 7, Y - 7);
        } else {
            if (!indexGlyphs)
                Canvas.Polygon({{X - 6, Y + 8}, {X + 6, Y + 8}, {X, Y - 4}});
            else
                DrawGlyph(Canvas, *M.IndexDownGlyph, X - 7, Y - 7);
        }
        const TFont savedFont = Canvas.Font();
        Canvas.Brush().SetStyle(TBrushStyle::bsClear);
        Canvas.Font().SetColor(clBlack);
        Canvas.Font().SetSize(6);
        Canvas.TextOut(X - 2, M.IndexOtherDirection ? Y - 4 : Y - 2, number);
        Canvas.SetFont(savedFont);
        Canvas.Pen() = savedPen;
        return;
    }
    if (!sortGlyphs) {
        Canvas.Pen().SetWidth(1);
        Canvas.Pen().SetStyle(TPenStyle::psSolid);
        if (M.Descending) {
            Canvas.Pen().SetColor(clWhite);
            Canvas.MoveTo(X + 4, Y - 4);
            Canvas.LineTo(X, Y + 4);
            Canvas.Pen().SetColor(clGray);
            Canvas.LineTo(X - 4, Y - 4);
            Canvas.LineTo(X + 4, Y - 4);
        } else {
            Canvas.Pen().SetColor(clWhite);
            Canvas.MoveTo(X - 4, Y + 4);
            Canvas.LineTo(X + 4, Y + 4);
            Canvas.LineTo(X, Y - 4);
            Canvas.Pen().SetColor(clGray);
            Canvas.LineTo(X - 4, Y + 4);
        }
        Canvas.Pen().SetColor(clBlack);
        return;
    }
    DrawGlyph(Canvas, M.Descending ? *M.DownGlyph : *M.UpGlyph, X - 4, Y - 4);
}

void DrawTiledBitmap(TCanvas& Canvas, const TBitmap& Bitmap, const TRect& R, int OffsetX, int OffsetY)
{
    const int bw = Bitmap.Width(), bh = Bitmap.Height();
    if (bw <= 0 || bh <= 0 || R.IsEmpty())
        return;
    const QImage& image = Bitmap.Image();
    Canvas.SetClipRect(R);
    const int ox = ((OffsetX % bw) + bw) % bw, oy = ((OffsetY % bh) + bh) % bh;
    // The picture's pixel (ox, oy) lands one pixel left of and above the rectangle.
    TBitmap tile;
    for (int y = R.Top - 1 - oy; y < R.Bottom; y += bh)
        for (int x = R.Left - 1 - ox; x < R.Right; x += bw) {
            tile.SetImage(image);
            Canvas.Draw(x, y, tile);
        }
    Canvas.ResetClipRect();
}

void GradientBandColors(TColor From, TColor To, int BandStart, int BandEnd, int Extent, TColor& BandFrom, TColor& BandTo)
{
    BandFrom = InterpolateColor(From, To, 0, Extent, std::clamp(BandStart, 0, Extent));
    BandTo = InterpolateColor(From, To, 0, Extent, std::clamp(BandEnd, 0, Extent));
}

void DrawCellBorderLines(TCanvas& Canvas, TRect R, TCellBorders Borders, const TCellBorderPens& Pens,
                         int GridLineWidth, bool VertLines, bool HorzLines)
{
    if (Borders.IsEmpty())
        return;
    const TPen saved = Canvas.Pen();
    int e = (saved.Width() + 1) / 2;
    const int f = VertLines ? e : 0;
    if (!HorzLines)
        e = 0;
    R.Left += f;
    R.Bottom -= e;
    auto line = [&](const TPen& pen, int x1, int y1, int x2, int y2) {
        Canvas.Pen() = pen;
        Canvas.MoveTo(x1, y1);
        Canvas.LineTo(x2, y2);
    };
    if (Borders.Contains(TCellBorder::cbLeft))
        line(Pens.Left, std::max(0, R.Left), R.Top, std::max(0, R.Left), R.Bottom);
    R.Right -= f;
    if (Borders.Contains(TCellBorder::cbRight))
        line(Pens.Right, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
    if (Borders.Contains(TCellBorder::cbTop)) {
        R.Top += e;
        const int y = GridLineWidth > 0 ? std::max(0, R.Top - GridLineWidth) : R.Top + 1;
        line(Pens.Top, R.Left, y, R.Right, y);
    }
    if (Borders.Contains(TCellBorder::cbBottom))
        line(Pens.Bottom, R.Left - GridLineWidth - 1, R.Bottom - 1, R.Right, R.Bottom - 1);
    Canvas.Pen() = saved;
}
