#include "grid/paint/GridColors.h"
#include "grid/model/GridText.h"

TColor HalveColor(TColor Color)
{
    const TColor c = ColorToRGB(Color);
    return RGB(GetRValue(c) >> 1, GetGValue(c) >> 1, GetBValue(c) >> 1);
}

TColor AdjustColorPercent(TColor Color, int Percent)
{
    const TColor c = ColorToRGB(Color);
    auto adjust = [Percent](int v) { return Nearest(v + Percent * v / 100.0) & 0xFF; };
    return RGB(adjust(GetRValue(c)), adjust(GetGValue(c)), adjust(GetBValue(c)));
}

TColor InterpolateColor(TColor FromColor, TColor ToColor, int Min, int Max, int Step)
{
    if (ToColor == clNone)
        return FromColor;
    const TColor from = ColorToRGB(FromColor);
    if (Max == Min)
        return from;   // an empty range has no slope: stay at the start colour
    const TColor to = ColorToRGB(ToColor);
    auto channel = [&](int f, int t) { return f + Nearest(double(t - f) / (Max - Min) * Step); };
    return RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
               channel(GetBValue(from), GetBValue(to)));
}
