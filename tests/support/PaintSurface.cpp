#include "support/PaintSurface.h"

int CountColour(const QImage& image, TColor c)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += FromQColor(image.pixelColor(x, y)) == c;
    return n;
}

PaintSurface::PaintSurface(int w, int h, QColor fill)
    : image(w, h, QImage::Format_RGB32), canvas((image.fill(fill), &image))
{
}

TColor PaintSurface::Pixel(int x, int y)
{
    canvas.Release();
    return FromQColor(image.pixelColor(x, y));
}

int PaintSurface::Count(TColor c)
{
    canvas.Release();
    return CountColour(image, c);
}
