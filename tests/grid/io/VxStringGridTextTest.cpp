#include "grid/core/VxGridError.h"
#include "grid/core/VxStringGrid.h"
#include "grid/model/IntList.h"
#include "GridCells.h"
#include "GridFileBytes.h"
#include "support/QStringPrinter.h"
#include <QBuffer>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct TextGrid : TVxStringGrid {
    TextGrid(int Cols, int Rows, const QList<QStringList>& Cells = {})
    {
        FillWithoutFixedCells(*this, Cols, Cells);
        SetRowCount(Rows);
    }
    QList<QStringList> All() { return ::AllCells(*this); }
};

} // namespace

TEST(VxStringGridText, NativeFileGoldenAndRoundTrip)
{
    TextGrid g(3, 2, {{"a", "", "x,y"}, {"", "l1\r\nl2 ü", ""}});
    g.SetColWidths(0, 50);
    g.SetColWidths(1, 60);
    g.SetColWidths(2, 70);
    QTemporaryDir dir;
    const QString path = dir.filePath("grid.txt");
    g.SaveToFile(path);
    EXPECT_EQ(FileBytes(path), ExpectedBytes("native_masked_line_break_and_widths", "expected.txt"));

    for (const bool multi : {true, false}) {
        SCOPED_TRACE(multi);
        TextGrid back(1, 1);
        back.SetMultilinecells(multi);
        back.LoadFromFile(path);
        EXPECT_EQ(back.All(), (QList<QStringList>{{"a", "", "x,y"}, {"", multi ? "l1\r\nl2 ü" : "l1", ""}}));
        EXPECT_EQ(back.ColWidths(2), 70);
    }
    g.SaveToFile(path, true);   // UTF-16 with its mark reads back the same
    TextGrid wide(1, 1);
    wide.SetMultilinecells(true);
    wide.LoadFromFile(path);
    EXPECT_EQ(wide.Cells(1, 1), "l1\r\nl2 ü");
}

TEST(VxStringGridText, NativeFileLinesOutsideTheGridChangeNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("odd.txt");
    WriteBytes(path, "4,2\r\ncw 9,100\r\ncw -1,100\r\n-1,0,x\r\n0,-1,y\r\n3,2\r\n9,0,far\r\n1,1,ok\r\n");
    TextGrid g(1, 1);
    g.LoadFromFile(path);
    EXPECT_EQ(g.All(), (QList<QStringList>{{"", "", "", "2"}, {"", "ok", "", ""}}));   // "3,2" has no row: row 0
    EXPECT_EQ(g.Cells(-1, 0), "");
    EXPECT_EQ(g.Cells(9, 0), "");

    for (const QByteArray& bad : {QByteArray(""), QByteArray("0,5\r\n"), QByteArray("99999999,2\r\n")}) {
        WriteBytes(path, bad);
        TextGrid kept(2, 1, {{"k", "l"}});
        try {
            kept.LoadFromFile(path);
            ADD_FAILURE() << "no exception";
        } catch (const EVxGridError& e) {
            EXPECT_EQ(e.what(), "File contains no data or corrupt file " + path.toStdString());
        }
        EXPECT_EQ(kept.All(), (QList<QStringList>{{"k", "l"}}));
    }
}

TEST(VxStringGridText, LoadingServesNoUserInput)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("long.txt");
    QByteArray text = "1,200\r\n";
    for (int r = 0; r < 200; ++r)
        text += "0," + QByteArray::number(r) + ",v\r\n";
    WriteBytes(path, text);
    TextGrid g(1, 1);
    bool served = false, servedMidway = false;
    g.OnFileProgress = [&](QObject*, int percent) {
        if (percent == 0)   // as if the user typed or closed the window now
            QMetaObject::invokeMethod(&g, [&] { served = true; }, Qt::QueuedConnection);
        else
            servedMidway = servedMidway || served;
    };
    g.LoadFromFile(path);
    EXPECT_FALSE(servedMidway);
    EXPECT_EQ(g.Cells(0, 199), "v");
    QCoreApplication::processEvents();
    EXPECT_TRUE(served);   // served once the load is over
}

TEST(VxStringGridText, NativeStreamGoldenAndTheDataAfterIt)
{
    TextGrid g(3, 2, {{"hdr", "", ""}, {"", "x,y", ""}});
    g.SetFixedCols(1);
    g.SetFixedRows(1);
    g.SetSaveFixedCells(false);
    g.SetColWidths(0, 50);
    g.SetColWidths(1, 60);
    g.SetColWidths(2, 70);
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    g.SaveToStream(buffer);
    EXPECT_EQ(buffer.data(), ExpectedBytes("native_stream_relative_coordinates", "expected.bin"));

    buffer.write(QStringLiteral("other data\r\n").toUtf8());
    buffer.seek(0);
    TextGrid h(5, 5);
    h.SetFixedCols(1);
    h.SetFixedRows(1);
    h.SetSaveFixedCells(false);
    h.LoadFromStream(buffer);
    EXPECT_EQ(h.ColCount(), 3);
    EXPECT_EQ(h.RowCount(), 2);
    EXPECT_EQ(h.Cells(1, 1), "x,y");
    EXPECT_EQ(h.ColWidths(2), 70);
    EXPECT_EQ(buffer.readAll(), "other data\r\n");   // left where the block ended

    QBuffer bad;
    const QString badLine = QStringLiteral("2,x\r\n");   // a count that is no number
    bad.setData(reinterpret_cast<const char*>(badLine.utf16()), badLine.size() * 2);
    bad.open(QIODevice::ReadOnly);
    EXPECT_THROW(h.LoadFromStream(bad), std::runtime_error);
}

TEST(VxStringGridText, FixedWidthFiles)
{
    TextGrid g(3, 2, {{"abcdef", "xy", "long"}, {"d", "1234567", "ok"}});
    TIntList widths(0, 0);
    widths.Add(3);
    widths.Add(4);
    QTemporaryDir dir;
    const QString path = dir.filePath("fixed.txt");
    g.SaveToFixed(path, widths);
    EXPECT_EQ(FileBytes(path), ExpectedBytes("fixed_width_cut_and_padded", "expected.txt"));
    EXPECT_EQ(widths.StrValue(), "3,4,5");   // the third column's width is left in the list

    WriteBytes(path, "abcdefghijkl\r\n  x   y    \r\nthird line\r\n");
    struct Case {
        QList<int> positions;
        bool trim;
        int maxRows;
        QList<QStringList> cells;
    };
    const Case cases[] = {
        {{1, 5, 11}, true, -1, {{"abcd", "efghij"}, {"x", "y"}, {"thir", "d line"}}},
        {{11, 1, 5}, false, 0, {{"abcd", "efghij"}}},   // sorted first; MaxRows 0 still loads one line
        {{1, 5, 11}, false, 2, {{"abcd", "efghij"}, {"  x ", "  y   "}}},
    };
    for (const Case& c : cases) {
        TextGrid back(1, 1);
        TIntList positions(0, 0);
        for (const int p : c.positions)
            positions.Add(p);
        back.LoadFromFixed(path, positions, c.trim, c.maxRows);
        EXPECT_EQ(positions.StrValue(), "1,5,11");
        EXPECT_EQ(back.All(), c.cells);
    }
    TextGrid none(1, 1);
    TIntList positions(0, 0);
    EXPECT_THROW(none.LoadFromFixed(dir.filePath("missing.txt"), positions), EVxGridError);
}

TEST(VxStringGridText, AsciiTableAlignedWithContinuationLines)
{
    TextGrid g(3, 2, {{"12", "ab", "top\r\nnext"}, {"value", "c", ""}});
    g.SetMultilinecells(true);
    g.OnGetAlignment = [](QObject*, int, int ACol, TAlignment& HA, TVAlignment&) {
        if (ACol == 0)
            HA = TAlignment::taRightJustify;
        else if (ACol == 1)
            HA = TAlignment::taCenter;
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("table.txt");
    g.SaveToASCII(path);
    EXPECT_EQ(FileBytes(path), ExpectedBytes("ascii_aligned_and_multiline", "expected.txt"));
    g.AppendToASCII(path);
    EXPECT_EQ(FileBytes(path), ExpectedBytes("ascii_aligned_and_multiline", "expected.txt").repeated(2));
}
