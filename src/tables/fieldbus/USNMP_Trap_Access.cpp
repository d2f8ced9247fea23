#include "tables/fieldbus/USNMP_Trap_Access.h"

#include "grid/core/VxColumnGrid.h"
#include "tables/fieldbus/SNMPTrapTable.h"

TFSNMP_Trap_Access* FSNMP_Trap_Access = nullptr;

TFSNMP_Trap_Access::TFSNMP_Trap_Access(QWidget* parent) : TTableWindow(SNMPTrap_Editor(), parent)
{
    FSNMP_Trap_Access = this;
}

void TFSNMP_Trap_Access::On_Build()
{
    VCG_SNMP_Read = Grids[0];
    VCG_SNMP_Write = Grids[1];
    for (TVxColumnGrid* grid : Grids)
        grid->OnCheckBoxClick = [this, grid](QObject*, int ACol, int, bool) {
            if (grid->RealColIndex(ACol) == 1)
                Index_Row_Build(*grid);
        };
}

TFSNMP_Trap_Access::~TFSNMP_Trap_Access()
{
    if (FSNMP_Trap_Access == this)
        FSNMP_Trap_Access = nullptr;
}

void TFSNMP_Trap_Access::Index_Row_Build(TVxColumnGrid& Grid)
{
    int index = 1;
    for (int r = 1; r <= SNMP_Trap_Rows; ++r)
        Grid.SetCells(0, r, Grid.Cells(1, r).toUpper() == QLatin1String("Y") ? QString::number(index++) : QString());
}

void TFSNMP_Trap_Access::FormShow()
{
    TTableWindow::FormShow();
    Index_Row_Build(*VCG_SNMP_Read);
    Index_Row_Build(*VCG_SNMP_Write);
}
