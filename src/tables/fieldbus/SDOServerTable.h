#pragma once
// SDO_Server_CANopen.xml: the objects a CANopen member of the family offers as an SDO server, read and written by
// other devices, with the checks OK makes. The EDS writer reads the same file.
#include "tables/TableEditor.h"

constexpr int SDO_Server_Rows = 500;   // per table

const TTableEditor& SDO_Server_Editor();
