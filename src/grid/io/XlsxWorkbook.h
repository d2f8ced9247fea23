#pragma once
// Office Open XML workbooks (.xlsx): the worksheets' names, a worksheet's used range as texts, and a table
// of texts written as the one sheet of a new workbook or as a sheet of an existing one.
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QLocale;
class TZipReader;

// Anything that is not a readable workbook, a legacy binary one included, and any value that cannot be read.
inline constexpr char Incorrect_XLS_File[] = "Incorrect XLS file";

// Rows of cell texts; rows may differ in length.
using TTextTable = QList<QStringList>;

// 1 -> "A", 26 -> "Z", 27 -> "AA", 702 -> "ZZ", 703 -> "AAA"; empty below 1.
QString ColumnLetters(int Column);
// The inverse, letters in either case; 0 for anything else or past the last column a sheet has (XFD).
int ColumnNumber(QStringView Letters);

struct TSheetCell {
    int Col = 0;                  // from 1
    int Row = 0;                  // from 1
    std::optional<QString> Text;  // nothing for an error value
};

// A worksheet's used range: the rectangle of the cells holding values (A1 alone for an empty sheet).
struct TSheetCells {
    int Left = 1, Top = 1, Right = 1, Bottom = 1;
    QList<TSheetCell> Cells;      // by row, then by column
};

class TXlsxWorkbook {
public:
    // Every failure raises std::runtime_error with Incorrect_XLS_File.
    explicit TXlsxWorkbook(const QByteArray& Bytes);
    ~TXlsxWorkbook();

    QStringList SheetNames() const;   // the worksheets, in the workbook's order
    int ActiveSheet() const;          // index into SheetNames; -1 when the active sheet is no worksheet
    // Numbers in Locale; booleans "True" and "False"; shared and inline strings, formulas by their value.
    TSheetCells ReadSheet(int Index, const QLocale& Locale);

private:
    struct TSheet {
        QString Name;
        QString Part;
        bool Worksheet = false;
    };
    friend QByteArray PutXlsxSheet(const QByteArray&, const QString&, const TTextTable&, const QLocale&);
    QList<TSheet> Worksheets() const;
    const QStringList& SharedStrings();

    std::unique_ptr<TZipReader> FZip;
    QString FWorkbookPart;
    QList<TSheet> FSheets;            // every sheet, chart sheets too
    int FActiveTab = 0;
    QString FSharedStringsPart;
    std::optional<QStringList> FSharedStrings;
};

// A workbook of one sheet. Texts that are numbers as NumberText writes them (CanonicalNumber) are written
// as numbers, every other non-empty text as an inline string; empty texts leave the cell out.
QByteArray NewXlsxWorkbook(const QString& SheetName, const TTextTable& Cells, const QLocale& Locale);
// Workbook with the sheet of that name (in any case) replaced by Cells, or added after the others; every
// other part stays as it was. Raises std::runtime_error with Incorrect_XLS_File when Workbook cannot be read.
QByteArray PutXlsxSheet(const QByteArray& Workbook, const QString& SheetName, const TTextTable& Cells,
                        const QLocale& Locale);
