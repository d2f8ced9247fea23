// The string grid's first show against a table view over QStandardItemModel (see SideBySide.h): both filled and
// hidden, untimed; timed, showing the widget and painting it whole. And the grid's find against the plain loop a
// program would write over the model's item texts: the same 10 columns, the text sought in the last cell.
#include "SideBySide.h"

namespace {

void BM_FirstShow(benchmark::State& state)
{
    const int rows = int(state.range(0));
    std::unique_ptr<TVxStringGrid> grid;
    std::unique_ptr<QStandardItemModel> model;
    std::unique_ptr<QTableView> view;
    SideBySide(
        state,
        [&] {
            grid.reset();   // the one before goes first: two at 1M rows would crowd the memory
            grid = MakeSideGrid(rows, false);
        },
        [&] {
            ShowFocused(*grid);
            PaintWhole(*grid);
        },
        [&] {
            view.reset();
            model.reset();
            model = MakeSideModel(rows);
            view = MakeSideView(*model, false);
        },
        [&] {
            ShowFocused(*view);
            PaintWhole(*view);
        });
}

const QString kNeedle = QStringLiteral("Needle");

void BM_Find(benchmark::State& state)
{
    const int rows = int(state.range(0));
    auto grid = MakeSideGrid(rows);
    auto model = MakeSideModel(rows);
    grid->SetCells(kSideCols - 1, rows, kNeedle);
    model->item(rows - 1, kSideCols - 1)->setText(kNeedle);
    const QString sought = QStringLiteral("needle");   // any case, anywhere in the text
    TPoint found{-1, -1};
    int foundRow = -1;
    SideBySide(
        state, [] {}, [&] { found = grid->FindFirst(sought, {TFindParameters::fnDirectionLeftRight}); }, [] {},
        [&] {
            foundRow = -1;
            for (int r = 0; r < rows && foundRow < 0; ++r)
                for (int c = 0; c < kSideCols; ++c)
                    if (model->item(r, c)->text().contains(sought, Qt::CaseInsensitive)) {
                        foundRow = r;
                        break;
                    }
        });
    if (found.Y != rows || foundRow != rows - 1)
        state.SkipWithError("the two sides find different cells");
}

} // namespace

BENCHMARK(BM_FirstShow)->Apply(SideSizes);
BENCHMARK(BM_FirstShow)->Apply(SideMillion);
BENCHMARK(BM_Find)->Apply(SideSizes);
BENCHMARK(BM_Find)->Apply(SideMillion);

int main(int argc, char** argv)
{
    return RunSideBySide(argc, argv);
}
