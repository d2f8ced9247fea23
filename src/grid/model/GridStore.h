#pragma once
// The sparse cell store of the toolkit string grid: a text and an object reference per cell.
#include <QString>
#include <vector>

// Root of the objects a grid cell may reference; the store never owns them.
class TObject {
public:
    virtual ~TObject() = default;
};

struct TGridCell {
    QString Text;
    TObject* Object = nullptr;
};

// Texts and objects of one whole row or column.
using TGridCells = std::vector<TGridCell>;

// Rows are kept only as far as their last written column, so untouched rows cost one empty vector.
// Any cell from (0, 0) may be written; negative indexes read as empty and ignore writes.
class TGridStore {
public:
    const QString& Text(int c, int r) const;
    TObject* Object(int c, int r) const;
    void SetText(int c, int r, const QString& value);
    void SetObject(int c, int r, TObject* value);
    // The usual row width (the grid's column count): a row that grows takes it at once instead of doubling.
    void SetRowWidthHint(int value) { FRowWidthHint = value; }

    TGridCells Row(int r, int count) const;         // columns 0..count-1
    TGridCells Col(int c, int count) const;         // rows 0..count-1
    void SetRow(int r, const TGridCells& cells, int count);
    void SetCol(int c, const TGridCells& cells, int count);

    void MoveRow(int from, int to);                  // the rows between shift by one
    // Whole rows change hands without copying a cell; what a row held past the grid's columns goes with it.
    TGridCells TakeRow(int r);                       // row r is left empty
    void PutRow(int r, TGridCells cells);
    void SwapRows(int r1, int r2);
    // Rows at..at+n-1 leave and the rows up to End close up; End-n..End-1 come out empty, rows from End stay.
    void RemoveRows(int at, int n, int End);
    // Rows at..End-n-1 move down by n and at..at+n-1 come out empty; the rows that passed End-1 are dropped.
    void InsertRows(int at, int n, int End);
    // Row To[k] takes what row From[k] held; From holds the same rows as To, in another order.
    void PermuteRows(const std::vector<int>& From, const std::vector<int>& To);
    void MoveCol(int from, int to);
    void Clear();
    int RowExtent() const { return int(FRows.size()); }    // rows 0..RowExtent-1 may hold cells
    int ColExtent(int r) const;                            // columns 0..ColExtent-1 of row r may hold cells

private:
    TGridCell* Slot(int c, int r);                   // made on demand
    TGridCells Line(bool isRow, int index, int count) const;
    void SetLine(bool isRow, int index, const TGridCells& cells, int count);
    const TGridCell* Find(int c, int r) const;

    std::vector<std::vector<TGridCell>> FRows;
    int FRowWidthHint = 0;
};
