#pragma once
// The parameter panels of the whole converter family and the per-model choice of panels: which a
// model shows, in which order, and which panels it lays out again after a change.
#include <vector>

struct TParRow;
class TParControls;
class TParPanelRows;

// In the order their texts are applied.
enum class TParPanelId {
    IEC61850_Server, TLS_Server, Modbus_Master, Ethernet, Modbus_TCP_Master, Serial, PROFINET, Modbus_Slave,
    Modbus_TCP_Slave, BACnet_Master, BACnet_Slave, CAN, CANopen, DeviceNet_Master, DeviceNet_Slave, EtherNetIP,
    J1939, KNX, NMEA2000, PROFIBUS, SNMP_Manager, SNMP_Agent, MQTT, WiFi, TLS, NTP,
};
constexpr int kParPanelCount = 26;

struct TParPanelDef {
    const char* Name;  // CP_...
    int Title;         // text of the panel's title
    const TParRow* Rows;
    int RowCount;
    // The panel's own layout after a change; null for a panel whose rows never move.
    void (*RePosition)(const TParPanelRows& rows, const TParControls& controls);
};

const TParPanelDef& ParGen_Panel(TParPanelId id);

// RePosition_Object_<protocol>: the panel's layout and height from the state of its controls.
void RePosition_Object(TParPanelId id, const TParPanelRows& rows, const TParControls& controls);

// One model's pair: Order_TAB_Panels_<model> shows Panels in that order, RePosition_Objects_<model>
// lays out RePosition in that order.
struct TParGenModel {
    int Model;
    std::vector<TParPanelId> Panels;
    std::vector<TParPanelId> RePosition;
};

// Null for a number that is not a model of the family.
const TParGenModel* Find_ParGen_Model(int model);
