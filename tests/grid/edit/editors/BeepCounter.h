#pragma once
#include "platform/Beep.h"

// Counts default beeps instead of sounding them, for the life of one test.
class BeepCounter {
public:
    BeepCounter() : FSaved(SetBeepHook([this](unsigned) { ++FCount; })) {}
    ~BeepCounter() { SetBeepHook(FSaved); }
    BeepCounter(const BeepCounter&) = delete;
    BeepCounter& operator=(const BeepCounter&) = delete;
    int Count() const { return FCount; }

private:
    int FCount = 0;
    std::function<void(unsigned)> FSaved;
};
