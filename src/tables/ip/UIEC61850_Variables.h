#pragma once
// The IEC 61850 variables table: the variables the converter's IEC 61850 server publishes, each with
// its type, place in the internal data area and conversion, kept in IEC61850_Variables.xml.
#include "tables/TableGrid.h"
#include "platform/Form.h"
#include <QStringList>

class QLabel;
class TSbButton;
class TVxColumnGrid;

class TFIEC61850_Variables : public TForm, public TTableButtons {
public:
    explicit TFIEC61850_Variables(QWidget* parent = nullptr);
    ~TFIEC61850_Variables() override;

    void Set_Lang();
    bool Controllo_dati();
    void Btn_OKClick();
    void Btn_DelRowClick();
    void Btn_InsRowClick();
    void Btn_CopyRowClick();
    void Btn_PasteRowClick();
    void ClickCell(int ARow, int ACol);
    void DblClickCell(int ARow, int ACol);

    QStringList Hint_List;
    bool Do_Copy = false;

    QWidget* P_Title;
    QLabel* L_SW_Code;
    QLabel* L_SW_Desc;
    QWidget* P_Button;
    TVxColumnGrid* VCG;

protected:
    void FormShow() override;

private:
    bool FPartial = false;   // the file was loaded only in part
};

extern TFIEC61850_Variables* FIEC61850_Variables;
