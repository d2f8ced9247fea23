#include "grid/foundation/JpegCodec.h"
#include <QImage>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>
#include <jpeglib.h>

namespace {

// Larger pictures are refused rather than allocated: a hostile header may claim any size.
constexpr long long kMaxPixels = 64LL * 1024 * 1024;

struct TJpegError {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<TJpegError*>(cinfo->err)->jump, 1);
}

void Silent(j_common_ptr) {}

// Everything the library touches lives here, on the heap, so that nothing on the stack changes between setjmp
// and a longjmp back to it.
struct TDecoder {
    jpeg_decompress_struct cinfo{};
    TJpegError err{};
    std::vector<JSAMPLE> row;
    QImage image;
};

bool Decode(TDecoder& d, const QByteArray& data)
{
    d.cinfo.err = jpeg_std_error(&d.err.pub);
    d.err.pub.error_exit = ErrorExit;
    d.err.pub.output_message = Silent;
    if (setjmp(d.err.jump)) {
        jpeg_destroy_decompress(&d.cinfo);
        return false;
    }
    jpeg_create_decompress(&d.cinfo);
    jpeg_mem_src(&d.cinfo, reinterpret_cast<unsigned char*>(const_cast<char*>(data.constData())),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&d.cinfo, TRUE);
    const bool cmyk = d.cinfo.jpeg_color_space == JCS_CMYK || d.cinfo.jpeg_color_space == JCS_YCCK;
    d.cinfo.out_color_space = cmyk ? JCS_CMYK : d.cinfo.jpeg_color_space == JCS_GRAYSCALE ? JCS_GRAYSCALE : JCS_RGB;
    if (static_cast<long long>(d.cinfo.image_width) * d.cinfo.image_height > kMaxPixels) {
        jpeg_destroy_decompress(&d.cinfo);
        return false;
    }
    jpeg_start_decompress(&d.cinfo);
    const int w = static_cast<int>(d.cinfo.output_width);
    const int h = static_cast<int>(d.cinfo.output_height);
    const int channels = d.cinfo.output_components;
    d.image = QImage(w, h, QImage::Format_RGB32);
    if (d.image.isNull()) {
        jpeg_destroy_decompress(&d.cinfo);
        return false;
    }
    d.row.resize(static_cast<size_t>(w) * channels);
    while (d.cinfo.output_scanline < d.cinfo.output_height) {
        const int y = static_cast<int>(d.cinfo.output_scanline);
        JSAMPROW rows[1] = {d.row.data()};
        jpeg_read_scanlines(&d.cinfo, rows, 1);
        auto* line = reinterpret_cast<QRgb*>(d.image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const JSAMPLE* p = d.row.data() + static_cast<size_t>(x) * channels;
            if (channels == 1)
                line[x] = qRgb(p[0], p[0], p[0]);
            else if (cmyk) // stored inverted, as the usual writers do
                line[x] = qRgb(p[0] * p[3] / 255, p[1] * p[3] / 255, p[2] * p[3] / 255);
            else
                line[x] = qRgb(p[0], p[1], p[2]);
        }
    }
    jpeg_finish_decompress(&d.cinfo);
    jpeg_destroy_decompress(&d.cinfo);
    return true;
}

struct TEncoder {
    jpeg_compress_struct cinfo{};
    TJpegError err{};
    std::vector<JSAMPLE> row;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    ~TEncoder() { std::free(buffer); }
};

bool Encode(TEncoder& e, const QImage& image, int quality)
{
    e.cinfo.err = jpeg_std_error(&e.err.pub);
    e.err.pub.error_exit = ErrorExit;
    e.err.pub.output_message = Silent;
    if (setjmp(e.err.jump)) {
        jpeg_destroy_compress(&e.cinfo);
        return false;
    }
    jpeg_create_compress(&e.cinfo);
    jpeg_mem_dest(&e.cinfo, &e.buffer, &e.size);
    e.cinfo.image_width = static_cast<JDIMENSION>(image.width());
    e.cinfo.image_height = static_cast<JDIMENSION>(image.height());
    e.cinfo.input_components = 3;
    e.cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&e.cinfo);
    jpeg_set_quality(&e.cinfo, quality < 1 ? 1 : quality > 100 ? 100 : quality, TRUE);
    jpeg_start_compress(&e.cinfo, TRUE);
    e.row.resize(static_cast<size_t>(image.width()) * 3);
    while (e.cinfo.next_scanline < e.cinfo.image_height) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(static_cast<int>(e.cinfo.next_scanline)));
        for (int x = 0; x < image.width(); ++x) {
            e.row[static_cast<size_t>(x) * 3] = static_cast<JSAMPLE>(qRed(line[x]));
            e.row[static_cast<size_t>(x) * 3 + 1] = static_cast<JSAMPLE>(qGreen(line[x]));
            e.row[static_cast<size_t>(x) * 3 + 2] = static_cast<JSAMPLE>(qBlue(line[x]));
        }
        JSAMPROW rows[1] = {e.row.data()};
        jpeg_write_scanlines(&e.cinfo, rows, 1);
    }
    jpeg_finish_compress(&e.cinfo);
    jpeg_destroy_compress(&e.cinfo);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& data)
{
    if (data.isEmpty())
        return {};
    const auto d = std::make_unique<TDecoder>();
    return Decode(*d, data) ? d->image : QImage();
}

QByteArray EncodeJpeg(const QImage& image, int Quality)
{
    if (image.isNull())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const auto e = std::make_unique<TEncoder>();
    if (!Encode(*e, rgb, Quality))
        return {};
    return QByteArray(reinterpret_cast<const char*>(e->buffer), static_cast<qsizetype>(e->size));
}
