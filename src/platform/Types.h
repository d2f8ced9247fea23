#pragma once
// The toolkit's value types: colours, points and rectangles with their original meaning.
#include <QColor>
#include <QPoint>
#include <QRect>
#include <cstdint>

// $00BBGGRR; a high byte of $FF marks system colour nn in the low byte.
using TColor = std::uint32_t;

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

// System colours, resolved through SysColorTable().
constexpr TColor clScrollBar = 0xFF000000;
constexpr TColor clBackground = 0xFF000001;
constexpr TColor clActiveCaption = 0xFF000002;
constexpr TColor clInactiveCaption = 0xFF000003;
constexpr TColor clMenu = 0xFF000004;
constexpr TColor clWindow = 0xFF000005;
constexpr TColor clWindowFrame = 0xFF000006;
constexpr TColor clMenuText = 0xFF000007;
constexpr TColor clWindowText = 0xFF000008;
constexpr TColor clCaptionText = 0xFF000009;
constexpr TColor clActiveBorder = 0xFF00000A;
constexpr TColor clInactiveBorder = 0xFF00000B;
constexpr TColor clAppWorkSpace = 0xFF00000C;
constexpr TColor clHighlight = 0xFF00000D;
constexpr TColor clHighlightText = 0xFF00000E;
constexpr TColor clBtnFace = 0xFF00000F;
constexpr TColor clBtnShadow = 0xFF000010;
constexpr TColor clGrayText = 0xFF000011;
constexpr TColor clBtnText = 0xFF000012;
constexpr TColor clInactiveCaptionText = 0xFF000013;
constexpr TColor clBtnHighlight = 0xFF000014;
constexpr TColor cl3DDkShadow = 0xFF000015;
constexpr TColor cl3DLight = 0xFF000016;
constexpr TColor clInfoText = 0xFF000017;
constexpr TColor clInfoBk = 0xFF000018;
constexpr TColor clHotLight = 0xFF00001A;
constexpr TColor clGradientActiveCaption = 0xFF00001B;
constexpr TColor clGradientInactiveCaption = 0xFF00001C;
constexpr TColor clMenuHighlight = 0xFF00001D;
constexpr TColor clMenuBar = 0xFF00001E;

// Resolves system colours through the fixed table; other values pass unchanged (high byte cleared).
TColor ColorToRGB(TColor c);
QColor ToQColor(TColor c);
TColor FromQColor(const QColor& c);
constexpr TColor RGB(int r, int g, int b)
{
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}
constexpr int GetRValue(TColor c) { return int(c & 0xFF); }
constexpr int GetGValue(TColor c) { return int((c >> 8) & 0xFF); }
constexpr int GetBValue(TColor c) { return int((c >> 16) & 0xFF); }

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
    QPoint toQPoint() const { return {X, Y}; }
};

// Right and Bottom are exclusive, as in the toolkit.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    friend bool operator==(const TRect&, const TRect&) = default;

    QRect toQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    static TRect fromQRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
};

constexpr TRect Rect(int l, int t, int r, int b) { return {l, t, r, b}; }
constexpr TPoint Point(int x, int y) { return {x, y}; }
bool IntersectRect(TRect& dst, const TRect& a, const TRect& b);
void InflateRect(TRect& r, int dx, int dy);
void OffsetRect(TRect& r, int dx, int dy);
