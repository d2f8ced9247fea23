#pragma once
// The string grid as the row filter's host: cell texts, row kinds, and the grid's hidden rows for the levels.
#include "grid/model/RowFilter.h"

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
    bool MatchFilterRow(const TRowFilter& Filter, int Row) override;   // the grid's virtual MatchFilterRow
    void HideFilterLevel(const std::vector<int>& Rows, int Level) override;
    void UnHideFilterLevel(const std::vector<int>& Rows, int Level) override;

private:
    TVxStringGrid& FGrid;
};
