// The ZIP container: what it writes is judged by unzip; what it is handed may be damaged or hostile.
#include "grid/io/ZipArchive.h"
#include "support/QStringPrinter.h"
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QByteArray Text_A = QByteArray("<a>").append(QByteArray("first entry, ").repeated(40)).append("</a>");
const QByteArray Text_B = "<b>second</b>";

QByteArray TwoEntries()
{
    return *NewZipArchive({{"a.xml", Text_A}, {"b.xml", Text_B}});
}

// Where the writer put an entry's headers and the end record; the fixtures are small enough for the
// signatures not to turn up inside packed data.
qsizetype LocalHeader(const QByteArray& Zip, int Entry)
{
    qsizetype at = -1;
    for (int i = 0; i <= Entry; ++i)
        at = Zip.indexOf("PK\x03\x04", at + 1);
    return at;
}
qsizetype CentralRecord(const QByteArray& Zip, int Entry)
{
    qsizetype at = -1;
    for (int i = 0; i <= Entry; ++i)
        at = Zip.indexOf("PK\x01\x02", at + 1);
    return at;
}
qsizetype EndRecord(const QByteArray& Zip)
{
    return Zip.lastIndexOf("PK\x05\x06");
}

void Put(QByteArray& Zip, qsizetype At, quint32 Value, int Width)
{
    for (int i = 0; i < Width; ++i)
        Zip[At + i] = char(Value >> (8 * i) & 0xFF);
}
quint32 Get32(const QByteArray& Zip, qsizetype At)
{
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | uchar(Zip[At + i]);
    return v;
}

// A field at its offset in the local header, set in the local header and the central record alike (the
// central one has two more bytes before it).
void SetField(QByteArray& Zip, int Entry, qsizetype LocalOffset, quint32 Value, int Width)
{
    Put(Zip, LocalHeader(Zip, Entry) + LocalOffset, Value, Width);
    Put(Zip, CentralRecord(Zip, Entry) + LocalOffset + 2, Value, Width);
}
constexpr qsizetype Flags = 6, Method = 8, Crc = 14, PackedSize = 18, Size = 22;

void SetFirstLetter(QByteArray& Zip, int Entry, char Letter)
{
    Zip[LocalHeader(Zip, Entry) + 30] = Letter;
    Zip[CentralRecord(Zip, Entry) + 46] = Letter;
}

void AddComment(QByteArray& Zip, const QByteArray& Comment)
{
    Put(Zip, EndRecord(Zip) + 20, quint32(Comment.size()), 2);
    Zip.append(Comment);
}

// A data descriptor on the first entry, the local header's checksum and sizes left as zeros, as streaming
// writers do.
QByteArray WithDescriptor()
{
    QByteArray zip = TwoEntries();
    SetField(zip, 0, Flags, 0x0008, 2);
    for (const qsizetype field : {Crc, PackedSize, Size})
        Put(zip, LocalHeader(zip, 0) + field, 0, 4);
    return zip;
}

struct HostileCase {
    const char* what;
    std::function<void(QByteArray&)> damage;
    bool opens;
    bool readsA;   // when it opens; b.xml is left whole and always reads
};

const HostileCase Hostile_Cases[] = {
    {"whole", [](QByteArray&) {}, true, true},
    {"cut short by one byte", [](QByteArray& z) { z.chop(1); }, false, false},
    {"cut before the central directory", [](QByteArray& z) { z.truncate(CentralRecord(z, 0)); }, false, false},
    {"bytes after the end record", [](QByteArray& z) { z.append("x"); }, false, false},
    {"a comment after the end record", [](QByteArray& z) { AddComment(z, "made here"); }, true, true},
    {"one entry more counted",
     [](QByteArray& z) {
         Put(z, EndRecord(z) + 8, 3, 2);
         Put(z, EndRecord(z) + 10, 3, 2);
     },
     false, false},
    {"a local header offset past its header",
     [](QByteArray& z) { Put(z, CentralRecord(z, 1) + 42, Get32(z, CentralRecord(z, 1) + 42) + 1, 4); }, false, false},
    {"local and central names differ", [](QByteArray& z) { z[LocalHeader(z, 0) + 30] = 'x'; }, false, false},
    {"local and central sizes differ", [](QByteArray& z) { Put(z, LocalHeader(z, 0) + Size, Text_A.size() + 1, 4); },
     false, false},
    {"an entry reaching into the next one",
     [](QByteArray& z) { SetField(z, 0, PackedSize, Get32(z, LocalHeader(z, 0) + PackedSize) + 1, 4); }, false, false},
    {"the 64-bit extension", [](QByteArray& z) { SetField(z, 0, Size, 0xFFFFFFFF, 4); }, false, false},
    {"the same name twice", [](QByteArray& z) { SetFirstLetter(z, 1, 'a'); }, false, false},
    {"names the same but for case", [](QByteArray& z) { SetFirstLetter(z, 1, 'A'); }, false, false},
    {"a wrong checksum", [](QByteArray& z) { SetField(z, 0, Crc, Get32(z, LocalHeader(z, 0) + Crc) ^ 1, 4); }, true,
     false},
    {"packed bytes damaged", [](QByteArray& z) { z[LocalHeader(z, 1) - 3] ^= 0x5A; }, true, false},
    {"an unknown method", [](QByteArray& z) { SetField(z, 0, Method, 12, 2); }, true, false},
    {"encrypted", [](QByteArray& z) { SetField(z, 0, Flags, 0x0001, 2); }, true, false},
    // The stated size bounds the unpacking: a stream that gives more is refused, not read past it.
    {"more data than stated", [](QByteArray& z) { SetField(z, 0, Size, Text_A.size() - 1, 4); }, true, false},
    {"less data than stated", [](QByteArray& z) { SetField(z, 0, Size, Text_A.size() + 1, 4); }, true, false},
    {"a stated size no deflate stream reaches", [](QByteArray& z) { SetField(z, 0, Size, 100'000'000, 4); }, true,
     false},
    {"a data descriptor", [](QByteArray& z) { z = WithDescriptor(); }, true, true},
};

TEST(ZipArchive, DamagedAndHostileArchives)
{
    for (const HostileCase& c : Hostile_Cases) {
        SCOPED_TRACE(c.what);
        QByteArray zip = TwoEntries();
        c.damage(zip);
        TZipReader reader(zip);
        ASSERT_EQ(reader.IsOpen(), c.opens);
        EXPECT_EQ(reader.Contains("a.xml"), c.opens);
        if (!c.opens)
            continue;
        EXPECT_EQ(reader.Read("a.xml"), c.readsA ? std::optional(Text_A) : std::nullopt);
        EXPECT_EQ(reader.Read("b.xml"), Text_B);
    }
    for (const QByteArray& bytes : {QByteArray(), QByteArray("PK\x05\x06"), QByteArray(22, '\0')})
        EXPECT_FALSE(TZipReader(bytes).IsOpen());
}

TEST(ZipArchive, NamesAreFoundWithoutCaseAndWithALeadingSlash)
{
    TZipReader reader(*NewZipArchive({{"xl/Workbook.xml", "w"}, {"Größe.txt", "g"}, {"empty", {}}}));
    EXPECT_EQ(reader.Read("XL/WORKBOOK.XML"), QByteArray("w"));
    EXPECT_EQ(reader.Read("/xl/workbook.xml"), QByteArray("w"));
    EXPECT_EQ(reader.Read("GRÖßE.txt"), QByteArray("g"));
    EXPECT_EQ(reader.Read("empty"), QByteArray(""));
    EXPECT_FALSE(reader.Contains("xl"));
    EXPECT_FALSE(NewZipArchive({{"a", "1"}, {"/A", "2"}}));   // one name twice
}

class Unzip : public testing::Test {
protected:
    void SetUp() override
    {
        Program = QStandardPaths::findExecutable("unzip");
        if (Program.isEmpty())
            GTEST_SKIP() << "unzip is not installed";
    }

    // unzip's test of every entry's checksum, then the names it lists, in order.
    QStringList TestedNames(const QByteArray& Zip)
    {
        const QString path = Dir.filePath("t.zip");
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(Zip) != Zip.size())
            return {"not written"};
        f.close();
        QProcess p;
        p.start(Program, {"-tqq", path});
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            return {"unzip -t: " + QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError())};
        p.start(Program, {"-Z1", path});
        p.waitForFinished(60000);
        return QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }

    QString Program;
    QTemporaryDir Dir;
};

TEST_F(Unzip, TestsWhatIsWrittenAndReplaced)
{
    const QByteArray binary = QByteArray::fromHex("00ff10") + QByteArray(70000, 'z');
    const QByteArray made = *NewZipArchive({{"a.xml", Text_A}, {"dir/bin", binary}, {"empty", {}}, {"Ünï.txt", "u"}});
    EXPECT_EQ(TestedNames(made), (QStringList{"a.xml", "dir/bin", "empty", "Ünï.txt"}));

    // Replaced in place under its own name, added at the end, the copied entry's packed bytes untouched, even
    // behind a data descriptor, and the archive's comment kept.
    QByteArray source = WithDescriptor();
    AddComment(source, "kept");
    const qsizetype local = LocalHeader(source, 0);
    const QByteArray packedA = source.mid(local + 30 + 5, Get32(source, CentralRecord(source, 0) + 20));
    const std::optional<QByteArray> replaced = ReplaceZipEntries(source, {{"/new.txt", "n"}, {"B.XML", binary}});
    ASSERT_TRUE(replaced);
    EXPECT_EQ(TestedNames(*replaced), (QStringList{"a.xml", "b.xml", "new.txt"}));
    EXPECT_TRUE(replaced->contains(packedA));
    EXPECT_TRUE(replaced->endsWith("kept"));
    TZipReader reader(*replaced);
    EXPECT_EQ(reader.Read("a.xml"), Text_A);
    EXPECT_EQ(reader.Read("b.xml"), binary);
    EXPECT_EQ(reader.Read("new.txt"), QByteArray("n"));

    EXPECT_FALSE(ReplaceZipEntries(source.left(source.size() - 1), {{"x", "y"}}));
}

} // namespace
