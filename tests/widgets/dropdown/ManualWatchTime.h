#pragma once
#include "widgets/dropdown/VxWatch.h"
#include <vector>

// A time source stepped by hand, installed for the life of one test: clocks made meanwhile take it.
class ManualWatchTime : public TWatchTimeSource {
public:
    struct Timer : TWatchTimer {
        int interval = 0;
        bool on = false;
        void SetEnabled(bool value) override { on = value; }
        bool Enabled() const override { return on; }
    };

    TDateTime now = 0;
    int paused = 0;   // milliseconds of pauses asked for

    ManualWatchTime() { SetWatchTimeSource(this); }
    ~ManualWatchTime() override { SetWatchTimeSource(nullptr); }
    ManualWatchTime(const ManualWatchTime&) = delete;
    ManualWatchTime& operator=(const ManualWatchTime&) = delete;

    TDateTime CurrentTime() override { return now; }
    std::unique_ptr<TWatchTimer> CreateTimer(int Interval) override
    {
        auto timer = std::make_unique<Timer>();
        timer->interval = Interval;
        FTimers.push_back(timer.get());
        return timer;
    }
    void Pause(int Milliseconds) override { paused += Milliseconds; }

    // The last timer made with that interval (1: animation, 100: live clock).
    Timer& Last(int Interval) const
    {
        for (auto it = FTimers.rbegin(); it != FTimers.rend(); ++it)
            if ((*it)->interval == Interval)
                return **it;
        throw std::logic_error("no such timer");
    }
    // Fires the animation timer until it stops; after each tick `each` sees the clock.
    template <typename Each>
    int RunAnimation(Each each) const
    {
        Timer& t = Last(1);
        int ticks = 0;
        while (t.on && ticks < 1000) {
            t.OnTimer();
            ++ticks;
            each();
        }
        return ticks;
    }

private:
    std::vector<Timer*> FTimers;   // owned by their clocks, which live shorter than this source
};

inline TDateTime HMS(int h, int m, int s = 0, int ms = 0)
{
    TDateTime t = 0;
    TryEncodeTime(h, m, s, ms, t);
    return t;
}

inline std::string TimeText(TDateTime t)
{
    int h, m, s, ms;
    DecodeTime(t, h, m, s, ms);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d.%03d", h, m, s, ms);
    return buf;
}
