#include "tables/ip/UBACnetAccess.h"

#include "core/ProjectFile.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "grid/core/VxColumnGrid.h"
#include "platform/Dialogs.h"
#include "tables/ip/BACnetMasterTable.h"
#include "tables/ip/UImportEDEFile.h"
#include "widgets/button/SbButton.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

TFBACnetAccess* FBACnetAccess = nullptr;

TFBACnetAccess::TFBACnetAccess(QWidget* parent) : TTableWindow(BACnet_Master_Editor(0), parent)
{
    FBACnetAccess = this;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && screen->geometry().width() <= 1270)
        SetFixedClientSize(1000, Editor().Height);
}

void TFBACnetAccess::On_Build()
{
    TS_BACnet_Read = Grids[0];
    TS_BACnet_Write = Grids[1];
    VCG1 = Grids[0];
    VCG2 = Grids[1];
    Btn_Import_CSV = More_Buttons.front();
    Btn_Import_CSV->OnClick = [this](QObject*) { Btn_Import_CSVClick(); };
}

TFBACnetAccess::~TFBACnetAccess()
{
    if (FBACnetAccess == this)
        FBACnetAccess = nullptr;
}

void TFBACnetAccess::On_Show()
{
    std::optional<QString> type;
    Xml::TElement root;
    if (Load_Project_File(File_ParGen, root, nullptr) == TProjectFileLoad::Loaded)
        type = TParGen(&root).Text(QStringLiteral("BACnet_Master_Type"));
    if (!type)
        MessageDlg(Lang(2157), TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
    App_BACnet_Type = type ? Read_Cell_Integer(*type).value_or(0) : 0;
    Use_Editor(BACnet_Master_Editor(App_BACnet_Type));
}

QString TFBACnetAccess::Cell_Hint(TVxColumnGrid& Grid, int ARow, int ACol)
{
    if (&Grid != VCG1)
        return {};
    QStringList cells;
    for (int c = 1; c < Grid.ColCount() + Grid.NumHiddenColumns(); ++c)
        cells << Grid.Cells(c, ARow);
    return Str_Hint_Read(cells, ACol);
}

void TFBACnetAccess::Btn_Import_CSVClick()
{
    if (!FImportEDEFile)
        return;
    FImportEDEFile->App_BACnet_Type = App_BACnet_Type;
    TFileDialogRequest request;
    request.InitialDir = EDE_Import_Dir;
    request.Filter = QStringLiteral("BACnet EDE File (*.csv)|*.csv");
    QString name;
    if (!PromptForOpenFile(request, name))
        return;
    const QFileInfo file(name);
    EDE_Import_Dir = file.absolutePath();
    if (!file.exists())
        return;
    FImportEDEFile->EDE_File = name;
    if (FImportEDEFile->ShowModal() != mrOk)
        return;
    std::vector<TTableRows> tables = Tables();
    const TEDE_Left_Out left =
        Fill_EDE_Rows(Editor(), tables, FImportEDEFile->List_EDE_Var, FImportEDEFile->E_ID_IP->text());
    for (std::size_t g = 0; g < Grids.size(); ++g)
        Fill_Table_Rows(*Grids[g], tables[g]);
    if (left.Read || left.Write)
        MessageDlg(EDE_Left_Out_Message(left, BACnet_Master_Rows), TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK});
}
