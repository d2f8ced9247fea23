#pragma once
// A grid's appearance in three layers: the look (how fixed cells, borders and selection are drawn), the
// colour style presets and the colour tones; plus following the office theme and the desktop's visual
// style. These only set colours and flags; painting reads them.
//
// The routines work on a TLookHost: the grid's appearance values that painting owns, and the few grid
// properties and side effects that looks reach (fonts, line colours, footers, editors, repainting).
#include "grid/foundation/BaseGrid.h"
#include "grid/foundation/VxStyleIF.h"
#include "platform/Canvas.h"
#include <QString>

class TControlLook;

enum class TGridLook { glStandard, glSoft, glClassic, glZarn, glXP, glListView, glVista, glWin7, glOffice2007, glCustom };
enum class TVxGridStyle {
    gsOffice2003Blue, gsOffice2003Silver, gsOffice2003Olive, gsOffice2003Classic, gsOffice2007Luna,
    gsOffice2007Obsidian, gsWindowsXP, gsWhidbey, gsCustom, gsOffice2007Silver, gsWindowsVista, gsWindows7,
    gsTerminal, gsOffice2010Blue, gsOffice2010Silver, gsOffice2010Black
};
enum class TScrollType { ssNormal, ssFlat, ssEncarta, ssMetro };

// The fixed-cell gradients: normal, hot (mouse over) and pressed.
struct TFixedGradients {
    TColor From = 0xFFFFFF, To = clBtnFace, MirrorFrom = clNone, MirrorTo = clNone;
    TColor HoverFrom = 0xCFD0D1, HoverTo = 0xBEC6C8, HoverMirrorFrom = 0xBEC6C8, HoverMirrorTo = 0xABBCBF;
    TColor HoverBorder = 0xC0C0C0;
    TColor DownFrom = 0x868788, DownTo = 0x737C7E, DownMirrorFrom = 0x737C7E, DownMirrorTo = 0x627376;
    TColor DownBorder = 0x808080;
    friend bool operator==(const TFixedGradients&, const TFixedGradients&) = default;
};

// The appearance values the looks write and the painter reads; the grid keeps one and publishes its fields
// as its properties (ZarnGradientFrom is Zarn.From, SortSettings.HeaderColor is SortHeaderColor, ...).
struct TGridAppearance {
    TGridLook Look = TGridLook::glXP;
    bool Flat = false;
    bool BorderSingle = true;
    TColor BorderColor = 0xB99D7F;
    TScrollType ScrollType = TScrollType::ssNormal;
    TColor SelectionColor = 0xEACAB6, SelectionColorTo = clNone;
    TColor SelectionMirrorColor = clNone, SelectionMirrorColorTo = clNone;
    TColor SelectionTextColor = clBlack;
    TColor ActiveCellColor = 0x808080, ActiveCellColorTo = clNone;
    TFixedGradients Zarn;
    TColor SortHeaderColor = clNone, SortHeaderColorTo = clNone;
    TColor SortHeaderMirrorColor = clNone, SortHeaderMirrorColorTo = clNone;
    TZarnStyle ComponentStyle = TZarnStyle::tsWindowsXP;   // the last style applied
    TColorTones Tones;                                      // the last tones given
    TOfficeTheme OfficeTheme = TOfficeTheme::otUnknown;     // the last office theme adapted to
    bool VisualStyled = false;                              // the colours follow a desktop visual style
};

class TLookHost {
public:
    virtual ~TLookHost() = default;
    virtual TGridAppearance& Appearance() = 0;
    virtual TControlLook& ControlLook() = 0;
    virtual bool Loading() const = 0;     // being read from a stored form
    virtual bool Designing() const = 0;
    virtual void Invalidate() = 0;
    virtual void RepaintFloatingFooter() = 0;

    virtual TColor Color() const = 0;
    virtual void SetColor(TColor value) = 0;
    virtual TColor FixedColor() const = 0;
    virtual void SetFixedColor(TColor value) = 0;
    virtual TFont Font() const = 0;
    virtual void SetFont(const TFont& value) = 0;
    virtual TFont FixedFont() const = 0;
    virtual void SetFixedFont(const TFont& value) = 0;
    virtual TFont ActiveCellFont() const = 0;
    virtual void SetActiveCellFont(const TFont& value) = 0;
    virtual void SetGridLineColor(TColor value) = 0;
    virtual void SetGridFixedLineColor(TColor value) = 0;
    virtual void SetSelectionStyle(TGridSelectionStyle value) = 0;
    virtual void RemoveFixedLines() = 0;  // goFixedVertLine and goFixedHorzLine off
    virtual void SetSearchFooterColors(TColor Color, TColor ColorTo) = 0;
    virtual void SetFloatingFooterColor(TColor value) = 0;
    virtual void SetFlatNodes() = 0;      // CellNode.NodeType := cnFlat
    // The grid's existing drop-down cell editors take a style, or tone colours (with the hidden editors).
    virtual void StyleDropDownEditors(TZarnStyle AStyle) = 0;
    virtual void ToneEditors(const TColorTones& ATones) = 0;
};

void SetLook(TLookHost& Host, TGridLook Value);
void SetStyle(TLookHost& Host, TVxGridStyle AStyle);
void SetComponentStyle(TLookHost& Host, TZarnStyle AStyle);
void SetColorTones(TLookHost& Host, const TColorTones& ATones);
// Schemes 1 to 4; any other value restores the default gradient.
void SetTheme(TLookHost& Host, int Scheme);
void AdaptToOfficeTheme(TLookHost& Host, TOfficeTheme Theme);

// What a desktop visual style offers for the grid's elements; clNone where it has nothing.
struct TVisualStyleColors {
    bool Active = false;
    QString Name;
    TColor CellFill = clNone, CellBorder = clNone, CellText = clNone;
    TColor SelectedText = clNone;
    TColor FixedBorder = clNone, FixedText = clNone;
};
// The style this desktop runs: the toolkit styles of the grid's origin do not exist here, so none is active.
TVisualStyleColors ActiveVisualStyle();
void AdaptToVCLStyle(TLookHost& Host, const TVisualStyleColors& Style);

// Font sizes of FixedFont and ActiveCellFont scaled by M / D after the grid's own scaling.
void ScaleLookFonts(TLookHost& Host, int M, int D);

QString LookToString(TGridLook Look);
QString LookDisplayName(TGridLook Look);
