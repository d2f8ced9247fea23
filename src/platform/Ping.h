#pragma once
// ICMP echo to an IPv4 address, one echo at a time, behind an interface that tests replace.
#include <QString>
#include <cstdint>
#include <functional>

enum class TEchoStatus { esReply, esTimedOut, esFailed, esNoSocket };

struct TEchoResult {
    TEchoStatus Status = TEchoStatus::esFailed;
    int BytesReceived = 0;  // echo data carried by the reply
    QString Error;          // the reason, for esFailed and esNoSocket
};

class TPinger {
public:
    virtual ~TPinger() = default;
    // Sends one echo request and waits for its reply; returns when it came or the time-out passed.
    virtual TEchoResult Echo(const QString& address) = 0;
};

// Monotonic milliseconds; the ping rounds measure their limits with it.
class TClock {
public:
    virtual ~TClock() = default;
    virtual std::int64_t Milliseconds() = 0;
};

class TSystemClock : public TClock {
public:
    std::int64_t Milliseconds() override;
};

// Echo with 1024 bytes of data and sequence number 0, waiting up to 400 ms for the reply. Uses the unprivileged
// ICMP datagram socket and falls back to a raw socket; esNoSocket when neither can be opened.
class TIcmpPinger : public TPinger {
public:
    static constexpr int DataSize = 1024;
    static constexpr int ReceiveTimeOut = 400;

    TEchoResult Echo(const QString& address) override;

    // Called about every 10 ms while waiting for a reply (the window handles its events there).
    std::function<void()> OnWait;
};
