#pragma once
// The BACnet server object table: the objects BACnet reads from the internal data area and those BACnet
// clients write into it, one table each, kept in BACnet_Slave_SetAccess.xml.
#include "tables/TableGrid.h"
#include "platform/Form.h"

class QLabel;
class QTabWidget;
class TSbButton;
class TVxColumnGrid;

class TFBACnetSlaveSetAccess : public TForm, public TTableButtons {
public:
    explicit TFBACnetSlaveSetAccess(QWidget* parent = nullptr);
    ~TFBACnetSlaveSetAccess() override;

    void Set_Lang();
    bool Controllo_dati();
    void bitbtn1Click();
    void Btn_DelRow_Click();
    void Btn_InsRowClick();
    void Btn_CopyRowClick();
    void Btn_PasteRowClick();
    void ClickCell(TVxColumnGrid& Grid, int ARow, int ACol);
    // The Eng. Unit column opens the unit picker on data rows; then the header's auto-size.
    void DblClickCell(TVxColumnGrid& Grid, int ARow, int ACol);
    // Choosing a type in the write table gives its row the type's length.
    void VCG_BACnet_in_WriteComboChange(int ACol, int ARow, int AItemIndex, const QString& ASelection);

    // The table rows of each grid: 1000 with 32-character object names, else 2000.
    int Table_Rows_Count() const;

    bool Desc_Lenght = false;
    bool Do_Copy_Read = false;
    bool Do_Copy_Write = false;
    int NByte_IN = 0;
    int NByte_OUT = 0;

    QWidget* P_Title;
    QLabel* L_SW_Code;
    QLabel* L_SW_Desc;
    QTabWidget* PageControl1;
    QWidget* TS_BACnet_in_Read;
    QWidget* TS_BACnet_in_Write;
    TVxColumnGrid* VCG_BACnet_in_Read;
    TVxColumnGrid* VCG_BACnet_in_Write;
    QWidget* P_Button;

protected:
    void FormShow() override;

private:
    TVxColumnGrid& Active_Grid() const;
    void Read_Desc_Lenght();

    bool FPartial = false;   // the file was loaded only in part
};

extern TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess;
