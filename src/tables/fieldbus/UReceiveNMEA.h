#pragma once
// The NMEA 2000 receive frame table: the parameter groups an NMEA 2000 member captures, kept in
// NMEA_Rec_Frames.xml.
#include "tables/TableWindow.h"

class TFReceiveNMEA : public TTableWindow {
public:
    explicit TFReceiveNMEA(QWidget* parent = nullptr);
    ~TFReceiveNMEA() override;

    TVxColumnGrid* sga = nullptr;

protected:
    void On_Build() override;
};

extern TFReceiveNMEA* FReceiveNMEA;
