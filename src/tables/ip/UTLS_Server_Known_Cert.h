#pragma once
// The known TLS certificates table: up to ten certificates, each with an enable check box and a
// description, kept in TLS_Known_Cert.xml.
#include "tables/TableGrid.h"
#include "platform/Form.h"
#include <QStringList>

class QLabel;
class TSbButton;
class TVxStringGrid;

class TFTLS_Server_Known_Cert : public TForm, public TTableButtons {
public:
    explicit TFTLS_Server_Known_Cert(QWidget* parent = nullptr);
    ~TFTLS_Server_Known_Cert() override;

    void Set_Lang();
    void Init_Table();
    bool Controllo_dati() const { return true; }   // the table has no rules
    void Btn_OKClick();
    void Btn_DelRowClick();
    void Btn_InsRowClick();
    void Btn_CopyRowClick();
    void Btn_PasteRowClick();

    QStringList Hint_List;
    bool Do_Copy = false;

    QWidget* P_Title;
    QLabel* L_SW_Code;
    QLabel* L_SW_Desc;
    QWidget* P_Button;
    TVxStringGrid* VXG;

protected:
    void FormShow() override;

private:
    bool FPartial = false;   // the file was loaded only in part
};

extern TFTLS_Server_Known_Cert* FTLS_Server_Known_Cert;
