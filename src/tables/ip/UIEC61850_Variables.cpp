#include "tables/ip/UIEC61850_Variables.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "grid/core/VxColumnGrid.h"
#include "platform/Dialogs.h"
#include "tables/ip/IEC61850VariablesFile.h"
#include "tables/TableGrid.h"
#include "ui/GridRowHelpers.h"
#include "ui/UFormParts.h"
#include "widgets/button/SbButton.h"

#include <QLabel>

TFIEC61850_Variables* FIEC61850_Variables = nullptr;

namespace {
constexpr int kWidth = 1155;
constexpr int kHeight = 337;
constexpr int kBar = 48;
constexpr int kTitle = 50;

std::vector<TTableColumn> Columns()
{
    using E = TEditorType;
    QStringList bits;
    for (int b = 0; b <= 7; ++b)
        bits << QString::number(b);
    return {
        {E::edNormal, {}, 40, clWhite},
        {E::edDataCheckBox, {}, 50, 0xB0D8FF},
        {E::edNormal, {}, 250, 0xFEFAE0},
        {E::edComboList, {"Int", "Float", "Digital (Bit)"}, 80, 0xA8FFA8},
        {E::edNormal, {}, 65, 0xA8FFA8},
        {E::edDataCheckBox, {}, 65, 0xA8FFFF},
        {E::edNormal, {}, 80, 0xF4D6FC},
        {E::edComboList, bits, 60, 0xF4D6FC},
        {E::edComboList, {"None", "Int to Float", "Float to Int"}, 75, 0xFFD5D5},
        {E::edComboEdit, {"None"}, 75, 0xFFD5D5},
        {E::edDataCheckBox, {}, 45, 0xFFD5D5},
        {E::edDataCheckBox, {}, 80, 0xFFD5D5},
        {E::edNormal, {}, 128, clWhite},
    };
}
} // namespace

TFIEC61850_Variables::TFIEC61850_Variables(QWidget* parent) : TForm(parent)
{
    FIEC61850_Variables = this;
    SetFixedClientSize(kWidth, kHeight);
    const TTitlePanel title = Make_Title_Panel(this, kWidth);
    P_Title = title.Panel;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    P_Button = Make_Button_Bar(this, kWidth, kHeight, kBar);
    Make_Table_Buttons(P_Button, *this,
                       {[this] { Btn_OKClick(); }, [this] { Btn_DelRowClick(); }, [this] { Btn_InsRowClick(); }, [this] { Btn_CopyRowClick(); },
                        [this] { Btn_PasteRowClick(); }});

    VCG = new TVxColumnGrid(this);
    VCG->setGeometry(0, kTitle, kWidth, kHeight - kTitle - kBar);
    Shape_Table_Grid(*VCG, Columns());
    VCG->SetRowCount(IEC61850_Variable_Rows + 1);
    VCG->OnKeyPress = [this](QObject*, QChar& Key) { Grid_Key_Press(*VCG, Key); };
    VCG->OnGridHint = [this](QObject*, int ARow, int ACol, QString& hint) {
        hint = ARow == 0 && ACol > 0 ? Hint_List.value(VCG->RealColIndex(ACol) - 1) : QString();
    };
    Bind_Cell_Clicks(
        *VCG, [this](int ARow, int ACol) { ClickCell(ARow, ACol); },
        [this](int ARow, int ACol) { DblClickCell(ARow, ACol); });
    Set_Lang();
}

TFIEC61850_Variables::~TFIEC61850_Variables()
{
    if (FIEC61850_Variables == this)
        FIEC61850_Variables = nullptr;
}

void TFIEC61850_Variables::FormShow()
{
    Reset_Table_Rows(*VCG, IEC61850_Variable_Rows, QStringLiteral("Y"));
    const TTableLoad load = Load_IEC61850_Variables(File_IEC61850_Variables);
    Fill_Table_Rows(*VCG, load.Rows);
    FPartial = load.Partial();
    Report_Table_Load(File_IEC61850_Variables, load, IEC61850_Variable_Rows);
    Do_Copy = false;
}

bool TFIEC61850_Variables::Controllo_dati()
{
    const QString error =
        Check_IEC61850_Variables(Table_Rows(*VCG, IEC61850_Variable_Rows), Get_Decimal_Separator());
    if (error.isEmpty())
        return true;
    MessageDlg(error, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
    return false;
}

void TFIEC61850_Variables::Btn_OKClick()
{
    if (!Controllo_dati())
        return;
    const QByteArray xml = IEC61850_Variables_XML(Table_Rows(*VCG, IEC61850_Variable_Rows));
    if (Save_Table_File(File_IEC61850_Variables, xml, FPartial))
        SetModalResult(mrOk);
}

void TFIEC61850_Variables::Btn_DelRowClick()
{
    const int row = VCG->Row();
    if (MessageDlg(Lang(931) + QString::number(row), TMsgDlgType::mtConfirmation,
                   {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}) == mrYes)
        Grid_Delete_Row(row, *VCG);
}

void TFIEC61850_Variables::Btn_InsRowClick()
{
    Grid_Insert_Row(VCG->Row(), *VCG, true);
}

void TFIEC61850_Variables::Btn_CopyRowClick()
{
    Grid_Copy_Row(*VCG, VCG->Row());
    Do_Copy = true;
}

void TFIEC61850_Variables::Btn_PasteRowClick()
{
    Grid_Paste_Row(*VCG, VCG->Row(), Do_Copy);
}

void TFIEC61850_Variables::ClickCell(int ARow, int ACol)
{
    Select_Row_On_Number(*VCG, ARow, ACol);
}

void TFIEC61850_Variables::DblClickCell(int ARow, int ACol)
{
    Grid_DblClick_Cell(*VCG, ARow, ACol);
}

void TFIEC61850_Variables::Set_Lang()
{
    SetCaption(Lang(900));
    L_SW_Desc->setText(Lang(901));
    TSbButton* const buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (int i = 0; i < 6; ++i)
        buttons[i]->SetCaption(Lang(902 + i));
    // Only the copy and paste buttons show their hints.
    Btn_CopyRow->setToolTip(Lang(912));
    Btn_PasteRow->setToolTip(Lang(913));
    const int headers[] = {914, 915, 916, 917, 918, 919, 920, 932, 933, 934, 942, 943, 921};
    for (int c = 0; c < 13; ++c)
        VCG->Columns().Items(c)->SetHeader(Lang(headers[c]));
    Hint_List.clear();
    for (int text : {922, 923, 924, 925, 926, 927, 935, 936, 937, 944, 945, 928})
        Hint_List << Lang(text);
}
