#include "grid/model/GridGrouping.h"
#include "grid/model/GridNodes.h"
#include <QStringList>
#include <gtest/gtest.h>

namespace {
QString Describe(const std::vector<TGroupRow>& rows)
{
    QStringList out;
    for (const TGroupRow& row : rows) {
        switch (row.Kind) {
        case TGroupRowKind::grHeader: out << QString("H%1:%2").arg(row.Value).arg(row.Span); break;
        case TGroupRowKind::grSummary: out << "S"; break;
        case TGroupRowKind::grData:
            out << (row.Span ? QString("D%1:%2").arg(row.Source).arg(row.Span) : QString("D%1").arg(row.Source));
            break;
        }
    }
    return out.join(' ');
}

// A grid of text rows with one fixed row, grouped and ungrouped the way the string grid applies the plans.
struct GroupedTable {
    std::vector<QStringList> rows;
    TGridNodes nodes;
    int column = -1;
    QString caption;
    bool summary = false;

    void Group(int Col, bool Summary)
    {
        column = Col;
        summary = Summary;
        std::vector<QString> values;
        for (std::size_t r = 1; r < rows.size(); ++r)
            values.push_back(rows[r][Col]);
        const std::vector<TGroupRow> plan = PlanGroup(values, Summary);
        const int k = GroupTextColumn(Col);
        std::vector<QStringList> grouped{rows[0]};
        for (const TGroupRow& g : plan) {
            if (g.Kind == TGroupRowKind::grData) {
                grouped.push_back(rows[std::size_t(g.Source) + 1]);
            } else {
                QStringList blank;
                for (int c = 0; c < rows[0].size(); ++c)
                    blank << QString();
                if (g.Kind == TGroupRowKind::grHeader)
                    blank[k] = g.Value;
                grouped.push_back(blank);
            }
        }
        nodes = TGridNodes(int(grouped.size()));
        for (std::size_t i = 0; i < plan.size(); ++i) {
            if (plan[i].Span > 0)
                nodes.AddNode(int(i) + 1, plan[i].Span);
            if (plan[i].Kind == TGroupRowKind::grSummary)
                nodes.MarkSummaryRow(int(i) + 1);
        }
        caption = grouped[0][Col];
        for (QStringList& row : grouped)
            row.removeAt(Col);
        rows = grouped;
    }

    void UnGroup()
    {
        nodes.ExpandAll();
        for (QStringList& row : rows)
            row.insert(column, QString());
        rows[0][column] = caption;
        const int k = GroupTextColumn(column);
        const TUnGroupPlan plan = PlanUnGroup(nodes, 1, int(rows.size()), summary,
                                              [&](int r) { return rows[std::size_t(r)][k]; });
        std::vector<QStringList> kept{rows[0]};
        std::size_t removed = 0;
        for (int r = 1; r < int(rows.size()); ++r) {
            if (removed < plan.Remove.size() && plan.Remove[removed] == r) {
                ++removed;
                continue;
            }
            kept.push_back(rows[std::size_t(r)]);
            kept.back()[column] = plan.Values[kept.size() - 2];
        }
        EXPECT_EQ(removed, plan.Remove.size());
        EXPECT_EQ(plan.Values.size(), kept.size() - 1);
        rows = kept;
        nodes = TGridNodes(int(rows.size()));
        column = -1;
    }
};

GroupedTable Sample()
{
    GroupedTable t;
    t.rows = {{"", "Name", "Kind", "Qty"}, {"", "n1", "A", "1"}, {"", "n2", "A", "2"}, {"", "n3", "B", "4"},
              {"", "n4", "C", "8"}, {"", "n5", "C", "16"}};
    return t;
}
} // namespace

TEST(GridGrouping, PlanPutsAHeaderBeforeEachRunAndSummariesAfter)
{
    const std::vector<QString> values = {"A", "A", "B", "C", "C"};
    EXPECT_EQ(Describe(PlanGroup(values, false)), "HA:3 D0 D1 HB:2 D2 HC:3 D3 D4");
    EXPECT_EQ(Describe(PlanGroup(values, true)), "HA:3 D0 D1 S HB:2 D2 S HC:3 D3 D4 S");
    EXPECT_EQ(Describe(PlanGroup({"", "", "x"}, false)), "H:3 D0 D1 Hx:2 D2");
    EXPECT_EQ(Describe(PlanGroup({}, true)), "");
}

TEST(GridGrouping, TheNoValueTextContinuesTheRun)
{
    const QString none = NoGroupValue();
    // Only at the start: further down the text is compared with the previous value like any other.
    EXPECT_EQ(Describe(PlanGroup({"A", none, "B"}, false)), "HA:2 D0 H" + none + ":2 D1 HB:2 D2");
    EXPECT_EQ(Describe(PlanGroup({none, "B"}, true)), "D0 HB:2 D1 S");   // no header, no summary above the first run
    EXPECT_EQ(Describe(PlanGroup({none, none}, true)), "H" + none + ":3 D0 D1 S");   // one group over everything
}

TEST(GridGrouping, UnGroupingRowsOfNoValueKeepsEveryRow)
{
    GroupedTable t;
    const QString none = NoGroupValue();
    t.rows = {{"", "Name", "Kind"}, {"", "n1", none}, {"", "n2", none}};
    const std::vector<QStringList> before = t.rows;
    t.Group(2, true);
    t.UnGroup();
    EXPECT_EQ(t.rows, before);

    t.rows = {{"", "Name", "Kind"}, {"", "n1", none}, {"", "n2", "B"}};
    t.Group(2, true);
    t.UnGroup();
    ASSERT_EQ(t.rows.size(), 3u);   // the leading row of no value is back without a summary row after it
    EXPECT_EQ(t.rows[1][1], "n1");
    EXPECT_EQ(t.rows[2][2], "B");
}

TEST(GridGrouping, GroupThenUnGroupGivesTheTableBack)
{
    for (int col : {1, 2, 3})
        for (bool summary : {false, true}) {
            SCOPED_TRACE(testing::Message() << "column " << col << " summary " << summary);
            GroupedTable t = Sample();
            const std::vector<QStringList> before = t.rows;
            t.Group(col, summary);
            EXPECT_EQ(t.rows[0].size(), 3);                  // the grouped column left
            EXPECT_TRUE(t.nodes.IsNode(1));
            EXPECT_EQ(t.rows[1][1], before[1][col]);       // header text in column 1 either way
            t.nodes.ContractNode(1);
            t.UnGroup();
            EXPECT_EQ(t.rows, before);
        }
}

TEST(GridGrouping, GroupedRowsAndNodes)
{
    GroupedTable t = Sample();
    t.Group(2, true);
    QStringList names;
    for (const QStringList& row : t.rows)
        names << row[1];
    EXPECT_EQ(names.join(','), "Name,A,n1,n2,,B,n3,,C,n4,n5,");
    EXPECT_EQ(t.nodes.NodeRows(), (std::vector<int>{1, 5, 8}));
    EXPECT_EQ(t.nodes.GetNodeSpan(1), 3);
    EXPECT_EQ(t.nodes.GetNodeSpan(5), 2);
    EXPECT_TRUE(t.nodes.IsSummary(4));
    EXPECT_TRUE(t.nodes.IsSummary(11));
    EXPECT_EQ(t.nodes.RowLevel(3), 1);
    EXPECT_EQ(t.nodes.RowLevel(4), 0);
}

TEST(GridGrouping, GroupCalcWritesEachExpandedGroup)
{
    GroupedTable t = Sample();
    t.Group(2, true);   // Qty now in column 2
    TCalcSource source;
    source.Floats = [&](int c, int r) {
        const QString& text = t.rows[std::size_t(r)][c];
        return text.isEmpty() ? 0.0 : text.toDouble();
    };
    const auto written = [](const std::vector<TGroupCalcResult>& results) {
        QStringList out;
        for (const TGroupCalcResult& r : results)
            out << QString("%1=%2%3").arg(r.Row).arg(r.Value).arg(r.IsInteger ? "i" : "");
        return out.join(' ');
    };
    const int end = int(t.rows.size());
    EXPECT_EQ(written(GroupCalc(t.nodes, 1, end, 2, 1, true, source)), "4=3 7=4 11=24");
    EXPECT_EQ(written(GroupCalc(t.nodes, 1, end, 2, 1, false, source)), "1=3 5=4 8=24");
    EXPECT_EQ(written(GroupCalc(t.nodes, 1, end, 2, 5, true, source)), "4=2i 7=1i 11=2i");
    EXPECT_EQ(written(GroupCalc(t.nodes, 1, end, 2, 4, true, source)), "4=2 7=4 11=16");
    EXPECT_EQ(written(GroupCalc(t.nodes, 1, end, 2, 9, true, source)), "");
    std::vector<std::pair<int, int>> asked;
    const auto custom = [&](int from, int to) { asked.emplace_back(from, to); return 7.0; };
    t.nodes.ContractNode(5);   // a contracted group is passed over
    EXPECT_EQ(written(GroupCalc(t.nodes, 1, end, 2, 6, false, source, custom)), "1=7 8=7");
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{2, 3}, {9, 10}}));
    EXPECT_EQ(written(GroupCalc(t.nodes, 1, end, 2, 6, false, source)), "1=0 8=0");
}

TEST(GridGrouping, AssignCopiesColoursButNotLinesNorSummary)
{
    TGrouping a, b;
    a.SetHeaderColor(0x0000FFu);
    a.SetSummary(true);
    a.SetHeaderLineWidth(5);
    a.SetSummaryLineColor(0x00FF00u);
    a.SetAutoSelectGroup(true);
    b.Assign(a);
    EXPECT_EQ(b.HeaderColor(), 0x0000FFu);
    EXPECT_TRUE(b.AutoSelectGroup());
    EXPECT_FALSE(b.Summary());
    EXPECT_EQ(b.HeaderLineWidth(), 2);
    EXPECT_EQ(b.SummaryLineColor(), 0xFF0000u);
}
