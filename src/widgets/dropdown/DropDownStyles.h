#pragma once
// The colour presets of the drop-down controls: per colour style the pop-up, its header and footer strips and
// the strip buttons; per selection style the colours of a selected list item.
#include "grid/foundation/VxStyleIF.h"
#include "platform/Types.h"

enum class TSelectionColorStyle { scCustom, scOffice2007, scWindowsVista, scWindows7 };

struct TStripColors {
    TColor Color, ColorTo, FontColor, BorderColor;
};

// The 14 colours of a TVxButtonAppearance, in the order of the preset tables.
struct TButtonColors {
    TColor Color, ColorTo, BorderColor;
    TColor ColorHot, ColorHotTo, BorderColorHot;
    TColor ColorDown, ColorDownTo, BorderColorDown;
    TColor ColorDisabled, ColorDisabledTo;
    TColor ColorChecked, ColorCheckedTo, BorderColorChecked;
};

struct TDropDownStylePreset {
    TColor DropDownColor;
    TColor DropDownColorTo;
    bool KeepBorderColor;       // the style leaves DropDownBorderColor as it was
    TColor DropDownBorderColor;
    TStripColors Header;
    TStripColors Footer;
    TButtonColors Buttons;
};

// nullptr for tsCustom, which changes no colour.
const TDropDownStylePreset* DropDownStylePreset(TZarnStyle Style);

struct TSelectionColors {
    TColor Color, ColorTo;
    TColor MirrorColor, MirrorColorTo, InnerTopColor, InnerBottomColor, BorderColor, CornerColor;
};

// nullptr for scCustom, which keeps the selection colours and fills solid.
const TSelectionColors* SelectionColorPreset(TSelectionColorStyle Style);
