#include "platform/SaveFile.h"
#include "platform/Paths.h"
#include <QBuffer>
#include <QDir>
#include <QSaveFile>

namespace {

// Unbuffered, and again after a short write until the system says why: QSaveFile keeps a small file in its
// buffer and its commit renames even when writing that buffer out fails, and a short write carries no reason.
bool WriteAll(QSaveFile& file, const QByteArray& data)
{
    for (qint64 done = 0; done < data.size();) {
        const qint64 n = file.write(data.constData() + done, data.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return file.error() == QFileDevice::NoError;
}

} // namespace

bool SaveWholeFile(const QString& path, const QByteArray& data, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !WriteAll(file, data) || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;   // the temporary file goes with `file`
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

bool SaveWrittenFileTold(const QString& path, const std::function<void(QIODevice&)>& write, QString* message)
{
    QByteArray data;
    {
        QBuffer memory(&data);
        memory.open(QIODevice::WriteOnly);   // memory, not the file: the file is written whole below
        write(memory);
    }
    return SaveWholeFileTold(path, data, message);
}

QString Outside_Folder_Message(const QString& folder, const QString& path)
{
    return QStringLiteral("Error! %1 leads outside the folder %2: nothing was written")
        .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(folder));
}

bool SaveWholeFileInside(const QString& folder, const QString& path, const QByteArray& data, QString* message)
{
    if (Resolves_Inside(folder, path))
        return SaveWholeFileTold(path, data, message);
    if (message)
        *message = Outside_Folder_Message(folder, path);
    return false;
}
