#pragma once
// J1939_Rec_Frames.xml and J1939_Send_Frames.xml: the parameter groups a J1939 member of the family captures
// and transmits, with the checks OK makes.
#include "tables/TableEditor.h"

constexpr int J1939_Rows = 512;
constexpr int J1939_NUM_BYTE_IN = 1438;
constexpr int J1939_NUM_BYTE_OUT = 512;

const TTableEditor& ReceiveJ1939_Editor();
const TTableEditor& TransmitJ1939_Editor();
