// The grid's own state areas on large grids. Hidden rows: hide every other row of n and map every display row
// to its real row; insert and remove 1,000 rows in the middle of 1,000,000 with half of them hidden. Sorting:
// n rows by a text column and by a numeric column, the permutation applied to the rows, against
// QStandardItemModel::sort and QSortFilterProxyModel on the same data; and the string grid's own sort (QSort),
// which also moves the rows' cells, heights and marks.
#include "grid/model/HiddenIndexMap.h"
#include "grid/core/RowSorter.h"
#include "grid/core/VxStringGrid.h"
#include "grid/model/IntList.h"

#include <QApplication>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <random>

namespace {

std::vector<int> EveryOther(int n)
{
    std::vector<int> rows;
    rows.reserve(std::size_t(n / 2));
    for (int r = 1; r < n; r += 2)
        rows.push_back(r);
    return rows;
}

void BM_HideEveryOtherRow(benchmark::State& state)
{
    const int n = int(state.range(0));
    const std::vector<int> rows = EveryOther(n);
    for (auto _ : state) {
        THiddenIndexMap map(n);
        benchmark::DoNotOptimize(map.HideList(rows));
    }
    state.SetComplexityN(n);
}

void BM_MapDisplayToRealAcross(benchmark::State& state)
{
    const int n = int(state.range(0));
    THiddenIndexMap map(n);
    map.HideList(EveryOther(n));
    for (auto _ : state) {
        std::int64_t sum = 0;
        for (int d = 0; d < map.ShownCount(); ++d)
            sum += map.RealOf(d);
        benchmark::DoNotOptimize(sum);
    }
    state.SetComplexityN(n);
}

void BM_MapRealToDisplayAcross(benchmark::State& state)
{
    const int n = int(state.range(0));
    THiddenIndexMap map(n);
    map.HideList(EveryOther(n));
    for (auto _ : state) {
        std::int64_t sum = 0;
        for (int r = 0; r < n; ++r)
            sum += map.DisplayOf(r);
        benchmark::DoNotOptimize(sum);
    }
    state.SetComplexityN(n);
}

// One block of 1,000 rows in and out again.
void BM_InsertRemoveBlockMiddle(benchmark::State& state)
{
    const int n = int(state.range(0));
    THiddenIndexMap map(n);
    map.HideList(EveryOther(n));
    for (auto _ : state) {
        map.Insert(n / 2, 1000);
        map.Remove(n / 2, 1000);
    }
    state.SetComplexityN(n);
}

// 1,000 single rows in, then out again one at a time.
void BM_InsertRemoveSinglesMiddle(benchmark::State& state)
{
    const int n = int(state.range(0));
    THiddenIndexMap map(n);
    map.HideList(EveryOther(n));
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i)
            map.Insert(n / 2, 1);
        for (int i = 0; i < 1000; ++i)
            map.Remove(n / 2, 1);
    }
    state.SetComplexityN(n);
}

// Column 0: eight random letters; column 1: a random amount with two decimals.
struct SortData {
    std::vector<QString> text, number;
    std::vector<double> value;
    explicit SortData(int n)
    {
        std::mt19937 rng(42);
        for (int i = 0; i < n; ++i) {
            QString s(8, QLatin1Char(' '));
            for (QChar& c : s)
                c = QChar(u'a' + char16_t(rng() % 26));
            text.push_back(s);
            const double v = double(rng() % 10000000) / 100.0;
            value.push_back(v);
            number.push_back(QString::number(v, 'f', 2));
        }
    }
};

const SortData& Data(int n)
{
    static std::map<int, std::unique_ptr<SortData>> cache;
    auto& d = cache[n];
    if (!d)
        d = std::make_unique<SortData>(n);
    return *d;
}

// A grid's rows as the grid keeps them: one list of cell texts per row.
class RowsSource : public TSortCellSource {
public:
    std::vector<QStringList> rows;
    int SortColCount() const override { return 2; }
    QString SortCellText(int c, int r) const override { return rows[std::size_t(r)][c]; }
};

class TBenchHost : public TSortSettingsHost {
public:
    explicit TBenchHost(TSortIndexList& indexes) : FIndexes(indexes) {}
    int SortHostFixedRows() const override { return 1; }
    TSortIndexList& SortHostIndexes() override { return FIndexes; }
    void SortHostRepaint(int) override {}
    void SortHostSort(bool) override {}

private:
    TSortIndexList& FIndexes;
};

void SortGrid(benchmark::State& state, int col)
{
    const int n = int(state.range(0));
    const SortData& data = Data(n);
    RowsSource source;
    for (int i = 0; i < n; ++i)
        source.rows.push_back({data.text[std::size_t(i)], data.number[std::size_t(i)]});
    const std::vector<QStringList> unsorted = source.rows;
    TSortIndexList indexes;
    TBenchHost host(indexes);
    TSortSettings settings(host);
    settings.SetFull(false);
    for (auto _ : state) {
        state.PauseTiming();
        source.rows = unsorted;
        state.ResumeTiming();
        TRowSorter sorter(source, settings);
        const std::vector<int> perm = sorter.SortByColumn(col, 0, n - 1);
        ApplyRowPermutation(source.rows, perm, 0);
    }
    state.SetComplexityN(n);
}
void BM_Sort_Text_Grid(benchmark::State& state) { SortGrid(state, 0); }
void BM_Sort_Numeric_Grid(benchmark::State& state) { SortGrid(state, 1); }

// The grid sorts its own rows; each round starts from the unsorted order (QUnSort, not timed).
void SortWholeGrid(benchmark::State& state, int col)
{
    const int n = int(state.range(0));
    const SortData& data = Data(n);
    TVxStringGrid grid;
    grid.SetFixedCols(0);
    grid.SetFixedRows(0);
    grid.SetColCount(2);
    grid.SetRowCount(n);
    for (int i = 0; i < n; ++i) {
        grid.SetCells(0, i, data.text[std::size_t(i)]);
        grid.SetCells(1, i, data.number[std::size_t(i)]);
    }
    grid.InitSortXRef();
    for (auto _ : state) {
        grid.Sort(col, TSortDirection::sdAscending);
        state.PauseTiming();
        grid.QUnSort();
        state.ResumeTiming();
    }
    state.SetComplexityN(n);
}
void BM_Sort_Text_VxStringGrid(benchmark::State& state) { SortWholeGrid(state, 0); }
void BM_Sort_Numeric_VxStringGrid(benchmark::State& state) { SortWholeGrid(state, 1); }

// The same data as Qt keeps it: texts as strings, numbers as doubles (so Qt compares them as numbers).
std::unique_ptr<QStandardItemModel> MakeModel(const SortData& data, int n)
{
    auto model = std::make_unique<QStandardItemModel>(n, 2);
    for (int i = 0; i < n; ++i) {
        model->setItem(i, 0, new QStandardItem(data.text[std::size_t(i)]));
        auto* item = new QStandardItem;
        item->setData(data.value[std::size_t(i)], Qt::DisplayRole);
        model->setItem(i, 1, item);
    }
    return model;
}

void SortModel(benchmark::State& state, int col)
{
    const int n = int(state.range(0));
    const SortData& data = Data(n);
    for (auto _ : state) {
        state.PauseTiming();
        auto model = MakeModel(data, n);
        state.ResumeTiming();
        model->sort(col);
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(n);
}
void BM_Sort_Text_QStandardItemModel(benchmark::State& state) { SortModel(state, 0); }
void BM_Sort_Numeric_QStandardItemModel(benchmark::State& state) { SortModel(state, 1); }

void SortProxy(benchmark::State& state, int col)
{
    const int n = int(state.range(0));
    const SortData& data = Data(n);
    auto model = MakeModel(data, n);
    for (auto _ : state) {
        state.PauseTiming();
        auto proxy = std::make_unique<QSortFilterProxyModel>();
        proxy->setSourceModel(model.get());
        state.ResumeTiming();
        proxy->sort(col);
        state.PauseTiming();
        proxy.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(n);
}
void BM_Sort_Text_QSortFilterProxyModel(benchmark::State& state) { SortProxy(state, 0); }
void BM_Sort_Numeric_QSortFilterProxyModel(benchmark::State& state) { SortProxy(state, 1); }

} // namespace

BENCHMARK(BM_HideEveryOtherRow)->Unit(benchmark::kMillisecond)->RangeMultiplier(10)->Range(10000, 1000000)->Complexity();
BENCHMARK(BM_MapDisplayToRealAcross)->Unit(benchmark::kMillisecond)->RangeMultiplier(10)->Range(10000, 1000000)->Complexity();
BENCHMARK(BM_MapRealToDisplayAcross)->Unit(benchmark::kMillisecond)->RangeMultiplier(10)->Range(10000, 1000000)->Complexity();
BENCHMARK(BM_InsertRemoveBlockMiddle)->Unit(benchmark::kMicrosecond)->RangeMultiplier(10)->Range(10000, 1000000)->Complexity();
BENCHMARK(BM_InsertRemoveSinglesMiddle)->Unit(benchmark::kMillisecond)->RangeMultiplier(10)->Range(10000, 1000000)->Complexity();
BENCHMARK(BM_Sort_Text_Grid)->Unit(benchmark::kMillisecond)->RangeMultiplier(2)->Range(12500, 100000)->Complexity();
BENCHMARK(BM_Sort_Text_VxStringGrid)->Unit(benchmark::kMillisecond)->RangeMultiplier(2)->Range(12500, 100000)->Complexity();
BENCHMARK(BM_Sort_Text_QStandardItemModel)->Unit(benchmark::kMillisecond)->RangeMultiplier(2)->Range(12500, 100000)->Complexity();
BENCHMARK(BM_Sort_Text_QSortFilterProxyModel)->Unit(benchmark::kMillisecond)->RangeMultiplier(2)->Range(12500, 100000)->Complexity();
BENCHMARK(BM_Sort_Numeric_Grid)->Unit(benchmark::kMillisecond)->RangeMultiplier(2)->Range(12500, 100000)->Complexity();
BENCHMARK(BM_Sort_Numeric_VxStringGrid)->Unit(benchmark::kMillisecond)->RangeMultiplier(2)->Range(12500, 100000)->Complexity();
BENCHMARK(BM_Sort_Numeric_QStandardItemModel)->Unit(benchmark::kMillisecond)->RangeMultiplier(2)->Range(12500, 100000)->Complexity();
BENCHMARK(BM_Sort_Numeric_QSortFilterProxyModel)->Unit(benchmark::kMillisecond)->RangeMultiplier(2)->Range(12500, 100000)->Complexity();

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
