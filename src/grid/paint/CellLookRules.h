#pragma once
// The rules that decide a cell's font, brush and gradient, its alignment, word wrap and the text it shows.
// They are listed in their order of precedence: a later rule overrides an earlier one. The grid gathers the
// facts about the cell and its settings; the rules only combine them.
#include "grid/foundation/GridTypes.h"
#include "grid/paint/GridLook.h"
#include "platform/Canvas.h"
#include "platform/Grids.h"
#include <functional>

class TCellProperties;

// Percent of 100 or more gives Color; below 1 (or Color clNone) Color2; otherwise a per-channel blend.
TColor MixColors(TColor Color, TColor Color2, int Percent);
TColor MixColorsIf(TColor Color, TColor Color2, bool Mix, int Percent);

// The grid's settings the colour rules read.
struct TCellLookSettings {
    TFont Font, FixedFont;
    TFont PrintFont, PrintFixedFont;
    bool PrintUseDisplayFont = true;
    TColor Color = clWindow, FixedColor = clBtnFace;
    TGridAppearance Appearance;             // look, fixed gradient and selection colours
    bool SelectionColorMixer = false;
    int SelectionColorMixerFactor = 50;
    bool ShowSelection = true;
    bool DisjunctRowSelect = false, DisjunctColSelect = false, DisjunctCellSelect = false;
    bool UseEnabledRows = false, UseDisabledFont = false;
    TColor DisabledFontColor = clGrayText;
    bool GridEnabled = true;
    bool BandsActive = false, BandsPrint = false;
    int BandsTotalLength = 0, BandsPrimaryLength = 0;
    TColor BandsPrimaryColor = clInfoBk, BandsSecondaryColor = clWindow;
    int FixedRows = 0;
    bool MouseDown = false;
};

// What the grid knows of one cell.
struct TCellLookFacts {
    int Row = 0;
    bool Normal = true;              // right of the fixed columns and below the fixed rows
    bool FixedLook = false;          // IsFixed, or in the fixed columns or rows
    bool FixedRightOrFooter = false; // in the fixed right columns or the fixed footer rows
    const TCellProperties* Props = nullptr;
    bool PlainKind = true;           // no graphic, or a rotated one: its own brush colour keeps fixed colours off
    bool InSelection = false;
    bool RowSelected = false, ColSelected = false, InSelectedCells = false;
    bool CurrentRow = false, CurrentCol = false, CurrentCell = false;
    bool RowEnabled = true;
};

// The grid's hooks, each optional: GetCellColor (or its print variant), OnGetCellGradient, DoGetWordWrap
// and GetCellAlignment.
struct TCellLookHooks {
    std::function<void(TFont& Font, TBrush& Brush, TGridDrawState State)> CellColor;
    std::function<void(TColor& Color, TColor& ColorTo, TColor& Mirror, TColor& MirrorTo, TCellGradientDirection& GD)> Gradient;
    std::function<void(bool& WordWrap)> WordWrap;
    std::function<void(TAlignment& HA, TVAlignment& VA)> Alignment;
};

struct TCellLook {
    TBrush Brush;
    TFont Font;
    TColor ColorTo = clNone, MirrorColor = clNone, MirrorColorTo = clNone;
    TAlignment HA = TAlignment::taLeftJustify;
    TVAlignment VA = TVAlignment::vtaTop;
    bool WW = false;                 // in: the grid's WordWrap
    TCellGradientDirection GD = TCellGradientDirection::GradientVertical;
    TColor UnselectedBrush = clNone, UnselectedFontColor = clNone;
};

void DecideCellLook(const TCellLookSettings& G, const TCellLookFacts& C, const TCellLookHooks& Hooks,
                    TGridDrawState& State, bool Print, bool Select, TCellLook& Out);

struct TAlignmentInput {
    QString Text;
    bool AutoNumAlign = false;
    TAlignment DefaultAlignment = TAlignment::taLeftJustify;
    TVAlignment VAlignment = TVAlignment::vtaTop;
    const TCellProperties* Props = nullptr;
    std::function<QString(const QString& Formula)> CalcFormula;   // the shown text of a formula cell
    std::function<void(TAlignment& HA, TVAlignment& VA)> OnGetAlignment;
};
void DecideCellAlignment(const TAlignmentInput& In, TAlignment& HA, TVAlignment& VA);

// The shown text: the float-format event may format a number by the cell's integer ("d" formats) or float
// value; any failure of the conversion shows the plain text.
QString FormatCellText(const QString& Text, const QString& GridFloatFormat,
                       const std::function<void(bool& IsFloat, QString& FloatFormat)>& OnGetFloatFormat,
                       const std::function<int()>& Ints, const std::function<double()>& Floats);
