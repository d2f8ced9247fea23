#pragma once
// JPEG through the IJG libjpeg 6b interface: the picture loader's reader, and a writer for pictures kept as JPEG.
#include <QByteArray>

class QImage;

// A null image when the bytes are not a JPEG the library can read.
QImage DecodeJpeg(const QByteArray& data);
// Empty when the image is null or the library fails; Quality 1 to 100.
QByteArray EncodeJpeg(const QImage& image, int Quality = 90);
