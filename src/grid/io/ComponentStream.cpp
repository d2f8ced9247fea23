#include "grid/io/ComponentStream.h"
#include <cmath>

namespace {

void PutLE(QByteArray& out, qint64 v, int size)
{
    for (int i = 0; i < size; ++i)
        out += char((quint64(v) >> (8 * i)) & 0xff);
}

} // namespace

// The toolkit's 80-bit extended float, from and to a double.
QByteArray DoubleToExtended(double v)
{
    QByteArray b(10, '\0');
    if (v == 0 || !std::isfinite(v))
        return b;
    int exp = 0;
    const double f = std::frexp(std::fabs(v), &exp);   // f in [0.5, 1)
    const quint64 mant = quint64(std::ldexp(f, 64));
    const int field = (exp - 1 + 16383) | (v < 0 ? 0x8000 : 0);
    for (int i = 0; i < 8; ++i)
        b[i] = char((mant >> (8 * i)) & 0xff);
    b[8] = char(field & 0xff);
    b[9] = char(field >> 8);
    return b;
}

double ExtendedToDouble(const QByteArray& b)
{
    quint64 mant = 0;
    for (int i = 0; i < 8; ++i)
        mant |= quint64(quint8(b[i])) << (8 * i);
    const int field = quint8(b[8]) | (quint8(b[9]) << 8);
    const double v = std::ldexp(double(mant), (field & 0x7fff) - 16383 - 63);
    return field & 0x8000 ? -v : v;
}


const TStreamValue* TComponentImage::Find(const char* Name) const
{
    for (const TStreamProperty& p : Properties)
        if (p.Name == Name)
            return &p.Value;
    return nullptr;
}

void TComponentWriter::ShortString(const QByteArray& s)
{
    const QByteArray cut = s.left(255);
    FOut += char(cut.size());
    FOut += cut;
}

void TComponentWriter::BeginImage(const char* ClassName)
{
    FOut += "TPF0";
    Name(ClassName);
    FOut += char(0);   // no object name
}

void TComponentWriter::EndImage()
{
    FOut += char(0);
    FOut += char(0);
}

void TComponentWriter::WriteInteger(const char* Name_, qint64 Value)
{
    Name(Name_);
    if (Value >= -128 && Value <= 127) {
        FOut += char(TValueKind::vaInt8);
        PutLE(FOut, Value, 1);
    } else if (Value >= -32768 && Value <= 32767) {
        FOut += char(TValueKind::vaInt16);
        PutLE(FOut, Value, 2);
    } else {
        FOut += char(TValueKind::vaInt32);
        PutLE(FOut, Value, 4);
    }
}

void TComponentWriter::WriteBoolean(const char* Name_, bool Value)
{
    Name(Name_);
    FOut += char(Value ? TValueKind::vaTrue : TValueKind::vaFalse);
}

void TComponentWriter::WriteIdent(const char* Name_, const char* Ident)
{
    Name(Name_);
    FOut += char(TValueKind::vaIdent);
    ShortString(QByteArray(Ident));
}

void TComponentWriter::WriteSet(const char* Name_, const QList<const char*>& Members)
{
    Name(Name_);
    FOut += char(TValueKind::vaSet);
    for (const char* m : Members)
        ShortString(QByteArray(m));
    FOut += char(0);
}

void TComponentWriter::TextValue(const QString& Value)
{
    const QByteArray utf8 = Value.toUtf8();
    if (utf8.size() >= 2 * Value.size()) {
        FOut += char(TValueKind::vaWString);
        PutLE(FOut, Value.size(), 4);
        for (const QChar ch : Value)
            PutLE(FOut, ch.unicode(), 2);
    } else if (std::any_of(utf8.begin(), utf8.end(), [](char c) { return quint8(c) >= 128; })) {
        FOut += char(TValueKind::vaUTF8String);
        PutLE(FOut, utf8.size(), 4);
        FOut += utf8;
    } else if (utf8.size() >= 256) {
        FOut += char(TValueKind::vaLString);
        PutLE(FOut, utf8.size(), 4);
        FOut += utf8;
    } else {
        FOut += char(TValueKind::vaString);
        ShortString(utf8);
    }
}

void TComponentWriter::WriteText(const char* Name_, const QString& Value)
{
    if (Value.isEmpty())
        return;
    Name(Name_);
    TextValue(Value);
}

void TComponentWriter::WriteFloat(const char* Name_, double Value)
{
    Name(Name_);
    FOut += char(TValueKind::vaExtended);
    FOut += DoubleToExtended(Value);
}

void TComponentWriter::WriteBinary(const char* Name_, const QByteArray& Value)
{
    Name(Name_);
    FOut += char(TValueKind::vaBinary);
    PutLE(FOut, Value.size(), 4);
    FOut += Value;
}

void TComponentWriter::WriteTextList(const char* Name_, const QStringList& Lines)
{
    Name(Name_);
    FOut += char(TValueKind::vaList);
    for (const QString& line : Lines)
        TextValue(line);
    FOut += char(0);
}

bool TComponentReader::Byte(quint8& b)
{
    if (FPos >= FIn.size())
        return false;
    b = quint8(FIn[FPos++]);
    return true;
}

bool TComponentReader::Bytes(qsizetype n, QByteArray& out)
{
    if (n < 0 || n > Remaining())
        return false;
    out = FIn.mid(FPos, n);
    FPos += n;
    return true;
}

bool TComponentReader::LE(int size, qint64& v)
{
    QByteArray b;
    if (!Bytes(size, b))
        return false;
    quint64 u = 0;
    for (int i = 0; i < size; ++i)
        u |= quint64(quint8(b[i])) << (8 * i);
    const int shift = 64 - 8 * size;   // sign-extend
    v = qint64(u << shift) >> shift;
    return true;
}

bool TComponentReader::ShortString(QByteArray& s)
{
    quint8 n = 0;
    return Byte(n) && Bytes(n, s);
}

bool TComponentReader::Value(TStreamValue& v, int Depth)
{
    quint8 k = 0;
    if (!Byte(k))
        return false;
    v.Kind = TValueKind(k);
    qint64 n = 0;
    QByteArray raw;
    switch (v.Kind) {
    case TValueKind::vaInt8: return LE(1, v.Int);
    case TValueKind::vaInt16: return LE(2, v.Int);
    case TValueKind::vaInt32: return LE(4, v.Int);
    case TValueKind::vaExtended: return Bytes(10, v.Bytes);
    case TValueKind::vaFalse:
    case TValueKind::vaTrue: return true;
    case TValueKind::vaString:
    case TValueKind::vaIdent:
        if (!ShortString(raw))
            return false;
        v.Text = QString::fromUtf8(raw);
        return true;
    case TValueKind::vaLString:
    case TValueKind::vaUTF8String:
        if (!LE(4, n) || !Bytes(n, raw))
            return false;
        v.Text = QString::fromUtf8(raw);
        return true;
    case TValueKind::vaWString:
        if (!LE(4, n) || n < 0 || n > Remaining() / 2 || !Bytes(2 * n, raw))
            return false;
        v.Text = QString(reinterpret_cast<const QChar*>(raw.constData()), n);   // UTF-16LE on every Qt host
        return true;
    case TValueKind::vaBinary: return LE(4, n) && Bytes(n, v.Bytes);
    case TValueKind::vaSet:
        while (true) {
            if (!ShortString(raw))
                return false;
            if (raw.isEmpty())
                return true;
            v.List << QString::fromUtf8(raw);
        }
    case TValueKind::vaList:
        if (Depth > 0)   // the grid's records never nest lists
            return false;
        while (true) {
            if (Remaining() > 0 && FIn[FPos] == 0) {
                ++FPos;
                return true;
            }
            TStreamValue item;
            if (!Value(item, Depth + 1))
                return false;
            v.List << item.Text;
        }
    default: return false;
    }
}

std::optional<TComponentImage> TComponentReader::ReadImage()
{
    QByteArray sig;
    if (!Bytes(4, sig) || sig != "TPF0")
        return std::nullopt;
    TComponentImage image;
    QByteArray objectName;
    if (!ShortString(image.ClassName) || image.ClassName.isEmpty() || !ShortString(objectName))
        return std::nullopt;
    while (true) {
        TStreamProperty p;
        if (!ShortString(p.Name))
            return std::nullopt;
        if (p.Name.isEmpty())
            break;
        if (!Value(p.Value, 0))
            return std::nullopt;
        image.Properties.push_back(std::move(p));
    }
    quint8 children = 1;
    if (!Byte(children) || children != 0)
        return std::nullopt;
    return image;
}
