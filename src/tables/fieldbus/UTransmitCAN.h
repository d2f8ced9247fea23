#pragma once
// The CAN transmit frame table: the frames a CAN member of the family sends, their identifiers, lengths, send
// options and the data-area positions of their bytes, kept in CAN_Send_Frames.xml.
#include "tables/TableWindow.h"

class TFTransmitCAN : public TTableWindow {
public:
    explicit TFTransmitCAN(QWidget* parent = nullptr);
    ~TFTransmitCAN() override;

    TVxColumnGrid* VCG_CAN_Transmit = nullptr;

protected:
    void On_Build() override;
};

extern TFTransmitCAN* FTransmitCAN;
