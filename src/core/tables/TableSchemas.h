#pragma once
// The schema of each project table file, one per file.
#include "core/tables/TableSchema.h"

extern const TTableSchema IEC61850_Variables_Schema;   // IEC61850_Variables.xml
extern const TTableSchema Known_Cert_Schema;           // TLS_Known_Cert.xml
extern const TTableSchema BACnet_Slave_Schema;         // BACnet_Slave_SetAccess.xml
extern const TTableSchema CAN_Rec_Frames_Schema;       // CAN_Rec_Frames.xml
extern const TTableSchema CAN_Send_Frames_Schema;      // CAN_Send_Frames.xml
extern const TTableSchema PDO_CANopen_Schema;          // PDO_CANopen.xml
extern const TTableSchema SDO_Client_CANopen_Schema;   // SDO_Client_CANopen.xml
extern const TTableSchema SDO_Server_CANopen_Schema;   // SDO_Server_CANopen.xml
extern const TTableSchema SNMP_Trap_Schema;            // SNMP_Trap.xml
extern const TTableSchema ModbusM_Schema;              // ModbusM_SetAccess.xml
extern const TTableSchema ModbusTCPM_Schema;           // ModbusTCPM_SetAccess.xml
