#pragma once
// PDO_CANopen.xml: the receive and transmit PDOs of a CANopen member of the family, with the checks OK makes.
// The EDS writer reads the same file.
#include "tables/TableEditor.h"

constexpr int PDO_Rows = 30;          // per direction
constexpr int CANopen_NByte = 1438;   // the data area's size, both directions

const TTableEditor& PDO_Editor();

// The CANopen tables' load stops at a missing attribute: every column is read unguarded.
void Read_Unguarded(TTableEditorGrid& grid);
