// The toolkit string grid against Qt's item model and table view on the same work: fill 1,000,000 cells
// (100,000 rows of 10 columns), read them all, change every tenth, paint a full viewport, scroll from top to
// bottom. Both sides draw grid lines and the focus rectangle with the same font. Then what must not grow
// with the row count: the base grid's painted viewport, and rows added one at a time.
#include "FairTable.h"
#include "grid/foundation/BaseGrid.h"
#include "platform/Grids.h"

#include <QImage>
#include <QScrollBar>
#include <QStandardItemModel>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 10;
constexpr double kCells = double(kRows) * kCols;

// The toolkit grid paints text on the cell background only; lines and focus are added as Qt's view draws them.
class LinedGrid : public TStringGrid {
protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override
    {
        TStringGrid::DrawCell(ACol, ARow, ARect, AState);
        TCanvas* canvas = Canvas();
        canvas->Pen().SetColor(clSilver);
        canvas->MoveTo(ARect.Right - 1, ARect.Top);
        canvas->LineTo(ARect.Right - 1, ARect.Bottom);
        canvas->MoveTo(ARect.Left, ARect.Bottom - 1);
        canvas->LineTo(ARect.Right, ARect.Bottom - 1);
        if (AState.testFlag(TGridDrawStateItem::gdFocused))
            canvas->DrawFocusRect(ARect);
    }
};

std::unique_ptr<TStringGrid> MakeGrid()
{
    auto grid = std::make_unique<LinedGrid>();
    grid->SetColCount(kCols);
    grid->SetRowCount(kRows);
    grid->SetDefaultColWidth(kColWidth);
    grid->SetDefaultRowHeight(kRowHeight);
    grid->resize(800, 600);
    return grid;
}

void FillGrid(TStringGrid& grid)
{
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            grid.SetCells(c, r, CellText(c, r));
}

std::unique_ptr<QStandardItemModel> MakeModel()
{
    return std::make_unique<QStandardItemModel>(kRows, kCols);
}

void FillModel(QStandardItemModel& model)
{
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            model.setItem(r, c, new QStandardItem(CellText(c, r)));
}

// ---- fill, with the heap each cell costs ----

void BM_Fill_Grid(benchmark::State& state)
{
    for (auto _ : state) {
        auto grid = MakeGrid();
        const std::size_t before = HeapInUse();
        FillGrid(*grid);
        state.counters["bytes_per_cell"] = double(HeapInUse() - before) / kCells;
    }
}

void BM_Fill_QStandardItemModel(benchmark::State& state)
{
    for (auto _ : state) {
        auto model = MakeModel();
        const std::size_t before = HeapInUse();
        FillModel(*model);
        state.counters["bytes_per_cell"] = double(HeapInUse() - before) / kCells;
    }
}

// ---- read every cell ----

void BM_ReadAll_Grid(benchmark::State& state)
{
    auto grid = MakeGrid();
    FillGrid(*grid);
    for (auto _ : state) {
        qsizetype total = 0;
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                total += grid->Cells(c, r).size();
        benchmark::DoNotOptimize(total);
    }
}

void BM_ReadAll_QStandardItemModel(benchmark::State& state)
{
    auto model = MakeModel();
    FillModel(*model);
    for (auto _ : state) {
        qsizetype total = 0;
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                total += model->item(r, c)->text().size();
        benchmark::DoNotOptimize(total);
    }
}

// ---- change every tenth cell ----

void BM_ChangeTenth_Grid(benchmark::State& state)
{
    auto grid = MakeGrid();
    FillGrid(*grid);
    const QString text = QStringLiteral("changed");
    for (auto _ : state)
        for (int i = 0; i < kRows * kCols; i += 10)
            grid->SetCells(i % kCols, i / kCols, text);
}

void BM_ChangeTenth_QStandardItemModel(benchmark::State& state)
{
    auto model = MakeModel();
    FillModel(*model);
    const QString text = QStringLiteral("changed");
    for (auto _ : state)
        for (int i = 0; i < kRows * kCols; i += 10)
            model->setData(model->index(i / kCols, i % kCols), text);
}

// ---- painting ----

void PaintGrid(TStringGrid& grid, QImage& image)
{
    grid.viewport()->render(&image);
}

void BM_PaintViewport_Grid(benchmark::State& state)
{
    auto grid = MakeGrid();
    FillGrid(*grid);
    ShowFocused(*grid);
    QImage image(grid->viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state)
        PaintGrid(*grid, image);
}

std::unique_ptr<QTableView> MakeView(QStandardItemModel& model)
{
    auto view = std::make_unique<QTableView>();
    view->setModel(&model);
    SetUpView(*view);
    view->setCurrentIndex(model.index(0, 0));
    ShowFocused(*view);
    return view;
}

void BM_PaintViewport_QTableView(benchmark::State& state)
{
    auto model = MakeModel();
    FillModel(*model);
    auto view = MakeView(*model);
    QImage image(view->viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state)
        view->viewport()->render(&image);
}

// ---- scroll from top to bottom, a page at a time, painting each page ----

void BM_ScrollTopToBottom_Grid(benchmark::State& state)
{
    auto grid = MakeGrid();
    FillGrid(*grid);
    ShowFocused(*grid);
    QImage image(grid->viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        grid->SetTopRow(grid->FixedRows());
        while (true) {
            const int top = grid->TopRow();
            PaintGrid(*grid, image);
            grid->SetTopRow(top + grid->VisibleRowCount());
            if (grid->TopRow() == top)
                break;
        }
    }
}

void BM_ScrollTopToBottom_QTableView(benchmark::State& state)
{
    auto model = MakeModel();
    FillModel(*model);
    auto view = MakeView(*model);
    QImage image(view->viewport()->size(), QImage::Format_RGB32);
    QScrollBar* bar = view->verticalScrollBar();
    for (auto _ : state) {
        bar->setValue(bar->minimum());
        while (true) {
            const int top = bar->value();
            view->viewport()->render(&image);
            bar->setValue(top + bar->pageStep());
            if (bar->value() == top)
                break;
        }
    }
}

// ---- cost against the row count ----

// A viewport of the base grid's own painter, with a merged range and a styled selection in view.
void BM_PaintViewport_BaseGrid(benchmark::State& state)
{
    TBaseGrid grid;
    grid.SetColCount(kCols);
    grid.SetRowCount(int(state.range(0)));
    grid.resize(800, 600);
    for (int r = 0; r < 30; ++r)
        for (int c = 0; c < 15; ++c)
            grid.SetCells(c, r, CellText(c, r));
    grid.MergeCells(2, 2, 2, 3);
    grid.SetSelectionStyle(TGridSelectionStyle::ssWin7);
    grid.SetSelection({3, 6, 5, 8});
    grid.show();
    QImage image(grid.viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state)
        grid.viewport()->render(&image);
}

// Rows added one by one, as a table appends them.
void BM_AppendRows_Grid(benchmark::State& state)
{
    const int rows = int(state.range(0));
    for (auto _ : state) {
        TStringGrid grid;
        grid.SetColCount(10);
        grid.SetRowCount(2);
        for (int r = 2; r < rows; ++r) {
            grid.SetRowCount(r + 1);
            grid.SetCells(1, r, QStringLiteral("row"));
        }
        benchmark::DoNotOptimize(grid.RowCount());
    }
    state.counters["time_per_row"] = benchmark::Counter(double(rows), benchmark::Counter::kIsIterationInvariantRate |
                                                                     benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(BM_Fill_Grid)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Fill_QStandardItemModel)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadAll_Grid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAll_QStandardItemModel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChangeTenth_Grid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChangeTenth_QStandardItemModel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintViewport_Grid)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintViewport_QTableView)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollTopToBottom_Grid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollTopToBottom_QTableView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintViewport_BaseGrid)->Unit(benchmark::kMicrosecond)->Arg(1000)->Arg(1000000);
BENCHMARK(BM_AppendRows_Grid)->Unit(benchmark::kMillisecond)->Arg(10000)->Arg(100000);

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
