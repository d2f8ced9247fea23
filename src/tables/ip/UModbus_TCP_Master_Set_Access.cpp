#include "tables/ip/UModbus_TCP_Master_Set_Access.h"

#include "tables/ip/ModbusMasterTable.h"

TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access = nullptr;

TFModbus_TCP_Master_Set_Access::TFModbus_TCP_Master_Set_Access(QWidget* parent) : TTableWindow(ModbusTCPM_Editor(), parent)
{
    FModbus_TCP_Master_Set_Access = this;
}

void TFModbus_TCP_Master_Set_Access::On_Build()
{
    VCG_Modbus_Read = Grids[0];
    VCG_Modbus_Write = Grids[1];
}

TFModbus_TCP_Master_Set_Access::~TFModbus_TCP_Master_Set_Access()
{
    if (FModbus_TCP_Master_Set_Access == this)
        FModbus_TCP_Master_Set_Access = nullptr;
}
