#pragma once
// Colour arithmetic of the painter; system colours are resolved first, so it stands on the platform's table.
#include "platform/Types.h"

TColor HalveColor(TColor Color);
TColor AdjustColorPercent(TColor Color, int Percent);
TColor InterpolateColor(TColor FromColor, TColor ToColor, int Min, int Max, int Step);
