// Any bytes as the ZIP container of an office file: nothing read out of bounds or unpacked past the limits,
// and an archive that opens is copied into one that opens and reads the same.
#include "grid/io/ZipArchive.h"
#include <cstddef>
#include <cstdint>

namespace {

// The parts an office file is asked for, and the short names of the seeds.
const char* const Names[] = {"[Content_Types].xml", "_rels/.rels", "xl/workbook.xml", "word/document.xml", "a", "b"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TZipReader reader(bytes);
    const std::optional<QByteArray> copied = ReplaceZipEntries(bytes, {});
    if (copied.has_value() != reader.IsOpen())
        __builtin_trap();
    if (!copied)
        return 0;
    TZipReader copy(*copied);
    if (!copy.IsOpen())
        __builtin_trap();
    for (const char* name : Names) {
        const std::optional<QByteArray> part = reader.Read(QString::fromLatin1(name));
        if (part && (part->size() > Max_Zip_Entry_Size || !reader.Contains(QString::fromLatin1(name))))
            __builtin_trap();
        if (copy.Read(QString::fromLatin1(name)) != part)
            __builtin_trap();
    }
    // A replaced entry reads back, unless the archive held as many entries as a reader takes.
    const std::optional<QByteArray> replaced = ReplaceZipEntries(bytes, {{QStringLiteral("a"), "fuzz"}});
    if (!replaced)
        __builtin_trap();
    TZipReader again(*replaced);
    if (again.IsOpen() && again.Read(QStringLiteral("a")) != QByteArray("fuzz"))
        __builtin_trap();
    return 0;
}
