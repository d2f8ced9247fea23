#include "tables/ip/UImportEDEFile.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "grid/core/VxColumnGrid.h"
#include "platform/Dialogs.h"
#include "tables/TableGrid.h"
#include "ui/UFormParts.h"
#include "widgets/button/SbButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TFImportEDEFile* FImportEDEFile = nullptr;

namespace {
constexpr int kWidth = 863;
constexpr int kHeight = 337;
enum Column { cImport = 1, cRead, cWrite, cName, cType, cInstance, cDescription, cCommandable };

QString Flag(bool value)
{
    return value ? QStringLiteral("Y") : QStringLiteral("N");
}
} // namespace

TFImportEDEFile::TFImportEDEFile(QWidget* parent) : TForm(parent)
{
    FImportEDEFile = this;
    SetFixedClientSize(kWidth, kHeight);
    Set_Lang();
}

void TFImportEDEFile::Build_Controls()
{
    const TTitlePanel title = Make_Title_Panel(this, kWidth);
    P_Title = title.Panel;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    P_Title->setFixedHeight(P_Title->height());

    P_ID_IP = new QWidget(this);
    auto* address = new QHBoxLayout(P_ID_IP);
    LID_IP = new QLabel(P_ID_IP);
    E_ID_IP = new QLineEdit(P_ID_IP);
    E_ID_IP->setFixedWidth(150);
    address->addWidget(LID_IP);
    address->addWidget(E_ID_IP);
    address->addStretch(1);

    VCG = new TVxColumnGrid(this);
    using E = TEditorType;
    const TColor choice = 0xA8FFA8, object = 0xFEFAE0;
    Shape_Table_Grid(*VCG, {{E::edNormal, {}, 32, clWhite},
                            {E::edDataCheckBox, {}, 50, choice},
                            {E::edDataCheckBox, {}, 40, choice},
                            {E::edDataCheckBox, {}, 40, choice},
                            {E::edNormal, {}, 150, object},
                            {E::edNormal, {}, 85, object},
                            {E::edNormal, {}, 60, object},
                            {E::edNormal, {}, 150, object},
                            {E::edDataCheckBox, {}, 90, object}});
    for (int c = cName; c <= cCommandable; ++c)
        VCG->Columns().Items(c)->SetReadOnly(true);
    VCG->SetRowCount(2);
    // A row without an object (the one row of an empty list) has nothing to choose.
    VCG->OnCanEditCell = [this](QObject*, int ARow, int, bool& CanEdit) {
        CanEdit = CanEdit && ARow >= 1 && ARow <= static_cast<int>(List_EDE_Var.size());
    };
    VCG->OnCheckBoxClick = [this](QObject*, int ACol, int ARow, bool State) { VCGCheckBoxClick(ACol, ARow, State); };

    P_Button = Make_Button_Bar(this, kWidth, kHeight);
    P_Button->setFixedHeight(P_Button->height());
    auto* bar = new QHBoxLayout(P_Button);
    bar->setContentsMargins(16, 0, 16, 0);
    bar->setSpacing(8);
    const auto button = [this, bar] {
        TSbButton* b = Make_Bar_Button(P_Button, 0);
        b->setFixedSize(b->size());
        bar->addWidget(b);
        return b;
    };
    Btn_OK = button();
    Btn_Cancel = button();
    bar->addStretch(1);
    Btn_Select_All = button();
    Btn_Unselect_All = button();
    Btn_OK->OnClick = [this](QObject*) { Btn_OKClick(); };
    Btn_Cancel->SetModalResult(mrCancel);
    Btn_Select_All->OnClick = [this](QObject*) { Btn_Select_AllClick(); };
    Btn_Unselect_All->OnClick = [this](QObject*) { Btn_Unselect_AllClick(); };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(P_Title);
    layout->addWidget(P_ID_IP);
    layout->addWidget(VCG, 1);
    layout->addWidget(P_Button);
    Set_Lang();
}

TFImportEDEFile::~TFImportEDEFile()
{
    if (FImportEDEFile == this)
        FImportEDEFile = nullptr;
}

void TFImportEDEFile::Set_Lang()
{
    SetCaption(Lang(2200));
    if (!Built())
        return;
    L_SW_Desc->setText(Lang(2201));
    Btn_OK->SetCaption(Lang(2202));
    Btn_Cancel->SetCaption(Lang(2203));
    for (int c = 0; c <= cCommandable; ++c)
        VCG->Columns().Items(c)->SetHeader(Lang(2204 + c));
    LID_IP->setText(Lang(2215));
    Btn_Select_All->SetCaption(QStringLiteral("Select All"));
    Btn_Unselect_All->SetCaption(QStringLiteral("Unselect All"));
}

void TFImportEDEFile::FormShow()
{
    Reset_Table_Rows(*VCG, VCG->RowCount() - 1);
    E_ID_IP->setFocus();
    Cancel_EDE_List_Vars();
    Load_EDE_File();
    Show_Data_in_Grid();
}

void TFImportEDEFile::Cancel_EDE_List_Vars()
{
    List_EDE_Var.clear();
}

void TFImportEDEFile::Load_EDE_File()
{
    QString error;
    if (!Read_EDE_File(EDE_File, List_EDE_Var, &error))
        MessageDlg(error, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
}

void TFImportEDEFile::Show_Data_in_Grid()
{
    const int count = static_cast<int>(List_EDE_Var.size());
    VCG->SetRowCount(std::max(count, 1) + 1);
    for (int k = 1; k <= count; ++k) {
        const TBACnet_Var& v = List_EDE_Var[static_cast<std::size_t>(k - 1)];
        VCG->SetCells(cImport, k, Flag(v.import));
        VCG->SetCells(cRead, k, Flag(v.read));
        VCG->SetCells(cWrite, k, Flag(v.write));
        VCG->SetCells(cName, k, v.object_name);
        VCG->SetCells(cType, k, QString::number(v.object_type));
        VCG->SetCells(cInstance, k, QString::number(v.object_instance));
        VCG->SetCells(cDescription, k, v.description);
        VCG->SetCells(cCommandable, k, Flag(v.commandable));
    }
}

void TFImportEDEFile::VCGCheckBoxClick(int ACol, int ARow, bool State)
{
    if (ARow < 1 || ARow > static_cast<int>(List_EDE_Var.size()))
        return;
    TBACnet_Var& v = List_EDE_Var[static_cast<std::size_t>(ARow - 1)];
    switch (ACol) {
    case cImport:
        v.import = State;
        break;
    case cRead:
        v.read = State;
        break;
    case cWrite:
        if (!v.commandable) {
            MessageDlg(Lang(2213) + QString::number(ARow) + Lang(2214), TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
            VCG->SetCells(cWrite, ARow, Flag(false));
            break;
        }
        v.write = State;
        break;
    default:
        break;
    }
}

void TFImportEDEFile::Btn_OKClick()
{
    const QString address = E_ID_IP->text();
    if (App_BACnet_Type == 0) {
        std::uint8_t b1 = 0, b2 = 0, b3 = 0, b4 = 0;
        if (Split_IP_Address(address, b1, b2, b3, b4)) {
            MessageDlg(Lang(2216), TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
            return;
        }
    } else if (App_BACnet_Type == 1) {
        const int slave = Cell_Int(address);
        if (slave < 0 || slave > 254) {
            MessageDlg(Lang(2217), TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
            return;
        }
    }
    SetModalResult(mrOk);
}

void TFImportEDEFile::Select_All(bool State)
{
    for (int k = 1; k <= static_cast<int>(List_EDE_Var.size()); ++k) {
        VCG->SetCells(cImport, k, Flag(State));
        List_EDE_Var[static_cast<std::size_t>(k - 1)].import = State;
    }
}

void TFImportEDEFile::Btn_Select_AllClick()
{
    Select_All(true);
}

void TFImportEDEFile::Btn_Unselect_AllClick()
{
    Select_All(false);
}
