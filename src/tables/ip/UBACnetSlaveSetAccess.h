#pragma once
// The BACnet server object table: the objects BACnet reads from the internal data area and those BACnet
// clients write into it, one table each, kept in BACnet_Slave_SetAccess.xml.
#include "tables/TableWindow.h"

// The two tables as the frame shows them: a hidden Swap column, 2000 rows at most.
const TTableEditor& BACnet_Slave_Editor();

class TFBACnetSlaveSetAccess : public TTableWindow {
public:
    explicit TFBACnetSlaveSetAccess(QWidget* parent = nullptr);
    ~TFBACnetSlaveSetAccess() override;

    // Both tables' rows together are bounded as well.
    bool Controllo_dati() override;

    // The table rows of each grid: 1000 with 32-character object names, else 2000.
    int Table_Rows_Count() const;

    bool Desc_Lenght = false;

    QWidget* TS_BACnet_in_Read = nullptr;
    QWidget* TS_BACnet_in_Write = nullptr;
    TVxColumnGrid* VCG_BACnet_in_Read = nullptr;
    TVxColumnGrid* VCG_BACnet_in_Write = nullptr;

protected:
    void On_Build() override;
    // Reads the object-name limit, which sets the tables' rows.
    void On_Show() override;
    // Choosing a type in the write table gives its row the type's length.
    void Combo_Change(TVxColumnGrid& Grid, int ACol, int ARow, int AItemIndex, const QString& ASelection) override;
    // The Eng. Unit column opens the unit picker on data rows; then the header's auto-size.
    void Dbl_Click_Cell(TVxColumnGrid& Grid, int ARow, int ACol) override;
};

extern TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess;
