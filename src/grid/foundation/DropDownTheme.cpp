#include "grid/foundation/DropDownTheme.h"

TThemeBinding& ATXPVS()
{
    static TThemeBinding binding;
    return binding;
}
