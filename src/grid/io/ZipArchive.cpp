#include "grid/io/ZipArchive.h"
#define ZLIB_CONST
#include <QDateTime>
#include <QHash>
#include <zlib.h>
#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr quint32 Local_Signature = 0x04034b50;
constexpr quint32 Central_Signature = 0x02014b50;
constexpr quint32 End_Signature = 0x06054b50;
constexpr quint32 Zip64_Locator_Signature = 0x07064b50;
constexpr quint32 Descriptor_Signature = 0x08074b50;
constexpr qsizetype Local_Size = 30;
constexpr qsizetype Central_Size = 46;
constexpr qsizetype End_Size = 22;
constexpr qsizetype Zip64_Locator_Size = 20;
// A field at its largest says that the value stands in a 64-bit record instead.
constexpr quint32 Zip64_Mark = 0xFFFFFFFF;
constexpr quint16 Zip64_Count_Mark = 0xFFFF;
constexpr quint16 Flag_Encrypted = 0x0001;
constexpr quint16 Flag_Descriptor = 0x0008;
constexpr quint16 Flag_Utf8 = 0x0800;
constexpr quint16 Method_Stored = 0;
constexpr quint16 Method_Deflated = 8;
// Deflate turns one bit into at most 129 bytes (a 258-byte match in two one-bit codes).
constexpr quint64 Max_Deflate_Ratio = 1032;

quint16 U16(const QByteArray& Bytes, qsizetype At)
{
    const auto* p = reinterpret_cast<const uchar*>(Bytes.constData() + At);
    return quint16(p[0] | p[1] << 8);
}

quint32 U32(const QByteArray& Bytes, qsizetype At)
{
    return U16(Bytes, At) | quint32(U16(Bytes, At + 2)) << 16;
}

void Put16(QByteArray& Bytes, quint16 Value)
{
    Bytes.append(char(Value & 0xFF)).append(char(Value >> 8));
}

void Put32(QByteArray& Bytes, quint32 Value)
{
    Put16(Bytes, quint16(Value & 0xFFFF));
    Put16(Bytes, quint16(Value >> 16));
}

QString EntryName(const QString& Name)
{
    return Name.startsWith(QLatin1Char('/')) ? Name.mid(1) : Name;
}

QString NameKey(const QString& Name)
{
    return Name.toCaseFolded();
}

} // namespace

struct TZipEntry {
    QString Name;
    quint16 Flags = 0;
    quint16 Method = 0;
    quint32 Crc = 0;
    quint32 PackedSize = 0;
    quint32 Size = 0;
    qsizetype Central = 0;   // its record in the central directory
    qsizetype CentralLength = 0;
    qsizetype Local = 0;     // its local header, followed by the packed data at Data
    qsizetype Data = 0;
};

struct TZipDirectory {
    std::vector<TZipEntry> Entries;
    QHash<QString, qsizetype> ByName;   // NameKey -> index in Entries
    QByteArray Comment;

    const TZipEntry* Find(const QString& Name) const
    {
        const auto it = ByName.constFind(NameKey(EntryName(Name)));
        return it == ByName.constEnd() ? nullptr : &Entries[size_t(*it)];
    }
};

namespace {

// The end record stands last, after a comment of up to 64 KiB: the last signature whose comment ends the bytes.
qsizetype FindEnd(const QByteArray& Archive)
{
    const qsizetype last = Archive.size() - End_Size;
    for (qsizetype at = last; at >= 0 && at >= last - 0xFFFF; --at)
        if (U32(Archive, at) == End_Signature && at + End_Size + U16(Archive, at + 20) == Archive.size())
            return at;
    return -1;
}

// One central record at At and the local header it points to, both checked to lie within the bytes before
// the central directory at CentralStart and to agree with each other.
std::optional<TZipEntry> ReadEntry(const QByteArray& Archive, qsizetype At, qsizetype CentralEnd,
                                   qsizetype CentralStart)
{
    if (At + Central_Size > CentralEnd || U32(Archive, At) != Central_Signature)
        return std::nullopt;
    TZipEntry e;
    e.Flags = U16(Archive, At + 8);
    e.Method = U16(Archive, At + 10);
    e.Crc = U32(Archive, At + 16);
    e.PackedSize = U32(Archive, At + 20);
    e.Size = U32(Archive, At + 24);
    const qsizetype nameLength = U16(Archive, At + 28);
    e.Central = At;
    e.CentralLength = Central_Size + nameLength + U16(Archive, At + 30) + U16(Archive, At + 32);
    const quint32 local = U32(Archive, At + 42);
    if (e.Central + e.CentralLength > CentralEnd || U16(Archive, At + 34) != 0 || e.PackedSize == Zip64_Mark ||
        e.Size == Zip64_Mark || local == Zip64_Mark)
        return std::nullopt;
    e.Local = local;
    if (e.Local + Local_Size > CentralStart || U32(Archive, e.Local) != Local_Signature ||
        U16(Archive, e.Local + 8) != e.Method || U16(Archive, e.Local + 26) != nameLength)
        return std::nullopt;
    e.Data = e.Local + Local_Size + nameLength + U16(Archive, e.Local + 28);
    const char* name = Archive.constData() + At + Central_Size;
    if (e.Data + e.PackedSize > CentralStart ||
        std::memcmp(name, Archive.constData() + e.Local + Local_Size, size_t(nameLength)) != 0)
        return std::nullopt;
    // With a data descriptor the local header may leave the sizes out; the central record has them.
    if (!(e.Flags & Flag_Descriptor) && (U32(Archive, e.Local + 14) != e.Crc ||
                                         U32(Archive, e.Local + 18) != e.PackedSize ||
                                         U32(Archive, e.Local + 22) != e.Size))
        return std::nullopt;
    e.Name = QString::fromUtf8(name, nameLength);
    return e;
}

// Nothing unless every byte the directory names is where it says, no two entries share bytes or a name
// (without case), and the 64-bit extension is not needed.
std::unique_ptr<TZipDirectory> ReadDirectory(const QByteArray& Archive)
{
    const qsizetype end = FindEnd(Archive);
    if (end < 0 || (end >= Zip64_Locator_Size && U32(Archive, end - Zip64_Locator_Size) == Zip64_Locator_Signature))
        return nullptr;
    const qint64 count = U16(Archive, end + 10);
    const qint64 centralSize = U32(Archive, end + 12);
    const qint64 centralStart = U32(Archive, end + 16);
    if (U16(Archive, end + 4) != 0 || U16(Archive, end + 6) != 0 || U16(Archive, end + 8) != count ||
        count > Max_Zip_Entries || centralStart + centralSize != end)
        return nullptr;

    auto directory = std::make_unique<TZipDirectory>();
    directory->Comment = Archive.mid(end + End_Size);
    directory->Entries.reserve(size_t(count));
    qsizetype at = centralStart;
    for (qint64 i = 0; i < count; ++i) {
        std::optional<TZipEntry> e = ReadEntry(Archive, at, end, centralStart);
        if (!e)
            return nullptr;
        const QString key = NameKey(e->Name);
        if (directory->ByName.contains(key))
            return nullptr;
        directory->ByName.insert(key, qsizetype(directory->Entries.size()));
        at += e->CentralLength;
        directory->Entries.push_back(std::move(*e));
    }
    if (at != end)
        return nullptr;

    std::vector<std::pair<qsizetype, qsizetype>> spans;
    spans.reserve(directory->Entries.size());
    for (const TZipEntry& e : directory->Entries)
        spans.emplace_back(e.Local, e.Data + e.PackedSize);
    std::sort(spans.begin(), spans.end());
    for (size_t i = 1; i < spans.size(); ++i)
        if (spans[i].first < spans[i - 1].second)
            return nullptr;
    return directory;
}

// Exactly Size bytes from a raw deflate stream, or nothing; never more than Size + 1 bytes are unpacked.
std::optional<QByteArray> Inflate(const char* Packed, quint32 PackedSize, quint32 Size)
{
    if (Size > Max_Deflate_Ratio * PackedSize)
        return std::nullopt;
    QByteArray bytes(qsizetype(Size) + 1, Qt::Uninitialized);
    z_stream s{};
    if (inflateInit2(&s, -MAX_WBITS) != Z_OK)
        return std::nullopt;
    s.next_in = reinterpret_cast<const Bytef*>(Packed);
    s.avail_in = PackedSize;
    s.next_out = reinterpret_cast<Bytef*>(bytes.data());
    s.avail_out = uInt(bytes.size());
    const int result = inflate(&s, Z_FINISH);
    const uLong unpacked = s.total_out;
    inflateEnd(&s);
    if (result != Z_STREAM_END || unpacked != Size)
        return std::nullopt;
    bytes.truncate(qsizetype(Size));
    return bytes;
}

std::optional<QByteArray> Deflate(const QByteArray& Bytes)
{
    if (quint64(Bytes.size()) >= Zip64_Mark)
        return std::nullopt;
    z_stream s{};
    if (deflateInit2(&s, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return std::nullopt;
    const uLong bound = deflateBound(&s, uLong(Bytes.size()));
    QByteArray packed;
    int result = Z_BUF_ERROR;
    if (bound < Zip64_Mark) {
        packed.resize(qsizetype(bound));
        s.next_in = reinterpret_cast<const Bytef*>(Bytes.constData());
        s.avail_in = uInt(Bytes.size());
        s.next_out = reinterpret_cast<Bytef*>(packed.data());
        s.avail_out = uInt(bound);
        result = deflate(&s, Z_FINISH);
        packed.truncate(qsizetype(s.total_out));
    }
    deflateEnd(&s);
    if (result != Z_STREAM_END)
        return std::nullopt;
    return packed;
}

std::optional<QByteArray> Unpack(const QByteArray& Archive, const TZipEntry& Entry)
{
    const char* packed = Archive.constData() + Entry.Data;
    std::optional<QByteArray> bytes;
    if (Entry.Method == Method_Stored && Entry.PackedSize == Entry.Size)
        bytes = QByteArray(packed, qsizetype(Entry.Size));
    else if (Entry.Method == Method_Deflated)
        bytes = Inflate(packed, Entry.PackedSize, Entry.Size);
    if (!bytes || crc32_z(0, reinterpret_cast<const Bytef*>(bytes->constData()), size_t(bytes->size())) != Entry.Crc)
        return std::nullopt;
    return bytes;
}

// Lays entries out one after the other, their central records kept aside for the end.
class TZipWriter {
public:
    explicit TZipWriter(const QDateTime& Now)
        : FTime(quint16(Now.time().hour() << 11 | Now.time().minute() << 5 | Now.time().second() / 2)),
          FDate(quint16(std::max(Now.date().year() - 1980, 0) << 9 | Now.date().month() << 5 | Now.date().day()))
    {
    }

    bool AddNew(const QString& Name, const QByteArray& Bytes)
    {
        const QByteArray name = Name.toUtf8();
        const quint16 method = Bytes.isEmpty() ? Method_Stored : Method_Deflated;
        const std::optional<QByteArray> packed = method == Method_Stored ? Bytes : Deflate(Bytes);
        const qsizetype local = FOut.size();
        if (!packed || name.size() > 0xFFFF || !Fits(local) || !Fits(Bytes.size()) || !Fits(packed->size()))
            return false;
        const bool ascii = std::all_of(name.begin(), name.end(), [](char c) { return uchar(c) < 0x80; });
        const quint16 flags = ascii ? 0 : Flag_Utf8;
        const quint16 version = method == Method_Stored ? 10 : 20;
        const quint32 crc = crc32_z(0, reinterpret_cast<const Bytef*>(Bytes.constData()), size_t(Bytes.size()));
        const auto fields = [&](QByteArray& out) {
            Put16(out, version);
            Put16(out, flags);
            Put16(out, method);
            Put16(out, FTime);
            Put16(out, FDate);
            Put32(out, crc);
            Put32(out, quint32(packed->size()));
            Put32(out, quint32(Bytes.size()));
            Put16(out, quint16(name.size()));
        };
        Put32(FOut, Local_Signature);
        fields(FOut);
        Put16(FOut, 0);   // no extra field
        FOut.append(name).append(*packed);

        Put32(FCentral, Central_Signature);
        Put16(FCentral, 3 << 8 | 20);   // made on Unix, so that the file mode below counts
        fields(FCentral);
        Put16(FCentral, 0);   // extra field
        Put16(FCentral, 0);   // comment
        Put16(FCentral, 0);   // disk
        Put16(FCentral, 0);   // internal attributes
        Put32(FCentral, 0100644u << 16);
        Put32(FCentral, quint32(local));
        FCentral.append(name);
        ++FCount;
        return true;
    }

    // The entry's local header, packed bytes and central record as they were; only its place changes.
    bool AddCopy(const QByteArray& Archive, const TZipEntry& Entry)
    {
        const qsizetype local = FOut.size();
        if (!Fits(local))
            return false;
        FOut.append(Archive.constData() + Entry.Local, Entry.Data + Entry.PackedSize - Entry.Local);
        if (Entry.Flags & Flag_Descriptor) {
            Put32(FOut, Descriptor_Signature);
            Put32(FOut, Entry.Crc);
            Put32(FOut, Entry.PackedSize);
            Put32(FOut, Entry.Size);
        }
        QByteArray central = Archive.mid(Entry.Central, Entry.CentralLength);
        QByteArray offset;
        Put32(offset, quint32(local));
        central.replace(42, 4, offset);
        FCentral.append(central);
        ++FCount;
        return true;
    }

    std::optional<QByteArray> Finish(const QByteArray& Comment)
    {
        const qsizetype start = FOut.size();
        if (FCount >= Zip64_Count_Mark || !Fits(start) || !Fits(FCentral.size()) || !Fits(start + FCentral.size()) ||
            Comment.size() > 0xFFFF)
            return std::nullopt;
        FOut.append(FCentral);
        Put32(FOut, End_Signature);
        Put16(FOut, 0);   // this disk
        Put16(FOut, 0);   // the central directory's disk
        Put16(FOut, quint16(FCount));
        Put16(FOut, quint16(FCount));
        Put32(FOut, quint32(FCentral.size()));
        Put32(FOut, quint32(start));
        Put16(FOut, quint16(Comment.size()));
        FOut.append(Comment);
        return FOut;
    }

private:
    static bool Fits(qint64 Value) { return quint64(Value) < Zip64_Mark; }

    quint16 FTime;
    quint16 FDate;
    QByteArray FOut;
    QByteArray FCentral;
    qint64 FCount = 0;
};

// Directory's entries in their order, each one Entries names (without case) replaced in place keeping its
// name, then the rest of Entries.
std::optional<QByteArray> WriteArchive(const QByteArray& Archive, const TZipDirectory& Directory,
                                       const TZipEntries& Entries)
{
    QHash<QString, qsizetype> given;
    for (qsizetype i = 0; i < Entries.size(); ++i) {
        const QString key = NameKey(EntryName(Entries[i].first));
        if (given.contains(key))
            return std::nullopt;
        given.insert(key, i);
    }
    std::vector<bool> placed(size_t(Entries.size()), false);
    TZipWriter writer(QDateTime::currentDateTime());
    for (const TZipEntry& e : Directory.Entries) {
        const auto it = given.constFind(NameKey(e.Name));
        const bool replaced = it != given.constEnd();
        if (replaced)
            placed[size_t(*it)] = true;
        if (!(replaced ? writer.AddNew(e.Name, Entries[*it].second) : writer.AddCopy(Archive, e)))
            return std::nullopt;
    }
    for (qsizetype i = 0; i < Entries.size(); ++i)
        if (!placed[size_t(i)] && !writer.AddNew(EntryName(Entries[i].first), Entries[i].second))
            return std::nullopt;
    return writer.Finish(Directory.Comment);
}

} // namespace

TZipReader::TZipReader(const QByteArray& Archive) : FArchive(Archive), FDirectory(ReadDirectory(FArchive))
{
}

TZipReader::~TZipReader() = default;

bool TZipReader::Contains(const QString& Name) const
{
    return FDirectory && FDirectory->Find(Name);
}

std::optional<QByteArray> TZipReader::Read(const QString& Name)
{
    const TZipEntry* e = FDirectory ? FDirectory->Find(Name) : nullptr;
    const qint64 limit = std::min(Max_Zip_Entry_Size, Max_Zip_Read_Total - FReadTotal);
    // The stated size bounds the unpacking too, so a header that understates it gets a damaged entry.
    if (!e || (e->Flags & Flag_Encrypted) || e->Size > limit)
        return std::nullopt;
    std::optional<QByteArray> bytes = Unpack(FArchive, *e);
    if (bytes)
        FReadTotal += bytes->size();
    return bytes;
}

std::optional<QByteArray> NewZipArchive(const TZipEntries& Entries)
{
    return WriteArchive({}, TZipDirectory{}, Entries);
}

std::optional<QByteArray> ReplaceZipEntries(const QByteArray& Archive, const TZipEntries& Entries)
{
    const std::unique_ptr<TZipDirectory> directory = ReadDirectory(Archive);
    if (!directory)
        return std::nullopt;
    return WriteArchive(Archive, *directory, Entries);
}
