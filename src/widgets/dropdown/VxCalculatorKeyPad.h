#pragma once
// The calculator's key pad: a painted panel of keys with a hot and a pressed key that reports a click on a key
// by the key's index; what a key does is its owner's business (the owner reads the key's Tag). With the
// calculator key set the panel makes and places the 28 calculator keys itself, with the custom set nothing.
// A panel standing alone on a window draws a frame and repaints itself on changes; a hosted one leaves that
// to its drop-down.
#include "grid/core/DropDownDraw.h"
#include "platform/CustomControl.h"
#include "platform/ImageList.h"
#include "widgets/dropdown/DropDownStyles.h"
#include "widgets/dropdown/ItemLayout.h"
#include <QImage>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

class QWidget;
class TVxCustomDropDown;

enum class TButtonPanelType { plCalculator, plCustom };

// One key. Its rectangle is set by a layout; right and bottom are exclusive.
class TButtonItem {
public:
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value) { FCaption = value; }
    // Stored and copied; the face takes its text colour from the appearance.
    TColor CaptionColor() const { return FCaptionColor; }
    void SetCaptionColor(TColor value) { FCaptionColor = value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { FImageIndex = value; }
    // Drawn in place of the image list's entry when not null.
    const QImage& Image() const { return FImage; }
    void SetImage(const QImage& value) { FImage = value; }
    int Tag() const { return FTag; }
    void SetTag(int value) { FTag = value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    QString Name() const { return FName; }
    void SetName(const QString& value) { FName = value; }
    // The caption is drawn in the appearance's SpecialTextColor.
    bool Special() const { return FSpecial; }
    void SetSpecial(bool value) { FSpecial = value; }
    TRect Bounds() const { return Rect(FLeft, FTop, FLeft + FWidth, FTop + FHeight); }
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);

    // Copies caption, caption colour, tag, images, enabled and name; not the special mark or the rectangle.
    void Assign(const TButtonItem& Source);

private:
    QString FCaption;
    TColor FCaptionColor = clWhite;
    int FImageIndex = -1;
    QImage FImage;
    int FTag = 0;
    bool FEnabled = true;
    QString FName;
    bool FSpecial = false;
    int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
};

// The keys of one panel, in index order.
class TButtonItems {
public:
    int Count() const { return int(FItems.size()); }
    TButtonItem& Items(int Index) const { return *FItems.at(std::size_t(Index)); }
    // Writing a key copies it (Assign).
    void SetItems(int Index, const TButtonItem& value);
    TButtonItem& Add();
    TButtonItem& Insert(int Index);
    void Clear();
    // New keys copied from Source.
    void Assign(const TButtonItems& Source);

    TNotifyEvent OnChange;

private:
    void Changed();
    std::vector<std::unique_ptr<TButtonItem>> FItems;
};

// Fonts and colours of the keys. The faces are drawn by the platform theme; the colours travel with the
// appearance (assigned, styled by the calculator) without entering the face drawing.
class TButtonAppearance {
public:
    TButtonAppearance();

#define VX_KEY_COLOR(Name)                                                                                          \
    TColor Name() const { return F##Name; }                                                                          \
    void Set##Name(TColor value) { SetProperty(F##Name, value, [this] { Changed(); }); }
    VX_KEY_COLOR(BorderColor)
    VX_KEY_COLOR(BorderColorHot)
    VX_KEY_COLOR(BorderColorDown)
    VX_KEY_COLOR(Color)
    VX_KEY_COLOR(ColorTo)
    VX_KEY_COLOR(ColorDown)
    VX_KEY_COLOR(ColorDownTo)
    VX_KEY_COLOR(ColorHot)
    VX_KEY_COLOR(ColorHotTo)
    VX_KEY_COLOR(TextColor)
    VX_KEY_COLOR(SpecialTextColor)
#undef VX_KEY_COLOR
    TColor GlowColorHot() const { return FGlowColorHot; }
    void SetGlowColorHot(TColor value) { FGlowColorHot = value; }
    TColor GlowColorDown() const { return FGlowColorDown; }
    void SetGlowColorDown(TColor value) { FGlowColorDown = value; }
    TColor ShineColor() const { return FShineColor; }
    void SetShineColor(TColor value) { FShineColor = value; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& value) { FFont = value; }
    TColor BorderColorChecked() const { return FBorderColorChecked; }
    TColor ColorChecked() const { return FColorChecked; }
    TColor ColorCheckedTo() const { return FColorCheckedTo; }
    TColor ColorDisabled() const { return FColorDisabled; }
    TColor ColorDisabledTo() const { return FColorDisabledTo; }

    void Assign(const TButtonAppearance& Source);

    TNotifyEvent OnChange;

private:
    void Changed();

    TColor FBorderColor = clBlack, FBorderColorHot = clBlack, FBorderColorDown = clBlack;
    TColor FColor = 0x9A915F, FColorTo = 0xB0A170;
    TColor FColorDown = 0x4B2F08, FColorDownTo = 0xADB514;
    TColor FColorHot = 0x9F6F1C, FColorHotTo = 0xD5C244;
    TColor FGlowColorHot = 0xD5C244, FGlowColorDown = 0xD5C244;
    TColor FShineColor = clWhite;
    TFont FFont;
    TColor FTextColor = clBlack;
    TColor FSpecialTextColor = 0x000080;
    TColor FBorderColorChecked = 0xFF0000;
    TColor FColorChecked, FColorCheckedTo, FColorDisabled, FColorDisabledTo;
};

using TCalculatorButtonClickEvent = std::function<void(QObject* Sender, int Index)>;

class TCustomButtonPanel : public TCustomControl {
public:
    explicit TCustomButtonPanel(QWidget* AOwner = nullptr);
    ~TCustomButtonPanel() override;

    TButtonItems& Buttons() const { return *FButtons; }
    void SetButtons(const TButtonItems& value) { FButtons->Assign(value); }
    TButtonAppearance& ButtonAppearance() const { return *FButtonAppearance; }
    void SetButtonAppearance(const TButtonAppearance& value) { FButtonAppearance->Assign(value); }
    TItemLayout ButtonLayout() const { return FButtonLayout; }
    void SetButtonLayout(TItemLayout value) { FButtonLayout = value; }
    TButtonPanelType ButtonPanelType() const { return FButtonPanelType; }
    void SetButtonPanelType(TButtonPanelType value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
    void SetItemColorStyle(TSelectionColorStyle value) { FItemColorStyle = value; }
    QWidget* Edit() const { return FEdit; }
    void SetEdit(QWidget* value) { FEdit = value; }
    int CaptionGap() const { return FCaptionGap; }
    void SetCaptionGap(int value) { FCaptionGap = value; }
    TVxCustomDropDown* VxDropDown() const { return FVxDropDown; }
    void SetVxDropDown(TVxCustomDropDown* DropDown) { FVxDropDown = DropDown; }
    int ButtonHot() const { return FButtonHot; }
    int ButtonDown() const { return FButtonDown; }

    // A key was pressed and released over itself.
    TCalculatorButtonClickEvent OnButtonClick;

    // The client rectangle less the margins.
    virtual void GetButtonsRect(TRect& R) const;
    // (-1, -1, -1, -1) for an index outside the keys.
    void GetButtonRect(int Index, TRect& R) const;
    // The first key in index order whose rectangle holds the point, or -1.
    int ButtonAtPos(int X, int Y) const;
    // The size a key needs for the largest image and caption.
    virtual void GetButtonContentSize(int& Width, int& Height);
    virtual void ClearButtons();
    virtual void ResetButtons();
    // Adds the calculator keys to an empty calculator panel, then lays the keys out.
    virtual void InitButtons();
    // Places the 28 calculator keys; nothing for a custom panel or a collection without those keys.
    virtual void LayoutButtons();
    virtual void InvalidateButton(int Index);
    void SetButtonHot(int Index);
    void SetButtonDown(int Index);
    // Fills the keys of a stand-alone panel once its window has been set up.
    void Loaded();

protected:
    virtual void DrawButton(int Index, TCanvas& Canvas);
    void DrawButtons(TCanvas& Canvas, bool WithHot);
    virtual void DoButtonClick(int Index);

    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // What a key shows as its image: width and height 0 when none.
    TTextSize KeyImageSize(const TButtonItem& Item) const;
    void DrawKeyImage(TCanvas& Canvas, const TButtonItem& Item, int X, int Y) const;
    // The hot or pressed key moves to Index, unless that key is disabled.
    void MoveKeyState(int& Field, int Index);
    // Repaints a stand-alone panel after a change of its keys or their look.
    void StandAloneChanged();

    std::unique_ptr<TButtonItems> FButtons;
    TItemLayout FButtonLayout = TItemLayout::ilCaptionRight;
    TSelectionColorStyle FItemColorStyle = TSelectionColorStyle::scOffice2007;
    int FButtonHot = -1;
    int FOffSetX = 8;
    int FOffSetY = 8;
    int FButtonOffSetX = 4;
    int FButtonOffSetY = 4;
    QPointer<TCustomImageList> FImages;
    int FCaptionGap = 0;
    QPointer<QWidget> FEdit;
    TButtonPanelType FButtonPanelType = TButtonPanelType::plCalculator;
    std::unique_ptr<TButtonAppearance> FButtonAppearance;
    int FButtonDown = -1;
    TVxCustomDropDown* FVxDropDown = nullptr;
};
