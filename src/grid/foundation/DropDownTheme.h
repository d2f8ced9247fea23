#pragma once
// The drop-down controls' own instance of the visual-styles binding.
#include "grid/foundation/ThemeBinding.h"

TThemeBinding& ATXPVS();
