#pragma once
// The keys the list pickers (detail, image and colour list) share: page, Home and End, Left and Right,
// Up and Down, and the type-ahead search over the item selector of the pop-up. The pickers call it after
// the edit's own key handling; moves they make themselves must not close the pop-up, so InternalCall is
// set around every move of the selector.
#include "platform/KeyCodes.h"
#include <functional>

class TTypeAheadSearch;
class TVxCustomItemSelector;

enum class TPickerMove { pmFirst, pmLast, pmNext, pmPrevious };

// Where a picker's SelectFirst, SelectLast, SelectNext and SelectPrevious go from Current over Count items
// (Next and Previous give item 0 when nothing is selected); -1 where they stay: without items, and at the
// ends.
int PickerTarget(TPickerMove Move, int Current, int Count);

struct TPickerKeys {
    TVxCustomItemSelector* Selector = nullptr;
    bool DroppedDown = false;
    bool EditorEnabled = false;
    // Up and Down move this many items while the pop-up is open (the picker's columns).
    int RowStep = 1;
    // Home and End move the closed control only when it is pick-only.
    bool HomeEndNeedPickOnly = false;
    // The control's item count; page keys refill the selector first when its count differs.
    int ControlCount = 0;
    std::function<void()> Refill;
    // The control's own SelectFirst, SelectLast, SelectNext, SelectPrevious.
    std::function<void(TPickerMove)> MoveControl;
    TTypeAheadSearch* Search = nullptr;
    bool* InternalCall = nullptr;
};

void PickerKeyDown(const TPickerKeys& Keys, std::uint16_t Key, TShiftState Shift);

// Runs Handler, keeping any exception it throws from the event loop that called it.
template <typename F>
void GuardEvent(F&& Handler) noexcept
{
    try {
        Handler();
    } catch (...) {
    }
}
