#include "platform/Beep.h"
#include <QApplication>

namespace {
std::function<void(unsigned)>& Hook()
{
    static std::function<void(unsigned)> hook;
    return hook;
}
} // namespace

void MessageBeep(unsigned Type)
{
    if (Hook())
        Hook()(Type);
    else
        QApplication::beep();
}

std::function<void(unsigned)> SetBeepHook(std::function<void(unsigned)> Hook_)
{
    std::swap(Hook(), Hook_);
    return Hook_;
}
