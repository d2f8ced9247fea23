#include "tables/fieldbus/UTransmitJ1939.h"

#include "tables/fieldbus/J1939Tables.h"

TFTransmitJ1939* FTransmitJ1939 = nullptr;

TFTransmitJ1939::TFTransmitJ1939(QWidget* parent) : TTableWindow(TransmitJ1939_Editor(), parent)
{
    FTransmitJ1939 = this;
}

void TFTransmitJ1939::On_Build()
{
    sga = Grids.front();
}

TFTransmitJ1939::~TFTransmitJ1939()
{
    if (FTransmitJ1939 == this)
        FTransmitJ1939 = nullptr;
}
