#pragma once
// The strips a drop-down's pop-up shows above and below its control: a copy of the drop-down's header or
// footer appearance painted as background, border, image and mini-HTML caption, a row of gradient buttons,
// and in the footer a size grip that resizes the pop-up.
#include "platform/CustomControl.h"
#include "widgets/dropdown/VxDropDown.h"
#include <QPointer>
#include <memory>
#include <vector>

class TAppearanceButton;
class TStripAppearance;
class TVxButton;

// The panels' button list; access by index checks the upper bound.
class TDbgList {
public:
    int Count() const { return int(FItems.size()); }
    void Add(TVxButton* Item) { FItems.push_back(Item); }
    void Clear() { FItems.clear(); }
    void AssignList(const TDbgList& ListA) { FItems = ListA.FItems; }
    // An index at or past the count raises std::out_of_range.
    TVxButton* GetItemsEx(int Index) const;
    void SetItemsEx(int Index, TVxButton* Value);

private:
    std::vector<TVxButton*> FItems;
};

class TVxPopupStrip : public TCustomControl {
public:
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value) { FImages = value; }
    TVxCustomDropDown* VxDropDown() const { return FVxDropDown; }
    // Binds the strip to a drop-down (nullptr unbinds): takes its images and copies its appearance.
    virtual void SetVxDropDown(TVxCustomDropDown* value) = 0;
    // One button per item of the bound drop-down's collection.
    void BuildButtons();
    const TDbgList& ButtonList() const { return FButtonList; }
    // The area the buttons stand in; its height is the most a button may take.
    virtual TRect GetButtonArea() const = 0;

    TDrawBackGroundEvent OnDrawBackGround;
    TGetTextEvent OnGetText;

protected:
    explicit TVxPopupStrip(QWidget* AOwner);
    ~TVxPopupStrip() override;

    virtual TStripAppearance& StripAppearance() const = 0;
    // The items of the bound drop-down's button collection; none while unbound.
    virtual int ButtonCount() const = 0;
    virtual const TAppearanceButton& ButtonItem(int Index) const = 0;
    virtual void ButtonClicked(int Index) = 0;
    virtual void PrepareButton(TVxButton& Button, const TAppearanceButton& Item);
    virtual void UpdateButtons();
    virtual void ClearButtons();
    virtual void ArrangeButtons();
    void AppearanceChanged();
    // The pop-up draws no border of its own, so the strip frames itself.
    bool FramesItself() const;
    void PaintCaption(const TRect& ClientArea);
    void resizeEvent(QResizeEvent* e) override;

    QPointer<TCustomImageList> FImages;
    QPointer<TVxCustomDropDown> FVxDropDown;
    TDbgList FButtonList;
};

class TVxHeader : public TVxPopupStrip {
public:
    explicit TVxHeader(QWidget* AOwner);
    ~TVxHeader() override;

    THeaderAppearance& Appearance() const { return *FAppearance; }
    void SetAppearance(const THeaderAppearance& value);
    void SetVxDropDown(TVxCustomDropDown* value) override;
    TRect GetButtonArea() const override;

protected:
    TStripAppearance& StripAppearance() const override;
    int ButtonCount() const override;
    const TAppearanceButton& ButtonItem(int Index) const override;
    void ButtonClicked(int Index) override;
    void Paint() override;

private:
    std::unique_ptr<THeaderAppearance> FAppearance;
};

class TVxFooter : public TVxPopupStrip {
public:
    explicit TVxFooter(QWidget* AOwner);
    ~TVxFooter() override;

    TFooterAppearance& Appearance() const { return *FAppearance; }
    void SetAppearance(const TFooterAppearance& value);
    void SetVxDropDown(TVxCustomDropDown* value) override;
    TRect GetButtonArea() const override;
    bool SizeGripShown() const;

protected:
    TStripAppearance& StripAppearance() const override;
    int ButtonCount() const override;
    const TAppearanceButton& ButtonItem(int Index) const override;
    void ButtonClicked(int Index) override;
    void PrepareButton(TVxButton& Button, const TAppearanceButton& Item) override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    bool InGrip(int X, int Y) const { return X > width() - 12 && Y > height() - 15; }
    void DrawSizeGrip(TCanvas& Canvas, const TRect& R, int BorderWidth, TColor BorderColor);

    std::unique_ptr<TFooterAppearance> FAppearance;
    // A drag of the grip: where it started and the pop-up's size then.
    bool FSizing = false;
    QPoint FSizeStart;
    QSize FStartSize;
};
