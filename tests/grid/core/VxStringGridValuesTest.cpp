#include "grid/model/GridGrouping.h"
#include "grid/core/VxGridError.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/CellChecker.h"
#include "grid/model/GridText.h"
#include "grid/model/IntList.h"
#include "support/QStringPrinter.h"
#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {
struct IntCase {
    const char* text;
    bool valid;
    int value;
};
const IntCase kIntCases[] = {
    {" 42 ", true, 42}, {"", true, 0},       {"-", true, 0},       {"<b>7</b>", true, 7}, {"-13", true, -13},
    {"$1F", true, 31},  {"0x10", true, 16},  {"12ab", false, 0},   {"4 2", false, 0},     {"99999999999", false, 0},
};
} // namespace

TEST(VxStringGridValues, IntegersReadFromTheStrippedTrimmedText)
{
    TVxStringGrid g;
    for (const IntCase& c : kIntCases) {
        SCOPED_TRACE(c.text);
        g.SetCells(1, 1, QString::fromLatin1(c.text));
        if (c.valid)
            EXPECT_EQ(g.Ints(1, 1), c.value);
        else
            EXPECT_THROW(g.Ints(1, 1), EVxGridError);
    }
    g.SetCells(1, 1, "<b>7</b>");
    EXPECT_THROW(g.AllInts(1, 1), EVxGridError) << "the real-row form keeps the tags";
    g.SetInts(2, 2, -5);
    EXPECT_EQ(g.Cells(2, 2), "-5");
}

TEST(VxStringGridValues, FloatsDatesAndTimes)
{
    TVxStringGrid g;
    const QString sep = DecimalSeparatorChar();
    g.SetFloats(1, 1, 3.14159);
    EXPECT_EQ(g.Cells(1, 1), "3" + sep + "14");
    EXPECT_DOUBLE_EQ(g.Floats(1, 1), 3.14);
    g.SetCells(1, 2, "(" + QString("1") + ThousandSeparatorChar() + "234" + sep + "50)");
    EXPECT_DOUBLE_EQ(g.Floats(1, 2), -1234.5);
    g.SetCells(1, 3, "");
    EXPECT_DOUBLE_EQ(g.Floats(1, 3), 0);
    g.SetCells(1, 3, "abc");
    EXPECT_DOUBLE_EQ(g.Floats(1, 3), 0) << "no number in the text";
    g.SetCells(1, 3, "1" + sep + "2" + sep + "3");
    EXPECT_THROW(g.Floats(1, 3), EVxGridError);

    g.SetShowNullDates(false);
    g.SetCells(2, 1, "x");
    g.SetDates(2, 1, 0);
    EXPECT_EQ(g.Cells(2, 1), "");
    const TDateTime day = 45000;   // a whole day: the date part only
    g.SetDates(2, 1, day);
    EXPECT_DOUBLE_EQ(g.Dates(2, 1), day);
    g.SetTimes(2, 2, 0.5);
    EXPECT_DOUBLE_EQ(g.Times(2, 2), 0.5);
    g.SetCells(2, 3, "no date");
    EXPECT_THROW(g.Dates(2, 3), EConvertError);
    EXPECT_THROW(g.Times(2, 3), EConvertError);

    g.SetCells(3, 1, "Name <CONTROL TYPE=\"EDIT\" ID=\"ed\" VALUE=\"old\" WIDTH=\"40\">");
    EXPECT_EQ(g.ControlValues(3, 1, "ed"), "old");
    g.SetCtrlVal(3, 1, "ed", "new");
    EXPECT_EQ(g.ControlValues(3, 1, "ed"), "new");
    const QString before = g.Cells(3, 1);
    g.SetCtrlVal(3, 1, "none", "x");
    EXPECT_EQ(g.Cells(3, 1), before);
}

TEST(VxStringGridValues, FillsAndAFormatOfOtherValuesIsRefused)
{
    TVxStringGrid g;
    g.SetColCount(3);
    g.SetRowCount(3);
    int loaded = 0;
    struct Counting : TVxStringGrid {
        int* count;
        explicit Counting(int* c) : count(c) {}
        void CellsLoaded() override { ++*count; }
    } counted(&loaded);
    counted.SetColCount(3);
    counted.SetRowCount(3);
    counted.LinearFill(false);
    EXPECT_EQ(counted.Cells(1, 1), "1:1");
    EXPECT_EQ(counted.Cells(2, 2), "2:2");
    EXPECT_EQ(counted.Cells(0, 0), "") << "fixed cells stay without DoFixed";
    EXPECT_EQ(loaded, 1);

    g.FormatFill(true, "c%d r%02d");
    EXPECT_EQ(g.Cells(0, 0), "c0 r00");
    EXPECT_EQ(g.Cells(2, 1), "c2 r01");
    // A format that names a text would read what is not there.
    EXPECT_THROW(g.FormatFill(true, "%s"), EConvertError);
    g.SetFloatFormat("%s");
    EXPECT_THROW(g.SetFloats(1, 1, 1.5), EConvertError);
    g.RandomFill(false, 3);
    for (int r = 1; r < 3; ++r)
        for (int c = 1; c < 3; ++c)
            EXPECT_TRUE(QStringList({"0", "1", "2"}).contains(g.Cells(c, r)));
}

TEST(VxStringGridValues, DisplayTextShowsLinksAndGroupCountsWithoutStoringThem)
{
    TVxStringGrid g;
    g.SetColCount(3);
    g.SetRowCount(8);
    g.SetCells(2, 1, "see www.example.com now");
    g.SetURLShowInText(true);
    EXPECT_EQ(g.Cells(2, 1), "see <a href=\"www.example.com\">www.example.com</a> now");
    EXPECT_EQ(g.AllGridCells(2, 1), "see www.example.com now");

    g.SetCells(1, 2, "Group");
    g.AddNode(2, 4);
    g.Grouping().SetShowGroupCount(true);
    EXPECT_EQ(g.Cells(1, 2), "Group (3)");
    g.Grouping().SetGroupCountFormat(" [%d rows]");
    EXPECT_EQ(g.Cells(1, 2), "Group [3 rows]");
    EXPECT_EQ(g.AllGridCells(1, 2), "Group");

    // Highlighting stores the cells' own texts, not the links and counts shown.
    g.HilightInGrid(false, false, "now");
    EXPECT_EQ(g.AllGridCells(2, 1), "see www.example.com <hi>now</hi>");
    EXPECT_EQ(g.AllGridCells(1, 2), "Group");
    g.UnHilightInGrid(false);
    EXPECT_EQ(g.AllGridCells(2, 1), "see www.example.com now");
}

TEST(VxStringGridHeaders, HeaderListsFillTheFirstRowAndColumn)
{
    TVxStringGrid g;
    g.SetColCount(5);
    g.SetColumnHeaders({"A", "Two\\nlines", "C"});
    EXPECT_EQ(g.Cells(1, 0), "Two\rlines");
    g.SetCells(3, 0, "kept");
    g.ShowColumnHeaders();
    EXPECT_EQ(g.Cells(3, 0), "kept") << "columns past the entries keep their text";
    g.SetRowHeaders({"", "r1", "r2"});
    EXPECT_EQ(g.Cells(0, 2), "r2");

    TVxStringGrid none;
    none.SetFixedRows(0);
    none.SetCells(1, 0, "data");
    none.SetColumnHeaders({"A", "B"});
    EXPECT_EQ(none.Cells(1, 0), "data");

    EXPECT_THROW(g.PrintColWidth(512), EVxGridError);
    EXPECT_THROW(g.PrintColOffset(-1), EVxGridError);
    g.SetPrintColMetrics(511, 80, 7);
    EXPECT_EQ(g.PrintColWidth(511), 80);
    EXPECT_EQ(g.PrintColOffset(511), 7);

    QStringList items{"x"};
    g.SetLookupItems(&items);
    g.SetLookupItems(nullptr);
    EXPECT_EQ(g.LookupItems(), items);
}

TEST(VxStringGridHeaders, ListedColumnsMergeAnewWhenTheListChanges)
{
    TVxStringGrid g;
    g.SetColCount(3);
    g.SetRowCount(5);
    for (int r = 1; r < 5; ++r)
        g.SetCells(1, r, r < 4 ? "same" : "other");
    g.MergedColumns().Add(1);
    EXPECT_TRUE(g.IsMergedCell(1, 1));
    EXPECT_EQ(g.CellSpan(1, 1).Y, 2);
    g.MergedColumns().Delete(0);
    EXPECT_FALSE(g.IsMergedCell(1, 1));
}

namespace {
class Checker : public ZEvuZudedoZadaRudiv {
public:
    QStringList seen;
    int starts = 0;
    int stops = 0;
    QString Correct(int, int, const QString& s) override { return s.trimmed(); }
    QString MarkError(int, int, const QString& s) override
    {
        seen << s;
        return s.contains("bad") ? "<e>" + s + "</e>" : s;
    }
    void StartCheck() override { ++starts; }
    void StopCheck() override { ++stops; }
};
} // namespace

TEST(VxStringGridHeaders, CheckerSeesUnmarkedTextsAndChecksEveryCell)
{
    TVxStringGrid g;
    g.SetColCount(3);
    g.SetRowCount(3);
    EXPECT_TRUE(g.CheckGrid(false)) << "no checker";
    Checker checker;
    checker.SetUseCorrect(true);
    checker.SetUseMarkError(true);
    g.SetCellChecker(&checker);
    g.SetCells(1, 1, "<e>bad</e> one");
    g.SetCells(2, 1, "fine");
    g.SetCells(1, 2, " padded ");
    g.SetCells(2, 2, "bad two");
    EXPECT_FALSE(g.CheckGrid(false));
    EXPECT_EQ(checker.seen, QStringList({"bad one", "fine", " padded ", "bad two"}));
    EXPECT_EQ(g.Cells(1, 1), "<e>bad one</e>") << "the marked text wins over the correction";
    EXPECT_EQ(g.Cells(1, 2), " padded ");
    EXPECT_EQ(checker.starts, 1);
    EXPECT_EQ(checker.stops, 1);
    g.SetCells(1, 1, "ok");
    EXPECT_TRUE(g.CheckCell(1, 1));
}

// Auto-size measures with the font the cell is painted with, its own font properties included.
TEST(VxStringGridValues, AutoSizeMeasuresWithTheCellsPaintedFont)
{
    TVxStringGrid g;
    g.SetColCount(3);
    g.SetRowCount(2);
    g.SetCells(1, 1, "Measured text");
    g.SetCells(2, 1, "Measured text");
    TFont big = g.Font();
    big.SetSize(g.Font().Size() * 3);
    g.SetFonts(2, 1, big);
    g.AutoSizeCol(1, 0);
    g.AutoSizeCol(2, 0);
    const int plain = QFontMetrics(g.Font().toQFont()).horizontalAdvance("Measured text");
    const int large = QFontMetrics(big.toQFont()).horizontalAdvance("Measured text");
    EXPECT_GE(g.ColWidths(1), plain);
    EXPECT_LT(g.ColWidths(1), large);
    EXPECT_GE(g.ColWidths(2), large);
}
