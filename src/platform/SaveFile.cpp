#include "platform/SaveFile.h"
#include <QDir>
#include <QSaveFile>

bool SaveWholeFile(const QString& path, const QByteArray& data, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool SaveWholeFileTold(const QString& path, const QByteArray& data, QString* message)
{
    QString reason;
    if (SaveWholeFile(path, data, &reason))
        return true;
    if (message)
        *message = QStringLiteral("Error! The file %1 cannot be written: %2").arg(QDir::toNativeSeparators(path), reason);
    return false;
}
