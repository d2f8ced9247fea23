#pragma once
// Software options: the language of the user interface, the internet options with the online
// version check, and two table behaviours.
#include "platform/Form.h"
#include <QStringList>
#include <array>

class QCheckBox;
class QLabel;
class QTabWidget;
class TSbButton;

class TFSoftOptions : public TForm {
public:
    explicit TFSoftOptions(QWidget* parent = nullptr);
    ~TFSoftOptions() override;

    void Set_Lang();
    void Create_Lang_List();
    void Update_Lang_Page(int Num_Page);
    void Btn_NextClick(QObject* Sender);
    // Tile 0..5 of the page shown.
    void LangClick(int Tile);
    void Update_CheckBox();
    void Btn_Check_UpdateClick();
    void Btn_OKClick();
    int Pages() const;

    // True when the maker's server reports a newer version than this one. Any failure, and no
    // answer within the time-out, reads as no update.
    static bool Check_Version();
    // "Ver. 1.002" -> 1002: the text after the first blank, characters 1, 3, 4 and 5; -1 when that fails.
    static int Conv_Version(const QString& Ver_str);

    QStringList SL_Languages;
    int Show_Page = 1;
    QString Language_In_Use;

    QWidget* P_Title;
    QLabel* L_SW_Code;
    QLabel* L_SW_Desc;
    QTabWidget* PC_Options;
    QWidget* TS_Language;
    QWidget* TS_Con_Options;
    QWidget* TS_Soft_Settings;
    QLabel* L_Sel_Lang;
    QLabel* L_Page_Lang;
    std::array<QLabel*, 6> I_L;  // I_L1 ... I_L6: the flags
    std::array<QLabel*, 6> L_L;  // L_L1 ... L_L6: the names
    TSbButton* Btn_Prev;
    TSbButton* Btn_Next;
    QCheckBox* CB_En_Con;
    QCheckBox* CB_Update;
    TSbButton* Btn_Check_Update;
    QLabel* LL_Check_Update;
    QCheckBox* CB_Soft_Set_Jump_Table;
    QCheckBox* CB_DoubleClick_Auto_Size;
    QWidget* P_Button;
    TSbButton* Btn_OK;
    TSbButton* Btn_Cancel;

protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
