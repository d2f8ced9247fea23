#include "tables/ip/UIEC61850_Variables.h"

#include "core/UComon.h"
#include "core/tables/TableSchemas.h"
#include "tables/ip/IEC61850VariablesFile.h"

TFIEC61850_Variables* FIEC61850_Variables = nullptr;

namespace {

TTableEditor Make_Editor()
{
    using E = TEditorType;
    const QStringList bits = Number_Items(8);
    TTableEditorGrid grid;
    grid.Capacity = IEC61850_Variable_Rows;
    grid.Key_Column = 2;
    grid.Columns = {
        {914, 0, E::edNormal, 40, clWhite},
        {915, 922, E::edDataCheckBox, 50, 0xB0D8FF},
        {916, 923, E::edNormal, 250, 0xFEFAE0},
        {917, 924, E::edComboList, 80, 0xA8FFA8, {"Int", "Float", "Digital (Bit)"}},
        {918, 925, E::edNormal, 65, 0xA8FFA8},
        {919, 926, E::edDataCheckBox, 65, 0xA8FFFF},
        {920, 927, E::edNormal, 80, 0xF4D6FC},
        {932, 935, E::edComboList, 60, 0xF4D6FC, bits},
        {933, 936, E::edComboList, 75, 0xFFD5D5, {"None", "Int to Float", "Float to Int"}},
        {934, 937, E::edComboEdit, 75, 0xFFD5D5, {"None"}},
        {942, 944, E::edDataCheckBox, 45, 0xFFD5D5},
        {943, 945, E::edDataCheckBox, 80, 0xFFD5D5},
        {921, 928, E::edNormal, 128, clWhite},
    };
    TTableEditor e;
    e.Width = 1155;
    e.Height = 337;
    e.Caption = 900;
    e.Button_Hints = {0, 0, 0, 0, 912, 913};   // only the copy and paste buttons show their hints
    e.Bar_Height = 48;
    e.Row_Buttons_Right = true;
    e.Row_Error = 929;
    e.Delete_Question = 931;
    e.File = &File_IEC61850_Variables;
    e.Schema = &IEC61850_Variables_Schema;
    e.Grids = {grid};
    e.Enable_Column = true;
    e.Insert_Enable = true;
    e.Check_Tables = [](const TTableEditor&, const std::vector<TTableRows>& tables) {
        return Check_IEC61850_Variables(tables.front(), Get_Decimal_Separator());
    };
    return e;
}

const TTableEditor& IEC61850_Editor()
{
    static const TTableEditor editor = Make_Editor();
    return editor;
}

} // namespace

TFIEC61850_Variables::TFIEC61850_Variables(QWidget* parent) : TTableWindow(IEC61850_Editor(), parent)
{
    FIEC61850_Variables = this;
}

void TFIEC61850_Variables::On_Build()
{
    VCG = Grids.front();
}

TFIEC61850_Variables::~TFIEC61850_Variables()
{
    if (FIEC61850_Variables == this)
        FIEC61850_Variables = nullptr;
}
