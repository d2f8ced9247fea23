#pragma once
// The single-colour frame and the flattened drop-down button face shared by the flat combo box and the flat
// date-time pickers.
#include "platform/Types.h"

class TCanvas;

struct TFlatFrame {
    bool Enabled = true;
    bool Themed = true;          // the common controls draw themed
    bool DisabledBorder = true;
    bool HasFocus = false;
    bool FocusBorderActive = false;
    TColor BorderColor = clNone;
    TColor FocusBorderColor = clNone;
    TColor ParentColor = clBtnFace;
    TColor Color = clWindow;
    int ButtonWidth = 19;
    TColor FlatLineColor = clNone;   // a line along the bottom edge (combo boxes only)
};

// The frame colour of a disabled themed control.
constexpr TColor clDisabledFrame = 0xB99D7F;

// The frame around R by the first rule that applies: disabled themed frame, border colour, focus border colour,
// else the two-colour flat frame.
void DrawFlatFrame(TCanvas& Canvas, TRect R, const TFlatFrame& Frame);
// The ring around the drop-down button of a control W x H: flattened to the button face when not Active; a
// picker raises it while Active (flat while its calendar is down).
void DrawFlatButtonFace(TCanvas& Canvas, int W, int H, int ButtonWidth, bool Active, bool Picker,
                        bool DroppedDown = false);
