#pragma once
// The rows a grid has taken out of display: one record per hidden row (its cells with their objects, its height,
// the filter level that hid it), kept in ascending real order beside the index map that maps display and real
// rows both ways. Parking or restoring k records among h is O(h + k log k).
#include "grid/model/HiddenIndexMap.h"
#include "grid/model/GridStore.h"
#include <vector>

struct TGridItem {
    int Idx = 0;        // real row
    int Height = 0;
    TGridCells Items;   // every storage column, objects attached
    int Level = 0;      // filter level that hid it; 0 for rows hidden otherwise
};

class THiddenRows {
public:
    const THiddenIndexMap& Map() const { return FMap; }
    int Count() const { return int(FItems.size()); }
    const std::vector<TGridItem>& Items() const { return FItems; }
    std::vector<TGridItem>& Items() { return FItems; }
    TGridItem* Find(int Real);                        // the record of a hidden real row, or null
    // Keeps the map's real count at least the grid's total row count.
    void SetTotal(int Total);

    // Adds records whose Idx are not hidden yet, at level 0 (HideRow) or at a new filter level.
    void Park(std::vector<TGridItem> Records);
    void ParkLevel(std::vector<TGridItem> Records);   // Idx are real rows; opens the next filter level
    // Takes the records of real rows FromReal..ToReal out, ascending.
    std::vector<TGridItem> Take(int FromReal, int ToReal);
    std::vector<TGridItem> TakeLevel();               // the newest filter level, ascending
    std::vector<TGridItem> TakeAll();

    // Structure changes of the shown rows, given as real rows: the hidden ones keep their places among them.
    void InsertRows(int Real, int N);
    void RemoveRows(int Real, int N);

private:
    void MergeRecords(std::vector<TGridItem> Records);
    THiddenIndexMap FMap;
    std::vector<TGridItem> FItems;   // ascending Idx, the same rows as FMap.Hidden()
};
