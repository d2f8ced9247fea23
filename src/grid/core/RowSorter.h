#pragma once
// Row sorting of a string grid: the cell comparison by sort style (with recognition of numbers, dates, times
// and check boxes), the tie-break over following columns or sort indexes, a stable merge sort over row
// indexes that gives the grid a permutation to apply in one pass, and the cross-reference that undoes sorts.
#include "grid/core/SortSettings.h"
#include "grid/foundation/GridTypes.h"
#include <QString>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

class TSortIndexList;

// The cells a sort reads; the grid implements it. Columns and rows are whatever the grid sorts by.
class TSortCellSource {
public:
    virtual ~TSortCellSource() = default;
    virtual int SortColCount() const = 0;                                  // the tie-break stops before it
    virtual QString SortCellText(int ACol, int ARow) const = 0;            // as displayed (Cells)
    virtual QString SortRawCellText(int ACol, int ARow) const { return SortCellText(ACol, ARow); }
    // The raw text where it is stored, for a sort to refer to; null when nothing keeps it still during a sort.
    virtual const QString* SortStoredText(int, int) const { return nullptr; }
    virtual QString SortStrippedCellText(int ACol, int ARow) const { return SortCellText(ACol, ARow); } // ssHTML
    // GetColFormat: the column may change the style, prefix and suffix it is given.
    virtual void SortColFormat(int, TSortStyle&, QString&, QString&) const {}
    virtual bool SortIsCheckBox(int, int) const { return false; }
    virtual bool SortCheckBoxState(int, int) const { return false; }
    virtual std::int64_t SortGraphicKey(int, int) const { return -1; }     // ssImages
    virtual bool SortIsIgnoredColumn(int) const { return false; }
    virtual int SortCustomCompare(const QString&, const QString&) const { return 0; }   // OnCustomCompare
    virtual int SortRawCompare(int, int, int) const { return 0; }                       // OnRawCompare
};

// Each sort reads every cell's text once and keeps what is derived from it (number, date, upper case) for the
// rows being sorted; the next sort reads afresh. Between sorts, the comparisons read cells as they stand.
class TRowSorter {
public:
    TRowSorter(const TSortCellSource& Source, const TSortSettings& Settings);
    ~TRowSorter();
    TRowSorter(const TRowSorter&) = delete;
    TRowSorter& operator=(const TRowSorter&) = delete;

    // 1 when row 1's cell sorts after row 2's, -1 before, 0 equal; Direction only places blanks.
    int CompareCells(int ACol, int ARow1, int ARow2, TSortDirection Direction);
    // 0 for an ignored column; with Full, ties go to the following columns (ignored ones skipped).
    int CompareRowsByColumn(int ACol, int ARow1, int ARow2);
    // Direction-adjusted: 1 means row 1 comes after row 2 in the order the indexes ask for.
    int CompareRowsByIndex(const TSortIndexList& Indexes, int Index, int ARow1, int ARow2);

    // Stable sorts of rows First..Last. Result[i] is the row that belongs at First + i.
    std::vector<int> SortByColumn(int ACol, int First, int Last);   // in Settings.Direction()
    std::vector<int> SortByIndexes(const TSortIndexList& Indexes, int First, int Last);

    int Compares() const { return FCompares; }

private:
    struct TCellKey;
    struct TColumn;
    TColumn& ColumnOf(int ACol);
    TCellKey& KeyOf(TColumn& Column, int ARow, TCellKey& Scratch);
    void LoadText(const TColumn& Column, int ARow, TCellKey& K);
    void BeginRange(int First, int Last);
    void Recognition(TColumn& Column, TCellKey& K);
    TSortStyle Recognize(TColumn& Column, TCellKey& K1, TCellKey& K2);
    bool IsNumber(TCellKey& K);
    bool IsBlank(const TColumn& Column, TCellKey& K);
    void NumberOf(const TColumn& Column, TCellKey& K);
    void UpperOf(TCellKey& K);
    int CompareNumbers(const TColumn& Column, TCellKey& K1, TCellKey& K2);
    void PrepareDense(TColumn& Column);
    int CompareByStyle(TSortStyle Style, TColumn& Column, TCellKey& K1, TCellKey& K2);
    int CompareTies(int ACol, int ARow1, int ARow2);
    template <typename TItem, typename Compare>
    static void StableSort(std::vector<TItem>& Items, Compare Cmp);

    const TSortCellSource& FSource;
    const TSortSettings& FSettings;
    QChar FDecimal, FThousand, FDateSeparator, FTimeSeparator;
    int FFirst = 0;
    int FLast = -1;
    int FCompares = 0;
    std::unordered_map<int, std::unique_ptr<TColumn>> FColumns;
    static constexpr int kIndexedColumns = 4096;
    std::vector<TColumn*> FByColumn;   // FColumns' entries by column, for the first kIndexedColumns
    struct TDenseKey {
        double Number = 0;
        std::uint64_t Head = 0;
        const QChar* Chars = nullptr;
        qsizetype Length = 0;
    };
    struct TCollators;
    std::unique_ptr<TCollators> FCollators;
};

// Where every row stood before the sorts since the last Init, so that they can be undone (QUnSort).
class TSortXRef {
public:
    int Count() const { return int(FItems.size()); }
    int Items(int i) const { return FItems[std::size_t(i)]; }
    void Init(int Count);                                   // 0, 1, ..., Count-1
    void EnsureCount(int Count) { if (Count != this->Count()) Init(Count); }
    void Apply(const std::vector<int>& Perm, int First);   // the rows were permuted as a sort's result says
    // The permutation of all rows (from 0) that brings them back; applying it leaves 0, 1, ... again.
    std::vector<int> UnSortPermutation() const;

private:
    std::vector<int> FItems;
};

// Puts Items[Perm[i]] at First + i, moving each item once.
template <typename Seq>
void ApplyRowPermutation(Seq& Items, const std::vector<int>& Perm, int First)
{
    std::vector<std::decay_t<decltype(Items[0])>> moved;
    moved.reserve(Perm.size());
    for (int r : Perm)
        moved.push_back(std::move(Items[r]));
    for (std::size_t i = 0; i < moved.size(); ++i)
        Items[First + int(i)] = std::move(moved[i]);
}
