#pragma once
// The painting area's settings objects that the string grid owns: its look, its background and the
// modified-row marker. Each setter stores and repaints the grid; the painter reads them.
#include "platform/Property.h"
#include "platform/Types.h"
#include <QObject>
#include <memory>

class TVxStringGrid;
class THeaderAppearance;
class TFooterAppearance;

enum class TControlStyle { csClassic, csFlat, csWinXP, csBorland, csZarn, csGlyph, csTheme };

class TControlLook : public QObject {
public:
    explicit TControlLook(TVxStringGrid* AOwner);
    ~TControlLook() override;

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle value) { Store(FControlStyle, value); }
    bool DropDownAlwaysVisible() const { return FDropDownAlwaysVisible; }
    void SetDropDownAlwaysVisible(bool value) { Store(FDropDownAlwaysVisible, value); }
    bool SpinButtonsAlwaysVisible() const { return FSpinButtonsAlwaysVisible; }
    void SetSpinButtonsAlwaysVisible(bool value) { Store(FSpinButtonsAlwaysVisible, value); }
    int CheckSize() const { return FCheckSize; }
    void SetCheckSize(int value) { Store(FCheckSize, value); }
    int RadioSize() const { return FRadioSize; }
    void SetRadioSize(int value) { Store(FRadioSize, value); }
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int value) { FDropDownCount = value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Store(FColor, value); }
    TColor CommentColor() const { return FCommentColor; }
    void SetCommentColor(TColor value) { Store(FCommentColor, value); }
    TColor FixedGradientFrom() const { return FFixedGradientFrom; }
    void SetFixedGradientFrom(TColor value);   // also the grid's ZarnGradientFrom, unless none
    TColor FixedGradientTo() const { return FFixedGradientTo; }
    void SetFixedGradientTo(TColor value);     // also the grid's ZarnGradientTo, unless none
    bool FlatButton() const { return FFlatButton; }
    void SetFlatButton(bool value) { Store(FFlatButton, value); }
    TColor ProgressBorderColor() const { return FProgressBorderColor; }
    void SetProgressBorderColor(TColor value) { FProgressBorderColor = value; }
    bool ProgressXP() const { return FProgressXP; }
    void SetProgressXP(bool value) { Store(FProgressXP, value); }

    // Copied into a drop-down cell editor each time the grid opens one.
    THeaderAppearance& DropDownHeader() const { return *FDropDownHeader; }
    void SetDropDownHeader(const THeaderAppearance& value);
    TFooterAppearance& DropDownFooter() const { return *FDropDownFooter; }
    void SetDropDownFooter(const TFooterAppearance& value);

    // Copies the settings stored directly, without repaint; FlatButton and ProgressXP stay.
    void Assign(const QObject* Source);

private:
    template <typename T>
    void Store(T& field, T value)
    {
        SetPropertyAlways(field, value, [this] { Repaint(); });
    }
    void Repaint();

    TVxStringGrid* FOwner;
    TControlStyle FControlStyle = TControlStyle::csTheme;
    bool FDropDownAlwaysVisible = false;
    bool FSpinButtonsAlwaysVisible = false;
    int FCheckSize = 15;
    int FRadioSize = 10;
    int FDropDownCount = 8;
    TColor FColor = clBlack;
    TColor FCommentColor = clRed;
    TColor FFixedGradientFrom = clNone;
    TColor FFixedGradientTo = clNone;
    bool FFlatButton = false;
    TColor FProgressBorderColor = clGray;
    bool FProgressXP = false;
    std::unique_ptr<THeaderAppearance> FDropDownHeader;
    std::unique_ptr<TFooterAppearance> FDropDownFooter;
};

enum class TBackgroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum class TBackgroundCells { bcNormal, bcFixed, bcAll };

class TBackGround : public QObject {
public:
    explicit TBackGround(TVxStringGrid* AOwner) : FOwner(AOwner) {}

    TBackgroundDisplay Display() const { return FDisplay; }
    void SetDisplay(TBackgroundDisplay value) { Store(FDisplay, value); }
    TBackgroundCells Cells() const { return FCells; }
    void SetCells(TBackgroundCells value) { Store(FCells, value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Store(FColor, value); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value) { Store(FColorTo, value); }
    int Top() const { return FTop; }
    void SetTop(int value) { Store(FTop, value); }
    int Left() const { return FLeft; }
    void SetLeft(int value) { Store(FLeft, value); }
    bool IsGradient() const
    {
        return FDisplay == TBackgroundDisplay::bdGradientHorz || FDisplay == TBackgroundDisplay::bdGradientVert;
    }

    void Assign(const QObject* Source);

private:
    template <typename T>
    void Store(T& field, T value)
    {
        SetPropertyAlways(field, value, [this] { Repaint(); });
    }
    void Repaint();

    TVxStringGrid* FOwner;
    TBackgroundDisplay FDisplay = TBackgroundDisplay::bdTile;
    TBackgroundCells FCells = TBackgroundCells::bcNormal;
    TColor FColor = clWindow;
    TColor FColorTo = clBtnFace;
    int FTop = 0;
    int FLeft = 0;
};

// The marker of modified rows; a change repaints column 0.
class TShowModified : public QObject {
public:
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { SetPropertyAlways(FColor, value, [this] { Changed(); }); }

    void Assign(const QObject* Source);

    TNotifyEvent OnChange;

private:
    void Changed()
    {
        if (OnChange)
            OnChange(this);
    }

    bool FEnabled = false;
    TColor FColor = clYellow;
};
