#include "grid/core/VxStringGrid.h"
#include "grid/foundation/CellProperties.h"
#include "grid/foundation/GridOptionGroups.h"
#include "support/QStringPrinter.h"
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// An editable grid without fixed cells whose clipboard keys work, shown so that keys reach it.
struct ClipGrid : TVxStringGrid {
    ClipGrid(int Cols, int Rows)
    {
        SetFixedCols(0);
        SetFixedRows(0);
        SetColCount(Cols);
        SetRowCount(Rows);
        SetOptions(Options() | TGridOption::goEditing);
        Navigation().SetAllowClipboardShortCuts(true);
        resize(400, 300);
        show();
    }
    void Fill(const QList<QStringList>& Rows, int Left = 0, int Top = 0)
    {
        for (int r = 0; r < Rows.size(); ++r)
            for (int c = 0; c < Rows[r].size(); ++c)
                SetCells(Left + c, Top + r, Rows[r][c]);
    }
    QStringList Line(int Row, int From, int To)
    {
        QStringList cells;
        for (int c = From; c <= To; ++c)
            cells << Cells(c, Row);
        return cells;
    }
    QStringList Column(int Col, int From, int To)
    {
        QStringList cells;
        for (int r = From; r <= To; ++r)
            cells << Cells(Col, r);
        return cells;
    }
    // Ctrl with a letter, carrying the control character a keyboard gives with it (Ctrl+V is 0x16).
    void Key(int Key)
    {
        QTest::sendKeyEvent(QTest::Click, this, Qt::Key(Key), QString(QChar(Key - Qt::Key_A + 1)), Qt::ControlModifier);
    }
};

QString ClipboardText() { return QGuiApplication::clipboard()->text(); }

void PutText(const QString& Text) { QGuiApplication::clipboard()->setText(Text); }

} // namespace

TEST(VxStringGridClipboard, CopyGivesSpreadsheetText)
{
    ClipGrid g(3, 3);
    g.Fill({{"a", "b", "c"}, {"two\r\nlines", "say \"hi\"", "tab\there"}, {"\"lead", "x", "y"}});
    g.SetSelection(TGridRect{0, 0, 1, 0});
    g.Key(Qt::Key_C);
    EXPECT_EQ(ClipboardText(), "a\tb");   // one row: no line end

    // One quoting step: quotes around, inner quotes doubled, each line break one LF.
    g.SetSelection(TGridRect{0, 1, 2, 2});
    g.Key(Qt::Key_C);
    EXPECT_EQ(ClipboardText(), "\"two\nlines\"\tsay \"hi\"\t\"tab\there\"\r\n\"\"\"lead\"\tx\ty\r\n");

    g.SetExcelClipboardFormat(true);   // old spreadsheets take a vertical tab for the line break
    g.SetSelection(TGridRect{0, 1, 0, 1});
    g.Key(Qt::Key_C);
    EXPECT_EQ(ClipboardText(), "\"two\x0blines\"");
}

TEST(VxStringGridClipboard, RoundTripThroughTheClipboardKeepsEveryText)
{
    const QList<QStringList> cells = {{"two\r\nlines", "say \"hi\"", "tab\there"}, {"\"lead", "", "Grüße €"}};
    ClipGrid a(3, 2), b(5, 4);
    a.Fill(cells);
    a.SetSelection(TGridRect{0, 0, 2, 1});
    a.Key(Qt::Key_C);
    b.SetSelection(TGridRect{1, 1, 1, 1});
    b.Key(Qt::Key_V);
    EXPECT_EQ(b.Line(1, 1, 3), cells[0]);
    EXPECT_EQ(b.Line(2, 1, 3), cells[1]);
    EXPECT_EQ(b.Cells(1, 3), "");   // the final line break opens no row
}

TEST(VxStringGridClipboard, PasteOfSpreadsheetText)
{
    ClipGrid g(2, 2);
    // As a spreadsheet puts it: quoted cells with line breaks and doubled quotes, CR LF or LF after rows.
    PutText("\"multi\nline\"\t\"say \"\"hi\"\"\"\nplain\t\"odd\r\n");
    g.SetSelection(TGridRect{0, 0, 0, 0});
    g.PasteSelectionFromClipboard();
    EXPECT_EQ(g.Line(0, 0, 1), (QStringList{"multi\r\nline", "say \"hi\""}));
    EXPECT_EQ(g.Line(1, 0, 1), (QStringList{"plain", "\"odd"}));   // a quote without its partner is text
}

TEST(VxStringGridClipboard, PasteGrowsOrStopsAtTheEdge)
{
    for (const bool grow : {true, false}) {
        SCOPED_TRACE(grow);
        ClipGrid g(2, 3);
        g.Navigation().SetAllowClipboardRowGrow(grow);
        g.Navigation().SetAllowClipboardColGrow(grow);
        PutText("1\t2\t3\r\n4\t5\t6\r\n7\t8\t9\r\n");
        g.SetSelection(TGridRect{0, 2, 0, 2});
        g.PasteSelectionFromClipboard();
        EXPECT_EQ(g.RowCount(), grow ? 5 : 3);
        EXPECT_EQ(g.ColCount(), grow ? 3 : 2);
        EXPECT_EQ(g.Cells(1, 2), "2");
        EXPECT_EQ(g.Cells(0, 4), grow ? "7" : "");
    }
}

TEST(VxStringGridClipboard, EditabilityVetoAndInsert)
{
    ClipGrid g(2, 3);
    g.Fill({{"r0", "keep"}});
    g.OnCanEditCell = [](QObject*, int ARow, int ACol, bool& CanEdit) { CanEdit = !(ACol == 1 && ARow == 0); };
    QStringList after;
    g.OnClipboardBeforePasteCell = [](QObject*, int ACol, int, QString& Value, bool& Allow) {
        Allow = Value != "no";
        if (ACol == 0)
            Value = Value.toUpper();
    };
    g.OnClipboardAfterPasteCell = [&](QObject*, int ACol, int ARow, const QString& Value) {
        after << QStringLiteral("%1,%2:%3").arg(ACol).arg(ARow).arg(Value);
    };
    PutText("a\tb\r\nno\tc\r\n");
    g.SetSelection(TGridRect{0, 0, 0, 0});
    g.PasteSelectionFromClipboard();
    EXPECT_EQ(g.Line(0, 0, 1), (QStringList{"A", "keep"}));   // (1, 0) is read-only
    EXPECT_EQ(g.Line(1, 0, 1), (QStringList{"", "c"}));       // "no" is vetoed
    EXPECT_EQ(after, (QStringList{"0,0:A", "1,1:c"}));

    g.OnClipboardBeforePasteCell = nullptr;
    g.Navigation().SetClipboardPasteAction(TClipboardPasteAction::paInsert);
    PutText("x\r\ny\r\n");
    g.SetSelection(TGridRect{0, 1, 0, 1});
    g.PasteSelectionFromClipboard();
    EXPECT_EQ(g.Column(0, 0, 4), (QStringList{"A", "x", "y", "", ""}));   // two rows inserted before row 1
}

TEST(VxStringGridClipboard, CutLeavesReadOnlyCells)
{
    ClipGrid g(2, 1);
    g.Fill({{"a", "b"}});
    g.OnCanEditCell = [](QObject*, int, int ACol, bool& CanEdit) { CanEdit = ACol == 0; };
    g.SetSelection(TGridRect{0, 0, 1, 0});
    g.Key(Qt::Key_X);
    EXPECT_EQ(ClipboardText(), "a\tb");
    EXPECT_EQ(g.Line(0, 0, 1), (QStringList{"", "b"}));
}

TEST(VxStringGridClipboard, SmartFill)
{
    struct Case {
        const char* what;
        QString text;
        TGridRect sel;
        QStringList filled;   // the selection's cells, row by row
    };
    const Case cases[] = {
        {"one value fills all", "1", {0, 0, 0, 4}, {"1", "1", "1", "1", "1"}},
        {"integers continue", "1\r\n3\r\n", {0, 0, 0, 4}, {"1", "3", "5", "7", "9"}},
        {"a one-row block repeats by its width", "a\tb", {0, 0, 3, 0}, {"a", "b", "a", "b"}},
        {"a column block repeats by its height", "a\r\nb\r\nc\r\n", {0, 0, 0, 4}, {"a", "b", "c", "a", "b"}},
        {"one line into several rows", "p\tq", {0, 0, 1, 2}, {"p", "q", "p", "q", "p", "q"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ClipGrid g(4, 5);
        g.Navigation().SetAllowSmartClipboard(true);
        PutText(c.text);
        g.SetSelection(c.sel);
        g.Key(Qt::Key_V);
        QStringList got;
        for (int r = c.sel.Top; r <= c.sel.Bottom; ++r)
            got << g.Line(r, c.sel.Left, c.sel.Right);
        EXPECT_EQ(got, c.filled);
    }
}

TEST(VxStringGridClipboard, OwnFormatCarriesColoursBetweenGrids)
{
    ClipGrid a(2, 2), b(3, 3);
    a.Navigation().SetAllowFmtClipboard(true);
    b.Navigation().SetAllowFmtClipboard(true);
    a.Fill({{"red", "plain"}});
    a.GetCellProperties(0, 0)->SetBrushColor(0x0000FF);
    a.SetSelection(TGridRect{0, 0, 1, 0});
    a.Key(Qt::Key_C);
    EXPECT_EQ(ClipboardText(), "red\tplain");   // other programs still get the text
    b.SetSelection(TGridRect{1, 2, 1, 2});
    b.Key(Qt::Key_V);
    EXPECT_EQ(b.Line(2, 1, 2), (QStringList{"red", "plain"}));
    ASSERT_TRUE(b.HasCellProperties(1, 2));
    EXPECT_EQ(b.GetCellProperties(1, 2)->BrushColor(), TColor(0x0000FF));
}
