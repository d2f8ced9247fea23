#pragma once
// The string grid's appearance objects: the control look (check boxes, radio buttons, editor buttons, progress
// bars, comment marks and the fixed-cell gradients), the background picture or gradient, the mark of
// modified rows and the levelled progress bars.
#include "grid/core/HeaderFooterAppearance.h"
#include "grid/foundation/GridTypes.h"
#include "grid/paint/GridLook.h"
#include "platform/Canvas.h"
#include <QObject>
#include <memory>

enum class TControlStyle { csClassic, csFlat, csWinXP, csBorland, csZarn, csGlyph, csTheme };

class TControlLook : public QObject {
public:
    explicit TControlLook(TLookHost* AOwner);

    // Restores the colours a new control look has; of the grid's colours only the hover and down mirrors.
    void Init();
    // Copies the drawing settings from another control look, stored directly: nothing repaints or reaches the
    // grid; FlatButton, the disabled-look flags, ProgressXP and FixedDropDownButton stay.
    void Assign(const QObject* Source);

    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Store(FColor, value); }
    TColor CommentColor() const { return FCommentColor; }
    void SetCommentColor(TColor value) { Store(FCommentColor, value); }
    const TBitmap& CheckedGlyph() const { return FCheckedGlyph; }
    void SetCheckedGlyph(const TBitmap& value) { StoreGlyph(FCheckedGlyph, value); }
    const TBitmap& UnCheckedGlyph() const { return FUnCheckedGlyph; }
    void SetUnCheckedGlyph(const TBitmap& value) { StoreGlyph(FUnCheckedGlyph, value); }
    const TBitmap& RadioOnGlyph() const { return FRadioOnGlyph; }
    void SetRadioOnGlyph(const TBitmap& value) { StoreGlyph(FRadioOnGlyph, value); }
    const TBitmap& RadioOffGlyph() const { return FRadioOffGlyph; }
    void SetRadioOffGlyph(const TBitmap& value) { StoreGlyph(FRadioOffGlyph, value); }

    // Unless clNone, also the grid's ZarnGradientFrom / To (which repaints).
    TColor FixedGradientFrom() const { return FFixedGradientFrom; }
    void SetFixedGradientFrom(TColor value);
    TColor FixedGradientTo() const { return FFixedGradientTo; }
    void SetFixedGradientTo(TColor value);
    // Always also the grid's mirror colours.
    TColor FixedGradientMirrorFrom() const { return FFixedGradientMirrorFrom; }
    void SetFixedGradientMirrorFrom(TColor value);
    TColor FixedGradientMirrorTo() const { return FFixedGradientMirrorTo; }
    void SetFixedGradientMirrorTo(TColor value);
    // Hot and pressed colours: unless clNone (mirrors: always) also the grid's, without repainting.
    TColor FixedGradientHoverFrom() const { return FHoverFrom; }
    void SetFixedGradientHoverFrom(TColor value);
    TColor FixedGradientHoverTo() const { return FHoverTo; }
    void SetFixedGradientHoverTo(TColor value);
    TColor FixedGradientHoverMirrorFrom() const { return FHoverMirrorFrom; }
    void SetFixedGradientHoverMirrorFrom(TColor value);
    TColor FixedGradientHoverMirrorTo() const { return FHoverMirrorTo; }
    void SetFixedGradientHoverMirrorTo(TColor value);
    TColor FixedGradientHoverBorder() const { return FHoverBorder; }
    void SetFixedGradientHoverBorder(TColor value);
    TColor FixedGradientDownFrom() const { return FDownFrom; }
    void SetFixedGradientDownFrom(TColor value);
    TColor FixedGradientDownTo() const { return FDownTo; }
    void SetFixedGradientDownTo(TColor value);
    TColor FixedGradientDownMirrorFrom() const { return FDownMirrorFrom; }
    void SetFixedGradientDownMirrorFrom(TColor value);
    TColor FixedGradientDownMirrorTo() const { return FDownMirrorTo; }
    void SetFixedGradientDownMirrorTo(TColor value);
    TColor FixedGradientDownBorder() const { return FDownBorder; }
    void SetFixedGradientDownBorder(TColor value);

    bool FixedDropDownButton() const { return FFixedDropDownButton; }
    void SetFixedDropDownButton(bool value) { FFixedDropDownButton = value; }
    int HintMaxWidth() const { return FHintMaxWidth; }
    void SetHintMaxWidth(int value) { FHintMaxWidth = value; }
    int CheckSize() const { return FCheckSize; }
    void SetCheckSize(int value) { Store(FCheckSize, value); }
    bool CheckAlwaysActive() const { return FCheckAlwaysActive; }
    void SetCheckAlwaysActive(bool value) { FCheckAlwaysActive = value; }
    int RadioSize() const { return FRadioSize; }
    void SetRadioSize(int value) { Store(FRadioSize, value); }
    bool RadioAlwaysActive() const { return FRadioAlwaysActive; }
    void SetRadioAlwaysActive(bool value) { FRadioAlwaysActive = value; }
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle value) { Store(FControlStyle, value); }
    bool DropDownAlwaysVisible() const { return FDropDownAlwaysVisible; }
    void SetDropDownAlwaysVisible(bool value) { Store(FDropDownAlwaysVisible, value); }
    // The header and footer of the drop-down cell editors: setting copies into the owned objects.
    THeaderAppearance& DropDownHeader() const { return *FDropDownHeader; }
    void SetDropDownHeader(const THeaderAppearance& value) { FDropDownHeader->Assign(&value); }
    TFooterAppearance& DropDownFooter() const { return *FDropDownFooter; }
    void SetDropDownFooter(const TFooterAppearance& value) { FDropDownFooter->Assign(&value); }
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int value) { FDropDownCount = value; }
    bool SpinButtonsAlwaysVisible() const { return FSpinButtonsAlwaysVisible; }
    void SetSpinButtonsAlwaysVisible(bool value) { Store(FSpinButtonsAlwaysVisible, value); }
    bool FlatButton() const { return FFlatButton; }
    void SetFlatButton(bool value) { Store(FFlatButton, value); }
    bool NoDisabledCheckRadioLook() const { return FNoDisabledCheckRadioLook; }
    void SetNoDisabledCheckRadioLook(bool value) { Store(FNoDisabledCheckRadioLook, value); }
    bool NoDisabledButtonLook() const { return FNoDisabledButtonLook; }
    void SetNoDisabledButtonLook(bool value) { Store(FNoDisabledButtonLook, value); }
    TColor ProgressBorderColor() const { return FProgressBorderColor; }
    void SetProgressBorderColor(TColor value) { FProgressBorderColor = value; }
    int ProgressMarginX() const { return FProgressMarginX; }
    void SetProgressMarginX(int value) { Store(FProgressMarginX, value); }
    int ProgressMarginY() const { return FProgressMarginY; }
    void SetProgressMarginY(int value) { Store(FProgressMarginY, value); }
    bool ProgressXP() const { return FProgressXP; }
    void SetProgressXP(bool value) { Store(FProgressXP, value); }

private:
    template <typename T>
    void Store(T& field, T value)
    {
        field = value;
        InvalidateGrid();
    }
    void StoreGlyph(TBitmap& field, const TBitmap& value);
    void InvalidateGrid();
    // Stores a fixed-gradient colour and hands it to the grid's matching colour.
    void PassOn(TColor& Field, TColor TFixedGradients::*GridField, TColor Value, bool OnlyWhenSet, bool Repaint);

    TLookHost* FOwner;
    TColor FColor = clBlack;
    TColor FCommentColor = 0x0000FF;
    TBitmap FCheckedGlyph, FUnCheckedGlyph, FRadioOnGlyph, FRadioOffGlyph;
    TColor FFixedGradientFrom = clNone, FFixedGradientTo = clNone;
    TColor FFixedGradientMirrorFrom = clNone, FFixedGradientMirrorTo = clNone;
    TColor FHoverFrom = 0xFFFFFF, FHoverTo = 0x808080, FHoverMirrorFrom = clNone, FHoverMirrorTo = clNone;
    TColor FHoverBorder = 0xC0C0C0;
    TColor FDownFrom = 0xC0C0C0, FDownTo = 0x808080, FDownMirrorFrom = clNone, FDownMirrorTo = clNone;
    TColor FDownBorder = 0x808080;
    bool FFixedDropDownButton = false;
    int FHintMaxWidth = 0;
    int FCheckSize = 15;
    bool FCheckAlwaysActive = false;
    int FRadioSize = 10;
    bool FRadioAlwaysActive = false;
    TControlStyle FControlStyle = TControlStyle::csTheme;
    bool FDropDownAlwaysVisible = false;
    int FDropDownCount = 8;
    bool FSpinButtonsAlwaysVisible = false;
    bool FFlatButton = false;
    bool FNoDisabledCheckRadioLook = false;
    bool FNoDisabledButtonLook = false;
    TColor FProgressBorderColor = 0x808080;
    int FProgressMarginX = 2, FProgressMarginY = 2;
    bool FProgressXP = false;
    std::unique_ptr<THeaderAppearance> FDropDownHeader;
    std::unique_ptr<TFooterAppearance> FDropDownFooter;
};

enum class TBackGroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum class TBackGroundCells { bcNormal, bcFixed, bcAll };

// A picture or gradient behind the cells; every change repaints the grid.
class TBackGround : public QObject {
public:
    explicit TBackGround(TLookHost* AGrid) : FGrid(AGrid) {}

    int Top() const { return FTop; }
    void SetTop(int value) { Store(FTop, value); }
    int Left() const { return FLeft; }
    void SetLeft(int value) { Store(FLeft, value); }
    TBackGroundDisplay Display() const { return FDisplay; }
    void SetDisplay(TBackGroundDisplay value) { Store(FDisplay, value); }
    const TBitmap& Bitmap() const { return FBitmap; }
    void SetBitmap(const TBitmap& value);
    TBackGroundCells Cells() const { return FCells; }
    void SetCells(TBackGroundCells value) { Store(FCells, value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Store(FColor, value); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value) { Store(FColorTo, value); }

    // Whether the background covers a cell painted with or without gdFixed.
    bool Covers(bool FixedCell) const;
    bool IsGradient() const
    {
        return FDisplay == TBackGroundDisplay::bdGradientHorz || FDisplay == TBackGroundDisplay::bdGradientVert;
    }
    void Assign(const QObject* Source);

private:
    template <typename T>
    void Store(T& field, T value)
    {
        field = value;
        Changed();
    }
    void Changed();

    TLookHost* FGrid;
    int FTop = 0, FLeft = 0;
    TBackGroundDisplay FDisplay = TBackGroundDisplay::bdTile;
    TBitmap FBitmap;
    TBackGroundCells FCells = TBackGroundCells::bcNormal;
    TColor FColor = clWindow, FColorTo = clBtnFace;
};

class TShowModified : public QObject {
public:
    void Assign(const QObject* Source);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TNotifyEvent OnChange;

private:
    bool FEnabled = false;
    TColor FColor = 0x00FFFF;
};

enum class TProgressStyle { psXP, psClassic };

class TGridProgressAppearance : public QObject {
public:
    // Copies every setting of another progress appearance and fires OnChange once.
    void Assign(const QObject* Source);

#define VX_PROGRESS_PROPERTY(type, name)                                                                               \
    type name() const { return F.name; }                                                                               \
    void Set##name(type value)                                                                                         \
    {                                                                                                                  \
        if (F.name == value)                                                                                           \
            return;                                                                                                    \
        F.name = value;                                                                                                \
        Changed();                                                                                                     \
    }
    VX_PROGRESS_PROPERTY(TColor, CompleteColor)
    VX_PROGRESS_PROPERTY(TColor, CompleteFontColor)
    VX_PROGRESS_PROPERTY(TColor, UnCompleteColor)
    VX_PROGRESS_PROPERTY(TColor, UnCompleteFontColor)
    VX_PROGRESS_PROPERTY(TColor, Level0Color)
    VX_PROGRESS_PROPERTY(TColor, Level0ColorTo)
    VX_PROGRESS_PROPERTY(TColor, Level1Color)
    VX_PROGRESS_PROPERTY(TColor, Level1ColorTo)
    VX_PROGRESS_PROPERTY(TColor, Level2Color)
    VX_PROGRESS_PROPERTY(TColor, Level2ColorTo)
    VX_PROGRESS_PROPERTY(TColor, Level3Color)
    VX_PROGRESS_PROPERTY(TColor, Level3ColorTo)
    VX_PROGRESS_PROPERTY(int, Level1Perc)
    VX_PROGRESS_PROPERTY(int, Level2Perc)
    VX_PROGRESS_PROPERTY(TColor, BorderColor)
    VX_PROGRESS_PROPERTY(bool, ShowBorder)
    VX_PROGRESS_PROPERTY(bool, Stacked)
    VX_PROGRESS_PROPERTY(bool, ShowPercentage)
    VX_PROGRESS_PROPERTY(bool, CompletionSmooth)
    VX_PROGRESS_PROPERTY(bool, ShowGradient)
    VX_PROGRESS_PROPERTY(int, Steps)
    VX_PROGRESS_PROPERTY(TProgressStyle, Style)
#undef VX_PROGRESS_PROPERTY

    TNotifyEvent OnChange;

private:
    void Changed();

    struct Values {
        TColor CompleteColor = 0x0000FF, CompleteFontColor = 0xFF0000;
        TColor UnCompleteColor = clNone, UnCompleteFontColor = clWindowText;
        TColor Level0Color = 0x00FF00, Level0ColorTo = 0xE1FFE1;
        TColor Level1Color = 0x00FFFF, Level1ColorTo = 0xCAFFFF;
        TColor Level2Color = 0x53A9FF, Level2ColorTo = 0xA8D3FF;
        TColor Level3Color = 0x0000FF, Level3ColorTo = 0xCACAFF;
        int Level1Perc = 70, Level2Perc = 90;
        TColor BorderColor = clBlack;
        bool ShowBorder = false, Stacked = false;
        bool ShowPercentage = true, CompletionSmooth = true, ShowGradient = true;
        int Steps = 11;
        TProgressStyle Style = TProgressStyle::psXP;
    } F;
};
