#pragma once
// Which real columns are hidden, and the translation between real and display column indexes.
// Hiding keeps a column's cells at their real index; the display index skips the hidden columns.
#include <bitset>

class THiddenColumns {
public:
    // Only real indexes below this take part in hiding and mapping.
    static constexpr int MaxColumns = 512;

    bool IsHidden(int RealCol) const { return InRange(RealCol) && FHidden.test(std::size_t(RealCol)); }
    void Hide(int RealCol);
    void Show(int RealCol);
    void ShowAll() { FHidden.reset(); FCount = 0; }
    int Count() const { return FCount; }
    // The real index less the hidden columns before it.
    int DisplayIndex(int RealCol) const;
    // The real index of the shown column at display position DisplCol.
    int RealIndex(int DisplCol) const;

private:
    static bool InRange(int RealCol) { return RealCol >= 0 && RealCol < MaxColumns; }
    std::bitset<MaxColumns + 1> FHidden;
    int FCount = 0;   // asked on every cell read
};
