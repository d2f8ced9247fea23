#pragma once
// The string grid and Qt's item view side by side on the same 10 columns: the same header texts, the same cells,
// both widgets shown and painted whole after each step, timed back to back (BackToBack.h).
#include "BackToBack.h"
#include "FairTable.h"
#include "grid/core/VxStringGrid.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QImage>
#include <QStandardItemModel>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <memory>

constexpr int kSideCols = 10;

inline QString SideHeader(int c)
{
    return QStringLiteral("Column %1").arg(c + 1);
}

// Column 0 a number 0..999, column 1 a word of six letters a..h, the last the row's place zero-padded (sorting
// on it restores the first order), the others CellText.
inline QString SideCell(int c, int r)
{
    if (c == 0)
        return QString::number((r * 7919) % 1000);
    if (c == 1) {
        std::uint32_t seed = std::uint32_t(r) * 2654435761u + 12345u;
        QString w;
        for (int k = 0; k < 6; ++k) {
            seed = seed * 1103515245u + 12345u;
            w += QChar(char16_t(u'a' + (seed >> 16) % 8));
        }
        return w;
    }
    if (c == kSideCols - 1)
        return QStringLiteral("%1").arg(r, 7, 10, QLatin1Char('0'));
    return CellText(c, r);
}

// Row 0 holds the headers; no fixed column, as the view shows no row header.
inline std::unique_ptr<TVxStringGrid> MakeSideGrid(int rows, bool Show = true)
{
    auto grid = std::make_unique<TVxStringGrid>();
    grid->BeginLoading();
    grid->SetColCount(kSideCols);
    grid->SetRowCount(rows + 1);
    grid->SetFixedCols(0);
    grid->SetDefaultColWidth(kColWidth);
    grid->SetDefaultRowHeight(kRowHeight);
    grid->resize(800, 600);
    for (int c = 0; c < kSideCols; ++c)
        grid->SetCells(c, 0, SideHeader(c));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kSideCols; ++c)
            grid->SetCells(c, r + 1, SideCell(c, r));
    grid->EndLoading();
    if (Show)
        ShowFocused(*grid);
    return grid;
}

// NumbersAsValues: column 0 holds numbers, so that the model compares them as numbers.
inline std::unique_ptr<QStandardItemModel> MakeSideModel(int rows, bool NumbersAsValues = false)
{
    auto model = std::make_unique<QStandardItemModel>(rows, kSideCols);
    QStringList headers;
    for (int c = 0; c < kSideCols; ++c)
        headers << SideHeader(c);
    model->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kSideCols; ++c) {
            auto* item = new QStandardItem;
            if (c == 0 && NumbersAsValues)
                item->setData(SideCell(c, r).toInt(), Qt::DisplayRole);
            else
                item->setText(SideCell(c, r));
            model->setItem(r, c, item);
        }
    return model;
}

inline std::unique_ptr<QTableView> MakeSideView(QAbstractItemModel& model, bool Show = true)
{
    auto view = std::make_unique<QTableView>();
    view->setModel(&model);
    SetUpView(*view);
    view->verticalHeader()->hide();
    view->setCurrentIndex(model.index(0, 0));
    if (Show)
        ShowFocused(*view);
    return view;
}

// The whole widget, frame, headers and scroll bars included.
inline void PaintWhole(QWidget& w)
{
    QImage image(w.size(), QImage::Format_RGB32);
    w.render(&image);
    benchmark::DoNotOptimize(image.constBits());
}

// Per iteration: the untimed set-ups, then both timed steps back to back. The iteration time is the grid's.
template <typename GridSetUp, typename GridStep, typename QtSetUp, typename QtStep>
void SideBySide(benchmark::State& state, GridSetUp gridSetUp, GridStep gridStep, QtSetUp qtSetUp, QtStep qtStep)
{
    const auto timed = [](auto step) {
        return [step] {
            QElapsedTimer t;
            t.start();
            step();
            return double(t.nsecsElapsed()) / 1e9;
        };
    };
    BackToBack(state, "grid", "qt", state.range(0), gridSetUp, timed(gridStep), qtSetUp, timed(qtStep));
}

// 10,000 and 100,000 rows, five samples of three rounds each.
inline void SideSizes(benchmark::internal::Benchmark* b)
{
    b->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond)->Repetitions(5)->Iterations(3);
}

// 1,000,000 rows, four samples of one round (a round there takes seconds): each side goes first in two.
inline void SideMillion(benchmark::internal::Benchmark* b)
{
    b->Arg(1000000)->UseManualTime()->Unit(benchmark::kMillisecond)->Repetitions(4)->Iterations(1);
}

// Headless unless told otherwise.
inline int RunSideBySide(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
