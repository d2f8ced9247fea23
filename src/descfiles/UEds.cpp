#include "descfiles/UEds.h"
#include "core/UComon.h"
#include "core/tables/TableSchemas.h"
#include "descfiles/DescProject.h"
#include "descfiles/DescText.h"
#include <QDateTime>
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace {

const char* const EDS_File_Name = "IEC61850_Server_CANopen.eds";
const char* const EDS_Product_Name = "Converter IEC61850 Server / CANopen";
const char* const EDS_Product_Number = "149";
const char* const EDS_Order_Code = "RZ48149";

// Receive PDOs 1 to 30, then transmit PDOs 1 to 30.
const std::array<const char*, 60> EDS_Var_Names = {
    "b",  "c",  "d",  "e",  "f",  "g",  "h",  "j",  "k",  "i",  "aa", "ab", "ac", "ad", "ae",
    "af", "ag", "ah", "ai", "al", "am", "an", "ao", "ap", "aq", "ar", "as", "at", "au", "av",
    "l",  "m",  "n",  "o",  "p",  "q",  "r",  "s",  "t",  "u",  "ca", "cb", "cc", "cd", "ce",
    "cf", "cg", "ch", "ci", "cl", "cm", "cn", "co", "cp", "cq", "cr", "cs", "ct", "cu", "cv",
};

constexpr int Max_PDO = 30;   // per direction; further rows of a hand-edited file are ignored
constexpr std::int32_t Max_Entries = 255;   // mapping entries of one PDO: sub-indexes 1 to 255

struct TEDS_PDO {
    std::int32_t COB_ID = 0;
    std::int32_t Dimension = 8;
};

struct SDO_Sub_Type {
    std::uint8_t Sub = 0;
    std::uint8_t Quantity = 0;
    bool Readonly = false;
};

struct SDO_Index {
    std::uint16_t Index = 0;
    std::vector<SDO_Sub_Type> Sub_Indexs;
};

// One object or sub-entry: its section line, its lines and the empty line after them.
class TEDS_Lines {
public:
    void Section(const QString& name, const QStringList& lines, bool emptyAfter = true)
    {
        L << QLatin1Char('[') + name + QLatin1Char(']') << lines;
        if (emptyAfter)
            L << QString();
    }
    QStringList L;
};

QString Index_Name(std::uint32_t index)
{
    return Hex_Text(index, 4);
}

// Readers of the format expect the sub-index in hexadecimal without leading zeros.
QString Sub_Name(std::uint32_t index, std::uint32_t sub)
{
    return Index_Name(index) + QStringLiteral("sub") + QString::number(sub, 16).toUpper();
}

QStringList Entry(const QString& name, const char* dataType, const char* access, const QString& defaultValue)
{
    QStringList lines = {QStringLiteral("ParameterName=") + name, QStringLiteral("ObjectType=0x07"),
                         QStringLiteral("DataType=") + QLatin1String(dataType),
                         QStringLiteral("AccessType=") + QLatin1String(access)};
    if (!defaultValue.isNull())
        lines << QStringLiteral("DefaultValue=") + defaultValue;
    lines << QStringLiteral("PDOMapping=0");
    return lines;
}

QStringList Record(int subNumber, const QString& name, const char* objectType)
{
    return {QStringLiteral("SubNumber=%1").arg(subNumber), QStringLiteral("ParameterName=") + name,
            QStringLiteral("ObjectType=") + QLatin1String(objectType)};
}

class TEDS_Sheet {
public:
    bool Load_PDO_List(QString* error);
    bool Load_SDO_Index_List(QString* error);
    void Sort_SDO_Sub_Indexs();
    QStringList Lines(const QDateTime& now) const;

private:
    int Find_SDO_Index(std::uint16_t Index) const;
    void Add_SDO(std::uint16_t Index, const SDO_Sub_Type& entry);
    void Head(TEDS_Lines& s, const QDateTime& now) const;
    void Fixed_Objects(TEDS_Lines& s) const;
    void Data(TEDS_Lines& s, int first, const char* kind, const char* access, const char* entryAccess) const;
    void Manufacturer(TEDS_Lines& s, const SDO_Index& record) const;

    std::vector<TEDS_PDO> RX, TX;
    std::vector<SDO_Index> SDO_Index_List;
};

bool TEDS_Sheet::Load_PDO_List(QString* error)
{
    const TTableSchema& schema = PDO_CANopen_Schema;
    std::vector<TTableSection> sections;
    if (Read_Table_Sections(File_PDO_CANopen, schema, sections, error) == TProjectFileLoad::Failed)
        return false;
    for (std::size_t s = 0; s < sections.size(); ++s) {
        std::vector<TEDS_PDO>& list = s == 0 ? RX : TX;
        const auto count = std::min<std::size_t>(sections[s].size(), Max_PDO);
        for (std::size_t i = 0; i < count; ++i) {
            const TTableRow& row = sections[s][i];
            TEDS_PDO pdo;
            for (const char* attribute : {"COB-ID", "Dimension"}) {
                const auto value = row.constFind(QLatin1String(attribute));
                if (value == row.constEnd()) {
                    if (error)
                        *error = Row_Attribute_Message(File_PDO_CANopen, schema.Sections[s].Name,
                                                      static_cast<int>(i) + 1, QLatin1String(attribute), false);
                    return false;
                }
            }
            pdo.COB_ID = Read_Cell_Integer(row.value(QStringLiteral("COB-ID"))).value_or(0);
            // A hand-edited length beyond what a sub-index can number would write entries nobody can address.
            pdo.Dimension = std::clamp(Read_Cell_Integer(row.value(QStringLiteral("Dimension"))).value_or(8), 0, Max_Entries);
            list.push_back(pdo);
        }
    }
    return true;
}

int TEDS_Sheet::Find_SDO_Index(std::uint16_t Index) const
{
    for (std::size_t i = 0; i < SDO_Index_List.size(); ++i)
        if (SDO_Index_List[i].Index == Index)
            return static_cast<int>(i);
    return -1;
}

void TEDS_Sheet::Add_SDO(std::uint16_t Index, const SDO_Sub_Type& entry)
{
    const int at = Find_SDO_Index(Index);
    if (at < 0) {
        SDO_Index_List.push_back({Index, {entry}});
        return;
    }
    std::vector<SDO_Sub_Type>& subs = SDO_Index_List[static_cast<std::size_t>(at)].Sub_Indexs;
    // One section per index and sub-index: the first row, read table first, describes it.
    if (std::none_of(subs.begin(), subs.end(), [&](const SDO_Sub_Type& s) { return s.Sub == entry.Sub; }))
        subs.push_back(entry);
}

bool TEDS_Sheet::Load_SDO_Index_List(QString* error)
{
    const TTableSchema& schema = SDO_Server_CANopen_Schema;
    std::vector<TTableSection> sections;
    if (Read_Table_Sections(File_SDO_Server_CANopen, schema, sections, error) == TProjectFileLoad::Failed)
        return false;
    for (std::size_t s = 0; s < sections.size(); ++s) {
        for (std::size_t i = 0; i < sections[s].size(); ++i) {
            std::array<std::int32_t, 3> values{};
            const std::array<const char*, 3> attributes = {"Index", "SubIndex", "NByte"};
            for (std::size_t a = 0; a < attributes.size(); ++a) {
                const TTableRow& row = sections[s][i];
                const auto text = row.constFind(QLatin1String(attributes[a]));
                const std::optional<std::int32_t> value =
                    text == row.constEnd() ? std::nullopt : Read_Cell_Integer(*text);
                if (!value) {
                    if (error)
                        *error = Row_Attribute_Message(File_SDO_Server_CANopen, schema.Sections[s].Name,
                                                      static_cast<int>(i) + 1, QLatin1String(attributes[a]), true);
                    return false;
                }
                values[a] = *value;
            }
            Add_SDO(static_cast<std::uint16_t>(values[0]),
                    {static_cast<std::uint8_t>(values[1]), static_cast<std::uint8_t>(values[2]), s == 0});
        }
    }
    return true;
}

void TEDS_Sheet::Sort_SDO_Sub_Indexs()
{
    for (SDO_Index& record : SDO_Index_List)
        std::stable_sort(record.Sub_Indexs.begin(), record.Sub_Indexs.end(),
                         [](const SDO_Sub_Type& a, const SDO_Sub_Type& b) { return a.Sub < b.Sub; });
}

void TEDS_Sheet::Head(TEDS_Lines& s, const QDateTime& now) const
{
    const QString time = EDS_Time_Text(now);
    const QString date = EDS_Date_Text(now);
    const int rx = static_cast<int>(RX.size());
    const int tx = static_cast<int>(TX.size());
    s.Section(QStringLiteral("FileInfo"),
              {QStringLiteral("FileName=") + QLatin1String(EDS_File_Name), QStringLiteral("FileVersion=1"),
               QStringLiteral("FileRevision=0"), QStringLiteral("EDSVersion=4.0"),
               QStringLiteral("Description=") + QLatin1String(EDS_Product_Name), QStringLiteral("CreationTime=") + time,
               QStringLiteral("CreationDate=") + date, QStringLiteral("CreatedBy=Velmor"),
               QStringLiteral("ModificationTime=") + time, QStringLiteral("ModificationDate=") + date,
               QStringLiteral("ModifiedBy=Velmor")});
    QStringList device = {QStringLiteral("VendorName=Velmor"), QStringLiteral("VendorNumber=0x00"),
                          QStringLiteral("ProductName=") + QLatin1String(EDS_Product_Name),
                          QStringLiteral("ProductNumber=") + QLatin1String(EDS_Product_Number),
                          QStringLiteral("RevisionNumber=0x0"), QStringLiteral("OrderCode=") + QLatin1String(EDS_Order_Code)};
    for (const char* rate : {"10=1", "20=1", "50=1", "125=1", "250=1", "500=1", "800=0", "1000=1"})
        device << QStringLiteral("BaudRate_") + QLatin1String(rate);
    device << QStringLiteral("DynamicChannelsSupported=0") << QStringLiteral("GroupMessaging=0")
           << QStringLiteral("LSS_Supported=0") << QStringLiteral("Granularity=0") << QStringLiteral("SimpleBootUpSlave=1")
           << QStringLiteral("SimpleBootUpMaster=0") << QStringLiteral("NrOfRXPDO=%1").arg(rx)
           << QStringLiteral("NrOfTXPDO=%1").arg(tx);
    s.Section(QStringLiteral("DeviceInfo"), device);
    s.Section(QStringLiteral("Comments"), {QStringLiteral("Lines=0")});
    QStringList dummy;
    for (int i = 1; i <= 7; ++i)
        dummy << QStringLiteral("Dummy000%1=0").arg(i);
    s.Section(QStringLiteral("DummyUsage"), dummy);
    s.Section(QStringLiteral("MandatoryObjects"), {QStringLiteral("SupportedObjects=3"), QStringLiteral("1=0x1000"),
                                                    QStringLiteral("2=0x1001"), QStringLiteral("3=0x1018")});
    QStringList optional = {QStringLiteral("SupportedObjects=%1").arg(3 * rx + 3 * tx + 8)};
    int n = 0;
    for (const char* index : {"1005", "1006", "1008", "1014", "1016", "1017", "1029", "1280"})
        optional << QStringLiteral("%1=0x%2").arg(++n).arg(QLatin1String(index));
    const std::pair<std::uint32_t, int> runs[] = {{0x1400, rx}, {0x1600, rx}, {0x1800, tx},
                                                  {0x1A00, tx}, {0x7000, rx}, {0x7050, tx}};
    for (const auto& [first, count] : runs)
        for (int i = 0; i < count; ++i)
            optional << QStringLiteral("%1=0x%2").arg(++n).arg(Index_Name(first + static_cast<std::uint32_t>(i)));
    s.Section(QStringLiteral("OptionalObjects"), optional);
    QStringList manufacturer = {QStringLiteral("SupportedObjects=%1").arg(SDO_Index_List.size())};
    for (std::size_t k = 0; k < SDO_Index_List.size(); ++k)
        manufacturer << QStringLiteral("%1=0x%2").arg(k + 1).arg(Index_Name(SDO_Index_List[k].Index));
    s.Section(QStringLiteral("ManufacturerObjects"), manufacturer);
}

void TEDS_Sheet::Fixed_Objects(TEDS_Lines& s) const
{
    const QString none;   // a null text: no DefaultValue line
    s.Section(QStringLiteral("1000"), Entry(QStringLiteral("Device Type"), "0x0007", "const", QStringLiteral("0x000101A4")));
    s.Section(QStringLiteral("1001"), Entry(QStringLiteral("Error Register"), "0x0005", "ro", QStringLiteral("0x00")));
    s.Section(QStringLiteral("1005"), Entry(QStringLiteral("COB-ID SYNC"), "0x0007", "rw", QStringLiteral("0x80000080")));
    s.Section(QStringLiteral("1006"),
              Entry(QStringLiteral("Communication Cycle Period"), "0x0007", "rw", QStringLiteral("0x00000000")));
    s.Section(QStringLiteral("1008"), Entry(QStringLiteral("Manufacturer Device Name"), "0x0009", "const", QStringLiteral("s1")));
    s.Section(QStringLiteral("1014"), Entry(QStringLiteral("COB-ID EMCY"), "0x0007", "ro", QStringLiteral("$NODEID+0x80")));
    s.Section(QStringLiteral("1016"), Record(3, QStringLiteral("Heartbeat Consumer Entries"), "0x08"));
    s.Section(QStringLiteral("1016sub0"), Entry(QStringLiteral("Number of Entries"), "0x0005", "ro", QStringLiteral("0x02")));
    for (int i = 1; i <= 2; ++i)
        s.Section(QStringLiteral("1016sub%1").arg(i), Entry(QStringLiteral("Consumer Heartbeat Time %1").arg(i), "0x0007",
                                                            "rw", QStringLiteral("0x00000000")));
    s.Section(QStringLiteral("1017"), Entry(QStringLiteral("Producer Heartbeat Time"), "0x0006", "rw", QStringLiteral("0x000003E8")));
    s.Section(QStringLiteral("1018"), Record(5, QStringLiteral("Identity Object"), "0x09"));
    s.Section(QStringLiteral("1018sub0"), Entry(QStringLiteral("number of entries"), "0x0005", "ro", QStringLiteral("0x4")));
    const char* const identity[] = {"Vendor Id", "Product Code", "Revision number", "Serial number"};
    for (int i = 0; i < 4; ++i)
        s.Section(QStringLiteral("1018sub%1").arg(i + 1), Entry(QLatin1String(identity[i]), "0x0007", "ro", none));
    s.Section(QStringLiteral("1029"), Record(2, QStringLiteral("Error Behaviour"), "0x08"));
    s.Section(QStringLiteral("1029sub0"), Entry(QStringLiteral("Number of Entries"), "0x0005", "ro", QStringLiteral("1")));
    s.Section(QStringLiteral("1029sub1"), Entry(QStringLiteral("Communication Error"), "0x0005", "rw", QStringLiteral("0x0")));
    s.Section(QStringLiteral("1280"), Record(4, QStringLiteral("Client SDO Parameter 1"), "0x09"));
    s.Section(QStringLiteral("1280sub0"), Entry(QStringLiteral("Number of Entries"), "0x0005", "ro", QStringLiteral("0x03")));
    s.Section(QStringLiteral("1280sub1"), Entry(QStringLiteral("COB-ID Client -> Server"), "0x0007", "rw", none));
    s.Section(QStringLiteral("1280sub2"), Entry(QStringLiteral("COB-ID Server -> Client"), "0x0007", "rw", none));
    // The first PDO object follows this one without an empty line between them.
    s.Section(QStringLiteral("1280sub3"), Entry(QStringLiteral("Node ID of the SDO Server"), "0x0005", "rw", none), false);
}

void Communication(TEDS_Lines& s, std::uint32_t index, const QString& name, const TEDS_PDO& pdo)
{
    s.Section(Index_Name(index), Record(4, name, "0x09"));
    s.Section(Sub_Name(index, 0), Entry(QStringLiteral("Number of Entries"), "0x0005", "ro", QStringLiteral("0x03")));
    s.Section(Sub_Name(index, 1), Entry(QStringLiteral("COB-ID"), "0x0007", "rw",
                                        QStringLiteral("0x") + Hex_Text(static_cast<std::uint32_t>(pdo.COB_ID), 8)));
    s.Section(Sub_Name(index, 2), Entry(QStringLiteral("Transmission Type"), "0x0005", "rw", QStringLiteral("0xFE")));
    s.Section(Sub_Name(index, 3), Entry(QStringLiteral("Inhibit Time"), "0x0006", "rw", QStringLiteral("0x0")));
}

void Mapping(TEDS_Lines& s, std::uint32_t index, const QString& name, std::uint32_t data, int d)
{
    s.Section(Index_Name(index), Record(d + 1, name, "0x09"));
    s.Section(Sub_Name(index, 0), Entry(QStringLiteral("Number of Entries"), "0x0005", "ro",
                                        QStringLiteral("0x") + Hex_Text(static_cast<std::uint32_t>(d), 2)));
    for (int j = 1; j <= d; ++j)
        s.Section(Sub_Name(index, static_cast<std::uint32_t>(j)),
                  Entry(QStringLiteral("Mapping Entry %1").arg(j), "0x0007", "ro",
                        QStringLiteral("0x") + Index_Name(data) + Hex_Text(static_cast<std::uint32_t>(j), 2) +
                            QStringLiteral("08")));
}

// The data objects of one direction: `first` is 0 for the receive PDOs and 30 for the transmit PDOs.
void TEDS_Sheet::Data(TEDS_Lines& s, int first, const char* kind, const char* access, const char* entryAccess) const
{
    const std::vector<TEDS_PDO>& list = first == 0 ? RX : TX;
    const std::uint32_t base = first == 0 ? 0x7000 : 0x7050;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::uint32_t index = base + static_cast<std::uint32_t>(i);
        const int d = list[i].Dimension;
        s.Section(Index_Name(index), Record(d + 1, QLatin1String(kind) + QString::number(i + 1), "0x08"));
        s.Section(Sub_Name(index, 0), Entry(QStringLiteral("Number of Entries"), "0x0005", access,
                                            QStringLiteral("0x") + Hex_Text(static_cast<std::uint32_t>(d), 2)));
        for (int j = 1; j <= d; ++j)
            s.Section(Sub_Name(index, static_cast<std::uint32_t>(j)),
                      {QStringLiteral("ParameterName=") + QLatin1String(EDS_Var_Names[static_cast<std::size_t>(first) + i]) +
                           QString::number(j),
                       QStringLiteral("ObjectType=0x07"), QStringLiteral("DataType=0x0005"),
                       QStringLiteral("AccessType=") + QLatin1String(entryAccess), QStringLiteral("DefaultValue=0x00"),
                       QStringLiteral("PDOMapping=1")});
    }
}

void TEDS_Sheet::Manufacturer(TEDS_Lines& s, const SDO_Index& record) const
{
    const std::vector<SDO_Sub_Type>& subs = record.Sub_Indexs;
    const int count = static_cast<int>(subs.size());
    const bool hasSub0 = subs.front().Sub == 0;
    s.Section(Index_Name(record.Index), {QStringLiteral("SubNumber=%1").arg(hasSub0 ? count : count + 1),
                                         QStringLiteral("ParameterName=App Vars"), QStringLiteral("ObjectType=0x9")});
    if (!hasSub0)
        s.Section(Sub_Name(record.Index, 0),
                  {QStringLiteral("ParameterName=Largest Sub-Index supported"), QStringLiteral("ObjectType=0x7"),
                   QStringLiteral("DataType=0x0005"), QStringLiteral("AccessType=ro"),
                   QStringLiteral("DefaultValue=0x") + Hex_Text(subs.back().Sub, 2), QStringLiteral("PDOMapping=0")});
    for (const SDO_Sub_Type& sub : subs) {
        QStringList lines = {QStringLiteral("ParameterName=Application Variable"), QStringLiteral("ObjectType=0x7")};
        const int digits = sub.Quantity == 1 ? 2 : sub.Quantity == 2 ? 4 : 8;
        lines << QStringLiteral("DataType=0x000%1").arg(sub.Quantity == 1 ? 5 : sub.Quantity == 2 ? 6 : 7)
              << QStringLiteral("LowLimit=0x") + QString(digits, QLatin1Char('0'))
              << QStringLiteral("HighLimit=0x") + QString(digits, QLatin1Char('F'))
              << QStringLiteral("DefaultValue=0x") + QString(digits, QLatin1Char('0'))
              << (sub.Readonly ? QStringLiteral("AccessType=ro") : QStringLiteral("AccessType=rw"))
              << QStringLiteral("PDOMapping=0");
        s.Section(Sub_Name(record.Index, sub.Sub), lines);
    }
}

QStringList TEDS_Sheet::Lines(const QDateTime& now) const
{
    TEDS_Lines s;
    Head(s, now);
    Fixed_Objects(s);
    for (std::size_t i = 0; i < RX.size(); ++i)
        Communication(s, 0x1400 + static_cast<std::uint32_t>(i),
                      QStringLiteral("Receive PDO Communication Parameter %1").arg(i + 1), RX[i]);
    for (std::size_t i = 0; i < RX.size(); ++i)
        Mapping(s, 0x1600 + static_cast<std::uint32_t>(i), QStringLiteral("Receive PDO Mapping Parameter"),
                0x7000 + static_cast<std::uint32_t>(i), RX[i].Dimension);
    for (std::size_t i = 0; i < TX.size(); ++i)
        Communication(s, 0x1800 + static_cast<std::uint32_t>(i),
                      QStringLiteral("Transmit PDO Communication Parameter %1").arg(i + 1), TX[i]);
    for (std::size_t i = 0; i < TX.size(); ++i)
        Mapping(s, 0x1A00 + static_cast<std::uint32_t>(i), QStringLiteral("Transmit PDO Mapping Parameter %1").arg(i + 1),
                0x7050 + static_cast<std::uint32_t>(i), TX[i].Dimension);
    Data(s, 0, "RPDO", "ro", "rww");
    Data(s, Max_PDO, "TPDO", "rw", "rwr");
    for (const SDO_Index& record : SDO_Index_List)
        Manufacturer(s, record);
    s.L << QString();
    return s.L;
}

} // namespace

QString EDS_Time_Text(const QDateTime& When)
{
    const int hour = When.time().hour();
    const int clock = hour % 12 == 0 ? 12 : hour % 12;
    return QStringLiteral("%1:%2%3")
        .arg(clock, 2, 10, QLatin1Char('0'))
        .arg(When.time().minute(), 2, 10, QLatin1Char('0'))
        .arg(hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

QString EDS_Date_Text(const QDateTime& When)
{
    return When.toString(QStringLiteral("MM-dd-yyyy"));
}

bool Write_EDS_File(const QString& File_Name, QString* error)
{
    TEDS_Sheet sheet;
    if (!sheet.Load_PDO_List(error) || !sheet.Load_SDO_Index_List(error))
        return false;
    sheet.Sort_SDO_Sub_Indexs();
    return Save_Ansi_Lines(File_Name, sheet.Lines(Desc_Now()), error);
}
