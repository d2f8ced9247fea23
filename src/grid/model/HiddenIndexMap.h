#pragma once
// Which rows (or columns) of a grid are hidden, and the mapping between display and real indexes.
// The hidden indexes are one sorted array: both mappings are a binary search, and hiding or showing
// k of n indexes is one sort of the k plus one merge, O(n + k log k).
#include <vector>

class THiddenIndexMap {
public:
    explicit THiddenIndexMap(int Count = 0);

    // Real indexes run 0..Count-1; growing adds shown indexes, shrinking forgets hidden ones past the end.
    int Count() const { return FCount; }
    void SetCount(int Value);
    int HiddenCount() const { return int(FHidden.size()); }
    int ShownCount() const { return FCount - HiddenCount(); }

    bool IsHidden(int Real) const;
    // -1 when shown, 0 when hidden by Hide/HideList (HideRow, contracted nodes), n >= 1 for filter level n.
    int LevelOf(int Real) const;
    std::vector<int> Hidden() const;                     // ascending real indexes

    // -1 for a negative index; past the shown indexes the count runs on beyond the last real index.
    int RealOf(int Display) const;
    // The number of shown indexes before Real: a hidden index maps to the next shown one's place.
    int DisplayOf(int Real) const;

    // By real index, at level 0; indexes outside 0..Count-1 are ignored. Each returns how many changed.
    int Hide(int FromReal, int ToReal);
    int HideList(std::vector<int> Reals);
    // Shows whatever hid them, filter levels included.
    int Show(int FromReal, int ToReal);
    int ShowList(std::vector<int> Reals);
    void ShowAll();

    // Filter levels stack from 1. A level hides display indexes (taken before it applies) and is lifted whole,
    // newest first; lifting never shows what Hide or another level hid. Both return the real indexes touched,
    // ascending (as they stand after the call).
    int FilterLevel() const { return FFilterLevel; }
    std::vector<int> PushFilterLevel(const std::vector<int>& DisplayIndexes);
    std::vector<int> PopFilterLevel();

    // Structure changes, so that the hidden records stay on their rows.
    void Insert(int Real, int N);            // N shown indexes before Real (Count appends)
    void Remove(int Real, int N);            // real indexes Real..Real+N-1, hidden ones among them forgotten
    void RemoveShown(int Display, int N);    // the shown indexes Display..Display+N-1; hidden ones between stay
    void Move(int FromReal, int ToReal);     // the index is taken out and put in at ToReal, hidden or not

private:
    struct THidden {
        int Real;
        int Level;
    };
    std::vector<THidden>::const_iterator Find(int Real) const;
    int MergeIn(std::vector<int> Reals, int Level);
    int Drop(std::vector<int> Reals, int Level);   // Level -1: any level

    int FCount = 0;
    int FFilterLevel = 0;
    std::vector<THidden> FHidden;            // ascending Real
};
