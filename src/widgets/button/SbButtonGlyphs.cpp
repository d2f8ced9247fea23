#include "widgets/button/SbButtonGlyphs.h"
#include "platform/Canvas.h"
#include <functional>

namespace {
constexpr int kCell = 18;
constexpr TColor kBackground = clOlive; // the bottom-left pixel: left out when drawn

void Pen(TCanvas& c, TColor color, int width)
{
    c.Pen().SetStyle(TPenStyle::psSolid);
    c.Pen().SetColor(color);
    c.Pen().SetWidth(width);
}

void Fill(TCanvas& c, TColor color)
{
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(color);
}

void Check(TCanvas& c, int dx, TColor color)
{
    Pen(c, color, 2);
    c.Polyline({Point(dx + 3, 9), Point(dx + 7, 13), Point(dx + 14, 4)});
}

using Drawing = std::function<void(TCanvas&)>;

struct GlyphDef {
    const char* name;
    int height;
    Drawing draw;
};

const GlyphDef kGlyphs[] = {
    {"LBOK", 18, [](TCanvas& c) { Check(c, 0, clGreen); }},
    {"LBCANCEL", 18,
     [](TCanvas& c) {
         Pen(c, clRed, 2);
         c.Polyline({Point(4, 4), Point(13, 13)});
         c.Polyline({Point(13, 4), Point(4, 13)});
     }},
    {"LBHELP", 18,
     [](TCanvas& c) {
         Pen(c, clNavy, 1);
         Fill(c, clAqua);
         c.Ellipse(1, 1, 17, 17);
         Pen(c, clNavy, 1);
         c.Polyline({Point(6, 7), Point(7, 5), Point(10, 5), Point(11, 6), Point(11, 8), Point(9, 10), Point(9, 12)});
         Fill(c, clNavy);
         c.FillRect(Rect(8, 13, 10, 15));
     }},
    {"LBYES", 18,
     [](TCanvas& c) {
         Pen(c, clGreen, 1);
         Fill(c, clLime);
         c.Ellipse(0, 0, 18, 18);
         Check(c, 0, clBlack);
     }},
    {"LBNO", 18,
     [](TCanvas& c) {
         Pen(c, clMaroon, 1);
         Fill(c, clRed);
         c.Ellipse(0, 0, 18, 18);
         Fill(c, clWhite);
         c.FillRect(Rect(4, 8, 14, 11));
     }},
    {"LBCLOSE", 18,
     [](TCanvas& c) {
         Pen(c, clBlack, 1);
         Fill(c, clMaroon);
         c.Rectangle(4, 1, 13, 17);
         Fill(c, clYellow);
         c.FillRect(Rect(10, 9, 12, 11));
     }},
    {"LBABORT", 18,
     [](TCanvas& c) {
         Pen(c, clMaroon, 1);
         Fill(c, clRed);
         c.Polygon({Point(5, 0), Point(12, 0), Point(17, 5), Point(17, 12), Point(12, 17), Point(5, 17), Point(0, 12),
                    Point(0, 5)});
         Fill(c, clWhite);
         c.FillRect(Rect(3, 8, 15, 10));
     }},
    {"LBRETRY", 18,
     [](TCanvas& c) {
         Pen(c, clNavy, 2);
         c.Brush().SetStyle(TBrushStyle::bsClear);
         c.Ellipse(3, 3, 15, 15);
         Fill(c, kBackground);
         c.FillRect(Rect(10, 1, 17, 8));
         Pen(c, clNavy, 1);
         Fill(c, clNavy);
         c.Polygon({Point(9, 1), Point(14, 5), Point(9, 8)});
     }},
    {"LBIGNORE", 18,
     [](TCanvas& c) {
         Pen(c, clBlue, 2);
         c.Polyline({Point(3, 4), Point(8, 9), Point(3, 14)});
         c.Polyline({Point(9, 4), Point(14, 9), Point(9, 14)});
     }},
    {"LBALL", 19,
     [](TCanvas& c) {
         Check(c, -2, clGreen);
         Pen(c, clGreen, 2);
         c.Polyline({Point(4, 14), Point(7, 17), Point(15, 8)});
     }},
};

// The disabled cell: the normal picture's shape in grey with a white shadow below and to the right.
void MakeDisabledCell(TBitmap& strip)
{
    TCanvas& c = strip.Canvas();
    const TColor bg = c.Pixels(0, strip.Height() - 1);
    for (int y = 0; y < strip.Height(); ++y)
        for (int x = 0; x < kCell; ++x)
            if (c.Pixels(x, y) != bg && x + 1 < kCell && y + 1 < strip.Height())
                c.SetPixels(kCell + x + 1, y + 1, clWhite);
    for (int y = 0; y < strip.Height(); ++y)
        for (int x = 0; x < kCell; ++x)
            if (c.Pixels(x, y) != bg)
                c.SetPixels(kCell + x, y, clGray);
}

void DrawArrow(TBitmap& bitmap)
{
    bitmap.SetSize(5, 3);
    TCanvas& c = bitmap.Canvas();
    Fill(c, clWhite);
    c.FillRect(Rect(0, 0, 5, 3));
    Fill(c, clBlack);
    c.FillRect(Rect(0, 0, 5, 1));
    c.FillRect(Rect(1, 1, 4, 2));
    c.FillRect(Rect(2, 2, 3, 3));
}
} // namespace

bool LoadSbButtonBitmap(TBitmap& bitmap, const QString& name)
{
    if (name == QLatin1String("LBARROW")) {
        DrawArrow(bitmap);
        return true;
    }
    for (const auto& g : kGlyphs) {
        if (name != QLatin1String(g.name))
            continue;
        TBitmap strip(2 * kCell, g.height);
        TCanvas& c = strip.Canvas();
        Fill(c, kBackground);
        c.FillRect(Rect(0, 0, 2 * kCell, g.height));
        c.SetClipRect(Rect(0, 0, kCell, g.height));
        g.draw(c);
        c.ResetClipRect();
        MakeDisabledCell(strip);
        bitmap.Assign(strip);
        return true;
    }
    return false;
}
