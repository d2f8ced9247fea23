#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/foundation/MiniHtml.h"
#include <algorithm>

void TVxStringGrid::SetSelection(const TGridRect& Value)
{
    TBaseGrid::SetSelection(Value);
    if (d->Shared.FActiveCellShow) {
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
    d->Shared.FOldSelection = Selection();
    const TGridRect outside{ColCount(), RowCount(), ColCount(), RowCount()};
    TBaseGrid::SetSelection(outside);
    d->Shared.FSelHidden = true;
}

void TVxStringGrid::UnHideSelection()
{
    d->Shared.FSelHidden = false;
    if (d->Shared.FOldSelection.Top < RowCount() && d->Shared.FOldSelection.Left < ColCount()) {
        SetSelection(d->Shared.FOldSelection);
        return;
    }
    const int row = d->Shared.FFixedRowAlways && RowCount() == FixedRows() ? 0 : FixedRows();
    const int col = d->Shared.FFixedColAlways && ColCount() == FixedCols() ? 0 : FixedCols();
    SetSelection(TGridRect{col, row, col, row});
}

void TVxStringGrid::SetHighlightColor(TColor Value)
{
    SetProperty(d->Shared.FHighlightColor, Value, [this] {
        SetHtmlHighlightColors(d->Shared.FHighlightColor, d->Shared.FHighlightTextColor);
        Invalidate();
    });
}

void TVxStringGrid::SetHighlightTextColor(TColor Value)
{
    SetProperty(d->Shared.FHighlightTextColor, Value, [this] {
        SetHtmlHighlightColors(d->Shared.FHighlightColor, d->Shared.FHighlightTextColor);
        Invalidate();
    });
}

// Following the office theme lands with the theme area; the search footer follows at once.
void TVxStringGrid::SetAutoThemeAdapt(bool Value)
{
    SetProperty(d->Shared.FAutoThemeAdapt, Value,
                [this] { d->Shared.FSearchFooter->SetAutoThemeAdapt(d->Shared.FAutoThemeAdapt); });
}

void TVxStringGrid::RegisterNotifier(TGridChangeNotifier* ANotifier)
{
    if (std::find(d->Shared.FNotifierList.begin(), d->Shared.FNotifierList.end(), ANotifier) ==
        d->Shared.FNotifierList.end())
        d->Shared.FNotifierList.push_back(ANotifier);
}

void TVxStringGrid::UnRegisterNotifier(TGridChangeNotifier* ANotifier)
{
    d->Shared.FNotifierList.erase(
        std::remove(d->Shared.FNotifierList.begin(), d->Shared.FNotifierList.end(), ANotifier),
        d->Shared.FNotifierList.end());
}

void TVxStringGrid::CellsChanged(const TRect& R)
{
    if (OnCellsChanged)
        OnCellsChanged(this, R);
    for (TGridChangeNotifier* notifier : d->Shared.FNotifierList)
        notifier->CellsChanged(R);
}

void TVxStringGrid::Notification(QObject* AComponent)
{
    if (!d->Shared.FDestroying && AComponent && AComponent == d->Shared.FSyncGrid->Grid())
        d->Shared.FSyncGrid->SetGrid(nullptr);
}
