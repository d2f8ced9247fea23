#include "tables/ip/UTLS_Server_Known_Cert.h"

#include "core/UComon.h"
#include "core/tables/TableSchemas.h"
#include "grid/core/VxColumnGrid.h"
#include "tables/ip/TLSKnownCertFile.h"

TFTLS_Server_Known_Cert* FTLS_Server_Known_Cert = nullptr;

namespace {

TTableEditor Make_Editor()
{
    using E = TEditorType;
    TTableEditorGrid grid;
    grid.Capacity = Known_Cert_Rows;
    grid.Key_Column = 2;
    grid.Columns = {
        {814, 0, E::edNormal, 40, clWhite},
        {815, 818, E::edNormal, 50, 0xB0D8FF},
        {816, 819, E::edNormal, 500, 0xFEFAE0},
        {817, 820, E::edNormal, 160, 0xFFFFFF},
    };

    TTableEditor e;
    e.Width = 800;
    e.Height = 337;
    e.Bar_Height = 48;
    e.Row_Buttons_Right = true;
    e.Button_Gap = 5;
    e.Caption = 800;
    e.Button_Hints = {808, 809, 810, 811, 812, 813};
    e.Delete_Question = 821;
    e.File = &File_TLS_Known_Cert;
    e.Schema = &Known_Cert_Schema;
    e.Grids = {grid};
    e.Insert_Enable = true;
    e.Sections_Required = false;
    e.Check_Boxes = true;
    e.Row_Height = 60;
    return e;
}

} // namespace

const TTableEditor& Known_Cert_Editor()
{
    static const TTableEditor editor = Make_Editor();
    return editor;
}

TFTLS_Server_Known_Cert::TFTLS_Server_Known_Cert(QWidget* parent) : TTableWindow(Known_Cert_Editor(), parent)
{
    FTLS_Server_Known_Cert = this;
}

void TFTLS_Server_Known_Cert::On_Build()
{
    VXG = Grids.front();
}

TFTLS_Server_Known_Cert::~TFTLS_Server_Known_Cert()
{
    if (FTLS_Server_Known_Cert == this)
        FTLS_Server_Known_Cert = nullptr;
}
