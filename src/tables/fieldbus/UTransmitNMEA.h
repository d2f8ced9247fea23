#pragma once
// The NMEA 2000 send frame table: the parameter groups an NMEA 2000 member transmits and what triggers
// them, kept in NMEA_Send_Frames.xml.
#include "tables/TableWindow.h"

class TFTransmitNMEA : public TTableWindow {
public:
    explicit TFTransmitNMEA(QWidget* parent = nullptr);
    ~TFTransmitNMEA() override;

    TVxColumnGrid* sga = nullptr;

protected:
    void On_Build() override;
};

extern TFTransmitNMEA* FTransmitNMEA;
