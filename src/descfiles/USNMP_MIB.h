#pragma once
// The SNMP MIB module of an SNMP agent converter: the enterprise node, the fixed objects, one object
// per enabled object of SNMP_Trap.xml and one notification per enabled read object.
#include <QString>

// Empties SL_MIB_Read_Desc and SL_MIB_Write_Desc and fills them, with the Int flags, from the open
// project's SNMP_Trap.xml (at most 256 enabled objects per direction; further ones are ignored). False,
// with the message, when the file cannot be read, is not well-formed or lacks a section.
bool Load_SNMP_Trap_Objects(QString* error);
// Writes the module from the two lists to File_Name, replacing any file of that name.
bool Write_MIB_File(const QString& File_Name, QString* error = nullptr);
// Load_SNMP_Trap_Objects, then Write_MIB_File.
bool Create_MIB_File(const QString& File_Name, QString* error = nullptr);
// The main window's step: asks for the file and whether to replace it, writes it and shows a failure.
void Build_MIB_File();
