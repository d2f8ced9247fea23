#pragma once
// The toolkit's speed button: a button without focus that shows down while pressed with the pointer over it
// and clicks when the press ends over it. Descendants paint it; DrawGlyph draws its glyph.
#include "platform/CustomControl.h"

class TSpeedButton : public TCustomControl {
    Q_OBJECT
public:
    explicit TSpeedButton(QWidget* AOwner = nullptr);

    const TBitmap& Glyph() const { return FGlyph; }
    void SetGlyph(const TBitmap& value);
    // Pictures side by side in the glyph (up, disabled, down, ...); the first one is shown.
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // Held by the left button with the pointer over it.
    bool Down() const { return FDown; }
    bool MouseInControl() const { return FMouseInControl; }
    // Pressed with the left button and not yet released.
    bool Dragging() const { return FDragging; }

    TNotifyEvent OnClick;

protected:
    virtual void Click();
    // The glyph's first picture centred in R, one pixel lower and to the right while down.
    void DrawGlyph(TCanvas& Canvas, const TRect& R) const;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    TBitmap FGlyph;
    int FNumGlyphs = 1;
    QString FCaption;
    bool FTransparent = false;
    bool FDown = false;
    bool FDragging = false;
    bool FMouseInControl = false;
};
