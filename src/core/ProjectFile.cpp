#include "core/ProjectFile.h"
#include "core/UComon.h"
#include "platform/Paths.h"
#include "platform/SaveFile.h"
#include <QDir>
#include <QFileInfo>

namespace {

// The members in the order of Project_Files.
constexpr std::array<QString TProjectFiles::*, 22> kPaths = {
    &TProjectFiles::ParGen, &TProjectFiles::TLS_Known_Cert, &TProjectFiles::IEC61850_Variables,
    &TProjectFiles::ModbusM_SetAccess, &TProjectFiles::ModbusTCPM_SetAccess, &TProjectFiles::BACnet_Master_Access,
    &TProjectFiles::BACnet_Slave_SetAccess, &TProjectFiles::CAN_Rec_Frames, &TProjectFiles::CAN_Send_Frames,
    &TProjectFiles::SDO_Server_CANopen, &TProjectFiles::SDO_Client_CANopen, &TProjectFiles::PDO_CANopen,
    &TProjectFiles::DNETM_Net, &TProjectFiles::DNETM_DefOff, &TProjectFiles::J1939_Rec_Frames,
    &TProjectFiles::J1939_Send_Frames, &TProjectFiles::KNX_SetAccess, &TProjectFiles::MQTT_Set_Topic,
    &TProjectFiles::NMEA_Rec_Frames, &TProjectFiles::NMEA_Send_Frames, &TProjectFiles::SNMP_Manager,
    &TProjectFiles::SNMP_Trap,
};

} // namespace

TProjectFiles TProjectFiles::In(const QString& dir)
{
    TProjectFiles files;
    files.Dir = dir;
    for (std::size_t i = 0; i < kPaths.size(); ++i)
        files.*kPaths[i] = JoinPath(dir, QString::fromLatin1(Project_Files[i].name));
    return files;
}

TProjectFiles TProjectFiles::Current()
{
    TProjectFiles files;
    files.Dir = Project_Dir;
    for (std::size_t i = 0; i < kPaths.size(); ++i)
        files.*kPaths[i] = *Project_Files[i].path;
    return files;
}

TProjectFileLoad Load_Project_File(const QString& path, Xml::TElement& root, QString* error)
{
    root = Xml::TElement();
    if (!QFileInfo::exists(path))
        return TProjectFileLoad::Missing;
    QString reason;
    switch (Xml::Load(path, root, &reason)) {
    case Xml::LoadResult::Ok:
        return TProjectFileLoad::Loaded;
    case Xml::LoadResult::Malformed:
        if (error)
            *error = QStringLiteral("Error! The file %1 is not well-formed XML: %2").arg(QDir::toNativeSeparators(path), reason);
        break;
    case Xml::LoadResult::Missing:
        if (error)
            *error = QStringLiteral("Error! The file %1 cannot be read: %2").arg(QDir::toNativeSeparators(path), reason);
        break;
    }
    return TProjectFileLoad::Failed;
}

QString Missing_Element_Message(const QString& path, const QString& element)
{
    return QStringLiteral("Error! The file %1 has no element %2").arg(QDir::toNativeSeparators(path), element);
}

QString Row_Attribute_Message(const QString& path, const QString& section, int row, const QString& attribute, bool number)
{
    return QStringLiteral("Error! The file %1, %2 row %3: the attribute %4 is missing%5")
        .arg(QDir::toNativeSeparators(path), section)
        .arg(row)
        .arg(attribute, number ? QStringLiteral(" or not a number") : QString());
}

std::optional<QString> TParGen::Text(const QString& name, const QString& older) const
{
    const Xml::TElement* e = Xml::Child(FRoot, name);
    if (!e && !older.isEmpty())
        e = Xml::Child(FRoot, older);
    if (!e)
        return std::nullopt;
    return e->Text;
}

std::int64_t TParGen::Number(const QString& name, std::int64_t def, const QString& older) const
{
    const std::optional<QString> text = Text(name, older);
    return text ? Read_Whole_Number(*text).value_or(def) : def;
}

bool TParGen::Flag(const QString& name, const QString& older) const
{
    return Text(name, older) == QStringLiteral("1");
}

TAddress TParGen::Address(const QString& prefix, const QString& older, const TAddress& def) const
{
    TAddress a{};
    for (int i = 0; i < 4; ++i) {
        const QString n = QString::number(i + 1);
        a[i] = Number(prefix + n, def[i], older.isEmpty() ? QString() : older + n);
    }
    return a;
}

const QString Project_File_Comment = QStringLiteral("SW_VERSION = 1.001");

TTableWriter::TTableWriter(const QString& root, const QStringList& attributes, const QString& comment)
    : FWriter(root), FAttributes(attributes), FComment(comment)
{
}

void TTableWriter::Start_Section(const QString& name) { FWriter.StartElement(name); }
void TTableWriter::End_Section() { FWriter.EndElement(); }

void TTableWriter::Add_Row(const QStringList& values)
{
    FWriter.StartElement(QStringLiteral("row"));
    for (qsizetype i = 0; i < FAttributes.size(); ++i)
        FWriter.Attribute(FAttributes[i], values.value(i));
    FWriter.EndElement();
}

QByteArray TTableWriter::Finish()
{
    return FWriter.Finish(FComment);
}

bool Save_Project_File(const QString& projectDir, const QString& path, const QByteArray& content, QString* error)
{
    return SaveWholeFileInside(projectDir, path, content, error);
}
