#pragma once
// CAN_Rec_Frames.xml: the CAN frames a member of the family receives, with the checks OK makes.
#include "tables/TableEditor.h"

constexpr int CAN_Receive_Rows = 512;
constexpr int CAN_MAX_Byte = 1438;

const TTableEditor& ReceiveCAN_Editor();

// The identifier formats a frame's Type column offers.
inline const QStringList CAN_Types = {QStringLiteral("2.0A (11 bits)"), QStringLiteral("2.0B (29 bits)")};
constexpr int CAN_Max_11_Bits = 2047;
// The largest identifier of a frame whose Type cell holds `type`: 11 bits for "2.0A (11 bits)" (trimmed), else 29.
int CAN_Max_CobID(const QString& type);
