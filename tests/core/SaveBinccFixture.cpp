#include "SaveBinccFixture.h"
#include "core/UComon.h"
#include "core/USaveBincc.h"
#include "platform/XmlDoc.h"
#include <QDir>
#include <QFile>
#include <algorithm>
#include <stdexcept>

namespace {

void Save(XmlWriter& w, const QString& path)
{
    if (!w.Save(path, QStringLiteral("SW_VERSION = 1.001")))
        throw std::runtime_error("cannot write fixture");
}

void Write_Rows(const QString& root, const std::vector<Attributes>& rows, const QString& path)
{
    XmlWriter w(root);
    for (const Attributes& row : rows) {
        w.StartElement(QStringLiteral("row"));
        for (const auto& [name, value] : row)
            w.Attribute(name, value);
        w.EndElement();
    }
    Save(w, path);
}

QByteArray Read_All(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

SaveBinccProject::SaveBinccProject(bool withBin)
{
    FDir = FFolder.makeProject(QStringLiteral("P1"));
    if (!withBin)
        QDir(FDir + QStringLiteral("/bin")).removeRecursively();
    Project_Name = QStringLiteral("P1");
    Project_Dir = FDir;
    Set_Project_File_Paths(FDir);
}

void SaveBinccProject::writeParGen(const Elements& elements) const
{
    XmlWriter w(QStringLiteral("Par_Gen"));
    for (const auto& [name, text] : elements)
        w.TextElement(name, text);
    Save(w, File_ParGen);
}

void SaveBinccProject::writeBACnet(const std::vector<BACnetRow>& read, const std::vector<BACnetRow>& write) const
{
    XmlWriter w(QStringLiteral("BACnet_to_Modbus"));
    for (const auto& [section, rows] : {std::pair{"BACnet_in_Read", &read}, std::pair{"BACnet_in_Write", &write}}) {
        w.StartElement(QLatin1String(section));
        for (const BACnetRow& r : *rows) {
            w.StartElement(QStringLiteral("row"));
            w.Attribute(QStringLiteral("Data_Type"), r.Data_Type);
            w.Attribute(QStringLiteral("Eng_Unit"), r.Eng_Unit);
            w.Attribute(QStringLiteral("Position"), r.Position);
            w.Attribute(QStringLiteral("Bit"), r.Bit);
            w.Attribute(QStringLiteral("Length"), r.Length);
            w.Attribute(QStringLiteral("Swap"), QStringLiteral("N"));
            w.Attribute(QStringLiteral("Mnemonic"), r.Mnemonic);
            w.EndElement();
        }
        w.EndElement();
    }
    Save(w, File_BACnet_Slave_SetAccess);
}

void SaveBinccProject::writeVariables(const std::vector<Attributes>& rows) const
{
    Write_Rows(QStringLiteral("IEC61850_Variables"), rows, File_IEC61850_Variables);
}

void SaveBinccProject::writeKnownCerts(const std::vector<Attributes>& rows) const
{
    Write_Rows(QStringLiteral("TLS_Server_Known_Cert"), rows, File_TLS_Known_Cert);
}

void SaveBinccProject::writeRaw(const QString& fileName, const QByteArray& content) const
{
    QFile f(FDir + QLatin1Char('/') + fileName);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        throw std::runtime_error("cannot write fixture");
}

bool SaveBinccProject::build(QString* error) const
{
    return Compile_Bincc(error) && Save_Bincc(error);
}

QByteArray SaveBinccProject::bank1() const { return Read_All(bin() + QStringLiteral("/bank1.bin")); }
QByteArray SaveBinccProject::bank2() const { return Read_All(bin() + QStringLiteral("/bank2.bin")); }

std::uint32_t U8(const QByteArray& b, int at) { return static_cast<std::uint8_t>(b.at(at)); }
std::uint32_t U16(const QByteArray& b, int at) { return U8(b, at) | U8(b, at + 1) << 8; }
std::uint32_t U32(const QByteArray& b, int at) { return U16(b, at) | U16(b, at + 2) << 16; }

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(static_cast<char>(v));
    return b;
}

QByteArray Hex(const char* text)
{
    QByteArray t(text);
    t.replace(' ', "").replace('\n', "");
    return QByteArray::fromHex(t);
}

int FirstDifference(const QByteArray& a, const QByteArray& b)
{
    const int n = static_cast<int>(std::min(a.size(), b.size()));
    for (int i = 0; i < n; ++i)
        if (a.at(i) != b.at(i))
            return i;
    return a.size() == b.size() ? -1 : n;
}
