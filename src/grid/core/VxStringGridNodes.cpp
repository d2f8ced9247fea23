// Nodes of the string grid: the outline is kept by TGridNodes over real rows; contracted children are hidden rows
// of the grid, so expanding and contracting hide and show what the outline answers.
#include "grid/model/GridNodes.h"
#include "grid/core/GridSettings.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/ControlList.h"
#include "grid/foundation/GridOptionGroups.h"
#include <QApplication>
#include <QStyle>
#include <algorithm>

TGridNodes& TVxStringGridPrivate::NodesInStep()
{
    SyncHiddenMaps();
    const int rows = q->TotalRowCount();
    if (Order.FNodes->RowCount() < rows)
        Order.FNodes->InsertRows(Order.FNodes->RowCount(), rows - Order.FNodes->RowCount());
    else if (Order.FNodes->RowCount() > rows)
        Order.FNodes->RemoveRows(rows, Order.FNodes->RowCount() - rows);
    return *Order.FNodes;
}

const TGridNodes& TVxStringGrid::Nodes() const { return d->NodesInStep(); }

// Called by the row operations before the storage changes, while the real row count is the old one.
void TVxStringGridPrivate::NodeRowsInserted(int Real, int Count)
{
    if (Order.FNodes->HasNodes())
        NodesInStep().InsertRows(Real, Count);
}

void TVxStringGridPrivate::NodeRowsRemoved(int DisplRow, int Count)
{
    if (!Order.FNodes->HasNodes())
        return;
    TGridNodes& nodes = NodesInStep();
    // The shown rows removed need not be consecutive real rows: from the bottom, one by one.
    for (int k = Count - 1; k >= 0; --k)
        nodes.RemoveRows(q->RealRowIndex(DisplRow + k), 1);
}

namespace {
// Consecutive runs of an ascending list, from the last run to the first.
template <typename F>
void ForRunsFromBottom(const std::vector<int>& Rows, F Body)
{
    std::size_t end = Rows.size();
    while (end > 0) {
        std::size_t begin = end - 1;
        while (begin > 0 && Rows[begin - 1] == Rows[begin] - 1)
            --begin;
        Body(Rows[begin], Rows[end - 1]);
        end = begin;
    }
}

std::vector<int> SortedRows(std::vector<int> Rows)
{
    std::sort(Rows.begin(), Rows.end());
    Rows.erase(std::unique(Rows.begin(), Rows.end()), Rows.end());
    return Rows;
}
} // namespace

// Rows shown first, then the rows hidden: each a real row, real rows do not move when rows hide or show.
void TVxStringGridPrivate::ApplyNodeChange(const TNodeChange& Change)
{
    if (Change.Show.empty() && Change.Hide.empty())
        return;
    const std::vector<int> show = SortedRows(Change.Show);
    const std::vector<int> hide = SortedRows(Change.Hide);
    ForRunsFromBottom(show, [this](int From, int To) { q->UnHideRows(From, To); });
    ForRunsFromBottom(hide, [this](int From, int To) { q->HideRows(From, To); });
    q->Invalidate();
}

void TVxStringGrid::AddNode(int ARow, int Span)
{
    if (ARow < 0 || ARow >= TotalRowCount())
        return;
    const bool first = !d->Order.FNodes->HasNodes();
    d->NodesInStep().AddNode(ARow, Span, DisplRowIndex(ARow));
    if (first)
        RepaintCol(0);
    if (Col() == 0 && ColCount() > 1)
        SetCol(1);
}

void TVxStringGrid::MarkSummaryRow(int ARow)
{
    if (ARow >= 0 && ARow < TotalRowCount())
        d->NodesInStep().MarkSummaryRow(ARow);
}

void TVxStringGrid::RemoveNode(int ARow)
{
    d->ApplyNodeChange(d->NodesInStep().RemoveNode(ARow));
    Invalidate();
}

void TVxStringGrid::RemoveAllNodes()
{
    d->ApplyNodeChange(d->NodesInStep().RemoveAllNodes());
    Invalidate();
}

bool TVxStringGrid::IsNode(int ARow) const
{
    return ARow >= 0 && ARow < RowCount() && Nodes().IsNode(RealRowIndex(ARow));
}
bool TVxStringGrid::IsSummary(int ARow) const
{
    return ARow >= 0 && ARow < RowCount() && Nodes().IsSummary(RealRowIndex(ARow));
}
bool TVxStringGrid::GetNodeState(int ARow) const { return IsNode(ARow) && Nodes().GetNodeState(RealRowIndex(ARow)); }
int TVxStringGrid::GetNodeLevel(int ARow) const { return IsNode(ARow) ? Nodes().GetNodeLevel(RealRowIndex(ARow)) : -1; }
int TVxStringGrid::GetNodeSpan(int ARow) const { return IsNode(ARow) ? Nodes().GetNodeSpan(RealRowIndex(ARow)) : -1; }
int TVxStringGrid::GetSubNodeCount(int ARow) const
{
    return IsNode(ARow) ? Nodes().GetSubNodeCount(RealRowIndex(ARow)) : 0;
}

void TVxStringGrid::SetNodeSpan(int ARow, int Span)
{
    if (IsNode(ARow))
        d->NodesInStep().SetNodeSpan(RealRowIndex(ARow), Span);
}

void TVxStringGrid::UpdateNodeSpan(int ARow, int Delta)
{
    if (IsNode(ARow))
        d->NodesInStep().UpdateNodeSpan(RealRowIndex(ARow), Delta);
}

void TVxStringGrid::UpdateSubNodeCount(int ARow, int Delta)
{
    if (IsNode(ARow))
        d->NodesInStep().UpdateSubNodeCount(RealRowIndex(ARow), Delta);
}

// A shown row's ancestors are all expanded, so they are shown too.
int TVxStringGrid::GetParentRow(int ARow) const
{
    if (ARow < 0 || ARow >= RowCount())
        return -1;
    const int parent = Nodes().GetParentRow(RealRowIndex(ARow));
    return parent < 0 ? -1 : DisplRowIndex(parent);
}

bool TVxStringGrid::HasNodes() { return d->Order.FNodes->HasNodes(); }

int TVxStringGrid::GetNodeIndent(int ARow)
{
    if (!HasNodes() || ARow < 0 || ARow >= RowCount())
        return 0;
    return Nodes().RowLevel(RealRowIndex(ARow)) * CellNode().NodeIndent();
}

int TVxStringGrid::GetNodeSpanType(int ARow) const
{
    if (IsNode(ARow))
        return 0;
    if (ARow >= RowCount() - FixedFooters() - 1)
        return 1;
    const TGridNodes& nodes = Nodes();
    const int next = nodes.RowLevel(RealRowIndex(ARow + 1));
    return next > 0 && next >= nodes.RowLevel(RealRowIndex(ARow)) ? 2 : 1;
}

bool TVxStringGrid::IsInNodeGlyph(int ARow, int X)
{
    if (!MouseActions().PreciseNodeClick())
        return true;
    const int level = GetNodeLevel(ARow);
    const int indent = CellNode().NodeIndent();
    const TBitmap& glyph = CellNode().ExpandGlyph();
    int w = 4;
    int m = 4;
    switch (CellNode().NodeType()) {
    case TNodeType::cn3D: w = 6; m = 0; break;
    case TNodeType::cnGlyph: w = glyph.Empty() ? 0 : glyph.Width() / 2; m = glyph.Empty() ? 0 : 2; break;
    case TNodeType::cnLeaf: w = 8; m = 2; break;
    case TNodeType::cnFlat:
    case TNodeType::cnXP: break;
    }
    if (!UseRightToLeftAlignment())
        return (level - 1) * indent + m < X && X < level * indent + w;
    const int v = VisibleRowCount() < RowCount() - FixedRows()
                      ? QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                      : 0;
    return width() - level * indent - w - 2 <= X + v && X + v < width() - (level - 1) * indent;
}

void TVxStringGrid::ExpandNode(int ARow)
{
    TGridNodes& nodes = d->NodesInStep();
    if (!nodes.IsNode(ARow))
        return;
    const int current = Row();
    const int top = TopRow();
    const bool disjunct = MouseActions().DisjunctRowSelect();
    const bool rowSelect = Options().testFlag(TGridOption::goRowSelect);
    MouseActions().SetDisjunctRowSelectDirect(false);
    if (rowSelect)
        SetOptions(Options() & ~TGridOptions(TGridOption::goRowSelect));
    BeginUpdate();
    d->ApplyNodeChange(nodes.ExpandNode(ARow, CellNode().ExpandOne()));
    EndUpdate();
    MouseActions().SetDisjunctRowSelectDirect(disjunct);
    if (rowSelect) {
        SetOptions(Options() | TGridOption::goRowSelect);
        if (current < RowCount())
            SetRow(current);
        SetTopRow(std::min(top, std::max(RowCount() - 1, 0)));
    }
    CalcFooter(-1);
}

void TVxStringGrid::ContractNode(int ARow)
{
    HideInplaceEdit();
    d->ApplyNodeChange(d->NodesInStep().ContractNode(ARow));
    CalcFooter(-1);
}

void TVxStringGrid::SetNodeState(int ARow, bool Value)
{
    if (!IsNode(ARow) || GetNodeState(ARow) == Value)
        return;
    if (Value)
        ContractNode(RealRowIndex(ARow));
    else
        ExpandNode(RealRowIndex(ARow));
}

void TVxStringGrid::ExpandAll()
{
    BeginUpdate();
    d->ApplyNodeChange(d->NodesInStep().ExpandAll());
    EndUpdate();
    CalcFooter(-1);
}

void TVxStringGrid::ContractAll()
{
    BeginUpdate();
    d->ApplyNodeChange(d->NodesInStep().ContractAll());
    EndUpdate();
    CalcFooter(-1);
}

void TVxStringGrid::InsertNormalRow(int ARow)
{
    d->SyncHiddenMaps();
    InsertRows(ARow < TotalRowCount() ? DisplRowIndex(ARow) : RowCount(), 1, true);
}

void TVxStringGrid::RemoveNormalRow(int ARow) { RemoveRows(ARow, 1); }

void TVxStringGrid::InsertChildRow(int ARow, int InsertAt)
{
    if (ARow < 0 || ARow >= TotalRowCount())
        return;
    const TGridNodes::TChildInsert plan = d->NodesInStep().PrepareChildRow(ARow, InsertAt);
    d->ApplyNodeChange(plan.Change);
    // The insertion point is a real row; past the last one the row is appended.
    const int at = plan.At < TotalRowCount() ? DisplRowIndex(plan.At) : RowCount();
    InsertRows(at, 1, true);
    if (plan.MoveNodeRowCells) {
        const int d = at - 1;
        for (int c = 0; c < AllColCount(); ++c) {
            SetGridCell(c, at, GetGridCell(c, d));
            SetGridCell(c, d, QString());
            if (c > 0) {
                SetGridObject(c, at, GetGridObject(c, d));
                SetGridObject(c, d, nullptr);
            }
        }
    }
    d->NodesInStep().SetRowLevel(plan.At, plan.Level);
}

void TVxStringGrid::RemoveChildRow(int ARow)
{
    if (ARow < 0 || ARow >= TotalRowCount())
        return;
    for (int i = 0; i < d->Shared.FControlList->Count(); ++i) {
        TControlItem* item = d->Shared.FControlList->Control(i);
        if (item->Y() >= ARow)
            item->MoveTo(item->X(), item->Y() - 1);
    }
    // Expanding the parents shows the row unless something else hid it; it is shown to be removed.
    d->ApplyNodeChange(d->NodesInStep().ShrinkParentChain(ARow));
    if (IsHiddenRow(ARow))
        UnHideRow(ARow);
    RemoveRowsDirect(DisplRowIndex(ARow), 1);
}

// ---- expand buttons: one cell switches its row between two heights

void TVxStringGrid::AddExpand(int ACol, int ARow, int ExpandedHeight)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->SetCellType(TCellType::ctExpand);
    g->SetCellAngle(ExpandedHeight);
    g->SetCellVar(false);
    g->SetCellIndex(RowHeights(ARow));
}

void TVxStringGrid::RemoveExpand(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, TCellType::ctExpand); }

namespace {
TCellGraphic* ExpandGraphic(TVxStringGrid& G, int ACol, int ARow)
{
    const TPoint base = G.BaseCell(ACol, ARow);
    TCellGraphic* g = G.GetCellGraphic(base.X, base.Y);
    return g && g->CellType() == TCellType::ctExpand ? g : nullptr;
}
} // namespace

bool TVxStringGrid::ToggleExpand(int ACol, int ARow)
{
    TCellGraphic* g = ExpandGraphic(*this, ACol, ARow);
    if (!g)
        return false;
    g->SetCellVar(!g->CellVar().toBool());
    return g->CellVar().toBool();
}

bool TVxStringGrid::GetExpandState(int ACol, int ARow)
{
    const TCellGraphic* g = ExpandGraphic(*this, ACol, ARow);
    return g && g->CellVar().toBool();
}

int TVxStringGrid::GetExpandHeight(int ACol, int ARow, bool Expanded)
{
    const TCellGraphic* g = ExpandGraphic(*this, ACol, ARow);
    if (!g)
        return DefaultRowHeight();
    return Expanded ? g->CellAngle() : g->CellIndex();
}

TRect TVxStringGrid::GetExpandButtonRect(int ACol, int ARow)
{
    if (!ExpandGraphic(*this, ACol, ARow))
        return TRect{0, 0, 0, 0};
    const TRect r = CellRect(DisplColIndex(ACol), ARow);
    return TRect{r.Right - 13, r.Top + 2, r.Right - 2, r.Top + 13};
}

// Column 0 of a node row shows a 9-pixel button at the row's level, minus when expanded, plus when contracted;
// with ShowTree, the rows of a node show the line joining them, closed at the last one.
void TVxStringGrid::PaintNodeGlyph(TCanvas& C, int ARow, const TRect& R)
{
    const int indent = CellNode().NodeIndent();
    const int midY = (R.Top + R.Bottom) / 2;
    if (IsNode(ARow)) {
        const int left = R.Left + (GetNodeLevel(ARow) - 1) * indent + 4;
        C.Brush().SetStyle(TBrushStyle::bsSolid);
        C.Brush().SetColor(clWhite);
        C.Pen().SetColor(CellNode().NodeColor());
        C.Rectangle(left, midY - 4, left + 9, midY + 5);
        C.MoveTo(left + 2, midY);
        C.LineTo(left + 7, midY);
        if (GetNodeState(ARow)) {
            C.MoveTo(left + 4, midY - 2);
            C.LineTo(left + 4, midY + 3);
        }
        return;
    }
    const int level = ARow >= 0 && ARow < RowCount() ? Nodes().RowLevel(RealRowIndex(ARow)) : 0;
    if (!CellNode().ShowTree() || level <= 0)
        return;
    const int x = R.Left + (level - 1) * indent + 8;
    C.Pen().SetColor(CellNode().TreeColor());
    C.MoveTo(x, R.Top);
    C.LineTo(x, GetNodeSpanType(ARow) == 2 ? R.Bottom : midY + 1);
    C.MoveTo(x, midY);
    C.LineTo(x + indent / 2, midY);
}
