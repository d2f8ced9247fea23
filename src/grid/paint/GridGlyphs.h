#pragma once
// Check and radio glyphs in every control style, the small bitmaps cells draw (filter button, tree nodes,
// close mark), the focus halo around the edited cell and the dotted sizing lines.
#include "grid/foundation/VxCheckBox.h"
#include "grid/paint/ControlLook.h"
#include "platform/Canvas.h"
#include <QStringList>
#include <QRegion>

class QWidget;
class TGridAlphaMask;
class TGridFocusWindow;

// The program's own glyph bitmaps, drawn once on first use. The bottom-left pixel is the transparent colour.
enum class TGlyphId {
    ZarnCheckOn, ZarnCheckOff, ZarnCheckOnDisabled, ZarnCheckOffDisabled,      // "VXGCHK01".."04"
    XPCheckOn, XPCheckOff, XPCheckOnDisabled, XPCheckOffDisabled,              // "VXGCHK05".."08"
    ZarnRadioOn, ZarnRadioOff, ZarnRadioOnDisabled, ZarnRadioOffDisabled,      // "VXGRAD01".."04"
    XPRadioOn, XPRadioOff, XPRadioOnDisabled, XPRadioOffDisabled,              // "VXGRAD05".."08"
    MetroCheckOn, MetroCheckOff, MetroRadioOn, MetroRadioOff,
    Filter, LeafClose, LeafOpen, XPNodeClosed, XPNodeOpen, Close
};
const TBitmap& GlyphBitmap(TGlyphId Id);
// Draws a glyph at (X, Y), its transparent colour left out.
void DrawTransparentGlyph(TCanvas& Canvas, TGlyphId Id, int X, int Y);
// The glyph a resource name stands for ("VXGCHK07", "metrocheckon", ...); false for an unknown name.
bool GlyphByName(const QString& Name, TGlyphId& Id);

// What the glyph routines need of their grid.
struct TGlyphContext {
    const TControlLook* Look = nullptr;
    QWidget* Window = nullptr;          // for themed drawing
    bool Themed = false;                // visual styles in use (csTheme is drawn classic otherwise)
    bool RightToLeft = false;
    bool NoRTLOrientation = false;
    int ClientWidth = 0;
    int XYOffsetX = 2;
    bool ShowSelection = true;
    TColor SelectionTextColor = clHighlightText;
};

// The glyph a check box shows in a style, or false when it is drawn rather than copied.
bool CheckGlyphFor(TControlStyle Style, bool Checked, bool Enabled, const TControlLook& Look, TGlyphId& Id);

void DrawCheckGlyph(TCanvas& Canvas, const TGlyphContext& Ctx, TRect R, bool Checked, TCheckBoxState TriState,
                    bool IsTriState, TControlStyle ControlStyle, bool Grayed, bool Enabled);

// Count options of Items (or one button without text when Count is 1 and no items), SelectedIndex from 0,
// -1 for the option whose text equals CellText.
void DrawRadioGlyph(TCanvas& Canvas, const TGlyphContext& Ctx, const TRect& R, bool Upward, double Scale,
                    TControlStyle ControlStyle, bool Selected, const QStringList* Items, bool Disabled,
                    bool Horizontal, int SelectedIndex, int Count, const QString& CellText = QString());

// The halo of a cell of CellWidth x CellHeight: its pixels and the frame region it shows.
void BuildFocusHalo(int CellWidth, int CellHeight, TGridAlphaMask& Mask, QRegion& Region);
// Shows the halo around a cell rectangle given in the grid's client coordinates.
void ShowFocusHalo(TGridFocusWindow& Window, QWidget* Grid, const TRect& CellRect);
void HideFocusHalo(TGridFocusWindow& Window);
void ShowLayeredMask(TGridFocusWindow& Window, const TGridAlphaMask& Mask);

// A dotted black XOR line: drawn twice at the same place it is gone.
void DrawColSizingLine(TCanvas& Canvas, int X, int Bottom);
void DrawRowSizingLine(TCanvas& Canvas, int Y, int Right);
