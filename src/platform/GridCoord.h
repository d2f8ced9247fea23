#pragma once
// The toolkit grid's cell coordinates, free of any widget.

struct TGridCoord {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// A block of cells; all four edges are inclusive.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool Contains(int ACol, int ARow) const { return ACol >= Left && ACol <= Right && ARow >= Top && ARow <= Bottom; }
    friend bool operator==(const TGridRect&, const TGridRect&) = default;
};
