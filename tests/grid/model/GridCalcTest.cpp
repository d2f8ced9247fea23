#include "grid/model/GridCalc.h"
#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace {
// Column 0 holds row tags, column 1 the values; "m" in column 0 marks a row that does not count.
struct Table {
    std::vector<QStringList> rows;
    TCalcSource Source() const
    {
        TCalcSource s;
        s.Cells = [this](int c, int r) { return rows[std::size_t(r)].value(c); };
        s.Floats = [this](int c, int r) {
            const QString t = rows[std::size_t(r)].value(c);
            if (t.isEmpty() || t == "-")
                return 0.0;
            bool ok = false;
            const double v = t.toDouble(&ok);
            if (!ok)
                throw std::runtime_error("Cell does not contain a float value");
            return v;
        };
        s.Counted = [this](int, int r) { return rows[std::size_t(r)].value(0) != "m"; };
        return s;
    }
};

Table Column(std::initializer_list<const char*> values)
{
    Table t;
    for (const char* v : values)
        t.rows.push_back({"", v});
    return t;
}
} // namespace

TEST(GridCalc, ColumnAggregatesPassOverTextsAndCountEmptyAsZero)
{
    const Table t = Column({"1", "x", "2.5", ""});
    const TCalcSource s = t.Source();
    EXPECT_DOUBLE_EQ(ColumnSum(s, 1, 0, 3), 3.5);
    EXPECT_DOUBLE_EQ(ColumnAvg(s, 1, 0, 3), 3.5 / 4);
    EXPECT_DOUBLE_EQ(ColumnMax(s, 1, 0, 3), 2.5);
    EXPECT_DOUBLE_EQ(ColumnMin(s, 1, 0, 3), 0.0);
    EXPECT_THROW(ColumnStdDev(s, 1, 0, 3), std::runtime_error);   // every row must be a number
    EXPECT_EQ(ColumnDistinct(s, 1, 0, 3), 4);
}

TEST(GridCalc, MinAndMaxStartFromTheFirstRowUnprotected)
{
    Table a = Column({"5", "3", "x"});
    EXPECT_DOUBLE_EQ(ColumnMin(a.Source(), 1, 0, 2), 3.0);
    EXPECT_DOUBLE_EQ(ColumnMax(a.Source(), 1, 0, 2), 5.0);
    const Table b = Column({"x", "3", "5"});
    EXPECT_THROW(ColumnMin(b.Source(), 1, 0, 2), std::runtime_error);
    EXPECT_THROW(ColumnMax(b.Source(), 1, 0, 2), std::runtime_error);
    Table m = Column({"9", "3", "5"});
    m.rows[0][0] = "m";   // the start value is taken even from a row that does not count
    EXPECT_DOUBLE_EQ(ColumnMax(m.Source(), 1, 0, 2), 9.0);
    EXPECT_DOUBLE_EQ(ColumnSum(m.Source(), 1, 0, 2), 8.0);
}

TEST(GridCalc, RowsThatDoNotCountAreLeftOutButAveragesDivideByTheRange)
{
    Table t = Column({"2", "4", "10"});
    t.rows[2][0] = "m";
    const TCalcSource s = t.Source();
    EXPECT_DOUBLE_EQ(ColumnSum(s, 1, 0, 2), 6.0);
    EXPECT_DOUBLE_EQ(ColumnAvg(s, 1, 0, 2), 2.0);
    EXPECT_DOUBLE_EQ(ColumnMax(s, 1, 0, 2), 4.0);
    // Population deviation around that average, over every row.
    EXPECT_DOUBLE_EQ(ColumnStdDev(s, 1, 0, 2), std::sqrt((0.0 + 4.0 + 64.0) / 3));
}

TEST(GridCalc, StdDevAndDistinctOfSmallTables)
{
    const Table t = Column({"2", "4", "4", "4", "5", "5", "7", "9"});
    EXPECT_DOUBLE_EQ(ColumnStdDev(t.Source(), 1, 0, 7), 2.0);
    EXPECT_DOUBLE_EQ(ColumnStdDev(t.Source(), 1, 3, 3), 0.0);
    EXPECT_EQ(ColumnDistinct(Column({"a", "A", "b", ""}).Source(), 1, 0, 3), 3);
}

TEST(GridCalc, EmptyRanges)
{
    const Table t = Column({"x", "3"});
    const TCalcSource s = t.Source();
    EXPECT_DOUBLE_EQ(ColumnSum(s, 1, 1, 0), 0.0);
    EXPECT_DOUBLE_EQ(ColumnAvg(s, 1, 1, 0), 0.0);
    EXPECT_DOUBLE_EQ(ColumnAvg(s, 1, 1, -3), 0.0);
    EXPECT_DOUBLE_EQ(ColumnStdDev(s, 1, 1, 0), 0.0);    // no rows: no spread
    EXPECT_DOUBLE_EQ(ColumnStdDev(s, 1, 1, -3), 0.0);
    EXPECT_EQ(ColumnDistinct(s, 1, 1, 0), 0);
    EXPECT_DOUBLE_EQ(ColumnMax(s, 1, 1, 0), 3.0);        // the start value, unchanged
}

TEST(GridCalc, RowAggregatesOverCountedCells)
{
    Table t;
    t.rows = {{"1", "x", "6", "-2", "m"}};
    TCalcSource s = t.Source();
    s.Counted = [](int c, int) { return c != 4; };   // column 4 is covered by a merged cell
    EXPECT_DOUBLE_EQ(RowSum(s, 0, 0, 4), 5.0);
    EXPECT_DOUBLE_EQ(RowAvg(s, 0, 0, 4), 1.0);
    EXPECT_DOUBLE_EQ(RowMin(s, 0, 0, 4), -2.0);
    EXPECT_DOUBLE_EQ(RowMax(s, 0, 0, 4), 6.0);
    EXPECT_DOUBLE_EQ(RowAvg(s, 0, 3, 2), 0.0);
    EXPECT_DOUBLE_EQ(RowSum(s, 0, 3, 2), 0.0);
    EXPECT_DOUBLE_EQ(RowMin(s, 0, 2, 1), 6.0);
    EXPECT_THROW(RowMax(s, 0, 1, 3), std::runtime_error);
}

TEST(GridCalc, KindsComputedHereAndThoseLeftToTheGrid)
{
    const Table t = Column({"1", "2", "2", "7"});
    const TCalcSource s = t.Source();
    struct Case { int method; TColumnCalcType kind; std::optional<double> value; };
    const Case cases[] = {
        {1, TColumnCalcType::acSUM, 12.0}, {2, TColumnCalcType::acAVG, 3.0}, {3, TColumnCalcType::acMIN, 1.0},
        {4, TColumnCalcType::acMAX, 7.0}, {5, TColumnCalcType::acCOUNT, std::nullopt},
        {6, TColumnCalcType::acCUSTOM, std::nullopt}, {7, TColumnCalcType::acDISTINCT, 3.0},
        {8, TColumnCalcType::acSTDDEV, std::sqrt(22.0 / 4)}, {0, TColumnCalcType::acNONE, std::nullopt},
        {9, TColumnCalcType::acNONE, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.method);
        EXPECT_EQ(GroupCalcKind(c.method), c.kind);
        const std::optional<double> v = ColumnCalcValue(c.kind, s, 1, 0, 3);
        ASSERT_EQ(v.has_value(), c.value.has_value());
        if (v) {
            EXPECT_DOUBLE_EQ(*v, *c.value);
        }
    }
    EXPECT_FALSE(ColumnCalcValue(TColumnCalcType::acSPREAD, s, 1, 0, 3));
}

TEST(GridCalc, FooterValueLeavesTheFooterRowOut)
{
    // A fixed row, three data rows and the footer row; two more rows hidden (real rows past the shown ones).
    const Table t = Column({"h", "1", "2", "4", "F", "8", "16"});
    const TCalcSource s = t.Source();
    EXPECT_DOUBLE_EQ(*FooterCalcValue(TColumnCalcType::acSUM, s, 1, 1, 5, 0), 7.0);
    EXPECT_DOUBLE_EQ(*FooterCalcValue(TColumnCalcType::acCOUNT, s, 1, 1, 5, 0), 3.0);
    EXPECT_DOUBLE_EQ(*FooterCalcValue(TColumnCalcType::acCOUNT, s, 1, 1, 5, 2), 5.0);
    EXPECT_DOUBLE_EQ(*FooterCalcValue(TColumnCalcType::acMAX, s, 1, 1, 5, 0), 4.0);
    EXPECT_FALSE(FooterCalcValue(TColumnCalcType::acCUSTOM, s, 1, 1, 5, 0));
    EXPECT_FALSE(FooterCalcValue(TColumnCalcType::acNONE, s, 1, 1, 5, 0));
}

TEST(GridCalc, FooterTemplate)
{
    const QStringList row = {"7", "x", "3.50"};
    const auto cell = [&](int c) { return row.value(c); };
    struct Case { const char* in; const char* out; };
    const Case cases[] = {
        {"ID <#0> costs <#2> EUR", "ID 7 costs 3.50 EUR"},
        {"<#2><#0>", "3.507"},
        {"a <#3> b", "a  b"},          // no such column
        {"a <#-1> b", "a  b"},
        {"a <#x> b", "a  b"},          // not a number: dropped
        {"a <#0", "a <#0"},            // never closed: copied as it stands
        {"<#0> and <#1", "7 and <#1"},
        {"plain", "plain"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExpandFooterTemplate(c.in, 3, cell), c.out) << c.in;
}
