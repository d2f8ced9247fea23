#pragma once
// KNX_SetAccess.xml: the rules by which a KNX member of the family sends telegrams from its data area,
// with the checks OK makes.
#include "tables/TableEditor.h"

constexpr int KNX_Rows = 1024;
constexpr int KNX_Max_Num_Byte = 1500;

const TTableEditor& KNXAccess_Editor();
