#pragma once
// One axis of a grid (its columns or its rows): sizes, fixed cells and the first scrollable cell shown.
// Sizes live in a Fenwick tree so that positions, hit tests and scroll limits stay logarithmic on large grids.
#include <cstdint>
#include <vector>

class TGridAxis {
public:
    explicit TGridAxis(int count, int fixed, int defaultSize);

    int Count() const { return FCount; }
    void SetCount(int value);                 // new cells get the default size; fixed cells stay below the count
    int Fixed() const { return FFixed; }
    void SetFixed(int value) { FFixed = value; }
    int DefaultSize() const { return FDefaultSize; }
    void SetDefaultSize(int value);           // every cell takes it
    int First() const { return FFirst; }
    void SetFirst(int value) { FFirst = value; }

    int Size(int i) const;                    // the default size outside the count
    void SetSize(int i, int value);           // negative sizes become 0

    std::int64_t Offset(int i) const;         // sum of the sizes of cells 0..i-1
    int FixedExtent() const { return int(Offset(FFixed)); }
    std::int64_t Pos(int i) const;            // client position of the cell's leading edge
    int CellAt(int pos, int clientExtent) const;   // -1 outside the cells
    int VisibleCount(int clientExtent) const;      // fully shown scrollable cells from First
    int MaxFirst(int clientExtent) const;          // largest First that still shows the last cell fully
    bool IsShown(int i, int clientExtent) const;   // fixed, or scrollable and at least partly in view
    int ScrollTarget(int i, int clientExtent) const;  // First that shows cell i fully (First itself when it does)
    // Client extent [p0, p1) of cells a..b as far as they are shown; false when none of them is.
    bool Span(int a, int b, int clientExtent, int& p0, int& p1) const;

    void Move(int from, int to);              // sizes follow the moved cell
    void Delete(int i);

private:
    void Rebuild();
    std::int64_t Prefix(int n) const;         // sum of the first n sizes, n <= count
    int LastWithPrefixAtMost(std::int64_t target) const;  // largest n <= count with Prefix(n) <= target

    int FCount;
    int FFixed;
    int FDefaultSize;
    int FFirst;
    std::vector<int> FSizes;
    std::vector<std::int64_t> FTree;          // 1-based Fenwick tree over FSizes
};
