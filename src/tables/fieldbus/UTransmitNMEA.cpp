#include "tables/fieldbus/UTransmitNMEA.h"

#include "tables/fieldbus/NMEATables.h"

TFTransmitNMEA* FTransmitNMEA = nullptr;

TFTransmitNMEA::TFTransmitNMEA(QWidget* parent) : TTableWindow(TransmitNMEA_Editor(), parent)
{
    FTransmitNMEA = this;
}

void TFTransmitNMEA::On_Build()
{
    sga = Grids.front();
}

TFTransmitNMEA::~TFTransmitNMEA()
{
    if (FTransmitNMEA == this)
        FTransmitNMEA = nullptr;
}
