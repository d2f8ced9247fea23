#pragma once
// The SNMP manager table: the requests an SNMP manager member of the family sends to agents (address, version,
// OID, sending conditions, data-area bytes and the SNMP v3 security), kept in SNMP_Manager.xml.
#include "tables/TableWindow.h"

class TFSNMPManagerAccess : public TTableWindow {
public:
    explicit TFSNMPManagerAccess(QWidget* parent = nullptr);
    ~TFSNMPManagerAccess() override;

    TVxColumnGrid* VCG_SNMP = nullptr;

protected:
    void On_Build() override;
};

extern TFSNMPManagerAccess* FSNMPManagerAccess;
