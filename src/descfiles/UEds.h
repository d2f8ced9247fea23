#pragma once
// The CANopen electronic data sheet (EDS 4.0) of the converter's CANopen member: its fixed
// communication objects, one set of objects per PDO of PDO_CANopen.xml and one manufacturer object
// per index of SDO_Server_CANopen.xml.
#include <QString>

class QDateTime;

// At most 30 PDOs per direction are described; a PDO length outside 0 to 255 counts as its nearest end.
// Writes the sheet of the open project to File_Name, replacing any file of that name. False, with the
// message to show in `error`, when a project file cannot be read, lacks a section or an attribute, holds
// an Index, SubIndex or NByte that is not a number, or the sheet cannot be written; nothing is written then.
bool Write_EDS_File(const QString& File_Name, QString* error = nullptr);

// "hh:mmAM" / "hh:mmPM" on the 12-hour clock, and "mm-dd-yyyy".
QString EDS_Time_Text(const QDateTime& When);
QString EDS_Date_Text(const QDateTime& When);
