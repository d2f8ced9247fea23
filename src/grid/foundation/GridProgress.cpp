#include "grid/foundation/GridProgress.h"
#include "grid/model/GridText.h"
#include "grid/foundation/GridDraw.h"
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct Level {
    TColor color;
    TColor colorTo;
};

// A bar or block: two gradient halves across the bar, or one colour.
void PaintBlock(TCanvas& c, const TRect& b, Level level, const TProgressPaintParams& p)
{
    if (b.IsEmpty())
        return;
    if (!p.ShowGradient) {
        FillRectColor(c, b, level.color);
        return;
    }
    TRect first = b, second = b;
    if (p.Vertical)
        first.Right = second.Left = b.Left + b.Width() / 2;
    else
        first.Bottom = second.Top = b.Top + b.Height() / 2;
    FillGradientRect(c, level.colorTo, level.color, p.Steps, first, p.Vertical);
    FillGradientRect(c, level.color, level.colorTo, p.Steps, second, p.Vertical);
}

void Outline(TCanvas& c, const TRect& r, const TProgressPaintParams& p)
{
    c.Pen().SetStyle(TPenStyle::psSolid);
    c.Pen().SetWidth(1);
    c.Pen().SetColor(p.ShowBorder ? p.BorderColor : p.Color);
    c.Rectangle(r);
}

} // namespace

void PaintProgressBar(TCanvas& Canvas, const TRect& R, int Percent, const TProgressPaintParams& Params)
{
    const TProgressPaintParams& p = Params;
    const bool vertical = p.Vertical;
    const int inner = (vertical ? R.Height() : R.Width()) - 2;
    const Level levels[4] = {{p.Level0Color, p.Level0ColorTo}, {p.Level1Color, p.Level1ColorTo},
                             {p.Level2Color, p.Level2ColorTo}, {p.Level3Color, p.Level3ColorTo}};

    Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    Canvas.Brush().SetColor(p.Color);
    Outline(Canvas, R, p);

    if (Percent > 0 && p.Stacked) {
        // Segments from 1 pixel inside one edge to 1 pixel inside the other.
        auto along = [&](int from, int to) {
            return vertical ? Rect(R.Left + 1, from, R.Right - 1, to) : Rect(from, R.Top + 1, to, R.Bottom - 1);
        };
        const int c = Nearest(std::min(Percent, p.Level1Perc) / 100.0 * inner);
        TRect segment = vertical ? along(R.Bottom - c, R.Bottom - 1) : along(R.Left + 1, R.Left + 1 + c);
        PaintBlock(Canvas, segment, levels[0], p);
        int b = 0;
        if (Percent >= p.Level1Perc) {
            b = Nearest(inner * (std::min(Percent, p.Level2Perc) - p.Level1Perc) / 100.0);
            segment = vertical ? along(segment.Top - b, segment.Top) : along(segment.Right, segment.Right + b);
            PaintBlock(Canvas, segment, levels[1], p);
        }
        if (Percent >= p.Level2Perc) {
            const int d = Percent == 100 ? inner - b - c : Nearest(inner * (Percent - p.Level2Perc) / 100.0);
            segment = vertical ? along(segment.Top - d - 1, segment.Top - 1) : along(segment.Right, segment.Right + d);
            PaintBlock(Canvas, segment, levels[3], p);
        }
    } else if (Percent > 0) {
        const Level level = Percent < p.Level1Perc ? levels[0]
                            : Percent < p.Level2Perc ? levels[1]
                            : Percent > 99           ? levels[3]
                                                     : levels[2];
        if (p.CompletionSmooth) {
            const int l = Nearest(Percent / 100.0 * inner);
            PaintBlock(Canvas,
                       vertical ? Rect(R.Left + 1, R.Bottom - l - 1, R.Right - 1, R.Bottom - 1)
                                : Rect(R.Left + 1, R.Top + 1, R.Left + 1 + l, R.Bottom - 1),
                       level, p);
        } else {
            // Blocks of 7 pixels with gaps of 2, from 2 pixels inside the edges.
            auto block = [&](int start, int length) {
                PaintBlock(Canvas,
                           vertical ? Rect(R.Left + 2, R.Bottom - 2 - start - length, R.Right - 2, R.Bottom - 2 - start)
                                    : Rect(R.Left + 2 + start, R.Top + 2, R.Left + 2 + start + length, R.Bottom - 2),
                           level, p);
            };
            const int l = Nearest(Percent * inner / 100.0);
            if (l > 9) {
                int start = 0;
                for (int i = 0; i < l / 9; ++i, start += 9)
                    block(start, 7);
                if (l % 9 > 2)
                    block(start, l % 9 - 1);
            } else if (l > 1) {
                block(0, l - 1);
            }
            Canvas.Brush().SetStyle(TBrushStyle::bsClear);
        }
    }

    if (p.ShowPercentage) {
        Canvas.Brush().SetStyle(TBrushStyle::bsClear);
        TFont font = p.Font;
        font.SetColor(p.TextColor);
        Canvas.SetFont(font);
        const QString text = QString::number(Percent) + QLatin1Char('%');
        const int cx = R.Left + R.Width() / 2, cy = R.Top + R.Height() / 2;
        const int w = Canvas.TextWidth(text), h = Canvas.TextHeight(text);
        if (vertical)
            TextOutRotated(Canvas, cx - h / 2, cy + w / 2, text, 90);
        else
            Canvas.TextOut(cx - w / 2, cy - h / 2, text);
    }
    Canvas.Brush().SetStyle(TBrushStyle::bsClear);
    Outline(Canvas, R, p);
}

void PaintCellShape(TCanvas& Canvas, int X, int Y, int Width, int Height, TCellShape Shape, TColor BrushColor,
                    TColor PenColor)
{
    Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    Canvas.Brush().SetColor(BrushColor);
    Canvas.Pen().SetStyle(TPenStyle::psSolid);
    Canvas.Pen().SetWidth(1);
    Canvas.Pen().SetColor(PenColor);
    int W = Width, H = Height;
    if (Shape == TCellShape::csCircle || Shape == TCellShape::csSquare || Shape == TCellShape::csRoundSquare)
        W = H = std::min(W, H);
    auto polygon = [&](std::vector<TPoint> points) {
        for (TPoint& pt : points)
            pt = {X + pt.X, Y + pt.Y};
        Canvas.Polygon(points);
    };
    // Point k of the star: every 36 degrees clockwise from 12 o'clock, outer for even k, a third inside for odd.
    auto starPoint = [&](int k) {
        const double angle = k * 36 * M_PI / 180;
        const double rx = (k % 2 == 0) ? W / 2 : (W / 2) / 3.0;
        const double ry = (k % 2 == 0) ? H / 2 : (H / 2) / 3.0;
        return TPoint{W / 2 + Nearest(std::sin(angle) * rx), H / 2 - Nearest(std::cos(angle) * ry)};
    };
    const int V = W - W % 2, Q = V / 4;
    const int G = H - H % 2, P = G / 4;
    switch (Shape) {
    case TCellShape::csRectangle:
    case TCellShape::csSquare:
        Canvas.Rectangle(X + 1, Y + 1, X + W - 1, Y + H - 1);
        break;
    case TCellShape::csCircle:
    case TCellShape::csEllips:
        Canvas.Ellipse(X, Y, X + W, Y + H);
        break;
    case TCellShape::csTriangleLeft: polygon({{W, 0}, {W, H}, {0, H / 2}}); break;
    case TCellShape::csTriangleRight: polygon({{0, 0}, {0, H}, {W, H / 2}}); break;
    case TCellShape::csTriangleUp: polygon({{0, H}, {W, H}, {W / 2, 0}}); break;
    case TCellShape::csTriangleDown: polygon({{0, 0}, {W, 0}, {W / 2, H}}); break;
    case TCellShape::csDiamond: polygon({{0, H / 2}, {W / 2, 0}, {2 * (W / 2), H / 2}, {W / 2, 2 * (H / 2)}}); break;
    case TCellShape::csLineVert: Canvas.Rectangle(X + W / 2, Y, X + W / 2 + 1, Y + H); break;
    case TCellShape::csLineHorz: Canvas.Rectangle(X, Y + H / 2, X + W, Y + H / 2 + 1); break;
    case TCellShape::csRoundRect:
    case TCellShape::csRoundSquare:
        Canvas.RoundRect(X, Y, X + W, Y + H, 10, 10);
        break;
    case TCellShape::csStar: {
        std::vector<TPoint> points;
        for (int k = 0; k < 10; ++k)
            points.push_back(starPoint(k));
        polygon(points);
        break;
    }
    case TCellShape::csHalfStar: polygon({starPoint(0), starPoint(5), starPoint(6), starPoint(7), starPoint(8), starPoint(9)}); break;
    case TCellShape::csArrowUp:
        polygon({{0, H / 2}, {V / 2, 0}, {V, H / 2}, {3 * Q, H / 2}, {3 * Q, H}, {Q, H}, {Q, H / 2}});
        break;
    case TCellShape::csArrowDown:
        polygon({{0, H / 2}, {V / 2, H}, {V, H / 2}, {3 * Q, H / 2}, {3 * Q, 0}, {Q, 0}, {Q, H / 2}});
        break;
    case TCellShape::csArrowLeft:
        polygon({{0, G / 2}, {W / 2, 0}, {W / 2, P}, {W, P}, {W, 3 * P}, {W / 2, 3 * P}, {W / 2, G}});
        break;
    case TCellShape::csArrowRight:
        polygon({{W, G / 2}, {W / 2, 0}, {W / 2, P}, {0, P}, {0, 3 * P}, {W / 2, 3 * P}, {W / 2, G}});
        break;
    }
}
