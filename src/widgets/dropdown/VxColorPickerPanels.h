#pragma once
// The colour picker's pop-up panels besides its list: a grid of colour boxes with a 60-colour palette, a
// honeycomb of 127 hexagonal cells, and a spectrum from which the colour under the mouse is picked. Each
// reports a pick through its own notification and exposes the colour as SelectedColor.
#include "platform/CustomControl.h"
#include "widgets/dropdown/DropDownStyles.h"
#include "widgets/dropdown/ItemCollection.h"
#include "widgets/dropdown/VxItemSelector.h"
#include <array>

class QLabel;

// ---- the colour cube ----

class TVxColorCubePanel : public TCustomControl {
public:
    static constexpr int CellCount = 127;
    struct TCubeCell {
        TPoint Center;
        TColor Color;
    };

    explicit TVxColorCubePanel(QWidget* AOwner = nullptr);

    TColor SelectedColor() const { return FSelectedColor; }
    // Selects the first cell of that colour, or none; no repaint.
    void SetSelectedColor(TColor Value) { SelectColor(Value, -1); }
    // Cells are numbered 1 to 127; -1 for none.
    int SelectedIndex() const { return FSelectedIndex; }
    int HotIndex() const { return FHotIndex; }
    bool ShowRGBHint() const { return FShowRGBHint; }
    void SetShowRGBHint(bool Value);
    const TCubeCell& Cell(int Number) const { return FCubeCells.at(std::size_t(Number - 1)); }

    // Rebuilds the cells and their colours; clears the hot cell and gives the panel its size.
    void InitCube();
    void ResetHot();
    // The first cell whose centre lies within the hit radius of the point, -1 when none.
    int CellAtPos(int X, int Y) const;

    TNotifyEvent OnSelect;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

private:
    void SelectColor(TColor Color, int Cell);
    void DrawCell(TCanvas& Canvas, int Number);

    std::array<TCubeCell, CellCount> FCubeCells{};
    TPoint FCubeSize{6, 3};
    TColor FSelectedColor = clNone;
    int FSelectedIndex = -1;
    int FHotIndex = -1;
    bool FShowRGBHint = true;
};

// ---- the spectrum ----

class TVxColorSpectrumPanel : public TCustomControl {
public:
    explicit TVxColorSpectrumPanel(QWidget* AOwner = nullptr);

    TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(TColor Value) { FSelectedColor = Value; }
    TColor HotColor() const { return FHotColor; }
    QLabel* SpectrumImage() const { return FSpectrumImage; }
    TRect HotRect() const { return FHotRect; }
    TRect SelectedRect() const { return FSelectedRect; }

    // Sizes the panel, places the image and the swatches and forgets the hot colour.
    void LayoutSpectrum();

    TNotifyEvent OnSelect;

protected:
    void Paint() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* FSpectrumImage;
    QImage FSpectrum;
    TColor FHotColor = clNone;
    TColor FSelectedColor = clWhite;
    TRect FHotRect;
    TRect FSelectedRect;
};

// The spectrum's picture: hue across from red through yellow, green, cyan, blue and magenta back to red,
// lightness down from white through the full colours (rows 63 and 64) to black.
QImage SpectrumBitmap();

// ---- the colour boxes ----

enum class TItemPos { ipStandAlone, ipTop, ipMiddle, ipBottom };

class TColorBoxAppearance {
public:
    void Assign(const TColorBoxAppearance& Source);

    TColor BorderColor = 0xC5C5C5;
    TColor OuterBorderColorHot = 0x3694F2;
    TColor InnerBorderColorHot = 0x94E2FF;
    TColor OuterBorderColorSelected = 0x0000FF;
    TColor InnerBorderColorSelected = 0x94E2FF;
};

class TColorBoxItem {
public:
    explicit TColorBoxItem(TCollectionBase* Collection) : FCollection(Collection) {}
    void Assign(const TColorBoxItem& Source);

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    // A disabled box cannot become hot or selected.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    TItemPos ColorBoxPos() const { return FColorBoxPos; }
    void SetColorBoxPos(TItemPos Value) { FColorBoxPos = Value; }
    TRect BoxRect() const { return FRect; }

private:
    friend class TCustomColorSelector;
    TCollectionBase* FCollection;
    TColor FColor = clNone;
    bool FEnabled = true;
    TRect FRect;
    TItemPos FColorBoxPos = TItemPos::ipStandAlone;
};

using TColorBoxItems = TItemCollection<TColorBoxItem>;

class TCustomColorSelector : public TCustomControl {
public:
    explicit TCustomColorSelector(QWidget* AOwner = nullptr);
    ~TCustomColorSelector() override;

    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Index);
    int ItemHot() const { return FItemHot; }
    void SetItemHot(int Index);
    TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(TColor Value);
    TColorBoxItems& Items() const { return *FItems; }
    void SetItems(const TColorBoxItems& Value) { FItems->Assign(Value); }
    int Columns() const { return FColumns; }
    void SetColumns(int Value);
    int ColumnGap() const { return FColumnGap; }
    void SetColumnGap(int Value);
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int Value);
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int Value);
    TColorBoxAppearance& ColorBoxAppearance() const { return *FColorBoxAppearance; }
    void SetColorBoxAppearance(const TColorBoxAppearance& Value) { FColorBoxAppearance->Assign(Value); }
    TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
    void SetItemColorStyle(TSelectionColorStyle Value);

    // The built-in 60 colours in six rows of shades.
    void LoadDefaultPalette();
    int ItemAtPos(int X, int Y) const;
    // The keys of the owning drop-down: page, Home, End and the arrows.
    void HandleKey(std::uint16_t Key, bool EditorEnabled, bool DroppedDown);
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();

    virtual void DrawColorBox(int Index, TCanvas& Canvas);
    virtual void GetItemsRect(TRect& R) const;
    virtual TSize GetColorBoxSize() const;
    virtual void UpdateLayout();
    virtual void InvalidateItem(int Index);

    TNotifyEvent OnItemSelect;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;

private:
    bool Selectable(int Index) const;

    int FItemIndex = -1;
    int FItemHot = -1;
    int FOffSetX = 4;
    int FOffSetY = 4;
    int FColumns = 10;
    int FColumnGap = 4;
    int FColorBoxHeight = 12;
    int FColorBoxWidth = 12;
    std::unique_ptr<TColorBoxAppearance> FColorBoxAppearance;
    std::unique_ptr<TColorBoxItems> FItems;
    TSelectionColorStyle FItemColorStyle = TSelectionColorStyle::scOffice2007;
    TColor FSelectedColor = clNone;
};
