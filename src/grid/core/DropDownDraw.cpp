#include "grid/core/DropDownDraw.h"
#include "grid/core/HeaderFooterAppearance.h"
#include "grid/foundation/GridDraw.h"
#include "grid/model/GridText.h"
#include "grid/foundation/MiniHtmlRender.h"
#include "platform/Canvas.h"
#include "platform/DecimalSeparator.h"
#include "platform/ImageList.h"
#include <QLocale>
#include <algorithm>
#include <cstdint>

QChar LocaleDecimalSeparator()
{
    return DecimalSeparatorOf(QLocale());
}

QChar LocaleThousandSeparator()
{
    return ThousandSeparatorChar();
}

void DrawGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R, bool Direction)
{
    if (Steps <= 0)
        Steps = 1;
    const TColor from = ColorToRGB(FromColor), to = ColorToRGB(ToColor);
    if (Direction)
        R.Right -= 1;
    else
        R.Bottom -= 1;
    const double stepR = double(GetRValue(to) - GetRValue(from)) / Steps;
    const double stepG = double(GetGValue(to) - GetGValue(from)) / Steps;
    const double stepB = double(GetBValue(to) - GetBValue(from)) / Steps;
    const double band = double(Direction ? R.Width() : R.Height()) / Steps;
    const int bandWidth = Nearest(band) + 1;
    Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    for (int i = 0; i < Steps; ++i) {
        const TColor c = RGB(GetRValue(from) + Nearest(i * stepR), GetGValue(from) + Nearest(i * stepG),
                             GetBValue(from) + Nearest(i * stepB));
        Canvas.Pen().SetColor(c);
        Canvas.Brush().SetColor(c);
        if (Direction) {
            const int x = R.Left + Nearest(i * band);
            Canvas.Rectangle(x, R.Top, x + bandWidth, R.Bottom);
        } else {
            const int y = R.Top + Nearest(i * band);
            Canvas.Rectangle(R.Left, y, R.Right, y + bandWidth);
        }
    }
}

TColor BlendColor(TColor Color1, TColor Color2, int Percent)
{
    if (Percent >= 100)
        return Color1;
    if (Percent <= 0)
        return Color2;
    const TColor a = ColorToRGB(Color1), b = ColorToRGB(Color2);
    const double x = Percent / 100.0;
    auto mix = [x](int c1, int c2) { return Nearest(x * c1 + (1 - x) * c2); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

TColor AdjustColor(TColor Color, int RedPercent, int GreenPercent, int BluePercent)
{
    const TColor c = ColorToRGB(Color);
    auto adjust = [](int channel, int p) {
        if (channel == 0)
            return std::max(0, p) & 0xFF;
        return Nearest(std::min(100, 100 + p) / 100.0 * channel) & 0xFF;
    };
    return RGB(adjust(GetRValue(c), RedPercent), adjust(GetGValue(c), GreenPercent), adjust(GetBValue(c), BluePercent));
}

void DrawRectBackground(TCanvas* Canvas, TRect R, TColor Color, TColor ColorTo, TColor BorderColor, int BorderWidth,
                        TGradientDirection Direction)
{
    if (!Canvas)
        return;
    if (ColorTo != clNone)
        DrawGradient(*Canvas, Color, ColorTo, 80, R, Direction == TGradientDirection::gdHorizontal);
    else if (Color != clNone)
        FillRectColor(*Canvas, R, Color);
    if (BorderColor != clNone && BorderWidth > 0) {
        Canvas->Brush().SetStyle(TBrushStyle::bsClear);
        Canvas->Pen().SetStyle(TPenStyle::psSolid);
        Canvas->Pen().SetWidth(BorderWidth);
        Canvas->Pen().SetColor(BorderColor);
        Canvas->Rectangle(R);
    }
}

void DrawImageText(TCanvas* Canvas, TRect R, const QString& Text, const TCustomImageList* Images, int ImageIndex)
{
    if (!Canvas)
        return;
    unsigned align = DT_CENTER;
    if (ImageIndex >= 0 && Images) {
        Images->Draw(*Canvas, R.Left + 4, R.Top + (R.Height() - Images->Height()) / 2, ImageIndex);
        R.Left += Images->Width() + 8;
        align = DT_LEFT;
    }
    if (Text.isEmpty())
        return;
    Canvas->DrawText(Text, R, align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

TTextSize GetTextSize(TCanvas& Canvas, const QString& Text)
{
    if (Text.isEmpty())
        return {};
    TRect r = Rect(0, 0, 1000, 500);
    Canvas.DrawText(Text, r, DT_CALCRECT | DT_LEFT | DT_SINGLELINE);
    return {r.Right, r.Bottom};
}

QString TruncateText(TCanvas& Canvas, const QString& Text, int MaxWidth, bool AddDots)
{
    if (GetTextSize(Canvas, Text).Width <= MaxWidth)
        return Text;
    for (qsizetype cut = 1; cut <= Text.size(); ++cut) {
        QString candidate = Text.left(Text.size() - cut);
        if (AddDots)
            candidate += QStringLiteral("...");
        if (GetTextSize(Canvas, candidate).Width < MaxWidth)
            return candidate;
    }
    return Text;
}

TTextSize DrawHtmlText(TCanvas& Canvas, const QString& Text, const TRect& R, const TCustomImageList*, bool Paint, QWidget*)
{
    if (Text.isEmpty())
        return {};
    TMiniHtmlParams params;
    params.Rect = R;
    params.CheckHeight = !Paint;
    params.URLColor = 0xFF0000;
    params.HoverColor = clNone;
    params.HoverFontColor = clNone;
    params.ShadowColor = 0x808080;
    TMiniHtmlResult result;
    RenderMiniHtml(Canvas, Text, params, result);
    return {result.XSize, result.YSize};
}

bool IsRangeSeparator(QChar Ch)
{
    return Ch == u',' || Ch == u'-' || Ch == u';';
}

int ClassifyEditNumber(const QString& S)
{
    const QChar decimal = LocaleDecimalSeparator(), thousand = LocaleThousandSeparator();
    bool isInt = !S.isEmpty(), isFloat = isInt, isHex = isInt;
    int minus = 0, decimals = 0, lastThousand = -1;
    for (qsizetype i = 0; i < S.size(); ++i) {
        const QChar ch = S[i];
        const bool digit = ch >= u'0' && ch <= u'9';
        const int pos = int(i) + 1;
        if (ch == u'-')
            ++minus;
        if (ch == decimal)
            ++decimals;
        if (!(ch == u'-' || digit))
            isInt = false;
        if (!(ch == u',' || ch == u'-' || ch == u'.' || digit))
            isFloat = false;
        if (ch == thousand) {
            if (pos - lastThousand < 3)
                isFloat = false;
            lastThousand = pos;
        }
        if (!(ch == u'-' || digit || (ch >= u'A' && ch <= u'F') || (ch >= u'a' && ch <= u'f')))
            isHex = false;
    }
    if (minus > 1 || decimals > 1)
        return 2;
    if (isInt)
        return 0;
    if (isFloat)
        return 1;
    return isHex ? 5 : 2;
}

QString StripThousandSeparators(const QString& S)
{
    QString result = S;
    result.remove(LocaleThousandSeparator());
    return result;
}

int HexDigitValue(QChar Ch)
{
    if (Ch >= u'0' && Ch <= u'9')
        return Ch.unicode() - u'0';
    if (Ch >= u'A' && Ch <= u'F')
        return Ch.unicode() - u'A' + 10;
    if (Ch >= u'a' && Ch <= u'f')
        return Ch.unicode() - u'a' + 10;
    return 0;
}

int HexToInt(const QString& S)
{
    std::uint32_t result = 0, weight = 1;
    for (qsizetype i = S.size() - 1; i >= 0; --i) {
        result += std::uint32_t(HexDigitValue(S[i])) * weight;
        weight *= 16;
    }
    return int(std::int32_t(result));
}

QString PrepareCaseText(const QString& S, bool CaseSensitive)
{
    return CaseSensitive ? S : QLocale().toUpper(S);
}
