#pragma once
// Scrolling while something is dragged near an edge of the grid.
#include "platform/EnumSet.h"

enum class TDragState { dsDragEnter, dsDragLeave, dsDragMove };
enum class TDragScrollDirection { dsdUp, dsdDown, dsdLeft, dsdRight };
using TDragScrollDirections = TEnumSet<TDragScrollDirection>;

struct TDragScrollDelays {
    int InitialDelay = 1000;   // ms before the first step
    int RepeatDelay = 250;     // ms between the steps after it
};

struct TDragScrollMargins {
    int TopMargin = 50;        // pixels from each edge that scroll
    int BottomMargin = 50;
    int LeftMargin = 50;
    int RightMargin = 50;
};

struct TDragScrollOptions {
    bool Active = false;
    TDragScrollDelays Delays;
    TDragScrollMargins Margins;
};
