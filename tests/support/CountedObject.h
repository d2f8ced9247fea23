#pragma once
#include "grid/model/GridStore.h"

// A cell object that keeps a count of how many of its kind are alive, to see who frees it and when.
class CountedObject : public TObject {
public:
    explicit CountedObject(int& alive) : FAlive(alive) { ++FAlive; }
    ~CountedObject() override { --FAlive; }

private:
    int& FAlive;
};
