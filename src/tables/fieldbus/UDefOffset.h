#pragma once
// The DeviceNet offset definition: for each slave of the network table, where each of its input and output
// bytes lies in the data area, kept in DNETM_DefOff.xml. The user picks a slave and edits its bytes; OK
// writes every slave, fitted to the current slave list.
#include "platform/Form.h"
#include "tables/fieldbus/DefOffset.h"

#include <vector>

class QLabel;
class QTabWidget;
class TSbButton;
class TVxColumnGrid;

class TFDefOffset : public TForm {
public:
    explicit TFDefOffset(QWidget* parent = nullptr);
    ~TFDefOffset() override;

    void Set_Lang();
    void bitbtn1Click();

    QWidget* P_Title = nullptr;
    QLabel* L_SW_Code = nullptr;
    QLabel* L_SW_Desc = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    TVxColumnGrid* VCG_DN_Slaves = nullptr;
    QTabWidget* PageControl1 = nullptr;
    TVxColumnGrid* VCG_ByteIN = nullptr;
    TVxColumnGrid* VCG_ByteOUT = nullptr;
    QWidget* P_Button = nullptr;
    TSbButton* Btn_OK = nullptr;
    TSbButton* Btn_Cancel = nullptr;

    std::vector<TSlave_DN> List_Slaves_DN;
    int Slave_Before_Select = -1;   // the slave the byte tables show

protected:
    void Build_Controls() override;
    void FormShow() override;

private:
    void Select_First();
    void VCG_DN_SlavesClick();
    void Update_Slave_DN();
    void Save_Data_ByteIN_ByteOUT();
};

extern TFDefOffset* FDefOffset;
