#pragma once
// Painting and number helpers of the drop-down controls; the grid's cell painting and search footer draw
// their gradients with DrawGradient too. Colour mixing resolves system colours first; all rounding is to
// the nearest integer, halves to the even neighbour. The separators are the current locale's, read at each
// call.
#include "platform/Types.h"
#include <QString>

class QWidget;
class TCanvas;
class TCustomImageList;
enum class TGradientDirection;

struct TTextSize {
    int Width = 0;
    int Height = 0;
    friend bool operator==(const TTextSize&, const TTextSize&) = default;
};

// Steps bands of one colour each; Direction true lays them side by side from left to right, false stacks
// them from top to bottom. Neighbouring bands overlap by a pixel; the last one stops a step short of
// ToColor. Steps of 0 or less count as 1.
void DrawGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R, bool Direction);
// Percent of Color1 over Color2; 100 or more gives Color1, 0 or less Color2, both unchanged.
TColor BlendColor(TColor Color1, TColor Color2, int Percent);
// Darkens each channel by its percentage (positive ones do not brighten); a channel of 0 becomes the
// percentage itself when it is positive.
TColor AdjustColor(TColor Color, int RedPercent, int GreenPercent, int BluePercent);
// An 80-band gradient (gdHorizontal side by side) or a fill, then a frame of BorderWidth in BorderColor.
void DrawRectBackground(TCanvas* Canvas, TRect R, TColor Color, TColor ColorTo, TColor BorderColor, int BorderWidth,
                        TGradientDirection Direction);
// An image 4 pixels from the left with the text left-aligned after it, or the text centred; one line,
// vertically centred, with an ellipsis when it does not fit.
void DrawImageText(TCanvas* Canvas, TRect R, const QString& Text, const TCustomImageList* Images, int ImageIndex);
TTextSize GetTextSize(TCanvas& Canvas, const QString& Text);
// Text cut from its end (with "..." when AddDots) until narrower than MaxWidth; the whole text when no cut
// is narrow enough.
QString TruncateText(TCanvas& Canvas, const QString& Text, int MaxWidth, bool AddDots);
// Draws (Paint) or only measures a mini-HTML text in R; returns the size it needs.
TTextSize DrawHtmlText(TCanvas& Canvas, const QString& Text, const TRect& R, const TCustomImageList* Images, bool Paint,
                       QWidget* Window);

// ",", "-" and ";".
bool IsRangeSeparator(QChar Ch);
// 0 integer, 1 float (with "," or "." and thousand separators), 5 hexadecimal, 2 not a number.
int ClassifyEditNumber(const QString& S);
QString StripThousandSeparators(const QString& S);
int HexDigitValue(QChar Ch);
// Characters that are no hexadecimal digit count as 0; only the last eight digits reach the 32-bit result.
int HexToInt(const QString& S);
// Upper-cased unless CaseSensitive.
QString PrepareCaseText(const QString& S, bool CaseSensitive);

// The current locale's separators the number routines and the drop-down edits use.
QChar LocaleDecimalSeparator();
QChar LocaleThousandSeparator();
