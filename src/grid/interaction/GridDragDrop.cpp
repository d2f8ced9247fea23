#include "grid/interaction/GridDragDrop.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/foundation/GridWindows.h"
#include "grid/model/IntList.h"
#include "platform/Dialogs.h"
#include <QFileInfo>
#include <QListWidget>
#include <QPixmap>

namespace {
constexpr int kDragImageAlpha = 192;
} // namespace

// ---- Settings ----

void TDragDropSettings::Assign(const TDragDropSettings& Source)
{
    const bool target = F.OleDropTarget;
    F = Source.F;
    F.OleDropTarget = target;
    SetOleDropTarget(Source.F.OleDropTarget);
    SetOleDropRTF(Source.F.OleDropRTF);
    AcceptChanged();
}

void TDragDropSettings::SetOleAcceptFiles(bool v)
{
    F.OleAcceptFiles = v;
    AcceptChanged();
}

void TDragDropSettings::SetOleAcceptText(bool v)
{
    F.OleAcceptText = v;
    AcceptChanged();
}

void TDragDropSettings::SetOleAcceptURLs(bool v)
{
    F.OleAcceptURLs = v;
    AcceptChanged();
}

void TDragDropSettings::SetOleDropTarget(bool v)
{
    F.OleDropTarget = v;
    if (FOwner)
        FOwner->SetOleDropTargetEnabled(v);
    AcceptChanged();
}

void TDragDropSettings::SetOleDropRTF(bool v)
{
    F.OleDropRTF = v;
    SetRTFDropEnabled(v);
}

void TDragDropSettings::AcceptChanged()
{
    if (TGridDropTarget* target = FOwner ? FOwner->GridDropTarget() : nullptr) {
        target->SetAcceptText(F.OleAcceptText);
        target->SetAcceptFiles(F.OleAcceptFiles);
        target->SetAcceptURLs(F.OleAcceptURLs);
        target->SetAcceptCols(true);
    }
}

// ---- The grid's side ----

void TVxStringGrid::SetOleDropTargetEnabled(bool Value)
{
    if (IsDesigning())
        return;
    if (Value && !d->Aux.FGridDropTarget) {
        d->Aux.FGridDropTarget = std::make_unique<TGridDropTarget>(this);
        d->Aux.FGridDropTarget->Register(viewport());
        d->Aux.FOleDropTargetAssigned = true;
    } else if (!Value && d->Aux.FGridDropTarget) {
        // Dropping the filter object revokes the registration at once.
        d->Aux.FGridDropTarget.reset();
        viewport()->setAcceptDrops(false);
        d->Aux.FOleDropTargetAssigned = false;
    }
}

void TVxStringGrid::OleColumnDragStart(int ACol, int AIndex, QListWidget* AList)
{
    d->Aux.FOleDragCol = ACol;
    d->Aux.FOleDragIndex = AIndex;
    d->Aux.FOleDragList = AList;
}

// ---- Drop target ----

TGridDropTarget::TGridDropTarget(TVxStringGrid* AGrid) : TVXGDropTarget(nullptr), FGrid(AGrid)
{
    const TDragDropSettings& s = AGrid->DragDropSettings();
    SetAcceptText(s.OleAcceptText());
    SetAcceptFiles(s.OleAcceptFiles());
    SetAcceptURLs(s.OleAcceptURLs());
    SetAcceptCols(true);
}

TGridDropTarget::TTarget TGridDropTarget::TargetAt(QPoint pt, bool Column) const
{
    TTarget t;
    t.Client = FGrid->viewport()->mapFromGlobal(pt);
    FGrid->MouseToCell(t.Client.x(), t.Client.y(), t.Col, t.Row);
    const TDragDropSettings& s = FGrid->DragDropSettings();
    if (t.Row < 0 && !Column && s.OleEntireRows() && s.OleAppendRows() && FGrid->RowCount() > 0) {
        const int left = FGrid->LeftCol();
        const TRect last = FGrid->CalcCellRect(left, FGrid->RowCount() - 1);
        if (t.Client.y() >= last.Bottom) {
            t.Row = FGrid->RowCount() - 1;
            t.Col = FGrid->FixedCols();
            t.Append = true;
        }
    }
    return t;
}

void TGridDropTarget::HideArrows()
{
    for (TArrowWindow* arrow : FGrid->d->Shared.FArrows)
        if (arrow)
            arrow->hide();
}

void TGridDropTarget::DragMouseMove(QPoint pt, bool& Allow, TDropFormats DropFormats)
{
    TVxStringGrid& g = *FGrid;
    const bool column = DropFormats.Contains(TDropFormat::dfCol);
    TTarget t = TargetAt(pt, column);
    g.DragScrollOver(t.Client.x(), t.Client.y(), TDragState::dsDragMove);
    Allow = t.Row >= 0 && t.Col >= 0;
    if (Allow && !column) {
        if ((t.Row == 0 && g.TopRow() > g.FixedRows()) ||
            (t.Client.y() < 8 && g.FixedRows() == 0 && g.TopRow() > 0))
            g.SetTopRow(g.TopRow() - 1);
        else if (t.Row == g.TopRow() + g.VisibleRowCount())
            g.SetTopRow(g.TopRow() + 1);
        // Horizontal steps at most once per grid-timer tick: the step makes the count odd.
        if (g.d->Interaction.FTimerTicks % 2 == 0) {
            if (t.Col == 0 && g.LeftCol() > g.FixedCols()) {
                g.SetLeftCol(g.LeftCol() - 1);
                ++g.d->Interaction.FTimerTicks;
            } else if (t.Col == g.LeftCol() + g.VisibleColCount()) {
                g.SetLeftCol(g.LeftCol() + 1);
                ++g.d->Interaction.FTimerTicks;
            }
        }
    }
    if (column) {
        if (t.Col < 0 && t.Client.x() >= 0) {
            t.Col = g.ColCount();
            t.Row = 0;
            Allow = true;
        } else {
            Allow = Allow && t.Row < g.FixedRows() && t.Col >= g.FixedCols();
        }
    } else if (Allow && t.Row < g.FixedRows() && !(g.FixedRowAlways() && g.RowCount() == 1)) {
        Allow = false;
    }
    if (DropFormats.Contains(TDropFormat::dfFile) || DropFormats.Contains(TDropFormat::dfGridCells))
        Allow = true;
    if (g.OnOleDragOver)
        g.OnOleDragOver(&g, t.Row, t.Col, Allow);
    Allow = Allow && ((t.Row >= 0 && t.Col >= 0) || DropFormats.Contains(TDropFormat::dfFile));

    HideArrows();
    if (!Allow)
        return;
    if (column && g.d->Arrow(1) && g.d->Arrow(0)) {
        TArrowWindow* arwD = g.d->Arrow(1);
        TArrowWindow* arwU = g.d->Arrow(0);
        const int c = std::min(t.Col, g.ColCount() - 1);
        TRect r = g.CalcCellRect(c, 0);
        const int x = t.Col >= g.ColCount() ? r.Right : r.Left;
        arwD->move(g.viewport()->mapToGlobal(QPoint(x - arwD->width() / 2, r.Top - 8)));
        arwU->move(g.viewport()->mapToGlobal(QPoint(x - arwU->width() / 2, r.Bottom)));
        arwD->show();
        arwU->show();
    } else if (!column && t.Row >= 0 && g.d->Arrow(2)) {
        TArrowWindow* arwL = g.d->Arrow(2);
        int row = t.Row;
        bool append = t.Append;
        if (row == 0 && g.FixedRowAlways()) {
            row = 1;
            append = false;
        }
        const int col = g.DragDropSettings().OleEntireRows() ? g.FixedCols() : std::max(t.Col, 0);
        const TRect r = g.CalcCellRect(col, std::min(row, g.RowCount() - 1));
        const int y = append ? r.Bottom : r.Top;
        arwL->move(g.viewport()->mapToGlobal(QPoint(r.Left - 10, y)));
        arwL->show();
    }
}

void TGridDropTarget::DragMouseLeave()
{
    FGrid->DragScrollOver(-1, -1, TDragState::dsDragLeave);
    HideArrows();
}

void TGridDropTarget::DropText(QPoint pt, const QString& s)
{
    TVxStringGrid& g = *FGrid;
    const TDragDropSettings& dd = g.DragDropSettings();
    TTarget t = TargetAt(pt, false);
    if (t.Append) {
        t.Col = g.FixedCols();
        t.Row = g.RowCount() - 1;
    }
    const TPoint size = TVxStringGrid::MeasureTabText(s);   // fields, line breaks
    const bool rowSelect = g.Options().testFlag(TGridOption::goRowSelect);
    if (rowSelect)
        t.Col = dd.OleEntireRows() ? 0 : g.FixedCols();
    bool allow = true;
    if (g.OnOleDrop)
        g.OnOleDrop(&g, t.Row, t.Col, s, allow);
    TGridRect pasted{-1, -1, -1, -1};
    QString leftOut;
    if (allow && t.Row >= 0 && t.Col >= 0) {
        // Inserted rows stay within what a grid takes; the user is told of the rows left out.
        const qint64 lines = qint64(size.Y) + 1;
        int inserted = int(std::min<qint64>(lines, Max_Exchange_Rows));
        if (dd.OleInsertRows() && g.RowCount() + qint64(inserted) > Max_Exchange_Rows) {
            inserted = std::max(0, Max_Exchange_Rows - g.RowCount());
            leftOut = TVxStringGrid::tr("Only %1 of the %2 dropped rows were added: a grid holds at most %3 rows.")
                          .arg(inserted)
                          .arg(lines)
                          .arg(Max_Exchange_Rows);
        }
        if (t.Row == 0 && g.FixedRowAlways() && g.RowCount() == 1)
            t.Row = 1;
        if (dd.OleInsertRows()) {
            const int oldTop = g.TopRow();
            if (t.Append) {
                g.SetRowCount(g.RowCount() + inserted);
                ++t.Row;
            } else {
                // The row-selection flags move with the inserted rows. The source rectangle of a drag out of
                // this very grid follows only rows really inserted at or above it.
                g.InsertRows(t.Row, inserted);
                if (g.d->Aux.FOleDragging && dd.OleRemoveRows() && g.d->Aux.FDropSelection.Top >= t.Row) {
                    g.d->Aux.FDropSelection.Top += inserted;
                    g.d->Aux.FDropSelection.Bottom += inserted;
                }
            }
            if (oldTop > g.FixedRows())
                g.SetTopRow(oldTop + 1);
        }
        if (t.Col < g.FixedCols())
            t.Col = g.FixedCols();
        // Only the lines that got rows are pasted: the rest would overwrite the rows after them.
        QString kept = s;
        if (!leftOut.isEmpty()) {
            qsizetype end = 0;   // the text has more line breaks than rows were inserted
            for (int i = 0; i < inserted; ++i)
                end = s.indexOf(QLatin1Char('\n'), end) + 1;
            kept = s.left(end);
        }
        int rows = 0, cols = 0;
        if (leftOut.isEmpty() || inserted > 0)
            g.PasteTextBlock(t.Col, t.Row, rows, cols, kept, true);
        pasted = {t.Col, t.Row, rowSelect ? t.Col + size.X - g.FixedCols() : t.Col + size.X - 1,
                  leftOut.isEmpty() ? t.Row + size.Y : t.Row + std::max(0, inserted - 1)};
        pasted.Right = std::min(pasted.Right, g.ColCount() - 1);
        pasted.Bottom = std::min(pasted.Bottom, g.RowCount() - 1);
        g.SetSelection(pasted);
        if (g.d->Aux.FOleDragging)
            g.d->Aux.FOleDropBlock = pasted;
    }
    HideArrows();
    if (!leftOut.isEmpty())
        ShowMessage(leftOut);
    if (g.OnOleDropped)
        g.OnOleDropped(&g, allow ? pasted : TGridRect{});
}

void TGridDropTarget::DropStream(QPoint pt, const QByteArray& Stream)
{
    TVxStringGrid& g = *FGrid;
    const TTarget t = TargetAt(pt, false);
    // A block on a fixed row is refused, as dropped text is.
    if (t.Row >= g.FixedRows() && t.Col >= 0) {
        const int col = std::max(t.Col, g.FixedCols());
        if (g.LoadAtPointFromBinStream(TPoint{col, t.Row}, Stream) && g.d->Aux.FOleDragging) {
            const TGridRect& s = g.d->Aux.FDropSelection;
            g.d->Aux.FOleDropBlock = TGridRect{col, t.Row, col + s.Right - s.Left, t.Row + s.Bottom - s.Top};
        }
    }
    HideArrows();
    if (g.OnOleDropped)
        g.OnOleDropped(&g, g.Selection());
}

void TGridDropTarget::DropRTF(QPoint pt, const QString& s)
{
    TVxStringGrid& g = *FGrid;
    const TTarget t = TargetAt(pt, false);
    bool allow = true;
    if (g.OnOleDrop)
        g.OnOleDrop(&g, t.Row, t.Col, s, allow);
    if (allow && t.Row >= 0 && t.Col >= 0)
        g.SetCells(g.RealColIndex(t.Col), t.Row, s);
    HideArrows();
}

void TGridDropTarget::DropURL(QPoint pt, const QString& s)
{
    TVxStringGrid& g = *FGrid;
    const TTarget t = TargetAt(pt, false);
    bool allow = true;
    if (g.OnOleDropURL)
        g.OnOleDropURL(&g, t.Row, t.Col, s, allow);
    if (allow && t.Row >= 0 && t.Col >= 0)
        g.SetCells(g.RealColIndex(t.Col), t.Row, s);
    HideArrows();
}

void TGridDropTarget::DropFiles(QPoint pt, const QStringList& Files)
{
    HideArrows();
    if (Files.size() != 1)
        return;
    TVxStringGrid& g = *FGrid;
    const TTarget t = TargetAt(pt, false);
    const QString& name = Files.first();
    bool allow = true;
    if (g.OnOleDropFile)
        g.OnOleDropFile(&g, t.Row, t.Col, name, allow);
    if (!allow)
        return;
    const QString upper = name.toUpper();
    const bool csv = upper.contains(QLatin1String(".CSV"));
    // A name holding both is a CSV file that merely mentions a spreadsheet; it is read once.
    if (!csv && !upper.contains(QLatin1String(".XLS")))
        return;
    if (g.OnOleDrop)
        g.OnOleDrop(&g, -1, -1, name, allow);
    if (!allow)
        return;
    QString error;
    if (!csv && !upper.endsWith(QLatin1String(".XLSX"))) {
        error = QStringLiteral("\"%1\" is a spreadsheet in the old .xls format, which is not read; save it as .xlsx "
                               "or .csv and drop that file.").arg(QFileInfo(name).fileName());
    } else {
        try {
            // A CSV file read in part is loaded, and what was left out is told.
            if (csv)
                g.LoadFromCSV(name, -1, &error);
            else
                g.LoadFromXLS(name);
            if (error.isEmpty())
                return;
        } catch (const std::exception& e) {   // none may reach the event loop
            error = QStringLiteral("\"%1\": %2").arg(QFileInfo(name).fileName(), QString::fromUtf8(e.what()));
        }
    }
    ShowMessage(error);
}

void TGridDropTarget::DropCol(QPoint pt, int Col)
{
    TVxStringGrid& g = *FGrid;
    TTarget t = TargetAt(pt, true);
    if (t.Col < 0)
        t.Col = g.ColCount();
    HideArrows();
    auto moveTo = [&g](int from, int to) {
        const bool enh = g.EnhRowColMove();
        g.SetEnhRowColMove(true);
        g.MoveColumn(from, to);
        g.SetEnhRowColMove(enh);
    };
    if (g.d->Aux.FOleDragCol != -1) {
        if (g.d->Aux.FOleDragList && g.d->Aux.FOleDragIndex >= 0 &&
            g.d->Aux.FOleDragIndex < g.d->Aux.FOleDragList->count())
            delete g.d->Aux.FOleDragList->takeItem(g.d->Aux.FOleDragIndex);
        // The list names the column as it stood before any move; it is found through the column order.
        int real = g.d->Aux.FOleDragCol;
        if (g.d->Order.FColumnOrder->Count() > 0)
            real = std::max(0, g.d->Order.FColumnOrder->IndexOf(g.d->Aux.FOleDragCol));
        g.UnHideColumn(real);
        if (t.Col < g.ColCount())
            moveTo(g.DisplColIndex(real), t.Col);
        g.d->Aux.FOleDragCol = -1;
        g.d->Aux.FOleDragIndex = -1;
        g.d->Aux.FOleDragList = nullptr;
    } else if (g.DragDropSettings().OleColumnReorder()) {
        const int to = std::min(t.Col, g.ColCount() - 1);
        const int from = g.DisplColIndex(Col);
        if (from != to && from >= 0)
            moveTo(from, to);
    }
    if (g.OnOleDropCol)
        g.OnOleDropCol(&g, t.Row, Col, t.Col);
}

// ---- Drop source ----

void TGridDropSource::CurrentEffect(Qt::DropAction dwEffect)
{
    if (dwEffect == Qt::CopyAction)
        FLastEffect = 1;
    else if (dwEffect == Qt::MoveAction)
        FLastEffect = 2;
}


// ---- Starting a drag ----

namespace {

int EffectCode(Qt::DropAction Effect)
{
    return Effect == Qt::MoveAction ? 2 : Effect == Qt::CopyAction ? 1 : 0;
}

bool InBlock(const TGridRect& Block, int ACol, int ARow)
{
    return Block.Top >= 0 && Block.Contains(ACol, ARow);
}

} // namespace

void TVxStringGrid::StartOleDrag(int ARow, int ACol)
{
    TGridDropSource source(this);
    if (OnOleDragStart)
        OnOleDragStart(this, ARow, ACol);
    Qt::DropAction effect = Qt::IgnoreAction;
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    d->Aux.FOleDropBlock = TGridRect{-1, -1, -1, -1};
    d->Aux.FOleDragging = true;
    const bool columnDrag = ARow < FixedRows() && d->Aux.FDragDropSettings->OleColumnDragDrop();
    if (d->Aux.FDragDropSettings->ShowCells()) {
        const int lastRow = std::min(RowCount() - 1, TopRow() + VisibleRowCount() - 1);
        const int lastCol = std::min(ColCount() - 1, LeftCol() + VisibleColCount() - 1);
        const TGridRect s = Selection();
        const TGridRect shown = columnDrag ? TGridRect{ACol, 0, ACol, lastRow}
                                           : TGridRect{std::max(s.Left, LeftCol()), std::max(s.Top, TopRow()),
                                                       std::min(s.Right, lastCol), std::min(s.Bottom, lastRow)};
        // The picture sits 4 pixels right of and below the pointer.
        if (shown.Left <= shown.Right && shown.Top <= shown.Bottom)
            source.SetDragImage(QPixmap::fromImage(d->SelectionToImage(shown)), QPoint(-4, -4));
    }
    if (columnDrag) {
        const long result = BeginColumnDrag(this, source, ACol, offered, effect);
        d->Aux.FOleDragging = false;
        if (result != DRAGDROP_S_CANCEL && OnOleDragStop)
            OnOleDragStop(this, EffectCode(effect));
        for (TArrowWindow* arrow : d->Shared.FArrows)
            if (arrow)
                arrow->hide();
        return;
    }
    d->Aux.FDropSelection = Selection();
    QByteArray stream;
    if (d->Shared.FNavigation->AllowFmtClipboard())
        stream = SaveRectToBinStream(d->Aux.FDropSelection);
    const long result = BeginTextDrag(this, source, SelectedText(), Cells(ACol, ARow), effect, offered,
                                      d->Shared.FNavigation->AllowFmtClipboard() ? &stream : nullptr);
    d->Aux.FOleDragging = false;
    if (result == DRAGDROP_S_CANCEL)
        return;
    if (effect == Qt::MoveAction && !d->Aux.FDragDropSettings->OleCopyAlways())
        d->RemoveDragSource();
    if (OnOleDragStop)
        OnOleDragStop(this, EffectCode(effect));
}

// The cells as painted, half see-through, with the fixed line along an edge the grid's fixed cells give them.
QImage TVxStringGridPrivate::SelectionToImage(const TGridRect& ARect)
{
    const TRect a = q->CellRect(ARect.Left, ARect.Top);
    const TRect b = q->CellRect(ARect.Right, ARect.Bottom);
    const QRect area(a.Left + 1, a.Top + 1, b.Right + 1 - a.Left, b.Bottom + 1 - a.Top);
    QImage img = q->viewport()->grab(area).toImage().convertToFormat(QImage::Format_ARGB32);
    const QColor line = ToQColor(q->GridFixedLineColor());
    const TGridOptions options = q->Options();
    for (int y = 0; ARect.Left == 0 && q->FixedCols() > 0 && options.testFlag(TGridOption::goFixedHorzLine) &&
                    y < img.height();
         ++y)
        img.setPixelColor(0, y, line);
    for (int x = 0; ARect.Top == 0 && q->FixedRows() > 0 && options.testFlag(TGridOption::goFixedVertLine) &&
                    x < img.width();
         ++x)
        img.setPixelColor(x, 0, line);
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            row[x] = qRgba(qRed(row[x]), qGreen(row[x]), qBlue(row[x]), kDragImageAlpha);
    }
    return img;
}

// Cells or rows the drop wrote over are the moved data itself and stay.
void TVxStringGridPrivate::RemoveDragSource()
{
    const TGridRect source = Aux.FDropSelection;
    const TGridRect landed = Aux.FOleDropBlock;
    q->BeginUpdate();
    if (Aux.FDragDropSettings->OleRemoveRows() && q->Options().testFlag(TGridOption::goRowSelect)) {
        if (q->MouseActions().DisjunctRowSelect() && landed.Top < 0) {
            q->RemoveSelectedRows();
        } else {
            for (int r = source.Bottom; r >= source.Top; --r)
                if (!(landed.Top >= 0 && r >= landed.Top && r <= landed.Bottom) && r < q->RowCount())
                    q->RemoveRowsDirect(r, 1);
        }
    } else if (q->MouseActions().DisjunctRowSelect() && landed.Top < 0) {
        q->ClearSelection();
    } else {
        for (int r = source.Top; r <= source.Bottom && r < q->RowCount(); ++r)
            for (int c = source.Left; c <= source.Right && c < q->ColCount(); ++c)
                if (!InBlock(landed, c, r))
                    q->SetCells(q->RealColIndex(c), r, QString());
    }
    q->EndUpdate();
}

// ---- The mouse's part: arming on a press, starting on a move, a click when nothing moved ----

bool TVxStringGridPrivate::ArmOleDrag(int ACol, int ARow, int X, int Y, const TRect& CellRect)
{
    const bool fixedRow = ARow < q->FixedRows();
    const bool nearSide = X < CellRect.Left + 4 || X > CellRect.Right - 4;
    if (!Aux.FDragDropSettings->OleDropSource() || q->Options().testFlag(TGridOption::goEditing) ||
        !(q->IsSelected(ACol, ARow) || (fixedRow && !Settings.EnhRowColMove)) ||
        q->HasCheckBox(q->RealColIndex(ACol), ARow) ||
        ((Shared.FMouseActions->ColSelect() || Shared.FMouseActions->AllSelect()) && fixedRow) ||
        ACol < q->FixedCols() || (nearSide && q->Options().testFlag(TGridOption::goColSizing)))
        return false;
    q->setFocus(Qt::MouseFocusReason);
    Aux.FSelectionClick = true;
    Aux.FClickPos = QPoint(X, Y);
    if (q->OnClickCell)
        q->OnClickCell(q, ARow, ACol);
    return true;
}

bool TVxStringGridPrivate::OleDragMove(TShiftState Shift, int X, int Y)
{
    if (!Aux.FSelectionClick || !Shift.testFlag(TShiftStateItem::ssLeft) || !Aux.FDragDropSettings->OleDropSource() ||
        q->GridState() == TGridState::gsColSizing)
        return false;
    if (std::abs(X - Aux.FClickPos.x()) <= 3 && std::abs(Y - Aux.FClickPos.y()) <= 3)
        return false;
    const TGridCoord hit = q->MouseCoord(X, Y);
    if (hit.X < 0 || hit.Y < 0)
        return false;
    Aux.FSelectionClick = false;
    const int realCol = q->RealColIndex(hit.X);
    bool allow = !(Aux.FDragDropSettings->OleColumnsOnly() && hit.Y >= q->FixedRows());
    if (allow && q->OnOleDrag)
        q->OnOleDrag(q, hit.Y, realCol, q->Cells(realCol, hit.Y), allow);
    if (!allow) {
        if (q->GridState() == TGridState::gsNormal)
            q->SetGridState(TGridState::gsSelecting);   // the drag turns into a range selection
        return false;
    }
    q->StartOleDrag(hit.Y, realCol);
    return true;
}

bool TVxStringGridPrivate::OleDragNotStarted(int ACol, int ARow, TShiftState Shift, int X, int Y)
{
    if (!Aux.FSelectionClick)
        return false;
    Aux.FSelectionClick = false;
    if (ARow < q->FixedRows() || ACol < q->FixedCols())
        return false;
    const bool ctrl = Shift.testFlag(TShiftStateItem::ssCtrl);
    if (q->MouseActions().DisjunctRowSelect()) {
        if (ctrl || q->MouseActions().DisjunctRowSelectNoCtrl()) {
            q->SetRowSelect(ARow, !q->GetRowSelect(ARow));
            q->MouseUp(TMouseButton::mbLeft, Shift, X, Y);
            return true;
        }
        q->ClearRowSelect();
    }
    q->RepaintCell(0, q->Row());
    if (q->Options().testFlag(TGridOption::goRowSelect))
        q->SetSelection(TGridRect{q->FixedCols(), ARow, q->ColCount() - 1, ARow});
    else
        q->SetSelection(TGridRect{ACol, ARow, ACol, ARow});
    q->RepaintCell(0, q->Row());
    return false;
}
