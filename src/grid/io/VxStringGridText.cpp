// The grid's own text forms: the native format in files and streams, fixed-width files and the ASCII table.
#include "grid/core/VxGridError.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/DragDrop.h"
#include "grid/io/GridFile.h"
#include "grid/io/GridFileProgress.h"
#include "grid/io/GridTextFile.h"
#include "grid/io/WaitCursor.h"
#include "grid/model/CodePage.h"
#include "grid/model/GridText.h"
#include "grid/model/IntList.h"
#include <QFileInfo>
#include <QIODevice>
#include <algorithm>
#include <stdexcept>

namespace {

const QString CRLF = QStringLiteral("\r\n");

// The toolkit's strict text-to-integer conversion.
int StrictInt(const QString& S)
{
    bool ok = false;
    const int v = S.trimmed().toInt(&ok);
    if (!ok)
        throw std::runtime_error(("'" + S + "' is not a valid integer value").toStdString());
    return v;
}

// Column, row and text of a native cell line; the row reads as 0 when the line has a single comma.
void SplitCellLine(const QString& Line, int& Col, int& Row, QString& Text)
{
    const qsizetype first = Line.indexOf(QLatin1Char(','));
    const QString rest = first < 0 ? Line : Line.mid(first + 1);
    const qsizetype second = rest.indexOf(QLatin1Char(','));
    Col = first < 0 ? 0 : LeadingInt(Line.left(first));
    Row = second < 0 ? 0 : LeadingInt(rest.left(second));
    Text = second < 0 ? rest : rest.mid(second + 1);
}

// The widest line of a column's export texts over all rows (first lines only without multi-line cells).
int MaxColTextLength(TVxStringGrid& G, int RealCol)
{
    int width = 0;
    for (int r = 0; r < G.RowCount(); ++r) {
        QString text;
        G.SaveCellText(RealCol, r, text);
        const QStringList lines = text.split(CRLF);
        for (qsizetype i = 0; i < (G.Multilinecells() ? lines.size() : 1); ++i)
            width = std::max(width, int(lines[i].size()));
    }
    return width;
}

void FinishLoad(TVxStringGrid& G)
{
    G.CellsChanged(TRect{0, 0, G.ColCount(), G.RowCount()});
    G.CellsLoaded();
}

// Raises ColCount by the hidden columns while the writers address them as ordinary columns.
class THiddenColumnsShown {
public:
    explicit THiddenColumnsShown(TVxStringGrid& G) : G(G), FAdded(G.SaveHiddenCells() ? G.NumHiddenColumns() : 0)
    {
        G.SetColCount(G.ColCount() + FAdded);
    }
    ~THiddenColumnsShown() { G.SetColCount(G.ColCount() - FAdded); }
    THiddenColumnsShown(const THiddenColumnsShown&) = delete;
    THiddenColumnsShown& operator=(const THiddenColumnsShown&) = delete;

private:
    TVxStringGrid& G;
    int FAdded;
};

QString AlignedText(const QString& Text, int Width, TAlignment HA)
{
    QString s = Text;
    if (HA == TAlignment::taRightJustify)
        s = s.rightJustified(Width);
    else if (HA == TAlignment::taCenter)
        while (s.size() < Width)
            s = QLatin1Char(' ') + s + QLatin1Char(' ');
    return s;
}

QStringList AsciiLines(TVxStringGrid& G)
{
    THiddenColumnsShown hidden(G);
    const bool all = G.SaveHiddenCells();
    const int firstCol = G.SaveFixedCells() || G.SaveFixedCols() ? 0 : G.FixedCols();
    const int firstRow = G.SaveFixedCells() || G.SaveFixedRows() ? 0 : G.FixedRows();
    std::vector<int> widths;
    for (int c = firstCol; c < G.ColCount(); ++c)
        widths.push_back(MaxColTextLength(G, all ? c : G.RealColIndex(c)));
    QStringList lines;
    G.ExportNotification(TGridExportState::esExportStart, firstRow);
    for (int r = firstRow; r < G.RowCount(); ++r) {
        G.ExportNotification(TGridExportState::esExportNextRow, r);
        QString line;
        QStringList more;   // continuation lines of multi-line cells
        for (int c = firstCol; c < G.ColCount(); ++c) {
            const int real = all ? c : G.RealColIndex(c);
            const int width = widths[std::size_t(c - firstCol)];
            QString text;
            G.SaveCellText(real, r, text);
            QStringList parts = text.split(CRLF);
            TAlignment ha = TAlignment::taLeftJustify;
            TVAlignment va = TVAlignment::vtaTop;
            G.GetCellAlignment(real, r, ha, va);
            if (G.Multilinecells())
                for (qsizetype i = 1; i < parts.size(); ++i) {
                    if (more.size() < i)
                        more << QString();
                    QString& next = more[i - 1];
                    next = next.leftJustified(int(line.size()));
                    next += AlignedText(parts[i], width, ha).leftJustified(width + 1);
                }
            line += AlignedText(parts.front(), width, ha).leftJustified(width + 1);
        }
        lines << line << more;
    }
    return lines;
}

void WriteAscii(TVxStringGrid& G, const QString& FileName, bool Unicode, const QStringList& Before)
{
    TWaitCursor wait;
    QStringList lines = Before;
    struct TDone {
        TVxStringGrid& G;
        ~TDone() { G.ExportNotification(TGridExportState::esExportDone, -1); }
    } done{G};
    lines += AsciiLines(G);
    SaveGridLines(FileName, lines, Unicode ? TGridTextEncoding::teUtf16Bom : TGridTextEncoding::teAnsi);
}

} // namespace

void TVxStringGrid::SaveToFile(const QString& FileName, bool Unicode)
{
    const bool hidden = SaveHiddenCells();
    const int lastCol = SaveEndCol() + (hidden ? NumHiddenColumns() : 0);
    QStringList lines;
    lines << QStringLiteral("%1,%2").arg(lastCol - SaveStartCol() + 1).arg(SaveEndRow() - SaveStartRow() + 1);
    for (int c = SaveStartCol(); c <= lastCol; ++c)
        lines << QStringLiteral("cw %1,%2").arg(c).arg(ColWidths(c));
    TFileProgress progress(OnFileProgress, this);
    ExportNotification(TGridExportState::esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(TGridExportState::esExportNextRow, r);
        for (int c = SaveStartCol(); c <= lastCol; ++c) {
            QString text;
            SaveCellText(hidden ? c : RealColIndex(c), r, text);
            if (!text.isEmpty())
                lines << QStringLiteral("%1,%2,").arg(c).arg(r) + MaskLineBreaks(text);
        }
        progress.Report(r - SaveStartRow(), SaveEndRow() - SaveStartRow());
    }
    ExportNotification(TGridExportState::esExportDone, -1);
    SaveGridLines(FileName, lines, Unicode ? TGridTextEncoding::teUtf16Bom : TGridTextEncoding::teAnsi);
}

void TVxStringGrid::LoadFromFile(const QString& FileName)
{
    const QStringList lines = SplitGridLines(ReadGridTextFile(FileName));
    const int colOffset = SaveFixedCells() || SaveFixedCols() ? 0 : FixedCols();
    const int rowOffset = SaveFixedCells() || SaveFixedRows() ? 0 : FixedRows();
    const QString head = lines.value(0);
    const qsizetype comma = head.indexOf(QLatin1Char(','));
    const qint64 cols = qint64(colOffset) + LeadingInt(head.left(comma < 0 ? head.size() : comma));
    const qint64 rows = qint64(rowOffset) + (comma < 0 ? 0 : LeadingInt(head.mid(comma + 1)));
    // No data, or more than a grid takes, is a corrupt file; the grid stays as it was.
    if (head.isEmpty() || cols <= 0 || rows <= 0 || cols > Max_Exchange_Cols || rows > Max_Exchange_Rows)
        throw EVxGridError(("File contains no data or corrupt file " + FileName).toStdString());
    TWaitCursor wait;
    BeginUpdate();
    SetColCount(int(cols));
    SetRowCount(int(rows));
    TFileProgress progress(OnFileProgress, this);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.startsWith(QLatin1String("cw"))) {
            const qsizetype at = line.indexOf(QLatin1Char(','));
            const int index = LeadingInt(line.mid(3, at < 0 ? -1 : at - 3));
            const int width = at < 0 ? -1 : LeadingInt(line.mid(at + 1));
            if (at >= 0 && index >= 0 && index < ColCount() && width >= 0)
                SetColWidths(index, width);
            continue;
        }
        if (line.isEmpty())
            continue;
        int col = 0, row = 0;
        QString text;
        SplitCellLine(line, col, row, text);
        if (col >= 0 && row >= 0 && col < ColCount() && row < RowCount())
            LoadCellText(col, row, UnmaskLineBreaks(text, Multilinecells()));
        progress.Report(row, RowCount() - 1);
    }
    EndUpdate();
    FinishLoad(*this);
}

void TVxStringGrid::SaveToStream(QIODevice& Stream)
{
    QString text =
        QStringLiteral("%1,%2").arg(SaveEndCol() - SaveStartCol() + 1).arg(SaveEndRow() - SaveStartRow() + 1) + CRLF;
    for (int c = 0; c < ColCount(); ++c)
        text += QStringLiteral("cw %1,%2").arg(c).arg(ColWidths(c)) + CRLF;
    ExportNotification(TGridExportState::esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(TGridExportState::esExportNextRow, r);
        for (int c = SaveStartCol(); c <= SaveEndCol(); ++c) {
            QString cell;
            SaveCellText(RealColIndex(c), r, cell);
            if (!cell.isEmpty())
                text += QStringLiteral("%1,%2,").arg(c - SaveStartCol()).arg(r - SaveStartRow()) +
                        MaskLineBreaks(cell) + CRLF;
        }
    }
    ExportNotification(TGridExportState::esExportDone, -1);
    const QByteArray bytes = Utf16LeWithBom(text).mid(2);
    if (Stream.write(bytes) != bytes.size())
        throw EVxGridError("Stream write error");
}

void TVxStringGrid::LoadFromStream(QIODevice& Stream)
{
    // One line of UTF-16 units up to a CR; the LF after it is skipped.
    auto readLine = [&Stream](QString& Line) {
        Line.clear();
        char unit[2];
        while (Stream.read(unit, 2) == 2) {
            const char16_t ch = char16_t(quint8(unit[0]) | (quint8(unit[1]) << 8));
            if (ch == u'\r') {
                Stream.read(unit, 2);
                return true;
            }
            Line += QChar(ch);
        }
        return !Line.isEmpty();
    };
    QString line;
    if (Stream.atEnd() || !readLine(line) || line.isEmpty())
        return;
    const qsizetype comma = line.indexOf(QLatin1Char(','));
    const qint64 cols = qint64(StrictInt(line.left(comma))) + SaveStartCol();
    const qint64 rows = qint64(StrictInt(comma < 0 ? QString() : line.mid(comma + 1))) + SaveStartRow();
    if (cols < 0 || rows < 0 || cols > Max_Exchange_Cols || rows > Max_Exchange_Rows)
        throw EVxGridError("Stream read error");
    struct TFinish {
        TVxStringGrid& G;
        ~TFinish()
        {
            G.EndUpdate();
            FinishLoad(G);
        }
    } finish{*this};
    BeginUpdate();
    SetColCount(int(cols));
    SetRowCount(int(rows));
    while (!Stream.atEnd()) {
        const qint64 start = Stream.pos();
        readLine(line);
        if (line.startsWith(QLatin1String("cw"))) {
            const QString rest = line.mid(3);
            const qsizetype at = rest.indexOf(QLatin1Char(','));
            const int index = StrictInt(rest.left(at)), width = StrictInt(at < 0 ? QString() : rest.mid(at + 1));
            if (index >= 0 && index < ColCount() && width >= 0)
                SetColWidths(index, width);
            continue;
        }
        const qsizetype first = line.indexOf(QLatin1Char(','));
        const qsizetype second = first < 0 ? -1 : line.indexOf(QLatin1Char(','), first + 1);
        if (first <= 0 || second < 0) {
            Stream.seek(start);   // the native block ends here; what follows is someone else's
            return;
        }
        const qint64 col = qint64(SaveStartCol()) + StrictInt(line.left(first));
        const qint64 row = qint64(SaveStartRow()) + StrictInt(line.mid(first + 1, second - first - 1));
        if (col >= 0 && row >= 0 && col < ColCount() && row < RowCount())
            LoadCellText(int(col), int(row), UnmaskLineBreaks(line.mid(second + 1), Multilinecells()));
    }
}

void TVxStringGrid::SaveToFixed(const QString& FileName, TIntList& Widths)
{
    THiddenColumnsShown hidden(*this);
    const bool all = SaveHiddenCells();
    for (int c = SaveStartCol() + Widths.Count(); c <= SaveEndCol(); ++c)
        Widths.Add(MaxColTextLength(*this, all ? c : RealColIndex(c)) + 1);
    QStringList lines;
    struct TDone {
        TVxStringGrid& G;
        ~TDone() { G.ExportNotification(TGridExportState::esExportDone, -1); }
    } done{*this};
    ExportNotification(TGridExportState::esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(TGridExportState::esExportNextRow, r);
        QString line;
        for (int c = SaveStartCol(); c <= SaveEndCol(); ++c) {
            QString text;
            SaveCellText(all ? c : RealColIndex(c), r, text);
            const int width = std::max(0, Widths.Items(c - SaveStartCol()));
            line += text.left(width).leftJustified(width);
        }
        lines << line;
    }
    try {
        SaveGridLines(FileName, lines, TGridTextEncoding::teAnsi);
    } catch (const EVxGridError&) {
        throw EVxGridError(("Cannot Create file " + FileName).toStdString());
    }
}

void TVxStringGrid::LoadFromFixed(const QString& FileName, TIntList& Positions, bool DoTrim, int MaxRows)
{
    QStringList lines;
    try {
        lines = SplitGridLines(ReadGridTextFile(FileName));
    } catch (const EVxGridError&) {
        throw EVxGridError(("File " + FileName + " not found").toStdString());
    }
    std::vector<int> p;
    for (int i = 0; i < Positions.Count(); ++i)
        p.push_back(Positions.Items(i));
    std::sort(p.begin(), p.end());
    for (int i = 0; i < int(p.size()); ++i)
        Positions.SetItems(i, p[std::size_t(i)]);
    BeginUpdate();
    if (!p.empty())
        SetColCount(std::min<int>(FixedCols() + int(p.size()) - 1, Max_Exchange_Cols));
    // Any limit but -1 loads at least one line.
    const qsizetype count = MaxRows == -1 ? lines.size() : std::min<qsizetype>(lines.size(), std::max(1, MaxRows));
    int row = SaveStartRow();
    for (qsizetype n = 0; n < count && row < Max_Exchange_Rows; ++n, ++row) {
        if (row >= RowCount())
            SetRowCount(row + 1);
        for (std::size_t k = 1; k < p.size() && SaveStartCol() + int(k) - 1 < ColCount(); ++k) {
            QString field = lines[n].mid(std::max(0, p[k - 1] - 1), std::max(0, p[k] - p[k - 1]));
            if (DoTrim)
                field = field.trimmed();
            LoadCellText(RealColIndex(SaveStartCol() + int(k) - 1), row, field);
        }
    }
    EndUpdate();
    FinishLoad(*this);
}

void TVxStringGrid::SaveToASCII(const QString& FileName, bool Unicode)
{
    WriteAscii(*this, FileName, Unicode, {});
}

void TVxStringGrid::AppendToASCII(const QString& FileName, bool Unicode)
{
    const QStringList before = QFileInfo::exists(FileName) ? SplitGridLines(ReadGridTextFile(FileName)) : QStringList();
    WriteAscii(*this, FileName, Unicode, before);
}
