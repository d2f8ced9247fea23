#pragma once
// CAN_Send_Frames.xml: the CAN frames a member of the family sends, when it sends them, and the checks OK makes.
#include "tables/TableEditor.h"

constexpr int CAN_Transmit_Rows = 512;

const TTableEditor& TransmitCAN_Editor();
