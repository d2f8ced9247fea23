#pragma once
// The surface the print page engine draws on: logical units of 0.1 mm, the page's top edge at y = 0 and
// the page going down to negative y. A rectangle's Top is therefore its higher edge (Top > Bottom).
#include "platform/Canvas.h"
#include <QPointF>
#include <QSize>

class QPagedPaintDevice;
class QPainter;

class TPrintCanvas {
public:
    virtual ~TPrintCanvas() = default;

    // One line of text; the font's Height is a character height in 0.1 mm (negative, as MapFontHeight gives).
    virtual QSize TextExtent(const TFont& Font, const QString& Text) = 0;
    // The height the text takes when word-wrapped into Width.
    virtual int WrappedTextHeight(const TFont& Font, const QString& Text, int Width) = 0;
    virtual void FillRect(const TRect& R, TColor Color) = 0;
    virtual void Line(TPoint From, TPoint To, const TPen& Pen) = 0;
    // The text inside R (clipped to it), placed by the DT_* flags: DT_CENTER, DT_RIGHT, DT_VCENTER, DT_BOTTOM,
    // DT_WORDBREAK, DT_END_ELLIPSIS.
    virtual void DrawText(const TRect& R, const QString& Text, const TFont& Font, unsigned Format) = 0;
    // One line turned Angle degrees counter-clockwise about Origin, the top-left of the line before turning;
    // clipped to Clip.
    virtual void DrawRotatedText(TPoint Origin, const TRect& Clip, const QString& Text, const TFont& Font,
                                 int Angle) = 0;
    virtual void NewPage() = 0;

    int TextWidth(const TFont& Font, const QString& Text) { return TextExtent(Font, Text).width(); }
    int TextHeight(const TFont& Font, const QString& Text) { return TextExtent(Font, Text).height(); }
};

// The surface over a painter of a device with the given resolution; Origin is where the page's top-left
// corner lies in device pixels. New pages go to Device when there is one.
class TPainterPrintCanvas : public TPrintCanvas {
public:
    TPainterPrintCanvas(QPainter& Painter, QPagedPaintDevice* Device, double DpiX, double DpiY, QPointF Origin = {});

    QSize TextExtent(const TFont& Font, const QString& Text) override;
    int WrappedTextHeight(const TFont& Font, const QString& Text, int Width) override;
    void FillRect(const TRect& R, TColor Color) override;
    void Line(TPoint From, TPoint To, const TPen& Pen) override;
    void DrawText(const TRect& R, const QString& Text, const TFont& Font, unsigned Format) override;
    void DrawRotatedText(TPoint Origin, const TRect& Clip, const QString& Text, const TFont& Font,
                         int Angle) override;
    void NewPage() override;

private:
    QFont DeviceFont(const TFont& Font) const;
    QPointF ToDevice(TPoint P) const;
    QRectF ToDevice(const TRect& R) const;

    QPainter& FPainter;
    QPagedPaintDevice* FDevice;
    double FScaleX;   // device pixels per 0.1 mm
    double FScaleY;
    QPointF FOrigin;
};
