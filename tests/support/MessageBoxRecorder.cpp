#include "support/MessageBoxRecorder.h"

MessageBoxRecorder::MessageBoxRecorder()
{
    SetMessageHook([this](const TMessageRequest& r) {
        FRequests.push_back(r);
        if (!FNext.empty()) {
            const TModalResult next = FNext.front();
            FNext.pop_front();
            return next;
        }
        return FAll != mrNone ? FAll : r.DefaultResult;
    });
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    SetMessageHook({});
}

void MessageBoxRecorder::answerAll(TModalResult result)
{
    FAll = result;
}

void MessageBoxRecorder::answerNext(std::initializer_list<TModalResult> results)
{
    FNext.insert(FNext.end(), results);
}

QStringList MessageBoxRecorder::texts() const
{
    QStringList t;
    for (const TMessageRequest& r : FRequests)
        t << r.Text;
    return t;
}
