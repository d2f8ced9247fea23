#include "grid/model/RowFilter.h"
#include "grid/model/GridText.h"
#include <QStringList>
#include <gtest/gtest.h>
#include <map>

namespace {
// A grid as a list of display rows. Rows parked by a filter level are kept per level, rows hidden one by one
// apart from them, as the string grid keeps them.
class TableHost : public TFilterHost {
public:
    std::vector<QStringList> Rows;
    int Fixed = 1;
    int Footers = 0;
    std::map<int, std::vector<QStringList>> Parked;
    std::vector<QStringList> HiddenOneByOne;

    int FixedRows() const override { return Fixed; }
    void SetFixedRows(int Value) override { Fixed = Value; }
    int RowCount() const override { return int(Rows.size()); }
    int FixedFooters() const override { return Footers; }
    int ColCount() const override { return Rows.empty() ? 0 : int(Rows[0].size()); }
    QString FilterCellText(TFilterCells Data, int Col, int Row) const override
    {
        const QString raw = Rows[std::size_t(Row)].value(Col);
        return Data == TFilterCells::fcVirtual ? raw.toUpper() : raw;   // the shown text differs from the stored
    }
    bool IsNodeOrSummaryRow(int Row) const override { return Rows[std::size_t(Row)].value(0) == "N"; }
    void HideFilterLevel(const std::vector<int>& Hide, int Level) override
    {
        ASSERT_EQ(Parked.count(Level), 0u);
        std::vector<QStringList> kept;
        auto& parked = Parked[Level];
        std::size_t h = 0;
        for (int r = 0; r < RowCount(); ++r) {
            if (h < Hide.size() && Hide[h] == r) {
                parked.push_back(Rows[std::size_t(r)]);
                ++h;
            } else {
                kept.push_back(Rows[std::size_t(r)]);
            }
        }
        Rows = kept;
    }
    void UnHideFilterLevel(const std::vector<int>& Positions, int Level) override
    {
        ASSERT_EQ(Parked.count(Level), 1u);
        const std::vector<QStringList>& parked = Parked[Level];
        std::vector<QStringList> all;
        for (int from : FilterRestoreOrder(RowCount(), Positions))
            all.push_back(from >= 0 ? Rows[std::size_t(from)] : parked[std::size_t(-from - 1)]);
        Rows = all;
        Parked.erase(Level);
    }
    void HideRow(int Row)
    {
        HiddenOneByOne.push_back(Rows[std::size_t(Row)]);
        Rows.erase(Rows.begin() + Row);
    }
    QStringList Column(int Col) const
    {
        QStringList out;
        for (const auto& row : Rows)
            out << row.value(Col);
        return out;
    }
};

TableHost NumberTable(int n)
{
    TableHost t;
    t.Rows.push_back({"", "H"});
    for (int i = 1; i <= n; ++i)
        t.Rows.push_back({"", QString::number(i)});
    return t;
}
} // namespace

TEST(RowFilter, OperationsJoinConditionsInOrder)
{
    struct Case { TFilterOperation first, second; const char* passing; };
    const Case cases[] = {
        {TFilterOperation::foNONE, TFilterOperation::foAND, "aa"},
        {TFilterOperation::foNONE, TFilterOperation::foOR, "aa,ab,ba"},
        {TFilterOperation::foNONE, TFilterOperation::foXOR, "ab,ba"},
        {TFilterOperation::foSHORT, TFilterOperation::foOR, "aa,ab"},   // a failing first condition ends it
    };
    for (const Case& c : cases) {
        TableHost t;
        t.Rows = {{"", "h", "h"}, {"", "a", "a"}, {"", "a", "b"}, {"", "b", "a"}, {"", "b", "b"}};
        TRowFilter f(t);
        TFilterData* one = f.Filter().Insert(0);
        one->Column = 1;
        one->Condition = "A";
        one->Operation = c.first;
        TFilterData* two = f.Filter().Insert(0);
        two->Column = 2;
        two->Condition = "A";
        two->Operation = c.second;
        f.ApplyFilter();
        QStringList shown;
        for (std::size_t r = 1; r < t.Rows.size(); ++r)
            shown << t.Rows[r][1] + t.Rows[r][2];
        EXPECT_EQ(shown.join(','), c.passing) << int(c.second);
    }
}

TEST(RowFilter, ConditionTestsTheChosenTextAfterPrefixAndSuffix)
{
    struct Case {
        TFilterCells data; TFilterMethod method; const char* prefix; const char* suffix; const char* condition;
        const char* cell; bool match;
    };
    const Case cases[] = {
        {TFilterCells::fcNormal, TFilterMethod::fmExpression, "", "", "", "anything", true},
        {TFilterCells::fcNormal, TFilterMethod::fmExpression, "", "", "ab*", "  abc  ", true},   // trimmed
        {TFilterCells::fcNormal, TFilterMethod::fmExpression, "$", "", "5", "$5", true},
        {TFilterCells::fcNormal, TFilterMethod::fmExpression, "$", "", "5", "5", true},     // no prefix: whole
        {TFilterCells::fcNormal, TFilterMethod::fmExpression, "$", "", "5", "#5", false},
        {TFilterCells::fcNormal, TFilterMethod::fmExpression, "", " EUR", "10", "10 EUR", true},
        {TFilterCells::fcNormal, TFilterMethod::fmExpression, "", "ab", "ab", "abab", false},  // "ab" first ends early
        {TFilterCells::fcNormal, TFilterMethod::fmLiteral, "", "", "a*", "a*", true},
        {TFilterCells::fcNormal, TFilterMethod::fmLiteral, "", "", "a*", "abc", false},
        {TFilterCells::fcNormal, TFilterMethod::fmLiteral, "", "", "abc", "ABC", false},
        {TFilterCells::fcVirtual, TFilterMethod::fmLiteral, "", "", "ABC", "abc", true},   // the shown text
        {TFilterCells::fcRow, TFilterMethod::fmExpression, "", "", "x\r\nab", "ab", true},  // cells joined
        {TFilterCells::fcRow, TFilterMethod::fmExpression, "", "", "b", "AB", true},
        {TFilterCells::fcNormal, TFilterMethod::fmExpression, "", "", "wide", "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.condition) + " | " + c.cell);
        TableHost t;
        const QString cell = QString(c.condition) == "wide" ? EncodeWideCellText("wide") : QString(c.cell);
        t.Rows = {{"x", cell}};
        t.Fixed = 0;
        TRowFilter f(t);
        TFilterData* item = f.Filter().Add();
        item->Column = 1;
        item->Data = c.data;
        item->Method = c.method;
        item->Prefix = c.prefix;
        item->Suffix = c.suffix;
        item->Condition = c.condition;
        EXPECT_EQ(f.MatchFilterRow(0), c.match);
    }
}

TEST(RowFilter, CustomFilterHasTheLastWordAndNodeRowsAndFootersStay)
{
    TableHost t = NumberTable(4);
    t.Rows[2][0] = "N";      // a node row is not filtered
    t.Rows.push_back({"", "F"});
    t.Footers = 1;
    TRowFilter f(t);
    f.Filter().Add()->Condition = ">9";   // column 0: every row fails
    f.Filter().Items(0)->Column = 1;
    std::vector<int> asked;
    f.OnCustomFilter = [&](QObject*, int row, bool& accept) {
        asked.push_back(row);
        accept = accept || t.Rows[std::size_t(row)][1] == "4";
    };
    f.ApplyFilter();
    EXPECT_EQ(asked, (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(t.Column(1).join(','), "H,2,4,F");
    asked.clear();
    f.SetFilterNormalCellsOnly(false);
    f.ApplyFilter();
    EXPECT_EQ(asked, (std::vector<int>{1, 2}));
    EXPECT_EQ(t.Column(1).join(','), "H,4,F");
}

TEST(RowFilter, LevelsStackAndComeOffLastFirstInTheirPlaces)
{
    TableHost t = NumberTable(10);
    const QStringList all = t.Column(1);
    TRowFilter f(t);
    TFilterData* item = f.Filter().Add();
    item->Column = 1;
    const char* conditions[] = {">3", "<8", "!5"};
    for (const char* condition : conditions) {
        item->Condition = condition;
        f.ApplyFilter();
    }
    EXPECT_EQ(f.FilterLevel(), 3);
    EXPECT_EQ(t.Column(1).join(','), "H,4,6,7");
    t.Rows[2].append("edited");   // an edit while filtered travels with its row
    EXPECT_TRUE(f.RemoveLastFilter());
    EXPECT_EQ(t.Column(1).join(','), "H,4,5,6,7");
    EXPECT_EQ(t.Rows[3].value(2), "edited");
    EXPECT_FALSE(f.RemoveLastFilter());
    EXPECT_EQ(t.Column(1).join(','), "H,4,5,6,7,8,9,10");
    EXPECT_FALSE(f.RemoveLastFilter());
    EXPECT_EQ(t.Column(1), all);
    EXPECT_FALSE(f.RemoveLastFilter());   // none left
    EXPECT_EQ(f.FilterLevel(), 0);
    EXPECT_TRUE(t.Parked.empty());
    EXPECT_EQ(f.Filter().Count(), 1);
    f.RemoveAllFilters();                 // no level: the conditions go
    EXPECT_EQ(f.Filter().Count(), 0);
}

TEST(RowFilter, LevelThatHidesNothingStillCountsAndFixedRowsComeBack)
{
    TableHost t = NumberTable(3);
    TRowFilter f(t);
    f.ApplyFilter();   // no condition: every row passes
    EXPECT_EQ(f.FilterLevel(), 1);
    f.Filter().Add()->Condition = "x";
    f.Filter().Items(0)->Column = 1;
    f.ApplyFilter();
    EXPECT_EQ(t.RowCount(), 1);
    t.Fixed = 0;   // the grid lowered its fixed rows while everything was filtered out
    f.RemoveAllFilters();
    EXPECT_EQ(f.FilterLevel(), 0);
    EXPECT_EQ(t.RowCount(), 4);
    EXPECT_EQ(t.Fixed, 1);
    EXPECT_EQ(f.Filter().Count(), 1);   // levels removed, conditions kept
}

TEST(RowFilter, FilterActiveAppliesAndShowsOneLevel)
{
    TableHost t = NumberTable(5);
    TRowFilter f(t);
    TFilterData* item = f.Filter().GetColFilter(1);
    item->Condition = "<3";
    EXPECT_EQ(f.Filter().GetColFilter(1), item);
    f.SetFilterActive(true);
    f.SetFilterActive(true);   // unchanged: no second level
    EXPECT_EQ(f.FilterLevel(), 1);
    EXPECT_EQ(t.Column(1).join(','), "H,1,2");
    f.SetFilterActive(false);
    EXPECT_EQ(f.FilterLevel(), 0);
    EXPECT_EQ(t.RowCount(), 6);
}

TEST(RowFilter, ProgressRoundsHalvesToEvenAndRepeatsTheLast)
{
    TableHost t = NumberTable(8);
    TRowFilter f(t);
    std::vector<int> seen;
    f.OnFilterProgress = [&](QObject*, int p) { seen.push_back(p); };
    f.ApplyFilter();
    EXPECT_EQ(seen, (std::vector<int>{12, 25, 38, 50, 62, 75, 88, 100, 100}));
}

TEST(RowFilter, NarrowDownStacksWidensAndRebuilds)
{
    TableHost t;
    t.Rows = {{"", "h"}, {"", "abc"}, {"", "abd"}, {"", "ax"}, {"", "x y"}, {"", "b"}};
    TRowFilter f(t);
    f.NarrowDown("a", 1);
    f.NarrowDown("ab", 1);
    f.NarrowDown("abc", 1);
    EXPECT_EQ(f.FilterLevel(), 3);
    EXPECT_EQ(t.Column(1).join(','), "h,abc");
    EXPECT_EQ(f.Filter().Items(0)->Condition, "*abc*");
    EXPECT_FALSE(f.Filter().Items(0)->CaseSensitive);
    f.NarrowDown("ab", 1);
    EXPECT_EQ(f.FilterLevel(), 2);
    EXPECT_EQ(t.Column(1).join(','), "h,abc,abd");
    f.NarrowDown("x", 1);
    EXPECT_EQ(f.FilterLevel(), 1);
    EXPECT_EQ(t.Column(1).join(','), "h,ax,x y");
    f.NarrowDown("x ", 1);    // narrowing with a blank: the wildcard condition is quoted
    EXPECT_EQ(f.Filter().Items(0)->Condition, "\"*x *\"");
    f.NarrowDown("Y", 1);     // neither one more nor one less: rebuilt
    f.NarrowDown("X Y", -1);  // the whole row, upper-cased
    EXPECT_EQ(f.Filter().Items(0)->Data, TFilterCells::fcRow);
    EXPECT_EQ(f.Filter().Items(0)->Condition, "X Y");
    EXPECT_EQ(t.Column(1).join(','), "h,x y");
    EXPECT_EQ(f.LastFilter(), "X Y");
}

TEST(RowFilter, NarrowDownQuotesABlankWhenRebuilding)
{
    TableHost t;
    t.Rows = {{"", "h"}, {"", "x y"}, {"", "xy"}};
    TRowFilter f(t);
    f.NarrowDown("x y", 1);
    EXPECT_EQ(f.Filter().Items(0)->Condition, "\"*x y*\"");
    EXPECT_EQ(t.Column(1).join(','), "h,x y");
}

TEST(RowFilter, NarrowDownToNothingLeavesRowsHiddenOtherwise)
{
    TableHost t;
    t.Rows = {{"", "h"}, {"", "a1"}, {"", "a2"}, {"", "b1"}, {"", "b2"}};
    TRowFilter f(t);
    t.HideRow(2);   // a2, hidden by the grid itself before filtering
    f.NarrowDown("b", 1);
    f.NarrowDown("b1", 1);
    EXPECT_EQ(t.Column(1).join(','), "h,b1");
    f.NarrowDown("", 1);
    EXPECT_EQ(f.FilterLevel(), 0);
    EXPECT_TRUE(t.Parked.empty());
    EXPECT_EQ(t.Column(1).join(','), "h,a1,b1,b2");
    ASSERT_EQ(t.HiddenOneByOne.size(), 1u);
    EXPECT_EQ(t.HiddenOneByOne[0][1], "a2");
}

TEST(RowFilter, RestoreOrderMergesFromTheBottom)
{
    EXPECT_EQ(FilterRestoreOrder(3, {}), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(FilterRestoreOrder(0, {0, 1}), (std::vector<int>{-1, -2}));
    EXPECT_EQ(FilterRestoreOrder(3, {0, 2, 4}), (std::vector<int>{-1, 0, -2, 1, -3, 2}));
    EXPECT_EQ(FilterRestoreOrder(2, {2, 3}), (std::vector<int>{0, 1, -1, -2}));
}

TEST(Filter, AddGetAndRemoveByColumn)
{
    TFilter filter;
    EXPECT_EQ(filter.Add()->Operation, TFilterOperation::foNONE);
    EXPECT_EQ(filter.Add()->Operation, TFilterOperation::foAND);
    EXPECT_EQ(filter.Insert(0)->Operation, TFilterOperation::foSHORT);
    filter.Items(1)->Column = 3;
    filter.Items(2)->Column = 3;
    EXPECT_TRUE(filter.HasFilter(3));
    EXPECT_EQ(filter.GetColFilter(3), filter.Items(1));
    TFilterData* added = filter.GetColFilter(7);
    EXPECT_EQ(added->Column, 7);
    EXPECT_EQ(added->Operation, TFilterOperation::foAND);
    int repainted = -1;
    filter.OnColumnFilterRemoved = [&](int col) { repainted = col; };
    filter.RemoveColumnFilter(3);
    EXPECT_EQ(filter.Count(), 2);
    EXPECT_FALSE(filter.HasFilter(3));
    EXPECT_EQ(repainted, 3);

    TFilterData source;
    source.Condition = "c";
    source.Method = TFilterMethod::fmLiteral;
    source.Prefix = "p";
    filter.SetItem(0, source);
    EXPECT_EQ(filter.Items(0)->Condition, "c");
    EXPECT_EQ(filter.Items(0)->Prefix, "p");
    EXPECT_EQ(filter.Items(0)->Method, TFilterMethod::fmExpression);   // not copied
}

TEST(RowFilter, FilterListEntrySplitsAtTheFirstEqualsSign)
{
    struct Case { const char* entry; const char* name; const char* condition; };
    const Case cases[] = {{"plain", "plain", "plain"}, {"a b=\"a b\"", "a b", "\"a b\""}, {"x=>5=6", "x", ">5=6"},
                          {"=", "", ""}};
    for (const Case& c : cases) {
        QString name, condition;
        SplitFilterEntry(c.entry, name, condition);
        EXPECT_EQ(name, c.name);
        EXPECT_EQ(condition, c.condition);
    }
}

TEST(RowFilter, ChosenEntriesSetTheColumnsConditions)
{
    TableHost t = NumberTable(3);
    TRowFilter f(t);
    f.Filter().GetColFilter(0)->Condition = "keep";
    f.SelectFilterEntry(1, 2, "two=2", "(All)");
    EXPECT_EQ(f.Filter().GetColFilter(1)->Condition, "2");
    f.SelectFilterEntry(1, 3, "three", "(All)",
                        [](int index, const QString& name, QString& condition) {
                            EXPECT_EQ(index, 3);
                            EXPECT_EQ(name, "three");
                            condition = "3";
                        });
    EXPECT_EQ(f.Filter().GetColFilter(1)->Condition, "3");
    EXPECT_EQ(f.Filter().Count(), 2);
    f.SelectFilterEntry(1, 0, "(All)", "(All)");
    EXPECT_FALSE(f.Filter().HasFilter(1));
    EXPECT_TRUE(f.Filter().HasFilter(0));

    f.CheckFilterEntries(1, {{1, "1"}, {3, "three=3"}}, "(All)");
    ASSERT_EQ(f.Filter().Count(), 2);   // every other column's condition went
    EXPECT_EQ(f.Filter().Items(0)->Operation, TFilterOperation::foNONE);
    EXPECT_EQ(f.Filter().Items(1)->Operation, TFilterOperation::foOR);
    EXPECT_EQ(f.Filter().Items(1)->Condition, "3");
    f.ApplyFilter();
    EXPECT_EQ(t.Column(1).join(','), "H,1,3");
}
