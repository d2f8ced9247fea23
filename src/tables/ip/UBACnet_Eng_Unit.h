#pragma once
// The engineering-unit picker: the chosen unit number, its name, and a category with its units to pick
// a new one from.
#include "platform/Form.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class TSbButton;

class TFBACnet_Eng_Unit : public TForm {
public:
    explicit TFBACnet_Eng_Unit(QWidget* parent = nullptr);
    ~TFBACnet_Eng_Unit() override;

    void Set_Lang();
    void CB_Select_TypeSelect();
    void Btn_Select_Eng_UnitClick();
    // Shows `value` with its name before the picker is shown.
    void Show_Unit(const QString& value);
    // The Eng. Unit cell of table row `ARow` double-clicked: shows the picker on the cell's text and, when
    // it closes with OK, puts the edit's text into `value`. Never for the header row.
    bool Pick_Unit(int ARow, QString& value);

    QWidget* P_Title = nullptr;
    QLabel* L_SW_Code = nullptr;
    QLabel* L_SW_Desc = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* E_Selected_EU = nullptr;
    QLabel* Label5 = nullptr;
    QFrame* Shape1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* CB_Select_Type = nullptr;
    QLabel* Label4 = nullptr;
    QComboBox* CB_Select_Unit = nullptr;
    TSbButton* Btn_Select_Eng_Unit = nullptr;
    QFrame* Shape2 = nullptr;
    QWidget* P_Button = nullptr;
    TSbButton* Btn_OK = nullptr;
    TSbButton* Btn_Cancel = nullptr;

protected:
    void Build_Controls() override;
    void FormShow() override { CB_Select_TypeSelect(); }
};

extern TFBACnet_Eng_Unit* FBACnet_Eng_Unit;
