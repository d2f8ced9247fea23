#include "grid/io/ZipArchive.h"
#include <zip.h>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

QByteArray EntryName(const QString& Name)
{
    return (Name.startsWith(QLatin1Char('/')) ? Name.mid(1) : Name).toUtf8();
}

struct TSourceFree {
    void operator()(zip_source_t* s) const { zip_source_free(s); }
};
using TSource = std::unique_ptr<zip_source_t, TSourceFree>;

// The bytes a buffer source holds after an archive was written into it.
std::optional<QByteArray> SourceBytes(zip_source_t* Source)
{
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_source_stat(Source, &st) < 0 || !(st.valid & ZIP_STAT_SIZE) || zip_source_open(Source) < 0)
        return std::nullopt;
    QByteArray bytes(qsizetype(st.size), Qt::Uninitialized);
    const zip_int64_t n = zip_source_read(Source, bytes.data(), st.size);
    zip_source_close(Source);
    if (n < 0 || zip_uint64_t(n) != st.size)
        return std::nullopt;
    return bytes;
}

// Opens Archive (or a new, empty one), puts Entries in and writes the result back into memory.
std::optional<QByteArray> WriteArchive(const QByteArray* Archive, const TZipEntries& Entries)
{
    // libzip gets a copy of its own to free: writing into a buffer source frees the buffer it was made from.
    void* copy = nullptr;
    if (Archive && !Archive->isEmpty()) {
        copy = std::malloc(size_t(Archive->size()));
        if (!copy)
            return std::nullopt;
        std::memcpy(copy, Archive->constData(), size_t(Archive->size()));
    }
    zip_error_t error;
    zip_error_init(&error);
    TSource source(zip_source_buffer_create(copy, copy ? zip_uint64_t(Archive->size()) : 0, 1, &error));
    zip_error_fini(&error);
    if (!source) {
        std::free(copy);
        return std::nullopt;
    }
    zip_source_keep(source.get());   // zip_close must leave it to us, to read the result from
    zip_error_init(&error);
    zip_t* z = zip_open_from_source(source.get(), Archive ? ZIP_CHECKCONS : ZIP_CREATE | ZIP_TRUNCATE, &error);
    zip_error_fini(&error);
    if (!z) {
        zip_source_free(source.get());   // the reference zip_open_from_source did not take
        return std::nullopt;
    }
    for (const auto& [name, data] : Entries) {
        zip_source_t* part = zip_source_buffer(z, data.constData(), zip_uint64_t(data.size()), 0);
        const QByteArray entryName = EntryName(name);
        // A new archive has nothing to replace, and looking every name up would take quadratic time.
        zip_int64_t index = part && Archive ? zip_name_locate(z, entryName.constData(), ZIP_FL_NOCASE) : -1;
        bool done = false;
        if (part && index >= 0)
            done = zip_file_replace(z, zip_uint64_t(index), part, 0) == 0;
        else if (part)
            done = (index = zip_file_add(z, entryName.constData(), part, ZIP_FL_ENC_UTF_8)) >= 0;
        if (!done) {
            zip_source_free(part);
            zip_discard(z);
            return std::nullopt;
        }
        zip_set_file_compression(z, zip_uint64_t(index), data.isEmpty() ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0);
    }
    if (zip_close(z) < 0) {
        zip_discard(z);
        return std::nullopt;
    }
    return SourceBytes(source.get());
}

} // namespace

TZipReader::TZipReader(const QByteArray& Archive) : FArchive(Archive)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(FArchive.constData(), zip_uint64_t(FArchive.size()), 0, &error);
    if (source) {
        FZip = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
        if (!FZip)
            zip_source_free(source);
    }
    zip_error_fini(&error);
    if (FZip && zip_get_num_entries(FZip, 0) > Max_Zip_Entries) {
        zip_discard(FZip);
        FZip = nullptr;
    }
}

TZipReader::~TZipReader()
{
    if (FZip)
        zip_discard(FZip);
}

bool TZipReader::Contains(const QString& Name) const
{
    return FZip && zip_name_locate(FZip, EntryName(Name).constData(), ZIP_FL_NOCASE) >= 0;
}

std::optional<QByteArray> TZipReader::Read(const QString& Name)
{
    if (!FZip)
        return std::nullopt;
    const zip_int64_t index = zip_name_locate(FZip, EntryName(Name).constData(), ZIP_FL_NOCASE);
    zip_stat_t st;
    zip_stat_init(&st);
    if (index < 0 || zip_stat_index(FZip, zip_uint64_t(index), 0, &st) < 0)
        return std::nullopt;
    const qint64 limit = std::min(Max_Zip_Entry_Size, Max_Zip_Read_Total - FReadTotal);
    // The stated size is only a hint: the reading below stops at the limit whatever the header says.
    if ((st.valid & ZIP_STAT_SIZE) && st.size > zip_uint64_t(limit))
        return std::nullopt;
    zip_file_t* file = zip_fopen_index(FZip, zip_uint64_t(index), 0);
    if (!file)
        return std::nullopt;
    QByteArray bytes;
    char chunk[65536];
    zip_int64_t n = 0;
    while ((n = zip_fread(file, chunk, sizeof chunk)) > 0 && bytes.size() + n <= limit)
        bytes.append(chunk, qsizetype(n));
    zip_fclose(file);
    if (n != 0)   // a read error (a wrong checksum among them) or more than the limit
        return std::nullopt;
    FReadTotal += bytes.size();
    return bytes;
}

std::optional<QByteArray> NewZipArchive(const TZipEntries& Entries)
{
    return WriteArchive(nullptr, Entries);
}

std::optional<QByteArray> ReplaceZipEntries(const QByteArray& Archive, const TZipEntries& Entries)
{
    return WriteArchive(&Archive, Entries);
}
