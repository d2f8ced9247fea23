#include "tables/fieldbus/UReceiveNMEA.h"

#include "tables/fieldbus/NMEATables.h"

TFReceiveNMEA* FReceiveNMEA = nullptr;

TFReceiveNMEA::TFReceiveNMEA(QWidget* parent) : TTableWindow(ReceiveNMEA_Editor(), parent)
{
    FReceiveNMEA = this;
}

void TFReceiveNMEA::On_Build()
{
    sga = Grids.front();
}

TFReceiveNMEA::~TFReceiveNMEA()
{
    if (FReceiveNMEA == this)
        FReceiveNMEA = nullptr;
}
