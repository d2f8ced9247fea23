#include "grid/core/GridSettings.h"
#include "grid/model/HiddenIndexMap.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/paint/ControlLook.h"
#include <QDialog>
#include <QMainWindow>

void TVxStringGrid::EndLoading()
{
    if (!FLoading)
        return;
    FLoading = false;
    Loaded();
}

void TVxStringGrid::Loaded()
{
    FRememberedCursor = Cursor();
    ShowColumnHeaders();
    ShowRowHeaders();
    FFixedRowsMin = TBaseGrid::FixedRows();
    FFixedColsMin = TBaseGrid::FixedCols();
    F.MinRowHeight = DefaultRowHeight();
    LoadSavedColSizes();
    F.MinColWidth = 10;
    FLargestRowCount = RowCount();
    FLoaded = true;
    if (Options().testFlag(TGridOption::goAlwaysShowEditor)) {
        FNavigation->SetAlwaysEdit(true);
        SetOptions(Options() & ~TGridOptions(TGridOption::goAlwaysShowEditor));
    }
    FSearchFooter->SetAutoThemeAdapt(FAutoThemeAdapt);
}

// Layout, settings and cells of another string grid; any other source is ignored.
void TVxStringGrid::Assign(const QObject* Source)
{
    const auto* src = dynamic_cast<const TVxStringGrid*>(Source);
    if (!src || src == this)
        return;
    SetFont(src->Font());
    FAppearance.ActiveCellColor = src->FAppearance.ActiveCellColor;
    FAppearance.ActiveCellColorTo = src->FAppearance.ActiveCellColorTo;
    *FActiveCellFont = *src->FActiveCellFont;
    FActiveCellShow = src->FActiveCellShow;
    SetActiveRowShow(src->ActiveRowShow());
    F.AnchorHint = src->F.AnchorHint;
    F.AutoNumAlign = src->F.AutoNumAlign;
    F.AutoSize = src->F.AutoSize;
    FAutoThemeAdapt = src->FAutoThemeAdapt;
    F.AutoFilterUpdate = src->F.AutoFilterUpdate;
    FMouseActions->Assign(src->FMouseActions.get());
    FNavigation->Assign(src->FNavigation.get());
    FSearchFooter->Assign(src->FSearchFooter.get());
    FPrintSettings->Assign(src->FPrintSettings.get());
    FHTMLSettings->Assign(src->FHTMLSettings.get());
    FBands->Assign(src->FBands.get());
    FCellNode->Assign(src->FCellNode.get());
    FColumnSize->Assign(src->FColumnSize.get());
    FSyncGrid->Assign(src->FSyncGrid.get());
    FFocusHelper->Assign(src->FFocusHelper.get());
    FControlLook->Assign(src->FControlLook.get());
    FFixedRowAlways = src->FFixedRowAlways;
    SetColCount(src->ColCount());
    SetRowCount(src->RowCount());
    SetFixedRows(src->FixedRows());
    SetFixedCols(src->FixedCols());
    SetDefaultColWidth(src->DefaultColWidth());
    SetDefaultRowHeight(src->DefaultRowHeight());
    SetFixedRowHeight(src->FixedRowHeight());
    SetFixedColWidth(src->FixedColWidth());
    F.InvalidEntryTitle = src->F.InvalidEntryTitle;
    F.InvalidEntryIcon = src->F.InvalidEntryIcon;
    F.InvalidEntryText = src->F.InvalidEntryText;
    SetOptions(src->Options());
    for (int c = 0; c < ColCount(); ++c)
        SetColWidths(c, src->ColWidths(c));
    FColumnHeaders = src->FColumnHeaders;
    for (int r = 0; r < RowCount(); ++r)
        SetRowHeights(r, src->RowHeights(r));
    F.ScrollProportional = src->F.ScrollProportional;
    F.ScrollSynch = src->F.ScrollSynch;
    F.ScrollHints = src->F.ScrollHints;
    F.ScrollBarAlways = src->F.ScrollBarAlways;
    SetScrollBars(src->ScrollBars());
    F.ScrollColor = src->F.ScrollColor;
    FAppearance.ScrollType = src->FAppearance.ScrollType;
    F.ScrollWidth = src->F.ScrollWidth;
    AssignCells(Source);
}

// Until the grid's own stream format lands, the cells are copied text by text, hidden columns included.
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
    if (FEditChange) {
        FEditChange = false;
        return;
    }
    InvalidateGrid();
}

void TVxStringGrid::SetBorderColor(TColor Value)
{
    SetProperty(FAppearance.BorderColor, Value, [this] { update(); });
}

QWidget* TVxStringGrid::FindParentForm(QWidget* Control)
{
    for (QWidget* w = Control; w; w = w->parentWidget())
        if (w->isWindow() && (qobject_cast<QDialog*>(w) || qobject_cast<QMainWindow*>(w) || !w->parentWidget()))
            return w;
    return nullptr;
}
