#pragma once
// MQTT_Set_Topic.xml: the topics an MQTT member of the family publishes and subscribes to, with the checks
// OK makes. Some columns are hidden in the family's configuration: kept and written, never checked.
#include "tables/TableEditor.h"

constexpr int MQTT_Rows = 1024;
constexpr int MQTT_Byte_IN = 1500;    // the data area publish positions address
constexpr int MQTT_Byte_OUT = 1500;   // the data area subscribe positions address
constexpr int MQTT_Pub_Template_Col = 9;
constexpr int MQTT_Sub_Template_Col = 11;

const TTableEditor& MQTT_Set_Topic_Editor();

// True when the text holds an odd number of "$" (keywords stand between two "$").
bool Error_In_Topic_Template(const QString& text);
