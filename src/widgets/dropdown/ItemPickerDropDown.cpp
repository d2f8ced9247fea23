#include "widgets/dropdown/ItemPickerDropDown.h"
#include "widgets/dropdown/ItemAppearanceStyles.h"

TVxItemPickerDropDown::TVxItemPickerDropDown(QWidget* AOwner)
    : TVxCustomDropDown(AOwner), FItemAppearance(std::make_unique<TItemAppearance>())
{
}

TVxItemPickerDropDown::~TVxItemPickerDropDown() = default;

void TVxItemPickerDropDown::Move(TPickerMove Move)
{
    const int target = PickerTarget(Move, FItemIndex, PickerCount());
    if (target >= 0)
        SetItemIndex(target);
}

void TVxItemPickerDropDown::SetComponentStyle(TZarnStyle AStyle)
{
    TVxCustomDropDown::SetComponentStyle(AStyle);
    ApplyItemAppearanceStyle(*FItemAppearance, AStyle);
}

void TVxItemPickerDropDown::SetSelectionColorStyle(TSelectionColorStyle Value)
{
    TVxCustomDropDown::SetSelectionColorStyle(Value);
    if (FItemSelector)
        FItemSelector->ItemAppearance().SetColorStyle(Value);
}

void TVxItemPickerDropDown::DoWheelNext()
{
    WheelMove(true);
}

void TVxItemPickerDropDown::DoWheelPrevious()
{
    WheelMove(false);
}

bool TVxItemPickerDropDown::EditKeyDown(std::uint16_t& Key, TShiftState Shift)
{
    bool result = true;
    GuardEvent([&] { result = KeyDownSteps(Key, Shift); });
    return result;
}

TPickerKeys TVxItemPickerDropDown::PickerKeys(bool DroppedDown, std::function<void()> Refill)
{
    TPickerKeys keys;
    keys.Selector = FItemSelector;
    keys.DroppedDown = DroppedDown;
    keys.EditorEnabled = EditorEnabled();
    keys.ControlCount = PickerCount();
    keys.Refill = std::move(Refill);
    keys.MoveControl = [this](TPickerMove move) { Move(move); };
    keys.Search = &FSearch;
    keys.InternalCall = &FInternalCall;
    return keys;
}
