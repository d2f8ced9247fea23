#include "grid/core/VxGridError.h"
#include "grid/core/VxStringGrid.h"
#include "grid/io/ZipArchive.h"
#include "support/QStringPrinter.h"
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

// Keeps the export notifications it is given.
class LoggingGrid : public TVxStringGrid {
public:
    QStringList Log;
    void ExportNotification(TGridExportState AState, int ARow) override
    {
        Log << QStringLiteral("%1:%2").arg(int(AState)).arg(ARow);
    }
};

// A fixed row and column around three by two data cells.
void Fill(TVxStringGrid& G)
{
    G.SetColCount(4);
    G.SetRowCount(3);
    const QStringList texts{"", "Name", "Value", "Note", "1", "alpha", "3.5", "two\nlines", "2", "beta", "-2", ""};
    for (int i = 0; i < texts.size(); ++i)
        G.SetCells(i % 4, i / 4, texts[i]);
}

QStringList AllCells(TVxStringGrid& G)
{
    QStringList cells;
    for (int r = 0; r < G.RowCount(); ++r)
        for (int c = 0; c < G.ColCount(); ++c)
            cells << G.Cells(c, r);
    return cells;
}

QByteArray ReadFile(const QString& Name)
{
    QFile f(Name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteFile(const QString& Name, const QByteArray& Bytes)
{
    QFile f(Name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Bytes);
}

// "A1:s" for each cell of the part: its reference and its type attribute.
QStringList CellTypes(const QByteArray& SheetXml)
{
    QStringList cells;
    QXmlStreamReader xml(SheetXml);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("c"))
            cells << xml.attributes().value("r").toString() + ":" + xml.attributes().value("t").toString();
    return cells;
}

class GridOffice : public testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
    QString Path(const char* Name) const { return Dir.filePath(QString::fromLatin1(Name)); }
    QTemporaryDir Dir;
};

} // namespace

TEST_F(GridOffice, SheetRoundTripOverTheSaveRange)
{
    LoggingGrid g;
    Fill(g);
    g.SaveToXLS(Path("a.xlsx"), true);
    EXPECT_EQ(g.Log, (QStringList{"0:0", "5:0", "5:1", "5:2", "2:-1"}));

    TVxStringGrid back;
    back.LoadFromXLS(Path("a.xlsx"));
    EXPECT_EQ(back.ColCount(), 4);
    EXPECT_EQ(back.RowCount(), 3);
    EXPECT_EQ(AllCells(back), AllCells(g));

    // Without fixed cells only the data goes out, and comes back behind the fixed ones.
    g.SetSaveFixedCells(false);
    g.SaveToXLS(Path("b.xlsx"), false);
    TVxStringGrid data;
    data.SetSaveFixedCells(false);
    data.SetColCount(2);
    data.SetRowCount(2);
    data.SetCells(0, 0, "kept");
    data.LoadFromXLS(Path("b.xlsx"));
    EXPECT_EQ(data.ColCount(), 4);
    EXPECT_EQ(data.RowCount(), 3);
    EXPECT_EQ(data.Cells(0, 0), "kept");
    EXPECT_EQ(data.Cells(1, 1), "alpha");
    EXPECT_EQ(data.Cells(3, 1), "two\nlines");
}

TEST_F(GridOffice, NumbersAreWrittenAsNumbersAndEveryOtherTextAsAnInlineString)
{
    TVxStringGrid g;
    g.SetColCount(6);
    g.SetRowCount(1);
    const QStringList texts{"3.5", "007", "1.50", "-2", "x", ""};
    for (int c = 0; c < texts.size(); ++c)
        g.SetCells(c, 0, texts[c]);
    g.SaveToXLS(Path("n.xlsx"), true);
    TZipReader zip(ReadFile(Path("n.xlsx")));
    EXPECT_EQ(CellTypes(*zip.Read("xl/worksheets/sheet1.xml")),
              (QStringList{"A1:", "B1:inlineStr", "C1:inlineStr", "D1:", "E1:inlineStr"}));
    TVxStringGrid back;
    back.LoadFromXLS(Path("n.xlsx"));
    EXPECT_EQ(AllCells(back), (QStringList{"3.5", "007", "1.50", "-2", "x"}));

    // The user's decimal separator reads and writes the numbers.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    back.LoadFromXLS(Path("n.xlsx"));
    EXPECT_EQ(back.Cells(0, 0), "3,5");
}

TEST_F(GridOffice, ANamedSheetIsAddedOrReplacedAndTheOthersKept)
{
    TVxStringGrid g;
    Fill(g);
    g.SaveToXLSSheet(Path("s.xlsx"), "First");
    g.SetCells(1, 1, "changed");
    g.SaveToXLSSheet(Path("s.xlsx"), "Second");
    EXPECT_EQ(g.GetXLSSheets(Path("s.xlsx")), (QStringList{"First", "Second"}));
    g.SetCells(1, 1, "again");
    g.SaveToXLSSheet(Path("s.xlsx"), "second");
    EXPECT_EQ(g.GetXLSSheets(Path("s.xlsx")), (QStringList{"First", "Second"}));

    TVxStringGrid back;
    back.LoadFromXLSSheet(Path("s.xlsx"), "First");
    EXPECT_EQ(back.Cells(1, 1), "alpha");
    back.LoadFromXLSSheet(Path("s.xlsx"), "Second");
    EXPECT_EQ(back.Cells(1, 1), "again");
    back.LoadFromXLS(Path("s.xlsx"));   // the new workbook's sheet stays the active one
    EXPECT_EQ(back.Cells(1, 1), "alpha");

    try {
        back.LoadFromXLSSheet(Path("s.xlsx"), "second");
        ADD_FAILURE() << "a sheet name differing in case was loaded";
    } catch (const EVxGridError& e) {
        EXPECT_STREQ(e.what(), "Excel worksheet second not found");
    }
    EXPECT_EQ(back.Cells(1, 1), "alpha");
}

TEST_F(GridOffice, FailuresNameTheFileAndLeaveItAlone)
{
    TVxStringGrid g;
    Fill(g);
    bool hourglass = false;
    g.OnSaveCell = [&](QObject*, int, int, QString&) {
        hourglass = QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
    };
    const QString missing = Path("no/such/folder/a.xlsx");
    try {
        g.SaveToXLS(missing, true);
        ADD_FAILURE() << "reported as saved";
    } catch (const EVxGridError& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(missing)) << e.what();
    }
    EXPECT_TRUE(hourglass);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_THROW(g.SaveToDOC(Path("no/such/folder/a.docx"), true), EVxGridError);

    // A file that is no workbook is not replaced by one.
    const QByteArray legacy = QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(600, 'x');
    WriteFile(Path("old.xls"), legacy);
    try {
        g.SaveToXLSSheet(Path("old.xls"), "Sheet1");
        ADD_FAILURE() << "an old workbook was overwritten";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Incorrect XLS file");
    }
    EXPECT_EQ(ReadFile(Path("old.xls")), legacy);
    EXPECT_THROW(g.LoadFromXLS(Path("old.xls")), std::runtime_error);
    EXPECT_EQ(g.Cells(1, 1), "alpha");
    EXPECT_THROW(g.LoadFromXLS(Path("none.xlsx")), std::runtime_error);
}

namespace {

// The texts of the document's table cells, row by row, "|" between cells, and the alignment of right and
// centred ones; paragraphs outside tables as "p:text".
QStringList DocumentBody(const QByteArray& Docx)
{
    TZipReader zip(Docx);
    QXmlStreamReader xml(*zip.Read("word/document.xml"));
    QStringList body;
    QString row, text, align;
    int inTable = 0, cellsInRow = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto name = xml.name();
        if (xml.isStartElement()) {
            if (name == QLatin1String("tbl"))
                ++inTable;
            else if (name == QLatin1String("p"))
                text.clear(), align.clear();
            else if (name == QLatin1String("t"))
                text += xml.readElementText();
            else if (name == QLatin1String("br"))
                text += "\n";
            else if (name == QLatin1String("jc"))
                align = "@" + xml.attributes().value("w:val").toString();
        } else if (xml.isEndElement()) {
            if (name == QLatin1String("tbl"))
                --inTable;
            else if (name == QLatin1String("tc"))
                row += (cellsInRow++ ? "|" : "") + text + align;
            else if (name == QLatin1String("tr"))
                body << row, row.clear(), cellsInRow = 0;
            else if (name == QLatin1String("p") && !inTable)
                body << "p:" + text;
        }
    }
    return body;
}

} // namespace

TEST_F(GridOffice, DocumentsGetTheGridAsATable)
{
    TVxStringGrid g;
    Fill(g);
    g.OnGetAlignment = [](QObject*, int, int ACol, TAlignment& HA, TVAlignment&) {
        if (ACol == 2)
            HA = TAlignment::taRightJustify;
        if (ACol == 3)
            HA = TAlignment::taCenter;
    };
    g.SaveToDOC(Path("t.docx"), true);
    EXPECT_EQ(DocumentBody(ReadFile(Path("t.docx"))),
              (QStringList{"|Name|Value@right|Note@center", "1|alpha|3.5@right|two\nlines@center",
                           "2|beta|-2@right|@center", "p:"}));
}

TEST_F(GridOffice, AppendingGoesToTheBookmarkOrTheEndAndKeepsTheRest)
{
    const QByteArray styles = "<?xml version=\"1.0\"?><w:styles xmlns:w=\"x\"><!-- kept --></w:styles>";
    const TZipEntries parts{
        {"word/document.xml",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
         "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>"
         "<w:p><w:r><w:t>Before</w:t></w:r></w:p>"
         "<w:p><w:bookmarkStart w:id=\"0\" w:name=\"here\"/><w:r><w:t>Mark</w:t></w:r><w:bookmarkEnd w:id=\"0\"/></w:p>"
         "<w:p><w:r><w:t>After</w:t></w:r></w:p><w:sectPr/></w:body></w:document>"},
        {"word/styles.xml", styles},
    };
    WriteFile(Path("d.docx"), *NewZipArchive(parts));
    TVxStringGrid g;
    g.SetColCount(2);
    g.SetRowCount(1);
    g.SetCells(0, 0, "a&b");
    g.SetCells(1, 0, "<c>");
    g.AppendToDoc(Path("d.docx"), "here");
    EXPECT_EQ(DocumentBody(ReadFile(Path("d.docx"))), (QStringList{"p:Before", "a&b|<c>", "p:Mark", "p:After"}));
    g.SetCells(0, 0, "end");
    g.AppendToDoc(Path("d.docx"), "elsewhere");
    EXPECT_EQ(DocumentBody(ReadFile(Path("d.docx"))),
              (QStringList{"p:Before", "a&b|<c>", "p:Mark", "p:After", "end|<c>", "p:"}));
    TZipReader zip(ReadFile(Path("d.docx")));
    EXPECT_EQ(zip.Read("word/styles.xml"), styles);
    EXPECT_TRUE(zip.Read("word/document.xml")->contains("<w:sectPr/></w:body>"));

    WriteFile(Path("broken.docx"), ReadFile(Path("d.docx")).left(100));
    EXPECT_THROW(g.AppendToDoc(Path("broken.docx"), "here"), std::runtime_error);
}

namespace {

void MakeDatabase(const QString& FileName)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "make");
        db.setDatabaseName(FileName);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec("CREATE TABLE parts (id INTEGER, name TEXT, price REAL)"));
        ASSERT_TRUE(q.exec("INSERT INTO parts VALUES (1, 'bolt', 0.25), (2, NULL, 3.5), (3, 'nut', NULL)"));
    }
    QSqlDatabase::removeDatabase("make");
}

} // namespace

TEST_F(GridOffice, DatabaseTablesAndQueriesLoad)
{
    MakeDatabase(Path("parts.db"));
    const QByteArray before = ReadFile(Path("parts.db"));
    TVxStringGrid g;
    g.SetColCount(2);
    g.SetRowCount(10);
    g.SetCells(1, 9, "stale");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    g.LoadFromMDBTable(Path("parts.db"), "parts");
    EXPECT_EQ(g.ColCount(), 4);
    EXPECT_EQ(g.RowCount(), 4);   // the header row and exactly the three records
    EXPECT_EQ(AllCells(g), (QStringList{"", "id", "name", "price", "", "1", "bolt", "0,25", "", "2", "", "3,5",
                                        "", "3", "nut", ""}));

    g.LoadFromMDBSQL(Path("parts.db"), "SELECT name FROM parts WHERE id > 5");
    EXPECT_EQ(g.ColCount(), 2);
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.Cells(1, 0), "name");
    EXPECT_EQ(g.Cells(1, 1), "");

    // Read-only: a query cannot change the file.
    EXPECT_THROW(g.LoadFromMDBSQL(Path("parts.db"), "DELETE FROM parts"), std::runtime_error);
    EXPECT_EQ(ReadFile(Path("parts.db")), before);

    WriteFile(Path("real.mdb"), QByteArray("\0\1\0\0Standard Jet DB\0", 19) + QByteArray(4096, '\0'));
    try {
        g.LoadFromMDBTable(Path("real.mdb"), "parts");
        ADD_FAILURE() << "read an .mdb file";
    } catch (const std::runtime_error& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains("not a database")) << e.what();
    }
    EXPECT_THROW(g.LoadFromMDBTable(Path("missing.db"), "parts"), std::runtime_error);
    EXPECT_FALSE(QFile::exists(Path("missing.db")));
}
