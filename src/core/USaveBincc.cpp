#include "core/USaveBincc.h"
#include "core/ProjectFile.h"
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
#include <optional>
#include <utility>

namespace {

void Set_Error(QString* error, const QString& text)
{
    if (error)
        *error = text;
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
bool Write_New_Images(const QString& file1, const QString& file2, const TBank_Images& images, QString* error)
{
    for (const auto& [path, bytes] : {std::pair{&file1, &images.Bank1}, std::pair{&file2, &images.Bank2}}) {
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

} // namespace

bool Save_Bank_Images(const QString& Project_Folder, const TBank_Images& images, QString* error)
{
    if (Project_Folder.isEmpty()) {
        Set_Error(error, Lang(18));
        return false;
    }
    const QString bin = JoinPath(Project_Folder, QStringLiteral("bin"));
    const QString file1 = JoinPath(bin, kBank1);
    const QString file2 = JoinPath(bin, kBank2);
    const QString sum = JoinPath(bin, kPairSum);
    for (const QString& target : {bin, file1, file2, sum, file1 + kNew, file2 + kNew})
        if (!Resolves_Inside(Project_Folder, target)) {
            Set_Error(error, Outside_Folder_Message(Project_Folder, target));
            return false;
        }
    if (!QDir().mkpath(bin)) {
        Set_Error(error, QStringLiteral("Error! The folder %1 cannot be created").arg(QDir::toNativeSeparators(bin)));
        return false;
    }
    if (!Write_New_Images(file1, file2, images, error)) {
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
    return SaveWholeFileTold(sum, Pair_Sum(images.Bank1, images.Bank2), error);
}

bool Compile_Project(const TProjectFiles& files, TBank_Images& images, QString* error)
{
    images = TBank_Images();
    TBincc_State state;
    TBinImage& block = state.Parameter_Block;
    Reset_Parameter_Block(block);
    Clear_Object_Table(state);
    Reset_IEC61850_Data(state.IEC61850_Data);

    if (!Read_ParGen_XML(state, files.ParGen, error))
        return false;
    block.Put_U32(Par::NTP_Name_Add, state.NTP_Server_Name.isEmpty() ? 0 : Bank2_Device_Address);
    block.Put_U32(Par::Object_Table_Add, Object_Table_Address);
    block.Put_U32(Par::IEC61850_Section_Add, IEC61850_Section_Address);
    if (!Read_BACnet_Slave_XML(state, files.BACnet_Slave_SetAccess, Object_Table_Address, error) ||
        !Read_IEC61850_Variables_XML(state.IEC61850_Data, files.IEC61850_Variables, error) ||
        !Read_TLS_Known_Cert_XML(state.IEC61850_Data, files.TLS_Known_Cert, error))
        return false;

    TBinImage bank2(Bank2_Size);
    int pos = Put_NTP_Server(state.NTP_Server_Name, 0, bank2);
    pos = Put_Object_Table(state, pos, bank2);
    const int section = pos;
    pos = Put_IEC61850_Section(state.IEC61850_Data, IEC61850_Section_Address, pos, bank2);
    if (bank2.Overflowed()) {
        Set_Error(error, QStringLiteral("Error! The IEC 61850 parameters take %1 bytes, the device has room for %2")
                             .arg(pos - section)
                             .arg(Bank2_Size - section));
        return false;
    }
    images.Bank2 = bank2.Bytes().left(pos);
    images.Bank1 = Copy_Parameter_Block(block);
    return true;
}

namespace {

// The program's entry points keep the images of the last compile between its two steps.
std::optional<TBank_Images>& Last_Images()
{
    static std::optional<TBank_Images> images;
    return images;
}

} // namespace

bool Compile_Bincc(QString* error)
{
    Last_Images().reset();
    TBank_Images images;
    if (!Compile_Project(TProjectFiles::Current(), images, error))
        return false;
    Last_Images() = std::move(images);
    return true;
}

bool Save_Bincc(QString* error)
{
    if (!Last_Images()) {
        Set_Error(error, QStringLiteral("Error! No device images compiled"));
        return false;
    }
    return Save_Bank_Images(Project_Dir, *Last_Images(), error);
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
