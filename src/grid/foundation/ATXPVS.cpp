#include "grid/foundation/ATXPVS.h"

TThemeBinding& ATXPVS()
{
    static TThemeBinding binding;
    return binding;
}
