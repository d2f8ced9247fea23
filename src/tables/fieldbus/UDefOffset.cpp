#include "tables/fieldbus/UDefOffset.h"

#include "core/UComon.h"
#include "core/ULanguage.h"
#include "grid/core/VxColumnGrid.h"
#include "platform/Dialogs.h"
#include "tables/TableEditor.h"
#include "tables/TableGrid.h"
#include "ui/UFormParts.h"
#include "widgets/button/SbButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

TFDefOffset* FDefOffset = nullptr;

namespace {

constexpr int kWidth = 482;
constexpr int kHeight = 610;

// The slave's bytes of one direction as its table shows them.
struct TByteLists {
    QStringList TSlave_DN::*Offsets;
    QStringList TSlave_DN::*Mnemonics;
};
const TByteLists kIn = {&TSlave_DN::SL_ByteIN, &TSlave_DN::SL_ByteIN_M};
const TByteLists kOut = {&TSlave_DN::SL_ByteOUT, &TSlave_DN::SL_ByteOUT_M};

TVxColumnGrid* Make_Byte_Grid()
{
    auto* grid = new TVxColumnGrid;
    grid->SetFixedRowAlways(true);
    Shape_Table_Grid(*grid, {{TEditorType::edNormal, {}, 60, clWhite},
                             {TEditorType::edComboList, Position_Items(DNet_MAX_Byte), 90, clWhite},
                             {TEditorType::edNormal, {}, 300, clWhite}});
    grid->SetDefaultRowHeight(21);
    grid->SetRowHeights(0, 22);
    grid->SetRowCount(1);
    return grid;
}

void Fill_Bytes(TVxColumnGrid& grid, const TSlave_DN& slave, const TByteLists& lists)
{
    const QStringList& offsets = slave.*lists.Offsets;
    grid.SetRowCount(static_cast<int>(offsets.size()) + 1);
    for (int i = 0; i < offsets.size(); ++i) {
        grid.SetCells(0, i + 1, QString::number(i));
        grid.SetCells(1, i + 1, offsets[i]);
        grid.SetCells(2, i + 1, (slave.*lists.Mnemonics).value(i));
    }
}

void Store_Bytes(TVxColumnGrid& grid, TSlave_DN& slave, const TByteLists& lists)
{
    QStringList& offsets = slave.*lists.Offsets;
    QStringList& mnemonics = slave.*lists.Mnemonics;
    for (int r = 1; r < grid.RowCount() && r <= offsets.size(); ++r) {
        offsets[r - 1] = grid.Cells(1, r);
        mnemonics[r - 1] = grid.Cells(2, r);
    }
}

} // namespace

TFDefOffset::TFDefOffset(QWidget* parent) : TForm(parent)
{
    FDefOffset = this;
    SetFixedClientSize(kWidth, kHeight);
    Set_Lang();
}

void TFDefOffset::Build_Controls()
{
    const TTitlePanel title = Make_Title_Panel(this, kWidth);
    P_Title = title.Panel;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    P_Title->setFixedHeight(P_Title->height());

    auto* panel1 = new QWidget;
    panel1->setFixedHeight(162);
    auto* top = new QVBoxLayout(panel1);
    Label1 = new QLabel;
    VCG_DN_Slaves = new TVxColumnGrid;
    VCG_DN_Slaves->SetFixedRowAlways(true);
    VCG_DN_Slaves->SetOptions(VCG_DN_Slaves->Options() | TGridOption::goVertLine | TGridOption::goHorzLine);
    VCG_DN_Slaves->SetColCount(4);
    VCG_DN_Slaves->SetFixedCols(0);
    VCG_DN_Slaves->SetFixedRows(1);
    VCG_DN_Slaves->SetRowCount(1);
    const int widths[] = {100, 100, 100, 160};
    const TColor tints[] = {0xCEFFCE, 0xD5FFFF, 0xD5FFFF, clWindow};
    for (int c = 0; c < 4; ++c) {
        TGridColumnItem* item = VCG_DN_Slaves->Columns().Items(c);
        item->SetWidth(widths[c]);
        item->SetColor(tints[c]);
        item->SetReadOnly(true);
    }
    VCG_DN_Slaves->OnClick = [this](QObject*) { VCG_DN_SlavesClick(); };
    top->addWidget(Label1);
    top->addWidget(VCG_DN_Slaves);

    auto* panel3 = new QWidget;
    auto* bottom = new QVBoxLayout(panel3);
    Label2 = new QLabel;
    Label3 = new QLabel;
    PageControl1 = new QTabWidget;
    VCG_ByteIN = Make_Byte_Grid();
    VCG_ByteOUT = Make_Byte_Grid();
    PageControl1->addTab(VCG_ByteIN, QString());
    PageControl1->addTab(VCG_ByteOUT, QString());
    PageControl1->setCurrentIndex(0);
    bottom->addWidget(Label2);
    bottom->addWidget(Label3);
    bottom->addWidget(PageControl1);

    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(panel1);
    splitter->addWidget(panel3);

    P_Button = Make_Button_Bar(this, kWidth, kHeight, 40);
    P_Button->setFixedHeight(40);
    auto* bar = new QHBoxLayout(P_Button);
    bar->setContentsMargins(16, 0, 16, 0);
    bar->setSpacing(8);
    Btn_OK = Make_Bar_Button(P_Button, 0);
    Btn_Cancel = Make_Bar_Button(P_Button, 0);
    for (TSbButton* b : {Btn_OK, Btn_Cancel}) {
        b->setFixedSize(b->size());
        bar->addWidget(b);
    }
    bar->addStretch(1);
    Btn_OK->OnClick = [this](QObject*) { bitbtn1Click(); };
    Btn_Cancel->SetModalResult(mrCancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(P_Title);
    layout->addWidget(splitter, 1);
    layout->addWidget(P_Button);
    Set_Lang();
}

TFDefOffset::~TFDefOffset()
{
    if (FDefOffset == this)
        FDefOffset = nullptr;
}

void TFDefOffset::Set_Lang()
{
    SetCaption(Lang(3100));
    if (!Built())
        return;
    L_SW_Desc->setText(Lang(3101));
    Btn_OK->SetCaption(Lang(3102));
    Btn_Cancel->SetCaption(Lang(3103));
    Btn_OK->setToolTip(Lang(3104));
    Btn_Cancel->setToolTip(Lang(3105));
    PageControl1->setTabText(0, Lang(3106));
    PageControl1->setTabText(1, Lang(3107));
    Label1->setText(Lang(3108));
    Label2->setText(Lang(3109));
    Label3->setText(Lang(3110));
    for (int c = 0; c < 4; ++c)
        VCG_DN_Slaves->Columns().Items(c)->SetHeader(Lang(3111 + c));
    for (int c = 0; c < 3; ++c) {
        VCG_ByteIN->Columns().Items(c)->SetHeader(Lang(3115 + c));
        VCG_ByteOUT->Columns().Items(c)->SetHeader(Lang(3118 + c));
    }
}

void TFDefOffset::FormShow()
{
    List_Slaves_DN.clear();
    Slave_Before_Select = -1;
    TSlaves_DN_Load load = Load_Slave_DN(File_DNETM_Net);
    VCG_DN_Slaves->SetRowCount(static_cast<int>(load.Rows.size()) + 1);
    for (int r = 0; r < static_cast<int>(load.Rows.size()); ++r)
        for (int c = 0; c < 4; ++c)
            VCG_DN_Slaves->SetCells(c, r + 1, load.Rows[static_cast<std::size_t>(r)].value(c));
    List_Slaves_DN = std::move(load.Slaves);
    // The slaves read before a bad one still get their blocks, so that OK does not blank them.
    for (const QString& error : {load.Error, Load_Offset_Slave_DN(File_DNETM_DefOff, List_Slaves_DN)})
        if (!error.isEmpty())
            MessageDlg(error, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
    Select_First();
}

void TFDefOffset::Select_First()
{
    if (VCG_DN_Slaves->RowCount() < 2) {
        Update_Slave_DN();
        return;
    }
    VCG_DN_Slaves->SetRow(1);
    VCG_DN_SlavesClick();
}

void TFDefOffset::VCG_DN_SlavesClick()
{
    if (Slave_Before_Select != -1)
        Save_Data_ByteIN_ByteOUT();
    const int row = VCG_DN_Slaves->Row();
    VCG_DN_Slaves->SelectRows(row, 1);
    Slave_Before_Select = row - 1;
    Update_Slave_DN();
}

void TFDefOffset::Update_Slave_DN()
{
    const int index = VCG_DN_Slaves->Row() - 1;
    if (VCG_DN_Slaves->RowCount() < 2 || index < 0 || index >= static_cast<int>(List_Slaves_DN.size())) {
        VCG_ByteIN->SetRowCount(1);
        VCG_ByteOUT->SetRowCount(1);
        return;
    }
    const TSlave_DN& slave = List_Slaves_DN[static_cast<std::size_t>(index)];
    Fill_Bytes(*VCG_ByteIN, slave, kIn);
    Fill_Bytes(*VCG_ByteOUT, slave, kOut);
}

void TFDefOffset::Save_Data_ByteIN_ByteOUT()
{
    if (Slave_Before_Select < 0 || Slave_Before_Select >= static_cast<int>(List_Slaves_DN.size()))
        return;
    TSlave_DN& slave = List_Slaves_DN[static_cast<std::size_t>(Slave_Before_Select)];
    Store_Bytes(*VCG_ByteIN, slave, kIn);
    Store_Bytes(*VCG_ByteOUT, slave, kOut);
}

void TFDefOffset::bitbtn1Click()
{
    Save_Data_ByteIN_ByteOUT();
    const QString error = Check_Data(List_Slaves_DN);
    if (!error.isEmpty()) {
        MessageDlg(error, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
        return;
    }
    if (Save_Table_File(File_DNETM_DefOff, Offset_File_XML(List_Slaves_DN), false))
        SetModalResult(mrOk);
}
