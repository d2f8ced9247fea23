#include "grid/core/CellGraphic.h"
#include "grid/core/VxGridError.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/CellProperties.h"
#include "grid/foundation/DragDrop.h"
#include "grid/io/ComponentStream.h"
#include "support/QStringPrinter.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// An expected stream written by hand: hex bytes, "characters", ?? for any byte, # to the end of a line.
struct THexPattern {
    QByteArray Bytes;
    QList<bool> Any;
};

THexPattern ReadHexPattern(const QString& Case)
{
    QFile f(QStringLiteral(VX_TEST_DATA "/%1/expected.hex").arg(Case));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << Case.toStdString();
    THexPattern p;
    for (QByteArray line : f.readAll().split('\n')) {
        if (const qsizetype hash = line.indexOf('#'); hash >= 0)
            line.truncate(hash);
        for (qsizetype i = 0; i < line.size();) {
            if (line[i] == ' ') {
                ++i;
            } else if (line[i] == '"') {
                const qsizetype end = line.indexOf('"', i + 1);
                for (const char ch : line.mid(i + 1, end - i - 1))
                    p.Bytes += ch, p.Any << false;
                i = end + 1;
            } else {
                const QByteArray tok = line.mid(i, 2);
                p.Bytes += tok == "??" ? '\0' : char(tok.toInt(nullptr, 16));
                p.Any << (tok == "??");
                i += 2;
            }
        }
    }
    return p;
}

void ExpectMatches(const QByteArray& Actual, const QString& Case)
{
    const THexPattern p = ReadHexPattern(Case);
    ASSERT_EQ(Actual.size(), p.Bytes.size()) << Actual.toHex(' ').toStdString();
    for (qsizetype i = 0; i < Actual.size(); ++i)
        if (!p.Any[i]) {
            ASSERT_EQ(quint8(Actual[i]), quint8(p.Bytes[i])) << "byte " << i << " of " << Case.toStdString();
        }
}

struct BinGrid : TVxStringGrid {
    BinGrid(int cols, int rows)
    {
        SetFixedCols(0);
        SetFixedRows(0);
        SetColCount(cols);
        SetRowCount(rows);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                SetCells(c, r, QStringLiteral("%1%2").arg(c).arg(r));
    }
};

// The kind byte of the first cell's text, right after its name "Cell".
int TextKind(const QByteArray& Stream)
{
    const qsizetype at = Stream.indexOf(QByteArray("\x04" "Cell"));
    return at < 0 ? -1 : quint8(Stream[at + 5]);
}

} // namespace

TEST(VxStringGridBinStream, GoldenStreams)
{
    TVxStringGrid empty;
    empty.SetColCount(6);
    empty.SetRowCount(8);
    empty.SetColWidths(3, 50);
    empty.SetRowHeights(4, 20);
    empty.SetCells(3, 4, QString());
    ExpectMatches(empty.SaveRectToBinStream(TGridRect{3, 4, 3, 4}), "binstream_one_empty_cell");

    TVxStringGrid g;
    g.SetColCount(4);
    g.SetRowCount(400);
    g.SetColWidths(1, 64);
    g.SetColWidths(2, 300);
    g.SetRowHeights(300, 24);
    g.SetCells(1, 300, QStringLiteral("Grüße"));
    g.SetCells(2, 300, QStringLiteral("x"));
    TCellProperties* p = g.GetCellProperties(1, 300);
    p->SetBrushColor(0x00FFFF);
    p->SetFontColor(0x123456);
    p->SetFontName(QStringLiteral("Arial"));
    p->SetFontSize(10);
    p->SetFontStyle(TFontStyle::fsBold | TFontStyle::fsItalic);
    p->SetReadOnly(true);
    p->SetWordWrap(false);
    ExpectMatches(g.SaveRectToBinStream(TGridRect{1, 300, 2, 300}), "binstream_cell_with_properties");

    // Read at another place, the cells keep their offsets and the properties come along.
    TVxStringGrid h;
    h.SetColCount(5);
    h.SetRowCount(5);
    ASSERT_TRUE(h.LoadAtPointFromBinStream(TPoint{2, 3}, g.SaveRectToBinStream(TGridRect{1, 300, 2, 300})));
    EXPECT_EQ(h.Cells(2, 3), "Grüße");
    EXPECT_EQ(h.Cells(3, 3), "x");
    ASSERT_TRUE(h.HasCellProperties(2, 3));
    const TCellProperties* q = h.GetCellProperties(2, 3);
    EXPECT_EQ(q->BrushColor(), TColor(0x00FFFF));
    EXPECT_EQ(q->FontColor(), TColor(0x123456));
    EXPECT_EQ(q->FontName(), "Arial");
    EXPECT_EQ(q->FontStyle(), TFontStyle::fsBold | TFontStyle::fsItalic);
    EXPECT_TRUE(q->ReadOnly());
    EXPECT_EQ(q->OwnerCol(), 2);
    EXPECT_EQ(q->OwnerRow(), 3);
}

TEST(VxStringGridBinStream, TextKindsByTheirUtf8Form)
{
    struct Case { QString text; int kind; };
    const Case cases[] = {
        {QStringLiteral("abc"), 6},
        {QString(300, QLatin1Char('x')), 12},
        {QStringLiteral("aé"), 20},          // 3 UTF-8 bytes for 2 characters
        {QStringLiteral("é"), 18},           // 2 bytes for 1 character: twice as many
        {QStringLiteral("中文"), 18},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        BinGrid a(2, 2), b(2, 2);
        a.SetCells(0, 0, c.text);
        const QByteArray s = a.SaveRectToBinStream(TGridRect{0, 0, 0, 0});
        EXPECT_EQ(TextKind(s), c.kind);
        ASSERT_TRUE(b.LoadAtPointFromBinStream(TPoint{1, 1}, s));
        EXPECT_EQ(b.Cells(1, 1), c.text);
    }
}

TEST(VxStringGridBinStream, FullGridThroughAFileWithGraphicsAndProgress)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("grid.bin");
    BinGrid a(3, 4);
    a.SetColWidths(2, 123);
    a.SetRowHeights(3, 31);
    TCellGraphic* check = a.CreateCellGraphic(1, 2);
    check->SetCellType(TCellType::ctCheckBox);
    check->SetCellBoolean(true);
    check->SetCellValue(-2.5);
    QList<int> progress;
    a.OnFileProgress = [&](QObject*, int p) { progress << p; };
    a.SaveToBinFile(file);
    EXPECT_EQ(progress, (QList<int>{0, 33, 67, 100}));

    BinGrid b(7, 9);
    b.SetColWidths(0, 10);
    b.LoadFromBinFile(file);
    EXPECT_EQ(b.ColCount(), 3);
    EXPECT_EQ(b.RowCount(), 4);
    EXPECT_EQ(b.ColWidths(2), 123);
    EXPECT_EQ(b.ColWidths(0), a.ColWidths(0));
    EXPECT_EQ(b.RowHeights(3), 31);
    EXPECT_EQ(b.Cells(2, 3), "23");
    ASSERT_NE(b.GetCellGraphic(1, 2), nullptr);
    EXPECT_EQ(b.GetCellGraphic(1, 2)->CellType(), TCellType::ctCheckBox);
    EXPECT_TRUE(b.GetCellGraphic(1, 2)->CellBoolean());
    EXPECT_EQ(b.GetCellGraphic(1, 2)->CellValue(), -2.5);

    EXPECT_THROW(b.LoadFromBinFile(dir.filePath("missing.bin")), EVxGridError);
    EXPECT_THROW(a.SaveToBinFile(dir.filePath("no/such/folder/grid.bin")), EVxGridError);
}

TEST(VxStringGridBinStream, RowsPast65535KeepTheirPlace)
{
    BinGrid a(2, 65540), b(2, 6);
    const QByteArray s = a.SaveRectToBinStream(TGridRect{1, 65535, 1, 65536});
    ASSERT_TRUE(b.LoadAtPointFromBinStream(TPoint{1, 1}, s));
    EXPECT_EQ(b.Cells(1, 1), "165535");
    EXPECT_EQ(b.Cells(1, 2), "165536");
}

TEST(VxStringGridBinStream, CellsPastTheGridsEdgeAreLeftOut)
{
    BinGrid a(4, 4), b(3, 3);
    ASSERT_TRUE(b.LoadAtPointFromBinStream(TPoint{2, 1}, a.SaveRectToBinStream(TGridRect{0, 0, 1, 0})));
    EXPECT_EQ(b.ColCount(), 3);
    EXPECT_EQ(b.Cells(2, 1), "00");
    EXPECT_EQ(b.Cells(0, 1), "01");   // nothing wrapped round
}

TEST(VxStringGridBinStream, DamagedStreamsChangeNothing)
{
    BinGrid a(3, 3);
    const QByteArray good = a.SaveRectToBinStream(TGridRect{0, 0, 1, 1});
    const auto stream = [](qint64 cols, qint64 rows, bool full, const QString& widths,
                           std::initializer_list<std::pair<int, int>> cells) {
        QByteArray out;
        TComponentWriter w(out);
        w.BeginImage("TGridPropIO");
        w.WriteInteger("ColCount", cols);
        w.WriteInteger("RowCount", rows);
        w.WriteText("ColWidths", widths);
        w.WriteText("RowHeights", QStringLiteral("20,20"));
        w.WriteBoolean("FullGrid", full);
        w.EndImage();
        for (const auto& [c, r] : cells) {
            w.BeginImage("TGridCellIO");
            w.WriteInteger("Col", c);
            w.WriteInteger("Row", r);
            w.WriteText("Cell", QStringLiteral("bad"));
            w.WriteBoolean("HasProp", false);
            w.EndImage();
        }
        return out;
    };
    QByteArray unknownClass = good;
    unknownClass.replace("TGridCellIO", "TGridCellXX");
    QByteArray badSignature = good;
    badSignature[0] = 'X';
    const QByteArray cases[] = {
        good.left(good.size() - 3),
        badSignature,
        unknownClass,
        QByteArray(),
        stream(1, 2000000, false, {}, {}),                       // two million rows on a few bytes
        stream(0, 5, false, {}, {}),                             // rows without columns
        stream(Max_Exchange_Cols + 1, 1, false, {}, {{0, 0}}),
        stream(1, 1, false, {}, {{0, 0}, {0, 1}}),               // more cells than the block declares
        stream(2, 1, false, {}, {{5, 5}, {9, 5}}),               // a cell outside the declared block
        stream(2, 2, true, QStringLiteral("20"), {{0, 0}}),      // a full grid with one width for two columns
        stream(2, 2, true, QStringLiteral("20,x"), {{0, 0}}),
    };
    for (const QByteArray& bad : cases) {
        SCOPED_TRACE(bad.toHex().left(80).toStdString());
        BinGrid c(3, 3);
        EXPECT_FALSE(c.LoadAtPointFromBinStream(TPoint{1, 1}, bad));
        EXPECT_EQ(c.RowCount(), 3);
        EXPECT_EQ(c.ColCount(), 3);
        EXPECT_EQ(c.Cells(1, 1), "11");
    }
    // A terminating zero after the last record is no record.
    BinGrid d(3, 3);
    EXPECT_TRUE(d.LoadAtPointFromBinStream(TPoint{1, 1}, good + '\0'));
    EXPECT_EQ(d.Cells(2, 2), "11");
}
