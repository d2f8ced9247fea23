// The table windows on full tables: the BACnet object window with 2,000 objects opened, checked and
// saved, and the IEC 61850 variables window opened on its 50 rows; with the parts an opening is made of.
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "grid/core/VxColumnGrid.h"
#include "tables/ip/BACnetSlaveFile.h"
#include "tables/ip/IEC61850VariablesFile.h"
#include "tables/TableGrid.h"
#include "tables/ip/UBACnetSlaveSetAccess.h"
#include "tables/ip/UIEC61850_Variables.h"

#include <QApplication>
#include <QSaveFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A project folder holding full tables, pointed at by the program-wide paths.
struct FullProject {
    QTemporaryDir dir;
    FullProject()
    {
        Project_Dir = dir.path();
        Set_Project_File_Paths(dir.path());
        TTableRows read;
        for (int i = 0; i < 2000; ++i)
            read.push_back({"Analog Value", "62", QString::number(i % 1437), "", "4", "N",
                            QStringLiteral("Object number %1 of the table").arg(i)});
        Write(File_BACnet_Slave_SetAccess, BACnet_Slave_XML(read, {}));
        TTableRows variables;
        for (int i = 0; i < IEC61850_Variable_Rows; ++i)
            variables.push_back({"Y", QStringLiteral("Variable_%1").arg(i), "Float", "4", "N", QString::number(i * 4),
                                 "", "Int to Float", "0.5", "N", "N", "a variable"});
        Write(File_IEC61850_Variables, IEC61850_Variables_XML(variables));
    }
    static void Write(const QString& path, const QByteArray& content)
    {
        QSaveFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size() || !f.commit())
            qFatal("cannot write the project");
    }
};

void Open(QWidget& window)
{
    window.show();
    QApplication::processEvents();
}

void BM_BACnetOpen(benchmark::State& state)
{
    FullProject project;
    TFBACnetSlaveSetAccess window;
    for (auto _ : state) {
        Open(window);
        window.hide();
    }
}
BENCHMARK(BM_BACnetOpen)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_BACnetValidate(benchmark::State& state)
{
    FullProject project;
    TFBACnetSlaveSetAccess window;
    Open(window);
    for (auto _ : state)
        if (!window.Controllo_dati())
            state.SkipWithError("the table does not pass");
}
BENCHMARK(BM_BACnetValidate)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_BACnetSave(benchmark::State& state)
{
    FullProject project;
    TFBACnetSlaveSetAccess window;
    for (auto _ : state) {
        state.PauseTiming();
        Open(window);
        state.ResumeTiming();
        window.Btn_OKClick();   // checks, then writes the file
    }
}
BENCHMARK(BM_BACnetSave)->Iterations(5)->Unit(benchmark::kMillisecond);

// The parts of an opening: the file read, the 2 x 2,000 rows reset, the rows put into the grid.
void BM_BACnetOpenParts(benchmark::State& state)
{
    FullProject project;
    TVxColumnGrid grid;
    Shape_Table_Grid(grid, std::vector<TTableColumn>(8, {TEditorType::edNormal, {}, 64, clWhite}));
    grid.HideColumn(6);
    grid.SetRowCount(2001);
    const TBACnetSlaveLoad load = Load_BACnet_Slave(File_BACnet_Slave_SetAccess, 2000);
    for (auto _ : state) {
        switch (state.range(0)) {
        case 0:
            benchmark::DoNotOptimize(Load_BACnet_Slave(File_BACnet_Slave_SetAccess, 2000));
            break;
        case 1:
            Reset_Table_Rows(grid, 2000);
            break;
        case 2:
            Fill_Table_Rows(grid, load.Read.Rows);
            break;
        case 3:
            benchmark::DoNotOptimize(Table_Rows(grid, 2000));
            break;
        }
    }
}
BENCHMARK(BM_BACnetOpenParts)->ArgName("load_reset_fill_read")->DenseRange(0, 3)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_IEC61850OpenFull(benchmark::State& state)
{
    FullProject project;
    TFIEC61850_Variables window;
    for (auto _ : state) {
        Open(window);
        window.hide();
    }
}
BENCHMARK(BM_IEC61850OpenFull)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Set_Default_Language();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
