#pragma once
// A project folder with the compiler's four input files written as the editors write them,
// and readers for the images it produces.
#include "support/TempProgramFolder.h"
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

using Elements = std::vector<std::pair<QString, QString>>;   // name, text (in order)
using Attributes = std::vector<std::pair<QString, QString>>;

struct BACnetRow {
    QString Data_Type, Eng_Unit, Position, Bit, Length, Mnemonic;
};

class SaveBinccProject {
public:
    // An open project "P1"; `withBin` false leaves its bin folder out.
    explicit SaveBinccProject(bool withBin = true);

    QString dir() const { return FDir; }
    QString bin() const { return FDir + QStringLiteral("/bin"); }

    void writeParGen(const Elements& elements) const;
    void writeBACnet(const std::vector<BACnetRow>& read, const std::vector<BACnetRow>& write) const;
    void writeVariables(const std::vector<Attributes>& rows) const;
    void writeKnownCerts(const std::vector<Attributes>& rows) const;
    void writeRaw(const QString& fileName, const QByteArray& content) const;

    // Compile_Bincc then Save_Bincc; the message of the first that fails.
    bool build(QString* error = nullptr) const;
    QByteArray bank1() const;
    QByteArray bank2() const;

private:
    TempProgramFolder FFolder;
    QString FDir;
};

std::uint32_t U8(const QByteArray& b, int at);
std::uint32_t U16(const QByteArray& b, int at);
std::uint32_t U32(const QByteArray& b, int at);
QByteArray Bytes(std::initializer_list<int> values);
// "90 D0 03 00 ..." into bytes; blanks and line breaks are ignored.
QByteArray Hex(const char* text);
// -1 when equal, else the first offset where they differ (the shorter length when one is a prefix).
int FirstDifference(const QByteArray& a, const QByteArray& b);
