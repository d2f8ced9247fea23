#include "core/USaveBincc.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/USaveBinccState.h"
#include "platform/Paths.h"
#include "platform/SaveFile.h"
#include <QDir>
#include <QFile>

namespace {

TBincc_State State;
QByteArray Bank1;
QByteArray Bank2;
bool Images_Built = false;

void Set_Error(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

bool Build_Bank_Images(QString* error)
{
    Images_Built = false;
    Bank1.clear();
    Bank2.clear();
    TBinImage& block = State.Parameter_Block;
    Reset_Parameter_Block(block);
    Clear_Object_Table(State);
    Reset_IEC61850_Data(State.IEC61850_Data);
    State.NTP_Server_Name.clear();
    State.Long_Object_Names = false;

    if (!Read_ParGen_XML(State, error))
        return false;
    block.Put_U32(Par::NTP_Name_Add, State.NTP_Server_Name.isEmpty() ? 0 : Bank2_Device_Address);
    block.Put_U32(Par::Object_Table_Add, Object_Table_Address);
    block.Put_U32(Par::IEC61850_Section_Add, IEC61850_Section_Address);
    if (!Read_BACnet_Slave_XML(State, Object_Table_Address, error) ||
        !Read_IEC61850_Variables_XML(State.IEC61850_Data, error) || !Read_TLS_Known_Cert_XML(State.IEC61850_Data, error))
        return false;

    TBinImage bank2(Bank2_Size);
    int pos = Put_NTP_Server(State.NTP_Server_Name, 0, bank2);
    pos = Put_Object_Table(State, pos, bank2);
    const int section = pos;
    pos = Put_IEC61850_Section(State.IEC61850_Data, IEC61850_Section_Address, pos, bank2);
    if (bank2.Overflowed()) {
        Set_Error(error, QStringLiteral("Error! The IEC 61850 parameters take %1 bytes, the device has room for %2")
                             .arg(pos - section)
                             .arg(Bank2_Size - section));
        return false;
    }
    Bank2 = bank2.Bytes().left(pos);
    Bank1 = Copy_Parameter_Block(block);
    Images_Built = true;
    return true;
}

bool Write_Bank_Files(QString* error)
{
    if (!Images_Built) {
        Set_Error(error, QStringLiteral("Error! No device images compiled"));
        return false;
    }
    if (Project_Dir.isEmpty()) {
        Set_Error(error, Lang(18));
        return false;
    }
    const QString bin = JoinPath(Project_Dir, QStringLiteral("bin"));
    if (!QDir().mkpath(bin)) {
        Set_Error(error, QStringLiteral("Error! The folder %1 cannot be created").arg(QDir::toNativeSeparators(bin)));
        return false;
    }
    const QString file1 = JoinPath(bin, QStringLiteral("bank1.bin"));
    const QString file2 = JoinPath(bin, QStringLiteral("bank2.bin"));
    if (!SaveWholeFileTold(file1, Bank1, error))
        return false;
    if (!SaveWholeFileTold(file2, Bank2, error)) {
        // A new bank1 beside an old bank2 would update the device with a mixed configuration.
        QFile::remove(file1);
        QFile::remove(file2);
        return false;
    }
    return true;
}

} // namespace

bool Compile_Bincc(QString* error)
{
    return Build_Bank_Images(error);
}

bool Save_Bincc(QString* error)
{
    return Write_Bank_Files(error);
}
