#pragma once
// The GSDML file-name dialog: a fixed prefix, a part of the user's choosing and the fixed date suffix.
#include "platform/Form.h"

class QLabel;
class QLineEdit;
class TSbButton;

class TFProfinetFileName : public TForm {
public:
    explicit TFProfinetFileName(QWidget* parent = nullptr);
    ~TFProfinetFileName() override;

    void Set_Lang();
    // Composes Name_File_XML and closes with OK; a user part that is refused keeps the dialog open.
    void Btn_OKClick();

    QString Name_File_XML;

    QWidget* P_Title;
    QLabel* L_SW_Code;
    QLabel* L_SW_Desc;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* L_XML_Fix1;
    QLabel* L_XML_Fix2;
    QLineEdit* E_XML_User;
    QWidget* P_Button;
    TSbButton* Btn_OK;
    TSbButton* Btn_Cancel;
};

extern TFProfinetFileName* FProfinetFileName;
