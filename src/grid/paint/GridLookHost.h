#pragma once
// The string grid as the looks' host: its appearance, fonts, line colours, footers and editors.
#include "grid/paint/GridLook.h"
#include <memory>

class TVxStringGrid;

std::unique_ptr<TLookHost> MakeGridLookHost(TVxStringGrid& Grid);
