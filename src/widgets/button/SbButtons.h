#pragma once
// The styled push button's enumerations, colour presets and face renderer.
#include "platform/Canvas.h"
#include <QString>

enum class TSbButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };
enum class TSbButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TSbButtonKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
enum class TSbColorStyle {
    lcsCustom,
    lcsGold,
    lcsChrome,
    lcsBlue,
    lcsRed,
    lcsUltraFlat1,
    lcsUltraFlat2,
    lcsUltraFlatXP,
    lcsAqua,
    lcsDefault,
    lcsQuicken
};

// One row of the preset table.
struct TSbColorStyleColors {
    TColor Color;
    TColor LightColor;
    TColor ShadowColor;
    TColor ColorWhenDown;
    TColor HotTrackColor;
    TColor FontColor;
    bool Flat;
    TSbButtonStyle Style;
};

// Defined for every preset but lcsCustom.
TSbColorStyleColors GetColorStyleColors(TSbColorStyle Preset);

// Everything one face is drawn from: its size, looks and state.
struct TSbButtonFace {
    int Width = 0;
    int Height = 0;
    int HotTrackStep = 0; // 0 (none) .. 8 (full highlight)
    int NumGlyphs = 0;
    const TBitmap* Glyph = nullptr; // a strip of NumGlyphs cells: normal, disabled, pressed, hot
    bool Down = false;
    bool Hot = false;
    bool Enabled = true;
    bool Flat = false;
    bool WordWrap = false;
    bool HasPopupMenu = false;
    TSbButtonStyle Style = TSbButtonStyle::bsNormal;
    TColor Color = clBtnFace;
    TColor ColorWhenDown = clNone;
    TColor HotTrackColor = clNone;
    TColor LightColor = clWhite;
    TColor ShadowColor = clGray;
    TFont Font;
    TSbButtonLayout Layout = TSbButtonLayout::blGlyphLeft;
    QString Caption;
    TAlignment Alignment = TAlignment::taCenter;
};

// Paints the face with its top-left corner at (0, 0); changes only the canvas's pen, brush, font and pixels.
void DrawSbButtonFace(TCanvas& Canvas, const TSbButtonFace& Face);

// The transparent key of the see-through styles.
constexpr TColor kSbTransparentKey = 0xFF00FF;
