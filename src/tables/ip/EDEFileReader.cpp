#include "tables/ip/EDEFileReader.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "platform/UserFile.h"
#include "tables/TableFile.h"
#include <QRegularExpression>
#include <array>

namespace {

struct TEDE_Type {
    int Number;
    const char* Name;
    const char* Data_Type;
    int Bytes;
};

const std::array<TEDE_Type, 15> EDE_Kept_Types = {{
    {0, "Analog Input", "Real", 4},
    {1, "Analog Output", "Real", 4},
    {2, "Analog Value", "Real", 4},
    {3, "Binary Input", "Enumerated", 1},
    {4, "Binary Output", "Enumerated", 1},
    {5, "Binary Value", "Enumerated", 1},
    {13, "Multi-State Input", "Unsigned Int", 4},
    {14, "Multi-State Output", "Unsigned Int", 4},
    {19, "Multi-State Value", "Unsigned Int", 4},
    {21, "Life Safety Point", "Enumerated", 2},
    {22, "Life Safety Zone", "Enumerated", 2},
    {23, "Accumulator", "Unsigned Int", 4},
    {45, "Integer Value", "Signed Int", 4},
    {46, "Large Analog Value", "Double", 8},
    {48, "Positive Integer Value", "Unsigned Int", 4},
}};

const TEDE_Type* Find_EDE_Type(int type)
{
    for (const TEDE_Type& t : EDE_Kept_Types)
        if (t.Number == type)
            return &t;
    return nullptr;
}

bool Is_EDE_Header(const QString& line)
{
    const QString text = Trim_Blanks(line);
    return text.startsWith(QLatin1Char('#')) && Trim_Blanks(text.mid(1)).startsWith(QLatin1String("mandatory"));
}

int EDE_Data_Start(const QStringList& lines)
{
    if (lines.size() > 6 && Is_EDE_Header(lines[6]))
        return 8;
    for (qsizetype i = lines.size() - 1; i >= 0; --i)
        if (Is_EDE_Header(lines[i]))
            return static_cast<int>(i) + 2;
    return -1;
}

bool EDE_Flag(const QString& field) { return field.toUpper() == QLatin1String("Y"); }

// Fields 1..15 between the separators, field 16 the rest of the line; missing ones empty.
TBACnet_Var Parse_EDE_Line(const QString& line)
{
    QStringList f;
    qsizetype from = 0;
    while (f.size() < 15) {
        const qsizetype sep = line.indexOf(QLatin1Char(';'), from);
        if (sep < 0)
            break;
        f.append(Trim_Blanks(line.mid(from, sep - from)));
        from = sep + 1;
    }
    if (f.size() < 15) {
        f.append(Trim_Blanks(line.mid(from)));
        while (f.size() < 16)
            f.append(QString());
    } else {
        QString rest = Trim_Blanks(line.mid(from));
        if (rest.endsWith(QLatin1Char(';')))
            rest.chop(1);
        f.append(rest);
    }
    TBACnet_Var v;
    v.keyname = f[0];
    v.device_obj_instance = Cell_Int(f[1]);
    v.object_name = f[2];
    v.object_type = Cell_Int(f[3]);
    v.object_instance = Cell_Int(f[4]);
    v.description = f[5];
    v.present_value_default = f[6];
    v.min_present_value = f[7];
    v.max_present_value = f[8];
    v.commandable = EDE_Flag(f[9]);
    v.support_COV = EDE_Flag(f[10]);
    v.hi_limit = f[11];
    v.low_limit = f[12];
    v.stete_text_reference = f[13];
    v.unit_code = f[14];
    v.vendor_specific_address = f[15];
    return v;
}

} // namespace

std::vector<TBACnet_Var> Read_EDE_Lines(const QStringList& lines)
{
    std::vector<TBACnet_Var> objects;
    const int start = EDE_Data_Start(lines);
    if (start < 0)
        return objects;
    for (qsizetype i = start; i < lines.size(); ++i) {
        const QString line = Trim_Blanks(lines[i]);
        if (line.isEmpty())
            continue;
        TBACnet_Var v = Parse_EDE_Line(line);
        if (!Find_EDE_Type(v.object_type))
            continue;
        v.import = true;
        v.read = true;
        v.write = v.commandable;
        objects.push_back(std::move(v));
    }
    return objects;
}

std::vector<TBACnet_Var> Read_EDE_Bytes(const QByteArray& bytes)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return Read_EDE_Lines(Decode_Text_File(bytes).split(lineBreak));
}

bool Read_EDE_File(const QString& path, std::vector<TBACnet_Var>& objects, QString* error)
{
    QByteArray bytes;
    objects.clear();
    if (!Read_User_File(path, bytes, error))
        return false;
    objects = Read_EDE_Bytes(bytes);
    return true;
}

QString Get_ObjType_EDE(int type)
{
    const TEDE_Type* t = Find_EDE_Type(type);
    return t ? QString::fromLatin1(t->Name) : QString();
}

QString Get_DataType_EDE(int type)
{
    const TEDE_Type* t = Find_EDE_Type(type);
    return QString::fromLatin1(t ? t->Data_Type : "Null");
}

int Get_NumByte_EDE(int type)
{
    const TEDE_Type* t = Find_EDE_Type(type);
    return t ? t->Bytes : 4;
}
