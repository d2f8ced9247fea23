// The string grid sorting its own rows against QStandardItemModel::sort shown in a table view: 10 columns, the
// same header texts, both widgets painted whole after each sort (see SideBySide.h). Text: the words of column 2;
// numeric: column 1 (numbers the model holds as numbers, the grid as texts it recognises). Before each round
// both sides go back to the first order, untimed, by sorting on the last column.
#include "SideBySide.h"
#include "grid/core/SortSettings.h"

namespace {

void Sort(benchmark::State& state, int col)
{
    const int rows = int(state.range(0));
    auto grid = MakeSideGrid(rows);
    auto model = MakeSideModel(rows, true);
    auto view = MakeSideView(*model);
    SideBySide(
        state, [&] { grid->Sort(kSideCols - 1, TSortDirection::sdAscending); },
        [&] {
            grid->Sort(col, TSortDirection::sdAscending);
            PaintWhole(*grid);
        },
        [&] { model->sort(kSideCols - 1); },
        [&] {
            model->sort(col);
            PaintWhole(*view);
        });
    if (grid->Cells(col, 1) != model->index(0, col).data().toString())
        state.SkipWithError("the two sides sort differently");
    // A sorted model's items remember their first places, and its destructor looks each one up from there:
    // quadratic in the rows (hours at 1M) unless the first order is back.
    model->sort(kSideCols - 1);
}

void BM_SortText(benchmark::State& state) { Sort(state, 1); }
void BM_SortNumeric(benchmark::State& state) { Sort(state, 0); }

} // namespace

BENCHMARK(BM_SortText)->Apply(SideSizes);
BENCHMARK(BM_SortText)->Apply(SideMillion);
BENCHMARK(BM_SortNumeric)->Apply(SideSizes);
BENCHMARK(BM_SortNumeric)->Apply(SideMillion);

int main(int argc, char** argv)
{
    return RunSideBySide(argc, argv);
}
