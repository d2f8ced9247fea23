#include "grid/core/HiddenColumns.h"

void THiddenColumns::Hide(int RealCol)
{
    if (InRange(RealCol))
        FHidden.set(std::size_t(RealCol));
}

void THiddenColumns::Show(int RealCol)
{
    if (InRange(RealCol))
        FHidden.reset(std::size_t(RealCol));
}

int THiddenColumns::DisplayIndex(int RealCol) const
{
    if (FHidden.none() || RealCol <= 0)
        return RealCol;
    int hiddenBefore = 0;
    for (int i = 0; i < RealCol && i < MaxColumns; ++i)
        hiddenBefore += FHidden.test(std::size_t(i)) ? 1 : 0;
    return RealCol - hiddenBefore;
}

int THiddenColumns::RealIndex(int DisplCol) const
{
    if (FHidden.none() || DisplCol < 0)
        return DisplCol;
    int real = 0;
    for (int shown = -1;; ++real) {
        if (!IsHidden(real) && ++shown == DisplCol)
            return real;
    }
}
