#include "core/USaveBincc.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/USaveBinccState.h"
#include "platform/Paths.h"
#include "platform/SaveFile.h"
#include "platform/UserFile.h"
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

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

// The pair is whole when bin/banks.sha256 lists the digests of the two files as they stand. The list goes
// before either image is replaced and comes back after both are, so whatever moment the program dies at,
// the folder holds the old pair, the new pair, or no whole pair; the update step checks the same list.
const QString kBank1 = QStringLiteral("bank1.bin");
const QString kBank2 = QStringLiteral("bank2.bin");
const QString kPairSum = QStringLiteral("banks.sha256");
const QString kNew = QStringLiteral(".new");

QByteArray Pair_Sum(const QByteArray& bank1, const QByteArray& bank2)
{
    const auto line = [](const QByteArray& bytes, const QString& name) {
        return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() + "  " + name.toLatin1() + '\n';
    };
    return line(bank1, kBank1) + line(bank2, kBank2);
}

QString Write_Message(const QString& path, const QString& reason)
{
    return QStringLiteral("Error! The file %1 cannot be written: %2").arg(QDir::toNativeSeparators(path), reason);
}

// Each image to its temporary file beside it; on failure the message names the image.
bool Write_New_Images(const QString& file1, const QString& file2, QString* error)
{
    for (const auto& [path, bytes] : {std::pair{&file1, &Bank1}, std::pair{&file2, &Bank2}}) {
        QString reason;
        if (!SaveWholeFile(*path + kNew, *bytes, &reason)) {
            Set_Error(error, Write_Message(*path, reason));
            return false;
        }
    }
    return true;
}

bool Replace_Images(const QString& file1, const QString& file2, QString* error)
{
    for (const QString* path : {&file1, &file2}) {
        // rename(2) replaces the old file in one step; Qt's rename refuses an existing target.
        if (std::rename(QFile::encodeName(*path + kNew).constData(), QFile::encodeName(*path).constData()) != 0) {
            Set_Error(error, Write_Message(*path, QString::fromLocal8Bit(std::strerror(errno))));
            return false;
        }
    }
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
    const QString file1 = JoinPath(bin, kBank1);
    const QString file2 = JoinPath(bin, kBank2);
    const QString sum = JoinPath(bin, kPairSum);
    for (const QString& target : {bin, file1, file2, sum, file1 + kNew, file2 + kNew})
        if (!Resolves_Inside(Project_Dir, target)) {
            Set_Error(error, Outside_Folder_Message(Project_Dir, target));
            return false;
        }
    if (!QDir().mkpath(bin)) {
        Set_Error(error, QStringLiteral("Error! The folder %1 cannot be created").arg(QDir::toNativeSeparators(bin)));
        return false;
    }
    if (!Write_New_Images(file1, file2, error)) {
        // The old pair stays whole.
        QFile::remove(file1 + kNew);
        QFile::remove(file2 + kNew);
        return false;
    }
    if (QFileInfo::exists(sum) && !QFile::remove(sum)) {
        Set_Error(error, Write_Message(sum, QStringLiteral("the old list cannot be removed")));
        return false;
    }
    if (!Replace_Images(file1, file2, error)) {
        // A new bank1 beside an old bank2 would update the device with a mixed configuration.
        for (const QString& path : {file1, file2, file1 + kNew, file2 + kNew})
            QFile::remove(path);
        return false;
    }
    return SaveWholeFileTold(sum, Pair_Sum(Bank1, Bank2), error);
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

bool Bank_Pair_Whole(const QString& Project_Folder, QString* error)
{
    const QString bin = JoinPath(Project_Folder, QStringLiteral("bin"));
    QByteArray bank1;
    QByteArray bank2;
    QByteArray sum;
    if (Read_User_File(JoinPath(bin, kBank1), bank1) && Read_User_File(JoinPath(bin, kBank2), bank2) &&
        Read_User_File(JoinPath(bin, kPairSum), sum) && sum == Pair_Sum(bank1, bank2))
        return true;
    Set_Error(error, QStringLiteral("Error! The device images in %1 are not a whole pair: create them again")
                         .arg(QDir::toNativeSeparators(bin)));
    return false;
}
