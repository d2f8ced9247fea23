#include "tables/ip/UBACnetSlaveSetAccess.h"

#include "core/ProjectFile.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "grid/core/VxColumnGrid.h"
#include "platform/Dialogs.h"
#include "tables/ip/BACnetSlaveFile.h"
#include "tables/TableGrid.h"
#include "tables/ip/UBACnet_Eng_Unit.h"
#include "ui/GridRowHelpers.h"
#include "ui/UFormParts.h"
#include "widgets/button/SbButton.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess = nullptr;

namespace {
constexpr int kWidth = 764;
constexpr int kHeight = 337;
constexpr int kBar = 48;
constexpr int kSwap = 6;
constexpr int kEngUnit = 2;
constexpr int kDataType = 1;
constexpr int kLength = 5;

std::vector<TTableColumn> Columns(const QStringList& types)
{
    using E = TEditorType;
    QStringList bits;
    for (int b = 0; b <= 7; ++b)
        bits << QString::number(b);
    return {
        {E::edNormal, {}, 40, clWhite},
        {E::edComboList, types, 150, 0xFEFAE0},
        {E::edNormal, {}, 100, 0xFEFAE0},
        {E::edComboList, {}, 64, 0xF4D6FC},   // positions: filled at every showing
        {E::edComboList, bits, 64, 0xF4D6FC},
        {E::edNormal, {}, 64, 0xF4D6FC},
        {E::edDataCheckBox, {}, 40, 0xA8FFFF},
        {E::edNormal, {}, 250, clWhite},
    };
}

QStringList Positions(int count)
{
    QStringList list;
    list.reserve(count);
    for (int p = 0; p < count; ++p)
        list << QString::number(p);
    return list;
}
} // namespace

TFBACnetSlaveSetAccess::TFBACnetSlaveSetAccess(QWidget* parent) : TForm(parent)
{
    FBACnetSlaveSetAccess = this;
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(kWidth, kHeight);
    const TTitlePanel title = Make_Title_Panel(this, kWidth);
    P_Title = title.Panel;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    PageControl1 = new QTabWidget(this);
    P_Button = Make_Button_Bar(this, kWidth, kHeight, kBar);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    P_Title->setFixedHeight(P_Title->height());
    P_Button->setFixedHeight(kBar);
    layout->addWidget(P_Title);
    layout->addWidget(PageControl1, 1);
    layout->addWidget(P_Button);

    Make_Table_Buttons(P_Button, *this,
                       {[this] { bitbtn1Click(); }, [this] { Btn_DelRow_Click(); }, [this] { Btn_InsRowClick(); }, [this] { Btn_CopyRowClick(); },
                        [this] { Btn_PasteRowClick(); }});

    const auto page = [this](TVxColumnGrid*& grid, const QStringList& types) {
        auto* sheet = new QWidget;
        grid = new TVxColumnGrid(sheet);
        auto* fill = new QVBoxLayout(sheet);
        fill->setContentsMargins(0, 0, 0, 0);
        fill->addWidget(grid);
        Shape_Table_Grid(*grid, Columns(types));
        grid->SetDefaultRowHeight(22);
        grid->SetRowHeights(0, 22);
        grid->HideColumn(kSwap);
        TVxColumnGrid* g = grid;
        g->OnKeyPress = [g](QObject*, QChar& Key) { Grid_Key_Press(*g, Key); };
        Bind_Cell_Clicks(
            *g, [this, g](int ARow, int ACol) { ClickCell(*g, ARow, ACol); },
            [this, g](int ARow, int ACol) { DblClickCell(*g, ARow, ACol); });
        PageControl1->addTab(sheet, QString());
        return sheet;
    };
    TS_BACnet_in_Read = page(VCG_BACnet_in_Read, BACnet_Read_Types);
    TS_BACnet_in_Write = page(VCG_BACnet_in_Write, BACnet_Write_Types);
    VCG_BACnet_in_Write->OnComboChange = [this](QObject*, int ACol, int ARow, int AItemIndex, const QString& ASelection) {
        VCG_BACnet_in_WriteComboChange(ACol, ARow, AItemIndex, ASelection);
    };
    Set_Lang();
}

TFBACnetSlaveSetAccess::~TFBACnetSlaveSetAccess()
{
    if (FBACnetSlaveSetAccess == this)
        FBACnetSlaveSetAccess = nullptr;
}

int TFBACnetSlaveSetAccess::Table_Rows_Count() const
{
    return BACnet_Slave_Rows(Desc_Lenght);
}

TVxColumnGrid& TFBACnetSlaveSetAccess::Active_Grid() const
{
    return PageControl1->currentWidget() == TS_BACnet_in_Write ? *VCG_BACnet_in_Write : *VCG_BACnet_in_Read;
}

void TFBACnetSlaveSetAccess::Read_Desc_Lenght()
{
    Desc_Lenght = false;
    Xml::TElement root;
    QString error;
    // A parameter file that cannot be read leaves the longer tables.
    if (Load_Project_File(File_ParGen, root, &error) == TProjectFileLoad::Loaded)
        Desc_Lenght = TParGen(&root).Flag(QStringLiteral("BACnet_Desc_Chars_Limit"));
}

void TFBACnetSlaveSetAccess::FormShow()
{
    // Every row a table can have, so that rows beyond a shorter table hold nothing from an earlier showing.
    Reset_Table_Rows(*VCG_BACnet_in_Read, BACnet_Slave_Rows(false));
    Reset_Table_Rows(*VCG_BACnet_in_Write, BACnet_Slave_Rows(false));
    PageControl1->setCurrentWidget(TS_BACnet_in_Write);
    PageControl1->setCurrentWidget(TS_BACnet_in_Read);
    NByte_IN = BACnet_Slave_NByte;
    NByte_OUT = BACnet_Slave_NByte;
    VCG_BACnet_in_Read->Columns().Items(3)->SetComboItems(Positions(NByte_IN));
    VCG_BACnet_in_Write->Columns().Items(3)->SetComboItems(Positions(NByte_OUT));
    Read_Desc_Lenght();
    const int rows = Table_Rows_Count();
    VCG_BACnet_in_Read->SetRowCount(rows + 1);
    VCG_BACnet_in_Write->SetRowCount(rows + 1);

    const TBACnetSlaveLoad load = Load_BACnet_Slave(File_BACnet_Slave_SetAccess, rows);
    Fill_Table_Rows(*VCG_BACnet_in_Read, load.Read.Rows);
    Fill_Table_Rows(*VCG_BACnet_in_Write, load.Write.Rows);
    FPartial = load.Partial();
    Report_Table_Load(File_BACnet_Slave_SetAccess, load.Read, rows);
    Report_Table_Load(File_BACnet_Slave_SetAccess, load.Write, rows);
    Do_Copy_Read = false;
    Do_Copy_Write = false;
}

bool TFBACnetSlaveSetAccess::Controllo_dati()
{
    const int rows = Table_Rows_Count();
    const QString error = Check_BACnet_Slave(Table_Rows(*VCG_BACnet_in_Read, rows),
                                             Table_Rows(*VCG_BACnet_in_Write, rows), Desc_Lenght);
    if (error.isEmpty())
        return true;
    MessageDlg(error, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
    return false;
}

void TFBACnetSlaveSetAccess::bitbtn1Click()
{
    if (!Controllo_dati())
        return;
    const int rows = Table_Rows_Count();
    const QByteArray xml =
        BACnet_Slave_XML(Table_Rows(*VCG_BACnet_in_Read, rows), Table_Rows(*VCG_BACnet_in_Write, rows));
    if (Save_Table_File(File_BACnet_Slave_SetAccess, xml, FPartial))
        SetModalResult(mrOk);
}

void TFBACnetSlaveSetAccess::Btn_DelRow_Click()
{
    TVxColumnGrid& grid = Active_Grid();
    const int row = grid.Row();
    if (MessageDlg(Lang(2360) + QString::number(row), TMsgDlgType::mtConfirmation,
                   {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}) == mrYes)
        Grid_Delete_Row(row, grid);
}

void TFBACnetSlaveSetAccess::Btn_InsRowClick()
{
    TVxColumnGrid& grid = Active_Grid();
    Grid_Insert_Row(grid.Row(), grid, false);
}

void TFBACnetSlaveSetAccess::Btn_CopyRowClick()
{
    TVxColumnGrid& grid = Active_Grid();
    Grid_Copy_Row(grid, grid.Row());
    Do_Copy_Read = &grid == VCG_BACnet_in_Read;
    Do_Copy_Write = !Do_Copy_Read;
}

void TFBACnetSlaveSetAccess::Btn_PasteRowClick()
{
    TVxColumnGrid& grid = Active_Grid();
    Grid_Paste_Row(grid, grid.Row(), &grid == VCG_BACnet_in_Read ? Do_Copy_Read : Do_Copy_Write);
}

void TFBACnetSlaveSetAccess::ClickCell(TVxColumnGrid& Grid, int ARow, int ACol)
{
    Select_Row_On_Number(Grid, ARow, ACol);
}

void TFBACnetSlaveSetAccess::DblClickCell(TVxColumnGrid& Grid, int ARow, int ACol)
{
    if (Grid.RealColIndex(ACol) == kEngUnit && FBACnet_Eng_Unit) {
        QString unit = Grid.Cells(kEngUnit, ARow);
        if (FBACnet_Eng_Unit->Pick_Unit(ARow, unit))
            Grid.SetCells(kEngUnit, ARow, unit);
    }
    Grid_DblClick_Cell(Grid, ARow, ACol);
}

void TFBACnetSlaveSetAccess::VCG_BACnet_in_WriteComboChange(int ACol, int ARow, int, const QString& ASelection)
{
    if (ACol != kDataType)
        return;
    const QString length = BACnet_Write_Default_Length(ASelection);
    if (!length.isEmpty())
        VCG_BACnet_in_Write->SetCells(kLength, ARow, length);
}

void TFBACnetSlaveSetAccess::Set_Lang()
{
    SetCaption(Lang(2300));
    L_SW_Desc->setText(Lang(2301));
    TSbButton* const buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (int i = 0; i < 6; ++i)
        buttons[i]->SetCaption(Lang(2302 + i));
    PageControl1->setTabText(0, Lang(2308));
    PageControl1->setTabText(1, Lang(2309));
    // Only the copy and paste buttons show their hints.
    Btn_CopyRow->setToolTip(Lang(2314));
    Btn_PasteRow->setToolTip(Lang(2315));
    for (int c = 0; c < 8; ++c) {
        VCG_BACnet_in_Read->Columns().Items(c)->SetHeader(Lang(2316 + c));
        VCG_BACnet_in_Write->Columns().Items(c)->SetHeader(Lang(2324 + c));
    }
}
