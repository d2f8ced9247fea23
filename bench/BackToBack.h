#pragma once
// Two sides timed back to back in every iteration, which goes first alternating, so that the ratio of their
// times sees the same load on the machine; run with repetitions and read the median of "ratio".
#include <QCoreApplication>
#include <QEvent>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <set>
#include <string>

// Per iteration: both untimed set-ups, then both steps, each returning its own seconds (negative: it failed).
// The iteration time is side A's; the counters are <NameA>_ms, <NameB>_ms and ratio, A's time / B's.
// Size tells the benchmark's sizes apart: the first round at each is a warm-up, not timed, for what a process
// pays once (loading fonts and styles, starting a thread pool, the first touch of the libraries' pages)
// belongs to neither side's step.
template <typename SetUpA, typename StepA, typename SetUpB, typename StepB>
void BackToBack(benchmark::State& state, const std::string& NameA, const std::string& NameB, std::int64_t Size,
                SetUpA setUpA, StepA stepA, SetUpB setUpB, StepB stepB)
{
    // What the set-ups left posted (deferred deletes, layouts) is theirs, not the first step's to pay.
    const auto settle = [] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    };
    static std::set<std::int64_t> warmed;
    if (warmed.insert(Size).second) {
        setUpA();
        setUpB();
        settle();
        stepA();
        stepB();
    }
    double totalA = 0, totalB = 0;
    // Kept across repetitions: at one iteration per repetition, the same side would otherwise always go first,
    // straight after the set-ups, and pay for the caches they left cold.
    static bool aFirst = true;
    for (auto _ : state) {
        setUpA();
        setUpB();
        settle();
        double a = 0, b = 0;
        for (int side = 0; side < 2; ++side)
            if ((side == 0) == aFirst)
                a = stepA();
            else
                b = stepB();
        aFirst = !aFirst;
        if (a < 0 || b < 0) {
            state.SkipWithError("a step failed");
            return;
        }
        state.SetIterationTime(a);
        totalA += a;
        totalB += b;
    }
    const double n = double(state.iterations());
    state.counters[NameA + "_ms"] = totalA * 1e3 / n;
    state.counters[NameB + "_ms"] = totalB * 1e3 / n;
    state.counters["ratio"] = totalB > 0 ? totalA / totalB : 0;
}
