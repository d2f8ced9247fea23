#include "grid/paint/CellGraphicPaint.h"
#include "grid/foundation/GridProgress.h"
#include "grid/model/GridText.h"
#include <algorithm>
#include <cmath>

bool DataImageIndex(const QString& CellText, int CellIndex, int ImageCount, int& Index)
{
    bool ok = false;
    const long long value = CellText.trimmed().toLongLong(&ok);
    if (!ok)
        return false;
    const long long index = value + CellIndex;
    if (index < 0 || index >= ImageCount)
        return false;
    Index = int(index);
    return true;
}

int RangePercent(double Value, double From, double To)
{
    if (To == From || !std::isfinite(Value))
        return 0;
    return std::clamp(Nearest(std::abs(Value - From) / std::abs(To - From) * 100.0), 0, 100);
}

void DrawRating(TCanvas& Canvas, int X, int Y, double Value, int Count, TColor EmptyColor, TColor FillColor)
{
    const double v = Nearest(Value * 2) / 2.0;
    for (int i = 1; i <= Count; ++i) {
        const int x = X + (i - 1) * 18;
        PaintCellShape(Canvas, x, Y, 16, 16, TCellShape::csStar, i > v ? EmptyColor : FillColor,
                       i > v ? EmptyColor : FillColor);
        if (i > v && v > i - 1)
            PaintCellShape(Canvas, x, Y, 16, 16, TCellShape::csHalfStar, FillColor, FillColor);
    }
}

void DrawCommentMark(TCanvas& Canvas, const TRect& R, TColor Color)
{
    Canvas.Pen().SetColor(Color);
    Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    Canvas.Brush().SetColor(Color);
    Canvas.Polygon({{R.Right - 7, R.Top}, {R.Right - 2, R.Top}, {R.Right - 2, R.Top + 5}});
}

void DrawExpandChevron(TCanvas& Canvas, int Right, int Top, bool Expanded)
{
    Canvas.Pen().SetColor(clBlack);
    Canvas.Pen().SetWidth(1);
    if (Expanded)
        Canvas.Polyline({{Right - 10, Top + 8}, {Right - 7, Top + 5}, {Right - 3, Top + 9}});
    else
        Canvas.Polyline({{Right - 10, Top + 5}, {Right - 7, Top + 8}, {Right - 3, Top + 4}});
}

int CheckBoxLeft(const TRect& R, TAlignment HA, int W, int T, bool ReplacesText)
{
    const int width = R.Width();
    switch (HA) {
    case TAlignment::taRightJustify:
        return std::max(R.Left + 1, ReplacesText ? R.Right - W - 1 : R.Right - T - W - 1);
    case TAlignment::taCenter:
        if (ReplacesText || T == 0)
            return R.Left + std::max(0, width - W) / 2;
        return std::max(R.Left + 1, R.Left + std::max(0, width - T) / 2 - W);
    default:
        return R.Left + 1;
    }
}

TRect PlaceGraphic(const TRect& R, TCellHAlign H, TCellVAlign V, TAlignment HA, int W, int Hgt, int T)
{
    const int width = R.Width(), height = R.Height();
    int gl = R.Left + 1;
    switch (H) {
    case TCellHAlign::haLeft: break;
    case TCellHAlign::haRight: gl = R.Right - 1 - W; break;
    case TCellHAlign::haCenter: gl = W < width ? R.Left + (width - W) / 2 : R.Left + 1; break;
    case TCellHAlign::haBeforeText:
        gl = HA == TAlignment::taRightJustify ? R.Right - T - W
             : HA == TAlignment::taCenter     ? R.Left + (width - T - W) / 2
                                              : R.Left + 1;
        gl = std::max(gl, R.Left + 1);
        break;
    case TCellHAlign::haAfterText:
        gl = HA == TAlignment::taRightJustify ? R.Right - 1 - W
             : HA == TAlignment::taCenter     ? T + R.Left + (width - T - W) / 2
                                              : R.Left + T;
        gl = std::max(gl, R.Left + 1);
        break;
    case TCellHAlign::haFull: gl = R.Left; break;
    }
    const int gr = H == TCellHAlign::haFull ? R.Right : gl + W;
    int gt = R.Top + 1;
    switch (V) {
    case TCellVAlign::vaTop:
    case TCellVAlign::vaAboveText: break;
    case TCellVAlign::vaBottom: gt = R.Bottom - 1 - Hgt; break;
    case TCellVAlign::vaCenter: gt = Hgt < height ? R.Top + (height - Hgt) / 2 : R.Top + 1; break;
    case TCellVAlign::vaUnderText: gt = R.Bottom - Hgt; break;
    case TCellVAlign::vaFull: gt = R.Top; break;
    }
    const int gb = V == TCellVAlign::vaFull ? R.Bottom : gt + Hgt;
    return Rect(gl, gt, gr, gb);
}
