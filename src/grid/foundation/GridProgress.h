#pragma once
// The figures some cell kinds draw instead of text: a levelled progress bar and a geometric shape.
#include "platform/Canvas.h"
#include "platform/Types.h"

// Filled by the grid from its progress look.
struct TProgressPaintParams {
    TColor Level0Color = clNone, Level0ColorTo = clNone;
    TColor Level1Color = clNone, Level1ColorTo = clNone;
    TColor Level2Color = clNone, Level2ColorTo = clNone;
    TColor Level3Color = clNone, Level3ColorTo = clNone;
    int Level1Perc = 0;
    int Level2Perc = 0;
    TColor BorderColor = clNone;
    bool ShowBorder = false;
    bool Stacked = false;             // levels as consecutive segments
    bool ShowPercentage = false;
    TFont Font;                       // name, size and style of the percentage text
    TColor TextColor = clNone;
    bool CompletionSmooth = false;    // one bar instead of blocks
    bool ShowGradient = false;
    int Steps = 0;
    TColor Color = clNone;            // the bar area's background
    bool Vertical = false;            // grows upward
};

// Percent from 0 to 100.
void PaintProgressBar(TCanvas& Canvas, const TRect& R, int Percent, const TProgressPaintParams& Params);

enum class TCellShape {
    csRectangle, csCircle, csTriangleLeft, csTriangleRight, csTriangleUp, csTriangleDown, csDiamond, csLineVert,
    csLineHorz, csRoundRect, csEllips, csSquare, csRoundSquare, csStar, csArrowUp, csArrowDown, csArrowLeft,
    csArrowRight, csHalfStar
};

// Shape in the box with top-left (X, Y) and the given size, filled with BrushColor, outlined with PenColor.
void PaintCellShape(TCanvas& Canvas, int X, int Y, int Width, int Height, TCellShape Shape, TColor BrushColor,
                    TColor PenColor);
