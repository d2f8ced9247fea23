#pragma once
// The project files as every reader and writer of them sees them: where they lie, one pass over a file
// with the program's rules for a missing, refused or malformed one, the ParGen values with their defaults
// and older names, and table rows read by attribute and written in their table's fixed attribute order.
#include "platform/XmlDoc.h"
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

// ---- Where they lie ----

// A project's folder and its 22 files.
struct TProjectFiles {
    QString Dir;
    QString ParGen, TLS_Known_Cert, IEC61850_Variables, ModbusM_SetAccess, ModbusTCPM_SetAccess,
        BACnet_Master_Access, BACnet_Slave_SetAccess, CAN_Rec_Frames, CAN_Send_Frames, SDO_Server_CANopen,
        SDO_Client_CANopen, PDO_CANopen, DNETM_Net, DNETM_DefOff, J1939_Rec_Frames, J1939_Send_Frames, KNX_SetAccess,
        MQTT_Set_Topic, NMEA_Rec_Frames, NMEA_Send_Frames, SNMP_Manager, SNMP_Trap;

    // Every file under its own name in `dir`.
    static TProjectFiles In(const QString& dir);
    // The open project: Project_Dir and the program-wide File_* paths as they stand.
    static TProjectFiles Current();
};

// ---- Reading ----

enum class TProjectFileLoad { Missing, Loaded, Failed };

// Reads the file in one pass into its root element, whatever declaration, comments or processing
// instructions stand before it. Missing when no file is there (the reader keeps its defaults, `root` is
// empty); Failed, with the message to show in `error`, when it is there but is no regular file, is larger
// than 16 MB, cannot be read or is not well-formed XML.
TProjectFileLoad Load_Project_File(const QString& path, Xml::TElement& root, QString* error);

// The messages of the table readers for a file written by something other than its editor.
QString Missing_Element_Message(const QString& path, const QString& element);
QString Row_Attribute_Message(const QString& path, const QString& section, int row, const QString& attribute,
                              bool number);

// ---- ParGen values ----

using TAddress = std::array<std::int64_t, 4>;

// The elements of ParGen.xml's root by name, with the older name where files of earlier versions used one.
// A null root reads as a file without elements.
class TParGen {
public:
    explicit TParGen(const Xml::TElement* root) : FRoot(root) {}

    std::optional<QString> Text(const QString& name, const QString& older = QString()) const;
    // A whole number (Read_Whole_Number), or `def` when the element is missing or is none.
    std::int64_t Number(const QString& name, std::int64_t def, const QString& older = QString()) const;
    // True only for the text "1".
    bool Flag(const QString& name, const QString& older = QString()) const;
    // The four elements prefix1 to prefix4 (older1 to older4 where missing), each with its default.
    TAddress Address(const QString& prefix, const QString& older, const TAddress& def) const;

private:
    const Xml::TElement* FRoot;
};

// ---- Writing ----

// The comment every project file carries after its root.
extern const QString Project_File_Comment;   // "SW_VERSION = 1.001"

// A table file: root, optional sections, one `row` element per row with the table's attributes in their
// fixed order, then its comment.
class TTableWriter {
public:
    TTableWriter(const QString& root, const QStringList& attributes, const QString& comment = Project_File_Comment);
    void Start_Section(const QString& name);
    // The attributes of the rows that follow, for a file whose sections differ.
    void Set_Attributes(const QStringList& attributes) { FAttributes = attributes; }
    void End_Section();
    // One value per attribute, in the table's order; missing values are written empty.
    void Add_Row(const QStringList& values);
    QByteArray Finish();

private:
    XmlWriter FWriter;
    QStringList FAttributes;
    QString FComment;
};

// Writes a file of the project whole or not at all, and only where it resolves inside `projectDir`;
// false with the message to show.
bool Save_Project_File(const QString& projectDir, const QString& path, const QByteArray& content, QString* error);
