#include "grid/core/VxStringGrid.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/interaction/GridDragDrop.h"
#include "support/DropRunner.h"
#include "support/MessageBoxRecorder.h"
#include "support/QStringPrinter.h"
#include <QFile>
#include <QTest>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

static std::ostream& operator<<(std::ostream& os, const TGridRect& r)
{
    return os << "(" << r.Left << "," << r.Top << ")-(" << r.Right << "," << r.Bottom << ")";
}

namespace {

// Five columns, eight rows, one fixed row and column; column headers "H0".."H4", cells "cr" (column, row).
class DropGrid : public TVxStringGrid {
public:
    DropGrid()
    {
        SetColCount(5);
        SetRowCount(8);
        resize(520, 320);
        show();
        for (int c = 0; c < ColCount(); ++c)
            for (int r = 0; r < RowCount(); ++r)
                SetCells(c, r, r == 0 ? QStringLiteral("H%1").arg(c) : QStringLiteral("%1%2").arg(c).arg(r));
        DragDropSettings().SetOleDropTarget(true);
    }
    QPoint At(int c, int r) const
    {
        const TRect rc = CalcCellRect(c, r);
        return QPoint((rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2);
    }
    QStringList Row(int r)
    {
        QStringList cells;
        for (int c = 0; c < ColCount(); ++c)
            cells << Cells(c, r);
        return cells;
    }
    QStringList Column(int c)
    {
        QStringList cells;
        for (int r = 0; r < RowCount(); ++r)
            cells << Cells(c, r);
        return cells;
    }
};

Qt::DropAction DropText(DropGrid& g, QPoint at, const QString& text)
{
    QMimeData data;
    data.setText(text);
    return DeliverDrop(g.viewport(), at, &data, Qt::CopyAction | Qt::MoveAction);
}

Qt::DropAction DropFiles(DropGrid& g, const QStringList& files)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& f : files)
        urls << QUrl::fromLocalFile(f);
    data.setUrls(urls);
    return DeliverDrop(g.viewport(), g.At(2, 2), &data, Qt::CopyAction);
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
    return path;
}

} // namespace

TEST(GridDragDrop, TwoLinesOfTextInsertRowsAndBecomeTheSelection)
{
    DropGrid g;
    g.DragDropSettings().SetOleInsertRows(true);
    g.SetDropSelection(TGridRect{1, 5, 2, 6});   // left from a drag that is not running: stays put
    EXPECT_EQ(DropText(g, g.At(2, 3), QStringLiteral("a\tb\nc")), Qt::MoveAction);
    EXPECT_EQ(g.RowCount(), 10);
    EXPECT_EQ(g.Row(3), (QStringList{"", "", "a", "b", ""}));
    EXPECT_EQ(g.Row(4), (QStringList{"", "", "c", "", ""}));
    EXPECT_EQ(g.Row(5), (QStringList{"03", "13", "23", "33", "43"}));
    EXPECT_EQ(g.Selection(), (TGridRect{2, 3, 3, 4}));
    EXPECT_EQ(g.DropSelection(), (TGridRect{1, 5, 2, 6}));
}

TEST(GridDragDrop, TextBelowTheLastRowIsAppendedWithEntireRows)
{
    DropGrid g;
    g.DragDropSettings().SetOleInsertRows(true);
    g.DragDropSettings().SetOleEntireRows(true);
    g.DragDropSettings().SetOleAppendRows(true);
    const TRect last = g.CalcCellRect(2, g.RowCount() - 1);
    ASSERT_LT(last.Bottom + 10, g.viewport()->height());
    EXPECT_NE(DropText(g, QPoint(last.Left + 5, last.Bottom + 10), QStringLiteral("x\ty")), Qt::IgnoreAction);
    EXPECT_EQ(g.RowCount(), 9);
    EXPECT_EQ(g.Row(8), (QStringList{"", "x", "y", "", ""}));
    EXPECT_EQ(g.Row(7), (QStringList{"07", "17", "27", "37", "47"}));
}

TEST(GridDragDrop, TextAndCellBlocksOnAFixedRowAreRefused)
{
    DropGrid g;
    EXPECT_EQ(DropText(g, g.At(2, 0), QStringLiteral("x")), Qt::IgnoreAction);
    DropGrid source;
    source.SetSelection(TGridRect{1, 1, 2, 1});
    const QByteArray stream = source.SaveRectToBinStream(source.Selection());
    TSourceDataObject block(QString(), &stream, -1, QString());
    DeliverDrop(g.viewport(), g.At(2, 0), &block, Qt::CopyAction);
    EXPECT_EQ(g.Row(0), (QStringList{"H0", "H1", "H2", "H3", "H4"}));
    // The same block lands on a normal row.
    DeliverDrop(g.viewport(), g.At(2, 4), &block, Qt::CopyAction);
    EXPECT_EQ(g.Row(4), (QStringList{"04", "14", "11", "21", "44"}));
}

TEST(GridDragDrop, OneCsvFileIsLoadedOnceTwoFilesNothing)
{
    QTemporaryDir dir;
    const QString csv = WriteFile(dir, "table.xls.csv", "p;\"q;r\"\n\"s\"\"t\";u\n");
    DropGrid g;
    QStringList drops;
    g.OnOleDrop = [&](QObject*, int r, int c, const QString& data, bool&) {
        drops << QStringLiteral("%1,%2,%3").arg(r).arg(c).arg(QFileInfo(data).fileName());
    };
    DropFiles(g, {csv, csv});
    EXPECT_TRUE(drops.isEmpty());
    EXPECT_EQ(g.Cells(1, 1), "11");

    DropFiles(g, {csv});
    EXPECT_EQ(drops, QStringList{"-1,-1,table.xls.csv"});
    EXPECT_EQ(g.RowCount(), 3);
    EXPECT_EQ(g.Row(1), (QStringList{"01", "p", "q;r", "31", "41"}));
    EXPECT_EQ(g.Cells(1, 2), "s\"t");
    EXPECT_EQ(g.Cells(2, 2), "u");
}

// A 15 MB file of empty lines gave 15 million rows, and dropped line breaks inserted as many: what a drop adds
// stops at what a grid takes, and the user is told what was left out.
TEST(GridDragDrop, DropsAddRowsAndColumnsOnlyUpToWhatAGridTakes)
{
    QTemporaryDir dir;
    const QString lines = WriteFile(dir, "lines.csv", QByteArray(Max_Exchange_Rows + 5, '\n'));
    const QString wide = WriteFile(dir, "wide.csv", "a" + QByteArray(Max_Exchange_Cols + 5, ',') + "z\nb\n");
    {
        DropGrid g;
        MessageBoxRecorder boxes;
        DropFiles(g, {lines});
        EXPECT_EQ(g.RowCount(), Max_Exchange_Rows);
        ASSERT_EQ(boxes.texts().size(), 1);
        EXPECT_TRUE(boxes.texts()[0].contains("lines.csv")) << boxes.texts()[0].toStdString();
    }
    {
        DropGrid g;
        MessageBoxRecorder boxes;
        DropFiles(g, {wide});
        EXPECT_EQ(g.RowCount(), 3);
        EXPECT_EQ(g.ColCount(), Max_Exchange_Cols);
        EXPECT_EQ(g.Row(2).mid(0, 2), (QStringList{"02", "b"}));
        EXPECT_EQ(boxes.texts().size(), 1);
    }
    {
        DropGrid g;
        g.DragDropSettings().SetOleInsertRows(true);
        MessageBoxRecorder boxes;
        EXPECT_NE(DropText(g, g.At(2, 3), "x\t" + QString(Max_Exchange_Rows, '\n') + "y"), Qt::IgnoreAction);
        EXPECT_EQ(g.RowCount(), Max_Exchange_Rows);
        EXPECT_EQ(g.Cells(2, 3), "x");
        // The lines without a row of their own are left out, not pasted over the rows after them.
        EXPECT_EQ(g.Row(Max_Exchange_Rows - 5), (QStringList{"03", "13", "23", "33", "43"}));
        EXPECT_EQ(g.Row(Max_Exchange_Rows - 1), (QStringList{"07", "17", "27", "37", "47"}));
        ASSERT_EQ(boxes.texts().size(), 1);
        EXPECT_EQ(boxes.texts()[0], QString("Only %1 of the %2 dropped rows were added: a grid holds at most %3 rows.")
                                        .arg(Max_Exchange_Rows - 8)
                                        .arg(Max_Exchange_Rows + 1)
                                        .arg(Max_Exchange_Rows));
    }
}

TEST(GridDragDrop, AnXlsFileFiresTheDropThenSaysItIsNotRead)
{
    QTemporaryDir dir;
    const QString xls = WriteFile(dir, "book.XLS", "not read");
    DropGrid g;
    int fileEvents = 0, dropEvents = 0;
    g.OnOleDropFile = [&](QObject*, int, int, const QString&, bool&) { ++fileEvents; };
    g.OnOleDrop = [&](QObject*, int, int, const QString&, bool&) { ++dropEvents; };
    MessageBoxRecorder boxes;
    DropFiles(g, {xls});
    EXPECT_EQ(fileEvents, 1);
    EXPECT_EQ(dropEvents, 1);
    ASSERT_EQ(boxes.texts().size(), 1);
    EXPECT_TRUE(boxes.texts().first().contains("book.XLS"));
    EXPECT_TRUE(boxes.texts().first().contains("not read"));
    EXPECT_EQ(g.Cells(1, 1), "11");
}

TEST(GridDragDrop, AnXlsxFileIsLoadedABrokenOneSaysWhy)
{
    QTemporaryDir dir;
    TVxStringGrid book;
    book.SetColCount(2);
    book.SetRowCount(1);
    book.SetCells(0, 0, "x");
    book.SetCells(1, 0, "y");
    book.SaveToXLS(dir.filePath("book.xlsx"), true);
    const QString broken = WriteFile(dir, "broken.xlsx", "PK not a workbook");
    DropGrid g;
    MessageBoxRecorder boxes;
    DropFiles(g, {dir.filePath("book.xlsx")});
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(g.ColCount(), 2);
    EXPECT_EQ(g.Cells(0, 0), "x");
    EXPECT_EQ(g.Cells(1, 0), "y");

    DropFiles(g, {broken});
    EXPECT_EQ(boxes.texts(), QStringList{"\"broken.xlsx\": Incorrect XLS file"});
    EXPECT_EQ(g.Cells(1, 0), "y");
}

TEST(GridDragDrop, ACellBlockDraggedToAnotherGridMovesOrCopies)
{
    for (const bool copyAlways : {false, true}) {
        SCOPED_TRACE(copyAlways);
        DropGrid a, b;
        a.Navigation().SetAllowFmtClipboard(true);
        a.DragDropSettings().SetOleDropSource(true);
        a.DragDropSettings().SetOleCopyAlways(copyAlways);
        a.SetSelection(TGridRect{1, 1, 2, 2});
        TGridRect dropped{};
        b.OnOleDropped = [&](QObject*, const TGridRect& r) { dropped = r; };
        int stopEffect = 0;
        a.OnOleDragStop = [&](QObject*, int effect) { stopEffect = effect; };
        EventDropRunner runner(b.viewport(), b.At(2, 4));
        a.StartOleDrag(1, 1);
        EXPECT_EQ(runner.Drags(), 1);
        EXPECT_EQ(b.Row(4), (QStringList{"04", "14", "11", "21", "44"}));
        EXPECT_EQ(b.Row(5), (QStringList{"05", "15", "12", "22", "45"}));
        EXPECT_EQ(stopEffect, 2);
        const QString left = copyAlways ? QStringLiteral("11") : QString();
        EXPECT_EQ(a.Cells(1, 1), left);
        EXPECT_EQ(a.Cells(2, 2), copyAlways ? QStringLiteral("22") : QString());
        EXPECT_EQ(a.Cells(3, 1), "31");
    }
}

TEST(GridDragDrop, AMoveOntoAnOverlappingTargetKeepsThePastedCells)
{
    for (const bool cellFormat : {false, true}) {
        SCOPED_TRACE(cellFormat);
        DropGrid g;
        g.Navigation().SetAllowFmtClipboard(cellFormat);
        g.DragDropSettings().SetOleDropSource(true);
        g.SetSelection(TGridRect{1, 1, 2, 2});
        EventDropRunner runner(g.viewport(), g.At(2, 2));
        g.StartOleDrag(1, 1);
        EXPECT_EQ(g.Row(1), (QStringList{"01", "", "", "31", "41"}));
        EXPECT_EQ(g.Row(2), (QStringList{"02", "", "11", "21", "42"}));
        EXPECT_EQ(g.Row(3), (QStringList{"03", "13", "12", "22", "43"}));
    }
}

TEST(GridDragDrop, RowsMovedUpWithinTheGridAreRemovedWhereTheyWent)
{
    DropGrid g;
    g.SetOptions(g.Options() | TGridOption::goRowSelect);
    g.DragDropSettings().SetOleDropSource(true);
    g.DragDropSettings().SetOleInsertRows(true);
    g.DragDropSettings().SetOleRemoveRows(true);
    g.SetSelection(TGridRect{1, 5, 4, 5});
    EventDropRunner runner(g.viewport(), g.At(2, 2));
    g.StartOleDrag(5, 1);
    EXPECT_EQ(g.RowCount(), 8);
    EXPECT_EQ(g.Column(1), (QStringList{"H1", "11", "15", "12", "13", "14", "16", "17"}));
    EXPECT_EQ(g.Column(4), (QStringList{"H4", "41", "45", "42", "43", "44", "46", "47"}));
}

TEST(GridDragDrop, ColumnDropsOnTheHeaderOnlyAndPastTheLastColumn)
{
    DropGrid g;
    g.DragDropSettings().SetOleColumnReorder(true);
    int droppedOn = -2;
    g.OnOleDropCol = [&](QObject*, int, int, int target) { droppedOn = target; };
    TSourceDataObject column(QString(), nullptr, 1, QString());
    EXPECT_EQ(DeliverDrop(g.viewport(), g.At(3, 2), &column, Qt::MoveAction), Qt::IgnoreAction);
    EXPECT_EQ(droppedOn, -2);

    EXPECT_NE(DeliverDrop(g.viewport(), g.At(3, 0), &column, Qt::MoveAction), Qt::IgnoreAction);
    EXPECT_EQ(droppedOn, 3);
    EXPECT_EQ(g.Row(0), (QStringList{"H0", "H2", "H3", "H1", "H4"}));

    const TRect last = g.CalcCellRect(4, 0);
    ASSERT_LT(last.Right + 20, g.viewport()->width());
    TSourceDataObject first(QString(), nullptr, 1, QString());   // the column now showing "H2"
    EXPECT_NE(DeliverDrop(g.viewport(), QPoint(last.Right + 20, 10), &first, Qt::MoveAction), Qt::IgnoreAction);
    EXPECT_EQ(droppedOn, 5);
    EXPECT_EQ(g.Cells(g.RealColIndex(4), 0), "H2");
}

TEST(GridDragDrop, SwitchingTheTargetOffStopsDropsAtOnce)
{
    DropGrid g;
    EXPECT_TRUE(g.OleDropTargetAssigned());
    g.DragDropSettings().SetOleDropTarget(false);
    EXPECT_FALSE(g.OleDropTargetAssigned());
    EXPECT_EQ(DropText(g, g.At(2, 3), QStringLiteral("x")), Qt::IgnoreAction);
    EXPECT_EQ(g.Cells(2, 3), "23");
}

TEST(GridExchange, CellStreamRoundTrips)
{
    DropGrid a, b;
    a.SetCells(1, 1, QStringLiteral("line\nbreak\tand tab ü"));
    const QByteArray stream = a.SaveRectToBinStream(TGridRect{1, 1, 2, 7});
    ASSERT_TRUE(b.LoadAtPointFromBinStream(TPoint{3, 4}, stream));
    EXPECT_EQ(b.RowCount(), 11);   // rows are added for the block, columns are not
    EXPECT_EQ(b.Cells(3, 4), a.Cells(1, 1));
    EXPECT_EQ(b.Cells(4, 10), "27");
}

TEST(GridExchange, ClipboardCopyAndPasteOnlyIntoEditableCells)
{
    DropGrid g;
    g.SetSelection(TGridRect{1, 1, 2, 2});
    g.CopySelectionToClipboard();
    EXPECT_EQ(g.SelectedText(), "11\t21\r\n12\t22");
    g.SetSelection(TGridRect{3, 5, 3, 5});
    g.PasteSelectionFromClipboard();   // not editable: nothing pasted
    EXPECT_EQ(g.Cells(3, 5), "35");
    g.Navigation().SetAllowClipboardAlways(true);
    g.PasteSelectionFromClipboard();
    EXPECT_EQ(g.Row(5), (QStringList{"05", "15", "25", "11", "21"}));
    EXPECT_EQ(g.Row(6), (QStringList{"06", "16", "26", "12", "22"}));
}

TEST(GridExchange, MeasureTabText)
{
    EXPECT_EQ(TVxStringGrid::MeasureTabText("a\tb\nc"), (TPoint{2, 1}));
    EXPECT_EQ(TVxStringGrid::MeasureTabText("a"), (TPoint{1, 0}));
    EXPECT_EQ(TVxStringGrid::MeasureTabText("a\t\t\r\nb\r\n"), (TPoint{3, 1}));
}

TEST(GridDragDrop, APressOnTheSelectionThenAMoveOfFourPixelsStartsTheDrag)
{
    DropGrid a, b;
    a.DragDropSettings().SetOleDropSource(true);
    a.SetSelection(TGridRect{1, 1, 2, 2});
    EventDropRunner runner(b.viewport(), b.At(1, 5));
    const QPoint press = a.At(1, 1);
    QTest::mousePress(a.viewport(), Qt::LeftButton, {}, press);
    EXPECT_EQ(a.Selection(), (TGridRect{1, 1, 2, 2}));   // the press keeps the selection for the drag
    QTest::mouseMove(a.viewport(), press + QPoint(3, 0));
    EXPECT_EQ(runner.Drags(), 0);
    QTest::mouseMove(a.viewport(), press + QPoint(4, 0));
    EXPECT_EQ(runner.Drags(), 1);
    QTest::mouseRelease(a.viewport(), Qt::LeftButton, {}, press + QPoint(4, 0));
    EXPECT_EQ(b.Row(5), (QStringList{"05", "11", "21", "35", "45"}));
    EXPECT_EQ(a.Cells(1, 1), "");
}

TEST(GridDragDrop, AClickOnTheSelectionWithoutAMoveSelectsTheCell)
{
    DropGrid a;
    a.DragDropSettings().SetOleDropSource(true);
    a.SetSelection(TGridRect{1, 1, 2, 2});
    QTest::mouseClick(a.viewport(), Qt::LeftButton, {}, a.At(2, 2));
    EXPECT_EQ(a.Selection(), (TGridRect{2, 2, 2, 2}));
}
