#include "tables/ip/USetAccess.h"

#include "tables/ip/ModbusMasterTable.h"

TFSetAccess* FSetAccess = nullptr;

TFSetAccess::TFSetAccess(QWidget* parent) : TTableWindow(ModbusM_Editor(), parent)
{
    FSetAccess = this;
}

void TFSetAccess::On_Build()
{
    VCG_Modbus_Read = Grids[0];
    VCG_Modbus_Write = Grids[1];
}

TFSetAccess::~TFSetAccess()
{
    if (FSetAccess == this)
        FSetAccess = nullptr;
}
