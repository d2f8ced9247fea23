#include "grid/foundation/ControlList.h"

void TControlList::AddControl(int X, int Y, QWidget* AObject)
{
    FItems.push_back(std::make_unique<TControlItem>(X, Y, AObject));
}

int TControlList::ControlIndex(int X, int Y) const
{
    for (int i = 0; i < Count(); ++i)
        if (FItems[std::size_t(i)]->X() == X && FItems[std::size_t(i)]->Y() == Y)
            return i;
    return -1;
}

TControlItem* TControlList::Control(int i) const
{
    return i >= 0 && i < Count() ? FItems[std::size_t(i)].get() : nullptr;
}

void TControlList::RemoveControl(int i)
{
    if (i >= 0 && i < Count())
        FItems.erase(FItems.begin() + i);
}

void TControlList::Clear() { FItems.clear(); }

bool TControlList::HasHandle(const QWidget* Handle) const
{
    if (!Handle)
        return false;
    for (const auto& item : FItems)
        if (item->Control() == Handle)
            return true;
    return false;
}
