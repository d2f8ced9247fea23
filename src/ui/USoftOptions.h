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

    QWidget* P_Title = nullptr;
    QLabel* L_SW_Code = nullptr;
    QLabel* L_SW_Desc = nullptr;
    QTabWidget* PC_Options = nullptr;
    QWidget* TS_Language = nullptr;
    QWidget* TS_Con_Options = nullptr;
    QWidget* TS_Soft_Settings = nullptr;
    QLabel* L_Sel_Lang = nullptr;
    QLabel* L_Page_Lang = nullptr;
    std::array<QLabel*, 6> I_L{};  // I_L1 ... I_L6: the flags
    std::array<QLabel*, 6> L_L{};  // L_L1 ... L_L6: the names
    TSbButton* Btn_Prev = nullptr;
    TSbButton* Btn_Next = nullptr;
    QCheckBox* CB_En_Con = nullptr;
    QCheckBox* CB_Update = nullptr;
    TSbButton* Btn_Check_Update = nullptr;
    QLabel* LL_Check_Update = nullptr;
    QCheckBox* CB_Soft_Set_Jump_Table = nullptr;
    QCheckBox* CB_DoubleClick_Auto_Size = nullptr;
    QWidget* P_Button = nullptr;
    TSbButton* Btn_OK = nullptr;
    TSbButton* Btn_Cancel = nullptr;

protected:
    void Build_Controls() override;
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
