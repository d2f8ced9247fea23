#include "widgets/dropdown/TypeAhead.h"
#include "platform/Ping.h"

TTypeAheadSearch::TTypeAheadSearch(std::shared_ptr<TClock> Clock)
{
    SetClock(std::move(Clock));
}

TTypeAheadSearch::~TTypeAheadSearch() = default;

void TTypeAheadSearch::SetClock(std::shared_ptr<TClock> Clock)
{
    FClock = Clock ? std::move(Clock) : std::make_shared<TSystemClock>();
}

bool TTypeAheadSearch::Expired() const
{
    return !FText.isEmpty() && FClock->Milliseconds() - FStarted >= Interval;
}

QString TTypeAheadSearch::Add(QChar Key)
{
    if (Expired())
        FText.clear();
    if (FText.isEmpty())
        FStarted = FClock->Milliseconds();
    FText += Key;
    return FText;
}

QString TTypeAheadSearch::Text() const
{
    return Expired() ? QString() : FText;
}
