// The grid's CSV files: the save range written in the grid's dialect, and such text read back.
#include "grid/core/VxGridError.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/DragDrop.h"
#include "grid/io/CsvText.h"
#include "grid/io/GridFile.h"
#include "grid/io/GridFileProgress.h"
#include "grid/io/GridTextFile.h"
#include "grid/io/WaitCursor.h"
#include "grid/model/CodePage.h"
#include "grid/model/GridText.h"
#include <QFileInfo>
#include <QIODevice>
#include <stdexcept>

namespace {

TCsvDialect Dialect(const TVxStringGrid& G, QChar Delimiter)
{
    TCsvDialect d;
    d.Delimiter = Delimiter;
    d.AlwaysQuotes = G.AlwaysQuotes();
    d.QuoteEmptyCells = G.QuoteEmptyCells();
    d.JavaCSV = G.JavaCSV();
    return d;
}

QStringList CsvLines(TVxStringGrid& G)
{
    const TCsvDialect dialect = Dialect(G, G.Delimiter().isNull() ? QLatin1Char(',') : G.Delimiter());
    const bool hidden = G.SaveHiddenCells();
    const int lastCol = G.SaveEndCol() + (hidden ? G.NumHiddenColumns() : 0);
    TFileProgress progress(G.OnFileProgress, &G);
    QStringList lines;
    G.ExportNotification(TGridExportState::esExportStart, G.SaveStartRow());
    for (int r = G.SaveStartRow(); r <= G.SaveEndRow(); ++r) {
        G.ExportNotification(TGridExportState::esExportNextRow, r);
        QString line;
        for (int c = G.SaveStartCol(); c <= lastCol; ++c) {
            if (c > G.SaveStartCol())
                line += dialect.Delimiter;
            QString text;
            G.SaveCellText(hidden ? c : G.RealColIndex(c), r, text);
            if (G.OemConvert())
                StringToOem(text);
            line += CsvField(text, dialect);
        }
        lines << line;
        progress.Report(r, G.RowCount() - 1);
    }
    G.ExportNotification(TGridExportState::esExportDone, -1);
    return lines;
}

TGridTextEncoding CsvEncoding(bool Unicode)
{
    return Unicode ? TGridTextEncoding::teUtf8Bom : TGridTextEncoding::teAnsi;
}

// The length of the first Count lines with their line breaks.
qsizetype FirstLinesLength(const QString& Text, int Count)
{
    qsizetype at = 0;
    for (int i = 0; i < Count && at < Text.size(); ++i) {
        while (at < Text.size() && Text.at(at) != QLatin1Char('\n') && Text.at(at) != QLatin1Char('\r'))
            ++at;
        at += Text.mid(at, 2) == QLatin1String("\r\n") ? 2 : 1;
    }
    return std::min(at, Text.size());
}

// Reads the text's lines into the grid from the save range's first row, or after the last row.
void LoadCsvText(TVxStringGrid& G, const QString& Text, int MaxRows, bool Insert, const QString& Name,
                 QString* LeftOut)
{
    if (Text.isEmpty())
        throw std::runtime_error("File is empty");
    TWaitCursor wait;
    // The guess holds for this load only; the header line takes part in it.
    QChar delimiter = G.Delimiter();
    if (delimiter.isNull()) {
        const QStringList head = SplitGridLines(Text.left(FirstLinesLength(Text, 2)));
        delimiter = GuessCsvDelimiter(head.value(0), head.value(1));
    }
    const TCsvDialect dialect = Dialect(G, delimiter);
    QStringList lines = SplitCsvRecords(Text, delimiter);
    if (!G.LoadFirstRow())
        lines.removeFirst();
    const int startRow = Insert ? G.RowCount() : G.SaveStartRow();
    const int startCol = G.SaveStartCol();
    const bool hidden = G.SaveHiddenCells();
    qsizetype count = MaxRows > 0 ? std::min<qsizetype>(lines.size(), MaxRows) : lines.size();
    const int roomRows = std::max(0, Max_Exchange_Rows - startRow - G.FixedFooters());
    const int roomCols = std::max(0, Max_Exchange_Cols - startCol);
    bool cut = count > roomRows;
    count = std::min<qsizetype>(count, roomRows);
    TFileProgress progress(G.OnFileProgress, &G);
    G.BeginUpdate();
    G.SetRowCount(std::max(G.FixedRows() + 1, startRow + int(count) + G.FixedFooters()));   // never below one row
    for (int i = 0; i < count; ++i) {
        QString line = lines[i];
        if (G.OemConvert())
            OemToString(line);
        const QStringList fields = SplitCsvLine(line, dialect);
        const int n = int(std::min<qsizetype>(fields.size(), roomCols));
        cut = cut || n < fields.size();
        // Hidden columns count as columns of the file when they are saved too.
        const int needed = startCol + n - (hidden ? G.NumHiddenColumns() : 0);
        if (G.ColCount() < needed)
            G.SetColCount(needed);
        for (int f = 0; f < n; ++f)
            G.LoadCellText(hidden ? startCol + f : G.RealColIndex(startCol + f), startRow + i, fields[f]);
        progress.Report(i + 1, double(count));
    }
    G.EndUpdate();
    if (cut && LeftOut)
        *LeftOut = TVxStringGrid::tr("\"%1\" holds more than a grid takes: only its first %2 rows and %3 columns "
                                     "were read.").arg(Name).arg(roomRows).arg(roomCols);
    G.CellsChanged(TRect{0, 0, G.ColCount(), G.RowCount()});
    G.CellsLoaded();
}

void LoadCsvFile(TVxStringGrid& G, const QString& FileName, int MaxRows, bool Insert, QString* LeftOut)
{
    const QByteArray bytes = ReadGridFile(FileName);
    if (!bytes.isEmpty())
        LoadCsvText(G, DecodeTextFile(bytes), MaxRows, Insert, QFileInfo(FileName).fileName(), LeftOut);
}

} // namespace

void TVxStringGrid::SaveToCSV(const QString& FileName, bool Unicode)
{
    TWaitCursor wait;
    SaveGridLines(FileName, CsvLines(*this), CsvEncoding(Unicode));
}

void TVxStringGrid::AppendToCSV(const QString& FileName, bool Unicode)
{
    TWaitCursor wait;
    const QStringList existing = SplitGridLines(ReadGridTextFile(FileName));
    SaveGridLines(FileName, existing + CsvLines(*this), CsvEncoding(Unicode));
}

void TVxStringGrid::LoadFromCSV(const QString& FileName, int MaxRows, QString* LeftOut)
{
    LoadCsvFile(*this, FileName, MaxRows, false, LeftOut);
}

void TVxStringGrid::InsertFromCSV(const QString& FileName, int MaxRows, QString* LeftOut)
{
    LoadCsvFile(*this, FileName, MaxRows, true, LeftOut);
}

void TVxStringGrid::LoadFromCSVStream(QIODevice& AStream, int MaxRows)
{
    LoadCsvText(*this, DecodeTextFile(AStream.readAll()), MaxRows, false, QString(), nullptr);
}
