// Saving and loading 100,000 rows of 10 columns in each of the grid's text formats, against QTextStream writing
// the same CSV by hand (the floor). The counters give the bytes each format takes.
#include "grid/core/VxStringGrid.h"
#include "grid/model/IntList.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <benchmark/benchmark.h>
#include <functional>
#include <memory>

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 10;

std::unique_ptr<TVxStringGrid> MakeGrid()
{
    auto g = std::make_unique<TVxStringGrid>();
    g->SetFixedCols(0);
    g->SetFixedRows(0);
    g->SetColCount(kCols);
    g->SetRowCount(kRows);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            g->SetCells(c, r, QStringLiteral("r%1c%2").arg(r).arg(c));
    return g;
}

struct TFormat {
    const char* Name;
    std::function<void(TVxStringGrid&, const QString&)> Save;
    std::function<void(TVxStringGrid&, const QString&)> Load;
};

const TFormat Formats[] = {
    {"csv", [](TVxStringGrid& g, const QString& f) { g.SaveToCSV(f); },
     [](TVxStringGrid& g, const QString& f) { g.LoadFromCSV(f); }},
    {"native", [](TVxStringGrid& g, const QString& f) { g.SaveToFile(f); },
     [](TVxStringGrid& g, const QString& f) { g.LoadFromFile(f); }},
    {"fixed",
     [](TVxStringGrid& g, const QString& f) {
         TIntList widths(0, 0);
         g.SaveToFixed(f, widths);
     },
     [](TVxStringGrid& g, const QString& f) {
         TIntList positions(0, 0);
         for (int p = 1; p <= 1 + 11 * kCols; p += 11)
             positions.Add(p);
         g.LoadFromFixed(f, positions, true, -1);
     }},
    {"xml", [](TVxStringGrid& g, const QString& f) { g.SaveToXML(f, "LIST", "ROW", nullptr, false); },
     [](TVxStringGrid& g, const QString& f) { g.LoadFromXML(f, false, false); }},
    {"ascii", [](TVxStringGrid& g, const QString& f) { g.SaveToASCII(f); }, nullptr},
    {"html", [](TVxStringGrid& g, const QString& f) { g.SaveToHTML(f); }, nullptr},
    {"bin", [](TVxStringGrid& g, const QString& f) { g.SaveToBinFile(f); },
     [](TVxStringGrid& g, const QString& f) { g.LoadFromBinFile(f); }},
};

void BM_Save(benchmark::State& state, const TFormat& Format)
{
    auto g = MakeGrid();
    QTemporaryDir dir;
    const QString file = dir.filePath("grid");
    for (auto _ : state)
        Format.Save(*g, file);
    state.counters["bytes"] = double(QFileInfo(file).size());
}

void BM_Load(benchmark::State& state, const TFormat& Format)
{
    auto g = MakeGrid();
    QTemporaryDir dir;
    const QString file = dir.filePath("grid");
    Format.Save(*g, file);
    for (auto _ : state) {
        TVxStringGrid target;
        try {
            Format.Load(target, file);
        } catch (const std::exception& e) {   // a file past what the readers take is said, not timed
            state.SkipWithError(e.what());
            break;
        }
    }
    state.counters["bytes"] = double(QFileInfo(file).size());
}

// The floor: the same cells as CSV through QTextStream, no quoting rules, no hooks.
void BM_SaveCsvByHand(benchmark::State& state)
{
    auto g = MakeGrid();
    QTemporaryDir dir;
    const QString file = dir.filePath("grid.csv");
    for (auto _ : state) {
        QFile f(file);
        f.open(QIODevice::WriteOnly);
        QTextStream out(&f);
        for (int r = 0; r < kRows; ++r) {
            for (int c = 0; c < kCols; ++c) {
                if (c)
                    out << ',';
                out << g->Cells(c, r);
            }
            out << "\r\n";
        }
    }
    state.counters["bytes"] = double(QFileInfo(file).size());
}
BENCHMARK(BM_SaveCsvByHand)->Unit(benchmark::kMillisecond);

const bool Registered = [] {
    for (const TFormat& f : Formats) {
        benchmark::RegisterBenchmark((std::string("BM_Save/") + f.Name).c_str(), BM_Save, f)
            ->Unit(benchmark::kMillisecond);
        if (f.Load)
            benchmark::RegisterBenchmark((std::string("BM_Load/") + f.Name).c_str(), BM_Load, f)
                ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
