#include "grid/core/GridSettings.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/JpegCodec.h"
#include "GridFileBytes.h"
#include "support/QStringPrinter.h"
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Header row, a bold cell, a link, a merged pair and a blank cell, in one known font and colours.
struct HtmlGrid : TVxStringGrid {
    HtmlGrid()
    {
        SetColCount(3);
        SetRowCount(3);
        SetFixedCols(0);
        SetFixedRows(1);
        TFont f = Font();
        f.SetName("Arial");
        f.SetSize(10);
        f.SetColor(clBlack);
        SetFont(f);
        SetFixedFont(f);
        SetColor(clWhite);
        SetWordWrap(false);
        SetURLShow(true);
        const QList<QStringList> cells = {{"Name", "Value", ""},
                                          {"Grüße €", "bold", "http://example.com/p"},
                                          {"wide", "", "  "}};
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                SetCells(c, r, cells[r][c]);
        MergeCells(0, 2, 2, 1);
        OnGetCellColor = [](QObject*, int ARow, int ACol, TGridDrawState, TBrush*, TFont* AFont) {
            if (ACol == 1 && ARow == 1)
                AFont->SetStyle(TFontStyle::fsBold);
        };
    }
};

} // namespace

TEST(VxStringGridHtml, GoldenPageWithReferencesForWhatAsciiLacks)
{
    HtmlGrid g;
    QTemporaryDir dir;
    const QString path = dir.filePath("grid.html");
    g.SaveToHTML(path);
    EXPECT_EQ(FileBytes(path), ExpectedBytes("html_classes_spans_links_and_references", "expected.html"));

    g.SaveToHTML(path, false, true);   // UTF-16 holds every character as it is
    const QByteArray utf16 = FileBytes(path);
    ASSERT_TRUE(utf16.startsWith("\xff\xfe"));
    EXPECT_TRUE(QString::fromUtf16(reinterpret_cast<const char16_t*>(utf16.constData() + 2), (utf16.size() - 2) / 2)
                    .contains("Grüße €"));

    g.AppendToHTML(path);   // the file's lines come first
    const QByteArray appended = FileBytes(path);
    EXPECT_TRUE(appended.endsWith(ExpectedBytes("html_classes_spans_links_and_references", "expected.html")));
    EXPECT_EQ(appended.count("<TABLE"), 2);
}

TEST(VxStringGridHtml, PicturesAreNumberedJpegFilesBesideThePage)
{
    HtmlGrid g;
    QImage red(4, 3, QImage::Format_RGB32);
    red.fill(Qt::red);
    for (const int c : {0, 2}) {
        TBitmap* b = g.CreateBitmap(c, 1, false, TCellHAlign::haLeft, TCellVAlign::vaTop);
        b->SetImage(red);
    }
    QTemporaryDir dir;
    g.SaveToHTML(dir.filePath("pics.html"));
    const QByteArray page = FileBytes(dir.filePath("pics.html"));
    const QString folder = dir.path() + "/";
    EXPECT_TRUE(page.contains(("<img src= \"file://" + folder + "images/img1.jpg\">").toUtf8()));
    EXPECT_TRUE(page.contains(("<img src= \"file://" + folder + "images/img2.jpg\">").toUtf8()));
    const QImage back = DecodeJpeg(FileBytes(dir.filePath("images/img2.jpg")));
    EXPECT_EQ(back.size(), QSize(4, 3));

    g.HTMLSettings().SetExportImages(false);
    EXPECT_FALSE(g.SaveToHTMLString(folder).contains("<img"));
}

TEST(VxStringGridHtml, ClipboardHtmlIsUtf8WithoutAHeader)
{
    HtmlGrid g;
    g.CopyToClipBoardAsHTML();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    EXPECT_TRUE(QString::fromUtf8(data->data("text/html")).contains("Grüße €"));
    EXPECT_TRUE(data->text().startsWith("<style>"));   // no "Version:" header before the page
}
