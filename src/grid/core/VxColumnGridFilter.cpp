// The column grid's answers to a chosen filter entry and to saving and loading column positions.
#include "grid/core/GridSettings.h"
#include "grid/model/RowFilter.h"
#include "grid/core/VxColumnGrid.h"
#include "grid/io/GridIniFile.h"

void TVxColumnGrid::FilterSelected(int ItemIndex)
{
    const int col = FilterCol();
    TGridColumnItem* item = col >= 0 && col < FColumnCollection->Count() ? Definition(col) : nullptr;
    if (item && ItemIndex >= 0 && ItemIndex < item->Filter().size()) {
        QString name, condition;
        SplitFilterEntry(item->Filter().at(ItemIndex), name, condition);
        if (FAutoFilterDisplay)
            item->SetHeader(name);
        if (AutoFilterUpdate())
            SetFilterActive(false);
        if (OnFilterSelect)
            OnFilterSelect(this, col, ItemIndex, name, condition);
        TFilterData* data = Filter().GetColFilter(col);
        data->Condition = condition;
        data->CaseSensitive = item->FilterCaseSensitive();
        FilterEntryChosen();
    }
    SetFilterCol(-1);
}

void TVxColumnGrid::SaveColPositions()
{
    if (ColumnSize().Location() == TColumnSizeLocation::clIniFile)
    {
        if (!SaveColumnPositions(ColumnSize().Key(), ColumnSize().Section()))
            throw EInOutError(("Cannot write " + ColumnSize().Key()).toStdString());
    } else
        TVxStringGrid::SaveColPositions();
}

void TVxColumnGrid::LoadColPositions()
{
    if (ColumnSize().Location() == TColumnSizeLocation::clIniFile)
        LoadColumnPositions(ColumnSize().Key(), ColumnSize().Section());
    else
        TVxStringGrid::LoadColPositions();
}
