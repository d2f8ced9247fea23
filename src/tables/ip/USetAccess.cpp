#include "tables/ip/USetAccess.h"

#include "tables/ip/ModbusMasterTable.h"

TFSetAccess* FSetAccess = nullptr;

TFSetAccess::TFSetAccess(QWidget* parent)
    : TTableWindow(ModbusM_Editor(), parent), VCG_Modbus_Read(Grids[0]), VCG_Modbus_Write(Grids[1])
{
    FSetAccess = this;
}

TFSetAccess::~TFSetAccess()
{
    if (FSetAccess == this)
        FSetAccess = nullptr;
}
