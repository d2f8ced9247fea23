#include "tables/fieldbus/UReceiveNMEA.h"

#include "tables/fieldbus/NMEATables.h"

TFReceiveNMEA* FReceiveNMEA = nullptr;

TFReceiveNMEA::TFReceiveNMEA(QWidget* parent) : TTableWindow(ReceiveNMEA_Editor(), parent), sga(Grids.front())
{
    FReceiveNMEA = this;
}

TFReceiveNMEA::~TFReceiveNMEA()
{
    if (FReceiveNMEA == this)
        FReceiveNMEA = nullptr;
}
