#include "widgets/dropdown/PickerKeys.h"
#include "widgets/dropdown/TypeAhead.h"
#include "widgets/dropdown/VxItemSelector.h"
#include <QScopedValueRollback>

int PickerTarget(TPickerMove Move, int Current, int Count)
{
    if (Count <= 0)
        return -1;
    switch (Move) {
    case TPickerMove::pmFirst: return 0;
    case TPickerMove::pmLast: return Count - 1;
    case TPickerMove::pmNext: return Current < 0 ? 0 : Current + 1 < Count ? Current + 1 : -1;
    case TPickerMove::pmPrevious: return Current < 0 ? 0 : Current > 0 ? Current - 1 : -1;
    }
    return -1;
}

void PickerKeyDown(const TPickerKeys& Keys, std::uint16_t Key, TShiftState Shift)
{
    TVxCustomItemSelector* selector = Keys.Selector;
    if (!selector)
        return;
    auto internal = [&Keys](auto move) {
        QScopedValueRollback<bool> guard(*Keys.InternalCall, true);
        move();
    };
    auto control = [&Keys](TPickerMove move) {
        if (Keys.MoveControl)
            Keys.MoveControl(move);
    };
    switch (Key) {
    case VK_PRIOR:
    case VK_NEXT:
        if (selector->Items().Count() != Keys.ControlCount && Keys.Refill)
            Keys.Refill();
        internal([&] { selector->SelectPage(Key == VK_NEXT); });
        return;
    case VK_HOME:
    case VK_END:
        if (Keys.DroppedDown)
            internal([&] { Key == VK_END ? selector->SelectLast() : selector->SelectFirst(); });
        else if (!Keys.HomeEndNeedPickOnly || !Keys.EditorEnabled)
            control(Key == VK_END ? TPickerMove::pmLast : TPickerMove::pmFirst);
        return;
    case VK_LEFT:
    case VK_RIGHT:
        if (!Keys.EditorEnabled && Keys.DroppedDown)
            internal([&] { Key == VK_RIGHT ? selector->SelectNext() : selector->SelectPrevious(); });
        return;
    case VK_UP:
    case VK_DOWN:
        if (Keys.DroppedDown)
            internal([&] { selector->SelectBy(Key == VK_DOWN ? Keys.RowStep : -Keys.RowStep); });
        else
            control(Key == VK_DOWN ? TPickerMove::pmNext : TPickerMove::pmPrevious);
        return;
    default:
        if (Shift.testFlag(TShiftStateItem::ssCtrl))
            return;
        // The key's code taken as a character: letters arrive upper-cased, as the lookup wants them.
        const QString search = Keys.Search->Add(QChar(Key));
        internal([&] { selector->LookupItem(search); });
        return;
    }
}
