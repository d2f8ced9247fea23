#pragma once
// The toolkit's colour names and its text form of a colour, shared by every file that stores colours.
#include "platform/Types.h"
#include <QString>

// The toolkit's name of a colour ("clBlack", "clBtnFace", ...); empty when the value has none.
QString ColorToIdent(TColor Color);
// False when Ident names no colour.
bool IdentToColor(const QString& Ident, TColor& Color);
// The name when there is one, else "$" and eight hexadecimal digits.
QString ColorToString(TColor Color);
// A name, a "$" hexadecimal or a decimal number; anything else raises EConvertError.
TColor StringToColor(const QString& Text);
