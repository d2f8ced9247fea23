// Printing to PDF read back with poppler's tools, and the preview window driven by keys.
#include "grid/core/GridSettings.h"
#include "grid/core/VxStringGrid.h"
#include "grid/io/GridPrintPreview.h"
#include "support/FileDialogRecorder.h"
#include "support/ModalDriver.h"
#include "support/QStringPrinter.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString RunTool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(program, QString::fromLocal8Bit(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString PageText(const QString& pdf, int page)
{
    return RunTool("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), "-layout", pdf, "-"});
}

int PageCount(const QString& pdf)
{
    const QRegularExpressionMatch m = QRegularExpression(R"(Pages:\s+(\d+))").match(RunTool("pdfinfo", {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Cells that say where they are ("C<col>R<row>"), each column 500 pixels wide: wider than half a page, so
// every column is a page strip of its own.
void FillWideGrid(TVxStringGrid& g, int cols, int rows)
{
    g.SetColCount(cols);
    g.SetRowCount(rows);
    for (int c = 0; c < cols; ++c) {
        g.SetColWidths(c, 500);
        for (int r = 0; r < rows; ++r)
            g.SetCells(c, r, QStringLiteral("C%1R%2").arg(c).arg(r));
    }
    TPrintSettings& ps = g.PrintSettings();
    ps.SetNoAutoSize(true);
    ps.SetPageNr(TPrintPosition::ppBottomCenter);
    ps.SetPagePrefix("Page");
    ps.SetJobName("Stock list");
}

// Keeps the export notifications the grid sends.
class NotedGrid : public TVxStringGrid {
public:
    void ExportNotification(TGridExportState AState, int ARow) override { Notes.push_back({int(AState), ARow}); }
    std::vector<std::pair<int, int>> Notes;
};

// Print() on a machine without a printer: the grid asks for a PDF file through the dialog hook.
class PrintToPdf : public testing::Test {
protected:
    void SetUp() override
    {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            GTEST_SKIP() << "a printer is set up here; printing would go to it";
        FillWideGrid(g, 3, 6);
    }
    QTemporaryDir dir;
    NotedGrid g;
    FileDialogRecorder dialogs;
};

TEST_F(PrintToPdf, ThreeColumnStripsGoToAPdfPageEachWithTheirPageNumbers)
{
    const QString pdf = dir.filePath("stock.pdf");
    dialogs.choose(pdf);

    g.Print();

    ASSERT_EQ(dialogs.requests().size(), 1u);
    EXPECT_TRUE(dialogs.requests()[0].Save);
    EXPECT_EQ(dialogs.requests()[0].FileName, "Stock list.pdf");
    ASSERT_TRUE(QFileInfo::exists(pdf));
    EXPECT_EQ(PageCount(pdf), 3);
    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE(page);
        const QString text = PageText(pdf, page);
        for (int c = 0; c < 3; ++c)
            for (int r = 0; r < 6; ++r)
                EXPECT_EQ(text.contains(QStringLiteral("C%1R%2").arg(c).arg(r)), c == page - 1) << text.toStdString();
        // The page within its strip, "-", the strip.
        EXPECT_TRUE(text.contains(QStringLiteral("Page 1-%1").arg(page))) << text.toStdString();
    }

    // The first page as a picture beside the test binary, for a person to look at.
    const QString picture = QDir(QCoreApplication::applicationDirPath()).filePath("grid_print_page");
    QFile::remove(picture + "-1.png");
    RunTool("pdftoppm", {"-png", "-r", "60", "-f", "1", "-l", "1", pdf, picture});
    EXPECT_GT(QFileInfo(picture + "-1.png").size(), 0);
}

TEST_F(PrintToPdf, CancellingTheFileDialogPrintsNothing)
{
    g.Print();   // the recorder answers Cancel
    EXPECT_EQ(dialogs.requests().size(), 1u);
    EXPECT_TRUE(g.Notes.empty());   // no print run started
}

TEST(GridPrint, PrintStartChoosesThePagesThatArePrinted)
{
    QTemporaryDir dir;
    TVxStringGrid g;
    FillWideGrid(g, 5, 6);
    int offered = 0;
    g.OnPrintStart = [&](QObject*, int pages, int& from, int& to) {
        offered = pages;
        from = 2;
        to = 3;
    };
    const QString pdf = dir.filePath("part.pdf");
    {
        QPdfWriter writer(pdf);
        g.PrintGridRect(writer, {0, 0, 4, 5}, false);
    }
    EXPECT_EQ(offered, 5);
    EXPECT_EQ(g.PrintNrOfPages(), 3);
    EXPECT_EQ(PageCount(pdf), 2);
    EXPECT_TRUE(PageText(pdf, 1).contains("C1R5"));
    EXPECT_TRUE(PageText(pdf, 2).contains("C2R5"));

    // A veto prints nothing.
    g.OnPrintStart = [](QObject*, int, int& from, int&) { from = 0; };
    const QString none = dir.filePath("none.pdf");
    {
        QPdfWriter writer(none);
        g.PrintGridRect(writer, {0, 0, 4, 5}, false);
    }
    EXPECT_LE(QFileInfo(none).size(), 0);
}

TEST(GridPrintPreview, DrawsThePreviewPageOnlyBetweenStartAndEndNotifications)
{
    NotedGrid g;
    FillWideGrid(g, 1, 200);
    g.SetPreviewPage(3);
    std::vector<int> pages;
    g.OnPrintPage = [&](QObject*, TPrintCanvas*, int page, int, int) { pages.push_back(page); };
    QImage image(400, 560, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    g.PrintPreview(&painter, Rect(0, 0, 400, 560));
    painter.end();

    EXPECT_EQ(pages, std::vector<int>{3});
    EXPECT_GE(g.PrintNrOfPages(), 3);
    ASSERT_GE(g.Notes.size(), 2u);
    EXPECT_EQ(g.Notes.front(), std::make_pair(0, -1));
    EXPECT_EQ(g.Notes.back(), std::make_pair(2, -1));
    EXPECT_FALSE(g.IsPrintPreview());
    int inked = 0;   // text and cell borders
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            inked += image.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(inked, 100);
}

TEST(GridPrintPreview, ShowsTheGridsPagesAndClosesOnEscape)
{
    TVxStringGrid g;
    FillWideGrid(g, 2, 40);
    int pagesDrawn = 0;
    g.OnPrintPage = [&](QObject*, TPrintCanvas*, int, int, int) { ++pagesDrawn; };
    TGridPrintPreview preview(g, {0, 0, 1, 39}, false);
    OnNextModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_EQ(preview.exec(), QDialog::Rejected);
    EXPECT_GE(pagesDrawn, 2);
    EXPECT_FALSE(g.IsPrintPreview());
}

} // namespace
