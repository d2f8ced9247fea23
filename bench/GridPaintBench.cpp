// Painting a full 1920 x 1080 viewport of the string grid: plain text cells, mixed cells (own colours,
// fonts, alignments, mini-HTML, data check boxes and progress bars), and mini-HTML cells, at the top and at
// the bottom of 1,000,000 rows; against QTableView over a QStandardItemModel of the same texts. Only the rows in view hold texts: the
// cost of a paint must not depend on the rows out of view.
#include "FairTable.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/VxStringGrid.h"

#include <QImage>
#include <QScrollBar>
#include <QStandardItemModel>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kRows = 1000000;
constexpr int kCols = 30;
constexpr int kShownRows = 1080 / kRowHeight + 2;

enum Kind { Text, Mixed, Html };

QString CellFor(Kind kind, int c, int r)
{
    const QString text = CellText(c, r);
    if (kind == Html || (kind == Mixed && c % 3 == 0))
        return QStringLiteral("<b>%1</b> <font color=\"clRed\">%2</font>").arg(text, QString::number(c));
    return text;
}

// The rows from First on that a viewport shows.
void FillShown(TVxStringGrid& grid, Kind kind, int first)
{
    for (int r = first; r < std::min(kRows + 1, first + kShownRows); ++r)
        for (int c = 1; c <= kCols; ++c) {
            grid.SetCells(c, r, CellFor(kind, c, r));
            if (kind == Mixed && c % 3 == 1) {
                grid.SetColors(c, r, RGB(255, 240, 200 + c));
                grid.SetAlignments(c, r, TAlignment::taRightJustify);
            }
            if (kind == Mixed && c % 3 == 2)
                grid.SetFontStyles(c, r, TFontStyle::fsBold);
            if (kind == Mixed && c % 10 == 4) {
                grid.CreateCellGraphic(c, r)->SetCheckBox(false, true, false, TCellHAlign::haLeft, TCellVAlign::vaTop);
                grid.SetCells(c, r, r % 2 ? QStringLiteral("Y") : QStringLiteral("N"));
            }
            if (kind == Mixed && c % 10 == 7) {
                TCellGraphic* bar = grid.CreateCellGraphic(c, r);
                bar->SetCellType(TCellType::ctProgress);
                bar->SetCellErrLen(100);
                bar->CellBitmap().Value = clLime;
                bar->CellIcon().Value = clWhite;
                grid.SetCells(c, r, QString::number(r % 101));
            }
        }
}

std::unique_ptr<TVxStringGrid> MakeGrid(Kind kind, bool bottom)
{
    auto grid = std::make_unique<TVxStringGrid>();
    grid->BeginLoading();
    grid->SetColCount(kCols + 1);
    grid->SetRowCount(kRows + 1);
    grid->SetDefaultColWidth(kColWidth);
    grid->SetDefaultRowHeight(kRowHeight);
    grid->resize(1920, 1080);
    grid->EndLoading();
    const int first = bottom ? kRows + 1 - kShownRows : 1;
    FillShown(*grid, kind, first);
    for (int c = 1; c <= kCols; ++c)
        grid->SetCells(c, 0, QStringLiteral("Column %1").arg(c));
    ShowFocused(*grid);
    if (bottom)
        grid->SetTopRow(kRows + 1 - grid->VisibleRowCount());
    return grid;
}

void PaintLoop(benchmark::State& state, QAbstractScrollArea& area)
{
    QImage image(area.viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        area.viewport()->render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}

void BM_PaintGrid(benchmark::State& state)
{
    auto grid = MakeGrid(Kind(state.range(0)), state.range(1) != 0);
    PaintLoop(state, *grid);
}

void BM_PaintQTableView(benchmark::State& state)
{
    const bool bottom = state.range(1) != 0;
    QStandardItemModel model(kRows, kCols);
    const int first = bottom ? kRows - kShownRows : 0;
    for (int r = first; r < std::min(kRows, first + kShownRows); ++r)
        for (int c = 0; c < kCols; ++c)
            model.setItem(r, c, new QStandardItem(CellText(c, r)));
    QTableView view;
    view.setModel(&model);
    SetUpView(view);
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.resize(1920, 1080);
    ShowFocused(view);
    if (bottom)
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
    PaintLoop(state, view);
}

// One pasted cell of 50 MB in a small grid (left or right aligned, wrapped or not): a paint lays out only
// what the cell shows.
void BM_PaintHugeCell(benchmark::State& state)
{
    TVxStringGrid grid;
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.resize(400, 200);
    QString text;
    text.reserve(50'000'000);
    while (text.size() < 50'000'000)
        text += QStringLiteral("word%1 ").arg(text.size() % 1000);
    grid.SetCells(1, 1, text);
    if (state.range(0))
        grid.SetAlignments(1, 1, TAlignment::taRightJustify);
    grid.SetWordWrap(state.range(1) != 0);
    ShowFocused(grid);
    PaintLoop(state, grid);
}

} // namespace

BENCHMARK(BM_PaintHugeCell)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);
// Arguments: cell kind (0 text, 1 mixed, 2 mini-HTML), 0 top / 1 bottom.
BENCHMARK(BM_PaintGrid)->ArgsProduct({{Text, Mixed, Html}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintQTableView)->ArgsProduct({{Text}, {0, 1}})->Unit(benchmark::kMillisecond);

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
