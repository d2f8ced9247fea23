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

const TTableSchema DNETM_Net_Schema = {
    "DNET_Net",
    {{"", {{"ID", "", N}, {"NB_IN", "", N}, {"NB_OUT", "", N}, {"Mnemonic", "", T}}}},
    "1.000",
};

const TTableSchema J1939_Rec_Frames_Schema = {
    "Receive_J1939",
    {{"",
      {{"DP", "", C},
       {"PGN", "", N},
       {"SA", "", N},
       {"TP", "N", F},
       {"TP_Start", "", N},
       {"TP_NByte", "", N},
       {"Delete", "N", F},
       {"OnRequest", "N", F},
       {"OnReq_Time", "1000", N},
       {"Mnemonic", "", T}}}},
    "1.000",
};

const TTableSchema J1939_Send_Frames_Schema = {
    "Transmit_J1939",
    {{"",
      {{"Priority", "", N},
       {"DP", "", C},
       {"PGN", "", N},
       {"SA", "", N},
       {"TP_NByte", "8", N},
       {"On_Request", "N", F},
       {"On_Data_Change", "N", F},
       {"On_Timer", "N", F},
       {"SendTimer", "", N},
       {"Mnemonic", "", T}},
      {"T_Type"}}},   // files of earlier versions name their one trigger here
    "1.000",
};

const TTableSchema NMEA_Rec_Frames_Schema = {
    "Receive_NMEA_2000",
    {{"",
      {{"PGN", "", N},
       {"SA", "", N},
       {"TP", "N", F},
       {"FP", "N", F},
       {"TP_Start", "", N},
       {"TP_NByte", "", N},
       {"Delete", "N", F},
       {"Mnemonic", "", T}}}},
    "1.000",
};

// The send file keeps the receive file's root name: its readers tell the two apart by the file name.
const TTableSchema NMEA_Send_Frames_Schema = {
    "Receive_NMEA_2000",
    {{"",
      {{"Priority", "", N},
       {"PGN", "", N},
       {"SA", "", N},
       {"FP", "N", F},
       {"TP_NByte", "", N},
       {"On_Request", "N", F},
       {"On_Data_Change", "N", F},
       {"On_Timer", "N", F},
       {"SendTimer", "", N},
       {"Mnemonic", "", T}}}},
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

const TTableSchema KNX_SetAccess_Schema = {
    "BACnet_to_KNX",
    {{"KNX_in_Write",
      {{"Enable", "Y", F},
       {"Source_Address", "", T},
       {"Destination_Address", "", T},
       {"APCI", "", C},
       {"Priority", "Normal", C},
       {"Format", "None", C},
       {"Extended", "", F},
       {"ReTest", "", F},
       {"On_Command", "N", F},
       {"On_Change", "", F},
       {"On_Timer", "N", F},
       {"Poll_Time", "", N},
       {"Position", "", P},
       {"Bit_Mode", "", C},
       {"Length", "", N},
       {"Mnemonic", "", T}}}},
    "1.000",
};

const TTableSchema MQTT_Set_Topic_Schema = {
    "MQTT_Set_Topic",
    {{"MQTT_Publish",
      {{"Topic", "", T},
       {"Retained", "", F},
       {"QoS", "", C},
       {"DataType", "", C},
       {"Dimension", "", N},
       {"Position", "", N},
       {"IPAddress", "", T},
       {"InputTemplate", "", T},
       {"Template", "", T},
       {"OnChange", "N", F},
       {"OnTimer", "N", F},
       {"Time", "", N},
       {"Mnemonic", "", T}}},
     {"MQTT_Subscribe",
      {{"Topic", "", T},
       {"Retained", "", F},
       {"QoS", "", C},
       {"DataType", "", C},
       {"Dimension", "", N},
       {"Position", "", N},
       {"IPAddress", "", T},
       {"Port", "", N},
       {"EthType", "", C},
       {"InputTemplate", "", T},
       {"Template", "", T},
       {"Mnemonic", "", T}}}},
    "1.000",
};

const TTableSchema SNMP_Manager_Schema = {
    "SNMP_Manager_Access",
    {{"",
      {{"Enable", "Y", F},
       {"IP_Address", "", T},
       {"Version", "", C},
       {"Community_String", "", C},
       {"OID", "", T},
       {"Type", "", C},
       {"Mode", "", C},
       {"On_Change", "N", F},
       {"On_Command", "N", F},
       {"On_Timer", "N", F},
       {"Time", "", N},
       {"Position", "", P},
       {"Number_Bytes", "", N},
       {"ConvertFrom", "None", C},
       {"Cancel", "N", F},
       {"User", "", T},
       {"Auth_Pass", "", T},
       {"Priv_Pass", "", T},
       {"Security_Level", "", C},
       {"Auth_Mode", "", C},
       {"Priv_Mode", "", C},
       {"Mnemonic", "", T}}}},
    "1.000",
};

const TTableSchema SNMP_Trap_Schema = {
    "SNMP_Trap",
    {{"SNMP_Trap_Read",
      {{"Enable", "Y", F},
       {"Community_Name", "", T},
       {"Type", "", C},
       {"On_Change", "N", F},
       {"On_Command", "N", F},
       {"On_Timer", "N", F},
       {"Time", "", N},
       {"Position", "", P},
       {"Bit", "", C},
       {"NumBits", "", N},
       {"Description", "", T},
       {"IP_Address", "", T},
       {"Conversion", "None", C},
       {"Mnemonic", "", T}}},
     {"SNMP_Trap_Write",
      {{"Enable", "Y", F},
       {"Community_Name", "", T},
       {"Type", "", C},
       {"Position", "", P},
       {"Bit", "", C},
       {"NumBits", "", N},
       {"Description", "", T},
       {"Conversion", "None", C},
       {"Mnemonic", "", T}}}},
    "1.000",
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

namespace {
// A BACnet client request's destination behind a router.
const std::vector<TTableAttribute> kBACnetDestination = {{"Enable_Destination", "N", F},
                                                         {"Destination_Network", "", N},
                                                         {"Destination_Length", "", C},
                                                         {"Destination_Address", "", T}};
} // namespace

const TTableSchema BACnet_Master_Schema = {
    "BACnet_Master_Access",
    {{"BACnet_Read",
      Join({{{"Enable", "Y", F},
             {"IP_Address_Slave_ID", "", T},
             {"Object_Type", "", C},
             {"Instance", "", N},
             {"Property", "", C},
             {"NumByte", "", N}},
            kBACnetDestination,
            {{"PollTime", "", N}, {"MaxError", "", N}, {"Position", "", P}, {"StartBit", "", C}, {"Swap", "N", F},
             {"Mnemonic", "", T}}})},
     {"BACnet_Write",
      Join({{{"Enable", "Y", F},
             {"IP_Address_Slave_ID", "", T},
             {"Object_Type", "", C},
             {"Data_Type", "", C},
             {"Instance", "", N},
             {"Property", "", C},
             {"Priority", "", N},
             {"NumByte", "", N}},
            kBACnetDestination,
            {{"OnChange", "N", F}, {"OnTimer", "N", F}, {"PollTime", "", N}, {"MaxError", "", N}, {"Position", "", P},
             {"StartBit", "", C}, {"Swap", "N", F}, {"Mnemonic", "", T}}})}},
    "1.000",
};
