#include "grid/foundation/GridAlphaMask.h"
#include "platform/Canvas.h"
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace {

constexpr QImage::Format kAlphaFormat = QImage::Format_ARGB32_Premultiplied;

// Truncated, with room for the rounding of weights that sum to 1 (a uniform 255 stays 255).
int Clamp255(double v)
{
    v += 1e-9;
    return v < 0 ? 0 : v >= 255 ? 255 : int(v);
}

// Blurs count pixels of 3 bytes each, stride bytes apart, in place.
void BlurLine(std::uint8_t* first, int count, std::ptrdiff_t stride, const TBlurKernel& k)
{
    std::vector<std::uint8_t> old(std::size_t(count) * 3);
    for (int i = 0; i < count; ++i)
        std::copy_n(first + i * stride, 3, old.begin() + i * 3);
    for (int x = 0; x < count; ++x)
        for (int ch = 0; ch < 3; ++ch) {
            double sum = 0;
            for (int j = -k.Size; j <= k.Size; ++j)
                sum += k.Weight(j) * old[std::size_t(std::clamp(x - j, 0, count - 1)) * 3 + std::size_t(ch)];
            first[x * stride + ch] = std::uint8_t(Clamp255(sum));
        }
}

} // namespace

TGridAlphaMask::TGridAlphaMask() : FImage(0, 0, kAlphaFormat) {}

void TGridAlphaMask::Assign(const TGridAlphaMask& Source)
{
    FOpacity = Source.FOpacity;
    QImage copy(FImage.size(), kAlphaFormat);
    copy.fill(Qt::transparent);
    const int rows = std::min(Height(), Source.Height());
    const std::size_t bytes = std::size_t(std::min(Width(), Source.Width())) * 4;
    for (int y = 0; y < rows; ++y)
        std::copy_n(Source.FImage.constScanLine(y), bytes, copy.scanLine(y));
    FImage = copy;
}

void TGridAlphaMask::Assign(const TBitmap& Source)
{
    FImage = Source.Image().convertToFormat(kAlphaFormat);
}

void TGridAlphaMask::MergeMask(const QImage& Mask, const QImage& Bitmap)
{
    if (Bitmap.format() != QImage::Format_RGB888)
        return;
    QImage merged(Bitmap.size(), kAlphaFormat);
    for (int y = 0; y < Bitmap.height(); ++y) {
        const std::uint8_t* colour = Bitmap.constScanLine(y);
        auto* out = reinterpret_cast<QRgb*>(merged.scanLine(y));
        for (int x = 0; x < Bitmap.width(); ++x) {
            const int a = Mask.valid(x, y) ? qRed(Mask.pixel(x, y)) : 0;
            auto scaled = [a](int c) { return int(std::lround(c * a / 255.0)); };
            out[x] = qRgba(scaled(colour[x * 3]), scaled(colour[x * 3 + 1]), scaled(colour[x * 3 + 2]), a);
        }
    }
    FImage = merged;
}

void MakeRoundRectMask(QImage& Bitmap, int Width, int Height, int PenWidth, int Corner, int Blur)
{
    Bitmap = QImage(std::max(Width, 0), std::max(Height, 0), QImage::Format_RGB888);
    Bitmap.fill(Qt::black);
    {
        TCanvas canvas(&Bitmap);
        const bool filled = PenWidth < 1;
        canvas.Pen().SetColor(clWhite);
        canvas.Pen().SetWidth(filled ? 1 : PenWidth);
        canvas.Brush().SetColor(filled ? clWhite : clBlack);
        const int h = filled ? 0 : PenWidth / 2;
        canvas.RoundRect(2 + h, 2 + h, Width - 2 - h, Height - 2 - h, Corner, Corner);
    }
    if (Blur > 0 && !Bitmap.isNull())
        BlurBitmap(Bitmap, Blur);
}

TBlurKernel MakeBlurKernel(int Radius)
{
    TBlurKernel k;
    double sum = 0;
    for (int j = -10; j <= 10; ++j) {
        const double r = double(j) / Radius;
        k.Weights[std::size_t(j + 10)] = std::exp(-(r * r) / 2);
        sum += k.Weights[std::size_t(j + 10)];
    }
    for (double& w : k.Weights)
        w /= sum;
    // Drop the tails that together weigh less than half a grey level.
    int s = 10;
    double t = 0;
    while (t < 1.0 / 510 && s > 1) {
        t += 2 * k.Weight(s);
        --s;
    }
    k.Size = s;
    double kept = 0;
    for (int j = -s; j <= s; ++j)
        kept += k.Weight(j);
    for (int j = -s; j <= s; ++j)
        k.Weights[std::size_t(j + 10)] /= kept;
    return k;
}

void BlurBitmap(QImage& Bitmap, int Radius)
{
    if (Bitmap.format() != QImage::Format_RGB888)
        throw std::runtime_error("Blur only works for 24-bit bitmaps");
    if (Radius <= 0)
        return;
    const TBlurKernel k = MakeBlurKernel(Radius);
    const int w = Bitmap.width(), h = Bitmap.height();
    for (int y = 0; y < h; ++y) {
        if (20 < y && y < h - 20)
            std::copy_n(Bitmap.constScanLine(15), std::size_t(w) * 3, Bitmap.scanLine(y));
        else
            BlurLine(Bitmap.scanLine(y), w, 3, k);
    }
    const std::ptrdiff_t stride = Bitmap.bytesPerLine();
    std::uint8_t* const bits = Bitmap.bits();
    for (int x = 0; x < w; ++x) {
        if (20 < x && x < w - 20) {
            for (int y = 0; y < h; ++y)
                std::copy_n(bits + y * stride + 15 * 3, 3, bits + y * stride + x * 3);
        } else {
            BlurLine(bits + x * 3, h, stride, k);
        }
    }
}
