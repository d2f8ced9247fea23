#pragma once
// The Modbus master rules of a converter polling serial Modbus slaves, kept in ModbusM_SetAccess.xml.
#include "tables/TableWindow.h"

class TFSetAccess : public TTableWindow {
public:
    explicit TFSetAccess(QWidget* parent = nullptr);
    ~TFSetAccess() override;

    TVxColumnGrid* VCG_Modbus_Read = nullptr;
    TVxColumnGrid* VCG_Modbus_Write = nullptr;

protected:
    void On_Build() override;
};

extern TFSetAccess* FSetAccess;
