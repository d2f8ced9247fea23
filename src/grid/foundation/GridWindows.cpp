#include "grid/foundation/GridWindows.h"
#include "grid/foundation/GridAlphaMask.h"
#include <QPainter>
#include <QPolygon>
#include <QRegion>

namespace {

std::array<TPoint, 7> ArrowOutline(TArrowDirection direction)
{
    switch (direction) {
    case TArrowDirection::arrUp: return {{{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}}};
    case TArrowDirection::arrDown: return {{{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}}};
    case TArrowDirection::arrLeft: return {{{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}}};
    case TArrowDirection::arrRight: return {{{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}}};
    }
    return {};
}

} // namespace

TArrowWindow::TArrowWindow(QWidget* AOwner, TArrowDirection direction)
    : QWidget(AOwner, Qt::ToolTip | Qt::FramelessWindowHint), FDir(direction), FArrow(ArrowOutline(direction))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    resize(11, 11);
    QPolygon outline;
    for (const TPoint& p : FArrow)
        outline << p.toQPoint();
    setMask(QRegion(outline, Qt::WindingFill));
    hide();
}

void TArrowWindow::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), ToQColor(Color()));
}

TGridFocusWindow::TGridFocusWindow(QWidget* AOwner)
    : QWidget(AOwner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput |
                          Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setEnabled(false);
    resize(0, 0);
}

void TGridFocusWindow::UpdateLayered(TPoint Position, const TGridAlphaMask& Mask)
{
    FLayer = Mask.Image();
    FOpacity = Mask.Opacity();
    setGeometry(Position.X, Position.Y, FLayer.width(), FLayer.height());
    update();
}

void TGridFocusWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setOpacity(FOpacity / 255.0);
    p.drawImage(0, 0, FLayer);
}

bool CallSetLayeredWindowAttributes(QWidget* Window, TColor, std::uint8_t Alpha, unsigned Flags)
{
    if (Window && (Flags & LWA_ALPHA))
        Window->setWindowOpacity(Alpha / 255.0);
    return true;
}
