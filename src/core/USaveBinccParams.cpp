#include "core/USaveBinccParams.h"
#include "core/UComon.h"
#include "core/USaveBinccImage.h"
#include "core/ProjectFile.h"
#include "core/USaveBinccState.h"
#include <array>

namespace {

constexpr TAddress No_Address = {255, 255, 255, 255};

void Put_Address(TBinImage& block, int offset, const TAddress& a)
{
    for (int i = 0; i < 4; ++i)
        block.Put_U8(offset + i, static_cast<std::uint32_t>(a[i]));
}

void Put_Device_Name(TBinImage& block, const QString& name)
{
    block.Put_Bytes(Par::Device_Name, Low_Bytes(name, Par::Device_Name_Size).leftJustified(Par::Device_Name_Size, '\0'));
}

std::uint32_t Baud_Rate(std::int64_t index)
{
    static constexpr std::array<std::uint32_t, 6> rates = {9600, 19200, 38400, 57600, 76800, 115200};
    return index >= 1 && index <= 5 ? rates[static_cast<std::size_t>(index)] : 9600;
}

// The IEC 61850 server's address, mask and gateway from `offset` (older files name them Ethernet_),
// and its DNS server.
void Read_IEC61850_Addresses(const TParGen& p, TBinImage& block, int offset)
{
    Put_Address(block, offset, p.Address(QStringLiteral("IEC61850_Server_IP"), QStringLiteral("Ethernet_IP"), {192, 168, 0, 10}));
    Put_Address(block, offset + 4,
                p.Address(QStringLiteral("IEC61850_Server_SM"), QStringLiteral("Ethernet_SM"), {255, 255, 255, 0}));
    const TAddress gateway =
        p.Address(QStringLiteral("IEC61850_Server_GAT"), QStringLiteral("Ethernet_GAT"), {192, 168, 0, 1});
    const bool gateway_on = p.Flag(QStringLiteral("IEC61850_Server_EN_GAT"), QStringLiteral("Ethernet_EN_GAT"));
    Put_Address(block, offset + 8, gateway_on ? gateway : No_Address);
    const TAddress dns = p.Address(QStringLiteral("IEC61850_Server_DNS"), QString(), {192, 168, 0, 1});
    Put_Address(block, Par::DNS, p.Flag(QStringLiteral("IEC61850_Server_EN_DNS")) ? dns : No_Address);
}

void Read_IEC61850_Parameters(const TParGen& p, TIEC61850& iec)
{
    TTLS_Bank& tls = iec.TLS_Data;
    iec.port = static_cast<std::uint16_t>(p.Number(QStringLiteral("IEC61850_Server_Port"), 102));
    iec.Password = p.Text(QStringLiteral("IEC61850_Server_Password")).value_or(QString());
    // Whole numbers, not "1"-only flags: the editor ticks these boxes for any text that reads as 1.
    iec.TLS_Enable = static_cast<std::uint32_t>(p.Number(QStringLiteral("TLS_Server_Enable"), 0));
    tls.key = p.Text(QStringLiteral("TLS_Server_Key")).value_or(QString());
    tls.Key_Length = UTF8_Length(tls.key);
    tls.Key_Password = p.Text(QStringLiteral("TLS_Server_Key_Password")).value_or(QString());
    tls.Server_Cert.Certificate = p.Text(QStringLiteral("TLS_Server_Server_Certificate")).value_or(QString());
    tls.Server_Cert.Certificate_Length = UTF8_Length(tls.Server_Cert.Certificate);
    tls.Root_Cert.Certificate = p.Text(QStringLiteral("TLS_Server_Root_Certificate")).value_or(QString());
    tls.Root_Cert.Certificate_Length = UTF8_Length(tls.Root_Cert.Certificate);
    tls.Known_Cert_En = static_cast<std::uint32_t>(p.Number(QStringLiteral("TLS_Server_Enable_Known_Cert"), 0));
}

void Read_BACnet_IP(const TParGen& p, TBinImage& block)
{
    Put_Address(block, Par::Address, p.Address(QStringLiteral("BACnet_IP"), QString(), {192, 168, 0, 5}));
    Put_Address(block, Par::Mask, p.Address(QStringLiteral("BACnet_SM"), QString(), {255, 255, 255, 0}));
    const TAddress gateway = p.Address(QStringLiteral("BACnet_GAT"), QString(), {192, 168, 0, 1});
    Put_Address(block, Par::Gateway, p.Flag(QStringLiteral("BACnet_EN_GAT")) ? gateway : No_Address);
    block.Put_U16(Par::BACnet_Port, static_cast<std::uint32_t>(p.Number(QStringLiteral("BACnet_PORT"), 47808)));
    Put_Device_Name(block, p.Text(QStringLiteral("BACnet_NAME_STA")).value_or(QStringLiteral("devicename1")));
    block.Put_U32(Par::IP_Device_Identifier, static_cast<std::uint32_t>(p.Number(QStringLiteral("BACnet_DEV_IDE"), 1)));
}

void Read_BACnet_MSTP(const TParGen& p, TBinImage& block)
{
    const std::uint32_t baud = Baud_Rate(p.Number(QStringLiteral("BACnet_Ser_Baudrate"), 5));
    block.Put_U32(Par::MSTP_Baud, baud);
    block.Put_U32(Par::MSTP_Baud_Copy, baud);
    // The list index is the code: none 0, odd 1, even 2.
    const auto parity = static_cast<std::uint32_t>(p.Number(QStringLiteral("BACnet_Ser_Parity"), 0));
    block.Put_U8(Par::MSTP_Parity, parity);
    block.Put_U8(Par::MSTP_Parity_Copy, parity);
    block.Put_U8(Par::MSTP_MAC, static_cast<std::uint32_t>(p.Number(QStringLiteral("BACnet_Ser_ID"), 0)));
    block.Put_U8(Par::MSTP_Max_Master, static_cast<std::uint32_t>(p.Number(QStringLiteral("BACnet_Ser_Max_Master"), 1)));
    block.Put_U8(Par::MSTP_Max_Info_Frames,
                 static_cast<std::uint32_t>(p.Number(QStringLiteral("BACnet_Ser_Max_Info_Frames"), 1)));
    block.Put_U32(Par::MSTP_Device_Instance, static_cast<std::uint32_t>(p.Number(QStringLiteral("BACnet_Ser_DEV_IDE"), 0)));
    block.Put_U16(Par::MSTP_Network, static_cast<std::uint32_t>(p.Number(QStringLiteral("BACnet_Ser_Network"), 1)));
    Put_Device_Name(block, p.Text(QStringLiteral("BACnet_Ser_NAME_STA")).value_or(QStringLiteral("devicename1")));
}

} // namespace

void Reset_Parameter_Block(TBinImage& block)
{
    block.Clear();
    block.Put_U32(Par::Fixed_0, 250000);
    block.Put_U32(Par::Fixed_4, 250000);
    block.Put_U32(Par::Fixed_8, 0);
    block.Put_U32(Par::Fixed_12, 9600);
    Put_Address(block, Par::Address, {192, 168, 2, 205});
    Put_Address(block, Par::Mask, {255, 255, 255, 0});
    Put_Address(block, Par::Gateway, No_Address);
    block.Put_U16(Par::Fixed_52, 10000);
    block.Put_U16(Par::Fixed_54, 10001);
    block.Put_U16(Par::Fixed_56, 10001);
    block.Put_Bytes(Par::Fixed_436, QByteArray(8, '\x08'));
}

bool Read_ParGen_XML(TBincc_State& state, const QString& path, QString* error)
{
    Xml::TElement root;
    const TProjectFileLoad load = Load_Project_File(path, root, error);
    if (load != TProjectFileLoad::Loaded)
        return load == TProjectFileLoad::Missing;
    const TParGen p(&root);
    TBinImage& block = state.Parameter_Block;
    const std::int64_t type = p.Number(QStringLiteral("BACnet_Type"), 0);

    // MS/TP leaves the device address fields to the IEC 61850 server.
    Read_IEC61850_Addresses(p, block, type == 1 ? Par::Address : Par::IEC_Address);
    Read_IEC61850_Parameters(p, state.IEC61850_Data);
    state.Long_Object_Names = p.Flag(QStringLiteral("BACnet_Desc_Chars_Limit"));

    if (type == 0)
        Read_BACnet_IP(p, block);
    else if (type == 1)
        Read_BACnet_MSTP(p, block);

    state.NTP_Server_Name = p.Text(QStringLiteral("NTP_Server_URL")).value_or(QString());
    block.Put_U32(Par::NTP_Poll, static_cast<std::uint32_t>(p.Number(QStringLiteral("NTP_Poll_Time"), 1000)));
    return true;
}

std::uint32_t Parameter_Byte_Sum(const TBinImage& block)
{
    std::uint32_t sum = 0;
    for (int i = 0; i < Par::Byte_Sum; ++i)
        sum += block.U8(i);
    return sum;
}

QByteArray Copy_Parameter_Block(TBinImage& block)
{
    block.Put_U32(Par::Byte_Sum, Parameter_Byte_Sum(block));
    return block.Bytes();
}
