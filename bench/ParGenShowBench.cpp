// Showing the communication-parameters editor on a ParGen.xml whose TLS key is one long line.
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "platform/XmlDoc.h"
#include "ui/UParGen.h"
#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_ShowLongKey(benchmark::State& state)
{
    QTemporaryDir dir;
    Project_Dir = dir.path();
    Set_Project_File_Paths(dir.path());
    XmlWriter par(QStringLiteral("Par_Gen"));
    par.TextElement(QStringLiteral("TLS_Server_Key"), QString(static_cast<qsizetype>(state.range(0)), QLatin1Char('k')));
    if (!par.Save(File_ParGen))
        state.SkipWithError("cannot write the project");
    TFParGen dialog;
    for (auto _ : state) {
        dialog.show();
        QApplication::processEvents();
        dialog.hide();
    }
}
BENCHMARK(BM_ShowLongKey)->Arg(100 * 1024)->Arg(1024 * 1024)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Set_Default_Language();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
