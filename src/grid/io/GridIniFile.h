#pragma once
// An INI file held in memory: read through QSettings, changed in place, written back whole through the
// program's whole-file save, so a failed write leaves the old file as it was.
#include <QMap>
#include <QString>
#include <stdexcept>

// The toolkit's input/output error: a file that cannot be read or written.
class EInOutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

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
    // Raises EInOutError when the file cannot be written.
    void UpdateFile() const;

private:
    static QString KeyOf(const QString& Section, const QString& Name) { return Section + QLatin1Char('/') + Name; }
    QString FFileName;
    QMap<QString, QString> FValues;   // "section/name"
};
