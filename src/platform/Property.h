#pragma once
// How a property setter stores its value: set, then repaint or notify.
#include <functional>
#include <utility>

class QObject;

// The toolkit's plain event: who sent it, nothing more.
using TNotifyEvent = std::function<void(QObject* Sender)>;

// Stores `value` and runs `then` (a repaint, a change notice) only when the value changed.
// Returns whether it changed.
template <typename T, typename U, typename Then>
bool SetProperty(T& field, U&& value, Then&& then)
{
    if (field == value)
        return false;
    field = std::forward<U>(value);
    std::forward<Then>(then)();
    return true;
}

// The same for setters whose notice goes out even when the value is the one already held
// (listeners use it to re-apply the whole group).
template <typename T, typename U, typename Then>
void SetPropertyAlways(T& field, U&& value, Then&& then)
{
    field = std::forward<U>(value);
    std::forward<Then>(then)();
}
