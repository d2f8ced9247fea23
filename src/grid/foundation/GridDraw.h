#pragma once
// Canvas routines of the grids and drop-down controls: gradients, selection blocks, cell buttons in four
// drawing kinds, arrows, bitmaps with a transparent colour, the error underline and value indicators.
// Each draws with the canvas's pen and brush and leaves them changed.
#include "grid/foundation/VxStyleIF.h"
#include "platform/Types.h"
#include <QString>

class QWidget;
class TBitmap;
class TCanvas;

// Button drawing kinds and states.
constexpr int bkTheme = 0, bkClassic = 1, bkFlat = 2, bkTones = 3;
constexpr int bsNormal = 0, bsHot = 1, bsDown = 2, bsDisabled = 3;

// The platform's classic frame controls, with its values.
constexpr unsigned DFC_SCROLL = 3, DFC_BUTTON = 4;
constexpr unsigned DFCS_SCROLLUP = 0x0, DFCS_SCROLLDOWN = 0x1, DFCS_SCROLLCOMBOBOX = 0x5, DFCS_BUTTONPUSH = 0x10;
constexpr unsigned DFCS_INACTIVE = 0x100, DFCS_PUSHED = 0x200, DFCS_FLAT = 0x4000, DFCS_HOT = 0x1000;
void DrawFrameControl(TCanvas& Canvas, const TRect& R, unsigned Type, unsigned State);

void FillGradientRect(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R, bool Horizontal);
void DrawMirrorGradient(TCanvas& Canvas, TRect R, TColor Color, TColor ColorTo, TColor MirrorColor, TColor MirrorColorTo,
                        bool Vertical, TColor BorderColor, bool SidesOnly, bool Fill);
// Part: 0 whole block, 1 left end, 2 right end, 3 middle piece of a selection spanning several cells.
void DrawSelectionBlock(TCanvas& Canvas, TColor Color, TColor ColorTo, TColor MirrorColor, TColor MirrorColorTo,
                        TColor InnerTopColor, TColor InnerBottomColor, TColor BorderColor, TColor CornerColor,
                        TColor BackColor, TRect R, int Part);
void FillRectColor(TCanvas& Canvas, const TRect& R, TColor Color);

void DrawComboButton(TCanvas& Canvas, QWidget* WindowHandle, const TRect& R, int Kind, int State, const TColorTones& Tones);
void DrawPushButton(TCanvas& Canvas, QWidget* WindowHandle, const TRect& R, int Kind, int State, const TColorTones& Tones);
void DrawSpinButtons(TCanvas& Canvas, QWidget* WindowHandle, const TRect& R, int Kind, int State, const TColorTones& Tones);

void DrawDropArrow(TCanvas& Canvas, int X, int Y, TColor Color);
// Text in the canvas font turned Angle degrees counter-clockwise about its top-left corner at (X, Y), as a font
// with that escapement writes it; with Prefix a doubled "&" shows as one and a single one underlines.
void TextOutRotated(TCanvas& Canvas, int X, int Y, const QString& Text, int Angle, bool Prefix = false);
// At R's top-left, at the bitmap's size, its top-left pixel's colour replaced by BackColor.
void DrawTransparentBitmap(TCanvas& Canvas, const TBitmap& Bitmap, TColor BackColor, const TRect& R);
// The same for a bitmap of the program's resources (":/<ResourceName>").
void DrawResourceBitmap(TCanvas& Canvas, TColor BackColor, const TRect& R, const QString& ResourceName);
// Disabled text, engraved: once in Light one pixel down and to the right, then in Dark in place.
void DrawDisabledText(TCanvas& Canvas, const QString& Text, const TRect& R, unsigned Format, TColor Light, TColor Dark);
// A red zig-zag under ErrorLength characters from ErrorPos (from 0) of Text laid out on one line in R.
void DrawErrorUnderline(TCanvas& Canvas, const QString& Text, const TRect& R, int YOffset, int ErrorPos, int ErrorLength);

// A bar from the middle of R, left for negative values; Max <= 0 draws no bar.
void DrawSignedBar(TCanvas& Canvas, TRect R, int Value, int Max, bool ShowValue, TColor NegativeColor, TColor PositiveColor);
void DrawPiePercent(TCanvas& Canvas, const TRect& R, TColor Color, int Percent, bool FillAbove);
// Format: a toolkit format text for the one value ("%d%%", "%.1f"); empty shows the position with "%".
void DrawFormattedProgress(TCanvas& Canvas, TRect R, TColor FillColor, TColor FillTextColor, TColor RestColor,
                           TColor RestTextColor, double Position, int MarginX, int MarginY, double Min, double Max,
                           const QString& Format, TColor BorderColor, bool TextHeightUp);

// The toolkit's Format for one value: %d %u %x %f %n %e %g with flags, width and precision, and %%.
QString FormatValue(const QString& Format, double Value);
