#include "core/tables/TableSchemas.h"

namespace {

constexpr TValueKind T = TValueKind::vkText;
constexpr TValueKind N = TValueKind::vkNumber;
constexpr TValueKind F = TValueKind::vkFlag;
constexpr TValueKind C = TValueKind::vkChoice;
constexpr TValueKind P = TValueKind::vkPosition;

// `prefix`1 to `prefix``count`, byte positions without a default.
std::vector<TTableAttribute> Positions(const char* prefix, int count)
{
    std::vector<TTableAttribute> list;
    for (int n = 1; n <= count; ++n)
        list.push_back({QLatin1String(prefix) + QString::number(n), QString(), P});
    return list;
}

std::vector<TTableAttribute> Join(std::initializer_list<std::vector<TTableAttribute>> parts)
{
    std::vector<TTableAttribute> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace

const TTableSchema IEC61850_Variables_Schema = {
    "IEC61850_Variables",
    {{"",
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
       {"Mnemonic", "", T}}}},
};

const TTableSchema Known_Cert_Schema = {
    "TLS_Server_Known_Cert",
    {{"", {{"Enable", "Y", F}, {"Certificate", "", T}, {"Mnemonic", "", T}}}},
};

namespace {
const std::vector<TTableAttribute> kBACnetObject = {{"Data_Type", "", C}, {"Eng_Unit", "", N}, {"Position", "", P},
                                                    {"Bit", "", C},       {"Length", "", N},   {"Swap", "N", F},
                                                    {"Mnemonic", "", T}};
} // namespace

const TTableSchema BACnet_Slave_Schema = {
    "BACnet_to_Modbus",
    {{"BACnet_in_Read", kBACnetObject}, {"BACnet_in_Write", kBACnetObject}},
};

// The fieldbus editors' files carry version 1.000.
const TTableSchema CAN_Rec_Frames_Schema = {
    "Receive_Frames",
    {{"",
      Join({{{"Enable", "Y", F}, {"COBID", "", N}, {"CAN_Type", "", C}, {"Dim", "", N}, {"TimeOut", "0", N}},
            Positions("Byte", 8),
            {{"Mnemonic", "", T}}})}},
    "1.000",
};

// A row without send options is sent on change with the 11-bit format; Time's default depends on OnTimer
// (the editor's).
const TTableSchema CAN_Send_Frames_Schema = {
    "Transmit_Frames",
    {{"",
      Join({{{"Enable", "Y", F},
             {"COBID", "", N},
             {"CAN_Type", "2.0A (11 bits)", C},
             {"Dim", "", N},
             {"OnChange", "Y", F},
             {"OnCMD", "N", F},
             {"OnTimer", "N", F},
             {"Time", "", N}},
            Positions("Byte", 8),
            {{"Mnemonic", "", T}}})}},
    "1.000",
};

// The CANopen files have no defaults: their editors and the EDS writer stop at a missing attribute, and a
// new row is empty.
const TTableSchema PDO_CANopen_Schema = {
    "PDO_CANopen",
    {{"Receive_PDO",
      Join({{{"COB-ID", "", N}, {"Dimension", "", N}}, Positions("Address_B", 8), {{"TimeOut", "", N}, {"Mnemonic", "", T}}})},
     {"Transmit_PDO", Join({{{"COB-ID", "", N}, {"Dimension", "", N}},
                            Positions("Address_B", 8),
                            {{"Send_Time", "", N}, {"On_Change", "", F}, {"Mnemonic", "", T}}})}},
    "1.000",
};

namespace {
// Device_ID, Index, SubIndex, NByte and Poll_Time of an SDO request.
const std::vector<TTableAttribute> kSDORequest = {
    {"Device_ID", "", N}, {"Index", "", N}, {"SubIndex", "", N}, {"NByte", "", N}, {"Poll_Time", "", N}};
} // namespace

const TTableSchema SDO_Client_CANopen_Schema = {
    "SDO_Client_CANopen",
    {{"SDO_Read", Join({kSDORequest, Positions("Address_B", 4), {{"Mnemonic", "", T}}})},
     {"SDO_Write", Join({kSDORequest, {{"On_Change", "", F}}, Positions("Address_B", 4), {{"Mnemonic", "", T}}})}},
    "1.000",
};

namespace {
const std::vector<TTableAttribute> kSDOObject =
    Join({{{"Index", "", N}, {"SubIndex", "", N}, {"NByte", "", N}}, Positions("Address_B", 4), {{"Mnemonic", "", T}}});
} // namespace

const TTableSchema SDO_Server_CANopen_Schema = {
    "SDO_Server_CANopen",
    {{"SDO_Read", kSDOObject}, {"SDO_Write", kSDOObject}},
    "1.000",
};

const TTableSchema SNMP_Trap_Schema = {
    "SNMP_Trap",
    {{"SNMP_Trap_Read",
      {{"Enable", "Y", F},
       {"Community_Name", "", T},
       {"Type", "", C},
       {"On_Change", "", F},
       {"On_Command", "", F},
       {"On_Timer", "", F},
       {"Time", "", N},
       {"Position", "", P},
       {"Bit", "", C},
       {"NumBits", "", N},
       {"Description", "", T},
       {"IP_Address", "", T},
       {"Conversion", "", C},
       {"Mnemonic", "", T}}},
     {"SNMP_Trap_Write",
      {{"Enable", "Y", F},
       {"Community_Name", "", T},
       {"Type", "", C},
       {"Position", "", P},
       {"Bit", "", C},
       {"NumBits", "", N},
       {"Description", "", T},
       {"Conversion", "", C},
       {"Mnemonic", "", T}}}},
};

namespace {
// The Modbus master rules; the TCP master's begin with the slave's address and port.
std::vector<TTableAttribute> Modbus_Read(std::vector<TTableAttribute> head)
{
    return Join({{{"Enable", "Y", F}},
                 head,
                 {{"Slave_ID", "", N}, {"Type", "", C}, {"Address", "", N}, {"NPoint", "", N}, {"PollTime", "", N},
                  {"MaxError", "", N}, {"Position", "", P}, {"Bit", "", C}, {"Swap", "N", F}, {"SwapWord", "N", F},
                  {"Index_Topic", "", N}, {"Mnemonic", "", T}}});
}
std::vector<TTableAttribute> Modbus_Write(std::vector<TTableAttribute> head)
{
    return Join({{{"Enable", "Y", F}},
                 head,
                 {{"Slave_ID", "", N}, {"Type", "", C}, {"Address", "", N}, {"NPoint", "", N}, {"PollTime", "", N},
                  {"OnChange", "", F}, {"OnCMD", "N", F}, {"MaxError", "", N}, {"Position", "", P}, {"Bit", "", C},
                  {"Swap", "N", F}, {"SwapWord", "N", F}, {"Mnemonic", "", T}}});
}
const std::vector<TTableAttribute> kSlaveAddress = {{"IP_Address", "", T}, {"Port", "", N}};
} // namespace

const TTableSchema ModbusM_Schema = {
    "EtherNetIP_to_Modbus",
    {{"Modbus_Read", Modbus_Read({})}, {"Modbus_Write", Modbus_Write({})}},
    "1.003",
};

const TTableSchema ModbusTCPM_Schema = {
    "PROFINET_Master_to_Modbus_TCP_Master",
    {{"Modbus_Read", Modbus_Read(kSlaveAddress)}, {"Modbus_Write", Modbus_Write(kSlaveAddress)}},
};
