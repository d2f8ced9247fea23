#include "tables/fieldbus/UTransmitCAN.h"

#include "tables/fieldbus/TransmitCANTable.h"

TFTransmitCAN* FTransmitCAN = nullptr;

TFTransmitCAN::TFTransmitCAN(QWidget* parent)
    : TTableWindow(TransmitCAN_Editor(), parent), VCG_CAN_Transmit(Grids.front())
{
    FTransmitCAN = this;
}

TFTransmitCAN::~TFTransmitCAN()
{
    if (FTransmitCAN == this)
        FTransmitCAN = nullptr;
}
