// Process start to first frame: the program's real start-up (StartupProbe: the main window and every window
// made at start) against a Qt Widgets hello-world (HelloProbe), each started as a process, headless. Every
// iteration runs both back to back, which goes first alternating; the clock stops when the probe reports its
// first paint, before it quits. Read the median of "ratio" over the repetitions.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <benchmark/benchmark.h>

namespace {

// Seconds from start to the probe's first frame; negative when it never came.
double FirstFrameSeconds(const QString& probe)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer t;
    t.start();
    process.start(QCoreApplication::applicationDirPath() + QLatin1Char('/') + probe, {});
    double seconds = -1;
    while (process.waitForReadyRead(30000)) {
        if (process.readAllStandardOutput().contains("first frame")) {
            seconds = double(t.nsecsElapsed()) / 1e9;
            break;
        }
    }
    if (!process.waitForFinished(30000))
        process.kill();
    return seconds;
}

void BM_StartUp(benchmark::State& state)
{
    double programTotal = 0, helloTotal = 0;
    bool programFirst = true;
    for (auto _ : state) {
        double program = 0, hello = 0;
        for (int side = 0; side < 2; ++side)
            if ((side == 0) == programFirst)
                program = FirstFrameSeconds(QStringLiteral("StartupProbe"));
            else
                hello = FirstFrameSeconds(QStringLiteral("HelloProbe"));
        programFirst = !programFirst;
        if (program < 0 || hello < 0) {
            state.SkipWithError("a probe showed no first frame");
            return;
        }
        state.SetIterationTime(program);
        programTotal += program;
        helloTotal += hello;
    }
    const double n = double(state.iterations());
    state.counters["program_ms"] = programTotal * 1e3 / n;
    state.counters["hello_ms"] = helloTotal * 1e3 / n;
    state.counters["ratio"] = programTotal / helloTotal;
}

} // namespace

BENCHMARK(BM_StartUp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(7);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
