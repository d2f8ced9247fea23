#include "grid/foundation/GridDraw.h"
#include "grid/model/GridText.h"
#include "grid/foundation/ThemeBinding.h"
#include "platform/Canvas.h"
#include <QLocale>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// A rectangle drawn with pen and brush of one colour covers exactly R.
void SolidRect(TCanvas& c, const TRect& r, TColor color)
{
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(color);
    c.Pen().SetStyle(TPenStyle::psSolid);
    c.Pen().SetWidth(1);
    c.Pen().SetColor(color);
    c.Rectangle(r);
}

void Line(TCanvas& c, int x1, int y1, int x2, int y2)
{
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

void Triangle(TCanvas& c, TPoint a, TPoint b, TPoint d, TColor color)
{
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(color);
    c.Pen().SetStyle(TPenStyle::psSolid);
    c.Pen().SetWidth(1);
    c.Pen().SetColor(color);
    c.Polygon({a, b, d});
}

const TColorTone& ToneOf(const TColorTones& tones, int state)
{
    switch (state) {
    case bsHot: return tones.Hover;
    case bsDown: return tones.Selected;
    case bsDisabled: return tones.Disabled;
    default: return tones.Background;
    }
}

// A themed part in state themeState, through the grid's binding.
void DrawThemedPart(TCanvas& canvas, QWidget* window, const char* cls, int part, int themeState, const TRect& r)
{
    const TThemeApiTable& api = VxXPVS().ThemeApi();
    if (!VxXPVS().ThemeApiLoaded())
        return;
    const HTHEME theme = api.OpenThemeData(window, QLatin1String(cls));
    api.DrawThemeBackground(theme, canvas, part, themeState, r);
    api.CloseThemeData(theme);
}

unsigned ClassicState(int kind, int state)
{
    unsigned flags = kind == bkFlat ? DFCS_FLAT : 0;
    if (state == bsDisabled)
        flags |= DFCS_INACTIVE;
    return flags;
}

void FrameLines(TCanvas& c, const TRect& r, TColor topLeft, TColor bottomRight)
{
    c.Pen().SetStyle(TPenStyle::psSolid);
    c.Pen().SetWidth(1);
    c.Pen().SetColor(topLeft);
    c.Polyline({{r.Left, r.Bottom - 1}, {r.Left, r.Top}, {r.Right, r.Top}});
    c.Pen().SetColor(bottomRight);
    c.Polyline({{r.Left, r.Bottom - 1}, {r.Right - 1, r.Bottom - 1}, {r.Right - 1, r.Top - 1}});
}

} // namespace

void DrawFrameControl(TCanvas& Canvas, const TRect& R, unsigned Type, unsigned State)
{
    if (R.IsEmpty())
        return;
    SolidRect(Canvas, R, clBtnFace);
    const bool pushed = (State & DFCS_PUSHED) != 0;
    if (State & DFCS_FLAT) {
        Canvas.Brush().SetColor(pushed ? clBtnShadow : cl3DDkShadow);
        Canvas.FrameRect(R);
    } else if (pushed) {
        FrameLines(Canvas, R, cl3DDkShadow, clBtnHighlight);
        FrameLines(Canvas, Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1), clBtnShadow, cl3DLight);
    } else {
        FrameLines(Canvas, R, cl3DLight, cl3DDkShadow);
        FrameLines(Canvas, Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1), clBtnHighlight, clBtnShadow);
    }
    if (Type != DFC_SCROLL)
        return;
    // The arrow glyph, centred; one pixel lower and to the right while pushed.
    const int shift = pushed ? 1 : 0;
    const int cx = R.Left + R.Width() / 2 + shift, cy = R.Top + R.Height() / 2 + shift;
    const TColor glyph = (State & DFCS_INACTIVE) ? clGrayText : clBtnText;
    if ((State & 0xF) == DFCS_SCROLLUP)
        Triangle(Canvas, {cx - 3, cy + 1}, {cx + 3, cy + 1}, {cx, cy - 2}, glyph);
    else
        Triangle(Canvas, {cx - 3, cy - 1}, {cx + 3, cy - 1}, {cx, cy + 2}, glyph);
}

void FillGradientRect(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R, bool Horizontal)
{
    if (R.Height() == 0)
        return;
    if (R.Bottom < R.Top)
        std::swap(R.Top, R.Bottom);
    if (FromColor == clNone || ToColor == clNone) {
        SolidRect(Canvas, R, FromColor == clNone && ToColor != clNone ? ToColor : FromColor);
        return;
    }
    const TColor from = ColorToRGB(FromColor), to = ColorToRGB(ToColor);
    const int size = Horizontal ? R.Width() - 1 : R.Height() - 1;
    const int steps = std::max(1, std::min(Steps, size));
    const double band = double(size) / steps;
    const int farEdge = Horizontal ? R.Right : R.Bottom;
    const int start = Horizontal ? R.Left : R.Top;
    auto channel = [&](int f, int t, int i) { return f + Nearest(double(i) * (t - f) / steps); };
    for (int i = 0; i <= steps; ++i) {
        const int offset = start + int(i * band);
        const int end = std::min(offset + int(band + 1), farEdge);
        const TColor c = RGB(channel(GetRValue(from), GetRValue(to), i), channel(GetGValue(from), GetGValue(to), i),
                             channel(GetBValue(from), GetBValue(to), i));
        SolidRect(Canvas, Horizontal ? Rect(offset, R.Top, end, R.Bottom) : Rect(R.Left, offset, R.Right, end), c);
    }
}

void DrawMirrorGradient(TCanvas& Canvas, TRect R, TColor Color, TColor ColorTo, TColor MirrorColor, TColor MirrorColorTo,
                        bool Vertical, TColor BorderColor, bool SidesOnly, bool Fill)
{
    if (Fill && Color != clNone) {
        if (MirrorColor == clNone && ColorTo == clNone) {
            R.Bottom += 1;
            SolidRect(Canvas, R, Color);
        } else if (MirrorColor == clNone) {
            FillGradientRect(Canvas, Color, ColorTo, 128, R, !Vertical);
        } else {
            TRect first = R, second = R;
            if (Vertical)
                first.Bottom = second.Top = R.Top + R.Height() / 2;
            else
                first.Right = second.Left = R.Left + R.Width() / 2;
            FillGradientRect(Canvas, Color, ColorTo, 128, first, !Vertical);
            FillGradientRect(Canvas, MirrorColor, MirrorColorTo, 128, second, !Vertical);
        }
    }
    if (BorderColor == clNone)
        return;
    Canvas.Pen().SetStyle(TPenStyle::psSolid);
    Canvas.Pen().SetWidth(1);
    Canvas.Pen().SetColor(BorderColor);
    if (SidesOnly) {
        Line(Canvas, R.Left, R.Top, R.Left, R.Bottom);
        Line(Canvas, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
    } else {
        Canvas.Brush().SetStyle(TBrushStyle::bsClear);
        Canvas.Rectangle(R);
    }
}

void DrawSelectionBlock(TCanvas& Canvas, TColor Color, TColor ColorTo, TColor MirrorColor, TColor MirrorColorTo,
                        TColor InnerTopColor, TColor InnerBottomColor, TColor BorderColor, TColor CornerColor,
                        TColor BackColor, TRect R, int Part)
{
    R.Bottom -= 2;
    R.Right -= 1;
    const int L = R.Left, T = R.Top, Ri = R.Right, B = R.Bottom;
    const int Mid = T + (B - T) / 2;
    const bool leftEnd = Part == 0 || Part == 1;
    const bool rightEnd = Part == 0 || Part == 2;
    Canvas.Pen().SetStyle(TPenStyle::psSolid);
    Canvas.Pen().SetWidth(1);

    Canvas.Pen().SetColor(InnerTopColor);
    Line(Canvas, L, T + 1, Ri, T + 1);
    if (leftEnd)
        Line(Canvas, L + 1, T + 1, L + 1, Mid);
    if (rightEnd)
        Line(Canvas, Ri - 2, T + 1, Ri - 2, Mid);

    Canvas.Pen().SetColor(InnerBottomColor);
    Line(Canvas, L, B - 1, Ri, B - 1);
    if (leftEnd)
        Line(Canvas, L + 1, Mid, L + 1, B - 1);
    if (rightEnd)
        Line(Canvas, Ri - 2, Mid, Ri - 2, B - 1);

    const int left = leftEnd ? 2 : 0;
    const int right = rightEnd ? 2 : 0;
    Canvas.Pen().SetColor(BorderColor);
    Line(Canvas, L + left, T, Ri - right, T);
    Line(Canvas, L + left, B, Ri - right, B);
    if (rightEnd)
        Line(Canvas, Ri - 1, T + 2, Ri - 1, B - 1);
    if (leftEnd)
        Line(Canvas, L, T + 2, L, B - 1);

    if (leftEnd) {
        for (TPoint p : {TPoint{L + 1, T}, {L + 1, T + 1}, {L, T + 1}, {L + 1, B}, {L + 1, B - 1}, {L, B - 1}})
            Canvas.SetPixels(p.X, p.Y, CornerColor);
        Canvas.SetPixels(L, T, BackColor);
        Canvas.SetPixels(L, B, BackColor);
    }
    if (rightEnd) {
        for (TPoint p : {TPoint{Ri - 2, T}, {Ri - 2, T + 1}, {Ri - 1, T + 1}, {Ri - 2, B}, {Ri - 2, B - 1}, {Ri - 1, B - 1}})
            Canvas.SetPixels(p.X, p.Y, CornerColor);
        Canvas.SetPixels(Ri - 1, T, BackColor);
        Canvas.SetPixels(Ri - 1, B, BackColor);
    }

    const TRect inside = Rect(L + left, T + 2, Ri - right, B - 1);
    if (ColorTo == clNone)
        SolidRect(Canvas, inside, Color);
    else if (MirrorColor == clNone)
        FillGradientRect(Canvas, Color, ColorTo, 16, inside, false);
    else {
        const int middle = inside.Top + inside.Height() / 2;
        FillGradientRect(Canvas, Color, ColorTo, 16, Rect(inside.Left, inside.Top, inside.Right, middle), false);
        FillGradientRect(Canvas, MirrorColor, MirrorColorTo, 16, Rect(inside.Left, middle, inside.Right, inside.Bottom), false);
    }
}

void FillRectColor(TCanvas& Canvas, const TRect& R, TColor Color)
{
    Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    Canvas.Brush().SetColor(Color);
    Canvas.FillRect(R);
}

void DrawComboButton(TCanvas& Canvas, QWidget* WindowHandle, const TRect& R, int Kind, int State, const TColorTones& Tones)
{
    TRect b = Rect(R.Right - 19, R.Top + 1, R.Right - 2, R.Bottom - 1);
    switch (Kind) {
    case bkTheme:
        DrawThemedPart(Canvas, WindowHandle, "combobox", 1, State == bsDisabled ? 4 : 1, b);
        break;
    case bkClassic:
    case bkFlat:
        DrawFrameControl(Canvas, b, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | ClassicState(Kind, State));
        break;
    default: {
        b.Left += 3;
        SolidRect(Canvas, b, ToneOf(Tones, State).BrushColor);
        Canvas.Pen().SetColor(Tones.Background.BorderColor);
        Line(Canvas, b.Left + 1, b.Top, b.Left + 1, b.Bottom);
        Triangle(Canvas, {b.Left + 5, b.Top + 8}, {b.Left + 11, b.Top + 8}, {b.Left + 8, b.Top + 11},
                 Tones.Background.TextColor);
        break;
    }
    }
}

void DrawPushButton(TCanvas& Canvas, QWidget* WindowHandle, const TRect& R, int Kind, int State, const TColorTones& Tones)
{
    switch (Kind) {
    case bkTheme:
        DrawThemedPart(Canvas, WindowHandle, "button", 1, State + 1, R);
        break;
    case bkClassic:
    case bkFlat: {
        unsigned flags = DFCS_BUTTONPUSH | ClassicState(Kind, State);
        if (State == bsHot)
            flags |= DFCS_HOT;
        if (State == bsDown)
            flags |= DFCS_PUSHED;
        DrawFrameControl(Canvas, R, DFC_BUTTON, flags);
        break;
    }
    default: {
        const TColorTone& tone = ToneOf(Tones, State);
        Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        Canvas.Brush().SetColor(tone.BrushColor);
        Canvas.Pen().SetStyle(TPenStyle::psSolid);
        Canvas.Pen().SetWidth(1);
        Canvas.Pen().SetColor(tone.BorderColor);
        Canvas.Rectangle(R);
        break;
    }
    }
}

void DrawSpinButtons(TCanvas& Canvas, QWidget* WindowHandle, const TRect& R, int Kind, int State, const TColorTones& Tones)
{
    const TRect column = Rect(R.Right - 16, R.Top - 1, R.Right - 1, R.Bottom - 1);
    const int middle = column.Top + column.Height() / 2;
    const TRect up = Rect(column.Left, column.Top, column.Right, middle);
    TRect down = Rect(column.Left, middle + 1, column.Right, column.Bottom);
    switch (Kind) {
    case bkTheme:
        down.Top = middle;
        DrawThemedPart(Canvas, WindowHandle, "spin", 1, State == bsDisabled ? 4 : 1, up);
        DrawThemedPart(Canvas, WindowHandle, "spin", 2, State == bsDisabled ? 4 : 1, down);
        break;
    case bkClassic:
    case bkFlat:
        DrawFrameControl(Canvas, up, DFC_SCROLL, DFCS_SCROLLUP | ClassicState(Kind, State));
        DrawFrameControl(Canvas, down, DFC_SCROLL, DFCS_SCROLLDOWN | ClassicState(Kind, State));
        break;
    default: {
        const TColor face = ToneOf(Tones, State).BrushColor;
        SolidRect(Canvas, up, face);
        SolidRect(Canvas, down, face);
        Triangle(Canvas, {up.Left + 5, up.Top + 5}, {up.Left + 9, up.Top + 5}, {up.Left + 7, up.Top + 3}, clBlack);
        Triangle(Canvas, {down.Left + 5, down.Top + 1}, {down.Left + 9, down.Top + 1}, {down.Left + 7, down.Top + 3}, clBlack);
        break;
    }
    }
}

void DrawDropArrow(TCanvas& Canvas, int X, int Y, TColor Color)
{
    Triangle(Canvas, {X - 3, Y}, {X + 3, Y}, {X, Y + 3}, Color);
}

void TextOutRotated(TCanvas& Canvas, int X, int Y, const QString& Text, int Angle, bool Prefix)
{
    const unsigned flags = DT_SINGLELINE | DT_NOCLIP | (Prefix ? 0u : DT_NOPREFIX);
    TRect extent = Rect(0, 0, 0, 0);
    Canvas.DrawText(Text, extent, flags | DT_CALCRECT);
    const int w = extent.Width(), h = extent.Height();
    if (w <= 0 || h <= 0)
        return;
    // Written upright on a key colour that the text does not use, then turned and copied without the key.
    const TColor key = Canvas.Font().Color() == RGB(1, 2, 3) ? RGB(3, 2, 1) : RGB(1, 2, 3);
    TBitmap flat(w, h);
    flat.Canvas().Brush().SetColor(key);
    flat.Canvas().FillRect(Rect(0, 0, w, h));
    flat.Canvas().SetFont(Canvas.Font());
    flat.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    TRect r = Rect(0, 0, w, h);
    flat.Canvas().DrawText(Text, r, flags);
    const QTransform turn = QTransform().rotate(-Angle);
    const QPoint origin = QImage::trueMatrix(turn, w, h).map(QPoint(0, 0));
    // The corners the turn uncovers take the key colour too.
    const QImage image = flat.Image().transformed(turn);
    QImage keyed(image.size(), QImage::Format_RGB32);
    keyed.fill(ToQColor(key));
    QPainter(&keyed).drawImage(0, 0, image);
    TBitmap turned;
    turned.SetImage(keyed);
    turned.SetTransparent(true);
    turned.SetTransparentMode(TTransparentMode::tmFixed);
    turned.SetTransparentColor(key);
    Canvas.Draw(X - origin.x(), Y - origin.y(), turned);
}

void DrawTransparentBitmap(TCanvas& Canvas, const TBitmap& Bitmap, TColor BackColor, const TRect& R)
{
    if (Bitmap.Empty())
        return;
    QImage image = Bitmap.Image().convertToFormat(QImage::Format_RGB32);
    const QRgb key = image.pixel(0, 0);
    const QRgb back = ToQColor(BackColor).rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == key)
                line[x] = back;
    }
    TBitmap copy;
    copy.SetImage(image);
    Canvas.Draw(R.Left, R.Top, copy);
}

void DrawResourceBitmap(TCanvas& Canvas, TColor BackColor, const TRect& R, const QString& ResourceName)
{
    TBitmap bitmap;
    if (bitmap.LoadFromFile(QStringLiteral(":/") + ResourceName))
        DrawTransparentBitmap(Canvas, bitmap, BackColor, R);
}

void DrawDisabledText(TCanvas& Canvas, const QString& Text, const TRect& R, unsigned Format, TColor Light, TColor Dark)
{
    TRect r = R;
    OffsetRect(r, 1, 1);
    Canvas.Font().SetColor(Light);
    Canvas.DrawText(Text, r, Format);
    r = R;
    Canvas.Font().SetColor(Dark);
    Canvas.DrawText(Text, r, Format);
}

void DrawErrorUnderline(TCanvas& Canvas, const QString& Text, const TRect& R, int YOffset, int ErrorPos, int ErrorLength)
{
    // Client x of character i as a single-line edit box lays the text out.
    auto charX = [&](int i) { return Canvas.TextWidth(Text.left(i)); };
    const int length = int(Text.size());
    // Past the text the line starts 4 pixels after its end, and ends 4 pixels after its last character.
    const int startX = ErrorPos < length ? charX(ErrorPos) : charX(length) + 4;
    const int endX = ErrorPos + ErrorLength < length ? charX(ErrorPos + ErrorLength - 1) : charX(std::max(0, length - 1)) + 4;
    const int base = R.Top + YOffset;
    Canvas.Pen().SetStyle(TPenStyle::psSolid);
    Canvas.Pen().SetColor(clRed);
    Canvas.Pen().SetWidth(2);
    Canvas.MoveTo(R.Left + startX, base + 3);
    int offset = 0;
    int x = startX;
    for (; x <= endX; x += 3) {
        Canvas.LineTo(R.Left + x + 3, base + offset);
        offset = 3 - offset;
    }
    Canvas.LineTo(R.Left + x + 3, base + offset);
}

void DrawSignedBar(TCanvas& Canvas, TRect R, int Value, int Max, bool ShowValue, TColor NegativeColor, TColor PositiveColor)
{
    InflateRect(R, -2, -2);
    if (Max <= 0)
        return;   // no range, no bar
    const int half = R.Width() / 2;
    const int value = std::clamp(Value, -Max, Max);
    const int x = Nearest(double(half) * value / Max);
    const int middle = R.Left + half;
    if (value < 0)
        SolidRect(Canvas, Rect(middle + x, R.Top, middle, R.Bottom), NegativeColor);
    else
        SolidRect(Canvas, Rect(middle, R.Top, middle + x, R.Bottom), PositiveColor);
    if (ShowValue) {
        const QString text = QString::number(value);
        Canvas.Brush().SetStyle(TBrushStyle::bsClear);
        Canvas.TextOut(R.Left + (R.Width() - Canvas.TextWidth(text)) / 2, R.Top + (R.Height() - Canvas.TextHeight(text)) / 2,
                       text);
    }
}

void DrawPiePercent(TCanvas& Canvas, const TRect& R, TColor Color, int Percent, bool FillAbove)
{
    const TColor outline = clGray;
    const int W = R.Width(), H = R.Height();
    const int cx = R.Left + W / 2, cy = R.Top + H / 2;
    auto pointAt = [&](double turn) {
        const double a = turn * 2 * M_PI;
        return TPoint{cx + Nearest((W + 1) / 2.0 * std::sin(a)), cy - Nearest((H + 1) / 2.0 * std::cos(a))};
    };
    const TPoint end = pointAt(Percent / 100.0);
    auto outlineShape = [&] {
        Canvas.Pen().SetStyle(TPenStyle::psSolid);
        Canvas.Pen().SetWidth(1);
        Canvas.Pen().SetColor(outline);
        Canvas.Ellipse(R.Left, R.Top, R.Right, R.Bottom);
        Canvas.MoveTo(cx, R.Top);
        Canvas.LineTo(cx, cy);
        Canvas.LineTo(end.X, end.Y);
    };
    outlineShape();
    if (Percent == 0)
        return;
    // The slice between the two radii (the rest of the circle with FillAbove), outlined again on top.
    const double from = FillAbove ? Percent / 100.0 : 0.0;
    const double to = FillAbove ? 1.0 : Percent / 100.0;
    std::vector<TPoint> slice{{cx, cy}};
    const int segments = std::max(2, int(std::ceil((to - from) * 72)));
    for (int i = 0; i <= segments; ++i)
        slice.push_back(pointAt(from + (to - from) * i / segments));
    Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    Canvas.Brush().SetColor(Color);
    Canvas.Pen().SetColor(Color);
    Canvas.Polygon(slice);
    const TBrushStyle keep = Canvas.Brush().Style();
    Canvas.Brush().SetStyle(TBrushStyle::bsClear);
    outlineShape();
    Canvas.Brush().SetStyle(keep);
}

QString FormatValue(const QString& Format, double Value)
{
    QString out;
    for (qsizetype i = 0; i < Format.size(); ++i) {
        if (Format[i] != QLatin1Char('%')) {
            out += Format[i];
            continue;
        }
        if (i + 1 < Format.size() && Format[i + 1] == QLatin1Char('%')) {
            out += QLatin1Char('%');
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        const bool leftAlign = j < Format.size() && Format[j] == QLatin1Char('-');
        if (leftAlign)
            ++j;
        int width = 0, precision = -1;
        while (j < Format.size() && Format[j].isDigit())
            width = width * 10 + Format[j++].digitValue();
        if (j < Format.size() && Format[j] == QLatin1Char('.')) {
            precision = 0;
            ++j;
            while (j < Format.size() && Format[j].isDigit())
                precision = precision * 10 + Format[j++].digitValue();
        }
        if (j >= Format.size())
            break;
        const QLocale locale;
        QString text;
        switch (Format[j].toLower().unicode()) {
        case 'd':
        case 'u': {
            const long long v = std::llround(Value);
            text = QString::number(std::llabs(v)).rightJustified(std::max(precision, 0), QLatin1Char('0'));
            if (v < 0)
                text.prepend(QLatin1Char('-'));
            break;
        }
        case 'x': text = QString::number(std::llround(Value), 16).toUpper(); break;
        case 'f': text = locale.toString(Value, 'f', precision < 0 ? 2 : precision).remove(locale.groupSeparator()); break;
        case 'n': text = locale.toString(Value, 'f', precision < 0 ? 2 : precision); break;
        case 'e': text = locale.toString(Value, 'E', precision < 0 ? 14 : std::max(0, precision - 1)); break;
        default: text = locale.toString(Value, 'g', precision < 0 ? 15 : precision).remove(locale.groupSeparator()); break;
        }
        out += leftAlign ? text.leftJustified(width) : text.rightJustified(width);
        i = j;
    }
    return out;
}

void DrawFormattedProgress(TCanvas& Canvas, TRect R, TColor FillColor, TColor FillTextColor, TColor RestColor,
                           TColor RestTextColor, double Position, int MarginX, int MarginY, double Min, double Max,
                           const QString& Format, TColor BorderColor, bool TextHeightUp)
{
    const TColor background = Canvas.Brush().Color();
    QString text;
    int percent;
    if (Format.isEmpty()) {
        text = QString::number(Nearest(Position)) + QLatin1Char('%');
        percent = Nearest(Position);
    } else {
        const bool integer = Format.contains(QLatin1Char('d')) || Format.contains(QLatin1Char('u'));
        text = FormatValue(Format, integer ? Nearest(Position) : Position);
        percent = Max == Min ? 0 : Nearest((Position - Min) * 100 / (Max - Min));
    }
    percent = std::clamp(percent, 0, 100);
    InflateRect(R, -MarginX, -MarginY);
    const int filledEnd = R.Left + Nearest(percent * R.Width() / 100.0);
    const int textHeight = Canvas.TextHeight(text) * (TextHeightUp ? -1 : 1);
    const int textX = R.Left + (R.Width() - Canvas.TextWidth(text)) / 2;
    const int textY = R.Top + (R.Height() - textHeight) / 2;

    auto part = [&](const TRect& r, TColor color, TColor textColor) {
        Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        Canvas.Brush().SetColor(color);
        Canvas.Pen().SetColor(color);
        Canvas.Font().SetColor(textColor);
        if (!r.IsEmpty())
            Canvas.TextRect(r, textX, textY, text);
    };
    part(Rect(R.Left, R.Top, filledEnd, R.Bottom), FillColor, FillTextColor);
    part(Rect(filledEnd, R.Top, R.Right, R.Bottom), RestColor, RestTextColor);

    Canvas.Pen().SetColor(background);
    InflateRect(R, 1, 1);
    if (BorderColor != clNone) {
        Canvas.Brush().SetColor(BorderColor);
        Canvas.FrameRect(R);
    }
    Canvas.Brush().SetColor(background);
    InflateRect(R, 1, 1);
    Canvas.FrameRect(R);
}
