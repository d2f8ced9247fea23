// The grid's XML, CSV and HTML exports judged by programs nobody here wrote: xmllint, and LibreOffice reading
// the CSV and HTML pages back to the cells they came from.
#include "grid/core/GridSettings.h"
#include "grid/core/VxStringGrid.h"
#include "GridCells.h"
#include "support/QStringPrinter.h"
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Cells that test quoting, separators, line breaks, markup characters and letters outside ASCII.
const QList<QStringList> Cells = {
    {"Name", "Value", "Note"},
    {"a,b", "say \"hi\"", "two\r\nlines"},
    {"Grüße", "x;y", "p & q"},
    {"", "1.5", "tab\there"},
};
const QList<QStringList> PageCells = {
    {"Name", "Value", "Note"},
    {"a,b", "say \"hi\"", "<b>not bold</b>"},
    {"Grüße €", "x;y", "p & q"},
};

void Fill(TVxStringGrid& G, const QList<QStringList>& Rows)
{
    FillWithoutFixedCells(G, int(Rows.front().size()), Rows);
}

} // namespace

TEST(OutsideChecks, XmllintFindsTheXmlExportWellFormed)
{
    const QString xmllint = QStandardPaths::findExecutable("xmllint");
    if (xmllint.isEmpty())
        GTEST_SKIP() << "xmllint is not installed";
    TVxStringGrid g;
    Fill(g, Cells);
    g.SetCells(0, 3, "€ <&> \"");
    QTemporaryDir dir;
    for (const QString& encoding : {QStringLiteral("ISO-8859-1"), QStringLiteral("UTF-8")}) {
        SCOPED_TRACE(encoding.toStdString());
        g.SetXMLEncoding(encoding);
        const QString path = dir.filePath("grid-" + encoding + ".xml");
        g.SaveToXML(path, "LIST", "ROW", nullptr, true);
        QProcess p;
        p.start(xmllint, {"--noout", path});
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    }
}

TEST(OutsideChecks, LibreOfficeReadsTheCsvAndHtmlExportsBack)
{
    const QString soffice = QStandardPaths::findExecutable("soffice");
    if (soffice.isEmpty())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    QTemporaryDir dir;
    TVxStringGrid g;
    Fill(g, Cells);
    g.SaveToCSV(dir.filePath("grid.csv"));   // the system code page, which LibreOffice takes without options
    // Spreadsheets open an HTML table saved under a workbook's name; their web import splits a cell at "<br>",
    // so the page's cells are single lines.
    TVxStringGrid h;
    Fill(h, PageCells);
    h.HTMLSettings().SetConvertSpecialChars(true);
    h.SaveToHTML(dir.filePath("page.xls"));

    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", "C.UTF-8");
    p.setProcessEnvironment(env);
    p.start(soffice, {"-env:UserInstallation=" + QUrl::fromLocalFile(dir.filePath("profile")).toString(), "--headless",
                      "--norestore", "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76,1", "--outdir",
                      dir.filePath("out"), dir.filePath("grid.csv"), dir.filePath("page.xls")});
    ASSERT_TRUE(p.waitForFinished(300000)) << "soffice did not finish";
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();

    auto readBack = [&](const char* name) {
        TVxStringGrid back;
        back.SetFixedCols(0);
        back.SetFixedRows(0);
        back.SetColCount(1);
        back.SetDelimiter(',');
        back.LoadFromCSV(dir.filePath(name));
        return AllCells(back);
    };
    EXPECT_EQ(readBack("out/grid.csv"), Cells);
    EXPECT_EQ(readBack("out/page.csv"), PageCells);
}
