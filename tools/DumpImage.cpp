// Prints compiled device images as named fields with their offsets and values.
//   DumpImage <project folder>          its bin/bank1.bin and bin/bank2.bin
//   DumpImage <bank1.bin> [bank2.bin]   a 2048-byte file is the parameter image
#include "core/USaveBincc.h"
#include "core/USaveBinccBACnet.h"
#include "core/USaveBinccIEC61850.h"
#include "core/USaveBinccImage.h"
#include "core/USaveBinccParams.h"
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <algorithm>
#include <bit>
#include <cstdint>

namespace {

QTextStream out(stdout);

QString Address(const TBinImage& b, int at)
{
    return QStringLiteral("%1.%2.%3.%4").arg(b.U8(at)).arg(b.U8(at + 1)).arg(b.U8(at + 2)).arg(b.U8(at + 3));
}

// The zero-ended text at a file offset, at most `limit` bytes.
QString Text(const TBinImage& b, int at, int limit = 64)
{
    QString t;
    for (int i = std::max(at, 0); i < b.Size() && i < at + limit && b.U8(i) != 0; ++i)
        t += QLatin1Char(static_cast<char>(b.U8(i)));
    return t;
}

QString Hex(std::uint32_t v) { return QStringLiteral("0x") + QString::number(v, 16).toUpper(); }

void Field(int offset, const QString& name, const QString& value)
{
    out << QStringLiteral("%1  %2  %3\n").arg(offset, 6).arg(name, -34).arg(value);
}

void Dump_Bank1(const TBinImage& b)
{
    out << "bank1.bin: parameter image, " << b.Size() << " bytes\n";
    const auto u32 = [&](int at, const char* name) { Field(at, QLatin1String(name), QString::number(b.U32(at))); };
    const auto u16 = [&](int at, const char* name) { Field(at, QLatin1String(name), QString::number(b.U16(at))); };
    const auto u8 = [&](int at, const char* name) { Field(at, QLatin1String(name), QString::number(b.U8(at))); };
    const auto address = [&](int at, const char* name) { Field(at, QLatin1String(name), Address(b, at)); };
    const auto hex = [&](int at, const char* name) { Field(at, QLatin1String(name), Hex(b.U32(at))); };
    u32(Par::Fixed_0, "fixed");
    u32(Par::Fixed_4, "fixed");
    u32(Par::Fixed_8, "fixed");
    u32(Par::Fixed_12, "fixed");
    address(Par::Address, "IP: device / MS/TP: IEC 61850 address");
    address(Par::Mask, "subnet mask");
    address(Par::Gateway, "gateway");
    u16(Par::Fixed_52, "fixed");
    u16(Par::Fixed_54, "fixed");
    u16(Par::Fixed_56, "fixed");
    u16(Par::BACnet_Port, "BACnet/IP UDP port");
    hex(Par::NTP_Name_Add, "NTP server name address");
    u32(Par::NTP_Poll, "NTP poll time");
    Field(Par::Device_Name, QStringLiteral("device name"), QLatin1Char('"') + Text(b, Par::Device_Name, Par::Device_Name_Size) + QLatin1Char('"'));
    hex(Par::Object_Table_Add, "object table address");
    u8(Par::MSTP_MAC, "MS/TP MAC address");
    u8(Par::MSTP_Max_Master, "MS/TP max master");
    u8(Par::MSTP_Max_Info_Frames, "MS/TP max info frames");
    u16(Par::MSTP_Network, "MS/TP network");
    u32(Par::MSTP_Device_Instance, "MS/TP device instance");
    u32(Par::IP_Device_Identifier, "BACnet/IP device identifier");
    for (const TBACnet_Kind& kind : BACnet_Kinds)
        Field(kind.Count_Offset, QStringLiteral("count %1").arg(QLatin1String(kind.Name)), QString::number(b.U32(kind.Count_Offset)));
    address(Par::IEC_Address, "IP: IEC 61850 address");
    address(Par::IEC_Mask, "IP: IEC 61850 subnet mask");
    address(Par::IEC_Gateway, "IP: IEC 61850 gateway");
    u32(Par::MSTP_Baud, "MS/TP baud rate");
    u32(Par::MSTP_Baud_Copy, "MS/TP baud rate (copy)");
    u8(Par::MSTP_Parity, "MS/TP parity");
    u8(Par::MSTP_Parity_Copy, "MS/TP parity (copy)");
    QStringList fixed;
    for (int i = 0; i < 8; ++i)
        fixed << QString::number(b.U8(Par::Fixed_436 + i));
    Field(Par::Fixed_436, QStringLiteral("fixed"), fixed.join(QLatin1Char(' ')));
    address(Par::DNS, "IEC 61850 DNS server");
    hex(Par::IEC61850_Section_Add, "IEC 61850 section address");
    const std::uint32_t sum = Parameter_Byte_Sum(b);
    Field(Par::Byte_Sum, QStringLiteral("byte sum"),
          QStringLiteral("%1 (%2)").arg(b.U32(Par::Byte_Sum)).arg(sum == b.U32(Par::Byte_Sum) ? "matches" : "DOES NOT MATCH"));
}

// The text at a device address inside bank2.
QString Text_At(const TBinImage& b, std::uint32_t address, int limit = 64)
{
    return QLatin1Char('"') + Text(b, static_cast<int>(address - Bank2_Device_Address), limit) + QLatin1Char('"');
}

void Dump_Objects(const TBinImage& b, const TBinImage* bank1)
{
    const int table = static_cast<int>(Object_Table_Address - Bank2_Device_Address);
    // The first entry's name address tells the name mode: the pool follows the table.
    const bool longNames = b.U32(table + 8) != 0 && b.U32(table + 8) < Name_Pool_Address(Object_Table_Address, false);
    out << "\nobject table at " << table << ", " << (longNames ? "32" : "16") << "-character names\n";
    // Entries are grouped by kind in table order; bank1's counts say where each group ends.
    std::size_t kind = 0;
    std::uint32_t left = bank1 ? bank1->U32(BACnet_Kinds[0].Count_Offset) : 0;
    for (int i = 0; i < Object_Capacity(longNames); ++i) {
        const int at = table + i * Object_Entry_Size;
        if (b.U32(at) == 0 && b.U32(at + 4) == 0 && b.U32(at + 8) == 0 && b.U32(at + 12) == 0)
            break;
        while (bank1 && left == 0 && kind + 1 < BACnet_Kinds.size())
            left = bank1->U32(BACnet_Kinds[++kind].Count_Offset);
        const QString kindName = bank1 ? QLatin1String(BACnet_Kinds[kind].Name) : QStringLiteral("?");
        if (left > 0)
            --left;
        out << QStringLiteral("%1  entry %2 %3: row %4 %5, position %6, unit %7, length %8, bit %9, name %10 %11\n")
                   .arg(at, 6)
                   .arg(i)
                   .arg(kindName)
                   .arg(b.U16(at + 12))
                   .arg(b.U8(at + 7) == 0 ? QStringLiteral("read") : QStringLiteral("write"))
                   .arg(b.U32(at))
                   .arg(b.U16(at + 4))
                   .arg(b.U8(at + 6))
                   .arg(b.U8(at + 14))
                   .arg(Hex(b.U32(at + 8)), Text_At(b, b.U32(at + 8), Object_Name_Length(longNames)));
    }
}

void Dump_IEC61850(const TBinImage& b)
{
    const int s = static_cast<int>(IEC61850_Section_Address - Bank2_Device_Address);
    out << "\nIEC 61850 section at " << s << "\n";
    const auto u32 = [&](int o, const char* name) { Field(s + o, QLatin1String(name), QString::number(b.U32(s + o))); };
    const auto string = [&](int o, const char* name, int length_offset) {
        const std::uint32_t address = b.U32(s + o);
        const int length = length_offset < 0 ? 64 : static_cast<int>(b.U32(s + length_offset));
        Field(s + o, QLatin1String(name), address == 0 ? QStringLiteral("none") : Hex(address) + QLatin1Char(' ') + Text_At(b, address, std::min(length, 64)));
    };
    Field(s, QStringLiteral("TCP port"), QString::number(b.U16(s)));
    u32(2, "TLS enable");
    string(6, "key", 10);
    u32(10, "key length");
    string(14, "key password", -1);
    string(18, "server certificate", 22);
    u32(22, "server certificate length");
    string(26, "root certificate", 30);
    u32(30, "root certificate length");
    u32(34, "known certificates");
    Field(s + 38, QStringLiteral("known certificate table"), Hex(b.U32(s + 38)));
    string(42, "server password", -1);
    u32(46, "variables");
    Field(s + 50, QStringLiteral("variable table"), Hex(b.U32(s + 50)));
    const int known = static_cast<int>(b.U32(s + 38) - Bank2_Device_Address);
    for (std::uint32_t i = 0; i < b.U32(s + 34); ++i) {
        const int at = known + static_cast<int>(i) * IEC61850_Known_Cert_Entry_Size;
        Field(at, QStringLiteral("known certificate %1").arg(i),
              QStringLiteral("%1 bytes at %2 %3").arg(b.U32(at + 4)).arg(Hex(b.U32(at)), Text_At(b, b.U32(at), 40)));
    }
    const int vars = static_cast<int>(b.U32(s + 50) - Bank2_Device_Address);
    for (std::uint32_t i = 0; i < b.U32(s + 46); ++i) {
        const int at = vars + static_cast<int>(i) * IEC61850_Var_Entry_Size;
        Field(at, QStringLiteral("variable %1").arg(i),
              QStringLiteral("%1 type %2, position %3, bit %4, length %5, read only %6, factor %7, operation %8, options %9")
                  .arg(Text_At(b, b.U32(at)))
                  .arg(b.U32(at + 4))
                  .arg(b.U32(at + 8))
                  .arg(b.U32(at + 12))
                  .arg(b.U32(at + 16))
                  .arg(b.U32(at + 20))
                  .arg(static_cast<double>(std::bit_cast<float>(b.U32(at + 24))))
                  .arg(b.U16(at + 28))
                  .arg(b.U16(at + 30)));
    }
}

void Dump_Bank2(const TBinImage& b, const TBinImage* bank1)
{
    out << "\nbank2.bin: table image, " << b.Size() << " bytes\n";
    Field(0, QStringLiteral("NTP server name"), QLatin1Char('"') + Text(b, 0, NTP_Block_Size) + QLatin1Char('"'));
    Dump_Objects(b, bank1);
    Dump_IEC61850(b);
}

bool Read_File(const QString& path, QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        QTextStream(stderr) << "cannot read " << path << "\n";
        return false;
    }
    bytes = f.readAll();
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList files = app.arguments().mid(1);
    if (files.size() == 1 && QFileInfo(files[0]).isDir())
        files = {files[0] + QStringLiteral("/bin/bank1.bin"), files[0] + QStringLiteral("/bin/bank2.bin")};
    if (files.isEmpty() || files.size() > 2) {
        QTextStream(stderr) << "usage: DumpImage <project folder> | <bank1.bin> [bank2.bin]\n";
        return 2;
    }
    QByteArray bank1;
    QByteArray bank2;
    for (const QString& f : files) {
        QByteArray bytes;
        if (!Read_File(f, bytes))
            return 1;
        (bytes.size() == Parameter_Block_Size ? bank1 : bank2) = bytes;
    }
    const TBinImage b1(bank1);
    if (!bank1.isEmpty())
        Dump_Bank1(b1);
    if (!bank2.isEmpty())
        Dump_Bank2(TBinImage(bank2), bank1.isEmpty() ? nullptr : &b1);
    return 0;
}
