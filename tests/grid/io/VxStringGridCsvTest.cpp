#include "grid/core/VxGridError.h"
#include "grid/core/VxStringGrid.h"
#include "GridCells.h"
#include "GridFileBytes.h"
#include "support/QStringPrinter.h"
#include <QBuffer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A grid without fixed cells holding the given rows.
struct CsvGrid : TVxStringGrid {
    explicit CsvGrid(const QList<QStringList>& Rows = {{QString()}})
    {
        FillWithoutFixedCells(*this, int(Rows.front().size()), Rows);
    }
    QList<QStringList> All() { return ::AllCells(*this); }
    void Read(const QByteArray& Bytes, int MaxRows = -1)
    {
        QBuffer b;
        b.setData(Bytes);
        b.open(QIODevice::ReadOnly);
        LoadFromCSVStream(b, MaxRows);
    }
};

const QList<QStringList> Quoting = {
    {"plain", "say \"hi\"", "a,b"},
    {"two\r\nlines", "", "x\"y,z"},
    {"Grüße", "1.5", "end"},
};

} // namespace

TEST(VxStringGridCsv, GoldenFilesRoundTrip)
{
    QTemporaryDir dir;
    struct Case {
        const char* name;
        QList<QStringList> cells;
        std::function<void(TVxStringGrid&)> set;
        bool unicode;
    };
    const Case cases[] = {
        {"csv_quotes_delimiters_and_line_breaks", Quoting, [](TVxStringGrid&) {}, false},
        {"csv_always_quotes_semicolon_utf8",
         {{"a", "two\r\nlines", "€ 5"}, {"", "x;y", "q\"t"}},
         [](TVxStringGrid& g) {
             g.SetAlwaysQuotes(true);
             g.SetDelimiter(';');
         },
         true},
        {"csv_java_variant", {{"", "one\r\ntwo", "p,q"}}, [](TVxStringGrid& g) { g.SetJavaCSV(true); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CsvGrid g(c.cells);
        c.set(g);
        const QString path = dir.filePath(QString(c.name) + ".csv");
        g.SaveToCSV(path, c.unicode);
        EXPECT_EQ(FileBytes(path), ExpectedBytes(c.name, "expected.csv"));

        CsvGrid back;
        c.set(back);
        back.LoadFromCSV(path);
        EXPECT_EQ(back.All(), c.cells);
    }
}

TEST(VxStringGridCsv, ReadingCases)
{
    struct Case {
        const char* what;
        QByteArray text;
        QList<QStringList> cells;
    };
    const Case cases[] = {
        {"semicolons agree in both lines", "a;b;c\r\nd;e;f\r\n", {{"a", "b", "c"}, {"d", "e", "f"}}},
        {"equal single commas win over a semicolon", "x,y\r\n1,2;3\r\n", {{"x", "y"}, {"1", "2;3"}}},
        {"one line: the most frequent candidate", "a|b|c,d", {{"a", "b", "c,d"}}},
        {"no candidate: one column", "abc\r\ndef", {{"abc"}, {"def"}}},
        {"an unclosed quote gives an empty field", "a,\"b,c", {{"a", "", "c"}}},
        {"leading blanks are dropped", "  a,  b", {{"a", "b"}}},
        {"a quoted line break spans lines", "\"a\r\nb\",c\r\nd,e\r\n", {{"a\r\nb", "c"}, {"d", "e"}}},
        {"an LF inside quotes stays as it was", "\"a\nb\",c\n", {{"a\nb", "c"}}},
        {"a vertical tab is a line break", "\"a\x0b" "b\",c", {{"a\r\nb", "c"}}},
        {"byte-order mark and UTF-8", "\xef\xbb\xbf\xc3\xa4,\xe2\x82\xac", {{"ä", "€"}}},
        {"system code page without a mark", "\xe4,\x80", {{"ä", "€"}}},
        {"UTF-8 without a mark", "\xc3\xa4,\xe2\x82\xac", {{"ä", "€"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CsvGrid g;
        g.Read(c.text);
        EXPECT_EQ(g.All(), c.cells);
    }
}

TEST(VxStringGridCsv, AnEmptyLastFieldEmptiesItsCell)
{
    CsvGrid g(QList<QStringList>{{"old", "old", "old"}});
    g.Read("a,b,\r\n");
    EXPECT_EQ(g.All(), (QList<QStringList>{{"a", "b", ""}}));
}

TEST(VxStringGridCsv, HeaderLineRowLimitAndInsert)
{
    CsvGrid g;
    g.SetLoadFirstRow(false);
    g.Read("h1;h2\r\na;b\r\nc;d\r\ne;f\r\n", 2);   // the header still decides the delimiter
    EXPECT_EQ(g.All(), (QList<QStringList>{{"a", "b"}, {"c", "d"}}));

    QTemporaryDir dir;
    const QString path = dir.filePath("more.csv");
    WriteBytes(path, "x,y\r\n");
    g.SetLoadFirstRow(true);
    g.InsertFromCSV(path);
    EXPECT_EQ(g.All(), (QList<QStringList>{{"a", "b"}, {"c", "d"}, {"x", "y"}}));
}

TEST(VxStringGridCsv, EmptyAndMissingFiles)
{
    QTemporaryDir dir;
    CsvGrid g(QList<QStringList>{{"kept"}});
    const QString zero = dir.filePath("zero.csv");
    WriteBytes(zero, "");
    g.LoadFromCSV(zero);   // nothing to read, nothing changes
    EXPECT_EQ(g.All(), QList<QStringList>{{"kept"}});

    const QString mark = dir.filePath("mark.csv");
    WriteBytes(mark, "\xef\xbb\xbf");
    try {
        g.LoadFromCSV(mark);
        ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "File is empty");
    }
    EXPECT_THROW(g.LoadFromCSV(dir.filePath("missing.csv")), EVxGridError);
    EXPECT_THROW(g.AppendToCSV(dir.filePath("missing.csv")), EVxGridError);
    EXPECT_EQ(g.All(), QList<QStringList>{{"kept"}});
}

TEST(VxStringGridCsv, AppendKeepsTheFileAndOemConverts)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.csv");
    WriteBytes(path, "first\r\n");
    CsvGrid g(QList<QStringList>{{"Ä", "b"}});
    g.SetOemConvert(true);
    g.AppendToCSV(path);
    EXPECT_EQ(FileBytes(path), QByteArray("first\r\n\x8e,b\r\n"));   // Ä is 0x8E in code page 437
    CsvGrid back;
    back.SetOemConvert(true);
    back.SetLoadFirstRow(false);
    back.LoadFromCSV(path);
    EXPECT_EQ(back.All(), (QList<QStringList>{{"Ä", "b"}}));
}
