#pragma once
// The J1939 send frame table: the parameter groups a J1939 member transmits and what triggers them, kept
// in J1939_Send_Frames.xml.
#include "tables/TableWindow.h"

class TFTransmitJ1939 : public TTableWindow {
public:
    explicit TFTransmitJ1939(QWidget* parent = nullptr);
    ~TFTransmitJ1939() override;

    TVxColumnGrid* sga = nullptr;

protected:
    void On_Build() override;
};

extern TFTransmitJ1939* FTransmitJ1939;
