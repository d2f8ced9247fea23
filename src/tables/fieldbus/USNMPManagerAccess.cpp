#include "tables/fieldbus/USNMPManagerAccess.h"

#include "tables/fieldbus/SNMPManagerTable.h"

TFSNMPManagerAccess* FSNMPManagerAccess = nullptr;

TFSNMPManagerAccess::TFSNMPManagerAccess(QWidget* parent) : TTableWindow(SNMPManager_Editor(), parent)
{
    FSNMPManagerAccess = this;
}

void TFSNMPManagerAccess::On_Build()
{
    VCG_SNMP = Grids.front();
}

TFSNMPManagerAccess::~TFSNMPManagerAccess()
{
    if (FSNMPManagerAccess == this)
        FSNMPManagerAccess = nullptr;
}
