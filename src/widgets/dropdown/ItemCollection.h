#pragma once
// The toolkit's owned collection, as the pickers' item lists use it: items made by the collection, held in
// order, able to tell the collection that one of them changed.
#include "platform/Property.h"
#include <QObject>
#include <memory>
#include <vector>

class TCollectionBase {
public:
    explicit TCollectionBase(QObject* AOwner) : FMyOwner(AOwner) {}
    virtual ~TCollectionBase() = default;
    QObject* GetOwner() const { return FMyOwner; }
    // An item's notifying property changed.
    void Changed()
    {
        if (OnChange)
            OnChange(FMyOwner);
    }
    TNotifyEvent OnChange;

private:
    QObject* FMyOwner;
};

// Item is constructed from its collection and has Assign(const Item&). Adding and deleting notify nobody.
template <typename Item>
class TItemCollection : public TCollectionBase {
public:
    explicit TItemCollection(QObject* AOwner = nullptr) : TCollectionBase(AOwner) {}
    TItemCollection(const TItemCollection&) = delete;
    TItemCollection& operator=(const TItemCollection&) = delete;

    int Count() const { return int(FItems.size()); }
    Item* Add() { return Insert(Count()); }
    // An index outside 0 .. Count adds at the end.
    Item* Insert(int Index)
    {
        if (Index < 0 || Index > Count())
            Index = Count();
        return FItems.insert(FItems.begin() + Index, std::make_unique<Item>(this))->get();
    }
    void Delete(int Index)
    {
        if (Index >= 0 && Index < Count())
            FItems.erase(FItems.begin() + Index);
    }
    void Clear() { FItems.clear(); }
    // nullptr outside the items.
    Item* GetItem(int Index) const { return Index >= 0 && Index < Count() ? FItems[std::size_t(Index)].get() : nullptr; }
    Item& operator[](int Index) const { return *FItems.at(std::size_t(Index)); }
    void SetItem(int Index, const Item& Value)
    {
        if (Item* item = GetItem(Index))
            item->Assign(Value);
    }
    void Assign(const TItemCollection& Source)
    {
        if (&Source == this)
            return;
        Clear();
        for (const auto& item : Source.FItems)
            Add()->Assign(*item);
    }

private:
    std::vector<std::unique_ptr<Item>> FItems;
};
