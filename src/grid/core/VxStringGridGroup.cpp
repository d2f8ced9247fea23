// Nodes and grouping of the string grid: the outline is kept by TGridNodes, the group and ungroup plans come from
// PlanGroup and PlanUnGroup, and the grid lays its rows out as the plans say, each row written once.
#include "grid/core/FloatingFooter.h"
#include "grid/model/GridCalc.h"
#include "grid/model/GridGrouping.h"
#include "grid/model/GridNodes.h"
#include "grid/core/GridSettings.h"
#include "grid/core/SortSettings.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/CellProperties.h"

void TVxStringGrid::Group(int Colindex)
{
    if (Colindex < FixedCols())
        return;
    if (d->Settings.GroupColumn != -1)
        UnGroup();
    if (RowCount() <= FixedRows())
        return;
    d->Settings.GroupColumn = Colindex;
    d->Order.FGroupWidth = AllColWidths(Colindex);
    d->Order.FGroupCaption = FixedRows() > 0 ? GetGridCell(Colindex, 0) : QString();
    d->Order.FGroupFooter = FixedFooters() > 0 ? GetGridCell(Colindex, RowCount() - 1) : QString();
    if (d->Order.FSortSettings->AutoSortForGrouping()) {
        d->Order.FSortSettings->SetColumn(DisplColIndex(Colindex));
        QSort();
    }

    const int first = FixedRows();
    const int end = RowCount() - FixedFooters();
    std::vector<QString> values;
    for (int r = first; r < end; ++r)
        values.push_back(GetGridCell(Colindex, r));
    const std::vector<TGroupRow> plan = PlanGroup(values, d->Order.FGrouping->Summary());

    // The new layout of the rows, the footer rows after it.
    const int cols = AllColCount();
    const int textCol = GroupTextColumn(Colindex);
    std::vector<TGridCells> rows;
    std::vector<int> heights;
    for (const TGroupRow& p : plan) {
        if (p.Kind == TGroupRowKind::grData) {
            rows.push_back(Store().Row(first + p.Source, cols));
            heights.push_back(RowHeights(first + p.Source));
            continue;
        }
        TGridCells cells(static_cast<std::size_t>(cols));
        if (p.Kind == TGroupRowKind::grHeader)
            cells[std::size_t(textCol)].Text = p.Value;
        rows.push_back(std::move(cells));
        heights.push_back(DefaultRowHeight());
    }
    for (int r = end; r < RowCount(); ++r) {
        rows.push_back(Store().Row(r, cols));
        heights.push_back(RowHeights(r));
    }
    SetRowCount(first + int(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int r = first + int(i);
        for (int c = 0; c < cols; ++c) {
            SetGridCell(c, r, rows[i][std::size_t(c)].Text);
            SetGridObject(c, r, rows[i][std::size_t(c)].Object);
        }
        SetRowHeights(r, heights[i]);
    }

    *d->Order.FNodes = TGridNodes(TotalRowCount());
    for (std::size_t i = 0; i < plan.size(); ++i) {
        if (plan[i].Kind == TGroupRowKind::grSummary)
            d->Order.FNodes->MarkSummaryRow(first + int(i));
        if (plan[i].Span > 0)
            d->Order.FNodes->AddNode(first + int(i), plan[i].Span, first + int(i));
    }
    RemoveCols(Colindex, 1);
    d->ColorGroupRows(first, plan);
    if (Col() < 0 || Col() >= ColCount() || Row() < 0 || Row() >= RowCount())
        FocusCell(FixedCols(), FixedRows(), true);
    if (RowCount() > FixedRows())
        SetRow(FixedRows());
    Invalidate();
}

// Header and summary rows get the grouping's colours, each only when set: as a row, or with merging as the one
// cell that spans the row from column 1.
void TVxStringGridPrivate::ColorGroupRows(int First, const std::vector<TGroupRow>& Plan)
{
    const TGrouping& gr = *Order.FGrouping;
    const bool mergeSummary = gr.MergeSummary() && gr.Summary();
    const auto paint = [this](int r, bool merge, TColor color, TColor colorTo, TColor textColor) {
        if (merge) {
            q->MergeCells(1, r, q->ColCount() - 1, 1);
            TCellProperties* p = q->GetCellProperties(1, r);
            if (color != clNone)
                p->SetBrushColor(color);
            if (colorTo != clNone)
                p->SetBrushColorTo(colorTo);
            if (textColor != clNone)
                p->SetFontColor(textColor);
            return;
        }
        if (color != clNone)
            q->SetRowColor(r, color);
        if (colorTo != clNone)
            q->SetRowColorTo(r, colorTo);
        if (textColor != clNone)
            q->SetRowFontColor(r, textColor);
    };
    for (std::size_t i = 0; i < Plan.size(); ++i) {
        const int r = First + int(i);
        if (Plan[i].Kind == TGroupRowKind::grHeader)
            paint(r, gr.MergeHeader(), gr.HeaderColor(), gr.HeaderColorTo(), gr.HeaderTextColor());
        else if (Plan[i].Kind == TGroupRowKind::grSummary)
            paint(r, mergeSummary, gr.SummaryColor(), gr.SummaryColorTo(), gr.SummaryTextColor());
    }
}

void TVxStringGrid::UnGroup()
{
    if (d->Settings.GroupColumn <= 0)
        return;
    ExpandAll();
    TGridNodes& nodes = d->NodesInStep();
    const int first = FixedRows();
    const int end = RowCount() - FixedFooters();
    // The header texts stand in column 1 while the grouped column is out.
    const TUnGroupPlan plan =
        PlanUnGroup(nodes, first, end, d->Order.FGrouping->Summary(), [this](int r) { return GetGridCell(1, r); });

    const int groupCol = d->Settings.GroupColumn;
    InsertCols(groupCol, 1);
    SetAllColWidths(groupCol, d->Order.FGroupWidth);

    // The rows that stay, in order, with the grouped column's text back in place; the header and summary rows go.
    const int cols = AllColCount();
    std::vector<TGridCells> rows;
    std::vector<int> heights;
    std::size_t removeAt = 0;
    for (int r = first; r < RowCount(); ++r) {
        if (removeAt < plan.Remove.size() && plan.Remove[removeAt] == r) {
            ++removeAt;
            FreeCellObjects(0, r, cols - 1, r);
            continue;
        }
        rows.push_back(Store().Row(r, cols));
        heights.push_back(RowHeights(r));
    }
    for (std::size_t i = 0; i < plan.Values.size() && i < rows.size(); ++i)
        rows[i][std::size_t(groupCol)].Text = plan.Values[i];
    *d->Order.FNodes = TGridNodes();
    // The store keeps rows past the count: the slots left behind must not point at objects that moved up.
    for (int r = first + int(rows.size()); r < RowCount(); ++r)
        for (int c = 0; c < cols; ++c) {
            SetGridObject(c, r, nullptr);
            SetGridCell(c, r, QString());
        }
    SetRowCount(first + int(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int r = first + int(i);
        for (int c = 0; c < cols; ++c) {
            SetGridCell(c, r, rows[i][std::size_t(c)].Text);
            SetGridObject(c, r, rows[i][std::size_t(c)].Object);
        }
        SetRowHeights(r, heights[i]);
    }
    if (FixedRows() > 0)
        SetGridCell(groupCol, 0, d->Order.FGroupCaption);
    if (FixedFooters() > 0)
        SetGridCell(groupCol, RowCount() - 1, d->Order.FGroupFooter);
    d->Settings.GroupColumn = -1;
    Invalidate();
}

void TVxStringGrid::GroupCalc(int Colindex, int method)
{
    // Over real rows: a contracted group's rows are hidden and the groups below it keep their real places.
    TGridNodes& nodes = d->NodesInStep();
    const auto results =
        ::GroupCalc(nodes, RealRowIndex(FixedRows()), TotalRowCount(), Colindex, method, d->Order.FGrouping->Summary(),
                    d->CalcSource(true), [&](int from, int to) {
                        return DoGroupCalc(Colindex, DisplRowIndex(from), DisplRowIndex(to));
                    });
    for (const TGroupCalcResult& res : results)
        if (!IsHiddenRow(res.Row))
            d->WriteCalcValue(Colindex, DisplRowIndex(res.Row), res.Value, res.IsInteger);
}

// A group calculation; a shown footer calculates the column the same way.
static void GroupCalcWithFooter(TVxStringGrid& G, int Colindex, int method, TColumnCalcType Kind)
{
    G.GroupCalc(Colindex, method);
    if (G.FloatingFooter().Visible())
        G.SetColumnCalc(Colindex, Kind);
}

void TVxStringGrid::GroupSum(int Colindex) { GroupCalcWithFooter(*this, Colindex, 1, TColumnCalcType::acSUM); }
void TVxStringGrid::GroupAvg(int Colindex) { GroupCalcWithFooter(*this, Colindex, 2, TColumnCalcType::acAVG); }
void TVxStringGrid::GroupMin(int Colindex) { GroupCalcWithFooter(*this, Colindex, 3, TColumnCalcType::acMIN); }
void TVxStringGrid::GroupMax(int Colindex) { GroupCalcWithFooter(*this, Colindex, 4, TColumnCalcType::acMAX); }
void TVxStringGrid::GroupCount(int Colindex) { GroupCalcWithFooter(*this, Colindex, 5, TColumnCalcType::acCOUNT); }

// Inside the groups, a sub-header child row before every run of equal values of Colindex; the run's cells of
// Colindex are emptied, their value stands in the sub-header's next column. Rows are display rows here.
void TVxStringGrid::SubGroup(int Colindex)
{
    if (Colindex < FixedCols())
        return;
    BeginUpdate();
    struct End {
        TVxStringGrid& G;
        ~End() { G.EndUpdate(); }
    } end{*this};
    d->Settings.GroupColumn = Colindex;
    d->Order.FGroupWidth = AllColWidths(Colindex);
    d->Order.FGroupCaption = FixedRows() > 0 ? GetGridCell(Colindex, 0) : QString();
    d->Order.FGroupFooter = FixedFooters() > 0 ? GetGridCell(Colindex, RowCount() - 1) : QString();

    const int textCol = Colindex + 1;
    const auto plain = [this](int r) { return !IsNode(r) && !IsSummary(r); };
    const auto makeNode = [this, Colindex](int h, int span) {
        const int real = RealRowIndex(h);
        AddNode(real, span);
        d->NodesInStep().SetNodeValue(real, Colindex);
    };
    const auto subHeader = [this, textCol](int r, const QString& v) {
        InsertChildRow(RealRowIndex(r), 0);
        SetCells(textCol, r, v);
    };
    QString prev = NoGroupValue();
    int h = -1;
    int r = FixedRows() + 1;
    while (r < RowCount() - FixedFooters()) {
        const QString v = Cells(Colindex, r);
        if (v != prev || !plain(r)) {
            if (h != -1 && plain(h))
                makeNode(h, r - h);
            if (plain(r))
                subHeader(r, v);
            h = r;
            ++r;
        }
        if (r < RowCount() && plain(r - 1)) {
            prev = Cells(Colindex, r);
            SetCells(Colindex, r, QString());
            ++r;
        } else {
            prev = NoGroupValue();
        }
    }
    if (h != -1 && IsSummary(h))
        return;
    if (h == -1) {
        subHeader(r, Cells(Colindex, r + 1));
        makeNode(r, 2);
        SetCells(Colindex, r + 1, QString());
        ++r;
    } else {
        makeNode(h, r - h);
    }
    if (r <= RowCount() - 1 && plain(r - 1)) {
        SetCells(Colindex, r, QString());
        ++r;
    }
    if (d->Order.FGrouping->Summary()) {
        InsertRows(r, 1, true);
        MarkSummaryRow(RealRowIndex(r));
    }
    SetRow(std::min(FixedRows(), RowCount() - 1));
}

void TVxStringGrid::SubUnGroup(int Colindex)
{
    ExpandAll();
    QString v;
    for (int r = FixedRows(); r <= RowCount() - 1 - FixedFooters();) {
        if (!IsNode(r)) {
            SetCells(Colindex, r, v);
            ++r;
        } else if (d->NodesInStep().GetNodeValue(RealRowIndex(r)) == Colindex) {
            v = Cells(Colindex + 1, r);
            const int real = RealRowIndex(r);
            RemoveNode(real);
            RemoveChildRow(real);
        } else {
            ++r;
        }
    }
}
