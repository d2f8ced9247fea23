#pragma once
// The CANopen SDO server table: the objects a CANopen member of the family offers to other devices
// to read and to write, kept in SDO_Server_CANopen.xml.
#include "tables/TableWindow.h"

class TFSet_SDO_Server_Access : public TTableWindow {
public:
    explicit TFSet_SDO_Server_Access(QWidget* parent = nullptr);
    ~TFSet_SDO_Server_Access() override;

    TVxColumnGrid* sga = nullptr;   // SDO read
    TVxColumnGrid* sgb = nullptr;   // SDO write
protected:
    void On_Build() override;
};

extern TFSet_SDO_Server_Access* FSet_SDO_Server_Access;
