#include "descfiles/UBACnet_EDE_File.h"
#include "core/UComon.h"
#include "core/tables/TableSchemas.h"
#include "descfiles/DescProject.h"
#include "descfiles/DescText.h"
#include <QDateTime>
#include <array>
#include <map>
#include <vector>

namespace {

struct TBACnet_EDE_Obj {
    QString Keyname;
    QString DevObjInstance;
    QString ObjectName;
    QString ObjectType;
    QString ObjectInstance;
    QString Description;
    QString UnitCode;
};

const std::array<std::pair<const char*, int>, 19> EDE_Object_Types = {{
    {"ANALOG INPUT", 0},
    {"ANALOG OUT", 1},
    {"ANALOG VALUE", 2},
    {"BINARY INPUT", 3},
    {"BINARY OUT", 4},
    {"BINARY VALUE", 5},
    {"MULTI STATE INPUT", 13},
    {"MULTI STATE OUTPUT", 14},
    {"MULTI STATE VALUE", 19},
    {"LIFE SAFETY POINT", 21},
    {"LIFE SAFETY ZONE", 22},
    {"ACCUMULATOR", 23},
    {"ACCESS DOOR", 30},
    {"CHARACTERSTRING VALUE", 40},
    {"DATETIME VALUE", 44},
    {"INTEGER VALUE", 45},
    {"LARGE ANALOG VALUE", 46},
    {"OCTET STRING", 47},
    {"POSITIVE INTEGER VALUE", 48},
}};

const char* const Get_EDE_Model_Code = "RZ48122";   // fixed, whatever model is built

// One export. Every export starts from an empty device instance and 16-character names, so a
// project without a parameter file never carries the device instance of another project.
class TEDE_Export {
public:
    bool Read_EDE_Device_Data(QString* error);
    bool Collect_EDE_Objects(QString* error);
    QStringList EDE_Lines(const QDateTime& now) const;

private:
    int Next_EDE_Instance(int type) { return EDE_Instance_Counters[type]++; }
    bool Add_Row(const TTableRow& row, const QString& section, int index, QString* error);

    QString EDE_Device_Instance;
    bool EDE_Long_Names = false;
    std::map<int, int> EDE_Instance_Counters;   // by object type number, each from 0
    std::vector<TBACnet_EDE_Obj> EDE_Object_List;
};

bool TEDE_Export::Read_EDE_Device_Data(QString* error)
{
    const auto read = [this](const TParGen& p) {
        const bool mstp = p.Number(QStringLiteral("BACnet_Type"), 0) == 1;
        if (const std::optional<QString> instance =
                p.Text(mstp ? QStringLiteral("BACnet_Ser_DEV_IDE") : QStringLiteral("BACnet_DEV_IDE")))
            EDE_Device_Instance = *instance;
        EDE_Long_Names = p.Flag(QStringLiteral("BACnet_Desc_Chars_Limit"));
    };
    return Read_ParGen(read, error) != TProjectFileLoad::Failed;
}

bool TEDE_Export::Add_Row(const TTableRow& row, const QString& section, int index, QString* error)
{
    std::array<QString, 3> values;
    const std::array<const char*, 3> names = {"Data_Type", "Eng_Unit", "Mnemonic"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto value = row.constFind(QLatin1String(names[i]));
        if (value == row.constEnd()) {
            if (error)
                *error = Row_Attribute_Message(File_BACnet_Slave_SetAccess, section, index + 1, QLatin1String(names[i]),
                                              false);
            return false;
        }
        values[i] = *value;
    }
    const auto& [kind, unit, mnemonic] = values;
    const int type = Get_EDE_Object_Type(kind.trimmed().toUpper());
    TBACnet_EDE_Obj obj;
    obj.DevObjInstance = EDE_Device_Instance;
    obj.ObjectName = mnemonic.left(EDE_Long_Names ? 32 : 16);
    obj.ObjectType = QString::number(type);
    obj.ObjectInstance = QString::number(Next_EDE_Instance(type));
    obj.Keyname = obj.DevObjInstance + QLatin1Char('_') + mnemonic + QLatin1Char('_') + obj.ObjectInstance;
    obj.Description = obj.ObjectName;
    obj.UnitCode = unit;
    EDE_Object_List.push_back(obj);
    return true;
}

bool TEDE_Export::Collect_EDE_Objects(QString* error)
{
    std::vector<TTableSection> sections;
    if (Read_Table_Sections(File_BACnet_Slave_SetAccess, BACnet_Slave_Schema, sections, error) ==
        TProjectFileLoad::Failed)
        return false;
    // The instance counters run on from the read section into the write section.
    for (std::size_t s = 0; s < sections.size(); ++s)
        for (std::size_t i = 0; i < sections[s].size(); ++i)
            if (!Add_Row(sections[s][i], BACnet_Slave_Schema.Sections[s].Name, static_cast<int>(i), error))
                return false;
    return true;
}

QStringList TEDE_Export::EDE_Lines(const QDateTime& now) const
{
    QStringList lines = {
        QStringLiteral("PROJECT_NAME; Velmor-%1-%2;;;;;;").arg(QLatin1String(Get_EDE_Model_Code), Project_Name),
        QStringLiteral("VERSION_OF_REFERENCEFILE;1.0;;;;;;"),
        QStringLiteral("TIMESTAMP_OF_LAST_CHANGE;%1;;;;;;").arg(Get_EDE_Timestamp(now)),
        QStringLiteral("AUTHOR_OF_LAST_CHANGE;Velmor;;;;;;"),
        QStringLiteral("VERSION_OF_LAYOUT;2;;;;;;"),
        QStringLiteral("# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;"),
        QStringLiteral("# keyname;device obj.-instance;object-name;object-type;object-instance;description;unit-code;"),
    };
    for (const TBACnet_EDE_Obj& o : EDE_Object_List)
        lines.append(QStringList{o.Keyname, o.DevObjInstance, o.ObjectName, o.ObjectType, o.ObjectInstance, o.Description,
                                 o.UnitCode}
                         .join(QLatin1Char(';')) +
                     QLatin1Char(';'));
    return lines;
}

} // namespace

int Get_EDE_Object_Type(const QString& Kind)
{
    for (const auto& [name, type] : EDE_Object_Types)
        if (Kind == QLatin1String(name))
            return type;
    return 0;
}

QString Get_EDE_Timestamp(const QDateTime& When)
{
    return When.toString(QStringLiteral("hh:mm:ss dd/MM/yyyy"));
}

QString EDE_File_Name(const QString& Chosen)
{
    return Chosen.right(4).toUpper() == QLatin1String(".CSV") ? Chosen : Chosen + QStringLiteral(".csv");
}

bool Create_EDE_File(const QString& File_Name, QString* error)
{
    TEDE_Export e;
    return e.Read_EDE_Device_Data(error) && e.Collect_EDE_Objects(error) &&
           Save_Ansi_Lines(File_Name, e.EDE_Lines(Desc_Now()), error);
}
