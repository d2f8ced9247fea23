#include "tables/fieldbus/UTransmitNMEA.h"

#include "tables/fieldbus/NMEATables.h"

TFTransmitNMEA* FTransmitNMEA = nullptr;

TFTransmitNMEA::TFTransmitNMEA(QWidget* parent) : TTableWindow(TransmitNMEA_Editor(), parent), sga(Grids.front())
{
    FTransmitNMEA = this;
}

TFTransmitNMEA::~TFTransmitNMEA()
{
    if (FTransmitNMEA == this)
        FTransmitNMEA = nullptr;
}
