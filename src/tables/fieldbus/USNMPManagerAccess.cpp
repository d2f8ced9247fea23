#include "tables/fieldbus/USNMPManagerAccess.h"

#include "tables/fieldbus/SNMPManagerTable.h"

TFSNMPManagerAccess* FSNMPManagerAccess = nullptr;

TFSNMPManagerAccess::TFSNMPManagerAccess(QWidget* parent) : TTableWindow(SNMPManager_Editor(), parent), VCG_SNMP(Grids.front())
{
    FSNMPManagerAccess = this;
}

TFSNMPManagerAccess::~TFSNMPManagerAccess()
{
    if (FSNMPManagerAccess == this)
        FSNMPManagerAccess = nullptr;
}
