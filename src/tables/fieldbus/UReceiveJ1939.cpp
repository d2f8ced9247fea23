#include "tables/fieldbus/UReceiveJ1939.h"

#include "tables/fieldbus/J1939Tables.h"

TFReceiveJ1939* FReceiveJ1939 = nullptr;

TFReceiveJ1939::TFReceiveJ1939(QWidget* parent) : TTableWindow(ReceiveJ1939_Editor(), parent)
{
    FReceiveJ1939 = this;
}

void TFReceiveJ1939::On_Build()
{
    sga = Grids.front();
}

TFReceiveJ1939::~TFReceiveJ1939()
{
    if (FReceiveJ1939 == this)
        FReceiveJ1939 = nullptr;
}
