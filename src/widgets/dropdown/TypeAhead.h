#pragma once
// The pickers' type-ahead search: the keys typed since the search began, forgotten 500 ms after its first
// key. Typing on does not prolong it. The clock is injected so tests need not wait.
#include <QString>
#include <cstdint>
#include <memory>

class TClock;

class TTypeAheadSearch {
public:
    static constexpr std::int64_t Interval = 500;

    // Without a clock the system's monotonic clock is used.
    explicit TTypeAheadSearch(std::shared_ptr<TClock> Clock = nullptr);
    ~TTypeAheadSearch();
    void SetClock(std::shared_ptr<TClock> Clock);

    // The search after appending Key; a search whose time ran out starts over first.
    QString Add(QChar Key);
    QString Text() const;
    void Clear() { FText.clear(); }

private:
    bool Expired() const;

    std::shared_ptr<TClock> FClock;
    QString FText;
    std::int64_t FStarted = 0;
};
