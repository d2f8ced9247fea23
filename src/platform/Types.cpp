#include "platform/Types.h"
#include <algorithm>
#include <array>

namespace {
// A fixed table so that drawings are the same on every desktop (and in tests).
constexpr std::array<TColor, 31> kSysColors = {
    RGB(200, 200, 200), // scroll bar
    RGB(0, 0, 0),       // background
    RGB(153, 180, 209), // active caption
    RGB(191, 205, 219), // inactive caption
    RGB(240, 240, 240), // menu
    RGB(255, 255, 255), // window
    RGB(100, 100, 100), // window frame
    RGB(0, 0, 0),       // menu text
    RGB(0, 0, 0),       // window text
    RGB(0, 0, 0),       // caption text
    RGB(180, 180, 180), // active border
    RGB(244, 247, 252), // inactive border
    RGB(171, 171, 171), // app work space
    RGB(0, 120, 215),   // highlight
    RGB(255, 255, 255), // highlight text
    RGB(240, 240, 240), // button face
    RGB(160, 160, 160), // button shadow
    RGB(109, 109, 109), // gray text
    RGB(0, 0, 0),       // button text
    RGB(0, 0, 0),       // inactive caption text
    RGB(255, 255, 255), // button highlight
    RGB(105, 105, 105), // 3D dark shadow
    RGB(227, 227, 227), // 3D light
    RGB(0, 0, 0),       // info text
    RGB(255, 255, 225), // info background
    RGB(0, 0, 0),       // (unused slot 25)
    RGB(0, 102, 204),   // hot light
    RGB(185, 209, 234), // gradient active caption
    RGB(215, 228, 242), // gradient inactive caption
    RGB(51, 153, 255),  // menu highlight
    RGB(240, 240, 240), // menu bar
};
} // namespace

TColor ColorToRGB(TColor c)
{
    if ((c & 0xFF000000) == 0xFF000000) {
        const auto index = c & 0xFF;
        return index < kSysColors.size() ? kSysColors[index] : clBlack;
    }
    return c & 0x00FFFFFF;
}

QColor ToQColor(TColor c)
{
    const TColor rgb = ColorToRGB(c);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& c)
{
    return RGB(c.red(), c.green(), c.blue());
}

bool IntersectRect(TRect& dst, const TRect& a, const TRect& b)
{
    dst = {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
    if (dst.IsEmpty()) {
        dst = {};
        return false;
    }
    return true;
}

void InflateRect(TRect& r, int dx, int dy)
{
    r.Left -= dx;
    r.Top -= dy;
    r.Right += dx;
    r.Bottom += dy;
}

void OffsetRect(TRect& r, int dx, int dy)
{
    r.Left += dx;
    r.Right += dx;
    r.Top += dy;
    r.Bottom += dy;
}
