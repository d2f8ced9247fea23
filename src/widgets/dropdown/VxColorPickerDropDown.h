#pragma once
// A pick-only drop-down for choosing a colour. The edit shows a box in the selected colour and, optionally,
// a text for it; the pop-up shows, by ColorSelectionStyle, a list of named colours, a grid of colour boxes,
// a honeycomb of colours or a spectrum.
#include "widgets/dropdown/ItemCollection.h"
#include "widgets/dropdown/ItemPickerDropDown.h"
#include "widgets/dropdown/VxColorPickerPanels.h"

enum class TColorSelectionStyle { csList, csDiscrete, csColorCube, csSpectrum };
enum class TColorValueText { cvtNone, cvtHex, cvtWebName, cvtRGB, cvtHTML };

// The texts a colour is shown by: its value as stored, its web name, its red, green and blue.
QString ColorValueText(TColor Color, TColorValueText Format);

class TColorItem {
public:
    explicit TColorItem(TCollectionBase* Collection) : FCollection(Collection) {}
    void Assign(const TColorItem& Source);

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    QString Hint() const { return FHint; }
    void SetHint(const QString& Value) { FHint = Value; }
    bool Enabled() const { return FEnabled; }

private:
    TCollectionBase* FCollection;
    QString FCaption;
    TColor FColor = clNone;
    bool FEnabled = true;
    QString FHint;
};

using TColorItems = TItemCollection<TColorItem>;

class TVxColorPickerDropDown : public TVxItemPickerDropDown {
public:
    explicit TVxColorPickerDropDown(QWidget* AOwner = nullptr);
    ~TVxColorPickerDropDown() override;

    // Columns, Layout, the colour box size and ColorValueText are taken at the next opening or painting.
    int Columns() const { return FColumns; }
    void SetColumns(int Value) { FColumns = Value; }
    TColorItems& Colors() const { return *FColors; }
    void SetColors(const TColorItems& Value) { FColors->Assign(Value); }
    // A value at or beyond the count is ignored; any other is taken and fires OnSelect, also unchanged.
    void SetItemIndex(int Value) override;
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int Value) { FColorBoxWidth = Value; }
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int Value) { FColorBoxHeight = Value; }
    TColorValueText ColorValueText() const { return FColorValueText; }
    void SetColorValueText(TColorValueText Value) { FColorValueText = Value; }
    TColorSelectionStyle ColorSelectionStyle() const { return FColorSelectionStyle; }
    void SetColorSelectionStyle(TColorSelectionStyle Value);
    bool ShowText() const { return FShowText; }
    void SetShowText(bool Value);
    TColor SelectedColor() const { return FSelectedColor; }
    // Selects the first colour of the list with exactly that value; a colour the list does not hold
    // leaves no item selected.
    void SetSelectedColor(TColor Value);
    QString SelectedColorText() const { return GetSelectedColorText(); }

    // The pop-up contents besides the item selector, each made the first time its style is shown.
    TCustomColorSelector* ColorSelector() const { return FColorSelector; }
    TVxColorCubePanel* ColorCubePanel() const { return FColorCubePanel; }
    TVxColorSpectrumPanel* SpectrumPanel() const { return FSpectrumPanel; }

    // Appends the 16 named basic colours.
    void AddDefaultColors();
    // Draws the edit's content in place of the box and text.
    TOnDrawSelectedItem OnDrawSelectedColor;
    // Paints a list item's content after the list painted its background.
    TDrawItemEvent OnDrawColor;

protected:
    virtual QString GetSelectedColorText() const;
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void UpdateDropDownSize() override;
    void DoHideDropDown(bool Cancelled) override;
    void DrawFocusedText() override;
    int PickerCount() const override { return FColors->Count(); }
    void WheelMove(bool Next) override;
    bool KeyDownSteps(std::uint16_t& Key, TShiftState Shift) override;

private:
    QWidget* CreateContent();
    void CreateItemSelector();
    void CreateColorSelector();
    void CreateCubePanel();
    void CreateSpectrumPanel();
    // Shows the content of the current style, loaded as at opening, and hides the others.
    void LoadContent();
    void LoadItemSelector();
    void SizeForStyle();
    void PickFromPanel(TColor Color, bool Close);
    void DrawSelectedColor();

    QPointer<TVxColorCubePanel> FColorCubePanel;   // children of the pop-up
    QPointer<TVxColorSpectrumPanel> FSpectrumPanel;
    QPointer<TCustomColorSelector> FColorSelector;
    int FColumns = 1;
    std::unique_ptr<TColorItems> FColors;
    int FColorBoxWidth = 14;
    int FColorBoxHeight = 14;
    TColorSelectionStyle FColorSelectionStyle = TColorSelectionStyle::csList;
    TColor FSelectedColor = clNone;
    bool FShowText = true;
    TColor FOldSelectedColor = clNone;
    TColorValueText FColorValueText = TColorValueText::cvtNone;
};
