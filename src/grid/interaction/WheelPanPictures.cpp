#include "grid/interaction/WheelPanPictures.h"
#include "grid/core/VxStringGrid.h"
#include <QPainter>
#include <QPolygon>
#include <cmath>

namespace {
constexpr QRgb kInk = 0xFF000000;
constexpr QRgb kFill = 0xFFFFFFFF;
constexpr QRgb kMarkerBack = 0xFFFF00FF;   // the marker's transparent colour
constexpr QRgb kMarkerFill = 0xFFE8E8E8;

// A filled arrow head pointing from the middle of a Size square towards (Dx, Dy), its tip Reach pixels out.
QPolygon ArrowHead(int Size, int Dx, int Dy, int Reach)
{
    const double len = std::hypot(Dx, Dy);
    const double ux = Dx / len, uy = Dy / len;
    const double c = Size / 2.0;
    const auto at = [&](double along, double across) {
        return QPoint(int(std::lround(c + ux * along - uy * across)), int(std::lround(c + uy * along + ux * across)));
    };
    return QPolygon({at(Reach, 0), at(Reach - 6, -5), at(Reach - 6, 5)});
}

void DrawArrows(QPainter& p, int Size, const std::vector<std::pair<int, int>>& Directions, int Reach)
{
    for (const auto& [dx, dy] : Directions)
        p.drawPolygon(ArrowHead(Size, dx, dy, Reach));
}

const std::vector<std::pair<int, int>> kFourWays{{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
} // namespace

QImage PanCursorImage(int Dx, int Dy)
{
    QImage img(kPanCursorSize, kPanCursorSize, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setPen(QColor::fromRgba(kInk));
    p.setBrush(QColor::fromRgba(kFill));
    const int c = kPanCursorSize / 2;
    p.drawEllipse(QPoint(c, c), 3, 3);
    p.setBrush(QColor::fromRgba(kInk));
    if (Dx == 0 && Dy == 0)
        DrawArrows(p, kPanCursorSize, kFourWays, 13);
    else
        DrawArrows(p, kPanCursorSize, {{Dx, Dy}}, 14);
    return img;
}

QImage PanMarkerImage(TIntelliPan Mode)
{
    QImage img(kPanMarkerSize, kPanMarkerSize, QImage::Format_RGB32);
    img.fill(kMarkerBack);
    QPainter p(&img);
    const int c = kPanMarkerSize / 2;
    p.setPen(QColor::fromRgba(kInk));
    p.setBrush(QColor::fromRgba(kMarkerFill));
    p.drawEllipse(QPoint(c, c), 14, 14);
    p.setBrush(QColor::fromRgba(kInk));
    p.drawEllipse(QPoint(c, c), 1, 1);
    switch (Mode) {
    case TIntelliPan::ipVertical: DrawArrows(p, kPanMarkerSize, {{0, -1}, {0, 1}}, 11); break;
    case TIntelliPan::ipHorizontal: DrawArrows(p, kPanMarkerSize, {{-1, 0}, {1, 0}}, 11); break;
    default: DrawArrows(p, kPanMarkerSize, kFourWays, 11); break;
    }
    return img;
}
