// The grid's workbooks and documents judged by LibreOffice, and LibreOffice's workbooks read by the grid.
#include "grid/core/VxStringGrid.h"
#include "grid/io/ZipArchive.h"
#include "support/QStringPrinter.h"
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

class LibreOffice : public testing::Test {
protected:
    void SetUp() override
    {
        Soffice = QStandardPaths::findExecutable("soffice");
        if (Soffice.isEmpty())
            GTEST_SKIP() << "LibreOffice (soffice) is not installed";
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    QString Path(const QString& Name) const { return Dir.filePath(Name); }

    // One run converting every file; a profile of its own, so parallel tests do not share one.
    void Convert(const QString& To, const QStringList& Files, const QStringList& Extra = {})
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LC_ALL", "C.UTF-8");
        p.setProcessEnvironment(env);
        p.start(Soffice, QStringList{"-env:UserInstallation=" + QUrl::fromLocalFile(Path("profile")).toString(),
                                     "--headless", "--norestore", "--convert-to", To, "--outdir", Path("out")} +
                             Extra + Files);
        ASSERT_TRUE(p.waitForFinished(300000)) << "soffice did not finish";
        ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    }

    void Write(const QString& Name, const QByteArray& Bytes)
    {
        QFile f(Path(Name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Bytes);
    }

    QString Soffice;
    QTemporaryDir Dir;
};

QStringList AllCells(TVxStringGrid& G)
{
    QStringList cells;
    for (int r = 0; r < G.RowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < G.ColCount(); ++c)
            row << G.Cells(c, r);
        cells << row.join('|');
    }
    return cells;
}

void Fill(TVxStringGrid& G, const QList<QStringList>& Rows)
{
    G.SetColCount(int(Rows.front().size()));
    G.SetRowCount(int(Rows.size()));
    for (int r = 0; r < Rows.size(); ++r)
        for (int c = 0; c < Rows[r].size(); ++c)
            G.SetCells(c, r, Rows[r][c]);
}

// An entry's packed bytes as they stand in the archive, found through zipinfo's account of its header.
QByteArray RawEntry(const QString& Archive, const char* Name)
{
    QProcess p;
    p.start(QStringLiteral("zipinfo"), {"-v", Archive, Name});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    const QString info = QString::fromUtf8(p.readAllStandardOutput());
    const auto number = [&](const char* label) {
        const QRegularExpressionMatch m = QRegularExpression(QString(label) + ":\\s+(\\d+)").match(info);
        return m.hasMatch() ? m.captured(1).toLongLong() : -1;
    };
    const qint64 local = number("offset of local header from start of archive");
    const qint64 packed = number("compressed size");
    QFile f(Archive);
    if (local < 0 || packed < 0 || !f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.readAll();
    if (local + 30 > bytes.size())
        return {};
    const auto u16 = [&](qint64 at) { return qint64(uchar(bytes[at])) | qint64(uchar(bytes[at + 1])) << 8; };
    return bytes.mid(local + 30 + u16(local + 26) + u16(local + 28), packed);
}

const QList<QStringList> Grid_Cells{{"Name", "Value", "Code", "Note"},
                                    {"alpha", "3.5", "007", "two\nlines"},
                                    {"Ünïcödé", "-2", "1.50", "a, \"quoted\" one"},
                                    {"", "0.25", "", "last"}};

} // namespace

TEST_F(LibreOffice, ItsWorkbooksReadBackAndItReadsOurs)
{
    Write("made.csv", "Name,Value,Note\nalpha,3.5,\"two\nlines\"\nÜnïcödé,-2,TRUE\n,,last\n");
    Write("corner.csv", ",,\n,,\n,x,\n");
    Convert("xlsx", {Path("made.csv"), Path("corner.csv")}, {"--infilter=CSV:44,34,76,1"});

    TVxStringGrid g;
    g.LoadFromXLS(Path("out/made.xlsx"));
    EXPECT_EQ(AllCells(g), (QStringList{"Name|Value|Note", "alpha|3.5|two\nlines", "Ünïcödé|-2|True", "||last"}));
    g.LoadFromXLS(Path("out/corner.xlsx"));   // a used range of one cell fills one grid cell
    EXPECT_EQ(AllCells(g), QStringList{"x"});
    const QStringList sheets = g.GetXLSSheets(Path("out/made.xlsx"));
    ASSERT_EQ(sheets.size(), 1);

    // Our sheet added to LibreOffice's workbook; its own parts stay byte for byte.
    const QString theirs = Path("out/made.xlsx");
    QFile::copy(theirs, Path("before.xlsx"));
    TVxStringGrid ours;
    Fill(ours, Grid_Cells);
    ours.SetCells(0, 0, "first");
    ours.SaveToXLSSheet(theirs, "Grid");
    ours.SetCells(0, 0, "Name");
    ours.SaveToXLSSheet(theirs, "Grid");   // once more: replaced, not added twice
    EXPECT_EQ(ours.GetXLSSheets(theirs), (QStringList{sheets.front(), "Grid"}));
    for (const char* part :
         {"xl/styles.xml", "xl/sharedStrings.xml", "xl/worksheets/sheet1.xml", "docProps/app.xml"}) {
        const QByteArray raw = RawEntry(theirs, part);
        EXPECT_FALSE(raw.isEmpty()) << part;
        EXPECT_EQ(raw, RawEntry(Path("before.xlsx"), part)) << part;
    }
    ours.SaveToXLS(Path("own.xlsx"), true);

    // Every sheet to its own CSV file, UTF-8, as shown.
    QDir().mkpath(Path("csv"));
    QFile::copy(theirs, Path("csv/theirs.xlsx"));
    QFile::copy(Path("own.xlsx"), Path("csv/own.xlsx"));
    Convert("csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1",
            {Path("csv/theirs.xlsx"), Path("csv/own.xlsx")});
    auto readCsv = [](const QString& name) {
        TVxStringGrid read;
        read.SetFixedRows(0);
        read.SetFixedCols(0);
        read.SetColCount(1);
        read.SetDelimiter(',');
        read.LoadFromCSV(name);
        return AllCells(read);
    };
    EXPECT_EQ(readCsv(Path("out/own-Sheet1.csv")), AllCells(ours));
    EXPECT_EQ(readCsv(Path("out/theirs-Grid.csv")), AllCells(ours));
    EXPECT_EQ(readCsv(Path("out/theirs-" + sheets.front() + ".csv")).value(1), "alpha|3.5|two\nlines");
}

TEST_F(LibreOffice, ItReadsOurDocuments)
{
    TVxStringGrid g;
    Fill(g, Grid_Cells);
    g.SaveToDOC(Path("new.docx"), true);
    g.SaveToDOC(Path("appended.docx"), true);
    g.SetColCount(2);
    g.SetRowCount(1);
    g.SetCells(0, 0, "more");
    g.SetCells(1, 0, "cells");
    g.AppendToDoc(Path("appended.docx"), "none");
    Convert("txt:Text (encoded):UTF8,LF,,,", {Path("new.docx"), Path("appended.docx")});

    // Each table cell is a paragraph of its own in the text.
    QStringList lines;
    for (const QStringList& row : Grid_Cells)
        for (const QString& cell : row)
            lines << cell;
    auto text = [&](const char* name) {
        QFile f(Path(QString("out/") + name));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).remove(QChar(0xFEFF)).trimmed() : QString();
    };
    EXPECT_EQ(text("new.txt"), lines.join('\n').trimmed());
    EXPECT_EQ(text("appended.txt"), (lines + QStringList{"", "more", "cells"}).join('\n').trimmed());
}
