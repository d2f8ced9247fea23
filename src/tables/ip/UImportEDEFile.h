#pragma once
// The objects of a BACnet device's EDE file, to choose which of them the client tables read and write, and
// the device's address.
#include "platform/Form.h"
#include "tables/ip/EDEFileReader.h"

#include <vector>

class QLabel;
class QLineEdit;
class TSbButton;
class TVxColumnGrid;

class TFImportEDEFile : public TForm {
public:
    explicit TFImportEDEFile(QWidget* parent = nullptr);
    ~TFImportEDEFile() override;

    void Set_Lang();
    void Cancel_EDE_List_Vars();
    // Reads EDE_File into List_EDE_Var; a file that cannot be read shows why and lists nothing.
    void Load_EDE_File();
    void Show_Data_in_Grid();
    // A check box of object row ARow clicked (ACol 1 Import, 2 Read, 3 Write).
    void VCGCheckBoxClick(int ACol, int ARow, bool State);
    // Checks the address; closes with OK when it is one.
    void Btn_OKClick();
    void Btn_Select_AllClick();
    void Btn_Unselect_AllClick();

    QString EDE_File;                      // set by the caller before showing
    std::vector<TBACnet_Var> List_EDE_Var; // the file's objects of this showing
    int App_BACnet_Type = 0;               // set by the caller before showing

    QWidget* P_Title = nullptr;
    QLabel* L_SW_Code = nullptr;
    QLabel* L_SW_Desc = nullptr;
    QWidget* P_ID_IP = nullptr;
    QLabel* LID_IP = nullptr;
    QLineEdit* E_ID_IP = nullptr;
    TVxColumnGrid* VCG = nullptr;
    QWidget* P_Button = nullptr;
    TSbButton* Btn_OK = nullptr;
    TSbButton* Btn_Cancel = nullptr;
    TSbButton* Btn_Select_All = nullptr;
    TSbButton* Btn_Unselect_All = nullptr;

protected:
    void Build_Controls() override;
    void FormShow() override;

private:
    void Select_All(bool State);
};

extern TFImportEDEFile* FImportEDEFile;
