#pragma once
// What the sort settings and the row sorter ask of the string grid: its fixed rows and sort indexes, repainting,
// sorting, and the cells by display column and display row.
#include "grid/core/RowSorter.h"

class TVxStringGrid;

class TGridSortHost : public TSortSettingsHost, public TSortCellSource {
public:
    explicit TGridSortHost(TVxStringGrid& AGrid) : G(AGrid) {}

    int SortHostFixedRows() const override;
    TSortIndexList& SortHostIndexes() override;
    void SortHostRepaint(int Row) override;
    void SortHostSort(bool Indexed) override;

    int SortColCount() const override;
    QString SortCellText(int ACol, int ARow) const override;
    QString SortRawCellText(int ACol, int ARow) const override;
    const QString* SortStoredText(int ACol, int ARow) const override;
    void SortColFormat(int ACol, TSortStyle& Style, QString& Prefix, QString& Suffix) const override;
    bool SortIsIgnoredColumn(int ACol) const override;
    int SortCustomCompare(const QString& S1, const QString& S2) const override;
    int SortRawCompare(int ACol, int ARow1, int ARow2) const override;

private:
    TVxStringGrid& G;
};
