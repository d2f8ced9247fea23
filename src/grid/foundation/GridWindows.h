#pragma once
// The grid's small pop-up windows: green arrows around a drop position while rows or columns are dragged,
// and the carrier of the focus halo.
#include "grid/foundation/GridTypes.h"
#include <QImage>
#include <QWidget>
#include <array>
#include <cstdint>

class TGridAlphaMask;

// A window shaped as an arrow: only the seven-point outline shows and takes the mouse.
class TArrowWindow : public QWidget {
public:
    TArrowWindow(QWidget* AOwner, TArrowDirection direction);

    TArrowDirection Dir() const { return FDir; }
    const std::array<TPoint, 7>& Arrow() const { return FArrow; }
    TColor Color() const { return clLime; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TArrowDirection FDir;
    std::array<TPoint, 7> FArrow;
};

// Invisible, disabled, always on top, never taking input; shows a layered picture when given one.
class TGridFocusWindow : public QWidget {
public:
    explicit TGridFocusWindow(QWidget* AOwner);

    TColor Color() const { return clRed; }
    // The platform's layered-window update: the mask's premultiplied picture at Position, at its opacity.
    void UpdateLayered(TPoint Position, const TGridAlphaMask& Mask);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage FLayer;
    std::uint8_t FOpacity = 255;
};

constexpr unsigned LWA_COLORKEY = 0x1, LWA_ALPHA = 0x2;
// The whole window's opacity with LWA_ALPHA; a colour key has no counterpart here and is left out.
// True, as when the platform lacks layered windows.
bool CallSetLayeredWindowAttributes(QWidget* Window, TColor KeyColor, std::uint8_t Alpha, unsigned Flags);
