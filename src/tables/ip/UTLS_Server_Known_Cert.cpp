#include "tables/ip/UTLS_Server_Known_Cert.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/VxStringGrid.h"
#include "platform/Dialogs.h"
#include "tables/ip/TLSKnownCertFile.h"
#include "tables/TableGrid.h"
#include "ui/GridRowHelpers.h"
#include "ui/UFormParts.h"
#include "widgets/button/SbButton.h"

#include <QLabel>
#include <array>

TFTLS_Server_Known_Cert* FTLS_Server_Known_Cert = nullptr;

namespace {
constexpr int kWidth = 800;
constexpr int kHeight = 337;
constexpr int kBar = 48;
constexpr int kTitle = 50;
} // namespace

TFTLS_Server_Known_Cert::TFTLS_Server_Known_Cert(QWidget* parent) : TForm(parent)
{
    FTLS_Server_Known_Cert = this;
    SetFixedClientSize(kWidth, kHeight);
    const TTitlePanel title = Make_Title_Panel(this, kWidth);
    P_Title = title.Panel;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    P_Button = Make_Button_Bar(this, kWidth, kHeight, kBar);
    Make_Table_Buttons(P_Button, *this,
                       {[this] { Btn_OKClick(); }, [this] { Btn_DelRowClick(); }, [this] { Btn_InsRowClick(); }, [this] { Btn_CopyRowClick(); },
                        [this] { Btn_PasteRowClick(); }});
    VXG = new TVxStringGrid(this);
    VXG->setGeometry(0, kTitle, kWidth, kHeight - kTitle - kBar);
    VXG->OnKeyPress = [this](QObject*, QChar& Key) { Grid_Key_Press(*VXG, Key); };
    Bind_Cell_Clicks(
        *VXG, [this](int ARow, int ACol) { Select_Row_On_Number(*VXG, ARow, ACol); },
        [this](int ARow, int ACol) { Grid_DblClick_Cell(*VXG, ARow, ACol); });
    VXG->OnGridHint = [this](QObject*, int ARow, int ACol, QString& hint) {
        hint = ARow == 0 && ACol > 0 ? Hint_List.value(VXG->RealColIndex(ACol) - 1) : QString();
    };
    Init_Table();
    Set_Lang();
}

TFTLS_Server_Known_Cert::~TFTLS_Server_Known_Cert()
{
    if (FTLS_Server_Known_Cert == this)
        FTLS_Server_Known_Cert = nullptr;
}

void TFTLS_Server_Known_Cert::Init_Table()
{
    VXG->SetOptions(VXG->Options() | TGridOption::goEditing | TGridOption::goRowSizing | TGridOption::goColSizing |
                    TGridOption::goRangeSelect | TGridOption::goVertLine | TGridOption::goHorzLine);
    VXG->SetVAlignment(TVAlignment::vtaCenter);
    VXG->SetColCount(4);
    VXG->SetRowCount(Known_Cert_Rows + 1);
    VXG->SetFixedCols(1);
    VXG->SetFixedRows(1);
    for (int c = 0; c < 4; ++c)
        VXG->SetColWidths(c, std::array{40, 50, 500, 160}[c]);
    VXG->SetRowHeights(0, 22);
    for (int r = 1; r <= Known_Cert_Rows; ++r) {
        VXG->SetRowHeights(r, 60);
        VXG->SetCells(0, r, QString::number(r));
        VXG->CreateCellGraphic(1, r)->SetCheckBox(false, false, true, TCellHAlign::haBeforeText, TCellVAlign::vaCenter);
        VXG->SetColors(1, r, 0xB0D8FF);
        VXG->SetAlignments(1, r, TAlignment::taCenter);
        VXG->SetColors(2, r, 0xFEFAE0);
        VXG->SetColors(3, r, 0xFFFFFF);
    }
}

void TFTLS_Server_Known_Cert::FormShow()
{
    for (int r = 1; r <= Known_Cert_Rows; ++r) {
        VXG->SetCells(0, r, QString::number(r));
        VXG->SetCheckBoxState(1, r, true);
        for (int c = 2; c < VXG->ColCount() + VXG->NumHiddenColumns(); ++c)
            VXG->SetCells(c, r, QString());
    }
    const TTableLoad load = Load_Known_Cert(File_TLS_Known_Cert);
    for (int i = 0; i < static_cast<int>(load.Rows.size()); ++i) {
        const QStringList& row = load.Rows[i];
        VXG->SetCheckBoxState(1, i + 1, row[0] != QLatin1String("N"));
        VXG->SetCells(2, i + 1, row[1]);
        VXG->SetCells(3, i + 1, row[2]);
    }
    FPartial = load.Partial();
    Report_Table_Load(File_TLS_Known_Cert, load, Known_Cert_Rows);
    Do_Copy = false;
}

void TFTLS_Server_Known_Cert::Btn_OKClick()
{
    if (!Controllo_dati())
        return;
    TTableRows rows;
    for (int r = 1; r <= Known_Cert_Rows; ++r) {
        bool checked = false;
        const bool has = VXG->GetCheckBoxState(1, r, checked);
        rows.push_back({has && checked ? QStringLiteral("Y") : QStringLiteral("N"), VXG->Cells(2, r), VXG->Cells(3, r)});
    }
    if (Save_Table_File(File_TLS_Known_Cert, Known_Cert_XML(rows), FPartial))
        SetModalResult(mrOk);
}

void TFTLS_Server_Known_Cert::Btn_DelRowClick()
{
    const int row = VXG->Row();
    if (MessageDlg(Lang(821) + QString::number(row), TMsgDlgType::mtConfirmation,
                   {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}) == mrYes)
        Grid_Delete_Row_Check(row, *VXG, true);
}

void TFTLS_Server_Known_Cert::Btn_InsRowClick()
{
    Grid_Insert_Row_Check(VXG->Row(), *VXG, true);
}

void TFTLS_Server_Known_Cert::Btn_CopyRowClick()
{
    Grid_Copy_Row_Check(*VXG, VXG->Row());
    Do_Copy = true;
}

void TFTLS_Server_Known_Cert::Btn_PasteRowClick()
{
    Grid_Paste_Row_Check(*VXG, VXG->Row(), Do_Copy);
}

void TFTLS_Server_Known_Cert::Set_Lang()
{
    SetCaption(Lang(800));
    L_SW_Desc->setText(Lang(801));
    TSbButton* const buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (int i = 0; i < 6; ++i) {
        buttons[i]->SetCaption(Lang(802 + i));
        buttons[i]->setToolTip(Lang(808 + i));
    }
    for (int c = 0; c < 4; ++c)
        VXG->SetCells(c, 0, Lang(814 + c));
    Hint_List = {Lang(818), Lang(819), Lang(820)};
}
