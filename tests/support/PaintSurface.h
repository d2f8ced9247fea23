#pragma once
#include "platform/Canvas.h"
#include <QImage>

// How many pixels of the image have the colour.
int CountColour(const QImage& image, TColor c);

// An image filled with one colour and a canvas on it. Reading a pixel first lets the canvas go of the image,
// so what was painted so far is there to read.
struct PaintSurface {
    QImage image;
    TCanvas canvas;
    PaintSurface(int w, int h, QColor fill = Qt::white);
    TColor Pixel(int x, int y);
    int Count(TColor c);
};
