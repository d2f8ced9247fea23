#include "grid/io/GridFile.h"
#include "grid/core/VxGridError.h"
#include "platform/SaveFile.h"

void WriteGridFile(const QString& FileName, const QByteArray& Bytes)
{
    QString message;
    if (!SaveWholeFileTold(FileName, Bytes, &message))
        throw EVxGridError(message.toStdString());
}
