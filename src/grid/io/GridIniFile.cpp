#include "grid/io/GridIniFile.h"
#include "platform/SaveFile.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

TGridIniFile::TGridIniFile(const QString& FileName) : FFileName(FileName)
{
    if (!QFile::exists(FileName))
        return;
    const QSettings ini(FileName, QSettings::IniFormat);
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
    if (!SaveWholeFile(FFileName, text, &error))
        throw EInOutError(("Cannot write " + FFileName + ": " + error).toStdString());
}
