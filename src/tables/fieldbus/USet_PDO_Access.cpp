#include "tables/fieldbus/USet_PDO_Access.h"

#include "tables/fieldbus/PDOTable.h"

TFSet_PDO_Access* FSet_PDO_Access = nullptr;

TFSet_PDO_Access::TFSet_PDO_Access(QWidget* parent) : TTableWindow(PDO_Editor(), parent)
{
    FSet_PDO_Access = this;
}

void TFSet_PDO_Access::On_Build()
{
    sga = Grids[0];
    sgb = Grids[1];
}

TFSet_PDO_Access::~TFSet_PDO_Access()
{
    if (FSet_PDO_Access == this)
        FSet_PDO_Access = nullptr;
}
