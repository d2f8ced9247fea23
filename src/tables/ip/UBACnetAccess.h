#pragma once
// The BACnet client's requests: the properties of device objects read into the data area and the bytes of the
// area written to device objects, kept in BACnet_Master_Access.xml and filled from EDE files on request.
#include "tables/TableWindow.h"

class TFBACnetAccess : public TTableWindow {
public:
    explicit TFBACnetAccess(QWidget* parent = nullptr);
    ~TFBACnetAccess() override;

    // Asks for an EDE file, lets the user choose its objects and fills the tables with them.
    void Btn_Import_CSVClick();

    int App_BACnet_Type = 0;   // 0 BACnet/IP, 1 MS/TP, other: neither; read at each showing

    QWidget* TS_BACnet_Read = nullptr;
    QWidget* TS_BACnet_Write = nullptr;
    TVxColumnGrid* VCG1 = nullptr;
    TVxColumnGrid* VCG2 = nullptr;
    TSbButton* Btn_Import_CSV = nullptr;

protected:
    void On_Build() override;
    // Reads the project's BACnet type, which decides the address column and the rules.
    void On_Show() override;
    // The read table tells the bytes a Property reads.
    QString Cell_Hint(TVxColumnGrid& Grid, int ARow, int ACol) override;
};

extern TFBACnetAccess* FBACnetAccess;
