#include "core/USaveBinccImage.h"
#include <algorithm>
#include <bit>

TBinImage::TBinImage(int size)
    : FData(size, '\0')
{
}

TBinImage::TBinImage(const QByteArray& bytes)
    : FData(bytes)
{
}

void TBinImage::Clear()
{
    FData.fill('\0');
    FOverflow = false;
}

bool TBinImage::Fits(int pos, int count)
{
    if (pos >= 0 && count >= 0 && pos <= Size() - count)
        return true;
    FOverflow = true;
    return false;
}

int TBinImage::Put_U8(int pos, std::uint32_t value)
{
    if (Fits(pos, 1))
        FData[pos] = static_cast<char>(value & 0xFF);
    return pos + 1;
}

int TBinImage::Put_U16(int pos, std::uint32_t value)
{
    Put_U8(pos, value);
    return Put_U8(pos + 1, value >> 8);
}

int TBinImage::Put_U32(int pos, std::uint32_t value)
{
    Put_U16(pos, value);
    return Put_U16(pos + 2, value >> 16);
}

int TBinImage::Put_Float(int pos, float value)
{
    return Put_U32(pos, std::bit_cast<std::uint32_t>(value));
}

int TBinImage::Put_Bytes(int pos, const QByteArray& bytes)
{
    const int count = static_cast<int>(bytes.size());
    if (Fits(pos, count))
        FData.replace(pos, count, bytes);
    return pos + count;
}

int TBinImage::Put_Zeros(int pos, int count)
{
    if (Fits(pos, count))
        FData.replace(pos, count, QByteArray(count, '\0'));
    return pos + count;
}

std::uint8_t TBinImage::U8(int pos) const
{
    return pos >= 0 && pos < Size() ? static_cast<std::uint8_t>(FData[pos]) : 0;
}

std::uint16_t TBinImage::U16(int pos) const
{
    return static_cast<std::uint16_t>(U8(pos) | U8(pos + 1) << 8);
}

std::uint32_t TBinImage::U32(int pos) const
{
    return U16(pos) | static_cast<std::uint32_t>(U16(pos + 2)) << 16;
}

QByteArray Low_Bytes(const QString& text, int limit)
{
    const int count = limit < 0 ? static_cast<int>(text.size()) : std::min(limit, static_cast<int>(text.size()));
    QByteArray bytes(count, '\0');
    for (int i = 0; i < count; ++i)
        bytes[i] = static_cast<char>(text.at(i).unicode() & 0xFF);
    return bytes;
}
