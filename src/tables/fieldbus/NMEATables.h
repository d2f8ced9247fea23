#pragma once
// NMEA_Rec_Frames.xml and NMEA_Send_Frames.xml: the parameter groups an NMEA 2000 member of the family
// captures and transmits, with the checks OK makes.
#include "tables/TableEditor.h"

constexpr int NMEA_Rows = 62;
constexpr int NMEA_NUM_BYTE_IN = 512;
constexpr int NMEA_NUM_BYTE_OUT = 512;

const TTableEditor& ReceiveNMEA_Editor();
const TTableEditor& TransmitNMEA_Editor();
