// Picture bytes from anywhere: the GIF frame scan, frame selection and animation, JPEG and the other readers,
// and the dropped-cells block.
#include "grid/foundation/JpegCodec.h"
#include "grid/foundation/PictureContainer.h"
#include "grid/foundation/DragDrop.h"
#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <cstddef>
#include <cstdint>
#include <stdexcept>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    DecodeJpeg(bytes);
    ReadGridCellsBlock(bytes);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    THTMLPicture picture;
    try {
        picture.LoadFromStream(&buffer);
    } catch (const std::runtime_error&) {
    }
    const int frames = picture.FrameCount();
    for (int i = 0; i <= frames + 1 && i < 4; ++i)
        picture.FrameTime(i);
    try {
        if (frames > 1)
            picture.SetFrame(2);
        for (int i = 0; i < 8; ++i)
            picture.Step();
    } catch (const std::runtime_error&) {
    }
    return 0;
}
