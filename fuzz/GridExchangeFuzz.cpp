// What a clipboard, a drag or a dropped file hands a grid, from anywhere: the same bytes as pasted text, as a
// cell block, as the clipboard's framed cell block and as a CSV file. Nothing may grow the grid past what a
// grid takes.
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/DragDrop.h"
#include "grid/foundation/GridOptionGroups.h"
#include "ProjectFuzzInput.h"
#include <QClipboard>
#include <QMimeData>
#include <cstddef>
#include <cstdint>

namespace {

QString Csv_Path;

void Check(const TVxStringGrid& g)
{
    if (g.RowCount() > Max_Exchange_Rows || g.ColCount() > Max_Exchange_Cols)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    Csv_Path = Start_Grid_Fuzzing(argc, argv, QStringLiteral("drop.csv"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = QString::fromUtf8(bytes);
    TVxStringGrid g;
    g.SetColCount(5);
    g.SetRowCount(8);
    g.Navigation().SetAllowFmtClipboard(true);
    g.Navigation().SetAllowClipboardAlways(true);

    TVxStringGrid::MeasureTabText(text);
    int rows = 0, cols = 0;
    g.PasteTextBlock(1, 1, rows, cols, text);
    g.LoadAtPointFromBinStream(TPoint{1, 2}, bytes);
    Check(g);

    // The clipboard as a paste finds it: the framed block first, the text when the block is refused.
    auto* mime = new QMimeData;
    mime->setText(text);
    mime->setData(DragFormatMimeType(CF_GRIDCELLS_NAME), bytes);
    QGuiApplication::clipboard()->setMimeData(mime);
    g.SetSelection(TGridRect{1, 3, 1, 3});
    g.PasteSelectionFromClipboard();
    Check(g);

    Write_Fuzz_File(Csv_Path, bytes);
    QString error;
    g.LoadFromCSV(Csv_Path, -1, &error);
    Check(g);
    return 0;
}
