#pragma once
// Date-time pickers with an optional flat, Metro-style look: their own drop-down button (coloured, themed or
// classic), single-colour borders for the normal, focused and disabled states, hot tracking.
// TFlatDateTimePicker holds the paint and border code that TVxgDateTimePicker and TCustomDateTimePicker share.
#include "grid/edit/editors/EditButtonColors.h"
#include "platform/DateTimePicker.h"
#include "platform/MaskEdit.h"

class TCanvas;

class TFlatDateTimePicker : public TDateTimePicker, public TEditButtonColors {
    Q_OBJECT
public:
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    virtual void SetBorderStyle(TBorderStyle value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    bool MetroStyle() const { return FMetroStyle; }
    void SetMetroStyle(bool value);
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor value) { FFocusBorderColor = value; }
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool value) { FDisabledBorder = value; }
    bool FocusBorder() const { return FFocusBorder; }
    void SetFocusBorder(bool value) { FFocusBorder = value; }
    int ButtonWidth() const { return FButtonWidth; }
    bool IsWinXP() const { return FIsWinXP; }


    bool ButtonHover() const { return FButtonHover; }
    bool MouseInControl() const { return FMouseInControl; }

protected:
    // Custom: the picker with automatic field advance, which draws its own flat lines and leaves the border
    // painting to descendants.
    TFlatDateTimePicker(QWidget* AOwner, bool Custom);
    virtual bool MetroPaintingActive() const { return FMetroStyle; }

    void DoEnter() override;
    void DoExit() override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    bool ThemesActive() const;
    TColor FlatLineColor() const;
    void DrawFlatLines(TCanvas& c);
    void DrawButton(TCanvas& c);
    void DrawBorder(TCanvas& c);

    bool FCustom;
    TBorderStyle FBorderStyle = TBorderStyle::bsNone;
    TColor FBorderColor;
    bool FIsThemed;
    int FButtonWidth;
    bool FButtonHover = false;
    bool FMouseInControl = false;
    bool FHasFocus = false;
    bool FIsWinXP;
    bool FMetroStyle = false;
    TColor FFocusBorderColor = clNone;
    bool FDisabledBorder = false;
    bool FFocusBorder = false;
    bool FCtl3D = true;
};

class TVxgDateTimePicker : public TFlatDateTimePicker {
    Q_OBJECT
public:
    explicit TVxgDateTimePicker(QWidget* AOwner = nullptr);
    QString Version() const { return QStringLiteral("1.0.0.0"); }
};
