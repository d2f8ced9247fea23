#include "tables/fieldbus/UDNet.h"

#include "tables/fieldbus/DNetTable.h"

TFDNet* FDNet = nullptr;

TFDNet::TFDNet(QWidget* parent) : TTableWindow(DNet_Editor(), parent), VXG(Grids.front())
{
    FDNet = this;
}

TFDNet::~TFDNet()
{
    if (FDNet == this)
        FDNet = nullptr;
}
