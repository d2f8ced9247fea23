#pragma once
// The string grid as the row filter's host: cell texts, row kinds, and parking the rows of a filter level.
#include "grid/core/RowFilter.h"

class TVxStringGrid;

class TGridFilterHost : public TFilterHost {
public:
    explicit TGridFilterHost(TVxStringGrid& Grid) : FGrid(Grid) {}
    int FixedRows() const override;
    void SetFixedRows(int Value) override;
    int RowCount() const override;
    int FixedFooters() const override;
    int ColCount() const override;
    QString FilterCellText(TFilterCells Data, int Col, int Row) const override;
    bool IsNodeOrSummaryRow(int Row) const override;
    void HideFilterLevel(const std::vector<int>& Rows, int Level) override;
    void UnHideFilterLevel(const std::vector<int>& Rows, int Level) override;

private:
    void PermuteRows(const std::vector<int>& Order);
    TVxStringGrid& FGrid;
    std::vector<std::vector<int>> FParkedHeights;   // per level, the heights of its rows
};
