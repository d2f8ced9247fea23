#pragma once
// Column and row aggregates of the string grid (sums, extremes, spread, distinct texts) and the floating
// footer's template, over what the grid reads of its cells. The grid resolves its default ranges and picks
// display or real rows before it calls these.
#include "grid/foundation/GridTypes.h"
#include <QString>
#include <functional>
#include <optional>

struct TCalcSource {
    // The cell as a number; raises the grid's error for a text that is not one.
    std::function<double(int Col, int Row)> Floats;
    std::function<QString(int Col, int Row)> Cells;     // the shown text, for ColumnDistinct
    // Whether the cell takes part (a base cell, not a node or summary row of a grouped grid); none: every cell.
    std::function<bool(int Col, int Row)> Counted;
};

// A value that raises is passed over, except where said.
double ColumnSum(const TCalcSource& Source, int ACol, int FromRow, int ToRow);
double ColumnAvg(const TCalcSource& Source, int ACol, int FromRow, int ToRow);      // by the rows of the range
double ColumnMin(const TCalcSource& Source, int ACol, int FromRow, int ToRow);      // starts from row FromRow: raises
double ColumnMax(const TCalcSource& Source, int ACol, int FromRow, int ToRow);
double ColumnStdDev(const TCalcSource& Source, int ACol, int FromRow, int ToRow);   // every row; raises; 0 when empty
int ColumnDistinct(const TCalcSource& Source, int ACol, int FromRow, int ToRow);    // case ignored
double RowSum(const TCalcSource& Source, int ARow, int FromCol, int ToCol);
double RowAvg(const TCalcSource& Source, int ARow, int FromCol, int ToCol);
double RowMin(const TCalcSource& Source, int ARow, int FromCol, int ToCol);         // starts from FromCol: raises
double RowMax(const TCalcSource& Source, int ARow, int FromCol, int ToCol);

// Group calculation methods 1 sum, 2 average, 3 minimum, 4 maximum, 5 count, 6 custom, 7 distinct,
// 8 standard deviation; acNONE for any other.
TColumnCalcType GroupCalcKind(int Method);
// The value of a calculated summary cell; none for the kinds the grid answers itself (none, count, spread, custom).
std::optional<double> ColumnCalcValue(TColumnCalcType Kind, const TCalcSource& Source, int ACol, int FromRow,
                                      int ToRow);

// The floating footer's value for a column of calculation Kind: over the rows FixedRows .. RowCount - 2 + Hidden
// (Hidden: the number of hidden rows when they are counted, else 0), the count being Hidden + RowCount - FixedRows - 1;
// none for acNONE and acSPREAD, and for acCUSTOM, which the grid answers through its events.
std::optional<double> FooterCalcValue(TColumnCalcType Kind, const TCalcSource& Source, int ACol, int FixedRows,
                                      int RowCount, int Hidden);

// "<#n>" becomes Cell(n) for 0 <= n < ColCount and empty text otherwise; a tag whose inside is no number is
// dropped; a "<#" with no ">" after it is copied as it stands with the rest.
QString ExpandFooterTemplate(const QString& Template, int ColCount, const std::function<QString(int Col)>& Cell);
