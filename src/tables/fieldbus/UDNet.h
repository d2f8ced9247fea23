#pragma once
// The DeviceNet network table: the slaves a DeviceNet master serves, with their node IDs and byte counts,
// kept in DNETM_Net.xml.
#include "tables/TableWindow.h"

class TFDNet : public TTableWindow {
public:
    explicit TFDNet(QWidget* parent = nullptr);
    ~TFDNet() override;

    TVxColumnGrid* VXG = nullptr;

protected:
    void On_Build() override;
};

extern TFDNet* FDNet;
