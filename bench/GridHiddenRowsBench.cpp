// Hidden rows and row operations of the string grid on large grids (5 columns, every cell filled):
// hide every other row as one list and map every display row to its real row through the grid;
// insert 1,000 rows in the middle and remove them again.
#include "grid/core/VxStringGrid.h"
#include "grid/model/IntList.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kCols = 5;

std::unique_ptr<TVxStringGrid> MakeGrid(int rows)
{
    auto grid = std::make_unique<TVxStringGrid>();
    grid->SetColCount(kCols);
    grid->SetRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kCols; ++c)
            grid->SetCells(c, r, QString::number(r));
    return grid;
}

void BM_HideEveryOtherRowAndMap(benchmark::State& state)
{
    const int rows = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = MakeGrid(rows);
        TIntList list(0, 0);
        for (int r = 1; r < rows; r += 2)
            list.Add(r);
        state.ResumeTiming();
        grid->HideRowList(list);
        long long sum = 0;
        for (int d = 0; d < grid->RowCount(); ++d)
            sum += grid->RealRowIndex(d);
        benchmark::DoNotOptimize(sum);
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
}

void BM_InsertAndRemoveMiddle(benchmark::State& state)
{
    const int rows = int(state.range(0));
    auto grid = MakeGrid(rows);
    for (auto _ : state) {
        grid->InsertRows(rows / 2, 1000);
        grid->RemoveRows(rows / 2, 1000);
    }
    benchmark::DoNotOptimize(grid->RowCount());
}

void Rows(benchmark::internal::Benchmark* b)
{
    b->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_HideEveryOtherRowAndMap)->Apply(Rows)->Iterations(1);
BENCHMARK(BM_InsertAndRemoveMiddle)->Apply(Rows)->Iterations(1);

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
