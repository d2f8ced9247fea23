#pragma once
// DNETM_Net.xml: the DeviceNet slaves a DeviceNet master of the family serves, with their byte counts.
// The offset definition reads the same file.
#include "tables/TableEditor.h"

constexpr int DNet_Rows = 64;

const TTableEditor& DNet_Editor();
