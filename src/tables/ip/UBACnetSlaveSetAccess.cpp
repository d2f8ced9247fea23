#include "tables/ip/UBACnetSlaveSetAccess.h"

#include "core/ProjectFile.h"
#include "core/UComon.h"
#include "core/tables/TableSchemas.h"
#include "grid/core/VxColumnGrid.h"
#include "platform/Dialogs.h"
#include "tables/ip/BACnetSlaveFile.h"
#include "tables/ip/UBACnet_Eng_Unit.h"

TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess = nullptr;

namespace {
constexpr int kEngUnit = 2;
constexpr int kDataType = 1;
constexpr int kLength = 5;

TTableEditorGrid Object_Grid(int header, int tab, const QStringList& types)
{
    using E = TEditorType;
    const QStringList bits = Number_Items(8);
    const QStringList positions = Number_Items(BACnet_Slave_NByte);
    TTableEditorGrid grid;
    grid.Capacity = BACnet_Slave_Rows(false);
    grid.Tab_Text = tab;
    grid.Columns = {
        {header, 0, E::edNormal, 40, clWhite},
        {header + 1, 0, E::edComboList, 150, 0xFEFAE0, types},
        {header + 2, 0, E::edNormal, 100, 0xFEFAE0},
        {header + 3, 0, E::edComboList, 64, 0xF4D6FC, positions},
        {header + 4, 0, E::edComboList, 64, 0xF4D6FC, bits},
        {header + 5, 0, E::edNormal, 64, 0xF4D6FC},
        {header + 6, 0, E::edDataCheckBox, 40, 0xA8FFFF},
        {header + 7, 0, E::edNormal, 250, clWhite},
    };
    grid.Columns[6].Hidden = true;   // Swap
    return grid;
}

TTableEditor Make_Editor()
{
    TTableEditor e;
    e.Width = 764;
    e.Height = 337;
    e.Resizable = true;
    e.Bar_Height = 48;
    e.Row_Buttons_Right = true;
    e.Button_Gap = 5;
    e.Caption = 2300;
    e.Button_Hints = {0, 0, 0, 0, 2314, 2315};   // only the copy and paste buttons show their hints
    e.Row_Error = 2332;
    e.Delete_Question = 2360;
    e.File = &File_BACnet_Slave_SetAccess;
    e.Schema = &BACnet_Slave_Schema;
    e.Grids = {Object_Grid(2316, 2308, BACnet_Read_Types), Object_Grid(2324, 2309, BACnet_Write_Types)};
    e.Sections_Required = false;
    return e;
}

} // namespace

const TTableEditor& BACnet_Slave_Editor()
{
    static const TTableEditor editor = Make_Editor();
    return editor;
}

TFBACnetSlaveSetAccess::TFBACnetSlaveSetAccess(QWidget* parent) : TTableWindow(BACnet_Slave_Editor(), parent)
{
    FBACnetSlaveSetAccess = this;
}

void TFBACnetSlaveSetAccess::On_Build()
{
    TS_BACnet_in_Read = Grids[0];
    TS_BACnet_in_Write = Grids[1];
    VCG_BACnet_in_Read = Grids[0];
    VCG_BACnet_in_Write = Grids[1];
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

void TFBACnetSlaveSetAccess::On_Show()
{
    Desc_Lenght = false;
    Xml::TElement root;
    QString error;
    // A parameter file that cannot be read leaves the longer tables.
    if (Load_Project_File(File_ParGen, root, &error) == TProjectFileLoad::Loaded)
        Desc_Lenght = TParGen(&root).Flag(QStringLiteral("BACnet_Desc_Chars_Limit"));
    std::fill(Rows.begin(), Rows.end(), Table_Rows_Count());
}

bool TFBACnetSlaveSetAccess::Controllo_dati()
{
    const std::vector<TTableRows> tables = Tables();
    const QString error = Check_BACnet_Slave(tables[0], tables[1], Desc_Lenght);
    if (error.isEmpty())
        return true;
    MessageDlg(error, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
    return false;
}

void TFBACnetSlaveSetAccess::Dbl_Click_Cell(TVxColumnGrid& Grid, int ARow, int ACol)
{
    if (Grid.RealColIndex(ACol) == kEngUnit && FBACnet_Eng_Unit) {
        QString unit = Grid.Cells(kEngUnit, ARow);
        if (FBACnet_Eng_Unit->Pick_Unit(ARow, unit))
            Grid.SetCells(kEngUnit, ARow, unit);
    }
    TTableWindow::Dbl_Click_Cell(Grid, ARow, ACol);
}

void TFBACnetSlaveSetAccess::Combo_Change(TVxColumnGrid& Grid, int ACol, int ARow, int, const QString& ASelection)
{
    if (&Grid != VCG_BACnet_in_Write || ACol != kDataType)
        return;
    const QString length = BACnet_Write_Default_Length(ASelection);
    if (!length.isEmpty())
        Grid.SetCells(kLength, ARow, length);
}
