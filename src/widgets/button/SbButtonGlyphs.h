#pragma once
// The button's bitmap resources: the kind glyphs LBOK .. LBALL (normal and disabled cell) and the
// drop-down mark LBARROW. Our own drawings, made in code.
#include <QString>

class TBitmap;

// False, leaving the bitmap as it was, for an unknown name.
bool LoadSbButtonBitmap(TBitmap& bitmap, const QString& name);
