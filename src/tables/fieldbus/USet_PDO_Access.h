#pragma once
// The CANopen PDO table: the receive and transmit PDOs of a CANopen member of the family, their COB-IDs,
// lengths, data-area positions and timing, kept in PDO_CANopen.xml.
#include "tables/TableWindow.h"

class TFSet_PDO_Access : public TTableWindow {
public:
    explicit TFSet_PDO_Access(QWidget* parent = nullptr);
    ~TFSet_PDO_Access() override;

    TVxColumnGrid* sga = nullptr;   // receive PDOs
    TVxColumnGrid* sgb = nullptr;   // transmit PDOs
protected:
    void On_Build() override;
};

extern TFSet_PDO_Access* FSet_PDO_Access;
