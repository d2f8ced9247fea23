#include "tables/fieldbus/UTransmitCAN.h"

#include "tables/fieldbus/TransmitCANTable.h"

TFTransmitCAN* FTransmitCAN = nullptr;

TFTransmitCAN::TFTransmitCAN(QWidget* parent) : TTableWindow(TransmitCAN_Editor(), parent)
{
    FTransmitCAN = this;
}

void TFTransmitCAN::On_Build()
{
    VCG_CAN_Transmit = Grids.front();
}

TFTransmitCAN::~TFTransmitCAN()
{
    if (FTransmitCAN == this)
        FTransmitCAN = nullptr;
}
