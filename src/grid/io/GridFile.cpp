#include "grid/io/GridFile.h"
#include "grid/core/VxGridError.h"
#include "platform/SaveFile.h"
#include "platform/UserFile.h"

void WriteGridFile(const QString& FileName, const QByteArray& Bytes)
{
    QString message;
    if (!SaveWholeFileTold(FileName, Bytes, &message))
        throw EVxGridError(message.toStdString());
}

QByteArray ReadGridFile(const QString& FileName)
{
    QByteArray bytes;
    QString error;
    if (!Read_User_File(FileName, bytes, &error))
        throw EVxGridError(QStringLiteral("Cannot open file \"%1\". %2").arg(FileName, error).toStdString());
    return bytes;
}
