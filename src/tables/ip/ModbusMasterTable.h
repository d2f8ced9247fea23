#pragma once
// The Modbus master rules of the family's converters that poll Modbus slaves, serial or TCP: the registers
// and status bits read into the data area and the bytes of it written to slaves, two tables each.
#include "tables/TableEditor.h"

constexpr int Modbus_Master_Rows = 512;
constexpr int ModbusM_NByte = 1438;
constexpr int ModbusTCPM_NByte = 1500;

// True when the text is NOT a dotted IPv4 address of four parts from 0 to 255.
bool Check_IP_Address(const QString& IP_Address);

// ModbusM_SetAccess.xml and ModbusTCPM_SetAccess.xml.
const TTableEditor& ModbusM_Editor();
const TTableEditor& ModbusTCPM_Editor();
