#pragma once
// SDO_Client_CANopen.xml: the objects a CANopen member of the family reads and writes on other devices as an SDO
// client, with the checks OK makes.
#include "tables/TableEditor.h"

constexpr int SDO_Client_Rows = 256;   // per table

const TTableEditor& SDO_Client_Editor();

// The object rules of both SDO tables, over the cells Index, SubIndex and N Byte from `first` on: Index in
// `minIndex` to `maxIndex`, SubIndex 0 to 255, N Byte exactly 1, 2 or 4. The failing rule's text (`text`, `text`
// + 1 or `text` + 2), or empty with the object's size in `nByte`.
QString Check_SDO_Object(const QStringList& cells, int first, int minIndex, int maxIndex, int text, int& nByte);
