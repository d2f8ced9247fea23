#include "core/UComon.h"
#include "platform/DecimalSeparator.h"
#include "platform/Paths.h"
#include <QFile>
#include <QLocale>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

QString Project_Name;
QString Project_Dir;
QString Projects_Dir;
QString Exe_Dir;
QString Master_Dir;
QString Language_Dir;
QString Main_Caption;
QString SW_Code;
QString SW_Desc;
QString Device_IP;
std::int32_t Update_Option = 0;
bool Read_Back = false;
QString Language_Name;
bool Enable_Internet = false;
bool Enable_Update = false;
bool Enable_Jump_Field_Tables = false;
bool Double_Click_Auto_Size = false;
QString EDE_Import_Dir;

QString File_ParGen;
QString File_TLS_Known_Cert;
QString File_IEC61850_Variables;
QString File_ModbusM_SetAccess;
QString File_ModbusTCPM_SetAccess;
QString File_BACnet_Master_Access;
QString File_BACnet_Slave_SetAccess;
QString File_CAN_Rec_Frames;
QString File_CAN_Send_Frames;
QString File_SDO_Server_CANopen;
QString File_SDO_Client_CANopen;
QString File_PDO_CANopen;
QString File_DNETM_Net;
QString File_DNETM_DefOff;
QString File_J1939_Rec_Frames;
QString File_J1939_Send_Frames;
QString File_KNX_SetAccess;
QString File_MQTT_Set_Topic;
QString File_NMEA_Rec_Frames;
QString File_NMEA_Send_Frames;
QString File_SNMP_Manager;
QString File_SNMP_Trap;

std::unique_ptr<QStringList> Row_Clipboard;
std::vector<bool> Row_Clipboard_Check;
std::unique_ptr<QStringList> SL_MIB_Read_Desc;
std::unique_ptr<QStringList> SL_MIB_Write_Desc;

const std::array<ProjectFile, 22> Project_Files = {{
    {&File_ParGen, "ParGen.xml"},
    {&File_TLS_Known_Cert, "TLS_Known_Cert.xml"},
    {&File_IEC61850_Variables, "IEC61850_Variables.xml"},
    {&File_ModbusM_SetAccess, "ModbusM_SetAccess.xml"},
    {&File_ModbusTCPM_SetAccess, "ModbusTCPM_SetAccess.xml"},
    {&File_BACnet_Master_Access, "BACnet_Master_Access.xml"},
    {&File_BACnet_Slave_SetAccess, "BACnet_Slave_SetAccess.xml"},
    {&File_CAN_Rec_Frames, "CAN_Rec_Frames.xml"},
    {&File_CAN_Send_Frames, "CAN_Send_Frames.xml"},
    {&File_SDO_Server_CANopen, "SDO_Server_CANopen.xml"},
    {&File_SDO_Client_CANopen, "SDO_Client_CANopen.xml"},
    {&File_PDO_CANopen, "PDO_CANopen.xml"},
    {&File_DNETM_Net, "DNETM_Net.xml"},
    {&File_DNETM_DefOff, "DNETM_DefOff.xml"},
    {&File_J1939_Rec_Frames, "J1939_Rec_Frames.xml"},
    {&File_J1939_Send_Frames, "J1939_Send_Frames.xml"},
    {&File_KNX_SetAccess, "KNX_SetAccess.xml"},
    {&File_MQTT_Set_Topic, "MQTT_Set_Topic.xml"},
    {&File_NMEA_Rec_Frames, "NMEA_Rec_Frames.xml"},
    {&File_NMEA_Send_Frames, "NMEA_Send_Frames.xml"},
    {&File_SNMP_Manager, "SNMP_Manager.xml"},
    {&File_SNMP_Trap, "SNMP_Trap.xml"},
}};

void Set_Project_File_Paths(const QString& dir)
{
    for (const ProjectFile& f : Project_Files)
        *f.path = JoinPath(dir, QString::fromLatin1(f.name));
}

void Reset_Program_State()
{
    for (QString* s : {&Project_Name, &Project_Dir, &Projects_Dir, &Exe_Dir, &Master_Dir, &Language_Dir,
                       &Main_Caption, &SW_Code, &SW_Desc, &Device_IP, &Language_Name, &EDE_Import_Dir})
        s->clear();
    for (const ProjectFile& f : Project_Files)
        f.path->clear();
    Update_Option = 0;
    Read_Back = false;
    Enable_Internet = Enable_Update = Enable_Jump_Field_Tables = Double_Click_Auto_Size = false;
    Row_Clipboard.reset();
    Row_Clipboard_Check.clear();
    SL_MIB_Read_Desc.reset();
    SL_MIB_Write_Desc.reset();
}

std::optional<std::int64_t> Read_Whole_Number(const QString& text)
{
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return static_cast<std::int64_t>(value);
}

namespace {

// The bits of a cell's whole number: blanks and a sign before it, "$", "x" or "0x" for hexadecimal, nothing
// after it. A decimal one reaches `decimalMax` (one more when negative), a hexadecimal one `hexMax`.
std::optional<std::uint64_t> Read_Cell_Bits(const QString& text, std::uint64_t decimalMax, std::uint64_t hexMax)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        negative = text[i++] == QLatin1Char('-');
    int base = 10;
    if (i < n && (text[i] == QLatin1Char('$') || text[i].toLower() == QLatin1Char('x'))) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == QLatin1Char('0') && text[i + 1].toLower() == QLatin1Char('x')) {
        base = 16;
        i += 2;
    }
    if (i == n)
        return std::nullopt;
    const std::uint64_t limit = base == 16 ? hexMax : negative ? decimalMax + 1 : decimalMax;
    std::uint64_t value = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        if (digit < 0)
            return std::nullopt;
        const auto d = static_cast<std::uint64_t>(digit);
        if (value > (limit - d) / static_cast<std::uint64_t>(base))
            return std::nullopt;
        value = value * static_cast<std::uint64_t>(base) + d;
    }
    return negative ? 0u - value : value;
}

} // namespace

std::optional<std::int32_t> Read_Cell_Integer(const QString& text)
{
    const std::optional<std::uint64_t> bits = Read_Cell_Bits(text, 0x7FFFFFFFu, 0xFFFFFFFFu);
    if (!bits)
        return std::nullopt;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(*bits));
}

std::optional<std::int64_t> Read_Cell_Int64(const QString& text)
{
    const std::optional<std::uint64_t> bits = Read_Cell_Bits(text, 0x7FFFFFFFFFFFFFFFu, 0xFFFFFFFFFFFFFFFFu);
    if (!bits)
        return std::nullopt;
    return static_cast<std::int64_t>(*bits);
}

// ---- Text validators ----

namespace {

// The whole text as a decimal integer with an optional sign; false when it is not one or overflows.
bool ReadInt64(const QString& text, qint64& value)
{
    // Read_Whole_Number also accepts blanks around the digits; here the whole text must be the number.
    if (text.isEmpty() || text.front().unicode() <= ' ' || text.back().unicode() <= ' ')
        return false;
    const std::optional<std::int64_t> n = Read_Whole_Number(text);
    value = n.value_or(0);
    return n.has_value();
}

// The whole text as an integer, `substitute` when it is not one.
int AsInt(const QString& text, int substitute)
{
    qint64 v = 0;
    return ReadInt64(text, v) && v >= INT32_MIN && v <= INT32_MAX ? static_cast<int>(v) : substitute;
}

bool InRange(int v, int low, int high)
{
    return v >= low && v <= high;
}

// Splits off the text before the first "." of `rest` (trimmed) and leaves the text after it in `rest`;
// false when `rest` holds no ".".
bool TakeDotted(QString& rest, QString& part)
{
    const qsizetype dot = rest.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    part = Trim_Blanks(rest.left(dot));
    rest = rest.mid(dot + 1);
    return true;
}

bool IsIndividualKnxAddress(const QString& text, bool Allow_Zero)
{
    if (text.contains(QLatin1Char('/')))
        return false;
    if (!text.contains(QLatin1Char('.')))
        return InRange(AsInt(text, -1), 1, 65535);
    QString rest = text;
    QString a, b;
    // Two parts ("1.5") is no address: the area, line and device all have to be given.
    if (!TakeDotted(rest, a) || !TakeDotted(rest, b) || rest.contains(QLatin1Char('.')))
        return false;
    const int va = AsInt(a, -1);
    const int vb = AsInt(b, -1);
    const int vc = AsInt(Trim_Blanks(rest), -1);
    return InRange(va, 0, 15) && InRange(vb, 0, 15) && InRange(vc, 0, 255) &&
           (Allow_Zero || va != 0 || vb != 0 || vc != 0);
}

bool IsGroupKnxAddress(const QString& text)
{
    if (text.contains(QLatin1Char('.')))
        return false;
    const QStringList levels = text.split(QLatin1Char('/'));
    std::array<int, 3> v{};
    for (qsizetype i = 0; i < levels.size() && i < 3; ++i)
        v[i] = AsInt(Trim_Blanks(levels[i]), -1);
    switch (levels.size()) {
    case 1:
        return InRange(AsInt(text, -1), 1, 65535);
    case 2:
        return InRange(v[0], 0, 31) && InRange(v[1], 0, 2047) && (v[0] != 0 || v[1] != 0);
    case 3:
        return InRange(v[0], 0, 31) && InRange(v[1], 0, 7) && InRange(v[2], 0, 255) &&
               (v[0] != 0 || v[1] != 0 || v[2] != 0);
    default:
        return false;
    }
}

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The kernel's port type of /dev/ttyS<index>: 0 (unknown) when no UART answers there.
bool HasUart(int index)
{
    QFile type(QStringLiteral("/sys/class/tty/ttyS%1/type").arg(index));
    return type.open(QIODevice::ReadOnly) && type.readAll().trimmed().toInt() > 0;
}

} // namespace

QString Trim_Blanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].unicode() <= ' ')
        ++first;
    while (last > first && text[last - 1].unicode() <= ' ')
        --last;
    return text.mid(first, last - first);
}

bool Parse_IP_Address(const QString& text, QString& ip1, QString& ip2, QString& ip3, QString& ip4)
{
    QString rest = Trim_Blanks(text);
    for (QString* part : {&ip1, &ip2, &ip3}) {
        if (!TakeDotted(rest, *part))
            return false;
        rest = Trim_Blanks(rest);
    }
    ip4 = rest;
    for (const QString* part : {&ip1, &ip2, &ip3, &ip4}) {
        if (!InRange(AsInt(*part, 1000), 0, 255))
            return false;
    }
    return true;
}

bool Split_IP_Address(const QString& text, std::uint8_t& b1, std::uint8_t& b2, std::uint8_t& b3, std::uint8_t& b4)
{
    if (text.isEmpty())
        return true;
    bool error = false;
    QString rest = text;
    std::uint8_t* bytes[] = {&b1, &b2, &b3, &b4};
    for (int pass = 0; pass < 4; ++pass) {
        const qsizetype dot = rest.indexOf(QLatin1Char('.'));
        // Parts are taken untrimmed; a missing "." gives an empty (invalid) part.
        const int v = AsInt(pass < 3 ? rest.left(std::max<qsizetype>(dot, 0)) : rest, -1);
        if (InRange(v, 0, 255)) {
            *bytes[pass] = static_cast<std::uint8_t>(v);
        } else {
            *bytes[pass] = 0;
            error = true;
        }
        if (dot >= 0)
            rest = rest.mid(dot + 1);
    }
    return error;
}

bool Split_IP_Port(const QString& text, std::uint8_t& b1, std::uint8_t& b2, std::uint8_t& b3, std::uint8_t& b4,
                   std::uint16_t& port)
{
    b1 = b2 = b3 = b4 = 0;
    port = 0;
    std::array<int, 4> v{};
    QString rest = text;
    QString part;
    for (int i = 0; i < 3; ++i) {
        if (!TakeDotted(rest, part))
            return false;
        v[i] = AsInt(part, -1);
        if (!InRange(v[i], 0, 255))
            return false;
    }
    const qsizetype colon = rest.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return false;
    v[3] = AsInt(Trim_Blanks(rest.left(colon)), -1);
    const int p = AsInt(Trim_Blanks(rest.mid(colon + 1)), -1);
    if (!InRange(v[3], 0, 255) || !InRange(p, 0, 65535))
        return false;
    b1 = static_cast<std::uint8_t>(v[0]);
    b2 = static_cast<std::uint8_t>(v[1]);
    b3 = static_cast<std::uint8_t>(v[2]);
    b4 = static_cast<std::uint8_t>(v[3]);
    port = static_cast<std::uint16_t>(p);
    return true;
}

bool Has_No_Dot(const QString& text)
{
    return !text.contains(QLatin1Char('.'));
}

int Check_KNX_Address(const QString& text, bool Group_Address, bool Allow_Zero)
{
    const bool valid = Group_Address ? IsGroupKnxAddress(text) : IsIndividualKnxAddress(text, Allow_Zero);
    return valid ? 0 : 1;
}

int Check_OID(const QString& text)
{
    if (text.size() > 61)
        return 1;
    // An empty identifier holds no number at all.
    if (text.isEmpty() || !std::all_of(text.begin(), text.end(), [](QChar c) { return IsAsciiDigit(c) || c == QLatin1Char('.'); }))
        return 2;
    if (text.startsWith(QLatin1Char('.')))
        return 3;
    if (text.endsWith(QLatin1Char('.')))
        return 4;
    if (text.contains(QLatin1String("..")))
        return 5;
    for (const QString& component : text.split(QLatin1Char('.'))) {
        qint64 v = 0;
        if (!ReadInt64(component, v) || v > 0xFFFFFFFFLL)
            return 6;
    }
    return 0;
}

int Check_SNMP_Password(const QString& text, bool Allow_Short)
{
    if (text.size() > 15)
        return 1;
    if (text.size() < (Allow_Short ? 1 : 8))
        return 2;
    const bool alnum = std::all_of(text.begin(), text.end(), [](QChar c) {
        return IsAsciiDigit(c) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
               (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
    });
    return alnum ? 0 : 3;
}

int Get_SNMP_Security_Level(const QString& text)
{
    const QString t = Trim_Blanks(text.toUpper());
    if (t == QLatin1String("AUTH NOPRIV"))
        return 1;
    if (t == QLatin1String("AUTH PRIV"))
        return 3;
    return t.isEmpty() ? -1 : 0;
}

QChar Get_Decimal_Separator()
{
    return SystemDecimalSeparator();
}

bool Str_To_Float_Dec(const QString& text, QChar /*separator*/, float& value)
{
    // Normalising to either separator and then reading with it accepts "," and "." alike as the decimal mark;
    // read in the C locale so the result never depends on the process locale.
    QString t = text;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double d = c.toDouble(t, &ok);
    if (!ok || !std::isfinite(d) || std::fabs(d) > std::numeric_limits<float>::max()) {
        value = 1.0f;
        return false;
    }
    value = static_cast<float>(d);
    return true;
}

QStringList Get_COM_Port_List()
{
    return Get_COM_Port_List(QStringLiteral("/dev"));
}

QStringList Get_COM_Port_List(const QString& deviceDir)
{
    QStringList ports;
    for (int n = 1; n <= 256; ++n) {
        const QByteArray device = QFile::encodeName(JoinPath(deviceDir, QStringLiteral("ttyS%1").arg(n - 1)));
        // Non-blocking so a port without carrier does not hang the probe. A port another program holds
        // exclusively (EBUSY) is present too; a UART slot without hardware fails with EIO. Without the
        // right to open the device (EACCES) the kernel's port type tells whether hardware is there.
        const int fd = ::open(device.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
            ::close(fd);
            ports.append(QString::number(n));
        } else if (errno == EBUSY || (errno == EACCES && HasUart(n - 1))) {
            ports.append(QString::number(n));
        }
    }
    return ports;
}
