#pragma once
// Answers every message box while it lives and keeps what they asked.
#include "platform/Dialogs.h"
#include <QStringList>
#include <deque>
#include <vector>

class MessageBoxRecorder {
public:
    // Every box is answered with its default button unless told otherwise.
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    // From now on answer every box with this result.
    void answerAll(TModalResult result);
    // The next boxes take these answers first, in order.
    void answerNext(std::initializer_list<TModalResult> results);

    QStringList texts() const;
    const std::vector<TMessageRequest>& requests() const { return FRequests; }
    void clear() { FRequests.clear(); }

private:
    std::vector<TMessageRequest> FRequests;
    std::deque<TModalResult> FNext;
    TModalResult FAll = mrNone;  // mrNone: the box's default
};
