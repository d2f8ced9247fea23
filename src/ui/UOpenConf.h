#pragma once
// Choosing an existing configuration among the folders in PROJECTS.
#include "platform/Form.h"
#include <QStringList>

class QLabel;
class QListWidget;
class TSbButton;

class TFOpenConf : public TForm {
public:
    explicit TFOpenConf(QWidget* parent = nullptr);
    ~TFOpenConf() override;

    void Set_Lang();
    // Fills SL with the project folders, ordered as the user's file manager lists them.
    void Load_Existing_Configuration();
    // Index in SL of the first name equal to `Name` regardless of letter case, -1 when none.
    int Search_Open_Conf(const QString& Name) const;
    // Whether the list has a chosen item (OK on an empty list opens nothing).
    bool Has_Selection() const;

    QStringList SL;
    QString Name_Conf;  // kept between showings

    QWidget* P_Title = nullptr;
    QLabel* L_SW_Code = nullptr;
    QLabel* L_SW_Desc = nullptr;
    QLabel* Label1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QWidget* P_Button = nullptr;
    TSbButton* Btn_OK = nullptr;
    TSbButton* Btn_Cancel = nullptr;

protected:
    void Build_Controls() override;
    void FormShow() override;
    void resizeEvent(QResizeEvent* event) override;
};
