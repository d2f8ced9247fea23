#include "grid/core/VxStringGrid.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/foundation/MiniHtml.h"
#include <algorithm>

void TVxStringGrid::SetSelection(const TGridRect& Value)
{
    TBaseGrid::SetSelection(Value);
    if (FActiveCellShow) {
        for (int c = 0; c < ColCount(); ++c)
            InvalidateCell(c, 0);
        for (int r = 0; r < RowCount(); ++r)
            InvalidateCell(0, r);
    }
    if (ActiveRowShow())
        for (int c = 0; c < ColCount(); ++c)
            InvalidateCell(c, Value.Bottom);
}

// The selection moves to a cell past the grid, so nothing shows as selected.
void TVxStringGrid::HideSelection()
{
    FOldSelection = Selection();
    const TGridRect outside{ColCount(), RowCount(), ColCount(), RowCount()};
    TBaseGrid::SetSelection(outside);
    FSelHidden = true;
}

void TVxStringGrid::UnHideSelection()
{
    FSelHidden = false;
    if (FOldSelection.Top < RowCount() && FOldSelection.Left < ColCount()) {
        SetSelection(FOldSelection);
        return;
    }
    const int row = FFixedRowAlways && RowCount() == FixedRows() ? 0 : FixedRows();
    const int col = FFixedColAlways && ColCount() == FixedCols() ? 0 : FixedCols();
    SetSelection(TGridRect{col, row, col, row});
}

void TVxStringGrid::SetHighlightColor(TColor Value)
{
    SetProperty(FHighlightColor, Value, [this] {
        SetHtmlHighlightColors(FHighlightColor, FHighlightTextColor);
        Invalidate();
    });
}

void TVxStringGrid::SetHighlightTextColor(TColor Value)
{
    SetProperty(FHighlightTextColor, Value, [this] {
        SetHtmlHighlightColors(FHighlightColor, FHighlightTextColor);
        Invalidate();
    });
}

// Following the office theme lands with the theme area; the search footer follows at once.
void TVxStringGrid::SetAutoThemeAdapt(bool Value)
{
    SetProperty(FAutoThemeAdapt, Value, [this] { FSearchFooter->SetAutoThemeAdapt(FAutoThemeAdapt); });
}

void TVxStringGrid::RegisterNotifier(TGridChangeNotifier* ANotifier)
{
    if (std::find(FNotifierList.begin(), FNotifierList.end(), ANotifier) == FNotifierList.end())
        FNotifierList.push_back(ANotifier);
}

void TVxStringGrid::UnRegisterNotifier(TGridChangeNotifier* ANotifier)
{
    FNotifierList.erase(std::remove(FNotifierList.begin(), FNotifierList.end(), ANotifier), FNotifierList.end());
}

void TVxStringGrid::CellsChanged(const TRect& R)
{
    if (OnCellsChanged)
        OnCellsChanged(this, R);
    for (TGridChangeNotifier* notifier : FNotifierList)
        notifier->CellsChanged(R);
}

void TVxStringGrid::Notification(QObject* AComponent)
{
    if (!FDestroying && AComponent && AComponent == FSyncGrid->Grid())
        FSyncGrid->SetGrid(nullptr);
}
