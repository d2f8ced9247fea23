#pragma once
// A pick-only drop-down for choosing a colour. The edit shows a box in the selected colour and, optionally,
// a text for it; the pop-up shows, by ColorSelectionStyle, a list of named colours, a grid of colour boxes,
// a honeycomb of colours or a spectrum.
#include "widgets/dropdown/ItemCollection.h"
#include "widgets/dropdown/PickerKeys.h"
#include "widgets/dropdown/TypeAhead.h"
#include "widgets/dropdown/VxColorPickerPanels.h"
#include "widgets/dropdown/VxDropDown.h"
#include "widgets/dropdown/VxItemSelector.h"

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

class TVxColorPickerDropDown : public TVxCustomDropDown {
public:
    explicit TVxColorPickerDropDown(QWidget* AOwner = nullptr);
    ~TVxColorPickerDropDown() override;

    // Columns, Layout, the colour box size and ColorValueText are taken at the next opening or painting.
    int Columns() const { return FColumns; }
    void SetColumns(int Value) { FColumns = Value; }
    TItemLayout Layout() const { return FLayout; }
    void SetLayout(TItemLayout Value) { FLayout = Value; }
    TColorItems& Colors() const { return *FColors; }
    void SetColors(const TColorItems& Value) { FColors->Assign(Value); }
    int ItemIndex() const { return FItemIndex; }
    // A value at or beyond the count is ignored; any other is taken and fires OnSelect, also unchanged.
    void SetItemIndex(int Value);
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int Value) { FColorBoxWidth = Value; }
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int Value) { FColorBoxHeight = Value; }
    TItemAppearance& ItemAppearance() const { return *FItemAppearance; }
    void SetItemAppearance(const TItemAppearance& Value) { FItemAppearance->Assign(Value); }
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
    void SetTypeAheadClock(std::shared_ptr<TClock> Clock) { FSearch.SetClock(std::move(Clock)); }

    // The pop-up contents, each made the first time its style is shown.
    TVxCustomItemSelector* ItemSelector() const { return FItemSelector; }
    TCustomColorSelector* ColorSelector() const { return FColorSelector; }
    TVxColorCubePanel* ColorCubePanel() const { return FColorCubePanel; }
    TVxColorSpectrumPanel* SpectrumPanel() const { return FSpectrumPanel; }

    // Appends the 16 named basic colours.
    void AddDefaultColors();
    void SelectFirst() { Move(TPickerMove::pmFirst); }
    void SelectLast() { Move(TPickerMove::pmLast); }
    void SelectNext() { Move(TPickerMove::pmNext); }
    void SelectPrevious() { Move(TPickerMove::pmPrevious); }

    void SetComponentStyle(TZarnStyle AStyle) override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;

    TNotifyEvent OnSelect;
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
    void DoWheelNext() override;
    void DoWheelPrevious() override;
    void DrawFocusedText() override;
    bool EditKeyDown(std::uint16_t& Key, TShiftState Shift) override;

private:
    void Move(TPickerMove Move);
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
    bool KeyDownSteps(std::uint16_t& Key, TShiftState Shift);
    void WheelMove(bool Next);

    QPointer<TVxCustomItemSelector> FItemSelector;   // children of the pop-up
    QPointer<TVxColorCubePanel> FColorCubePanel;
    QPointer<TVxColorSpectrumPanel> FSpectrumPanel;
    QPointer<TCustomColorSelector> FColorSelector;
    int FColumns = 1;
    TItemLayout FLayout = TItemLayout::ilCaptionRight;
    std::unique_ptr<TColorItems> FColors;
    int FItemIndex = -1;
    int FColorBoxWidth = 14;
    int FColorBoxHeight = 14;
    TColorSelectionStyle FColorSelectionStyle = TColorSelectionStyle::csList;
    TColor FSelectedColor = clNone;
    bool FShowText = true;
    std::unique_ptr<TItemAppearance> FItemAppearance;
    bool FInternalCall = false;
    TTypeAheadSearch FSearch;
    int FOldItemIndex = -1;
    TColor FOldSelectedColor = clNone;
    TColorValueText FColorValueText = TColorValueText::cvtNone;
};
