#include "grid/core/GridSettings.h"
#include "grid/model/HiddenIndexMap.h"
#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/paint/ControlLook.h"
#include <QDialog>
#include <QMainWindow>

void TVxStringGrid::EndLoading()
{
    if (!d->Shared.FLoading)
        return;
    d->Shared.FLoading = false;
    Loaded();
}

void TVxStringGrid::Loaded()
{
    d->Shared.FRememberedCursor = Cursor();
    ShowColumnHeaders();
    ShowRowHeaders();
    d->Shared.FFixedRowsMin = TBaseGrid::FixedRows();
    d->Shared.FFixedColsMin = TBaseGrid::FixedCols();
    d->Settings.MinRowHeight = DefaultRowHeight();
    d->LoadSavedColSizes();
    d->Settings.MinColWidth = 10;
    d->Shared.FLargestRowCount = RowCount();
    d->Shared.FLoaded = true;
    if (Options().testFlag(TGridOption::goAlwaysShowEditor)) {
        d->Shared.FNavigation->SetAlwaysEdit(true);
        SetOptions(Options() & ~TGridOptions(TGridOption::goAlwaysShowEditor));
    }
    d->Shared.FSearchFooter->SetAutoThemeAdapt(d->Shared.FAutoThemeAdapt);
}

// Layout, settings and cells of another string grid; any other source is ignored.
void TVxStringGrid::Assign(const QObject* Source)
{
    const auto* src = dynamic_cast<const TVxStringGrid*>(Source);
    if (!src || src == this)
        return;
    SetFont(src->Font());
    d->Shared.FAppearance.ActiveCellColor = src->d->Shared.FAppearance.ActiveCellColor;
    d->Shared.FAppearance.ActiveCellColorTo = src->d->Shared.FAppearance.ActiveCellColorTo;
    *d->Shared.FActiveCellFont = *src->d->Shared.FActiveCellFont;
    d->Shared.FActiveCellShow = src->d->Shared.FActiveCellShow;
    SetActiveRowShow(src->ActiveRowShow());
    d->Settings.AnchorHint = src->d->Settings.AnchorHint;
    d->Settings.AutoNumAlign = src->d->Settings.AutoNumAlign;
    d->Settings.AutoSize = src->d->Settings.AutoSize;
    d->Shared.FAutoThemeAdapt = src->d->Shared.FAutoThemeAdapt;
    d->Settings.AutoFilterUpdate = src->d->Settings.AutoFilterUpdate;
    d->Shared.FMouseActions->Assign(src->d->Shared.FMouseActions.get());
    d->Shared.FNavigation->Assign(src->d->Shared.FNavigation.get());
    d->Shared.FSearchFooter->Assign(src->d->Shared.FSearchFooter.get());
    d->Shared.FPrintSettings->Assign(src->d->Shared.FPrintSettings.get());
    d->Shared.FHTMLSettings->Assign(src->d->Shared.FHTMLSettings.get());
    d->Shared.FBands->Assign(src->d->Shared.FBands.get());
    d->Shared.FCellNode->Assign(src->d->Shared.FCellNode.get());
    d->Shared.FColumnSize->Assign(src->d->Shared.FColumnSize.get());
    d->Shared.FSyncGrid->Assign(src->d->Shared.FSyncGrid.get());
    d->Shared.FFocusHelper->Assign(src->d->Shared.FFocusHelper.get());
    d->Shared.FControlLook->Assign(src->d->Shared.FControlLook.get());
    d->Shared.FFixedRowAlways = src->d->Shared.FFixedRowAlways;
    SetColCount(src->ColCount());
    SetRowCount(src->RowCount());
    SetFixedRows(src->FixedRows());
    SetFixedCols(src->FixedCols());
    SetDefaultColWidth(src->DefaultColWidth());
    SetDefaultRowHeight(src->DefaultRowHeight());
    SetFixedRowHeight(src->FixedRowHeight());
    SetFixedColWidth(src->FixedColWidth());
    d->Settings.InvalidEntryTitle = src->d->Settings.InvalidEntryTitle;
    d->Settings.InvalidEntryIcon = src->d->Settings.InvalidEntryIcon;
    d->Settings.InvalidEntryText = src->d->Settings.InvalidEntryText;
    SetOptions(src->Options());
    for (int c = 0; c < ColCount(); ++c)
        SetColWidths(c, src->ColWidths(c));
    d->Shared.FColumnHeaders = src->d->Shared.FColumnHeaders;
    for (int r = 0; r < RowCount(); ++r)
        SetRowHeights(r, src->RowHeights(r));
    d->Settings.ScrollProportional = src->d->Settings.ScrollProportional;
    d->Settings.ScrollSynch = src->d->Settings.ScrollSynch;
    d->Settings.ScrollHints = src->d->Settings.ScrollHints;
    d->Settings.ScrollBarAlways = src->d->Settings.ScrollBarAlways;
    SetScrollBars(src->ScrollBars());
    d->Settings.ScrollColor = src->d->Settings.ScrollColor;
    d->Shared.FAppearance.ScrollType = src->d->Shared.FAppearance.ScrollType;
    d->Settings.ScrollWidth = src->d->Settings.ScrollWidth;
    AssignCells(Source);
}

// Raw texts, hidden columns included: the native text stream would pass them through the export hooks and
// the save range.
void TVxStringGrid::AssignCells(const QObject* Source)
{
    const auto* src = dynamic_cast<const TVxStringGrid*>(Source);
    if (!src || src == this)
        return;
    for (int r = 0; r < src->RowCount(); ++r)
        for (int c = 0; c < src->AllColCount(); ++c)
            SetGridCell(c, r, src->GetGridCell(c, r));
}

// Right after an edit change one repaint is skipped: the editor already shows the text.
void TVxStringGrid::Invalidate()
{
    if (d->Shared.FEditChange) {
        d->Shared.FEditChange = false;
        return;
    }
    InvalidateGrid();
}

void TVxStringGrid::SetBorderColor(TColor Value)
{
    SetProperty(d->Shared.FAppearance.BorderColor, Value, [this] { update(); });
}

QWidget* TVxStringGrid::FindParentForm(QWidget* Control)
{
    for (QWidget* w = Control; w; w = w->parentWidget())
        if (w->isWindow() && (qobject_cast<QDialog*>(w) || qobject_cast<QMainWindow*>(w) || !w->parentWidget()))
            return w;
    return nullptr;
}
