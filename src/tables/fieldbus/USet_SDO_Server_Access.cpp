#include "tables/fieldbus/USet_SDO_Server_Access.h"

#include "tables/fieldbus/SDOServerTable.h"

TFSet_SDO_Server_Access* FSet_SDO_Server_Access = nullptr;

TFSet_SDO_Server_Access::TFSet_SDO_Server_Access(QWidget* parent) : TTableWindow(SDO_Server_Editor(), parent)
{
    FSet_SDO_Server_Access = this;
}

void TFSet_SDO_Server_Access::On_Build()
{
    sga = Grids[0];
    sgb = Grids[1];
}

TFSet_SDO_Server_Access::~TFSet_SDO_Server_Access()
{
    if (FSet_SDO_Server_Access == this)
        FSet_SDO_Server_Access = nullptr;
}
