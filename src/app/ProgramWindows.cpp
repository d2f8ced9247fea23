#include "app/ProgramWindows.h"

#include "tables/fieldbus/UReceiveCAN.h"
#include "tables/fieldbus/USet_PDO_Access.h"
#include "tables/fieldbus/USet_SDO_Client_Access.h"
#include "tables/fieldbus/USet_SDO_Server_Access.h"
#include "tables/fieldbus/UTransmitCAN.h"
#include "tables/ip/UBACnetSlaveSetAccess.h"
#include "tables/ip/UBACnet_Eng_Unit.h"
#include "tables/ip/UIEC61850_Variables.h"
#include "tables/ip/UModbus_TCP_Master_Set_Access.h"
#include "tables/ip/USetAccess.h"
#include "tables/ip/UTLS_Server_Known_Cert.h"
#include "ui/UAbout.h"
#include "ui/UBoot.h"
#include "ui/UNew_Project.h"
#include "ui/UOpenConf.h"
#include "ui/UParGen.h"
#include "ui/UProfinetFileName.h"
#include "ui/USoftOptions.h"
#include "ui/UVostrelanteFirmWare.h"

namespace {

// Registers a window that follows language changes.
template <typename TWindow>
TWindow* Add(TFVostrelanteFirmWare& main, const char* name)
{
    auto* form = new TWindow(&main);
    main.Add_Window(QString::fromLatin1(name), form, [form] { form->Set_Lang(); });
    return form;
}

} // namespace

void Create_Program_Windows(TFVostrelanteFirmWare& main)
{
    // One line per window, in creation order.
    Add<TFNew_Project>(main, "FNew_Project");
    Add<TFOpenConf>(main, "FOpenConf");
    main.Add_Window(QStringLiteral("FAbout"), new TFAbout(&main), {});   // fixed texts
    Add<TFSoftOptions>(main, "FSoftOptions");
    Add<TFParGen>(main, "FParGen");
    Add<TFProfinetFileName>(main, "FProfinetFileName");
    Add<TFTLS_Server_Known_Cert>(main, "FTLS_Server_Known_Cert");
    Add<TFIEC61850_Variables>(main, "FIEC61850_Variables");
    Add<TFBACnet_Eng_Unit>(main, "FBACnet_Eng_Unit");
    Add<TFBACnetSlaveSetAccess>(main, "FBACnetSlaveSetAccess");
    Add<TFReceiveCAN>(main, "FReceiveCAN");
    Add<TFTransmitCAN>(main, "FTransmitCAN");
    Add<TFSet_PDO_Access>(main, "FSet_PDO_Access");
    Add<TFSet_SDO_Client_Access>(main, "FSet_SDO_Client_Access");
    Add<TFSet_SDO_Server_Access>(main, "FSet_SDO_Server_Access");
    Add<TFSetAccess>(main, "FSetAccess");
    Add<TFModbus_TCP_Master_Set_Access>(main, "FModbus_TCP_Master_Set_Access");
    auto* boot = Add<TFBoot>(main, "FBoot");
    main.OnShowBoot = [boot](std::uint32_t BACnetType, std::uint32_t) { boot->Show_Update(BACnetType); };
}
