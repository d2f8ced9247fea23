// The grid's window notifications: focus gain and loss with the enter and exit steps, painting under the
// update lock, enabled, colour and style changes, sizing with column synchronisation, and following the
// owning window's size.
#include "grid/core/VxStringGridPrivate.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridSettings.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/paint/GridLook.h"
#include <QEvent>
#include <QFocusEvent>
#include <QPaintEvent>

namespace {

// Passes the owning window's resizes to the grid; the window's own resize handling runs as before.
class TOwnerResizeFilter : public QObject {
public:
    explicit TOwnerResizeFilter(TVxStringGrid* AGrid) : QObject(AGrid), FGrid(AGrid) {}
    bool eventFilter(QObject* Watched, QEvent* e) override
    {
        if (e->type() == QEvent::Resize && Watched->isWidgetType())
            FGrid->OwnerFormResize(static_cast<QWidget*>(Watched));
        return false;
    }

private:
    TVxStringGrid* FGrid;
};

} // namespace

void TVxStringGrid::focusInEvent(QFocusEvent* e)
{
    if (d->Interaction.FInvokedFocusChange)
        return;
    TBaseGrid::focusInEvent(e);
    if (HasCheckBox(RealColIndex(Col()), Row()))
        return;
    // Navigation.AlwaysEdit: the editor opens as the focus arrives, unless it comes back from the editor.
    const bool inView = Col() >= LeftCol() && Col() < LeftCol() + VisibleColCount() && Row() >= TopRow() &&
                        Row() < TopRow() + VisibleRowCount();
    if (d->Shared.FNavigation->AlwaysEdit() && !EditorMode() && GridState() == TGridState::gsNormal && inView &&
        d->CellEditable(Col(), Row()))
        ShowInplaceEdit();
    if (IsMergedCell(Col(), Row()))
        RepaintCell(Col(), Row());
}

void TVxStringGrid::focusOutEvent(QFocusEvent* e)
{
    TBaseGrid::focusOutEvent(e);
    if (IsMergedCell(Col(), Row()))
        RepaintCell(Col(), Row());
}

void TVxStringGrid::DoEnter()
{
    if (d->Interaction.FBlockFocus)
        return;
    TBaseGrid::DoEnter();
    if (Options().testFlag(TGridOption::goEditing) || d->Shared.FMouseActions->RangeSelectAndEdit())
        SelectCell(Col(), Row());
}

// Leaving the grid: a selection made since the last exit becomes the disjunct row marks.
void TVxStringGrid::DoExit()
{
    if (d->Cells.FSelChange && d->Shared.FMouseActions->DisjunctRowSelect())
        SelectionToRowSelect(false);
    d->Cells.FSelChange = false;
    TBaseGrid::DoExit();
}

// Nothing is painted while the update lock is held; EndUpdate repaints once.
void TVxStringGrid::paintEvent(QPaintEvent* e)
{
    if (d->Interaction.FUpdateCount > 0)
        return;
    TBaseGrid::paintEvent(e);
}

void TVxStringGrid::changeEvent(QEvent* e)
{
    TBaseGrid::changeEvent(e);
    switch (e->type()) {
    case QEvent::EnabledChange:
        Invalidate();
        break;
    case QEvent::PaletteChange:
        if (d->Order.FFloatingFooter && d->Order.FFloatingFooter->Visible())
            RepaintRow(RowCount() - 1);
        break;
    case QEvent::StyleChange:
        if (d->Shared.FLookHost)
            AdaptToVCLStyle(*d->Shared.FLookHost, ActiveVisualStyle());
        break;
    default:
        break;
    }
}

void TVxStringGrid::InitOrigColSizes()
{
    d->Interaction.FOrigColSizes.clear();
    for (int c = 0; c < ColCount(); ++c)
        d->Interaction.FOrigColSizes.push_back(ColWidths(c));
    d->Interaction.FOldSize = width();
}

// ColumnSize.SynchWithGrid: every recorded column keeps its share of the grid's width.
void TVxStringGridPrivate::SynchColumnSizes(int NewWidth)
{
    if (!Shared.FColumnSize || !Shared.FColumnSize->SynchWithGrid() || Interaction.FOldSize <= 0)
        return;
    q->HideInplaceEdit();
    const double factor = double(NewWidth) / Interaction.FOldSize;
    int from = 0;
    int to = q->ColCount() - 1;
    if (Shared.FColumnSize->SynchNormalCellsOnly()) {
        from = q->FixedCols();
        to = q->ColCount() - Shared.FFixedRightCols - 1;
    }
    to = std::min(to, int(Interaction.FOrigColSizes.size()) - 1);
    for (int c = from; c <= to; ++c)
        q->SetColWidths(c, int(Interaction.FOrigColSizes[std::size_t(c)] * factor));
}

// A stretched grid reports its new size to the application.
void TVxStringGridPrivate::AfterResize()
{
    if (Shared.FColumnSize && Shared.FColumnSize->Stretch() && Settings.ScrollBarAlways == TScrollBarAlways::saNone &&
        q->OnGridResize)
        q->OnGridResize(q);
}

// The grid follows the window it sits on from the first time it is shown.
void TVxStringGridPrivate::ChainOwnerForm()
{
    if (Shared.FColumnSize && Shared.FColumnSize->SynchWithGrid() && Interaction.FOldSize == 0)
        q->InitOrigColSizes();
    QWidget* form = q->window();
    if (form == q || form == Interaction.FOwnerForm)
        return;
    if (!Interaction.FOwnerFilter)
        Interaction.FOwnerFilter = new TOwnerResizeFilter(q);
    if (Interaction.FOwnerForm)
        Interaction.FOwnerForm->removeEventFilter(Interaction.FOwnerFilter);
    Interaction.FOwnerForm = form;
    Interaction.FPrevSizeX = form->width();
    Interaction.FPrevSizeY = form->height();
    form->installEventFilter(Interaction.FOwnerFilter);
}

void TVxStringGrid::OwnerFormResize(QWidget* Sender)
{
    if (d->Shared.FDestroying || IsDesigning())
        return;
    if (d->Settings.SizeWithForm && Sender && Sender->isWindow()) {
        const int w = width() + Sender->width() - d->Interaction.FPrevSizeX;
        const int h = height() + Sender->height() - d->Interaction.FPrevSizeY;
        if (w > 0 && h > 0) {
            resize(w, h);
            d->Interaction.FPrevSizeX = Sender->width();
            d->Interaction.FPrevSizeY = Sender->height();
        }
    }
    // A stretch column past the columns would throw out of the window's event handling.
    if (d->Shared.FColumnSize->StretchColumn() < ColCount())
        ApplyColumnStretch(d->Shared.FColumnSize->StretchColumn());
}
