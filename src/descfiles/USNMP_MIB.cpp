#include "descfiles/USNMP_MIB.h"
#include "core/UComon.h"
#include "core/tables/TableSchemas.h"
#include "core/ULanguage.h"
#include "descfiles/DescProject.h"
#include "descfiles/DescText.h"
#include "platform/Dialogs.h"
#include <QFileInfo>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int Max_Objects = 256;   // per direction

// Byte i: the read object at list position i is of type Int; byte 256 + j: the write object at j.
std::array<std::uint8_t, 2 * Max_Objects> MIB_Int_Flags{};

QStringList& List(std::unique_ptr<QStringList>& list)
{
    if (!list)
        list = std::make_unique<QStringList>();
    return *list;
}

const char* const MIB_Head[] = {
    "GATEWAY DEFINITIONS ::= BEGIN",
    "IMPORTS",
    "       MODULE-IDENTITY,OBJECT-TYPE",
    "         FROM SNMPv2-SMI",
    "         DisplayString, TimeStamp",
    "         FROM SNMPv2-TC",
    "         enterprises",
    "         FROM RFC1155-SMI;",
    "",
    "identity MODULE-IDENTITY",
    "    LAST-UPDATED \"201701310000Z\"",
    "    ORGANIZATION \"www.velmor.example\"",
    "    CONTACT-INFO",
    "\t \"Via dell'Industria 12",
    "    00100 Borgo Velmor (VM)",
    "    Italy",
    "    email:    velmor.example\"",
    "    DESCRIPTION",
    "\t\"MIB objects for agent module \"",
    "    REVISION     \"201701310000Z\"",
    "    DESCRIPTION",
    "\t\"Corrected notification \"",
    "    REVISION     \"200202060000Z\"",
    "    DESCRIPTION",
    "\t\"First draft\"",
    "    ::= { velmor 2 }",
    "velmor          OBJECT IDENTIFIER ::= { enterprises 51873 }",
    "gateway OBJECT IDENTIFIER::= { velmor 1 }",
    "application OBJECT IDENTIFIER::= { gateway 1 }",
    "data OBJECT IDENTIFIER::= { application 1 }",
    "hellostring OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only  STATUS current  DESCRIPTION \"\" ::= { data 1}",
    "countin  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-only  STATUS current  DESCRIPTION \"\" ::= { data 2}",
    "countout  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-write STATUS current  DESCRIPTION \"\" ::= { data 3}",
    "bufferin OBJECT IDENTIFIER::= { data 4 }",
};

// The eight data blocks of one direction ("in" or "out") and the node of its value objects.
void Blocks(QStringList& L, const char* dir, const char* access)
{
    for (int k = 1; k <= 8; ++k)
        L << QStringLiteral("buffer%1blk%2 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS %3 STATUS current DESCRIPTION "
                            "\"data block n.%2\" ::= { buffer%1 %2 }")
                 .arg(QLatin1String(dir))
                 .arg(k)
                 .arg(QLatin1String(access));
    L << QStringLiteral(" buffer%1val OBJECT IDENTIFIER::= { buffer%1 9 }").arg(QLatin1String(dir));
}

// One line per object of a list: `name` gives the object's name for an empty description.
void Objects(QStringList& L, const QStringList& descs, int flags, const char* kind, const char* access,
             const std::function<QString(int, const QString&)>& name, const QString& parent)
{
    for (int n = 1; n <= descs.size(); ++n) {
        const QString& desc = descs[n - 1];
        const bool isInt = MIB_Int_Flags[static_cast<std::size_t>(flags + n - 1)] == 1;
        // Joined, not formatted: a description may hold "%".
        L << name(n, desc) + QLatin1Char(' ') + QLatin1String(kind) + QStringLiteral(" SYNTAX ") +
                 (isInt ? QStringLiteral("INTEGER") : QStringLiteral("OCTET STRING")) + QStringLiteral(" MAX-ACCESS ") +
                 QLatin1String(access) + QStringLiteral(" STATUS current DESCRIPTION \"") + desc +
                 QStringLiteral("\" ::= { ") + parent + QLatin1Char(' ') + QString::number(n) + QStringLiteral(" }");
    }
}

QString Object_Name(const char* fallback, int n, const QString& desc)
{
    return desc.isEmpty() ? QLatin1String(fallback) + QString::number(n) : desc;
}

} // namespace

bool Load_SNMP_Trap_Objects(QString* error)
{
    QStringList& read = List(SL_MIB_Read_Desc);
    QStringList& write = List(SL_MIB_Write_Desc);
    read.clear();
    write.clear();
    std::vector<TTableSection> sections;
    if (Read_Table_Sections(File_SNMP_Trap, SNMP_Trap_Schema, sections, error) == TProjectFileLoad::Failed)
        return false;
    for (std::size_t s = 0; s < sections.size(); ++s) {
        QStringList& list = s == 0 ? read : write;
        for (const TTableRow& row : sections[s]) {
            if (list.size() == Max_Objects)
                break;
            // A disabled row takes no index.
            if (row.value(QStringLiteral("Enable")).toUpper() != QLatin1String("Y"))
                continue;
            MIB_Int_Flags[s * Max_Objects + static_cast<std::size_t>(list.size())] =
                row.value(QStringLiteral("Type")).toUpper() == QLatin1String("INT") ? 1 : 0;
            list << row.value(QStringLiteral("Description"));
        }
    }
    return true;
}

bool Write_MIB_File(const QString& File_Name, QString* error)
{
    const QStringList& read = List(SL_MIB_Read_Desc);
    const QStringList& write = List(SL_MIB_Write_Desc);
    QStringList L;
    for (const char* line : MIB_Head)
        L << QLatin1String(line);
    Blocks(L, "in", "read-only");
    const auto inName = [](int n, const QString& d) { return Object_Name("bufferinval", n, d); };
    Objects(L, read, 0, "OBJECT-TYPE", "read-only", inName, QStringLiteral("bufferinval"));
    L << QStringLiteral("bufferout OBJECT IDENTIFIER::= { data 5 }");
    Blocks(L, "out", "read-write");
    const auto outName = [](int n, const QString& d) { return Object_Name("bufferoutval", n, d); };
    Objects(L, write, Max_Objects, "OBJECT-TYPE", "read-write", outName, QStringLiteral("bufferoutval"));
    L << QStringLiteral("traps OBJECT IDENTIFIER::= { application 2 }")
      << QStringLiteral(" trapsval OBJECT IDENTIFIER::= { traps 1 }");
    const auto trapName = [](int n, const QString&) { return QStringLiteral("trapval%1").arg(n); };
    Objects(L, read, 0, "NOTIFICATION-TYPE", "read-only", trapName, QStringLiteral("trapsval"));
    L << QStringLiteral("END");
    return Save_Ansi_Lines(File_Name, L, error);
}

bool Create_MIB_File(const QString& File_Name, QString* error)
{
    return Load_SNMP_Trap_Objects(error) && Write_MIB_File(File_Name, error);
}

void Build_MIB_File()
{
    TFileDialogRequest SaveMIB;
    SaveMIB.InitialDir = Project_Dir;
    SaveMIB.DefaultExt = QStringLiteral("*.mib");
    SaveMIB.Filter = QStringLiteral("Management Information Base (*.mib)|*.mib");
    QString name;
    if (!PromptForSaveFile(SaveMIB, name))
        return;
    if (QFileInfo::exists(name) &&
        MessageDlg(Lang(1105), TMsgDlgType::mtConfirmation, {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}) != mrYes)
        return;
    QString error;
    if (!Create_MIB_File(name, &error))
        MessageDlg(error, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
}
