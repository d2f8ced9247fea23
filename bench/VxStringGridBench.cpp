// The string grid against Qt's item model with a table view and against the table widget, on the same work
// at 10,000, 100,000 and 1,000,000 rows of 10 columns: fill (with the heap each cell costs), read every cell,
// paint a full viewport, scroll from top to bottom a page at a time, and the first show of a filled table.
// Both sides draw grid lines and the focus rectangle with the same font and no text antialiasing.
#include "FairTable.h"
#include "grid/core/VxStringGrid.h"
#include "platform/Grids.h"

#include <QImage>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableWidget>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kCols = 10;

// The string grid draws the focus rectangle on its current cell itself.
using FocusedGrid = TVxStringGrid;

// Data rows 1..rows and columns 1..kCols; row 0 and column 0 are the headers, as Qt's views have them.
std::unique_ptr<FocusedGrid> MakeGrid(int rows)
{
    auto grid = std::make_unique<FocusedGrid>();
    grid->BeginLoading();
    grid->SetColCount(kCols + 1);
    grid->SetRowCount(rows + 1);
    grid->SetDefaultColWidth(kColWidth);
    grid->SetDefaultRowHeight(kRowHeight);
    grid->resize(800, 600);
    grid->EndLoading();
    return grid;
}

void FillGrid(TVxStringGrid& grid, int rows)
{
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kCols; ++c)
            grid.SetCells(c + 1, r + 1, CellText(c, r));
}

void FillModel(QStandardItemModel& model, int rows)
{
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kCols; ++c)
            model.setItem(r, c, new QStandardItem(CellText(c, r)));
}

std::unique_ptr<QTableWidget> MakeWidget(int rows)
{
    auto table = std::make_unique<QTableWidget>(rows, kCols);
    SetUpView(*table);
    return table;
}

void FillWidget(QTableWidget& table, int rows)
{
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kCols; ++c)
            table.setItem(r, c, new QTableWidgetItem(CellText(c, r)));
}

// A model shown in a view, the model owned with it.
struct ModelView {
    std::unique_ptr<QStandardItemModel> model;
    std::unique_ptr<QTableView> view;
};

ModelView MakeModelView(int rows)
{
    ModelView mv{std::make_unique<QStandardItemModel>(rows, kCols), std::make_unique<QTableView>()};
    FillModel(*mv.model, rows);
    mv.view->setModel(mv.model.get());
    SetUpView(*mv.view);
    mv.view->setCurrentIndex(mv.model->index(0, 0));
    return mv;
}

void SetCounters(benchmark::State& state, std::size_t heap)
{
    state.counters["heap_bytes_per_cell"] = double(heap) / (double(state.range(0)) * kCols);
}

// ---- fill ----

void BM_Fill_VxStringGrid(benchmark::State& state)
{
    const int rows = int(state.range(0));
    for (auto _ : state) {
        auto grid = MakeGrid(rows);
        const std::size_t before = HeapInUse();
        FillGrid(*grid, rows);
        SetCounters(state, HeapInUse() - before);
    }
}

void BM_Fill_QStandardItemModel(benchmark::State& state)
{
    const int rows = int(state.range(0));
    for (auto _ : state) {
        QStandardItemModel model(rows, kCols);
        const std::size_t before = HeapInUse();
        FillModel(model, rows);
        SetCounters(state, HeapInUse() - before);
    }
}

void BM_Fill_QTableWidget(benchmark::State& state)
{
    const int rows = int(state.range(0));
    for (auto _ : state) {
        auto table = MakeWidget(rows);
        const std::size_t before = HeapInUse();
        FillWidget(*table, rows);
        SetCounters(state, HeapInUse() - before);
    }
}

// ---- read every cell, each side through its fastest public path ----

void BM_ReadAll_VxStringGrid(benchmark::State& state)
{
    const int rows = int(state.range(0));
    auto grid = MakeGrid(rows);
    FillGrid(*grid, rows);
    for (auto _ : state) {
        qsizetype total = 0;
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= kCols; ++c)
                total += grid->Cells(c, r).size();
        benchmark::DoNotOptimize(total);
    }
}

void BM_ReadAll_QStandardItemModel(benchmark::State& state)
{
    const int rows = int(state.range(0));
    QStandardItemModel model(rows, kCols);
    FillModel(model, rows);
    for (auto _ : state) {
        qsizetype total = 0;
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < kCols; ++c)
                total += model.item(r, c)->text().size();
        benchmark::DoNotOptimize(total);
    }
}

void BM_ReadAll_QTableWidget(benchmark::State& state)
{
    const int rows = int(state.range(0));
    auto table = MakeWidget(rows);
    FillWidget(*table, rows);
    for (auto _ : state) {
        qsizetype total = 0;
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < kCols; ++c)
                total += table->item(r, c)->text().size();
        benchmark::DoNotOptimize(total);
    }
}

// ---- paint a full viewport ----

void PaintLoop(benchmark::State& state, QAbstractScrollArea& area)
{
    QImage image(area.viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        area.viewport()->render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
    state.counters["focused"] = area.hasFocus() ? 1 : 0;
}

void BM_PaintViewport_VxStringGrid(benchmark::State& state)
{
    const int rows = int(state.range(0));
    auto grid = MakeGrid(rows);
    FillGrid(*grid, rows);
    ShowFocused(*grid);
    PaintLoop(state, *grid);
}

void BM_PaintViewport_QTableView(benchmark::State& state)
{
    ModelView mv = MakeModelView(int(state.range(0)));
    ShowFocused(*mv.view);
    PaintLoop(state, *mv.view);
}

void BM_PaintViewport_QTableWidget(benchmark::State& state)
{
    const int rows = int(state.range(0));
    auto table = MakeWidget(rows);
    FillWidget(*table, rows);
    table->setCurrentCell(0, 0);
    ShowFocused(*table);
    PaintLoop(state, *table);
}

// ---- scroll from top to bottom a page at a time, painting each page ----

void BM_ScrollTopToBottom_VxStringGrid(benchmark::State& state)
{
    const int rows = int(state.range(0));
    auto grid = MakeGrid(rows);
    FillGrid(*grid, rows);
    ShowFocused(*grid);
    QImage image(grid->viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        grid->SetTopRow(grid->FixedRows());
        while (true) {
            const int top = grid->TopRow();
            grid->viewport()->render(&image);
            grid->SetTopRow(top + grid->VisibleRowCount());
            if (grid->TopRow() == top)
                break;
        }
    }
}

void ScrollView(benchmark::State& state, QTableView& view)
{
    ShowFocused(view);
    QImage image(view.viewport()->size(), QImage::Format_RGB32);
    QScrollBar* bar = view.verticalScrollBar();
    for (auto _ : state) {
        bar->setValue(bar->minimum());
        while (true) {
            const int top = bar->value();
            view.viewport()->render(&image);
            bar->setValue(top + bar->pageStep());
            if (bar->value() == top)
                break;
        }
    }
}

void BM_ScrollTopToBottom_QTableView(benchmark::State& state)
{
    ModelView mv = MakeModelView(int(state.range(0)));
    ScrollView(state, *mv.view);
}

void BM_ScrollTopToBottom_QTableWidget(benchmark::State& state)
{
    const int rows = int(state.range(0));
    auto table = MakeWidget(rows);
    FillWidget(*table, rows);
    table->setCurrentCell(0, 0);
    ScrollView(state, *table);
}

// ---- first show of a filled table: showing it and its first painted viewport ----

template <typename Make>
void FirstShow(benchmark::State& state, Make make)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto holder = make();
        QAbstractScrollArea& area = *holder.area;
        QImage image(area.viewport()->size(), QImage::Format_RGB32);
        state.ResumeTiming();
        ShowFocused(area);
        area.viewport()->render(&image);
        state.PauseTiming();
        holder = {};
        state.ResumeTiming();
    }
}

struct GridHolder {
    std::unique_ptr<FocusedGrid> grid;
    QAbstractScrollArea* area = nullptr;
};
struct ViewHolder {
    ModelView mv;
    QAbstractScrollArea* area = nullptr;
};
struct WidgetHolder {
    std::unique_ptr<QTableWidget> table;
    QAbstractScrollArea* area = nullptr;
};

void BM_FirstShow_VxStringGrid(benchmark::State& state)
{
    const int rows = int(state.range(0));
    FirstShow(state, [rows] {
        GridHolder h{MakeGrid(rows)};
        FillGrid(*h.grid, rows);
        h.area = h.grid.get();
        return h;
    });
}

void BM_FirstShow_QTableView(benchmark::State& state)
{
    const int rows = int(state.range(0));
    FirstShow(state, [rows] {
        ViewHolder h{MakeModelView(rows)};
        h.area = h.mv.view.get();
        return h;
    });
}

void BM_FirstShow_QTableWidget(benchmark::State& state)
{
    const int rows = int(state.range(0));
    FirstShow(state, [rows] {
        WidgetHolder h{MakeWidget(rows)};
        FillWidget(*h.table, rows);
        h.table->setCurrentCell(0, 0);
        h.area = h.table.get();
        return h;
    });
}

void Rows(benchmark::internal::Benchmark* b)
{
    b->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_Fill_VxStringGrid)->Apply(Rows)->Iterations(1);
BENCHMARK(BM_Fill_QStandardItemModel)->Apply(Rows)->Iterations(1);
BENCHMARK(BM_Fill_QTableWidget)->Apply(Rows)->Iterations(1);
BENCHMARK(BM_ReadAll_VxStringGrid)->Apply(Rows);
BENCHMARK(BM_ReadAll_QStandardItemModel)->Apply(Rows);
BENCHMARK(BM_ReadAll_QTableWidget)->Apply(Rows);
BENCHMARK(BM_PaintViewport_VxStringGrid)->Apply(Rows)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintViewport_QTableView)->Apply(Rows)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintViewport_QTableWidget)->Apply(Rows)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollTopToBottom_VxStringGrid)->Apply(Rows)->Iterations(1);
BENCHMARK(BM_ScrollTopToBottom_QTableView)->Apply(Rows)->Iterations(1);
BENCHMARK(BM_ScrollTopToBottom_QTableWidget)->Apply(Rows)->Iterations(1);
BENCHMARK(BM_FirstShow_VxStringGrid)->Apply(Rows)->Iterations(3);
BENCHMARK(BM_FirstShow_QTableView)->Apply(Rows)->Iterations(3);
BENCHMARK(BM_FirstShow_QTableWidget)->Apply(Rows)->Iterations(3);

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
