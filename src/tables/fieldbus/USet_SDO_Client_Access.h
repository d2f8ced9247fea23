#pragma once
// The CANopen SDO client table: the objects a CANopen member of the family polls and writes on other
// devices, kept in SDO_Client_CANopen.xml.
#include "tables/TableWindow.h"

class TFSet_SDO_Client_Access : public TTableWindow {
public:
    explicit TFSet_SDO_Client_Access(QWidget* parent = nullptr);
    ~TFSet_SDO_Client_Access() override;

    TVxColumnGrid* sga = nullptr;   // SDO read
    TVxColumnGrid* sgb = nullptr;   // SDO write
protected:
    void On_Build() override;
};

extern TFSet_SDO_Client_Access* FSet_SDO_Client_Access;
