#pragma once
// What the detail, image and colour pickers share: the item selector of their pop-up with its item colours,
// the item index and the moves through it, the type-ahead search, and the guard that keeps an exception of
// their wheel and key handling from the event loop.
#include "widgets/dropdown/ItemLayout.h"
#include "widgets/dropdown/PickerKeys.h"
#include "widgets/dropdown/TypeAhead.h"
#include "widgets/dropdown/VxDropDown.h"
#include "widgets/dropdown/VxItemSelector.h"
#include <QPointer>

class TVxItemPickerDropDown : public TVxCustomDropDown {
public:
    explicit TVxItemPickerDropDown(QWidget* AOwner = nullptr);
    ~TVxItemPickerDropDown() override;

    int ItemIndex() const { return FItemIndex; }
    virtual void SetItemIndex(int Value) = 0;
    TItemLayout Layout() const { return FLayout; }
    void SetLayout(TItemLayout Value) { FLayout = Value; }
    TItemAppearance& ItemAppearance() const { return *FItemAppearance; }
    void SetItemAppearance(const TItemAppearance& Value) { FItemAppearance->Assign(Value); }
    // The list of the pop-up, made with it.
    TVxCustomItemSelector* ItemSelector() const { return FItemSelector; }
    // The clock of the type-ahead search.
    void SetTypeAheadClock(std::shared_ptr<TClock> Clock) { FSearch.SetClock(std::move(Clock)); }

    void SelectFirst() { Move(TPickerMove::pmFirst); }
    void SelectLast() { Move(TPickerMove::pmLast); }
    void SelectNext() { Move(TPickerMove::pmNext); }
    void SelectPrevious() { Move(TPickerMove::pmPrevious); }

    void SetComponentStyle(TZarnStyle AStyle) override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;

    TNotifyEvent OnSelect;

protected:
    virtual int PickerCount() const = 0;
    virtual void WheelMove(bool Next) = 0;
    virtual bool KeyDownSteps(std::uint16_t& Key, TShiftState Shift) = 0;

    void DoWheelNext() override;
    void DoWheelPrevious() override;
    bool EditKeyDown(std::uint16_t& Key, TShiftState Shift) override;

    // The shared keys over the pop-up's item selector, refilled by Refill when its count differs.
    TPickerKeys PickerKeys(bool DroppedDown, std::function<void()> Refill);
    void Move(TPickerMove Move);

    QPointer<TVxCustomItemSelector> FItemSelector;   // a child of the pop-up
    TItemLayout FLayout = TItemLayout::ilCaptionRight;
    int FItemIndex = -1;
    int FOldItemIndex = -1;
    std::unique_ptr<TItemAppearance> FItemAppearance;
    bool FInternalCall = false;
    TTypeAheadSearch FSearch;
};
