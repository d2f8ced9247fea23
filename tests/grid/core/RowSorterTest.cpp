#include "grid/core/RowSorter.h"
#include "grid/model/IntList.h"
#include "support/LocaleScope.h"
#include <gtest/gtest.h>
#include <map>
#include <random>

namespace {

// Rows of cell texts; a column may be given a format, check boxes or be ignored.
class TableSource : public TSortCellSource {
public:
    explicit TableSource(std::vector<QStringList> rows) : Rows(std::move(rows)) {}
    int SortColCount() const override { return Rows.empty() ? 0 : int(Rows[0].size()); }
    QString SortCellText(int c, int r) const override
    {
        ++Reads;
        return Rows[std::size_t(r)][c];
    }
    void SortColFormat(int c, TSortStyle& style, QString& prefix, QString& suffix) const override
    {
        const auto f = Formats.find(c);
        if (f == Formats.end())
            return;
        style = f->second.style;
        prefix = f->second.prefix;
        suffix = f->second.suffix;
    }
    bool SortIsIgnoredColumn(int c) const override { return c == Ignored; }

    struct Format { TSortStyle style; QString prefix, suffix; };
    std::vector<QStringList> Rows;
    std::map<int, Format> Formats;
    int Ignored = -1;
    mutable int Reads = 0;
};

class FakeHost : public TSortSettingsHost {
public:
    int SortHostFixedRows() const override { return FixedRows; }
    TSortIndexList& SortHostIndexes() override { return Indexes; }
    void SortHostRepaint(int) override {}
    void SortHostSort(bool indexed) override { Sorts << (indexed ? "indexed" : "column"); }
    int FixedRows = 1;
    TSortIndexList Indexes;
    QStringList Sorts;
};

// The texts of column c in the order a permutation gives.
QStringList Column(const TableSource& t, const std::vector<int>& perm, int c)
{
    QStringList out;
    for (int r : perm)
        out << t.Rows[std::size_t(r)][c];
    return out;
}

struct RecognitionCase {
    const char* s1;
    const char* s2;
    int expected;
    const char* why;
};

void CheckRecognition(const RecognitionCase* cases, std::size_t n)
{
    FakeHost host;
    TSortSettings settings(host);
    for (std::size_t i = 0; i < n; ++i) {
        const RecognitionCase& c = cases[i];
        SCOPED_TRACE(std::string(c.s1) + " vs " + c.s2 + ": " + c.why);
        TableSource t({{QString::fromUtf8(c.s1)}, {QString::fromUtf8(c.s2)}});
        TRowSorter sorter(t, settings);
        EXPECT_EQ(sorter.CompareCells(0, 0, 1, TSortDirection::sdAscending), c.expected);
    }
}

} // namespace

TEST(RowSorterRecognition, WithDotDecimalsAndSlashDates)
{
    auto locale = DotDecimals();
    const RecognitionCase cases[] = {
        {"10", "9", 1, "numbers"},
        {"10a", "9", -1, "text"},
        {"10.5", "9.75", 1, "decimal numbers"},
        {"-3", "2", -1, "negative number"},
        {"1e3", "999", 1, "exponent"},
        {"abc", "5", 1, "row 1 decides: text"},
        {"5", "abc", 1, "row 1 decides: number, abc counts 0"},
        {"1/2/2020", "3/4/2019", 1, "dates month first"},
        {"2020/1/2", "3/4/2019", -1, "separator at 5: text"},
        {"1/2/2020 10:00", "1/2/2020 9:00", 1, "date and time"},
        {"9:30", "10:15", -1, "times"},
        {"9:30", "10", 1, "no time separator in row 2: text"},
        {"b", "B", 1, "case counts"},
    };
    CheckRecognition(cases, std::size(cases));
}

TEST(RowSorterRecognition, WithCommaDecimalsAndDotDates)
{
    auto locale = CommaDecimals();
    const RecognitionCase cases[] = {
        {"10,5", "9,75", 1, "decimal comma"},
        {"1.234,5", "999", 1, "thousands: 1.234,5 is a number, read as 12345"},
        {"01.02.2020", "15.01.2020", 1, "dates day first"},
        {"x1,5", "1,25", 1, "text"},
    };
    CheckRecognition(cases, std::size(cases));
}

TEST(RowSorterCompare, FormatsPrefixesBlanksAndFallbacks)
{
    auto locale = DotDecimals();
    FakeHost host;
    TSortSettings settings(host);
    TableSource t({{"$1,234.50", "12.5x", "abc", ""}, {"$999", "100", "ABD", "x"}});
    t.Formats[0] = {TSortStyle::ssFinancial, "$", ""};
    t.Formats[1] = {TSortStyle::ssNumeric, "", ""};
    t.Formats[2] = {TSortStyle::ssAlphaNoCase, "", ""};
    TRowSorter sorter(t, settings);
    EXPECT_EQ(sorter.CompareCells(0, 0, 1, TSortDirection::sdAscending), 1);    // 1234.5 > 999
    EXPECT_EQ(sorter.CompareCells(1, 0, 1, TSortDirection::sdAscending), 1);    // 12.5x counts 125
    EXPECT_EQ(sorter.CompareCells(2, 0, 1, TSortDirection::sdAscending), -1);   // ABC < ABD

    settings.SetIgnoreBlanks(true);
    settings.SetBlankPos(TSortBlankPosition::blLast);
    TRowSorter blanks(t, settings);
    EXPECT_EQ(blanks.CompareCells(3, 0, 1, TSortDirection::sdAscending), 1);
    EXPECT_EQ(blanks.CompareCells(3, 0, 1, TSortDirection::sdDescending), -1);

    // Full: a tie goes to the next column; without it the rows are equal.
    TableSource tie({{"a", "2"}, {"a", "1"}});
    TRowSorter full(tie, settings);
    EXPECT_EQ(full.CompareRowsByColumn(0, 0, 1), 1);
    settings.SetFull(false);
    TRowSorter single(tie, settings);
    EXPECT_EQ(single.CompareRowsByColumn(0, 0, 1), 0);

    TSortIndexList descending;
    descending.AddIndex(1, false);
    EXPECT_EQ(single.CompareRowsByIndex(descending, 0, 0, 1), -1);
}

TEST(RowSorterSort, TwoColumnsWithMixedFormats)
{
    auto locale = DotDecimals();
    FakeHost host;
    TSortSettings settings(host);
    TableSource t({{"b", "10"}, {"a", "9"}, {"b", "9.5"}, {"a", "100"}, {"a", "20"}});
    TSortIndexList indexes;
    indexes.AddIndex(0, true);    // text up
    indexes.AddIndex(1, false);   // numbers down
    TRowSorter sorter(t, settings);
    const std::vector<int> perm = sorter.SortByIndexes(indexes, 0, 4);
    EXPECT_EQ(Column(t, perm, 0), (QStringList{"a", "a", "a", "b", "b"}));
    EXPECT_EQ(Column(t, perm, 1), (QStringList{"100", "20", "9", "10", "9.5"}));

    // One column, descending, over a part of the rows only.
    settings.SetDirection(TSortDirection::sdDescending);
    TRowSorter part(t, settings);
    EXPECT_EQ(part.SortByColumn(1, 1, 3), (std::vector<int>{3, 2, 1}));
}

TEST(RowSorterSort, StableAndEachCellReadOnce)
{
    FakeHost host;
    TSortSettings settings(host);
    settings.SetFull(false);
    std::mt19937 rng(3);
    std::vector<QStringList> rows;
    for (int i = 0; i < 1000; ++i)
        rows.push_back({QString::number(rng() % 7), QString::number(i)});
    TableSource t(rows);
    for (TSortDirection direction : {TSortDirection::sdAscending, TSortDirection::sdDescending}) {
        settings.SetDirection(direction);
        t.Reads = 0;
        TRowSorter sorter(t, settings);
        const std::vector<int> perm = sorter.SortByColumn(0, 0, 999);
        EXPECT_EQ(t.Reads, 1000);
        std::vector<int> expected(1000);
        std::iota(expected.begin(), expected.end(), 0);
        std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
            const int ka = rows[std::size_t(a)][0].toInt(), kb = rows[std::size_t(b)][0].toInt();
            return direction == TSortDirection::sdAscending ? ka < kb : ka > kb;
        });
        EXPECT_EQ(perm, expected);
    }
}

TEST(RowSorterSort, IgnoredColumnAndBlanksLastBothWays)
{
    FakeHost host;
    TSortSettings settings(host);
    TableSource t({{"3"}, {""}, {"1"}, {""}, {"2"}});
    t.Ignored = 0;
    EXPECT_EQ(TRowSorter(t, settings).SortByColumn(0, 0, 4), (std::vector<int>{0, 1, 2, 3, 4}));
    t.Ignored = -1;
    settings.SetIgnoreBlanks(true);
    settings.SetBlankPos(TSortBlankPosition::blLast);
    EXPECT_EQ(Column(t, TRowSorter(t, settings).SortByColumn(0, 0, 4), 0), (QStringList{"1", "2", "3", "", ""}));
    settings.SetDirection(TSortDirection::sdDescending);
    EXPECT_EQ(Column(t, TRowSorter(t, settings).SortByColumn(0, 0, 4), 0), (QStringList{"3", "2", "1", "", ""}));
}

TEST(RowSorterSort, UnSortRestoresTheOrderBeforeTheSorts)
{
    FakeHost host;
    TSortSettings settings(host);
    std::vector<QStringList> rows = {{"c", "2"}, {"a", "3"}, {"b", "1"}, {"a", "0"}};
    const std::vector<QStringList> original = rows;
    TSortXRef xref;
    xref.EnsureCount(4);
    for (int col : {0, 1}) {
        TableSource t(rows);
        const std::vector<int> perm = TRowSorter(t, settings).SortByColumn(col, 1, 3);   // row 0 stays
        ApplyRowPermutation(rows, perm, 1);
        xref.Apply(perm, 1);
    }
    EXPECT_EQ(rows[1][1], "0");
    const std::vector<int> back = xref.UnSortPermutation();
    ApplyRowPermutation(rows, back, 0);
    xref.Apply(back, 0);
    EXPECT_EQ(rows, original);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(xref.Items(i), i);
    xref.EnsureCount(5);   // the row count changed: a new start
    EXPECT_EQ(xref.Items(4), 4);
}

TEST(SortSettings, TextFormRoundTrip)
{
    FakeHost host;
    TSortSettings settings(host);
    EXPECT_EQ(settings.SaveToString(), "u-1");
    const char* texts[] = {"u3", "d7", "u-1", "i;u2;d5"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        FakeHost h;
        TSortSettings s(h);
        s.LoadFromString(text);
        EXPECT_EQ(s.SaveToString(), text);
        EXPECT_TRUE(s.Show());
        EXPECT_EQ(h.Sorts, QStringList{text[0] == 'i' ? "indexed" : "column"});
    }
    settings.LoadFromString("d7");
    EXPECT_EQ(settings.Column(), 7);
    EXPECT_EQ(settings.Direction(), TSortDirection::sdDescending);
    EXPECT_FALSE(settings.IndexShow());

    FakeHost h;
    TSortSettings indexOnly(h);
    indexOnly.LoadFromString("i;");
    EXPECT_TRUE(indexOnly.IndexShow());
    EXPECT_TRUE(h.Sorts.isEmpty());
    indexOnly.LoadFromString("");   // nothing at all
    EXPECT_TRUE(h.Sorts.isEmpty());
}

TEST(SortSettings, BadTextIsRefusedWithNothingChanged)
{
    FakeHost host;
    TSortSettings settings(host);
    settings.LoadFromString("i;u2;d5");
    settings.SetColumn(4);
    host.Sorts.clear();
    for (const char* bad : {"x", "u", "uabc", "d2x", "u-2", "i;x", "i;;"}) {
        SCOPED_TRACE(bad);
        settings.SetShow(false);
        try {
            settings.LoadFromString(bad);
            ADD_FAILURE() << "accepted";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "Invalid sort settings specifier");
        }
        EXPECT_FALSE(settings.Show());
        EXPECT_TRUE(settings.IndexShow());
        EXPECT_EQ(settings.Column(), 4);
        EXPECT_EQ(settings.Direction(), TSortDirection::sdAscending);
        EXPECT_EQ(host.Indexes.SaveToString(), "u2;d5");
        EXPECT_TRUE(host.Sorts.isEmpty());
    }
    EXPECT_THROW(settings.SetRow(1), std::runtime_error);
    settings.SetRow(0);
    EXPECT_EQ(settings.Row(), 0);
}

// The sort reads a compact copy of the sort column where it can; its order must be the one the cell
// comparison gives, for columns of numbers, plain texts (with and without case), texts sharing long heads, and
// numbers with a blank (which the compact copy does not take).
TEST(RowSorterSort, SameOrderAsTheCellComparison)
{
    auto locale = DotDecimals();
    std::mt19937 rng(11);
    std::vector<QStringList> rows;
    for (int i = 0; i < 300; ++i) {
        QString word;
        for (int k = 0; k < 1 + int(rng() % 3); ++k)
            word += QChar(u"aAbB\u00e9"[rng() % 5]);
        rows.push_back({QString::number(int(rng() % 2000) - 1000) + "." + QString::number(rng() % 10), word,
                        QStringLiteral("Item %1").arg(rng() % 50), i == 7 ? QString() : QString::number(rng() % 9)});
    }
    TableSource t(rows);
    for (bool ignoreCase : {false, true})
        for (int col = 0; col < 4; ++col) {
            SCOPED_TRACE(testing::Message() << "column " << col << " ignore case " << ignoreCase);
            FakeHost host;
            TSortSettings settings(host);
            settings.SetIgnoreCase(ignoreCase);
            TRowSorter reference(t, settings);
            std::vector<int> expected(rows.size());
            std::iota(expected.begin(), expected.end(), 0);
            std::stable_sort(expected.begin(), expected.end(),
                             [&](int a, int b) { return reference.CompareRowsByColumn(col, a, b) < 0; });
            EXPECT_EQ(TRowSorter(t, settings).SortByColumn(col, 0, int(rows.size()) - 1), expected);
        }
}

TEST(RowSorterSort, ASecondSortReadsTheRowsAsTheyStandAfterTheFirst)
{
    FakeHost host;
    TSortSettings settings(host);
    TableSource t({{"b", "1"}, {"a", "2"}, {"c", "0"}});
    TRowSorter sorter(t, settings);
    const std::vector<int> first = sorter.SortByColumn(0, 0, 2);
    EXPECT_EQ(first, (std::vector<int>{1, 0, 2}));
    ApplyRowPermutation(t.Rows, first, 0);
    EXPECT_EQ(sorter.SortByColumn(0, 0, 2), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(sorter.CompareCells(0, 0, 1, TSortDirection::sdAscending), -1);   // "a" now stands first
}
