#pragma once
// Drawing routines of the cell graphics that take the graphic's fields: data images, progress values,
// ratings, the comment triangle, the expand chevron and the check box's place beside its text.
#include "grid/core/CellGraphic.h"
#include "platform/Canvas.h"
#include <QString>

// The image a data-image cell shows: its text as a whole number plus CellIndex. False, and nothing drawn,
// when the text is not a number or the index falls outside 0 .. ImageCount - 1.
bool DataImageIndex(const QString& CellText, int CellIndex, int ImageCount, int& Index);

// The percentage of Value within From .. To, clamped to 0 .. 100; an empty range is 0 percent.
int RangePercent(double Value, double From, double To);

// Stars of 16 x 16, 18 pixels apart, from (X, Y): filled up to Value (in half steps), empty after it.
void DrawRating(TCanvas& Canvas, int X, int Y, double Value, int Count, TColor EmptyColor, TColor FillColor);

// The filled triangle in the top-right corner of R (the cell before any inset).
void DrawCommentMark(TCanvas& Canvas, const TRect& R, TColor Color);

// The black chevron of an expand button whose box ends at (Right, Top): up when expanded.
void DrawExpandChevron(TCanvas& Canvas, int Right, int Top, bool Expanded);

// The left edge of a check box of width W in R beside a text of width T (0 without text). Data check boxes
// replace their text and are placed alone.
int CheckBoxLeft(const TRect& R, TAlignment HA, int W, int T, bool ReplacesText);

// A button's place inside its cell, kept for hit testing: x in the low 16 bits, y above.
inline int PackButtonOffset(int DX, int DY) { return (DX & 0xFFFF) | (DY << 16); }

// The box of a W x H graphic in R (already inset) by the graphic's own alignment; T is the width the text
// took (0 without text), for the placements beside the text, which never start left of R.Left + 1.
TRect PlaceGraphic(const TRect& R, TCellHAlign H, TCellVAlign V, TAlignment HA, int W, int Hgt, int T);
