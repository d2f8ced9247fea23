#pragma once
// CAN_Rec_Frames.xml: the CAN frames a member of the family receives, with the checks OK makes.
#include "tables/TableEditor.h"

constexpr int CAN_Receive_Rows = 512;
constexpr int CAN_MAX_Byte = 1438;

const TTableEditor& ReceiveCAN_Editor();
