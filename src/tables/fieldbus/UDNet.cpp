#include "tables/fieldbus/UDNet.h"

#include "tables/fieldbus/DNetTable.h"

TFDNet* FDNet = nullptr;

TFDNet::TFDNet(QWidget* parent) : TTableWindow(DNet_Editor(), parent)
{
    FDNet = this;
}

void TFDNet::On_Build()
{
    VXG = Grids.front();
}

TFDNet::~TFDNet()
{
    if (FDNet == this)
        FDNet = nullptr;
}
