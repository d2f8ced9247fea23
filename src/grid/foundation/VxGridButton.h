#pragma once
// The self-painted push or toggle button of the grid's panels: up to four glyphs, flat and gradient looks,
// rounded corners, groups of exclusive buttons and an optional drop-down part.
#include "grid/foundation/GridTypes.h"
#include "platform/CustomControl.h"
#include <QPointer>
#include <memory>

class QMenu;

enum class TVxButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TVxButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TVxGridButton : public TCustomControl {
    Q_OBJECT
public:
    explicit TVxGridButton(QWidget* AOwner = nullptr);
    ~TVxGridButton() override;

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    bool Down() const { return FDown; }
    void SetDown(bool value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    TVxButtonLayout Layout() const { return FLayout; }
    void SetLayout(TVxButtonLayout value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    int Margin() const { return FMargin; }
    void SetMargin(int value);          // -1 (centred) or more
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { FTransparent = value; }

    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value);
    TColor ColorHot() const { return FColorHot; }
    void SetColorHot(TColor value) { FColorHot = value; }
    TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(TColor value) { FColorHotTo = value; }
    TColor ColorDown() const { return FColorDown; }
    void SetColorDown(TColor value) { FColorDown = value; }
    TColor ColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(TColor value) { FColorDownTo = value; }
    TColor ColorChecked() const { return FColorChecked; }
    void SetColorChecked(TColor value);
    TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(TColor value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    TColor BorderDownColor() const { return FBorderDownColor; }
    void SetBorderDownColor(TColor value) { FBorderDownColor = value; }
    TColor BorderHotColor() const { return FBorderHotColor; }
    void SetBorderHotColor(TColor value) { FBorderHotColor = value; }

    // Writing Glyph also fills an empty GlyphDisabled with a grey copy.
    const TBitmap& Glyph() const { return *FGlyph; }
    void SetGlyph(const TBitmap& value);
    const TBitmap& GlyphHot() const { return *FGlyphHot; }
    void SetGlyphHot(const TBitmap& value) { FGlyphHot->Assign(value); }
    const TBitmap& GlyphDown() const { return *FGlyphDown; }
    void SetGlyphDown(const TBitmap& value) { FGlyphDown->Assign(value); }
    const TBitmap& GlyphDisabled() const { return *FGlyphDisabled; }
    void SetGlyphDisabled(const TBitmap& value) { FGlyphDisabled->Assign(value); }
    bool Shaded() const { return FShaded; }
    void SetShaded(bool value);

    TVxGridButtonStyle Style() const { return FStyle; }
    void SetStyle(TVxGridButtonStyle value);
    bool Rounded() const { return FRounded; }
    void SetRounded(bool value);
    bool DropDownButton() const { return FDropDownButton; }
    void SetDropDownButton(bool value);
    QMenu* DropDownMenu() const;
    void SetDropDownMenu(QMenu* value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool value);
    bool AutoXPStyle() const { return FAutoXPStyle; }
    void SetAutoXPStyle(bool value) { FAutoXPStyle = value; }
    // 0 to 6 set a colour scheme; other values change nothing.
    int Look() const { return FLook; }
    void SetLook(int value);
    TVxButtonState State() const { return FState; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DblClick() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void EnabledChanged() override;
    bool DialogChar(QChar Key, TShiftState Shift) override;

private:
    void Click();
    void UpdateExclusive();
    void ButtonPressed(int Group, TVxGridButton* Sender);
    void UpdateTracking();
    void BuildShade();
    void Fill(TRect r, TColor from, TColor to, TColor pen);
    void Outline(TRect r, TColor color, bool rounded);
    void DrawContent(TRect r, TPoint offset, bool hot);
    bool Inside(int X, int Y) const { return X >= 0 && X < Width() && Y >= 0 && Y <= Height(); }

    int FGroupIndex = 0;
    std::unique_ptr<TBitmap> FGlyph;
    bool FDown = false;
    bool FDragging = false;
    bool FAllowAllUp = false;
    TVxButtonLayout FLayout = TVxButtonLayout::blGlyphLeft;
    int FSpacing = 4;
    bool FTransparent = true;
    int FMargin = -1;
    bool FFlat = true;
    bool FMouseInControl = false;
    TColor FColorTo = clNone;
    TColor FColorHot = 0xCAC7C7;
    TColor FColorHotTo = clNone;
    TColor FColorDown = 0xD8D3D2;
    TColor FColorDownTo = clNone;
    TColor FBorderColor = clNone;
    TColor FBorderDownColor = clNone;
    TColor FBorderHotColor = clNone;
    std::unique_ptr<TBitmap> FGlyphDisabled;
    std::unique_ptr<TBitmap> FGlyphHot;
    std::unique_ptr<TBitmap> FGlyphDown;
    std::unique_ptr<TBitmap> FGlyphShade;
    bool FShaded = true;
    TColor FColorChecked = 0x808080;
    TColor FColorCheckedTo = clNone;
    TVxGridButtonStyle FStyle = TVxGridButtonStyle::tasButton;
    int FLook = 0;
    bool FRounded = false;
    bool FDropDownButton = false;
    bool FAutoThemeAdapt = false;
    bool FAutoXPStyle = false;
    QPointer<QMenu> FDropDownMenu;  // not owned; cleared when the menu goes
    bool FShowCaption = true;
    TVxButtonState FState = TVxButtonState::bsUp;
    QString FCaption;
};
