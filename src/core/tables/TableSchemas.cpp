#include "core/tables/TableSchemas.h"

namespace {
constexpr TValueKind T = TValueKind::vkText;
constexpr TValueKind N = TValueKind::vkNumber;
constexpr TValueKind F = TValueKind::vkFlag;
constexpr TValueKind C = TValueKind::vkChoice;
constexpr TValueKind P = TValueKind::vkPosition;
} // namespace

const TTableSchema IEC61850_Variables_Schema = {
    "IEC61850_Variables",
    {},
    {{"Enable", "Y", F},
     {"Name", "", T},
     {"Type", "", C},
     {"Length", "", N},
     {"ReadOnly", "N", F},
     {"Position", "", N},
     {"StartBit", "", C},
     {"Conversion", "", C},
     {"MultiplicationFactor", "", T},
     {"Swap", "N", F},
     {"SwapWord", "N", F},
     {"Mnemonic", "", T}},
};

const TTableSchema Known_Cert_Schema = {
    "TLS_Server_Known_Cert",
    {},
    {{"Enable", "Y", F}, {"Certificate", "", T}, {"Mnemonic", "", T}},
};

const TTableSchema BACnet_Slave_Schema = {
    "BACnet_to_Modbus",
    {"BACnet_in_Read", "BACnet_in_Write"},
    {{"Data_Type", "", C},
     {"Eng_Unit", "", N},
     {"Position", "", P},
     {"Bit", "", C},
     {"Length", "", N},
     {"Swap", "N", F},
     {"Mnemonic", "", T}},
};

const TTableSchema CAN_Rec_Frames_Schema = {
    "Receive_Frames",
    {},
    {{"Enable", "Y", F},
     {"COBID", "", N},
     {"CAN_Type", "", C},
     {"Dim", "", N},
     {"TimeOut", "0", N},
     {"Byte1", "", P},
     {"Byte2", "", P},
     {"Byte3", "", P},
     {"Byte4", "", P},
     {"Byte5", "", P},
     {"Byte6", "", P},
     {"Byte7", "", P},
     {"Byte8", "", P},
     {"Mnemonic", "", T}},
};
