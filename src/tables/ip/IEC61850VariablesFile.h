#pragma once
// IEC61850_Variables.xml: the IEC 61850 variables table, and the checks OK makes before writing it.
#include "tables/TableFile.h"

constexpr int IEC61850_Variable_Rows = 50;
constexpr int IEC61850_NByte_IN = 1438;

// Cells per row, columns 1 to 12: Enable, Name, Type, Length, ReadOnly, Position, StartBit, Conversion,
// MultiplicationFactor, Swap, SwapWord, Mnemonic. A missing attribute reads as an untouched cell: "Y"
// for Enable, "N" for the three flags, empty for the others.
TTableLoad Load_IEC61850_Variables(const QString& path);
// The file of the rows up to the first with a blank name.
QByteArray IEC61850_Variables_XML(const TTableRows& rows);
// The message of the first error, empty when every row passes; `separator` is the system decimal mark.
QString Check_IEC61850_Variables(const TTableRows& rows, QChar separator);
