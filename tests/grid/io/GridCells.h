#pragma once
// A grid's texts as rows of cells, and a grid without fixed cells filled from such rows.
#include "grid/core/VxStringGrid.h"
#include <QList>
#include <QStringList>

inline QList<QStringList> AllCells(TVxStringGrid& G)
{
    QList<QStringList> rows;
    for (int r = 0; r < G.RowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < G.ColCount(); ++c)
            row << G.Cells(c, r);
        rows << row;
    }
    return rows;
}

inline void FillWithoutFixedCells(TVxStringGrid& G, int Cols, const QList<QStringList>& Rows)
{
    G.SetFixedCols(0);
    G.SetFixedRows(0);
    G.SetColCount(Cols);
    G.SetRowCount(std::max(1, int(Rows.size())));
    for (int r = 0; r < Rows.size(); ++r)
        for (int c = 0; c < Rows[r].size(); ++c)
            G.SetCells(c, r, Rows[r][c]);
}
