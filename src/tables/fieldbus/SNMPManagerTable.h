#pragma once
// SNMP_Manager.xml: the requests an SNMP manager member of the family sends to agents, with the checks
// OK makes (the rules of each request, then no two enabled requests to the same agent, version and OID).
#include "tables/TableEditor.h"

constexpr int SNMP_Manager_Rows = 512;
constexpr int SNMP_Manager_Data_Area = 1440;

const TTableEditor& SNMPManager_Editor();
