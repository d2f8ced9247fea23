#pragma once
// The push button of every window: custom-painted faces, kinds with glyphs, colour presets, hot tracking
// with an optional fade-out, keyboard and dialog keys, default and cancel buttons, modal results, pop-up menu.
#include "platform/CustomControl.h"
#include "platform/ModalResult.h"
#include "widgets/button/SbButtons.h"
#include <QPointer>
#include <memory>

class QMenu;
class QShortcut;
class QTimer;

class TSbButton : public TCustomControl {
    Q_OBJECT
public:
    explicit TSbButton(QWidget* owner = nullptr);
    ~TSbButton() override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    // Applying a preset sets the looks it names; the property itself always reads lcsCustom.
    TSbColorStyle ColorStyle() const { return TSbColorStyle::lcsCustom; }
    void SetColorStyle(TSbColorStyle value);
    TColor ColorWhenDown() const { return FColorWhenDown; }
    void SetColorWhenDown(TColor value) { FColorWhenDown = value; }
    bool Default() const { return FDefault; }
    void SetDefault(bool value) { FDefault = value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    const TBitmap& Glyph() const { return FGlyph; }
    // Copies the picture (null or empty: no glyph); NumGlyphs becomes its width over its height.
    void SetGlyph(const TBitmap* value);
    TColor HotTrackColor() const { return FHotTrackColor; }
    void SetHotTrackColor(TColor value) { FHotTrackColor = value; }
    const TFont& HotTrackFont() const { return FHTFont; }
    void SetHotTrackFont(const TFont& value) { FHTFont = value; }
    TSbButtonKind Kind() const { return FKind; }
    void SetKind(TSbButtonKind value);
    TSbButtonLayout Layout() const { return FLayout; }
    void SetLayout(TSbButtonLayout value);
    TColor LightColor() const { return FLightColor; }
    void SetLightColor(TColor value);
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value);
    bool SlowDecease() const { return FSlowDecease; }
    void SetSlowDecease(bool value);
    TSbButtonStyle Style() const { return FStyle; }
    void SetStyle(TSbButtonStyle value);
    bool UseHotTrackFont() const { return FUseHTFont; }
    void SetUseHotTrackFont(bool value) { FUseHTFont = value; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    QMenu* PopupMenu() const;
    void SetPopupMenu(QMenu* value);
    // Highlight intensity: 8 full, 0 none.
    int HotTrackStep() const { return FHotTrackStep; }

    // Presses the button in code, as a click does.
    void Click();

    QSize sizeHint() const override;

    TNotifyEvent OnClick;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void KeyUp(std::uint16_t& Key, TShiftState Shift) override;
    void focusOutEvent(QFocusEvent* e) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void EnabledChanged() override;
    bool DialogKey(std::uint16_t Key, TShiftState Shift) override;
    bool DialogChar(QChar Key, TShiftState Shift) override;

private:
    void PerformClick();
    void Accelerate();
    void CreateFadeTimer();
    void FadeStep();
    // Enabled, visible and on a showing parent: only then does the pointer or an accelerator reach it.
    bool Reachable() const;

    TAlignment FAlignment = TAlignment::taCenter;
    TColor FShadowColor = clGray;
    TColor FColorWhenDown = clNone;
    bool FFlat = false;
    bool FWordWrap = false;
    TBitmap FGlyph;
    TColor FHotTrackColor = clNone;
    TFont FHTFont;
    TSbButtonKind FKind = TSbButtonKind::bkCustom;
    TSbButtonLayout FLayout = TSbButtonLayout::blGlyphLeft;
    TColor FLightColor = clWhite;
    TModalResult FModalResult = mrNone;
    int FNumGlyphs = 0;
    bool FUseHTFont = false;
    TSbButtonStyle FStyle = TSbButtonStyle::bsNormal;
    bool FDefault = false;
    bool FCancel = false;
    bool FSlowDecease = false;
    bool bDown = false;
    bool bCursorOnButton = false;
    // Enter or Space went down on this button; only its release clicks.
    std::uint16_t FPressedKey = 0;
    // The fade's pace maker: made when SlowDecease is switched on, dropped (highlight and all) when it is
    // switched off; it runs only from a pointer leave to the step that reaches 0.
    std::unique_ptr<QTimer> FFadeTimer;
    int FHotTrackStep = 0;
    QString FCaption;
    QPointer<QWidget> FPopupMenu; // a QMenu, not owned
    // Alt with the caption's accelerator, wherever the focus is in the window; made for the first caption
    // that has one.
    QShortcut* FAccel = nullptr;
};
