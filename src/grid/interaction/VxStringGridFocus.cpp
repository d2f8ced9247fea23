// The grid's window notifications: focus gain and loss with the enter and exit steps, painting under the
// update lock, enabled, colour and style changes, sizing with column synchronisation, and following the
// owning window's size.
#include "grid/core/VxStringGrid.h"
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
    if (FInvokedFocusChange)
        return;
    TBaseGrid::focusInEvent(e);
    if (HasCheckBox(RealColIndex(Col()), Row()))
        return;
    // Navigation.AlwaysEdit: the editor opens as the focus arrives, unless it comes back from the editor.
    const bool inView = Col() >= LeftCol() && Col() < LeftCol() + VisibleColCount() && Row() >= TopRow() &&
                        Row() < TopRow() + VisibleRowCount();
    if (FNavigation->AlwaysEdit() && !EditorMode() && GridState() == TGridState::gsNormal && inView &&
        CellEditable(Col(), Row()))
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
    if (FBlockFocus)
        return;
    TBaseGrid::DoEnter();
    if (Options().testFlag(TGridOption::goEditing) || FMouseActions->RangeSelectAndEdit())
        SelectCell(Col(), Row());
}

// Leaving the grid: a selection made since the last exit becomes the disjunct row marks.
void TVxStringGrid::DoExit()
{
    if (FSelChange && FMouseActions->DisjunctRowSelect())
        SelectionToRowSelect(false);
    FSelChange = false;
    TBaseGrid::DoExit();
}

// Nothing is painted while the update lock is held; EndUpdate repaints once.
void TVxStringGrid::paintEvent(QPaintEvent* e)
{
    if (FUpdateCount > 0)
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
        if (FFloatingFooter && FFloatingFooter->Visible())
            RepaintRow(RowCount() - 1);
        break;
    case QEvent::StyleChange:
        if (FLookHost)
            AdaptToVCLStyle(*FLookHost, ActiveVisualStyle());
        break;
    default:
        break;
    }
}

void TVxStringGrid::InitOrigColSizes()
{
    FOrigColSizes.clear();
    for (int c = 0; c < ColCount(); ++c)
        FOrigColSizes.push_back(ColWidths(c));
    FOldSize = width();
}

// ColumnSize.SynchWithGrid: every recorded column keeps its share of the grid's width.
void TVxStringGrid::SynchColumnSizes(int NewWidth)
{
    if (!FColumnSize || !FColumnSize->SynchWithGrid() || FOldSize <= 0)
        return;
    HideInplaceEdit();
    const double factor = double(NewWidth) / FOldSize;
    int from = 0;
    int to = ColCount() - 1;
    if (FColumnSize->SynchNormalCellsOnly()) {
        from = FixedCols();
        to = ColCount() - FFixedRightCols - 1;
    }
    to = std::min(to, int(FOrigColSizes.size()) - 1);
    for (int c = from; c <= to; ++c)
        SetColWidths(c, int(FOrigColSizes[std::size_t(c)] * factor));
}

// A stretched grid reports its new size to the application.
void TVxStringGrid::AfterResize()
{
    if (FColumnSize && FColumnSize->Stretch() && F.ScrollBarAlways == TScrollBarAlways::saNone && OnGridResize)
        OnGridResize(this);
}

// The grid follows the window it sits on from the first time it is shown.
void TVxStringGrid::ChainOwnerForm()
{
    if (FColumnSize && FColumnSize->SynchWithGrid() && FOldSize == 0)
        InitOrigColSizes();
    QWidget* form = window();
    if (form == this || form == FOwnerForm)
        return;
    if (!FOwnerFilter)
        FOwnerFilter = new TOwnerResizeFilter(this);
    if (FOwnerForm)
        FOwnerForm->removeEventFilter(FOwnerFilter);
    FOwnerForm = form;
    FPrevSizeX = form->width();
    FPrevSizeY = form->height();
    form->installEventFilter(FOwnerFilter);
}

void TVxStringGrid::OwnerFormResize(QWidget* Sender)
{
    if (FDestroying || IsDesigning())
        return;
    if (F.SizeWithForm && Sender && Sender->isWindow()) {
        const int w = width() + Sender->width() - FPrevSizeX;
        const int h = height() + Sender->height() - FPrevSizeY;
        if (w > 0 && h > 0) {
            resize(w, h);
            FPrevSizeX = Sender->width();
            FPrevSizeY = Sender->height();
        }
    }
    // A stretch column past the columns would throw out of the window's event handling.
    if (FColumnSize->StretchColumn() < ColCount())
        ApplyColumnStretch(FColumnSize->StretchColumn());
}
