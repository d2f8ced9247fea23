// The grid's clipboard: tab-separated text as spreadsheets write and read it, the grid's own cell block, and
// HTML; and the paste of text blocks that drops of text use too.
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/DragDrop.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/foundation/MiniHtml.h"
#include "grid/foundation/UndoRedo.h"
#include "grid/paint/ControlLook.h"
#include "grid/model/GridText.h"
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QRegularExpression>

namespace {

const QString CRLF = QStringLiteral("\r\n");
constexpr QChar Quote = QLatin1Char('"');

bool IsLineBreak(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

// A cell as a spreadsheet puts it on the clipboard: quoted once when it holds a line break, a tab or a leading
// quote, with inner quotes doubled and each line break as one LF (a vertical tab for old spreadsheets).
QString ClipboardCell(QString Text, bool VTBreaks)
{
    const bool breaks = Text.contains(QLatin1Char('\r')) || Text.contains(QLatin1Char('\n'));
    if (!breaks && !Text.contains(QLatin1Char('\t')) && !Text.startsWith(Quote))
        return Text;
    Text.replace(CRLF, QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (VTBreaks)
        Text.replace(QLatin1Char('\n'), QChar(11));
    return Quote + DoubleQuoteChars(Text) + Quote;
}

// Tab-separated lines of fields. A field that starts with a quote and has a closing quote before a tab, a line
// break or the end is quoted: inner quotes are undoubled and its line breaks (LF, CR LF, CR, vertical tab)
// become CR LF. Any other quote is text. A final line break opens no further line.
QList<QStringList> ParseTabText(const QString& Text)
{
    QList<QStringList> lines;
    QStringList fields;
    const qsizetype n = Text.size();
    qsizetype i = 0;
    while (i < n) {
        QString field;
        qsizetype end = -1;
        if (Text.at(i) == Quote) {
            for (qsizetype j = i + 1; j < n; ++j) {
                if (Text.at(j) != Quote)
                    continue;
                if (j + 1 < n && Text.at(j + 1) == Quote) {
                    ++j;
                    continue;
                }
                if (j + 1 == n || Text.at(j + 1) == QLatin1Char('\t') || IsLineBreak(Text.at(j + 1))) {
                    field = Text.mid(i + 1, j - i - 1).replace(QStringLiteral("\"\""), QStringLiteral("\""));
                    field.replace(CRLF, QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
                    field.replace(QChar(11), QLatin1Char('\n')).replace(QLatin1Char('\n'), CRLF);
                    end = j + 1;
                }
                break;
            }
        }
        if (end < 0) {
            end = i;
            while (end < n && Text.at(end) != QLatin1Char('\t') && !IsLineBreak(Text.at(end)))
                ++end;
            field = Text.mid(i, end - i);
        }
        fields << field;
        i = end;
        if (i >= n)
            break;
        if (Text.at(i) == QLatin1Char('\t')) {
            ++i;   // an empty field at the very end of the text is none
            continue;
        }
        i += Text.mid(i, 2) == CRLF ? 2 : 1;
        lines << fields;
        fields.clear();
    }
    if (!fields.isEmpty())
        lines << fields;
    return lines;
}

// FloatFormat's "%.Nf" as N digits; any other format gives the shortest digits (a format string is never
// handed to printf).
QString FormatSeriesFloat(double Value, const QString& Format)
{
    static const QRegularExpression fixed(QStringLiteral("^%\\.(\\d{1,2})f$"));
    const QRegularExpressionMatch m = fixed.match(Format);
    QString text = m.hasMatch() ? QString::number(Value, 'f', m.captured(1).toInt()) : QString::number(Value);
    return text.replace(QLatin1Char('.'), DecimalSeparatorChar());
}

TGridRect Normalized(TGridRect R)
{
    if (R.Left > R.Right)
        std::swap(R.Left, R.Right);
    if (R.Top > R.Bottom)
        std::swap(R.Top, R.Bottom);
    return R;
}

} // namespace

TPoint TVxStringGrid::MeasureTabText(const QString& Text)
{
    const QList<QStringList> lines = ParseTabText(Text);
    qsizetype fields = 1;
    for (const QStringList& line : lines)
        fields = std::max(fields, line.size());
    const auto clamp = [](qsizetype v) { return int(std::min<qsizetype>(v, std::numeric_limits<int>::max())); };
    return TPoint{clamp(fields), clamp(std::max<qsizetype>(0, lines.size() - 1))};
}

QString TVxStringGrid::RectAsText(const TGridRect& R, bool OnlySelected)
{
    const bool rows =
        OnlySelected && d->Shared.FMouseActions->DisjunctRowSelect() && !d->Shared.FMouseActions->DisjunctColSelect();
    const bool cols = OnlySelected && d->Shared.FMouseActions->DisjunctColSelect();
    QString text;
    for (int r = R.Top; r <= R.Bottom; ++r) {
        if (rows && !d->RowFlagOf(r))
            continue;
        bool first = true;
        for (int c = R.Left; c <= R.Right; ++c) {
            if (cols && !GetColSelect(c))
                continue;
            if (!first)
                text += QLatin1Char('\t');
            first = false;
            const int real = RealColIndex(c);
            QString cell;
            SaveCellText(real, r, cell);
            cell = DecodeWideCellText(cell);
            if (!d->Shared.FNavigation->CopyHTMLTagsToClipboard() && cell.contains(QLatin1String("</")))
                cell = MiniHtmlToPlainText(cell);
            text += ClipboardCell(cell, d->Settings.ExcelClipboardFormat);
        }
        if (R.Bottom > R.Top)
            text += CRLF;
    }
    return text;
}

QString TVxStringGrid::SelectedText()
{
    return RectAsText(Selection(), true);
}

void TVxStringGridPrivate::CopyRectToClipboard(const TGridRect& R, bool OnlySelected)
{
    q->ExportNotification(TGridExportState::esExportStart, -1);
    Shared.FClipTopLeft = TPoint{R.Left, R.Top};
    const QString text = q->RectAsText(R, OnlySelected);
    q->ExportNotification(TGridExportState::esExportDone, -1);
    auto* data = new QMimeData;
    data->setText(text);
    const QString topLeft = q->Cells(q->RealColIndex(R.Left), R.Top);
    if (Shared.FNavigation->AllowRTFClipboard() && topLeft.contains(QLatin1String("{\\")))
        data->setData(DragFormatMimeType(CF_RTF_NAME), topLeft.toLatin1() + '\0');
    if (Shared.FNavigation->AllowFmtClipboard())
        data->setData(DragFormatMimeType(CF_GRIDCELLS_NAME), MakeGridCellsBlock(q->SaveRectToBinStream(R)));
    QGuiApplication::clipboard()->setMimeData(data);
}

void TVxStringGrid::CopySelectionToClipboard()
{
    const bool fmt = d->Shared.FNavigation->AllowFmtClipboard();
    if (d->Shared.FMouseActions->DisjunctRowSelect() && !fmt)
        d->CopyRectToClipboard(
            TGridRect{FixedCols(), SaveStartRow(), ColCount() - FixedRightCols() - 1, SaveEndRow()}, true);
    else if (d->Shared.FMouseActions->DisjunctColSelect() && !fmt)
        d->CopyRectToClipboard(TGridRect{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, true);
    else
        d->CopyRectToClipboard(Normalized(Selection()), false);
    d->Shared.FClipLastOp = TClipOperation::coCopy;
}

void TVxStringGrid::CopyToClipBoard()
{
    d->CopyRectToClipboard(TGridRect{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, false);
    d->Shared.FClipLastOp = TClipOperation::coCopy;
}

void TVxStringGrid::CutToClipboard()
{
    CopyToClipBoard();
    BeginUpdate();
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        for (int c = SaveStartCol(); c <= SaveEndCol(); ++c)
            if (d->Shared.FNavigation->AllowClipboardAlways() || IsEditable(c, r))
                SetCells(RealColIndex(c), r, QString());
        if (ShowModified().Enabled())
            SetRowModified(r, true);
    }
    EndUpdate();
    d->Shared.FClipLastOp = TClipOperation::coCut;
}

void TVxStringGrid::CutSelectionToClipboard()
{
    CopySelectionToClipboard();
    const TGridRect s = Normalized(Selection());
    BeginUpdate();
    if (d->Shared.FMouseActions->DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (d->RowFlagOf(r)) {
                ClearRows(r, 1);
                if (ShowModified().Enabled())
                    SetRowModified(r, true);
            }
    } else if (d->Shared.FMouseActions->DisjunctColSelect()) {
        for (int c = FixedCols(); c < ColCount(); ++c)
            if (GetColSelect(c))
                ClearCols(c, 1);
    } else {
        ZIveDoziVadeZizi* undo = UndoRedo();
        if (undo)
            undo->StartSequence();
        for (int r = s.Top; r <= s.Bottom; ++r) {
            for (int c = s.Left; c <= s.Right; ++c) {
                if (!d->Shared.FNavigation->AllowClipboardAlways() && !IsEditable(c, r))
                    continue;
                const int real = RealColIndex(c);
                if (undo)
                    undo->RegisterChange(real, r, Cells(real, r), QString());
                SetCells(real, r, QString());
            }
            if (ShowModified().Enabled())
                SetRowModified(r, true);
        }
        if (d->Shared.FNavigation->AllowFmtClipboard())
            FreeCellObjects(RealColIndex(s.Left), s.Top, RealColIndex(s.Right), s.Bottom);
        if (undo)
            undo->StopSequence();
    }
    EndUpdate();
    d->Shared.FClipLastOp = TClipOperation::coCut;
    CellsChanged(TRect{s.Left, s.Top, s.Right, s.Bottom});
}

void TVxStringGrid::CopyToClipBoardAsHTML()
{
    // Pictures go where they outlive the copy, linked by their full path; the page is UTF-8 under text/html,
    // and plain text gets the page as it is.
    const QString html = SaveToHTMLString(QDir::tempPath() + QStringLiteral("/VxGridClipboard/"));
    auto* data = new QMimeData;
    data->setHtml(html);
    data->setText(html);
    QGuiApplication::clipboard()->setMimeData(data);
}

void TVxStringGrid::PasteCellText(int ACol, int ARow, const QString& Value)
{
    if (ZIveDoziVadeZizi* undo = UndoRedo())
        undo->RegisterChange(ACol, ARow, Cells(ACol, ARow), Value);
    const TCellType type = GetCellType(ACol, ARow);
    if (type == TCellType::ctCheckBox || type == TCellType::ctVirtCheckBox)
        ChangeCheckBoxState(ACol, ARow, Value == CheckTrue());
    else
        SetCellEx(ACol, ARow, Value);
    const int display = DisplColIndex(ACol);
    if (display != ACol)
        RepaintCell(display, ARow);
}

void TVxStringGrid::CellsPasted(TPoint, const TGridRect& R, TClipOperation)
{
    if (ShowModified().Enabled())
        for (int r = R.Top; r <= R.Bottom; ++r)
            SetRowModified(r, true);
}

bool TVxStringGrid::AllowFormattedClipboard()
{
    return d->Shared.FNavigation->AllowFmtClipboard();
}

int TVxStringGrid::PasteTextBlock(int ACol, int ARow, int& Rows, int& Cols, const QString& Text, bool Dropped)
{
    Rows = Cols = 0;
    const bool always = Dropped || d->Shared.FNavigation->AllowClipboardAlways();
    if (ACol < 0 || ARow < 0 ||
        (!Options().testFlag(TGridOption::goEditing) && !always && !d->Shared.FMouseActions->RangeSelectAndEdit()))
        return 0;
    const QList<QStringList> lines = ParseTabText(Text);
    ZIveDoziVadeZizi* undo = UndoRedo();
    if (undo)
        undo->StartSequence();
    BeginUpdate();
    int count = 0;
    TGridRect pasted{ACol, ARow, ACol, ARow};
    for (int i = 0; i < lines.size(); ++i) {
        const int row = ARow + i;
        ImportNotification(d->Shared.FPasteAll ? TGridImportState::isImportNewRow : TGridImportState::isImportSelRow,
                           row);
        const QStringList& fields = lines[i];
        const bool emptyLine = fields.size() == 1 && fields[0].isEmpty();
        if (!Dropped && d->Shared.FNavigation->ClipboardPasteAction() == TClipboardPasteAction::paInsert && !emptyLine)
            InsertRows(row, 1);
        if (row >= RowCount()) {
            if (Dropped || !d->Shared.FNavigation->AllowClipboardRowGrow() || row >= Max_Exchange_Rows)
                break;
            SetRowCount(row + 1);
        }
        Rows = i + 1;
        Cols = std::max(Cols, int(fields.size()));
        for (int j = 0; j < fields.size(); ++j) {
            const int col = ACol + j;
            if (col >= ColCount()) {
                if (Dropped || !d->Shared.FNavigation->AllowClipboardColGrow() || col >= Max_Exchange_Cols)
                    break;
                SetColCount(col + 1);
            }
            if (!always && !IsEditable(col, row))
                continue;
            const int real = RealColIndex(col);
            QString value = fields[j];
            bool allow = true;
            if (OnClipboardBeforePasteCell)
                OnClipboardBeforePasteCell(this, col, row, value, allow);
            if (!allow)
                continue;
            PasteCellText(real, row, value);
            ++count;
            pasted.Right = std::max(pasted.Right, col);
            pasted.Bottom = std::max(pasted.Bottom, row);
            if (OnClipboardAfterPasteCell)
                OnClipboardAfterPasteCell(this, col, row, value);
        }
    }
    EndUpdate();
    if (undo)
        undo->StopSequence();
    CellsPasted(d->Shared.FClipTopLeft, pasted, d->Shared.FClipLastOp);
    CellsChanged(TRect{RealColIndex(pasted.Left), pasted.Top, RealColIndex(pasted.Right), pasted.Bottom});
    return count;
}

int TVxStringGridPrivate::PasteClipboardAt(int ACol, int ARow, int& Rows, int& Cols)
{
    Rows = Cols = 0;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return 0;
    const QString cellsType = DragFormatMimeType(CF_GRIDCELLS_NAME);
    if (q->AllowFormattedClipboard() && data->hasFormat(cellsType)) {
        const auto stream = ReadGridCellsBlock(data->data(cellsType));
        std::int32_t id = 0;
        if (stream && q->BinStreamHead(*stream, Cols, Rows, id)) {
            q->PasteStarting();
            if (Shared.FNavigation->AllowClipboardColGrow() && ACol + Cols > q->ColCount())
                q->SetColCount(std::min(ACol + Cols, Max_Exchange_Cols));
            if (Shared.FNavigation->ClipboardPasteAction() == TClipboardPasteAction::paInsert)
                q->InsertRows(ARow, Rows);
            else if (Shared.FNavigation->AllowClipboardRowGrow() && ARow + Rows > q->RowCount())
                q->SetRowCount(std::min(ARow + Rows, Max_Exchange_Rows));
            int count = 0;
            if (q->LoadAtPointFromBinStream(TPoint{ACol, ARow}, *stream)) {
                q->CellsPasted(id == BinStreamID() ? Shared.FClipTopLeft : TPoint{-1, -1},
                            TGridRect{ACol, ARow, ACol + Cols - 1, ARow + Rows - 1}, Shared.FClipLastOp);
                count = Cols * Rows;
            }
            q->PasteFinished();
            return count;
        }
    }
    const QString rtfType = DragFormatMimeType(CF_RTF_NAME);
    if (Shared.FNavigation->AllowRTFClipboard() && data->hasFormat(rtfType)) {
        QByteArray rtf = data->data(rtfType);
        rtf.truncate(rtf.indexOf('\0') < 0 ? rtf.size() : rtf.indexOf('\0'));
        if (q->IsEditable(ACol, ARow))
            q->PasteCellText(q->RealColIndex(ACol), ARow, QString::fromLatin1(rtf));
        Rows = Cols = 1;
        return 0;
    }
    if (data->hasText())
        return q->PasteTextBlock(ACol, ARow, Rows, Cols, data->text());
    return 0;
}

void TVxStringGrid::PasteFromClipboard()
{
    ImportNotification(TGridImportState::isImportStart, -1);
    d->Shared.FPasteAll = true;
    int rows = 0, cols = 0;
    d->PasteClipboardAt(SaveStartCol(), SaveStartRow(), rows, cols);
    ImportNotification(TGridImportState::isImportDone, -1);
    CellsLoaded();
}

void TVxStringGrid::PasteSelectionFromClipboard()
{
    ImportNotification(TGridImportState::isImportStart, -1);
    d->Shared.FPasteAll = false;
    const TGridRect s = Normalized(Selection());
    const int left = Options().testFlag(TGridOption::goRowSelect) ? FixedCols() : s.Left;
    int rows = 0, cols = 0;
    const int pasted = d->PasteClipboardAt(left, s.Top, rows, cols);
    const int selected = (s.Right - s.Left + 1) * (s.Bottom - s.Top + 1);
    if (d->Shared.FNavigation->AllowSmartClipboard() && pasted > 0 && pasted != selected)
        d->SmartFill(TGridRect{left, s.Top, s.Right, s.Bottom}, pasted, rows, cols);
    ImportNotification(TGridImportState::isImportDone, -1);
    CellsLoaded();
}

void TVxStringGrid::SetSelectionAsText(const QString& Value)
{
    const TGridRect s = Normalized(Selection());
    const QList<QStringList> lines = ParseTabText(Value);
    int right = s.Left, bottom = s.Top;
    BeginUpdate();
    for (int i = 0; i < lines.size(); ++i) {
        const int row = s.Top + i;
        if (row >= RowCount()) {
            if (row >= Max_Exchange_Rows)
                break;
            SetRowCount(row + 1);
        }
        for (int j = 0; j < lines[i].size() && s.Left + j < Max_Exchange_Cols; ++j) {
            const int col = s.Left + j;
            if (col >= ColCount())
                SetColCount(col + 1);
            SetGridCell(RealColIndex(col), row, lines[i][j]);
            right = std::max(right, col);
        }
        bottom = row;
    }
    EndUpdate();
    CellsChanged(TRect{RealColIndex(s.Left), s.Top, RealColIndex(right), bottom});
}

void TVxStringGridPrivate::SmartFill(const TGridRect& Sel, int Pasted, int Rows, int Cols)
{
    q->PasteStarting();
    const bool always = Shared.FNavigation->AllowClipboardAlways();
    auto fill = [&](int c, int r, QString Value) {
        if (!always && !q->IsEditable(c, r))
            return;
        bool allow = true;
        if (q->OnClipboardBeforePasteCell)
            q->OnClipboardBeforePasteCell(q, c, r, Value, allow);
        if (!allow)
            return;
        q->PasteCellText(q->RealColIndex(c), r, Value);
        if (q->OnClipboardAfterPasteCell)
            q->OnClipboardAfterPasteCell(q, c, r, Value);
    };
    auto textOf = [this](int c, int r) {
        const int real = q->RealColIndex(c);
        bool checked = false;
        if (q->GetCellType(real, r) == TCellType::ctCheckBox && q->GetCheckBoxState(real, r, checked))
            return checked ? q->CheckTrue() : q->CheckFalse();
        return q->Cells(real, r);
    };
    const bool column = Sel.Left == Sel.Right, row = Sel.Top == Sel.Bottom;
    if (Pasted == 1) {
        const QString text = textOf(Sel.Left, Sel.Top);
        for (int r = Sel.Top; r <= Sel.Bottom; ++r)
            for (int c = Sel.Left; c <= Sel.Right; ++c)
                if (c != Sel.Left || r != Sel.Top)
                    fill(c, r, text);
        q->CellsPasted(Shared.FClipTopLeft, Sel, TClipOperation::coCopy);
    } else if (column || row) {
        std::vector<TPoint> cells;
        for (int r = Sel.Top; r <= Sel.Bottom; ++r)
            for (int c = Sel.Left; c <= Sel.Right; ++c)
                cells.push_back(TPoint{c, r});
        const QString first = textOf(cells[0].X, cells[0].Y), second = textOf(cells[1].X, cells[1].Y);
        bool ok1 = false, ok2 = false;
        const QChar decimal = DecimalSeparatorChar();
        if (first.contains(decimal) || second.contains(decimal)) {
            QString a = first, b = second;
            const double v1 = a.replace(decimal, QLatin1Char('.')).toDouble(&ok1);
            const double v2 = b.replace(decimal, QLatin1Char('.')).toDouble(&ok2);
            for (std::size_t k = 2; ok1 && ok2 && k < cells.size(); ++k)
                fill(cells[k].X, cells[k].Y, FormatSeriesFloat(v1 + double(k) * (v2 - v1), q->FloatFormat()));
        } else {
            const qint64 v1 = first.toLongLong(&ok1), v2 = second.toLongLong(&ok2);
            for (std::size_t k = 2; ok1 && ok2 && k < cells.size(); ++k)
                fill(cells[k].X, cells[k].Y, QString::number(v1 + qint64(k) * (v2 - v1)));
        }
        if (!ok1 || !ok2) {
            // Texts repeat by the copied block's extent along the selection.
            const std::size_t extent = std::size_t(std::max(1, column ? Rows : Cols));
            for (std::size_t k = extent; k < cells.size(); ++k)
                fill(cells[k].X, cells[k].Y, textOf(cells[k - extent].X, cells[k - extent].Y));
            q->CellsPasted(Shared.FClipTopLeft, Sel, TClipOperation::coCopy);
        }
    } else if (Rows == 1) {
        for (int r = Sel.Top + 1; r <= Sel.Bottom; ++r) {
            int rows = 0, cols = 0;
            PasteClipboardAt(Sel.Left, r, rows, cols);
        }
    } else if (Cols == 1) {
        for (int c = Sel.Left + 1; c <= Sel.Right; ++c) {
            int rows = 0, cols = 0;
            PasteClipboardAt(c, Sel.Top, rows, cols);
        }
    }
    q->CellsChanged(TRect{q->RealColIndex(Sel.Left), Sel.Top, q->RealColIndex(Sel.Right), Sel.Bottom});
    q->PasteFinished();
}
