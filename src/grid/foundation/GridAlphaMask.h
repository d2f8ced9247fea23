#pragma once
// Per-pixel alpha for the grid's layered windows: a grey-level mask merged with a colour bitmap, and the
// blurred rounded-rectangle mask of the focus halo. "24-bit bitmaps" are QImage::Format_RGB888 images.
#include <QImage>
#include <array>
#include <cstdint>

class TBitmap;

// Colour premultiplied by alpha (QImage::Format_ARGB32_Premultiplied) with an overall opacity.
class TGridAlphaMask {
public:
    TGridAlphaMask();

    int Width() const { return FImage.width(); }
    int Height() const { return FImage.height(); }
    const QImage& Image() const { return FImage; }
    std::uint8_t Opacity() const { return FOpacity; }
    void SetOpacity(std::uint8_t value) { FOpacity = value; }

    // Another mask: its opacity and its pixels over this mask's size (the rest transparent).
    void Assign(const TGridAlphaMask& Source);
    // A bitmap: its picture, opaque.
    void Assign(const TBitmap& Source);
    // Alpha from the red byte of Mask, colour from Bitmap premultiplied; only for a 24-bit Bitmap.
    // Pixels outside Mask are transparent.
    void MergeMask(const QImage& Mask, const QImage& Bitmap);

private:
    QImage FImage;
    std::uint8_t FOpacity = 255;
};

// A 24-bit black picture with a white rounded rectangle (filled when PenWidth < 1), blurred when Blur > 0.
void MakeRoundRectMask(QImage& Bitmap, int Width, int Height, int PenWidth, int Corner, int Blur);

// Weights for offsets -10 to 10; only -Size to Size are used, and they sum to 1.
struct TBlurKernel {
    std::array<double, 21> Weights{};
    int Size = 0;
    double Weight(int offset) const { return Weights[std::size_t(offset + 10)]; }
};
TBlurKernel MakeBlurKernel(int Radius);

// Gaussian blur of a 24-bit picture; std::runtime_error for any other format. Radius <= 0 changes nothing.
// Rows and columns more than 20 pixels from every edge are copied from row and column 15.
void BlurBitmap(QImage& Bitmap, int Radius);
