#pragma once
// An INI file held in memory: read through the program's bounded reader and parsed in the plain INI form, changed
// in place, written back whole through the program's whole-file save, so a failed write leaves the old file as
// it was. Loading never writes.
#include <QByteArray>
#include <QMap>
#include <QString>
#include <stdexcept>

// The toolkit's input/output error: a file that cannot be read or written.
class EInOutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The bytes of a layout INI file, read as a user's file is (regular files only, at most 16 MB). True and
// nothing when there is no file; false with the reason when there is one that cannot be read.
bool Read_Ini_File(const QString& FileName, QByteArray& Bytes, QString* Error = nullptr);
// Writes a layout INI file whole. Only a regular file is replaced: a symbolic link (whose target would be
// written) or anything else in its place is refused, false with the reason.
bool Save_Ini_File(const QString& FileName, const QByteArray& Bytes, QString* Error = nullptr);

class TGridIniFile {
public:
    explicit TGridIniFile(const QString& FileName);

    bool ValueExists(const QString& Section, const QString& Name) const;
    QString ReadString(const QString& Section, const QString& Name, const QString& Default) const;
    void WriteString(const QString& Section, const QString& Name, const QString& Value);
    void WriteInteger(const QString& Section, const QString& Name, int Value)
    {
        WriteString(Section, Name, QString::number(Value));
    }
    // Raises EInOutError when the file cannot be written, or was there but could not be read (writing it
    // would lose what it holds).
    void UpdateFile() const;

private:
    static QString KeyOf(const QString& Section, const QString& Name) { return Section + QLatin1Char('/') + Name; }
    QString FFileName;
    QString FReadError;   // why a file that is there could not be read
    QMap<QString, QString> FValues;   // "section/name"
};
