#pragma once
// The BACnet EDE file of the built model: the converter's BACnet objects, listed for the
// engineering tool of a BACnet client.
#include <QString>

class QDateTime;

// Writes the EDE file of the open project (ParGen.xml and BACnet_Slave_SetAccess.xml) to
// File_Name; the caller has already added ".csv" and confirmed replacing an existing file.
// False, with the message to show in `error`, when a project file cannot be read, lacks a section
// or a row attribute, or the EDE file cannot be written; no EDE file is written then.
bool Create_EDE_File(const QString& File_Name, QString* error = nullptr);

// The name the EDE step writes for a name chosen in its save dialog: ".csv" appended unless the last
// four characters are ".csv" in any case.
QString EDE_File_Name(const QString& Chosen);

// The BACnet object type number of an upper-case object kind name; 0 when it is none.
int Get_EDE_Object_Type(const QString& Kind);
// "hh:mm:ss dd/mm/yyyy"
QString Get_EDE_Timestamp(const QDateTime& When);
