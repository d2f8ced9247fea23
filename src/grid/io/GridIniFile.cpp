#include "grid/io/GridIniFile.h"
#include "platform/SaveFile.h"
#include "platform/UserFile.h"

#include <QFile>
#include <QFileInfo>

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

// The file form is the plain one of the toolkit's INI files: "[Section]" lines and "Name=Value" lines, a value as
// it stands (no escapes; one pair of enclosing quotes is dropped), lines starting with ";" are comments.
TGridIniFile::TGridIniFile(const QString& FileName) : FFileName(FileName)
{
    QByteArray bytes;
    if (!Read_Ini_File(FileName, bytes, &FReadError) || bytes.isEmpty())
        return;
    QString section;
    for (const QString& raw : QString::fromUtf8(bytes).split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype end = line.indexOf(QLatin1Char(']'));
            section = line.mid(1, end < 0 ? -1 : end - 1).trimmed();
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0 || section.isEmpty())
            continue;
        QString value = line.mid(eq + 1).trimmed();
        if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
            value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        FValues.insert(KeyOf(section, line.left(eq).trimmed()), value);
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
    QString text;
    QString current;
    for (auto it = FValues.cbegin(); it != FValues.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        const QString section = it.key().left(slash);
        if (it == FValues.cbegin() || section != current) {
            if (!text.isEmpty())
                text += QLatin1Char('\n');
            text += QLatin1Char('[') + section + QStringLiteral("]\n");
        }
        current = section;
        // A line break cannot stand in a value's line: it is written as backslash and n, as title lines are.
        QString value = it.value();
        value.replace(QLatin1Char('\r'), QLatin1String("\\n")).remove(QLatin1Char('\n'));
        text += it.key().mid(slash + 1) + QLatin1Char('=') + value + QLatin1Char('\n');
    }
    QString error;
    if (!Save_Ini_File(FFileName, text.toUtf8(), &error))
        throw EInOutError(("Cannot write " + FFileName + ": " + error).toStdString());
}
