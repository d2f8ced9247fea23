#pragma once
// The item colours each drop-down colour style gives the pickers' item appearance.
#include "grid/foundation/VxStyleIF.h"

class TItemAppearance;

// tsCustom changes nothing.
void ApplyItemAppearanceStyle(TItemAppearance& ItemAppearance, TZarnStyle Style);
