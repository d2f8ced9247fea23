// Process start to first frame: the program's real start-up (StartupProbe: the main window and every window
// made at start) against a Qt Widgets hello-world (HelloProbe), each started as a process, headless, back to
// back (BackToBack.h). The clock stops when the probe reports its first paint, before it quits.
#include "BackToBack.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>

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
    BackToBack(
        state, "program", "hello", 0, [] {}, [] { return FirstFrameSeconds(QStringLiteral("StartupProbe")); }, [] {},
        [] { return FirstFrameSeconds(QStringLiteral("HelloProbe")); });
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
