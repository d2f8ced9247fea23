// The string grid itself filtering 100,000 rows of one column by a numeric condition and by a text pattern (each
// level applied, then taken off: the parked rows' cells move both ways), and finding a text near the end of
// 1,000,000 cells. The same rules over a bare column against QSortFilterProxyModel are in GridFilterBench.
#include "grid/model/RowFilter.h"
#include "grid/core/VxStringGrid.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {
void Fill(TVxStringGrid& g, int n, bool words)
{
    g.SetColCount(3);
    g.SetRowCount(n + 1);
    std::uint32_t seed = 12345;
    for (int r = 1; r <= n; ++r) {
        QString text;
        if (words) {
            for (int k = 0; k < 6; ++k) {
                seed = seed * 1103515245u + 12345u;
                text += QChar(char16_t(u'a' + (seed >> 16) % 8));
            }
        } else {
            text = QString::number((r * 7919) % 1000);
        }
        g.SetCells(1, r, text);
        g.SetCells(2, r, QString::number(r));
    }
}

void GridFilter(benchmark::State& state, bool words, const char* condition)
{
    TVxStringGrid g;
    Fill(g, int(state.range(0)), words);
    TFilterData* item = g.Filter().GetColFilter(1);
    item->Condition = QLatin1String(condition);
    item->CaseSensitive = false;
    for (auto _ : state) {
        g.ApplyFilter();
        state.counters["shown"] = g.RowCount() - 1;
        g.RemoveLastFilter();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Numeric_StringGrid(benchmark::State& state) { GridFilter(state, false, ">500"); }
void BM_Text_StringGrid(benchmark::State& state) { GridFilter(state, true, "*ab*"); }

// Applying and clearing a level timed apart, over growing row counts: both should grow with the rows alone.
void FilterPhase(benchmark::State& state, bool Clear)
{
    TVxStringGrid g;
    Fill(g, int(state.range(0)), false);
    g.Filter().GetColFilter(1)->Condition = QStringLiteral(">500");
    for (auto _ : state) {
        if (Clear) {
            state.PauseTiming();
            g.ApplyFilter();
            state.ResumeTiming();
            g.RemoveLastFilter();
        } else {
            g.ApplyFilter();
            state.PauseTiming();
            g.RemoveLastFilter();
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ApplyLevel_StringGrid(benchmark::State& state) { FilterPhase(state, false); }
void BM_ClearLevel_StringGrid(benchmark::State& state) { FilterPhase(state, true); }

void BM_FindNearEnd_StringGrid(benchmark::State& state)
{
    TVxStringGrid g;
    g.SetColCount(1001);
    g.SetRowCount(1001);
    for (int r = 1; r <= 1000; ++r)
        for (int c = 1; c <= 1000; ++c)
            g.SetCells(c, r, QStringLiteral("cell"));
    g.SetCells(990, 1000, QStringLiteral("needle"));
    for (auto _ : state) {
        const TPoint p = g.FindFirst(QStringLiteral("needle"), {TFindParameters::fnDirectionLeftRight});
        benchmark::DoNotOptimize(p);
    }
    state.SetItemsProcessed(state.iterations() * 1000000);
}
} // namespace

BENCHMARK(BM_Numeric_StringGrid)->Unit(benchmark::kMillisecond)->Arg(10000)->Arg(100000);
BENCHMARK(BM_Text_StringGrid)->Unit(benchmark::kMillisecond)->Arg(10000)->Arg(100000);
BENCHMARK(BM_ApplyLevel_StringGrid)->Unit(benchmark::kMillisecond)->Arg(50000)->Arg(100000)->Arg(200000);
BENCHMARK(BM_ClearLevel_StringGrid)->Unit(benchmark::kMillisecond)->Arg(50000)->Arg(100000)->Arg(200000);
BENCHMARK(BM_FindNearEnd_StringGrid)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
