#pragma once
// A line file kept in memory: read line by line from the start, or written a piece at a time.
#include <QString>
#include <QStringList>

class TFileStringList : public QStringList {
public:
    void Reset();
    bool Eof() const { return fp >= size(); }
    void ReadLn(QString& s);            // EListError at Eof
    void Write(const QString& s) { cache += s; }
    void WriteLn(const QString& s);

private:
    qsizetype fp = 0;
    QString cache;
};
