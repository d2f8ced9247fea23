#include "tables/fieldbus/UReceiveCAN.h"

#include "tables/fieldbus/ReceiveCANTable.h"

TFReceiveCAN* FReceiveCAN = nullptr;

TFReceiveCAN::TFReceiveCAN(QWidget* parent) : TTableWindow(ReceiveCAN_Editor(), parent)
{
    FReceiveCAN = this;
}

void TFReceiveCAN::On_Build()
{
    VCG_CAN_Receive = Grids.front();
}

TFReceiveCAN::~TFReceiveCAN()
{
    if (FReceiveCAN == this)
        FReceiveCAN = nullptr;
}
