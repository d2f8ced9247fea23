#pragma once
// Cell text: the format of plain text, the placement of rotated text and of the sort mark, the sort mark
// itself, the background picture tiles and gradient bands behind a cell, and the cell's border lines.
#include "grid/foundation/GridTypes.h"
#include "platform/Canvas.h"
#include <QString>

// Plain text as drawn: the text kept and the DrawText format flags.
struct TPlainTextLayout {
    QString Text;
    unsigned Format = 0;
};
TPlainTextLayout PlainTextLayout(const QString& Text, bool MultilineCells, bool WordWrap, bool EnhTextSize,
                                 TAlignment HA, TVAlignment VA);

// The part of Text (laid out as Format says) that R can show, so that a text of millions of characters is not
// measured and drawn whole. No glyph is narrower than a pixel: a single line shows at most R's width in
// characters, and R at most its height in lines. A text within that is kept whole. Beyond it, a single line
// keeps its start, end or middle as it is aligned (Dropped: the characters cut from the front); wrapped text
// keeps the lines R shows.
QString VisibleCellText(const QString& Text, unsigned Format, const TRect& R, int LineHeight, qsizetype& Dropped);

// Padding of a cell's text: the offset once with XYOffsetTopLeftOnly, otherwise on both sides.
inline int TotalOffset(int XYOffset, bool TopLeftOnly) { return TopLeftOnly ? XYOffset : 2 * XYOffset; }

// The rotated text's extent parts: A = |cos a x cy|, B = |sin a x cx|, C = |sin a x cy|, D = |cos a x cx|.
struct TRotatedExtent {
    int A = 0, B = 0, C = 0, D = 0;
};
TRotatedExtent RotatedExtent(int cx, int cy, int Angle);
// Moves R's left and top to where the rotated text starts, by the quadrant of Angle (degrees).
TRect CalcRotatedTextOrigin(TRect R, TAlignment HA, TVAlignment VA, const TRotatedExtent& E, int Angle);
// R shrunk by 2 on all sides, its left and top at the start of Text turned Angle degrees in the canvas font.
TRect CalcRotatedRect(TCanvas& Canvas, TRect R, int Angle, TVAlignment VA, TAlignment HA, const QString& Text);
// The cell size a text of w x h needs when turned Angle degrees: the rotated bounding box plus 12 each way.
TPoint RotatedCellSize(int w, int h, int Angle);

// The sort mark's centre after a text of TextWidth in R; Offset is the room left for a graphic before it.
TPoint SortMarkPosition(const TRect& R, TAlignment HA, TVAlignment VA, int TextWidth, int Offset);

// The sort mark of one column.
struct TSortMark {
    bool IndexShow = false;
    int IndexPosition = -1;         // the column's place in the sort-index list, -1 when not listed
    bool IndexOtherDirection = false;
    TColor IndexColor = clWhite;
    bool Descending = false;
    const TBitmap* UpGlyph = nullptr;
    const TBitmap* DownGlyph = nullptr;
    const TBitmap* IndexUpGlyph = nullptr;
    const TBitmap* IndexDownGlyph = nullptr;
    bool RightToLeft = false;
    int ClientWidth = 0;
};
// Whether a sorted header cell shows its mark: not for a later sort column unless the index numbers show.
inline bool SortMarkShown(const TSortMark& M) { return M.IndexShow || M.IndexPosition < 1; }
void DrawSortIndicator(TCanvas& Canvas, const TSortMark& M, int Y, int X);

// Tiles a bitmap over R so that the tiling runs on from cell to cell: the tile origin inside the bitmap is
// (OffsetX mod width, OffsetY mod height), the tiles starting one pixel left of and above R.
void DrawTiledBitmap(TCanvas& Canvas, const TBitmap& Bitmap, const TRect& R, int OffsetX, int OffsetY);
// The start and end colours of one band of a gradient spanning the whole grid (Extent pixels).
void GradientBandColors(TColor From, TColor To, int BandStart, int BandEnd, int Extent, TColor& BandFrom,
                        TColor& BandTo);

struct TCellBorderPens {
    TPen Left, Top, Right, Bottom;
};
// The cell's border lines on the rectangle grown by 1, as the grid lines and the pens' widths ask.
void DrawCellBorderLines(TCanvas& Canvas, TRect R, TCellBorders Borders, const TCellBorderPens& Pens,
                         int GridLineWidth, bool VertLines, bool HorzLines);
