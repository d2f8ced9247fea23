#pragma once
// SNMP_Trap.xml: the objects an SNMP agent member of the family offers, read (and sent as traps) and
// written, with the checks OK makes. The MIB writer names and numbers its objects from this file, so the
// checks keep every enabled description a lower-case-first name of letters and digits, unique in the file.
#include "tables/TableEditor.h"

constexpr int SNMP_Trap_Rows = 256;
constexpr int SNMP_Trap_Data_Area = 1440;

const TTableEditor& SNMPTrap_Editor();

// True (an error) when the text holds a character other than "0".."9", "A".."Z", "a".."z"; with check
// type 1 also when its first character is not "a".."z". The empty text passes.
bool Check_Error_CommName_Desc(const QString& text, int checkType);
