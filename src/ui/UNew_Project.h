#pragma once
// Creating a new configuration: a folder in PROJECTS with its bin folder.
#include "platform/Form.h"

class QLabel;
class QLineEdit;
class TSbButton;

// True when the name stays one folder inside PROJECTS: not "." or "..", no "/" or "\", no control
// characters. Emptiness is the caller's own test.
bool Valid_Project_Name(const QString& Name);

class TFNew_Project : public TForm {
public:
    explicit TFNew_Project(QWidget* parent = nullptr);
    ~TFNew_Project() override;

    void Set_Lang();
    void Btn_OKClick();

    QWidget* P_Title = nullptr;
    QLabel* L_SW_Code = nullptr;
    QLabel* L_SW_Desc = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* E_New_Proj = nullptr;
    QWidget* P_Button = nullptr;
    TSbButton* Btn_OK = nullptr;
    TSbButton* Btn_Cancel = nullptr;

protected:
    void Build_Controls() override;
    void FormShow() override;
};
