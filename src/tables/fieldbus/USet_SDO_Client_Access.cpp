#include "tables/fieldbus/USet_SDO_Client_Access.h"

#include "tables/fieldbus/SDOClientTable.h"

TFSet_SDO_Client_Access* FSet_SDO_Client_Access = nullptr;

TFSet_SDO_Client_Access::TFSet_SDO_Client_Access(QWidget* parent) : TTableWindow(SDO_Client_Editor(), parent)
{
    FSet_SDO_Client_Access = this;
}

void TFSet_SDO_Client_Access::On_Build()
{
    sga = Grids[0];
    sgb = Grids[1];
}

TFSet_SDO_Client_Access::~TFSet_SDO_Client_Access()
{
    if (FSet_SDO_Client_Access == this)
        FSet_SDO_Client_Access = nullptr;
}
