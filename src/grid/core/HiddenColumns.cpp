#include "grid/core/HiddenColumns.h"

void THiddenColumns::Hide(int RealCol)
{
    if (InRange(RealCol) && !FHidden.test(std::size_t(RealCol))) {
        FHidden.set(std::size_t(RealCol));
        ++FCount;
    }
}

void THiddenColumns::Show(int RealCol)
{
    if (IsHidden(RealCol)) {
        FHidden.reset(std::size_t(RealCol));
        --FCount;
    }
}

int THiddenColumns::DisplayIndex(int RealCol) const
{
    if (FCount == 0 || RealCol <= 0)
        return RealCol;
    int hiddenBefore = 0;
    for (int i = 0; i < RealCol && i < MaxColumns; ++i)
        hiddenBefore += FHidden.test(std::size_t(i)) ? 1 : 0;
    return RealCol - hiddenBefore;
}

int THiddenColumns::RealIndex(int DisplCol) const
{
    if (FCount == 0 || DisplCol < 0)
        return DisplCol;
    int real = 0;
    for (int shown = -1;; ++real) {
        if (!IsHidden(real) && ++shown == DisplCol)
            return real;
    }
}
