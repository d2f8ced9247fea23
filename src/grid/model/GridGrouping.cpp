#include "grid/model/GridGrouping.h"
#include "grid/model/GridNodes.h"

#include <algorithm>

void TGrouping::Assign(const TGrouping& Source)
{
    const Values keep = F;
    F = Source.F;
    F.Summary = keep.Summary;
    F.SummaryLineWidth = keep.SummaryLineWidth;
    F.HeaderLineWidth = keep.HeaderLineWidth;
    F.SummaryLineColor = keep.SummaryLineColor;
    F.HeaderLineColor = keep.HeaderLineColor;
}

QString NoGroupValue() { return QString(QChar(0xFF)) + QChar(0xFE); }

int GroupTextColumn(int GroupColumn) { return GroupColumn == 1 ? 2 : 1; }

std::vector<TGroupRow> PlanGroup(const std::vector<QString>& Values, bool Summary)
{
    std::vector<TGroupRow> rows;
    rows.reserve(Values.size() * 2 + 1);
    const auto summary = [&] {
        TGroupRow row;
        row.Kind = TGroupRowKind::grSummary;
        rows.push_back(row);
    };
    QString prev = NoGroupValue();
    std::size_t header = 0;
    bool anyHeader = false;
    for (std::size_t i = 0; i < Values.size(); ++i) {
        if (Values[i] != prev) {
            // The previous run's summary goes before the new header. Rows of no value above the first header have
            // no node, so a summary after them would outlive ungrouping as an extra row: they get none.
            if (Summary && anyHeader)
                summary();
            TGroupRow row;
            row.Kind = TGroupRowKind::grHeader;
            row.Value = Values[i];
            header = rows.size();
            rows.push_back(row);
            anyHeader = true;
        }
        TGroupRow row;
        row.Source = int(i);
        rows.push_back(row);
        if (anyHeader)
            ++rows[header].Span;
        prev = Values[i];
    }
    if (anyHeader) {
        for (TGroupRow& row : rows)
            if (row.Kind == TGroupRowKind::grHeader)
                ++row.Span;   // the header's own row
    } else if (!rows.empty()) {
        // Every value stood for no value: one group over all rows, under a header of its own, so that ungrouping
        // (which removes node rows) never takes a data row with it.
        TGroupRow row;
        row.Kind = TGroupRowKind::grHeader;
        row.Value = NoGroupValue();
        row.Span = int(rows.size()) + 1;
        rows.insert(rows.begin(), row);
    }
    if (Summary && !rows.empty())
        summary();
    return rows;
}

TUnGroupPlan PlanUnGroup(const TGridNodes& Nodes, int FirstRow, int EndRow, bool Summary,
                         const std::function<QString(int Row)>& HeaderText)
{
    TUnGroupPlan plan;
    QString value;
    int summaryRow = -1;
    for (int r = FirstRow; r < EndRow; ++r) {
        if (r == summaryRow) {
            plan.Remove.push_back(r);
        } else if (Nodes.IsNode(r)) {
            if (Summary)
                summaryRow = r + Nodes.GetNodeSpan(r);
            value = HeaderText(r);
            plan.Remove.push_back(r);
        } else {
            plan.Values.push_back(value);
        }
    }
    return plan;
}

std::vector<TGroupCalcResult> GroupCalc(const TGridNodes& Nodes, int FirstRow, int EndRow, int ACol, int Method,
                                        bool Summary, const TCalcSource& Source,
                                        const std::function<double(int FromRow, int ToRow)>& Custom)
{
    std::vector<TGroupCalcResult> out;
    const TColumnCalcType kind = GroupCalcKind(Method);
    if (kind == TColumnCalcType::acNONE)
        return out;
    for (int r = FirstRow; r < EndRow;) {
        if (!Nodes.IsNode(r)) {
            ++r;
            continue;
        }
        if (Nodes.GetNodeState(r)) {
            r = std::max(Nodes.NodeEnd(r), r + 1);   // its rows are hidden
            continue;
        }
        const int span = Nodes.GetNodeSpan(r);
        const int target = Summary ? r + span : r;
        const int from = r + 1;
        const int to = r + span - 1;
        if (kind == TColumnCalcType::acCOUNT)
            out.push_back({target, double(span - 1), true});
        else if (kind == TColumnCalcType::acCUSTOM)
            out.push_back({target, Custom ? Custom(from, to) : 0.0, false});
        else
            out.push_back({target, *ColumnCalcValue(kind, Source, ACol, from, to), false});
        r += std::max(span, 1);
    }
    return out;
}
