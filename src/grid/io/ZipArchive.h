#pragma once
// The ZIP container of .xlsx and .docx files. Reads are bounded, so an archive that unpacks to far more than it
// holds (a zip bomb) is refused instead of filling the memory.
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <memory>
#include <optional>

struct TZipDirectory;

constexpr qint64 Max_Zip_Entries = 10000;
constexpr qint64 Max_Zip_Entry_Size = 128 * 1024 * 1024;
constexpr qint64 Max_Zip_Read_Total = 256 * 1024 * 1024;

// Entries by name, in the order they are written.
using TZipEntries = QList<QPair<QString, QByteArray>>;

class TZipReader {
public:
    explicit TZipReader(const QByteArray& Archive);
    ~TZipReader();
    TZipReader(const TZipReader&) = delete;
    TZipReader& operator=(const TZipReader&) = delete;

    // False when the bytes are no whole, consistent archive or hold more than Max_Zip_Entries entries.
    bool IsOpen() const { return FDirectory != nullptr; }
    // Names compare without case, as the parts of an office file do. Nothing when the entry is missing,
    // damaged or larger than Max_Zip_Entry_Size, or when this reader has unpacked Max_Zip_Read_Total already.
    std::optional<QByteArray> Read(const QString& Name);
    bool Contains(const QString& Name) const;

private:
    QByteArray FArchive;
    std::unique_ptr<TZipDirectory> FDirectory;
    qint64 FReadTotal = 0;
};

// A new archive holding Entries, deflated. Nothing when two entries have the same name or the archive would
// need the 64-bit extension (4 GiB and more, 65535 entries and more).
std::optional<QByteArray> NewZipArchive(const TZipEntries& Entries);
// Archive with Entries replaced or added; every other entry is copied as it was, compressed bytes and all.
std::optional<QByteArray> ReplaceZipEntries(const QByteArray& Archive, const TZipEntries& Entries);
