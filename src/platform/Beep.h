#pragma once
// The platform's default beep, with a hook that replaces the sound (tests count beeps through it).
#include <functional>

void MessageBeep(unsigned Type = 0);
// While set, MessageBeep calls the hook instead of sounding; returns the hook it replaced.
std::function<void(unsigned Type)> SetBeepHook(std::function<void(unsigned Type)> Hook);
