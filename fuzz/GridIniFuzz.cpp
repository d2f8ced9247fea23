// A grid's layout and print-settings INI file from anywhere, read as the grids read it: column sizes and
// positions of a string grid and of a column grid, and the print settings. A load never writes the file.
#include "grid/core/GridSettings.h"
#include "grid/core/VxColumnGrid.h"
#include "grid/core/VxStringGrid.h"
#include "ProjectFuzzInput.h"
#include <QFile>
#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace {
QString Ini_Path;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    Ini_Path = Start_Grid_Fuzzing(argc, argv, QStringLiteral("layout.ini"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    Write_Fuzz_File(Ini_Path, bytes);
    TVxStringGrid g;
    g.SetColCount(4);
    g.ColumnSize().SetLocation(TColumnSizeLocation::clIniFile);
    g.ColumnSize().SetKey(Ini_Path);
    g.ColumnSize().SetSection(QStringLiteral("Grid"));
    // Entries that are no widths or no order of the columns are refused with the toolkit's conversion error.
    try {
        g.LoadColSizes();
    } catch (const std::runtime_error&) {
    }
    try {
        g.LoadColPositions();
    } catch (const std::runtime_error&) {
    }
    g.LoadPrintSettings(Ini_Path, QStringLiteral("Print"));

    TVxColumnGrid columns;
    columns.SetColCount(3);
    columns.ColumnSize().SetLocation(TColumnSizeLocation::clIniFile);
    columns.ColumnSize().SetKey(Ini_Path);
    columns.ColumnSize().SetSection(QStringLiteral("Cols"));
    columns.LoadColPositions();

    QFile file(Ini_Path);
    if (!file.open(QIODevice::ReadOnly) || file.readAll() != bytes)
        __builtin_trap();
    return 0;
}
