// The grid's cells in spreadsheets, documents and databases. The file formats are in XlsxWorkbook,
// DocxDocument and GridDatabase; here the grid's side: the save range, the hooks and the sizes.
#include "grid/core/VxGridError.h"
#include "grid/core/VxStringGrid.h"
#include "grid/io/DocxDocument.h"
#include "grid/io/GridDatabase.h"
#include "grid/io/GridFile.h"
#include "grid/io/OfficePackage.h"
#include "grid/io/XlsxWorkbook.h"
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>

namespace {

// The hourglass while a file is read or written; the previous cursor comes back however that ends.
class TWaitCursor {
public:
    TWaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

// The save range's export texts, row by row, with the export notifications around them.
template <typename TCell, typename MakeCell>
QList<QList<TCell>> ExportRows(TVxStringGrid& G, MakeCell Make)
{
    QList<QList<TCell>> rows;
    G.ExportNotification(TGridExportState::esExportStart, G.SaveStartRow());
    for (int r = G.SaveStartRow(); r <= G.SaveEndRow(); ++r) {
        G.ExportNotification(TGridExportState::esExportNextRow, r);
        QList<TCell> row;
        for (int c = G.SaveStartCol(); c <= G.SaveEndCol(); ++c) {
            const int real = G.RealColIndex(c);
            QString text;
            G.SaveCellText(real, r, text);
            text.remove(QLatin1Char('\r'));
            row << Make(real, r, text);
        }
        rows << row;
    }
    G.ExportNotification(TGridExportState::esExportDone, -1);
    return rows;
}

TTextTable SheetTable(TVxStringGrid& G)
{
    return ExportRows<QString>(G, [](int, int, const QString& text) { return text; });
}

TDocTable DocumentTable(TVxStringGrid& G)
{
    return ExportRows<TDocCell>(G, [&G](int c, int r, const QString& text) {
        TAlignment horizontal = TAlignment::taLeftJustify;
        TVAlignment vertical = TVAlignment::vtaTop;
        G.GetCellAlignment(c, r, horizontal, vertical);
        return TDocCell{text, horizontal};
    });
}

// Sizes the grid for Cols x Rows of data and returns where the data starts: fixed cells stay in front
// unless they are saved (and so loaded) too.
TPoint SizeForData(TVxStringGrid& G, int Cols, int Rows)
{
    const int fixedCols = G.FixedCols(), fixedRows = G.FixedRows();
    const TPoint origin{G.SaveFixedCells() || G.SaveFixedCols() ? 0 : fixedCols,
                        G.SaveFixedCells() || G.SaveFixedRows() ? 0 : fixedRows};
    G.SetColCount(origin.X + Cols);
    G.SetRowCount(origin.Y + Rows);
    if (fixedCols < G.ColCount())
        G.SetFixedCols(fixedCols);
    if (fixedRows < G.RowCount())
        G.SetFixedRows(fixedRows);
    return origin;
}

void LoadSheet(TVxStringGrid& G, const QString& FileName, const QString* SheetName)
{
    TWaitCursor wait;
    struct TFinish {
        TVxStringGrid& G;
        ~TFinish()
        {
            G.CellsChanged(TRect{0, 0, G.ColCount(), G.RowCount()});
            G.CellsLoaded();
        }
    } finish{G};
    TXlsxWorkbook book(ReadOfficeFile(FileName));
    const int index = SheetName ? int(book.SheetNames().indexOf(*SheetName)) : book.ActiveSheet();
    if (index < 0 && SheetName)
        throw EVxGridError(("Excel worksheet " + *SheetName + " not found").toStdString());
    const TSheetCells sheet = book.ReadSheet(index, QLocale());
    const int cols = sheet.Right - sheet.Left + 1, rows = sheet.Bottom - sheet.Top + 1;
    G.BeginUpdate();
    const TPoint origin = SizeForData(G, cols, rows);
    // Every cell of the range is written, empty ones as the empty text; an error value keeps the cell's text.
    auto next = sheet.Cells.cbegin();
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            QString text;
            if (next != sheet.Cells.cend() && next->Row == sheet.Top + r && next->Col == sheet.Left + c) {
                const bool error = !next->Text;
                text = next->Text.value_or(QString());
                ++next;
                if (error)
                    continue;
            }
            G.LoadCellText(G.RealColIndex(origin.X + c), origin.Y + r, text);
        }
    G.EndUpdate();
}

void SaveSheet(TVxStringGrid& G, const QString& FileName, const QString* SheetName)
{
    TWaitCursor wait;
    const TTextTable table = SheetTable(G);
    // An existing file that is no workbook is refused rather than overwritten with a new one.
    const QByteArray bytes = SheetName && QFileInfo::exists(FileName)
                                 ? PutXlsxSheet(ReadOfficeFile(FileName), *SheetName, table, QLocale())
                                 : NewXlsxWorkbook(SheetName ? *SheetName : QStringLiteral("Sheet1"), table, QLocale());
    WriteGridFile(FileName, bytes);
}

} // namespace

QStringList TVxStringGrid::GetXLSSheets(const QString& FileName)
{
    TWaitCursor wait;
    return TXlsxWorkbook(ReadOfficeFile(FileName)).SheetNames();
}

void TVxStringGrid::LoadFromXLS(const QString& FileName)
{
    LoadSheet(*this, FileName, nullptr);
}

void TVxStringGrid::LoadFromXLSSheet(const QString& FileName, const QString& SheetName)
{
    LoadSheet(*this, FileName, &SheetName);
}

void TVxStringGrid::SaveToXLS(const QString& FileName, bool)
{
    SaveSheet(*this, FileName, nullptr);
}

void TVxStringGrid::SaveToXLSSheet(const QString& FileName, const QString& SheetName)
{
    SaveSheet(*this, FileName, &SheetName);
}

void TVxStringGrid::SaveToDOC(const QString& FileName, bool)
{
    TWaitCursor wait;
    WriteGridFile(FileName, NewDocxDocument(DocumentTable(*this), windowTitle()));
}

void TVxStringGrid::AppendToDoc(const QString& FileName, const QString& Bookmark)
{
    TWaitCursor wait;
    WriteGridFile(FileName, InsertDocxTable(ReadOfficeFile(FileName), DocumentTable(*this), Bookmark));
}

void TVxStringGrid::LoadFromMDBTable(const QString& FileName, const QString& Table)
{
    LoadFromMDBSQL(FileName, QStringLiteral("SELECT * FROM ") + Table);
}

void TVxStringGrid::LoadFromMDBSQL(const QString& FileName, const QString& SQL)
{
    const TQueryResult result = RunDatabaseQuery(FileName, SQL, QLocale());
    const int fields = int(result.FieldNames.size()), records = int(result.Records.size());
    BeginUpdate();
    SetColCount(FixedCols() + fields);
    if (FixedRows() > 0)
        for (int i = 0; i < fields; ++i)
            SetCells(RealColIndex(FixedCols() + i), FixedRows() - 1, result.FieldNames[i]);
    // Exactly the result's rows: rows of an earlier, longer load would otherwise stay below it.
    SetRowCount(FixedRows() + std::max(records, 1));
    if (records == 0)
        for (int i = 0; i < fields; ++i)
            SetCells(RealColIndex(FixedCols() + i), FixedRows(), QString());
    for (int r = 0; r < records; ++r)
        for (int i = 0; i < fields; ++i)
            LoadCellText(RealColIndex(FixedCols() + i), FixedRows() + r, result.Records[r][i]);
    EndUpdate();
}
