#include "tables/fieldbus/UReceiveCAN.h"

#include "tables/fieldbus/ReceiveCANTable.h"

TFReceiveCAN* FReceiveCAN = nullptr;

TFReceiveCAN::TFReceiveCAN(QWidget* parent) : TTableWindow(ReceiveCAN_Editor(), parent), VCG_CAN_Receive(Grids.front())
{
    FReceiveCAN = this;
}

TFReceiveCAN::~TFReceiveCAN()
{
    if (FReceiveCAN == this)
        FReceiveCAN = nullptr;
}
