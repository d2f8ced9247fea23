#include "tables/ip/BACnetSlaveFile.h"

#include "core/tables/TableSchemas.h"
#include "core/ULanguage.h"

#include <utility>

const QStringList BACnet_Read_Types = {
    "Analog Input",      "Analog Value",     "Binary Input",     "Binary Value",           "Positive Integer Value",
    "Large Analog Value", "Integer Value",   "Multi State Input", "Multi State Value",     "Life Safety Point",
    "Life Safety Zone",  "Access Door",      "Accumulator",      "Octet String",           "CharacterString Value"};
const QStringList BACnet_Write_Types = {
    "Analog Out",         "Analog Value",  "Binary Out",         "Binary Value",      "Positive Integer Value",
    "Large Analog Value", "Integer Value", "Multi State Output", "Multi State Value", "Access Door",
    "Octet String",       "CharacterString Value"};

namespace {

enum Cell { cType, cUnit, cPosition, cBit, cLength };

// A length rule: the type, the range and the text of a length outside it.
struct TLengthRule {
    const char* Type;
    int Min, Max, Text;
};

const TLengthRule kReadRules[] = {
    {"Analog Input", 1, 4, 2335},      {"Positive Integer Value", 1, 4, 2336}, {"Large Analog Value", 1, 8, 2337},
    {"Analog Value", 1, 4, 2338},      {"Multi State Input", 1, 4, 2339},      {"Multi State Value", 1, 4, 2340},
    {"Life Safety Point", 1, 2, 2341}, {"Life Safety Zone", 1, 2, 2342},       {"Access Door", 1, 1, 2343},
    {"Accumulator", 1, 4, 2344},
};
const TLengthRule kWriteRules[] = {
    {"Analog Out", 1, 4, 2349},        {"Analog Value", 1, 4, 2350},       {"Positive Integer Value", 1, 4, 2351},
    {"Large Analog Value", 1, 8, 2352}, {"Integer Value", 1, 4, 2353},     {"Multi State Output", 1, 4, 2354},
    {"Multi State Value", 1, 4, 2355}, {"Access Door", 1, 1, 2356},
};

// One table's texts: Eng. Unit, Position, bit, too many bytes; its binary types and its length rules.
struct TTableRules {
    int Unit, Position, Bit, End;
    const char* Binary1;
    const char* Binary2;
    const TLengthRule* Rules;
    std::size_t Count;
};

const TTableRules kRead = {2333, 2334, 2345, 2346, "Binary Input", "Binary Value", kReadRules, std::size(kReadRules)};
const TTableRules kWrite = {2347, 2348, 2357, 2358, "Binary Out", "Binary Value", kWriteRules, std::size(kWriteRules)};

QString Check_Row(const QStringList& row, const TTableRules& t)
{
    const int unit = Cell_Int(row.value(cUnit));
    if (unit < 0 || unit > 65535)
        return Lang(t.Unit);
    const int position = Cell_Int(row.value(cPosition));
    if (position < 0 || position > BACnet_Slave_NByte - 1)
        return Lang(t.Position) + QString::number(BACnet_Slave_NByte - 1);
    const QString& type = row[cType];
    int end = position;
    if (type == QLatin1String(t.Binary1) || type == QLatin1String(t.Binary2)) {
        if (row.value(cBit).isEmpty())
            return Lang(t.Bit);
    } else {
        const int length = Cell_Int(row.value(cLength));
        for (std::size_t i = 0; i < t.Count; ++i) {
            const TLengthRule& rule = t.Rules[i];
            if (type == QLatin1String(rule.Type) && (length < rule.Min || length > rule.Max))
                return Lang(rule.Text);
        }
        end = position + length - 1;
    }
    if (end >= BACnet_Slave_NByte)
        return Lang(t.End);
    return {};
}

QString Check_Table(const TTableRows& rows, int end, const TTableRules& t)
{
    for (int r = 0; r < end; ++r) {
        const QString error = Check_Row(rows[r], t);
        if (!error.isEmpty())
            return Lang(2332) + QString::number(r + 1) + error;
    }
    return {};
}

} // namespace

int BACnet_Slave_Rows(bool Desc_Lenght)
{
    return Desc_Lenght ? 1000 : 2000;
}

TBACnetSlaveLoad Load_BACnet_Slave(const QString& path, int maxRows)
{
    std::vector<TTableLoad> tables = Load_Table_File(path, BACnet_Slave_Schema, maxRows);
    return {std::move(tables[0]), std::move(tables[1])};
}

QByteArray BACnet_Slave_XML(const TTableRows& read, const TTableRows& write)
{
    return Write_Table_File(BACnet_Slave_Schema, {Table_Head(read, cType), Table_Head(write, cType)});
}

QString Check_BACnet_Slave(const TTableRows& read, const TTableRows& write, bool Desc_Lenght)
{
    const int readEnd = Table_End(read, cType);
    const int writeEnd = Table_End(write, cType);
    QString error = Check_Table(read, readEnd, kRead);
    if (error.isEmpty())
        error = Check_Table(write, writeEnd, kWrite);
    if (error.isEmpty() && readEnd + writeEnd > BACnet_Slave_Rows(Desc_Lenght))
        error = Lang(2359) + QString::number(BACnet_Slave_Rows(Desc_Lenght));
    return error;
}

QString BACnet_Write_Default_Length(const QString& Data_Type)
{
    const QString type = Data_Type.toUpper();
    for (const char* t : {"ANALOG OUT", "ANALOG VALUE", "POSITIVE INTEGER VALUE", "INTEGER VALUE",
                          "MULTI STATE OUTPUT", "MULTI STATE VALUE"})
        if (type == QLatin1String(t))
            return QStringLiteral("4");
    if (type == QLatin1String("LARGE ANALOG VALUE"))
        return QStringLiteral("8");
    for (const char* t : {"BINARY OUT", "BINARY VALUE", "ACCESS DOOR", "OCTET STRING", "CHARACTERSTRING VALUE"})
        if (type == QLatin1String(t))
            return QStringLiteral("1");
    return {};
}
