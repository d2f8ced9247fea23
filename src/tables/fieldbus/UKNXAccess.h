#pragma once
// The KNX access table: the telegrams a KNX member of the family sends, their addresses, service, priority,
// format, sending conditions and the data-area bytes they carry, kept in KNX_SetAccess.xml.
#include "tables/TableWindow.h"

class TFKNXAccess : public TTableWindow {
public:
    explicit TFKNXAccess(QWidget* parent = nullptr);
    ~TFKNXAccess() override;

    TVxColumnGrid* VCG_KNX_in_Write = nullptr;

protected:
    void On_Build() override;
};

extern TFKNXAccess* FKNXAccess;
