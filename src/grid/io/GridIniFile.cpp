#include "grid/io/GridIniFile.h"
#include "platform/SaveFile.h"
#include "platform/UserFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

bool Read_Ini_File(const QString& FileName, QByteArray& Bytes, QString* Error)
{
    Bytes.clear();
    const QFileInfo info(FileName);
    if (!info.exists() && !info.isSymLink())
        return true;
    return Read_User_File(FileName, Bytes, Error);
}

bool Save_Ini_File(const QString& FileName, const QByteArray& Bytes, QString* Error)
{
    const QFileInfo info(FileName);
    if (info.isSymLink() || (info.exists() && !info.isFile())) {
        if (Error)
            *Error = QStringLiteral("it is not a regular file");
        return false;
    }
    return SaveWholeFile(FileName, Bytes, Error);
}

TGridIniFile::TGridIniFile(const QString& FileName) : FFileName(FileName)
{
    QByteArray bytes;
    if (!Read_Ini_File(FileName, bytes, &FReadError) || bytes.isEmpty())
        return;
    // QSettings parses files only: the bytes read go to a private copy, never the user's file itself.
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("grid.ini"));
    if (!scratch.isValid() || !SaveWholeFile(copy, bytes, &FReadError))
        return;
    const QSettings ini(copy, QSettings::IniFormat);
    // QSettings reads an unquoted value holding commas as a list; the file meant the text as it stands.
    for (const QString& key : ini.allKeys()) {
        const QVariant v = ini.value(key);
        FValues.insert(key, v.typeId() == QMetaType::QStringList ? v.toStringList().join(QLatin1Char(',')) : v.toString());
    }
}

bool TGridIniFile::ValueExists(const QString& Section, const QString& Name) const
{
    return FValues.contains(KeyOf(Section, Name));
}

QString TGridIniFile::ReadString(const QString& Section, const QString& Name, const QString& Default) const
{
    return FValues.value(KeyOf(Section, Name), Default);
}

void TGridIniFile::WriteString(const QString& Section, const QString& Name, const QString& Value)
{
    FValues.insert(KeyOf(Section, Name), Value);
}

void TGridIniFile::UpdateFile() const
{
    if (!FReadError.isEmpty())
        throw EInOutError(("Cannot write " + FFileName + ": it could not be read: " + FReadError).toStdString());
    // QSettings writes the INI text into a scratch folder; the target is then replaced whole.
    QTemporaryDir scratch;
    const QString temp = scratch.filePath(QStringLiteral("grid.ini"));
    {
        QSettings ini(temp, QSettings::IniFormat);
        for (auto it = FValues.cbegin(); it != FValues.cend(); ++it)
            ini.setValue(it.key(), it.value());
        ini.sync();
        if (!scratch.isValid() || ini.status() != QSettings::NoError)
            throw EInOutError(("Cannot write " + FFileName).toStdString());
    }
    QFile file(temp);   // QSettings writes no file for no values
    QString error;
    const QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (!Save_Ini_File(FFileName, text, &error))
        throw EInOutError(("Cannot write " + FFileName + ": " + error).toStdString());
}
