#pragma once
// SDO_Client_CANopen.xml: the objects a CANopen member of the family reads and writes on other devices as an SDO
// client, with the checks OK makes.
#include "tables/TableEditor.h"

constexpr int SDO_Client_Rows = 256;   // per table

const TTableEditor& SDO_Client_Editor();

// The SDO objects' size rule: N Byte exactly 1, 2 or 4; -1 otherwise.
int SDO_NByte(const QString& cell);
