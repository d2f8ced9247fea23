// The grid's own exchange: tab-separated text, the binary cell block of the clipboard and of drags, and the
// file imports a drop asks for.
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/DragDrop.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/foundation/UndoRedo.h"
#include "platform/UserFile.h"
#include <QClipboard>
#include <QDataStream>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringDecoder>

namespace {

// The first MaxLines lines only: ten million line breaks are not split when ten rows take them.
QStringList TabLines(const QString& Text, int MaxLines)
{
    QStringList lines;
    qsizetype start = 0;
    while (lines.size() < MaxLines) {
        const qsizetype end = Text.indexOf(QLatin1Char('\n'), start);
        QString line = Text.mid(start, end < 0 ? -1 : end - start).remove(QLatin1Char('\r'));
        // A block copied from a spreadsheet ends with a line break that is no row.
        if (end < 0 && start > 0 && line.isEmpty())
            break;
        lines << line;
        if (end < 0)
            break;
        start = end + 1;
    }
    return lines;
}

// The first MaxFields fields of a line: a line of millions of tabs is not split when a few columns take it.
QStringList TabFields(const QString& Line, int MaxFields)
{
    QStringList fields;
    for (qsizetype start = 0; fields.size() < MaxFields;) {
        const qsizetype end = Line.indexOf(QLatin1Char('\t'), start);
        fields << Line.mid(start, end < 0 ? -1 : end - start);
        if (end < 0)
            break;
        start = end + 1;
    }
    return fields;
}

// RFC 4180 fields: quotes around fields, doubled quotes inside them, line breaks inside quoted fields.
struct TCsvLeftOut {
    bool Rows = false, Cols = false;
};

// Rows past MaxRows (-1: none) and fields past MaxCols are left out, and said so in LeftOut.
QList<QStringList> ParseCsv(const QString& Text, QChar Delimiter, int MaxRows, int MaxCols, TCsvLeftOut& LeftOut)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false, fieldStarted = false;
    auto endField = [&] {
        if (row.size() < MaxCols)
            row << field;
        else
            LeftOut.Cols = true;
        field.clear();
        fieldStarted = false;
    };
    auto endRow = [&] {
        endField();
        rows << row;
        row.clear();
    };
    for (qsizetype i = 0; i < Text.size(); ++i) {
        if (MaxRows >= 0 && rows.size() >= MaxRows) {
            LeftOut.Rows = true;
            return rows;
        }
        const QChar ch = Text[i];
        if (quoted) {
            if (ch == QLatin1Char('"')) {
                if (i + 1 < Text.size() && Text[i + 1] == QLatin1Char('"')) {
                    field += ch;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += ch;
            }
        } else if (ch == QLatin1Char('"') && !fieldStarted) {
            quoted = fieldStarted = true;
        } else if (ch == Delimiter) {
            endField();
        } else if (ch == QLatin1Char('\n')) {
            endRow();
        } else if (ch != QLatin1Char('\r')) {
            field += ch;
            fieldStarted = true;
        }
    }
    if (fieldStarted || !field.isEmpty() || !row.isEmpty()) {
        if (MaxRows < 0 || rows.size() < MaxRows)
            endRow();
        else
            LeftOut.Rows = true;
    }
    return rows;
}

// Without a delimiter of the grid's own, the first of comma, semicolon and tab outside quotes on the first line.
QChar DetectDelimiter(const QString& Text)
{
    bool quoted = false;
    for (const QChar ch : Text) {
        if (ch == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (ch == QLatin1Char(',') || ch == QLatin1Char(';') || ch == QLatin1Char('\t')))
            return ch;
        else if (!quoted && ch == QLatin1Char('\n'))
            break;
    }
    return QLatin1Char(',');
}

} // namespace

TPoint TVxStringGrid::MeasureTabText(const QString& Text)
{
    // Counted in place: a measured text is not split into lines.
    qsizetype breaks = 0, fields = 1, lineFields = 1;
    for (const QChar ch : Text) {
        if (ch == QLatin1Char('\t')) {
            fields = std::max(fields, ++lineFields);
        } else if (ch == QLatin1Char('\n')) {
            ++breaks;
            lineFields = 1;
        }
    }
    // A last line break followed by nothing but carriage returns ends the last row.
    const qsizetype last = Text.lastIndexOf(QLatin1Char('\n'));
    if (last >= 0 && QStringView(Text).sliced(last + 1).count(QLatin1Char('\r')) == Text.size() - last - 1)
        --breaks;
    const auto clamp = [](qsizetype v) { return int(std::min<qsizetype>(v, std::numeric_limits<int>::max())); };
    return TPoint{clamp(fields), clamp(breaks)};
}

void TVxStringGrid::PasteTextBlock(int ACol, int ARow, int& Rows, int& Cols, const QString& Text)
{
    const QStringList lines = TabLines(Text, std::max(0, RowCount() - ARow));
    Rows = int(lines.size());
    Cols = MeasureTabText(Text).X;
    ZIveDoziVadeZizi* undo = UndoRedo();
    if (undo)
        undo->StartSequence();
    BeginUpdate();
    for (int i = 0; i < lines.size() && ARow + i < RowCount(); ++i) {
        const QStringList cells = TabFields(lines[i], ColCount() - ACol);
        for (int j = 0; j < cells.size() && ACol + j < ColCount(); ++j) {
            const int c = RealColIndex(ACol + j);
            if (undo)
                undo->RegisterChange(c, ARow + i, Cells(c, ARow + i), cells[j]);
            SetCells(c, ARow + i, cells[j]);
        }
    }
    EndUpdate();
    if (undo)
        undo->StopSequence();
}

void TVxStringGrid::CopySelectionToClipboard()
{
    auto* data = new QMimeData;
    data->setText(SelectedText());
    if (FNavigation->AllowFmtClipboard())
        data->setData(DragFormatMimeType(CF_GRIDCELLS_NAME), MakeGridCellsBlock(SaveRectToBinStream(Selection())));
    QGuiApplication::clipboard()->setMimeData(data);
}

void TVxStringGrid::CutSelectionToClipboard()
{
    CopySelectionToClipboard();
    const TGridRect s = Selection();
    BeginUpdate();
    for (int r = s.Top; r <= s.Bottom; ++r)
        for (int c = s.Left; c <= s.Right; ++c)
            if (FNavigation->AllowClipboardAlways() || CellEditable(c, r))
                SetCells(RealColIndex(c), r, QString());
    EndUpdate();
}

void TVxStringGrid::PasteSelectionFromClipboard()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return;
    const TGridRect s = Selection();
    const QString cellsType = DragFormatMimeType(CF_GRIDCELLS_NAME);
    if (FNavigation->AllowFmtClipboard() && data->hasFormat(cellsType))
        if (const auto stream = ReadGridCellsBlock(data->data(cellsType)))
            if (LoadAtPointFromBinStream(TPoint{s.Left, s.Top}, *stream))
                return;
    const QStringList lines = TabLines(data->text(), std::max(0, RowCount() - s.Top));
    BeginUpdate();
    for (int i = 0; i < lines.size() && s.Top + i < RowCount(); ++i) {
        const QStringList cells = TabFields(lines[i], ColCount() - s.Left);
        for (int j = 0; j < cells.size() && s.Left + j < ColCount(); ++j)
            if (FNavigation->AllowClipboardAlways() || CellEditable(s.Left + j, s.Top + i))
                SetCells(RealColIndex(s.Left + j), s.Top + i, cells[j]);
    }
    EndUpdate();
}

bool TVxStringGrid::LoadFromCSV(const QString& FileName, int MaxRows, QString* Error)
{
    QByteArray bytes;
    if (!Read_User_File(FileName, bytes, Error))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);   // older spreadsheet exports are not UTF-8
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QChar delimiter = Delimiter().isNull() ? DetectDelimiter(text) : Delimiter();
    // The rows and columns stay within what a grid takes; what is left out is told in Error.
    const int maxRows = std::max(0, Max_Exchange_Rows - FixedRows());
    const bool gridBound = MaxRows < 0 || MaxRows > maxRows;
    TCsvLeftOut leftOut;
    const QList<QStringList> rows = ParseCsv(text, delimiter, gridBound ? maxRows : MaxRows,
                                             std::max(0, Max_Exchange_Cols - FixedCols()), leftOut);
    if (Error && ((gridBound && leftOut.Rows) || leftOut.Cols))
        *Error = tr("\"%1\" holds more than a grid takes: only its first %2 rows and %3 columns were read.")
                     .arg(QFileInfo(FileName).fileName())
                     .arg(maxRows)
                     .arg(Max_Exchange_Cols - FixedCols());
    int cols = 0;
    for (const QStringList& row : rows)
        cols = std::max(cols, int(row.size()));
    BeginUpdate();
    SetRowCount(std::max(FixedRows() + int(rows.size()), FixedRows() + 1));
    if (ColCount() < FixedCols() + cols)
        SetColCount(FixedCols() + cols);
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            SetCells(RealColIndex(FixedCols() + c), FixedRows() + r, rows[r][c]);
    EndUpdate();
    return true;
}
