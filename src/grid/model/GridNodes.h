#pragma once
// The string grid's node outline as data: node rows with their span, contracted state, sub-node count and value,
// summary rows, and the node level of every row. Rows are real rows (hidden ones counted in their places); the
// grid maps its display rows before asking and hides or shows the rows an expand or contract answers.
#include <map>
#include <set>
#include <vector>

struct TNodeRecord {
    int Span = 0;          // rows covered, its own included; 0 or less: up to the next node row
    bool Contracted = false;
    int SubNodes = 0;
    int MadeAt = 0;        // the display row where the node was made
    int Value = -1;        // the column a sub-group node was made for, -1 otherwise
};

// What an operation asks the grid to do with rows, in real rows as they stand after the operation.
struct TNodeChange {
    std::vector<int> Hide;
    std::vector<int> Show;
};

class TGridNodes {
public:
    explicit TGridNodes(int RowCount = 0) : FLevels(std::size_t(RowCount), 0) {}

    int RowCount() const { return int(FLevels.size()); }
    // Plain rows: nodes and levels below move with their rows, no span changes.
    void InsertRows(int At, int Count);
    void RemoveRows(int At, int Count);   // a removed node row takes its node along

    void AddNode(int ARow, int Span, int MadeAt = -1);
    void MarkSummaryRow(int ARow);
    TNodeChange RemoveNode(int ARow);     // expands it first; its rows keep their rows, one level lower
    TNodeChange RemoveAllNodes();

    bool IsNode(int ARow) const { return FNodes.count(ARow) > 0; }
    bool IsSummary(int ARow) const { return FSummaries.count(ARow) > 0; }
    int NodeCount() const { return int(FNodes.size()); }
    bool HasNodes() const { return !FNodes.empty(); }
    std::vector<int> NodeRows() const;
    const TNodeRecord* Node(int ARow) const;

    bool GetNodeState(int ARow) const;      // contracted
    int GetNodeLevel(int ARow) const;       // -1 for a row without a node
    int RowLevel(int ARow) const;           // any row: the number of nodes covering it
    void SetRowLevel(int ARow, int Level);
    int GetNodeSpan(int ARow) const;        // -1 for a row without a node
    void SetNodeSpan(int ARow, int Span);
    void UpdateNodeSpan(int ARow, int Delta);
    int GetSubNodeCount(int ARow) const;    // 0 for a row without a node
    void UpdateSubNodeCount(int ARow, int Delta);
    int GetNodeValue(int ARow) const;
    void SetNodeValue(int ARow, int Value);
    int GetParentRow(int ARow) const;       // a top-level node row is its own parent; -1 outside every node
    int NodeEnd(int ARow) const;            // the first row after the node's rows
    bool IsHiddenByNode(int ARow) const;    // under a contracted node

    // A contracted node never holds another contracted node: contracting takes nested contracted nodes' hidden
    // rows over and marks them expanded, so expanding shows every row of the span. A node under a contracted
    // node is not contracted again; expanding or contracting twice changes nothing.
    TNodeChange ExpandNode(int ARow, bool ExpandOne = false);
    TNodeChange ContractNode(int ARow);
    TNodeChange ExpandAll();
    TNodeChange ContractAll();

    // Where the grid inserts the new child row (InsertAt 0 at a node row: just below it, the node row's cells
    // moving down into the new row); the parent chain grows, is expanded and the new row gets the parent's level.
    struct TChildInsert {
        int At = 0;
        bool MoveNodeRowCells = false;
        int Level = 0;         // the new row's level: its parent's, 0 outside every node
        TNodeChange Change;
    };
    TChildInsert InsertChildRow(int ARow, int InsertAt);
    TNodeChange RemoveChildRow(int ARow);   // the parent chain shrinks and is expanded; the row is removed
    // The two halves for a caller that inserts or removes the row itself (and tells InsertRows or RemoveRows):
    // the parent chain only, rows as they stand before the row comes or goes.
    TChildInsert PrepareChildRow(int ARow, int InsertAt);
    TNodeChange ShrinkParentChain(int ARow);

    // Rows moved as a whole, all at once: the node, summary mark and level of each From row go to its To row.
    struct TRowMove {
        int From;
        int To;
    };
    void MoveRows(const std::vector<TRowMove>& Moves);

private:
    TNodeRecord* Find(int ARow);
    TNodeChange ContractRows(int ARow);   // an expanded node that is not hidden
    void AddLevels(int From, int Count, int Delta);
    static void Merge(TNodeChange& Into, const TNodeChange& From);

    std::map<int, TNodeRecord> FNodes;
    std::set<int> FSummaries;
    std::vector<int> FLevels;
};
