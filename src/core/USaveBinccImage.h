#pragma once
// A fixed-size device image, filled little-endian byte by byte at absolute positions.
#include <QByteArray>
#include <QString>
#include <cstdint>

class TBinImage {
public:
    explicit TBinImage(int size);   // zero-filled
    explicit TBinImage(const QByteArray& bytes);

    int Size() const { return static_cast<int>(FData.size()); }
    // A write that would pass the last byte is dropped and remembered here.
    bool Overflowed() const { return FOverflow; }
    void Clear();                    // all zero, overflow forgotten

    // Each writes at pos and returns the position after what it wrote.
    int Put_U8(int pos, std::uint32_t value);
    int Put_U16(int pos, std::uint32_t value);
    int Put_U32(int pos, std::uint32_t value);
    int Put_Float(int pos, float value);
    int Put_Bytes(int pos, const QByteArray& bytes);
    int Put_Zeros(int pos, int count);

    // Reads past the end give 0.
    std::uint8_t U8(int pos) const;
    std::uint16_t U16(int pos) const;
    std::uint32_t U32(int pos) const;
    const QByteArray& Bytes() const { return FData; }

private:
    bool Fits(int pos, int count);

    QByteArray FData;
    bool FOverflow = false;
};

// One byte per character: the low-order byte of each UTF-16 unit of the first `limit` units.
QByteArray Low_Bytes(const QString& text, int limit = -1);
