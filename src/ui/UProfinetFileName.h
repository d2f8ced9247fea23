#pragma once
// The GSDML file-name dialog: a fixed prefix, a part of the user's choosing and the fixed date suffix.
#include "platform/Form.h"

#include <QDate>

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

    QWidget* P_Title = nullptr;
    QLabel* L_SW_Code = nullptr;
    QLabel* L_SW_Desc = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* L_XML_Fix1 = nullptr;
    QLabel* L_XML_Fix2 = nullptr;
    QLineEdit* E_XML_User = nullptr;
    QWidget* P_Button = nullptr;
    TSbButton* Btn_OK = nullptr;
    TSbButton* Btn_Cancel = nullptr;

protected:
    void Build_Controls() override;

private:
    QDate FStarted;
};

extern TFProfinetFileName* FProfinetFileName;
