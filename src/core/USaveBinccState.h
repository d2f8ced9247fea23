#pragma once
// What one compile gathers before the images are laid out.
#include "core/USaveBinccBACnet.h"
#include "core/USaveBinccIEC61850.h"
#include "core/USaveBinccImage.h"
#include "core/USaveBinccParams.h"
#include <QByteArray>
#include <vector>

struct TBincc_State {
    TBinImage Parameter_Block{Parameter_Block_Size};
    std::vector<TBACnet_Object> Object_Table;
    QByteArray Name_Pool;
    bool Long_Object_Names = false;
    QString NTP_Server_Name;
    TIEC61850 IEC61850_Data;
};
