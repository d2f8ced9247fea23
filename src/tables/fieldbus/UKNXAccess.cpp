#include "tables/fieldbus/UKNXAccess.h"

#include "tables/fieldbus/KNXAccessTable.h"

TFKNXAccess* FKNXAccess = nullptr;

TFKNXAccess::TFKNXAccess(QWidget* parent) : TTableWindow(KNXAccess_Editor(), parent)
{
    FKNXAccess = this;
}

void TFKNXAccess::On_Build()
{
    VCG_KNX_in_Write = Grids.front();
}

TFKNXAccess::~TFKNXAccess()
{
    if (FKNXAccess == this)
        FKNXAccess = nullptr;
}
