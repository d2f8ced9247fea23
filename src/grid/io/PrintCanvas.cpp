#include "grid/io/PrintCanvas.h"
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

namespace {
Qt::PenStyle ToQtPenStyle(TPenStyle s)
{
    switch (s) {
    case TPenStyle::psDash: return Qt::DashLine;
    case TPenStyle::psDot: return Qt::DotLine;
    case TPenStyle::psDashDot: return Qt::DashDotLine;
    case TPenStyle::psDashDotDot: return Qt::DashDotDotLine;
    case TPenStyle::psClear: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

int ToQtAlignment(unsigned Format)
{
    int flags = (Format & DT_CENTER) ? Qt::AlignHCenter : (Format & DT_RIGHT) ? Qt::AlignRight : Qt::AlignLeft;
    flags |= (Format & DT_VCENTER) ? Qt::AlignVCenter : (Format & DT_BOTTOM) ? Qt::AlignBottom : Qt::AlignTop;
    flags |= (Format & DT_WORDBREAK) ? Qt::TextWordWrap : Qt::TextSingleLine;
    return flags;
}
} // namespace

TPainterPrintCanvas::TPainterPrintCanvas(QPainter& Painter, QPagedPaintDevice* Device, double DpiX, double DpiY,
                                         QPointF Origin)
    : FPainter(Painter), FDevice(Device), FScaleX(DpiX / 254.0), FScaleY(DpiY / 254.0), FOrigin(Origin)
{
}

QFont TPainterPrintCanvas::DeviceFont(const TFont& Font) const
{
    QFont f = Font.toQFont();
    f.setPixelSize(std::max(1, int(std::lround(std::abs(Font.Height()) * FScaleY))));
    f.setStyleStrategy(QFont::PreferDefault);
    return f;
}

QPointF TPainterPrintCanvas::ToDevice(TPoint P) const
{
    return {FOrigin.x() + P.X * FScaleX, FOrigin.y() - P.Y * FScaleY};
}

QRectF TPainterPrintCanvas::ToDevice(const TRect& R) const
{
    return QRectF(ToDevice(Point(R.Left, R.Top)), ToDevice(Point(R.Right, R.Bottom))).normalized();
}

QSize TPainterPrintCanvas::TextExtent(const TFont& Font, const QString& Text)
{
    const QFontMetricsF fm(DeviceFont(Font), FPainter.device());
    return {int(std::ceil(fm.horizontalAdvance(Text) / FScaleX)), int(std::ceil(fm.height() / FScaleY))};
}

int TPainterPrintCanvas::WrappedTextHeight(const TFont& Font, const QString& Text, int Width)
{
    const QFontMetricsF fm(DeviceFont(Font), FPainter.device());
    const QRectF r = fm.boundingRect(QRectF(0, 0, std::max(1.0, Width * FScaleX), 1e7), Qt::TextWordWrap, Text);
    return int(std::ceil(r.height() / FScaleY));
}

void TPainterPrintCanvas::FillRect(const TRect& R, TColor Color)
{
    FPainter.fillRect(ToDevice(R), ToQColor(Color));
}

void TPainterPrintCanvas::Line(TPoint From, TPoint To, const TPen& Pen)
{
    QPen pen(ToQColor(Pen.Color()));
    pen.setWidthF(std::max(1.0, Pen.Width() * FScaleX));
    pen.setStyle(ToQtPenStyle(Pen.Style()));
    FPainter.setPen(pen);
    FPainter.drawLine(ToDevice(From), ToDevice(To));
}

void TPainterPrintCanvas::DrawText(const TRect& R, const QString& Text, const TFont& Font, unsigned Format)
{
    const QRectF box = ToDevice(R);
    const QFont font = DeviceFont(Font);
    QString text = Text;
    if (Format & DT_END_ELLIPSIS)
        text = QFontMetricsF(font, FPainter.device()).elidedText(Text, Qt::ElideRight, box.width());
    FPainter.save();
    FPainter.setClipRect(box);
    FPainter.setFont(font);
    FPainter.setPen(ToQColor(Font.Color()));
    FPainter.drawText(box, ToQtAlignment(Format), text);
    FPainter.restore();
}

void TPainterPrintCanvas::DrawRotatedText(TPoint Origin, const TRect& Clip, const QString& Text, const TFont& Font,
                                          int Angle)
{
    const QFont font = DeviceFont(Font);
    FPainter.save();
    FPainter.setClipRect(ToDevice(Clip));
    FPainter.setFont(font);
    FPainter.setPen(ToQColor(Font.Color()));
    FPainter.translate(ToDevice(Origin));
    FPainter.rotate(-Angle);
    FPainter.drawText(QPointF(0, QFontMetricsF(font, FPainter.device()).ascent()), Text);
    FPainter.restore();
}

void TPainterPrintCanvas::NewPage()
{
    if (FDevice)
        FDevice->newPage();
}
