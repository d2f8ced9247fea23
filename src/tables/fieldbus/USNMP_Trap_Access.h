#pragma once
// The SNMP agent object tables: the objects an SNMP agent member of the family offers to be read (and sends
// as traps) and to be written, kept in SNMP_Trap.xml, from which the MIB writer builds the agent's module.
// Column 0 shows each enabled object's index among its table's enabled objects: its number in the MIB.
#include "tables/TableWindow.h"

class TFSNMP_Trap_Access : public TTableWindow {
public:
    explicit TFSNMP_Trap_Access(QWidget* parent = nullptr);
    ~TFSNMP_Trap_Access() override;

    // Column 0 of the table: 1, 2, ... for its enabled rows, empty for the others.
    void Index_Row_Build(TVxColumnGrid& Grid);

    TVxColumnGrid* VCG_SNMP_Read = nullptr;
    TVxColumnGrid* VCG_SNMP_Write = nullptr;

protected:
    void On_Build() override;
    void FormShow() override;
};

extern TFSNMP_Trap_Access* FSNMP_Trap_Access;
