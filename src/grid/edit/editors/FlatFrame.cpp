#include "grid/edit/editors/FlatFrame.h"
#include "platform/Canvas.h"

namespace {
void Frame(TCanvas& c, const TRect& r, TColor color)
{
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(color);
    c.FrameRect(r);
}

void Edge(TCanvas& c, const TRect& r, TColor topLeft, TColor bottomRight)
{
    c.Pen().SetStyle(TPenStyle::psSolid);
    c.Pen().SetWidth(1);
    c.Pen().SetColor(topLeft);
    c.Polyline({{r.Left, r.Bottom - 1}, {r.Left, r.Top}, {r.Right, r.Top}});
    c.Pen().SetColor(bottomRight);
    c.Polyline({{r.Left, r.Bottom - 1}, {r.Right - 1, r.Bottom - 1}, {r.Right - 1, r.Top - 1}});
}

// Fills R except the part inside Inner.
void FillRing(TCanvas& c, const TRect& r, const TRect& inner, TColor color)
{
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(color);
    const TRect strips[] = {Rect(r.Left, r.Top, r.Right, inner.Top), Rect(r.Left, inner.Bottom, r.Right, r.Bottom),
                            Rect(r.Left, inner.Top, inner.Left, inner.Bottom),
                            Rect(inner.Right, inner.Top, r.Right, inner.Bottom)};
    for (TRect s : strips) {
        s.Top = std::max(s.Top, r.Top);
        s.Bottom = std::min(s.Bottom, r.Bottom);
        s.Left = std::max(s.Left, r.Left);
        s.Right = std::min(s.Right, r.Right);
        if (!s.IsEmpty())
            c.FillRect(s);
    }
}
} // namespace

void DrawFlatFrame(TCanvas& Canvas, TRect R, const TFlatFrame& F)
{
    const int height = R.Bottom;
    if (!F.Enabled && F.Themed && !F.DisabledBorder) {
        Frame(Canvas, R, clDisabledFrame);
        return;
    }
    if (F.BorderColor != clNone && !(F.HasFocus && F.FocusBorderColor != clNone)) {
        Frame(Canvas, R, F.BorderColor);
        return;
    }
    if (F.FocusBorderColor != clNone) {
        if (F.HasFocus)
            Frame(Canvas, R, F.FocusBorderColor);
        return;
    }
    const TColor outer = F.FocusBorderActive ? clBtnFace : F.ParentColor;
    if (F.FocusBorderActive) {
        Edge(Canvas, R, clBtnShadow, clBtnHighlight);
        InflateRect(R, -1, -1);
        Frame(Canvas, R, outer);
        InflateRect(R, -1, -1);
        Frame(Canvas, R, F.Color);
    } else {
        Frame(Canvas, R, outer);
        InflateRect(R, -1, -1);
        R.Right -= F.ButtonWidth;
        Frame(Canvas, R, outer);
        InflateRect(R, -1, -1);
        R.Right += F.ButtonWidth;
        Frame(Canvas, R, F.Color);
    }
    if (F.FlatLineColor != clNone) {
        Canvas.Pen().SetColor(F.FlatLineColor);
        Canvas.MoveTo(R.Left - 2, height - 1);
        Canvas.LineTo(R.Right - F.ButtonWidth - 1, height - 1);
    }
}

void DrawFlatButtonFace(TCanvas& Canvas, int W, int H, int ButtonWidth, bool Active, bool Picker, bool DroppedDown)
{
    const TRect inner = Rect(W - ButtonWidth + 4, 4, W - 4, H - 4);
    TRect r = Rect(W - ButtonWidth, 2, W - 2, H - 2);
    if (Active) {
        if (!Picker)
            return;
        if (DroppedDown) {
            Frame(Canvas, r, clBtnShadow);
        } else {
            Edge(Canvas, r, clBtnHighlight, cl3DDkShadow);
            Edge(Canvas, Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), cl3DLight, clBtnShadow);
        }
        return;
    }
    r = Rect(r.Left, r.Top + 1, r.Right - 1, r.Bottom - 1);
    FillRing(Canvas, r, inner, clBtnFace);
}
