#pragma once
// The Modbus TCP master rules of a converter polling Modbus TCP slaves, kept in ModbusTCPM_SetAccess.xml.
#include "tables/TableWindow.h"

class TFModbus_TCP_Master_Set_Access : public TTableWindow {
public:
    explicit TFModbus_TCP_Master_Set_Access(QWidget* parent = nullptr);
    ~TFModbus_TCP_Master_Set_Access() override;

    TVxColumnGrid* VCG_Modbus_Read = nullptr;
    TVxColumnGrid* VCG_Modbus_Write = nullptr;

protected:
    void On_Build() override;
};

extern TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access;
